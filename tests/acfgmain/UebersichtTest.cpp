// The tree of configuration types: rows, values per computer, the grouping of
// all computers into runs, disabled rows per view mode and the types a
// transfer takes.
#include "ACfgMainTestKlassen.h"
#include "acfg/TZEV_ACfg_TreeLogik.h"
#include "acfg/TZEV_ACfg_UebersichtMehrereRechner_Helper.h"

namespace {
using L = TZEV_ACfg_TreeLogik;
using H = TZEV_ACfg_UebersichtMehrereRechner_Helper;
namespace S = TZEV_ACfg_Spalte;

class ACfgUebersichtTest : public ACfgMainTest {
protected:
    TZEV_ACfg_TreeView tree;
    void Fuelle(int selRnr, bool uebersicht = false) {
        tree.SelRnr_Set(selRnr);
        tree.ACfgTyp_Set(1);
        tree.UebersichtAlleRechnerEinblenden_Set(uebersicht);
    }
    TVRRow* Zeile(TZEV_ACfgType_Erw typ) { return tree.RowOfTyp(typ); }
};
}  // namespace

TEST_F(ACfgUebersichtTest, RowsCarryTextsKindAndScopeSortedByCaption) {
    Fuelle(0);
    QStringList oben;
    for (int i = 0; i < tree.Rows().Count(); ++i) oben << tree.Rows().Row(i).Text(S::Bezeichnung);
    EXPECT_EQ(oben, QStringList({"Ablaufsteuerung", "Anzeige der Feiertage", "Reklamationen: beanstandete Teile",
                                 "Zahlungsverkehr"}));
    EXPECT_EQ(Kinder(Zeile(CTypZahlung), S::Typ), QStringList({"38", "66", "71"}));
    EXPECT_EQ(L::Art(Zeile(CTypKasse)), 1);
    EXPECT_EQ(L::Gueltigkeitsbereich(Zeile(CTypKasse)), 2);
    EXPECT_EQ(L::Gueltigkeitsbereich(Zeile(CTypSystem)), 1);
    EXPECT_EQ(L::Art(Zeile(CTypGruppe)), 2);
    EXPECT_EQ(L::Art(Zeile(CTypKonfigurator)), 3);
    // Not registered: texts only, kind and scope empty.
    EXPECT_EQ(Zeile(CTypOffen)->Text(S::Beschreibung).isEmpty(), false);
    EXPECT_EQ(Zeile(CTypOffen)->Text(S::Art), "");
    EXPECT_EQ(L::Art(Zeile(CTypOffen)), 0);
    EXPECT_FALSE(tree.IsColumnVisible(S::Wert));  // no computer selected
    // With the root row the whole tree hangs below it.
    tree.SetShowRootNode(true);
    tree.ACfgTyp_Set(1);
    ASSERT_EQ(tree.Rows().Count(), 1);
    EXPECT_EQ(L::Typ(&tree.Rows().Row(0)), 1);
}

TEST_F(ACfgUebersichtTest, TheValueColumnShowsTheSelectedComputersValue) {
    Speichere(*Kasse("Lade 2"), {2});
    Fuelle(1);
    EXPECT_TRUE(tree.IsColumnVisible(S::Wert));
    EXPECT_EQ(Zeile(CTypKasse)->Text(S::Wert), "Standard");
    EXPECT_EQ(Zeile(59)->Text(S::Wert), "Nein");
    EXPECT_EQ(Zeile(CTypGruppe)->Text(S::Wert), "");  // groups have no value
    tree.SelRnr_Set(2);
    EXPECT_EQ(Zeile(CTypKasse)->Text(S::Wert), "Lade 2");
    EXPECT_EQ(Zeile(CTypSystem)->Text(S::Wert), "");  // head office only
    tree.SelRnr_Set(4);  // a workstation has none of the test configurations
    EXPECT_EQ(Zeile(CTypKasse)->Text(S::Wert), "");
}

