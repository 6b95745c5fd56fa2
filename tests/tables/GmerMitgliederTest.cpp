// The members kept in the general file: label formats, number kinds,
// gift-card scales and printer types.

#include "testkit/TestTabelle.h"
#include "host/Exception.h"
#include "host/records/Tgmerfile.h"
#include "host/records/Twhfile.h"
#include "tables/TXKDruckerTypenConfigurator.h"
#include "tables/TXKFEConfigurator.h"
#include "tables/TXKGPNumConfigurator.h"
#include "tables/TXKVERAGutsConfigurator.h"
#include "testkit/TestDatenbank.h"
#include "testkit/TestMeldungen.h"
#include "testkit/TestUmgebung.h"

#include <gtest/gtest.h>

namespace {
void Gmer(const QString& typ, int rnr, int lnr, const QString& bez, const QString& format = {}) {
    Tgmerfile g;
    g.OpenNew(-1);
    g.ClearBuffer();
    g.Typ.SetWert(typ);
    g.Rnr.SetWert(rnr);
    g.Lnr.SetWert(lnr);
    g.Bezeichnung.SetWert(bez);
    g.Format.SetWert(format);
    g.Write(wrdonInsert);
}
// The stored record of the general file, or an empty format when there is none.
QString FormatVon(const QString& typ, int rnr, int lnr) {
    Tgmerfile g;
    g.OpenNew(-1);
    g.ClearBuffer();
    g.Typ.SetKeyWert(typ);
    g.Rnr.SetKeyWert(rnr);
    g.Lnr.SetKeyWert(lnr);
    return g.Get_eq() ? g.Format.GetWert() : QStringLiteral("<fehlt>");
}
void Waehrung(const QString& kurz) {
    Twhfile wh;
    wh.OpenNew(-1);
    wh.ClearBuffer();
    wh.KurzBez.SetWert(kurz);
    wh.Write(wrdonInsert);
}
void AndererRechner(int rnr) {
    auto d = TestUmgebung::StandardSitzung();
    d.RId = rnr;
    TestUmgebung::SetzeSitzung(d);
}
const QString CGtin = QStringLiteral("4006381333931");
}  // namespace

TEST(Etikettenformate, NumberedPerComputerAndOnlyTheirOwnType) {
    TestDatenbank::Oeffne();
    Gmer("E", 1, 4, "alt", "10x10");
    Gmer("D", 1, 9, "Bondrucker");
    Offen<TXKFEConfigurator> fe;
    EXPECT_EQ(fe->SetCount(), -1);  // a part of a shared file is not counted
    ASSERT_TRUE(fe.Neu({"", "", "Preisetikett", "38x23"}));
    EXPECT_EQ(fe.Zeilen(), (QList<QStringList>{{"1", "4", "alt", "10x10"}, {"1", "5", "Preisetikett", "38x23"}}));
    ASSERT_TRUE(fe.Aendern({"1", "5", "Preisetikett", "38x23"}, {"1", "5", "Preisetikett klein", "38x22"}));
    EXPECT_EQ(FormatVon("E", 1, 5), "38x22");
    TestMeldungen::Erwarte("Format für das Etikett");
    EXPECT_FALSE(fe->BuchenTesten(wrdonInsert, {}, {"", "", "Schild", "  "}));
    TestMeldungen::Erwarte("Bezeichnung für das Etikettenformat");
    EXPECT_FALSE(fe->BuchenTesten(wrdonInsert, {}, {"", "", " ", "50x30"}));
    TestMeldungen::Erwarte("nicht erlaubt");  // "c0": letters and digits only
    EXPECT_FALSE(fe.Neu({"", "", "Schild", "50 x 30"}));
    EXPECT_TRUE(fe.Loeschen({"1", "4", "alt", "10x10"}));
    EXPECT_EQ(fe.Zeilen().size(), 1);
    EXPECT_EQ(FormatVon("D", 1, 9), "");  // the printer type is untouched
}

