#include "ACfgTestKlassen.h"
#include "testkit/TestMeldungen.h"

namespace {
using C = TZEV_Glob_ACfg_Controller;

class ACfgStoreTest : public ACfgTest {
protected:
    void SetUp() override {
        ACfgTest::SetUp();
        Installation();
        RegistriereKasse();
        TZEV_ACfg_Registry::RegisterACfgClass(CTypTerminal, ACfgFrameClass<TTestFrame>(),
                                              ACfgDataClass<TTestTerminalKonfig>());
        TZEV_ACfg_Registry::RegisterACfgClass(CTypSystem, ACfgFrameClass<TTestFrame>(),
                                              ACfgDataClass<TTestSystemKonfig>());
    }
    static std::unique_ptr<TTestTerminalKonfig> Terminal(const QString& adresse, int rnr) {
        auto t = std::make_unique<TTestTerminalKonfig>(CTypTerminal);
        t->Adresse = adresse;
        t->EigeneRNr_Set(rnr);
        return t;
    }
};
}  // namespace

TEST_F(ACfgStoreTest, NothingStoredGivesTheDefaults) {
    const auto k = Lade<TTestKassenKonfig>(CTypKasse, 2);
    ASSERT_TRUE(k);
    EXPECT_EQ(k->Text, "Standard");
    EXPECT_EQ(k->ACfgTyp(), CTypKasse);
    EXPECT_EQ(Lade<TTestTerminalKonfig>(CTypTerminal, 3)->EigeneRNr(), 3);
    EXPECT_TRUE(Gespeichert(CTypKasse, 2).isEmpty());  // loading writes nothing
}

TEST_F(ACfgStoreTest, PerComputerObjectsAreKeptApart) {
    ASSERT_TRUE(C::SetKonfigForACfgType(*Kasse("zwei"), {2}));
    ASSERT_TRUE(C::SetKonfigForACfgType(*Kasse("eins und drei"), {1, 3, 3}));
    EXPECT_EQ(Lade<TTestKassenKonfig>(CTypKasse, 1)->Text, "eins und drei");
    EXPECT_EQ(Lade<TTestKassenKonfig>(CTypKasse, 2)->Text, "zwei");
    EXPECT_EQ(Lade<TTestKassenKonfig>(CTypKasse, 3)->Text, "eins und drei");
    ASSERT_TRUE(C::SetKonfigForACfgType(*Kasse("neu"), {2}));  // an update of the row
    EXPECT_EQ(Lade<TTestKassenKonfig>(CTypKasse, 2)->Text, "neu");
    EXPECT_TRUE(Gespeichert(CTypKasse, 0).isEmpty());

    // No object for a computer of another type or one the register lacks.
    std::unique_ptr<TZEV_ACfgData_Base> k;
    EXPECT_FALSE(C::GetKonfigForACfgType(CTypKasse, 4, k));
    EXPECT_FALSE(C::GetKonfigForACfgType(CTypKasse, 50, k));
    EXPECT_FALSE(C::GetKonfigForACfgType(CTypKasse + 1, 2, k));  // no data class
    EXPECT_FALSE(k);
}

TEST_F(ACfgStoreTest, AScopeOneObjectIsOneRowForEveryComputer) {
    auto s = std::make_unique<TTestSystemKonfig>(CTypSystem);
    s->Text = "für alle";
    ASSERT_TRUE(C::SetKonfigForACfgType(*s, {}));
    EXPECT_FALSE(Gespeichert(CTypSystem, 0).isEmpty());
    for (const int rnr : {0, 1, 2, 4, 50}) EXPECT_EQ(Lade<TTestSystemKonfig>(CTypSystem, rnr)->Text, "für alle") << rnr;
    s->Text = "über Rechner 3";
    ASSERT_TRUE(C::SetKonfigForACfgType(*s, {3, 2}));
    EXPECT_TRUE(Gespeichert(CTypSystem, 3).isEmpty());
    EXPECT_EQ(Lade<TTestSystemKonfig>(CTypSystem, 1)->Text, "über Rechner 3");
}