TEST_F(ACfgUebersichtTest, EqualValuesMakeOneGroupAndTheTypeKeepsItsValue) {
    Fuelle(1, true);
    const TVRRow* kasse = Zeile(CTypKasse);
    // Computers of types 1 to 3: 1, 2, 3 and 5; the workstation has none.
    EXPECT_EQ(Kinder(kasse, S::Bezeichnung), QStringList({"1-3,5"}));
    EXPECT_EQ(Kinder(kasse, S::Wert), QStringList({"Standard"}));
    EXPECT_EQ(kasse->Text(S::Wert), "Standard");
    EXPECT_EQ(L::Art(&kasse->Children->Row(0)), 0);
    EXPECT_TRUE(tree.isExpanded(tree.IndexOfRow(kasse)));
    // Switching the overview off removes the computer rows again.
    tree.UebersichtAlleRechnerEinblenden_Set(false);
    EXPECT_FALSE(Zeile(CTypKasse)->HasChildren());
    EXPECT_EQ(Zeile(CTypKasse)->Text(S::Wert), "Standard");
}

TEST_F(ACfgUebersichtTest, DifferentValuesMakeRunsInComparisonOrder) {
    Speichere(*Kasse("zehn", 10), {2, 5});
    Speichere(*Kasse("", 9), {3});  // 9 sorts before 10 and has no value text
    Fuelle(1, true);
    const TVRRow* kasse = Zeile(CTypKasse);
    EXPECT_EQ(Kinder(kasse, S::Bezeichnung), QStringList({"1", "3", "2,5"}));
    EXPECT_EQ(Kinder(kasse, S::Wert), QStringList({"Standard", "[Var2]", "zehn"}));
    EXPECT_EQ(kasse->Text(S::Wert), "");  // no single value
    EXPECT_EQ(L::RechnerListe(&kasse->Children->Row(2)), QList<int>({2, 5}));
}

TEST_F(ACfgUebersichtTest, GroupingWithoutQualifyingComputersOrWithABrokenObject) {
    H helper;
    const TRVRTab rechner;
    EXPECT_FALSE(helper.SeperateRechner_ByValues(CTypSystem, rechner));  // one object, no break-down
    EXPECT_FALSE(helper.SeperateRechner_ByValues(CTypOffen, rechner));   // not registered
    TZEV_ACfg_Registry::RegisterACfgClass(CTypOffen, ACfgFrameClass<TTestFrame>(), ACfgDataClass<TTestNiemandKonfig>());
    EXPECT_FALSE(helper.SeperateRechner_ByValues(CTypOffen, rechner));
    EXPECT_TRUE(helper.Gruppen().empty());

    // A broken object of one computer: message 1005 names type and computer,
    // the type gets no computer rows and the others are not affected.
    SpeichereRoh(CTypKasse, 3, "kaputt");
    TestMeldungen::Erwarte("acfgVerkKassenlade des Rechners 3 ist fehlerhaft", mrOk);  // the store's own report
    TestMeldungen::Erwarte("Die Konfiguration acfgVerkKassenlade des Rechners 3 konnte nicht geladen werden", mrOk);
    Fuelle(1, true);
    EXPECT_FALSE(Zeile(CTypKasse)->HasChildren());
    EXPECT_EQ(Kinder(Zeile(CTypTerminal), S::Bezeichnung), QStringList({"1-3,5"}));
}

TEST_F(ACfgUebersichtTest, DisabledRowsPerMode) {
    Fuelle(2);
    const TRVRTab& r = tree.Rechner();
    // Mode 1 on a till: the head-office type and the unregistered one cannot be edited.
    L::SetDisabledStateNodes(tree.Rows(), CACfgModus_EinRechner, 2, r);
    EXPECT_FALSE(Zeile(CTypKasse)->Disabled);
    EXPECT_FALSE(Zeile(CTypGruppe)->Disabled);
    EXPECT_TRUE(Zeile(CTypSystem)->Disabled);
    EXPECT_TRUE(Zeile(CTypOffen)->Disabled);
    EXPECT_TRUE(Zeile(CTypZahlung)->Disabled);  // a heading is never edited
    // Mode 2: leaves that can be copied; a row above when one of its rows can.
    L::SetDisabledStateNodes(tree.Rows(), CACfgModus_Kopieren, 2, r);
    EXPECT_FALSE(Zeile(CTypKasse)->Disabled);
    EXPECT_FALSE(Zeile(CTypZahlung)->Disabled);
    EXPECT_TRUE(Zeile(CTypOffen)->Disabled);
    EXPECT_TRUE(Zeile(CTypSystem)->Disabled);  // one object: nothing to copy
    EXPECT_TRUE(Zeile(CTypKonfigurator)->Disabled);
    EXPECT_FALSE(Zeile(CTypGruppe)->Disabled);
    // From the workstation nothing can be copied, so no row stays enabled.
    L::SetDisabledStateNodes(tree.Rows(), CACfgModus_Kopieren, 4, r);
    for (TVRRow* z : tree.AlleZeilen()) EXPECT_TRUE(z->Disabled) << z->Text(S::Bezeichnung).toStdString();
    L::SetDisabledStateNodes(tree.Rows(), CACfgModus_Uebersicht, 4, r);
    for (TVRRow* z : tree.AlleZeilen()) EXPECT_FALSE(z->Disabled);
}

