#pragma once
// The database configuration record: which database the installation uses and
// how to reach it. Read from and written to the database ini (section "DATENBANK").

#include <QString>
#include <memory>

class QSettings;

enum class TZEV_DBArt { dbaSQLite, dbaPostgreSQL };

struct TZEV_DB_Config {
    TZEV_DBArt Art = TZEV_DBArt::dbaSQLite;
    QString Datei;  // SQLite: the database file
    QString Host;   // PostgreSQL
    int Port = 5432;
    QString Datenbank;
    QString Benutzer;
    QString Passwort;

    // Loads the record from the database ini (iniName empty: the host's own).
    // With mitVorgaben, values the ini lacks get their defaults (the demo database).
    // Returns whether the ini exists.
    bool Load(bool mitVorgaben, const QString& iniName);
    // Writes the record. Without an ini object, the host's database ini.
    // Throws Exception when the file cannot be written.
    void WriteInDBIni(QSettings* ini = nullptr) const;

    // Connection text for logs and messages: never contains the password.
    QString Beschreibung() const;
    static QString ArtName(TZEV_DBArt art);
};

// The host's database ini.
std::unique_ptr<QSettings> GetWWSDBIni();
