#include "TfrmACfgMain.h"

#include "TZEV_ACfg_TreeView.h"
#include "TZEV_ACfg_UebertragungFrm.h"
#include "TZEV_RechnerCombobox.h"
#include "TZEV_VTree_CheckNodesBox.h"
#include "host/TQLNInfo.h"
#include "host/TQLNProgramm.h"
#include "host/acfg/TZEV_ACfg_RegInfoProvider.h"
#include "host/acfg/TZEV_Glob_ACfg_Controller.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {
QString Ctx(const char* op) { return QStringLiteral("TfrmACfgMain.") + QLatin1String(op); }
constexpr int CWorkModus = 15;
const QString CGeduld = QStringLiteral("Bitte haben Sie einen Moment Geduld");
}  // namespace

TfrmACfgMain::TfrmACfgMain(QWidget* parent) : TQLNForm(parent) {
    setObjectName(QStringLiteral("frmACfgMain"));
    SetQLNFormPosStoreMode(2);
    auto* haupt = new QVBoxLayout(this);
    lblUeberschrift = new QLabel(this);
    lblUeberschrift->setObjectName(QStringLiteral("lblUeberschrift"));
    QFont f = lblUeberschrift->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.3);
    lblUeberschrift->setFont(f);
    haupt->addWidget(lblUeberschrift);

    auto* oben = new QHBoxLayout;
    CheckNodesBox = new TZEV_VTree_CheckNodesBox(this);
    CheckNodesBox->setObjectName(QStringLiteral("CheckNodesBox"));
    lblAnsicht = new QLabel(QStringLiteral("Ansicht:"), this);
    cmbAnsicht = new QComboBox(this);
    cmbAnsicht->setObjectName(QStringLiteral("cmbAnsicht"));
    lblRechner = new QLabel(QStringLiteral("Rechner: "), this);
    cmbRechner = new TZEV_RechnerCombobox(this);
    cmbRechner->setObjectName(QStringLiteral("cmbRechner"));
    oben->addWidget(CheckNodesBox);
    oben->addSpacing(12);
    oben->addWidget(lblAnsicht);
    oben->addWidget(cmbAnsicht);
    oben->addSpacing(12);
    oben->addWidget(lblRechner);
    oben->addWidget(cmbRechner);
    oben->addStretch(1);
    haupt->addLayout(oben);

    vtKonfig = new TZEV_ACfg_TreeView(this);
    vtKonfig->setObjectName(QStringLiteral("vtKonfig"));
    vtKonfig->installEventFilter(this);
    haupt->addWidget(vtKonfig, 1);
    CheckNodesBox->SetTree(vtKonfig);

    auto* unten = new QHBoxLayout;
    btnSuche = new QPushButton(QStringLiteral("Suche"), this);
    btnBearbeiten = new QPushButton(QStringLiteral("Konfiguration bearbeiten"), this);
    btnTransferSelCfgs = new QPushButton(QStringLiteral("Selektierte Konfigurationen übertragen"), this);
    btnTransferSelCfgs->setToolTip(QStringLiteral("Übertragen sie alle selektierten Konfigurationen auf andere Rechner."));
    btnBeenden = new QPushButton(QStringLiteral("Beenden"), this);
    for (QPushButton* b : {btnSuche, btnBearbeiten, btnTransferSelCfgs, btnBeenden}) b->setAutoDefault(false);
    btnSuche->setObjectName(QStringLiteral("btnSuche"));
    btnBearbeiten->setObjectName(QStringLiteral("btnBearbeiten"));
    btnTransferSelCfgs->setObjectName(QStringLiteral("btnTransferSelCfgs"));
    btnBeenden->setObjectName(QStringLiteral("btnBeenden"));
    unten->addWidget(btnSuche);
    unten->addWidget(btnBearbeiten);
    unten->addWidget(btnTransferSelCfgs);
    unten->addStretch(1);
    unten->addWidget(btnBeenden);
    haupt->addLayout(unten);

    connect(btnBeenden, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnSuche, &QPushButton::clicked, this, [this] { TextSearch(QString()); });
    connect(btnBearbeiten, &QPushButton::clicked, this, [this] { Execute_KonfigBearbeitung(); });
    connect(btnTransferSelCfgs, &QPushButton::clicked, this, [this] { btnTransferSelCfgsClick(); });
    connect(vtKonfig, &TVTQLNVRList::RowActivated, this, [this](TVRRow* r) {
        vtKonfig->SelectRow(r);
        Execute_KonfigBearbeitung();
    });
    connect(vtKonfig, &TZEV_ACfg_TreeView::LangeArbeit, this, [this](bool beginnt) {
        if (beginnt)
            ShowProgressView(false);
        else
            HideProgressView();
    });
    connect(cmbRechner, &QComboBox::currentIndexChanged, this, [this] { cmbRechnerChange(); });
    connect(cmbAnsicht, &QComboBox::currentIndexChanged, this, [this] { cmbAnsichtChange(); });

    resize(900, 600);
    QLNFormInit(QStringLiteral("frmACfgMain"), true);
    cmbRechner->Laden();
}

