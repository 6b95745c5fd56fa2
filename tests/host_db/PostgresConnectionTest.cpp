// What only the server backend has: placeholders rewritten for the server,
// connection failures in German without the password, a posting spoilt by a
// failed statement, a connection lost in the middle of a posting.

#include "host/Exception.h"
#include "host/QLNBuchung.h"
#include "host/TQLNInfo.h"
#include "host/db/PostgresConnection.h"
#include "host/db/TQLNDatenbank.h"
#include "host/records/Tfarbfile.h"
#include "testkit/TestDatenbank.h"

#include <QFile>
#include <QRandomGenerator>
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
QString Fehler(const TZEV_DB_Config& c) {
    try {
        TQLNDatenbank::Oeffne(c);
    } catch (const Exception& e) {
        return e.Message();
    }
    return {};
}

void Farbe(Tfarbfile& f, const QString& nr, const QString& bez) {
    f.ClearBuffer();
    f.Nummer.SetWert(nr);
    f.Bezeichnung.SetWert(bez);
    f.Write(wrdonInsert);
}

class PostgresServer : public ::testing::Test {
protected:
    void SetUp() override {
        FSchema = std::make_unique<TestDatenbank::PostgresSchema>();
        TRIVELTA_POSTGRES_ODER_SKIP(*FSchema);
    }
    void TearDown() override { FSchema.reset(); }
    qint64 BackendPid() {
        Statement& s = TQLNDatenbank::Verbindung().Cached(QStringLiteral("SELECT pg_backend_pid()"));
        const qint64 pid = s.Step() ? s.ColumnInt(0) : 0;
        s.Reset();
        return pid;
    }
    // What an administrator's restart or a broken network does to one session.
    void TrenneVerbindung(qint64 pid) {
        Statement& s = FSchema->Admin().Cached(QStringLiteral("SELECT pg_terminate_backend(?, 5000)"));
        s.BindInt(1, pid);
        ASSERT_TRUE(s.Step());
        ASSERT_EQ(s.ColumnInt(0), 1);
        s.Reset();
    }
    std::unique_ptr<TestDatenbank::PostgresSchema> FSchema;
};
}  // namespace

TEST(PostgresConnection, PlaceholdersOutsideLiteralsQuotedNamesAndCommentsAreNumbered) {
    int n = 0;
    const QString sql = PostgresConnection::Platzhalter(
        QStringLiteral("SELECT ?, '?', 'it''s ?', \"we?rd\", E'\\'?', $$ ? $$, $t$ ? $t$, x$y -- ?\n"
                       "FROM t WHERE (a, b) > (?, ?) /* ? /* ? */ ? */ AND c = ?"),
        &n);
    EXPECT_EQ(sql, QStringLiteral("SELECT $1, '?', 'it''s ?', \"we?rd\", E'\\'?', $$ ? $$, $t$ ? $t$, x$y -- ?\n"
                                  "FROM t WHERE (a, b) > ($2, $3) /* ? /* ? */ ? */ AND c = $4"));
    EXPECT_EQ(n, 4);
    // an unterminated literal swallows the rest rather than inventing parameters
    EXPECT_EQ(PostgresConnection::Platzhalter(QStringLiteral("SELECT 'a?"), &n), QStringLiteral("SELECT 'a?"));
    EXPECT_EQ(n, 0);
}

TEST(PostgresConnection, UnreachableServerIsNamedInGerman) {
    // a port the system just handed out and took back: nobody listens there
    const int sock = ::socket(AF_INET, SOCK_STREAM, 0);
    ASSERT_GE(sock, 0);
    sockaddr_in adresse{};
    adresse.sin_family = AF_INET;
    adresse.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t laenge = sizeof adresse;
    ASSERT_EQ(::bind(sock, reinterpret_cast<sockaddr*>(&adresse), sizeof adresse), 0);
    ASSERT_EQ(::getsockname(sock, reinterpret_cast<sockaddr*>(&adresse), &laenge), 0);
    ::close(sock);
    const int port = ntohs(adresse.sin_port);
    TZEV_DB_Config c;
    c.Art = TZEV_DBArt::dbaPostgreSQL;
    c.Host = QStringLiteral("127.0.0.1");
    c.Port = port;
    c.Datenbank = QStringLiteral("trivelta");
    c.Benutzer = QStringLiteral("kasse");
    c.Passwort = QStringLiteral("Geheim-Kasse-42");
    const QString text = Fehler(c);
    EXPECT_TRUE(text.startsWith(QStringLiteral("Der Datenbankserver 127.0.0.1:%1 ist nicht erreichbar.").arg(port)))
        << text.toStdString();
    EXPECT_FALSE(text.contains(c.Passwort));
    EXPECT_FALSE(TQLNDatenbank::Offen());
}

