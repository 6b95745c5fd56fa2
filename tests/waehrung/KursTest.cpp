#include "WaehrungTestHilfe.h"
#include "host/Exception.h"
#include "host/db/TQLNDatenbank.h"
#include "host/managers/TKursMani.h"
#include "host/records/TStfile.h"
#include "host/records/Tksfile.h"
#include "host/ui/TAllgTabProtokoll.h"
#include "host/ui/TVTQLNVRList.h"
#include "host/ui/TfrmAllgTab.h"
#include "host/ui/TfrmSaiSel.h"
#include "tables/TXKKursConfigurator.h"
#include "testkit/TestFenster.h"
#include "testkit/TestModal.h"

#include <QLineEdit>
#include <QTest>

using namespace WaehrungTest;

namespace {
TKursSatz Satz(const char* w, const char* f, int einheit, double kurs) {
    TKursSatz s;
    s.Waehrung = QString::fromLatin1(w);
    s.Kursart = Tksfile::CAktuell;
    s.Fremdwaehrung = QString::fromLatin1(f);
    s.Einheit = einheit;
    s.Kurs = kurs;
    s.AbDatum = 46000;
    return s;
}

// The records of the rate file as "EUR A 0 CHF 1 0.950000 -30" (date relative to the fixed today).
QStringList Saetze() {
    QStringList out;
    Tksfile ks;
    ks.OpenNew(-1);
    ks.ClearBuffer();
    for (bool ok = ks.Get_first(); ok; ok = ks.Get_next())
        out << QStringLiteral("%1 %2 %3 %4 %5 %6 %7")
                   .arg(ks.Waehrung.GetWert(), ks.Kursart.GetWert())
                   .arg(ks.LaufendeNummer.GetWert())
                   .arg(ks.Fremdwaehrung.GetWert())
                   .arg(ks.Einheit.GetWert())
                   .arg(ks.Kurs.GetWert(), 0, 'f', 6)
                   .arg(int(ks.AbDatum.GetWert() - QLNDatum::Heute()));
    return out;
}

void Saison(const QString& abk, int jahr) {
    TStfile st;
    st.OpenNew(-1);
    st.ClearBuffer();
    st.SaisAbk.SetWert(abk);
    st.Jahr.SetWert(jahr);
    st.Write(wrdonInsert);
}

class Kurse : public Konfig<TXKKursConfigurator> {
protected:
    void SetUp() override {
        Konfig::SetUp();
        Land("D", true, true);
        Land("CH", false, false);
        Land("USA", false, false);
        Waehrung("EUR", "Euro", "D");
        Waehrung("DEM", "Deutsche Mark", "D");  // a legacy currency of the euro zone
        Waehrung("CHF", "Schweizer Franken", "CH");
        Waehrung("USD", "US-Dollar", "USA");
        Saison("F", 2026);
        Saison("GJA", 0);
    }
    QStringList Zeile(const QString& w, const QString& art, const QString& fremd, const QString& einheit,
                      const QString& kurs, const QString& datum, const QString& jahr = {}, const QString& saison = {},
                      const QString& lfd = QStringLiteral("0")) {
        TWaehrungsListe l;
        l.Laden();
        const auto text = [&](const QString& c) { return c.contains(' ') || c.isEmpty() ? c : TXKKursConfigurator::WaehrungsText(c, l); };
        return {text(w), art, lfd, jahr, saison, text(fremd), einheit, kurs, datum};
    }
    bool Neu(const QStringList& z) { return TAllgTabProtokoll::Ausfuehren(*k, wrdonInsert, {}, z); }
    bool Aktuell(const char* fremd, const char* kurs, int tag, const char* einheit = "1") {
        return Neu(Zeile("EUR", "Aktueller Kurs", fremd, einheit, kurs, Tag(tag)));
    }
};
}  // namespace

