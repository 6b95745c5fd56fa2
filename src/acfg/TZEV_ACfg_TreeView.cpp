#include "TZEV_ACfg_TreeView.h"

#include "TZEV_ACfgMainTree_TreeNodeViewer_Base.h"
#include "host/TQLNInfo.h"
#include "host/acfg/TZEV_ACfg_RegInfoProvider.h"
#include "host/acfg/TZEV_Glob_ACfgTreeProvider.h"
#include "host/acfg/TZEV_Glob_ACfg_Controller.h"
#include "host/ui/TAutoCompleteDlg.h"

#include <QStyledItemDelegate>

namespace {
QString Ctx(const char* op) { return QStringLiteral("TZEV_ACfg_TreeView.") + QLatin1String(op); }

// Even rows in the host's row colour, a shade darker per level.
class TZeilenFarbenDelegate : public QStyledItemDelegate {
public:
    explicit TZeilenFarbenDelegate(TVTQLNVRList& grid) : QStyledItemDelegate(&grid), FGrid(grid) {}

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        const TVRRow* r = FGrid.Model().RowOf(index);
        if (!r || r->Disabled) return;
        const QColor c = TZEV_ACfg_TreeLogik::ZeilenFarbe(*r);
        if (c.isValid()) option->backgroundBrush = c;
    }

private:
    TVTQLNVRList& FGrid;
};

// Caption, description and keywords of every row, opened or not.
class TACfgSuchQuelle : public TACSource {
public:
    explicit TACfgSuchQuelle(TZEV_ACfg_TreeView& tree) : FTree(tree) {}
    QList<TACVorschlag> Vorschlaege(const QString& text) const override {
        QList<std::pair<int, TACVorschlag>> treffer;
        for (TVRRow* r : FTree.AlleZeilen()) {
            // Disabled rows are found as well: a heading is disabled in view 1.
            if (FTree.RowVersteckt(*r)) continue;
            const QStringList texte = {r->Text(TZEV_ACfg_Spalte::Bezeichnung), r->Text(TZEV_ACfg_Spalte::Beschreibung),
                                       r->Text(TZEV_ACfg_Spalte::Schlagworte)};
            const int rang = TACRang(texte, text);
            if (rang >= 0) treffer.append({rang, {texte[0], {}, r}});
        }
        std::stable_sort(treffer.begin(), treffer.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
        QList<TACVorschlag> out;
        for (const auto& t : treffer) out.append(t.second);
        return out;
    }

private:
    TZEV_ACfg_TreeView& FTree;
};
}  // namespace

TZEV_ACfg_TreeView::TZEV_ACfg_TreeView(QWidget* parent) : TVTQLNVRList(parent) {
    SetOddRowColor(false);
    setItemDelegate(new TZeilenFarbenDelegate(*this));
    connect(this, &TVTQLNVRList::RowCheckChanged, this, [this](TVRRow* r) { OnRowCheckChanged(r); });
}

TZEV_ACfg_TreeView::~TZEV_ACfg_TreeView() = default;

const TRVRTab& TZEV_ACfg_TreeView::Rechner() {
    if (!FRechner) FRechner = std::make_unique<TRVRTab>();
    return *FRechner;
}

void TZEV_ACfg_TreeView::RechnerNeuLaden() { FRechner.reset(); }

void TZEV_ACfg_TreeView::ZeilenWalk(TVRList& list, const std::function<void(TVRRow&)>& f) {
    for (int i = 0; i < list.Count(); ++i) {
        TVRRow& r = list.Row(i);
        f(r);
        if (r.HasChildren()) ZeilenWalk(*r.Children, f);
    }
}

QList<TVRRow*> TZEV_ACfg_TreeView::AlleZeilen() {
    QList<TVRRow*> out;
    ZeilenWalk(Rows(), [&](TVRRow& r) { out.append(&r); });
    return out;
}

