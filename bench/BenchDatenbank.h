#pragma once
// Large product databases for benchmarks and the generator: articles made
// through the program's own record files, in one posting.

#include "host/db/TZEV_DB_Config.h"

namespace BenchDatenbank {
TZEV_DB_Config SQLite(const QString& datei);
// The server libpq's environment names (PGHOST, PGPORT, PGDATABASE, PGUSER; PGPASSWORD is read by libpq).
TZEV_DB_Config PostgresAusUmgebung();
// Opens the database (creating the schema) and adds articles until it holds `artikel`.
void OeffneMitArtikeln(const TZEV_DB_Config& config, int artikel);
// Milliseconds since the first call.
double Ms();
}  // namespace BenchDatenbank
