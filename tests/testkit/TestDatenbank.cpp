#include "TestDatenbank.h"

#include "TestUmgebung.h"
#include "host/db/TQLNDatenbank.h"

namespace TestDatenbank {
TZEV_DB_Config Oeffne() {
    TZEV_DB_Config c;
    c.Art = TZEV_DBArt::dbaSQLite;
    c.Datei = TestUmgebung::Verzeichnis() + QStringLiteral("/produkt.db");
    TQLNDatenbank::Oeffne(c);
    return c;
}
}  // namespace TestDatenbank
