#include "TQLNStdProgressDialog.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

TQLNStdProgressDialog::TQLNStdProgressDialog(const QString& caption, int breite, int hoehe, QWidget* parent)
    : TQLNForm(parent) {
    setWindowTitle(caption);
    setWindowModality(Qt::ApplicationModal);
    auto* lay = new QVBoxLayout(this);
    auto* text = new QLabel(caption, this);
    text->setWordWrap(true);
    lay->addWidget(text);
    auto* bar = new QProgressBar(this);
    bar->setRange(0, 0);
    lay->addWidget(bar);
    FFormular = new QFormLayout;
    lay->addLayout(FFormular);
    auto* abbruch = new QPushButton(QStringLiteral("Abbrechen"), this);
    abbruch->setObjectName(QStringLiteral("btnAbbrechen"));
    connect(abbruch, &QPushButton::clicked, this, [this] { FAbgebrochen = true; });
    lay->addWidget(abbruch, 0, Qt::AlignRight);
    resize(breite, hoehe);
}

void TQLNStdProgressDialog::AddCounter(const QString& name, const QString& caption) {
    auto* wert = new QLabel(QStringLiteral("0"), this);
    wert->setObjectName(QStringLiteral("lblZaehler") + name);
    FFormular->addRow(caption + QLatin1Char(':'), wert);
    FZaehler.insert(name, {wert, 0});
}

void TQLNStdProgressDialog::SetCounter(const QString& name, qint64 wert) {
    auto it = FZaehler.find(name);
    if (it == FZaehler.end()) return;
    it->Stand = wert;
    it->Wert->setText(QLocale(QLocale::German).toString(wert));
}

qint64 TQLNStdProgressDialog::Counter(const QString& name) const { return FZaehler.value(name).Stand; }

void TQLNStdProgressDialog::Anzeigen() {
    show();
    raise();
}

void TQLNStdProgressDialog::Schliessen() { hide(); }

void TQLNStdProgressDialog::closeEvent(QCloseEvent* e) {
    FAbgebrochen = true;
    e->ignore();  // the scan closes the dialog when it ends
}
