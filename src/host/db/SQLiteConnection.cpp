#include "SQLiteConnection.h"

#include "host/Exception.h"

#include <QDir>
#include <QFileInfo>
#include <sqlite3.h>

namespace {
class SQLiteStatement final : public Statement {
public:
    SQLiteStatement(const SQLiteConnection& c, sqlite3_stmt* s, QString sql) : FConn(c), FStmt(s), FSql(std::move(sql)) {}
    ~SQLiteStatement() override { sqlite3_finalize(FStmt); }

    void BindNull(int i) override { Check(sqlite3_bind_null(FStmt, i)); }
    void BindInt(int i, qint64 v) override { Check(sqlite3_bind_int64(FStmt, i, v)); }
    void BindDouble(int i, double v) override { Check(sqlite3_bind_double(FStmt, i, v)); }
    void BindText(int i, const QString& v) override {
        // The UTF-16 text is bound as is: no conversion and no copy kept by us.
        Check(sqlite3_bind_text16(FStmt, i, v.utf16(), int(v.size() * sizeof(char16_t)), SQLITE_TRANSIENT));
    }
    void BindBlob(int i, const QByteArray& v) override {
        Check(sqlite3_bind_blob(FStmt, i, v.constData(), int(v.size()), SQLITE_TRANSIENT));
    }
    bool Step() override {
        const int rc = sqlite3_step(FStmt);
        if (rc == SQLITE_ROW) return true;
        if (rc == SQLITE_DONE) {
            FChanges = sqlite3_changes64(FConn.Handle());
            return false;
        }
        const QString msg = QString::fromUtf8(sqlite3_errmsg(FConn.Handle()));
        sqlite3_reset(FStmt);
        throw Exception(ErrorText(rc, msg));
    }
    void Reset() override {
        sqlite3_reset(FStmt);
        sqlite3_clear_bindings(FStmt);
    }
    qint64 Changes() const override { return FChanges; }
    int ColumnCount() const override { return sqlite3_column_count(FStmt); }
    bool IsNull(int c) const override { return sqlite3_column_type(FStmt, c) == SQLITE_NULL; }
    qint64 ColumnInt(int c) const override { return sqlite3_column_int64(FStmt, c); }
    double ColumnDouble(int c) const override { return sqlite3_column_double(FStmt, c); }
    QString ColumnText(int c) const override {
        const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(FStmt, c));
        return p ? QString::fromUtf8(p, sqlite3_column_bytes(FStmt, c)) : QString();
    }
    QByteArray ColumnBlob(int c) const override {
        const void* p = sqlite3_column_blob(FStmt, c);
        return p ? QByteArray(static_cast<const char*>(p), sqlite3_column_bytes(FStmt, c)) : QByteArray();
    }
    const QString& Sql() const override { return FSql; }

private:
    QString ErrorText(int rc, const QString& msg) const {
        const int basis = rc & 0xff;
        if (basis == SQLITE_CONSTRAINT) return QStringLiteral("Der Datensatz existiert bereits oder verletzt eine Regel der Datenbank (%1).").arg(msg);
        if (basis == SQLITE_BUSY || basis == SQLITE_LOCKED) return QStringLiteral("Die Datenbank ist gerade gesperrt. Bitte versuchen Sie es erneut (%1).").arg(msg);
        return QStringLiteral("Datenbankfehler: %1").arg(msg);
    }
    void Check(int rc) const {
        if (rc != SQLITE_OK) FConn.Fehler(QStringLiteral("Parameter"));
    }
    const SQLiteConnection& FConn;
    sqlite3_stmt* FStmt;
    QString FSql;
    qint64 FChanges = 0;
};
}  // namespace

SQLiteConnection::SQLiteConnection(const QString& datei) : FDatei(datei) {
    const QFileInfo info(datei);
    if (!QDir().mkpath(info.absolutePath()))
        throw Exception(QStringLiteral("Das Verzeichnis der Datenbank %1 kann nicht angelegt werden.").arg(datei));
    const int rc = sqlite3_open_v2(datei.toUtf8().constData(), &FDb,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        const QString msg = FDb ? QString::fromUtf8(sqlite3_errmsg(FDb)) : QStringLiteral("kein Speicher");
        sqlite3_close(FDb);
        FDb = nullptr;
        throw Exception(QStringLiteral("Die Datenbank %1 kann nicht geöffnet werden: %2").arg(datei, msg));
    }
    sqlite3_busy_timeout(FDb, 5000);
    sqlite3_extended_result_codes(FDb, 1);
    Exec(QStringLiteral("PRAGMA journal_mode=WAL"));
    Exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
    Exec(QStringLiteral("PRAGMA foreign_keys=ON"));
}

SQLiteConnection::~SQLiteConnection() {
    ClearCache();  // statements first: a connection with open statements does not close
    if (FDb) sqlite3_close(FDb);
}

void SQLiteConnection::Fehler(const QString& was) const {
    throw Exception(QStringLiteral("Datenbankfehler (%1): %2").arg(was, QString::fromUtf8(sqlite3_errmsg(FDb))));
}

std::unique_ptr<Statement> SQLiteConnection::Prepare(const QString& sql) {
    sqlite3_stmt* s = nullptr;
    const QByteArray utf8 = sql.toUtf8();
    if (sqlite3_prepare_v3(FDb, utf8.constData(), int(utf8.size()), SQLITE_PREPARE_PERSISTENT, &s, nullptr) != SQLITE_OK)
        Fehler(sql);
    return std::make_unique<SQLiteStatement>(*this, s, sql);
}

void SQLiteConnection::Exec(const QString& sql) {
    char* err = nullptr;
    if (sqlite3_exec(FDb, sql.toUtf8().constData(), nullptr, nullptr, &err) != SQLITE_OK) {
        const QString msg = QString::fromUtf8(err ? err : "?");
        sqlite3_free(err);
        throw Exception(QStringLiteral("Datenbankfehler (%1): %2").arg(sql, msg));
    }
}

bool SQLiteConnection::TableExists(const QString& table) {
    Statement& s = Cached(QStringLiteral("SELECT 1 FROM sqlite_master WHERE type='table' AND name=?"));
    s.BindText(1, table);
    const bool da = s.Step();
    s.Reset();
    return da;
}

QList<TSpaltenInfo> SQLiteConnection::Columns(const QString& table) {
    QList<TSpaltenInfo> out;
    Statement& s = Cached(QStringLiteral("SELECT name, type FROM pragma_table_info(?)"));
    s.BindText(1, table);
    while (s.Step()) out.append({s.ColumnText(0).toLower(), s.ColumnText(1)});
    s.Reset();
    return out;
}

QString SQLiteConnection::Describe() const { return QStringLiteral("SQLite %1").arg(FDatei); }
