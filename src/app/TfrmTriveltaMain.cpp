#include "TfrmTriveltaMain.h"

#include "TXKKommandozeile.h"
#include "host/TQLNInfo.h"
#include "host/TQLNProgramm.h"
#include "host/ui/TAutoCompleteDlg.h"
#include "host/ui/TVTQLNVRList.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {
constexpr int CSpalteBezeichnung = 0;
constexpr int CSpalteBeschreibung = 1;
constexpr int CSpalteSchlagworte = 2;
constexpr int CSpalteKurzname = 3;

template <class F>
void Geschuetzt(const char* kontext, F&& f) {
    try {
        f();
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QString::fromLatin1(kontext), e, true);
    }
}
}  // namespace

TfrmTriveltaMain::TfrmTriveltaMain(const QStringList& args, QWidget* parent)
    : TQLNForm(parent), FArgs(args), FSchalterF(TXKKommandozeile::HatSchalter(args, QLatin1Char('F'))) {
    auto* lay = new QVBoxLayout(this);
    pnlHeader = new QLabel(this);
    pnlHeader->setObjectName(QStringLiteral("pnlHeader"));
    pnlHeader->setStyleSheet(QStringLiteral(
        "#pnlHeader{background:#2f4f6f;color:white;font-size:16pt;font-weight:bold;padding:10px;}"));
    lay->addWidget(pnlHeader);

    lblSuche = new QLabel(this);
    lblSuche->setText(QStringLiteral("Welche Einstellungen möchten Sie vornehmen? Geben Sie ein Stichwort ein."));
    lay->addWidget(lblSuche);
    auto* suchZeile = new QHBoxLayout;
    edtSuche = new QLineEdit(this);
    edtSuche->setObjectName(QStringLiteral("edtSuche"));
    edtSuche->setMaxLength(100);
    btnSuche = new QPushButton(QStringLiteral("Suchen"), this);
    btnSuche->setObjectName(QStringLiteral("btnSuche"));
    btnSuche->setToolTip(QStringLiteral("F3"));
    btnSuche->setAutoDefault(false);
    suchZeile->addWidget(edtSuche);
    suchZeile->addWidget(btnSuche);
    lay->addLayout(suchZeile);

    vriConfigurators = new TVTQLNVRList(this);
    vriConfigurators->setObjectName(QStringLiteral("vriConfigurators"));
    lay->addWidget(vriConfigurators, 1);

    lblBezeichnung = new QLabel(this);
    lblBezeichnung->setObjectName(QStringLiteral("lblBezeichnung"));
    QFont fett = lblBezeichnung->font();
    fett.setBold(true);
    lblBezeichnung->setFont(fett);
    lay->addWidget(lblBezeichnung);
    auto* details = new QHBoxLayout;
    memBeschreibung = new QPlainTextEdit(this);
    memBeschreibung->setObjectName(QStringLiteral("memBeschreibung"));
    memBeschreibung->setReadOnly(true);
    memBeschreibung->setFocusPolicy(Qt::ClickFocus);
    memSchlagwort = new QPlainTextEdit(this);
    memSchlagwort->setObjectName(QStringLiteral("memSchlagwort"));
    memSchlagwort->setReadOnly(true);
    memSchlagwort->setFocusPolicy(Qt::ClickFocus);
    memSchlagwort->setMaximumWidth(260);
    // The two boxes carry no caption of their own.
    memBeschreibung->setToolTip(QStringLiteral("Beschreibung"));
    memSchlagwort->setToolTip(QStringLiteral("Schlagworte"));
    details->addWidget(memBeschreibung, 2);
    details->addWidget(memSchlagwort, 1);
    memBeschreibung->setMaximumHeight(90);
    memSchlagwort->setMaximumHeight(90);
    lay->addLayout(details);

    auto* knopfZeile = new QHBoxLayout;
    knopfZeile->addStretch();
    btnAendern = new QPushButton(QStringLiteral("Bearbeiten"), this);
    btnAendern->setObjectName(QStringLiteral("btnAendern"));
    btnAendern->setDefault(true);
    btnClose = new QPushButton(QStringLiteral("Schließen"), this);
    btnClose->setObjectName(QStringLiteral("btnClose"));
    btnClose->setAutoDefault(false);
    knopfZeile->addWidget(btnAendern);
    knopfZeile->addWidget(btnClose);
    lay->addLayout(knopfZeile);

    setMinimumSize(700, 480);
    resize(760, 560);

    connect(edtSuche, &QLineEdit::textChanged, this, &TfrmTriveltaMain::edtSucheChange);
    connect(btnSuche, &QPushButton::clicked, this, &TfrmTriveltaMain::btnSucheClick);
    auto* f3 = new QShortcut(QKeySequence(Qt::Key_F3), this);
    connect(f3, &QShortcut::activated, this, &TfrmTriveltaMain::btnSucheClick);
    connect(btnAendern, &QPushButton::clicked, this, &TfrmTriveltaMain::btnAendernClick);
    connect(btnClose, &QPushButton::clicked, this, &TfrmTriveltaMain::close);
    connect(vriConfigurators, &TVTQLNVRList::RowSelected, this, &TfrmTriveltaMain::ShowDetails);
    connect(vriConfigurators, &TVTQLNVRList::RowHovered, this, &TfrmTriveltaMain::ShowDetails);
    connect(vriConfigurators, &TVTQLNVRList::RowActivated, this, &TfrmTriveltaMain::vriConfiguratorsDblClick);
    // Letters and digits typed anywhere in the window open the search.
    vriConfigurators->installEventFilter(this);
    btnAendern->installEventFilter(this);
    btnClose->installEventFilter(this);
    btnSuche->installEventFilter(this);

    Geschuetzt("TfrmTriveltaMain.FormCreate", [this] { FormCreate(); });
}

