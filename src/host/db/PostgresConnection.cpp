#include "PostgresConnection.h"

#include "TQLNDatenbank.h"
#include "host/Exception.h"

#include <QDeadlineTimer>
#include <QLocale>
#include <cerrno>
#include <cmath>
#include <limits>
#include <libpq-fe.h>
#include <poll.h>
#include <vector>

namespace {
// Type oids of the result columns we read differently (fixed in every server).
constexpr Oid COidBool = 16;
constexpr Oid COidBytea = 17;
// How long a connection attempt may take before we call the server unreachable.
constexpr int CVerbindungsFristSekunden = 10;

// libpq's texts are several lines with tabs; a message wants one line.
QString EineZeile(const char* text) {
    return QString::fromUtf8(text ? text : "").simplified();
}

// Never the password in a message, even if some text should echo it.
QString OhnePasswort(QString text, const QString& passwort) {
    if (passwort.size() >= 3) text.replace(passwort, QStringLiteral("***"));
    return text;
}

QString ServerName(PGconn* c, const TZEV_DB_Config& config) {
    QString host = config.Host;
    if (host.isEmpty() && c) host = QString::fromUtf8(PQhost(c));
    if (host.isEmpty()) host = QStringLiteral("localhost");
    QString port = config.Port > 0 ? QString::number(config.Port) : QString();
    if (port.isEmpty() && c) port = QString::fromUtf8(PQport(c));
    return port.isEmpty() ? host : host + QLatin1Char(':') + port;
}

// How far a connection attempt got: that tells an unreachable server from a
// refused login and from a missing database, in every server language.
enum class TStufe { Nichts, Erreicht, Angemeldet, Fertig };

struct TVersuch {
    PGconn* Conn = nullptr;
    TStufe Stufe = TStufe::Nichts;
    bool Zeitueberschreitung = false;
};

TStufe StufeVon(ConnStatusType s) {
    switch (s) {
        case CONNECTION_AWAITING_RESPONSE:
        case CONNECTION_SSL_STARTUP:
        case CONNECTION_GSS_STARTUP: return TStufe::Erreicht;
        case CONNECTION_AUTH_OK:
        case CONNECTION_SETENV:
        case CONNECTION_CHECK_WRITABLE:
        case CONNECTION_CONSUME:
        case CONNECTION_CHECK_TARGET:
        case CONNECTION_CHECK_STANDBY: return TStufe::Angemeldet;
        case CONNECTION_OK: return TStufe::Fertig;
        default: return TStufe::Nichts;
    }
}

TVersuch Verbinde(const TZEV_DB_Config& config, const QString& datenbank) {
    const QByteArray host = config.Host.toUtf8();
    const QByteArray port = config.Port > 0 ? QByteArray::number(config.Port) : QByteArray();
    const QByteArray db = datenbank.toUtf8();
    const QByteArray user = config.Benutzer.toUtf8();
    const QByteArray pw = config.Passwort.toUtf8();
    const QByteArray frist = QByteArray::number(CVerbindungsFristSekunden);
    // Empty values leave the keyword to libpq's environment and defaults.
    const char* namen[] = {"host", "port", "dbname", "user", "password", "client_encoding", "application_name",
                           "connect_timeout", nullptr};
    const char* werte[] = {host.constData(), port.constData(), db.constData(), user.constData(), pw.constData(),
                           "UTF8", "trivelta", frist.constData(), nullptr};
    TVersuch v;
    v.Conn = PQconnectStartParams(namen, werte, 0);
    if (!v.Conn) throw Exception(QStringLiteral("Für die Verbindung zum Datenbankserver fehlt der Speicher."));
    if (PQstatus(v.Conn) == CONNECTION_BAD) return v;
    const QDeadlineTimer ende{std::chrono::seconds{CVerbindungsFristSekunden}};
    PostgresPollingStatusType p = PGRES_POLLING_WRITING;
    for (;;) {
        const TStufe s = StufeVon(PQstatus(v.Conn));
        if (s > v.Stufe) v.Stufe = s;
        if (p == PGRES_POLLING_OK) {
            v.Stufe = TStufe::Fertig;
            return v;
        }
        if (p == PGRES_POLLING_FAILED) return v;
        const int sock = PQsocket(v.Conn);
        if (sock >= 0) {
            pollfd pfd{sock, short(p == PGRES_POLLING_READING ? POLLIN : POLLOUT), 0};
            const qint64 rest = ende.remainingTime();
            const int r = rest <= 0 ? 0 : ::poll(&pfd, 1, int(rest));
            if (r < 0 && errno == EINTR) continue;
            if (r == 0) {
                v.Zeitueberschreitung = true;
                return v;
            }
        }
        p = PQconnectPoll(v.Conn);
    }
}

bool IstCommit(const QString& sql) {
    const QString s = sql.trimmed();
    return s.compare(QStringLiteral("COMMIT"), Qt::CaseInsensitive) == 0 ||
           s.compare(QStringLiteral("END"), Qt::CaseInsensitive) == 0;
}

class PostgresStatement final : public Statement {
public:
    PostgresStatement(PostgresConnection& c, QString sql) : FConn(c), FSql(std::move(sql)) {
        FText = PostgresConnection::Platzhalter(FSql, &FAnzahl).toUtf8();
        FWerte.resize(size_t(FAnzahl));
        FNull.assign(size_t(FAnzahl), true);
        FBinaer.assign(size_t(FAnzahl), 0);
        Vorbereiten();
    }
    ~PostgresStatement() override {
        PQclear(FRes);
        FConn.Freigeben(FName, FSitzung);
    }

