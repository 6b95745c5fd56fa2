#pragma once
// The complaint tables: faulty parts ("T"), defects ("M") and return reasons
// ("U"), each a two-digit number with a designation.

#include "TZEV_DBFile.h"

class Trmlfile : public TZEV_DBFile {
public:
    Trmlfile()
        : TZEV_DBFile(QStringLiteral("rml")),
          Typ(AddString(QStringLiteral("TYP"), 1)),
          Nummer(AddString(QStringLiteral("NUMMER"), 2)),
          Bez(AddString(QStringLiteral("BEZ"), 20)),
          IndexPrimaer(AddIndex(QStringLiteral("primaer"), {&Typ, &Nummer})) {}
    TDatenfeld_String& Typ;
    TDatenfeld_String& Nummer;
    TDatenfeld_String& Bez;
    int IndexPrimaer;
};
