#pragma once
// Where the host keeps its files: the database ini, the program ini, window
// settings, the log and the embedded demo database (XDG directories).

#include <QString>

namespace HostPaths {
QString ConfigDir();   // $XDG_CONFIG_HOME/trivelta
QString DataDir();     // $XDG_DATA_HOME/trivelta
QString StateDir();    // $XDG_STATE_HOME/trivelta
QString DbIniFile();   // $TRIVELTA_DBINI, else ConfigDir()/db.ini
QString ProgramIniFile();  // $TRIVELTA_INI, else ConfigDir()/trivelta.ini
QString FormSettingsFile();  // window positions and sizes
QString LogFile();
QString DemoDatabaseFile();
}  // namespace HostPaths
