#pragma once
// Positions of goods taken back (returns at the till and to the warehouse),
// each with the number of its return reason.

#include "TZEV_DBFile.h"

class Tlstvfile : public TZEV_DBFile {
public:
    Tlstvfile()
        : TZEV_DBFile(QStringLiteral("lstv")),
          BelegNr(AddInteger(QStringLiteral("BELEGNR"))),
          Pos(AddInteger(QStringLiteral("POS"))),
          ArtNr(AddString(QStringLiteral("ARTNR"), 20)),
          Datum(AddDateTime(QStringLiteral("DATUM"))),
          Menge(AddInteger(QStringLiteral("MENGE"))),
          RueckgabeGrund(AddString(QStringLiteral("RUECKGABEGRUND"), 2)),
          IndexPrimaer(AddIndex(QStringLiteral("primaer"), {&BelegNr, &Pos})),
          IndexGrund(AddIndex(QStringLiteral("grund"), {&RueckgabeGrund}, false)) {}
    TDatenfeld_Integer& BelegNr;
    TDatenfeld_Integer& Pos;
    TDatenfeld_String& ArtNr;
    TDatenfeld_DateTime& Datum;
    TDatenfeld_Integer& Menge;
    TDatenfeld_String& RueckgabeGrund;  // number of the return reason
    int IndexPrimaer;
    int IndexGrund;
};
