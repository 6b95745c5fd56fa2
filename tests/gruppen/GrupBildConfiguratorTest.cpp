#include "GruppenTestHilfe.h"
#include "host/TParameter.h"
#include "host/records/TGepzFile.h"
#include "host/records/Tfbdefile.h"
#include "host/records/Tgbfile.h"
#include "host/records/Tguvfile.h"
#include "host/records/Tlartfile.h"
#include "tables/TXKGrupBildConfigurator.h"
#include "testkit/TestDatenbank.h"

namespace {
class Gruppenbildung : public ::testing::Test {
protected:
    void SetUp() override { TestDatenbank::Oeffne(); }
    static void Gb(QChar kind, const char* rechtsf, int nummer, const char* bez, const char* aenderbar = "J") {
        Tgbfile gb;
        gb.OpenNew(-1);
        gb.ClearBuffer();
        gb.Kennung.SetWert(QString(kind));
        gb.Rechtsf.SetWert(QString::fromLatin1(rechtsf));
        gb.GbTyp.SetWert(nummer);
        gb.Bezeichnung.SetWert(QString::fromUtf8(bez));
        gb.Aenderbar.SetWert(QString::fromLatin1(aenderbar));
        gb.Write(wrdonInsert);
    }
    static QChar K(int kind) { return CQLN_GB_Kennung2Char(kind); }
};
}  // namespace

TEST_F(Gruppenbildung, ANewCostCentreGetsTheNumberAboveAllThreeLegalCapacities) {
    Gb(K(gbkKostenstelle), "J", 4, "Lager");
    Gb(K(gbkKostenstelle), "N", 7, "Werbung");
    Gb(K(gbkKostenstelle), " ", 2, "Verkauf");
    Gb(K(gbkKonfession), " ", 40, "andere Art");  // other kinds do not count
    Offen<TXKKostenstellenConfigurator> c;
    const QStringList neu = c.NeueZeile();
    EXPECT_EQ(neu.value(c->FFieldIndKennung), "Kostenstelle");
    EXPECT_EQ(neu.value(c->FFieldIndGrupBildTyp), "8");
    EXPECT_EQ(neu.value(c->FFieldIndAenderbar), "J");
    EXPECT_EQ(neu.value(c->FFieldIndRechtsfaehig), " ");
    QStringList zeile = neu;
    zeile[c->FFieldIndBezeichnung] = "Onlineshop";
    zeile[c->FFieldIndStatus] = "EXP1";
    zeile[c->FFieldIndFiller] = "10";
    EXPECT_TRUE(c.Neu(zeile));
    EXPECT_EQ(c.NeueZeile().value(c->FFieldIndGrupBildTyp), "9");
    // only cost centres are listed, the count is the file's
    EXPECT_EQ(c.Zeilen().size(), 4);
    EXPECT_EQ(c->SetCount(), 5);
    TestMeldungen::Erwarte("existiert bereits");
    EXPECT_FALSE(c.Neu(zeile));
    EXPECT_EQ(TestMeldungen::Gezeigt().last().Kategorie, "TRIVELTA");
    EXPECT_EQ(TestMeldungen::Gezeigt().last().Nummer, 1022);
}

