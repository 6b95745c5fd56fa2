#include "TXKSaisConfigurator.h"

#include "TXKTabHilfe.h"
#include "host/Exception.h"
#include "host/TParameter.h"
#include "host/TQLNInfo.h"
#include "host/records/TStfile.h"
#include "host/records/TZPFile.h"
#include "host/records/Tsbfile.h"
#include "registry/Triveltaclass.h"

namespace {
// Designations of seasons without year and dates.
bool OhneJahr(const QString& code) {
    return code.compare(QStringLiteral("GJA"), Qt::CaseInsensitive) == 0 ||
           code.compare(QStringLiteral("ALT"), Qt::CaseInsensitive) == 0;
}
}  // namespace

TXKSaisConfigurator::TXKSaisConfigurator() = default;
TXKSaisConfigurator::~TXKSaisConfigurator() = default;

void TXKSaisConfigurator::Resources_Create() {
    TXKAllgTabConfigurator::Resources_Create();
    FStFile = std::make_unique<TStfile>();
}

void TXKSaisConfigurator::Resources_InitF() {
    FFieldIndSaisAbk = FFieldIndJahr = FFieldIndSaisStart = FFieldIndSaisEnde = -1;
    FFieldIndVorordStart = FFieldIndVorordEnde = FFieldIndKurzNr = -1;
    TXKAllgTabConfigurator::Resources_InitF();
    FStFile->OpenNew(-1);
    FSaisKurz = TParameter::GetIntegerValueByName(QStringLiteral("SAISKURZ"));
    FillActiveSais();
}

void TXKSaisConfigurator::Resources_DoneF() {
    try {
        if (FStFile) FStFile->Close();
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKSaisConfigurator.Resources_DoneF"), e, false);
    }
    TXKAllgTabConfigurator::Resources_DoneF();
    TQLNInfo::FehlerTerminate(QStringLiteral("TXKSaisConfigurator.Resources_DoneF"));
}

void TXKSaisConfigurator::Resources_Destroy() {
    try {
        FSaisKuerzel.clear();
        FSaisTexte.clear();
        FStFile.reset();
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKSaisConfigurator.Resources_Destroy"), e, false);
    }
    TXKAllgTabConfigurator::Resources_Destroy();
    TQLNInfo::FehlerTerminate(QStringLiteral("TXKSaisConfigurator.Resources_Destroy"));
}

void TXKSaisConfigurator::FillActiveSais() {
    FSaisKuerzel.clear();
    FSaisTexte.clear();
    Tsbfile sb;
    sb.Open(254, -1);
    sb.ClearBuffer();
    sb.SetIndex(sb.IndexPrimaer);
    for (bool ok = sb.Get_first(); ok; ok = sb.Get_next()) {
        if (sb.AktPas.GetWert().toUpper() != QLatin1String("A")) continue;
        FSaisKuerzel << sb.Kuerzel.GetWert();
        FSaisTexte << sb.Bezeichnung.GetWert();
    }
    sb.Close();
}

QString TXKSaisConfigurator::LangBez4KurzBez(const QString& code) {
    const int i = FSaisKuerzel.indexOf(code);
    if (i >= 0) return FSaisTexte[i];
    // A passive designation: its seasons still show its text.
    Tsbfile sb;
    sb.Open(254, -1);
    sb.ClearBuffer();
    sb.SetIndex(sb.IndexPrimaer);
    sb.Kuerzel.SetKeyWert(code);
    // A code without designation shows itself, so that the row can still be told apart.
    const QString text = sb.Get_eq() && !sb.Bezeichnung.GetWert().trimmed().isEmpty() ? sb.Bezeichnung.GetWert() : code;
    sb.Close();
    FSaisKuerzel << code;
    FSaisTexte << text;
    return text;
}

QString TXKSaisConfigurator::KurzBez4LangBez(const QString& text) const {
    const int i = FSaisTexte.indexOf(text);
    if (i < 0) throw Exception(QStringLiteral("KurzBez4LangBez failed!"));
    return FSaisKuerzel[i];
}

void TXKSaisConfigurator::DefineFields() {
    // Year and short number may stay empty (seasons without year; seasons without short number).
    FFieldIndSaisAbk = AddStringField(QStringLiteral("SAISABK"), QStringLiteral("Bezeichnung"), true, true, false, false,
                                      1, 1, QString(), QString(), TEditCharCase::ecNormal);
    FFieldIndJahr = AddStringField(QStringLiteral("JAHR"), QStringLiteral("Jahr"), true, false, false, false, 0, 4,
                                   QString(), QStringLiteral("0123456789"), TEditCharCase::ecNormal);
    FFieldIndSaisStart = AddDateField(QStringLiteral("SAISSTART"), QStringLiteral("Saisonstart"), true);
    FFieldIndSaisEnde = AddDateField(QStringLiteral("SAISENDE"), QStringLiteral("Saisonende"), true);
    FFieldIndVorordStart = AddDateField(QStringLiteral("VORORDSTART"), QStringLiteral("Vororderstart"), true);
    FFieldIndVorordEnde = AddDateField(QStringLiteral("VORORDENDE"), QStringLiteral("Vororderende"), true);
    FFieldIndKurzNr = AddStringField(QStringLiteral("KURZNR"), QStringLiteral("Kurznummer"), true, false, false, false,
                                     0, 3, QString(), QStringLiteral("0123456789"), TEditCharCase::ecNormal);
}

