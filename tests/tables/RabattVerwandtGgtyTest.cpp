// Discount types (running number, delete test in the worker), relationship
// types (deleting their relations) and size-run purposes (rules 1 to 5).

#include "testkit/TestTabelle.h"
#include "host/managers/TZEV_TalternGGmani.h"
#include "host/records/TAAGGFile.h"
#include "host/records/Trabfile.h"
#include "host/records/Tvtypfile.h"
#include "tables/TXKGGTYConfigurator.h"
#include "tables/TXKRabtypConfigurator.h"
#include "tables/TXKVerwandtConfigurator.h"
#include "testkit/TestDatenbank.h"
#include "testkit/TestMeldungen.h"
#include "testkit/TestUmgebung.h"

#include <gtest/gtest.h>

namespace {
void Rabatt(const QString& typ, int rnr, int lnr, const QString& name) {
    Trabfile f;
    f.OpenNew(-1);
    f.ClearBuffer();
    f.Typ.SetWert(typ);
    f.Rnr.SetWert(rnr);
    f.Lnr.SetWert(lnr);
    f.Name.SetWert(name);
    f.Relevanz.SetWert("B");
    f.Write(wrdonInsert);
}
template <class F>
void Zuordnung(F& f, const QString& typ, int rnr, int lnr) {
    f.RabTyp.SetWert(typ);
    f.RabRnr.SetWert(rnr);
    f.RabLnr.SetWert(lnr);
    f.Write(wrdonInsert);
}
void Relation(const QString& kennung, const QString& a, const QString& b) {
    Tvprofile f;
    f.OpenNew(-1);
    f.ClearBuffer();
    f.Kennung.SetWert(kennung);
    f.ArtNr1.SetWert(a);
    f.ArtNr2.SetWert(b);
    f.Write(wrdonInsert);
}
QStringList Relationen() {
    Tvprofile f;
    f.OpenNew(-1);
    f.ClearBuffer();
    QStringList out;
    for (bool ok = f.Get_first(); ok; ok = f.Get_next()) out << f.Kennung.GetWert() + ":" + f.ArtNr1.GetWert();
    return out;
}
void Regel(const QString& typ, const QString& gg) {
    TAAGGFile f;
    f.OpenNew(-1);
    f.ClearBuffer();
    f.GgTyp.SetWert(typ);
    f.Gg.SetWert(gg);
    f.Lnr.SetWert(1);
    f.Write(wrdonInsert);
}
}  // namespace

TEST(Rabattarten, RunningNumberPerComputerAndType) {
    TestDatenbank::Oeffne();
    Rabatt("L", 1, 7, "Skonto");     // the supplier type's numbers must not decide
    Rabatt("K", 2, 50, "fremder Rechner");
    Offen<TXKRabtypConfigurator> kund("KUNDRAB");
    EXPECT_EQ(kund->NaechsteLnr(), 1);
    ASSERT_TRUE(kund.Neu({"", "", "Treuerabatt", "Warenwirtschaft und Rechnung", "N"}));
    ASSERT_TRUE(kund.Neu({"", "", "Personalrabatt", "nur Warenwirtschaft", "J"}));
    EXPECT_EQ(kund.Zeilen(), (QList<QStringList>{{"1", "1", "Treuerabatt", "Warenwirtschaft und Rechnung", "N"},
                                                 {"1", "2", "Personalrabatt", "nur Warenwirtschaft", "J"},
                                                 {"2", "50", "fremder Rechner", "Warenwirtschaft und Rechnung", "N"}}));
    Offen<TXKRabtypConfigurator> lief("LIEFRAB");
    ASSERT_TRUE(lief.Neu({"", "", "Mengenrabatt", "nur Rechnung", "N"}));
    EXPECT_EQ(lief.Zeilen().last(), (QStringList{"1", "8", "Mengenrabatt", "nur Rechnung", "N"}));
    // with more customer types than supplier types the next customer number is still free
    ASSERT_TRUE(kund.Neu({"", "", "Geburtstag", "nur Rechnung", "N"}));
    EXPECT_EQ(kund.Zeile(2, "Geburtstag").value(1), "3");
    ASSERT_TRUE(kund.Aendern({"1", "2", "Personalrabatt", "nur Warenwirtschaft", "J"},
                             {"1", "2", "Mitarbeiterrabatt", "nur Rechnung", "N"}));
    EXPECT_EQ(kund.Zeile(1, "2"), (QStringList{"1", "2", "Mitarbeiterrabatt", "nur Rechnung", "N"}));
    TestMeldungen::Erwarte("Die von Ihnen eingegebene Bezeichnung darf nicht verwendet werden.");
    EXPECT_FALSE(kund.Neu({"", "", "ARTIKELRABATT", "nur Rechnung", "N"}));
    TestMeldungen::Erwarte("Bitte geben Sie eine Bezeichnung ein.");
    EXPECT_FALSE(kund->BuchenTesten(wrdonInsert, {}, {"", "", " ", "nur Rechnung", "N"}));
    EXPECT_EQ(XKClass<TXKRabtypConfigurator>().Groups("LIEFRAB"), "ARTV");
    EXPECT_EQ(XKClass<TXKRabtypConfigurator>().Groups("KUNDRAB"), "VERK");
}

