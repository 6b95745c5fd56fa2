#include "WaehrungTestHilfe.h"
#include "host/TQLNDBSitzungsQuelle.h"
#include "host/managers/TKursMani.h"
#include "host/managers/TWaehrungsListe.h"
#include "host/records/TLgfile.h"
#include "host/records/Tksfile.h"
#include "host/records/Tmandfile.h"
#include "host/records/Twefile.h"
#include "host/records/Twegzfile.h"
#include "host/resources/TDemoDatenbank.h"
#include "host/ui/TAllgTabProtokoll.h"
#include "tables/TXKLandConfigurator.h"
#include "tables/TXKSprachConfigurator.h"
#include "tables/TXKWEConfigurator.h"
#include "tables/TXKWaehrConfigurator.h"

using namespace WaehrungTest;

namespace {
class Waehrungen : public Konfig<TXKWaehrConfigurator> {
protected:
    bool Neu(const QString& kurz, const QString& lang) {
        return TAllgTabProtokoll::Ausfuehren(*k, wrdonInsert, {}, {kurz, kurz, lang, kurz, "D"});
    }
    bool Loesche(const QString& kurz) {
        for (const QStringList& z : Zeilen())
            if (z[0] == kurz) return TAllgTabProtokoll::Ausfuehren(*k, wrdonDelete, z, z);
        return false;
    }
};
class Einheiten : public Konfig<TXKWEConfigurator> {
protected:
    bool Neu(const QString& w, const QString& form, const QString& einheit, const QString& name, const QString& multi) {
        return TAllgTabProtokoll::Ausfuehren(*k, wrdonInsert, {}, {w, "0", form, einheit, name, multi, "aktiv"});
    }
};
class Laender : public Konfig<TXKLandConfigurator> {};
class Sprachen : public Konfig<TXKSprachConfigurator> {};
}  // namespace

TEST_F(Waehrungen, BothSystemCurrenciesAreProtectedFromDeletion) {
    ASSERT_TRUE(Neu("EUR", "Euro"));
    ASSERT_TRUE(Neu("CHF", "Schweizer Franken"));
    ASSERT_TRUE(Neu("USD", "US-Dollar"));
    TestMeldungen::Erwarte("Sie dürfen die Systemwährung nicht löschen!");
    EXPECT_FALSE(Loesche("EUR"));
    TestMeldungen::Erwarte("Sie dürfen die Systemwährung nicht löschen!");
    EXPECT_FALSE(Loesche("CHF"));  // the session's second currency
    // case is ignored: a session currency written in lower case protects as well
    auto d = TestUmgebung::StandardSitzung();
    d.Waehrung2 = "usd";
    TestUmgebung::SetzeSitzung(d);
    TestMeldungen::Erwarte("Systemwährung");
    EXPECT_FALSE(Loesche("USD"));
    EXPECT_TRUE(Loesche("CHF"));
    EXPECT_EQ(Zeilen().size(), 2);
}

TEST_F(Waehrungen, CodeIsUniqueAndLockedInChangeMode) {
    ASSERT_TRUE(Neu("EUR", "Euro"));
    TestMeldungen::Erwarte("Die Währung, die Sie anlegen möchten, existiert bereits.");
    EXPECT_FALSE(Neu("EUR", "Euro neu"));
    EXPECT_FALSE(k->SwitchControlEnabled_4_Mode_Edit(k->FFieldIndKurzBez));
    QStringList neu = Zeilen().value(0);
    neu[k->FFieldIndLangBez] = "Euro (EWU)";
    ASSERT_TRUE(TAllgTabProtokoll::Ausfuehren(*k, wrdonUpdate, Zeilen().value(0), neu));
    EXPECT_EQ(Zeilen(), (QList<QStringList>{{"EUR", "EUR", "Euro (EWU)", "EUR", "D"}}));
}

