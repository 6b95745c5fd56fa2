#include "TZEV_ACfg_UebersichtMehrereRechner_Helper.h"

#include "host/TQLNInfo.h"
#include "host/acfg/TZEV_ACfg_RegInfoProvider.h"
#include "host/acfg/TZEV_ACfg_Registry.h"
#include "host/acfg/TZEV_Glob_ACfg_Controller.h"
#include "host/acfg/TZEV_IntList.h"

#include <algorithm>

void TZEV_ACfg_UebersichtMehrereRechner_Helper::Leeren() {
    FListe_Rechner_2_Value.clear();
    FListe_Rechnerliste_2_Value.clear();
}

bool TZEV_ACfg_UebersichtMehrereRechner_Helper::SeperateRechner_ByValues(TZEV_ACfgType_Erw typ,
                                                                        const TRVRTab& rechner) {
    Leeren();
    TZEV_ACfGType_RegData reg;
    if (!TZEV_ACfg_Registry::GetRegData(typ, reg) || reg.Art != acfgArtKonfiguration || !reg.DataClass ||
        reg.DataClass->Gueltigkeitsbereich() != CACfg_Gueltig_JeRechner)
        return false;
    QList<int> rnrs;
    for (int i = 0; i < rechner.GetUmfangCount(); ++i)
        if (reg.DataClass->RTypEnthalten(rechner.GetUmfang(i).RTyp)) rnrs.append(rechner.GetUmfang(i).RNr);
    if (rnrs.isEmpty()) return false;

    FListe_Rechner_2_Value.reserve(size_t(rnrs.size()));
    for (const int rnr : rnrs) {
        std::unique_ptr<TZEV_ACfgData_Base> konfig;
        if (!TZEV_Glob_ACfg_Controller::GetKonfigForACfgType(typ, rnr, konfig) || !konfig) {
            Leeren();
            TQLNInfo::FehlerRaise(QStringLiteral("TZEV_ACfg_UebersichtMehrereRechner_Helper.SeperateRechner_ByValues"),
                                  QStringLiteral("ACFG"), 1005,
                                  {TZEV_ACfg_RegInfoProvider::TypName(typ), QString::number(rnr)});
        }
        FListe_Rechner_2_Value.emplace_back(rnr, std::move(konfig));
    }

    // Stable, so that equal objects keep register order and the run's first
    // pair is the first such computer of the register.
    std::stable_sort(FListe_Rechner_2_Value.begin(), FListe_Rechner_2_Value.end(),
                     [](const auto& a, const auto& b) { return a.second->Compare(*b.second) < 0; });
    for (size_t i = 0; i < FListe_Rechner_2_Value.size();) {
        size_t j = i + 1;
        while (j < FListe_Rechner_2_Value.size() &&
               FListe_Rechner_2_Value[j].second->Compare(*FListe_Rechner_2_Value[i].second) == 0)
            ++j;
        TZEV_ACfg_RechnerGruppe g;
        for (size_t k = i; k < j; ++k) g.Rnrs.append(FListe_Rechner_2_Value[k].first);
        std::sort(g.Rnrs.begin(), g.Rnrs.end());
        g.Konfig = std::move(FListe_Rechner_2_Value[i].second);
        FListe_Rechnerliste_2_Value.push_back(std::move(g));
        i = j;
    }
    FListe_Rechner_2_Value.clear();  // the objects not kept are equal to their group's
    return true;
}

QString TZEV_ACfg_UebersichtMehrereRechner_Helper::GruppenText(const TZEV_ACfg_RechnerGruppe& g) {
    return TZEV_IntList::IntArray_ToBeschreibenderText(g.Rnrs, QStringLiteral(","));
}

QString TZEV_ACfg_UebersichtMehrereRechner_Helper::GruppenWert(const TZEV_ACfg_RechnerGruppe& g, int nr) {
    const QString wert = g.Konfig ? g.Konfig->WertText() : QString();
    return wert.isEmpty() ? QStringLiteral("[Var%1]").arg(nr) : wert;
}