TVRRow* TZEV_ACfg_TreeView::RowOfTyp(TZEV_ACfgType_Erw typ) {
    for (TVRRow* r : AlleZeilen())
        if (GetACfgType_4_Node(r) == typ) return r;
    return nullptr;
}

void TZEV_ACfg_TreeView::Umbau(const std::function<void()>& f) {
    if (FUmbauTiefe > 0) {
        f();
        return;
    }
    QSet<const TVRRow*> offen;
    ZeilenWalk(Rows(), [&](TVRRow& r) {
        if (r.HasChildren() && isExpanded(IndexOfRow(&r))) offen.insert(&r);
    });
    const TVRRow* fokus = FocusedRow();
    ++FUmbauTiefe;
    BeginUpdate();
    try {
        f();
    } catch (...) {
        EndUpdate();
        --FUmbauTiefe;
        throw;
    }
    EndUpdate();
    --FUmbauTiefe;
    bool fokusDa = false;
    ZeilenWalk(Rows(), [&](TVRRow& r) {
        if (&r == fokus) fokusDa = true;
        if (offen.contains(&r)) expand(IndexOfRow(&r));
    });
    for (TVRRow* r : AlleZeilen())
        if (FAufklappen.contains(r)) expandRecursively(IndexOfRow(r));
    FAufklappen.clear();
    VersteckteAnwenden();
    if (fokusDa) setCurrentIndex(IndexOfRow(fokus));
}

void TZEV_ACfg_TreeView::VersteckteAnwenden() {
    if (FVersteckt.isEmpty()) return;
    ZeilenWalk(Rows(), [&](TVRRow& r) {
        if (FVersteckt.contains(&r)) setRowHidden(r.Index(), IndexOfRow(TZEV_ACfg_TreeLogik::Parent(&r)), true);
    });
}

void TZEV_ACfg_TreeView::SetRowVersteckt(TVRRow& row, bool versteckt) {
    if (versteckt)
        FVersteckt.insert(&row);
    else
        FVersteckt.remove(&row);
    setRowHidden(row.Index(), IndexOfRow(TZEV_ACfg_TreeLogik::Parent(&row)), versteckt);
}

void TZEV_ACfg_TreeView::ExpandRow(TVRRow& row, bool ganz) {
    const QModelIndex i = IndexOfRow(&row);
    if (!i.isValid()) return;
    if (ganz)
        expandRecursively(i);
    else
        expand(i);
}

void TZEV_ACfg_TreeView::ACfgTyp_Set(TZEV_ACfgType_Erw root) {
    try {
        Q_EMIT LangeArbeit(true);
        const auto ende = qScopeGuard([this] { Q_EMIT LangeArbeit(false); });
        FRoot = root;
        FVersteckt.clear();
        FAufklappen.clear();
        RechnerNeuLaden();
        std::unique_ptr<TZEV_ACfgTree> tree = FKatalog ? TZEV_Glob_ACfgTreeProvider::GetACfgTree(root, *FKatalog)
                                                       : TZEV_Glob_ACfgTreeProvider::GetACfgTree(root);
        if (!tree) {
            Clear();
            return;
        }
        TZEV_ACfgMainTree_TreeNodeViewer_Base viewer;
        viewer.FillTreeView(tree->Root(), *this, FShowRootNode);
        SetColumnVisible(TZEV_ACfg_Spalte::Wert, FSelRnr > 0);
        const bool check = Checkboxes();
        Umbau([&] { ZeilenWalk(Rows(), [&](TVRRow& r) { InitNode(r, check); }); });
        SelectFirstVisibleRow();
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(Ctx("ACfgTyp_Set"), e, true);
    }
}

