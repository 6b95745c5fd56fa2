#include "TZEV_ACfg_Registry.h"

#include "host/Exception.h"
#include "host/TQLNInfo.h"

namespace {
std::unique_ptr<TZEV_ACfg_XKDienst>& Dienst() {
    static std::unique_ptr<TZEV_ACfg_XKDienst> dienst;
    return dienst;
}

const TZEV_ACfg_TypKatalog& Katalog() { return TZEV_ACfg_TypKatalog::Standard(); }

void PruefeTyp(TZEV_ACfgType_Erw typ) {
    if (typ == 0 || !Katalog().Enthaelt(typ))
        TQLNInfo::FehlerRaise(QStringLiteral("TZEV_ACfg_Registry"), QStringLiteral("ACFG"), 1030, {QString::number(typ)});
}

void PruefeFrei(TZEV_ACfgType_Erw typ) {
    const auto& reg = TZEV_ACfg_Registry::Registrierungen();
    if (reg.Typen.contains(typ)) {
        const TZEV_ACfGType_RegData& alt = reg.Typen[typ];
        const QString womit = alt.FrameClass ? alt.FrameClass->ClassName() : QStringLiteral("einen Konfigurator");
        TQLNInfo::FehlerRaise(QStringLiteral("TZEV_ACfg_Registry"), QStringLiteral("ACFG"), 1031,
                              {Katalog().Name(typ), QString::number(typ), womit});
    }
}

void PruefeDatenKlasse(TZEV_ACfgType_Erw typ, const TZEV_ACfgDataClass& daten) {
    const auto& reg = TZEV_ACfg_Registry::Registrierungen();
    const TZEV_ACfgDataClass* alt = reg.DatenKlassen.value(typ);
    if (alt && alt != &daten)
        TQLNInfo::FehlerRaise(QStringLiteral("TZEV_ACfg_Registry"), QStringLiteral("ACFG"), 1032,
                              {Katalog().Name(typ), QString::number(typ), alt->ClassName()});
    const auto g = daten.Gueltigkeitsbereich();
    if (g != CACfg_Gueltig_Einmal && g != CACfg_Gueltig_JeRechner)
        TQLNInfo::FehlerRaise(QStringLiteral("TZEV_ACfg_Registry"), QStringLiteral("ACFG"), 1033,
                              {daten.ClassName(), QString::number(g)});
}

template <class F>
void Registriere(const char* operation, F&& f) {
    try {
        f();
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TZEV_ACfg_Registry.") + QLatin1String(operation), e, true);
    }
}
}  // namespace

TZEV_ACfg_Registrierungen& TZEV_ACfg_Registry::Registrierungen() {
    static TZEV_ACfg_Registrierungen reg;
    return reg;
}

void TZEV_ACfg_Registry::RegisterACfgClass(TZEV_ACfgType_Erw typ, const TZEV_ACfgFrameClass& frame) {
    Registriere("RegisterACfgClass", [&] {
        PruefeTyp(typ);
        PruefeFrei(typ);
        if (!frame.IstEinzelFrame())
            TQLNInfo::FehlerRaise(QStringLiteral("TZEV_ACfg_Registry"), QStringLiteral("ACFG"), 1034,
                                  {frame.ClassName(), QStringLiteral("IZEV_KonfigEditFrame")});
        TZEV_ACfGType_RegData d;
        d.Art = acfgArtKonfiguration;
        d.FrameClass = &frame;
        Registrierungen().Typen.insert(typ, d);
    });
}

void TZEV_ACfg_Registry::RegisterACfgClass(TZEV_ACfgType_Erw typ, const TZEV_ACfgFrameClass& frame,
                                           const TZEV_ACfgDataClass& daten) {
    Registriere("RegisterACfgClass", [&] {
        // Both or neither: a frame without its data could not be edited.
        PruefeTyp(typ);
        PruefeFrei(typ);
        PruefeDatenKlasse(typ, daten);
        RegisterACfgClass(typ, frame);
        if (Registrierungen().Typen.contains(typ)) Registrierungen().DatenKlassen.insert(typ, &daten);
    });
}

