// The code tables with a file of their own: GTIN ranges, prefix lengths,
// sales and order marks, complaint tables, main groups, season designations,
// devaluation marks, variants and materials.

#include "testkit/TestTabelle.h"
#include "host/records/TAAFile.h"
#include "host/records/TABilFile.h"
#include "host/records/TStfile.h"
#include "host/records/Tlstvfile.h"
#include "host/records/Tnkfile.h"
#include "host/records/Twgnfile.h"
#include "tables/TXKABKZConfigurator.h"
#include "tables/TXKBVRConfigurator.h"
#include "tables/TXKDIKZConfigurator.h"
#include "tables/TXKGCPLConfigurator.h"
#include "tables/TXKGTINConfigurator.h"
#include "tables/TXKHGConfigurator.h"
#include "tables/TXKMatConfigurator.h"
#include "tables/TXKRMLConfigurator.h"
#include "tables/TXKSBConfigurator.h"
#include "tables/TXKVKKZConfigurator.h"
#include "tables/TXKVRConfigurator.h"
#include "testkit/TestDatenbank.h"
#include "testkit/TestMeldungen.h"
#include "testkit/TestUmgebung.h"

#include <gtest/gtest.h>

namespace {
void Rueckgabe(int beleg, const QString& grund) {
    Tlstvfile f;
    f.OpenNew(-1);
    f.ClearBuffer();
    f.BelegNr.SetWert(beleg);
    f.Pos.SetWert(1);
    f.RueckgabeGrund.SetWert(grund);
    f.Write(wrdonInsert);
}
}  // namespace

TEST(GtinBereiche, StartNumberDigitsCountOnTheValue) {
    EXPECT_FALSE(TXKGTINConfigurator::StartnummerGueltig("0001234"));  // 1234: four digits
    EXPECT_TRUE(TXKGTINConfigurator::StartnummerGueltig("400"));
    EXPECT_TRUE(TXKGTINConfigurator::StartnummerGueltig("4012345"));
    EXPECT_TRUE(TXKGTINConfigurator::StartnummerGueltig("20012345"));
    EXPECT_TRUE(TXKGTINConfigurator::StartnummerGueltig("012345678"));  // eight digits once the zero is gone
    EXPECT_TRUE(TXKGTINConfigurator::StartnummerGueltig("999999999"));
    for (const char* falsch : {"40", "4012", "40123", "401234", "abc", "", "0000000"})
        EXPECT_FALSE(TXKGTINConfigurator::StartnummerGueltig(falsch)) << falsch;
}

TEST(GtinBereiche, RangesOfKindOneWithEndEqualToStartReplacedOnChange) {
    TestDatenbank::Oeffne();
    {
        // another kind of number range in the same file stays out of the list
        Tnkfile nk;
        nk.OpenNew(-1);
        nk.ClearBuffer();
        nk.NkArt.SetWert(2);
        nk.Code.SetWert("KDN");
        nk.Verwendung.SetWert("INT");
        nk.BlockStart.SetWert("1000");
        nk.BlockEnde.SetWert("9999");
        nk.Write(wrdonInsert);
    }
    Offen<TXKGTINConfigurator> gt;
    EXPECT_EQ(gt.NeueZeile(), (QStringList{"", "extern", ""}));
    TestMeldungen::Erwarte("Die Startnummer muss eine Länge von 3, 7, 8 oder 9 Ziffern haben");
    EXPECT_FALSE(gt.Neu({"0001234", "extern", ""}));
    ASSERT_TRUE(gt.Neu({"4260123", "extern", ""}));
    ASSERT_TRUE(gt.Neu({"20012345", "intern", ""}));
    EXPECT_EQ(gt.Zeilen(), (QList<QStringList>{{"4260123", "extern", "4260123"}, {"20012345", "intern", "20012345"}}));
    int spalte = -1;
    bool auf = false;
    EXPECT_TRUE(gt->SortByColumn(spalte, auf));
    EXPECT_EQ(spalte, gt->FFieldIndBlockStart);
    EXPECT_TRUE(auf);
    ASSERT_TRUE(gt.Aendern({"4260123", "extern", "4260123"}, {"4260999", "intern", "4260123"}));
    EXPECT_EQ(gt.Zeilen(), (QList<QStringList>{{"20012345", "intern", "20012345"}, {"4260999", "intern", "4260999"}}));
    Tnkfile nk;
    nk.OpenNew(-1);
    nk.ClearBuffer();
    nk.NkArt.SetKeyWert(1);
    nk.Code.SetKeyWert("GTI");
    nk.Verwendung.SetKeyWert("INT");
    nk.BlockStart.SetKeyWert("4260999");
    nk.BlockEnde.SetKeyWert("4260999");
    ASSERT_TRUE(nk.Get_eq());
    EXPECT_EQ(nk.Kennzeichen.GetWert(), "N");
    EXPECT_TRUE(gt.Loeschen({"20012345", "intern", "20012345"}));
    EXPECT_EQ(gt.Zeilen().size(), 1);
    EXPECT_EQ(nk.GetCount(), 2);  // the other kind's range is still there
}

