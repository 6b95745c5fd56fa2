#include "ACfgTestKlassen.h"
#include "host/TRVRTab.h"
#include "host/acfg/TZEV_ACfg_RegInfoProvider.h"
#include "host/acfg/TZEV_Glob_ACfgTreeProvider.h"
#include "registry/TXKACfgDienst.h"
#include "testkit/TestMeldungen.h"

namespace {
QString KatalogFehler(const QString& text) {
    try {
        TZEV_ACfg_TypKatalog k(text, "test.txt");
        return {};
    } catch (const Exception& e) {
        return e.Message();
    }
}

QList<TZEV_ACfgType_Erw> Kinder(const TZEV_ACfgTreeNode& n) {
    QList<TZEV_ACfgType_Erw> l;
    for (const TZEV_ACfgTreeNode* c : n.Children()) l << c->Data();
    return l;
}

class TTestConfigurator : public TXKConfigurator {
public:
    static constexpr const char* KlassenName = "TTestConfigurator";
    static int ActiveOnTypes() { return 0b10000010; }  // 1 and 7
    bool Execute(const QString&) override { return true; }
};
}  // namespace

TEST(ACfgKatalogTest, TheHostCatalogueHoldsEveryBoundTypeBelowItsRoot) {
    const TZEV_ACfg_TypKatalog& k = TZEV_ACfg_TypKatalog::Standard();
    const QList<int> gebunden{1,  3,  6,  7,  10, 11, 17,  18,  25,  27,  28,  30,  31,  32,  33,  35,  36,  38,
                              41, 43, 44, 45, 58, 66, 67,  71,  80,  88,  95,  96,  97,  99,  100, 101, 108, 109,
                              110, 111, 112, 113, 120, 121, 128, 157, 158, 159, 160, 161, 162, 168, 169, 170, 171, 172, 174};
    for (const int t : gebunden) EXPECT_TRUE(k.Enthaelt(TZEV_ACfgType_Erw(t))) << t;
    EXPECT_EQ(k.Kinder(0), (QList<TZEV_ACfgType_Erw>{1, 45, 113, 121, 157, 159, 162}));
    EXPECT_EQ(k.Name(CACfgTyp_Verk_TabeBelegstorno), "acfgVerkTabeBelegstorno");
    EXPECT_EQ(k.Name(CACfgTyp_Verk_TabePlanetTaxFree), "acfgVerkTabePlanetTaxFree");
    EXPECT_EQ(k.Eintrag(66)->Caption, "Kassenlade");
    EXPECT_EQ(k.Eintrag(0)->Caption, "Konfigurationen");
    EXPECT_EQ(k.Name(250), "250");
    EXPECT_TRUE(k.Unterhalb(66, 1));
    EXPECT_TRUE(k.Unterhalb(170, 162));
    EXPECT_FALSE(k.Unterhalb(170, 1));
    EXPECT_EQ(k.Kinder(168), (QList<TZEV_ACfgType_Erw>{169, 170, 171, 172}));
}

TEST(ACfgKatalogTest, MalformedLinesNameTheLineAndTheFault) {
    EXPECT_EQ(KatalogFehler("# nur ein Kommentar\n\n1|0|acfgA|A||\n2|1|acfgB|B|b|x, y\n"), "");
    EXPECT_EQ(KatalogFehler("1|0|acfgA|A|\n"), "test.txt, Zeile 1: Erwartet werden 6 Felder, die Zeile hat 5.");
    EXPECT_TRUE(KatalogFehler("\n0|0|acfgA|A||").startsWith("test.txt, Zeile 2: Der Typ „0“"));
    EXPECT_TRUE(KatalogFehler("256|0|acfgA|A||").contains("keine Zahl von 1 bis 255"));
    EXPECT_TRUE(KatalogFehler("x|0|acfgA|A||").contains("keine Zahl von 1 bis 255"));
    EXPECT_TRUE(KatalogFehler("1|0|acfgA|A||\n1|0|acfgB|B||").contains("Zeile 2: Den Typ 1 gibt es schon"));
    EXPECT_TRUE(KatalogFehler("2|1|acfgB|B||\n1|0|acfgA|A||").contains("Zeile 1: Der Obertyp 1 muss weiter oben stehen"));
    EXPECT_TRUE(KatalogFehler("1|1|acfgA|A||").contains("Obertyp 1 muss weiter oben"));
    EXPECT_TRUE(KatalogFehler("1|0|acfg A|A||").contains("kein Bezeichner"));
    EXPECT_TRUE(KatalogFehler("1|0|acfgA|A||\n2|0|acfgA|B||").contains("Den Namen acfgA gibt es schon"));
    EXPECT_TRUE(KatalogFehler("1|0|acfgAlle|A||").contains("Den Namen acfgAlle gibt es schon"));
    EXPECT_TRUE(KatalogFehler("1|0|acfgA| ||").contains("Die Bezeichnung fehlt"));
}

