// What the program reads from its command line.

#include "app/TXKKommandozeile.h"

#include <gtest/gtest.h>

using namespace TXKKommandozeile;

TEST(Kommandozeile, SwitchesAreWholeArgumentsWithMinusOrSlashInAnyCase) {
    for (const char* a : {"/e", "-E", "-e", "/E"}) EXPECT_TRUE(HatSchalter({"x", a}, 'E')) << a;
    for (const char* a : {"-Export", "E", "--E", "\\E", "-E ", "-F", "-CONFLIST:E"})
        EXPECT_FALSE(HatSchalter({a}, 'E')) << a;
    EXPECT_TRUE(HatSchalter({"-E", "/f"}, 'F'));
    EXPECT_FALSE(HatSchalter({}, 'F'));
}

TEST(Kommandozeile, ConfListTakesTheLastMinusArgumentInAnyCase) {
    EXPECT_EQ(ExternList({"-CONFLIST:FARBEN,MATERIAL"}), QStringList({"FARBEN", "MATERIAL"}));
    EXPECT_EQ(ExternList({"-conflist:farben"}), QStringList({"farben"}));  // ids keep their case
    EXPECT_EQ(ExternList({"/CONFLIST:FARBEN"}), QStringList());
    EXPECT_EQ(ExternList({"-CONFLISTE:FARBEN"}), QStringList());
    EXPECT_EQ(ExternList({"-CONFLIST:-CONFLIST:A"}), QStringList({"-CONFLIST:A"}));  // the rest as it stands
    EXPECT_EQ(ExternList({"-CONFLIST:A,B", "-F", "-CONFLIST:C", "/CONFLIST:D"}), QStringList({"C"}));
    EXPECT_EQ(ExternList({"-CONFLIST:A", "-CONFLIST:"}), QStringList());  // the last one empties the list
    EXPECT_EQ(ExternList({"-CONFGROUP:A"}), QStringList());
}

TEST(Kommandozeile, ConfGroupTakesTheRestOfTheLastMinusArgumentAsItStands) {
    EXPECT_EQ(ExternGroup({"-CONFGROUP:ARTV"}), QStringLiteral("ARTV"));
    EXPECT_EQ(ExternGroup({"-confgroup:artv"}), QStringLiteral("artv"));
    EXPECT_EQ(ExternGroup({"-CONFGROUP:A", "-CONFGROUP:B,C D"}), QStringLiteral("B,C D"));
    EXPECT_EQ(ExternGroup({"/CONFGROUP:ARTV"}), QString());
    EXPECT_EQ(ExternGroup({"-CONFLIST:ARTV"}), QString());
}

TEST(Kommandozeile, CommaTextSplitsAtCommasAndBlanksOutsideQuotes) {
    EXPECT_EQ(CommaText("A, B  C,D"), QStringList({"A", "B", "C", "D"}));
    EXPECT_EQ(CommaText("  A  "), QStringList({"A"}));
    EXPECT_EQ(CommaText(R"("FAR BEN",X)"), QStringList({"FAR BEN", "X"}));
    EXPECT_EQ(CommaText(R"("A""B" "C,D")"), QStringList({"A\"B", "C,D"}));
    EXPECT_EQ(CommaText(R"("offen bis zum Ende)"), QStringList({"offen bis zum Ende"}));
    EXPECT_EQ(CommaText(",A"), QStringList({"", "A"}));
    EXPECT_EQ(CommaText("A,"), QStringList({"A", ""}));
    EXPECT_EQ(CommaText("A,,B"), QStringList({"A", "", "B"}));
    EXPECT_EQ(CommaText(""), QStringList());
    EXPECT_EQ(CommaText("A\tB"), QStringList({"A", "B"}));
}
