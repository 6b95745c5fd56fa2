#include "GruppenTestHilfe.h"
#include "host/QLNBuchung.h"
#include "host/records/TGrndFile.h"
#include "host/records/Taufgfile.h"
#include "tables/TZEV_XKGrnd_Configurator.h"
#include "testkit/TestDatenbank.h"

namespace {
class Gruende : public ::testing::Test {
protected:
    void SetUp() override { TestDatenbank::Oeffne(); }
};
}  // namespace

TEST_F(Gruende, MovementReasonsAreNotDeletedAndKeepOneOfTheirDesignations) {
    Offen<TZEV_XKBewg_Configurator> c;
    EXPECT_FALSE(c->AllowedModes().contains(xkefDelete));
    EXPECT_FALSE(c->AllowedModes().contains(xkefPrint));
    QStringList neu = c.NeueZeile();
    EXPECT_EQ(neu.value(c->FFieldIndKuerzel), "BEW");
    neu[c->FFieldIndLangBez] = "Inventurdifferenz";
    neu[c->FFieldIndKurzBez] = "Inventur";
    ASSERT_TRUE(c.Neu(neu));
    const QStringList alt = c.Zeilen().value(0);

    TestMeldungen::Erwarte("Bewegungsgründe können hier nur angelegt oder geändert werden.");
    EXPECT_FALSE(c.Loeschen(alt));
    EXPECT_EQ(TestMeldungen::Gezeigt().last().Nummer, 1141);

    // both designations at once: refused without a message
    QStringList beide = alt;
    beide[c->FFieldIndLangBez] = "Bruch";
    beide[c->FFieldIndKurzBez] = "Bruch";
    const qsizetype marke = MeldungsMarke();
    EXPECT_FALSE(c.Aendern(alt, beide));
    EXPECT_TRUE(MeldungenSeit(marke).isEmpty());
    // a change of case is no change; one after the other succeeds
    QStringList erst = alt;
    erst[c->FFieldIndLangBez] = "Bruch";
    erst[c->FFieldIndKurzBez] = "INVENTUR";
    EXPECT_TRUE(c.Aendern(alt, erst));
    QStringList dann = c.Zeilen().value(0);
    QStringList zweit = dann;
    zweit[c->FFieldIndKurzBez] = "Bruch";
    EXPECT_TRUE(c.Aendern(dann, zweit));
    EXPECT_EQ(c.Zeilen(), (QList<QStringList>{zweit}));
    EXPECT_THROW(c->Buchen(wrdonDelete, zweit, zweit), std::exception);
}

TEST_F(Gruende, KindsKeepTheirOwnReasonsAndIdsComeFromThePosting) {
    Offen<TZEV_XKBewg_Configurator> bew;
    Offen<TZEV_XKWeg_Configurator> weg;
    QStringList b = bew.NeueZeile();
    b[bew->FFieldIndLangBez] = "Bruch";
    b[bew->FFieldIndKurzBez] = "Bruch";
    ASSERT_TRUE(bew.Neu(b));
    QStringList w = weg.NeueZeile();
    w[weg->FFieldIndLangBez] = "Preissenkung";
    w[weg->FFieldIndKurzBez] = "Preis -";
    ASSERT_TRUE(weg.Neu(w));
    ASSERT_TRUE(weg.Neu(w));
    EXPECT_EQ(bew.Zeilen().size(), 1);
    const QList<QStringList> wege = weg.Zeilen();
    ASSERT_EQ(wege.size(), 2);
    EXPECT_EQ(wege[0].value(weg->FFieldIndKuerzel), "WEG");
    EXPECT_EQ(wege[0].value(weg->FFieldIndRnr), "1");  // this computer
    EXPECT_NE(wege[0].value(weg->FFieldIndLnr), wege[1].value(weg->FFieldIndLnr));
    EXPECT_NE(wege[0].value(weg->FFieldIndLnr), "0");
}

TEST_F(Gruende, AHandlingStoreReasonIsDeletedUnlessATaskUsesIt) {
    Offen<TZEV_XKHAG_Configurator> c;
    EXPECT_TRUE(c->AllowedModes().contains(xkefDelete));
    EXPECT_EQ(c->FFieldIndKurzBez, -1);
    for (const char* bez : {"Filialbedarf", "Saisonwechsel"}) {
        QStringList neu = c.NeueZeile();
        neu[c->FFieldIndLangBez] = QString::fromLatin1(bez);
        neu[c->FFieldIndReihenfolge] = "2";
        ASSERT_TRUE(c.Neu(neu));
    }
    const QStringList bedarf = c.Zeile(c->FFieldIndLangBez, "Filialbedarf");
    const QStringList saison = c.Zeile(c->FFieldIndLangBez, "Saisonwechsel");
    Taufgfile aufg;
    aufg.OpenNew(-1);
    aufg.ClearBuffer();
    aufg.Id.SetWert({1, 900, 0});
    aufg.Art.SetWert(Taufgfile::CArtHandlagerAnforderung);
    aufg.Grund.SetWert(c->IdVon(bedarf));
    aufg.Write(wrdonInsert);
    aufg.ClearBuffer();
    aufg.Id.SetWert({1, 901, 0});
    aufg.Art.SetWert(17);  // a task of another kind with the other reason's id
    aufg.Grund.SetWert(c->IdVon(saison));
    aufg.Write(wrdonInsert);

    TestMeldungen::Erwarte("Der Anforderungsgrund kann nicht gelöscht werden, da er noch verwendet wird.");
    EXPECT_FALSE(c.Loeschen(bedarf));
    EXPECT_TRUE(c.Loeschen(saison));
    EXPECT_EQ(c.Zeilen(), (QList<QStringList>{bedarf}));

    // the long designation stays changeable; the only-task flag does not change
    QStringList neu = bedarf;
    neu[c->FFieldIndLangBez] = "Filialbedarf dringend";
    neu[c->FFieldIndPrioritaet] = "J";
    EXPECT_TRUE(c.Aendern(bedarf, neu));
    QStringList nurAufgabe = neu;
    nurAufgabe[c->FFieldIndNurAufgabe] = "J";
    const qsizetype marke = MeldungsMarke();
    EXPECT_FALSE(c.Aendern(neu, nurAufgabe));
    EXPECT_TRUE(MeldungenSeit(marke).isEmpty());
    EXPECT_FALSE(c->SwitchControlEnabled_4_Mode_Edit(c->FFieldIndNurAufgabe));
    EXPECT_EQ(c.Zeilen(), (QList<QStringList>{neu}));
    TestMeldungen::Erwarte("Reihenfolge");
    QStringList zehn = neu;
    zehn[c->FFieldIndReihenfolge] = "10";
    EXPECT_FALSE(c.Aendern(neu, zehn));
}