TEST(Rabattarten, UsedOnlyInTheThirdAssignmentFileIsRefusedAfterAllThreeLookups) {
    TestDatenbank::Oeffne();
    Rabatt("L", 1, 1, "Messerabatt");
    Rabatt("L", 1, 2, "Saisonrabatt");
    {
        // near misses in the first two files: another type, computer or number
        Trabafile a;
        a.OpenNew(-1);
        a.ClearBuffer();
        a.ArtNr.SetWert("100007");
        Zuordnung(a, "K", 1, 1);
        Trablfile l;
        l.OpenNew(-1);
        l.ClearBuffer();
        l.Lieferant.SetWert(70001);
        Zuordnung(l, "L", 2, 1);
        l.ClearBuffer();
        l.Lieferant.SetWert(70002);
        Zuordnung(l, "L", 1, 3);
        Trabgfile g;
        g.OpenNew(-1);
        g.ClearBuffer();
        g.Wgs.SetWert("STD");
        g.Wgn.SetWert("100");
        Zuordnung(g, "L", 1, 1);
    }
    TXKRabtypBuchenTestenThread benutzt("L", 1, 1);
    EXPECT_EQ(benutzt.Ausfuehren(nullptr), 1);
    EXPECT_EQ(benutzt.GepruefteDateien(), 3);
    TXKRabtypBuchenTestenThread frei("L", 2, 1);
    EXPECT_EQ(frei.Ausfuehren(nullptr), 0);
    EXPECT_EQ(frei.GepruefteDateien(), 3);

    Offen<TXKRabtypConfigurator> lief("LIEFRAB");
    TestMeldungen::Erwarte("Dieser Rabatt ist in Benutzung. Löschen nicht möglich.");
    EXPECT_FALSE(lief.Loeschen({"1", "1", "Messerabatt", "Warenwirtschaft und Rechnung", "N"}));
    EXPECT_TRUE(lief.Loeschen({"1", "2", "Saisonrabatt", "Warenwirtschaft und Rechnung", "N"}));
    EXPECT_EQ(lief.Zeilen().size(), 1);
}