TEST(ACfgKatalogTest, TypeTreeBelowARootInCatalogueOrder) {
    const auto ganz = TZEV_Glob_ACfgTreeProvider::GetACfgTree(0);
    ASSERT_TRUE(ganz);
    int anzahl = 0;
    for (bool ok = ganz->GetFirst(); ok; ok = ganz->GetNext()) ++anzahl;
    EXPECT_EQ(anzahl, TZEV_ACfg_TypKatalog::Standard().Typen().size());

    const auto zewi = TZEV_Glob_ACfgTreeProvider::GetACfgTree(162);
    ASSERT_TRUE(zewi);
    EXPECT_EQ(zewi->Root()->Data(), 162);
    EXPECT_EQ(Kinder(*zewi->Root()), (QList<TZEV_ACfgType_Erw>{163}));
    EXPECT_EQ(Kinder(*zewi->GetNodeByData(168)), (QList<TZEV_ACfgType_Erw>{169, 170, 171, 172}));
    EXPECT_FALSE(zewi->GetNodeByData(66));

    const auto blatt = TZEV_Glob_ACfgTreeProvider::GetACfgTree(66);
    ASSERT_TRUE(blatt);
    EXPECT_FALSE(blatt->GetFirst());

    TestMeldungen::Erwarte("Den Konfigurationstyp 250 gibt es im Typkatalog nicht");
    EXPECT_FALSE(TZEV_Glob_ACfgTreeProvider::GetACfgTree(250));
}

