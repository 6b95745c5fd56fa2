// The configuration centre window, headless: listing, details, search, starts,
// single-configurator mode and closing.

#include "TestConfs.h"
#include "app/TZEV_HiddenMainForm_Trivelta.h"
#include "app/TfrmTriveltaMain.h"
#include "host/Exception.h"
#include "host/TQLNProgramm.h"
#include "host/ui/TAutoCompleteDlg.h"
#include "host/ui/TVTQLNVRList.h"
#include "testkit/TestMeldungen.h"
#include "testkit/TestModal.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

void Taste(QWidget* w, int key, const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &release);
}

QStringList Zeilen(TVTQLNVRList* grid, int spalte = 0) {
    QStringList z;
    for (TVRRow* r : grid->VisibleRows()) z << r->Text(spalte);
    return z;
}

QString Ausgewaehlt(const TfrmTriveltaMain& frm) {
    const QList<TVRRow*> sel = frm.vriConfigurators->SelectedRows();
    return sel.isEmpty() ? QString() : sel.first()->Text(3);
}

// Counts how often a centre window is shown, whoever shows it.
class Sichtbarkeit : public QObject {
public:
    Sichtbarkeit() { qApp->installEventFilter(this); }
    ~Sichtbarkeit() override { qApp->removeEventFilter(this); }
    int Gezeigt = 0;

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Show && qobject_cast<TfrmTriveltaMain*>(o)) ++Gezeigt;
        return false;
    }
};

int Zentralen() {
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) n += qobject_cast<TfrmTriveltaMain*>(w) != nullptr;
    return n;
}

class Zentrale : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        // Registration order is not caption order.
        RegistriereTest("ZAHL", "Zahlungsmittel", "Zahlungsmittel der Kassen.", "Kasse, Bar");
        RegistriereTest("FARBEN", "Farben", "Definieren Sie die Farben.", "Farbe, Artikel");
        RegistriereTest("MATERIAL", "Material", "Materialien der Artikel.", "Stoff, Leder");
    }
};

}  // namespace

TEST_F(Zentrale, ListsActiveEntriesSortedByCaptionWithTheFirstSelected) {
    TestConfZustand::Z().Inaktiv = {"MATERIAL"};
    RegistriereTest("AAA", "Abwertung");
    TestConfZustand::Z().Inaktiv << "AAA";
    TfrmTriveltaMain frm({});
    EXPECT_EQ(frm.windowTitle(), QStringLiteral("Konfigurations-Center - Testgruppe"));
    EXPECT_EQ(TQLNProgramm::GetTitle(), QStringLiteral("Konfigurations-Center"));
    EXPECT_EQ(frm.pnlHeader->text(), QStringLiteral("Konfigurations-Center"));
    EXPECT_EQ(Zeilen(frm.vriConfigurators), QStringList({"Farben", "Zahlungsmittel"}));
    EXPECT_EQ(Zeilen(frm.vriConfigurators, 3), QStringList({"FARBEN", "ZAHL"}));
    EXPECT_FALSE(frm.vriConfigurators->IsColumnVisible(2));
    EXPECT_FALSE(frm.vriConfigurators->IsColumnVisible(3));
    EXPECT_TRUE(frm.vriConfigurators->IsColumnVisible(1));
    EXPECT_EQ(Ausgewaehlt(frm), QStringLiteral("FARBEN"));
    EXPECT_TRUE(frm.SingleConf().isEmpty());
    // The selected row's details.
    EXPECT_EQ(frm.lblBezeichnung->text(), QStringLiteral("Farben"));
    EXPECT_EQ(frm.memBeschreibung->toPlainText(), QStringLiteral("Definieren Sie die Farben."));
    EXPECT_EQ(frm.memSchlagwort->toPlainText(), QStringLiteral("Farbe, Artikel"));
    // Details follow the selection.
    frm.vriConfigurators->SelectRow(frm.vriConfigurators->VisibleRows().at(1));
    EXPECT_EQ(frm.lblBezeichnung->text(), QStringLiteral("Zahlungsmittel"));
    EXPECT_EQ(frm.memSchlagwort->toPlainText(), QStringLiteral("Kasse, Bar"));
    frm.ShowDetails(nullptr);  // empty space changes nothing
    EXPECT_EQ(frm.lblBezeichnung->text(), QStringLiteral("Zahlungsmittel"));
}

