// The parameter dialog: where a parameter may be changed, its editor, the
// checks before posting in their order, writing for chosen computers, and the
// guards of internal and protected parameters.

#include "ParmTest.h"
#include "host/TParameter.h"
#include "host/records/Tupdvfile.h"
#include "host/ui/TVTQLNVRList.h"
#include "params/TQLNMaskEdit.h"
#include "params/TXKParmEdtDaten.h"
#include "params/TfrmXKParmEdt.h"
#include "params/TqlnKRYPTDialog.h"
#include "testkit/TestFenster.h"
#include "testkit/TestMeldungen.h"
#include "testkit/TestModal.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCryptographicHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

namespace {
class ParmEdt : public ParmTest {
protected:
    std::unique_ptr<TfrmXKParmEdt> Dialog(const QString& kennung, const QString& gruppe) {
        auto dlg = std::make_unique<TfrmXKParmEdt>(&Conf(), kennung, kennung, gruppe);
        EXPECT_TRUE(TestFenster::Aktiviere(*dlg));
        EXPECT_TRUE(dlg->Vorbereitet());
        return dlg;
    }
    static TQLNMaskEdit* Edit(TfrmXKParmEdt& d) { return qobject_cast<TQLNMaskEdit*>(d.FEditor); }
    static void Tippe(TfrmXKParmEdt& d, const QString& text) {
        QLineEdit* e = Edit(d);
        e->selectAll();
        QTest::keyClicks(e, text);
    }
    static void Haken(TfrmXKParmEdt& d, QList<int> rnrs) {
        d.pgcRechner->setCurrentIndex(1);
        for (int i = 0; i < d.vriRechner->Rows().Count(); ++i) {
            TVRRow& r = d.vriRechner->Rows().Row(i);
            r.Check = rnrs.contains(int(r.Tag)) ? Qt::Checked : Qt::Unchecked;
        }
    }
    static QStringList Rechnerliste(TfrmXKParmEdt& d) {
        QStringList out;
        for (const TVRRow* r : d.vriRechner->VisibleRows())
            out << r->Text(d.FRechNrInd) + " " + r->Text(d.FRechTypInd) + " " + r->Text(d.FParmWertInd);
        return out;
    }
    static void Installiert(int rnr, const char* programm, const QDate& datum) {
        Tupdvfile v;
        v.OpenNew(-1);
        v.ClearBuffer();
        v.Rnr.SetWert(rnr);
        v.Programm.SetWert(QString::fromLatin1(programm));
        v.Datum.SetDatum(datum);
        v.Write(wrdonInsert);
        v.Close();
    }
    static void BekanntesKennwort() {
        const QByteArray h = QCryptographicHash::hash("TRIVELTA-QLNPWD:Probe_Kennwort", QCryptographicHash::Sha256).toHex();
        TXKServicePasswort::SetPruefwert(h);
    }
};
}  // namespace

