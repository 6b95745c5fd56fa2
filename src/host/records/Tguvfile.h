#pragma once
// Lines of the profit-and-loss statement: an account range and up to two cost
// centres whose postings the line sums.

#include "TZEV_DBFile.h"

class Tguvfile : public TZEV_DBFile {
public:
    Tguvfile()
        : TZEV_DBFile(QStringLiteral("guv")),
          Zeile(AddInteger(QStringLiteral("ZEILE"))),
          Bezeichnung(AddString(QStringLiteral("BEZEICHNUNG"), 40)),
          KontoVon(AddString(QStringLiteral("KONTOVON"), 15)),
          KontoBis(AddString(QStringLiteral("KONTOBIS"), 15)),
          Kst1(AddInteger(QStringLiteral("KST1"))),
          Kst2(AddInteger(QStringLiteral("KST2"))),
          IndexPrimaer(AddIndex(QStringLiteral("primaer"), {&Zeile})) {}
    TDatenfeld_Integer& Zeile;
    TDatenfeld_String& Bezeichnung;
    TDatenfeld_String& KontoVon;
    TDatenfeld_String& KontoBis;
    TDatenfeld_Integer& Kst1;
    TDatenfeld_Integer& Kst2;
    int IndexPrimaer;
};