TEST(PraefixLaengen, RangeRequiredLengthZeroToThirteenUnique) {
    TestDatenbank::Oeffne();
    Offen<TXKGCPLConfigurator> gc;
    QStringList werte;
    gc->FillWertevorrat(gc->FFieldIndPrefLen, werte);
    EXPECT_EQ(werte.size(), 14);
    EXPECT_EQ(werte.first(), "0");
    EXPECT_EQ(werte.last(), "13");
    EXPECT_EQ(gc.NeueZeile(), (QStringList{"", "0"}));
    ASSERT_TRUE(gc.Neu({"400", "7"}));
    TestMeldungen::Erwarte("Es existiert bereits ein DatensatzDas mit diesem Nummernkreis");
    EXPECT_FALSE(gc.Neu({"400", "9"}));
    TestMeldungen::Erwarte("Bitte geben Sie einen GTIN-Nummernkreis ein.");
    EXPECT_FALSE(gc->BuchenTesten(wrdonInsert, {}, {" ", "7"}));
    TestMeldungen::Erwarte("zwischen 0 und 13");
    EXPECT_FALSE(gc->BuchenTesten(wrdonInsert, {}, {"401", "14"}));
    ASSERT_TRUE(gc.Aendern({"400", "7"}, {"400", "9"}));
    EXPECT_EQ(gc.Zeilen(), (QList<QStringList>{{"400", "9"}}));
    ASSERT_TRUE(gc.Neu({"440", "7"}));
    TestMeldungen::Erwarte("Es existiert bereits ein DatensatzDas mit diesem Nummernkreis");
    EXPECT_FALSE(gc.Aendern({"440", "7"}, {"400", "7"}));
    ASSERT_TRUE(gc.Aendern({"440", "7"}, {"4401", "8"}));
    EXPECT_EQ(gc.Zeilen(), (QList<QStringList>{{"400", "9"}, {"4401", "8"}}));
}

TEST(Kennzeichen, SalesMarksMarkedNotChangeableAreLocked) {
    TestDatenbank::Oeffne();
    Offen<TXKVKKZConfigurator> vk;
    EXPECT_EQ(vk.NeueZeile(), (QStringList{"", "ja", ""}));
    ASSERT_TRUE(vk.Neu({"0", "nein", "normaler Verkauf"}));
    ASSERT_TRUE(vk.Neu({"5", "ja", "Auslauf"}));
    EXPECT_EQ(vk.Zeilen(), (QList<QStringList>{{"0", "nein", "normaler Verkauf"}, {"5", "ja", "Auslauf"}}));
    const QStringList gesperrt{"0", "nein", "normaler Verkauf"};
    TestMeldungen::Erwarte("Dieses Verkaufskennzeichen darf nicht geändert werden.");
    EXPECT_FALSE(vk.Aendern(gesperrt, {"0", "ja", "Verkauf"}));
    TestMeldungen::Erwarte("Dieses Verkaufskennzeichen darf nicht geändert werden.");
    EXPECT_FALSE(vk.Loeschen(gesperrt));
    TestMeldungen::Erwarte("Das Verkaufskennzeichen existiert bereits");
    EXPECT_FALSE(vk.Neu({"5", "ja", "noch einmal"}));
    // a change that would land on another mark is refused before the write
    TestMeldungen::Erwarte("Das Verkaufskennzeichen existiert bereits");
    EXPECT_FALSE(vk.Aendern({"5", "ja", "Auslauf"}, {"0", "ja", "Auslauf"}));
    ASSERT_TRUE(vk.Aendern({"5", "ja", "Auslauf"}, {"6", "nein", "Auslaufartikel"}));
    EXPECT_EQ(vk.Zeilen(), (QList<QStringList>{gesperrt, {"6", "nein", "Auslaufartikel"}}));
    TestMeldungen::Erwarte("Dieses Verkaufskennzeichen darf nicht geändert werden.");
    EXPECT_FALSE(vk.Loeschen({"6", "nein", "Auslaufartikel"}));
    EXPECT_EQ(vk.Zeilen().size(), 2);
}

