#include "TestDatenbank.h"

#include "TestUmgebung.h"
#include "host/Exception.h"
#include "host/db/PostgresConnection.h"
#include "host/db/TQLNDatenbank.h"

#include <QCoreApplication>
#include <QRandomGenerator>

namespace TestDatenbank {
TZEV_DB_Config Oeffne() {
    TZEV_DB_Config c;
    c.Art = TZEV_DBArt::dbaSQLite;
    c.Datei = TestUmgebung::Verzeichnis() + QStringLiteral("/produkt.db");
    TQLNDatenbank::Oeffne(c);
    return c;
}

TZEV_DB_Config PostgresServer() {
    TZEV_DB_Config c;
    c.Art = TZEV_DBArt::dbaPostgreSQL;
    c.Host = qEnvironmentVariable("PGHOST");
    c.Port = qEnvironmentVariableIntValue("PGPORT");  // 0: libpq's default
    c.Datenbank = qEnvironmentVariable("PGDATABASE");
    c.Benutzer = qEnvironmentVariable("PGUSER");
    return c;
}

bool PostgresErforderlich() { return qEnvironmentVariable("TRIVELTA_PG_ERFORDERLICH") == QLatin1String("1"); }

PostgresSchema::PostgresSchema() {
    try {
        FAdmin = std::make_unique<PostgresConnection>(PostgresServer());
        // pid and a random part: parallel test processes and leftovers of a
        // crashed run never meet
        FName = QStringLiteral("trv_test_%1_%2")
                    .arg(QCoreApplication::applicationPid())
                    .arg(QRandomGenerator::global()->bounded(1000000));
        FAdmin->Exec(QStringLiteral("CREATE SCHEMA ") + FName);
    } catch (const Exception& e) {
        FGrund = e.Message();
        FAdmin.reset();
        return;
    }
    FHatteOptionen = qEnvironmentVariableIsSet("PGOPTIONS");
    FAlteOptionen = qgetenv("PGOPTIONS");
    const QByteArray optionen = FAlteOptionen + " -c search_path=" + FName.toUtf8();
    qputenv("PGOPTIONS", optionen.trimmed());
    FVerfuegbar = true;
}

PostgresSchema::~PostgresSchema() {
    if (!FVerfuegbar) return;
    TQLNDatenbank::Schliesse();
    if (FHatteOptionen)
        qputenv("PGOPTIONS", FAlteOptionen);
    else
        qunsetenv("PGOPTIONS");
    try {
        FAdmin->Exec(QStringLiteral("DROP SCHEMA IF EXISTS ") + FName + QStringLiteral(" CASCADE"));
    } catch (const Exception& e) {
        ADD_FAILURE() << "Das Testschema " << FName.toStdString() << " bleibt stehen: " << e.Message().toStdString();
    }
}

TZEV_DB_Config PostgresSchema::Oeffne() {
    const TZEV_DB_Config c = Config();
    TQLNDatenbank::Oeffne(c);
    return c;
}

void BeideBackends::SetUp() {
    if (AufPostgres()) {
        FSchema = std::make_unique<PostgresSchema>();
        TRIVELTA_POSTGRES_ODER_SKIP(*FSchema);
        FSchema->Oeffne();
    } else {
        Oeffne();
    }
}

void BeideBackends::TearDown() { FSchema.reset(); }

std::string BackendName(const ::testing::TestParamInfo<TZEV_DBArt>& info) {
    return info.param == TZEV_DBArt::dbaPostgreSQL ? "Postgres" : "SQLite";
}
}  // namespace TestDatenbank