TfrmTriveltaMain::~TfrmTriveltaMain() = default;

void TfrmTriveltaMain::FormCreate() {
    SetQLNFormPosStoreMode(2);
    QLNFormInit(QStringLiteral("frmTriveltaMain"), true);
    TQLNProgramm::SetTitle(QStringLiteral("Konfigurations-Center"));
    setWindowTitle(FSchalterF ? QStringLiteral("Konfigurations-Center")
                              : CaptionMitUnternehmensgruppe(QStringLiteral("Konfigurations-Center")));
    pnlHeader->setText(QStringLiteral("Konfigurations-Center"));
    lblBezeichnung->clear();
    memBeschreibung->clear();
    memSchlagwort->clear();
    FXKConfListe.LadeAusRegistry();
    FExternList = TXKKommandozeile::ExternList(FArgs);
    FExternGroup = TXKKommandozeile::ExternGroup(FArgs);
    FillTreeView();
}

void TfrmTriveltaMain::FillTreeView() {
    try {
        FSingleConf.clear();
        vriConfigurators->BeginUpdate();
        vriConfigurators->Rows().Clear();
        vriConfigurators->ClearColumns();
        vriConfigurators->SetHeaderVisible(true);
        vriConfigurators->AddColumn(QStringLiteral("Bezeichnung"), 240);
        vriConfigurators->AddColumn(QStringLiteral("Beschreibung"), 400);
        vriConfigurators->AddColumn(QStringLiteral("Schlagworte"), 100, false);
        vriConfigurators->AddColumn(QStringLiteral("Kurzname"), 100, false);
        const QList<int> zugelassen = FXKConfListe.Filtere(FSchalterF, FExternList, FExternGroup);
        for (const int i : zugelassen) {
            const TXKKatalogEintrag& e = FXKConfListe.Eintraege()[i];
            vriConfigurators->Rows().AddRow({e.Caption, e.Beschreibung, e.Schlagworte, e.Id});
        }
        FSingleConf = FXKConfListe.SingleConf();
        vriConfigurators->EndUpdate();
        vriConfigurators->SortByColumn(CSpalteBezeichnung, Qt::AscendingOrder);
        vriConfigurators->setFocus();
        vriConfigurators->SelectFirstVisibleRow();
    } catch (const std::exception& e) {
        vriConfigurators->EndUpdate();
        TQLNInfo::RegisterException(QStringLiteral("TfrmTriveltaMain.FillTreeView"), e, true);
    }
}

void TfrmTriveltaMain::ShowDetails(const TVRRow* row) {
    Geschuetzt("TfrmTriveltaMain.ShowDetails", [&] {
        if (!row) return;
        const int i = FXKConfListe.GetConfiguratorIndexByName(row->Text(CSpalteKurzname).trimmed());
        if (i < 0) return;
        const TXKKatalogEintrag& e = FXKConfListe.Eintraege()[i];
        lblBezeichnung->setText(e.Caption);
        memBeschreibung->setPlainText(e.Beschreibung);
        memSchlagwort->setPlainText(e.Schlagworte);
    });
}

