#pragma once
// Every table of the product database, for schema creation and upgrade.

#include "host/db/TTabellenDeklaration.h"

namespace Tabellen {
QList<TTabellenDeklaration> Deklarationen();
}
