#include "TfrmDatenbankConfig.h"

#include "host/Exception.h"
#include "host/TQLNInfo.h"
#include "host/db/TQLNDatenbank.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGuiApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QVBoxLayout>

TfrmDatenbankConfig::TfrmDatenbankConfig(QWidget* parent) : TQLNForm(parent) {
    SetQLNFormPosStoreMode(2);
    setWindowTitle(QStringLiteral("Datenbank-Konfiguration"));
    auto* lay = new QVBoxLayout(this);
    auto* kopf = new QLabel(QStringLiteral("Welche Datenbank soll das System nutzen?"), this);
    QFont f = kopf->font();
    f.setBold(true);
    kopf->setFont(f);
    lay->addWidget(kopf);

    auto* artForm = new QFormLayout;
    cmbArt = new QComboBox(this);
    cmbArt->setObjectName(QStringLiteral("cmbArt"));
    cmbArt->addItem(QStringLiteral("SQLite-Datei (ein Arbeitsplatz)"));
    cmbArt->addItem(QStringLiteral("PostgreSQL-Server (mehrere Arbeitsplätze und Kassen)"));
    artForm->addRow(QStringLiteral("&Datenbankart:"), cmbArt);
    lay->addLayout(artForm);

    FSeiten = new QStackedWidget(this);
    auto* sqlite = new QGroupBox(QStringLiteral("SQLite"), FSeiten);
    auto* sqliteForm = new QFormLayout(sqlite);
    auto* dateiZeile = new QHBoxLayout;
    edtDatei = new QLineEdit(sqlite);
    edtDatei->setObjectName(QStringLiteral("edtDatei"));
    auto* btnDatei = new QPushButton(QStringLiteral("..."), sqlite);
    btnDatei->setFixedWidth(32);
    btnDatei->setToolTip(QStringLiteral("Datei auswählen"));
    dateiZeile->addWidget(edtDatei);
    dateiZeile->addWidget(btnDatei);
    sqliteForm->addRow(QStringLiteral("Datenbankdatei:"), dateiZeile);
    connect(btnDatei, &QPushButton::clicked, this, [this] {
        const QString d = QFileDialog::getSaveFileName(this, QStringLiteral("Datenbankdatei"), edtDatei->text(),
                                                       QStringLiteral("SQLite-Datenbanken (*.db *.sqlite);;Alle Dateien (*)"),
                                                       nullptr, QFileDialog::DontConfirmOverwrite);
        if (!d.isEmpty()) edtDatei->setText(d);
    });

    auto* pg = new QGroupBox(QStringLiteral("PostgreSQL"), FSeiten);
    auto* pgForm = new QFormLayout(pg);
    edtHost = new QLineEdit(pg);
    edtHost->setObjectName(QStringLiteral("edtHost"));
    spnPort = new QSpinBox(pg);
    spnPort->setObjectName(QStringLiteral("spnPort"));
    spnPort->setRange(1, 65535);
    spnPort->setValue(5432);
    edtDatenbank = new QLineEdit(pg);
    edtDatenbank->setObjectName(QStringLiteral("edtDatenbank"));
    edtBenutzer = new QLineEdit(pg);
    edtBenutzer->setObjectName(QStringLiteral("edtBenutzer"));
    edtPasswort = new QLineEdit(pg);
    edtPasswort->setObjectName(QStringLiteral("edtPasswort"));
    edtPasswort->setEchoMode(QLineEdit::Password);
    pgForm->addRow(QStringLiteral("Server:"), edtHost);
    pgForm->addRow(QStringLiteral("Port:"), spnPort);
    pgForm->addRow(QStringLiteral("Datenbank:"), edtDatenbank);
    pgForm->addRow(QStringLiteral("Benutzer:"), edtBenutzer);
    pgForm->addRow(QStringLiteral("Passwort:"), edtPasswort);
    btnVerbindungTesten = new QPushButton(QStringLiteral("Verbindung &testen"), pg);
    btnVerbindungTesten->setObjectName(QStringLiteral("btnVerbindungTesten"));
    btnVerbindungTesten->setAutoDefault(false);
    auto* testZeile = new QHBoxLayout;
    testZeile->addStretch();
    testZeile->addWidget(btnVerbindungTesten);
    pgForm->addRow(testZeile);
    connect(btnVerbindungTesten, &QPushButton::clicked, this, &TfrmDatenbankConfig::btnVerbindungTestenClick);

    FSeiten->addWidget(sqlite);
    FSeiten->addWidget(pg);
    lay->addWidget(FSeiten);
    lay->addStretch();
    connect(cmbArt, &QComboBox::currentIndexChanged, this, &TfrmDatenbankConfig::ZeigeSeite);

    auto* buttons = new QDialogButtonBox(this);
    auto* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("btnOK"));
    ok->setDefault(true);
    buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole)->setObjectName(QStringLiteral("btnAbbrechen"));
    connect(buttons, &QDialogButtonBox::accepted, this, &TfrmDatenbankConfig::btnOKClick);
    connect(buttons, &QDialogButtonBox::rejected, this, &TfrmDatenbankConfig::reject);
    lay->addSpacing(6);
    lay->addWidget(buttons);
    ZeigeSeite(0);
    resize(520, sizeHint().height());
    QLNFormInit(QStringLiteral("frmDatenbankConfig"), true);
}

