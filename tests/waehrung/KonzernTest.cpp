#include "WaehrungTestHilfe.h"
#include "host/records/TKONZFile.h"
#include "host/records/TKOZZFile.h"
#include "host/records/Tgpfile.h"
#include "host/ui/TAllgTabProtokoll.h"
#include "host/ui/TGpSuchDialog.h"
#include "host/ui/TVTQLNVRList.h"
#include "tables/TXKKonzernConfigurator.h"
#include "testkit/TestFenster.h"
#include "testkit/TestModal.h"

#include <QLineEdit>
#include <QTest>

using namespace WaehrungTest;

namespace {
void Partner(int lnr, const QString& art, int nr, const QString& name, bool aktiv = true) {
    Tgpfile gp;
    gp.OpenNew(-1);
    gp.ClearBuffer();
    gp.GepId.SetWert({1, lnr});
    gp.Art.SetWert(art);
    gp.Nummer.SetWert(nr);
    gp.Name.SetWert(name);
    gp.Aktiv.SetWert(aktiv);
    gp.Write(wrdonInsert);
}
QList<TIntPair> Mitglieder(const TIntPair& gruppe) {
    QList<TIntPair> ids;
    TKOZZFile z;
    z.OpenNew(-1);
    z.ClearBuffer();
    z.Konzern.SetFilter(gruppe);
    for (bool ok = z.Get_first_extMode(); ok; ok = z.Get_next_extMode()) ids << z.GepId.GetWert();
    return ids;
}

class Konzerne : public Konfig<TXKKonzernConfigurator> {
protected:
    void SetUp() override {
        Konfig::SetUp();
        Partner(1, Tgpfile::CArtMandant, 1, "Modehaus Brenner GmbH");
        Partner(2, Tgpfile::CArtFiliale, 2, "Filiale Karlsruhe");
        Partner(3, Tgpfile::CArtLieferant, 70001, "Lederwaren Huber KG");
        Partner(4, Tgpfile::CArtLieferant, 70002, "Lederwaren Huber KG");  // same name, other supplier
        Partner(5, Tgpfile::CArtKunde, 100, "Kundin Müller");            // no company-group member kind
    }
    // The picker: the search dialog, filtered by the typed text, the row at position zeile taken with Enter.
    void Waehle(const QString& suche, int zeile = 0) {
        TestModal::Dann([suche, zeile](TQLNForm& f) {
            auto& dlg = static_cast<TGpSuchDialog&>(f);
            EXPECT_TRUE(TestFenster::Aktiviere(dlg));
            EXPECT_EQ(dlg.Liste()->Rows().Count(), 4);  // clients, branches and suppliers
            QTest::keyClicks(dlg.Suche(), suche);
            for (int i = 0; i < zeile; ++i) QTest::keyClick(dlg.Suche(), Qt::Key_Down);
            QTest::keyClick(dlg.Suche(), Qt::Key_Return);
            return f.result();
        }, "TGpSuchDialog");
    }
    QString Gewaehlt() {
        QString wert;
        EXPECT_TRUE(k->StarteWerteauswahl(k->FFieldIndMitglieder, wert));
        return wert;
    }
};
}  // namespace

TEST_F(Konzerne, ANewGroupGetsItsIdFromThePostingAndItsMembersFromThePicker) {
    QStringList z;
    k->FillNewLine(z);
    EXPECT_EQ(z, (QStringList{"", "", "", "N"}));
    Waehle("Karls");
    EXPECT_EQ(Gewaehlt(), "Filiale Karlsruhe");
    Waehle("Huber", 1);  // the second of the two namesakes: supplier 70002
    EXPECT_EQ(Gewaehlt(), "Lederwaren Huber KG");
    z[k->FFieldIndName] = "Einkaufsverbund";
    z[k->FFieldIndMitglieder] = "Filiale Karlsruhe\nLederwaren Huber KG";
    ASSERT_TRUE(TAllgTabProtokoll::Ausfuehren(*k, wrdonInsert, {}, z));
    const QList<QStringList> zeilen = Zeilen();
    ASSERT_EQ(zeilen.size(), 1);
    const TIntPair id = TXKKonzernConfigurator::IdAusText(zeilen[0][0]);
    EXPECT_EQ(id.A, 1);  // this computer
    EXPECT_GT(id.B, 0);
    EXPECT_EQ(zeilen[0].mid(1), (QStringList{"Einkaufsverbund", "Filiale Karlsruhe\nLederwaren Huber KG", "N"}));
    EXPECT_EQ(Mitglieder(id), (QList<TIntPair>{{1, 2}, {1, 4}}));
}

