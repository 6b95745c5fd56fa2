#include "TZEV_Glob_ACfg_Controller.h"

#include "TZEV_ACfg_Registry.h"
#include "common/QLNDatum.h"
#include "host/Exception.h"
#include "host/QLNBuchung.h"
#include "host/TQLNInfo.h"
#include "host/TQLNMeldungsKatalog.h"
#include "host/records/Tacfgfile.h"
#include "host/records/Trechnerfile.h"

namespace {
QString Meldung(int nummer, const QStringList& args) {
    return TQLNMeldungsKatalog::Standard().Formatiere(QStringLiteral("ACFG"), nummer, args);
}

QString Name(TZEV_ACfgType_Erw typ) {
    try {
        return TZEV_ACfg_TypKatalog::Standard().Name(typ);
    } catch (const std::exception&) {
        return QString::number(typ);  // the catalogue's own failure is reported where it is read
    }
}

int SpeicherRnr(const TZEV_ACfgDataClass& k, int rnr) {
    return k.Gueltigkeitsbereich() == CACfg_Gueltig_JeRechner ? rnr : 0;
}

QList<int> OhneDoppelte(const QList<int>& werte) {
    QList<int> ergebnis;
    for (const int w : werte)
        if (!ergebnis.contains(w)) ergebnis.append(w);
    return ergebnis;
}

// The computer has the configuration (scope 2 only asks).
bool HatKonfiguration(const TZEV_ACfgDataClass& k, int rnr) {
    if (k.Gueltigkeitsbereich() != CACfg_Gueltig_JeRechner) return true;
    TRTyp_Erw rtyp = 0;
    return TZEV_Glob_ACfg_Controller::RechnerTyp(rnr, rtyp) && k.RTypEnthalten(rtyp);
}
}  // namespace

bool TZEV_Glob_ACfg_Controller::KonfigVorhanden(TZEV_ACfgType_Erw typ, int rnr) {
    const TZEV_ACfgDataClass* k = TZEV_ACfg_Registry::GetDataClass(typ);
    return k && HatKonfiguration(*k, rnr);
}

bool TZEV_Glob_ACfg_Controller::RechnerTyp(int rnr, TRTyp_Erw& rtyp) {
    Trechnerfile f;
    f.OpenNew(-1);
    f.ClearBuffer();
    f.SetIndex(f.IndexPrimaer);
    f.Rnr.SetKeyWert(rnr);
    const bool ok = f.Get_eq();
    if (ok) rtyp = f.RTyp.GetWert();
    f.Close();
    return ok;
}

TZEV_Glob_ACfg_Controller::TLadeStatus TZEV_Glob_ACfg_Controller::Lade(Tacfgfile& f, TZEV_ACfgType_Erw typ, int rnr,
                                                                      std::unique_ptr<TZEV_ACfgData_Base>& konfig,
                                                                      QString& grund) {
    konfig.reset();
    grund.clear();
    const TZEV_ACfgDataClass* k = TZEV_ACfg_Registry::GetDataClass(typ);
    if (!k) {
        grund = Meldung(1020, {Name(typ), QString::number(typ)});
        return TLadeStatus::NichtVorhanden;
    }
    if (!HatKonfiguration(*k, rnr)) {
        grund = Meldung(1026, {Name(typ), QString::number(rnr)});
        return TLadeStatus::NichtVorhanden;
    }
    const int speicherRnr = SpeicherRnr(*k, rnr);
    f.ClearBuffer();
    f.SetIndex(f.IndexPrimaer);
    f.Typ.SetKeyWert(typ);
    f.Rnr.SetKeyWert(speicherRnr);
    TLadeStatus status = TLadeStatus::Standard;
    if (f.Get_eq()) {
        try {
            konfig = k->AusText(typ, f.Daten.GetWert());
            status = TLadeStatus::Gespeichert;
        } catch (const Exception& e) {
            grund = Meldung(1021, {Name(typ), QString::number(speicherRnr), e.Message()});
            return TLadeStatus::Fehlerhaft;
        }
    } else {
        konfig = k->Create(typ);
    }
    // The row decides whose object it is.
    if (speicherRnr != 0) konfig->EigeneRNr_Set(speicherRnr);
    return status;
}

