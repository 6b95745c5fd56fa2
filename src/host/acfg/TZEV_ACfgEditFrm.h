#pragma once
// The window that hosts an edit frame: heading with the type's caption and
// description, the computers the configuration is for, the frame, and
// "Speichern" (F5) / "Abbrechen" (Esc). In display mode the frame cannot be
// changed and the only button is "Schließen" (Esc); such a window may stay
// open and be filled again for another configuration.
//
// Speichern calls Bestaetigen under the work guard; the window closes with OK
// only when it returns true, otherwise it stays open with the input in place.

#include "TZEV_ACfg_EditFrame.h"
#include "host/ui/TQLNForm.h"

#include <functional>
#include <memory>

class QLabel;
class QPushButton;
class QVBoxLayout;

class TZEV_ACfgEditFrm : public TQLNForm {
    Q_OBJECT
public:
    explicit TZEV_ACfgEditFrm(bool nurAnzeige = true, QWidget* parent = nullptr);
    ~TZEV_ACfgEditFrm() override;

    bool NurAnzeige() const { return FNurAnzeige; }
    void SetNurAnzeige(bool an);

    // Shows frame (the window takes it over; the previous frame is deleted) and
    // keeps the objects it was filled from as long as it shows them.
    void Fuellen(const QString& caption, const QString& beschreibung, const QString& rechnerText, QWidget* frame,
                 std::unique_ptr<TZEV_ACfgDataListe> daten = nullptr);
    QWidget* Frame() const { return FFrame; }
    QString RechnerText() const;

    std::function<bool()> Bestaetigen;
    void Speichern();  // F5

    QPushButton* btnSpeichern = nullptr;
    QPushButton* btnAbbrechen = nullptr;

private:
    bool FNurAnzeige;
    QLabel* lblUeberschrift = nullptr;
    QLabel* lblBeschreibung = nullptr;
    QLabel* lblRechner = nullptr;
    QWidget* pnlFrame = nullptr;
    QVBoxLayout* FFrameLayout = nullptr;
    QWidget* FFrame = nullptr;
    std::unique_ptr<TZEV_ACfgDataListe> FDaten;
};
