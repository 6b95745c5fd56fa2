// The configuration window and the transfer dialog: view modes, the lock on
// other computer types, the work guard, editing by row kind, search, and a
// transfer from the check box to the store.
#include "ACfgMainTestKlassen.h"
#include "acfg/TVerk15Configurator.h"
#include "acfg/TZEV_ACfg_UebertragungFrm.h"
#include "acfg/TZEV_RechnerAuswahlView.h"
#include "acfg/TZEV_RechnerCombobox.h"
#include "acfg/TZEV_VTree_CheckNodesBox.h"
#include "acfg/TfrmACfgMain.h"
#include "host/acfg/TZEV_ACfgEditFrm.h"
#include "host/ui/TAutoCompleteDlg.h"
#include "registry/TXKACfgDienst.h"
#include "testkit/TestFenster.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {
namespace S = TZEV_ACfg_Spalte;

TTestFrame* Frame(TQLNForm& f) { return dynamic_cast<TTestFrame*>(static_cast<TZEV_ACfgEditFrm&>(f).Frame()); }

int Speichern(TQLNForm& f, const QString& text) {
    EXPECT_TRUE(TestFenster::Aktiviere(f));
    if (TTestFrame* fr = Frame(f)) fr->edtText->setText(text);
    QTest::keyClick(&f, Qt::Key_F5);
    return f.result();
}

class ACfgFensterTest : public ACfgMainTest {
protected:
    std::unique_ptr<TfrmACfgMain> Oeffne(TZEV_ACfgType_Erw root = 1) {
        auto frm = std::make_unique<TfrmACfgMain>();
        frm->ACfgTyp_Set(root);
        frm->FormShow();
        return frm;
    }
    static void Waehle(TfrmACfgMain& frm, TZEV_ACfgType_Erw typ) {
        TVRRow* r = frm.vtKonfig->RowOfTyp(typ);
        ASSERT_NE(r, nullptr);
        frm.vtKonfig->SelectRow(r);
    }
    static void Ansicht(TfrmACfgMain& frm, int modus) { frm.cmbAnsicht->setCurrentIndex(frm.cmbAnsicht->findData(modus)); }
};
}  // namespace

TEST_F(ACfgFensterTest, ViewModesSwitchButtonsComboAndCheckBoxes) {
    auto frm = Oeffne();
    EXPECT_EQ(frm->windowTitle(), "Konfiguration Verkaufserfassung - Testgruppe");
    EXPECT_EQ(frm->lblUeberschrift->text(), "Konfiguration Verkaufserfassung");
    ASSERT_EQ(frm->cmbAnsicht->count(), 3);
    EXPECT_EQ(frm->cmbAnsicht->itemText(2), "Übersicht alle Rechner");
    EXPECT_EQ(frm->MaskenModus(), 1);
    EXPECT_EQ(frm->SelRNr(), 1);
    EXPECT_EQ(frm->cmbRechner->RNr_Get(), 1);
    const auto sichtbar = [&](QWidget* w) { return w->isVisibleTo(frm.get()); };
    EXPECT_TRUE(sichtbar(frm->btnBearbeiten));
    EXPECT_FALSE(sichtbar(frm->btnTransferSelCfgs));
    EXPECT_FALSE(sichtbar(frm->CheckNodesBox));
    EXPECT_FALSE(frm->vtKonfig->CheckMode());

    Ansicht(*frm, 2);
    EXPECT_EQ(frm->MaskenModus(), 2);
    EXPECT_TRUE(sichtbar(frm->btnTransferSelCfgs));
    EXPECT_TRUE(frm->btnTransferSelCfgs->isEnabled());
    EXPECT_FALSE(sichtbar(frm->btnBearbeiten));
    EXPECT_TRUE(sichtbar(frm->CheckNodesBox));
    EXPECT_TRUE(frm->vtKonfig->CheckMode());
    EXPECT_TRUE(frm->vtKonfig->RowOfTyp(CTypKasse)->Checkable);
    EXPECT_TRUE(frm->vtKonfig->RowOfTyp(CTypSystem)->Disabled);
    frm->CheckNodesBox->click();
    EXPECT_EQ(frm->vtKonfig->RowOfTyp(CTypKasse)->Check, Qt::Checked);
    EXPECT_EQ(frm->CheckNodesBox->checkState(), Qt::Checked);

    Ansicht(*frm, 3);
    EXPECT_FALSE(sichtbar(frm->cmbRechner));
    EXPECT_FALSE(sichtbar(frm->btnTransferSelCfgs));
    EXPECT_FALSE(sichtbar(frm->CheckNodesBox));
    EXPECT_FALSE(frm->vtKonfig->CheckMode());
    EXPECT_TRUE(frm->vtKonfig->UebersichtAlleRechnerEinblenden());
    EXPECT_TRUE(frm->vtKonfig->RowOfTyp(CTypKasse)->HasChildren());
    EXPECT_FALSE(frm->vtKonfig->RowOfTyp(CTypSystem)->Disabled);
    EXPECT_EQ(frm->ProgressCount(), 0);
    EXPECT_FALSE(frm->ProgressVisible());

    Ansicht(*frm, 1);
    EXPECT_FALSE(frm->vtKonfig->RowOfTyp(CTypKasse)->HasChildren());
    EXPECT_TRUE(sichtbar(frm->cmbRechner));
}

