#pragma once
// Clients (legal entities of the company group) and their branches. A client
// is also a business partner (Tgpfile); GEPID is its id there, the number
// pair by which other tables store the client.

#include "TZEV_DBFile.h"

class Tmandfile : public TZEV_DBFile {
public:
    Tmandfile()
        : TZEV_DBFile(QStringLiteral("mand")),
          Mandant(AddInteger(QStringLiteral("MANDANT"))),
          Name(AddString(QStringLiteral("NAME"), 40)),
          Land(AddString(QStringLiteral("LAND"), 3)),
          Waehrung(AddString(QStringLiteral("WAEHRUNG"), 3)),
          Waehrung2(AddString(QStringLiteral("WAEHRUNG2"), 3)),
          GepId(AddIntPair(QStringLiteral("GEPID"))),
          IndexPrimaer(AddIndex(QStringLiteral("primaer"), {&Mandant})) {}
    TDatenfeld_Integer& Mandant;
    TDatenfeld_String& Name;
    TDatenfeld_String& Land;
    TDatenfeld_String& Waehrung;   // first system currency
    TDatenfeld_String& Waehrung2;  // second system currency, empty when none
    TDatenfeld_IntPair& GepId;
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
