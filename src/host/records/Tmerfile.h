#pragma once
// Values of the user-defined customer attributes: one record per customer and
// attribute number (the attributes themselves are Tgbfile records of kind "#").

#include "TZEV_DBFile.h"

class Tmerfile : public TZEV_DBFile {
public:
    Tmerfile()
        : TZEV_DBFile(QStringLiteral("mer")),
          KundenNr(AddInteger(QStringLiteral("KUNDENNR"))),
          Merkmal(AddInteger(QStringLiteral("MERKMAL"))),
          Wert(AddString(QStringLiteral("WERT"), 60)),
          IndexPrimaer(AddIndex(QStringLiteral("primaer"), {&KundenNr, &Merkmal})) {}
    TDatenfeld_Integer& KundenNr;
    TDatenfeld_Integer& Merkmal;  // attribute number
    TDatenfeld_String& Wert;
    int IndexPrimaer;
};
