// The catalogue registry, the class operations of TXKConfigurator as the
// centre asks them, and the lifecycle of one start.

#include "app/TfrmTriveltaMain.h"
#include "host/Exception.h"
#include "host/TQLNInfo.h"
#include "registry/Triveltaclass.h"
#include "testkit/TestMeldungen.h"
#include "testkit/TestUmgebung.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

QStringList gProtokoll;
bool gRecht = true;
bool gExecuteFehler = false;
bool gDestroyFehler = false;

// Only on computer types 1, 2 and 7; no overridden Active.
class TNurZentraleConf : public TXKConfigurator {
public:
    static constexpr const char* KlassenName = "TNurZentraleConf";
    static int ActiveOnTypes() { return 134; }
    bool Execute(const QString&) override { return true; }
};

// Adds a condition to the inherited Active and names its groups.
class TBedingteConf : public TNurZentraleConf {
public:
    static constexpr const char* KlassenName = "TBedingteConf";
    static bool Active(const QString& id, const TXKConfiguratorClass& cls) {
        return id != QLatin1String("AUS") && TNurZentraleConf::Active(id, cls);
    }
    static QString Groups(const QString& id, const TXKConfiguratorClass&) { return QStringLiteral("ARTV,") + id; }
};

// Inherits Active, but brings its own computer types: the inherited Active must use them.
class TKassenConf : public TBedingteConf {
public:
    static constexpr const char* KlassenName = "TKassenConf";
    static int ActiveOnTypes() { return 1 << 3; }
    static bool RechtFuerKonfigVorhanden(const TXKConfiguratorClass&) { return false; }
};

// Writes every step of its life into gProtokoll.
class TProtokollConf : public TXKConfigurator {
public:
    static constexpr const char* KlassenName = "TProtokollConf";
    static bool RechtFuerKonfigVorhanden(const TXKConfiguratorClass&) { return gRecht; }
    ~TProtokollConf() override { gProtokoll << QStringLiteral("release"); }
    void Init() override {
        gProtokoll << QStringLiteral("Init");
        TXKConfigurator::Init();
    }
    void Execute_Start() override { gProtokoll << QStringLiteral("Execute_Start"); }
    bool Execute(const QString& id) override {
        gProtokoll << QStringLiteral("Execute ") + id;
        if (gExecuteFehler) throw Exception(QStringLiteral("Execute ging schief"));
        return true;
    }
    void Execute_End() override { gProtokoll << QStringLiteral("Execute_End"); }
    void Done() override {
        gProtokoll << QStringLiteral("Done");
        TXKConfigurator::Done();
    }

protected:
    void Resources_Create() override { gProtokoll << QStringLiteral("Resources_Create"); }
    void Resources_InitF() override { gProtokoll << QStringLiteral("Resources_InitF"); }
    void Resources_DoneF() override { gProtokoll << QStringLiteral("Resources_DoneF"); }
    void Resources_Destroy() override {
        gProtokoll << QStringLiteral("Resources_Destroy");
        if (gDestroyFehler) throw Exception(QStringLiteral("Freigabe ging schief"));
    }
};

void SetzeRTyp(int typ) {
    TQLNSitzungsDaten d = TestUmgebung::StandardSitzung();
    d.RTyp = typ;
    TestUmgebung::SetzeSitzung(d);
}

class Lebenslauf : public ::testing::Test {
protected:
    void SetUp() override {
        XKRegistryEintraege().clear();
        gProtokoll.clear();
        gRecht = true;
        gExecuteFehler = false;
        gDestroyFehler = false;
    }
    // Starts id the way the centre does.
    static void Starte(const QString& id) {
        TfrmTriveltaMain frm({});
        const int i = frm.ConfListe().GetConfiguratorIndexByName(id);
        ASSERT_GE(i, 0);
        frm.XKConfiguratorStart(i);
    }
};

}  // namespace

