#pragma once
// Till counts of the till closings: per computer and closing the number of
// pieces counted of each currency unit (Twefile: currency and number).

#include "TZEV_DBFile.h"

class Twegzfile : public TZEV_DBFile {
public:
    Twegzfile()
        : TZEV_DBFile(QStringLiteral("wegz")),
          Rnr(AddInteger(QStringLiteral("RNR"))),
          Abschluss(AddInteger(QStringLiteral("ABSCHLUSS"))),
          Waehrung(AddString(QStringLiteral("WAEHRUNG"), 3)),
          Nummer(AddInteger(QStringLiteral("NUMMER"))),
          Anzahl(AddInteger(QStringLiteral("ANZAHL"))),
          IndexPrimaer(AddIndex(QStringLiteral("primaer"), {&Rnr, &Abschluss, &Waehrung, &Nummer})) {}
    TDatenfeld_Integer& Rnr;
    TDatenfeld_Integer& Abschluss;  // number of the till closing on that computer
    TDatenfeld_String& Waehrung;
    TDatenfeld_Integer& Nummer;
    TDatenfeld_Integer& Anzahl;
    int IndexPrimaer;
};
