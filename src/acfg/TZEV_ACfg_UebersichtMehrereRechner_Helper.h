#pragma once
// Groups the computers of one per-computer configuration type by equal values:
// every computer of the register whose type is in the data class's set, in
// register order, with its object; then sorted by the data objects' total
// order and cut into runs of equal objects. Each group holds its computer
// numbers ascending and the object of the run's first computer.

#include "host/TRVRTab.h"
#include "host/acfg/TZEV_ACfgData_Base.h"

#include <QList>
#include <memory>
#include <utility>
#include <vector>

struct TZEV_ACfg_RechnerGruppe {
    QList<int> Rnrs;
    std::unique_ptr<TZEV_ACfgData_Base> Konfig;
};

class TZEV_ACfg_UebersichtMehrereRechner_Helper {
public:
    // False (nothing grouped) when the type is no kind-1 type of scope 2 or no
    // computer of the register qualifies. A computer whose object cannot be had
    // raises "ACFG" 1005 (type name, computer number); the lists are empty then.
    bool SeperateRechner_ByValues(TZEV_ACfgType_Erw typ, const TRVRTab& rechner);

    const std::vector<TZEV_ACfg_RechnerGruppe>& Gruppen() const { return FListe_Rechnerliste_2_Value; }
    void Leeren();

    // Column 0 and 1 of the per-computer row of group nr (from 1).
    static QString GruppenText(const TZEV_ACfg_RechnerGruppe& g);
    static QString GruppenWert(const TZEV_ACfg_RechnerGruppe& g, int nr);

private:
    std::vector<std::pair<int, std::unique_ptr<TZEV_ACfgData_Base>>> FListe_Rechner_2_Value;
    std::vector<TZEV_ACfg_RechnerGruppe> FListe_Rechnerliste_2_Value;
};