void TfrmDatenbankConfig::ZeigeSeite(int seite) {
    // The stack is as high as its current page, not as its largest one: the
    // one-line SQLite page would otherwise stand in a box of five lines.
    for (int i = 0; i < FSeiten->count(); ++i)
        FSeiten->widget(i)->setSizePolicy(QSizePolicy::Preferred, i == seite ? QSizePolicy::Maximum : QSizePolicy::Ignored);
    FSeiten->setCurrentIndex(seite);
    FSeiten->updateGeometry();
    if (layout()) {
        layout()->activate();
        resize(width(), qMax(minimumSizeHint().height(), sizeHint().height()));
    }
}

void TfrmDatenbankConfig::Anzeigen(const TZEV_DB_Config& c) {
    cmbArt->setCurrentIndex(c.Art == TZEV_DBArt::dbaPostgreSQL ? 1 : 0);
    ZeigeSeite(cmbArt->currentIndex());
    edtDatei->setText(c.Datei);
    edtHost->setText(c.Host);
    spnPort->setValue(c.Port);
    edtDatenbank->setText(c.Datenbank);
    edtBenutzer->setText(c.Benutzer);
    edtPasswort->setText(c.Passwort);
}

TZEV_DB_Config TfrmDatenbankConfig::Eingabe() const {
    TZEV_DB_Config c;
    c.Art = cmbArt->currentIndex() == 1 ? TZEV_DBArt::dbaPostgreSQL : TZEV_DBArt::dbaSQLite;
    c.Datei = edtDatei->text().trimmed();
    c.Host = edtHost->text().trimmed();
    c.Port = spnPort->value();
    c.Datenbank = edtDatenbank->text().trimmed();
    c.Benutzer = edtBenutzer->text().trimmed();
    c.Passwort = edtPasswort->text();
    return c;
}

QString TfrmDatenbankConfig::Pruefe() const {
    const TZEV_DB_Config c = Eingabe();
    if (c.Art == TZEV_DBArt::dbaSQLite) {
        if (c.Datei.isEmpty()) return QStringLiteral("Bitte geben Sie die Datenbankdatei an.");
        return {};
    }
    if (c.Host.isEmpty()) return QStringLiteral("Bitte geben Sie den Datenbankserver an.");
    if (c.Datenbank.isEmpty()) return QStringLiteral("Bitte geben Sie den Namen der Datenbank an.");
    if (c.Benutzer.isEmpty()) return QStringLiteral("Bitte geben Sie den Datenbankbenutzer an.");
    return {};
}

void TfrmDatenbankConfig::btnOKClick() {
    const QString fehler = Pruefe();
    if (!fehler.isEmpty()) {
        TQLNInfo::ShowMeldung(mkHinweis, {fehler}, QStringLiteral("STANDARD"), 994);
        return;
    }
    accept();
}

QString TfrmDatenbankConfig::VerbindungTesten(const TZEV_DB_Config& c) {
    // A connection of its own: the program's open database stays as it is.
    const std::unique_ptr<Connection> v = TQLNDatenbank::NeueVerbindung(c);
    return QStringLiteral("Die Verbindung zur Datenbank ist in Ordnung:\n%1").arg(v->Describe());
}

void TfrmDatenbankConfig::btnVerbindungTestenClick() {
    try {
        const QString fehler = Pruefe();
        if (!fehler.isEmpty()) {
            TQLNInfo::ShowMeldung(mkHinweis, {fehler}, QStringLiteral("STANDARD"), 994);
            return;
        }
        QString text;
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);  // an unreachable server takes seconds
        try {
            text = VerbindungTesten(Eingabe());
        } catch (const Exception& e) {
            text = e.Message();  // the connection's German reason, never with the password
        }
        QGuiApplication::restoreOverrideCursor();
        TQLNInfo::ShowMeldung(mkHinweis, {text}, QStringLiteral("STANDARD"), 994);
    } catch (const std::exception& e) {
        if (QGuiApplication::overrideCursor()) QGuiApplication::restoreOverrideCursor();
        TQLNInfo::RegisterException(QStringLiteral("TfrmDatenbankConfig.btnVerbindungTestenClick"), e, true);
    }
}

bool TfrmDatenbankConfig::Execute(TZEV_DB_Config& config) {
    Anzeigen(config);
    if (ShowModal() != QDialog::Accepted) return false;
    config = Eingabe();
    return true;
}
