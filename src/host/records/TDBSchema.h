#pragma once
// Creates and upgrades the schema from the table declarations of the record
// files: missing tables and columns are added, indices created; a database of
// a newer schema version than the program's is refused.

#include "host/db/Connection.h"
#include "host/db/TTabellenDeklaration.h"

namespace TDBSchema {
constexpr int CSchemaVersion = 1;
void Aktualisiere(Connection& c);
void Aktualisiere(Connection& c, const QList<TTabellenDeklaration>& tabellen);
QString CreateTableSql(const Connection& c, const TTabellenDeklaration& t);
}  // namespace TDBSchema