TEST_F(ACfgFensterTest, OtherComputerTypesAreLockedToTheirOwnValues) {
    AufRechner(2, 3);
    Speichere(*Kasse("Lade 2"), {2});
    auto frm = Oeffne();
    EXPECT_FALSE(frm->cmbAnsicht->isVisibleTo(frm.get()));
    EXPECT_FALSE(frm->lblAnsicht->isVisibleTo(frm.get()));
    EXPECT_FALSE(frm->cmbRechner->isEnabled());
    EXPECT_EQ(frm->MaskenModus(), 1);
    EXPECT_EQ(frm->SelRNr(), 2);
    EXPECT_EQ(frm->vtKonfig->RowOfTyp(CTypKasse)->Text(S::Wert), "Lade 2");
}

TEST_F(ACfgFensterTest, ARefusedGuardUndoesComboChanges) {
    auto frm = Oeffne();
    {
        const TQLNWorkGuard laeuft(frm.get(), "Test", 15);
        frm->cmbRechner->RNr_Set(3);
        Ansicht(*frm, 3);
    }
    EXPECT_EQ(frm->cmbRechner->RNr_Get(), 1);
    EXPECT_EQ(frm->SelRNr(), 1);
    EXPECT_EQ(frm->cmbAnsicht->currentData().toInt(), 1);
    EXPECT_EQ(frm->MaskenModus(), 1);
    // Admitted, the change goes through and the values follow.
    Speichere(*Kasse("Lade 3"), {3});
    frm->cmbRechner->RNr_Set(3);
    EXPECT_EQ(frm->SelRNr(), 3);
    EXPECT_EQ(frm->vtKonfig->RowOfTyp(CTypKasse)->Text(S::Wert), "Lade 3");
    EXPECT_EQ(frm->ProgressCount(), 0);
}

TEST_F(ACfgFensterTest, EditingInViewOneRefreshesTheValueOrShowsReadOnly) {
    auto frm = Oeffne();
    Waehle(*frm, CTypKasse);
    TestModal::Dann([](TQLNForm& f) { return Speichern(f, "geändert"); }, "TZEV_ACfgEditFrm");
    frm->Execute_KonfigBearbeitung();
    EXPECT_EQ(frm->vtKonfig->RowOfTyp(CTypKasse)->Text(S::Wert), "geändert");
    EXPECT_EQ(Lade<TTestKassenKonfig>(CTypKasse, 1)->Text, "geändert");
    // The head-office type on a till: only shown.
    frm->cmbRechner->RNr_Set(2);
    Waehle(*frm, CTypSystem);
    TestModal::Dann([](TQLNForm& f) {
        EXPECT_TRUE(static_cast<TZEV_ACfgEditFrm&>(f).NurAnzeige());
        return 0;
    }, "TZEV_ACfgEditFrm");
    frm->Execute_KonfigBearbeitung();
    // A heading: nothing to edit or show, no window, no error.
    Waehle(*frm, CTypZahlung);
    frm->Execute_KonfigBearbeitung();
    EXPECT_EQ(TestModal::Anzahl(), 2);
}

