#pragma once
// A fresh product database for one test: a SQLite file in the test's
// temporary directory, schema created. Closed at the end of the test.

#include "host/db/TZEV_DB_Config.h"

namespace TestDatenbank {
TZEV_DB_Config Oeffne();
}