TEST_F(ParmEdt, ChangeableOnlyWhereTheComputerTypeAllows) {
    const int nur1und7 = (1 << 1) | (1 << 7);
    const int auch3 = nur1und7 | (1 << 3);
    for (const int typ : {1, 7}) EXPECT_TRUE(TXKParmEdtDaten::Changeable(typ, 1 << 5)) << typ;
    EXPECT_FALSE(TXKParmEdtDaten::Changeable(2, nur1und7));
    EXPECT_TRUE(TXKParmEdtDaten::Changeable(2, auch3));  // a branch server sets its tills' parameters
    EXPECT_TRUE(TXKParmEdtDaten::Changeable(2, 1 << 0));
    EXPECT_TRUE(TXKParmEdtDaten::Changeable(3, auch3));
    EXPECT_FALSE(TXKParmEdtDaten::Changeable(3, nur1und7 | (1 << 4)));  // a till only its own type
    EXPECT_FALSE(TXKParmEdtDaten::Changeable(4, auch3));

    // The dialog on a branch server: NURZENT cannot be posted, MITKASSE only for the tills.
    AufRechner(2, 2);
    auto nur = Dialog("NURZENT", "KASSE");
    EXPECT_EQ(nur->lblHinweis->text(), "Parameter ist auf diesem Rechner NICHT änderbar");
    EXPECT_EQ(nur->lblVerfuegbar->text(), "Zentrale, Service-Rechner");
    EXPECT_FALSE(nur->btnBuchen->isEnabled());
    TestMeldungen::Erwarte("darf auf diesem Rechner nicht geändert werden");
    EXPECT_FALSE(nur->BuchenTesten());
    TParameter::StringParamWrite("MITKASSE", "X", 1);
    auto mit = Dialog("MITKASSE", "KASSE");
    EXPECT_EQ(mit->lblHinweis->text(), "Parameter ist auf diesem Rechner änderbar");
    EXPECT_EQ(mit->lblHerkunft->text(), "Dieser Rechner hat keinen eigenen Wert und übernimmt den Wert von Rechner 1.");
    TestMeldungen::Erwarte("existiert auf dem akt. Rechner nicht.\nVerwenden Sie ggf. den Reiter Alle Rechner");
    QTest::keyClick(mit.get(), Qt::Key_F5);
    EXPECT_TRUE(mit->isVisible());
    // The list offers the computers of its types only: head office, till, service computer.
    EXPECT_EQ(Rechnerliste(*mit), QStringList({"1 Zentrale X", "11 Kasse X", "99 Service-Rechner X"}));
}

TEST_F(ParmEdt, IntegerEditorCoversTheRangeButTheCheckKeepsIt) {
    TXKParmEdtDaten d;
    d.ReadParam("anzahl", "kasse");
    EXPECT_EQ(d.FParmKennung, "ANZAHL");
    EXPECT_EQ(d.FParmGroupBez, "Kasse");
    const TXKParmEdtDaten::Editor e = d.EditorFuer();
    EXPECT_EQ(e.Art, TXKParmEdtDaten::Editor::Edit);
    EXPECT_EQ(e.FeldTyp, 6);
    EXPECT_EQ(e.MaxLaenge, 3);  // 250 has three digits
    EXPECT_EQ(e.Minimum, 0);
    EXPECT_EQ(e.Maximum, 999);
    EXPECT_EQ(d.IntegerPruefung("4"), "Der von Ihnen eingegebene Wert ist zu klein!");
    EXPECT_EQ(d.IntegerPruefung(""), "Der von Ihnen eingegebene Wert ist zu klein!");  // no number counts as 0
    EXPECT_EQ(d.IntegerPruefung("251"), "Der von Ihnen eingegebene Wert ist zu groß!");
    EXPECT_EQ(d.IntegerPruefung(" 5 "), "");
    // A negative minimum keeps room for its sign.
    d.FParmIntegerMin = -500;
    d.FParmIntegerMax = 10;
    EXPECT_EQ(d.EditorFuer().MaxLaenge, 4);
    EXPECT_EQ(d.EditorFuer().Minimum, -500);

    auto dlg = Dialog("ANZAHL", "KASSE");
    TQLNMaskEdit* edit = Edit(*dlg);
    ASSERT_TRUE(edit);
    EXPECT_EQ(edit->maxLength(), 3);
    EXPECT_EQ(edit->text(), "10");
    Tippe(*dlg, "4");
    TestMeldungen::Erwarte("zu klein");
    QTest::keyClick(dlg.get(), Qt::Key_F5);
    EXPECT_EQ(TParameter::StringParamRead("ANZAHL", 1), "10");
    EXPECT_EQ(edit->text(), "4");  // the dialog stays with the input
    Tippe(*dlg, "1234");
    EXPECT_EQ(edit->text(), "123");
    Tippe(*dlg, "250");
    QTest::keyClick(dlg.get(), Qt::Key_F5);
    QTest::qWait(0);
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(TParameter::StringParamRead("ANZAHL", 1), "250");
}