TEST(KursMani, InverseRateTakesAUnitThatKeepsItsSixDecimalsMeaningful) {
    const auto inv = [](double kurs, int einheit) { return TKursMani::InvertiereKurs(Satz("EUR", "CZK", einheit, kurs)); };
    TKursSatz i = inv(0.0000123, 1);
    EXPECT_EQ(i.Einheit, 1);
    EXPECT_DOUBLE_EQ(i.Kurs, 81300.813008);
    EXPECT_EQ(i.Waehrung, "CZK");
    EXPECT_EQ(i.Fremdwaehrung, "EUR");
    EXPECT_EQ(i.AbDatum, 46000);
    i = inv(200, 1);
    EXPECT_EQ(i.Einheit, 10);
    EXPECT_DOUBLE_EQ(i.Kurs, 0.05);
    // each step of the unit rule, and the unit of the rate itself
    EXPECT_EQ(inv(1500, 1).Einheit, 100);
    EXPECT_DOUBLE_EQ(inv(1500, 1).Kurs, 0.066667);
    EXPECT_EQ(inv(20000, 1).Einheit, 1000);
    EXPECT_EQ(inv(150000, 1).Einheit, 10000);
    EXPECT_DOUBLE_EQ(inv(150000, 1).Kurs, 0.066667);
    EXPECT_EQ(inv(100, 1).Einheit, 1);  // x = 0.01 is not below 0.01
    EXPECT_DOUBLE_EQ(inv(2435, 100).Kurs, 0.041068);
    EXPECT_THROW(inv(0, 1), Exception);
}

TEST_F(Kurse, NewCurrentRateGetsItsInverseAndPushesTheOldOnesIntoNumberedHistory) {
    ASSERT_TRUE(Aktuell("CHF", "0,95", -30));
    EXPECT_EQ(Saetze(), (QStringList{"CHF A 0 EUR 1 1.052632 -30", "EUR A 0 CHF 1 0.950000 -30"}));
    ASSERT_TRUE(Aktuell("CHF", "0,94", -1));
    ASSERT_TRUE(Aktuell("CHF", "0,93", 0));
    EXPECT_EQ(Saetze(), (QStringList{"CHF A 0 EUR 1 1.075269 0", "CHF H 0 EUR 1 1.052632 -30",
                                     "CHF H 1 EUR 1 1.063830 -1", "EUR A 0 CHF 1 0.930000 0",
                                     "EUR H 0 CHF 1 0.950000 -30", "EUR H 1 CHF 1 0.940000 -1"}));
    const QList<QStringList> z = Zeilen();
    ASSERT_EQ(z.size(), 6);
    EXPECT_EQ(z[3], (QStringList{"EUR - Euro", "Aktueller Kurs", "0", "", "", "CHF - Schweizer Franken", "1",
                                 "0,930000", Tag(0)}));
    EXPECT_EQ(z[5][1], "Historie");
    EXPECT_EQ(z[5][2], "1");
}

TEST_F(Kurse, ARateOlderThanTheCurrentOneGoesToHistoryOnlyWhenTheUserSaysYes) {
    ASSERT_TRUE(Aktuell("CHF", "0,94", -1));
    const QStringList vorher = Saetze();
    TestMeldungen::Erwarte("in die Historie gebucht", mrNein);
    EXPECT_TRUE(Aktuell("CHF", "0,95", -10));  // nothing written, nothing failed
    EXPECT_EQ(Saetze(), vorher);
    TestMeldungen::Erwarte("in die Historie gebucht", mrJa);
    EXPECT_TRUE(Aktuell("CHF", "0,95", -10));
    // the current rates stay; the older rate and its inverse go to history
    EXPECT_EQ(Saetze(), (QStringList{"CHF A 0 EUR 1 1.063830 -1", "CHF H 0 EUR 1 1.052632 -10",
                                     "EUR A 0 CHF 1 0.940000 -1", "EUR H 0 CHF 1 0.950000 -10"}));
}

