#pragma once
// Colours and materials: a number (the key as typed, up to four digits) and a designation.

#include "TZEV_DBFile.h"

class Tfarbfile : public TZEV_DBFile {
public:
    Tfarbfile() : Tfarbfile(QStringLiteral("farb")) {}
    TDatenfeld_String& Nummer;
    TDatenfeld_String& Bezeichnung;
    int IndexPrimaer;

protected:
    explicit Tfarbfile(const QString& tabelle)
        : TZEV_DBFile(tabelle),
          Nummer(AddString(QStringLiteral("NUMMER"), 4)),
          Bezeichnung(AddString(QStringLiteral("BEZEICHNUNG"), 20)),
          IndexPrimaer(AddIndex(QStringLiteral("primaer"), {&Nummer})) {}
};

class Tmatfile : public Tfarbfile {
public:
    Tmatfile() : Tfarbfile(QStringLiteral("mat")) {}
};
