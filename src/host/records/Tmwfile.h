#pragma once
// VAT rates: per country and short designation the rates by valid-from date.
// Articles, service types and article prices reference the short designation.

#include "TZEV_DBFile.h"

class Tmwfile : public TZEV_DBFile {
public:
    Tmwfile()
        : TZEV_DBFile(QStringLiteral("mw")),
          Land(AddString(QStringLiteral("LAND"), 3)),
          KurzBez(AddString(QStringLiteral("KURZBEZ"), 8)),
          LangBez(AddString(QStringLiteral("LANGBEZ"), 30)),
          AbDatum(AddDateTime(QStringLiteral("ABDATUM"))),
          Prozent(AddFloat(QStringLiteral("PROZENT"))),
          IndexPrimaer(AddIndex(QStringLiteral("primaer"), {&Land, &KurzBez, &AbDatum})) {}
    TDatenfeld_String& Land;  // country code (TLdfile)
    TDatenfeld_String& KurzBez;
    TDatenfeld_String& LangBez;
    TDatenfeld_DateTime& AbDatum;
    TDatenfeld_Float& Prozent;
    int IndexPrimaer;
};
