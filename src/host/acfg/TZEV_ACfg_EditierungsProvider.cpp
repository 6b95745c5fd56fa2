#include "TZEV_ACfg_EditierungsProvider.h"

#include "TZEV_ACfg_RegInfoProvider.h"
#include "TZEV_ACfg_Registry.h"
#include "TZEV_Glob_ACfg_Controller.h"
#include "TZEV_IntList.h"
#include "host/Exception.h"
#include "host/TQLNInfo.h"

namespace {
const QString CKategorie = QStringLiteral("ACFG");

[[noreturn]] void Fehler(const QString& ctx, int nummer, TZEV_ACfgType_Erw typ, const QStringList& weitere = {}) {
    TQLNInfo::FehlerRaise(ctx, CKategorie, nummer,
                          QStringList{TZEV_ACfg_RegInfoProvider::TypName(typ), QString::number(typ)} + weitere);
}

// The type whose frame edits typ, with its registration. A type with only a
// data class below a group is edited in the group's frame.
TZEV_ACfgType_Erw Aufloesen(const QString& ctx, TZEV_ACfgType_Erw typ, TZEV_ACfGType_RegData& d) {
    if (TZEV_ACfg_Registry::GetRegData(typ, d)) return typ;
    const auto& reg = TZEV_ACfg_Registry::Registrierungen();
    if (reg.Typen.contains(typ)) Fehler(ctx, 1020, typ);  // a frame without its data class
    if (TZEV_ACfg_Registry::GetDataClass(typ)) {
        const TZEV_ACfgType_Erw gruppe = TZEV_ACfg_Registry::GruppeVon(typ);
        if (gruppe != 0 && TZEV_ACfg_Registry::GetRegData(gruppe, d)) return gruppe;
    }
    Fehler(ctx, 1023, typ);
}

QList<int> OhneDoppelte(const QList<int>& werte) {
    QList<int> ergebnis;
    for (const int w : werte)
        if (!ergebnis.contains(w)) ergebnis.append(w);
    return ergebnis;
}

// The objects to edit or show, loaded for computer rnr. False when the user
// declined to edit the defaults instead of a broken stored object.
bool Lade(const TZEV_ACfGType_RegData& d, TZEV_ACfgType_Erw typ, int rnr, bool bearbeiten, TZEV_ACfgDataListe& liste) {
    const bool gruppe = d.Art == acfgArtGruppe;
    const QList<TZEV_ACfgType_Erw> typen = gruppe ? TZEV_ACfg_Registry::GruppenMitglieder(typ) : QList{typ};
    for (const TZEV_ACfgType_Erw t : typen) {
        std::unique_ptr<TZEV_ACfgData_Base> konfig;
        QString grund;
        switch (TZEV_Glob_ACfg_Controller::LadeKonfig(t, rnr, konfig, grund)) {
            case TZEV_Glob_ACfg_Controller::TLadeStatus::Gespeichert:
            case TZEV_Glob_ACfg_Controller::TLadeStatus::Standard: break;
            case TZEV_Glob_ACfg_Controller::TLadeStatus::NichtVorhanden:
                if (gruppe) continue;  // a member this computer has not
                throw Exception(grund);
            case TZEV_Glob_ACfg_Controller::TLadeStatus::Fehlerhaft: {
                if (!bearbeiten) throw Exception(grund);
                if (TQLNInfo::ShowMeldung(mkJaNein, {grund}, CKategorie, 1022) != mrJa) return false;
                const TZEV_ACfgDataClass& k = *TZEV_ACfg_Registry::GetDataClass(t);
                konfig = k.Create(t);
                if (k.Gueltigkeitsbereich() == CACfg_Gueltig_JeRechner) konfig->EigeneRNr_Set(rnr);
                break;
            }
        }
        liste.Add(std::move(konfig));
    }
    if (liste.Count() == 0)
        TQLNInfo::FehlerRaise(QStringLiteral("TZEV_ACfg_EditierungsProvider"), CKategorie, 1026,
                              {TZEV_ACfg_RegInfoProvider::TypName(typ), QString::number(rnr)});
    return true;
}

bool AlleEinmal(const TZEV_ACfgDataListe& liste) {
    for (int i = 0; i < liste.Count(); ++i)
        if (liste.Get(i).Gueltigkeitsbereich() == CACfg_Gueltig_JeRechner) return false;
    return true;
}

QString RechnerText(const TZEV_ACfgDataListe& liste, const QList<int>& rnrs, bool unterschiedlich) {
    if (AlleEinmal(liste)) return QStringLiteral("Diese Einstellung gilt für alle Rechner.");
    QString text = (rnrs.size() == 1 ? QStringLiteral("Rechner: ") : QStringLiteral("Für die Rechner: ")) +
                   TZEV_IntList::IntArray_ToBeschreibenderText(rnrs, QStringLiteral(", "));
    if (unterschiedlich)
        text += QStringLiteral("\nDie Rechner haben bisher unterschiedliche Einstellungen; angezeigt wird die von "
                               "Rechner %1. Beim Speichern erhalten alle Rechner dieselbe Einstellung.")
                    .arg(rnrs.first());
    return text;
}

void FrameFuellen(QWidget* frame, const TZEV_ACfGType_RegData& d, TZEV_ACfgDataListe& liste) {
    if (d.Art == acfgArtGruppe) {
        auto* mult = dynamic_cast<IZEV_MultKonfigEditFrame*>(frame);
        if (!mult) throw Exception(QStringLiteral("%1 ist kein Gruppen-Bearbeitungsfenster.").arg(d.FrameClass->ClassName()));
        mult->Konfigs_2_Frame(liste);
    } else {
        auto* einzel = dynamic_cast<IZEV_KonfigEditFrame*>(frame);
        if (!einzel) throw Exception(QStringLiteral("%1 ist kein Bearbeitungsfenster.").arg(d.FrameClass->ClassName()));
        einzel->Konfig_2_Frame(liste.Get(0));
    }
}

bool FrameAuslesen(QWidget* frame, const TZEV_ACfGType_RegData& d, TZEV_ACfgDataListe& liste) {
    try {
        if (d.Art == acfgArtGruppe) return dynamic_cast<IZEV_MultKonfigEditFrame&>(*frame).Frame_2_Konfigs(liste);
        return dynamic_cast<IZEV_KonfigEditFrame&>(*frame).Frame_2_Konfig(liste.Get(0));
    } catch (const std::exception& e) {
        // A frame that lets an error out has not accepted its input.
        TQLNInfo::RegisterException(d.FrameClass->ClassName() + QStringLiteral(".Frame_2_Konfig"), e, true);
        return false;
    }
}

bool StarteKonfigurator(const QString& ctx, TZEV_ACfgType_Erw typ, const TZEV_ACfGType_RegData& d) {
    const TZEV_ACfg_XKDienst* dienst = TZEV_ACfg_Registry::XKDienst();
    if (!dienst || !d.XKClass) Fehler(ctx, 1024, typ);
    return dienst->Starte(*d.XKClass, d.XKId);
}

bool Bearbeite(const QString& ctx, TZEV_ACfgType_Erw gewaehlt, const QList<QList<int>>& listen) {
    QList<int> rnrs;
    int gruppen = 0;
    for (const QList<int>& l : listen) {
        if (!l.isEmpty()) ++gruppen;
        rnrs += l;
    }
    rnrs = OhneDoppelte(rnrs);
    if (rnrs.isEmpty()) TQLNInfo::FehlerRaise(ctx, CKategorie, 1025, {TZEV_ACfg_RegInfoProvider::TypName(gewaehlt)});

    TZEV_ACfGType_RegData d;
    const TZEV_ACfgType_Erw typ = Aufloesen(ctx, gewaehlt, d);
    if (d.Art == acfgArtKonfigurator) return StarteKonfigurator(ctx, typ, d);
    if (d.Art == acfgArtKonfiguration)
        for (const int rnr : rnrs)
            if (!TZEV_Glob_ACfg_Controller::KonfigVorhanden(typ, rnr))
                TQLNInfo::FehlerRaise(ctx, CKategorie, 1026, {TZEV_ACfg_RegInfoProvider::TypName(typ), QString::number(rnr)});

    TZEV_ACfgDataListe geladen;
    if (!Lade(d, typ, rnrs.first(), true, geladen)) return false;

    const TZEV_ACfg_RegInfo info = TZEV_ACfg_RegInfoProvider::GetRegInfo_4_ACfgTYpe(typ);
    TZEV_ACfgEditFrm frm(false);
    QWidget* frame = d.FrameClass->Create(&frm);
    frm.Fuellen(info.Caption, info.Beschreibung, RechnerText(geladen, rnrs, gruppen > 1), frame);
    try {
        FrameFuellen(frame, d, geladen);
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(d.FrameClass->ClassName() + QStringLiteral(".Konfig_2_Frame"), e, true);
        return false;
    }

    bool gespeichert = false;
    frm.Bestaetigen = [&]() -> bool {
        // A copy per confirmation: a refused check must not leave half-written values behind.
        TZEV_ACfgDataListe kopien;
        for (int i = 0; i < geladen.Count(); ++i) kopien.Add(geladen.Get(i).Clone());
        if (!FrameAuslesen(frame, d, kopien)) return false;
        QList<TZEV_Glob_ACfg_Controller::TSpeicherAuftrag> auftraege;
        for (int i = 0; i < kopien.Count(); ++i) {
            const TZEV_ACfgData_Base& k = kopien.Get(i);
            QList<int> ziele;
            for (const int rnr : rnrs)
                if (TZEV_Glob_ACfg_Controller::KonfigVorhanden(k.ACfgTyp(), rnr)) ziele.append(rnr);
            if (k.Gueltigkeitsbereich() == CACfg_Gueltig_JeRechner && ziele.isEmpty()) continue;
            auftraege.append({&k, ziele});
        }
        if (!TZEV_Glob_ACfg_Controller::SetKonfigs(auftraege)) return false;
        gespeichert = true;
        return true;
    };
    frm.ShowModal();
    return gespeichert;
}

template <class F>
bool Gesichert(const QString& ctx, F&& f) {
    try {
        return f();
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(ctx, e, true);
        return false;
    }
}
}  // namespace

