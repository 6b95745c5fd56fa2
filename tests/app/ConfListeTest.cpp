// Which catalogue entries the centre lists.

#include "TestConfs.h"

namespace {
class ConfListe : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        auto& z = TestConfZustand::Z();
        RegistriereTest("FARBEN", "Farben");
        RegistriereTest("MATERIAL", "Material");
        RegistriereTest("MWST", "Mehrwertsteuer");
        RegistriereTest("LAND", "Länder");
        z.Inaktiv = {"LAND"};
        z.Gruppen = {{"FARBEN", "NONE,ARTV"}, {"MATERIAL", "ARTV"}, {"MWST", "FIBU"}, {"LAND", "ARTV"}};
        FListe.LadeAusRegistry();
    }
    QStringList Ids(const QList<int>& indices) const {
        QStringList ids;
        for (const int i : indices) ids << FListe.Eintraege()[i].Id;
        return ids;
    }
    QStringList Filtere(bool f, const QStringList& liste, const QString& gruppe) {
        TestConfZustand::Z().GroupsGefragt.clear();
        return Ids(FListe.Filtere(f, liste, gruppe));
    }
    TXKConfListe FListe;
};
}  // namespace

TEST_F(ConfListe, ListAndGroupNarrowTheActiveEntries) {
    EXPECT_EQ(Filtere(false, {}, {}), QStringList({"FARBEN", "MATERIAL", "MWST"}));
    EXPECT_TRUE(FListe.SingleConf().isEmpty());
    EXPECT_EQ(Filtere(false, {"material", "Farben"}, {}), QStringList({"FARBEN", "MATERIAL"}));  // registry order
    EXPECT_EQ(Filtere(false, {"GIBTSNICHT"}, {}), QStringList());
    EXPECT_TRUE(FListe.SingleConf().isEmpty());

    EXPECT_EQ(Filtere(false, {}, "ARTV"), QStringList({"FARBEN", "MATERIAL"}));
    // Groups is asked only for entries that are active and listed.
    EXPECT_EQ(TestConfZustand::Z().GroupsGefragt, QStringList({"FARBEN", "MATERIAL", "MWST"}));
    EXPECT_EQ(Filtere(false, {}, "artv"), QStringList());  // the group text keeps its case
    EXPECT_EQ(Filtere(false, {}, "RTV"), QStringList({"FARBEN", "MATERIAL"}));  // a part of the text is enough
    EXPECT_EQ(Filtere(false, {"FARBEN", "MWST"}, "ARTV"), QStringList({"FARBEN"}));
    EXPECT_EQ(TestConfZustand::Z().GroupsGefragt, QStringList({"FARBEN", "MWST"}));
    EXPECT_EQ(FListe.SingleConf(), QStringLiteral("FARBEN"));
}

TEST_F(ConfListe, SingleConfIsTheOnlyEntryThatPassed) {
    // Two listed ids, one of them inactive here: exactly one passes.
    EXPECT_EQ(Filtere(false, {"land", "mwst"}, {}), QStringList({"MWST"}));
    EXPECT_EQ(FListe.SingleConf(), QStringLiteral("MWST"));
    // A second filtering starts afresh.
    Filtere(false, {"FARBEN", "MWST"}, {});
    EXPECT_TRUE(FListe.SingleConf().isEmpty());
    Filtere(false, {"LAND"}, {});
    EXPECT_TRUE(FListe.SingleConf().isEmpty());
    // The only active entry is a single start without any command line too.
    TestConfZustand::Z().Inaktiv = {"LAND", "MWST", "MATERIAL"};
    EXPECT_EQ(Filtere(false, {}, {}), QStringList({"FARBEN"}));
    EXPECT_EQ(FListe.SingleConf(), QStringLiteral("FARBEN"));
    EXPECT_EQ(Filtere(false, {}, "NONE"), QStringList({"FARBEN"}));
    EXPECT_EQ(FListe.SingleConf(), QStringLiteral("FARBEN"));
}

TEST_F(ConfListe, SwitchFListsOnlyTheParameterCatalogueClass) {
    RegisterXKConfigurator(XKClass<TTestParmConf>(), "ALLPARMLIST", "Liste aller Benutzerparameter", "", "");
    RegisterXKConfigurator(XKClass<TTestParmConf>(), "INTPARMLIST", "Interne Systemparameter", "", "");
    FListe.LadeAusRegistry();
    // Not known yet: F lists nothing, and without F the class's own Active decides.
    EXPECT_EQ(Filtere(true, {}, {}), QStringList());
    EXPECT_EQ(Filtere(false, {}, {}), QStringList({"FARBEN", "MATERIAL", "MWST"}));
    TXKConfListe::SetParmConfiguratorClass(&XKClass<TTestParmConf>());
    EXPECT_EQ(Filtere(true, {}, {}), QStringList({"ALLPARMLIST", "INTPARMLIST"}));
    EXPECT_EQ(Filtere(true, {"INTPARMLIST", "FARBEN"}, {}), QStringList({"INTPARMLIST"}));
    EXPECT_EQ(FListe.SingleConf(), QStringLiteral("INTPARMLIST"));
    EXPECT_EQ(Filtere(false, {}, {}), QStringList({"FARBEN", "MATERIAL", "MWST"}));
}

TEST_F(ConfListe, IndexByNameIgnoresCaseAndTakesTheFirst) {
    RegistriereTest("farben", "Farben, zweiter Eintrag");
    FListe.LadeAusRegistry();
    EXPECT_EQ(FListe.GetConfiguratorIndexByName("Farben"), 0);
    EXPECT_EQ(FListe.GetConfiguratorIndexByName("LAND"), 3);
    EXPECT_EQ(FListe.GetConfiguratorIndexByName("FARBE"), -1);
    EXPECT_EQ(FListe.GetConfiguratorIndexByName(""), -1);
}