TEST(Kennzeichen, OrderMarksStoreAAndF) {
    TestDatenbank::Oeffne();
    Offen<TXKDIKZConfigurator> di;
    ASSERT_TRUE(di.Neu({"NOS", "nein", "Never out of stock"}));
    EXPECT_EQ(di.Zeilen(), (QList<QStringList>{{"NOS", "nein", "Never out of stock"}}));
    Tdikzfile f;
    f.OpenNew(-1);
    f.ClearBuffer();
    ASSERT_TRUE(f.Get_first());
    EXPECT_EQ(f.AendKz.GetWert(), "F");
    TestMeldungen::Erwarte("Dieses Dispokennzeichen darf nicht geändert werden.");
    EXPECT_FALSE(di.Aendern({"NOS", "nein", "Never out of stock"}, {"NOS", "ja", "x"}));
    ASSERT_TRUE(di.Neu({"NACH", "ja", "Nachlieferung"}));
    ASSERT_TRUE(di.Aendern({"NACH", "ja", "Nachlieferung"}, {"NACH", "ja", "Nachlieferung offen"}));
    EXPECT_TRUE(di.Loeschen({"NACH", "ja", "Nachlieferung offen"}));
    TestMeldungen::Erwarte("Bitte geben Sie eine Bezeichnung ein.");
    EXPECT_FALSE(di->BuchenTesten(wrdonInsert, {}, {"X", "ja", " "}));
}

TEST(Reklamationstabellen, NumberProposalKeeps99AndTheTypesApart) {
    TestDatenbank::Oeffne();
    Offen<TXKRMLConfigurator> teile("BANTEILE");
    Offen<TXKRMLConfigurator> maengel("MAENGEL");
    EXPECT_EQ(teile.NeueZeile(), (QStringList{"T", "01", ""}));
    ASSERT_TRUE(teile.Neu({"T", "01", "Sohle"}));
    ASSERT_TRUE(teile.Neu({"T", "41", "Absatz"}));
    EXPECT_EQ(teile.NeueZeile(), (QStringList{"T", "42", ""}));
    EXPECT_EQ(maengel.NeueZeile(), (QStringList{"M", "01", ""}));  // another type's numbers do not count
    ASSERT_TRUE(teile.Neu({"T", "98", "Futter"}));
    EXPECT_EQ(teile.NeueZeile(), (QStringList{"T", "99", ""}));
    ASSERT_TRUE(teile.Neu({"T", "99", "Sonstiges"}));
    const QStringList wieder = teile.NeueZeile();
    EXPECT_EQ(wieder, (QStringList{"T", "99", ""}));
    TestMeldungen::Erwarte("Ein Tabelleneintrag mit dieser Nummer existiert bereits!");
    EXPECT_FALSE(teile.Neu({"T", "99", "noch eins"}));
    ASSERT_TRUE(maengel.Neu({"M", "99", "andere Tabelle"}));
    EXPECT_EQ(teile.Zeilen().size(), 4);
    EXPECT_EQ(maengel.Zeilen(), (QList<QStringList>{{"M", "99", "andere Tabelle"}}));
    EXPECT_FALSE(teile->SwitchControlEnabled_4_Mode_Edit(teile->FFieldIndNummer));
    EXPECT_TRUE(teile->SwitchControlEnabled_4_Mode_Edit(teile->FFieldIndBez));
    TestMeldungen::Erwarte("Bitte geben Sie eine Nummer ein");
    EXPECT_FALSE(teile->BuchenTesten(wrdonInsert, {}, {"T", "", "x"}));
    TestMeldungen::Erwarte("Bitte geben Sie eine Bezeichnung ein.");
    EXPECT_FALSE(teile->BuchenTesten(wrdonInsert, {}, {"T", "12", ""}));
}

