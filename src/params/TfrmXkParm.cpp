#include "TfrmXkParm.h"

#include "TXKParmConfigurator.h"
#include "TXKParmListe.h"
#include "TfrmXKParmEdt.h"
#include "host/Exception.h"
#include "host/TParameter.h"
#include "host/TQLNInfo.h"
#include "host/TQLNProgramm.h"
#include "host/TQLN_Parm_Katalog.h"
#include "host/ui/TAutoCompleteDlg.h"
#include "host/ui/TVTQLNVRList.h"
#include "host/ui/TZEV_VirtualTreePrinter.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

TfrmXkParm::TfrmXkParm(TXKParmConfigurator* conf, const QString& name, const QString& caption, QWidget* parent)
    : TQLNForm(parent), FConf(conf), FCaption(caption) {
    SetQLNFormPosStoreMode(2);
    setWindowTitle(TXKParmConfigurator::FensterCaption(caption));
    auto* lay = new QVBoxLayout(this);
    vriParm = new TVTQLNVRList(this);
    vriParm->setObjectName(QStringLiteral("vriParm"));
    lay->addWidget(vriParm, 1);
    prbFuellen = new QProgressBar(this);
    prbFuellen->setObjectName(QStringLiteral("prbFuellen"));
    prbFuellen->setRange(1, 100);
    prbFuellen->setFormat(QStringLiteral("Parameter werden gelesen ..."));
    prbFuellen->hide();
    lay->addWidget(prbFuellen);

    auto* knoepfe = new QHBoxLayout;
    const auto knopf = [&](const QString& text, const char* name) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        knoepfe->addWidget(b);
        b->installEventFilter(this);
        return b;
    };
    btnAendern = knopf(QStringLiteral("Ändern"), "btnAendern");
    btnAendern->setDefault(true);
    btnSuche = knopf(QStringLiteral("Suchen (F3)"), "btnSuche");
    btnDrucken = knopf(QStringLiteral("Drucken"), "btnDrucken");
    knoepfe->addStretch();
    btnAbbrechen = knopf(QStringLiteral("Abbrechen (Esc)"), "btnAbbrechen");
    lay->addLayout(knoepfe);

    connect(btnAendern, &QPushButton::clicked, this, &TfrmXkParm::btnAendernClick);
    connect(btnSuche, &QPushButton::clicked, this, &TfrmXkParm::btnSucheClick);
    connect(btnDrucken, &QPushButton::clicked, this, &TfrmXkParm::btnDruckenClick);
    connect(btnAbbrechen, &QPushButton::clicked, this, &QDialog::reject);
    connect(new QShortcut(QKeySequence(Qt::Key_F3), this), &QShortcut::activated, this, &TfrmXkParm::btnSucheClick);
    connect(vriParm, &TVTQLNVRList::RowActivated, this, &TfrmXkParm::vriParmDblClick);
    vriParm->installEventFilter(this);
    resize(900, 560);
    QLNFormInit(name, true);
}

TfrmXkParm::~TfrmXkParm() = default;

void TfrmXkParm::showEvent(QShowEvent* e) {
    TQLNForm::showEvent(e);
    if (FGezeigt) return;
    FGezeigt = true;
    FillGrid();
}

void TfrmXkParm::KnoepfeAn(bool an) {
    for (QPushButton* b : {btnAendern, btnSuche, btnDrucken}) b->setEnabled(an);
}

void TfrmXkParm::FillGrid() {
    const TQLNWorkGuard guard(this, QStringLiteral("TfrmXkParm.FillGrid"), 5);
    if (!guard) return;
    vriParm->hide();
    prbFuellen->setValue(1);
    prbFuellen->show();
    KnoepfeAn(false);
    try {
        if (!FConf) TQLNInfo::FehlerRaise(QStringLiteral("TfrmXkParm.FillGrid"), QStringLiteral("Configurator not assigned!"));
        vriParm->BeginUpdate();
        vriParm->Clear();
        vriParm->SetHeaderVisible(true);
        FConf->FParmBezInd = vriParm->AddColumn(QStringLiteral("Bezeichnung"), 280);
        FConf->FParmInhInd = vriParm->AddColumn(QStringLiteral("Wert"), 110);
        FConf->FParmHilfeInd = vriParm->AddColumn(QStringLiteral("Beschreibung"), 360);
        FConf->FParmKennInd = vriParm->AddColumn(QStringLiteral("Kennung"), 90);
        FConf->FParmGruInd = vriParm->AddColumn(QStringLiteral("Gruppe"), 170);
        FConf->FParmGruKInd = vriParm->AddColumn(QStringLiteral("Gruppenkennung"), 110);
        vriParm->EndUpdate();
        const std::unique_ptr<TQLN_Parm_Menu> menu = TQLN_Parm_Katalog::Menu_Create(
            TXKParmConfigurator::MenuName(FConf->FKurzname), TXKParmConfigurator::ListenRTypen());
        if (!menu)
            throw Exception(
                QStringLiteral("Die Parametergruppe \"%1\" gibt es im Parameterkatalog nicht.").arg(FConf->FKurzname));
        int schritt = 1;
        const QList<TXKParmListItem> items = TXKParmListe::Lies(*menu, [&] {
            schritt = schritt >= 100 ? 1 : schritt + 1;
            prbFuellen->setValue(schritt);
            QLNInfoProcessMessages(300);
        });
        vriParm->BeginUpdate();
        vriParm->Rows().Reserve(int(items.size()));
        for (const TXKParmListItem& p : items) {
            QList<QVariant> zellen(6);
            zellen[FConf->FParmBezInd] = p.Name;
            zellen[FConf->FParmInhInd] = p.Inhalt;
            zellen[FConf->FParmHilfeInd] = p.Kurzhilfe;
            zellen[FConf->FParmKennInd] = p.Kennung;
            zellen[FConf->FParmGruInd] = p.GruppenName;
            zellen[FConf->FParmGruKInd] = p.GruppenKennung;
            vriParm->Rows().AddRow(zellen);
        }
        vriParm->EndUpdate();
        vriParm->SortByColumn(FConf->FParmBezInd, Qt::AscendingOrder);
        vriParm->SelectFirstVisibleRow();
        FGefuellt = true;
    } catch (const std::exception& e) {
        vriParm->EndUpdate();
        TQLNInfo::RegisterException(QStringLiteral("TfrmXkParm.FillGrid"), e, true);
    }
    prbFuellen->hide();
    vriParm->show();
    vriParm->setFocus();
    KnoepfeAn(FGefuellt);
}