TEST(Verwandtschaftstypen, DeletingATypeWithRelationsAsksAndDeletesThemOnYesOnly) {
    TestDatenbank::Oeffne();
    Offen<TXKVerwandtConfigurator> vt;
    EXPECT_EQ(vt->AllowedModes(), (TXKEFModes{1, 2, 3, 4, 5}));
    ASSERT_TRUE(vt.Neu({"ZU", "Zubehör", "", "J"}));
    ASSERT_TRUE(vt.Neu({"AL", "Alternative", "", "N"}));
    Relation("AL", "1", "2");
    Relation("ZU", "1", "3");
    Relation("ZU", "2", "4");
    Relation("ZV", "5", "6");  // a code right behind "ZU"
    const QStringList zu{"ZU", "Zubehör", "J", "J"};
    EXPECT_EQ(vt.Zeile(0, "ZU"), zu);  // user types are changeable
    TestMeldungen::Erwarte("hat noch Zuordnungen", mrNein);
    EXPECT_FALSE(vt.Loeschen(zu));
    EXPECT_EQ(Relationen(), (QStringList{"AL:1", "ZU:1", "ZU:2", "ZV:5"}));
    EXPECT_EQ(vt.Zeilen().size(), 2);
    TestMeldungen::Erwarte("hat noch Zuordnungen", mrJa);
    EXPECT_TRUE(vt.Loeschen(zu));
    EXPECT_EQ(Relationen(), (QStringList{"AL:1", "ZV:5"}));
    EXPECT_EQ(vt.Zeilen(), (QList<QStringList>{{"AL", "Alternative", "J", "N"}}));
    ASSERT_TRUE(vt.Neu({"SE", "Set", "", "N"}));
    EXPECT_TRUE(vt.Loeschen({"SE", "Set", "J", "N"}));  // no relations: no question
}

TEST(Verwandtschaftstypen, OnlyTheDesignationChangesAndSystemTypesStay) {
    TestDatenbank::Oeffne();
    {
        Tvtypfile f;
        f.OpenNew(-1);
        f.ClearBuffer();
        f.Kennung.SetWert("NF");
        f.Bez.SetWert("Nachfolger");
        f.Aender.SetWert(false);
        f.Gerichtet.SetWert(true);
        f.Write(wrdonInsert);
    }
    Offen<TXKVerwandtConfigurator> vt;
    const QStringList nf{"NF", "Nachfolger", "N", "J"};
    EXPECT_EQ(vt.Zeilen(), QList<QStringList>{nf});
    TestMeldungen::Erwarte("Es darf nachträglich nur die Bezeichnung geändert werden");
    EXPECT_FALSE(vt.Aendern(nf, {"NF", "Nachfolger", "N", "N"}));
    TestMeldungen::Erwarte("Es darf nachträglich nur die Bezeichnung geändert werden");
    EXPECT_FALSE(vt->BuchenTesten(wrdonUpdate, nf, {"NX", "Nachfolger", "N", "J"}));
    ASSERT_TRUE(vt.Aendern(nf, {"NF", "Nachfolgeartikel", "J", "J"}));  // the flag is not written
    EXPECT_EQ(vt.Zeilen(), (QList<QStringList>{{"NF", "Nachfolgeartikel", "N", "J"}}));
    TestMeldungen::Erwarte("Das Löschen dieses Verwandschaftstypen ist nicht erlaubt.");
    EXPECT_FALSE(vt.Loeschen({"NF", "Nachfolgeartikel", "N", "J"}));
    TestMeldungen::Erwarte("Das eingegbene Kürzel existiert bereits.");
    EXPECT_FALSE(vt.Neu({"NF", "doppelt", "", "J"}));
    TestMeldungen::Erwarte("Bitte geben Sie eine zweistellige Kennung ein.");
    EXPECT_FALSE(vt->BuchenTesten(wrdonInsert, {}, {"N", "kurz", "", "J"}));
    EXPECT_TRUE(vt->SwitchControlEnabled_4_Mode_Edit(vt->FFieldIndBez));
    EXPECT_FALSE(vt->SwitchControlEnabled_4_Mode_Edit(vt->FFieldIndGerichtet));
}

