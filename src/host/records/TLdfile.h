#pragma once
// Countries: the suite's country code ("D", "A", "CH"), the ISO 3166 code, the
// name, number and code of the foreign-trade statistics, membership of the EU
// and of the euro zone, and the postcode format (9 digit, C letter).

#include "TZEV_DBFile.h"

class TLdfile : public TZEV_DBFile {
public:
    TLdfile()
        : TZEV_DBFile(QStringLiteral("ld")),
          Kuerzel(AddString(QStringLiteral("KUERZEL"), 3)),
          ISO3166(AddString(QStringLiteral("ISO3166"), 2)),
          Name(AddString(QStringLiteral("NAME"), 19)),
          Nr(AddInteger(QStringLiteral("NR"))),
          Abk(AddString(QStringLiteral("ABK"), 7)),
          EUMgl(AddBool(QStringLiteral("EUMGL"))),
          EWUMgl(AddBool(QStringLiteral("EWUMGL"))),
          Plz(AddString(QStringLiteral("PLZ"), 20)),
          IndexPrimaer(AddIndex(QStringLiteral("primaer"), {&Kuerzel})) {}
    TDatenfeld_String& Kuerzel;
    TDatenfeld_String& ISO3166;
    TDatenfeld_String& Name;
    TDatenfeld_Integer& Nr;
    TDatenfeld_String& Abk;
    TDatenfeld_Bool& EUMgl;
    TDatenfeld_Bool& EWUMgl;
    TDatenfeld_String& Plz;
    int IndexPrimaer;
};