TEST_F(Kurse, PlausibilityAsksWhenTheRateMovesMoreThanAQuarterInEitherDirection) {
    ASSERT_TRUE(Aktuell("USD", "1", -10));
    const auto pruefe = [&](const char* kurs, const char* einheit = "1") {
        return k->BuchenTesten(wrdonInsert, {}, Zeile("EUR", "Aktueller Kurs", "USD", einheit, kurs, Tag(0)));
    };
    EXPECT_TRUE(pruefe("1,3"));   // old 76.9 % of new
    EXPECT_TRUE(pruefe("0,81"));  // 123.5 %
    TestMeldungen::Erwarte("mehr als 25 %", mrNein);
    EXPECT_FALSE(pruefe("1,34"));  // 74.6 %
    TestMeldungen::Erwarte("mehr als 25 %", mrNein);
    EXPECT_FALSE(pruefe("0,79"));  // 126.6 %
    TestMeldungen::Erwarte("mehr als 25 %", mrJa);
    EXPECT_TRUE(pruefe("0,79"));
    // per unit: 12 per 10 is 1.2 per 1
    EXPECT_TRUE(pruefe("12", "10"));
    TestMeldungen::Erwarte("mehr als 25 %", mrNein);
    EXPECT_FALSE(pruefe("1,4", "10"));
    // The comparison is with the latest rate valid on the new date: before the
    // current rate, the older history rate 2.0 counts.
    TKursSatz h = Satz("EUR", "USD", 1, 2.0);
    h.Kursart = Tksfile::CHistorie;
    h.AbDatum = QLNDatum::Heute() - 20;
    Tksfile ks;
    ks.OpenNew(-1);
    TKursMani::Einfuegen(ks, h);
    TestMeldungen::Erwarte("mehr als 25 %", mrNein);
    EXPECT_FALSE(k->BuchenTesten(wrdonInsert, {}, Zeile("EUR", "Aktueller Kurs", "USD", "1", "1", Tag(-15))));
    EXPECT_TRUE(k->BuchenTesten(wrdonInsert, {}, Zeile("EUR", "Aktueller Kurs", "USD", "1", "1,9", Tag(-15))));
}

TEST_F(Kurse, ValidFromMayBeTomorrowButNotLater) {
    EXPECT_TRUE(k->BuchenTesten(wrdonInsert, {}, Zeile("EUR", "Aktueller Kurs", "CHF", "1", "0,94", Tag(1))));
    TestMeldungen::Erwarte("höchstens einen Tag in der Zukunft");
    EXPECT_FALSE(k->BuchenTesten(wrdonInsert, {}, Zeile("EUR", "Aktueller Kurs", "CHF", "1", "0,94", Tag(2))));
    TestMeldungen::Erwarte("Ab-Datum für den Kurs");
    EXPECT_FALSE(k->BuchenTesten(wrdonInsert, {}, Zeile("EUR", "Aktueller Kurs", "CHF", "1", "0,94", "")));
    EXPECT_TRUE(Saetze().isEmpty());
}

