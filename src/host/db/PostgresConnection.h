#pragma once
// The server backend: PostgreSQL through libpq. Statements are prepared on the
// server and run with bound parameters; the "?" placeholders of our SQL become
// $1..$n. Text columns sort in the "C" collation, so keys come in code-point
// order as on SQLite, whatever the database's own locale is.
//
// Unlike SQLite, a failed statement inside a transaction spoils the whole
// transaction on this server: the posting must roll back, and a COMMIT then
// refuses instead of storing the rest.

#include "Connection.h"
#include "TZEV_DB_Config.h"

struct pg_conn;
struct pg_result;

class PostgresConnection : public Connection {
public:
    // Connects with the configuration; empty fields fall back to libpq's
    // environment (PGHOST, PGUSER, ...). Throws Exception with a German text
    // (never the password) when the server is unreachable, refuses the login
    // or does not have the database.
    explicit PostgresConnection(const TZEV_DB_Config& config);
    ~PostgresConnection() override;

    TDBBackend Backend() const override { return TDBBackend::PostgreSQL; }
    std::unique_ptr<Statement> Prepare(const QString& sql) override;
    void Exec(const QString& sql) override;
    bool TableExists(const QString& table) override;
    QList<TSpaltenInfo> Columns(const QString& table) override;
    QString TypeText() const override { return QStringLiteral("TEXT COLLATE \"C\""); }
    QString TypeInteger() const override { return QStringLiteral("BIGINT"); }
    QString TypeDouble() const override { return QStringLiteral("DOUBLE PRECISION"); }
    QString TypeBlob() const override { return QStringLiteral("BYTEA"); }
    QString TypeAutoId() const override { return QStringLiteral("BIGSERIAL PRIMARY KEY"); }
    QString Describe() const override;

    // The SQL with each "?" outside literals, quoted names and comments
    // replaced by $1..$n; anzahl receives n.
    static QString Platzhalter(const QString& sql, int* anzahl = nullptr);
    // Makes the backend known to TQLNDatenbank; its backend lookup calls this.
    static void Registriere();

    // --- used by the statements ---------------------------------------------
    pg_conn* Handle() const { return FConn; }
    // Changes whenever the session was re-established: statements prepared
    // before must be prepared again.
    int Sitzung() const { return FSitzung; }
    QString NeuerName();
    // Before talking to the server: re-establishes a lost session when no
    // transaction was open; throws when one was (its work is lost).
    void Bereit(bool transaktionsende = false);
    // The German text for a failed result (or a lost connection) of sql.
    QString FehlerText(const pg_result* result, const QString& sql) const;
    // Frees a statement prepared on the server, when the session still holds it.
    void Freigeben(const QByteArray& name, int sitzung);

private:
    void Einrichten();
    pg_conn* FConn = nullptr;
    QString FBeschreibung;
    int FSitzung = 0;
    int FZaehler = 0;
    bool FSchliesst = false;
};
