#include "BenchDatenbank.h"

#include "host/QLNBuchung.h"
#include "host/db/TQLNDatenbank.h"
#include "host/records/TAAFile.h"

#include <QElapsedTimer>
#include <cstdio>

namespace BenchDatenbank {
double Ms() {
    static QElapsedTimer t = [] {
        QElapsedTimer e;
        e.start();
        return e;
    }();
    return t.nsecsElapsed() / 1e6;
}

TZEV_DB_Config SQLite(const QString& datei) {
    TZEV_DB_Config c;
    c.Art = TZEV_DBArt::dbaSQLite;
    c.Datei = datei;
    return c;
}

TZEV_DB_Config PostgresAusUmgebung() {
    TZEV_DB_Config c;
    c.Art = TZEV_DBArt::dbaPostgreSQL;
    c.Host = qEnvironmentVariable("PGHOST");
    c.Port = qEnvironmentVariableIntValue("PGPORT");
    c.Datenbank = qEnvironmentVariable("PGDATABASE");
    c.Benutzer = qEnvironmentVariable("PGUSER");
    return c;
}

void OeffneMitArtikeln(const TZEV_DB_Config& config, int artikel) {
    TQLNDatenbank::Oeffne(config);
    TAAFile aa;
    aa.OpenNew(-1);
    const int vorhanden = int(aa.GetCount());
    if (vorhanden >= artikel) return;
    const double start = Ms();
    static const char* arten[] = {"Pumps", "Schnürer", "Sneaker", "Stiefelette", "Sandale", "Ballerina", "Loafer",
                                  "Bluse", "Hemd", "Pullover", "Jeans", "Kleid", "Jacke", "Mantel"};
    static const char* farben[] = {"Schwarz", "Weiß", "Rot", "Blau", "Grün", "Braun", "Grau", "Beige"};
    QLNBuchung b(1, QStringLiteral("BenchDatenbank.Fuelle"));
    for (int i = vorhanden + 1; i <= artikel; ++i) {
        aa.ClearBuffer();
        aa.ArtNr.SetWert(QStringLiteral("%1").arg(i, 9, 10, QLatin1Char('0')));
        aa.Bezeichnung.SetWert(QStringLiteral("%1 %2 Modell %3")
                                   .arg(QString::fromUtf8(arten[i % 14]), QString::fromUtf8(farben[i % 8]))
                                   .arg(i % 977));
        aa.Farbe.SetWert(QString::number(1 + i % 16));
        aa.Material.SetWert(QString::number(1 + i % 10));
        if (i % 5 == 0) aa.Variante1.SetWert(QStringLiteral("WEIT"));
        aa.MwSt.SetWert(QStringLiteral("VOLL"));
        aa.VkPreis.SetWert(19.95 + (i % 200) * 5.0);
        aa.Write(wrdonInsert);
    }
    b.Ende(QStringLiteral("BenchDatenbank.Fuelle"));
    std::printf("%s: %d articles added in %.0f ms\n", qPrintable(config.Beschreibung()), artikel - vorhanden,
                Ms() - start);
}
}  // namespace BenchDatenbank