TEST_F(Kurse, ChecksRefuseInTheirOrderWithTheCatalogueTexts) {
    const auto nein = [&](const QString& text, const QStringList& z) {
        TestMeldungen::Erwarte(text);
        EXPECT_FALSE(k->BuchenTesten(wrdonInsert, {}, z)) << text.toStdString();
    };
    nein("Ausgangswährung aus der Liste", Zeile("EUR", "Aktueller Kurs", "CHF", "1", "1", Tag(0)).replaceInStrings("EUR - Euro", "EUR"));
    nein("Kursart aus", Zeile("EUR", "", "CHF", "1", "1", Tag(0)));
    nein("\"Euro Umrechnungskurs\" sind fest vorgegeben", Zeile("EUR", "Euro Umrechnungskurs", "CHF", "1", "1", Tag(0)));
    nein("\"Historie\" können nicht angelegt", Zeile("EUR", "Historie", "CHF", "1", "1", Tag(0)));
    nein("zwischen dem Vorjahr", Zeile("EUR", "Verrechnungskurs", "CHF", "1", "1", Tag(0), "2024"));
    nein("zwischen dem Vorjahr", Zeile("EUR", "Verrechnungskurs", "CHF", "1", "1", Tag(0), "2030"));
    EXPECT_TRUE(k->BuchenTesten(wrdonInsert, {}, Zeile("EUR", "Verrechnungskurs", "CHF", "1", "1", Tag(0), "2029")));
    nein("Bitte wählen Sie eine Saison", Zeile("EUR", "Dispokurs", "CHF", "1", "1", Tag(0)));
    nein("Saison ist nicht vorhanden", Zeile("EUR", "Dispokurs", "CHF", "1", "1", Tag(0), {}, "F 2025"));
    nein("\"GJA\" hat kein Jahr", Zeile("EUR", "Dispokurs", "CHF", "1", "1", Tag(0), {}, "GJA"));
    nein("Fremdwährung aus der Liste", Zeile("EUR", "Aktueller Kurs", "CHF", "1", "1", Tag(0)).replaceInStrings("CHF - Schweizer Franken", "CHF"));
    nein("müssen verschieden sein", Zeile("CHF", "Aktueller Kurs", "CHF", "1", "1", Tag(0)));
    nein("1, 10, 100, 1000 oder 10000", Zeile("EUR", "Aktueller Kurs", "CHF", "5", "1", Tag(0)));
    nein("größer als 0", Zeile("EUR", "Aktueller Kurs", "CHF", "1", "0", Tag(0)));
    nein("größer als 0", Zeile("EUR", "Aktueller Kurs", "CHF", "1", "-1", Tag(0)));
    nein("größer als 0", Zeile("EUR", "Aktueller Kurs", "CHF", "1", "", Tag(0)));
}

TEST_F(Kurse, DispoRateTakesTheSeasonsYearAndIsOncePerSeason) {
    ASSERT_TRUE(Neu(Zeile("EUR", "Dispokurs", "USD", "1", "1,1", Tag(0), "1999", "f 2026")));
    EXPECT_EQ(Saetze(), (QStringList{"EUR D 0 USD 1 1.100000 0"}));  // no inverse for dispo rates
    Tksfile ks;
    ks.OpenNew(-1);
    ks.ClearBuffer();
    ASSERT_TRUE(ks.Get_first());
    EXPECT_EQ(ks.Jahr.GetWert(), 2026);
    EXPECT_EQ(ks.Saison.GetWert(), "F");
    EXPECT_EQ(Zeilen().value(0).mid(3, 2), (QStringList{"2026", "F 2026"}));
    TestMeldungen::Erwarte("bereits einen Dispokurs");
    EXPECT_FALSE(k->BuchenTesten(wrdonInsert, {}, Zeile("EUR", "Dispokurs", "USD", "1", "1,1", Tag(0), {}, "F 2026")));
    // A settlement rate keeps its year and has no season.
    ASSERT_TRUE(Neu(Zeile("EUR", "Verrechnungskurs", "USD", "1", "1,1", Tag(0), "2027", "F 2026")));
    EXPECT_EQ(Zeilen().value(1).mid(3, 2), (QStringList{"2027", ""}));
}

TEST_F(Kurse, ChangeAndDeleteOfACurrentRateCarryTheInverseAlong) {
    ASSERT_TRUE(Aktuell("USD", "1,1", -5));
    const QStringList alt = Zeilen().value(0);
    QStringList neu = alt;
    neu[k->FFieldIndEinheit] = "10";
    neu[k->FFieldIndKurs] = "11,5";
    neu[k->FFieldIndAbDatum] = Tag(0);
    ASSERT_TRUE(TAllgTabProtokoll::Ausfuehren(*k, wrdonUpdate, alt, neu));
    EXPECT_EQ(Saetze(), (QStringList{"EUR A 0 USD 10 11.500000 0", "USD A 0 EUR 1 0.869565 0"}));
    ASSERT_TRUE(TAllgTabProtokoll::Ausfuehren(*k, wrdonDelete, Zeilen().value(0), Zeilen().value(0)));
    EXPECT_TRUE(Saetze().isEmpty());
}

