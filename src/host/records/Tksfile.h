#pragma once
// Exchange rates: from a source currency to a foreign currency, "unit" pieces
// of the foreign currency per rate. The rate type tells current rate, dispo
// rate of a season, history and the others; a pair has one current rate, the
// rates it replaced are kept as history with a running number per pair.

#include "TZEV_DBFile.h"

#include <QList>

class Tksfile : public TZEV_DBFile {
public:
    Tksfile()
        : TZEV_DBFile(QStringLiteral("ks")),
          Waehrung(AddString(QStringLiteral("WAEHRUNG"), 3)),
          Kursart(AddString(QStringLiteral("KURSART"), 1)),
          LaufendeNummer(AddInteger(QStringLiteral("LFDNR"))),
          Jahr(AddInteger(QStringLiteral("JAHR"))),
          Saison(AddString(QStringLiteral("SAISON"), 3)),
          Fremdwaehrung(AddString(QStringLiteral("FREMDWAEHRUNG"), 3)),
          Einheit(AddInteger(QStringLiteral("EINHEIT"))),
          Kurs(AddFloat(QStringLiteral("KURS"))),
          AbDatum(AddDateTime(QStringLiteral("ABDATUM"))),
          IndexPrimaer(AddIndex(QStringLiteral("primaer"),
                                {&Waehrung, &Kursart, &LaufendeNummer, &Jahr, &Saison, &Fremdwaehrung})),
          IndexPaar(AddIndex(QStringLiteral("paar"), {&Waehrung, &Fremdwaehrung, &Kursart}, false)) {}
    TDatenfeld_String& Waehrung;       // source currency code
    TDatenfeld_String& Kursart;        // one letter of the rate-type list
    TDatenfeld_Integer& LaufendeNummer;  // history number; 0 for every other rate type
    TDatenfeld_Integer& Jahr;          // 0 when the rate has no year
    TDatenfeld_String& Saison;         // season designation code (dispo rates)
    TDatenfeld_String& Fremdwaehrung;  // foreign currency code
    TDatenfeld_Integer& Einheit;
    TDatenfeld_Float& Kurs;
    TDatenfeld_DateTime& AbDatum;
    int IndexPrimaer;
    int IndexPaar;  // source currency, foreign currency, rate type

    // The value list of the rate-type field: letter and text.
    struct TKursart {
        QString Kuerzel;
        QString Text;
    };
    static const QList<TKursart>& Kursarten() {
        static const QList<TKursart> l{{CAktuell, QStringLiteral("Aktueller Kurs")},
                                       {CDispo, QStringLiteral("Dispokurs")},
                                       {CHistorie, QStringLiteral("Historie")},
                                       {CVerrechnung, QStringLiteral("Verrechnungskurs")},
                                       {CEuro, QStringLiteral("Euro Umrechnungskurs")}};
        return l;
    }
    // Text of a letter and letter of a text; empty when the list does not hold it.
    static QString KursartText(const QString& kuerzel) {
        for (const TKursart& k : Kursarten())
            if (k.Kuerzel == kuerzel) return k.Text;
        return {};
    }
    static QString KursartKuerzel(const QString& text) {
        for (const TKursart& k : Kursarten())
            if (k.Text == text.trimmed()) return k.Kuerzel;
        return {};
    }
    static inline const QString CAktuell = QStringLiteral("A");
    static inline const QString CDispo = QStringLiteral("D");
    static inline const QString CHistorie = QStringLiteral("H");
    static inline const QString CVerrechnung = QStringLiteral("V");
    static inline const QString CEuro = QStringLiteral("E");
};
