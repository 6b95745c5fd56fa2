#pragma once
// One connection to the product database. Each thread has its own (see
// TQLNDatenbank); a connection is never shared between threads.

#include "Statement.h"

#include <QHash>
#include <QStringList>
#include <memory>

enum class TDBBackend { SQLite, PostgreSQL };

struct TSpaltenInfo {
    QString Name;
    QString Typ;
};

class Connection {
public:
    virtual ~Connection() = default;
    virtual TDBBackend Backend() const = 0;

    // A new prepared statement. Placeholders are written "?" for every backend.
    virtual std::unique_ptr<Statement> Prepare(const QString& sql) = 0;
    // The connection's cached statement for this SQL text, reset and ready.
    Statement& Cached(const QString& sql);
    // Runs a statement without parameters or result (DDL, pragmas).
    virtual void Exec(const QString& sql) = 0;

    // Transactions nest: the outermost is a transaction, the inner ones savepoints.
    void Begin();
    void Commit();
    void Rollback();
    int TransactionDepth() const { return FTiefe; }

    virtual bool TableExists(const QString& table) = 0;
    virtual QList<TSpaltenInfo> Columns(const QString& table) = 0;
    // The column type names of this backend for the field kinds.
    virtual QString TypeText() const = 0;     // text ordered by code point
    virtual QString TypeInteger() const = 0;
    virtual QString TypeDouble() const = 0;
    virtual QString TypeBlob() const = 0;
    virtual QString TypeAutoId() const = 0;    // an integer primary key drawn by the database
    virtual QString Describe() const = 0;      // for messages; never the password

protected:
    void ClearCache() { FCache.clear(); }
    // The statement that opens the outermost transaction.
    virtual QString BeginSql() const { return QStringLiteral("BEGIN"); }

private:
    QHash<QString, std::shared_ptr<Statement>> FCache;
    int FTiefe = 0;
};

// Runs a statement with the given parameters and reads nothing back.
qint64 ExecParams(Connection& c, const QString& sql, const QVariantList& params);
void BindVariant(Statement& s, int i, const QVariant& v);
