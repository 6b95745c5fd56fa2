#pragma once
// Guarding internal and protected parameters: the service pass phrase (only
// its hash is kept here; it is never logged or shown), the value "QLNPWD" of
// the program ini's section "SYSTEM" that unlocks a service computer, the
// password dialog and the dialog for protected parameters.

#include "host/ui/TQLNForm.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace TXKServicePasswort {
// Whether the text is the service pass phrase.
bool Passt(const QString& text);
// Whether the program ini's "QLNPWD" (section "SYSTEM", default "??????") is the pass phrase.
bool IniPasst();
// Seam: the hex SHA-256 checked against (of "TRIVELTA-QLNPWD:" and the phrase); empty restores ours.
void SetPruefwert(const QByteArray& sha256Hex);
}  // namespace TXKServicePasswort

// The host's password dialog: asks for the service pass phrase.
class TfrmQLNPasswort : public TQLNForm {
    Q_OBJECT
public:
    TfrmQLNPasswort(const QString& hinweis, QWidget* parent = nullptr);
    // True when the user entered the pass phrase; a wrong one is told and may be corrected.
    bool Execute();
    void btnOkClick();

    QLabel* lblHinweis;
    QLineEdit* edtKennwort;
    QPushButton* btnOk;
    QPushButton* btnAbbrechen;
};

// Asks for the service pass phrase; true when it was entered.
bool Execute_Passwort(QWidget* parent = nullptr);

// The dialog for protected parameters. Mode 1: unlock one parameter for change.
class TqlnKRYPTDialog : public TfrmQLNPasswort {
    Q_OBJECT
public:
    TqlnKRYPTDialog(int modus, const QString& kennung, QWidget* parent = nullptr);
    int Modus() const { return FModus; }
    const QString& Kennung() const { return FKennung; }

private:
    int FModus;
    QString FKennung;
};
