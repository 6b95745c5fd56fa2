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
#include <QPushButton>
#include <QMutex>
#include <QPointer>
#include <QScopeGuard>
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
    QPointer<QWidget> parent = QApplication::activeWindow();
    // The window gets the keyboard back, also where no window manager hands it over.
    const auto zurueck = qScopeGuard([&] {
        if (parent) parent->activateWindow();
    });
    const QString titel = QCoreApplication::applicationName().isEmpty() ? QStringLiteral("Konfigurations-Center")
                                                                        : QCoreApplication::applicationName();
    // Buttons with German texts of our own: they do not depend on an installed translation.
    QMessageBox box(parent);
    box.setWindowTitle(titel);
    box.setText(text);
    QAbstractButton* ja = nullptr;
    QAbstractButton* nein = nullptr;
    switch (art) {
        case mkJaNein:
        case mkJaNeinAbbruch:
            box.setIcon(QMessageBox::Question);
            ja = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
            nein = box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
            if (art == mkJaNeinAbbruch) box.setEscapeButton(box.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole));
            else box.setEscapeButton(nein);
            box.setDefaultButton(static_cast<QPushButton*>(ja));
            break;
        case mkFehler:
            box.setIcon(QMessageBox::Critical);
            box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
            break;
        case mkWarnung:
            box.setIcon(QMessageBox::Warning);
            box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
            break;
        default:
            box.setIcon(QMessageBox::Information);
            box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    }
    box.exec();
    if (art == mkJaNein || art == mkJaNeinAbbruch) {
        if (box.clickedButton() == ja) return mrJa;
        if (box.clickedButton() == nein || art == mkJaNein) return mrNein;
        return mrAbbruch;
    }
    return mrOk;
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
