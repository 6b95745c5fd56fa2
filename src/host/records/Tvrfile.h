#pragma once
// Variants (user-defined article attributes) and picture variants.

#include "TZEV_DBFile.h"

class Tvrfile : public TZEV_DBFile {
public:
    Tvrfile() : Tvrfile(QStringLiteral("vr")) {}
    TDatenfeld_String& Variante;
    TDatenfeld_String& Beschreibung;
    int IndexPrimaer;

protected:
    explicit Tvrfile(const QString& tabelle)
        : TZEV_DBFile(tabelle),
          Variante(AddString(QStringLiteral("VARIANTE"), 5)),
          Beschreibung(AddString(QStringLiteral("BESCHREIBUNG"), 30)),
          IndexPrimaer(AddIndex(QStringLiteral("primaer"), {&Variante})) {}
};

class Tbvrfile : public Tvrfile {
public:
    Tbvrfile() : Tvrfile(QStringLiteral("bvr")) {}
};