TEST_F(Konzerne, AChangeRewritesTheMembersAndADeleteRemovesThem) {
    QStringList z{"", "Gruppe", "Modehaus Brenner GmbH\nFiliale Karlsruhe", "J"};
    ASSERT_TRUE(TAllgTabProtokoll::Ausfuehren(*k, wrdonInsert, {}, z));
    const QStringList alt = Zeilen().value(0);
    const TIntPair id = TXKKonzernConfigurator::IdAusText(alt[0]);
    // The single form shows the row's members as the overview does; one is removed, one added.
    QStringList neu = alt;
    neu[k->FFieldIndName] = "Gruppe Süd";
    Waehle("70001");
    neu[k->FFieldIndMitglieder] = "Modehaus Brenner GmbH\n" + Gewaehlt();
    ASSERT_TRUE(TAllgTabProtokoll::Ausfuehren(*k, wrdonUpdate, alt, neu));
    EXPECT_EQ(Mitglieder(id), (QList<TIntPair>{{1, 1}, {1, 3}}));
    EXPECT_EQ(Zeilen().value(0).value(1), "Gruppe Süd");
    // a member left as shown in the overview's line keeps its partner
    ASSERT_TRUE(TAllgTabProtokoll::Ausfuehren(*k, wrdonUpdate, Zeilen().value(0), Zeilen().value(0)));
    EXPECT_EQ(Mitglieder(id), (QList<TIntPair>{{1, 1}, {1, 3}}));
    ASSERT_TRUE(TAllgTabProtokoll::Ausfuehren(*k, wrdonDelete, Zeilen().value(0), Zeilen().value(0)));
    EXPECT_TRUE(Zeilen().isEmpty());
    EXPECT_TRUE(Mitglieder(id).isEmpty());
}

TEST_F(Konzerne, OnlyOneGroupIsTheOwnOne) {
    ASSERT_TRUE(TAllgTabProtokoll::Ausfuehren(*k, wrdonInsert, {}, {"", "Eigene", "", "J"}));
    TestMeldungen::Erwarte("Das Kennzeichen \"Eigene Unternehmensgruppe\" ist bereits anderweitig vergeben!");
    EXPECT_FALSE(TAllgTabProtokoll::Ausfuehren(*k, wrdonInsert, {}, {"", "Andere", "", "J"}));
    ASSERT_TRUE(TAllgTabProtokoll::Ausfuehren(*k, wrdonInsert, {}, {"", "Andere", "", "N"}));
    // the own group may keep its flag on change; the other may not take it
    const QList<QStringList> z = Zeilen();
    const QStringList eigene = z[0][1] == "Eigene" ? z[0] : z[1];
    const QStringList andere = z[0][1] == "Eigene" ? z[1] : z[0];
    EXPECT_TRUE(TAllgTabProtokoll::Ausfuehren(*k, wrdonUpdate, eigene, eigene));
    QStringList neu = andere;
    neu[k->FFieldIndSystemgruppe] = "J";
    TestMeldungen::Erwarte("bereits anderweitig vergeben");
    EXPECT_FALSE(TAllgTabProtokoll::Ausfuehren(*k, wrdonUpdate, andere, neu));
    TestMeldungen::Erwarte("Bitte geben Sie einen Namen für die Unternehmensgruppe an!");
    EXPECT_FALSE(k->BuchenTesten(wrdonInsert, {}, {"", "  ", "", "N"}));
    TestMeldungen::Erwarte("\"Niemand GmbH\" ist nicht als Geschäftspartner vorhanden");
    EXPECT_FALSE(k->BuchenTesten(wrdonInsert, {}, {"", "X", "Niemand GmbH", "N"}));
}
