#include "TfrmXKParmEdt.h"

#include "TQLNMaskEdit.h"
#include "TXKParmConfigurator.h"
#include "TqlnKRYPTDialog.h"
#include "host/Exception.h"
#include "host/QLNBuchung.h"
#include "host/TParameter.h"
#include "host/TQLNInfo.h"
#include "host/TQLN_Parm_Katalog.h"
#include "host/TRVRTab.h"
#include "host/ui/TVTQLNVRList.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSet>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
constexpr int CSeiteAktuell = 0;
constexpr int CSeiteAlle = 1;
constexpr int CBuchungsArtParameter = 12;

bool Ablehnen(const QString& text) {
    TQLNInfo::ShowMeldung(mkHinweis, {text}, QStringLiteral("STANDARD"), 994);
    return false;
}

QLabel* Wert(QWidget* parent, const char* name) {
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    l->setWordWrap(true);
    return l;
}
}  // namespace

TfrmXKParmEdt::TfrmXKParmEdt(TXKParmConfigurator* conf, const QString& parmKennung, const QString& caption,
                             const QString& groupKennung, QWidget* parent)
    : TQLNForm(parent), FConf(conf) {
    FDaten.FParmKennung = parmKennung;
    FDaten.FParmGroupKennung = groupKennung;
    SetQLNFormPosStoreMode(2);
    setWindowTitle(TXKParmConfigurator::FensterCaption(caption));

    auto* lay = new QVBoxLayout(this);
    auto* kopf = new QFormLayout;
    lblBezeichnung = Wert(this, "lblBezeichnung");
    QFont fett = lblBezeichnung->font();
    fett.setBold(true);
    lblBezeichnung->setFont(fett);
    lblKennung = Wert(this, "lblKennung");
    lblGruppe = Wert(this, "lblGruppe");
    lblVerfuegbar = Wert(this, "lblVerfuegbar");
    lblGueltigkeit = Wert(this, "lblGueltigkeit");
    lblHinweis = Wert(this, "lblHinweis");
    memHilfe = new QPlainTextEdit(this);
    memHilfe->setObjectName(QStringLiteral("memHilfe"));
    memHilfe->setReadOnly(true);
    memHilfe->setFocusPolicy(Qt::ClickFocus);
    memHilfe->setMaximumHeight(70);
    kopf->addRow(QStringLiteral("Parameter:"), lblBezeichnung);
    kopf->addRow(QStringLiteral("Kennung:"), lblKennung);
    kopf->addRow(QStringLiteral("Beschreibung:"), memHilfe);
    kopf->addRow(QStringLiteral("Gruppe:"), lblGruppe);
    kopf->addRow(QStringLiteral("verfügbar auf:"), lblVerfuegbar);
    kopf->addRow(QStringLiteral("Gültigkeit:"), lblGueltigkeit);
    kopf->addRow(QStringLiteral("Hinweis:"), lblHinweis);
    lay->addLayout(kopf);

    pgcRechner = new QTabWidget(this);
    pgcRechner->setObjectName(QStringLiteral("pgcRechner"));
    tsAktuellerRechner = new QWidget(pgcRechner);
    tsAktuellerRechner->setObjectName(QStringLiteral("tsAktuellerRechner"));
    auto* aktLay = new QVBoxLayout(tsAktuellerRechner);
    lblAktuellerRechner = Wert(tsAktuellerRechner, "lblAktuellerRechner");
    aktLay->addWidget(lblAktuellerRechner);
    lblHerkunft = Wert(tsAktuellerRechner, "lblHerkunft");
    aktLay->addWidget(lblHerkunft);
    aktLay->addStretch();
    tsAlleRechner = new QWidget(pgcRechner);
    tsAlleRechner->setObjectName(QStringLiteral("tsAlleRechner"));
    auto* alleLay = new QVBoxLayout(tsAlleRechner);
    vriRechner = new TVTQLNVRList(tsAlleRechner);
    vriRechner->setObjectName(QStringLiteral("vriRechner"));
    vriRechner->SetCheckboxes(true);
    alleLay->addWidget(vriRechner, 1);
    auto* alleKnoepfe = new QHBoxLayout;
    btnAlle = new QPushButton(QStringLiteral("Alle"), tsAlleRechner);
    btnAlle->setObjectName(QStringLiteral("btnAlle"));
    btnAlleUmkehren = new QPushButton(QStringLiteral("Alle umkehren"), tsAlleRechner);
    btnAlleUmkehren->setObjectName(QStringLiteral("btnAlleUmkehren"));
    btnUebernehmen = new QPushButton(QStringLiteral("Übernehmen"), tsAlleRechner);
    btnUebernehmen->setObjectName(QStringLiteral("btnUebernehmen"));
    btnUebernehmen->setToolTip(QStringLiteral("Den Wert des gewählten Rechners in das Eingabefeld übernehmen"));
    for (QPushButton* b : {btnAlle, btnAlleUmkehren, btnUebernehmen}) {
        b->setAutoDefault(false);
        alleKnoepfe->addWidget(b);
    }
    alleKnoepfe->addStretch();
    alleLay->addLayout(alleKnoepfe);
    pgcRechner->addTab(tsAktuellerRechner, QStringLiteral("Aktueller Rechner"));
    pgcRechner->addTab(tsAlleRechner, QStringLiteral("Alle Rechner"));
    pgcRechner->setToolTip(QStringLiteral("F4 wechselt die Seite"));
    lay->addWidget(pgcRechner, 1);

    auto* wertBox = new QGroupBox(QStringLiteral("Wert"), this);
    FEditorLayout = new QVBoxLayout(wertBox);
    lay->addWidget(wertBox);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    btnBuchen = new QPushButton(QStringLiteral("Buchen (F5)"), this);
    btnBuchen->setObjectName(QStringLiteral("btnBuchen"));
    btnBuchen->setAutoDefault(false);
    btnAbbrechen = new QPushButton(QStringLiteral("Abbrechen (Esc)"), this);
    btnAbbrechen->setObjectName(QStringLiteral("btnAbbrechen"));
    btnAbbrechen->setAutoDefault(false);
    knoepfe->addWidget(btnBuchen);
    knoepfe->addWidget(btnAbbrechen);
    lay->addLayout(knoepfe);
    btnBuchen->setEnabled(false);

    connect(btnBuchen, &QPushButton::clicked, this, &TfrmXKParmEdt::btnBuchenClick);
    connect(btnAbbrechen, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnAlle, &QPushButton::clicked, this, &TfrmXKParmEdt::btnAlleClick);
    connect(btnAlleUmkehren, &QPushButton::clicked, this, &TfrmXKParmEdt::btnAlleUmkehrenClick);
    connect(btnUebernehmen, &QPushButton::clicked, this, &TfrmXKParmEdt::btnUebernehmenClick);
    connect(new QShortcut(QKeySequence(Qt::Key_F5), this), &QShortcut::activated, this, [this] {
        if (btnBuchen->isEnabled()) btnBuchenClick();
    });
    connect(new QShortcut(QKeySequence(Qt::Key_F4), this), &QShortcut::activated, this, &TfrmXKParmEdt::SeiteWechseln);
    connect(pgcRechner, &QTabWidget::currentChanged, this, &TfrmXKParmEdt::SeiteGewechselt);
    resize(620, 600);
    QLNFormInit(QStringLiteral("frmParmEdt_") + parmKennung, true);
}

