#pragma once
// Net pay items and deductions of the employees: each references a net wage
// type (Tgbfile number of the net-wage kind).

#include "TZEV_DBFile.h"

class Tnbafile : public TZEV_DBFile {
public:
    Tnbafile()
        : TZEV_DBFile(QStringLiteral("nba")),
          PersNr(AddInteger(QStringLiteral("PERSNR"))),
          Lnr(AddInteger(QStringLiteral("LNR"))),
          NbaNr(AddInteger(QStringLiteral("NBANR"))),
          Betrag(AddFloat(QStringLiteral("BETRAG"))),
          IndexPrimaer(AddIndex(QStringLiteral("primaer"), {&PersNr, &Lnr})) {}
    TDatenfeld_Integer& PersNr;
    TDatenfeld_Integer& Lnr;
    TDatenfeld_Integer& NbaNr;  // net wage type
    TDatenfeld_Float& Betrag;
    int IndexPrimaer;
};