TZEV_Glob_ACfg_Controller::TLadeStatus TZEV_Glob_ACfg_Controller::LadeKonfig(
    TZEV_ACfgType_Erw typ, int rnr, std::unique_ptr<TZEV_ACfgData_Base>& konfig, QString& grund) {
    Tacfgfile f;
    f.OpenNew(-1);
    const TLadeStatus status = Lade(f, typ, rnr, konfig, grund);
    f.Close();
    return status;
}

bool TZEV_Glob_ACfg_Controller::GetKonfigForACfgType(TZEV_ACfgType_Erw typ, int rnr,
                                                     std::unique_ptr<TZEV_ACfgData_Base>& konfig) {
    try {
        QString grund;
        switch (LadeKonfig(typ, rnr, konfig, grund)) {
            case TLadeStatus::Gespeichert:
            case TLadeStatus::Standard: return true;
            case TLadeStatus::NichtVorhanden: return false;
            case TLadeStatus::Fehlerhaft: throw Exception(grund, QStringLiteral("ACFG"), 1021);
        }
        return false;
    } catch (const std::exception& e) {
        konfig.reset();
        TQLNInfo::RegisterException(QStringLiteral("TZEV_Glob_ACfg_Controller.GetKonfigForACfgType"), e, true);
        return false;
    }
}

void TZEV_Glob_ACfg_Controller::PruefeZiel(const TZEV_ACfgData_Base& konfig, int rnr) {
    const TZEV_ACfgType_Erw typ = konfig.ACfgTyp();
    const TZEV_ACfgDataClass* k = TZEV_ACfg_Registry::GetDataClass(typ);
    if (!k)
        TQLNInfo::FehlerRaise(QStringLiteral("TZEV_Glob_ACfg_Controller"), QStringLiteral("ACFG"), 1020,
                              {Name(typ), QString::number(typ)});
    if (k != &konfig.Klasse())
        TQLNInfo::FehlerRaise(QStringLiteral("TZEV_Glob_ACfg_Controller"), QStringLiteral("ACFG"), 1027,
                              {Name(typ), QString::number(typ), konfig.Klasse().ClassName(), k->ClassName()});
    if (!HatKonfiguration(*k, rnr))
        TQLNInfo::FehlerRaise(QStringLiteral("TZEV_Glob_ACfg_Controller"), QStringLiteral("ACFG"), 1026,
                              {Name(typ), QString::number(rnr)});
}

void TZEV_Glob_ACfg_Controller::Schreibe(Tacfgfile& f, const TZEV_ACfgData_Base& konfig, int rnr) {
    const TZEV_ACfgType_Erw typ = konfig.ACfgTyp();
    const int speicherRnr = SpeicherRnr(konfig.Klasse(), rnr);
    QString text;
    if (konfig.Klasse().HatEigeneRNr() && konfig.EigeneRNr() != speicherRnr) {
        const std::unique_ptr<TZEV_ACfgData_Base> kopie = konfig.Clone();
        kopie->EigeneRNr_Set(speicherRnr);
        text = kopie->Serialisieren();
    } else {
        text = konfig.Serialisieren();
    }
    f.ClearBuffer();
    f.SetIndex(f.IndexPrimaer);
    f.Typ.SetKeyWert(typ);
    f.Rnr.SetKeyWert(speicherRnr);
    const bool vorhanden = f.Get_eq();
    if (!vorhanden) {
        f.ClearBuffer();
        f.Typ.SetWert(typ);
        f.Rnr.SetWert(speicherRnr);
    }
    f.Daten.SetWert(text);
    f.Geaendert.SetWert(QLNDatum::AusDatumZeit(QLNDatum::Jetzt()));
    f.GeaendertRnr.SetWert(TQLNProgramm::GetRId());
    f.Write(vorhanden ? wrdonUpdate : wrdonInsert);
}

bool TZEV_Glob_ACfg_Controller::SetKonfigForACfgType(const TZEV_ACfgData_Base& konfig, const QList<int>& rnrs) {
    return SetKonfigs({{&konfig, rnrs}});
}