void TZEV_ACfg_TreeView::InitNode(TVRRow& row, bool checkMode) {
    row.Checkable = checkMode && GetACfgType_4_Node(&row) != 0;
    const TVRRow* parent = TZEV_ACfg_TreeLogik::Parent(&row);
    // A new row below a checked row starts checked, unless it is disabled.
    row.Check = row.Checkable && parent && parent->Check == Qt::Checked && !row.Disabled ? Qt::Checked : Qt::Unchecked;
    if (FSelRnr > 0 && GetACfgType_4_Node(&row) != 0) {
        UpdateValueForNode(row);
        if (FUebersicht) AddRechnerUebersichtForNode(row);
    }
}

void TZEV_ACfg_TreeView::SelRnr_Set(int rnr) {
    if (rnr == FSelRnr) return;
    try {
        FSelRnr = rnr;
        SetColumnVisible(TZEV_ACfg_Spalte::Wert, rnr > 0);
        if (rnr > 0 && !FUebersicht) UpdateValues();
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(Ctx("SelRnr_Set"), e, true);
    }
}

void TZEV_ACfg_TreeView::UebersichtAlleRechnerEinblenden_Set(bool an) {
    if (an == FUebersicht) return;
    try {
        if (!an) {
            RemoveRechnerUebersichten();
        } else if (FSelRnr > 0) {
            RechnerNeuLaden();
            FUebersicht = true;
            AddRechnerUebersichten();
        }
        FUebersicht = an;
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(Ctx("UebersichtAlleRechnerEinblenden_Set"), e, true);
    }
}

void TZEV_ACfg_TreeView::UpdateValueForNode(TVRRow& row) {
    const TZEV_ACfgType_Erw typ = GetACfgType_4_Node(&row);
    if (typ == 0) return;
    try {
        QString text;
        std::unique_ptr<TZEV_ACfgData_Base> konfig;
        if (FSelRnr > 0 &&
            TZEV_ACfg_RegInfoProvider::SichtbarAufRTyp(typ, TZEV_ACfg_TreeLogik::RTypVon(Rechner(), FSelRnr)) &&
            TZEV_Glob_ACfg_Controller::GetKonfigForACfgType(typ, FSelRnr, konfig) && konfig)
            text = konfig->WertText();
        while (row.Cells.size() < TZEV_ACfg_Spalte::Anzahl) row.Cells.append(QVariant());
        row.Cells[TZEV_ACfg_Spalte::Wert] = text;
        RefreshRow(&row);
        TQLNInfo::QLNInfoProcessMessages(300);
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(Ctx("UpdateValueForNode"), e, true);
    }
}

void TZEV_ACfg_TreeView::AddRechnerUebersichtForNode(TVRRow& row) {
    const TZEV_ACfgType_Erw typ = GetACfgType_4_Node(&row);
    if (typ == 0 || GetACfgArt_4_Node(&row) != acfgArtKonfiguration ||
        GetGueltigkeitsbereich_4_Node(&row) != CACfg_Gueltig_JeRechner)
        return;
    try {
        if (!FHelper) FHelper = std::make_unique<TZEV_ACfg_UebersichtMehrereRechner_Helper>();
        if (!FHelper->SeperateRechner_ByValues(typ, Rechner())) return;
        const auto& gruppen = FHelper->Gruppen();
        Umbau([&] {
            if (gruppen.size() > 1) row.Cells[TZEV_ACfg_Spalte::Wert] = QString();
            int nr = 0;
            for (const TZEV_ACfg_RechnerGruppe& g : gruppen) {
                ++nr;
                QList<QVariant> cells(TZEV_ACfg_Spalte::Anzahl);
                cells[TZEV_ACfg_Spalte::Bezeichnung] = TZEV_ACfg_UebersichtMehrereRechner_Helper::GruppenText(g);
                cells[TZEV_ACfg_Spalte::Wert] = TZEV_ACfg_UebersichtMehrereRechner_Helper::GruppenWert(g, nr);
                row.ChildList().AddRow(cells);
            }
            FAufklappen.insert(&row);
        });
        FHelper->Leeren();
    } catch (const std::exception& e) {
        if (FHelper) FHelper->Leeren();
        TQLNInfo::RegisterException(Ctx("AddRechnerUebersichtForNode"), e, true);
    }
}

