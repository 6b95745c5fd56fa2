#pragma once
// Brands: a short code, the brand name, its maker and whether it is still in use.
// Articles reference the code.

#include "TZEV_DBFile.h"

class Tmarkfile : public TZEV_DBFile {
public:
    Tmarkfile()
        : TZEV_DBFile(QStringLiteral("mark")),
          Kuerzel(AddString(QStringLiteral("KUERZEL"), 10)),
          Bezeichnung(AddString(QStringLiteral("BEZEICHNUNG"), 40)),
          Hersteller(AddString(QStringLiteral("HERSTELLER"), 40)),
          Aktiv(AddBool(QStringLiteral("AKTIV"))),
          IndexPrimaer(AddIndex(QStringLiteral("primaer"), {&Kuerzel})) {}
    TDatenfeld_String& Kuerzel;
    TDatenfeld_String& Bezeichnung;
    TDatenfeld_String& Hersteller;
    TDatenfeld_Bool& Aktiv;
    int IndexPrimaer;
};