bool TZEV_Glob_ACfg_Controller::SetKonfigs(const QList<TSpeicherAuftrag>& auftraege) {
    const QString ctx = QStringLiteral("TZEV_Glob_ACfg_Controller.SetKonfigs");
    try {
        // Everything is checked before the first write.
        for (const TSpeicherAuftrag& a : auftraege) {
            if (!a.Konfig) throw Exception(QStringLiteral("Es wurde keine Konfiguration zum Speichern übergeben."));
            const bool jeRechner = a.Konfig->Gueltigkeitsbereich() == CACfg_Gueltig_JeRechner;
            if (jeRechner && a.Rnrs.isEmpty())
                TQLNInfo::FehlerRaise(ctx, QStringLiteral("ACFG"), 1025, {Name(a.Konfig->ACfgTyp())});
            for (const int rnr : jeRechner ? a.Rnrs : QList<int>{0}) PruefeZiel(*a.Konfig, rnr);
        }
        QLNBuchung buchung(CBuchungsArtACfg, ctx);
        Tacfgfile f;
        f.OpenNew(-1);
        for (const TSpeicherAuftrag& a : auftraege) {
            const bool jeRechner = a.Konfig->Gueltigkeitsbereich() == CACfg_Gueltig_JeRechner;
            for (const int rnr : jeRechner ? OhneDoppelte(a.Rnrs) : QList<int>{0}) Schreibe(f, *a.Konfig, rnr);
        }
        f.Close();
        buchung.Ende(ctx);
        return true;
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(ctx, e, true);
        return false;
    }
}

bool TZEV_Glob_ACfg_Controller::CopyKonfigForACfGTypes(const QList<TZEV_ACfgType_Erw>& typen, const QList<int>& ziele,
                                                       int quelle, TZEV_ACfgKopieBericht* bericht) {
    const QString ctx = QStringLiteral("TZEV_Glob_ACfg_Controller.CopyKonfigForACfGTypes");
    TZEV_ACfgKopieBericht b;
    try {
        const QList<int> zielRechner = OhneDoppelte(ziele);
        QList<TZEV_ACfgType_Erw> typListe;
        for (const TZEV_ACfgType_Erw t : typen)
            if (!typListe.contains(t)) typListe.append(t);
        // The targets' computer types, read once.
        QHash<int, TRTyp_Erw> rtypen;
        for (const int z : zielRechner) {
            TRTyp_Erw rtyp = 0;
            if (z != quelle && RechnerTyp(z, rtyp)) rtypen.insert(z, rtyp);
        }
        auto ueberspringe = [&](TZEV_ACfgType_Erw t) {
            for (const int z : zielRechner) b.Uebersprungen.append({t, z});
        };

        QLNBuchung buchung(CBuchungsArtACfg, ctx);
        Tacfgfile f;
        f.OpenNew(-1);
        for (const TZEV_ACfgType_Erw typ : typListe) {
            const TZEV_ACfgDataClass* k = TZEV_ACfg_Registry::GetDataClass(typ);
            if (!k || k->Gueltigkeitsbereich() != CACfg_Gueltig_JeRechner || !HatKonfiguration(*k, quelle)) {
                ueberspringe(typ);
                continue;
            }
            std::unique_ptr<TZEV_ACfgData_Base> konfig;
            QString grund;
            if (Lade(f, typ, quelle, konfig, grund) == TLadeStatus::Fehlerhaft)
                throw Exception(grund, QStringLiteral("ACFG"), 1021);
            for (const int z : zielRechner) {
                if (!rtypen.contains(z) || !k->RTypEnthalten(rtypen.value(z))) {
                    b.Uebersprungen.append({typ, z});
                    continue;
                }
                Schreibe(f, *konfig, z);
                b.Kopiert.append({typ, z});
            }
        }
        f.Close();
        buchung.Ende(ctx);
        if (bericht) *bericht = b;
        return true;
    } catch (const std::exception& e) {
        // Rolled back: nothing was copied.
        if (bericht) *bericht = {};
        TQLNInfo::RegisterException(ctx, e, true);
        return false;
    }
}
