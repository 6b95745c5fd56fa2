#pragma once
// The group-formation file: small numbered lists of the accounting and payroll
// side (cost centres, salary data, wage types, organisation units) and the
// customer attributes, told apart by the kind character (CQLN_GB_Kennung).

#include "TZEV_DBFile.h"

#include <QStringList>

class Tgbfile : public TZEV_DBFile {
public:
    Tgbfile()
        : TZEV_DBFile(QStringLiteral("gb")),
          Kennung(AddString(QStringLiteral("KENNUNG"), 1)),
          Rechtsf(AddString(QStringLiteral("RECHTSF"), 1)),
          GbTyp(AddInteger(QStringLiteral("GBTYP"))),
          Bezeichnung(AddString(QStringLiteral("BEZEICHNUNG"), 40)),
          Aenderbar(AddString(QStringLiteral("AENDERBAR"), 1)),
          Status(AddString(QStringLiteral("STATUS"), 10)),
          LohnartTyp(AddString(QStringLiteral("LOHNARTTYP"), 1)),
          WirtsJahr(AddBool(QStringLiteral("WIRTSJAHR"))),
          ProdStd(AddBool(QStringLiteral("PRODSTD"))),
          Kennzeichen(AddString(QStringLiteral("KENNZEICHEN"), 1)),
          Sollzeit(AddFloat(QStringLiteral("SOLLZEIT"))),
          Vorstandsamt(AddBool(QStringLiteral("VORSTANDSAMT"))),
          Filler(AddString(QStringLiteral("FILLER"), 8)),
          IndexPrimaer(AddIndex(QStringLiteral("primaer"), {&Kennung, &Rechtsf, &GbTyp})),
          IndexBezeichnung(AddIndex(QStringLiteral("bezeichnung"), {&Kennung, &Bezeichnung}, false)) {}
    TDatenfeld_String& Kennung;     // kind character
    TDatenfeld_String& Rechtsf;     // legal capacity: "J", "N" or a blank
    TDatenfeld_Integer& GbTyp;      // number within kind and legal capacity
    TDatenfeld_String& Bezeichnung;
    TDatenfeld_String& Aenderbar;   // "J" / "N"
    TDatenfeld_String& Status;
    TDatenfeld_String& LohnartTyp;  // the name of an entry of LohnartTypWerte(), or a blank
    TDatenfeld_Bool& WirtsJahr;     // a fiscal year is required
    TDatenfeld_Bool& ProdStd;       // enters the productive hourly rate
    TDatenfeld_String& Kennzeichen;
    TDatenfeld_Float& Sollzeit;
    TDatenfeld_Bool& Vorstandsamt;
    TDatenfeld_String& Filler;
    int IndexPrimaer;
    int IndexBezeichnung;

    // The wage-type kinds as name-value entries ("L=laufender Bezug"); the
    // record stores the name.
    static const QStringList& LohnartTypWerte() {
        static const QStringList werte{
            QStringLiteral("L=laufender Bezug"), QStringLiteral("E=Einmalbezug"), QStringLiteral("S=Sachbezug"),
            QStringLiteral("Z=Zuschlag"),        QStringLiteral("A=Abzug"),       QStringLiteral("P=Pauschalbezug")};
        return werte;
    }
    // The whole entry named by the character; empty when none is.
    static QString LohnartTypEintrag(const QString& name) {
        if (name.trimmed().isEmpty()) return {};
        for (const QString& w : LohnartTypWerte())
            if (w.section(QLatin1Char('='), 0, 0) == name) return w;
        return {};
    }
};