TfrmXKParmEdt::~TfrmXKParmEdt() = default;

void TfrmXKParmEdt::showEvent(QShowEvent* e) {
    TQLNForm::showEvent(e);
    if (FGezeigt) return;
    FGezeigt = true;
    Vorbereiten();
}

void TfrmXKParmEdt::Vorbereiten() {
    FVorbereitet = false;
    btnBuchen->setEnabled(false);
    try {
        if (!FConf) TQLNInfo::FehlerRaise(QStringLiteral("TfrmXKParmEdt.FormShow"), QStringLiteral("Configurator not assigned!"));
        FDaten.ReadParam(FDaten.FParmKennung, FDaten.FParmGroupKennung);
        lblBezeichnung->setText(FDaten.FParmBez);
        lblKennung->setText(FDaten.FParmKennung);
        memHilfe->setPlainText(FDaten.FParmHilfe);
        lblGruppe->setText(QStringLiteral("%1 (%2)").arg(FDaten.FParmGroupBez, FDaten.FParmGroupKennung));
        lblVerfuegbar->setText(FDaten.VerfuegbarText());
        lblGueltigkeit->setText(FDaten.GueltigkeitText());
        lblHinweis->setText(FDaten.HinweisText());
        lblAktuellerRechner->setText(
            QStringLiteral("Rechner %1 – %2 (%3)")
                .arg(TQLNProgramm::GetRId())
                .arg(TQLNProgramm::GetRName(), TRVRTab::RTypBezeichnung(TQLNProgramm::GetRTyp())));
        pgcRechner->setTabVisible(CSeiteAlle, !FDaten.IstSystemweit());
        BuildEdit();
        {
            const QSignalBlocker sperre(pgcRechner);
            pgcRechner->setCurrentIndex(CSeiteAktuell);
            FSeite = CSeiteAktuell;
        }
        ShowValue();
        ZeigeHerkunft();
        if (!FDaten.IstSystemweit()) ShowRechList();
        btnBuchen->setEnabled(FDaten.FParmChangeable);
        FVorbereitet = true;
        if (FEditor) FEditor->setFocus();
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TfrmXKParmEdt.FormShow"), e, true);
    }
}

