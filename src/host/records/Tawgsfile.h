#pragma once
// Assignments of articles to goods groups, per goods-group system.

#include "TZEV_DBFile.h"

class Tawgsfile : public TZEV_DBFile {
public:
    Tawgsfile()
        : TZEV_DBFile(QStringLiteral("awgs")),
          ArtNr(AddString(QStringLiteral("ARTNR"), 20)),
          Wgs(AddString(QStringLiteral("WGS"), 6)),
          Wgn(AddString(QStringLiteral("WGN"), 12)),
          IndexPrimaer(AddIndex(QStringLiteral("primaer"), {&ArtNr, &Wgs, &Wgn})) {}
    TDatenfeld_String& ArtNr;
    TDatenfeld_String& Wgs;  // goods-group system (Twgsfile)
    TDatenfeld_String& Wgn;  // goods group within it (Twgnfile)
    int IndexPrimaer;
};
