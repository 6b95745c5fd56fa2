#pragma once
// The host's database-connection dialog: SQLite file or PostgreSQL server.

#include "TQLNForm.h"
#include "host/db/TZEV_DB_Config.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QStackedWidget;

class TfrmDatenbankConfig : public TQLNForm {
    Q_OBJECT
public:
    explicit TfrmDatenbankConfig(QWidget* parent = nullptr);

    // Shows the record, lets the user edit it; true (and the record updated)
    // when the user confirmed.
    bool Execute(TZEV_DB_Config& config);

    void Anzeigen(const TZEV_DB_Config& config);
    TZEV_DB_Config Eingabe() const;
    // The refusal text for the current input, empty when it is complete.
    QString Pruefe() const;

    QComboBox* cmbArt;
    QLineEdit* edtDatei;
    QLineEdit* edtHost;
    QSpinBox* spnPort;
    QLineEdit* edtDatenbank;
    QLineEdit* edtBenutzer;
    QLineEdit* edtPasswort;
    QPushButton* btnVerbindungTesten;

    // Connects with these values and closes again: the success text, or an
    // Exception with the German reason.
    static QString VerbindungTesten(const TZEV_DB_Config& config);

private:
    void btnOKClick();
    void btnVerbindungTestenClick();
    void ZeigeSeite(int seite);
    QStackedWidget* FSeiten;
};