TEST_F(ParmEdt, EditorsPerValueTypeAndValueLists) {
    auto modus = Dialog("MODUS", "ARTIKEL");
    auto* combo = qobject_cast<QComboBox*>(modus->FEditor);
    ASSERT_TRUE(combo);
    EXPECT_EQ(combo->itemText(0), "A=Automatisch");
    EXPECT_EQ(combo->currentIndex(), 0);  // the default "A"
    TParameter::StringParamWrite("MODUS", "Mx", 1);
    modus->ShowValue();
    EXPECT_EQ(combo->currentIndex(), 1);  // one character: the first counts
    TParameter::StringParamWrite("MODUS", "Q", 1);
    modus->ShowValue();
    EXPECT_EQ(combo->currentIndex(), -1);
    TestMeldungen::Erwarte("Bitte wählen Sie einen Wert aus dem Wertevorrat aus.");
    EXPECT_FALSE(modus->BuchenTesten());
    combo->setCurrentIndex(0);
    EXPECT_EQ(modus->WertErmitteln(), "A");

    TXKParmEdtDaten zahl;
    zahl.ReadParam("ZAHLLIST", "ARTIKEL");
    EXPECT_EQ(zahl.EditorFuer().Art, TXKParmEdtDaten::Editor::ComboBox);
    EXPECT_EQ(zahl.ComboIndex("010"), 1);  // whole numbers compare by value
    EXPECT_EQ(zahl.ComboWert(1), "10");
    EXPECT_EQ(zahl.IntegerPruefung("30"), "Der von Ihnen eingegebene Wert ist zu groß!");  // not asked with a list

    auto schalter = Dialog("KBTEST", "KASSE");
    auto* c = qobject_cast<QCheckBox*>(schalter->FEditor);
    ASSERT_TRUE(c);
    EXPECT_EQ(c->text(), "Kassenbericht ohne Zählung");
    EXPECT_EQ(schalter->WertErmitteln(), "N");

    auto text = Dialog("MITKASSE", "KASSE");
    EXPECT_EQ(Edit(*text)->FeldTyp(), 1);
    EXPECT_EQ(Edit(*text)->maxLength(), 8);
    Tippe(*text, "abc");
    EXPECT_EQ(text->WertErmitteln(), "ABC");

    TXKParmEdtDaten fremd;
    fremd.FParmKennung = "FREMD";
    fremd.FParmTyp = 9;
    try {
        fremd.EditorFuer();
        ADD_FAILURE() << "no editor expected";
    } catch (const std::exception& e) {
        EXPECT_STREQ(e.what(), "No editor @ FREMD!");
    }
    // Reading a parameter from a group that does not hold it ends the preparation.
    TestMeldungen::Erwarte("steht nicht in der Parametergruppe");
    TfrmXKParmEdt falsch(&Conf(), "SYSWEIT", "x", "KASSE");
    TestFenster::Aktiviere(falsch);
    EXPECT_FALSE(falsch.Vorbereitet());
    EXPECT_FALSE(falsch.btnBuchen->isEnabled());
    TestMeldungen::Erwarte("Configurator not assigned!");
    TfrmXKParmEdt ohne(nullptr, "ANZAHL", "x", "KASSE");
    TestFenster::Aktiviere(ohne);
    EXPECT_FALSE(ohne.Vorbereitet());
}

