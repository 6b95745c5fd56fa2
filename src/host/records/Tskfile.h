#pragma once
// Accounts of the accounting, per client (the client's number pair) and short
// name. The accounts server (IQLN_KontenServer) reads and creates them; the
// account maintenance program assigns the account number.

#include "TZEV_DBFile.h"

class Tskfile : public TZEV_DBFile {
public:
    Tskfile()
        : TZEV_DBFile(QStringLiteral("sk")),
          Mandant(AddIntPair(QStringLiteral("MANDANT"))),
          Kurzname(AddString(QStringLiteral("KURZNAME"), 15)),
          Bezeichnung(AddString(QStringLiteral("BEZEICHNUNG"), 40)),
          Suchname(AddString(QStringLiteral("SUCHNAME"), 15)),
          KontoArt(AddString(QStringLiteral("KONTOART"), 1)),
          KontoTyp(AddString(QStringLiteral("KONTOTYP"), 1)),
          SteuerKz(AddString(QStringLiteral("STEUERKZ"), 1)),
          Status(AddString(QStringLiteral("STATUS"), 1)),
          Herkunft(AddString(QStringLiteral("HERKUNFT"), 1)),
          Sperre(AddString(QStringLiteral("SPERRE"), 1)),
          KontoNr(AddString(QStringLiteral("KONTONR"), 10)),
          IndexPrimaer(AddIndex(QStringLiteral("primaer"), {&Mandant, &Kurzname})) {}
    TDatenfeld_IntPair& Mandant;
    TDatenfeld_String& Kurzname;
    TDatenfeld_String& Bezeichnung;
    TDatenfeld_String& Suchname;
    TDatenfeld_String& KontoArt;  // "G" general ledger account
    TDatenfeld_String& KontoTyp;  // "E" revenue (reduction) account
    TDatenfeld_String& SteuerKz;  // "N" posted without tax key
    TDatenfeld_String& Status;    // "A" active
    TDatenfeld_String& Herkunft;  // "P" made by a program, "M" by hand
    TDatenfeld_String& Sperre;    // blank: not locked
    TDatenfeld_String& KontoNr;   // empty until the account maintenance assigns one
    int IndexPrimaer;
};
