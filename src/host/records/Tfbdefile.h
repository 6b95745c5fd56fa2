#pragma once
// Accounting posting definitions: how a kind of business transaction is posted,
// with up to two cost centres (Tgbfile numbers of the cost-centre kind).

#include "TZEV_DBFile.h"

class Tfbdefile : public TZEV_DBFile {
public:
    Tfbdefile()
        : TZEV_DBFile(QStringLiteral("fbde")),
          Nummer(AddInteger(QStringLiteral("NUMMER"))),
          Bezeichnung(AddString(QStringLiteral("BEZEICHNUNG"), 40)),
          Konto(AddString(QStringLiteral("KONTO"), 15)),
          Kst1(AddInteger(QStringLiteral("KST1"))),
          Kst2(AddInteger(QStringLiteral("KST2"))),
          IndexPrimaer(AddIndex(QStringLiteral("primaer"), {&Nummer})) {}
    TDatenfeld_Integer& Nummer;
    TDatenfeld_String& Bezeichnung;
    TDatenfeld_String& Konto;
    TDatenfeld_Integer& Kst1;  // first cost centre, 0 when none
    TDatenfeld_Integer& Kst2;  // second cost centre, 0 when none
    int IndexPrimaer;
};