TEST_F(Einheiten, NumbersCountPerCurrencyAndAChangeKeepsCurrencyAndNumber) {
    QStringList neu;
    k->FillNewLine(neu);
    EXPECT_EQ(neu, (QStringList{"EUR", "0", "Münze", "", "", "", "aktiv"}));
    ASSERT_TRUE(Neu("EUR", "Münze", "50", "50 Cent", "0,01"));
    ASSERT_TRUE(Neu("CHF", "Schein", "10", "10 Franken", "1"));
    ASSERT_TRUE(Neu("EUR", "Schein", "5", "5 Euro", "1"));
    EXPECT_EQ(Zeilen(), (QList<QStringList>{{"CHF", "1", "Schein", "10", "10 Franken", "1,00", "aktiv"},
                                            {"EUR", "1", "Münze", "50", "50 Cent", "0,01", "aktiv"},
                                            {"EUR", "2", "Schein", "5", "5 Euro", "1,00", "aktiv"}}));
    Twefile we;
    we.OpenNew(-1);
    we.ClearBuffer();
    we.Waehrung.SetKeyWert("EUR");
    we.Nummer.SetKeyWert(2);
    ASSERT_TRUE(we.Get_eq());
    EXPECT_EQ(we.Form.GetWert(), "S");
    EXPECT_EQ(we.AktivKz.GetWert(), "A");
    const QStringList alt = Zeilen().value(2);
    QStringList geaendert = alt;
    geaendert[k->FFieldIndName] = "5 Euro Schein";
    geaendert[k->FFieldIndAktivKz] = "passiv";
    ASSERT_TRUE(TAllgTabProtokoll::Ausfuehren(*k, wrdonUpdate, alt, geaendert));
    EXPECT_EQ(Zeilen().value(2), (QStringList{"EUR", "2", "Schein", "5", "5 Euro Schein", "1,00", "passiv"}));
    TestMeldungen::Erwarte("Bitte geben Sie einen Multiplikator ein.");
    EXPECT_FALSE(k->BuchenTesten(wrdonInsert, {}, {"EUR", "0", "Münze", "2", "2 Euro", " ", "aktiv"}));
    TestMeldungen::Erwarte("Bitte geben Sie eine Einheit ein.");
    EXPECT_FALSE(k->BuchenTesten(wrdonInsert, {}, {"EUR", "0", "Münze", "", "2 Euro", "1", "aktiv"}));
}

TEST_F(Einheiten, AUnitCountedAtATillClosingIsNotDeleted) {
    ASSERT_TRUE(Neu("EUR", "Münze", "1", "1 Cent", "0,01"));
    ASSERT_TRUE(Neu("EUR", "Münze", "2", "2 Cent", "0,01"));
    ASSERT_TRUE(Neu("CHF", "Münze", "5", "5 Rappen", "0,01"));
    Twegzfile wegz;
    wegz.OpenNew(-1);
    wegz.ClearBuffer();
    wegz.Rnr.SetWert(11);
    wegz.Abschluss.SetWert(1);
    wegz.Waehrung.SetWert("EUR");
    wegz.Nummer.SetWert(2);
    wegz.Write(wrdonInsert);
    const QList<QStringList> z = Zeilen();  // CHF 1, EUR 1, EUR 2
    TestMeldungen::Erwarte("Die Einheit, die Sie löschen möchten wird noch verwendet (Zählung Kassenabschlüsse)!");
    EXPECT_FALSE(TAllgTabProtokoll::Ausfuehren(*k, wrdonDelete, z[2], z[2]));
    EXPECT_TRUE(TAllgTabProtokoll::Ausfuehren(*k, wrdonDelete, z[1], z[1]));  // same number, other currency
    EXPECT_TRUE(TAllgTabProtokoll::Ausfuehren(*k, wrdonDelete, z[0], z[0]));
    EXPECT_EQ(Zeilen(), (QList<QStringList>{z[2]}));
}

