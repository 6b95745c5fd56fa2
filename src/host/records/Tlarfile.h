#pragma once
// Service types (time recording, invoice control, order cockpit): a number,
// designation, active flag, price and the VAT short designation the service is taxed with.

#include "TZEV_DBFile.h"

class Tlarfile : public TZEV_DBFile {
public:
    Tlarfile()
        : TZEV_DBFile(QStringLiteral("lar")),
          Nummer(AddInteger(QStringLiteral("NUMMER"))),
          Bezeichnung(AddString(QStringLiteral("BEZEICHNUNG"), 40)),
          Aktiv(AddBool(QStringLiteral("AKTIV"))),
          Preis(AddFloat(QStringLiteral("PREIS"))),
          MwSt(AddString(QStringLiteral("MWST"), 8)),
          IndexPrimaer(AddIndex(QStringLiteral("primaer"), {&Nummer})) {}
    TDatenfeld_Integer& Nummer;
    TDatenfeld_String& Bezeichnung;
    TDatenfeld_Bool& Aktiv;
    TDatenfeld_Float& Preis;
    TDatenfeld_String& MwSt;  // short designation of the VAT rate (Tmwfile)
    int IndexPrimaer;
};
