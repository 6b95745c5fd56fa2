#pragma once
// The product database of the running program: which database (from the
// database configuration) and one connection per thread, opened on first use.
// Worker threads get their own connection; it closes when the thread ends.

#include "Connection.h"
#include "TZEV_DB_Config.h"

#include <functional>

class TQLNDatenbank {
public:
    // Uses this database from now on: opens the calling thread's connection and
    // creates or upgrades the schema. Throws Exception (with a German text
    // that names no password) when the database cannot be opened.
    static void Oeffne(const TZEV_DB_Config& config);
    static bool Offen();
    // Closes the calling thread's connection and forgets the database.
    static void Schliesse();
    static const TZEV_DB_Config& Config();

    // The calling thread's connection.
    static Connection& Verbindung();
    // A connection of its own, for tools and benchmarks.
    static std::unique_ptr<Connection> NeueVerbindung(const TZEV_DB_Config& config);

    // Backends register how they connect (PostgreSQL lives in its own file).
    using Fabrik = std::function<std::unique_ptr<Connection>(const TZEV_DB_Config&)>;
    static void RegistriereBackend(TZEV_DBArt art, Fabrik fabrik);
};