TEST_F(ACfgStoreTest, AStoreThatCannotWriteEveryComputerWritesNone) {
    TestMeldungen::Erwarte("gibt es für den Rechner 4 nicht");
    EXPECT_FALSE(C::SetKonfigForACfgType(*Kasse("x"), {2, 4}));
    TestMeldungen::Erwarte("kein Rechner angegeben");
    EXPECT_FALSE(C::SetKonfigForACfgType(*Kasse("x"), {}));
    TestMeldungen::Erwarte("hat die Klasse TTestKassenKonfig, erwartet wird TTestTerminalKonfig");
    EXPECT_FALSE(C::SetKonfigForACfgType(TTestKassenKonfig(CTypTerminal), {2}));
    // A failure in the middle of the posting rolls back what was written before.
    TestMeldungen::Erwarte("Rechner 99 ist nicht erreichbar");
    EXPECT_FALSE(C::SetKonfigs({{Kasse("x").get(), {3}}, {Terminal("10.0.0.1", 0).get(), {2, 99}}}));
    EXPECT_TRUE(Gespeichert(CTypKasse, 2).isEmpty());
    EXPECT_TRUE(Gespeichert(CTypKasse, 3).isEmpty());
    EXPECT_TRUE(Gespeichert(CTypTerminal, 2).isEmpty());
}

TEST_F(ACfgStoreTest, TheOwnComputerNumberFollowsTheRow) {
    ASSERT_TRUE(C::SetKonfigForACfgType(*Terminal("192.168.1.20", 7), {2, 3}));
    EXPECT_EQ(Gespeichert(CTypTerminal, 2), "ACFG|TTestTerminalKonfig|1|2\nAdresse=192.168.1.20");
    EXPECT_EQ(Gespeichert(CTypTerminal, 3), "ACFG|TTestTerminalKonfig|1|3\nAdresse=192.168.1.20");
    // A row whose text names another computer still belongs to its row's computer.
    SpeichereRoh(CTypTerminal, 1, "ACFG|TTestTerminalKonfig|1|8\nAdresse=a");
    EXPECT_EQ(Lade<TTestTerminalKonfig>(CTypTerminal, 1)->EigeneRNr(), 1);
}

TEST_F(ACfgStoreTest, ABrokenStoredObjectIsReportedNotHalfLoaded) {
    SpeichereRoh(CTypKasse, 2, "ACFG|TTestKassenKonfig|2\nText=ok\nAnzahl=viele");
    SpeichereRoh(CTypKasse, 3, "ACFG|TTestKassenKonfig|9");
    std::unique_ptr<TZEV_ACfgData_Base> k;
    QString grund;
    EXPECT_EQ(C::LadeKonfig(CTypKasse, 2, k, grund), C::TLadeStatus::Fehlerhaft);
    EXPECT_FALSE(k);
    EXPECT_EQ(grund, "Die gespeicherte Konfiguration acfgVerkKassenlade des Rechners 2 ist fehlerhaft:\n"
                     "Der Wert „viele“ von Anzahl ist keine ganze Zahl.");
    EXPECT_EQ(C::LadeKonfig(CTypKasse, 3, k, grund), C::TLadeStatus::Fehlerhaft);
    EXPECT_TRUE(grund.contains("neueren Programmversion"));
    EXPECT_EQ(C::LadeKonfig(CTypKasse, 1, k, grund), C::TLadeStatus::Standard);
    EXPECT_EQ(C::LadeKonfig(CTypKasse, 4, k, grund), C::TLadeStatus::NichtVorhanden);

    TestMeldungen::Erwarte("des Rechners 2 ist fehlerhaft");
    EXPECT_FALSE(C::GetKonfigForACfgType(CTypKasse, 2, k));
    EXPECT_FALSE(k);
}