TEST(Reklamationstabellen, ANumberUsedAsReturnReasonIsKeptInEveryTable) {
    TestDatenbank::Oeffne();
    Rueckgabe(1, "03");
    Offen<TXKRMLConfigurator> gruende("RGGRUND");
    Offen<TXKRMLConfigurator> teile("BANTEILE");
    ASSERT_TRUE(gruende.Neu({"U", "03", "Reklamation"}));
    ASSERT_TRUE(gruende.Neu({"U", "04", "Fehlkauf"}));
    ASSERT_TRUE(teile.Neu({"T", "03", "Reißverschluss"}));
    TestMeldungen::Erwarte("da dieser verwendet wird");
    EXPECT_FALSE(gruende.Loeschen({"U", "03", "Reklamation"}));
    // the return positions name the number only: the faulty-parts entry 03 stays too
    TestMeldungen::Erwarte("da dieser verwendet wird");
    EXPECT_FALSE(teile.Loeschen({"T", "03", "Reißverschluss"}));
    EXPECT_TRUE(gruende.Loeschen({"U", "04", "Fehlkauf"}));
    EXPECT_EQ(gruende.Zeilen(), (QList<QStringList>{{"U", "03", "Reklamation"}}));
    ASSERT_TRUE(gruende.Aendern({"U", "03", "Reklamation"}, {"U", "03", "Reklamation Kunde"}));
    EXPECT_EQ(gruende.Zeilen(), (QList<QStringList>{{"U", "03", "Reklamation Kunde"}}));
}

TEST(Reklamationstabellen, UnknownIdShowsMessage52) {
    TestDatenbank::Oeffne();
    Offen<TXKRMLConfigurator> rml;
    EXPECT_FALSE(rml->Execute("GARANTIE"));
    ASSERT_EQ(TestMeldungen::Gezeigt().size(), 1);
    EXPECT_EQ(TestMeldungen::Gezeigt()[0].Nummer, 52);
    EXPECT_EQ(TestMeldungen::Gezeigt()[0].Text, "Unbekannte Kennung \"GARANTIE\".");
    EXPECT_EQ(TXKRMLConfigurator::TypVonId("rggrund"), "U");
    EXPECT_EQ(TXKRMLConfigurator::CaptionVonId("MAENGEL"), "Reklamationen: Mängel");
}

TEST(Hauptgruppen, AttributesAndTheGoodsGroupScan) {
    TestDatenbank::Oeffne();
    {
        Twgnfile wgn;
        wgn.OpenNew(-1);
        for (int i = 1; i <= 30; ++i) {
            wgn.ClearBuffer();
            wgn.Wgs.SetWert("STD");
            wgn.Wgn.SetWert(QString::number(100 + i));
            wgn.Hg.SetWert(i == 30 ? "ds" : "HS");
            wgn.Write(wrdonInsert);
        }
    }
    Offen<TXKHGConfigurator> hg;
    ASSERT_TRUE(hg.Neu({"DS", "Damenschuhe", "Absatz", "Weite", "", "", "", "Farbe"}));
    ASSERT_TRUE(hg.Neu({"AC", "Accessoires", "", "", "", "", "", ""}));
    EXPECT_EQ(hg.Zeilen().first(), (QStringList{"AC", "Accessoires", "", "", "", "", "", ""}));
    EXPECT_EQ(hg.Zeilen().last(), (QStringList{"DS", "Damenschuhe", "Absatz", "Weite", "", "", "", "Farbe"}));
    ASSERT_TRUE(hg.Aendern(hg.Zeilen().last(), {"DS", "Damenschuhe", "Absatz", "Weite", "Schaft", "", "", ""}));
    EXPECT_EQ(hg.Zeilen().last(), (QStringList{"DS", "Damenschuhe", "Absatz", "Weite", "Schaft", "", "", ""}));
    TestMeldungen::Erwarte("wird noch benutzt (Warengruppen)");  // found ignoring case, in the last group
    EXPECT_FALSE(hg.Loeschen(hg.Zeilen().last()));
    EXPECT_TRUE(hg.Loeschen(hg.Zeilen().first()));
    TestMeldungen::Erwarte("Diese Hauptgruppe existiert bereits");
    EXPECT_FALSE(hg.Neu({"DS", "noch einmal", "", "", "", "", "", ""}));
    TestMeldungen::Erwarte("Bitte geben Sie eine Bezeichnung ein.");
    EXPECT_FALSE(hg->BuchenTesten(wrdonInsert, {}, {"", "ohne Code", "", "", "", "", "", ""}));
    EXPECT_FALSE(hg->SwitchControlEnabled_4_Mode_Edit(hg->FFieldIndHg));
}

