#pragma once
// Purposes of alternative size runs (size-run types): a four-character type,
// its designation and whether it may be changed ("J"/"N").

#include "TZEV_DBFile.h"

class Tggtyfile : public TZEV_DBFile {
public:
    Tggtyfile()
        : TZEV_DBFile(QStringLiteral("ggty")),
          Typ(AddString(QStringLiteral("TYP"), 4)),
          Bezeichnung(AddString(QStringLiteral("BEZEICHNUNG"), 40)),
          Aenderbar(AddString(QStringLiteral("AENDERBAR"), 1)),
          IndexPrimaer(AddIndex(QStringLiteral("primaer"), {&Typ})) {}
    TDatenfeld_String& Typ;
    TDatenfeld_String& Bezeichnung;
    TDatenfeld_String& Aenderbar;
    int IndexPrimaer;
};
