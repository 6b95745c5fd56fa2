#include "host/Exception.h"
#include "host/acfg/TZEV_IntList.h"

#include <gtest/gtest.h>
#include <limits>

namespace {
QList<int> Lauf(int von, int bis) {
    QList<int> l;
    for (int i = von; i <= bis; ++i) l << i;
    return l;
}
QString Text(const QList<int>& l, const QString& sep = ",") { return TZEV_IntList::IntArray_ToBeschreibenderText(l, sep); }
QList<int> Liste(const QString& t, const QString& sep = ",") { return TZEV_IntList::IntArray_FromBeschreibenderText(t, sep); }
QString Fehler(const QString& t) {
    QList<int> l{42};
    QString fehler;
    EXPECT_FALSE(TZEV_IntList::IntArray_FromBeschreibenderText(t, l, &fehler)) << t.toStdString();
    EXPECT_TRUE(l.isEmpty());
    return fehler;
}
constexpr int kMin = std::numeric_limits<int>::min();
constexpr int kMax = std::numeric_limits<int>::max();
}  // namespace

TEST(IntListTest, CompactTextOfTypicalLists) {
    EXPECT_EQ(Text({1, 2, 3, 7, 9, 10, 11}), "1-3,7,9-11");
    EXPECT_EQ(Text({}), "");
    EXPECT_EQ(Text({5}), "5");
    EXPECT_EQ(Text({1, 2}), "1,2");  // two numbers are no shorter as a range
    EXPECT_EQ(Text({-5, -4, -3}), "-5--3");
    EXPECT_EQ(Text({-1, 0, 1}), "-1-1");
    EXPECT_EQ(Text(Lauf(1, 1000)), "1-1000");
    EXPECT_EQ(Text({1, 2, 3, 7}, ", "), "1-3, 7");
}

TEST(IntListTest, ReadingGivesBackExactlyTheListWritten) {
    const QList<QList<int>> listen{
        {},
        {0},
        {3, 1, 2},                   // unsorted
        {1, 1, 2, 3, 3},             // repeats next to a run
        {5, 4, 3, 2},                // descending: no ranges
        {-5, -4, -3, 10, -2},        // negatives
        {7, 8, 9, 8, 9, 10},         // a run that starts again
        Lauf(-1000, 1000),           // a long run through zero
        {kMin, kMin + 1, kMin + 2},  // the very ends of the number range
        {kMax - 2, kMax - 1, kMax},
        {kMax, kMin},                // no run across the overflow
        {1, 3, 5, 7},
    };
    for (const QList<int>& l : listen) {
        for (const QString& sep : {QStringLiteral(","), QStringLiteral(";"), QStringLiteral(", ")}) {
            const QString t = Text(l, sep);
            EXPECT_EQ(Liste(t, sep), l) << t.toStdString();
        }
    }
}

TEST(IntListTest, BlanksAroundNumbersAndSeparatorsAreIgnored) {
    EXPECT_EQ(Liste(" 1 - 3 , 7 ,\t9"), (QList<int>{1, 2, 3, 7, 9}));
    EXPECT_EQ(Liste("-5 - -3"), (QList<int>{-5, -4, -3}));
    EXPECT_EQ(Liste("   "), QList<int>{});
    EXPECT_EQ(Liste(""), QList<int>{});
}

TEST(IntListTest, MalformedTextIsRefusedWithItsReason) {
    EXPECT_TRUE(Fehler("1,,2").contains("Eintrag 2 ist leer"));
    EXPECT_TRUE(Fehler("1,").contains("Eintrag 2 ist leer"));
    EXPECT_TRUE(Fehler(",1").contains("Eintrag 1 ist leer"));
    for (const char* t : {"a", "1-", "-", "1 2", "1.5", "--1", "1-2-3", "+1", "1e3", "٣"})
        EXPECT_TRUE(Fehler(t).contains("weder eine Zahl noch ein Bereich")) << t;
    EXPECT_TRUE(Fehler("3-1").contains("muss aufsteigen"));
    EXPECT_TRUE(Fehler("3-3").contains("muss aufsteigen"));
    EXPECT_TRUE(Fehler("2147483648").contains("außerhalb des Zahlenbereichs"));
    EXPECT_TRUE(Fehler("-2147483649-0").contains("außerhalb des Zahlenbereichs"));
    // A range must not unfold without bound.
    EXPECT_TRUE(Fehler("1-2000000000").contains("mehr als 100000 Zahlen"));
    EXPECT_TRUE(Fehler("1-60000,1-60000").contains("mehr als 100000 Zahlen"));
    EXPECT_TRUE(Fehler("x").startsWith("Die Zahlenliste „x“ ist ungültig"));

    EXPECT_THROW(Liste("1,,2"), Exception);
}

TEST(IntListTest, SeparatorsThatCouldBePartOfANumberAreRefused) {
    for (const char* sep : {"", "-", " ", "1"}) {
        EXPECT_THROW(Text({1, 2}, sep), Exception) << sep;
        EXPECT_THROW(Liste("1", sep), Exception) << sep;
    }
}
