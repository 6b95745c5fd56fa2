#pragma once
// Members of the company groups (TKONZFile): group id and the member's business-partner id (Tgpfile).

#include "TZEV_DBFile.h"

class TKOZZFile : public TZEV_DBFile {
public:
    TKOZZFile()
        : TZEV_DBFile(QStringLiteral("kozz")),
          Konzern(AddIntPair(QStringLiteral("KONZERN"))),
          GepId(AddIntPair(QStringLiteral("GEPID"))),
          IndexPrimaer(AddIndex(QStringLiteral("primaer"), {&Konzern, &GepId})) {}
    TDatenfeld_IntPair& Konzern;
    TDatenfeld_IntPair& GepId;
    int IndexPrimaer;
};
