#include "ACfgTestKlassen.h"
#include "host/acfg/TZEV_ACfg_EditierungsProvider.h"
#include "registry/TXKACfgDienst.h"
#include "testkit/TestFenster.h"
#include "testkit/TestMeldungen.h"
#include "testkit/TestModal.h"

#include <QPushButton>
#include <QTest>

namespace {
using P = TZEV_ACfg_EditierungsProvider;
using C = TZEV_Glob_ACfg_Controller;

// The frames have no meta-object of their own: findChild cannot tell them apart.
TTestFrame* Frame(QWidget& w) { return dynamic_cast<TTestFrame*>(static_cast<TZEV_ACfgEditFrm&>(w).Frame()); }

// Types text into the frame and confirms with F5; returns the window's result.
int Tippe(TQLNForm& f, const QString& text) {
    EXPECT_TRUE(TestFenster::Aktiviere(f));
    Frame(f)->edtText->setText(text);
    QTest::keyClick(&f, Qt::Key_F5);
    return f.result();
}

class ACfgProviderTest : public ACfgTest {
protected:
    void SetUp() override {
        ACfgTest::SetUp();
        Installation();
        RegistriereKasse();
        TZEV_ACfg_Registry::RegisterACfgClass(CTypTerminal, ACfgFrameClass<TTestFrame>(),
                                              ACfgDataClass<TTestTerminalKonfig>());
    }
    static std::unique_ptr<TTestTerminalKonfig> Terminal(const QString& adresse) {
        auto t = std::make_unique<TTestTerminalKonfig>(CTypTerminal);
        t->Adresse = adresse;
        return t;
    }
};

class TTestConfigurator : public TXKConfigurator {
public:
    static constexpr const char* KlassenName = "TTestConfigurator";
    inline static QStringList Gestartet;
    bool Execute(const QString& id) override {
        Gestartet << id;
        return true;
    }
};
}  // namespace

TEST_F(ACfgProviderTest, ARefusedCheckStoresNothingAndAFreshCopyIsCheckedAgain) {
    ASSERT_TRUE(C::SetKonfigForACfgType(*Kasse("vorher", 5), {2}));
    TestModal::Dann([](TQLNForm& f) {
        auto& frm = static_cast<TZEV_ACfgEditFrm&>(f);
        EXPECT_EQ(frm.windowTitle(), "Konfiguration Kassenlade - Testgruppe");
        EXPECT_EQ(frm.RechnerText(), "Rechner: 2");
        EXPECT_EQ(Frame(frm)->edtText->text(), "vorher");
        EXPECT_EQ(Tippe(f, ""), 0);  // refused: the window stays open
        EXPECT_TRUE(TestMeldungen::Texte().contains("Bitte geben Sie einen Text ein!"));
        EXPECT_EQ(Gespeichert(CTypKasse, 2), Kasse("vorher", 5)->Serialisieren());
        return Tippe(f, "nachher");
    }, "TZEV_ACfgEditFrm");
    EXPECT_TRUE(P::Execute_KonfigEditierung(CTypKasse, 2));
    EXPECT_EQ(TTestFrame::Gelesen, 2);
    const auto k = Lade<TTestKassenKonfig>(CTypKasse, 2);
    EXPECT_EQ(k->Text, "nachher");
    EXPECT_EQ(k->Anzahl, 6);  // one increment: the refused attempt's copy was thrown away
}

TEST_F(ACfgProviderTest, CancelStoresNothing) {
    TestModal::Dann([](TQLNForm& f) {
        EXPECT_TRUE(TestFenster::Aktiviere(f));
        Frame(f)->edtText->setText("nie gespeichert");
        QTest::keyClick(&f, Qt::Key_Escape);
        EXPECT_FALSE(f.isVisible());
        return f.result();
    });
    EXPECT_FALSE(P::Execute_KonfigEditierung(CTypKasse, 2));
    EXPECT_EQ(TTestFrame::Gelesen, 0);
    EXPECT_TRUE(Gespeichert(CTypKasse, 2).isEmpty());
}