void TfrmTriveltaMain::TextSearch(const QString& startText) {
    // The search field's and button's handlers are off while the search runs.
    const QSignalBlocker sperreFeld(edtSuche);
    const QSignalBlocker sperreKnopf(btnSuche);
    edtSuche->clear();
    TACSourceVTCustom source(*vriConfigurators, 0, false, false);
    TAutoCompleteDlg dlg(source, startText, 128, -1, -1, 350, 350, -1, this);
    dlg.ACDlg_CompleteSelected = [&](const QList<void*>& daten) {
        if (daten.isEmpty() || !daten.first()) return;
        auto* row = static_cast<TVRRow*>(daten.first());
        vriConfigurators->clearSelection();
        vriConfigurators->setFocus();
        vriConfigurators->SelectRow(row);
    };
    dlg.ShowModal();
}

void TfrmTriveltaMain::edtSucheChange() {
    Aktion(QStringLiteral("TfrmTriveltaMain.edtSucheChange"), [this] { TextSearch(edtSuche->text()); });
}

void TfrmTriveltaMain::btnSucheClick() {
    Aktion(QStringLiteral("TfrmTriveltaMain.btnSucheClick"), [this] { TextSearch(edtSuche->text()); });
}

bool TfrmTriveltaMain::ZeichenTaste(QKeyEvent* e) {
    if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    const QString t = e->text();
    if (t.size() != 1) return false;
    const char16_t c = t[0].unicode();
    const bool ok = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
    if (!ok) return false;
    Aktion(QStringLiteral("TfrmTriveltaMain.FormKeyPress"), [&] { TextSearch(t); });
    return true;  // consumed, also when the guard refused
}

bool TfrmTriveltaMain::eventFilter(QObject* o, QEvent* e) {
    if (e->type() == QEvent::KeyPress && ZeichenTaste(static_cast<QKeyEvent*>(e))) return true;
    return TQLNForm::eventFilter(o, e);
}

void TfrmTriveltaMain::keyPressEvent(QKeyEvent* e) {
    if (ZeichenTaste(e)) return;
    TQLNForm::keyPressEvent(e);
}

void TfrmTriveltaMain::showEvent(QShowEvent* e) {
    TQLNForm::showEvent(e);
    vriConfigurators->setFocus();
}

void TfrmTriveltaMain::StarteZeile(TVRRow* row, const QString& kontext) {
    Aktion(kontext, [&] {
        if (!row) return;
        const QString id = row->Text(CSpalteKurzname).trimmed();
        if (id.isEmpty()) return;
        const int i = FXKConfListe.GetConfiguratorIndexByName(id);
        if (i >= 0) XKConfiguratorStart(i);
    });
}

void TfrmTriveltaMain::btnAendernClick() {
    const QList<TVRRow*> sel = vriConfigurators->SelectedRows();
    StarteZeile(sel.isEmpty() ? nullptr : sel.first(), QStringLiteral("TfrmTriveltaMain.btnAendernClick"));
}

void TfrmTriveltaMain::vriConfiguratorsDblClick(TVRRow* row) {
    StarteZeile(row, QStringLiteral("TfrmTriveltaMain.vriConfiguratorsDblClick"));
}

void TfrmTriveltaMain::StartSingleConfig() {
    try {
        if (FSingleConf.isEmpty()) return;
        const int i = FXKConfListe.GetConfiguratorIndexByName(FSingleConf);
        if (i >= 0) XKConfiguratorStart(i);
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TfrmTriveltaMain.StartSingleConfig"), e, true);
    }
}

void TfrmTriveltaMain::XKConfiguratorStart(int index) {
    const TXKKatalogEintrag e = FXKConfListe.Eintraege().at(index);
    TXKConfiguratorPtr conf = e.Klasse->Create();
    if (!e.Klasse->RechtFuerKonfigVorhanden()) return;
    const bool zentraleAusblenden = FSingleConf.isEmpty();
    if (zentraleAusblenden) {
        setEnabled(false);
        hide();
    }
    try {
        conf->Init();
        conf->Execute_Start();
        conf->Execute(e.Id);
        conf->Execute_End();
    } catch (const std::exception& ex) {
        TQLNInfo::RegisterException(QStringLiteral("TfrmTriveltaMain.XKConfiguratorStart"), ex, true);
    }
    try {
        conf->Done();
    } catch (const std::exception& ex) {
        TQLNInfo::RegisterException(QStringLiteral("TfrmTriveltaMain.XKConfiguratorStart.Done"), ex, true);
    }
    if (zentraleAusblenden) {
        setEnabled(true);
        show();
    }
}