TfrmACfgMain::~TfrmACfgMain() {
    try {
        const QSignalBlocker b(cmbAnsicht);
        cmbAnsicht->clear();
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(Ctx("Destroy"), e, false);
    }
    TQLNInfo::FehlerTerminate(Ctx("Destroy"));
}

void TfrmACfgMain::ACfgTyp_Set(TZEV_ACfgType_Erw root) {
    try {
        FACfgTyp = root;
        if (root != 0) {
            const QString caption = TZEV_ACfg_RegInfoProvider::GetRegInfo_4_ACfgTYpe(root).Caption;
            lblUeberschrift->setText(QStringLiteral("Konfiguration ") + caption);
            setWindowTitle(CaptionMitUnternehmensgruppe(QStringLiteral("Konfiguration ") + caption));
        } else {
            lblUeberschrift->setText(QStringLiteral("Konfigurationen"));
            setWindowTitle(CaptionMitUnternehmensgruppe(QStringLiteral("Konfigurationen")));
        }
        vtKonfig->SetShowRootNode(FShowRootNode);
        vtKonfig->ACfgTyp_Set(root);
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(Ctx("ACfgTyp_Set"), e, true);
    }
}

void TfrmACfgMain::showEvent(QShowEvent* e) {
    TQLNForm::showEvent(e);
    FormShow();
    vtKonfig->setFocus();
}

void TfrmACfgMain::FormShow() {
    if (FGezeigt) return;
    FGezeigt = true;
    try {
        const QSignalBlocker b1(cmbRechner);
        const QSignalBlocker b2(cmbAnsicht);
        cmbRechner->RNr_Set(TQLNProgramm::GetRId());
        FSelRNr = TQLNProgramm::GetRId();
        vtKonfig->SelRnr_Set(FSelRNr);
        const TRTyp_Erw rtyp = TQLNProgramm::GetRTyp();
        if (rtyp == 1 || rtyp == 7) {
            cmbAnsicht->clear();
            cmbAnsicht->addItem(QStringLiteral("Einstellungen eines Rechners"), CACfgModus_EinRechner);
            cmbAnsicht->addItem(QStringLiteral("Einstellungen auf andere Rechner kopieren"), CACfgModus_Kopieren);
            cmbAnsicht->addItem(QStringLiteral("Übersicht alle Rechner"), CACfgModus_Uebersicht);
            cmbAnsicht->setCurrentIndex(0);
        } else {
            // Such a computer sees and edits only its own values; the computer
            // combo takes the place of the view combo.
            lblAnsicht->hide();
            cmbAnsicht->hide();
            cmbRechner->setEnabled(false);
        }
        MaskenModus_Set(CACfgModus_EinRechner);
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(Ctx("FormShow"), e, true);
    }
}

void TfrmACfgMain::MaskenModus_Set(int modus) {
    if (modus == FMaskenModus) return;
    try {
        FMaskenModus = modus;
        vtKonfig->UebersichtAlleRechnerEinblenden_Set(modus == CACfgModus_Uebersicht);
        btnTransferSelCfgs->setVisible(modus == CACfgModus_Kopieren);
        btnTransferSelCfgs->setEnabled(modus == CACfgModus_Kopieren);
        btnBearbeiten->setVisible(modus == CACfgModus_EinRechner);
        cmbRechner->setVisible(modus != CACfgModus_Uebersicht);
        lblRechner->setVisible(modus != CACfgModus_Uebersicht);
        CheckNodesBox->setVisible(modus == CACfgModus_Kopieren);
        CheckNodesBox->setEnabled(modus == CACfgModus_Kopieren);
        vtKonfig->SetDisabledStateNodes(modus);
        vtKonfig->SetCheckMode(modus == CACfgModus_Kopieren);
        vtKonfig->ReinitInitalizedNodes();
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(Ctx("MaskenModus_Set"), e, true);
    }
}

void TfrmACfgMain::AnsichtAnzeigen(int modus) {
    const QSignalBlocker b(cmbAnsicht);
    const int i = cmbAnsicht->findData(modus);
    if (i >= 0) cmbAnsicht->setCurrentIndex(i);
}

void TfrmACfgMain::Execute_KonfigBearbeitung() {
    Aktion(Ctx("Execute_KonfigBearbeitung"), [this] {
        TVRRow* row = vtKonfig->FocusedRow();
        if (!row) return;
        TVRRow* parent = TZEV_ACfg_TreeLogik::Parent(row);
        switch (TZEV_ACfg_TreeLogik::KonfigBearbeitung(*row, FMaskenModus, FSelRNr, vtKonfig->Rechner())) {
            case TZEV_ACfg_TreeLogik::TFolge::Nichts: break;
            case TZEV_ACfg_TreeLogik::TFolge::WertAktualisieren: vtKonfig->UpdateValueForNode(*row); break;
            case TZEV_ACfg_TreeLogik::TFolge::UebersichtNeu: vtKonfig->UpdateRechnerUebersichtForNode(*row); break;
            case TZEV_ACfg_TreeLogik::TFolge::UebersichtParentNeu:
                if (parent) vtKonfig->UpdateRechnerUebersichtForNode(*parent);
                break;
            case TZEV_ACfg_TreeLogik::TFolge::UebersichtKinderNeu:
                if (row->HasChildren())
                    for (int i = 0; i < row->Children->Count(); ++i) {
                        TVRRow& k = row->Children->Row(i);
                        if (TZEV_ACfg_TreeLogik::Typ(&k) != 0) vtKonfig->UpdateRechnerUebersichtForNode(k);
                    }
                break;
        }
    }, CWorkModus);
}

