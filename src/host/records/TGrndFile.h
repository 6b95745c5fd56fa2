#pragma once
// Reasons for stock movements ("BEW"), value changes ("WEG") and requests to
// the handling store ("HAG"), told apart by the kind text. A reason's id is a
// trio: computer number, running number, sub-number.

#include "TZEV_DBFile.h"

class TGrndFile : public TZEV_DBFile {
public:
    TGrndFile()
        : TZEV_DBFile(QStringLiteral("grnd")),
          Kuerzel(AddString(QStringLiteral("KUERZEL"), 3)),
          Id(AddIntTrio(QStringLiteral("ID"))),
          LangBez(AddString(QStringLiteral("LANGBEZ"), 40)),
          KurzBez(AddString(QStringLiteral("KURZBEZ"), 10)),
          Prioritaet(AddBool(QStringLiteral("PRIORITAET"))),
          Reihenfolge(AddInteger(QStringLiteral("REIHENFOLGE"))),
          NurAufgabe(AddBool(QStringLiteral("NURAUFGABE"))),
          Aktiv(AddBool(QStringLiteral("AKTIV"))),
          IndexPrimaer(AddIndex(QStringLiteral("primaer"), {&Kuerzel, &Id})) {}
    TDatenfeld_String& Kuerzel;
    TDatenfeld_IntTrio& Id;
    TDatenfeld_String& LangBez;
    TDatenfeld_String& KurzBez;     // not for "HAG"
    TDatenfeld_Bool& Prioritaet;    // "HAG": urgent, the task says so
    TDatenfeld_Integer& Reihenfolge;// "HAG": 1 first to 9 last
    TDatenfeld_Bool& NurAufgabe;    // "HAG": a transfer without exchange between branches
    TDatenfeld_Bool& Aktiv;
    int IndexPrimaer;

    // Field lengths, also the table windows' limits.
    static constexpr int CLangBezLaenge = 40;
    static constexpr int CKurzBezLaenge = 10;
};
