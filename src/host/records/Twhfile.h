#pragma once
// Currencies: short designation (the code the other tables store), ISO 4217
// code, name, code for payments abroad and the currency's country.

#include "TZEV_DBFile.h"

class Twhfile : public TZEV_DBFile {
public:
    Twhfile()
        : TZEV_DBFile(QStringLiteral("wh")),
          KurzBez(AddString(QStringLiteral("KURZBEZ"), 3)),
          ISO4217(AddString(QStringLiteral("ISO4217"), 3)),
          LangBez(AddString(QStringLiteral("LANGBEZ"), 27)),
          Zahlung(AddString(QStringLiteral("ZAHLUNG"), 3)),
          Land(AddString(QStringLiteral("LAND"), 3)),
          IndexPrimaer(AddIndex(QStringLiteral("primaer"), {&KurzBez})) {}
    TDatenfeld_String& KurzBez;
    TDatenfeld_String& ISO4217;
    TDatenfeld_String& LangBez;
    TDatenfeld_String& Zahlung;
    TDatenfeld_String& Land;  // country code (TLdfile)
    int IndexPrimaer;
};