TEST_F(ACfgUebersichtTest, ACheckedCollapsedBranchTakesItsCopyableTypesOnly) {
    Fuelle(2);
    tree.SetCheckMode(true);
    tree.SetDisabledStateNodes(CACfgModus_Kopieren);
    tree.ReinitInitalizedNodes();
    TVRRow* zahlung = Zeile(CTypZahlung);
    ASSERT_FALSE(tree.isExpanded(tree.IndexOfRow(zahlung)));
    tree.SetzeCheck(*zahlung, Qt::Checked);
    EXPECT_EQ(Zeile(CTypKasse)->Check, Qt::Checked);
    EXPECT_EQ(Zeile(CTypOffen)->Check, Qt::Unchecked);  // disabled
    EXPECT_EQ(L::GetSelConfigs(tree.Rows(), 2, tree.Rechner()), QList<TZEV_ACfgType_Erw>({38, 66}));
    // A checked row whose own flag says unchecked below: the nearest initialised
    // row decides, and a type that cannot be copied never joins.
    Zeile(CTypOffen)->Check = Qt::Checked;
    const auto nurOben = [&](const TVRRow& r) { return L::Parent(&r) == nullptr; };
    EXPECT_EQ(L::GetSelConfigs(tree.Rows(), 2, tree.Rechner(), nurOben), QList<TZEV_ACfgType_Erw>({38, 66}));
    // The same selection from the workstation copies nothing.
    EXPECT_TRUE(L::GetSelConfigs(tree.Rows(), 4, tree.Rechner()).isEmpty());

    // Unchecking one member makes the branch partly checked; a click on it then clears it.
    tree.SetzeCheck(*Zeile(CTypTerminal), Qt::Unchecked);
    EXPECT_EQ(zahlung->Check, Qt::PartiallyChecked);
    EXPECT_EQ(tree.GesamtZustand(), Qt::PartiallyChecked);
    const QModelIndex i = tree.IndexOfRow(zahlung);
    ASSERT_TRUE(tree.model()->setData(i, int(Qt::Checked), Qt::CheckStateRole));  // what a click on it sends
    EXPECT_EQ(zahlung->Check, Qt::Unchecked);
    EXPECT_EQ(Zeile(CTypKasse)->Check, Qt::Unchecked);
    tree.AlleSetzen(true);
    EXPECT_EQ(tree.GesamtZustand(), Qt::Checked);
    EXPECT_EQ(L::GetSelConfigs(tree.Rows(), 2, tree.Rechner()), QList<TZEV_ACfgType_Erw>({38, 59, 60, 66}));
}

TEST_F(ACfgUebersichtTest, EvenRowsAreTintedPerLevel) {
    Fuelle(1);
    const TVRRow& erste = tree.Rows().Row(0);
    const TVRRow& zweite = tree.Rows().Row(1);
    EXPECT_EQ(L::ZeilenFarbe(erste), TQLNForm::GetQLNColor(121));
    EXPECT_FALSE(L::ZeilenFarbe(zweite).isValid());
    const QColor tiefer = L::ZeilenFarbe(Zeile(CTypTerminal)->Owner->Row(0));
    EXPECT_LT(tiefer.lightness(), TQLNForm::GetQLNColor(121).lightness());
}