TEST(GroessengangTypen, RulesOneToFive) {
    TestDatenbank::Oeffne();
    Offen<TXKGGTYConfigurator> gt;
    const auto nummer = [](int n) {
        for (const TestMeldung& m : TestMeldungen::Gezeigt())
            if (m.Kategorie == "TRIVELTA" && m.Nummer == n) return true;
        return false;
    };
    // new lines: "Änderbar" is locked and set to its only value
    EXPECT_EQ(gt.NeueZeile(), (QStringList{"", "", "J"}));
    EXPECT_FALSE(gt->SwitchControlEnabled_4_Mode_New(gt->FFieldIndAenderbar));
    EXPECT_TRUE(gt->SwitchControlEnabled_4_Mode_New(gt->FFieldIndTyp));
    ASSERT_TRUE(gt.Neu({"LIEF", "Lieferantengrößen", "J"}));
    ASSERT_TRUE(gt.Neu({"KIND", "Kindergrößen", "J"}));
    {
        Tggtyfile f;
        f.OpenNew(-1);
        f.ClearBuffer();
        f.Typ.SetWert("ETIK");
        f.Bezeichnung.SetWert("Etikettendruck");
        f.Aenderbar.SetWert("N");
        f.Write(wrdonInsert);
    }
    Regel("LIEF", "H01");
    EXPECT_EQ(TZEV_TalternGGmani().GGTYList_Get(),
              (QList<TZEV_GGTYDaten>{{"ETIK", "Etikettendruck"}, {"KIND", "Kindergrößen"}, {"LIEF", "Lieferantengrößen"}}));

    // 1: type and designation required
    EXPECT_FALSE(gt->BuchenTesten(wrdonInsert, {}, {"", "x", "J"}));
    EXPECT_TRUE(nummer(1047));
    EXPECT_FALSE(gt->BuchenTesten(wrdonInsert, {}, {"TEST", " ", "J"}));
    EXPECT_TRUE(nummer(1048));
    // 2: the system's types are neither changed nor deleted
    const QStringList etik{"ETIK", "Etikettendruck", "N"};
    TestMeldungen::Zuruecksetzen();
    EXPECT_FALSE(gt->BuchenTesten(wrdonUpdate, etik, {"ETIK", "Etiketten", "N"}));
    EXPECT_TRUE(nummer(1049));
    TestMeldungen::Zuruecksetzen();
    EXPECT_FALSE(gt.Loeschen(etik));
    EXPECT_TRUE(nummer(1049));
    // 3: a type in the manager's list is not created again
    EXPECT_FALSE(gt.Neu({"KIND", "Kinder", "J"}));
    EXPECT_TRUE(nummer(1050));
    // 4: a type that a rule uses is not deleted; the message names the size run
    TestMeldungen::Zuruecksetzen();
    EXPECT_FALSE(gt.Loeschen({"LIEF", "Lieferantengrößen", "J"}));
    ASSERT_TRUE(nummer(1051));
    EXPECT_TRUE(TestMeldungen::Texte().last().contains("H01"));
    // 5: refused without a message: a used type's designation
    TestMeldungen::Zuruecksetzen();
    EXPECT_FALSE(gt.Aendern({"LIEF", "Lieferantengrößen", "J"}, {"LIEF", "Größen der Lieferanten", "J"}));
    EXPECT_FALSE(gt->BuchenTesten(wrdonUpdate, {"KIND", "Kindergrößen", "J"}, {"KIND", "Kindergrößen", "N"}));
    EXPECT_TRUE(TestMeldungen::Gezeigt().isEmpty());
    // an unused type changes and goes
    ASSERT_TRUE(gt.Aendern({"KIND", "Kindergrößen", "J"}, {"KIND", "Größen für Kinder", "J"}));
    EXPECT_EQ(gt.Zeile(0, "KIND"), (QStringList{"KIND", "Größen für Kinder", "J"}));
    EXPECT_TRUE(gt.Loeschen({"KIND", "Größen für Kinder", "J"}));
    EXPECT_EQ(gt.Zeilen().size(), 2);
    EXPECT_FALSE(gt->SwitchControlEnabled_4_Mode_Edit(gt->FFieldIndTyp));
    EXPECT_FALSE(gt->SwitchControlEnabled_4_Mode_Edit(gt->FFieldIndAenderbar));
}
