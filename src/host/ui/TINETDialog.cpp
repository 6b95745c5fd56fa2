#include "TINETDialog.h"

#include "TVTQLNVRList.h"
#include "host/QLNBuchung.h"
#include "host/TQLNInfo.h"
#include "host/TQLNProgramm.h"
#include "host/records/Tinetfile.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QUrl>
#include <QVBoxLayout>

namespace {
constexpr int CSpalteName = 0;

QString Laenge(const QString& text, int max, const QString& was) {
    return text.size() > max ? QStringLiteral("%1 darf höchstens %2 Zeichen lang sein.").arg(was).arg(max) : QString();
}
}  // namespace

// --- TINETVerbindungen ------------------------------------------------------

QList<TINETVerbindung> TINETVerbindungen::Lade() const {
    QList<TINETVerbindung> liste;
    Tinetfile f;
    f.Open(254, -1);
    f.ClearBuffer();
    f.ExtendedFilterClear();
    f.SetIndex(f.IndexPrimaer);
    f.Art.SetFilter(FArt);
    for (bool ok = f.Get_first_extMode(); ok; ok = f.Get_next_extMode())
        liste.append({f.Name.GetWert(), f.Host.GetWert(), f.Port.GetWert(), f.Benutzer.GetWert(), f.Passwort.GetWert(),
                      f.Pfad.GetWert()});
    f.Close();
    return liste;
}

bool TINETVerbindungen::Vorhanden(const QString& name) const {
    Tinetfile f;
    f.Open(254, -1);
    f.ClearBuffer();
    f.SetIndex(f.IndexPrimaer);
    f.Art.SetKeyWert(FArt);
    f.Name.SetKeyWert(name);
    const bool ja = f.Get_eq();
    f.Close();
    return ja;
}

QString TINETVerbindungen::Pruefe(const TINETVerbindung& v, const QString& altName) const {
    const QString name = v.Name.trimmed();
    if (name.isEmpty()) return QStringLiteral("Bitte geben Sie einen Namen für die Verbindung ein.");
    if (QString t = Laenge(name, 30, QStringLiteral("Der Name")); !t.isEmpty()) return t;
    if (name != altName && Vorhanden(name)) return QStringLiteral("Eine Verbindung mit diesem Namen existiert bereits.");
    if (IstFTP()) {
        const QString host = v.Host.trimmed();
        if (host.isEmpty()) return QStringLiteral("Bitte geben Sie den Server der Verbindung ein.");
        if (host.contains(QLatin1Char(' ')) || host.contains(QLatin1String("://")))
            return QStringLiteral("Bitte geben Sie den Server ohne Protokoll und ohne Leerzeichen ein, zum Beispiel "
                                  "ftp.example.com.");
        if (QString t = Laenge(host, 100, QStringLiteral("Der Server")); !t.isEmpty()) return t;
        if (v.Port < 1 || v.Port > 65535) return QStringLiteral("Der Port muss zwischen 1 und 65535 liegen.");
        if (QString t = Laenge(v.Pfad.trimmed(), 255, QStringLiteral("Das Verzeichnis")); !t.isEmpty()) return t;
    } else {
        const QUrl url(v.Pfad.trimmed(), QUrl::StrictMode);
        const QString schema = url.scheme().toLower();
        if (!url.isValid() || (schema != QLatin1String("http") && schema != QLatin1String("https")) ||
            url.host().isEmpty())
            return QStringLiteral("Bitte geben Sie eine gültige Adresse ein, die mit http:// oder https:// beginnt.");
        if (QString t = Laenge(v.Pfad.trimmed(), 255, QStringLiteral("Die Adresse")); !t.isEmpty()) return t;
    }
    if (QString t = Laenge(v.Benutzer, 60, QStringLiteral("Der Benutzer")); !t.isEmpty()) return t;
    if (QString t = Laenge(v.Passwort, 100, QStringLiteral("Das Passwort")); !t.isEmpty()) return t;
    return {};
}