void TfrmXKParmEdt::BuildEdit() {
    delete FEditor;
    FEditor = nullptr;
    const TXKParmEdtDaten::Editor art = FDaten.EditorFuer();
    QWidget* box = FEditorLayout->parentWidget();
    switch (art.Art) {
        case TXKParmEdtDaten::Editor::CheckBox: {
            auto* c = new QCheckBox(FDaten.FParmBez, box);
            FEditor = c;
            break;
        }
        case TXKParmEdtDaten::Editor::ComboBox: {
            auto* c = new QComboBox(box);
            c->addItems(FDaten.ComboEintraege());
            FEditor = c;
            break;
        }
        case TXKParmEdtDaten::Editor::Edit: {
            auto* e = new TQLNMaskEdit(art.FeldTyp, art.MaxLaenge, box);
            if (!art.Maske.isEmpty()) e->SetMaske(art.Maske);
            if (art.FeldTyp == 6) e->SetBereich(art.Minimum, art.Maximum);
            // Short values get a short field.
            if (art.MaxLaenge <= 20) e->setMaximumWidth(e->fontMetrics().horizontalAdvance(QLatin1Char('W')) * (art.MaxLaenge + 2) + 12);
            FEditor = e;
            break;
        }
    }
    FEditor->setObjectName(QStringLiteral("FEditor"));
    FEditorLayout->addWidget(FEditor);
}

void TfrmXKParmEdt::ZeigeHerkunft() {
    const QString& k = FDaten.FParmKennung;
    const int rid = TQLNProgramm::GetRId();
    QString text;
    if (TParameter::HatEigenenWert(k, rid))
        text = FDaten.IstSystemweit() ? QStringLiteral("Der Wert gilt für die ganze Installation.")
                                      : QStringLiteral("Dieser Rechner hat einen eigenen Wert.");
    else if (!FDaten.IstSystemweit() && rid != 1 && TParameter::HatEigenenWert(k, 1))
        text = QStringLiteral("Dieser Rechner hat keinen eigenen Wert und übernimmt den Wert von Rechner 1.");
    else
        text = QStringLiteral("Es ist noch kein Wert gespeichert; es gilt der Vorgabewert.");
    lblHerkunft->setText(text);
}

bool TfrmXKParmEdt::AufAlleRechner() const { return pgcRechner->currentIndex() == CSeiteAlle; }

void TfrmXKParmEdt::ShowValue() {
    if (!FEditor) return;
    QString text;
    if (AufAlleRechner()) {
        const QList<TVRRow*> sel = vriRechner->SelectedRows();
        TVRRow* row = sel.isEmpty() ? vriRechner->FocusedRow() : sel.first();
        if (!row) return;
        text = row->Text(FParmWertInd);
    } else {
        text = TParameter::GetStringValueByName(FDaten.FParmKennung);
    }
    if (auto* c = qobject_cast<QCheckBox*>(FEditor))
        c->setChecked(text.trimmed().compare(QStringLiteral("J"), Qt::CaseInsensitive) == 0);
    else if (auto* c = qobject_cast<QComboBox*>(FEditor))
        c->setCurrentIndex(FDaten.ComboIndex(text));
    else if (auto* e = qobject_cast<QLineEdit*>(FEditor))
        e->setText(text);
}

