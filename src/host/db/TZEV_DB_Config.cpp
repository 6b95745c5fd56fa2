#include "TZEV_DB_Config.h"

#include "host/Exception.h"
#include "host/HostPaths.h"
#include "host/IniWert.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

std::unique_ptr<QSettings> GetWWSDBIni() {
    return std::make_unique<QSettings>(HostPaths::DbIniFile(), QSettings::IniFormat);
}

QString TZEV_DB_Config::ArtName(TZEV_DBArt art) {
    return art == TZEV_DBArt::dbaPostgreSQL ? QStringLiteral("PostgreSQL") : QStringLiteral("SQLite");
}

bool TZEV_DB_Config::Load(bool mitVorgaben, const QString& iniName) {
    const QString datei = iniName.isEmpty() ? HostPaths::DbIniFile() : iniName;
    const bool vorhanden = QFileInfo::exists(datei);
    const QSettings ini(datei, QSettings::IniFormat);
    const QString art = IniText(ini, QStringLiteral("DATENBANK/Art")).trimmed();
    Art = art.compare(QStringLiteral("PostgreSQL"), Qt::CaseInsensitive) == 0 ? TZEV_DBArt::dbaPostgreSQL
                                                                              : TZEV_DBArt::dbaSQLite;
    Datei = IniText(ini, QStringLiteral("DATENBANK/Datei")).trimmed();
    Host = IniText(ini, QStringLiteral("DATENBANK/Host")).trimmed();
    bool ok = false;
    const int port = IniText(ini, QStringLiteral("DATENBANK/Port")).toInt(&ok);
    Port = ok && port > 0 && port < 65536 ? port : 5432;
    Datenbank = IniText(ini, QStringLiteral("DATENBANK/Datenbank")).trimmed();
    Benutzer = IniText(ini, QStringLiteral("DATENBANK/Benutzer")).trimmed();
    Passwort = IniText(ini, QStringLiteral("DATENBANK/Passwort"));
    if (mitVorgaben) {
        if (Datei.isEmpty()) Datei = HostPaths::DemoDatabaseFile();
        if (Host.isEmpty()) Host = QStringLiteral("localhost");
        if (Datenbank.isEmpty()) Datenbank = QStringLiteral("trivelta");
    }
    return vorhanden;
}

void TZEV_DB_Config::WriteInDBIni(QSettings* ini) const {
    std::unique_ptr<QSettings> eigene;
    if (!ini) {
        eigene = GetWWSDBIni();
        ini = eigene.get();
    }
    const QString datei = ini->fileName();
    const QFileInfo info(datei);
    // QSettings replaces the file through a rename, which would get past a
    // write-protected file; a protected file must stay as it is, also for root.
    if (info.exists() && (!info.isWritable() || !(info.permissions() & QFileDevice::WriteOwner)))
        throw Exception(QStringLiteral("Die Datei %1 ist schreibgeschützt.").arg(datei));
    if (!QDir().mkpath(info.absolutePath()))
        throw Exception(QStringLiteral("Das Verzeichnis %1 kann nicht angelegt werden.").arg(info.absolutePath()));
    ini->beginGroup(QStringLiteral("DATENBANK"));
    ini->setValue(QStringLiteral("Art"), ArtName(Art));
    ini->setValue(QStringLiteral("Datei"), Datei);
    ini->setValue(QStringLiteral("Host"), Host);
    ini->setValue(QStringLiteral("Port"), Port);
    ini->setValue(QStringLiteral("Datenbank"), Datenbank);
    ini->setValue(QStringLiteral("Benutzer"), Benutzer);
    ini->setValue(QStringLiteral("Passwort"), Passwort);
    ini->endGroup();
    ini->sync();
    if (ini->status() != QSettings::NoError)
        throw Exception(QStringLiteral("Die Datei %1 kann nicht geschrieben werden.").arg(datei));
    // The password stands in the file: only its owner may read it.
    QFile::setPermissions(datei, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

QString TZEV_DB_Config::Beschreibung() const {
    if (Art == TZEV_DBArt::dbaSQLite) return QStringLiteral("SQLite: %1").arg(Datei);
    return QStringLiteral("PostgreSQL: %1@%2:%3/%4").arg(Benutzer, Host).arg(Port).arg(Datenbank);
}