TEST(Saisonbezeichnungen, LockedSystemEntriesAndTheSeasonScan) {
    TestDatenbank::Oeffne();
    {
        TStfile st;
        st.OpenNew(-1);
        st.ClearBuffer();
        st.SaisAbk.SetWert("F");
        st.Jahr.SetWert(2025);
        st.Write(wrdonInsert);
    }
    Offen<TXKSBConfigurator> sb;
    EXPECT_EQ(sb.NeueZeile(), (QStringList{"", "aktiv", "ja", ""}));
    ASSERT_TRUE(sb.Neu({"F", "aktiv", "ja", "Frühjahr/Sommer"}));
    ASSERT_TRUE(sb.Neu({"H", "aktiv", "nein", "Herbst/Winter"}));
    ASSERT_TRUE(sb.Neu({"X", "passiv", "ja", "Sonderkollektion"}));
    TestMeldungen::Erwarte("Diese Saisonbezeichnung darf nicht geändert werden.");
    EXPECT_FALSE(sb.Loeschen({"H", "aktiv", "nein", "Herbst/Winter"}));
    TestMeldungen::Erwarte("Die Saisonbezeichnung, die Sie löschen möchten, wird noch benutzt!");
    EXPECT_FALSE(sb.Loeschen({"F", "aktiv", "ja", "Frühjahr/Sommer"}));
    ASSERT_TRUE(sb.Aendern({"X", "passiv", "ja", "Sonderkollektion"}, {"X", "aktiv", "ja", "Sonderposten"}));
    EXPECT_EQ(sb.Zeile(0, "X"), (QStringList{"X", "aktiv", "ja", "Sonderposten"}));
    EXPECT_TRUE(sb.Loeschen({"X", "aktiv", "ja", "Sonderposten"}));
    TestMeldungen::Erwarte("Bitte geben Sie eine Kurzbezeichnung ein!");
    EXPECT_FALSE(sb->BuchenTesten(wrdonInsert, {}, {"", "aktiv", "ja", "x"}));
    TestMeldungen::Erwarte("Diese Saisonbezeichnung existiert bereits");
    EXPECT_FALSE(sb.Neu({"F", "aktiv", "ja", "doppelt"}));
    EXPECT_FALSE(sb->SwitchControlEnabled_4_Mode_Edit(sb->FFieldIndKuerzel));  // seasons keep the code
    Tsbfile f;
    f.OpenNew(-1);
    f.ClearBuffer();
    f.Kuerzel.SetKeyWert("H");
    ASSERT_TRUE(f.Get_eq());
    EXPECT_EQ(f.AktPas.GetWert(), "a");
    EXPECT_EQ(f.AendKz.GetWert(), "0");
}

TEST(Abwertungskennzeichen, RightsDecideOpeningAndTheModes) {
    TestDatenbank::Oeffne();
    {
        Offen<TXKABKZConfigurator> ab;
        EXPECT_TRUE(ab->AllowedModes().contains(xkefNew));
        ASSERT_TRUE(ab.Neu({"3", "50"}));
        TestMeldungen::Erwarte("existiert bereits");
        EXPECT_FALSE(ab.Neu({"3", "40"}));
        TestMeldungen::Erwarte("Bitte geben Sie ein Abwertungskennzeichen ein.");
        EXPECT_FALSE(ab->BuchenTesten(wrdonInsert, {}, {"0", "10"}));
        ASSERT_TRUE(ab.Aendern({"3", "50"}, {"3", "55"}));
        EXPECT_EQ(ab.Zeilen(), (QList<QStringList>{{"3", "55"}}));
        EXPECT_TRUE(XKClass<TXKABKZConfigurator>().RechtFuerKonfigVorhanden());
    }
    TestMeldungen::Zuruecksetzen();
    auto d = TestUmgebung::StandardSitzung();
    d.VerweigerteRechte = {114};
    TestUmgebung::SetzeSitzung(d);
    {
        Offen<TXKABKZConfigurator> ab;
        EXPECT_EQ(ab->AllowedModes(), (TXKEFModes{xkefView, xkefPrint}));  // silently: no message
        EXPECT_TRUE(TestMeldungen::Gezeigt().isEmpty());
        EXPECT_TRUE(XKClass<TXKABKZConfigurator>().RechtFuerKonfigVorhanden());
    }
    d.VerweigerteRechte = {113};
    TestUmgebung::SetzeSitzung(d);
    EXPECT_FALSE(XKClass<TXKABKZConfigurator>().RechtFuerKonfigVorhanden());
    ASSERT_EQ(TestMeldungen::Gezeigt().size(), 1);  // the host tells the user
    EXPECT_TRUE(TestMeldungen::Gezeigt()[0].Text.contains("113"));
}