void TfrmXKParmEdt::ShowRechList() {
    // Ticks and selection survive a refresh after posting.
    QSet<qint64> angehakt;
    qint64 gewaehlt = -1;
    for (int i = 0; i < vriRechner->Rows().Count(); ++i)
        if (vriRechner->Rows().Row(i).Check == Qt::Checked) angehakt.insert(vriRechner->Rows().Row(i).Tag);
    if (TVRRow* f = vriRechner->FocusedRow()) gewaehlt = f->Tag;

    vriRechner->BeginUpdate();
    vriRechner->Clear();
    FRechNrInd = vriRechner->AddColumn(QStringLiteral("Nummer"), 80);
    FRechNameInd = vriRechner->AddColumn(QStringLiteral("Name"), 200);
    FRechTypInd = vriRechner->AddColumn(QStringLiteral("Typ"), 120);
    FParmWertInd = vriRechner->AddColumn(QStringLiteral("Parameterwert"), 140);
    vriRechner->Columns()[FRechNrInd].Alignment = Qt::AlignRight | Qt::AlignVCenter;
    const TRVRTab tab;
    for (int i = 0; i < tab.GetUmfangCount(); ++i) {
        const TRVRInfoUmfang& u = tab.GetUmfang(i);
        if (!FDaten.IstAufRTyp(u.RTyp)) continue;
        TVRRow& r = vriRechner->Rows().AddRow(
            {u.RNr, u.Name, TRVRTab::RTypBezeichnung(u.RTyp), TParameter::StringParamRead(FDaten.FParmKennung, u.RNr)});
        r.Tag = u.RNr;
        r.Checkable = true;
        r.Check = angehakt.contains(u.RNr) ? Qt::Checked : Qt::Unchecked;
    }
    vriRechner->EndUpdate();
    vriRechner->SortByColumn(FRechNrInd, Qt::AscendingOrder);
    TVRRow* waehlen = nullptr;
    for (int i = 0; i < vriRechner->Rows().Count(); ++i)
        if (vriRechner->Rows().Row(i).Tag == gewaehlt) waehlen = &vriRechner->Rows().Row(i);
    if (waehlen)
        vriRechner->SelectRow(waehlen);
    else
        vriRechner->SelectFirstVisibleRow();
}

QString TfrmXKParmEdt::WertErmitteln() const {
    if (auto* c = qobject_cast<QCheckBox*>(FEditor)) return c->isChecked() ? QStringLiteral("J") : QStringLiteral("N");
    if (auto* c = qobject_cast<QComboBox*>(FEditor)) return FDaten.ComboWert(c->currentIndex());
    if (auto* e = qobject_cast<QLineEdit*>(FEditor)) return e->text();
    return {};
}

bool TfrmXKParmEdt::NoPCChecked() const {
    for (int i = 0; i < vriRechner->Rows().Count(); ++i)
        if (vriRechner->Rows().Row(i).Check == Qt::Checked) return false;
    return true;
}

bool TfrmXKParmEdt::VersionTest() {
    for (const TZEV_ParmPrCheckVersion& v : TQLN_Parm_Katalog::GZEV_ParmPrCheckVersion()) {
        if (v.Kennung.compare(FDaten.FParmKennung, Qt::CaseInsensitive) != 0) continue;
        if (!TUpdVersionen::TestVersionInstalliert(v.Programm, v.Datum, v.RTypen))
            return Ablehnen(QStringLiteral("An allen Rechnern muss eine Version neuer ") +
                            v.Datum.toString(QStringLiteral("dd.MM.yyyy")) + QStringLiteral(" installiert sein"));
    }
    return true;
}

bool TfrmXKParmEdt::BuchenTesten() {
    if (!FDaten.FParmChangeable)
        return Ablehnen(QStringLiteral("Dieser Parameter darf auf diesem Rechner nicht geändert werden."));
    if (!AufAlleRechner() && !FDaten.IstAufRTyp(TQLNProgramm::GetRTyp()) && !FDaten.IstSystemweit())
        return Ablehnen(QStringLiteral("Dieser Parameter existiert auf dem akt. Rechner nicht.\nVerwenden Sie ggf. den "
                                       "Reiter Alle Rechner"));
    if (FDaten.FParmTyp == ptInteger && !FDaten.FParmMitWerteVorrat) {
        if (const QString text = FDaten.IntegerPruefung(WertErmitteln()); !text.isEmpty()) return Ablehnen(text);
    }
    if (auto* c = qobject_cast<QComboBox*>(FEditor); c && c->currentIndex() < 0)
        return Ablehnen(QStringLiteral("Bitte wählen Sie einen Wert aus dem Wertevorrat aus."));
    if (AufAlleRechner() && NoPCChecked())
        return Ablehnen(QStringLiteral("Bitte wählen Sie die Rechner aus, deren Parameter Sie ändern möchten."));
    if (!VersionTest()) return false;
    const bool service = TQLNProgramm::GetRTyp() == 7;
    if (FDaten.IstIntern() && !service && !TXKServicePasswort::IniPasst() && !Execute_Passwort(this)) return false;
    if (service || !FDaten.FParmIsCrypted) return true;
    if (TXKServicePasswort::IniPasst()) return true;
    TqlnKRYPTDialog krypt(1, FDaten.FParmKennung, this);
    return krypt.Execute();
}