int TXKSaisConfigurator::SetCount() {
    try {
        return int(FStFile->GetCount());
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKSaisConfigurator.SetCount"), e, true);
        return -1;
    }
}

void TXKSaisConfigurator::FillFields(QStringList& line) {
    const TStfile& f = *FStFile;
    line << LangBez4KurzBez(f.SaisAbk.GetWert()) << (f.Jahr.GetWert() == 0 ? QString() : QString::number(f.Jahr.GetWert()))
         << TXKTabHilfe::DatumText(f.SaisStart.GetWert()) << TXKTabHilfe::DatumText(f.SaisEnde.GetWert())
         << TXKTabHilfe::DatumText(f.VorordStart.GetWert()) << TXKTabHilfe::DatumText(f.VorordEnde.GetWert())
         << f.KurzNr.GetWert();
}

bool TXKSaisConfigurator::GetFirst(QStringList& line) {
    try {
        line.clear();
        FStFile->ClearBuffer();
        FStFile->ExtendedFilterClear();
        FStFile->SetIndex(FStFile->IndexPrimaer);
        if (!FStFile->Get_first_extMode()) return false;
        FillFields(line);
        return true;
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKSaisConfigurator.GetFirst"), e, true);
        return false;
    }
}

bool TXKSaisConfigurator::GetNext(QStringList& line) {
    try {
        line.clear();
        if (!FStFile->Get_next_extMode()) return false;
        FillFields(line);
        return true;
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKSaisConfigurator.GetNext"), e, true);
        return false;
    }
}

void TXKSaisConfigurator::FillWertevorrat(int index, QStringList& liste) {
    liste.clear();
    if (index == FFieldIndSaisAbk) liste = FSaisTexte;
}

bool TXKSaisConfigurator::SwitchControlEnabled_4_Mode_Edit(int index) {
    return index != FFieldIndSaisAbk && index != FFieldIndJahr;
}

bool TXKSaisConfigurator::Lese(const QString& code, int jahr) {
    FStFile->ClearBuffer();
    FStFile->ExtendedFilterClear();
    FStFile->SetIndex(FStFile->IndexPrimaer);
    FStFile->SaisAbk.SetKeyWert(code);
    FStFile->Jahr.SetKeyWert(jahr);
    return FStFile->Get_eq();
}

