#include "TZEV_ACfg_UebertragungFrm.h"

#include "TZEV_ACfg_TreeView.h"
#include "TZEV_RechnerAuswahlView.h"
#include "TZEV_RechnerCombobox.h"
#include "host/TQLNInfo.h"
#include "host/acfg/TZEV_ACfgEditFrm.h"
#include "host/acfg/TZEV_ACfg_EditierungsProvider.h"
#include "host/acfg/TZEV_ACfg_Registry.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>
#include <algorithm>

namespace {
QString Ctx(const char* op) { return QStringLiteral("TZEV_ACfg_UebertragungFrm.") + QLatin1String(op); }
const QString CTitel = QStringLiteral("Übertragung von Einstellungen auf andere Rechner");
}  // namespace

TZEV_ACfg_UebertragungFrm::TZEV_ACfg_UebertragungFrm(QWidget* parent) : TQLNForm(parent) {
    setObjectName(QStringLiteral("TZEV_ACfg_UebertragungFrm"));
    SetQLNFormPosStoreMode(2);
    setWindowTitle(CTitel);
    auto* haupt = new QVBoxLayout(this);
    auto* ueberschrift = new QLabel(CTitel, this);
    QFont f = ueberschrift->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.3);
    ueberschrift->setFont(f);
    haupt->addWidget(ueberschrift);

    lblErklaerungQuellrechner = new QLabel(
        QStringLiteral("Die Einstellungen des folgenden Rechner werden auf die unten ausgewählten Rechner übertragen:"), this);
    lblErklaerungQuellrechner->setWordWrap(true);
    haupt->addWidget(lblErklaerungQuellrechner);
    auto* quelle = new QHBoxLayout;
    alblQuellrechner = new QLabel(QStringLiteral("Quellrechner:"), this);
    cmbQuellrechner = new TZEV_RechnerCombobox(this);
    cmbQuellrechner->setObjectName(QStringLiteral("cmbQuellrechner"));
    cmbQuellrechner->setEnabled(false);  // the source is the main window's computer
    quelle->addWidget(alblQuellrechner);
    quelle->addWidget(cmbQuellrechner);
    quelle->addStretch(1);
    haupt->addLayout(quelle);

    auto* mitte = new QHBoxLayout;
    auto* links = new QVBoxLayout;
    lblErklaerungZielrechner = new QLabel(
        QStringLiteral("Geben Sie die Rechner an auf die die Einstellungen übertragen werden sollen:"), this);
    lblErklaerungZielrechner->setWordWrap(true);
    RechnerAuswahlView = new TZEV_RechnerAuswahlView(this);
    RechnerAuswahlView->setObjectName(QStringLiteral("RechnerAuswahlView"));
    links->addWidget(lblErklaerungZielrechner);
    links->addWidget(RechnerAuswahlView, 1);
    auto* rechts = new QVBoxLayout;
    lblErklaerungCfgsToTransfer =
        new QLabel(QStringLiteral("Die folgenden Einstellungen haben Sie zur Übertragung ausgewählt:"), this);
    lblErklaerungCfgsToTransfer->setWordWrap(true);
    vtCfgsToTransfer = new TZEV_ACfg_TreeView(this);
    vtCfgsToTransfer->setObjectName(QStringLiteral("vtCfgsToTransfer"));
    btnDetailsCfgsToTransfer = new QPushButton(QStringLiteral("Details"), this);
    btnDetailsCfgsToTransfer->setObjectName(QStringLiteral("btnDetailsCfgsToTransfer"));
    btnDetailsCfgsToTransfer->setAutoDefault(false);
    rechts->addWidget(lblErklaerungCfgsToTransfer);
    rechts->addWidget(vtCfgsToTransfer, 1);
    rechts->addWidget(btnDetailsCfgsToTransfer, 0, Qt::AlignLeft);
    mitte->addLayout(links, 1);
    mitte->addLayout(rechts, 2);
    haupt->addLayout(mitte, 1);

    auto* unten = new QHBoxLayout;
    unten->addStretch(1);
    btnZurueck = new QPushButton(QStringLiteral("&Zurück"), this);
    btnZurueck->setObjectName(QStringLiteral("btnZurueck"));
    btnZurueck->setAutoDefault(false);
    btnWeiter = new QPushButton(QStringLiteral("&Weiter"), this);
    btnWeiter->setObjectName(QStringLiteral("btnWeiter"));
    btnWeiter->setDefault(true);
    unten->addWidget(btnZurueck);
    unten->addWidget(btnWeiter);
    haupt->addLayout(unten);

    connect(btnZurueck, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnWeiter, &QPushButton::clicked, this, [this] { btnWeiterClick(); });
    connect(btnDetailsCfgsToTransfer, &QPushButton::clicked, this, [this] { btnDetailsCfgsToTransferClick(); });
    connect(vtCfgsToTransfer, &TVTQLNVRList::RowSelected, this,
            [this](TVRRow* r) { vtCfgsToTransferSelectionChanged(r); });
    connect(vtCfgsToTransfer, &TZEV_ACfg_TreeView::LangeArbeit, this, [this](bool beginnt) {
        if (beginnt)
            ShowProgressView();
        else
            HideProgressView();
    });

    resize(900, 560);
    QLNFormInit(QStringLiteral("frmACfgUebertragung"), true);
    cmbQuellrechner->Laden();
    RechnerAuswahlView->Laden();
}

