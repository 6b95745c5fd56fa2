#include "GruppenTestHilfe.h"
#include "host/records/Tawgsfile.h"
#include "host/records/Twgnfile.h"
#include "host/records/Twgsfile.h"
#include "host/ui/TfrmAllgTab.h"
#include "host/ui/TfrmAllgTabEinzel.h"
#include "host/ui/TVTQLNVRList.h"
#include "tables/TXKWGSConfigurator.h"
#include "testkit/TestDatenbank.h"
#include "testkit/TestFenster.h"
#include "testkit/TestModal.h"

#include <QCheckBox>
#include <QTest>

namespace {
QStringList System(const QString& pa, const QString& kennung, const QStringList& ebenen, const QString& aenderbar = "J") {
    QStringList l{pa, kennung, "System " + kennung, "J", aenderbar, "J", "N", "J", "J"};
    for (int i = 0; i < 6; ++i) l << ebenen.value(i);
    return l;
}

class WGS : public ::testing::Test {
protected:
    void SetUp() override { TestDatenbank::Oeffne(); }
};
}  // namespace

TEST_F(WGS, LevelWidthsMakeTheHierarchyTextAndComeBackFromIt) {
    Offen<TXKWGSConfigurator> c;
    EXPECT_TRUE(c.Neu(System("alternativ", "WEB", {"3", "", "2"})));
    Twgsfile f;
    f.OpenNew(-1);
    f.ClearBuffer();
    f.Kennung.SetKeyWert(QStringLiteral("WEB"));
    ASSERT_TRUE(f.Get_eq());
    EXPECT_EQ(f.Hierarchie.GetWert(), "11133");
    EXPECT_EQ(f.PrimAlt.GetWert(), "A");
    EXPECT_EQ(c.Zeile(c->FFieldIndKennung, "WEB").mid(c->FFieldIndEbene[0], 6),
              (QStringList{"3", "", "2", "", "", ""}));

    TestMeldungen::Erwarte("max. sechstellige");
    EXPECT_FALSE(c.Neu(System("alternativ", "LANG", {"4", "3"})));
    TestMeldungen::Erwarte("mindestens einstellige");
    EXPECT_FALSE(c.Neu(System("alternativ", "LEER", {"", " ", "0"})));
    TestMeldungen::Erwarte("existiert bereits");
    EXPECT_FALSE(c.Neu(System("primär", "WEB", {"1"})));
    TestMeldungen::Erwarte("Beschreibung für das Warengruppensystem");
    QStringList ohneText = System("primär", "STD", {"1"});
    ohneText[c->FFieldIndText] = "  ";
    EXPECT_FALSE(c.Neu(ohneText));
    EXPECT_EQ(c->SetCount(), 1);
}

TEST_F(WGS, ChangeReplacesTheRecordAndKeepsTheHierarchy) {
    Offen<TXKWGSConfigurator> c;
    ASSERT_TRUE(c.Neu(System("alternativ", "WEB", {"2", "2"})));
    const QStringList alt = c.Zeile(c->FFieldIndKennung, "WEB");
    QStringList neu = alt;
    neu[c->FFieldIndPrimAlt] = "primär";
    neu[c->FFieldIndText] = "Onlineshop";
    neu[c->FFieldIndMehrfach] = "J";
    EXPECT_TRUE(c.Aendern(alt, neu));
    EXPECT_EQ(c.Zeilen(), (QList<QStringList>{neu}));
}