TEST_F(Zentrale, SwitchFKeepsTheCaptionBareAndListsTheParameterCatalogue) {
    RegisterXKConfigurator(XKClass<TTestParmConf>(), "INTPARMLIST", "Interne Systemparameter", "", "");
    RegisterXKConfigurator(XKClass<TTestParmConf>(), "ALLPARMLIST", "Liste aller Benutzerparameter", "", "");
    TXKConfListe::SetParmConfiguratorClass(&XKClass<TTestParmConf>());
    TfrmTriveltaMain frm({"/f"});
    EXPECT_EQ(frm.windowTitle(), QStringLiteral("Konfigurations-Center"));
    EXPECT_EQ(Zeilen(frm.vriConfigurators), QStringList({"Interne Systemparameter", "Liste aller Benutzerparameter"}));
    TfrmTriveltaMain gruppe({"-CONFGROUP:ARTV"});
    EXPECT_EQ(gruppe.windowTitle(), QStringLiteral("Konfigurations-Center - Testgruppe"));
    EXPECT_EQ(Zeilen(gruppe.vriConfigurators), QStringList());
}

TEST_F(Zentrale, TheOnlyPassingEntryStartsWithoutTheWindowEverShowing) {
    TestConfZustand::Z().Inaktiv = {"MATERIAL"};
    const Sichtbarkeit sicht;
    int zentralenWaehrend = -1;
    TestConfZustand::Z().BeimExecute = [&](const QString&) { zentralenWaehrend = Zentralen(); };
    TZEV_HiddenMainForm_Trivelta hauptform({"-CONFLIST:material,Farben"});
    hauptform.Execute();
    EXPECT_EQ(TestConfZustand::Z().Protokoll, QStringList({"Execute FARBEN"}));
    EXPECT_EQ(sicht.Gezeigt, 0);
    EXPECT_EQ(TestModal::Anzahl(), 0);
    EXPECT_EQ(zentralenWaehrend, 1);  // it exists, hidden, while the configurator runs
    EXPECT_EQ(Zentralen(), 0);        // and is released afterwards
}

TEST_F(Zentrale, SeveralOrNoPassingEntriesShowTheWindow) {
    TestModal::Dann([](TQLNForm& f) {
        EXPECT_EQ(Zeilen(static_cast<TfrmTriveltaMain&>(f).vriConfigurators), QStringList({"Farben", "Material"}));
        return int(QDialog::Rejected);
    }, "TfrmTriveltaMain");
    TestModal::Dann([](TQLNForm& f) {
        EXPECT_TRUE(Zeilen(static_cast<TfrmTriveltaMain&>(f).vriConfigurators).isEmpty());
        return int(QDialog::Rejected);
    }, "TfrmTriveltaMain");
    TZEV_HiddenMainForm_Trivelta({"-CONFLIST:FARBEN,MATERIAL"}).Execute();
    TZEV_HiddenMainForm_Trivelta({"-CONFLIST:UNBEKANNT"}).Execute();
    EXPECT_TRUE(TestConfZustand::Z().Protokoll.isEmpty());
    EXPECT_EQ(Zentralen(), 0);
}

