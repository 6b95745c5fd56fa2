#include "TXKMandLaenderZusatzConfigurator.h"

#include "TXKWertText.h"
#include "host/Exception.h"
#include "host/QLNBuchung.h"
#include "host/TQLNInfo.h"
#include "host/records/TLdfile.h"
#include "host/records/Tmalzfile.h"
#include "host/records/Tmwfile.h"
#include "registry/Triveltaclass.h"

#include <cmath>

namespace {
bool Gleich(double a, double b) { return std::abs(a - b) < 0.00001; }
}  // namespace

const QList<T_MwSt_4_Land>& TXKMandLaenderZusatzConfigurator::MwStTabelleEU() {
    static const QList<T_MwSt_4_Land> t{
        {"B", 6, 21},    {"BG", 9, 20},  {"DK", 25, 25}, {"D", 7, 19},   {"EST", 9, 22},  {"FIN", 14, 24},
        {"F", 5.5, 20},  {"GR", 13, 24}, {"IRL", 13.5, 23}, {"I", 4, 22}, {"HR", 10, 25}, {"LV", 12, 21},
        {"LT", 9, 21},   {"L", 3, 17},   {"M", 5, 18},   {"NL", 9, 21},  {"A", 10, 20},   {"PL", 8, 23},
        {"P", 6, 23},    {"RO", 9, 19},  {"S", 12, 25},  {"SK", 10, 20}, {"SLO", 9.5, 22}, {"E", 4, 23},
        {"CZ", 12, 21},  {"H", 18, 27},  {"CY", 5, 19}};
    return t;
}

void TXKMandLaenderZusatzConfigurator::Resources_Create() {
    TXKAllgTabConfigurator::Resources_Create();
    FMalzFile = std::make_unique<Tmalzfile>();
}

void TXKMandLaenderZusatzConfigurator::Resources_InitF() {
    FFieldIndMandant = -1;
    FFieldIndLand = -1;
    FFieldIndAbDatum = -1;
    FFieldIndUStIDNr = -1;
    FFieldIndAktiv = -1;
    TXKAllgTabConfigurator::Resources_InitF();
    FMalzFile->OpenNew(-1);
}

void TXKMandLaenderZusatzConfigurator::Resources_DoneF() {
    try {
        if (FMalzFile) FMalzFile->Close();
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKMandLaenderZusatzConfigurator.Resources_DoneF"), e, false);
    }
    TXKAllgTabConfigurator::Resources_DoneF();
    TQLNInfo::FehlerTerminate(QStringLiteral("TXKMandLaenderZusatzConfigurator.Resources_DoneF"));
}

void TXKMandLaenderZusatzConfigurator::Resources_Destroy() {
    try {
        FMalzFile.reset();
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKMandLaenderZusatzConfigurator.Resources_Destroy"), e, false);
    }
    TXKAllgTabConfigurator::Resources_Destroy();
    TQLNInfo::FehlerTerminate(QStringLiteral("TXKMandLaenderZusatzConfigurator.Resources_Destroy"));
}

void TXKMandLaenderZusatzConfigurator::DefineFields() {
    FFieldIndMandant = AddStringField(QStringLiteral("MANDANT"), QStringLiteral("Mandant"), true, true, false, false, 1,
                                      30, QString(), QString(), TEditCharCase::ecUpperCase);
    FFieldIndLand = AddStringField(QStringLiteral("Land"), QStringLiteral("Land"), true, true, false, false, 1, 3,
                                   QString(), QString(), TEditCharCase::ecUpperCase);
    FFieldIndAbDatum = AddDateField(QStringLiteral("ABDATUM"), QStringLiteral("Ab Datum"), true);
    FFieldIndUStIDNr = AddStringField(QStringLiteral("UStIDNr"), QStringLiteral("Umsatzsteuernummer"), true, false,
                                      false, false, 1, 15, QString(), QString(), TEditCharCase::ecUpperCase);
    FFieldIndAktiv = AddBooleanField(QStringLiteral("Aktiv"), QStringLiteral("Aktiv"), true);
}

int TXKMandLaenderZusatzConfigurator::SetCount() {
    try {
        return int(FMalzFile->GetCount());
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKMandLaenderZusatzConfigurator.SetCount"), e, true);
        return -1;
    }
}

