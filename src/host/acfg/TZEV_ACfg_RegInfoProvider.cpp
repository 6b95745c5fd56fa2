#include "TZEV_ACfg_RegInfoProvider.h"

#include "host/TQLNInfo.h"
#include "host/TRVRTab.h"

namespace {
bool GueltigerRTyp(TRTyp_Erw rtyp) { return rtyp >= 0 && rtyp <= 7; }
}  // namespace

TZEV_ACfg_RegInfo TZEV_ACfg_RegInfoProvider::GetRegInfo_4_ACfgTYpe(TZEV_ACfgType_Erw typ) {
    TZEV_ACfg_RegInfo info;
    try {
        if (const TZEV_ACfg_TypEintrag* e = TZEV_ACfg_TypKatalog::Standard().Eintrag(typ))
            info = {e->Caption, e->Beschreibung, e->Schlagworte};
        else
            info.Caption = QString::number(typ);
        TZEV_ACfGType_RegData d;
        if (TZEV_ACfg_Registry::GetRegData(typ, d) && d.Art == acfgArtKonfigurator) {
            if (!d.XKTexte.Caption.isEmpty()) info.Caption = d.XKTexte.Caption;
            if (!d.XKTexte.Beschreibung.isEmpty()) info.Beschreibung = d.XKTexte.Beschreibung;
            if (!d.XKTexte.Schlagworte.isEmpty()) info.Schlagworte = d.XKTexte.Schlagworte;
        }
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TZEV_ACfg_RegInfoProvider.GetRegInfo_4_ACfgTYpe"), e, true);
    }
    return info;
}

QString TZEV_ACfg_RegInfoProvider::TypName(TZEV_ACfgType_Erw typ) {
    try {
        return TZEV_ACfg_TypKatalog::Standard().Name(typ);
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TZEV_ACfg_RegInfoProvider.TypName"), e, true);
        return QString::number(typ);
    }
}

bool TZEV_ACfg_RegInfoProvider::SichtbarAufRTyp(TZEV_ACfgType_Erw typ, TRTyp_Erw rtyp) {
    const TZEV_ACfgDataClass* k = TZEV_ACfg_Registry::GetDataClass(typ);
    return k && GueltigerRTyp(rtyp) && k->RTypEnthalten(rtyp);
}

bool TZEV_ACfg_RegInfoProvider::EditierbarAufRTyp(TZEV_ACfgType_Erw typ, TRTyp_Erw rtyp) {
    try {
        if (!GueltigerRTyp(rtyp)) return false;
        TZEV_ACfGType_RegData d;
        if (TZEV_ACfg_Registry::GetRegData(typ, d)) {
            switch (d.Art) {
                case acfgArtKonfiguration: return d.DataClass->RTypEnthalten(rtyp);
                case acfgArtGruppe:
                    for (const TZEV_ACfgType_Erw m : TZEV_ACfg_Registry::GruppenMitglieder(typ))
                        if (TZEV_ACfg_Registry::GetDataClass(m)->RTypEnthalten(rtyp)) return true;
                    return false;
                case acfgArtKonfigurator: {
                    const TZEV_ACfg_XKDienst* dienst = TZEV_ACfg_Registry::XKDienst();
                    return !dienst || TQLNProgramm::RTypInSet(rtyp, dienst->ActiveOnTypes(*d.XKClass));
                }
                case acfgArtKeine: return false;
            }
            return false;
        }
        // A type registered only with its data class is edited in its group's frame.
        if (TZEV_ACfg_Registry::Registrierungen().Typen.contains(typ)) return false;
        const TZEV_ACfgDataClass* k = TZEV_ACfg_Registry::GetDataClass(typ);
        return k && TZEV_ACfg_Registry::GruppeVon(typ) != 0 && k->RTypEnthalten(rtyp);
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TZEV_ACfg_RegInfoProvider.EditierbarAufRTyp"), e, true);
        return false;
    }
}

bool TZEV_ACfg_RegInfoProvider::UebertragbarAufExistingRTyp(TZEV_ACfgType_Erw typ, int quellRnr,
                                                            const TRVRTab& register_) {
    const TZEV_ACfgDataClass* k = TZEV_ACfg_Registry::GetDataClass(typ);
    if (!k || k->Gueltigkeitsbereich() != CACfg_Gueltig_JeRechner) return false;
    const TRVRInfoUmfang* quelle = register_.GetRNrUmfang(quellRnr);
    return quelle && k->RTypEnthalten(quelle->RTyp);
}

bool TZEV_ACfg_RegInfoProvider::UebertragbarAufExistingRTyp(TZEV_ACfgType_Erw typ, int quellRnr) {
    try {
        if (!TZEV_ACfg_Registry::GetDataClass(typ)) return false;  // no need to read the register
        const TRVRTab register_;
        return UebertragbarAufExistingRTyp(typ, quellRnr, register_);
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TZEV_ACfg_RegInfoProvider.UebertragbarAufExistingRTyp"), e, true);
        return false;
    }
}