TZEV_ACfg_UebertragungFrm::~TZEV_ACfg_UebertragungFrm() {
    try {
        FACfGEditFrm.reset();
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(Ctx("Destroy"), e, false);
    }
    TQLNInfo::FehlerTerminate(Ctx("Destroy"));
}

void TZEV_ACfg_UebertragungFrm::QuellRechner_Set(int rnr) {
    cmbQuellrechner->RNr_Set(rnr);
    RechnerAuswahlView->IgnoreRnr_Set(rnr);
    FQuellRechner = rnr;
}

QList<int> TZEV_ACfg_UebertragungFrm::SelectedRechner_Get() const { return RechnerAuswahlView->SelRNr_Get(); }

void TZEV_ACfg_UebertragungFrm::showEvent(QShowEvent* e) {
    TQLNForm::showEvent(e);
    FormShow();
}

void TZEV_ACfg_UebertragungFrm::hideEvent(QHideEvent* e) {
    // The read-only window closes with the dialog.
    if (FACfGEditFrm && FACfGEditFrm->isVisible()) FACfGEditFrm->close();
    TQLNForm::hideEvent(e);
}

void TZEV_ACfg_UebertragungFrm::FormShow() {
    if (FGezeigt) return;
    FGezeigt = true;
    try {
        vtCfgsToTransfer->SelRnr_Set(FQuellRechner);
        vtCfgsToTransfer->ACfgTyp_Set(0);
        std::sort(FCfgsToTransfer.begin(), FCfgsToTransfer.end());
        // Children before parents: a leaf shows when its type was chosen, a
        // row above hides when every row below it is hidden.
        std::function<bool(TVRList&)> filter = [&](TVRList& list) {
            bool sichtbar = false;
            for (int i = list.Count() - 1; i >= 0; --i) {
                TVRRow& r = list.Row(i);
                bool zeigen;
                if (r.HasChildren())
                    zeigen = filter(*r.Children);
                else
                    zeigen = std::binary_search(FCfgsToTransfer.begin(), FCfgsToTransfer.end(),
                                                TZEV_ACfg_TreeView::GetACfgType_4_Node(&r));
                vtCfgsToTransfer->SetRowVersteckt(r, !zeigen);
                sichtbar = sichtbar || zeigen;
            }
            return sichtbar;
        };
        filter(vtCfgsToTransfer->Rows());
        ShowProgressView();
        vtCfgsToTransfer->expandAll();
        HideProgressView();
        for (TVRRow* r : vtCfgsToTransfer->AlleZeilen())
            if (!vtCfgsToTransfer->RowVersteckt(*r) && !r->HasChildren()) {
                vtCfgsToTransfer->SelectRow(r);
                break;
            }
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(Ctx("FormShow"), e, true);
    }
}

void TZEV_ACfg_UebertragungFrm::ZeigeDetails(TVRRow* row) {
    if (!FACfGEditFrm) FACfGEditFrm = std::make_unique<TZEV_ACfgEditFrm>(true, this);
    TZEV_ACfg_EditierungsProvider::Execute_KonfigAnzeige(TZEV_ACfg_TreeView::GetACfgType_4_Node(row), FQuellRechner,
                                                         FACfGEditFrm.get());
    FACfGEditFrm->show();
    FACfGEditFrm->raise();
}

void TZEV_ACfg_UebertragungFrm::btnDetailsCfgsToTransferClick() {
    Aktion(Ctx("btnDetailsCfgsToTransferClick"), [this] {
        TVRRow* row = vtCfgsToTransfer->FocusedRow();
        if (!row || TZEV_ACfg_TreeView::GetACfgArt_4_Node(row) != acfgArtKonfiguration) return;
        ZeigeDetails(row);
    });
}

void TZEV_ACfg_UebertragungFrm::vtCfgsToTransferSelectionChanged(TVRRow* row) {
    try {
        if (!FACfGEditFrm || !FACfGEditFrm->isVisible() || !row) return;
        if (TZEV_ACfg_TreeView::GetACfgArt_4_Node(row) == acfgArtKonfiguration)
            ZeigeDetails(row);
        else
            FACfGEditFrm->hide();
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(Ctx("vtCfgsToTransferSelectionChanged"), e, true);
    }
}

void TZEV_ACfg_UebertragungFrm::btnWeiterClick() {
    Aktion(Ctx("btnWeiterClick"), [this] {
        if (SelectedRechner_Get().isEmpty()) {
            TQLNInfo::ShowMeldung(mkHinweis, {}, QStringLiteral("ACFG"), 1012);
            return;
        }
        if (TQLNInfo::ShowMeldung(mkJaNein, {}, QStringLiteral("ACFG"), 1013) == mrJa) done(1);
    });
}

void TZEV_ACfg_UebertragungFrm::ShowProgressView() {
    if (FProgressCount++ > 0) return;
    ProgressShow(QStringLiteral("Einstellungen werden geladen\nBitte haben Sie einen Moment Geduld"));
}

void TZEV_ACfg_UebertragungFrm::HideProgressView() {
    if (FProgressCount == 0 || --FProgressCount > 0) return;
    ProgressHide();
}
