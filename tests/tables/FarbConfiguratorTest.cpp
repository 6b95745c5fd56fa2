#include "host/QLNBuchung.h"
#include "host/records/Tfarbfile.h"
#include "host/ui/TAllgTabProtokoll.h"
#include "host/ui/TVTQLNVRList.h"
#include "host/ui/TfrmAllgTab.h"
#include "host/ui/TfrmAllgTabEinzel.h"
#include "tables/TXKFarbConfigurator.h"
#include "testkit/TestDatenbank.h"
#include "testkit/TestFenster.h"
#include "testkit/TestMeldungen.h"
#include "testkit/TestModal.h"

#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {
class Farben : public ::testing::Test {
protected:
    void SetUp() override {
        TestDatenbank::Oeffne();
        conf = XKClass<TXKFarbConfigurator>().Create();
        conf->Init();
        farb = static_cast<TXKFarbConfigurator*>(conf.get());
    }
    void TearDown() override {
        conf->Done();
        conf.reset();
    }
    bool Neu(const QString& nr, const QString& bez) {
        return TAllgTabProtokoll::Ausfuehren(*farb, wrdonInsert, {}, {nr, bez});
    }
    QList<QStringList> Zeilen() {
        QList<QStringList> out;
        QStringList l;
        for (bool ok = farb->GetFirst(l); ok; ok = farb->GetNext(l)) out << l;
        return out;
    }
    TXKConfiguratorPtr conf;
    TXKFarbConfigurator* farb = nullptr;
};
}  // namespace

TEST_F(Farben, NumberIsTheKeyAsTypedAndNeedsDesignation) {
    EXPECT_TRUE(Neu("0000", "Schwarz"));  // value 0 is not below 0
    EXPECT_TRUE(Neu("0012", "Mint alt"));
    EXPECT_TRUE(Neu("12", "Mint"));  // another key than "0012"
    TestMeldungen::Erwarte("existiert bereits");
    EXPECT_FALSE(Neu("12", "Minze"));
    TestMeldungen::Erwarte("Beschreibung für die Farbe");
    EXPECT_FALSE(farb->BuchenTesten(wrdonInsert, {}, {"13", "   "}));
    TestMeldungen::Erwarte("Nummer für die Farbe");
    EXPECT_FALSE(farb->BuchenTesten(wrdonInsert, {}, {"x1", "Rot"}));
    EXPECT_EQ(Zeilen(), (QList<QStringList>{{"0000", "Schwarz"}, {"0012", "Mint alt"}, {"12", "Mint"}}));
    EXPECT_EQ(farb->SetCount(), 3);
}

TEST_F(Farben, ChangeKeepsTheNumberAndDeleteIsNotTestedForUse) {
    ASSERT_TRUE(Neu("12", "Mint"));
    EXPECT_FALSE(farb->SwitchControlEnabled_4_Mode_Edit(farb->FFieldIndNummer));
    EXPECT_TRUE(farb->SwitchControlEnabled_4_Mode_Edit(farb->FFieldIndFarbe));
    EXPECT_TRUE(farb->SwitchControlEnabled_4_Mode_New(farb->FFieldIndNummer));
    EXPECT_TRUE(TAllgTabProtokoll::Ausfuehren(*farb, wrdonUpdate, {"12", "Mint"}, {"12", "Minze"}));
    EXPECT_EQ(Zeilen(), (QList<QStringList>{{"12", "Minze"}}));
    // A change whose old record vanished writes nothing.
    EXPECT_TRUE(TAllgTabProtokoll::Ausfuehren(*farb, wrdonUpdate, {"99", "x"}, {"99", "y"}));
    EXPECT_EQ(Zeilen().size(), 1);
    EXPECT_TRUE(TAllgTabProtokoll::Ausfuehren(*farb, wrdonDelete, {"12", "Minze"}, {"12", "Minze"}));
    EXPECT_TRUE(Zeilen().isEmpty());
}

TEST_F(Farben, HostChecksRefuseBeforeTheConfiguratorAndKeepStoredValues) {
    TestMeldungen::Erwarte("höchstens 20 Zeichen");
    EXPECT_FALSE(Neu("1", QString(21, 'a')));
    TestMeldungen::Erwarte("nicht erlaubt");
    EXPECT_FALSE(Neu("1a", "Rot"));
    // An empty number reaches the configurator, whose own text says what is missing.
    TestMeldungen::Erwarte("Nummer für die Farbe");
    EXPECT_FALSE(Neu("", "Rot"));
    EXPECT_TRUE(Zeilen().isEmpty());
}

