#include "TQLNInfo.h"

#include "Exception.h"
#include "HostPaths.h"
#include "TQLNMeldungsKatalog.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QMutex>
#include <QThread>

namespace {
std::unique_ptr<TQLNInfoDienst>& InstalledDienst() {
    static std::unique_ptr<TQLNInfoDienst> dienst;
    return dienst;
}
QString& LogFileOverride() {
    static QString name;
    return name;
}
QMutex& LogMutex() {
    static QMutex m;
    return m;
}
thread_local int tStilleFehler = 0;

void LogZeile(const QString& zeile) {
    const QMutexLocker lock(&LogMutex());
    const QString name = TQLNInfo::LogFile();
    QDir().mkpath(QFileInfo(name).absolutePath());
    QFile f(name);
    if (f.open(QIODevice::Append | QIODevice::Text)) {
        f.write((QDateTime::currentDateTime().toString(Qt::ISODateWithMs) + QLatin1Char(' ') + zeile +
                 QLatin1Char('\n')).toUtf8());
    }
}

QString TextOf(const std::exception& e) {
    if (const auto* ex = dynamic_cast<const Exception*>(&e)) return ex->Message();
    return QString::fromUtf8(e.what());
}
}  // namespace

void TQLNInfoDienst::ProcessMessages(int ms) {
    if (QCoreApplication::instance() && QThread::currentThread() == QCoreApplication::instance()->thread())
        QCoreApplication::processEvents(QEventLoop::AllEvents, ms);
}

int TQLNInfoDialogDienst::ZeigeMeldung(int art, const QString& text, const QString& kategorie, int nummer) {
    QWidget* parent = QApplication::activeWindow();
    const QString titel = QCoreApplication::applicationName().isEmpty() ? QStringLiteral("Konfigurations-Center")
                                                                        : QCoreApplication::applicationName();
    switch (art) {
        case mkJaNein:
            return QMessageBox::question(parent, titel, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) ==
                           QMessageBox::Yes
                       ? mrJa
                       : mrNein;
        case mkJaNeinAbbruch: {
            const auto r = QMessageBox::question(parent, titel, text,
                                                 QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                                 QMessageBox::Yes);
            return r == QMessageBox::Yes ? mrJa : r == QMessageBox::No ? mrNein : mrAbbruch;
        }
        case mkFehler:
            QMessageBox::critical(parent, titel, text);
            return mrOk;
        case mkWarnung:
            QMessageBox::warning(parent, titel, text);
            return mrOk;
        default:
            QMessageBox::information(parent, titel, text);
            return mrOk;
    }
}

TQLNInfoDienst& TQLNInfo::Dienst() {
    auto& d = InstalledDienst();
    if (!d) d = std::make_unique<TQLNInfoDialogDienst>();
    return *d;
}

void TQLNInfo::Install(std::unique_ptr<TQLNInfoDienst> dienst) { InstalledDienst() = std::move(dienst); }

void TQLNInfo::SetLogFile(const QString& dateiname) { LogFileOverride() = dateiname; }

QString TQLNInfo::LogFile() {
    return LogFileOverride().isEmpty() ? HostPaths::LogFile() : LogFileOverride();
}

int TQLNInfo::ShowMeldung(int art, const QStringList& args, const QString& kategorie, int nummer) {
    const QString text = TQLNMeldungsKatalog::Standard().Formatiere(kategorie, nummer, args);
    return Dienst().ZeigeMeldung(art, text, kategorie, nummer);
}

void TQLNInfo::QLNHinweisBox(const QString& text) { Dienst().ZeigeMeldung(mkHinweis, text, {}, 0); }

bool TQLNInfo::QLNJaNeinBox(const QString& text) { return Dienst().ZeigeMeldung(mkJaNein, text, {}, 0) == mrJa; }

void TQLNInfo::QLNFehlerBox(const QString& text) { Dienst().ZeigeMeldung(mkFehler, text, {}, 0); }

void TQLNInfo::RegisterException(const QString& context, const std::exception& e, bool show) {
    try {
        const QString text = TextOf(e);
        LogZeile(context + QStringLiteral(": ") + text);
        if (show)
            Dienst().ZeigeMeldung(mkFehler, TQLNMeldungsKatalog::Standard().Formatiere(QStringLiteral("HOST"), 3,
                                                                                       {context, text}),
                                  QStringLiteral("HOST"), 3);
        else
            ++tStilleFehler;
    } catch (...) {
        // Reporting must never fail the caller.
    }
}

void TQLNInfo::FehlerRaise(const QString& context, const QString& kategorie, int nummer, const QStringList& args) {
    throw Exception(TQLNMeldungsKatalog::Standard().Formatiere(kategorie, nummer, args), kategorie, nummer);
}

void TQLNInfo::FehlerRaise(const QString& context, const QString& text) { throw Exception(text); }

void TQLNInfo::FehlerTerminate(const QString& context) {
    if (tStilleFehler > 0) {
        tStilleFehler = 0;
        try {
            LogZeile(context + QStringLiteral(": beendet nach Fehlern beim Aufräumen"));
        } catch (...) {
        }
    }
}

void TQLNInfo::QLNInfoProcessMessages(int ms) { Dienst().ProcessMessages(ms); }
