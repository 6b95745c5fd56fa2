#pragma once
// The ACfg store: one row per configuration type and computer (computer 0 for
// configurations that exist once), holding the data object's stored text,
// when it was written and by which computer.

#include "TZEV_DBFile.h"

class Tacfgfile : public TZEV_DBFile {
public:
    Tacfgfile()
        : TZEV_DBFile(QStringLiteral("acfg")),
          Typ(AddInteger(QStringLiteral("TYP"))),
          Rnr(AddInteger(QStringLiteral("RNR"))),
          Daten(AddString(QStringLiteral("DATEN"), 0)),
          Geaendert(AddDateTime(QStringLiteral("GEAENDERT"))),
          GeaendertRnr(AddInteger(QStringLiteral("GEAENDERTRNR"))),
          IndexPrimaer(AddIndex(QStringLiteral("primaer"), {&Typ, &Rnr})) {}
    TDatenfeld_Integer& Typ;
    TDatenfeld_Integer& Rnr;
    TDatenfeld_String& Daten;
    TDatenfeld_DateTime& Geaendert;
    TDatenfeld_Integer& GeaendertRnr;
    int IndexPrimaer;
};
