#pragma once
// GS1 company prefix lengths: for a GTIN number range (its leading digits) the
// length of the company prefix below it.

#include "TZEV_DBFile.h"

class Tgcplfile : public TZEV_DBFile {
public:
    Tgcplfile()
        : TZEV_DBFile(QStringLiteral("gcpl")),
          GtinNk(AddString(QStringLiteral("GTINNK"), 20)),
          PrefLen(AddInteger(QStringLiteral("PREFLEN"))),
          IndexPrimaer(AddIndex(QStringLiteral("primaer"), {&GtinNk})) {}
    TDatenfeld_String& GtinNk;
    TDatenfeld_Integer& PrefLen;
    int IndexPrimaer;
};