void TINETVerbindungen::Speichere(TINETVerbindung v, const QString& altName) const {
    v.Name = v.Name.trimmed();
    v.Host = v.Host.trimmed();
    v.Benutzer = v.Benutzer.trimmed();
    v.Pfad = v.Pfad.trimmed();
    if (!IstFTP()) {
        // server and port of an HTTP service are those of its URL
        const QUrl url(v.Pfad);
        v.Host = url.host();
        v.Port = url.port(url.scheme().toLower() == QLatin1String("http") ? 80 : 443);
    }
    Tinetfile f;
    f.Open(254, -1);
    QLNBuchung buchung(1, QStringLiteral("TINETVerbindungen.Speichere"));
    const auto lese = [&](const QString& name) {
        f.ClearBuffer();
        f.SetIndex(f.IndexPrimaer);
        f.Art.SetKeyWert(FArt);
        f.Name.SetKeyWert(name);
        return f.Get_eq();
    };
    if (!altName.isEmpty() && lese(altName)) f.Write(wrdonDelete);
    f.ClearBuffer();
    f.Art.SetWert(FArt);
    f.Name.SetWert(v.Name);
    f.Host.SetWert(v.Host);
    f.Port.SetWert(v.Port);
    f.Benutzer.SetWert(v.Benutzer);
    f.Passwort.SetWert(v.Passwort);
    f.Pfad.SetWert(v.Pfad);
    f.Write(wrdonInsert);
    buchung.Ende(QStringLiteral("TINETVerbindungen.Speichere"));
    f.Close();
}

void TINETVerbindungen::Loesche(const QString& name) const {
    Tinetfile f;
    f.Open(254, -1);
    QLNBuchung buchung(1, QStringLiteral("TINETVerbindungen.Loesche"));
    f.ClearBuffer();
    f.SetIndex(f.IndexPrimaer);
    f.Art.SetKeyWert(FArt);
    f.Name.SetKeyWert(name);
    if (f.Get_eq()) f.Write(wrdonDelete);
    buchung.Ende(QStringLiteral("TINETVerbindungen.Loesche"));
    f.Close();
}

// --- TINETVerbindungDlg -----------------------------------------------------

TINETVerbindungDlg::TINETVerbindungDlg(const TINETVerbindungen& verbindungen, const TINETVerbindung& v, bool neu,
                                       QWidget* parent)
    : TQLNForm(parent), FVerbindungen(verbindungen), FAltName(neu ? QString() : v.Name) {
    SetQLNFormPosStoreMode(2);
    const QString art = verbindungen.IstFTP() ? QStringLiteral("FTP-Verbindung") : QStringLiteral("HTTP-Verbindung");
    setWindowTitle(art + (neu ? QStringLiteral(" - Neuanlage") : QStringLiteral(" - Ändern")));
    auto* lay = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    const auto zeile = [&](QLineEdit*& e, const char* name, const QString& caption, int max, const QString& wert) {
        e = new QLineEdit(this);
        e->setObjectName(QLatin1String(name));
        e->setMaxLength(max);
        e->setText(wert);
        form->addRow(caption, e);
    };
    zeile(edtName, "edtName", QStringLiteral("&Name:"), 30, v.Name);
    if (verbindungen.IstFTP()) {
        zeile(edtHost, "edtHost", QStringLiteral("&Server:"), 100, v.Host);
        edtPort = new QSpinBox(this);
        edtPort->setObjectName(QStringLiteral("edtPort"));
        edtPort->setRange(1, 65535);
        edtPort->setValue(v.Port > 0 ? v.Port : verbindungen.StandardPort());
        form->addRow(QStringLiteral("&Port:"), edtPort);
    } else {
        zeile(edtPfad, "edtPfad", QStringLiteral("&Adresse (URL):"), 255, v.Pfad);
        edtPfad->setPlaceholderText(QStringLiteral("https://"));
    }
    zeile(edtBenutzer, "edtBenutzer", QStringLiteral("&Benutzer:"), 60, v.Benutzer);
    zeile(edtPasswort, "edtPasswort", QStringLiteral("Pass&wort:"), 100, v.Passwort);
    edtPasswort->setEchoMode(QLineEdit::Password);
    if (verbindungen.IstFTP()) {
        zeile(edtPfad, "edtPfad", QStringLiteral("&Verzeichnis:"), 255, v.Pfad);
        edtPfad->setPlaceholderText(QStringLiteral("/ (Stammverzeichnis)"));
    }
    lay->addLayout(form);
    lay->addStretch();
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    btnSpeichern = new QPushButton(QStringLiteral("Speichern (F5)"), this);
    btnSpeichern->setObjectName(QStringLiteral("btnSpeichern"));
    btnSpeichern->setAutoDefault(false);
    btnAbbrechen = new QPushButton(QStringLiteral("Abbrechen (Esc)"), this);
    btnAbbrechen->setObjectName(QStringLiteral("btnAbbrechen"));
    btnAbbrechen->setAutoDefault(false);
    knoepfe->addWidget(btnSpeichern);
    knoepfe->addWidget(btnAbbrechen);
    lay->addLayout(knoepfe);
    connect(btnSpeichern, &QPushButton::clicked, this, &TINETVerbindungDlg::Speichern);
    connect(btnAbbrechen, &QPushButton::clicked, this, &TINETVerbindungDlg::reject);
    connect(new QShortcut(QKeySequence(Qt::Key_F5), this), &QShortcut::activated, this, &TINETVerbindungDlg::Speichern);
    resize(460, sizeHint().height());
    QLNFormInit(verbindungen.IstFTP() ? QStringLiteral("frmINETFTPEdtForm") : QStringLiteral("frmINETHTTPEdtForm"), true);
    edtName->setFocus();
}

