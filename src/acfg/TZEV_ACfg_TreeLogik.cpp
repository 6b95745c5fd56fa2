#include "TZEV_ACfg_TreeLogik.h"

#include "host/TQLNInfo.h"
#include "host/acfg/TZEV_ACfg_EditierungsProvider.h"
#include "host/acfg/TZEV_ACfg_RegInfoProvider.h"
#include "host/acfg/TZEV_IntList.h"
#include "host/ui/TQLNForm.h"

#include <algorithm>

namespace {
quint8 Byte(const TVRRow* row, int spalte) {
    if (!row || spalte >= row->Cells.size()) return 0;
    const QVariant& v = row->Cells[spalte];
    return v.isValid() && !v.isNull() ? quint8(v.toInt()) : 0;
}

// Step 1 of editing in modes 1 and 2: edit when the type may be edited on the
// selected computer, otherwise show it read-only.
bool BearbeiteFuerRechner(TZEV_ACfgType_Erw typ, int selRnr, const TRVRTab& rechner, bool pruefen) {
    if (!pruefen || TZEV_ACfg_RegInfoProvider::EditierbarAufRTyp(typ, TZEV_ACfg_TreeLogik::RTypVon(rechner, selRnr)))
        return TZEV_ACfg_EditierungsProvider::Execute_KonfigEditierung(typ, selRnr);
    TZEV_ACfg_EditierungsProvider::Execute_KonfigAnzeige(typ, selRnr, nullptr);
    return false;
}

// Mode 2, children before parents.
bool KopierbarMarkieren(TVRList& list, int selRnr, const TRVRTab& rechner) {
    bool einer = false;
    for (int i = list.Count() - 1; i >= 0; --i) {
        TVRRow& r = list.Row(i);
        if (r.HasChildren())
            r.Disabled = !KopierbarMarkieren(*r.Children, selRnr, rechner);
        else
            r.Disabled = !TZEV_ACfg_RegInfoProvider::UebertragbarAufExistingRTyp(TZEV_ACfg_TreeLogik::Typ(&r), selRnr,
                                                                                rechner);
        einer = einer || !r.Disabled;
    }
    return einer;
}

void AlleSetzen(TVRList& list, const std::function<bool(const TVRRow&)>& gesperrt) {
    for (int i = 0; i < list.Count(); ++i) {
        TVRRow& r = list.Row(i);
        r.Disabled = gesperrt(r);
        if (r.HasChildren()) AlleSetzen(*r.Children, gesperrt);
    }
}

void Sammle(const TVRList& list, QList<TZEV_ACfgType_Erw>& typen,
            const std::function<bool(const TVRRow&)>& initialisiert) {
    for (int i = 0; i < list.Count(); ++i) {
        const TVRRow& r = list.Row(i);
        if (r.HasChildren()) {
            Sammle(*r.Children, typen, initialisiert);
            continue;
        }
        const TVRRow* p = &r;
        while (p && initialisiert && !initialisiert(*p)) p = TZEV_ACfg_TreeLogik::Parent(p);
        if (p && p->Check == Qt::Checked) typen.append(TZEV_ACfg_TreeLogik::Typ(&r));
    }
}
}  // namespace

TZEV_ACfgType_Erw TZEV_ACfg_TreeLogik::Typ(const TVRRow* row) { return Byte(row, TZEV_ACfg_Spalte::Typ); }
quint8 TZEV_ACfg_TreeLogik::Art(const TVRRow* row) { return Byte(row, TZEV_ACfg_Spalte::Art); }
quint8 TZEV_ACfg_TreeLogik::Gueltigkeitsbereich(const TVRRow* row) {
    return Byte(row, TZEV_ACfg_Spalte::Gueltigkeitsbereich);
}

QList<int> TZEV_ACfg_TreeLogik::RechnerListe(const TVRRow* row) {
    if (!row) return {};
    return TZEV_IntList::IntArray_FromBeschreibenderText(row->Text(TZEV_ACfg_Spalte::Bezeichnung),
                                                         QStringLiteral(","));
}

TVRRow* TZEV_ACfg_TreeLogik::Parent(const TVRRow* row) { return row && row->Owner ? row->Owner->ParentRow() : nullptr; }

int TZEV_ACfg_TreeLogik::Ebene(const TVRRow* row) {
    int ebene = 0;
    for (const TVRRow* p = Parent(row); p; p = Parent(p)) ++ebene;
    return ebene;
}

TRTyp_Erw TZEV_ACfg_TreeLogik::RTypVon(const TRVRTab& rechner, int rnr) {
    const TRVRInfoUmfang* u = rechner.GetRNrUmfang(rnr);
    return u ? u->RTyp : -1;
}

