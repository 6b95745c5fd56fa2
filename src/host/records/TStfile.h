#pragma once
// Seasons: a season designation code and a year, with the selling and the
// pre-order period and a short number.

#include "TZEV_DBFile.h"

class TStfile : public TZEV_DBFile {
public:
    TStfile()
        : TZEV_DBFile(QStringLiteral("st")),
          SaisAbk(AddString(QStringLiteral("SAISABK"), 3)),
          Jahr(AddInteger(QStringLiteral("JAHR"))),
          SaisStart(AddDateTime(QStringLiteral("SAISSTART"))),
          SaisEnde(AddDateTime(QStringLiteral("SAISENDE"))),
          VorordStart(AddDateTime(QStringLiteral("VORORDSTART"))),
          VorordEnde(AddDateTime(QStringLiteral("VORORDENDE"))),
          KurzNr(AddString(QStringLiteral("KURZNR"), 3)),
          IndexPrimaer(AddIndex(QStringLiteral("primaer"), {&SaisAbk, &Jahr})) {}
    TDatenfeld_String& SaisAbk;  // season designation code (Tsbfile)
    TDatenfeld_Integer& Jahr;
    TDatenfeld_DateTime& SaisStart;
    TDatenfeld_DateTime& SaisEnde;
    TDatenfeld_DateTime& VorordStart;
    TDatenfeld_DateTime& VorordEnde;
    TDatenfeld_String& KurzNr;
    int IndexPrimaer;
};
