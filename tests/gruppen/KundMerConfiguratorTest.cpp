#include "GruppenTestHilfe.h"
#include "host/acfg/TZEV_ACfg_Registry.h"
#include "host/records/Tgbfile.h"
#include "host/records/Tmerfile.h"
#include "tables/TXKKundMerConfigurator.h"
#include "testkit/TestDatenbank.h"

namespace {
class Kundenmerkmale : public ::testing::Test {
protected:
    void SetUp() override { TestDatenbank::Oeffne(); }
    static void Gb(const char* kind, const char* rechtsf, int nummer, const char* bez) {
        Tgbfile gb;
        gb.OpenNew(-1);
        gb.ClearBuffer();
        gb.Kennung.SetWert(QString::fromLatin1(kind));
        gb.Rechtsf.SetWert(QString::fromLatin1(rechtsf));
        gb.GbTyp.SetWert(nummer);
        gb.Bezeichnung.SetWert(QString::fromUtf8(bez));
        gb.Write(wrdonInsert);
    }
};
}  // namespace

TEST_F(Kundenmerkmale, NumbersStartAt101AndFollowTheLastAttribute) {
    Gb("C", " ", 500, "Kostenstelle 500");  // another kind does not count
    Offen<TXKKundMerConfigurator> c;
    EXPECT_TRUE(c.Neu({"", "Schuhgröße"}));
    EXPECT_TRUE(c.Neu({"", "Lieblingsmarke"}));
    EXPECT_EQ(c.Zeilen(), (QList<QStringList>{{"101", "Schuhgröße"}, {"102", "Lieblingsmarke"}}));
    EXPECT_EQ(c->SetCount(), -1);
    Gb("#", " ", 150, "von Hand");
    EXPECT_TRUE(c.Neu({"", "Hobby"}));
    EXPECT_EQ(c.Zeile(1, "Hobby").value(0), "151");
}

TEST_F(Kundenmerkmale, TheLastPossibleNumberEndsTheNumbering) {
    Gb("#", " ", 9999, "letztes");
    Offen<TXKKundMerConfigurator> c;
    TestMeldungen::Erwarte("No Lfd GBFile Kennung # available!");
    EXPECT_FALSE(c.Neu({"", "eins zu viel"}));
    EXPECT_EQ(c.Zeilen().size(), 1);
}

TEST_F(Kundenmerkmale, ADesignationIsRefusedWhenAnAttributeHasItAlsoItsOwn) {
    Offen<TXKKundMerConfigurator> c;
    ASSERT_TRUE(c.Neu({"", "Schuhgröße"}));
    TestMeldungen::Erwarte("Ex existiert bereits ein Merkmal");
    EXPECT_FALSE(c.Neu({"", "Schuhgröße"}));
    // posting the attribute with its unchanged designation finds the record itself
    TestMeldungen::Erwarte("Ex existiert bereits ein Merkmal");
    EXPECT_FALSE(c.Aendern({"101", "Schuhgröße"}, {"101", "Schuhgröße"}));
    EXPECT_TRUE(c.Aendern({"101", "Schuhgröße"}, {"101", "Schuhgröße EU"}));
    EXPECT_EQ(c.Zeilen(), (QList<QStringList>{{"101", "Schuhgröße EU"}}));
    TestMeldungen::Erwarte("Beschreibung für das Kundenmerkmal");
    EXPECT_FALSE(c->BuchenTesten(wrdonInsert, {}, {"", "  "}));
}

TEST_F(Kundenmerkmale, AnAttributeWithValuesIsNotDeleted) {
    Offen<TXKKundMerConfigurator> c;
    ASSERT_TRUE(c.Neu({"", "Schuhgröße"}));
    ASSERT_TRUE(c.Neu({"", "Newsletter"}));
    Tmerfile mer;
    mer.OpenNew(-1);
    for (const auto& [kunde, merkmal, wert] : {std::tuple{1, 101, "42"}, std::tuple{2, 102, "   "}}) {
        mer.ClearBuffer();
        mer.KundenNr.SetWert(kunde);
        mer.Merkmal.SetWert(merkmal);
        mer.Wert.SetWert(QString::fromLatin1(wert));
        mer.Write(wrdonInsert);
    }
    TestMeldungen::Erwarte("wird noch benutzt");
    EXPECT_FALSE(c.Loeschen({"101", "Schuhgröße"}));
    EXPECT_TRUE(c.Loeschen({"102", "Newsletter"}));  // only blank values
    EXPECT_EQ(c.Zeilen(), (QList<QStringList>{{"101", "Schuhgröße"}}));
}

TEST_F(Kundenmerkmale, RegisteredAsConfigurationType160) {
    InitUnit_XKKundMer();
    TZEV_ACfGType_RegData d;
    ASSERT_TRUE(TZEV_ACfg_Registry::GetRegData(160, d));
    EXPECT_EQ(d.XKClass, &XKClass<TXKKundMerConfigurator>());
    EXPECT_EQ(d.XKId, "KUNDMERA");
    EXPECT_EQ(d.XKTexte.Schlagworte, "Kunde, Merkmal");
}