TEST(Nummernarten, OneRunningNumberOverAllFiveTypesOfThisComputer) {
    TestDatenbank::Oeffne();
    Gmer("E", 1, 40, "Etikett");  // other groups of the file do not count
    Gmer("F", 2, 30, "fremder Rechner");
    {
        Offen<TXKGPNumConfigurator> lief("LIEFNUM");
        EXPECT_EQ(lief.NeueZeile(), (QStringList{"L", "0", "0", "", ""}));
        ASSERT_TRUE(lief.Neu({"L", "0", "0", "Lieferanten", "99999"}));
        Offen<TXKGPNumConfigurator_Kunden> kund("KUNDNUM");
        ASSERT_TRUE(kund.Neu({"N", "0", "0", "Kunden", "99 999999"}));
        Offen<TXKGPNumConfigurator> fil("FILNUM");
        ASSERT_TRUE(fil.Neu({"F", "0", "0", "Filialen", "999"}));
        EXPECT_EQ(lief.Zeilen(), (QList<QStringList>{{"L", "1", "1", "Lieferanten", "99999"}}));
        EXPECT_EQ(kund.Zeilen(), (QList<QStringList>{{"N", "1", "2", "Kunden", "99 999999"}}));
        EXPECT_EQ(fil.Zeilen(), (QList<QStringList>{{"F", "1", "3", "Filialen", "999"}, {"F", "2", "30", "fremder Rechner", ""}}));
        TestMeldungen::Erwarte("Bitte geben Sie ein Format ein.");
        EXPECT_FALSE(fil->BuchenTesten(wrdonInsert, {}, {"F", "0", "0", "Filialen", ""}));
        TestMeldungen::Erwarte("Bitte geben Sie eine Bezeichnung ein.");
        EXPECT_FALSE(fil->BuchenTesten(wrdonUpdate, {"F", "1", "3", "Filialen", "999"}, {"F", "1", "3", "", "999"}));
        EXPECT_TRUE(fil->BuchenTesten(wrdonDelete, {"F", "1", "3", "", ""}, {"F", "1", "3", "", ""}));
    }
    AndererRechner(2);
    Offen<TXKGPNumConfigurator> mita("MITANUM");
    ASSERT_TRUE(mita.Neu({"I", "0", "0", "Personal", "P 9999"}));
    EXPECT_EQ(mita.Zeilen(), (QList<QStringList>{{"I", "2", "31", "Personal", "P 9999"}}));
    EXPECT_EQ(TXKGPNumConfigurator::CaptionVonId("mandnum"), "Mandantennummern");
    EXPECT_EQ(XKClass<TXKGPNumConfigurator_Kunden>().Groups("KUNDNUM"), "VERK,OLSHOP");
    EXPECT_EQ(XKClass<TXKGPNumConfigurator>().Groups("LIEFNUM"), "");
}

TEST(Nummernarten, AnUnknownIdShowsMessage52AndOpensNothing) {
    TestDatenbank::Oeffne();
    Offen<TXKGPNumConfigurator> conf;
    EXPECT_FALSE(conf->Execute("LAGERNUM"));
    ASSERT_EQ(TestMeldungen::Gezeigt().size(), 1);
    EXPECT_EQ(TestMeldungen::Gezeigt()[0].Kategorie, "STANDARD");
    EXPECT_EQ(TestMeldungen::Gezeigt()[0].Nummer, 52);
    EXPECT_TRUE(TestMeldungen::Gezeigt()[0].Text.contains("LAGERNUM"));
}

