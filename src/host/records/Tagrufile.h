#pragma once
// Article groups and actions (price, transfer and advertising actions), told
// apart by the group type 1 to 4: a number, a designation, an optional period
// and a remark.

#include "TZEV_DBFile.h"

class Tagrufile : public TZEV_DBFile {
public:
    Tagrufile()
        : TZEV_DBFile(QStringLiteral("agru")),
          Typ(AddInteger(QStringLiteral("TYP"))),
          Nummer(AddInteger(QStringLiteral("NUMMER"))),
          Bezeichnung(AddString(QStringLiteral("BEZEICHNUNG"), 40)),
          GueltigAb(AddDateTime(QStringLiteral("GUELTIGAB"))),
          GueltigBis(AddDateTime(QStringLiteral("GUELTIGBIS"))),
          Bemerkung(AddString(QStringLiteral("BEMERKUNG"), 80)),
          IndexPrimaer(AddIndex(QStringLiteral("primaer"), {&Typ, &Nummer})) {}
    TDatenfeld_Integer& Typ;
    TDatenfeld_Integer& Nummer;
    TDatenfeld_String& Bezeichnung;
    TDatenfeld_DateTime& GueltigAb;   // 0: not set
    TDatenfeld_DateTime& GueltigBis;  // 0: not set
    TDatenfeld_String& Bemerkung;
    int IndexPrimaer;
};