TEST_F(PostgresServer, WrongPasswordIsRefusedWithoutShowingIt) {
    TZEV_DB_Config c = FSchema->Config();
    c.Passwort = QStringLiteral("Falsch-%1-Passwort").arg(QRandomGenerator::global()->bounded(1000000));
    const QString text = Fehler(c);
    if (text.isEmpty()) GTEST_SKIP() << "der Server lässt jedes Passwort gelten (trust)";
    EXPECT_TRUE(text.startsWith(QStringLiteral("Die Anmeldung am Datenbankserver"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("oder Passwort ist falsch"))) << text.toStdString();
    EXPECT_FALSE(text.contains(c.Passwort));
    // nor in the log, where the failure ends up
    TQLNInfo::RegisterException(QStringLiteral("Test.Anmelden"), Exception(text), false);
    QFile log(TQLNInfo::LogFile());
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    const QString inhalt = QString::fromUtf8(log.readAll());
    EXPECT_TRUE(inhalt.contains(QStringLiteral("Die Anmeldung am Datenbankserver")));
    EXPECT_FALSE(inhalt.contains(c.Passwort));
}

TEST_F(PostgresServer, MissingDatabaseIsToldApartFromAWrongLogin) {
    TZEV_DB_Config c = FSchema->Config();
    c.Datenbank = QStringLiteral("trv_fehlt_%1").arg(QRandomGenerator::global()->bounded(1000000));
    const QString text = Fehler(c);
    EXPECT_TRUE(text.startsWith(QStringLiteral("Die Datenbank \"%1\" gibt es auf dem Server").arg(c.Datenbank)))
        << text.toStdString();
}

TEST_F(PostgresServer, TablesOfOtherSchemasAreNotOursAndTextUsesTheCodePointCollation) {
    FSchema->Oeffne();
    Connection& c = TQLNDatenbank::Verbindung();
    EXPECT_TRUE(c.TableExists(QStringLiteral("farb")));
    const QString fremd = FSchema->Name() + QStringLiteral("_fremd");
    FSchema->Admin().Exec(QStringLiteral("CREATE SCHEMA %1; CREATE TABLE %1.nurdort (a BIGINT); CREATE TABLE "
                                         "%1.farb (anders BIGINT)")
                              .arg(fremd));
    EXPECT_FALSE(c.TableExists(QStringLiteral("nurdort")));
    QStringList spalten;
    for (const TSpaltenInfo& s : c.Columns(QStringLiteral("farb"))) spalten << s.Name;
    EXPECT_EQ(spalten, (QStringList{"nummer", "bezeichnung"}));
    FSchema->Admin().Exec(QStringLiteral("DROP SCHEMA %1 CASCADE").arg(fremd));

    Statement& s = c.Cached(QStringLiteral("SELECT collation_name FROM information_schema.columns WHERE "
                                           "table_schema = current_schema() AND table_name = ? AND column_name = ?"));
    s.BindText(1, QStringLiteral("farb"));
    s.BindText(2, QStringLiteral("nummer"));
    ASSERT_TRUE(s.Step());
    EXPECT_EQ(s.ColumnText(0), "C");
    s.Reset();
}

TEST_F(PostgresServer, AFailedStatementSpoilsThePostingAndCommitRefuses) {
    FSchema->Oeffne();
    Tfarbfile f;
    f.OpenNew(-1);
    {
        QLNBuchung b(7, "Test.Buchen");
        Farbe(f, "1", "Rot");
        EXPECT_THROW(Farbe(f, "1", "doppelt"), Exception);  // caught, and the posting goes on regardless
        try {
            Farbe(f, "2", "Grün");
            ADD_FAILURE() << "the server took a command in a failed transaction";
        } catch (const Exception& e) {
            EXPECT_TRUE(e.Message().contains(QStringLiteral("nimmt die Datenbank keine weiteren Befehle an")))
                << e.Message().toStdString();
        }
        // The server would answer COMMIT with a silent rollback: that is no success.
        EXPECT_THROW(b.Ende("Test.Buchen"), Exception);
    }
    EXPECT_EQ(f.GetCount(), 0);
    Farbe(f, "3", "Blau");  // the connection goes on working
    EXPECT_EQ(f.GetCount(), 1);
}

TEST_F(PostgresServer, TextWithANulCharacterIsRefusedNotCut) {
    FSchema->Oeffne();
    Tfarbfile f;
    f.OpenNew(-1);
    EXPECT_THROW(Farbe(f, "1", QString::fromUtf16(u"Rot\0Grün", 8)), Exception);
    EXPECT_EQ(f.GetCount(), 0);
}

TEST_F(PostgresServer, ALostConnectionLosesThePostingWholeAndTheNextOneWorks) {
    FSchema->Oeffne();
    Tfarbfile f;
    f.OpenNew(-1);
    // lost between two writes of a posting
    try {
        QLNBuchung b(7, "Test.Buchen");
        Farbe(f, "1", "Rot");
        TrenneVerbindung(BackendPid());
        Farbe(f, "2", "Grün");
        b.Ende("Test.Buchen");
        ADD_FAILURE() << "posting on a lost connection succeeded";
    } catch (const Exception& e) {
        EXPECT_TRUE(e.Message().contains(QStringLiteral("Verbindung zum Datenbankserver ist abgebrochen")))
            << e.Message().toStdString();
    }
    EXPECT_EQ(f.GetCount(), 0);  // a fresh session, and nothing of the posting in it
    // lost just before the commit
    {
        QLNBuchung b(7, "Test.Buchen");
        Farbe(f, "3", "Blau");
        TrenneVerbindung(BackendPid());
        EXPECT_THROW(b.Ende("Test.Buchen"), Exception);
    }
    EXPECT_EQ(f.GetCount(), 0);
    // a caller that swallows the failure and writes on must not land outside the posting
    {
        QLNBuchung b(7, "Test.Buchen");
        Farbe(f, "5", "Lila");
        TrenneVerbindung(BackendPid());
        EXPECT_THROW(Farbe(f, "6", "Weiß"), Exception);
        EXPECT_THROW(Farbe(f, "7", "Grau"), Exception);
        EXPECT_THROW(b.Ende("Test.Buchen"), Exception);
    }
    EXPECT_EQ(f.GetCount(), 0);
    {
        QLNBuchung b(7, "Test.Buchen");
        Farbe(f, "4", "Gelb");
        EXPECT_GT(b.ProtokollId(), 0);
        b.Ende("Test.Buchen");
    }
    f.ClearBuffer();
    f.Nummer.SetKeyWert(QStringLiteral("4"));
    EXPECT_TRUE(f.Get_eq());
    EXPECT_EQ(f.GetCount(), 1);
}
