#include "HostPaths.h"

#include <QDir>

namespace {
QString XdgDir(const char* var, const char* fallbackBelowHome) {
    QString base = qEnvironmentVariable(var);
    if (base.isEmpty() || !QDir::isAbsolutePath(base))
        base = QDir::homePath() + QLatin1Char('/') + QLatin1String(fallbackBelowHome);
    return base + QStringLiteral("/trivelta");
}
QString EnvOr(const char* var, const QString& fallback) {
    const QString v = qEnvironmentVariable(var);
    return v.isEmpty() ? fallback : v;
}
}  // namespace

namespace HostPaths {
QString ConfigDir() { return XdgDir("XDG_CONFIG_HOME", ".config"); }
QString DataDir() { return XdgDir("XDG_DATA_HOME", ".local/share"); }
QString StateDir() { return XdgDir("XDG_STATE_HOME", ".local/state"); }
QString DbIniFile() { return EnvOr("TRIVELTA_DBINI", ConfigDir() + QStringLiteral("/db.ini")); }
QString ProgramIniFile() { return EnvOr("TRIVELTA_INI", ConfigDir() + QStringLiteral("/trivelta.ini")); }
QString FormSettingsFile() { return ConfigDir() + QStringLiteral("/fenster.ini"); }
QString LogFile() { return StateDir() + QStringLiteral("/fehler.log"); }
QString DemoDatabaseFile() { return DataDir() + QStringLiteral("/demo.db"); }
}  // namespace HostPaths
