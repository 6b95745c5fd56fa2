#pragma once
// Season designations: a short code (up to three characters), whether it is
// active, whether it may be changed, and its designation. Seasons (TStfile)
// reference the code.

#include "TZEV_DBFile.h"

class Tsbfile : public TZEV_DBFile {
public:
    Tsbfile()
        : TZEV_DBFile(QStringLiteral("sb")),
          Kuerzel(AddString(QStringLiteral("KUERZEL"), 3)),
          AktPas(AddString(QStringLiteral("AKTPAS"), 1)),
          AendKz(AddString(QStringLiteral("AENDKZ"), 1)),
          Bezeichnung(AddString(QStringLiteral("BEZEICHNUNG"), 50)),
          IndexPrimaer(AddIndex(QStringLiteral("primaer"), {&Kuerzel})) {}
    TDatenfeld_String& Kuerzel;
    TDatenfeld_String& AktPas;  // "a" active, "p" passive
    TDatenfeld_String& AendKz;  // "1" changeable, "0" not
    TDatenfeld_String& Bezeichnung;
    int IndexPrimaer;
};
