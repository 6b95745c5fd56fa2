#pragma once
// Article prices: several price records per article, each valid for up to two
// seasons (designation code and year, TStfile).

#include "TZEV_DBFile.h"

class TZPFile : public TZEV_DBFile {
public:
    TZPFile()
        : TZEV_DBFile(QStringLiteral("zp")),
          ArtNr(AddString(QStringLiteral("ARTNR"), 20)),
          Lnr(AddInteger(QStringLiteral("LNR"))),
          Sais1Abk(AddString(QStringLiteral("SAIS1ABK"), 3)),
          Sais1Jahr(AddInteger(QStringLiteral("SAIS1JAHR"))),
          Sais2Abk(AddString(QStringLiteral("SAIS2ABK"), 3)),
          Sais2Jahr(AddInteger(QStringLiteral("SAIS2JAHR"))),
          VkPreis(AddFloat(QStringLiteral("VKPREIS"))),
          IndexPrimaer(AddIndex(QStringLiteral("primaer"), {&ArtNr, &Lnr})) {}
    TDatenfeld_String& ArtNr;
    TDatenfeld_Integer& Lnr;
    TDatenfeld_String& Sais1Abk;
    TDatenfeld_Integer& Sais1Jahr;
    TDatenfeld_String& Sais2Abk;
    TDatenfeld_Integer& Sais2Jahr;
    TDatenfeld_Float& VkPreis;
    int IndexPrimaer;
};
