#include "TKursMani.h"

#include "host/Exception.h"
#include "host/records/Tksfile.h"

#include <cmath>

namespace TKursMani {

double Runde(double wert, int stellen) {
    const double f = std::pow(10.0, stellen);
    return std::round(wert * f) / f;
}

TKursSatz InvertiereKurs(const TKursSatz& satz) {
    if (!(satz.Kurs > 0) || satz.Einheit <= 0)
        throw Exception(QStringLiteral("Der Kurs %1 zu %2 kann nicht umgekehrt werden (Kurs %3, Einheit %4).")
                            .arg(satz.Waehrung, satz.Fremdwaehrung)
                            .arg(satz.Kurs)
                            .arg(satz.Einheit));
    TKursSatz inv = satz;
    inv.Waehrung = satz.Fremdwaehrung;
    inv.Fremdwaehrung = satz.Waehrung;
    const double x = double(satz.Einheit) / satz.Kurs;
    inv.Einheit = x < 0.00001 ? 10000 : x < 0.0001 ? 1000 : x < 0.001 ? 100 : x < 0.01 ? 10 : 1;
    inv.Kurs = Runde(x * inv.Einheit, 6);
    return inv;
}

void InPuffer(Tksfile& f, const TKursSatz& s) {
    f.ClearBuffer();
    f.Waehrung.SetWert(s.Waehrung);
    f.Kursart.SetWert(s.Kursart);
    f.LaufendeNummer.SetWert(s.LaufendeNummer);
    f.Jahr.SetWert(s.Jahr);
    f.Saison.SetWert(s.Saison);
    f.Fremdwaehrung.SetWert(s.Fremdwaehrung);
    f.Einheit.SetWert(s.Einheit);
    f.Kurs.SetWert(s.Kurs);
    f.AbDatum.SetWert(s.AbDatum);
}

TKursSatz AusPuffer(const Tksfile& f) {
    TKursSatz s;
    s.Waehrung = f.Waehrung.GetWert();
    s.Kursart = f.Kursart.GetWert();
    s.LaufendeNummer = f.LaufendeNummer.GetWert();
    s.Jahr = f.Jahr.GetWert();
    s.Saison = f.Saison.GetWert();
    s.Fremdwaehrung = f.Fremdwaehrung.GetWert();
    s.Einheit = f.Einheit.GetWert();
    s.Kurs = f.Kurs.GetWert();
    s.AbDatum = f.AbDatum.GetWert();
    return s;
}

bool Lese(Tksfile& f, const TKursSatz& s) {
    f.ClearBuffer();
    f.SetIndex(f.IndexPrimaer);
    f.Waehrung.SetKeyWert(s.Waehrung);
    f.Kursart.SetKeyWert(s.Kursart);
    f.LaufendeNummer.SetKeyWert(s.LaufendeNummer);
    f.Jahr.SetKeyWert(s.Jahr);
    f.Saison.SetKeyWert(s.Saison);
    f.Fremdwaehrung.SetKeyWert(s.Fremdwaehrung);
    return f.Get_eq();
}

TKursSatz AktuellerSchluessel(const QString& waehrung, const QString& fremdwaehrung) {
    TKursSatz s;
    s.Waehrung = waehrung;
    s.Kursart = Tksfile::CAktuell;
    s.Fremdwaehrung = fremdwaehrung;
    return s;
}

bool LeseAktuell(Tksfile& f, const QString& waehrung, const QString& fremdwaehrung) {
    return Lese(f, AktuellerSchluessel(waehrung, fremdwaehrung));
}

int NaechsteHistNr(Tksfile& f, const QString& waehrung, const QString& fremdwaehrung) {
    f.ClearBuffer();
    f.SetIndex(f.IndexPaar);
    f.Waehrung.SetKeyWert(waehrung);
    f.Fremdwaehrung.SetKeyWert(fremdwaehrung);
    f.Kursart.SetKeyWert(Tksfile::CHistorie);
    // The last record up to (pair, "H") is the pair's highest history record, if it has one.
    if (f.Get_le() && f.Waehrung.GetWert() == waehrung && f.Fremdwaehrung.GetWert() == fremdwaehrung &&
        f.Kursart.GetWert() == Tksfile::CHistorie) {
        if (f.LaufendeNummer.GetWert() >= 2147483647)
            throw Exception(QStringLiteral("Für die Historie %1 zu %2 ist keine laufende Nummer mehr frei.")
                                .arg(waehrung, fremdwaehrung));
        return f.LaufendeNummer.GetWert() + 1;
    }
    return 0;
}

void BucheHistSatz(Tksfile& f, TKursSatz satz) {
    satz.LaufendeNummer = NaechsteHistNr(f, satz.Waehrung, satz.Fremdwaehrung);
    satz.Kursart = Tksfile::CHistorie;
    Einfuegen(f, satz);
}

void Einfuegen(Tksfile& f, const TKursSatz& satz) {
    InPuffer(f, satz);
    f.SetIndex(f.IndexPrimaer);
    f.Write(wrdonInsert);
}

}  // namespace TKursMani