void TXKMandLaenderZusatzConfigurator::FillFields(QStringList& line) const {
    const Tmalzfile& f = *FMalzFile;
    QString name = FMandanten.NameVon(f.Mandant.GetWert());
    if (name.isEmpty()) name = f.Mandant.AlsVariant().toString();  // a client no longer listed: its id
    line << name << f.Land.GetWert() << TXKWertText::Datum(f.AbDatum.GetWert()) << f.UStIDNr.GetWert()
         << BoolToJN(f.Aktiv.GetWert());
}

bool TXKMandLaenderZusatzConfigurator::GetFirst(QStringList& line) {
    try {
        line.clear();
        FMandanten.Laden();
        FMalzFile->ClearBuffer();
        FMalzFile->SetIndex(FMalzFile->IndexPrimaer);
        if (!FMalzFile->Get_first_extMode()) return false;
        FillFields(line);
        return true;
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKMandLaenderZusatzConfigurator.GetFirst"), e, true);
        return false;
    }
}

bool TXKMandLaenderZusatzConfigurator::GetNext(QStringList& line) {
    try {
        line.clear();
        if (!FMalzFile->Get_next_extMode()) return false;
        FillFields(line);
        return true;
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKMandLaenderZusatzConfigurator.GetNext"), e, true);
        return false;
    }
}

// The key (client, country, date) stays; the insert alone tests it for duplicates.
bool TXKMandLaenderZusatzConfigurator::SwitchControlEnabled_4_Mode_Edit(int index) {
    return index != FFieldIndMandant && index != FFieldIndLand && index != FFieldIndAbDatum;
}

void TXKMandLaenderZusatzConfigurator::FillWertevorrat(int index, QStringList& liste) {
    liste.clear();
    try {
        if (index == FFieldIndMandant) {
            TMandantenListe mandanten;
            mandanten.Laden();
            liste = mandanten.Namen();
        } else if (index == FFieldIndLand) {
            liste << Tmalzfile::CLandOSS;
            const QString eigenes = TQLNProgramm::GetLand().trimmed();
            TLdfile ld;
            ld.Open(254, -1);
            ld.ClearBuffer();
            ld.SetIndex(ld.IndexPrimaer);
            for (bool ok = ld.Get_first(); ok; ok = ld.Get_next())
                if (ld.EUMgl.GetWert() && ld.Kuerzel.GetWert().compare(eigenes, Qt::CaseInsensitive) != 0)
                    liste << ld.Kuerzel.GetWert();
            ld.Close();
        }
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKMandLaenderZusatzConfigurator.FillWertevorrat"), e, true);
    }
}

bool TXKMandLaenderZusatzConfigurator::Lese(const QStringList& line) {
    TIntPair mandant;
    FMandanten.Laden();
    if (!FMandanten.Get_Mandant_By_Name(line.value(FFieldIndMandant), mandant)) return false;
    Tmalzfile& f = *FMalzFile;
    f.ClearBuffer();
    f.SetIndex(f.IndexPrimaer);
    f.Mandant.SetKeyWert(mandant);
    f.Land.SetKeyWert(line.value(FFieldIndLand).trimmed().toUpper());
    f.AbDatum.SetKeyWert(TXKWertText::AlsDatum(line.value(FFieldIndAbDatum)));
    return f.Get_eq();
}

bool TXKMandLaenderZusatzConfigurator::BuchenTesten(const QString& code, const QStringList&, const QStringList& neu) {
    bool result = false;
    try {
        if (code == wrdonInsert || code == wrdonUpdate) {
            TIntPair mandant;
            FMandanten.Laden();
            if (!FMandanten.Get_Mandant_By_Name(neu.value(FFieldIndMandant), mandant))
                return Ablehnen(QStringLiteral("Bitte wählen Sie einen Mandanten aus."));
            if (neu.value(FFieldIndLand).trimmed().isEmpty())
                return Ablehnen(QStringLiteral("Bitte wählen Sie ein Land aus."));
            if (TXKWertText::AlsDatum(neu.value(FFieldIndAbDatum)) < 1)
                return Ablehnen(QStringLiteral("Bitte wählen Sie ein \"Gültig Ab\"-Datum aus."));
            if (neu.value(FFieldIndUStIDNr).trimmed().isEmpty())
                return Ablehnen(QStringLiteral("Bitte geben Sie eine Umsatzsteuernummer ein."));
            if (code == wrdonInsert && Lese(neu))
                return Ablehnen(QStringLiteral("Die Kombination aus Mandant, Land und Datum existiert bereits."));
        }
        result = true;
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKMandLaenderZusatzConfigurator.BuchenTesten"), e, true);
    }
    return result;
}

