#include "TQLNForm.h"

#include "host/HostPaths.h"
#include "host/TQLNProgramm.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QLabel>
#include <QProgressBar>
#include <QSettings>
#include <QVBoxLayout>

namespace {
TQLNForm::ModalRunner& Runner() {
    static TQLNForm::ModalRunner r;
    return r;
}
}  // namespace

TQLNForm::TQLNForm(QWidget* parent) : QDialog(parent) {
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
}

TQLNForm::~TQLNForm() = default;

void TQLNForm::SetQLNFormPosStoreMode(int modus) { FPosStoreMode = modus; }

void TQLNForm::QLNFormInit(const QString& name, bool mitPosition) {
    FName = name;
    setObjectName(name);
    if (mitPosition && FPosStoreMode == 2) LadeGeometrie(name, *this);
}

int TQLNForm::ShowModal() {
    if (Runner()) return Runner()(*this);
    // An own loop instead of exec(): a window may hide itself while it runs
    // (the centre does while a configurator is open), which would end exec().
    setResult(0);
    setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    const auto verbindung = connect(this, &QDialog::finished, &loop, &QEventLoop::quit);
    // a window deleted while it runs ends its loop too
    const QPointer<TQLNForm> selbst(this);
    connect(this, &QObject::destroyed, &loop, &QEventLoop::quit);
    show();
    loop.exec(QEventLoop::DialogExec);
    if (!selbst) return QDialog::Rejected;
    disconnect(verbindung);
    // The window below gets the keyboard back, also where no window manager hands it over.
    if (QWidget* p = parentWidget(); p && p->window()->isVisible()) p->window()->activateWindow();
    return result();
}

void TQLNForm::SetModalRunner(ModalRunner runner) { Runner() = std::move(runner); }

bool TQLNForm::CanClose() { return !TQLNProgramm::Working(this); }

QString TQLNForm::CaptionMitUnternehmensgruppe(const QString& caption) {
    return caption + QStringLiteral(" - ") + TQLNProgramm::GetUnternehmensgruppeName();
}

void TQLNForm::done(int r) {
    if (!CanClose()) {
        // A guarded handler that ends by closing its own window ("Beenden",
        // "Speichern" and close) asks while its guard is still held: try once
        // more when the handler has returned. While the work really goes on,
        // the retry meets the guard again and the close stays refused.
        QMetaObject::invokeMethod(
            this, [this, r] { if (isVisible() && CanClose()) QDialog::done(r); }, Qt::QueuedConnection);
        return;
    }
    QDialog::done(r);
}

void TQLNForm::closeEvent(QCloseEvent* e) {
    if (!CanClose()) {
        e->ignore();
        QMetaObject::invokeMethod(
            this, [this] { if (isVisible() && CanClose()) close(); }, Qt::QueuedConnection);
        return;
    }
    QDialog::closeEvent(e);
}

void TQLNForm::hideEvent(QHideEvent* e) {
    if (FPosStoreMode == 2 && !FName.isEmpty()) SpeichereGeometrie(FName, *this);
    QDialog::hideEvent(e);
}

void TQLNForm::SpeichereGeometrie(const QString& name, const QWidget& w) {
    QSettings s(HostPaths::FormSettingsFile(), QSettings::IniFormat);
    s.setValue(name + QStringLiteral("/geometrie"), w.saveGeometry());
}

bool TQLNForm::LadeGeometrie(const QString& name, QWidget& w) {
    const QSettings s(HostPaths::FormSettingsFile(), QSettings::IniFormat);
    const QByteArray g = s.value(name + QStringLiteral("/geometrie")).toByteArray();
    return !g.isEmpty() && w.restoreGeometry(g);
}

QColor TQLNForm::GetQLNColor(int typ) {
    switch (typ) {
        case 121: return QColor(0xEE, 0xF3, 0xFA);  // odd list rows
        case 122: return QColor(0xFF, 0xF4, 0xD6);  // highlighted rows
        case 123: return QColor(0xE0, 0xE0, 0xE0);  // disabled rows
        default: return QColor(Qt::white);
    }
}

void TQLNForm::LegeProgressAn() {
    if (FProgress) return;
    FProgress = new QWidget(this);
    FProgress->setObjectName(QStringLiteral("QLNFormProgress"));
    FProgress->setAutoFillBackground(true);
    FProgress->setStyleSheet(QStringLiteral("#QLNFormProgress{background:rgba(255,255,255,225);border:1px solid #8aa;}"));
    auto* lay = new QVBoxLayout(FProgress);
    FProgressText = new QLabel(FProgress);
    FProgressText->setAlignment(Qt::AlignCenter);
    auto* bar = new QProgressBar(FProgress);
    bar->setRange(0, 0);
    lay->addWidget(FProgressText);
    lay->addWidget(bar);
    FProgress->hide();
}

void TQLNForm::ProgressShow(const QString& caption) {
    LegeProgressAn();
    FProgressText->setText(caption);
    FProgress->resize(qMin(width() - 20, 320), 80);
    FProgress->move((width() - FProgress->width()) / 2, (height() - FProgress->height()) / 2);
    FProgress->raise();
    FProgress->show();
    if (!FGesperrt.isEmpty()) return;  // already shown: only the caption changes
    for (QWidget* child : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (child != FProgress && child->isEnabled()) {
            child->setEnabled(false);
            FGesperrt.append(child);
        }
    }
}

void TQLNForm::ProgressHide() {
    if (!FProgress) return;
    FProgress->hide();
    for (const QPointer<QWidget>& child : std::as_const(FGesperrt))
        if (child) child->setEnabled(true);
    FGesperrt.clear();
}

bool TQLNForm::ProgressVisible() const { return FProgress && !FProgress->isHidden(); }

void TQLNForm::resizeEvent(QResizeEvent* e) {
    QDialog::resizeEvent(e);
    if (FProgress && FProgress->isVisible())
        FProgress->move((width() - FProgress->width()) / 2, (height() - FProgress->height()) / 2);
}