TEST(Varianten, DeleteScansArticlesOrPicturesAndTheKeyStays) {
    TestDatenbank::Oeffne();
    {
        TAAFile aa;
        aa.OpenNew(-1);
        aa.ClearBuffer();
        aa.ArtNr.SetWert("1");
        aa.Variante3.SetWert("gore");
        aa.Write(wrdonInsert);
        TABilFile bil;
        bil.OpenNew(-1);
        bil.ClearBuffer();
        bil.ArtNr.SetWert("1");
        bil.Lnr.SetWert(1);
        bil.Variante.SetWert("VORN");
        bil.Write(wrdonInsert);
    }
    Offen<TXKVRConfigurator> vr;
    Offen<TXKBVRConfigurator> bvr;
    ASSERT_TRUE(vr.Neu({"GORE", "Gore-Tex Membran"}));
    ASSERT_TRUE(vr.Neu({"VORN", "wie ein Bild"}));
    ASSERT_TRUE(bvr.Neu({"VORN", "Vorderansicht"}));
    ASSERT_TRUE(bvr.Neu({"GORE", "wie eine Variante"}));
    TestMeldungen::Erwarte("Die Variante, die Sie löschen möchten, wird noch benutzt!");
    EXPECT_FALSE(vr.Loeschen({"GORE", "Gore-Tex Membran"}));
    TestMeldungen::Erwarte("Die Variante, die Sie löschen möchten, wird noch benutzt!");
    EXPECT_FALSE(bvr.Loeschen({"VORN", "Vorderansicht"}));
    // each scans its own referencing table only
    EXPECT_TRUE(vr.Loeschen({"VORN", "wie ein Bild"}));
    EXPECT_TRUE(bvr.Loeschen({"GORE", "wie eine Variante"}));
    EXPECT_EQ(vr.Zeilen(), (QList<QStringList>{{"GORE", "Gore-Tex Membran"}}));
    EXPECT_EQ(bvr.Zeilen(), (QList<QStringList>{{"VORN", "Vorderansicht"}}));
    TestMeldungen::Erwarte("Die Variante, die Sie anlegen möchten, existiert bereits!");
    EXPECT_FALSE(bvr.Neu({"VORN", "doppelt"}));
    TestMeldungen::Erwarte("mindestens 3 Zeichen");
    EXPECT_FALSE(vr.Neu({"KURZ", "ab"}));
    ASSERT_TRUE(vr.Aendern({"GORE", "Gore-Tex Membran"}, {"GORE", "wasserdichte Membran"}));
    EXPECT_EQ(vr.Zeilen(), (QList<QStringList>{{"GORE", "wasserdichte Membran"}}));
    EXPECT_FALSE(vr->SwitchControlEnabled_4_Mode_Edit(vr->FFieldIndVariante));
    EXPECT_EQ(bvr->FormCaptionUebersicht(), "Bild-Varianten");
}

TEST(Material, LikeTheColoursWithItsOwnTexts) {
    TestDatenbank::Oeffne();
    Offen<TXKMatConfigurator> mat;
    ASSERT_TRUE(mat.Neu({"0012", "Glattleder"}));
    ASSERT_TRUE(mat.Neu({"12", "Velours"}));  // the key is the number as typed
    TestMeldungen::Erwarte("Das Material, die Sie anlegen möchten, existiert bereits!");
    EXPECT_FALSE(mat.Neu({"12", "Nubuk"}));
    TestMeldungen::Erwarte("Bitte geben Sie eine Nummer für das Material ein.");
    EXPECT_FALSE(mat->BuchenTesten(wrdonInsert, {}, {"", "Nubuk"}));
    TestMeldungen::Erwarte("Bitte geben Sie eine Beschreibung für das Material ein.");
    EXPECT_FALSE(mat->BuchenTesten(wrdonInsert, {}, {"13", "  "}));
    EXPECT_EQ(mat->SetCount(), 2);
}
