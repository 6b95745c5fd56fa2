#include "host/Exception.h"
#include "host/TQLNInfo.h"
#include "host/TQLNMeldungsKatalog.h"
#include "testkit/TestMeldungen.h"

#include <QFile>
#include <gtest/gtest.h>

TEST(Meldungskatalog, FillsPlaceholdersOnceAndKeepsLineBreaks) {
    TQLNMeldungsKatalog k;
    k.Lade(QStringLiteral("# comment\n\nTEST|1|Wert %1 und %2\\nzweite Zeile\nTEST|2|100% sicher %1\n"), "t");
    EXPECT_EQ(k.Formatiere("TEST", 1, {"a%2", "b"}), QStringLiteral("Wert a%2 und b\nzweite Zeile"));
    EXPECT_EQ(k.Formatiere("test", 2, {"x"}), QStringLiteral("100% sicher x"));  // category case ignored
    // A missing argument leaves its place empty; an unknown message still tells what was meant.
    EXPECT_EQ(k.Formatiere("TEST", 1, {}), QStringLiteral("Wert  und \nzweite Zeile"));
    EXPECT_EQ(k.Formatiere("TEST", 9, {"x"}), QStringLiteral("Meldung TEST 9: x"));
}

TEST(Meldungskatalog, MalformedLineIsRefusedWithItsPlace) {
    TQLNMeldungsKatalog k;
    try {
        k.Lade(QStringLiteral("A|1|gut\nA|x|schlecht\n"), "probe.txt");
        FAIL() << "no exception";
    } catch (const Exception& e) {
        EXPECT_TRUE(e.Message().contains("probe.txt, Zeile 2"));
    }
}

TEST(Meldungskatalog, StandardMessagesShowTheirFirstArgument) {
    const auto& k = TQLNMeldungsKatalog::Standard();
    for (int n : {994, 997, 981}) EXPECT_EQ(k.Formatiere("STANDARD", n, {"Mein Text", "x"}), QStringLiteral("Mein Text"));
}

TEST(TQLNInfo, ShowMeldungReturnsTheAnswerOfAQuestion) {
    TestMeldungen::Erwarte("Löschen?", mrJa);
    EXPECT_EQ(TQLNInfo::ShowMeldung(mkJaNein, {"Löschen?"}, "STANDARD", 981), mrJa);
    TestMeldungen::Erwarte("Löschen?", mrNein);
    EXPECT_EQ(TQLNInfo::ShowMeldung(mkJaNein, {"Löschen?"}, "STANDARD", 981), mrNein);
    EXPECT_EQ(TQLNInfo::ShowMeldung(mkHinweis, {"Nur ein Hinweis"}, "STANDARD", 994), mrOk);
    ASSERT_EQ(TestMeldungen::Gezeigt().size(), 3);
    EXPECT_EQ(TestMeldungen::Gezeigt().last().Text, QStringLiteral("Nur ein Hinweis"));
}

TEST(TQLNInfo, FehlerRaiseCarriesTheCatalogueMessage) {
    try {
        TQLNInfo::FehlerRaise("T.Op", "STANDARD", 994, {"Kaputt"});
        FAIL();
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Kaputt"));
        EXPECT_EQ(e.Number(), 994);
        EXPECT_STREQ(e.what(), "Kaputt");
    }
}

TEST(TQLNInfo, RegisterExceptionLogsAndShowsOnlyWithTheFlag) {
    TQLNInfo::RegisterException("TKlasse.Stille", Exception("leise"), false);
    EXPECT_TRUE(TestMeldungen::Gezeigt().isEmpty());
    TestMeldungen::Erwarte("laut", mrOk);
    TQLNInfo::RegisterException("TKlasse.Laut", std::runtime_error("laut"), true);
    ASSERT_EQ(TestMeldungen::Gezeigt().size(), 1);
    EXPECT_TRUE(TestMeldungen::Gezeigt()[0].Text.contains("TKlasse.Laut"));
    TQLNInfo::FehlerTerminate("TKlasse.Destroy");

    QFile log(TQLNInfo::LogFile());
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    const QString inhalt = QString::fromUtf8(log.readAll());
    EXPECT_TRUE(inhalt.contains("TKlasse.Stille: leise"));
    EXPECT_TRUE(inhalt.contains("TKlasse.Laut: laut"));
    EXPECT_TRUE(inhalt.contains("TKlasse.Destroy"));
}