TEST_F(Zentrale, IsHiddenWhileAConfiguratorRunsAndBackAfterAFailingOne) {
    TfrmTriveltaMain frm({});
    frm.show();
    bool sichtbarWaehrend = true, bedienbarWaehrend = true;
    TestConfZustand::Z().BeimExecute = [&](const QString&) {
        sichtbarWaehrend = frm.isVisible();
        bedienbarWaehrend = frm.isEnabled();
        throw Exception(QStringLiteral("Farbdatei fehlt"));
    };
    TestMeldungen::Erwarte("Farbdatei fehlt");
    frm.btnAendernClick();
    EXPECT_EQ(TestConfZustand::Z().Protokoll, QStringList({"Execute FARBEN"}));
    EXPECT_FALSE(sichtbarWaehrend);
    EXPECT_FALSE(bedienbarWaehrend);
    EXPECT_TRUE(frm.isVisible());
    EXPECT_TRUE(frm.isEnabled());
    EXPECT_FALSE(TQLNProgramm::Working(&frm));
    // The window is usable again: the next start runs.
    TestConfZustand::Z().BeimExecute = nullptr;
    frm.btnAendernClick();
    EXPECT_EQ(TestConfZustand::Z().Protokoll.size(), 2);
}

TEST_F(Zentrale, EnterStartsTheSelectedRowAndNothingWithoutOne) {
    TfrmTriveltaMain frm({});
    frm.show();  // the default button answers Enter only when it is visible
    frm.vriConfigurators->clearSelection();
    Taste(frm.vriConfigurators, Qt::Key_Return, "\r");
    frm.btnAendernClick();
    EXPECT_TRUE(TestConfZustand::Z().Protokoll.isEmpty());
    frm.vriConfigurators->SelectRow(frm.vriConfigurators->VisibleRows().at(1));
    Taste(frm.vriConfigurators, Qt::Key_Return, "\r");
    EXPECT_EQ(TestConfZustand::Z().Protokoll, QStringList({"Execute MATERIAL"}));
    // Double click: the row under the mouse.
    TVRRow* zahl = frm.vriConfigurators->VisibleRows().at(2);
    frm.vriConfiguratorsDblClick(zahl);
    frm.vriConfiguratorsDblClick(nullptr);
    EXPECT_EQ(TestConfZustand::Z().Protokoll, QStringList({"Execute MATERIAL", "Execute ZAHL"}));
}

TEST_F(Zentrale, TypingALetterOrDigitOpensTheSearchWithIt) {
    TfrmTriveltaMain frm({});
    QString getippt;
    TestModal::Dann([&](TQLNForm& f) {
        getippt = static_cast<TAutoCompleteDlg&>(f).Eingabe()->text();
        return int(QDialog::Rejected);
    }, "TAutoCompleteDlg");
    Taste(frm.vriConfigurators, Qt::Key_F, "f");
    EXPECT_EQ(getippt, QStringLiteral("f"));
    // Shown, the dialog keeps the letter as typed: the next one is appended.
    TestModal::Dann([&](TQLNForm& f) {
        auto& dlg = static_cast<TAutoCompleteDlg&>(f);
        dlg.show();
        QTest::keyClicks(dlg.Eingabe(), "ar");
        getippt = dlg.Eingabe()->text();
        return int(QDialog::Rejected);
    }, "TAutoCompleteDlg");
    Taste(frm.vriConfigurators, Qt::Key_F, "f");
    EXPECT_EQ(getippt, QStringLiteral("far"));
    EXPECT_EQ(TestModal::Anzahl(), 2);
    EXPECT_FALSE(TQLNProgramm::Working(&frm));
    // No letter of the search: neither on the list nor on the window itself.
    Taste(frm.vriConfigurators, Qt::Key_Adiaeresis, QStringLiteral("ä"));
    Taste(&frm, Qt::Key_Adiaeresis, QStringLiteral("ä"));
    Taste(&frm, Qt::Key_Minus, "-");
    EXPECT_EQ(TestModal::Anzahl(), 2);
    // A digit on a button reaches the window too.
    TestModal::Dann([&](TQLNForm& f) {
        getippt = static_cast<TAutoCompleteDlg&>(f).Eingabe()->text();
        return int(QDialog::Rejected);
    }, "TAutoCompleteDlg");
    Taste(frm.btnClose, Qt::Key_7, "7");
    EXPECT_EQ(getippt, QStringLiteral("7"));
    EXPECT_TRUE(TestConfZustand::Z().Protokoll.isEmpty());
}

