#pragma once
// Pictures of articles: per article a running number, the picture variant it
// shows and the picture file.

#include "TZEV_DBFile.h"

class TABilFile : public TZEV_DBFile {
public:
    TABilFile()
        : TZEV_DBFile(QStringLiteral("abil")),
          ArtNr(AddString(QStringLiteral("ARTNR"), 20)),
          Lnr(AddInteger(QStringLiteral("LNR"))),
          Variante(AddString(QStringLiteral("VARIANTE"), 5)),
          Datei(AddString(QStringLiteral("DATEI"), 255)),
          IndexPrimaer(AddIndex(QStringLiteral("primaer"), {&ArtNr, &Lnr})) {}
    TDatenfeld_String& ArtNr;
    TDatenfeld_Integer& Lnr;
    TDatenfeld_String& Variante;  // picture variant (Tbvrfile)
    TDatenfeld_String& Datei;
    int IndexPrimaer;
};
