#pragma once
// Large product databases for benchmarks: articles made through the program's
// own record files, in one posting.

#include "host/db/TZEV_DB_Config.h"

namespace BenchDatenbank {
// Opens the database file (creating the schema) and fills it with `artikel`
// articles unless it holds that many already.
TZEV_DB_Config OeffneMitArtikeln(const QString& datei, int artikel);
// Milliseconds since the first call.
double Ms();
}  // namespace BenchDatenbank
