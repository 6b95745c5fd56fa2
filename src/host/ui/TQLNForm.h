#pragma once
// Base of every window: position and size stored under the window's name, the
// work guard on closing, ShowModal through the modal-runner seam, the caption
// suffix with the company group, and the form's progress indicator.

#include "host/TQLNInfo.h"
#include "host/TQLNProgramm.h"

#include <QColor>
#include <QDialog>
#include <QPointer>
#include <functional>

class QLabel;
class QProgressBar;

class TQLNForm : public QDialog {
    Q_OBJECT
public:
    explicit TQLNForm(QWidget* parent = nullptr);
    ~TQLNForm() override;

    // 0: the host stores nothing; 2: position and size are stored.
    void SetQLNFormPosStoreMode(int modus);
    // Names the window (settings key) and restores its stored geometry.
    void QLNFormInit(const QString& name, bool mitPosition = true);
    QString QLNFormName() const { return FName; }

    // Runs the window modally through the installed modal runner (production: exec()).
    int ShowModal();

    // Closing is refused while the host reports work in progress for the window;
    // a close asked for by the window's own guarded handler happens when it returns.
    virtual bool CanClose();

    // caption + " - " + company-group name
    static QString CaptionMitUnternehmensgruppe(const QString& caption);

    // The form's progress indicator: a caption and a busy bar over the window.
    void ProgressShow(const QString& caption);
    void ProgressHide();
    bool ProgressVisible() const;

    // Host colours by type; 121 is the background of odd rows in lists.
    static QColor GetQLNColor(int typ);

    // Runs a user action under the window's work guard and reports a failure
    // under the context text; when the guard refuses, nothing happens.
    template <class F>
    void Aktion(const QString& kontext, F&& f, int modus = 5) {
        const TQLNWorkGuard guard(this, kontext, modus);
        if (!guard) return;
        try {
            f();
        } catch (const std::exception& e) {
            TQLNInfo::RegisterException(kontext, e, true);
        }
    }

    // Seam: runs a modal window and returns its result.
    using ModalRunner = std::function<int(TQLNForm&)>;
    static void SetModalRunner(ModalRunner runner);  // empty restores exec()

    // Stored geometry helpers (also used by windows that are no TQLNForm).
    static void SpeichereGeometrie(const QString& name, const QWidget& w);
    static bool LadeGeometrie(const QString& name, QWidget& w);

public Q_SLOTS:
    void done(int r) override;

protected:
    void closeEvent(QCloseEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void LegeProgressAn();
    int FPosStoreMode = 0;
    QString FName;
    QWidget* FProgress = nullptr;
    QLabel* FProgressText = nullptr;
    QList<QPointer<QWidget>> FGesperrt;  // children disabled by ProgressShow
};
