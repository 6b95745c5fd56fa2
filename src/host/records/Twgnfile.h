#pragma once
// Goods groups: a group number within a goods-group system, its designation
// and the main group it belongs to.

#include "TZEV_DBFile.h"

class Twgnfile : public TZEV_DBFile {
public:
    Twgnfile()
        : TZEV_DBFile(QStringLiteral("wgn")),
          Wgs(AddString(QStringLiteral("WGS"), 6)),
          Wgn(AddString(QStringLiteral("WGN"), 12)),
          Bezeichnung(AddString(QStringLiteral("BEZEICHNUNG"), 40)),
          Hg(AddString(QStringLiteral("HG"), 2)),
          IndexPrimaer(AddIndex(QStringLiteral("primaer"), {&Wgs, &Wgn})) {}
    TDatenfeld_String& Wgs;
    TDatenfeld_String& Wgn;
    TDatenfeld_String& Bezeichnung;
    TDatenfeld_String& Hg;  // main group code
    int IndexPrimaer;
};
