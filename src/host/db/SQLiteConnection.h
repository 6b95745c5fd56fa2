#pragma once
// The embedded backend: SQLite through its C API, WAL journal, busy timeout.

#include "Connection.h"

struct sqlite3;

class SQLiteConnection : public Connection {
public:
    // Opens (and creates) the database file. Throws Exception when it cannot.
    explicit SQLiteConnection(const QString& datei);
    ~SQLiteConnection() override;

    TDBBackend Backend() const override { return TDBBackend::SQLite; }
    std::unique_ptr<Statement> Prepare(const QString& sql) override;
    void Exec(const QString& sql) override;
    bool TableExists(const QString& table) override;
    QList<TSpaltenInfo> Columns(const QString& table) override;
    QString TypeText() const override { return QStringLiteral("TEXT"); }
    QString TypeInteger() const override { return QStringLiteral("INTEGER"); }
    QString TypeDouble() const override { return QStringLiteral("REAL"); }
    QString TypeBlob() const override { return QStringLiteral("BLOB"); }
    QString TypeAutoId() const override { return QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT"); }
    QString Describe() const override;

    sqlite3* Handle() const { return FDb; }
    [[noreturn]] void Fehler(const QString& was) const;

protected:
    // A posting takes the write lock at once: taken later, a reader that wants
    // to write would fail at once instead of waiting for the busy timeout.
    QString BeginSql() const override { return QStringLiteral("BEGIN IMMEDIATE"); }

private:
    sqlite3* FDb = nullptr;
    QString FDatei;
};