    void BindNull(int i) override { FNull[Index(i)] = true; }
    void BindInt(int i, qint64 v) override { Setze(i, QByteArray::number(v), false); }
    void BindDouble(int i, double v) override {
        // shortest text that reads back as the same double
        Setze(i, QByteArray::number(v, 'g', QLocale::FloatingPointShortest), false);
    }
    void BindText(int i, const QString& v) override {
        // The server's text cannot hold U+0000; libpq would cut the value there.
        if (v.contains(QChar(0)))
            throw Exception(QStringLiteral("Der Text enthält ein Nullzeichen, das die Datenbank nicht speichern kann."));
        Setze(i, v.toUtf8(), false);
    }
    void BindBlob(int i, const QByteArray& v) override { Setze(i, v, true); }

    bool Step() override {
        if (!FRes) Ausfuehren();
        if (FZeile + 1 < FZeilen) {
            ++FZeile;
            return true;
        }
        FZeile = FZeilen;
        return false;
    }
    void Reset() override {
        PQclear(FRes);
        FRes = nullptr;
        FZeile = -1;
        FZeilen = 0;
        FNull.assign(size_t(FAnzahl), true);
    }
    qint64 Changes() const override { return FChanges; }
    int ColumnCount() const override {
        if (FRes) return PQnfields(FRes);
        PGresult* d = PQdescribePrepared(FConn.Handle(), FName.constData());
        const int n = PQresultStatus(d) == PGRES_COMMAND_OK ? PQnfields(d) : 0;
        PQclear(d);
        return n;
    }
    bool IsNull(int c) const override { return !Zeile() || PQgetisnull(FRes, FZeile, c); }
    qint64 ColumnInt(int c) const override {
        const QByteArray v = Wert(c);
        if (PQftype(FRes, c) == COidBool) return v == "t" ? 1 : 0;
        bool ok = false;
        const qint64 n = v.toLongLong(&ok);
        if (ok) return n;
        const double d = Double(v);
        return std::isfinite(d) ? qint64(d) : 0;  // a real read as integer is cut off, as on SQLite
    }
    double ColumnDouble(int c) const override { return Double(Wert(c)); }
    QString ColumnText(int c) const override {
        if (!Zeile()) return {};
        return QString::fromUtf8(PQgetvalue(FRes, FZeile, c), PQgetlength(FRes, FZeile, c));
    }
    QByteArray ColumnBlob(int c) const override {
        if (!Zeile() || PQgetisnull(FRes, FZeile, c)) return {};
        const QByteArray v = Wert(c);
        if (PQftype(FRes, c) != COidBytea) return QByteArray(v.constData(), v.size());
        if (v.startsWith("\\x")) return QByteArray::fromHex(v.mid(2));
        // the older escape output of the server
        size_t n = 0;
        unsigned char* roh = PQunescapeBytea(reinterpret_cast<const unsigned char*>(v.constData()), &n);
        if (!roh) throw Exception(QStringLiteral("Ein Binärwert der Datenbank kann nicht gelesen werden."));
        const QByteArray out(reinterpret_cast<const char*>(roh), qsizetype(n));
        PQfreemem(roh);
        return out;
    }
    const QString& Sql() const override { return FSql; }

private:
    size_t Index(int i) const {
        if (i < 1 || i > FAnzahl)
            throw Exception(QStringLiteral("Datenbankfehler (Parameter %1 von %2): %3").arg(i).arg(FAnzahl).arg(FSql));
        return size_t(i - 1);
    }
    void Setze(int i, QByteArray v, bool binaer) {
        const size_t k = Index(i);
        FWerte[k] = std::move(v);
        FNull[k] = false;
        FBinaer[k] = binaer ? 1 : 0;
    }
    void Vorbereiten() {
        FConn.Bereit();
        FName = FConn.NeuerName().toUtf8();
        // The server infers each parameter's type from where it stands.
        PGresult* r = PQprepare(FConn.Handle(), FName.constData(), FText.constData(), FAnzahl, nullptr);
        if (PQresultStatus(r) != PGRES_COMMAND_OK) {
            const QString text = FConn.FehlerText(r, FSql);
            PQclear(r);
            throw Exception(text);
        }
        PQclear(r);
        FSitzung = FConn.Sitzung();
    }
    void Ausfuehren() {
        FConn.Bereit();
        if (FSitzung != FConn.Sitzung()) Vorbereiten();
        std::vector<const char*> werte(static_cast<size_t>(FAnzahl));
        std::vector<int> laengen(static_cast<size_t>(FAnzahl));
        for (size_t k = 0; k < size_t(FAnzahl); ++k) {
            // text values go as NUL-terminated text, large objects as raw bytes
            werte[k] = FNull[k] ? nullptr : FWerte[k].constData();
            laengen[k] = int(FWerte[k].size());
        }
        PGresult* r = PQexecPrepared(FConn.Handle(), FName.constData(), FAnzahl, werte.data(), laengen.data(),
                                     FBinaer.data(), 0);
        const ExecStatusType st = PQresultStatus(r);
        if (st != PGRES_TUPLES_OK && st != PGRES_COMMAND_OK) {
            const QString text = FConn.FehlerText(r, FSql);
            PQclear(r);
            throw Exception(text);
        }
        FRes = r;
        FZeile = -1;
        FZeilen = PQntuples(r);
        FChanges = QByteArray(PQcmdTuples(r)).toLongLong();
    }
    bool Zeile() const { return FRes && FZeile >= 0 && FZeile < FZeilen; }
    QByteArray Wert(int c) const {
        if (!Zeile() || PQgetisnull(FRes, FZeile, c)) return {};
        return QByteArray::fromRawData(PQgetvalue(FRes, FZeile, c), PQgetlength(FRes, FZeile, c));
    }
    static double Double(const QByteArray& v) {
        // the server writes these words; the C-locale reader takes only "inf"/"nan"
        if (v == "Infinity") return std::numeric_limits<double>::infinity();
        if (v == "-Infinity") return -std::numeric_limits<double>::infinity();
        if (v == "NaN") return std::numeric_limits<double>::quiet_NaN();
        bool ok = false;
        const double d = v.toDouble(&ok);
        return ok ? d : 0.0;
    }

