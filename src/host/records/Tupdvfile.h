#pragma once
// Program versions installed on the computers: per computer and program the
// date of the installed version (whole days) and its version text.

#include "TZEV_DBFile.h"

class Tupdvfile : public TZEV_DBFile {
public:
    Tupdvfile()
        : TZEV_DBFile(QStringLiteral("updv")),
          Rnr(AddInteger(QStringLiteral("RNR"))),
          Programm(AddString(QStringLiteral("PROGRAMM"), 12)),
          Datum(AddDateTime(QStringLiteral("DATUM"))),
          Version(AddString(QStringLiteral("VERSION"), 20)),
          IndexPrimaer(AddIndex(QStringLiteral("primaer"), {&Rnr, &Programm})) {}
    TDatenfeld_Integer& Rnr;
    TDatenfeld_String& Programm;
    TDatenfeld_DateTime& Datum;
    TDatenfeld_String& Version;
    int IndexPrimaer;
};
