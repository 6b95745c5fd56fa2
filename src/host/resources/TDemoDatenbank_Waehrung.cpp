// Demo data of the monetary and national master data: countries, currencies
// with their till units, VAT rates, languages, exchange rates with history,
// business partners, company-group members and client VAT numbers.

#include "TDemoDatenbank.h"

#include "host/TQLN_LaenderCodes.h"
#include "host/managers/TKursMani.h"
#include "host/records/TAAFile.h"
#include "host/records/TKOZZFile.h"
#include "host/records/TKONZFile.h"
#include "host/records/TLdfile.h"
#include "host/records/TLgfile.h"
#include "host/records/TStfile.h"
#include "host/records/Tatpafile.h"
#include "host/records/Tgpfile.h"
#include "host/records/Tksfile.h"
#include "host/records/Tlarfile.h"
#include "host/records/Tmalzfile.h"
#include "host/records/Tmandfile.h"
#include "host/records/Tmwfile.h"
#include "host/records/Twefile.h"
#include "host/records/Twegzfile.h"
#include "host/records/Twhfile.h"

namespace TDemoDatenbank {
namespace {
QString U(const char* s) { return QString::fromUtf8(s); }

void Laender() {
    TLdfile ld;
    ld.OpenNew(-1);
    const QHash<QString, QString> plz{{"D", "99999"},  {"A", "9999"},     {"CH", "9999"},    {"FL", "9999"},
                                      {"NL", "9999 CC"}, {"GB", "CC99 9CC"}, {"PL", "99999"}, {"CZ", "999 99"}};
    for (const TQLNLaenderCode& c : QLN_LaenderCodes()) {
        ld.ClearBuffer();
        ld.Kuerzel.SetWert(c.Kuerzel);
        ld.ISO3166.SetWert(c.ISO3166);
        ld.Name.SetWert(c.Name);
        ld.Nr.SetWert(c.AussenhandelsNr);
        ld.Abk.SetWert(c.AussenhandelsKuerzel);
        ld.EUMgl.SetWert(c.EUMitglied);
        ld.EWUMgl.SetWert(c.EWUMitglied);
        ld.Plz.SetWert(plz.value(c.Kuerzel, QStringLiteral("99999")));
        ld.Write(wrdonInsert);
    }
}

void Waehrungen() {
    Twhfile wh;
    wh.OpenNew(-1);
    const struct {
        const char* Kurz;
        const char* Name;
        const char* Land;
    } waehrungen[] = {{"EUR", "Euro", "D"},          {"CHF", "Schweizer Franken", "CH"},
                      {"USD", "US-Dollar", "USA"},   {"GBP", "Pfund Sterling", "GB"},
                      {"CZK", "Tschechische Krone", "CZ"}, {"PLN", "Polnischer Zloty", "PL"}};
    for (const auto& w : waehrungen) {
        wh.ClearBuffer();
        wh.KurzBez.SetWert(U(w.Kurz));
        wh.ISO4217.SetWert(U(w.Kurz));
        wh.LangBez.SetWert(U(w.Name));
        wh.Zahlung.SetWert(U(w.Kurz));
        wh.Land.SetWert(U(w.Land));
        wh.Write(wrdonInsert);
    }

    // Till units: the value of a counted piece is unit times multiplier.
    Twefile we;
    we.OpenNew(-1);
    const struct {
        const char* Waehrung;
        const char* Form;
        int Einheit;
        const char* Name;
        double Multi;
        const char* Aktiv;
    } einheiten[] = {{"EUR", "M", 1, "1 Cent", 0.01, "A"},     {"EUR", "M", 2, "2 Cent", 0.01, "A"},
                     {"EUR", "M", 5, "5 Cent", 0.01, "A"},     {"EUR", "M", 10, "10 Cent", 0.01, "A"},
                     {"EUR", "M", 20, "20 Cent", 0.01, "A"},   {"EUR", "M", 50, "50 Cent", 0.01, "A"},
                     {"EUR", "M", 1, "1 Euro", 1, "A"},        {"EUR", "M", 2, "2 Euro", 1, "A"},
                     {"EUR", "S", 5, "5 Euro", 1, "A"},        {"EUR", "S", 10, "10 Euro", 1, "A"},
                     {"EUR", "S", 20, "20 Euro", 1, "A"},      {"EUR", "S", 50, "50 Euro", 1, "A"},
                     {"EUR", "S", 100, "100 Euro", 1, "A"},    {"EUR", "S", 200, "200 Euro", 1, "A"},
                     {"EUR", "S", 500, "500 Euro", 1, "P"},    {"EUR", "A", 1, "Gutschein", 1, "A"},
                     {"CHF", "M", 5, "5 Rappen", 0.01, "A"},   {"CHF", "M", 10, "10 Rappen", 0.01, "A"},
                     {"CHF", "M", 20, "20 Rappen", 0.01, "A"}, {"CHF", "M", 50, "50 Rappen", 0.01, "A"},
                     {"CHF", "M", 1, "1 Franken", 1, "A"},     {"CHF", "M", 2, "2 Franken", 1, "A"},
                     {"CHF", "M", 5, "5 Franken", 1, "A"},     {"CHF", "S", 10, "10 Franken", 1, "A"},
                     {"CHF", "S", 20, "20 Franken", 1, "A"},   {"CHF", "S", 50, "50 Franken", 1, "A"},
                     {"CHF", "S", 100, "100 Franken", 1, "A"}, {"CHF", "S", 200, "200 Franken", 1, "A"}};
    QHash<QString, int> nummer;
    for (const auto& e : einheiten) {
        we.ClearBuffer();
        we.Waehrung.SetWert(U(e.Waehrung));
        we.Nummer.SetWert(++nummer[U(e.Waehrung)]);
        we.Form.SetWert(U(e.Form));
        we.Einheit.SetWert(e.Einheit);
        we.Name.SetWert(U(e.Name));
        we.Multi.SetWert(e.Multi);
        we.AktivKz.SetWert(U(e.Aktiv));
        we.Write(wrdonInsert);
    }
    // The count of the last till closing of the first Karlsruhe till: the euro units 1 to 14.
    Twegzfile wegz;
    wegz.OpenNew(-1);
    for (int n = 1; n <= 14; ++n) {
        wegz.ClearBuffer();
        wegz.Rnr.SetWert(11);
        wegz.Abschluss.SetWert(1);
        wegz.Waehrung.SetWert(QStringLiteral("EUR"));
        wegz.Nummer.SetWert(n);
        wegz.Anzahl.SetWert((n * 7) % 23 + 1);
        wegz.Write(wrdonInsert);
    }
}

void MwSt() {
    Tmwfile mw;
    mw.OpenNew(-1);
    const struct {
        const char* Land;
        const char* Kurz;
        const char* Lang;
        int Jahr, Monat;
        double Prozent;
    } saetze[] = {{"D", "VOLL", "Regelsteuersatz", 2007, 1, 19},   {"D", "VOLL", "Regelsteuersatz (befristet)", 2020, 7, 16},
                  {"D", "VOLL", "Regelsteuersatz", 2021, 1, 19},   {"D", "ERM", "ermäßigter Steuersatz", 2007, 1, 7},
                  {"D", "ERM", "ermäßigt (befristet)", 2020, 7, 5}, {"D", "ERM", "ermäßigter Steuersatz", 2021, 1, 7},
                  {"D", "OHNE", "steuerfrei", 2007, 1, 0},          {"CH", "VOLL", "Normalsatz", 2024, 1, 8.1},
                  {"CH", "ERM", "reduzierter Satz", 2024, 1, 2.6}};
    for (const auto& s : saetze) {
        mw.ClearBuffer();
        mw.Land.SetWert(U(s.Land));
        mw.KurzBez.SetWert(U(s.Kurz));
        mw.LangBez.SetWert(U(s.Lang));
        mw.AbDatum.SetDatum(QDate(s.Jahr, s.Monat, 1));
        mw.Prozent.SetWert(s.Prozent);
        mw.Write(wrdonInsert);
    }
    // Services and prices that use the rates.
    Tlarfile lar;
    lar.OpenNew(-1);
    const struct {
        int Nr;
        const char* Bez;
        double Preis;
    } leistungen[] = {{1, "Absätze erneuern", 24.9}, {2, "Schuhe weiten", 12.5}, {3, "Hose kürzen", 15}};
    for (const auto& l : leistungen) {
        lar.ClearBuffer();
        lar.Nummer.SetWert(l.Nr);
        lar.Bezeichnung.SetWert(U(l.Bez));
        lar.Aktiv.SetWert(true);
        lar.Preis.SetWert(l.Preis);
        lar.MwSt.SetWert(QStringLiteral("VOLL"));
        lar.Write(wrdonInsert);
    }
    TAAFile aa;
    aa.OpenNew(-1);
    Tatpafile atpa;
    atpa.OpenNew(-1);
    aa.ClearBuffer();
    int n = 0;
    for (bool ok = aa.Get_first(); ok && n < 40; ok = aa.Get_next(), ++n) {
        for (const int filiale : {2, 3}) {
            atpa.ClearBuffer();
            atpa.ArtNr.SetWert(aa.ArtNr.GetWert());
            atpa.Filiale.SetWert(filiale);
            atpa.AbDatum.SetDatum(QDate(2026, 3, 1));
            atpa.VkPreis.SetWert(aa.VkPreis.GetWert());
            atpa.VkMwSt.SetWert(aa.MwSt.GetWert());
            atpa.EkPreis.SetWert(qRound(aa.VkPreis.GetWert() * 40) / 100.0);
            atpa.EkMwSt.SetWert(QStringLiteral("VOLL"));
            atpa.Write(wrdonInsert);
        }
    }
}

void Sprachen() {
    TLgfile lg;
    lg.OpenNew(-1);
    const struct {
        const char* Kurz;
        const char* Lang;
        const char* Land;
        int Code;
    } sprachen[] = {{"DEU", "Deutsch", "D", 1252}, {"ENG", "Englisch", "GB", 1252}, {"FRA", "Französisch", "F", 1252},
                    {"ITA", "Italienisch", "I", 1252}, {"POL", "Polnisch", "PL", 1250}, {"CES", "Tschechisch", "CZ", 1250}};
    for (const auto& s : sprachen) {
        lg.ClearBuffer();
        lg.KurzBez.SetWert(U(s.Kurz));
        lg.LangBez.SetWert(U(s.Lang));
        lg.Land.SetWert(U(s.Land));
        lg.Code.SetWert(s.Code);
        lg.Write(wrdonInsert);
    }
}

// A new current rate as the exchange-rate table books it: the pair's current
// rate and that of the inverse pair go to history.
void AktuellerKurs(Tksfile& ks, const char* waehrung, const char* fremd, int einheit, double kurs, int vorTagen) {
    TKursSatz s;
    s.Waehrung = U(waehrung);
    s.Kursart = Tksfile::CAktuell;
    s.Fremdwaehrung = U(fremd);
    s.Einheit = einheit;
    s.Kurs = kurs;
    s.AbDatum = QLNDatum::Heute() - vorTagen;
    for (const TKursSatz& k : {s, TKursMani::InvertiereKurs(s)}) {
        if (TKursMani::LeseAktuell(ks, k.Waehrung, k.Fremdwaehrung)) {
            const TKursSatz bisher = TKursMani::AusPuffer(ks);
            ks.Write(wrdonDelete);
            TKursMani::BucheHistSatz(ks, bisher);
        }
        TKursMani::Einfuegen(ks, k);
    }
}

void Kurse() {
    Tksfile ks;
    ks.OpenNew(-1);
    AktuellerKurs(ks, "EUR", "CHF", 1, 0.9612, 310);
    AktuellerKurs(ks, "EUR", "CHF", 1, 0.9480, 160);
    AktuellerKurs(ks, "EUR", "CHF", 1, 0.9371, 20);
    AktuellerKurs(ks, "EUR", "USD", 1, 1.0830, 280);
    AktuellerKurs(ks, "EUR", "USD", 1, 1.1120, 95);
    AktuellerKurs(ks, "EUR", "USD", 1, 1.1645, 12);
    AktuellerKurs(ks, "EUR", "GBP", 1, 0.8452, 200);
    AktuellerKurs(ks, "EUR", "GBP", 1, 0.8671, 30);
    AktuellerKurs(ks, "EUR", "CZK", 1, 25.21, 120);
    AktuellerKurs(ks, "EUR", "CZK", 1, 24.35, 15);
    AktuellerKurs(ks, "EUR", "PLN", 1, 4.2560, 45);
    // Settlement rate of this year for the Swiss client.
    TKursSatz v;
    v.Waehrung = QStringLiteral("EUR");
    v.Kursart = Tksfile::CVerrechnung;
    v.Jahr = QLNDatum::ZuDatum(QLNDatum::Heute()).year();
    v.Fremdwaehrung = QStringLiteral("CHF");
    v.Kurs = 0.95;
    v.AbDatum = QLNDatum::AusDatum(QDate(v.Jahr, 1, 1));
    TKursMani::Einfuegen(ks, v);
    // Dispo rate for the purchase of the coming autumn/winter season, when the season exists.
    TStfile st;
    st.OpenNew(-1);
    st.ClearBuffer();
    st.SaisAbk.SetKeyWert(QStringLiteral("H"));
    st.Jahr.SetKeyWert(v.Jahr);
    if (st.Get_eq()) {
        TKursSatz d = v;
        d.Kursart = Tksfile::CDispo;
        d.Saison = st.SaisAbk.GetWert();
        d.Fremdwaehrung = QStringLiteral("USD");
        d.Kurs = 1.12;
        d.AbDatum = QLNDatum::Heute() - 60;
        TKursMani::Einfuegen(ks, d);
    }
}

struct TMandantZeile {
    int Nummer;
    QString Name;
    QString Waehrung;
};

TIntPair Partner(Tgpfile& gp, int lnr, const QString& art, int nummer, const QString& name, const QString& ort,
                 const TIntPair& mandant) {
    const TIntPair id{1, lnr};
    gp.ClearBuffer();
    gp.GepId.SetWert(id);
    gp.Art.SetWert(art);
    gp.Nummer.SetWert(nummer);
    gp.Name.SetWert(name);
    gp.Ort.SetWert(ort);
    gp.Mandant.SetWert(mandant.IsNull() ? id : mandant);
    gp.Aktiv.SetWert(true);
    gp.Write(wrdonInsert);
    return id;
}

void Geschaeftspartner() {
    Tgpfile gp;
    gp.OpenNew(-1);
    int lnr = 0;
    // Clients: their partner ids also go to the client register, with the second system currency.
    QMap<int, TIntPair> mandanten;
    Tmandfile mand;
    mand.OpenNew(-1);
    mand.ClearBuffer();
    QList<TMandantZeile> zeilen;
    for (bool ok = mand.Get_first(); ok; ok = mand.Get_next())
        zeilen.append({mand.Mandant.GetWert(), mand.Name.GetWert(), mand.Waehrung.GetWert()});
    for (const TMandantZeile& z : std::as_const(zeilen)) {
        const TIntPair id = Partner(gp, ++lnr, Tgpfile::CArtMandant, z.Nummer, z.Name, QString(), {});
        mandanten.insert(z.Nummer, id);
        mand.ClearBuffer();
        mand.Mandant.SetKeyWert(z.Nummer);
        if (mand.Get_eq()) {
            mand.GepId.SetWert(id);
            mand.Waehrung2.SetWert(z.Waehrung == QStringLiteral("EUR") ? QStringLiteral("CHF") : QStringLiteral("EUR"));
            mand.Write(wrdonUpdate);
        }
    }
    Tfilfile fil;
    fil.OpenNew(-1);
    fil.ClearBuffer();
    for (bool ok = fil.Get_first(); ok; ok = fil.Get_next())
        Partner(gp, ++lnr, Tgpfile::CArtFiliale, fil.Filiale.GetWert(), fil.Name.GetWert(), fil.Ort.GetWert(),
                mandanten.value(fil.Mandant.GetWert()));
    const struct {
        int Nr;
        const char* Name;
        const char* Ort;
    } lieferanten[] = {{70001, "Lederwaren Huber KG", "Pirmasens"}, {70002, "Schuhfabrik Albrecht GmbH", "Hauenstein"},
                       {70003, "Textilwerke Sonnleitner", "Linz"},  {70004, "Calzaturificio Moretti S.p.A.", "Verona"},
                       {70005, "Nordic Outdoor AB", "Göteborg"}};
    QList<TIntPair> liefIds;
    for (const auto& l : lieferanten)
        liefIds << Partner(gp, ++lnr, Tgpfile::CArtLieferant, l.Nr, U(l.Name), U(l.Ort), mandanten.value(1));

    // Members of the own company group (1/1) and a purchasing association of suppliers.
    TKONZFile konz;
    konz.OpenNew(-1);
    konz.ClearBuffer();
    konz.Id.SetWert({1, 2});
    konz.Name.SetWert(QStringLiteral("Einkaufsverbund Südwest"));
    konz.Systemgruppe.SetWert(false);
    konz.Write(wrdonInsert);
    TKOZZFile kozz;
    kozz.OpenNew(-1);
    const auto mitglied = [&](const TIntPair& gruppe, const TIntPair& partner) {
        kozz.ClearBuffer();
        kozz.Konzern.SetWert(gruppe);
        kozz.GepId.SetWert(partner);
        kozz.Write(wrdonInsert);
    };
    for (const TIntPair& m : std::as_const(mandanten)) mitglied({1, 1}, m);
    mitglied({1, 2}, liefIds.value(0));
    mitglied({1, 2}, liefIds.value(1));

    // The German client is liable to VAT in Austria.
    Tmalzfile malz;
    malz.OpenNew(-1);
    malz.ClearBuffer();
    malz.Mandant.SetWert(mandanten.value(1));
    malz.Land.SetWert(QStringLiteral("A"));
    malz.AbDatum.SetDatum(QDate(2024, 1, 1));
    malz.UStIDNr.SetWert(QStringLiteral("ATU73849152"));
    malz.Aktiv.SetWert(true);
    malz.Write(wrdonInsert);
}
}  // namespace

void FuelleWaehrung() {
    Laender();
    Waehrungen();
    MwSt();
    Sprachen();
    Kurse();
    Geschaeftspartner();
}
}  // namespace TDemoDatenbank
