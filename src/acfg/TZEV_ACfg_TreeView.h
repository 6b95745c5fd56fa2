#pragma once
// The tree grid of configuration types below one root type: caption, value
// for the selected computer, description; hidden columns keywords, type, kind
// and validity scope. In the overview of all computers every per-computer
// type gets one child row per group of computers with equal values. With
// check boxes (view mode 2) checking a row checks its enabled rows below;
// a row above shows whether all, some or none of its rows are checked.
//
// Every row is initialised when the tree is filled: values are loaded for the
// whole tree at once, so a collapsed branch behaves like an open one.

#include "TZEV_ACfg_TreeLogik.h"
#include "TZEV_ACfg_UebersichtMehrereRechner_Helper.h"
#include "host/TRVRTab.h"
#include "host/acfg/TZEV_ACfg_Tyco.h"
#include "host/ui/TVTQLNVRList.h"

#include <QSet>
#include <functional>
#include <memory>

class TZEV_ACfg_TreeView : public TVTQLNVRList {
    Q_OBJECT
public:
    explicit TZEV_ACfg_TreeView(QWidget* parent = nullptr);
    ~TZEV_ACfg_TreeView() override;

    // Fills the rows from the type tree of root; the root is a row only with ShowRootNode.
    void ACfgTyp_Set(TZEV_ACfgType_Erw root);
    TZEV_ACfgType_Erw ACfgTyp() const { return FRoot; }
    void SetShowRootNode(bool an) { FShowRootNode = an; }
    bool ShowRootNode() const { return FShowRootNode; }

    void SelRnr_Set(int rnr);
    int SelRnr() const { return FSelRnr; }
    void UebersichtAlleRechnerEinblenden_Set(bool an);
    bool UebersichtAlleRechnerEinblenden() const { return FUebersicht; }

    void UpdateValueForNode(TVRRow& row);
    void UpdateRechnerUebersichtForNode(TVRRow& row);
    void AddRechnerUebersichtForNode(TVRRow& row);
    void UpdateValues();
    void AddRechnerUebersichten();
    void RemoveRechnerUebersichten();
    // Check boxes on or off; every row starts unchecked again.
    void ReinitInitalizedNodes();
    void SetCheckMode(bool an);
    bool CheckMode() const { return Checkboxes(); }

    // Checks a row as a click does (a partly checked row becomes unchecked)
    // and carries the state to the rows below and above.
    void SetzeCheck(TVRRow& row, Qt::CheckState state);
    // Every enabled row checked or unchecked.
    void AlleSetzen(bool an);
    // Checked, unchecked or partly over the top rows.
    Qt::CheckState GesamtZustand() const;

    // Recomputes Disabled for the view mode and the selected computer.
    void SetDisabledStateNodes(int modus);

    void TextSearch(const QString& startText);

    static TZEV_ACfgType_Erw GetACfgType_4_Node(const TVRRow* row) { return TZEV_ACfg_TreeLogik::Typ(row); }
    static quint8 GetACfgArt_4_Node(const TVRRow* row) { return TZEV_ACfg_TreeLogik::Art(row); }
    static quint8 GetGueltigkeitsbereich_4_Node(const TVRRow* row) { return TZEV_ACfg_TreeLogik::Gueltigkeitsbereich(row); }
    static QList<int> GetRechnerListe_4_Node(const TVRRow* row) { return TZEV_ACfg_TreeLogik::RechnerListe(row); }

    // The first row (depth first) of the type, or nullptr.
    TVRRow* RowOfTyp(TZEV_ACfgType_Erw typ);
    // Every row, depth first.
    QList<TVRRow*> AlleZeilen();
    // Hidden rows (the transfer dialog's filter); kept over rebuilds.
    void SetRowVersteckt(TVRRow& row, bool versteckt);
    bool RowVersteckt(const TVRRow& row) const { return FVersteckt.contains(&row); }
    void ExpandRow(TVRRow& row, bool ganz);

    // The computer register, read when the tree is filled or the overview switched on.
    const TRVRTab& Rechner();
    void RechnerNeuLaden();

    // Seam: the catalogue the tree is read from (nullptr: the host's).
    static void SetTypKatalog(const TZEV_ACfg_TypKatalog* katalog) { FKatalog = katalog; }

Q_SIGNALS:
    // Around long internal work (loading values, building the overview).
    void LangeArbeit(bool beginnt);
    void ChecksGeaendert();

private:
    // Rebuilds the model after f changed rows, keeping open rows and the focus.
    void Umbau(const std::function<void()>& f);
    void ZeilenWalk(TVRList& list, const std::function<void(TVRRow&)>& f);
    void InitNode(TVRRow& row, bool checkMode);
    void CheckNachUnten(TVRRow& row, Qt::CheckState state);
    void CheckNachOben(TVRRow* row);
    void OnRowCheckChanged(TVRRow* row);
    void VersteckteAnwenden();

    TZEV_ACfgType_Erw FRoot = 0;
    int FSelRnr = 0;
    bool FUebersicht = false;
    bool FShowRootNode = false;
    bool FCheckLaeuft = false;
    int FUmbauTiefe = 0;
    std::unique_ptr<TZEV_ACfg_UebersichtMehrereRechner_Helper> FHelper;
    std::unique_ptr<TRVRTab> FRechner;
    QSet<const TVRRow*> FAufklappen;
    QSet<const TVRRow*> FVersteckt;
    inline static const TZEV_ACfg_TypKatalog* FKatalog = nullptr;
};