TEST_F(ACfgFensterTest, ViewThreeEditsByRowKind) {
    Speichere(*Kasse("zehn", 10), {2, 5});
    TZEV_ACfg_Registry::RegisterACfgClass(CTypOffen, ACfgFrameClass<TTestFrame>(), ACfgDataClass<TTestNiemandKonfig>());
    TZEV_ACfg_Registry::InstallXKDienst(std::make_unique<TXKACfgDienst>());
    auto frm = Oeffne();
    Ansicht(*frm, 3);
    TZEV_ACfg_TreeView& t = *frm->vtKonfig;
    ASSERT_EQ(Kinder(t.RowOfTyp(CTypKasse), S::Bezeichnung), QStringList({"1,3", "2,5"}));

    // A computer row: one object for its computers; the groups are rebuilt.
    t.SelectRow(&t.RowOfTyp(CTypKasse)->Children->Row(1));
    TestModal::Dann([](TQLNForm& f) {
        EXPECT_TRUE(static_cast<TZEV_ACfgEditFrm&>(f).RechnerText().contains("5"));
        return Speichern(f, "Standard");
    }, "TZEV_ACfgEditFrm");
    frm->Execute_KonfigBearbeitung();
    EXPECT_EQ(Lade<TTestKassenKonfig>(CTypKasse, 5)->Text, "Standard");
    EXPECT_EQ(Lade<TTestKassenKonfig>(CTypKasse, 1)->Text, "Standard");
    EXPECT_EQ(Kinder(t.RowOfTyp(CTypKasse), S::Bezeichnung), QStringList({"1,3", "2,5"}));  // Anzahl still differs

    // The type row: one object for the computers of all its rows.
    Waehle(*frm, CTypKasse);
    TestModal::Dann([](TQLNForm& f) { return Speichern(f, "alle"); }, "TZEV_ACfgEditFrm");
    frm->Execute_KonfigBearbeitung();
    for (const int rnr : {1, 2, 3, 5}) EXPECT_EQ(Lade<TTestKassenKonfig>(CTypKasse, rnr)->Text, "alle") << rnr;
    EXPECT_EQ(Kinder(t.RowOfTyp(CTypKasse), S::Bezeichnung), QStringList({"1-3,5"}));

    // A per-computer type no computer has: nothing to store for, the user is told.
    Waehle(*frm, CTypOffen);
    frm->Execute_KonfigBearbeitung();
    EXPECT_EQ(TestModal::Anzahl(), 2);
    ASSERT_FALSE(TestMeldungen::Texte().isEmpty());
    EXPECT_TRUE(TestMeldungen::Texte().last().contains("keinen Rechner")) << TestMeldungen::Texte().last().toStdString();

    // One object for all: edited through the selected computer.
    Waehle(*frm, CTypSystem);
    TestModal::Dann([](TQLNForm& f) { return Speichern(f, "Zentrale"); }, "TZEV_ACfgEditFrm");
    frm->Execute_KonfigBearbeitung();
    EXPECT_EQ(t.RowOfTyp(CTypSystem)->Text(S::Wert), "");  // the test frame does not write this class

    // A group: its frame for the selected computer; the members are refreshed.
    Waehle(*frm, CTypGruppe);
    TestModal::Dann([](TQLNForm& f) {
        EXPECT_TRUE(TestFenster::Aktiviere(f));
        auto* g = dynamic_cast<TTestGruppenFrame*>(static_cast<TZEV_ACfgEditFrm&>(f).Frame());
        EXPECT_NE(g, nullptr);
        if (g && !g->Boxen.isEmpty()) g->Boxen[0]->setChecked(true);
        QTest::keyClick(&f, Qt::Key_F5);
        return f.result();
    }, "TZEV_ACfgEditFrm");
    frm->Execute_KonfigBearbeitung();
    // Members edited through their group have no frame of their own and no computer rows.
    EXPECT_EQ(t.RowOfTyp(59)->Text(S::Wert), "Ja");
    EXPECT_TRUE(Lade<TTestSchalter>(59, 1)->An);
    EXPECT_FALSE(Lade<TTestSchalter>(59, 2)->An);

    // A heading is no computer row: nothing happens.
    Waehle(*frm, CTypZahlung);
    frm->Execute_KonfigBearbeitung();
    EXPECT_EQ(TestModal::Anzahl(), 4);

    // A configurator type is started, nothing is refreshed.
    Waehle(*frm, CTypKonfigurator);
    frm->Execute_KonfigBearbeitung();
    EXPECT_EQ(TTestXKConfigurator::Gestartet, 1);
}

