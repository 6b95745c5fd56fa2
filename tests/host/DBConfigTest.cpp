#include "host/Exception.h"
#include "host/HostPaths.h"
#include "host/TQLNInfo.h"
#include "host/db/TZEV_DB_Config.h"
#include "testkit/TestUmgebung.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <gtest/gtest.h>

TEST(DBConfig, WritesAndLoadsBothKindsWithoutLeakingThePassword) {
    TZEV_DB_Config c;
    EXPECT_FALSE(c.Load(true, {}));
    EXPECT_EQ(c.Art, TZEV_DBArt::dbaSQLite);
    EXPECT_EQ(c.Datei, HostPaths::DemoDatabaseFile());
    c.Art = TZEV_DBArt::dbaPostgreSQL;
    c.Host = "db.filiale";
    c.Port = 5433;
    c.Datenbank = "wws";
    c.Benutzer = "admin";
    c.Passwort = "geheim#;=";
    c.WriteInDBIni();
    TZEV_DB_Config d;
    EXPECT_TRUE(d.Load(false, {}));
    EXPECT_EQ(d.Art, TZEV_DBArt::dbaPostgreSQL);
    EXPECT_EQ(d.Host, "db.filiale");
    EXPECT_EQ(d.Port, 5433);
    EXPECT_EQ(d.Passwort, "geheim#;=");
    EXPECT_FALSE(d.Beschreibung().contains("geheim"));
    EXPECT_EQ(QFile::permissions(HostPaths::DbIniFile()) & (QFileDevice::ReadOther | QFileDevice::ReadGroup), 0);
}

TEST(DBConfig, WriteProtectedIniIsRefusedAndStaysAsItWas) {
    const QString datei = HostPaths::DbIniFile();
    TZEV_DB_Config c;
    c.Load(true, {});
    c.Datei = "/daten/alt.db";
    c.WriteInDBIni();
    QFile f(datei);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray vorher = f.readAll();
    f.close();
    QFile::setPermissions(datei, QFileDevice::ReadOwner);
    c.Datei = "/daten/neu.db";
    EXPECT_THROW(c.WriteInDBIni(), Exception);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), vorher);
}