TEST_F(Gruppenbildung, SalaryDataOfferTheLastKindAndNoNumber) {
    Gb(K(gbkKonfession), " ", 1, "römisch-katholisch");
    Gb(K(gbkStellung), " ", 1, "Angestellte");
    Gb(K(gbkBruttolohnart), " ", 1000, "Gehalt");  // not salary data
    Offen<TXKGehaltConfigurator> c;
    const QStringList neu = c.NeueZeile();
    EXPECT_EQ(neu.value(c->FFieldIndKennung), CQLN_GB_Kennung2Bez(gbkBeitragsgruppe));
    EXPECT_EQ(neu.value(c->FFieldIndGrupBildTyp), "");
    QStringList werte;
    c->FillWertevorrat(c->FFieldIndKennung, werte);
    EXPECT_EQ(werte.size(), 15);
    EXPECT_EQ(werte.first(), "Konfession");
    EXPECT_EQ(c.Zeilen().size(), 2);
    QStringList zeile = neu;
    zeile[c->FFieldIndKennung] = "Konfession";
    zeile[c->FFieldIndGrupBildTyp] = "2";
    zeile[c->FFieldIndBezeichnung] = "evangelisch";
    EXPECT_TRUE(c.Neu(zeile));
    EXPECT_EQ(c.Zeile(c->FFieldIndBezeichnung, "evangelisch").value(c->FFieldIndKennung), "Konfession");
    TestMeldungen::Erwarte("Bezeichnung ein");
    zeile[c->FFieldIndBezeichnung] = " ";
    EXPECT_FALSE(c.Neu(zeile));
    TestMeldungen::Erwarte("Kennung aus");
    zeile[c->FFieldIndKennung] = "Brutto-Lohnart";  // a kind of another list
    zeile[c->FFieldIndBezeichnung] = "x";
    EXPECT_FALSE(c->BuchenTesten(wrdonInsert, {}, zeile));
}

TEST_F(Gruppenbildung, EntriesThatAreNotChangeableAreNeitherChangedNorDeleted) {
    Gb(K(gbkPersonengruppe), " ", 101, "sozialversicherungspflichtig", "N");
    Offen<TXKGehaltConfigurator> c;
    const QStringList alt = c.Zeile(c->FFieldIndGrupBildTyp, "101");
    QStringList neu = alt;
    neu[c->FFieldIndBezeichnung] = "anders";
    TestMeldungen::Erwarte("nicht änderbar");
    EXPECT_FALSE(c.Aendern(alt, neu));
    TestMeldungen::Erwarte("nicht änderbar");
    EXPECT_FALSE(c.Loeschen(alt));
    EXPECT_EQ(TestMeldungen::Gezeigt().last().Nummer, 1025);
    EXPECT_FALSE(c->SwitchControlEnabled_4_Mode_Edit(c->FFieldIndKennung));
    EXPECT_FALSE(c->SwitchControlEnabled_4_Mode_Edit(c->FFieldIndGrupBildTyp));
    EXPECT_TRUE(c->SwitchControlEnabled_4_Mode_Edit(c->FFieldIndBezeichnung));
}

TEST_F(Gruppenbildung, UsedEntriesAreNotDeleted) {
    Gb(K(gbkBruttolohnart), " ", 1000, "Gehalt");
    Gb(K(gbkBruttolohnart), " ", 1100, "Urlaubsgeld");
    Gb(K(gbkKonfession), " ", 1, "römisch-katholisch");
    Gb(K(gbkKonfession), " ", 2, "evangelisch");
    Gb(K(gbkKostenstelle), " ", 1, "Verwaltung");
    Gb(K(gbkKostenstelle), " ", 2, "Verkauf");
    Gb(K(gbkKostenstelle), " ", 3, "Lager");
    Tlartfile lart;
    lart.OpenNew(-1);
    lart.ClearBuffer();
    lart.PersNr.SetWert(1);
    lart.LohnartNr.SetWert(1000);
    lart.Write(wrdonInsert);
    TGepzFile gepz;
    gepz.OpenNew(-1);
    gepz.ClearBuffer();
    gepz.PersNr.SetWert(1);
    gepz.Konfess.SetWert(2);
    gepz.Write(wrdonInsert);
    Tfbdefile fbde;
    fbde.OpenNew(-1);
    fbde.ClearBuffer();
    fbde.Nummer.SetWert(1);
    fbde.Kst2.SetWert(2);
    fbde.Write(wrdonInsert);
    Tguvfile guv;
    guv.OpenNew(-1);
    guv.ClearBuffer();
    guv.Zeile.SetWert(10);
    guv.Kst1.SetWert(1);
    guv.Write(wrdonInsert);

    {
        Offen<TXKBruttolohnConfigurator> c;
        TestMeldungen::Erwarte("noch verwendet");
        EXPECT_FALSE(c.Loeschen(c.Zeile(c->FFieldIndGrupBildTyp, "1000")));
        EXPECT_EQ(TestMeldungen::Gezeigt().last().Nummer, 1026);
        EXPECT_TRUE(c.Loeschen(c.Zeile(c->FFieldIndGrupBildTyp, "1100")));
    }
    {
        Offen<TXKGehaltConfigurator> c;
        TestMeldungen::Erwarte("noch verwendet");
        EXPECT_FALSE(c.Loeschen(c.Zeile(c->FFieldIndBezeichnung, "evangelisch")));
        EXPECT_TRUE(c.Loeschen(c.Zeile(c->FFieldIndBezeichnung, "römisch-katholisch")));
    }
    {
        Offen<TXKKostenstellenConfigurator> c;
        TestMeldungen::Erwarte("noch verwendet");
        EXPECT_FALSE(c.Loeschen(c.Zeile(c->FFieldIndGrupBildTyp, "2")));  // second cost centre of a definition
        TestMeldungen::Erwarte("noch verwendet");
        EXPECT_FALSE(c.Loeschen(c.Zeile(c->FFieldIndGrupBildTyp, "1")));  // a profit-and-loss line
        EXPECT_TRUE(c.Loeschen(c.Zeile(c->FFieldIndGrupBildTyp, "3")));
        EXPECT_EQ(c.Zeilen().size(), 2);
    }
}