TEST_F(ACfgTest, RegistrationDataByKind) {
    RegistriereKasse();
    TZEV_ACfg_Registry::RegisterACfgClass(CTypTerminal, ACfgFrameClass<TTestFrame>());  // data class still missing
    TZEV_ACfg_Registry::RegisterACfgGroup_EditFrame(CTypGruppe, ACfgFrameClass<TTestGruppenFrame>());
    TZEV_ACfg_Registry::RegisterXKConfigurator(XKClass<TTestConfigurator>(), 10, "Teil", "", "Beanstandete Teile", "BANTEILE");

    TZEV_ACfGType_RegData d;
    ASSERT_TRUE(TZEV_ACfg_Registry::GetRegData(CTypKasse, d));
    EXPECT_EQ(d.Art, acfgArtKonfiguration);
    EXPECT_EQ(d.DataClass, &ACfgDataClass<TTestKassenKonfig>());
    EXPECT_EQ(d.FrameClass->ClassName(), "TTestFrame");
    EXPECT_FALSE(TZEV_ACfg_Registry::GetRegData(CTypTerminal, d));
    TZEV_ACfg_Registry::RegisterACfgDataClass(CTypTerminal, ACfgDataClass<TTestTerminalKonfig>());
    EXPECT_TRUE(TZEV_ACfg_Registry::GetRegData(CTypTerminal, d));
    ASSERT_TRUE(TZEV_ACfg_Registry::GetRegData(CTypGruppe, d));
    EXPECT_EQ(d.Art, acfgArtGruppe);
    ASSERT_TRUE(TZEV_ACfg_Registry::GetRegData(10, d));
    EXPECT_EQ(d.Art, acfgArtKonfigurator);
    EXPECT_EQ(d.XKId, "BANTEILE");
    EXPECT_FALSE(TZEV_ACfg_Registry::GetRegData(11, d));

    // Texts: the catalogue's, replaced by those given with a configurator where not empty.
    const TZEV_ACfg_RegInfo info = TZEV_ACfg_RegInfoProvider::GetRegInfo_4_ACfgTYpe(10);
    EXPECT_EQ(info.Caption, "Beanstandete Teile");
    EXPECT_EQ(info.Beschreibung, TZEV_ACfg_TypKatalog::Standard().Eintrag(10)->Beschreibung);
    EXPECT_EQ(info.Schlagworte, "Teil");
    EXPECT_EQ(TZEV_ACfg_RegInfoProvider::GetRegInfo_4_ACfgTYpe(250).Caption, "250");

    TZEV_ACfg_Registry::RegisterACfgDataClass(59, ACfgDataClass<TTestSchalter>());
    TZEV_ACfg_Registry::RegisterACfgDataClass(61, ACfgDataClass<TTestSchalter>());
    EXPECT_EQ(TZEV_ACfg_Registry::GruppenMitglieder(CTypGruppe), (QList<TZEV_ACfgType_Erw>{59, 61}));
    EXPECT_EQ(TZEV_ACfg_Registry::GruppeVon(61), CTypGruppe);
    EXPECT_EQ(TZEV_ACfg_Registry::GruppeVon(CTypKasse), 0);
}

TEST_F(ACfgTest, FaultyRegistrationsAreReportedAndTheFirstStays) {
    RegistriereKasse();
    TestMeldungen::Erwarte("ist bereits registriert (TTestFrame)");
    TZEV_ACfg_Registry::RegisterACfgGroup_EditFrame(CTypKasse, ACfgFrameClass<TTestGruppenFrame>());
    TestMeldungen::Erwarte("Den Konfigurationstyp 250 gibt es im Typkatalog nicht");
    TZEV_ACfg_Registry::RegisterACfgClass(250, ACfgFrameClass<TTestFrame>());
    TestMeldungen::Erwarte("Den Konfigurationstyp 0 gibt es");
    TZEV_ACfg_Registry::RegisterACfgDataClass(0, ACfgDataClass<TTestSchalter>());
    // Frame and data class go together: neither is kept when one is refused.
    TestMeldungen::Erwarte("TTestGruppenFrame implementiert nicht IZEV_KonfigEditFrame");
    TZEV_ACfg_Registry::RegisterACfgClass(CTypTerminal, ACfgFrameClass<TTestGruppenFrame>(),
                                          ACfgDataClass<TTestTerminalKonfig>());
    TestMeldungen::Erwarte("TTestFrame implementiert nicht IZEV_MultKonfigEditFrame");
    TZEV_ACfg_Registry::RegisterACfgGroup_EditFrame(CTypGruppe, ACfgFrameClass<TTestFrame>());
    TestMeldungen::Erwarte("bereits die Datenklasse TTestKassenKonfig registriert");
    TZEV_ACfg_Registry::RegisterACfgDataClass(CTypKasse, ACfgDataClass<TTestSchalter>());
    TestMeldungen::Erwarte("bereits registriert");
    TZEV_ACfg_Registry::RegisterACfgClass(CTypKasse, ACfgFrameClass<TTestFrame>(), ACfgDataClass<TTestSchalter>());

    TZEV_ACfGType_RegData d;
    ASSERT_TRUE(TZEV_ACfg_Registry::GetRegData(CTypKasse, d));
    EXPECT_EQ(d.Art, acfgArtKonfiguration);
    EXPECT_EQ(d.DataClass, &ACfgDataClass<TTestKassenKonfig>());
    EXPECT_FALSE(TZEV_ACfg_Registry::GetRegData(CTypTerminal, d));
    EXPECT_FALSE(TZEV_ACfg_Registry::GetDataClass(CTypTerminal));
    EXPECT_FALSE(TZEV_ACfg_Registry::GetRegData(CTypGruppe, d));
    EXPECT_FALSE(TZEV_ACfg_Registry::GetDataClass(0));
}

