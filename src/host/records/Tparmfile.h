#pragma once
// Program parameters: one value per parameter and computer. Values that hold
// for the whole installation are kept under computer number 0.

#include "TZEV_DBFile.h"

class Tparmfile : public TZEV_DBFile {
public:
    Tparmfile()
        : TZEV_DBFile(QStringLiteral("parm")),
          Kennung(AddString(QStringLiteral("KENNUNG"), 8)),
          Rnr(AddInteger(QStringLiteral("RNR"))),
          Wert(AddString(QStringLiteral("WERT"), 255)),
          IndexPrimaer(AddIndex(QStringLiteral("primaer"), {&Kennung, &Rnr})) {}
    TDatenfeld_String& Kennung;
    TDatenfeld_Integer& Rnr;
    TDatenfeld_String& Wert;
    int IndexPrimaer;
};
