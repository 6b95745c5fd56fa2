#include "host/TQLNProgramm.h"
#include "testkit/TestMeldungen.h"
#include "testkit/TestUmgebung.h"

#include <QFile>
#include <QObject>
#include <gtest/gtest.h>

TEST(WorkGuard, RefusesReEntryPerWindowAndReleasesOnScopeEnd) {
    QObject a, b;
    {
        TQLNWorkGuard g1(&a, "A.Click");
        ASSERT_TRUE(g1);
        EXPECT_TRUE(TQLNProgramm::Working(&a));
        EXPECT_EQ(TQLNProgramm::WorkingContext(&a), QStringLiteral("A.Click"));
        TQLNWorkGuard g2(&a, "A.Other");
        EXPECT_FALSE(g2);
        TQLNWorkGuard g3(&b, "B.Click");  // another window is free
        EXPECT_TRUE(g3);
    }
    // The refused guard must not have released the first one early; all are released now.
    EXPECT_FALSE(TQLNProgramm::Working(&a));
    EXPECT_FALSE(TQLNProgramm::Working(&b));
}

TEST(Sitzung, ComputerTypeSets) {
    for (int t : {1, 2, 7}) EXPECT_TRUE(TQLNProgramm::RTypInSet(t, 134)) << t;
    for (int t : {0, 3, 4, 5, 6, 8, -1}) EXPECT_FALSE(TQLNProgramm::RTypInSet(t, 134)) << t;
    EXPECT_FALSE(TQLNProgramm::RTypInSet(0, C_RTypen_Alle));
    EXPECT_TRUE(TQLNProgramm::RTypInSet(3, C_RTypen_NonHPcZEVPc));
    EXPECT_FALSE(TQLNProgramm::RTypInSet(1, C_RTypen_NonHPcZEVPc));
    EXPECT_FALSE(TQLNProgramm::RTypInSet(7, C_RTypen_NonHPcZEVPc));
}

TEST(Sitzung, ProgramIniGivesTheValuesAndBadValuesFallBack) {
    const QString datei = TestUmgebung::Verzeichnis() + "/trivelta.ini";
    QFile f(datei);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[SYSTEM]\nRNR=17\nRTYP=9\nUNTERNEHMENSGRUPPE=Modehaus Gruppe\nVERWEIGERTERECHTE=112, 114,x\n");
    f.close();
    const TQLNSitzungsDaten d = TQLNIniSitzungsQuelle(datei).Lade();
    EXPECT_EQ(d.RId, 17);
    EXPECT_EQ(d.RTyp, 1);  // 9 is no computer type
    EXPECT_EQ(d.Unternehmensgruppe, QStringLiteral("Modehaus Gruppe"));
    EXPECT_EQ(d.VerweigerteRechte, (QSet<int>{112, 114}));
    // Without an ini: computer 1 with defaults.
    EXPECT_EQ(TQLNIniSitzungsQuelle(TestUmgebung::Verzeichnis() + "/fehlt.ini").Lade().RId, 1);
}

TEST(Sitzung, RightsCheckTellsTheUserAboutARefusal) {
    auto d = TestUmgebung::StandardSitzung();
    d.VerweigerteRechte = {113};
    TestUmgebung::SetzeSitzung(d);
    EXPECT_TRUE(TQLNProgramm::UserRechtePruefen({112}));
    EXPECT_FALSE(TQLNProgramm::UserRechtePruefen({112, 113}, false));
    EXPECT_TRUE(TestMeldungen::Gezeigt().isEmpty());
    EXPECT_FALSE(TQLNProgramm::UserRechtePruefen({113}));
    ASSERT_EQ(TestMeldungen::Gezeigt().size(), 1);
    EXPECT_TRUE(TestMeldungen::Gezeigt()[0].Text.contains("113"));
}
