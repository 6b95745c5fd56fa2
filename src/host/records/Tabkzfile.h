#pragma once
// Devaluation marks of the inventory: a mark 1 to 9 and its percentage.

#include "TZEV_DBFile.h"

class Tabkzfile : public TZEV_DBFile {
public:
    Tabkzfile()
        : TZEV_DBFile(QStringLiteral("abkz")),
          Nummer(AddInteger(QStringLiteral("NUMMER"))),
          ProzSatz(AddInteger(QStringLiteral("PROZSATZ"))),
          IndexPrimaer(AddIndex(QStringLiteral("primaer"), {&Nummer})) {}
    TDatenfeld_Integer& Nummer;
    TDatenfeld_Integer& ProzSatz;
    int IndexPrimaer;
};