bool TZEV_ACfg_EditierungsProvider::Execute_KonfigEditierung(TZEV_ACfgType_Erw typ, int rnr) {
    const QString ctx = QStringLiteral("TZEV_ACfg_EditierungsProvider.Execute_KonfigEditierung");
    return Gesichert(ctx, [&] { return Bearbeite(ctx, typ, {{rnr}}); });
}

bool TZEV_ACfg_EditierungsProvider::Execute_KonfigEditierung_OneConfig_Rechnerliste(TZEV_ACfgType_Erw typ,
                                                                                    const QList<int>& rnrs) {
    const QString ctx = QStringLiteral("TZEV_ACfg_EditierungsProvider.Execute_KonfigEditierung_OneConfig_Rechnerliste");
    return Gesichert(ctx, [&] { return Bearbeite(ctx, typ, {rnrs}); });
}

bool TZEV_ACfg_EditierungsProvider::Execute_KonfigEditierung_OneConfig_MultipleRechnerlisten(
    TZEV_ACfgType_Erw typ, const QList<QList<int>>& listen) {
    const QString ctx =
        QStringLiteral("TZEV_ACfg_EditierungsProvider.Execute_KonfigEditierung_OneConfig_MultipleRechnerlisten");
    return Gesichert(ctx, [&] { return Bearbeite(ctx, typ, listen); });
}