namespace {
// Per-computer rows carry no type; type rows below a type stay.
void EntferneRechnerZeilen(TVRRow& row) {
    if (!row.HasChildren()) return;
    for (int i = row.Children->Count() - 1; i >= 0; --i)
        if (TZEV_ACfg_TreeLogik::Typ(&row.Children->Row(i)) == 0) row.Children->RemoveAt(i);
}
}  // namespace

void TZEV_ACfg_TreeView::UpdateRechnerUebersichtForNode(TVRRow& row) {
    try {
        Umbau([&] {
            EntferneRechnerZeilen(row);
            UpdateValueForNode(row);
            if (FUebersicht) AddRechnerUebersichtForNode(row);
        });
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(Ctx("UpdateRechnerUebersichtForNode"), e, true);
    }
}

void TZEV_ACfg_TreeView::UpdateValues() {
    Q_EMIT LangeArbeit(true);
    for (TVRRow* r : AlleZeilen()) UpdateValueForNode(*r);
    Q_EMIT LangeArbeit(false);
}

void TZEV_ACfg_TreeView::AddRechnerUebersichten() {
    Q_EMIT LangeArbeit(true);
    try {
        Umbau([&] {
            for (TVRRow* r : AlleZeilen()) AddRechnerUebersichtForNode(*r);
        });
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(Ctx("AddRechnerUebersichten"), e, true);
    }
    Q_EMIT LangeArbeit(false);
}

void TZEV_ACfg_TreeView::RemoveRechnerUebersichten() {
    Q_EMIT LangeArbeit(true);
    try {
        Umbau([&] {
            // Type rows only: the computer rows in the list go on the way.
            QList<TVRRow*> typZeilen;
            for (TVRRow* r : AlleZeilen())
                if (GetACfgArt_4_Node(r) == acfgArtKonfiguration) typZeilen.append(r);
            for (TVRRow* r : typZeilen) {
                EntferneRechnerZeilen(*r);
                UpdateValueForNode(*r);
            }
        });
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(Ctx("RemoveRechnerUebersichten"), e, true);
    }
    Q_EMIT LangeArbeit(false);
}