TINETVerbindung TINETVerbindungDlg::Werte() const {
    TINETVerbindung v;
    v.Name = edtName->text();
    if (edtHost) v.Host = edtHost->text();
    if (edtPort) v.Port = edtPort->value();
    v.Benutzer = edtBenutzer->text();
    v.Passwort = edtPasswort->text();
    v.Pfad = edtPfad->text();
    return v;
}

void TINETVerbindungDlg::Speichern() {
    bool gespeichert = false;
    {
        const TQLNWorkGuard guard(this, QStringLiteral("TINETVerbindungDlg.Speichern"), 5);
        if (!guard) return;
        try {
            const TINETVerbindung v = Werte();
            const QString fehler = FVerbindungen.Pruefe(v, FAltName);
            if (!fehler.isEmpty()) {
                TQLNInfo::ShowMeldung(mkHinweis, {fehler}, QStringLiteral("STANDARD"), 994);
                return;
            }
            FVerbindungen.Speichere(v, FAltName);
            gespeichert = true;
        } catch (const std::exception& e) {
            TQLNInfo::RegisterException(QStringLiteral("TINETVerbindungDlg.Speichern"), e, true);
        }
    }
    if (gespeichert) accept();
}

// --- TINETDialog ------------------------------------------------------------

TINETDialog::TINETDialog(int art, QWidget* parent) : TQLNForm(parent), FVerbindungen(art) {
    SetQLNFormPosStoreMode(2);
    setWindowTitle(CaptionMitUnternehmensgruppe(FVerbindungen.IstFTP() ? QStringLiteral("FTP-Verbindungen")
                                                                        : QStringLiteral("HTTP-Verbindungen")));
    auto* lay = new QVBoxLayout(this);
    vriListe = new TVTQLNVRList(this);
    vriListe->setObjectName(QStringLiteral("vriListe"));
    vriListe->BeginUpdate();
    vriListe->AddColumn(QStringLiteral("Name"), 160);
    if (FVerbindungen.IstFTP()) {
        vriListe->AddColumn(QStringLiteral("Server"), 180);
        const int port = vriListe->AddColumn(QStringLiteral("Port"), 60);
        vriListe->Columns()[port].Alignment = Qt::AlignRight | Qt::AlignVCenter;
        vriListe->AddColumn(QStringLiteral("Benutzer"), 120);
        vriListe->AddColumn(QStringLiteral("Verzeichnis"), 160);
    } else {
        vriListe->AddColumn(QStringLiteral("Adresse"), 340);
        vriListe->AddColumn(QStringLiteral("Benutzer"), 120);
    }
    vriListe->EndUpdate();
    lay->addWidget(vriListe, 1);
    auto* knoepfe = new QHBoxLayout;
    const auto knopf = [&](const QString& text, const char* name) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        knoepfe->addWidget(b);
        return b;
    };
    btnNeu = knopf(QStringLiteral("Neu (Einfg)"), "btnNeu");
    btnAendern = knopf(QStringLiteral("Ändern (F2)"), "btnAendern");
    btnLoeschen = knopf(QStringLiteral("Löschen (Entf)"), "btnLoeschen");
    knoepfe->addStretch();
    btnSchliessen = knopf(QStringLiteral("Schließen (Esc)"), "btnSchliessen");
    lay->addLayout(knoepfe);
    connect(btnNeu, &QPushButton::clicked, this, &TINETDialog::Neu);
    connect(btnAendern, &QPushButton::clicked, this, &TINETDialog::Aendern);
    connect(btnLoeschen, &QPushButton::clicked, this, &TINETDialog::Loeschen);
    connect(btnSchliessen, &QPushButton::clicked, this, &TINETDialog::reject);
    connect(vriListe, &TVTQLNVRList::RowActivated, this, [this](TVRRow*) { Aktiviert(); });
    connect(new QShortcut(QKeySequence(Qt::Key_Insert), this), &QShortcut::activated, this, &TINETDialog::Neu);
    connect(new QShortcut(QKeySequence(Qt::Key_F2), this), &QShortcut::activated, this, &TINETDialog::Aendern);
    connect(new QShortcut(QKeySequence(Qt::Key_Delete), vriListe, nullptr, nullptr, Qt::WidgetShortcut),
            &QShortcut::activated, this, &TINETDialog::Loeschen);
    resize(720, 400);
    QLNFormInit(FVerbindungen.IstFTP() ? QStringLiteral("frmINETFTPUebForm") : QStringLiteral("frmINETHTTPUebForm"),
                true);
    Lade();
    vriListe->setFocus();
}