    PostgresConnection& FConn;
    QString FSql;
    QByteArray FText;
    QByteArray FName;
    int FSitzung = -1;
    int FAnzahl = 0;
    std::vector<QByteArray> FWerte;
    std::vector<bool> FNull;
    std::vector<int> FBinaer;
    PGresult* FRes = nullptr;
    int FZeile = -1;
    int FZeilen = 0;
    qint64 FChanges = 0;
};
}  // namespace

PostgresConnection::PostgresConnection(const TZEV_DB_Config& config) {
    TVersuch v = Verbinde(config, config.Datenbank);
    if (v.Stufe != TStufe::Fertig) {
        const QString server = ServerName(v.Conn, config);
        const QString benutzer = config.Benutzer.isEmpty() ? QString::fromUtf8(PQuser(v.Conn)) : config.Benutzer;
        const QString db = config.Datenbank.isEmpty() ? QString::fromUtf8(PQdb(v.Conn)) : config.Datenbank;
        const QString detail = OhnePasswort(EineZeile(PQerrorMessage(v.Conn)), config.Passwort);
        const bool ohnePasswort = PQconnectionNeedsPassword(v.Conn);
        PQfinish(v.Conn);
        QString text;
        if (v.Zeitueberschreitung) {
            text = QStringLiteral("Der Datenbankserver %1 antwortet nicht (keine Antwort nach %2 Sekunden). Bitte "
                                  "prüfen Sie Servername, Port und Netzwerk.")
                       .arg(server)
                       .arg(CVerbindungsFristSekunden);
        } else if (v.Stufe == TStufe::Nichts) {
            text = QStringLiteral("Der Datenbankserver %1 ist nicht erreichbar. Bitte prüfen Sie Servername und Port "
                                  "und ob der Server läuft.")
                       .arg(server);
        } else if (v.Stufe == TStufe::Erreicht && ohnePasswort) {
            text = QStringLiteral("Der Datenbankserver %1 verlangt für den Benutzer \"%2\" ein Passwort. Bitte geben "
                                  "Sie es an.")
                       .arg(server, benutzer);
        } else if (v.Stufe == TStufe::Erreicht) {
            // The login or the database was refused. A login to the server's
            // maintenance database with the same credentials tells which.
            bool anmeldungGeht = false;
            if (db != QLatin1String("postgres")) {
                TVersuch probe = Verbinde(config, QStringLiteral("postgres"));
                anmeldungGeht = probe.Stufe == TStufe::Fertig;
                PQfinish(probe.Conn);
            }
            if (anmeldungGeht)
                text = QStringLiteral("Die Datenbank \"%1\" gibt es auf dem Server %2 nicht, oder der Benutzer \"%3\" "
                                      "darf sie nicht öffnen.")
                           .arg(db, server, benutzer);
            else
                text = QStringLiteral("Die Anmeldung am Datenbankserver %1 wurde abgelehnt: Benutzer \"%2\" oder "
                                      "Passwort ist falsch, oder der Benutzer darf sich von diesem Rechner aus nicht "
                                      "anmelden.")
                           .arg(server, benutzer);
        } else {
            text = QStringLiteral("Die Verbindung zur Datenbank \"%1\" auf dem Server %2 ist fehlgeschlagen.")
                       .arg(db, server);
        }
        if (!detail.isEmpty()) text += QStringLiteral("\n(Meldung des Servers: %1)").arg(detail);
        throw Exception(text);
    }
    FConn = v.Conn;
    FBeschreibung = QStringLiteral("PostgreSQL: %1@%2/%3")
                        .arg(QString::fromUtf8(PQuser(FConn)), ServerName(FConn, config), QString::fromUtf8(PQdb(FConn)));
    if (PQserverVersion(FConn) < 100000) {
        const int version = PQserverVersion(FConn);
        PQfinish(FConn);
        FConn = nullptr;
        throw Exception(QStringLiteral("Der Datenbankserver %1 hat die Version %2.%3; dieses Programm braucht "
                                       "mindestens PostgreSQL 10.")
                            .arg(ServerName(nullptr, config))
                            .arg(version / 10000)
                            .arg(version / 100 % 100));
    }
    try {
        Einrichten();
    } catch (...) {
        PQfinish(FConn);
        FConn = nullptr;
        throw;
    }
}