TEST_F(ParmEdt, WritingForComputersOneAndThreeLeavesTwoAsShown) {
    TParameter::StringParamWrite("KBTEST", "N", 1);
    TParameter::StringParamWrite("KBTEST", "J", 11);
    auto dlg = Dialog("KBTEST", "KASSE");
    EXPECT_EQ(Rechnerliste(*dlg), QStringList({"1 Zentrale N", "2 Filialserver N", "3 Filialserver N", "11 Kasse J",
                                               "99 Service-Rechner N"}));
    TestMeldungen::Erwarte("Bitte wählen Sie die Rechner aus");
    Haken(*dlg, {});
    EXPECT_FALSE(dlg->BuchenTesten());
    Haken(*dlg, {1, 3});
    qobject_cast<QCheckBox*>(dlg->FEditor)->setChecked(true);
    dlg->btnBuchenClick();
    EXPECT_TRUE(dlg->isVisible());  // the list is refreshed, the dialog stays
    EXPECT_EQ(Rechnerliste(*dlg), QStringList({"1 Zentrale J", "2 Filialserver N", "3 Filialserver J", "11 Kasse J",
                                               "99 Service-Rechner N"}));
    EXPECT_TRUE(TParameter::HatEigenenWert("KBTEST", 2));   // written back as shown
    EXPECT_FALSE(TParameter::HatEigenenWert("KBTEST", 22));  // not in the list: untouched

    // Without computer 1 nothing is written back: the service computer keeps following computer 1.
    Installiert(11, "VERK15", QDate(2024, 3, 1));  // MITKASSE needs a newer till program
    TParameter::StringParamWrite("MITKASSE", "ALT", 1);
    auto text = Dialog("MITKASSE", "KASSE");
    Haken(*text, {11});
    Tippe(*text, "NEU");
    text->btnBuchenClick();
    EXPECT_EQ(TParameter::StringParamRead("MITKASSE", 11), "NEU");
    EXPECT_FALSE(TParameter::HatEigenenWert("MITKASSE", 99));
    // "Übernehmen" takes the selected computer's value into the editor; F4 back shows this computer's.
    text->vriRechner->SelectRow(&text->vriRechner->Rows().Row(1));
    text->btnUebernehmenClick();
    EXPECT_EQ(Edit(*text)->text(), "NEU");
    QTest::keyClick(text.get(), Qt::Key_F4);
    EXPECT_EQ(text->pgcRechner->currentIndex(), 0);
    EXPECT_EQ(Edit(*text)->text(), "ALT");
    text->btnAlleUmkehrenClick();
    int angehakt = 0;
    for (int i = 0; i < text->vriRechner->Rows().Count(); ++i) angehakt += text->vriRechner->Rows().Row(i).Check == Qt::Checked;
    EXPECT_EQ(angehakt, 2);
}

TEST_F(ParmEdt, SystemWideParameterHasNoAllComputersPage) {
    AufRechner(11, 3);
    auto dlg = Dialog("SYSWEIT", "ARTIKEL");
    EXPECT_FALSE(dlg->pgcRechner->isTabVisible(1));
    EXPECT_TRUE(dlg->pgcRechner->isTabVisible(0));
    EXPECT_EQ(dlg->lblGueltigkeit->text(), "Einstellung gilt systemweit");
    EXPECT_EQ(dlg->lblVerfuegbar->text(), "allen Rechnertypen");
    EXPECT_EQ(dlg->lblHerkunft->text(), "Es ist noch kein Wert gespeichert; es gilt der Vorgabewert.");
    QTest::keyClick(dlg.get(), Qt::Key_F4);
    EXPECT_EQ(dlg->pgcRechner->currentIndex(), 0);
    EXPECT_EQ(dlg->vriRechner->Rows().Count(), 0);
    Tippe(*dlg, "42");
    dlg->btnBuchenClick();
    EXPECT_EQ(TParameter::StringParamRead("SYSWEIT", 2), "42");
    auto proRechner = Dialog("ANZAHL", "KASSE");
    EXPECT_TRUE(proRechner->pgcRechner->isTabVisible(1));
    EXPECT_EQ(proRechner->lblGueltigkeit->text(), "für jeden Rechner individuell einstellbar");
}

