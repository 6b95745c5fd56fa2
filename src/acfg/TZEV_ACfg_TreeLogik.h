#pragma once
// The rules of the configuration tree that are not about widgets: reading the
// cells of a row, which rows are disabled per view mode, which types a
// transfer copies, and what editing a row does per view mode and row kind.
// The tree view and the windows call them; the tests call them directly.
//
// Columns of a row: 0 caption (a computer list in a per-computer row),
// 1 value, 2 description, 3 keywords, 4 type, 5 kind, 6 validity scope.

#include "host/TRVRTab.h"
#include "host/acfg/TZEV_ACfg_Tyco.h"
#include "host/ui/TVRList.h"

#include <QList>
#include <functional>

namespace TZEV_ACfg_Spalte {
constexpr int Bezeichnung = 0;
constexpr int Wert = 1;
constexpr int Beschreibung = 2;
constexpr int Schlagworte = 3;
constexpr int Typ = 4;
constexpr int Art = 5;
constexpr int Gueltigkeitsbereich = 6;
constexpr int Anzahl = 7;
}  // namespace TZEV_ACfg_Spalte

// View modes of the main window.
constexpr int CACfgModus_EinRechner = 1;
constexpr int CACfgModus_Kopieren = 2;
constexpr int CACfgModus_Uebersicht = 3;

class TZEV_ACfg_TreeLogik {
public:
    // Columns 4, 5, 6 as a byte; 0 for no row or an empty cell.
    static TZEV_ACfgType_Erw Typ(const TVRRow* row);
    static quint8 Art(const TVRRow* row);
    static quint8 Gueltigkeitsbereich(const TVRRow* row);
    // Column 0 of a per-computer row read back as computer numbers; throws
    // Exception for a text that is no computer list (a type row's caption).
    static QList<int> RechnerListe(const TVRRow* row);
    // 0 for a top row.
    static int Ebene(const TVRRow* row);
    static TVRRow* Parent(const TVRRow* row);

    // The computer type of the computer; -1 (in no set) for an unknown one.
    static TRTyp_Erw RTypVon(const TRVRTab& rechner, int rnr);

    // Sets Disabled on every row below list for the view mode:
    //  mode 2: a leaf row is enabled when its type may be copied from selRnr;
    //          a row with children when at least one child is enabled;
    //  mode 1: a row is enabled when its type may be edited on selRnr's type;
    //  mode 3 (and anything else): all enabled.
    static void SetDisabledStateNodes(TVRList& list, int modus, int selRnr, const TRVRTab& rechner);

    // The types a transfer from quellRnr copies: every leaf row whose row (or
    // nearest initialised row above it) is checked, sorted, without duplicates,
    // and only types that may be copied from the source: a checked branch
    // takes its enabled members, never a disabled one that was never shown.
    // initialisiert: nullptr counts every row as initialised.
    static QList<TZEV_ACfgType_Erw> GetSelConfigs(const TVRList& list, int quellRnr, const TRVRTab& rechner,
                                                  const std::function<bool(const TVRRow&)>& initialisiert = {});

    // What editing a row does.
    enum class TFolge {
        Nichts,                 // nothing was stored (or nothing to do)
        WertAktualisieren,      // refresh the row's value
        UebersichtNeu,          // rebuild the row's per-computer rows
        UebersichtParentNeu,    // rebuild the parent's per-computer rows
        UebersichtKinderNeu,    // rebuild the per-computer rows of the row's children
    };
    // Edits (or shows read-only) the row's configuration: modes 1 and 2 for
    // selRnr; mode 3 by the row's kind. Reports failures; returns what to refresh.
    static TFolge KonfigBearbeitung(const TVRRow& row, int modus, int selRnr, const TRVRTab& rechner);

    // The background of a row: even rows in host colour 121, a shade darker
    // per level; odd rows keep the normal background (invalid colour).
    static QColor ZeilenFarbe(const TVRRow& row);
};