void TXKMandLaenderZusatzConfigurator::Buchen(const QString& code, const QStringList& alt, const QStringList& neu) {
    DatenFuellenUndBuchen(code, alt, neu);
}

void TXKMandLaenderZusatzConfigurator::DatenFuellenUndBuchen(const QString& code, const QStringList& alt,
                                                             const QStringList& neu) {
    // Failures pass to the caller: the record and the EU set-up commit together or not at all.
    Tmalzfile& f = *FMalzFile;
    const bool oss = neu.value(FFieldIndLand).trimmed().compare(Tmalzfile::CLandOSS, Qt::CaseInsensitive) == 0;
    bool eingerichtet = false;
    QLNBuchung buchung(1, QStringLiteral("DatenFuellenUndBuchen"));
    if (code == wrdonDelete) {
        if (Lese(neu)) f.Write(wrdonDelete);
    } else if (code == wrdonUpdate) {
        if (Lese(alt)) {
            f.UStIDNr.SetWert(neu.value(FFieldIndUStIDNr).trimmed().toUpper());
            f.Aktiv.SetWert(JNToBool(neu.value(FFieldIndAktiv)));
            f.Write(wrdonUpdate);
        }
    } else if (code == wrdonInsert) {
        TIntPair mandant;
        FMandanten.Laden();
        if (!FMandanten.Get_Mandant_By_Name(neu.value(FFieldIndMandant), mandant))
            throw Exception(QStringLiteral("Der Mandant \"%1\" ist nicht vorhanden.").arg(neu.value(FFieldIndMandant)));
        f.ClearBuffer();
        f.SetIndex(f.IndexPrimaer);
        f.Mandant.SetWert(mandant);
        f.Land.SetWert(neu.value(FFieldIndLand).trimmed().toUpper());
        f.AbDatum.SetWert(TXKWertText::AlsDatum(neu.value(FFieldIndAbDatum)));
        f.UStIDNr.SetWert(neu.value(FFieldIndUStIDNr).trimmed().toUpper());
        f.Aktiv.SetWert(JNToBool(neu.value(FFieldIndAktiv)));
        f.Write(wrdonInsert);
    }
    // Leaving the procedure (delete) sets nothing up.
    if (oss && code != wrdonDelete) {
        MwSTSaetzeEU_Einfuegen();
        eingerichtet = true;
    }
    buchung.Ende(QStringLiteral("DatenFuellenUndBuchen"));
    if (eingerichtet)
        TQLNInfo::QLNHinweisBox(QStringLiteral("Durch die Teilnahme am OSS-Verfahren wurden automatisch\n"
                                               "alle EU-Länder mit den jeweiligen Mehrwersteuersätzen angelegt.\n"
                                               "Bitte prüfen Sie (ggf. mit Ihrem Steuerberater), ob die Sätze\n"
                                               "in den jeweiligen Ländern für Ihr Sortiment korrekt sind."));
}

void TXKMandLaenderZusatzConfigurator::MwStKuerzel_Get(Tmwfile& mw, const QString& land, double normal,
                                                       double reduziert, QStringList& kzNormal,
                                                       QStringList& kzReduziert, QStringList& kzOhne) {
    kzNormal.clear();
    kzReduziert.clear();
    kzOhne.clear();
    mw.ClearBuffer();
    mw.ExtendedFilterClear();
    mw.SetIndex(mw.IndexPrimaer);
    mw.Land.SetFilter(land);
    for (bool ok = mw.Get_first_extMode(); ok; ok = mw.Get_next_extMode()) {
        const QString kz = mw.KurzBez.GetWert();
        const double p = mw.Prozent.GetWert();
        QStringList* liste = Gleich(p, 0) ? &kzOhne : Gleich(p, normal) ? &kzNormal : Gleich(p, reduziert) ? &kzReduziert : nullptr;
        if (liste && !liste->contains(kz)) liste->append(kz);
    }
    mw.ExtendedFilterClear();
}