TEST_F(ACfgProviderTest, AnAcceptedObjectIsStoredForEveryListedComputerInOnePosting) {
    ASSERT_TRUE(C::SetKonfigForACfgType(*Terminal("10.0.0.2"), {2}));
    // 99 fails in the middle of the posting: nothing is stored and the window stays open.
    TestModal::Dann([](TQLNForm& f) {
        EXPECT_EQ(static_cast<TZEV_ACfgEditFrm&>(f).RechnerText(), "Für die Rechner: 2, 3, 99, 1");
        TestMeldungen::Erwarte("Rechner 99 ist nicht erreichbar");
        EXPECT_EQ(Tippe(f, "10.0.0.9"), 0);
        EXPECT_EQ(Gespeichert(CTypTerminal, 3), "");
        QTest::keyClick(&f, Qt::Key_Escape);
        return f.result();
    });
    EXPECT_FALSE(P::Execute_KonfigEditierung_OneConfig_Rechnerliste(CTypTerminal, {2, 3, 99, 1}));
    EXPECT_EQ(Gespeichert(CTypTerminal, 2), "ACFG|TTestTerminalKonfig|1|2\nAdresse=10.0.0.2");
    EXPECT_TRUE(Gespeichert(CTypTerminal, 1).isEmpty());

    TestModal::Dann([](TQLNForm& f) {
        auto& frm = static_cast<TZEV_ACfgEditFrm&>(f);
        EXPECT_TRUE(frm.RechnerText().contains("unterschiedliche Einstellungen; angezeigt wird die von Rechner 2"));
        EXPECT_EQ(Frame(f)->edtText->text(), "10.0.0.2");
        return Tippe(f, "10.0.0.9");
    });
    EXPECT_TRUE(P::Execute_KonfigEditierung_OneConfig_MultipleRechnerlisten(CTypTerminal, {{2, 3}, {}, {1, 3}}));
    for (const int rnr : {1, 2, 3})
        EXPECT_EQ(Gespeichert(CTypTerminal, rnr), QStringLiteral("ACFG|TTestTerminalKonfig|1|%1\nAdresse=10.0.0.9").arg(rnr));
}

TEST_F(ACfgProviderTest, ComputersWithoutTheConfigurationAreRefusedBeforeEditing) {
    TestMeldungen::Erwarte("gibt es für den Rechner 4 nicht");
    EXPECT_FALSE(P::Execute_KonfigEditierung_OneConfig_Rechnerliste(CTypKasse, {2, 4}));
    TestMeldungen::Erwarte("kein Rechner angegeben");
    EXPECT_FALSE(P::Execute_KonfigEditierung_OneConfig_MultipleRechnerlisten(CTypKasse, {{}, {}}));
    TestMeldungen::Erwarte("kein Bearbeitungsfenster registriert");
    EXPECT_FALSE(P::Execute_KonfigEditierung(CTypSystem, 1));
    EXPECT_EQ(TestModal::Anzahl(), 0);
}

TEST_F(ACfgProviderTest, ABrokenStoredObjectCanBeReplacedByTheDefaults) {
    SpeichereRoh(CTypKasse, 2, "ACFG|TTestKassenKonfig|2\nAnzahl=viele");
    TestMeldungen::Erwarte("mit den Standardwerten bearbeitet werden", mrNein);
    EXPECT_FALSE(P::Execute_KonfigEditierung(CTypKasse, 2));
    EXPECT_EQ(TestModal::Anzahl(), 0);

    TestMeldungen::Erwarte("Der Wert „viele“ von Anzahl ist keine ganze Zahl", mrJa);
    TestModal::Dann([](TQLNForm& f) {
        EXPECT_EQ(Frame(f)->edtText->text(), "Standard");
        return Tippe(f, "repariert");
    });
    EXPECT_TRUE(P::Execute_KonfigEditierung(CTypKasse, 2));
    EXPECT_EQ(Lade<TTestKassenKonfig>(CTypKasse, 2)->Text, "repariert");
}