PostgresConnection::~PostgresConnection() {
    FSchliesst = true;
    ClearCache();  // the server forgets the prepared statements with the session
    if (FConn) PQfinish(FConn);
}

void PostgresConnection::Einrichten() {
    // Notices ("already exists, skipping") would go to stderr.
    PQsetNoticeProcessor(FConn, [](void*, const char*) {}, nullptr);
    // Doubles in their exact text (servers before 12 round them otherwise).
    Exec(QStringLiteral("SET extra_float_digits = 3"));
}

void PostgresConnection::Registriere() {
    TQLNDatenbank::RegistriereBackend(TZEV_DBArt::dbaPostgreSQL, [](const TZEV_DB_Config& c) {
        return std::unique_ptr<Connection>(std::make_unique<PostgresConnection>(c));
    });
}

QString PostgresConnection::NeuerName() { return QStringLiteral("trv%1").arg(++FZaehler); }

void PostgresConnection::Bereit(bool transaktionsende) {
    if (PQstatus(FConn) == CONNECTION_OK) return;
    // A lost session took its open transaction with it: that work is gone and
    // must not look stored, so only outside a transaction do we connect again.
    if (TransactionDepth() > 0 || transaktionsende)
        throw Exception(QStringLiteral("Die Verbindung zum Datenbankserver ist abgebrochen (%1). Die laufende Buchung "
                                       "ist nicht gespeichert.")
                            .arg(FBeschreibung));
    PQreset(FConn);
    if (PQstatus(FConn) != CONNECTION_OK)
        throw Exception(QStringLiteral("Die Verbindung zum Datenbankserver ist abgebrochen und kann nicht wieder "
                                       "hergestellt werden (%1).")
                            .arg(FBeschreibung));
    ++FSitzung;
    Einrichten();
}

