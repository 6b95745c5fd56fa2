// On each backend, against its raw C API in the same run:
//  1. scanning 1,000,000 articles through the record file (first/next, three
//     text fields) — both sides turn the texts into QStrings, as any caller must;
//  2. a posting of 10,000 records in one transaction.
// The PostgreSQL part runs when libpq's environment names a reachable server.
//   bench_recordscan [sqlite file] [articles]

#include "BenchDatenbank.h"
#include "host/QLNBuchung.h"
#include "host/db/TQLNDatenbank.h"
#include "host/records/TAAFile.h"
#include "host/records/Tgmerfile.h"

#include <QCoreApplication>
#include <QDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <libpq-fe.h>
#include <sqlite3.h>

namespace {
constexpr int CPosting = 10000;

double Bestes(int laeufe, const std::function<void()>& f) {
    double best = 1e18;
    for (int i = 0; i < laeufe; ++i) {
        const double t = BenchDatenbank::Ms();
        f();
        best = std::min(best, BenchDatenbank::Ms() - t);
    }
    return best;
}

qint64 ScanUnsere() {
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

// The posting: 10,000 records of the general file, removed again afterwards.
void PostingUnsere(int lauf) {
    Tgmerfile g;
    g.OpenNew(-1);
    QLNBuchung b(1, QStringLiteral("Bench"));
    for (int i = 1; i <= CPosting; ++i) {
        g.ClearBuffer();
        g.Typ.SetWert(QStringLiteral("B"));
        g.Rnr.SetWert(lauf);
        g.Lnr.SetWert(i);
        g.Bezeichnung.SetWert(QStringLiteral("Eintrag %1").arg(i));
        g.Write(wrdonInsert);
    }
    b.Ende(QStringLiteral("Bench"));
}

const char* CScanSql = "SELECT artnr, bezeichnung, farbe FROM aa ORDER BY artnr";
const char* CInsertSql = "INSERT INTO gmer (typ, rnr, lnr, bezeichnung, format) VALUES (?, ?, ?, ?, '')";

qint64 ScanSQLite(const QString& datei) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(datei.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(db, CScanSql, -1, &s, nullptr);
    qint64 summe = 0;
    while (sqlite3_step(s) == SQLITE_ROW)
        for (int c = 0; c < 3; ++c)
            summe += QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, c)), sqlite3_column_bytes(s, c)).size();
    sqlite3_finalize(s);
    sqlite3_close(db);
    return summe;
}

void PostingSQLite(const QString& datei, int lauf) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(datei.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    sqlite3_busy_timeout(db, 5000);
    sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(db, CInsertSql, -1, &s, nullptr);
    for (int i = 1; i <= CPosting; ++i) {
        const QString bez = QStringLiteral("Eintrag %1").arg(i);
        sqlite3_bind_text16(s, 1, u"B", 2, SQLITE_STATIC);
        sqlite3_bind_int(s, 2, lauf);
        sqlite3_bind_int(s, 3, i);
        sqlite3_bind_text16(s, 4, bez.utf16(), int(bez.size() * 2), SQLITE_TRANSIENT);
        sqlite3_step(s);
        sqlite3_reset(s);
    }
    sqlite3_finalize(s);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

qint64 ScanPostgres() {
    PGconn* c = PQconnectdb("");
    PQsendQuery(c, CScanSql);
    PQsetSingleRowMode(c);
    qint64 summe = 0;
    while (PGresult* r = PQgetResult(c)) {
        if (PQresultStatus(r) == PGRES_SINGLE_TUPLE)
            for (int k = 0; k < 3; ++k) summe += QString::fromUtf8(PQgetvalue(r, 0, k), PQgetlength(r, 0, k)).size();
        PQclear(r);
    }
    PQfinish(c);
    return summe;
}

void PostingPostgres(int lauf) {
    PGconn* c = PQconnectdb("");
    PQclear(PQexec(c, "BEGIN"));
    PQclear(PQprepare(c, "ins", "INSERT INTO gmer (typ, rnr, lnr, bezeichnung, format) VALUES ($1, $2, $3, $4, '')", 4, nullptr));
    const QByteArray rnr = QByteArray::number(lauf);
    for (int i = 1; i <= CPosting; ++i) {
        const QByteArray lnr = QByteArray::number(i);
        const QByteArray bez = QStringLiteral("Eintrag %1").arg(i).toUtf8();
        const char* werte[] = {"B", rnr.constData(), lnr.constData(), bez.constData()};
        PQclear(PQexecPrepared(c, "ins", 4, werte, nullptr, nullptr, 0));
    }
    PQclear(PQexec(c, "COMMIT"));
    PQfinish(c);
}

void Aufraeumen() {
    ExecParams(TQLNDatenbank::Verbindung(), QStringLiteral("DELETE FROM gmer WHERE typ = ?"), {QStringLiteral("B")});
}

bool Vergleiche(const char* name, int n, const std::function<qint64()>& roh, const std::function<qint64()>& unsere,
                const std::function<void(int)>& postRoh, const std::function<void(int)>& postUnsere) {
    qint64 a = 0, b = 0;
    const double scanRoh = Bestes(3, [&] { a = roh(); });
    const double scanUnsere = Bestes(3, [&] { b = unsere(); });
    if (a != b) {
        std::fprintf(stderr, "%s: the two scans read different data (%lld / %lld)\n", name, (long long)a, (long long)b);
        return false;
    }
    int lauf = 100;
    const double pRoh = Bestes(3, [&] { postRoh(++lauf); });
    const double pUnsere = Bestes(3, [&] { PostingUnsere(++lauf); });
    Q_UNUSED(postUnsere);
    Aufraeumen();
    std::printf("%s, %d articles\n  scan    raw %.1f ms, record file %.1f ms, ratio raw/ours %.2f (must be >= 0.5)\n"
                "  posting of %d records in one transaction: raw %.1f ms, record file %.1f ms, ratio raw/ours %.2f\n",
                name, n, scanRoh, scanUnsere, scanRoh / scanUnsere, CPosting, pRoh, pUnsere, pRoh / pUnsere);
    return scanRoh / scanUnsere >= 0.5;
}
}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString datei = args.size() > 1 ? args[1] : QDir::tempPath() + QStringLiteral("/trivelta-bench-1m.db");
    const int n = args.size() > 2 ? args[2].toInt() : 1000000;
    bool ok = true;
    try {
        BenchDatenbank::OeffneMitArtikeln(BenchDatenbank::SQLite(datei), n);
        Aufraeumen();
        ok = Vergleiche("SQLite", n, [&] { return ScanSQLite(datei); }, ScanUnsere,
                        [&](int l) { PostingSQLite(datei, l); }, PostingUnsere) && ok;
        TQLNDatenbank::Schliesse();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "SQLite: %s\n", e.what());
        return 1;
    }
    PGconn* probe = PQconnectdb("");
    const bool server = PQstatus(probe) == CONNECTION_OK;
    PQfinish(probe);
    if (!server) {
        std::printf("PostgreSQL: no server in libpq's environment, skipped\n");
        return ok ? 0 : 1;
    }
    try {
        BenchDatenbank::OeffneMitArtikeln(BenchDatenbank::PostgresAusUmgebung(), n);
        Aufraeumen();
        ok = Vergleiche("PostgreSQL", n, ScanPostgres, ScanUnsere, PostingPostgres, PostingUnsere) && ok;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "PostgreSQL: %s\n", e.what());
        return 1;
    }
    return ok ? 0 : 1;
}