TEST_F(ACfgProviderTest, AGroupIsEditedInOneFrameAndStoredPerMember) {
    TZEV_ACfg_Registry::RegisterACfgGroup_EditFrame(CTypGruppe, ACfgFrameClass<TTestGruppenFrame>());
    TZEV_ACfg_Registry::RegisterACfgDataClass(59, ACfgDataClass<TTestSchalter>());
    TZEV_ACfg_Registry::RegisterACfgDataClass(61, ACfgDataClass<TTestSchalter>());
    TestModal::Dann([](TQLNForm& f) {
        auto* g = dynamic_cast<TTestGruppenFrame*>(static_cast<TZEV_ACfgEditFrm&>(f).Frame());
        EXPECT_EQ(g->Boxen.size(), 2);
        g->Boxen[1]->setChecked(true);
        EXPECT_TRUE(TestFenster::Aktiviere(f));
        QTest::keyClick(&f, Qt::Key_F5);
        return f.result();
    });
    // A member is edited in its group's frame.
    EXPECT_TRUE(P::Execute_KonfigEditierung_OneConfig_Rechnerliste(61, {2, 3}));
    for (const int rnr : {2, 3}) {
        EXPECT_FALSE(Lade<TTestSchalter>(59, rnr)->An);
        EXPECT_TRUE(Lade<TTestSchalter>(61, rnr)->An);
    }
    EXPECT_TRUE(Gespeichert(61, 1).isEmpty());
}

TEST_F(ACfgProviderTest, AConfiguratorTypeStartsItsConfigurator) {
    TZEV_ACfg_Registry::RegisterXKConfigurator(XKClass<TTestConfigurator>(), 11, "", "", "", "MAENGEL");
    TestMeldungen::Erwarte("kann hier nicht gestartet werden");
    EXPECT_FALSE(P::Execute_KonfigEditierung(11, 1));
    TZEV_ACfg_Registry::InstallXKDienst(std::make_unique<TXKACfgDienst>());
    TTestConfigurator::Gestartet.clear();
    EXPECT_TRUE(P::Execute_KonfigEditierung(11, 1));
    EXPECT_EQ(TTestConfigurator::Gestartet, QStringList{"MAENGEL"});
    TestMeldungen::Erwarte("kann nicht angezeigt werden");
    EXPECT_FALSE(P::Execute_KonfigAnzeige(11, 1, nullptr));
}

TEST_F(ACfgProviderTest, DisplayFillsTheGivenWindowAgainOnEveryCall) {
    ASSERT_TRUE(C::SetKonfigForACfgType(*Kasse("zwei"), {2}));
    ASSERT_TRUE(C::SetKonfigForACfgType(*Kasse("drei"), {3}));
    TZEV_ACfgEditFrm frm;
    ASSERT_TRUE(P::Execute_KonfigAnzeige(CTypKasse, 2, &frm));
    EXPECT_TRUE(frm.isVisible());
    EXPECT_EQ(Frame(frm)->edtText->text(), "zwei");
    EXPECT_FALSE(Frame(frm)->isEnabled());
    EXPECT_FALSE(frm.btnSpeichern->isVisible());
    ASSERT_TRUE(P::Execute_KonfigAnzeige(CTypKasse, 3, &frm));
    EXPECT_EQ(frm.findChildren<QLineEdit*>().size(), 1);  // the first frame is gone
    EXPECT_EQ(Frame(frm)->edtText->text(), "drei");
    QTest::keyClick(&frm, Qt::Key_F5);  // nothing to store in a display
    EXPECT_EQ(TTestFrame::Gelesen, 0);
    EXPECT_EQ(TestModal::Anzahl(), 0);

    TestModal::Dann([](TQLNForm& f) {
        EXPECT_EQ(Frame(f)->edtText->text(), "zwei");
        return 0;
    }, "TZEV_ACfgEditFrm");
    EXPECT_TRUE(P::Execute_KonfigAnzeige(CTypKasse, 2, nullptr));
}
