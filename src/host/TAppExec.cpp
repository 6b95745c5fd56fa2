#include "TAppExec.h"

#include "HostPaths.h"
#include "IniWert.h"
#include "TQLNInfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>

namespace {
class TProzessStarter : public TAppExecStarter {
public:
    bool StartDetached(const QString& programm, const QStringList& argumente, const QString& verzeichnis) override {
        return QProcess::startDetached(programm, argumente, verzeichnis);
    }
};
std::unique_ptr<TAppExecStarter>& Starter() {
    static std::unique_ptr<TAppExecStarter> s = std::make_unique<TProzessStarter>();
    return s;
}
}  // namespace

QString GetDirWwsByName(const QString& name) {
    QSettings ini(HostPaths::ProgramIniFile(), QSettings::IniFormat);
    ini.beginGroup(QStringLiteral("VERZEICHNISSE"));
    const QString dir = IniText(ini, name).trimmed();
    ini.endGroup();
    if (!dir.isEmpty()) return QDir::cleanPath(dir);
    if (name.compare(QStringLiteral("FERTIG"), Qt::CaseInsensitive) == 0) return QCoreApplication::applicationDirPath();
    return {};
}

bool TAppExec::Starte(const QString& verzeichnis, const QString& programm, const QStringList& argumente) {
    const QString pfad = QDir(verzeichnis).filePath(programm);
    if (verzeichnis.isEmpty() || !QFileInfo(pfad).isFile()) {
        TQLNInfo::ShowMeldung(mkHinweis, {programm, QDir::toNativeSeparators(verzeichnis)}, QStringLiteral("APPEXEC"), 1);
        return false;
    }
    if (!Starter()->StartDetached(pfad, argumente, verzeichnis)) {
        TQLNInfo::ShowMeldung(mkHinweis, {programm, QDir::toNativeSeparators(verzeichnis)}, QStringLiteral("APPEXEC"), 2);
        return false;
    }
    return true;
}

void TAppExec::InstallStarter(std::unique_ptr<TAppExecStarter> starter) {
    Starter() = starter ? std::move(starter) : std::make_unique<TProzessStarter>();
}
