#include "TDBSchema.h"

#include "Tabellen.h"
#include "host/Exception.h"

#include <QSet>

namespace TDBSchema {
namespace {
QString TypOf(const Connection& c, TSpaltenArt a) {
    switch (a) {
        case TSpaltenArt::Text: return c.TypeText() + QStringLiteral(" NOT NULL DEFAULT ''");
        case TSpaltenArt::Integer: return c.TypeInteger() + QStringLiteral(" NOT NULL DEFAULT 0");
        case TSpaltenArt::Double: return c.TypeDouble() + QStringLiteral(" NOT NULL DEFAULT 0");
        case TSpaltenArt::Blob: return c.TypeBlob();
    }
    return {};
}
}  // namespace

QString CreateTableSql(const Connection& c, const TTabellenDeklaration& t) {
    QStringList teile;
    for (const TSpaltenDeklaration& s : t.Spalten) teile << s.Name + QLatin1Char(' ') + TypOf(c, s.Art);
    if (!t.Primaerschluessel.isEmpty())
        teile << QStringLiteral("PRIMARY KEY (") + t.Primaerschluessel.join(QStringLiteral(", ")) + QLatin1Char(')');
    QString sql = QStringLiteral("CREATE TABLE ") + t.Name + QStringLiteral(" (") + teile.join(QStringLiteral(", ")) +
                  QLatin1Char(')');
    // Rows stored in key order: scans in key order read the table itself.
    if (c.Backend() == TDBBackend::SQLite && !t.Primaerschluessel.isEmpty()) sql += QStringLiteral(" WITHOUT ROWID");
    return sql;
}

void Aktualisiere(Connection& c, const QList<TTabellenDeklaration>& tabellen) {
    c.Begin();
    try {
        // Two workstations starting on a new server database at once: one
        // creates the tables, the other waits and then finds them.
        if (c.Backend() == TDBBackend::PostgreSQL) c.Exec(QStringLiteral("SELECT pg_advisory_xact_lock(4711)"));
        c.Exec(QStringLiteral("CREATE TABLE IF NOT EXISTS schema_info (name ") + c.TypeText() +
               QStringLiteral(" NOT NULL PRIMARY KEY, wert ") + c.TypeText() + QStringLiteral(" NOT NULL)"));
        {
            Statement& s = c.Cached(QStringLiteral("SELECT wert FROM schema_info WHERE name = ?"));
            s.BindText(1, QStringLiteral("version"));
            const int version = s.Step() ? s.ColumnText(0).toInt() : 0;
            s.Reset();
            if (version > CSchemaVersion)
                throw Exception(QStringLiteral("Die Datenbank hat die Schemaversion %1, dieses Programm kennt nur "
                                               "Version %2. Bitte verwenden Sie eine neuere Programmversion.")
                                    .arg(version)
                                    .arg(CSchemaVersion));
        }
        c.Exec(QStringLiteral("CREATE TABLE IF NOT EXISTS buchungsprotokoll (id ") + c.TypeAutoId() +
               QStringLiteral(", art ") + c.TypeInteger() + QStringLiteral(" NOT NULL, operation ") + c.TypeText() +
               QStringLiteral(" NOT NULL, rnr ") + c.TypeInteger() + QStringLiteral(" NOT NULL, zeit ") +
               c.TypeDouble() + QStringLiteral(" NOT NULL)"));
        for (const TTabellenDeklaration& t : tabellen) {
            if (!c.TableExists(t.Name)) {
                c.Exec(CreateTableSql(c, t));
            } else {
                QSet<QString> vorhanden;
                for (const TSpaltenInfo& s : c.Columns(t.Name)) vorhanden.insert(s.Name);
                for (const TSpaltenDeklaration& s : t.Spalten)
                    if (!vorhanden.contains(s.Name))
                        c.Exec(QStringLiteral("ALTER TABLE ") + t.Name + QStringLiteral(" ADD COLUMN ") + s.Name +
                               QLatin1Char(' ') + TypOf(c, s.Art));
            }
            for (const TIndexDeklaration& i : t.Indices)
                c.Exec(QStringLiteral("CREATE %1INDEX IF NOT EXISTS %2 ON %3 (%4)")
                           .arg(i.Eindeutig ? QStringLiteral("UNIQUE ") : QString(), i.Name, t.Name,
                                i.Spalten.join(QStringLiteral(", "))));
        }
        ExecParams(c, QStringLiteral("DELETE FROM schema_info WHERE name = ?"), {QStringLiteral("version")});
        ExecParams(c, QStringLiteral("INSERT INTO schema_info (name, wert) VALUES (?, ?)"),
                   {QStringLiteral("version"), QString::number(CSchemaVersion)});
        c.Commit();
    } catch (...) {
        c.Rollback();
        throw;
    }
}

void Aktualisiere(Connection& c) { Aktualisiere(c, Tabellen::Deklarationen()); }
}  // namespace TDBSchema