TEST(GiftCard, FormatTextPacksPositionsOneToThirty) {
    TVERAGutscheinWerte w{CGtin, false, true, 25, 0, 0, "EUR"};
    const QString f = w.Packe();
    ASSERT_EQ(f.size(), 30);
    EXPECT_EQ(f, "4006381333931NJ002500000000EUR");
    EXPECT_EQ(f.mid(0, 13), CGtin);    // 1-13
    EXPECT_EQ(f.mid(13, 1), "N");      // 14 flexible value
    EXPECT_EQ(f.mid(14, 1), "J");      // 15 issue at tills
    EXPECT_EQ(f.mid(15, 4), "0025");   // 16-19
    EXPECT_EQ(f.mid(19, 4), "0000");   // 20-23
    EXPECT_EQ(f.mid(23, 4), "0000");   // 24-27
    EXPECT_EQ(f.mid(27, 3), "EUR");    // 28-30
    EXPECT_EQ(TVERAGutscheinWerte::Entpacke(f), w);
    const TVERAGutscheinWerte flex{CGtin, true, false, 0, 10, 9999, "CHF"};
    EXPECT_EQ(flex.Packe(), "4006381333931JN000000109999CHF");
    EXPECT_EQ(TVERAGutscheinWerte::Entpacke(flex.Packe()), flex);
    // a short or empty stored text reads as empty values, not as garbage
    EXPECT_EQ(TVERAGutscheinWerte::Entpacke("4006381333931J"), (TVERAGutscheinWerte{CGtin, true, false, 0, 0, 0, ""}));
    EXPECT_EQ(TVERAGutscheinWerte::Entpacke(""), TVERAGutscheinWerte{});
    // a value that does not fit four positions is not written
    EXPECT_THROW((TVERAGutscheinWerte{CGtin, false, true, 10000, 0, 0, "EUR"}.Packe()), Exception);
}

TEST(GiftCard, WrittenAndReadThroughTheGeneralFile) {
    TestDatenbank::Oeffne();
    Waehrung("EUR");
    Offen<TXKVERAGutsConfigurator> vg;
    const QStringList neu = vg.NeueZeile();
    EXPECT_EQ(neu, (QStringList{"R", "0", "0", "", "", "N", "J", "", "", "", "EUR"}));
    QStringList karte = neu;
    karte[vg->FFieldIndBezeichnung] = "Gift-Card 25";
    karte[vg->FFieldIndGtin] = CGtin;
    karte[vg->FFieldIndWert] = "25";
    ASSERT_TRUE(vg.Neu(karte));
    EXPECT_EQ(FormatVon("R", 1, 1), "4006381333931NJ002500000000EUR");
    const QStringList zeile{"R", "1", "1", "Gift-Card 25", CGtin, "N", "J", "25", "", "", "EUR"};
    EXPECT_EQ(vg.Zeilen(), QList<QStringList>{zeile});
    QStringList flex = zeile;
    flex[vg->FFieldIndFlexGS] = "J";
    flex[vg->FFieldIndKasAusg] = "N";
    flex[vg->FFieldIndWert] = "";
    flex[vg->FFieldIndMinWert] = "10";
    flex[vg->FFieldIndMaxWert] = "10";
    ASSERT_TRUE(vg.Aendern(zeile, flex));
    EXPECT_EQ(FormatVon("R", 1, 1), "4006381333931JN000000100010EUR");
    EXPECT_EQ(vg.Zeilen(), QList<QStringList>{flex});
}

TEST(GiftCard, ValueRules) {
    TestDatenbank::Oeffne();
    Waehrung("EUR");
    Offen<TXKVERAGutsConfigurator> vg;
    const auto karte = [&](const char* flex, const char* wert, const char* min, const char* max) {
        QStringList l = vg.NeueZeile();
        l[vg->FFieldIndBezeichnung] = "Karte";
        l[vg->FFieldIndGtin] = CGtin;
        l[vg->FFieldIndFlexGS] = flex;
        l[vg->FFieldIndWert] = wert;
        l[vg->FFieldIndMinWert] = min;
        l[vg->FFieldIndMaxWert] = max;
        return l;
    };
    const auto refused = [&](const QStringList& l, const char* text) {
        TestMeldungen::Erwarte(text);
        return !vg->BuchenTesten(wrdonInsert, {}, l);
    };
    EXPECT_TRUE(vg->BuchenTesten(wrdonInsert, {}, karte("J", "", "10", "10")));
    EXPECT_TRUE(refused(karte("J", "", "10", "9"), "Der maximale Betrag muss größer sein als der minmale!"));
    EXPECT_TRUE(vg->BuchenTesten(wrdonInsert, {}, karte("N", "9999", "", "")));
    EXPECT_TRUE(refused(karte("N", "10000", "", ""), "Der Gutscheinwert muss größer 0 und kleiner 9999 sein!"));
    EXPECT_TRUE(refused(karte("N", "0", "", ""), "Der Gutscheinwert muss"));
    EXPECT_TRUE(refused(karte("N", "50", "1", ""), "min-/max.-Werte leer bleiben"));
    EXPECT_TRUE(refused(karte("J", "5", "1", "9"), "nur den min.- und den max.-Wert"));
    EXPECT_TRUE(refused(karte("J", "", "0", "9"), "Der minmale Wert"));
    EXPECT_TRUE(refused(karte("J", "", "1", "10000"), "Der maxmale Wert"));
    QStringList l = karte("N", "25", "", "");
    l[vg->FFieldIndGtin] = "4006381333932";
    EXPECT_TRUE(refused(l, "Die eingegebene GTIN (EAN) ist ungültig."));
    l[vg->FFieldIndGtin] = "";
    EXPECT_TRUE(refused(l, "Bitte geben Sie eine GTIN (EAN) ein."));
    l = karte("N", "25", "", "");
    l[vg->FFieldIndWaehrung] = "USD";
    EXPECT_TRUE(refused(l, "gültige Währung"));
    l[vg->FFieldIndBezeichnung] = "";
    EXPECT_TRUE(refused(l, "Bitte geben Sie eine Bezeichnung ein."));
    EXPECT_TRUE(vg->BuchenTesten(wrdonDelete, l, l));  // deleting checks nothing
}