TEST_F(Zentrale, PickingASearchResultSelectsItsRow) {
    TfrmTriveltaMain frm({});
    QStringList vorschlaege;
    TestModal::Dann([&](TQLNForm& f) {
        auto& dlg = static_cast<TAutoCompleteDlg&>(f);
        EXPECT_EQ(dlg.Eingabe()->text(), QStringLiteral("l"));
        QTest::keyClicks(dlg.Eingabe(), "ed");  // "led": the keyword "Leder" of Material
        for (int i = 0; i < dlg.Liste()->count(); ++i) vorschlaege << dlg.Liste()->item(i)->text();
        Taste(dlg.Eingabe(), Qt::Key_Return, "\r");
        return dlg.result();
    }, "TAutoCompleteDlg");
    // Typed into the search field: the field is emptied, the text goes to the dialog.
    QTest::keyClicks(frm.edtSuche, "l");
    ASSERT_EQ(vorschlaege.size(), 1);
    EXPECT_TRUE(vorschlaege[0].startsWith("Material"));
    EXPECT_EQ(Ausgewaehlt(frm), QStringLiteral("MATERIAL"));
    EXPECT_EQ(frm.lblBezeichnung->text(), QStringLiteral("Material"));
    EXPECT_TRUE(frm.edtSuche->text().isEmpty());
    EXPECT_TRUE(TestConfZustand::Z().Protokoll.isEmpty());  // picking only selects

    // Cancelled: the selection stays.
    TestModal::Dann([](TQLNForm&) { return int(QDialog::Rejected); }, "TAutoCompleteDlg");
    frm.btnSuche->click();
    EXPECT_EQ(Ausgewaehlt(frm), QStringLiteral("MATERIAL"));
}

TEST_F(Zentrale, ClosingAndActionsAreRefusedWhileWorkRuns) {
    TfrmTriveltaMain frm({});
    frm.show();
    ASSERT_TRUE(TQLNProgramm::WorkStartTry(&frm, "Test.Arbeit", 5));
    EXPECT_FALSE(frm.close());
    Taste(frm.vriConfigurators, Qt::Key_Escape);
    frm.btnClose->click();
    EXPECT_TRUE(frm.isVisible());
    Taste(frm.vriConfigurators, Qt::Key_G, "g");  // the search does not open
    frm.btnSuche->click();
    frm.btnAendernClick();
    EXPECT_EQ(TestModal::Anzahl(), 0);
    EXPECT_TRUE(TestConfZustand::Z().Protokoll.isEmpty());
    TQLNProgramm::WorkDone(&frm);
    Taste(frm.vriConfigurators, Qt::Key_Escape);
    EXPECT_FALSE(frm.isVisible());
}

TEST_F(Zentrale, TheOnlyEntryStartsDirectlyWithOrWithoutConfList) {
    XKRegistryEintraege().clear();
    RegistriereProgrammEintrag("DBCONFIG");
    // The only entry that passes starts directly, with or without -CONFLIST:.
    TestModal::Dann([](TQLNForm& f) {
        EXPECT_EQ(f.windowTitle(), QStringLiteral("Datenbank-Konfiguration"));
        return int(QDialog::Rejected);
    }, "TfrmDatenbankConfig");
    TZEV_HiddenMainForm_Trivelta({}).Execute();
    TestModal::Dann([](TQLNForm& f) {
        EXPECT_EQ(f.windowTitle(), QStringLiteral("Datenbank-Konfiguration"));
        return int(QDialog::Rejected);
    }, "TfrmDatenbankConfig");
    TZEV_HiddenMainForm_Trivelta({"-CONFLIST:DBCONFIG"}).Execute();
    EXPECT_EQ(TestModal::Anzahl(), 2);
    EXPECT_TRUE(TestConfZustand::Z().Protokoll.isEmpty());
}
