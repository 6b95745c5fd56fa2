// The parameter lists: which rows, the list window with its captions, the
// dialog started from a row, and printing.

#include "ParmTest.h"
#include "host/TParameter.h"
#include "host/TQLN_Parm_Katalog.h"
#include "host/ui/TVTQLNVRList.h"
#include "host/ui/TZEV_VirtualTreePrinter.h"
#include "params/TXKParmConfigurator.h"
#include "params/TXKParmListe.h"
#include "params/TfrmXKParmEdt.h"
#include "params/TfrmXkParm.h"
#include "testkit/TestFenster.h"
#include "testkit/TestMeldungen.h"
#include "testkit/TestModal.h"
#include "testkit/TestUmgebung.h"

#include <QCheckBox>
#include <QFile>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>

namespace {
class ParmListe : public ParmTest {
protected:
    static QStringList Kennungen(const QList<TXKParmListItem>& items) {
        QStringList out;
        for (const TXKParmListItem& i : items) out << i.Kennung;
        return out;
    }
    // The rows of a list window as "id=value", in display order.
    static QStringList Zeilen(TfrmXkParm& f, const TXKParmConfigurator& c) {
        QStringList out;
        for (const TVRRow* r : f.vriParm->VisibleRows()) out << r->Text(c.FParmKennInd) + "=" + r->Text(c.FParmInhInd);
        return out;
    }
};
}  // namespace

TEST_F(ParmListe, EveryParameterOnceWithItsFirstGroupAndValue) {
    TParameter::StringParamWrite("KBTEST", "J", 1);
    const std::unique_ptr<TQLN_Parm_Menu> alle = TQLN_Parm_Katalog::Menu_Create({}, C_RTypen_Alle);
    int schritte = 0;
    const QList<TXKParmListItem> items = TXKParmListe::Lies(*alle, [&] { ++schritte; });
    // KBTEST stands in KASSE and ARTIKEL: once, from KASSE. DUMMY is left out.
    EXPECT_EQ(Kennungen(items), QStringList({"KBTEST", "NURZENT", "MITKASSE", "ANZAHL", "SYSWEIT", "MODUS", "SCHUTZ",
                                             "ZAHLLIST", "FIBUTEST", "CRMTEST"}));
    EXPECT_EQ(schritte, items.size());
    EXPECT_EQ(items[0].GruppenKennung, "KASSE");
    EXPECT_EQ(items[0].GruppenName, "Kasse");
    EXPECT_EQ(items[0].Inhalt, "J");
    EXPECT_EQ(items[0].Kurzhilfe, "Schließt ohne Zählung ab.");
    EXPECT_EQ(items[3].Inhalt, "10");  // the default

    // A group's own menu and the internal one are their own group.
    const QList<TXKParmListItem> intern = TXKParmListe::Lies(*TQLN_Parm_Katalog::Menu_Create("DUMMY", C_RTypen_Alle));
    ASSERT_EQ(intern.size(), 1);
    EXPECT_EQ(intern[0].GruppenKennung, "DUMMY");
    // On a till the list offers only till parameters.
    AufRechner(11, 3);
    const QList<TXKParmListItem> kasse = TXKParmListe::Lies(
        *TQLN_Parm_Katalog::Menu_Create(TXKParmConfigurator::MenuName("KASSE"), TXKParmConfigurator::ListenRTypen()));
    EXPECT_EQ(Kennungen(kasse), QStringList({"KBTEST", "MITKASSE", "ANZAHL"}));
}

