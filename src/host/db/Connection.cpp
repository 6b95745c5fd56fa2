#include "Connection.h"

#include "host/Exception.h"

#include <QVariant>

Statement& Connection::Cached(const QString& sql) {
    auto it = FCache.find(sql);
    if (it == FCache.end()) it = FCache.insert(sql, std::shared_ptr<Statement>(Prepare(sql)));
    Statement& s = **it;
    s.Reset();
    return s;
}

void Connection::Begin() {
    if (FTiefe == 0)
        Exec(BeginSql());
    else
        Exec(QStringLiteral("SAVEPOINT sp%1").arg(FTiefe));
    ++FTiefe;
}

void Connection::Commit() {
    if (FTiefe == 0) throw Exception(QStringLiteral("Commit ohne offene Transaktion."));
    --FTiefe;
    if (FTiefe == 0)
        Exec(QStringLiteral("COMMIT"));
    else
        Exec(QStringLiteral("RELEASE SAVEPOINT sp%1").arg(FTiefe));
}

void Connection::Rollback() {
    if (FTiefe == 0) return;
    --FTiefe;
    if (FTiefe == 0) {
        Exec(QStringLiteral("ROLLBACK"));
    } else {
        Exec(QStringLiteral("ROLLBACK TO SAVEPOINT sp%1").arg(FTiefe));
        Exec(QStringLiteral("RELEASE SAVEPOINT sp%1").arg(FTiefe));
    }
}

void BindVariant(Statement& s, int i, const QVariant& v) {
    if (!v.isValid() || v.isNull()) {
        s.BindNull(i);
        return;
    }
    switch (v.typeId()) {
        case QMetaType::Bool:
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
            s.BindInt(i, v.toLongLong());
            break;
        case QMetaType::Double:
        case QMetaType::Float:
            s.BindDouble(i, v.toDouble());
            break;
        case QMetaType::QByteArray:
            s.BindBlob(i, v.toByteArray());
            break;
        default:
            s.BindText(i, v.toString());
    }
}

qint64 ExecParams(Connection& c, const QString& sql, const QVariantList& params) {
    Statement& s = c.Cached(sql);
    for (int i = 0; i < params.size(); ++i) BindVariant(s, i + 1, params[i]);
    while (s.Step()) {
    }
    const qint64 n = s.Changes();
    s.Reset();
    return n;
}
