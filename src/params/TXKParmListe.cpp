#include "TXKParmListe.h"

#include "TXKParmConfigurator.h"
#include "host/TParameter.h"
#include "host/TQLN_Parm_Katalog.h"

#include <QSet>

namespace TXKParmListe {
QList<TXKParmListItem> Lies(const TQLN_Parm_Menu& menu, const std::function<void()>& nachZeile) {
    QList<TXKParmListItem> out;
    QSet<QString> gesehen;
    const auto nimm = [&](const TQLN_Parm_MenuItem& item, const TQLN_Parm_Menu& gruppe) {
        if (item.Art != pmaParameter || gesehen.contains(item.Name)) return;
        gesehen.insert(item.Name);
        out.append({item.Name, item.Caption, gruppe.Name, gruppe.Caption, TParameter::GetStringValueByName(item.Name),
                    item.Beschreibung});
        if (nachZeile) nachZeile();
    };
    const TQLN_Parm_MenuItem* erstes = menu.GetFirst();
    if (erstes && erstes->Art == pmaGruppe) {
        for (const TQLN_Parm_MenuItem* g = erstes; g; g = menu.GetNext()) {
            if (g->Art != pmaGruppe || !g->Menu || g->Name.compare(CParmGruppeIntern, Qt::CaseInsensitive) == 0) continue;
            for (const TQLN_Parm_MenuItem* p = g->Menu->GetFirst(); p; p = g->Menu->GetNext()) nimm(*p, *g->Menu);
        }
    } else {
        for (const TQLN_Parm_MenuItem* p = erstes; p; p = menu.GetNext()) nimm(*p, menu);
    }
    return out;
}
}  // namespace TXKParmListe