bool TXKSaisConfigurator::BuchenTesten(const QString& code, const QStringList& alt, const QStringList& neu) {
    bool result = false;
    try {
        if (code == wrdonDelete) {
            // ZPDurchlesen
            const QString kuerzel = KurzBez4LangBez(alt.value(FFieldIndSaisAbk));
            const int jahr = AlsZahl(alt.value(FFieldIndJahr), 0);
            TZPFile zp;
            zp.OpenNew(-1);
            const bool benutzt = TXKTabHilfe::ScanneVerwendung(
                zp, QStringLiteral("Artikelpreise durchsuchen..."), QStringLiteral("gelesene Preise"), [&] {
                    return (zp.Sais1Abk.GetWert().compare(kuerzel, Qt::CaseInsensitive) == 0 && zp.Sais1Jahr.GetWert() == jahr) ||
                           (zp.Sais2Abk.GetWert().compare(kuerzel, Qt::CaseInsensitive) == 0 && zp.Sais2Jahr.GetWert() == jahr);
                });
            zp.Close();
            if (benutzt) return Ablehnen(QStringLiteral("Die Saison, die Sie löschen möchten, wird noch benutzt!"));
            return true;
        }
        if (neu.value(FFieldIndSaisAbk).trimmed().isEmpty())
            return Ablehnen(QStringLiteral("Bitte geben Sie eine Saisonbezeichnung ein."));
        const int kurzNr = AlsZahl(neu.value(FFieldIndKurzNr), 0);
        if (kurzNr != 0 && QString::number(qAbs(kurzNr)).size() > FSaisKurz)
            return Ablehnen(QStringLiteral("Die Kurznummer ist zu lang. Bitte ändern Sie ggf. den Benutzerpatameter."));
        const QString kuerzel = KurzBez4LangBez(neu.value(FFieldIndSaisAbk));
        const QString jahrText = neu.value(FFieldIndJahr).trimmed();
        const double saisStart = TXKTabHilfe::DatumWert(neu.value(FFieldIndSaisStart));
        const double saisEnde = TXKTabHilfe::DatumWert(neu.value(FFieldIndSaisEnde));
        const double vorStart = TXKTabHilfe::DatumWert(neu.value(FFieldIndVorordStart));
        const double vorEnde = TXKTabHilfe::DatumWert(neu.value(FFieldIndVorordEnde));
        if (OhneJahr(kuerzel)) {
            if (!jahrText.isEmpty()) return Ablehnen(QStringLiteral("Das Jahr darf nicht gefüllt sein!"));
            if (saisStart > 1 || saisEnde > 1 || vorStart > 1 || vorEnde > 1)
                return Ablehnen(QStringLiteral("Die Datumsfelder dürfen nicht gefüllt sein!"));
        } else {
            // Every other season belongs to a year of four digits.
            if (jahrText.size() != 4 || AlsZahl(jahrText, 0) <= 0)
                return Ablehnen(QStringLiteral("Bitte geben Sie das Jahr der Saison vierstellig ein."));
            if (saisStart < 1 || saisEnde < 1 || vorStart < 1 || vorEnde < 1)
                return Ablehnen(QStringLiteral("Die Datumsfelder müssen gefüllt sein!"));
        }
        if (saisEnde < saisStart) return Ablehnen(QStringLiteral("Der Saisonstart liegt nach dem Saisonende!"));
        if (vorEnde < vorStart) return Ablehnen(QStringLiteral("Der Vororderstart liegt nach dem Vororderende!"));
        if (code == wrdonInsert && Lese(kuerzel, AlsZahl(jahrText, 0)))
            return Ablehnen(QStringLiteral("Diese Saison existiert bereits!"));
        result = true;
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKSaisConfigurator.BuchenTesten"), e, true);
    }
    return result;
}

void TXKSaisConfigurator::Fuellen(const QStringList& neu) {
    TStfile& f = *FStFile;
    f.SaisAbk.SetWert(KurzBez4LangBez(neu.value(FFieldIndSaisAbk)));
    f.Jahr.SetWert(AlsZahl(neu.value(FFieldIndJahr), 0));
    f.SaisStart.SetWert(TXKTabHilfe::DatumWert(neu.value(FFieldIndSaisStart)));
    f.SaisEnde.SetWert(TXKTabHilfe::DatumWert(neu.value(FFieldIndSaisEnde)));
    f.VorordStart.SetWert(TXKTabHilfe::DatumWert(neu.value(FFieldIndVorordStart)));
    f.VorordEnde.SetWert(TXKTabHilfe::DatumWert(neu.value(FFieldIndVorordEnde)));
    // The short number as a number, with leading zeros to the allowed digits (at most 3).
    const int stellen = qBound(0, FSaisKurz, 3);
    f.KurzNr.SetWert(QString::number(AlsZahl(neu.value(FFieldIndKurzNr), 0)).rightJustified(stellen, QLatin1Char('0')));
}

void TXKSaisConfigurator::Buchen(const QString& code, const QStringList& alt, const QStringList& neu) {
    // Failures pass to the caller, whose posting then rolls back.
    TStfile& f = *FStFile;
    if (code == wrdonDelete) {
        if (Lese(KurzBez4LangBez(alt.value(FFieldIndSaisAbk)), AlsZahl(alt.value(FFieldIndJahr), 0))) f.Write(wrdonDelete);
    } else if (code == wrdonInsert) {
        f.ClearBuffer();
        f.SetIndex(f.IndexPrimaer);
        Fuellen(neu);
        f.Write(wrdonInsert);
    } else if (code == wrdonUpdate) {
        if (Lese(KurzBez4LangBez(neu.value(FFieldIndSaisAbk)), AlsZahl(neu.value(FFieldIndJahr), 0))) {
            Fuellen(neu);
            f.Write(wrdonUpdate);
        }
    }
}

void InitUnit_XKSais() {
    static int zaehler = 0;
    if (zaehler++ != 0) return;
    RegisterXKConfigurator(XKClass<TXKSaisConfigurator>(), QStringLiteral("SAIS"), QStringLiteral("Saisons"),
                           QStringLiteral("Definieren Sie hier die Saisons mit Verkaufs- und Vororderzeitraum. Eine "
                                          "Saison besteht aus einer Saisonbezeichnung und einem Jahr; ganzjährige Ware "
                                          "und Altware haben weder Jahr noch Zeiträume."),
                           QStringLiteral("Saison, Jahr, Vororder, Artikel, Artikelverwaltung, Preis"));
}
