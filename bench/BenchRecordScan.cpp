// Scanning the article master through the record file (first/next, three text
// fields) against the raw SQLite C API reading the same rows in the same run.
// Both sides turn the texts into QStrings, as any caller must.
//   bench_recordscan [database file] [articles]

#include "BenchDatenbank.h"
#include "host/db/TQLNDatenbank.h"
#include "host/records/TAAFile.h"

#include <QCoreApplication>
#include <QDir>
#include <algorithm>
#include <cstdio>
#include <sqlite3.h>

namespace {
qint64 Roh(const QString& datei) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(datei.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(db, "SELECT artnr, bezeichnung, farbe FROM aa ORDER BY artnr", -1, &s, nullptr);
    qint64 summe = 0;
    while (sqlite3_step(s) == SQLITE_ROW) {
        for (int c = 0; c < 3; ++c) {
            const QString t = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, c)),
                                                sqlite3_column_bytes(s, c));
            summe += t.size();
        }
    }
    sqlite3_finalize(s);
    sqlite3_close(db);
    return summe;
}

qint64 Unsere() {
    TAAFile aa;
    aa.OpenNew(-1);
    aa.ClearBuffer();
    aa.SetIndex(aa.IndexPrimaer);
    aa.ArtNr.SetUsedField();
    aa.Bezeichnung.SetUsedField();
    aa.Farbe.SetUsedField();
    qint64 summe = 0;
    for (bool ok = aa.Get_first_extMode(); ok; ok = aa.Get_next_extMode())
        summe += aa.ArtNr.GetWert().size() + aa.Bezeichnung.GetWert().size() + aa.Farbe.GetWert().size();
    return summe;
}
}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString datei = args.size() > 1 ? args[1] : QDir::tempPath() + QStringLiteral("/trivelta-bench-1m.db");
    const int n = args.size() > 2 ? args[2].toInt() : 1000000;
    try {
        BenchDatenbank::OeffneMitArtikeln(datei, n);
        double roh = 1e18, unsere = 1e18;
        qint64 a = 0, b = 0;
        for (int lauf = 0; lauf < 3; ++lauf) {  // best of three each, interleaved
            double t = BenchDatenbank::Ms();
            a = Roh(datei);
            roh = std::min(roh, BenchDatenbank::Ms() - t);
            t = BenchDatenbank::Ms();
            b = Unsere();
            unsere = std::min(unsere, BenchDatenbank::Ms() - t);
        }
        if (a != b) {
            std::fprintf(stderr, "the two scans read different data (%lld / %lld characters)\n", (long long)a, (long long)b);
            return 1;
        }
        std::printf("rows: %d\nraw SQLite C API: %.1f ms\nrecord file TAAFile: %.1f ms\nratio raw/ours: %.2f (must be >= 0.5)\n",
                    n, roh, unsere, roh / unsere);
        return roh / unsere >= 0.5 ? 0 : 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}
