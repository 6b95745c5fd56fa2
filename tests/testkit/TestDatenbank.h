#pragma once
// A fresh product database for one test, closed at the end of the test.
//   SQLite: a file in the test's temporary directory, schema created.
//   PostgreSQL: a scratch schema on the server that libpq's environment names
//   (PGHOST, PGPORT, PGUSER, PGDATABASE, PGPASSWORD), dropped after the test.
// Without a reachable server the PostgreSQL tests skip; when the test run
// promises a server (TRIVELTA_PG_ERFORDERLICH=1, set by scripts/test around
// its own cluster), they fail instead.

#include "host/db/TZEV_DB_Config.h"

#include <QString>
#include <gtest/gtest.h>
#include <memory>

class PostgresConnection;

namespace TestDatenbank {
TZEV_DB_Config Oeffne();

// The server of libpq's environment as a database configuration. Fields the
// environment leaves open stay empty (libpq's defaults); the password is
// never copied: libpq reads PGPASSWORD itself.
TZEV_DB_Config PostgresServer();
bool PostgresErforderlich();

class PostgresSchema {
public:
    // Connects and creates the schema; Verfuegbar() tells whether it worked.
    PostgresSchema();
    // Closes the program's database, then drops the schema with everything in it.
    ~PostgresSchema();
    PostgresSchema(const PostgresSchema&) = delete;
    PostgresSchema& operator=(const PostgresSchema&) = delete;

    bool Verfuegbar() const { return FVerfuegbar; }
    const QString& Grund() const { return FGrund; }  // why not (German, from the connection)
    const QString& Name() const { return FName; }
    // Connections opened while the object lives work in the schema, also
    // those of worker threads (libpq's PGOPTIONS carries the search path).
    TZEV_DB_Config Config() const { return PostgresServer(); }
    // Opens the program's database in the schema and creates the tables.
    TZEV_DB_Config Oeffne();
    // A connection of the test's own, outside the schema, for looking on.
    PostgresConnection& Admin() { return *FAdmin; }

private:
    bool FVerfuegbar = false;
    QString FGrund;
    QString FName;
    std::unique_ptr<PostgresConnection> FAdmin;
    QByteArray FAlteOptionen;
    bool FHatteOptionen = false;
};
}  // namespace TestDatenbank

// In SetUp or a test body: skips (or fails, when a server was promised)
// unless the scratch schema is there.
#define TRIVELTA_POSTGRES_ODER_SKIP(schema)                                                               \
    do {                                                                                                   \
        if (!(schema).Verfuegbar()) {                                                                      \
            if (TestDatenbank::PostgresErforderlich())                                                     \
                GTEST_FAIL() << "PostgreSQL ist zugesagt, aber: " << (schema).Grund().toStdString();       \
            GTEST_SKIP() << "kein PostgreSQL-Server: " << (schema).Grund().toStdString();                 \
        }                                                                                                  \
    } while (false)
