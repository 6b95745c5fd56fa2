#pragma once
// Relationship types of articles (a two-character code, a designation, whether
// the type may be changed, whether the relationship is directed) and the
// article relations that use them.

#include "TZEV_DBFile.h"

class Tvtypfile : public TZEV_DBFile {
public:
    Tvtypfile()
        : TZEV_DBFile(QStringLiteral("vtyp")),
          Kennung(AddString(QStringLiteral("KENNUNG"), 2)),
          Bez(AddString(QStringLiteral("BEZ"), 20)),
          Aender(AddBool(QStringLiteral("AENDER"))),
          Gerichtet(AddBool(QStringLiteral("GERICHTET"))),
          IndexPrimaer(AddIndex(QStringLiteral("primaer"), {&Kennung})) {}
    TDatenfeld_String& Kennung;
    TDatenfeld_String& Bez;
    TDatenfeld_Bool& Aender;
    TDatenfeld_Bool& Gerichtet;
    int IndexPrimaer;
};

// One relation between two articles of a relationship type.
class Tvprofile : public TZEV_DBFile {
public:
    Tvprofile()
        : TZEV_DBFile(QStringLiteral("vpro")),
          Kennung(AddString(QStringLiteral("KENNUNG"), 2)),
          ArtNr1(AddString(QStringLiteral("ARTNR1"), 20)),
          ArtNr2(AddString(QStringLiteral("ARTNR2"), 20)),
          IndexPrimaer(AddIndex(QStringLiteral("primaer"), {&Kennung, &ArtNr1, &ArtNr2})) {}
    TDatenfeld_String& Kennung;
    TDatenfeld_String& ArtNr1;
    TDatenfeld_String& ArtNr2;
    int IndexPrimaer;
};