TEST_F(Kurse, AHistoryRecordIsChangedOrDeletedByItsNumberAfterAQuestion) {
    ASSERT_TRUE(Aktuell("CHF", "0,95", -30));
    ASSERT_TRUE(Aktuell("CHF", "0,94", -20));
    ASSERT_TRUE(Aktuell("CHF", "0,93", -10));
    QStringList hist1;
    for (const QStringList& z : Zeilen())
        if (z[0].startsWith("EUR") && z[1] == "Historie" && z[2] == "1") hist1 = z;
    ASSERT_FALSE(hist1.isEmpty());
    TestMeldungen::Erwarte("gehört zur Historie", mrNein);
    EXPECT_FALSE(k->BuchenTesten(wrdonDelete, hist1, hist1));
    TestMeldungen::Erwarte("gehört zur Historie", mrJa);
    ASSERT_TRUE(TAllgTabProtokoll::Ausfuehren(*k, wrdonDelete, hist1, hist1));
    EXPECT_FALSE(Saetze().contains("EUR H 1 CHF 1 0.940000 -20"));
    EXPECT_TRUE(Saetze().contains("EUR H 0 CHF 1 0.950000 -30"));
    EXPECT_EQ(Saetze().size(), 5);
}

TEST_F(Kurse, AChangedHistoryRecordKeepsItsNumberAndLeavesTheCurrentRatesAlone) {
    ASSERT_TRUE(Aktuell("CHF", "0,95", -30));
    ASSERT_TRUE(Aktuell("CHF", "0,94", -20));
    QStringList alt;
    for (const QStringList& z : Zeilen())
        if (z[0].startsWith("EUR") && z[1] == "Historie") alt = z;
    QStringList neu = alt;
    neu[k->FFieldIndKurs] = "0,951";
    TestMeldungen::Erwarte("gehört zur Historie", mrJa);
    ASSERT_TRUE(TAllgTabProtokoll::Ausfuehren(*k, wrdonUpdate, alt, neu));
    EXPECT_EQ(Saetze(), (QStringList{"CHF A 0 EUR 1 1.063830 -20", "CHF H 0 EUR 1 1.052632 -30",
                                     "EUR A 0 CHF 1 0.940000 -20", "EUR H 0 CHF 1 0.951000 -30"}));
}

TEST_F(Kurse, ADispoRateIsFoundBySeasonOnChangeAndDelete) {
    ASSERT_TRUE(Neu(Zeile("EUR", "Dispokurs", "USD", "1", "1,1", Tag(0), {}, "F 2026")));
    QStringList neu = Zeilen().value(0);
    neu[k->FFieldIndKurs] = "1,2";
    ASSERT_TRUE(TAllgTabProtokoll::Ausfuehren(*k, wrdonUpdate, Zeilen().value(0), neu));
    EXPECT_EQ(Saetze(), (QStringList{"EUR D 0 USD 1 1.200000 0"}));
    ASSERT_TRUE(TAllgTabProtokoll::Ausfuehren(*k, wrdonDelete, Zeilen().value(0), Zeilen().value(0)));
    EXPECT_TRUE(Saetze().isEmpty());
}

TEST_F(Kurse, APostingThatFailsAtTheInverseLeavesTheDatabaseAsBefore) {
    ASSERT_TRUE(Aktuell("USD", "1,1", -10));
    const QStringList vorher = Saetze();
    // the database refuses the new inverse rate: written are by then the new
    // rate and the history of the old one
    TQLNDatenbank::Verbindung().Exec(
        "CREATE TRIGGER kein_usd BEFORE INSERT ON ks WHEN NEW.waehrung = 'USD' AND NEW.kursart = 'A' "
        "BEGIN SELECT RAISE(ABORT, 'Kurs abgelehnt'); END");
    const QStringList z = Zeile("EUR", "Aktueller Kurs", "USD", "1", "1,12", Tag(0));
    ASSERT_TRUE(k->BuchenTesten(wrdonInsert, {}, z));
    EXPECT_THROW(k->Buchen(wrdonInsert, {}, z), std::exception);
    EXPECT_EQ(Saetze(), vorher);
    // through the window's protocol: reported, no success
    TestMeldungen::Erwarte("Kurs abgelehnt");
    EXPECT_FALSE(Neu(z));
    EXPECT_EQ(Saetze(), vorher);
}