TEST_F(ParmEdt, ProtectedParameterNeedsThePassPhraseUnlessOnTheServiceComputer) {
    BekanntesKennwort();
    auto dlg = Dialog("SCHUTZ", "ARTIKEL");
    qobject_cast<QCheckBox*>(dlg->FEditor)->setChecked(true);
    // A wrong pass phrase is told; cancelling then refuses without writing.
    TestModal::Dann([](TQLNForm& f) {
        auto& k = static_cast<TqlnKRYPTDialog&>(f);
        EXPECT_EQ(k.Modus(), 1);
        EXPECT_EQ(k.Kennung(), "SCHUTZ");
        k.edtKennwort->setText("falsch");
        k.btnOkClick();
        EXPECT_TRUE(k.edtKennwort->text().isEmpty());
        return int(QDialog::Rejected);
    }, "TqlnKRYPTDialog");
    dlg->btnBuchenClick();
    EXPECT_EQ(TestMeldungen::Texte().last(), "Das Kennwort ist nicht richtig.");
    EXPECT_FALSE(TestMeldungen::Texte().join('|').contains("falsch"));
    EXPECT_EQ(TParameter::StringParamRead("SCHUTZ", 1), "N");
    // The right one unlocks the change.
    TestModal::Dann([](TQLNForm& f) {
        auto& k = static_cast<TqlnKRYPTDialog&>(f);
        k.edtKennwort->setText("Probe_Kennwort");
        k.btnOkClick();
        return k.result();
    }, "TqlnKRYPTDialog");
    dlg->btnBuchenClick();
    EXPECT_EQ(TParameter::StringParamRead("SCHUTZ", 1), "J");
    // The program ini's QLNPWD and the service computer need no dialog.
    SetzeQLNPWD("Probe_Kennwort");
    EXPECT_TRUE(Dialog("SCHUTZ", "ARTIKEL")->BuchenTesten());
    SetzeQLNPWD("??????");
    AufRechner(99, 7);
    EXPECT_TRUE(Dialog("SCHUTZ", "ARTIKEL")->BuchenTesten());
    EXPECT_EQ(TestModal::Anzahl(), 2);
}

TEST_F(ParmEdt, InternalParameterAsksForThePasswordAndVersionsAreChecked) {
    BekanntesKennwort();
    auto intern = Dialog("INTERN1", "DUMMY");
    TestModal::Dann([](TQLNForm&) { return int(QDialog::Rejected); }, "TfrmQLNPasswort");
    EXPECT_FALSE(intern->BuchenTesten());
    EXPECT_TRUE(TestMeldungen::Texte().isEmpty());  // refused silently
    SetzeQLNPWD("Probe_Kennwort");
    EXPECT_TRUE(intern->BuchenTesten());
    AufRechner(99, 7);
    SetzeQLNPWD("");
    EXPECT_TRUE(Dialog("INTERN1", "DUMMY")->BuchenTesten());

    // MITKASSE needs VERK15 newer than 1 January 2023 on every till.
    AufRechner(1, 1);
    auto text = Dialog("MITKASSE", "KASSE");
    TestMeldungen::Erwarte("An allen Rechnern muss eine Version neuer 01.01.2023 installiert sein");
    EXPECT_FALSE(text->BuchenTesten());
    Installiert(11, "VERK15", QDate(2023, 1, 1));
    TestMeldungen::Erwarte("neuer 01.01.2023");  // the same day is not newer
    EXPECT_FALSE(text->BuchenTesten());
    Installiert(99, "VERK15", QDate(2020, 1, 1));  // not a till: does not count
    Tupdvfile v;
    v.OpenNew(-1);
    v.ClearBuffer();
    v.Rnr.SetKeyWert(11);
    v.Programm.SetKeyWert("VERK15");
    ASSERT_TRUE(v.Get_eq());
    v.Datum.SetDatum(QDate(2023, 1, 2));
    v.Write(wrdonUpdate);
    v.Close();
    EXPECT_TRUE(text->BuchenTesten());
}
