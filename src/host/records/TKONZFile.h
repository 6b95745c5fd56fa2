#pragma once
// Company groups; the installation's own group is marked as system group.

#include "TZEV_DBFile.h"

class TKONZFile : public TZEV_DBFile {
public:
    TKONZFile()
        : TZEV_DBFile(QStringLiteral("konz")),
          Id(AddIntPair(QStringLiteral("ID"))),
          Name(AddString(QStringLiteral("NAME"), 60)),
          Systemgruppe(AddBool(QStringLiteral("SYSTEMGRUPPE"))),
          IndexPrimaer(AddIndex(QStringLiteral("primaer"), {&Id})) {}
    TDatenfeld_IntPair& Id;
    TDatenfeld_String& Name;
    TDatenfeld_Bool& Systemgruppe;
    int IndexPrimaer;
};