void TXKMandLaenderZusatzConfigurator::InsertLDSatz_WN(TLdfile& ld, const QString& land) {
    ld.ClearBuffer();
    ld.SetIndex(ld.IndexPrimaer);
    ld.Kuerzel.SetKeyWert(land);
    if (ld.Get_eq()) return;
    const TQLNLaenderCode* c = QLN_LaenderCode_By_Kuerzel(land);
    if (!c) return;
    ld.ClearBuffer();
    ld.Kuerzel.SetWert(c->Kuerzel);
    ld.ISO3166.SetWert(c->ISO3166);
    ld.Name.SetWert(c->Name);
    ld.Nr.SetWert(c->AussenhandelsNr);
    ld.Abk.SetWert(c->AussenhandelsKuerzel);
    ld.EUMgl.SetWert(true);
    // the euro zone as the country-code table knows it: not every EU country pays in euro
    ld.EWUMgl.SetWert(c->EWUMitglied);
    ld.Plz.SetWert(QStringLiteral("999999"));
    ld.Write(wrdonInsert);
}

void TXKMandLaenderZusatzConfigurator::InsertMWSatz_WN(Tmwfile& mw, const QString& land, const QStringList& kuerzel,
                                                       const QString& langBez, double prozent, double abDatum) {
    for (const QString& kz : kuerzel) {
        mw.ClearBuffer();
        mw.ExtendedFilterClear();
        mw.SetIndex(mw.IndexPrimaer);
        mw.Land.SetFilter(land);
        mw.KurzBez.SetFilter(kz);
        mw.ExtendedMaxReceive_Set(1);
        const bool vorhanden = mw.Get_exists_extMode();
        mw.ExtendedFilterClear();
        if (vorhanden) continue;
        mw.ClearBuffer();
        mw.Land.SetWert(land);
        mw.KurzBez.SetWert(kz);
        mw.LangBez.SetWert(langBez);
        mw.AbDatum.SetWert(abDatum);
        mw.Prozent.SetWert(prozent);
        mw.Write(wrdonInsert);
    }
}

void TXKMandLaenderZusatzConfigurator::MwSTSaetzeEU_Einfuegen() {
    TLdfile ld;
    ld.OpenNew(-1);
    Tmwfile mw;
    mw.OpenNew(-1);
    const QString heimat = TQLNProgramm::GetLand().trimmed();
    double normal = 0;
    double reduziert = 0;
    for (const T_MwSt_4_Land& z : MwStTabelleEU()) {
        if (z.Land.compare(heimat, Qt::CaseInsensitive) == 0) {
            normal = z.MwStNormal;
            reduziert = z.MwstReduz;
            break;
        }
    }
    QStringList kzNormal, kzReduziert, kzOhne;
    MwStKuerzel_Get(mw, heimat, normal, reduziert, kzNormal, kzReduziert, kzOhne);
    const double abDatum = QLNDatum::AusDatum(QDate(QLNDatum::ZuDatum(QLNDatum::Heute()).year(), 1, 1));
    for (const T_MwSt_4_Land& z : MwStTabelleEU()) {
        InsertLDSatz_WN(ld, z.Land);
        InsertMWSatz_WN(mw, z.Land, kzNormal, QStringLiteral("Normal"), z.MwStNormal, abDatum);
        InsertMWSatz_WN(mw, z.Land, kzReduziert, QStringLiteral("Reduziert"), z.MwstReduz, abDatum);
        InsertMWSatz_WN(mw, z.Land, kzOhne, QStringLiteral("Ohne"), 0, abDatum);
    }
    mw.Close();
    ld.Close();
}

void InitUnit_XKMandLaenderZusatz() {
    static int zaehler = 0;
    if (zaehler++ != 0) return;
    RegisterXKConfigurator(
        XKClass<TXKMandLaenderZusatzConfigurator>(), QStringLiteral("MANDLANDZUSATZ"),
        QStringLiteral("Mandantenzusatz pro Land"),
        QStringLiteral("Hier können länderweise pro Mandant eigene Umsatzsteuernummern hinterlegt werden, wenn der "
                       "Mandant dort umsatzsteuerpflichtig ist. Ab dem 1.7.2021 gilt die EU-weite Lieferschwelle von "
                       "10.000€. Sollten Sie daher dem OSS-Verfahren (One-Stop-Shop) beigetreten sein, so können Sie "
                       "dies über das Land \"OSS\" eintragen."),
        QStringLiteral("Mandant, Online, Steuer, Umsatzsteuernummer, UStId, OSS, One-Stop-Shop, Lieferland, Ausland, "
                       "Mehrwertsteuer"));
}