TEST_F(ACfgFensterTest, TransferFromTheCheckBoxToTheStore) {
    Speichere(*Kasse("Quelle", 7), {2});
    AufRechner(1, 1);
    auto frm = Oeffne();
    frm->cmbRechner->RNr_Set(2);
    Ansicht(*frm, 2);
    // Nothing checked: 1011, no dialog.
    frm->btnTransferSelCfgsClick();
    EXPECT_EQ(TestModal::Anzahl(), 0);
    EXPECT_TRUE(TestMeldungen::Texte().last().contains("mindestens eine Konfiguration"));

    frm->vtKonfig->SetzeCheck(*frm->vtKonfig->RowOfTyp(CTypZahlung), Qt::Checked);
    TestModal::Dann([](TQLNForm& f) {
        auto& dlg = static_cast<TZEV_ACfg_UebertragungFrm&>(f);
        EXPECT_TRUE(TestFenster::Aktiviere(f));
        EXPECT_EQ(dlg.FCfgsToTransfer, QList<TZEV_ACfgType_Erw>({38, 66}));
        EXPECT_EQ(dlg.cmbQuellrechner->RNr_Get(), 2);
        EXPECT_EQ(dlg.RechnerAuswahlView->Angeboten(), QList<int>({1, 3, 4, 5}));  // never the source
        dlg.btnWeiterClick();  // no target: 1012, stays
        EXPECT_TRUE(TestMeldungen::Texte().last().contains("mindestens einen Rechner"));
        dlg.RechnerAuswahlView->SelRNr_Set({3, 4});
        TestMeldungen::Erwarte("wirklich", mrNein);
        dlg.btnWeiterClick();
        QCoreApplication::processEvents();
        EXPECT_TRUE(dlg.isVisible());
        TestMeldungen::Erwarte("wirklich", mrJa);
        dlg.btnWeiterClick();
        QCoreApplication::processEvents();
        EXPECT_FALSE(dlg.isVisible());
        return dlg.result();
    }, "TZEV_ACfg_UebertragungFrm");
    frm->btnTransferSelCfgsClick();
    EXPECT_EQ(Gespeichert(CTypKasse, 3), Kasse("Quelle", 7)->Serialisieren());
    EXPECT_EQ(Gespeichert(CTypTerminal, 3).isEmpty(), false);
    EXPECT_EQ(Gespeichert(CTypKasse, 4), "");  // not a computer of the class's types
    EXPECT_EQ(Gespeichert(CTypKasse, 5), "");  // not chosen
    EXPECT_EQ(frm->MaskenModus(), 1);
    EXPECT_EQ(frm->cmbAnsicht->currentData().toInt(), 1);
    EXPECT_EQ(frm->ProgressCount(), 0);
}