void TfrmACfgMain::btnTransferSelCfgsClick() {
    Aktion(Ctx("btnTransferSelCfgsClick"), [this] {
        const QList<TZEV_ACfgType_Erw> typen =
            TZEV_ACfg_TreeLogik::GetSelConfigs(vtKonfig->Rows(), FSelRNr, vtKonfig->Rechner());
        if (typen.isEmpty()) {
            TQLNInfo::ShowMeldung(mkHinweis, {}, QStringLiteral("ACFG"), 1011);
            return;
        }
        QList<int> ziele;
        {
            TZEV_ACfg_UebertragungFrm dlg(this);
            dlg.FCfgsToTransfer = typen;
            dlg.QuellRechner_Set(FSelRNr);
            if (dlg.ShowModal() != 1) return;
            ziele = dlg.SelectedRechner_Get();
        }
        ShowProgressView(true);
        const auto ende = qScopeGuard([this] { HideProgressView(); });
        TZEV_Glob_ACfg_Controller::CopyKonfigForACfGTypes(typen, ziele, FSelRNr);
        AnsichtAnzeigen(CACfgModus_EinRechner);
        MaskenModus_Set(CACfgModus_EinRechner);
    }, CWorkModus);
}

void TfrmACfgMain::cmbRechnerChange() {
    const int rnr = cmbRechner->RNr_Get();
    if (rnr == FSelRNr) return;
    const TQLNWorkGuard guard(this, Ctx("cmbRechnerChange"), CWorkModus);
    if (!guard) {
        const QSignalBlocker b(cmbRechner);
        cmbRechner->RNr_Set(FSelRNr);
        return;
    }
    try {
        ShowProgressView(false);
        const auto ende = qScopeGuard([this] { HideProgressView(); });
        FSelRNr = rnr;
        vtKonfig->SelRnr_Set(rnr);
        vtKonfig->SetDisabledStateNodes(FMaskenModus);
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(Ctx("cmbRechnerChange"), e, true);
    }
}

void TfrmACfgMain::cmbAnsichtChange() {
    if (cmbAnsicht->currentIndex() < 0) return;
    const int modus = cmbAnsicht->currentData().toInt();
    const TQLNWorkGuard guard(this, Ctx("cmbAnsichtChange"), CWorkModus);
    if (!guard) {
        AnsichtAnzeigen(FMaskenModus);
        return;
    }
    try {
        ShowProgressView(false);
        const auto ende = qScopeGuard([this] { HideProgressView(); });
        MaskenModus_Set(modus);
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(Ctx("cmbAnsichtChange"), e, true);
    }
}

void TfrmACfgMain::TextSearch(const QString& startText) {
    Aktion(Ctx("TextSearch"), [&] { vtKonfig->TextSearch(startText); }, CWorkModus);
}

void TfrmACfgMain::ShowProgressView(bool uebertragen) {
    if (FProgessCount++ > 0) return;
    vtKonfig->setEnabled(false);
    ProgressShow((uebertragen ? QStringLiteral("Einstellungen werden übertragen")
                              : QStringLiteral("Einstellungen werden geladen")) +
                 QLatin1Char('\n') + CGeduld);
}

void TfrmACfgMain::HideProgressView() {
    if (FProgessCount == 0 || --FProgessCount > 0) return;
    ProgressHide();
    vtKonfig->setEnabled(true);
}

bool TfrmACfgMain::ZeichenTaste(QKeyEvent* e) {
    if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    const QString t = e->text();
    if (t.size() != 1) return false;
    const char16_t c = t[0].unicode();
    if (!((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9'))) return false;
    TextSearch(t);
    return true;  // consumed, also when the guard refused
}

bool TfrmACfgMain::eventFilter(QObject* o, QEvent* e) {
    if (o == vtKonfig && e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
            Execute_KonfigBearbeitung();
            return true;
        }
        if (ZeichenTaste(k)) return true;
    }
    return TQLNForm::eventFilter(o, e);
}

void TfrmACfgMain::keyPressEvent(QKeyEvent* e) {
    switch (e->key()) {
        case Qt::Key_F3: TextSearch(QString()); return;
        case Qt::Key_F4:
            if (btnBearbeiten->isVisible()) Execute_KonfigBearbeitung();
            return;
        default: break;
    }
    if (ZeichenTaste(e)) return;
    TQLNForm::keyPressEvent(e);
}