TEST_F(ACfgStoreTest, CopyFollowsTheComputerTypesAndRebindsTheOwnNumber) {
    ASSERT_TRUE(C::SetKonfigForACfgType(*Kasse("von 2"), {2}));
    ASSERT_TRUE(C::SetKonfigForACfgType(*Terminal("10.0.0.2", 2), {2}));
    ASSERT_TRUE(C::SetKonfigForACfgType(*Kasse("alt 3"), {3}));
    TTestSystemKonfig s(CTypSystem);
    ASSERT_TRUE(C::SetKonfigForACfgType(s, {}));
    const QString systemVorher = Gespeichert(CTypSystem, 0);

    TZEV_ACfgKopieBericht bericht;
    ASSERT_TRUE(C::CopyKonfigForACfGTypes({CTypKasse, CTypTerminal, CTypSystem, 1, CTypKasse}, {1, 3, 4, 50, 2}, 2, &bericht));
    EXPECT_EQ(Lade<TTestKassenKonfig>(CTypKasse, 1)->Text, "von 2");
    EXPECT_EQ(Lade<TTestKassenKonfig>(CTypKasse, 3)->Text, "von 2");
    EXPECT_EQ(Gespeichert(CTypTerminal, 3), "ACFG|TTestTerminalKonfig|1|3\nAdresse=10.0.0.2");
    EXPECT_EQ(Gespeichert(CTypTerminal, 1), "ACFG|TTestTerminalKonfig|1|1\nAdresse=10.0.0.2");
    EXPECT_TRUE(Gespeichert(CTypKasse, 4).isEmpty());  // a workstation is not in the set
    EXPECT_TRUE(Gespeichert(CTypKasse, 50).isEmpty());
    EXPECT_EQ(Gespeichert(CTypSystem, 0), systemVorher);
    using Paar = std::pair<TZEV_ACfgType_Erw, int>;
    EXPECT_EQ(bericht.Kopiert, (QList<Paar>{{CTypKasse, 1}, {CTypKasse, 3}, {CTypTerminal, 1}, {CTypTerminal, 3}}));
    EXPECT_TRUE(bericht.Uebersprungen.contains(Paar{CTypKasse, 4}));
    EXPECT_TRUE(bericht.Uebersprungen.contains(Paar{CTypKasse, 2}));  // the source itself
    EXPECT_TRUE(bericht.Uebersprungen.contains(Paar{CTypSystem, 1}));
    EXPECT_TRUE(bericht.Uebersprungen.contains(Paar{1, 3}));

    // A source without the configuration (a workstation) copies nothing.
    ASSERT_TRUE(C::CopyKonfigForACfGTypes({CTypKasse}, {3}, 4, &bericht));
    EXPECT_TRUE(bericht.Kopiert.isEmpty());
    EXPECT_EQ(Lade<TTestKassenKonfig>(CTypKasse, 3)->Text, "von 2");
}

TEST_F(ACfgStoreTest, AFailedCopyCopiesNothingAndSaysSo) {
    ASSERT_TRUE(C::SetKonfigForACfgType(*Kasse("von 2"), {2}));
    ASSERT_TRUE(C::SetKonfigForACfgType(*Terminal("10.0.0.2", 2), {2}));
    TZEV_ACfgKopieBericht bericht;
    TestMeldungen::Erwarte("Rechner 99 ist nicht erreichbar");
    EXPECT_FALSE(C::CopyKonfigForACfGTypes({CTypKasse, CTypTerminal}, {3, 99}, 2, &bericht));
    EXPECT_TRUE(bericht.Kopiert.isEmpty());
    EXPECT_TRUE(Gespeichert(CTypKasse, 3).isEmpty());  // written before the failure, rolled back
    EXPECT_TRUE(Gespeichert(CTypTerminal, 3).isEmpty());

    SpeichereRoh(CTypKasse, 1, "ACFG|TTestKassenKonfig|2\nSchalter=vielleicht");
    TestMeldungen::Erwarte("des Rechners 1 ist fehlerhaft");
    EXPECT_FALSE(C::CopyKonfigForACfGTypes({CTypTerminal, CTypKasse}, {3}, 1));
    EXPECT_TRUE(Gespeichert(CTypTerminal, 3).isEmpty());
}
