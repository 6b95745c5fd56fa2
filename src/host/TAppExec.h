#pragma once
// Starting sibling programs of the suite, and the host's directories by name.
//
// Directories: the program ini (HostPaths::ProgramIniFile()) names them in
// section "VERZEICHNISSE", one key per directory name, for example
//   [VERZEICHNISSE]
//   FERTIG=/opt/orba/bin
// "FERTIG", the directory of the suite's finished programs, defaults to the
// directory of the running program when the ini does not name it.

#include <QString>
#include <QStringList>
#include <memory>

// The directory registered under the name; empty when none is.
QString GetDirWwsByName(const QString& name);

// How a program is started: production detaches it with QProcess, tests record.
class TAppExecStarter {
public:
    virtual ~TAppExecStarter() = default;
    // True when the program was started.
    virtual bool StartDetached(const QString& programm, const QStringList& argumente, const QString& verzeichnis) = 0;
};

class TAppExec {
public:
    // Starts verzeichnis/programm with the arguments (each passed as it is,
    // no shell), working in verzeichnis; the program runs on by itself. When
    // the program is not there or does not start, tells the user and returns false.
    bool Starte(const QString& verzeichnis, const QString& programm, const QStringList& argumente);

    // Seam: nullptr restores the production starter.
    static void InstallStarter(std::unique_ptr<TAppExecStarter> starter);
};
