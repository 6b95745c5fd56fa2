#pragma once
// The installation's computers: number, name, computer type (0 to 7), branch and client.

#include "TZEV_DBFile.h"

class Trechnerfile : public TZEV_DBFile {
public:
    Trechnerfile()
        : TZEV_DBFile(QStringLiteral("rechner")),
          Rnr(AddInteger(QStringLiteral("RNR"))),
          Name(AddString(QStringLiteral("NAME"), 40)),
          RTyp(AddInteger(QStringLiteral("RTYP"))),
          Filiale(AddInteger(QStringLiteral("FILIALE"))),
          Mandant(AddInteger(QStringLiteral("MANDANT"))),
          IndexPrimaer(AddIndex(QStringLiteral("primaer"), {&Rnr})) {}
    TDatenfeld_Integer& Rnr;
    TDatenfeld_String& Name;
    TDatenfeld_Integer& RTyp;
    TDatenfeld_Integer& Filiale;
    TDatenfeld_Integer& Mandant;
    int IndexPrimaer;
};