QString PostgresConnection::FehlerText(const pg_result* r, const QString& sql) const {
    const QByteArray state = r ? QByteArray(PQresultErrorField(r, PG_DIAG_SQLSTATE)) : QByteArray();
    QString meldung = r ? EineZeile(PQresultErrorField(r, PG_DIAG_MESSAGE_PRIMARY)) : QString();
    if (meldung.isEmpty()) meldung = EineZeile(PQerrorMessage(FConn));
    if (PQstatus(FConn) != CONNECTION_OK || state.startsWith("08") || state.startsWith("57P"))
        return QStringLiteral("Die Verbindung zum Datenbankserver ist abgebrochen (%1). Die laufende Buchung ist nicht "
                              "gespeichert. (%2)")
            .arg(FBeschreibung, meldung);
    if (state.startsWith("23"))
        return QStringLiteral("Der Datensatz existiert bereits oder verletzt eine Regel der Datenbank (%1).").arg(meldung);
    if (state == "40001" || state == "40P01")
        return QStringLiteral("Ein anderer Arbeitsplatz hat gleichzeitig dieselben Daten bearbeitet. Bitte versuchen "
                              "Sie es erneut (%1).")
            .arg(meldung);
    if (state == "55P03" || state == "57014")
        return QStringLiteral("Die Datenbank ist gerade gesperrt. Bitte versuchen Sie es erneut (%1).").arg(meldung);
    if (state == "25P02")
        return QStringLiteral("Nach einem Fehler in dieser Buchung nimmt die Datenbank keine weiteren Befehle an; die "
                              "Buchung wird nicht gespeichert.");
    if (state == "42501")
        return QStringLiteral("Der Datenbankbenutzer hat dafür keine Berechtigung (%1).").arg(meldung);
    if (state.startsWith("22"))
        return QStringLiteral("Ein Wert passt nicht in das Feld der Datenbank (%1).").arg(meldung);
    if (state.startsWith("53"))
        return QStringLiteral("Dem Datenbankserver fehlen Ressourcen (%1).").arg(meldung);
    return QStringLiteral("Datenbankfehler (%1): %2").arg(sql, meldung);
}

void PostgresConnection::Freigeben(const QByteArray& name, int sitzung) {
    if (FSchliesst || name.isEmpty() || sitzung != FSitzung || PQstatus(FConn) != CONNECTION_OK) return;
    // In a failed transaction the server takes no command; the name then stays
    // taken until the session ends, which does no harm.
    const PGTransactionStatusType t = PQtransactionStatus(FConn);
    if (t != PQTRANS_IDLE && t != PQTRANS_INTRANS) return;
    const QByteArray sql = QByteArray("DEALLOCATE ") + name;
    PQclear(PQexec(FConn, sql.constData()));
}

std::unique_ptr<Statement> PostgresConnection::Prepare(const QString& sql) {
    return std::make_unique<PostgresStatement>(*this, sql);
}

void PostgresConnection::Exec(const QString& sql) {
    const bool commit = IstCommit(sql);
    Bereit(commit);
    PGresult* r = PQexec(FConn, sql.toUtf8().constData());
    const ExecStatusType st = PQresultStatus(r);
    if (st != PGRES_COMMAND_OK && st != PGRES_TUPLES_OK) {
        const QString text = FehlerText(r, sql);
        PQclear(r);
        throw Exception(text);
    }
    // The server answers COMMIT of a failed transaction with a rollback and no
    // error; that must not pass for a stored posting.
    const bool zurueck = commit && qstrcmp(PQcmdStatus(r), "ROLLBACK") == 0;
    PQclear(r);
    if (zurueck)
        throw Exception(QStringLiteral("Die Buchung wurde nach einem Fehler zurückgenommen; nichts davon ist "
                                       "gespeichert."));
}

