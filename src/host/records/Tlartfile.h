#pragma once
// Gross wage records of the employees: each references a gross wage type
// (Tgbfile number of the gross-wage kind).

#include "TZEV_DBFile.h"

class Tlartfile : public TZEV_DBFile {
public:
    Tlartfile()
        : TZEV_DBFile(QStringLiteral("lart")),
          PersNr(AddInteger(QStringLiteral("PERSNR"))),
          Lnr(AddInteger(QStringLiteral("LNR"))),
          LohnartNr(AddInteger(QStringLiteral("LOHNARTNR"))),
          Betrag(AddFloat(QStringLiteral("BETRAG"))),
          IndexPrimaer(AddIndex(QStringLiteral("primaer"), {&PersNr, &Lnr})) {}
    TDatenfeld_Integer& PersNr;
    TDatenfeld_Integer& Lnr;
    TDatenfeld_Integer& LohnartNr;
    TDatenfeld_Float& Betrag;
    int IndexPrimaer;
};