namespace {
// A table configurator whose Buchen writes two records, the second failing.
class HalbeBuchung : public TXKFarbConfigurator {
public:
    void Buchen(const QString& code, const QStringList& alt, const QStringList& neu) override {
        TXKFarbConfigurator::Buchen(code, alt, neu);
        TXKFarbConfigurator::Buchen(code, alt, neu);  // the same key again: fails
    }
};
}  // namespace

TEST_F(Farben, APostingThatFailsHalfWayLeavesTheDatabaseUnchanged) {
    ASSERT_TRUE(Neu("1", "Rot"));
    TXKConfiguratorPtr halb = XKClass<HalbeBuchung>().Create();
    halb->Init();
    auto& h = static_cast<HalbeBuchung&>(*halb);
    TestMeldungen::Erwarte("TfrmAllgTab.Buchen");  // reported, no success
    EXPECT_FALSE(TAllgTabProtokoll::Ausfuehren(h, wrdonInsert, {}, {"2", "Grün"}));
    halb->Done();
    EXPECT_EQ(Zeilen(), (QList<QStringList>{{"1", "Rot"}}));
}

TEST_F(Farben, OverviewWithTheKeyboard) {
    ASSERT_TRUE(Neu("1", "Rot"));
    const auto tippe = [](TQLNForm& f, const QString& nummer, const QString& bez) {
        EXPECT_TRUE(TestFenster::Aktiviere(f));
        if (auto* e = TestFenster::Kind<QLineEdit>(f, "edtNUMMER"); e && e->isEnabled()) {
            e->setFocus();
            QTest::keyClicks(e, nummer);
        }
        auto* b = TestFenster::Kind<QLineEdit>(f, "edtBEZEICHNUNG");
        b->selectAll();
        QTest::keyClicks(b, bez);
        QTest::keyClick(b, Qt::Key_F5);
        return f.result();
    };
    // overview: Ins (new 12 Mint), F2 (change to Minze), Ins (duplicate 12: refused, Esc), Del (Yes)
    TestModal::Dann([&](TQLNForm& f) {
        auto& ueb = static_cast<TfrmAllgTab&>(f);
        EXPECT_TRUE(TestFenster::Aktiviere(ueb));
        EXPECT_EQ(ueb.windowTitle(), "Farben - Testgruppe");
        QTest::keyClick(ueb.Liste(), Qt::Key_Insert);
        EXPECT_EQ(ueb.Liste()->Rows().Count(), 2);
        EXPECT_EQ(ueb.AktuelleZeile(), (QStringList{"12", "Mint"}));
        TestFenster::Aktiviere(ueb);  // back from the single form
        QTest::keyClick(ueb.Liste(), Qt::Key_F2);
        EXPECT_EQ(ueb.AktuelleZeile(), (QStringList{"12", "Minze"}));
        TestFenster::Aktiviere(ueb);
        QTest::keyClick(ueb.Liste(), Qt::Key_Insert);
        EXPECT_EQ(ueb.Liste()->Rows().Count(), 2);
        TestFenster::Aktiviere(ueb);
        TestMeldungen::Erwarte("„12 Minze“ wirklich löschen", mrJa);
        QTest::keyClick(ueb.Liste(), Qt::Key_Delete);
        EXPECT_EQ(ueb.Liste()->Rows().Count(), 1);
        QTest::keyClick(&ueb, Qt::Key_Escape);
        return QDialog::Rejected;
    }, "TfrmAllgTab");
    TestModal::Dann([&](TQLNForm& f) { return tippe(f, "12", "Mint"); }, "TfrmAllgTabEinzel");
    TestModal::Dann([&](TQLNForm& f) {
        EXPECT_FALSE(TestFenster::Kind<QLineEdit>(f, "edtNUMMER")->isEnabled());
        return tippe(f, "", "Minze");
    }, "TfrmAllgTabEinzel");
    TestModal::Dann([&](TQLNForm& f) {
        TestMeldungen::Erwarte("existiert bereits");
        tippe(f, "12", "Noch einmal");
        EXPECT_EQ(f.result(), 0);  // refused: the form stays open with the input
        EXPECT_EQ(TestFenster::Kind<QLineEdit>(f, "edtBEZEICHNUNG")->text(), "Noch einmal");
        QTest::keyClick(&f, Qt::Key_Escape);
        return f.result();
    }, "TfrmAllgTabEinzel");
    farb->Execute("FARBEN");
    EXPECT_EQ(Zeilen(), (QList<QStringList>{{"1", "Rot"}}));
}