TEST_F(Gruppenbildung, AllThirteenFieldsAreWrittenAndReadBack) {
    Offen<TXKNettolohnConfigurator> c;
    QStringList neu = c.NeueZeile();
    EXPECT_EQ(neu.value(c->FFieldIndGrupBildTyp), "1");
    neu[c->FFieldIndBezeichnung] = "Vorschuss";
    neu[c->FFieldIndLohnarttyp] = "A=Abzug";
    neu[c->FFieldIndWirtsjahr] = "J";
    neu[c->FFieldIndSollzeit] = "38,5";
    ASSERT_TRUE(c.Neu(neu));
    const QStringList zeile = c.Zeilen().value(0);
    EXPECT_EQ(zeile, (QStringList{"Netto-Lohnart", " ", "1", "Vorschuss", "J", "", "A=Abzug", "J", "N", " ", "38,50", "N", ""}));
    Tgbfile gb;
    gb.OpenNew(-1);
    gb.ClearBuffer();
    ASSERT_TRUE(gb.Get_first());
    EXPECT_EQ(gb.Kennung.GetWert(), "N");
    EXPECT_EQ(gb.LohnartTyp.GetWert(), "A");
    EXPECT_DOUBLE_EQ(gb.Sollzeit.GetWert(), 38.5);
    // change in place from the old key
    QStringList geaendert = zeile;
    geaendert[c->FFieldIndLohnarttyp] = "S=Sachbezug";
    EXPECT_TRUE(c.Aendern(zeile, geaendert));
    EXPECT_EQ(c.Zeilen().value(0).value(c->FFieldIndLohnarttyp), "S=Sachbezug");
}

TEST_F(Gruppenbildung, PayrollListsAreListedOnlyWithPayrollInTheSystem) {
    const auto& klasse = XKClass<TXKBruttolohnConfigurator>();
    EXPECT_FALSE(klasse.Active("BRUTTOLOHNARTEN"));  // never set: no
    TParameter::SetBooleanValueByName(QStringLiteral("GEABEVAL"), true);
    EXPECT_TRUE(klasse.Active("BRUTTOLOHNARTEN"));
    EXPECT_TRUE(XKClass<TXKGehaltConfigurator>().Active("DIVGEHALTSDATEN"));
    EXPECT_TRUE(XKClass<TXKKostenstellenConfigurator>().Active("KOSTENSTELLEN"));  // computer type 1
    EXPECT_EQ(XKClass<TXKOrgeTypConfigurator>().Groups("ORGANISATIONSEINHEITEN"), "");
    EXPECT_EQ(XKClass<TXKNettolohnConfigurator>().Groups("NETTOLOHNARTEN"), "FIBU");
}