void TZEV_ACfg_Registry::RegisterACfgGroup_EditFrame(TZEV_ACfgType_Erw typ, const TZEV_ACfgFrameClass& frame) {
    Registriere("RegisterACfgGroup_EditFrame", [&] {
        PruefeTyp(typ);
        PruefeFrei(typ);
        if (!frame.IstGruppenFrame())
            TQLNInfo::FehlerRaise(QStringLiteral("TZEV_ACfg_Registry"), QStringLiteral("ACFG"), 1034,
                                  {frame.ClassName(), QStringLiteral("IZEV_MultKonfigEditFrame")});
        TZEV_ACfGType_RegData d;
        d.Art = acfgArtGruppe;
        d.FrameClass = &frame;
        Registrierungen().Typen.insert(typ, d);
    });
}

void TZEV_ACfg_Registry::RegisterXKConfigurator(const TXKConfiguratorClass& klasse, TZEV_ACfgType_Erw typ,
                                                const QString& schlagworte, const QString& beschreibung,
                                                const QString& caption, const QString& id) {
    Registriere("RegisterXKConfigurator", [&] {
        PruefeTyp(typ);
        PruefeFrei(typ);
        TZEV_ACfGType_RegData d;
        d.Art = acfgArtKonfigurator;
        d.XKClass = &klasse;
        d.XKId = id;
        d.XKTexte = {caption, beschreibung, schlagworte};
        Registrierungen().Typen.insert(typ, d);
    });
}

void TZEV_ACfg_Registry::RegisterACfgDataClass(TZEV_ACfgType_Erw typ, const TZEV_ACfgDataClass& daten) {
    Registriere("RegisterACfgDataClass", [&] {
        PruefeTyp(typ);
        PruefeDatenKlasse(typ, daten);
        Registrierungen().DatenKlassen.insert(typ, &daten);
    });
}

bool TZEV_ACfg_Registry::GetRegData(TZEV_ACfgType_Erw typ, TZEV_ACfGType_RegData& data) {
    const auto& reg = Registrierungen();
    const auto it = reg.Typen.constFind(typ);
    if (it == reg.Typen.cend()) return false;
    TZEV_ACfGType_RegData d = it.value();
    if (d.Art == acfgArtKonfiguration) {
        d.DataClass = reg.DatenKlassen.value(typ);
        if (!d.DataClass) return false;
    }
    data = d;
    return true;
}

const TZEV_ACfgDataClass* TZEV_ACfg_Registry::GetDataClass(TZEV_ACfgType_Erw typ) {
    return Registrierungen().DatenKlassen.value(typ);
}

QList<TZEV_ACfgType_Erw> TZEV_ACfg_Registry::GruppenMitglieder(TZEV_ACfgType_Erw gruppe) {
    QList<TZEV_ACfgType_Erw> mitglieder;
    const TZEV_ACfg_TypKatalog& k = Katalog();
    QList<TZEV_ACfgType_Erw> offen = k.Kinder(gruppe);
    // depth first, in catalogue order
    while (!offen.isEmpty()) {
        const TZEV_ACfgType_Erw t = offen.takeFirst();
        if (GetDataClass(t)) mitglieder.append(t);
        offen = k.Kinder(t) + offen;
    }
    return mitglieder;
}

TZEV_ACfgType_Erw TZEV_ACfg_Registry::GruppeVon(TZEV_ACfgType_Erw typ) {
    const TZEV_ACfg_TypKatalog& k = Katalog();
    const TZEV_ACfg_TypEintrag* e = k.Eintrag(typ);
    while (e && e->Typ != 0 && e->Obertyp != 0) {
        const auto it = Registrierungen().Typen.constFind(e->Obertyp);
        if (it != Registrierungen().Typen.cend() && it->Art == acfgArtGruppe) return e->Obertyp;
        e = k.Eintrag(e->Obertyp);
    }
    return 0;
}

void TZEV_ACfg_Registry::InstallXKDienst(std::unique_ptr<TZEV_ACfg_XKDienst> dienst) { Dienst() = std::move(dienst); }

const TZEV_ACfg_XKDienst* TZEV_ACfg_Registry::XKDienst() { return Dienst().get(); }
