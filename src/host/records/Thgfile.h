#pragma once
// Main groups of the goods groups: a two-character code, a designation and six
// attribute texts.

#include "TZEV_DBFile.h"

class Thgfile : public TZEV_DBFile {
public:
    static constexpr int CMerkmale = 6;
    Thgfile()
        : TZEV_DBFile(QStringLiteral("hg")),
          Hg(AddString(QStringLiteral("HG"), 2)),
          Bezeichnung(AddString(QStringLiteral("BEZEICHNUNG"), 30)),
          Mm1(AddString(QStringLiteral("MM1"), 8)),
          Mm2(AddString(QStringLiteral("MM2"), 8)),
          Mm3(AddString(QStringLiteral("MM3"), 8)),
          Mm4(AddString(QStringLiteral("MM4"), 8)),
          Mm5(AddString(QStringLiteral("MM5"), 8)),
          Mm6(AddString(QStringLiteral("MM6"), 8)),
          IndexPrimaer(AddIndex(QStringLiteral("primaer"), {&Hg})) {}
    TDatenfeld_String& Hg;
    TDatenfeld_String& Bezeichnung;
    TDatenfeld_String& Mm1;
    TDatenfeld_String& Mm2;
    TDatenfeld_String& Mm3;
    TDatenfeld_String& Mm4;
    TDatenfeld_String& Mm5;
    TDatenfeld_String& Mm6;
    int IndexPrimaer;

    // Attribute field 1 to 6.
    TDatenfeld_String& Merkmal(int nr) {
        TDatenfeld_String* const felder[CMerkmale] = {&Mm1, &Mm2, &Mm3, &Mm4, &Mm5, &Mm6};
        return *felder[qBound(1, nr, CMerkmale) - 1];
    }
};