void TfrmXKParmEdt::Buchen() {
    const QString kontext = QStringLiteral("TfrmXKParmEdt.Buchen");
    const QString wert = WertErmitteln();
    QLNBuchung buchung(CBuchungsArtParameter, kontext);
    if (!AufAlleRechner()) {
        TParameter::SetStringValueByName(FDaten.FParmKennung, wert);
    } else {
        bool mitZentrale = false;
        TVRList& rows = vriRechner->Rows();
        for (int i = 0; i < rows.Count(); ++i) {
            const TVRRow& r = rows.Row(i);
            if (r.Check != Qt::Checked || r.Tag <= 0) continue;
            TParameter::StringParamWrite(FDaten.FParmKennung, wert, int(r.Tag));
            mitZentrale = mitZentrale || r.Tag == 1;
        }
        // Computer 1's value reaches the computers without a value of their own:
        // they keep the value they showed, so that only the ticked computers change.
        if (mitZentrale) {
            for (int i = 0; i < rows.Count(); ++i) {
                const TVRRow& r = rows.Row(i);
                if (r.Check == Qt::Checked || r.Tag <= 0) continue;
                const QString gezeigt = r.Text(FParmWertInd);
                if (TParameter::StringParamRead(FDaten.FParmKennung, int(r.Tag)) != gezeigt)
                    TParameter::StringParamWrite(FDaten.FParmKennung, gezeigt, int(r.Tag));
            }
        }
    }
    buchung.Ende(kontext);
}

void TfrmXKParmEdt::btnBuchenClick() {
    bool schliessen = false;
    {
        const TQLNWorkGuard guard(this, QStringLiteral("TfrmXKParmEdt.btnBuchenClick"), 5);
        if (!guard) return;
        try {
            if (!FVorbereitet || !BuchenTesten()) return;
            Buchen();
            if (AufAlleRechner()) {
                ShowRechList();
                ZeigeHerkunft();
            } else
                schliessen = true;
        } catch (const std::exception& e) {
            TQLNInfo::RegisterException(QStringLiteral("TfrmXKParmEdt.btnBuchenClick"), e, true);
        }
    }
    if (schliessen) accept();  // after the guard: a working window does not close
}

void TfrmXKParmEdt::btnAlleClick() {
    const TQLNWorkGuard guard(this, QStringLiteral("TfrmXKParmEdt.btnAlleClick"), 5);
    if (!guard) return;
    for (int i = 0; i < vriRechner->Rows().Count(); ++i) vriRechner->Rows().Row(i).Check = Qt::Checked;
    vriRechner->viewport()->update();
}

void TfrmXKParmEdt::btnAlleUmkehrenClick() {
    const TQLNWorkGuard guard(this, QStringLiteral("TfrmXKParmEdt.btnAlleUmkehrenClick"), 5);
    if (!guard) return;
    for (int i = 0; i < vriRechner->Rows().Count(); ++i) {
        TVRRow& r = vriRechner->Rows().Row(i);
        r.Check = r.Check == Qt::Checked ? Qt::Unchecked : Qt::Checked;
    }
    vriRechner->viewport()->update();
}

void TfrmXKParmEdt::btnUebernehmenClick() {
    const TQLNWorkGuard guard(this, QStringLiteral("TfrmXKParmEdt.btnUebernehmenClick"), 5);
    if (!guard) return;
    try {
        ShowValue();
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TfrmXKParmEdt.btnUebernehmenClick"), e, true);
    }
}

void TfrmXKParmEdt::SeiteWechseln() {
    if (TQLNProgramm::Working(this)) return;
    if (!pgcRechner->isTabVisible(CSeiteAlle)) return;
    pgcRechner->setCurrentIndex(pgcRechner->currentIndex() == CSeiteAktuell ? CSeiteAlle : CSeiteAktuell);
}

void TfrmXKParmEdt::SeiteGewechselt(int index) {
    // No page change while an action of this window runs.
    if (TQLNProgramm::Working(this)) {
        const QSignalBlocker sperre(pgcRechner);
        pgcRechner->setCurrentIndex(FSeite);
        return;
    }
    FSeite = index;
    try {
        if (index == CSeiteAktuell) ShowValue();
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TfrmXKParmEdt.pgcRechnerChange"), e, true);
    }
}