TEST_F(ParmListe, ListWindowChangesARowThroughItsDialog) {
    TestModal::Dann([&](TQLNForm& f) {
        auto& liste = static_cast<TfrmXkParm&>(f);
        EXPECT_TRUE(TestFenster::Aktiviere(liste));
        EXPECT_TRUE(liste.Gefuellt());
        EXPECT_EQ(liste.QLNFormName(), "frmUebALLPARMLIST");
        EXPECT_EQ(liste.windowTitle(), "Liste aller Benutzerparameter - Testgruppe");
        EXPECT_FALSE(liste.prbFuellen->isVisible());
        EXPECT_TRUE(liste.btnAendern->isEnabled());
        // Sorted by caption: "Anzahl" first, "Zahl aus Liste" last.
        const QStringList zeilen = Zeilen(liste, Conf());
        EXPECT_EQ(zeilen.size(), 10);
        EXPECT_EQ(zeilen.first(), "ANZAHL=10");
        EXPECT_EQ(zeilen.last(), "ZAHLLIST=5");
        EXPECT_EQ(liste.vriParm->SelectedRows().first()->Text(Conf().FParmKennInd), "ANZAHL");
        // Enter on "Kassenbericht ohne Zählung" opens its dialog.
        for (TVRRow* r : liste.vriParm->VisibleRows())
            if (r->Text(Conf().FParmKennInd) == "KBTEST") liste.vriParm->SelectRow(r);
        QTest::keyClick(liste.vriParm, Qt::Key_Return);
        EXPECT_TRUE(Zeilen(liste, Conf()).contains("KBTEST=J"));
        QTest::keyClick(&liste, Qt::Key_Escape);
        return liste.result();
    }, "TfrmXkParm");
    TestModal::Dann([&](TQLNForm& f) {
        auto& dlg = static_cast<TfrmXKParmEdt&>(f);
        EXPECT_TRUE(TestFenster::Aktiviere(dlg));
        EXPECT_EQ(dlg.QLNFormName(), "frmParmEdt_KBTEST");
        EXPECT_EQ(dlg.windowTitle(), "Kassenbericht ohne Zählung - Testgruppe");
        EXPECT_EQ(dlg.Daten().FParmGroupKennung, "KASSE");
        auto* c = qobject_cast<QCheckBox*>(dlg.FEditor);
        EXPECT_TRUE(c && !c->isChecked());
        c->setChecked(true);
        QTest::keyClick(&dlg, Qt::Key_F5);
        QTest::qWait(0);
        return dlg.result();
    }, "TfrmXKParmEdt");
    EXPECT_TRUE(Conf().Execute("ALLPARMLIST"));
    EXPECT_EQ(TParameter::StringParamRead("KBTEST", 1), "J");
}

TEST_F(ParmListe, CaptionsWithoutCompanyGroupUnderSwitchF) {
    TXKParmConfigurator::SetArgumente(QStringList({"/f"}));
    TestModal::Dann([&](TQLNForm& f) {
        EXPECT_EQ(f.windowTitle(), "Kasse");
        EXPECT_EQ(f.QLNFormName(), "frmUebPARM_KASSE");
        return 0;
    }, "TfrmXkParm");
    EXPECT_TRUE(Conf().Execute("PARM_KASSE"));
    EXPECT_EQ(Conf().FKurzname, "KASSE");
    TfrmXKParmEdt dlg(&Conf(), "ANZAHL", "Anzahl", "KASSE");
    EXPECT_EQ(dlg.windowTitle(), "Anzahl");
    TestModal::Dann([&](TQLNForm& f) { EXPECT_EQ(f.windowTitle(), "Interne Systemparameter"); return 0; });
    EXPECT_TRUE(Conf().Execute("INTPARMLIST"));
    // A group the catalogue does not know is told, not opened.
    TestMeldungen::Erwarte("GIBTSNICHT");
    EXPECT_FALSE(Conf().Execute("PARM_GIBTSNICHT"));
}

TEST_F(ParmListe, PrintsTheShownListToAPdf) {
    const QString pdf = TestUmgebung::Verzeichnis() + "/parameter.pdf";
    TZEV_VirtualTreePrinter::SetDruckerWahl([&](QPrinter& p, QWidget*) {
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(pdf);
        return true;
    });
    TestModal::Dann([&](TQLNForm& f) {
        auto& liste = static_cast<TfrmXkParm&>(f);
        TestFenster::Aktiviere(liste);
        liste.btnDruckenClick();
        return 0;
    }, "TfrmXkParm");
    Conf().Execute("PARM_ARTIKEL");
    TZEV_VirtualTreePrinter::SetDruckerWahl({});
    QFile f(pdf);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray inhalt = f.readAll();
    EXPECT_TRUE(inhalt.startsWith("%PDF"));
    // One page: one page object besides the page tree.
    EXPECT_EQ(inhalt.count("/Type /Page") - inhalt.count("/Type /Pages"), 1);
}

TEST_F(ParmListe, PrinterBreaksLongListsIntoPages) {
    TVTQLNVRList grid;
    grid.AddColumn("Bezeichnung", 200);
    grid.AddColumn("Versteckt", 100, false);
    grid.AddColumn("Wert", 100);
    for (int i = 0; i < 200; ++i) grid.Rows().AddRow({QString("Zeile %1").arg(i), "nie gedruckt", QString::number(i)});
    QPrinter p(QPrinter::HighResolution);
    p.setOutputFormat(QPrinter::PdfFormat);
    p.setOutputFileName(TestUmgebung::Verzeichnis() + "/lang.pdf");
    TZEV_VirtualTreePrinter drucker(grid);
    drucker.SetTitel("Probe");
    drucker.SetOptionen(CVTPrintSeitenbreite);
    const int seiten = drucker.Drucke(p);
    EXPECT_GE(seiten, 3);
    EXPECT_LE(seiten, 8);
}