TEST_F(ACfgFensterTest, TransferDialogFiltersTheTreeAndFollowsWithDetails) {
    TZEV_ACfg_UebertragungFrm dlg;
    dlg.FCfgsToTransfer = {66, 59, 38};
    dlg.QuellRechner_Set(2);
    ASSERT_TRUE(TestFenster::Aktiviere(dlg));
    TZEV_ACfg_TreeView& t = *dlg.vtCfgsToTransfer;
    EXPECT_EQ(dlg.FCfgsToTransfer, QList<TZEV_ACfgType_Erw>({38, 59, 66}));
    for (const int typ : {1, 2, 58, 38, 59, 66}) EXPECT_FALSE(t.RowVersteckt(*t.RowOfTyp(typ))) << typ;
    for (const int typ : {71, 60, 174, 10}) EXPECT_TRUE(t.RowVersteckt(*t.RowOfTyp(typ))) << typ;
    EXPECT_TRUE(t.isExpanded(t.IndexOfRow(t.RowOfTyp(CTypZahlung))));

    t.SelectRow(t.RowOfTyp(CTypGruppe));
    dlg.btnDetailsCfgsToTransferClick();
    EXPECT_EQ(dlg.DetailFenster(), nullptr);  // a group row: nothing
    t.SelectRow(t.RowOfTyp(CTypKasse));
    dlg.btnDetailsCfgsToTransferClick();
    ASSERT_NE(dlg.DetailFenster(), nullptr);
    EXPECT_TRUE(dlg.DetailFenster()->isVisible());
    const auto ueberschrift = [&] {
        return dlg.DetailFenster()->findChild<QLabel*>("lblUeberschrift")->text();
    };
    EXPECT_TRUE(ueberschrift().contains("Kassenlade"));
    t.SelectRow(t.RowOfTyp(CTypTerminal));
    EXPECT_TRUE(ueberschrift().contains("Kartenterminal"));
    EXPECT_TRUE(dlg.DetailFenster()->isVisible());
    t.SelectRow(t.RowOfTyp(CTypZahlung));  // not kind 1: hides it
    EXPECT_FALSE(dlg.DetailFenster()->isVisible());
}

TEST_F(ACfgFensterTest, TypingALetterOpensTheSearchWithIt) {
    auto frm = Oeffne();
    ASSERT_TRUE(TestFenster::Aktiviere(*frm));
    TestModal::Dann([](TQLNForm& f) {
        auto& dlg = static_cast<TAutoCompleteDlg&>(f);
        EXPECT_EQ(dlg.Eingabe()->text(), "k");
        dlg.Eingabe()->setText("Zahlungsverk");  // a heading, disabled in view 1
        dlg.Aktualisiere();
        dlg.Uebernehmen();
        return dlg.result();
    }, "TAutoCompleteDlg");
    QTest::keyClick(frm->vtKonfig, Qt::Key_K);
    EXPECT_EQ(TestModal::Anzahl(), 1);
    EXPECT_EQ(frm->vtKonfig->FocusedRow(), frm->vtKonfig->RowOfTyp(CTypZahlung));
    EXPECT_TRUE(frm->vtKonfig->hasFocus());
}

TEST_F(ACfgFensterTest, AutoFehlerEditsDirectlyOnTillsAndOpensTheWindowWithItsRootElsewhere) {
    TZEV_ACfg_TreeView::SetTypKatalog(nullptr);  // type 45 from the host's catalogue
    TZEV_ACfg_Registry::RegisterACfgGroup_EditFrame(45, ACfgFrameClass<TTestGruppenFrame>());
    TZEV_ACfg_Registry::RegisterACfgDataClass(46, ACfgDataClass<TTestSchalter>());
    AufRechner(3, 3);
    TestModal::Dann([](TQLNForm& f) {
        EXPECT_EQ(static_cast<TZEV_ACfgEditFrm&>(f).RechnerText(), "Rechner: 3");
        return 0;
    }, "TZEV_ACfgEditFrm");
    TACfg_AutoFehlerbuchungConfigurator c;
    EXPECT_TRUE(c.Execute("AutoFehler"));

    AufRechner(1, 1);
    TestModal::Dann([](TQLNForm& f) {
        auto& frm = static_cast<TfrmACfgMain&>(f);
        EXPECT_EQ(frm.vtKonfig->Rows().Count(), 1);
        EXPECT_EQ(TZEV_ACfg_TreeLogik::Typ(&frm.vtKonfig->Rows().Row(0)), 45);
        EXPECT_EQ(frm.MaskenModus(), 1);
        return 0;
    }, "TfrmACfgMain");
    EXPECT_TRUE(c.Execute("AutoFehler"));
    EXPECT_EQ(TestModal::Anzahl(), 2);
}
