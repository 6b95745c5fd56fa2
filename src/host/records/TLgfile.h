#pragma once
// Languages: short designation, name, the country and the code page of texts in it.

#include "TZEV_DBFile.h"

class TLgfile : public TZEV_DBFile {
public:
    TLgfile()
        : TZEV_DBFile(QStringLiteral("lg")),
          KurzBez(AddString(QStringLiteral("KURZBEZ"), 3)),
          LangBez(AddString(QStringLiteral("LANGBEZ"), 20)),
          Land(AddString(QStringLiteral("LAND"), 3)),
          Code(AddInteger(QStringLiteral("CODE"))),
          IndexPrimaer(AddIndex(QStringLiteral("primaer"), {&KurzBez})) {}
    TDatenfeld_String& KurzBez;
    TDatenfeld_String& LangBez;
    TDatenfeld_String& Land;
    TDatenfeld_Integer& Code;  // code page
    int IndexPrimaer;
};