TEST_F(ACfgTest, VisibilityEditabilityAndTransferByComputerType) {
    Installation();
    RegistriereKasse();  // scope 2, types 1 to 3
    TZEV_ACfg_Registry::RegisterACfgClass(CTypSystem, ACfgFrameClass<TTestFrame>(), ACfgDataClass<TTestSystemKonfig>());
    TZEV_ACfg_Registry::RegisterACfgGroup_EditFrame(CTypGruppe, ACfgFrameClass<TTestGruppenFrame>());
    TZEV_ACfg_Registry::RegisterACfgDataClass(60, ACfgDataClass<TTestSchalter>());
    TZEV_ACfg_Registry::RegisterXKConfigurator(XKClass<TTestConfigurator>(), 10, "", "", "", "BANTEILE");
    using P = TZEV_ACfg_RegInfoProvider;

    EXPECT_TRUE(P::SichtbarAufRTyp(CTypKasse, 3));
    EXPECT_FALSE(P::SichtbarAufRTyp(CTypKasse, 4));
    EXPECT_FALSE(P::SichtbarAufRTyp(CTypKasse, 8));   // above 7: never a member
    EXPECT_FALSE(P::SichtbarAufRTyp(CTypKasse, -1));
    EXPECT_FALSE(P::SichtbarAufRTyp(CTypGruppe, 3));  // a group has no value of its own
    EXPECT_FALSE(P::SichtbarAufRTyp(1, 1));           // nor has a heading
    EXPECT_TRUE(P::SichtbarAufRTyp(60, 2));

    EXPECT_TRUE(P::EditierbarAufRTyp(CTypKasse, 1));
    EXPECT_FALSE(P::EditierbarAufRTyp(CTypKasse, 4));
    EXPECT_FALSE(P::EditierbarAufRTyp(CTypKasse, 9));
    EXPECT_TRUE(P::EditierbarAufRTyp(CTypGruppe, 3));  // through its member 60
    EXPECT_FALSE(P::EditierbarAufRTyp(CTypGruppe, 5));
    EXPECT_TRUE(P::EditierbarAufRTyp(60, 3));          // in the group's frame
    EXPECT_FALSE(P::EditierbarAufRTyp(61, 3));         // no data class
    EXPECT_FALSE(P::EditierbarAufRTyp(1, 1));
    EXPECT_TRUE(P::EditierbarAufRTyp(10, 3));          // no configurator service: starting tells why not
    TZEV_ACfg_Registry::InstallXKDienst(std::make_unique<TXKACfgDienst>());
    EXPECT_TRUE(P::EditierbarAufRTyp(10, 7));
    EXPECT_FALSE(P::EditierbarAufRTyp(10, 3));

    const TRVRTab reg;
    EXPECT_TRUE(P::UebertragbarAufExistingRTyp(CTypKasse, 2, reg));
    EXPECT_TRUE(P::UebertragbarAufExistingRTyp(CTypKasse, 2));
    EXPECT_FALSE(P::UebertragbarAufExistingRTyp(CTypKasse, 4, reg));   // a workstation has none
    EXPECT_FALSE(P::UebertragbarAufExistingRTyp(CTypKasse, 50, reg));  // not in the register
    EXPECT_FALSE(P::UebertragbarAufExistingRTyp(CTypSystem, 1, reg));  // one object for all: nothing to copy
    EXPECT_FALSE(P::UebertragbarAufExistingRTyp(CTypGruppe, 2, reg));
    EXPECT_TRUE(P::UebertragbarAufExistingRTyp(60, 2, reg));
    EXPECT_FALSE(P::UebertragbarAufExistingRTyp(10, 1, reg));
}
