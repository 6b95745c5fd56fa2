#pragma once
// Number ranges of the installation, by kind and code (GTIN company prefixes
// are kind 1, code "GTI"): what a range is used for, its start and end number
// as typed, and a flag the numbering service sets when it has taken the range up.

#include "TZEV_DBFile.h"

class Tnkfile : public TZEV_DBFile {
public:
    Tnkfile()
        : TZEV_DBFile(QStringLiteral("nk")),
          NkArt(AddInteger(QStringLiteral("NKART"))),
          Code(AddString(QStringLiteral("CODE"), 3)),
          Verwendung(AddString(QStringLiteral("VERWENDUNG"), 3)),
          BlockStart(AddString(QStringLiteral("BLOCKSTART"), 20)),
          BlockEnde(AddString(QStringLiteral("BLOCKENDE"), 20)),
          Kennzeichen(AddString(QStringLiteral("KENNZEICHEN"), 1)),
          IndexPrimaer(AddIndex(QStringLiteral("primaer"), {&NkArt, &Code, &Verwendung, &BlockStart, &BlockEnde})) {}
    TDatenfeld_Integer& NkArt;
    TDatenfeld_String& Code;
    TDatenfeld_String& Verwendung;  // "INT" or "EXT"
    TDatenfeld_String& BlockStart;
    TDatenfeld_String& BlockEnde;
    TDatenfeld_String& Kennzeichen;
    int IndexPrimaer;

    static constexpr int CArtGTIN = 1;
    static inline const QString CCodeGTIN = QStringLiteral("GTI");
};