void TZEV_ACfg_TreeLogik::SetDisabledStateNodes(TVRList& list, int modus, int selRnr, const TRVRTab& rechner) {
    if (modus == CACfgModus_Kopieren) {
        KopierbarMarkieren(list, selRnr, rechner);
    } else if (modus == CACfgModus_EinRechner) {
        const TRTyp_Erw rtyp = RTypVon(rechner, selRnr);
        AlleSetzen(list, [&](const TVRRow& r) { return !TZEV_ACfg_RegInfoProvider::EditierbarAufRTyp(Typ(&r), rtyp); });
    } else {
        AlleSetzen(list, [](const TVRRow&) { return false; });
    }
}

QList<TZEV_ACfgType_Erw> TZEV_ACfg_TreeLogik::GetSelConfigs(const TVRList& list, int quellRnr, const TRVRTab& rechner,
                                                            const std::function<bool(const TVRRow&)>& initialisiert) {
    QList<TZEV_ACfgType_Erw> typen;
    Sammle(list, typen, initialisiert);
    // A checked branch stands for its members; those that cannot be copied
    // from the source would only be skipped by the store, so they are not offered.
    typen.erase(std::remove_if(typen.begin(), typen.end(),
                               [&](TZEV_ACfgType_Erw t) {
                                   return t == 0 ||
                                          !TZEV_ACfg_RegInfoProvider::UebertragbarAufExistingRTyp(t, quellRnr, rechner);
                               }),
                typen.end());
    std::sort(typen.begin(), typen.end());
    typen.erase(std::unique(typen.begin(), typen.end()), typen.end());
    return typen;
}

TZEV_ACfg_TreeLogik::TFolge TZEV_ACfg_TreeLogik::KonfigBearbeitung(const TVRRow& row, int modus, int selRnr,
                                                                 const TRVRTab& rechner) {
    const TZEV_ACfgType_Erw typ = Typ(&row);
    if (modus == CACfgModus_EinRechner || modus == CACfgModus_Kopieren) {
        // A heading or a type nothing is registered for has nothing to edit or show.
        if (typ == 0 || Art(&row) == 0) return TFolge::Nichts;
        return BearbeiteFuerRechner(typ, selRnr, rechner, true) ? TFolge::WertAktualisieren : TFolge::Nichts;
    }
    if (modus != CACfgModus_Uebersicht) return TFolge::Nichts;
    switch (Art(&row)) {
        case 0: {
            if (typ != 0) return TFolge::Nichts;  // a heading, not a computer row
            const TVRRow* parent = Parent(&row);
            const TZEV_ACfgType_Erw parentTyp = Typ(parent);
            if (!parent || parentTyp == 0) return TFolge::Nichts;
            return TZEV_ACfg_EditierungsProvider::Execute_KonfigEditierung_OneConfig_Rechnerliste(parentTyp,
                                                                                                RechnerListe(&row))
                       ? TFolge::UebersichtParentNeu
                       : TFolge::Nichts;
        }
        case 1: {
            if (Gueltigkeitsbereich(&row) == 1)
                return BearbeiteFuerRechner(typ, selRnr, rechner, false) ? TFolge::WertAktualisieren : TFolge::Nichts;
            QList<QList<int>> listen;
            if (row.HasChildren())
                for (int i = 0; i < row.Children->Count(); ++i)
                    if (Art(&row.Children->Row(i)) == 0 && Typ(&row.Children->Row(i)) == 0)
                        listen.append(RechnerListe(&row.Children->Row(i)));
            if (listen.isEmpty()) {
                // Storing for no computer would store nothing and look like success.
                TQLNInfo::ShowMeldung(mkHinweis,
                                      {QStringLiteral("Für die Konfiguration \"%1\" gibt es keinen Rechner, dessen "
                                                      "Rechnertyp sie hat. Es kann nichts gespeichert werden.")
                                           .arg(row.Text(TZEV_ACfg_Spalte::Bezeichnung))},
                                      QStringLiteral("STANDARD"), 994);
                return TFolge::Nichts;
            }
            return TZEV_ACfg_EditierungsProvider::Execute_KonfigEditierung_OneConfig_MultipleRechnerlisten(typ, listen)
                       ? TFolge::UebersichtNeu
                       : TFolge::Nichts;
        }
        case 2:
            // A group's children are its member types, not computer lists: the
            // group is edited for the selected computer, and its members'
            // per-computer rows are rebuilt.
            return BearbeiteFuerRechner(typ, selRnr, rechner, true) ? TFolge::UebersichtKinderNeu : TFolge::Nichts;
        case 3:
            TZEV_ACfg_EditierungsProvider::Execute_KonfigEditierung(typ, selRnr);
            return TFolge::Nichts;
        default:
            return TFolge::Nichts;
    }
}

QColor TZEV_ACfg_TreeLogik::ZeilenFarbe(const TVRRow& row) {
    if (row.Index() % 2 != 0) return {};
    QColor c = TQLNForm::GetQLNColor(121);
    // 40 per level on a quarter scale: deeper rows a shade darker, still light.
    const int d = 40 * Ebene(&row) / 4;
    c.setRgb(qMax(0, c.red() - d), qMax(0, c.green() - d), qMax(0, c.blue() - d));
    return c;
}