TEST(Registry, KeepsRegistrationOrderAndOneClassMayServeSeveralIds) {
    XKRegistryEintraege().clear();
    const auto& a = XKClass<TNurZentraleConf>();
    const auto& b = XKClass<TBedingteConf>();
    RegisterXKConfigurator(b, "ZZZ", "Zuletzt", "Beschreibung Z", "z");
    RegisterXKConfigurator(a, "AAA", "Anfang", "Beschreibung A", "a, b");
    RegisterXKConfigurator(b, "MMM", "Mitte", "", "");
    QStringList gesehen;
    EnumXKConfigurator([&](const TXKConfiguratorClass& k, const QString& id, const QString& caption,
                           const QString& beschreibung, const QString& schlagworte) {
        gesehen << k.ClassName() + "|" + id + "|" + caption + "|" + beschreibung + "|" + schlagworte;
        // Registering from inside the walk neither loops nor disturbs it.
        RegisterXKConfigurator(a, id + "2", caption, beschreibung, schlagworte);
    });
    EXPECT_EQ(gesehen, QStringList({"TBedingteConf|ZZZ|Zuletzt|Beschreibung Z|z",
                                    "TNurZentraleConf|AAA|Anfang|Beschreibung A|a, b", "TBedingteConf|MMM|Mitte||"}));
    EXPECT_EQ(XKRegistryEintraege().size(), 6);
}

TEST(Registry, ClassOperationsAnswerForTheClassTheyAreAskedOn) {
    const TXKConfiguratorClass& zentrale = XKClass<TNurZentraleConf>();
    const TXKConfiguratorClass& bedingt = XKClass<TBedingteConf>();
    const TXKConfiguratorClass& kasse = XKClass<TKassenConf>();
    EXPECT_EQ(kasse.ClassName(), QStringLiteral("TKassenConf"));

    for (const int typ : {1, 2, 7}) {
        SetzeRTyp(typ);
        EXPECT_TRUE(zentrale.Active("X")) << typ;
        EXPECT_TRUE(bedingt.Active("X")) << typ;
        EXPECT_FALSE(bedingt.Active("AUS")) << typ;  // the override's own condition
        EXPECT_FALSE(kasse.Active("X")) << typ;      // its own types, not its parent's
    }
    SetzeRTyp(3);
    EXPECT_FALSE(zentrale.Active("X"));
    EXPECT_FALSE(bedingt.Active("X"));  // the inherited test still counts
    EXPECT_TRUE(kasse.Active("X"));
    EXPECT_FALSE(kasse.Active("AUS"));  // inherits the parent's extra condition
    SetzeRTyp(0);
    EXPECT_FALSE(XKClass<TProtokollConf>().Active("X"));  // the base admits types 1 to 7 only

    EXPECT_EQ(zentrale.Groups("X"), QString());
    EXPECT_EQ(bedingt.Groups("X"), QStringLiteral("ARTV,X"));
    EXPECT_EQ(kasse.Groups("Y"), QStringLiteral("ARTV,Y"));
    EXPECT_TRUE(bedingt.RechtFuerKonfigVorhanden());
    EXPECT_FALSE(kasse.RechtFuerKonfigVorhanden());
}

TEST_F(Lebenslauf, OneStartRunsEveryStepInOrder) {
    RegisterXKConfigurator(XKClass<TProtokollConf>(), "PROT", "Protokoll", "", "");
    Starte("prot");
    EXPECT_EQ(gProtokoll, QStringList({"Resources_Create", "Init", "Resources_InitF", "Execute_Start", "Execute PROT",
                                       "Execute_End", "Done", "Resources_DoneF", "Resources_Destroy", "release"}));
}

TEST_F(Lebenslauf, FailingExecuteStillRunsDoneAndRelease) {
    RegisterXKConfigurator(XKClass<TProtokollConf>(), "PROT", "Protokoll", "", "");
    gExecuteFehler = true;
    TestMeldungen::Erwarte("Execute ging schief");
    Starte("PROT");
    EXPECT_EQ(gProtokoll, QStringList({"Resources_Create", "Init", "Resources_InitF", "Execute_Start", "Execute PROT",
                                       "Done", "Resources_DoneF", "Resources_Destroy", "release"}));
}

TEST_F(Lebenslauf, WithoutTheRightNothingRunsButTheObjectIsReleased) {
    RegisterXKConfigurator(XKClass<TProtokollConf>(), "PROT", "Protokoll", "", "");
    gRecht = false;
    Starte("PROT");
    EXPECT_EQ(gProtokoll, QStringList({"Resources_Create", "Resources_Destroy", "release"}));
}

TEST_F(Lebenslauf, FailingReleaseIsLoggedWithoutABox) {
    gDestroyFehler = true;
    { TXKConfiguratorPtr p = XKClass<TProtokollConf>().Create(); }
    EXPECT_EQ(gProtokoll, QStringList({"Resources_Create", "Resources_Destroy", "release"}));
    EXPECT_TRUE(TestMeldungen::Gezeigt().isEmpty());
    QFile log(TQLNInfo::LogFile());
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(log.readAll()).contains("Freigabe ging schief"));
}
