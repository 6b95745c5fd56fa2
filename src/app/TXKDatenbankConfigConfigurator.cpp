#include "TXKDatenbankConfigConfigurator.h"

#include "host/TQLNInfo.h"
#include "host/db/TZEV_DB_Config.h"
#include "host/ui/TfrmDatenbankConfig.h"
#include "registry/Triveltaclass.h"

#include <QSettings>

QString TXKDatenbankConfigConfigurator::SchreibschutzText(const QString& dateiname) {
    return QStringLiteral("Datenbankkonfiguration konnte nicht gespeichert werden!\r\nGgf. muss erst der "
                          "Schreibschutz der Datei\r\n") +
           dateiname + QStringLiteral("\r\n") + QStringLiteral("entfernt werden.");
}

void TXKDatenbankConfigConfigurator::ExecuteDo() {
    TfrmDatenbankConfig dlg(nullptr);
    TZEV_DB_Config config;
    config.Load(true, QString());
    if (!dlg.Execute(config)) return;
    try {
        config.WriteInDBIni();
    } catch (...) {
        QString datei;
        {
            const std::unique_ptr<QSettings> ini = GetWWSDBIni();
            datei = ini->fileName();
        }
        TQLNInfo::QLNHinweisBox(SchreibschutzText(datei));
    }
}

bool TXKDatenbankConfigConfigurator::Execute(const QString&) {
    ExecuteDo();
    return true;
}

void InitUnit_XKDatenbankConfig() {
    static int zaehler = 0;
    if (zaehler++ != 0) return;
    RegisterXKConfigurator(XKClass<TXKDatenbankConfigConfigurator>(), QStringLiteral("DBCONFIG"),
                           QStringLiteral("Datenbank-Konfiguration"),
                           QStringLiteral("Stellen Sie hier ein, welche Datenbank für das ORBA-System genutzt werden "
                                          "soll und wie die Zugangsdaten lauten."),
                           QStringLiteral("Datenbank, Btrieve, Pervasive, SQL, MSSQL, Firebird"));
}