bool TZEV_ACfg_EditierungsProvider::Execute_KonfigAnzeige(TZEV_ACfgType_Erw typ, int rnr, TZEV_ACfgEditFrm* frm) {
    const QString ctx = QStringLiteral("TZEV_ACfg_EditierungsProvider.Execute_KonfigAnzeige");
    return Gesichert(ctx, [&] {
        TZEV_ACfGType_RegData d;
        const TZEV_ACfgType_Erw t = Aufloesen(ctx, typ, d);
        if (d.Art == acfgArtKonfigurator) Fehler(ctx, 1028, t);
        auto geladen = std::make_unique<TZEV_ACfgDataListe>();
        Lade(d, t, rnr, false, *geladen);

        std::unique_ptr<TZEV_ACfgEditFrm> eigenes;
        TZEV_ACfgEditFrm* fenster = frm;
        if (!fenster) {
            eigenes = std::make_unique<TZEV_ACfgEditFrm>(true);
            fenster = eigenes.get();
        }
        fenster->SetNurAnzeige(true);
        const TZEV_ACfg_RegInfo info = TZEV_ACfg_RegInfoProvider::GetRegInfo_4_ACfgTYpe(t);
        QWidget* frame = d.FrameClass->Create(fenster);
        TZEV_ACfgDataListe& daten = *geladen;
        fenster->Fuellen(info.Caption, info.Beschreibung, RechnerText(daten, {rnr}, false), frame, std::move(geladen));
        FrameFuellen(frame, d, daten);
        if (eigenes) {
            eigenes->ShowModal();
        } else {
            fenster->show();
            fenster->raise();
        }
        return true;
    });
}