void TINETDialog::Lade(const QString& waehlen) {
    const QString bisher = waehlen.isEmpty() ? AktuellerName() : waehlen;
    vriListe->BeginUpdate();
    try {
        vriListe->Rows().Clear();
        FListe = FVerbindungen.Lade();
        for (const TINETVerbindung& v : std::as_const(FListe)) {
            if (FVerbindungen.IstFTP())
                vriListe->Rows().AddRow({v.Name, v.Host, v.Port, v.Benutzer, v.Pfad});
            else
                vriListe->Rows().AddRow({v.Name, v.Pfad, v.Benutzer});
        }
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TINETDialog.Lade"), e, true);
    }
    vriListe->EndUpdate();
    TVRRow* ziel = nullptr;
    for (int i = 0; i < vriListe->Rows().Count() && !ziel; ++i)
        if (vriListe->Rows().Row(i).Text(CSpalteName) == bisher) ziel = &vriListe->Rows().Row(i);
    if (!ziel && vriListe->Rows().Count() > 0) ziel = &vriListe->Rows().Row(0);
    if (ziel) vriListe->SelectRow(ziel);
    btnAendern->setEnabled(ziel != nullptr);
    btnLoeschen->setEnabled(ziel != nullptr);
}

QString TINETDialog::AktuellerName() const {
    const TVRRow* r = vriListe->FocusedRow();
    return r ? r->Text(CSpalteName) : QString();
}

void TINETDialog::Bearbeite(const TINETVerbindung& v, bool neu) {
    TINETVerbindungDlg dlg(FVerbindungen, v, neu, this);
    if (dlg.ShowModal() == QDialog::Accepted) Lade(dlg.Werte().Name.trimmed());
}

void TINETDialog::Neu() {
    const TQLNWorkGuard guard(this, QStringLiteral("TINETDialog.Neu"), 5);
    if (!guard) return;
    try {
        TINETVerbindung v;
        v.Port = FVerbindungen.StandardPort();
        Bearbeite(v, true);
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TINETDialog.Neu"), e, true);
    }
}

void TINETDialog::Aendern() {
    const TQLNWorkGuard guard(this, QStringLiteral("TINETDialog.Aendern"), 5);
    if (!guard) return;
    try {
        const QString name = AktuellerName();
        for (const TINETVerbindung& v : std::as_const(FListe))
            if (v.Name == name) return Bearbeite(v, false);
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TINETDialog.Aendern"), e, true);
    }
}

void TINETDialog::Loeschen() {
    const TQLNWorkGuard guard(this, QStringLiteral("TINETDialog.Loeschen"), 5);
    if (!guard) return;
    try {
        const QString name = AktuellerName();
        if (name.isEmpty()) return;
        if (TQLNInfo::ShowMeldung(mkJaNein,
                                  {QStringLiteral("Möchten Sie die Verbindung „%1“ wirklich löschen?").arg(name)},
                                  QStringLiteral("STANDARD"), 981) != mrJa)
            return;
        FVerbindungen.Loesche(name);
        Lade();
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TINETDialog.Loeschen"), e, true);
    }
}

void TINETDialog::Aktiviert() {
    if (!FAuswahl) return Aendern();
    FGewaehlt = AktuellerName();
    if (!FGewaehlt.isEmpty()) accept();
}

void TINETDialog::keyPressEvent(QKeyEvent* e) {
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && vriListe->hasFocus()) {
        Aktiviert();
        return;
    }
    TQLNForm::keyPressEvent(e);
}

bool TINETDialog::Execute(QString* gewaehlt) {
    FAuswahl = gewaehlt != nullptr;
    const int ergebnis = ShowModal();
    if (!FAuswahl) return true;
    if (ergebnis != QDialog::Accepted) return false;
    *gewaehlt = FGewaehlt;
    return true;
}
