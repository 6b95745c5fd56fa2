// The code tables and the host's small editors in their windows, driven with
// the keyboard as a user would.

#include "testkit/TestTabelle.h"
#include "host/records/TAAFile.h"
#include "host/records/Tlstvfile.h"
#include "host/records/Tmarkfile.h"
#include "host/ui/TArtGruVerwDlg.h"
#include "host/ui/TINETDialog.h"
#include "host/ui/TVTQLNVRList.h"
#include "host/ui/TfrmAllgTab.h"
#include "host/ui/TfrmAllgTabEinzel.h"
#include "host/ui/TfrmMarken.h"
#include "tables/TXKRMLConfigurator.h"
#include "tables/TXKVKKZConfigurator.h"
#include "testkit/TestDatenbank.h"
#include "testkit/TestFenster.h"
#include "testkit/TestMeldungen.h"
#include "testkit/TestModal.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

namespace {
// Types into a line editor of the form, replacing what it holds.
void Tippe(QWidget& f, const char* name, const QString& text) {
    auto* e = TestFenster::Kind<QLineEdit>(f, name);
    ASSERT_TRUE(e) << name;
    e->setFocus();
    e->selectAll();
    QTest::keyClick(e, Qt::Key_Backspace);
    for (const QChar c : text) {
        if (c.unicode() < 128) {
            QTest::keyClick(e, char(c.unicode()));
        } else {
            // QTest types ASCII only: umlauts come as the key event a keyboard sends
            QKeyEvent druck(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QKeyEvent los(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(e, &druck);
            QApplication::sendEvent(e, &los);
        }
    }
}
TVRRow* Zeile(TVTQLNVRList& liste, int spalte, const QString& text) {
    for (int i = 0; i < liste.Rows().Count(); ++i)
        if (liste.Rows().Row(i).Text(spalte) == text) return &liste.Rows().Row(i);
    return nullptr;
}
}  // namespace

TEST(CodeFenster, ReturnReasonsRoundTripWithTheKeyboard) {
    TestDatenbank::Oeffne();
    Offen<TXKRMLConfigurator> rml("RGGRUND");
    ASSERT_TRUE(rml.Neu({"U", "01", "Umtausch"}));
    ASSERT_TRUE(rml.Neu({"U", "02", "Fehlkauf"}));
    {
        Tlstvfile f;
        f.OpenNew(-1);
        f.ClearBuffer();
        f.BelegNr.SetWert(1);
        f.RueckgabeGrund.SetWert("01");
        f.Write(wrdonInsert);
    }
    TestModal::Dann([&](TQLNForm& f) -> int {
        auto& ueb = static_cast<TfrmAllgTab&>(f);
        EXPECT_TRUE(TestFenster::Aktiviere(ueb));
        EXPECT_EQ(ueb.windowTitle(), "Rücknahmegründe - Testgruppe");
        EXPECT_EQ(ueb.Liste()->Rows().Count(), 2);
        QTest::keyClick(ueb.Liste(), Qt::Key_Insert);  // new: the number is proposed
        EXPECT_EQ(ueb.AktuelleZeile(), (QStringList{"U", "03", "falsche Größe"}));
        TestFenster::Aktiviere(ueb);
        QTest::keyClick(ueb.Liste(), Qt::Key_F2);
        EXPECT_EQ(ueb.AktuelleZeile(), (QStringList{"U", "03", "Größe passt nicht"}));
        // a reason in use: the question, then the refusal; the row stays
        TestFenster::Aktiviere(ueb);
        ueb.Liste()->SelectRow(Zeile(*ueb.Liste(), 1, "01"));
        TestMeldungen::Erwarte("„01 Umtausch“ wirklich löschen", mrJa);
        TestMeldungen::Erwarte("Ein Löschen des Eintrags ist nicht möglich, da dieser verwendet wird.");
        QTest::keyClick(ueb.Liste(), Qt::Key_Delete);
        EXPECT_EQ(ueb.Liste()->Rows().Count(), 3);
        ueb.Liste()->SelectRow(Zeile(*ueb.Liste(), 1, "03"));
        TestMeldungen::Erwarte("„03 Größe passt nicht“ wirklich löschen", mrJa);
        QTest::keyClick(ueb.Liste(), Qt::Key_Delete);
        EXPECT_EQ(ueb.Liste()->Rows().Count(), 2);
        QTest::keyClick(&ueb, Qt::Key_Escape);
        return QDialog::Rejected;
    }, "TfrmAllgTab");
    TestModal::Dann([&](TQLNForm& f) -> int {
        EXPECT_TRUE(TestFenster::Aktiviere(f));
        EXPECT_EQ(TestFenster::Kind<QLineEdit>(f, "edtNUMMER")->text(), "03");
        Tippe(f, "edtBEZ", "falsche Größe");
        QTest::keyClick(TestFenster::Kind<QLineEdit>(f, "edtBEZ"), Qt::Key_F5);
        return f.result();
    }, "TfrmAllgTabEinzel");
    TestModal::Dann([&](TQLNForm& f) -> int {
        EXPECT_TRUE(TestFenster::Aktiviere(f));
        EXPECT_FALSE(TestFenster::Kind<QLineEdit>(f, "edtNUMMER")->isEnabled());
        Tippe(f, "edtBEZ", "Größe passt nicht");
        QTest::keyClick(TestFenster::Kind<QLineEdit>(f, "edtBEZ"), Qt::Key_F5);
        return f.result();
    }, "TfrmAllgTabEinzel");
    EXPECT_TRUE(rml->Execute("RGGRUND"));
    EXPECT_EQ(rml.Zeilen(), (QList<QStringList>{{"U", "01", "Umtausch"}, {"U", "02", "Fehlkauf"}}));
}

TEST(CodeFenster, ASalesMarkNotChangeableOpensWithEveryFieldLocked) {
    TestDatenbank::Oeffne();
    Offen<TXKVKKZConfigurator> vk;
    ASSERT_TRUE(vk.Neu({"0", "nein", "normaler Verkauf"}));
    ASSERT_TRUE(vk.Neu({"1", "ja", "nicht rabattfähig"}));
    const char* const editoren[] = {"edtVKKZ", "edtAENDKZ", "edtBEZEICHNUNG"};
    TestModal::Dann([&](TQLNForm& f) -> int {
        auto& ueb = static_cast<TfrmAllgTab&>(f);
        EXPECT_TRUE(TestFenster::Aktiviere(ueb));
        ueb.Liste()->SelectRow(Zeile(*ueb.Liste(), 0, "0"));
        QTest::keyClick(ueb.Liste(), Qt::Key_F2);
        TestFenster::Aktiviere(ueb);
        ueb.Liste()->SelectRow(Zeile(*ueb.Liste(), 0, "1"));
        QTest::keyClick(ueb.Liste(), Qt::Key_F2);
        QTest::keyClick(&ueb, Qt::Key_Escape);
        return QDialog::Rejected;
    }, "TfrmAllgTab");
    TestModal::Dann([&](TQLNForm& f) -> int {
        for (const char* e : editoren) EXPECT_FALSE(TestFenster::Kind<QWidget>(f, e)->isEnabled()) << e;
        return int(QDialog::Rejected);
    }, "TfrmAllgTabEinzel");
    TestModal::Dann([&](TQLNForm& f) -> int {
        for (const char* e : editoren) EXPECT_TRUE(TestFenster::Kind<QWidget>(f, e)->isEnabled()) << e;
        return int(QDialog::Rejected);
    }, "TfrmAllgTabEinzel");
    vk->Execute("VKKZ");
}

TEST(HostFenster, FtpConnectionsRoundTripWithTheKeyboard) {
    TestDatenbank::Oeffne();
    TINETDialog dlg(TINETVerbindungen::CArtFTP);
    TestModal::Dann([&](TQLNForm& f) -> int {
        EXPECT_TRUE(TestFenster::Aktiviere(f));
        EXPECT_EQ(f.windowTitle(), "FTP-Verbindungen - Testgruppe");
        QTest::keyClick(dlg.Liste(), Qt::Key_Insert);
        if (dlg.Liste()->Rows().Count() != 1) {
            ADD_FAILURE() << "the new connection is not listed";
            return int(QDialog::Rejected);
        }
        EXPECT_EQ(dlg.Liste()->Rows().Row(0).Cells,
                  (QList<QVariant>{"Lieferant", "ftp.lieferant.example", 2121, "brenner", "/in"}));
        TestFenster::Aktiviere(f);
        QTest::keyClick(dlg.Liste(), Qt::Key_Return);  // Enter changes
        EXPECT_EQ(dlg.Liste()->Rows().Row(0).Text(1), "edi.lieferant.example");
        TestFenster::Aktiviere(f);
        TestMeldungen::Erwarte("„Lieferant“ wirklich löschen", mrJa);
        QTest::keyClick(dlg.Liste(), Qt::Key_Delete);
        EXPECT_EQ(dlg.Liste()->Rows().Count(), 0);
        QTest::keyClick(&f, Qt::Key_Escape);
        return QDialog::Rejected;
    }, "TINETDialog");
    TestModal::Dann([&](TQLNForm& f) -> int {
        auto& v = static_cast<TINETVerbindungDlg&>(f);
        EXPECT_TRUE(TestFenster::Aktiviere(f));
        EXPECT_EQ(v.edtPort->value(), 21);
        EXPECT_EQ(v.edtPasswort->echoMode(), QLineEdit::Password);
        Tippe(f, "edtName", "Lieferant");
        // without a server the form stays open
        TestMeldungen::Erwarte("Bitte geben Sie den Server der Verbindung ein.");
        QTest::keyClick(v.edtName, Qt::Key_F5);
        EXPECT_EQ(f.result(), 0);
        Tippe(f, "edtHost", "ftp.lieferant.example");
        v.edtPort->setFocus();
        v.edtPort->selectAll();
        QTest::keyClicks(v.edtPort, "2121");
        Tippe(f, "edtBenutzer", "brenner");
        Tippe(f, "edtPasswort", "geheim");
        Tippe(f, "edtPfad", "/in");
        QTest::keyClick(v.edtPfad, Qt::Key_F5);
        return f.result();
    }, "TINETVerbindungDlg");
    TestModal::Dann([&](TQLNForm& f) -> int {
        auto& v = static_cast<TINETVerbindungDlg&>(f);
        EXPECT_TRUE(TestFenster::Aktiviere(f));
        EXPECT_EQ(v.edtPasswort->text(), "geheim");
        Tippe(f, "edtHost", "edi.lieferant.example");
        QTest::keyClick(v.edtHost, Qt::Key_F5);
        return f.result();
    }, "TINETVerbindungDlg");
    EXPECT_TRUE(dlg.Execute());
    EXPECT_TRUE(TINETVerbindungen(TINETVerbindungen::CArtFTP).Lade().isEmpty());
}

TEST(HostFenster, ConnectionRules) {
    TestDatenbank::Oeffne();
    const TINETVerbindungen ftp(TINETVerbindungen::CArtFTP);
    const TINETVerbindungen http(TINETVerbindungen::CArtHTTP);
    TINETVerbindung v{"Server", "ftp.example.com", 21, "u", "p", "/"};
    EXPECT_EQ(ftp.Pruefe(v, {}), "");
    ftp.Speichere(v, {});
    EXPECT_TRUE(ftp.Pruefe(v, {}).contains("existiert bereits"));
    EXPECT_EQ(ftp.Pruefe(v, "Server"), "");  // the connection itself
    EXPECT_TRUE(ftp.Pruefe({"Anders", "ftp://x", 21, "", "", ""}, {}).contains("ohne Protokoll"));
    EXPECT_TRUE(ftp.Pruefe({"Anders", "x", 0, "", "", ""}, {}).contains("Port"));
    // the same name is free for the other kind; an HTTP service needs a URL
    EXPECT_TRUE(http.Pruefe({"Server", "", 0, "", "", "ftp.example.com"}, {}).contains("http://"));
    TINETVerbindung w{"Server", "", 0, "kasse", "x", "http://giftcard.example.com:8080/api"};
    EXPECT_EQ(http.Pruefe(w, {}), "");
    http.Speichere(w, {});
    ASSERT_EQ(http.Lade().size(), 1);
    EXPECT_EQ(http.Lade()[0].Host, "giftcard.example.com");
    EXPECT_EQ(http.Lade()[0].Port, 8080);
    // renaming replaces the record
    ftp.Speichere({"Zentrale", "ftp.example.com", 990, "u", "p", "/"}, "Server");
    ASSERT_EQ(ftp.Lade().size(), 1);
    EXPECT_EQ(ftp.Lade()[0].Name, "Zentrale");
    EXPECT_EQ(ftp.Lade()[0].Port, 990);
}

TEST(HostFenster, BrandsInUseStayAndGroupsAreTakenWithEnter) {
    TestDatenbank::Oeffne();
    {
        TAAFile aa;
        aa.OpenNew(-1);
        aa.ClearBuffer();
        aa.ArtNr.SetWert("100007");
        aa.Marke.SetWert("ALPEN");
        aa.Write(wrdonInsert);
    }
    TfrmMarken* marken = nullptr;
    TestModal::Dann([&](TQLNForm& f) -> int {
        marken = &static_cast<TfrmMarken&>(f);
        TMarkenTabelle& t = marken->Tabelle();
        EXPECT_TRUE(TAllgTabProtokoll::Ausfuehren(t, wrdonInsert, {}, {"ALPEN", "Alpenläufer", "Alpen AG", "J"}));
        EXPECT_TRUE(TAllgTabProtokoll::Ausfuehren(t, wrdonInsert, {}, {"LUMA", "Luma", "", "N"}));
        TestMeldungen::Erwarte("Die Marke, die Sie anlegen möchten, existiert bereits!");
        EXPECT_FALSE(TAllgTabProtokoll::Ausfuehren(t, wrdonInsert, {}, {"LUMA", "Luma 2", "", "J"}));
        marken->Lade();
        EXPECT_TRUE(TestFenster::Aktiviere(f));
        marken->Liste()->SelectRow(Zeile(*marken->Liste(), 0, "ALPEN"));
        TestMeldungen::Erwarte("„ALPEN Alpenläufer Alpen AG J“ wirklich löschen", mrJa);
        TestMeldungen::Erwarte("noch Artikeln zugeordnet");
        QTest::keyClick(marken->Liste(), Qt::Key_Delete);
        marken->Liste()->SelectRow(Zeile(*marken->Liste(), 0, "LUMA"));
        TestMeldungen::Erwarte("wirklich löschen", mrJa);
        QTest::keyClick(marken->Liste(), Qt::Key_Delete);
        EXPECT_EQ(marken->Liste()->Rows().Count(), 1);
        return int(QDialog::Rejected);
    }, "TfrmMarken");
    {
        TfrmMarken frm;
        EXPECT_EQ(frm.windowTitle(), "Marken - Testgruppe");
        frm.ShowModal();
    }

    TArtGruVerwDlg dlg;
    TestModal::Dann([&](TQLNForm& f) -> int {
        auto& ueb = static_cast<TfrmAllgTab&>(f);
        EXPECT_EQ(ueb.windowTitle(), "Preisaktionen - Testgruppe");
        EXPECT_TRUE(ueb.btnUebernehmen->isVisibleTo(&ueb));
        return int(QDialog::Rejected);
    }, "TfrmAllgTab");
    QString gewaehlt = "unverändert";
    EXPECT_FALSE(dlg.Execute(2, {}, &gewaehlt));
    EXPECT_EQ(gewaehlt, "unverändert");
    TArtGruTabelle preisaktionen(2);
    EXPECT_EQ(preisaktionen.NaechsteNummer(), 1);
    TestMeldungen::Erwarte("Das Ende des Zeitraums liegt vor seinem Beginn.");
    EXPECT_FALSE(TAllgTabProtokoll::Ausfuehren(preisaktionen, wrdonInsert, {},
                                               {"1", "Sommerschlussverkauf", "31.07.2025", "01.07.2025", ""}));
    ASSERT_TRUE(TAllgTabProtokoll::Ausfuehren(preisaktionen, wrdonInsert, {},
                                              {"1", "Sommerschlussverkauf", "01.07.2025", "31.07.2025", ""}));
    ASSERT_TRUE(TAllgTabProtokoll::Ausfuehren(preisaktionen, wrdonInsert, {},
                                              {"2", "Winterschlussverkauf", "", "", "ohne Datum"}));
    TArtGruTabelle gruppen(1);  // another type: its own numbers, no period
    EXPECT_EQ(gruppen.NaechsteNummer(), 1);
    EXPECT_FALSE(gruppen.Felder()[gruppen.FIndGueltigAb].Visible);
    TestModal::Dann([&](TQLNForm& f) -> int {
        auto& ueb = static_cast<TfrmAllgTab&>(f);
        EXPECT_TRUE(TestFenster::Aktiviere(ueb));
        EXPECT_EQ(ueb.AktuelleZeile().value(0), "2");  // the given group is selected
        ueb.Liste()->SelectRow(Zeile(*ueb.Liste(), 0, "1"));
        QTest::keyClick(ueb.Liste(), Qt::Key_Return);
        return ueb.result();
    }, "TfrmAllgTab");
    EXPECT_TRUE(dlg.Execute(2, "2", &gewaehlt));
    EXPECT_EQ(gewaehlt, "1");
    EXPECT_FALSE(dlg.Execute(7, {}, &gewaehlt));  // no such group type: nothing opens
}
