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
#include <ostream>

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

// Base of suites that run unchanged on both backends: each test gets a fresh
// database of its parameter's kind.
//   class MeinTest : public TestDatenbank::BeideBackends {};
//   INSTANTIATE_TEST_SUITE_P(, MeinTest, TestDatenbank::Backends(), TestDatenbank::BackendName);
// The PostgreSQL instances are named ".../Postgres" (ctest -R Postgres).
class BeideBackends : public ::testing::TestWithParam<TZEV_DBArt> {
protected:
    void SetUp() override;
    void TearDown() override;
    bool AufPostgres() const { return GetParam() == TZEV_DBArt::dbaPostgreSQL; }
    std::unique_ptr<PostgresSchema> FSchema;  // on PostgreSQL
};
inline auto Backends() { return ::testing::Values(TZEV_DBArt::dbaSQLite, TZEV_DBArt::dbaPostgreSQL); }
std::string BackendName(const ::testing::TestParamInfo<TZEV_DBArt>& info);
}  // namespace TestDatenbank

// Test names and messages show the backend by name, not as bytes.
inline void PrintTo(TZEV_DBArt art, std::ostream* os) { *os << TZEV_DB_Config::ArtName(art).toStdString(); }

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
