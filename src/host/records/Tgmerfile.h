#pragma once
// The general file: small code lists of several kinds in one table, told apart
// by the record type letter; each record belongs to the computer that made it
// and carries that computer's running number.

#include "TZEV_DBFile.h"

class Tgmerfile : public TZEV_DBFile {
public:
    Tgmerfile()
        : TZEV_DBFile(QStringLiteral("gmer")),
          Typ(AddString(QStringLiteral("TYP"), 1)),
          Rnr(AddInteger(QStringLiteral("RNR"))),
          Lnr(AddInteger(QStringLiteral("LNR"))),
          Bezeichnung(AddString(QStringLiteral("BEZEICHNUNG"), 40)),
          Format(AddString(QStringLiteral("FORMAT"), 30)),
          IndexPrimaer(AddIndex(QStringLiteral("primaer"), {&Typ, &Rnr, &Lnr})) {}
    TDatenfeld_String& Typ;
    TDatenfeld_Integer& Rnr;
    TDatenfeld_Integer& Lnr;
    TDatenfeld_String& Bezeichnung;
    TDatenfeld_String& Format;
    int IndexPrimaer;
};