TEST_F(Laender, CodeIsUniqueAndThePostcodeFormatRequired) {
    const QStringList d{"D", "DE", "Deutschland", "4", "DEU", "J", "J", "99999"};
    ASSERT_TRUE(TAllgTabProtokoll::Ausfuehren(*k, wrdonInsert, {}, d));
    EXPECT_EQ(Zeilen(), (QList<QStringList>{d}));
    TestMeldungen::Erwarte("Das Land, das Sie eingeben möchten, existiert bereits.");
    EXPECT_FALSE(TAllgTabProtokoll::Ausfuehren(*k, wrdonInsert, {}, d));
    TestMeldungen::Erwarte("Format der Postleitzahl");
    EXPECT_FALSE(k->BuchenTesten(wrdonInsert, {}, {"A", "AT", "Österreich", "38", "AUT", "J", "J", ""}));
}

TEST_F(Sprachen, ShortDesignationIsUnique) {
    ASSERT_TRUE(TAllgTabProtokoll::Ausfuehren(*k, wrdonInsert, {}, {"DEU", "Deutsch", "D", "1252"}));
    TestMeldungen::Erwarte("Die Sprache, die Sie anlegen möchten, existiert bereits.");
    EXPECT_FALSE(TAllgTabProtokoll::Ausfuehren(*k, wrdonInsert, {}, {"DEU", "Deutsch (neu)", "D", "1252"}));
    TestMeldungen::Erwarte("Bitte geben Sie ein Land ein.");
    EXPECT_FALSE(k->BuchenTesten(wrdonInsert, {}, {"ENG", "Englisch", "", "1252"}));
}

TEST(Sitzung, TheDemoInstallationGivesTheClientsSystemCurrenciesAndTheCompanyGroup) {
    TestDatenbank::Oeffne();
    TDemoDatenbank::Fuelle();
    const TQLNSitzungsDaten d = TQLNDBSitzungsQuelle().Lade();
    EXPECT_EQ(d.Land, "D");
    EXPECT_EQ(d.Waehrung, "EUR");
    EXPECT_EQ(d.Waehrung2, "CHF");
    EXPECT_EQ(d.Unternehmensgruppe, "Modehaus Brenner Gruppe");
    Tmandfile mand;
    mand.OpenNew(-1);
    mand.ClearBuffer();
    for (bool ok = mand.Get_first(); ok; ok = mand.Get_next()) EXPECT_FALSE(mand.GepId.GetWert().IsNull());
}

TEST(Demo, EveryCurrentRateHasItsInverseAndTheEuroZoneIsKnown) {
    TestDatenbank::Oeffne();
    TDemoDatenbank::Fuelle();
    Tksfile ks;
    ks.OpenNew(-1);
    Tksfile inv;
    inv.Open(254, -1);
    ks.ClearBuffer();
    int aktuelle = 0;
    for (bool ok = ks.Get_first(); ok; ok = ks.Get_next()) {
        // the rates entered from the euro; their inverses come from them
        if (ks.Kursart.GetWert() != Tksfile::CAktuell || ks.Waehrung.GetWert() != "EUR") continue;
        ++aktuelle;
        const TKursSatz soll = TKursMani::InvertiereKurs(TKursMani::AusPuffer(ks));
        ASSERT_TRUE(TKursMani::LeseAktuell(inv, soll.Waehrung, soll.Fremdwaehrung)) << soll.Waehrung.toStdString();
        EXPECT_EQ(TKursMani::AusPuffer(inv).Einheit, soll.Einheit);
        EXPECT_DOUBLE_EQ(TKursMani::AusPuffer(inv).Kurs, soll.Kurs);
    }
    EXPECT_EQ(aktuelle, 5);
    TWaehrungsListe w;
    w.Laden();
    EXPECT_TRUE(w.IstEWUWaehrung("eur"));
    EXPECT_FALSE(w.IstEWUWaehrung("CZK"));
    EXPECT_FALSE(w.IstEWUWaehrung("XYZ"));
    EXPECT_EQ(w.Name("GBP"), "Pfund Sterling");
}
