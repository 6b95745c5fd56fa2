#include "TqlnKRYPTDialog.h"

#include "host/HostPaths.h"
#include "host/IniWert.h"
#include "host/TQLNInfo.h"

#include <QCryptographicHash>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

namespace {
// SHA-256 of "TRIVELTA-QLNPWD:" followed by the pass phrase (34 characters).
constexpr char CPruefwert[] = "e28fb22da1b435e926d744e8e21fe2a13e22d2ada65012e3e49f408346b1d287";

QByteArray& Pruefwert() {
    static QByteArray w;
    return w;
}
}  // namespace

namespace TXKServicePasswort {
bool Passt(const QString& text) {
    const QByteArray soll = Pruefwert().isEmpty() ? QByteArray(CPruefwert) : Pruefwert();
    const QByteArray eingabe = QByteArrayLiteral("TRIVELTA-QLNPWD:") + text.toUtf8();
    const QByteArray ist = QCryptographicHash::hash(eingabe, QCryptographicHash::Sha256).toHex();
    return ist == soll.toLower();
}

bool IniPasst() {
    const QSettings ini(HostPaths::ProgramIniFile(), QSettings::IniFormat);
    const QString wert = ini.contains(QStringLiteral("SYSTEM/QLNPWD")) ? IniText(ini, QStringLiteral("SYSTEM/QLNPWD"))
                                                                        : QStringLiteral("??????");
    return Passt(wert);
}

void SetPruefwert(const QByteArray& sha256Hex) { Pruefwert() = sha256Hex; }
}  // namespace TXKServicePasswort

TfrmQLNPasswort::TfrmQLNPasswort(const QString& hinweis, QWidget* parent) : TQLNForm(parent) {
    setWindowTitle(QStringLiteral("Kennwort"));
    auto* lay = new QVBoxLayout(this);
    lblHinweis = new QLabel(hinweis, this);
    lblHinweis->setWordWrap(true);
    lay->addWidget(lblHinweis);
    edtKennwort = new QLineEdit(this);
    edtKennwort->setObjectName(QStringLiteral("edtKennwort"));
    edtKennwort->setEchoMode(QLineEdit::Password);
    edtKennwort->setMaxLength(64);
    lay->addWidget(edtKennwort);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    btnOk = new QPushButton(QStringLiteral("OK"), this);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnOk->setDefault(true);
    btnAbbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
    btnAbbrechen->setObjectName(QStringLiteral("btnAbbrechen"));
    btnAbbrechen->setAutoDefault(false);
    knoepfe->addWidget(btnOk);
    knoepfe->addWidget(btnAbbrechen);
    lay->addLayout(knoepfe);
    connect(btnOk, &QPushButton::clicked, this, &TfrmQLNPasswort::btnOkClick);
    connect(btnAbbrechen, &QPushButton::clicked, this, &QDialog::reject);
    setMinimumWidth(380);
}

void TfrmQLNPasswort::btnOkClick() {
    // The typed text stays inside this dialog: it is neither logged nor repeated.
    if (TXKServicePasswort::Passt(edtKennwort->text())) {
        edtKennwort->clear();
        accept();
        return;
    }
    edtKennwort->clear();
    TQLNInfo::ShowMeldung(mkHinweis, {QStringLiteral("Das Kennwort ist nicht richtig.")}, QStringLiteral("STANDARD"),
                          994);
    edtKennwort->setFocus();
}

bool TfrmQLNPasswort::Execute() { return ShowModal() == QDialog::Accepted; }

bool Execute_Passwort(QWidget* parent) {
    TfrmQLNPasswort dlg(QStringLiteral("Bitte geben Sie das Service-Kennwort ein."), parent);
    return dlg.Execute();
}

TqlnKRYPTDialog::TqlnKRYPTDialog(int modus, const QString& kennung, QWidget* parent)
    : TfrmQLNPasswort(QStringLiteral("Der Parameter %1 ist geschützt. Er darf nur in Absprache mit dem "
                                     "Softwarehersteller geändert werden.\nBitte geben Sie das Service-Kennwort ein.")
                          .arg(kennung),
                      parent),
      FModus(modus),
      FKennung(kennung) {
    setWindowTitle(QStringLiteral("Geschützter Parameter"));
}
