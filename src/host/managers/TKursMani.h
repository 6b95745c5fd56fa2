#pragma once
// Exchange-rate records as values, and the rules every writer of rates
// follows: the inverse rate with its unit, and history numbering per currency
// pair. Used by the exchange-rate table and by the demo installation.

#include <QString>

class Tksfile;

struct TKursSatz {
    QString Waehrung;
    QString Kursart;
    int LaufendeNummer = 0;
    int Jahr = 0;
    QString Saison;
    QString Fremdwaehrung;
    int Einheit = 1;
    double Kurs = 0;
    double AbDatum = 0;
    bool operator==(const TKursSatz&) const = default;
};

namespace TKursMani {
double Runde(double wert, int stellen);
// Source and foreign currency swapped; x = unit / rate; the inverse unit is
// 10000, 1000, 100 or 10 when x is below 0.00001, 0.0001, 0.001 or 0.01, else 1;
// the inverse rate is x times that unit, rounded to 6 places. Throws for a rate of 0.
TKursSatz InvertiereKurs(const TKursSatz& satz);

void InPuffer(Tksfile& f, const TKursSatz& satz);  // clears the buffer first
TKursSatz AusPuffer(const Tksfile& f);
// Read equal on the primary key of the record (all key fields of satz).
bool Lese(Tksfile& f, const TKursSatz& satz);
// The current rate of a pair: rate type "A", running number 0, no year, no season.
TKursSatz AktuellerSchluessel(const QString& waehrung, const QString& fremdwaehrung);
bool LeseAktuell(Tksfile& f, const QString& waehrung, const QString& fremdwaehrung);
// One above the highest history number of the pair, or 0 when it has no history.
int NaechsteHistNr(Tksfile& f, const QString& waehrung, const QString& fremdwaehrung);
// Writes the record as history ("H") under the pair's next history number.
void BucheHistSatz(Tksfile& f, TKursSatz satz);
void Einfuegen(Tksfile& f, const TKursSatz& satz);
}  // namespace TKursMani