TEST_F(Kurse, ListsOfferTheRateTypesUnitsAndNoEuroZoneCurrencyButTheEuroAsSource) {
    QStringList l;
    k->FillWertevorrat(k->FFieldIndWaehrung, l);
    EXPECT_EQ(l, (QStringList{"CHF - Schweizer Franken", "EUR - Euro", "USD - US-Dollar"}));
    k->FillWertevorrat(k->FFieldIndFremdwaehrung, l);
    EXPECT_EQ(l, (QStringList{"CHF - Schweizer Franken", "USD - US-Dollar"}));
    k->FillWertevorrat(k->FFieldIndKursart, l);
    EXPECT_EQ(l, (QStringList{"Aktueller Kurs", "Dispokurs", "Historie", "Verrechnungskurs", "Euro Umrechnungskurs"}));
    k->FillWertevorrat(k->FFieldIndEinheit, l);
    EXPECT_EQ(l, (QStringList{"1", "10", "100", "1000", "10000"}));
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(k->SwitchControlEnabled_4_Mode_Edit(i),
                  i == k->FFieldIndEinheit || i == k->FFieldIndKurs || i == k->FFieldIndAbDatum);
}

TEST_F(Kurse, ANewLineIsACurrentRateFromTheSystemCurrencyAndTheOverviewShowsEveryColumn) {
    QStringList neu;
    k->FillNewLine(neu);
    EXPECT_EQ(neu, (QStringList{"EUR - Euro", "Aktueller Kurs", "0", "", "", "", "1", "", Tag(0)}));
    ASSERT_TRUE(Aktuell("CHF", "0,95", -30));
    TestModal::Dann([](TQLNForm& f) {
        auto& ueb = static_cast<TfrmAllgTab&>(f);
        EXPECT_TRUE(TestFenster::Aktiviere(ueb));
        TVTQLNVRList& l = *ueb.Liste();
        int rechts = 0;
        for (int c = 0; c < l.Columns().size(); ++c)
            if (!l.isColumnHidden(c)) rechts = qMax(rechts, l.columnViewportPosition(c) + l.columnWidth(c));
        EXPECT_LE(rechts, l.viewport()->width() + 100);  // the last column stretches to the rest
        EXPECT_GE(l.columnViewportPosition(8), 0);
        EXPECT_LT(l.columnViewportPosition(8), l.viewport()->width());  // the date is in view
        return int(QDialog::Rejected);
    }, "TfrmAllgTab");
    EXPECT_TRUE(k->Execute("KURSE"));
}

TEST_F(Kurse, TheSeasonPickerHandsBackTheChosenSeason) {
    TestModal::Dann([](TQLNForm& f) {
        auto& dlg = static_cast<TfrmSaiSel&>(f);
        EXPECT_TRUE(TestFenster::Aktiviere(dlg));
        EXPECT_EQ(dlg.Liste()->Rows().Count(), 2);
        QTest::keyClicks(dlg.Suche(), "2026");
        QTest::keyClick(dlg.Suche(), Qt::Key_Return);
        return f.result();
    }, "TfrmSaiSel");
    QString wert;
    EXPECT_TRUE(k->StarteWerteauswahl(k->FFieldIndSaison, wert));
    EXPECT_EQ(wert, "F 2026");
    TestModal::Dann([](TQLNForm& f) {
        QTest::keyClick(&f, Qt::Key_Escape);
        return f.result();
    }, "TfrmSaiSel");
    EXPECT_FALSE(k->StarteWerteauswahl(k->FFieldIndSaison, wert));
    EXPECT_EQ(wert, "F 2026");
}
