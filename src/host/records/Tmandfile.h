#pragma once
// Clients (legal entities of the company group) and their branches.

#include "TZEV_DBFile.h"

class Tmandfile : public TZEV_DBFile {
public:
    Tmandfile()
        : TZEV_DBFile(QStringLiteral("mand")),
          Mandant(AddInteger(QStringLiteral("MANDANT"))),
          Name(AddString(QStringLiteral("NAME"), 40)),
          Land(AddString(QStringLiteral("LAND"), 3)),
          Waehrung(AddString(QStringLiteral("WAEHRUNG"), 3)),
          IndexPrimaer(AddIndex(QStringLiteral("primaer"), {&Mandant})) {}
    TDatenfeld_Integer& Mandant;
    TDatenfeld_String& Name;
    TDatenfeld_String& Land;
    TDatenfeld_String& Waehrung;
    int IndexPrimaer;
};

class Tfilfile : public TZEV_DBFile {
public:
    Tfilfile()
        : TZEV_DBFile(QStringLiteral("fil")),
          Filiale(AddInteger(QStringLiteral("FILIALE"))),
          Name(AddString(QStringLiteral("NAME"), 40)),
          Mandant(AddInteger(QStringLiteral("MANDANT"))),
          Ort(AddString(QStringLiteral("ORT"), 40)),
          IndexPrimaer(AddIndex(QStringLiteral("primaer"), {&Filiale})),
          IndexMandant(AddIndex(QStringLiteral("mandant"), {&Mandant}, false)) {}
    TDatenfeld_Integer& Filiale;
    TDatenfeld_String& Name;
    TDatenfeld_Integer& Mandant;
    TDatenfeld_String& Ort;
    int IndexPrimaer;
    int IndexMandant;
};
