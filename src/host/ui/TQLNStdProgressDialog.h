#pragma once
// The host's progress display for long scans: a caption, named counters, and
// a cancel button. The scan pumps window messages itself (QLNInfoProcessMessages).

#include "TQLNForm.h"

#include <QMap>

class QLabel;

class TQLNStdProgressDialog : public TQLNForm {
    Q_OBJECT
public:
    TQLNStdProgressDialog(const QString& caption, int breite, int hoehe, QWidget* parent = nullptr);

    void AddCounter(const QString& name, const QString& caption);
    void SetCounter(const QString& name, qint64 wert);
    qint64 Counter(const QString& name) const;
    void Anzeigen();  // shows the dialog without blocking
    void Schliessen();
    // True once the user pressed "Abbrechen".
    bool Abgebrochen() const { return FAbgebrochen; }

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    struct Zaehler {
        QLabel* Wert;
        qint64 Stand = 0;
    };
    QMap<QString, Zaehler> FZaehler;
    class QFormLayout* FFormular;
    bool FAbgebrochen = false;
};
