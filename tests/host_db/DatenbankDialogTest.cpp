// The database dialog's connection test on its PostgreSQL page.

#include "host/ui/TfrmDatenbankConfig.h"
#include "testkit/TestDatenbank.h"
#include "testkit/TestMeldungen.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
int FreierPort() {
    const int sock = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in adresse{};
    adresse.sin_family = AF_INET;
    adresse.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t laenge = sizeof adresse;
    ::bind(sock, reinterpret_cast<sockaddr*>(&adresse), sizeof adresse);
    ::getsockname(sock, reinterpret_cast<sockaddr*>(&adresse), &laenge);
    ::close(sock);
    return ntohs(adresse.sin_port);
}

TestMeldung Klick(TfrmDatenbankConfig& dlg) {
    const qsizetype vorher = TestMeldungen::Gezeigt().size();
    dlg.btnVerbindungTesten->click();
    EXPECT_EQ(TestMeldungen::Gezeigt().size(), vorher + 1);
    return TestMeldungen::Gezeigt().value(TestMeldungen::Gezeigt().size() - 1);
}
}  // namespace

TEST(PostgresDialog, ConnectionTestShowsWhyTheServerCannotBeReached) {
    TZEV_DB_Config c;
    c.Art = TZEV_DBArt::dbaPostgreSQL;
    c.Host = QStringLiteral("127.0.0.1");
    c.Port = FreierPort();
    c.Datenbank = QStringLiteral("trivelta");
    c.Benutzer = QStringLiteral("kasse");
    c.Passwort = QStringLiteral("Kassen-Passwort-7");
    TfrmDatenbankConfig dlg;
    dlg.Anzeigen(c);
    const TestMeldung m = Klick(dlg);
    EXPECT_EQ(m.Kategorie, "STANDARD");
    EXPECT_EQ(m.Nummer, 994);
    EXPECT_TRUE(m.Text.startsWith(QStringLiteral("Der Datenbankserver 127.0.0.1:%1 ist nicht erreichbar").arg(c.Port)))
        << m.Text.toStdString();
    EXPECT_FALSE(m.Text.contains(c.Passwort));
    // incomplete input is refused before any attempt
    dlg.edtHost->clear();
    EXPECT_EQ(Klick(dlg).Text, dlg.Pruefe());
}

TEST(PostgresDialog, ConnectionTestWithTheEnteredValuesSucceeds) {
    TestDatenbank::PostgresSchema schema;
    TRIVELTA_POSTGRES_ODER_SKIP(schema);
    TZEV_DB_Config c = schema.Config();
    if (c.Host.isEmpty()) c.Host = QStringLiteral("localhost");
    if (c.Port == 0) c.Port = 5432;
    if (c.Benutzer.isEmpty()) c.Benutzer = QString::fromLocal8Bit(qgetenv("USER"));
    if (c.Datenbank.isEmpty()) c.Datenbank = c.Benutzer;
    c.Passwort = qEnvironmentVariable("PGPASSWORD");  // as the administrator would type it
    TfrmDatenbankConfig dlg;
    dlg.Anzeigen(c);
    const TestMeldung m = Klick(dlg);
    EXPECT_TRUE(m.Text.startsWith(QStringLiteral("Die Verbindung zur Datenbank ist in Ordnung"))) << m.Text.toStdString();
    EXPECT_TRUE(m.Text.contains(c.Datenbank));
    if (!c.Passwort.isEmpty()) {
        dlg.edtPasswort->setText(c.Passwort + QStringLiteral("-falsch"));
        const QString text = Klick(dlg).Text;
        EXPECT_TRUE(text.startsWith(QStringLiteral("Die Anmeldung am Datenbankserver"))) << text.toStdString();
        EXPECT_FALSE(text.contains(dlg.edtPasswort->text()));
    }
}
