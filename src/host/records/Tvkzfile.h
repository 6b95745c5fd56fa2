#pragma once
// Sales marks (one digit) and order marks (up to eight characters) of articles,
// each with a designation and a flag whether the mark may be changed.

#include "TZEV_DBFile.h"

class Tvkzfile : public TZEV_DBFile {
public:
    Tvkzfile()
        : TZEV_DBFile(QStringLiteral("vkz")),
          Vkkz(AddString(QStringLiteral("VKKZ"), 1)),
          AendKz(AddString(QStringLiteral("AENDKZ"), 1)),
          Bezeichnung(AddString(QStringLiteral("BEZEICHNUNG"), 22)),
          IndexPrimaer(AddIndex(QStringLiteral("primaer"), {&Vkkz})) {}
    TDatenfeld_String& Vkkz;
    TDatenfeld_String& AendKz;  // "1" changeable, "0" not
    TDatenfeld_String& Bezeichnung;
    int IndexPrimaer;
};

class Tdikzfile : public TZEV_DBFile {
public:
    Tdikzfile()
        : TZEV_DBFile(QStringLiteral("dikz")),
          Dikz(AddString(QStringLiteral("DIKZ"), 8)),
          AendKz(AddString(QStringLiteral("AENDKZ"), 1)),
          Bezeichnung(AddString(QStringLiteral("BEZEICHNUNG"), 20)),
          IndexPrimaer(AddIndex(QStringLiteral("primaer"), {&Dikz})) {}
    TDatenfeld_String& Dikz;
    TDatenfeld_String& AendKz;  // "A" changeable, "F" not
    TDatenfeld_String& Bezeichnung;
    int IndexPrimaer;
};