bool PostgresConnection::TableExists(const QString& table) {
    Statement& s = Cached(QStringLiteral("SELECT 1 FROM information_schema.tables WHERE table_schema = "
                                         "current_schema() AND table_name = ?"));
    s.BindText(1, table.toLower());
    const bool da = s.Step();
    s.Reset();
    return da;
}

QList<TSpaltenInfo> PostgresConnection::Columns(const QString& table) {
    QList<TSpaltenInfo> out;
    Statement& s = Cached(QStringLiteral("SELECT column_name, data_type FROM information_schema.columns WHERE "
                                         "table_schema = current_schema() AND table_name = ? ORDER BY "
                                         "ordinal_position"));
    s.BindText(1, table.toLower());
    while (s.Step()) out.append({s.ColumnText(0).toLower(), s.ColumnText(1)});
    s.Reset();
    return out;
}

QString PostgresConnection::Describe() const { return FBeschreibung; }

QString PostgresConnection::Platzhalter(const QString& sql, int* anzahl) {
    QString out;
    out.reserve(sql.size() + 16);
    int n = 0;
    const qsizetype len = sql.size();
    const auto wortzeichen = [&](qsizetype k) {
        return k >= 0 && k < len && (sql[k].isLetterOrNumber() || sql[k] == QLatin1Char('_') || sql[k] == QLatin1Char('$'));
    };
    qsizetype i = 0;
    while (i < len) {
        const QChar ch = sql[i];
        const QChar next = i + 1 < len ? sql[i + 1] : QChar();
        qsizetype ende = -1;  // end (exclusive) of a part copied as it is
        if (ch == QLatin1Char('\'')) {
            // E'...' knows backslash escapes; otherwise only '' stands for a quote
            const bool escapes = i > 0 && (sql[i - 1] == QLatin1Char('E') || sql[i - 1] == QLatin1Char('e')) &&
                                 !wortzeichen(i - 2);
            qsizetype j = i + 1;
            while (j < len) {
                if (escapes && sql[j] == QLatin1Char('\\')) {
                    j += 2;
                } else if (sql[j] == QLatin1Char('\'')) {
                    if (j + 1 < len && sql[j + 1] == QLatin1Char('\'')) j += 2;
                    else break;
                } else {
                    ++j;
                }
            }
            ende = qMin(j + 1, len);
        } else if (ch == QLatin1Char('"')) {
            const qsizetype j = sql.indexOf(QLatin1Char('"'), i + 1);  // "" inside just ends and restarts
            ende = j < 0 ? len : j + 1;
        } else if (ch == QLatin1Char('-') && next == QLatin1Char('-')) {
            const qsizetype j = sql.indexOf(QLatin1Char('\n'), i);
            ende = j < 0 ? len : j + 1;
        } else if (ch == QLatin1Char('/') && next == QLatin1Char('*')) {
            int tiefe = 0;  // block comments nest on this server
            qsizetype j = i;
            while (j < len) {
                if (sql[j] == QLatin1Char('/') && j + 1 < len && sql[j + 1] == QLatin1Char('*')) {
                    ++tiefe;
                    j += 2;
                } else if (sql[j] == QLatin1Char('*') && j + 1 < len && sql[j + 1] == QLatin1Char('/')) {
                    j += 2;
                    if (--tiefe == 0) break;
                } else {
                    ++j;
                }
            }
            ende = j;
        } else if (ch == QLatin1Char('$') && !wortzeichen(i - 1) && !next.isDigit()) {
            // $tag$ ... $tag$
            qsizetype j = i + 1;
            while (j < len && (sql[j].isLetterOrNumber() || sql[j] == QLatin1Char('_'))) ++j;
            if (j < len && sql[j] == QLatin1Char('$')) {
                const QString tag = sql.mid(i, j - i + 1);
                const qsizetype zu = sql.indexOf(tag, j + 1);
                ende = zu < 0 ? len : zu + tag.size();
            }
        } else if (ch == QLatin1Char('?')) {
            out += QLatin1Char('$') + QString::number(++n);
            ++i;
            continue;
        }
        if (ende > i) {
            out += QStringView(sql).mid(i, ende - i);
            i = ende;
        } else {
            out += ch;
            ++i;
        }
    }
    if (anzahl) *anzahl = n;
    return out;
}