TEST_F(WGS, DeleteIsRefusedOnlyWhenArticlesAreAssigned) {
    Offen<TXKWGSConfigurator> c;
    ASSERT_TRUE(c.Neu(System("primär", "STD", {"1", "2"})));
    ASSERT_TRUE(c.Neu(System("alternativ", "WEB", {"2", "2"})));
    Twgnfile wgn;
    wgn.OpenNew(-1);
    for (const char* s : {"std", "WEB"}) {  // the groups name their system in any case
        wgn.ClearBuffer();
        wgn.Wgs.SetWert(QString::fromLatin1(s));
        wgn.Wgn.SetWert(QStringLiteral("100"));
        wgn.Write(wrdonInsert);
    }
    Tawgsfile awgs;
    awgs.OpenNew(-1);
    awgs.ClearBuffer();
    awgs.ArtNr.SetWert(QStringLiteral("100007"));
    awgs.Wgs.SetWert(QStringLiteral("Std"));
    awgs.Wgn.SetWert(QStringLiteral("100"));
    awgs.Write(wrdonInsert);

    TestMeldungen::Erwarte("wird noch benutzt");
    EXPECT_FALSE(c.Loeschen(c.Zeile(c->FFieldIndKennung, "STD")));
    // groups, but no article in them: the system may go
    EXPECT_TRUE(c.Loeschen(c.Zeile(c->FFieldIndKennung, "WEB")));
    EXPECT_EQ(c.Zeilen().size(), 1);
}

TEST_F(WGS, ChangeModeLocksWhatMustStay) {
    Offen<TXKWGSConfigurator> c;
    const QStringList primaer = System("primär", "STD", {"1"});
    const QStringList alternativ = System("alternativ", "WEB", {"1"});
    const QStringList fest = System("alternativ", "OUT", {"1"}, "N");
    EXPECT_TRUE(c->FeldAenderbar(c->FFieldIndText, primaer));
    EXPECT_FALSE(c->FeldAenderbar(c->FFieldIndZuordOpt, primaer));
    EXPECT_TRUE(c->FeldAenderbar(c->FFieldIndZuordOpt, alternativ));
    for (int i : {c->FFieldIndKennung, c->FFieldIndAenderbar, c->FFieldIndEbene[0], c->FFieldIndEbene[5]})
        EXPECT_FALSE(c->FeldAenderbar(i, alternativ)) << i;
    for (int i = 0; i < c->Felder().size(); ++i) EXPECT_FALSE(c->FeldAenderbar(i, fest)) << i;
    EXPECT_EQ(c.NeueZeile().mid(0, 9), (QStringList{"alternativ", "", "", "J", "J", "J", "N", "J", "J"}));
}

TEST_F(WGS, ChoosingPrimaryDisablesOptionalButNeverUnlocksAFixedSystem) {
    Offen<TXKWGSConfigurator> c;
    ASSERT_TRUE(c.Neu(System("alternativ", "OUT", {"1"}, "N")));
    ASSERT_TRUE(c.Neu(System("alternativ", "WEB", {"1"})));
    const auto optional = [&](TQLNForm& f) {
        return TestFenster::Kind<QCheckBox>(f, "edtZUORDOPT")->isEnabled();
    };
    TestModal::Dann([&](TQLNForm& f) {
        auto& ueb = static_cast<TfrmAllgTab&>(f);
        EXPECT_TRUE(TestFenster::Aktiviere(ueb));
        ueb.Liste()->SelectFirstVisibleRow();  // OUT: not changeable
        QTest::keyClick(ueb.Liste(), Qt::Key_F2);
        TestFenster::Aktiviere(ueb);
        QTest::keyClick(ueb.Liste(), Qt::Key_Down);  // WEB
        QTest::keyClick(ueb.Liste(), Qt::Key_F2);
        return QDialog::Rejected;
    }, "TfrmAllgTab");
    TestModal::Dann([&](TQLNForm& f) {
        EXPECT_FALSE(optional(f));  // the handler saw "alternativ" and still left it locked
        return QDialog::Rejected;
    }, "TfrmAllgTabEinzel");
    TestModal::Dann([&](TQLNForm& f) {
        auto& e = static_cast<TfrmAllgTabEinzel&>(f);
        EXPECT_TRUE(optional(f));
        e.SetWert(c->FFieldIndPrimAlt, "primär");
        EXPECT_FALSE(optional(f));
        e.SetWert(c->FFieldIndPrimAlt, "alternativ");
        EXPECT_TRUE(optional(f));
        return QDialog::Rejected;
    }, "TfrmAllgTabEinzel");
    c->Execute("WGS");
    EXPECT_EQ(TestModal::Anzahl(), 3);
}
