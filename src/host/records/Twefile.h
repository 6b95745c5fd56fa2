#pragma once
// Currency units for counting the till: per currency a running number, the
// form (coin "M", note "S", other "A"), the unit and its multiplier (the value
// of one counted piece is unit times multiplier), a name and the active flag
// ("A"/"P").

#include "TZEV_DBFile.h"

class Twefile : public TZEV_DBFile {
public:
    Twefile()
        : TZEV_DBFile(QStringLiteral("we")),
          Waehrung(AddString(QStringLiteral("WAEHRUNG"), 3)),
          Nummer(AddInteger(QStringLiteral("NUMMER"))),
          Form(AddString(QStringLiteral("FORM"), 1)),
          Einheit(AddInteger(QStringLiteral("EINHEIT"))),
          Name(AddString(QStringLiteral("NAME"), 20)),
          Multi(AddFloat(QStringLiteral("MULTI"))),
          AktivKz(AddString(QStringLiteral("AKTIVKZ"), 1)),
          IndexPrimaer(AddIndex(QStringLiteral("primaer"), {&Waehrung, &Nummer})) {}
    TDatenfeld_String& Waehrung;  // currency code (Twhfile)
    TDatenfeld_Integer& Nummer;
    TDatenfeld_String& Form;
    TDatenfeld_Integer& Einheit;
    TDatenfeld_String& Name;
    TDatenfeld_Float& Multi;
    TDatenfeld_String& AktivKz;
    int IndexPrimaer;
};
