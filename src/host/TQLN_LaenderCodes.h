#pragma once
// The host's country-code table: for each country the suite knows, its
// country code (the one the country file stores: "D", "A", "CH"), the ISO 3166
// code, the German name, number and code of the foreign-trade statistics, and
// whether it belongs to the EU and to the euro zone.

#include <QList>
#include <QString>

struct TQLNLaenderCode {
    QString Kuerzel;
    QString ISO3166;
    QString Name;  // at most 19 characters, as the country file holds it
    int AussenhandelsNr = 0;
    QString AussenhandelsKuerzel;
    bool EUMitglied = false;
    bool EWUMitglied = false;
};

// Every country of the table, EU members first.
const QList<TQLNLaenderCode>& QLN_LaenderCodes();
// The entry of a country code (case ignored), or nullptr when the table does not know it.
const TQLNLaenderCode* QLN_LaenderCode_By_Kuerzel(const QString& kuerzel);
// Whether the country of this code belongs to the EU; false for unknown codes.
bool QLN_LaenderCode_Kuerzel_2_EU_Mitglied(const QString& kuerzel);