void TZEV_ACfg_TreeView::SetCheckMode(bool an) {
    SetCheckboxes(an);
    setSelectionMode(an ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
}

void TZEV_ACfg_TreeView::ReinitInitalizedNodes() {
    const bool check = Checkboxes();
    ZeilenWalk(Rows(), [&](TVRRow& r) {
        r.Checkable = check && GetACfgType_4_Node(&r) != 0;
        r.Check = Qt::Unchecked;
    });
    viewport()->update();
    Q_EMIT ChecksGeaendert();
}

void TZEV_ACfg_TreeView::SetDisabledStateNodes(int modus) {
    try {
        TZEV_ACfg_TreeLogik::SetDisabledStateNodes(Rows(), modus, FSelRnr, Rechner());
        // A row that became disabled gives up its check.
        ZeilenWalk(Rows(), [&](TVRRow& r) {
            if (r.Disabled) r.Check = Qt::Unchecked;
        });
        ZeilenWalk(Rows(), [&](TVRRow& r) {
            if (!r.HasChildren()) CheckNachOben(&r);
        });
        viewport()->update();
        Q_EMIT ChecksGeaendert();
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(Ctx("SetDisabledStateNodes"), e, true);
    }
}

namespace {
// The state the children of a row give it; Unchecked when none is enabled.
Qt::CheckState AusKindern(const TVRRow& row) {
    bool alle = true, einer = false, aktiv = false;
    for (int i = 0; i < row.Children->Count(); ++i) {
        const TVRRow& k = row.Children->Row(i);
        if (k.Disabled || !k.Checkable) continue;
        aktiv = true;
        alle = alle && k.Check == Qt::Checked;
        einer = einer || k.Check != Qt::Unchecked;
    }
    if (!aktiv) return row.Check == Qt::Checked ? Qt::Checked : Qt::Unchecked;
    return alle ? Qt::Checked : (einer ? Qt::PartiallyChecked : Qt::Unchecked);
}
}  // namespace

void TZEV_ACfg_TreeView::CheckNachUnten(TVRRow& row, Qt::CheckState state) {
    row.Check = row.Disabled || !row.Checkable ? Qt::Unchecked : state;
    if (row.HasChildren())
        for (int i = 0; i < row.Children->Count(); ++i) CheckNachUnten(row.Children->Row(i), state);
}

void TZEV_ACfg_TreeView::CheckNachOben(TVRRow* row) {
    for (TVRRow* p = TZEV_ACfg_TreeLogik::Parent(row); p; p = TZEV_ACfg_TreeLogik::Parent(p))
        if (!p->Disabled && p->Checkable) p->Check = AusKindern(*p);
}

void TZEV_ACfg_TreeView::SetzeCheck(TVRRow& row, Qt::CheckState state) {
    if (!row.Checkable || row.Disabled) return;
    CheckNachUnten(row, state == Qt::Unchecked ? Qt::Unchecked : Qt::Checked);
    CheckNachOben(&row);
    viewport()->update();
    Q_EMIT ChecksGeaendert();
}

void TZEV_ACfg_TreeView::OnRowCheckChanged(TVRRow* row) {
    if (!row || FCheckLaeuft) return;
    FCheckLaeuft = true;
    Qt::CheckState neu = row->Check;
    // The grid turns a partly checked row into a checked one; here it becomes unchecked.
    if (neu == Qt::Checked && row->HasChildren() && AusKindern(*row) == Qt::PartiallyChecked) neu = Qt::Unchecked;
    SetzeCheck(*row, neu);
    FCheckLaeuft = false;
}

void TZEV_ACfg_TreeView::AlleSetzen(bool an) {
    for (int i = 0; i < Rows().Count(); ++i) {
        TVRRow& r = Rows().Row(i);
        CheckNachUnten(r, an ? Qt::Checked : Qt::Unchecked);
    }
    viewport()->update();
    Q_EMIT ChecksGeaendert();
}

Qt::CheckState TZEV_ACfg_TreeView::GesamtZustand() const {
    bool alle = true, einer = false, aktiv = false;
    for (int i = 0; i < Rows().Count(); ++i) {
        const TVRRow& r = Rows().Row(i);
        if (r.Disabled || !r.Checkable) continue;
        aktiv = true;
        alle = alle && r.Check == Qt::Checked;
        einer = einer || r.Check != Qt::Unchecked;
    }
    if (!aktiv) return Qt::Unchecked;
    return alle ? Qt::Checked : (einer ? Qt::PartiallyChecked : Qt::Unchecked);
}

void TZEV_ACfg_TreeView::TextSearch(const QString& startText) {
    try {
        TACfgSuchQuelle quelle(*this);
        TAutoCompleteDlg dlg(quelle, startText, 128, -1, -1, 350, 350, 0, window());
        TVRRow* gewaehlt = nullptr;
        dlg.ACDlg_CompleteSelected = [&](const QList<void*>& daten) {
            if (!daten.isEmpty()) gewaehlt = static_cast<TVRRow*>(daten.first());
        };
        dlg.ShowModal();
        if (gewaehlt) {
            clearSelection();
            for (TVRRow* p = TZEV_ACfg_TreeLogik::Parent(gewaehlt); p; p = TZEV_ACfg_TreeLogik::Parent(p))
                expand(IndexOfRow(p));
            SelectRow(gewaehlt);
        }
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(Ctx("TextSearch"), e, true);
    }
    setFocus();
}
