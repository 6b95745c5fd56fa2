#include "TQLNDatenbank.h"

#include "PostgresConnection.h"
#include "SQLiteConnection.h"
#include "host/records/TDBSchema.h"
#include "host/Exception.h"

#include <QMutex>
#include <atomic>
#include <map>
#include <mutex>

namespace {
struct Global {
    QMutex Sperre;
    TZEV_DB_Config Config;
    bool Offen = false;
    std::atomic<int> Generation{0};
    std::map<int, TQLNDatenbank::Fabrik> Fabriken;
};
Global& G() {
    static Global g;
    return g;
}
struct ThreadVerbindung {
    std::unique_ptr<Connection> C;
    int Generation = -1;
};
thread_local ThreadVerbindung tVerbindung;
}  // namespace

void TQLNDatenbank::RegistriereBackend(TZEV_DBArt art, Fabrik fabrik) {
    const QMutexLocker l(&G().Sperre);
    G().Fabriken[int(art)] = std::move(fabrik);
}

std::unique_ptr<Connection> TQLNDatenbank::NeueVerbindung(const TZEV_DB_Config& config) {
    if (config.Art == TZEV_DBArt::dbaSQLite) {
        if (config.Datei.isEmpty()) throw Exception(QStringLiteral("Es ist keine Datenbankdatei angegeben."));
        return std::make_unique<SQLiteConnection>(config.Datei);
    }
    // The program's own backends register on the first lookup: a static
    // initialiser in a file of a static library would be dropped by the linker.
    static std::once_flag eigene;
    std::call_once(eigene, [] { PostgresConnection::Registriere(); });
    Fabrik f;
    {
        const QMutexLocker l(&G().Sperre);
        const auto it = G().Fabriken.find(int(config.Art));
        if (it != G().Fabriken.end()) f = it->second;
    }
    if (!f)
        throw Exception(QStringLiteral("Die Datenbankart %1 wird von diesem Programm nicht unterstützt.")
                            .arg(TZEV_DB_Config::ArtName(config.Art)));
    return f(config);
}

void TQLNDatenbank::Oeffne(const TZEV_DB_Config& config) {
    std::unique_ptr<Connection> c = NeueVerbindung(config);
    TDBSchema::Aktualisiere(*c);
    {
        const QMutexLocker l(&G().Sperre);
        G().Config = config;
        G().Offen = true;
    }
    const int gen = ++G().Generation;
    tVerbindung.C = std::move(c);
    tVerbindung.Generation = gen;
}

bool TQLNDatenbank::Offen() {
    const QMutexLocker l(&G().Sperre);
    return G().Offen;
}

void TQLNDatenbank::Schliesse() {
    {
        const QMutexLocker l(&G().Sperre);
        G().Offen = false;
    }
    ++G().Generation;
    tVerbindung.C.reset();
}

const TZEV_DB_Config& TQLNDatenbank::Config() { return G().Config; }

Connection& TQLNDatenbank::Verbindung() {
    const int gen = G().Generation.load();
    if (!tVerbindung.C || tVerbindung.Generation != gen) {
        TZEV_DB_Config config;
        {
            const QMutexLocker l(&G().Sperre);
            if (!G().Offen) throw Exception(QStringLiteral("Es ist keine Datenbank geöffnet."));
            config = G().Config;
        }
        tVerbindung.C.reset();
        tVerbindung.C = NeueVerbindung(config);
        tVerbindung.Generation = gen;
    }
    return *tVerbindung.C;
}
