// Fills a product database, embedded or on a server:
//   trivelta_generator (--sqlite <datei> | --postgres) [--demo] [--artikel <anzahl>]
// --postgres uses the server of libpq's environment (PGHOST, PGPORT, PGDATABASE,
// PGUSER, PGPASSWORD). --demo creates the demo installation (computers,
// clients, codes, articles) when the database holds no computers yet;
// --artikel adds generated articles up to that number (e.g. 1000000).

#include "BenchDatenbank.h"
#include "host/TQLNProgramm.h"
#include "host/db/TQLNDatenbank.h"
#include "host/resources/TDemoDatenbank.h"

#include <QCoreApplication>
#include <cstdio>

namespace {
int Aufruf() {
    std::fprintf(stderr, "Aufruf: trivelta_generator (--sqlite <datei> | --postgres) [--demo] [--artikel <anzahl>]\n");
    return 2;
}
}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    TZEV_DB_Config config;
    bool ziel = false, demo = false;
    int artikel = 0;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--sqlite") && i + 1 < args.size()) {
            config = BenchDatenbank::SQLite(args[++i]);
            ziel = true;
        } else if (args[i] == QLatin1String("--postgres")) {
            config = BenchDatenbank::PostgresAusUmgebung();
            ziel = true;
        } else if (args[i] == QLatin1String("--demo")) {
            demo = true;
        } else if (args[i] == QLatin1String("--artikel") && i + 1 < args.size()) {
            bool ok = false;
            artikel = args[++i].toInt(&ok);
            if (!ok || artikel < 1) {
                std::fprintf(stderr, "Die Anzahl der Artikel muss eine positive ganze Zahl sein.\n");
                return 2;
            }
        } else {
            return Aufruf();
        }
    }
    if (!ziel || (!demo && artikel == 0)) return Aufruf();
    try {
        TQLNDatenbank::Oeffne(config);
        if (demo) {
            // the demo data are made under the head office's session
            TQLNSitzungsDaten sitzung;
            TQLNProgramm::SetSitzung(sitzung);
            TDemoDatenbank::Fuelle();
            std::printf("%s: Demo-Installation angelegt\n", qPrintable(config.Beschreibung()));
        }
        if (artikel > 0) BenchDatenbank::OeffneMitArtikeln(config, artikel);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