void TfrmXkParm::Aendern(TVRRow* row, const QString& kontext) {
    const TQLNWorkGuard guard(this, kontext, 5);
    if (!guard) return;
    try {
        if (!row || !FConf) return;
        const QString kennung = row->Text(FConf->FParmKennInd).trimmed();
        if (kennung.isEmpty()) return;
        {
            TfrmXKParmEdt dlg(FConf, kennung, row->Text(FConf->FParmBezInd), row->Text(FConf->FParmGruKInd), this);
            dlg.ShowModal();
        }
        row->Cells[FConf->FParmInhInd] = TParameter::GetStringValueByName(kennung);
        vriParm->RefreshRow(row);
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(kontext, e, true);
    }
}

void TfrmXkParm::btnAendernClick() {
    const QList<TVRRow*> sel = vriParm->SelectedRows();
    Aendern(sel.isEmpty() ? nullptr : sel.first(), QStringLiteral("TfrmXkParm.btnAendernClick"));
}

void TfrmXkParm::vriParmDblClick(TVRRow* row) { Aendern(row, QStringLiteral("TfrmXkParm.vriParmDblClick")); }

void TfrmXkParm::TextSearch(const QString& startText) {
    TACSourceVTCustom source(*vriParm, 0, false, false);
    TAutoCompleteDlg dlg(source, startText, 128, -1, -1, 350, 350, -1, this);
    dlg.ACDlg_CompleteSelected = [&](const QList<void*>& daten) {
        if (daten.isEmpty() || !daten.first()) return;
        vriParm->clearSelection();
        vriParm->setFocus();
        vriParm->SelectRow(static_cast<TVRRow*>(daten.first()));
    };
    dlg.ShowModal();
}

void TfrmXkParm::btnSucheClick() {
    const TQLNWorkGuard guard(this, QStringLiteral("TfrmXkParm.btnSucheClick"), 5);
    if (!guard) return;
    try {
        TextSearch(QString());
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TfrmXkParm.btnSucheClick"), e, true);
    }
}

void TfrmXkParm::btnDruckenClick() {
    const TQLNWorkGuard guard(this, QStringLiteral("TfrmXkParm.btnDruckenClick"), 5);
    if (!guard) return;
    try {
        TZEV_VirtualTreePrinter drucker(*vriParm);
        drucker.SetTitel(QStringLiteral("Liste aller Benutzerparameter"));
        drucker.SetOptionen(CVTPrintSeitenbreite);
        if (FCaption != QStringLiteral("Liste aller Benutzerparameter"))
            drucker.AddParameterZeile(QStringLiteral("Auswahl"), FCaption);
        drucker.AddParameterZeile(QStringLiteral("Rechner"),
                                  QStringLiteral("%1 %2").arg(TQLNProgramm::GetRId()).arg(TQLNProgramm::GetRName()));
        drucker.Drucken(this);
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TfrmXkParm.btnDruckenClick"), e, true);
    }
}

bool TfrmXkParm::ZeichenTaste(QKeyEvent* e) {
    if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    const QString t = e->text();
    if (t.size() != 1) return false;
    const char16_t c = t[0].unicode();
    if (!((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9'))) return false;
    const TQLNWorkGuard guard(this, QStringLiteral("TfrmXkParm.FormKeyPress"), 5);
    if (guard) {
        try {
            TextSearch(t);
        } catch (const std::exception& ex) {
            TQLNInfo::RegisterException(QStringLiteral("TfrmXkParm.FormKeyPress"), ex, true);
        }
    }
    return true;  // consumed, also when the guard refused
}

bool TfrmXkParm::eventFilter(QObject* o, QEvent* e) {
    if (e->type() == QEvent::KeyPress && ZeichenTaste(static_cast<QKeyEvent*>(e))) return true;
    return TQLNForm::eventFilter(o, e);
}

void TfrmXkParm::keyPressEvent(QKeyEvent* e) {
    if (ZeichenTaste(e)) return;
    TQLNForm::keyPressEvent(e);
}