TEST(Druckertypen, DesignationRules) {
    TestDatenbank::Oeffne();
    Gmer("D", 1, 1, "Bondrucker");
    Gmer("D", 1, 2, "Etikettendrucker");
    Gmer("D", 1, 3, "Listendrucker");
    Offen<TXKDruckerTypenConfigurator> dt;
    EXPECT_EQ(dt.NeueZeile(), (QStringList{"D", "0", "0", ""}));
    ASSERT_TRUE(dt.Neu({"D", "0", "0", "Packtischdrucker"}));
    const QStringList pack{"D", "1", "4", "Packtischdrucker"};
    EXPECT_EQ(dt.Zeilen().last(), pack);
    EXPECT_EQ(FormatVon("D", 1, 4), "LEER");

    TestMeldungen::Erwarte("Bitte geben Sie eine eindeutige Bezeichnung ein.");
    EXPECT_FALSE(dt.Neu({"D", "0", "0", "Packtischdrucker"}));
    TestMeldungen::Erwarte("Bitte geben Sie eine neue Bezeichnung ein oder brechen Sie den Vorgang ab.");
    EXPECT_FALSE(dt->BuchenTesten(wrdonUpdate, pack, pack));
    TestMeldungen::Erwarte("Bitte geben Sie eine eindeutige Bezeichnung ein.");
    EXPECT_FALSE(dt->BuchenTesten(wrdonUpdate, pack, {"D", "1", "4", "Listendrucker"}));
    TestMeldungen::Erwarte("sind Vorgabewerte");
    EXPECT_FALSE(dt->BuchenTesten(wrdonUpdate, {"D", "1", "1", "Bondrucker"}, {"D", "1", "1", "Kassendrucker"}));
    TestMeldungen::Erwarte("Bitte geben Sie eine Bezeichnung ein.");
    EXPECT_FALSE(dt->BuchenTesten(wrdonUpdate, pack, {"D", "1", "4", "  "}));
    ASSERT_TRUE(dt.Aendern(pack, {"D", "1", "4", "Versanddrucker"}));
    const QStringList versand{"D", "1", "4", "Versanddrucker"};
    EXPECT_EQ(dt.Zeilen().last(), versand);

    TestMeldungen::Erwarte("sind Vorgabewerte");
    EXPECT_FALSE(dt.Loeschen({"D", "1", "2", "Etikettendrucker"}));
    TestMeldungen::Erwarte("Wollen Sie den Löschvorgang abbrechen?", mrJa);  // Yes cancels
    EXPECT_FALSE(dt.Loeschen(versand));
    EXPECT_EQ(dt.Zeilen().size(), 4);
    TestMeldungen::Erwarte("Wollen Sie den Löschvorgang abbrechen?", mrNein);
    EXPECT_TRUE(dt.Loeschen(versand));
    EXPECT_EQ(dt.Zeilen().size(), 3);
}
