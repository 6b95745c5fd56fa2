#include "TQLNProgramm.h"

#include "Exception.h"
#include "HostPaths.h"
#include "IniWert.h"
#include "TQLNInfo.h"
#include "TQLNMeldungsKatalog.h"

#include <QFileInfo>
#include <QSettings>

namespace {
struct Zustand {
    bool Offen = false;
    QString ProgrammId;
    QString Titel;
    TQLNSitzungsDaten Daten;
    std::unique_ptr<TQLNSitzungsQuelle> Quelle;
    struct Arbeit {
        QString Kontext;
        int Modus = 0;
    };
    QHash<const QObject*, Arbeit> Arbeiten;
};
Zustand& Z() {
    static Zustand z;
    return z;
}
}  // namespace

TQLNIniSitzungsQuelle::TQLNIniSitzungsQuelle(QString iniDatei) : FIniDatei(std::move(iniDatei)) {}

int TQLNIniSitzungsQuelle::EigeneRechnernummer(const QString& iniDatei) {
    const QSettings ini(iniDatei.isEmpty() ? HostPaths::ProgramIniFile() : iniDatei, QSettings::IniFormat);
    bool ok = false;
    const int rnr = IniText(ini, QStringLiteral("SYSTEM/RNR")).trimmed().toInt(&ok);
    return ok && rnr > 0 ? rnr : 1;
}

TQLNSitzungsDaten TQLNIniSitzungsQuelle::Lade() {
    const QString datei = FIniDatei.isEmpty() ? HostPaths::ProgramIniFile() : FIniDatei;
    const QSettings ini(datei, QSettings::IniFormat);
    if (QFileInfo::exists(datei) && ini.status() != QSettings::NoError)
        throw Exception(QStringLiteral("Die Programm-Ini %1 ist fehlerhaft.").arg(datei));
    TQLNSitzungsDaten d;
    const auto text = [&](const char* key, const QString& def) {
        const QString v = IniText(ini, QStringLiteral("SYSTEM/") + QLatin1String(key)).trimmed();
        return v.isEmpty() ? def : v;
    };
    const auto zahl = [&](const char* key, int def, int min, int max) {
        bool ok = false;
        const int v = text(key, {}).toInt(&ok);
        return ok && v >= min && v <= max ? v : def;
    };
    d.RId = EigeneRechnernummer(datei);
    d.RTyp = zahl("RTYP", 1, 0, 7);
    d.RName = text("RNAME", QStringLiteral("Rechner %1").arg(d.RId));
    d.Mandant = zahl("MANDANT", 1, 0, 999999);
    d.MandantName = text("MANDANTNAME", QStringLiteral("Mandant %1").arg(d.Mandant));
    d.Unternehmensgruppe = text("UNTERNEHMENSGRUPPE", QStringLiteral("Unternehmensgruppe"));
    d.Land = text("LAND", QStringLiteral("D"));
    d.Waehrung = text("WAEHRUNG", QStringLiteral("EUR"));
    d.Waehrung2 = text("WAEHRUNG2", {});
    d.Benutzer = text("BENUTZER", qEnvironmentVariable("USER"));
    for (const QString& r : text("VERWEIGERTERECHTE", {}).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        bool ok = false;
        const int n = r.trimmed().toInt(&ok);
        if (ok) d.VerweigerteRechte.insert(n);
    }
    return d;
}

void TQLNProgramm::Init(const QString& programmId, TEnumProzessTypen, TPVR_InstanceCount, int, bool) {
    auto& z = Z();
    if (!z.Quelle) z.Quelle = std::make_unique<TQLNIniSitzungsQuelle>();
    z.Daten = z.Quelle->Lade();
    z.ProgrammId = programmId;
    z.Offen = true;
}

bool TQLNProgramm::Initialisiert() { return Z().Offen; }

void TQLNProgramm::Beenden() {
    auto& z = Z();
    z.Offen = false;
    z.Arbeiten.clear();
}

void TQLNProgramm::SetTitle(const QString& titel) { Z().Titel = titel; }
QString TQLNProgramm::GetTitle() { return Z().Titel; }
QString TQLNProgramm::GetProgrammId() { return Z().ProgrammId; }
int TQLNProgramm::GetRId() { return Z().Daten.RId; }
TRTyp_Erw TQLNProgramm::GetRTyp() { return Z().Daten.RTyp; }
QString TQLNProgramm::GetRName() { return Z().Daten.RName; }
int TQLNProgramm::GetMandant() { return Z().Daten.Mandant; }
QString TQLNProgramm::GetMandantName() { return Z().Daten.MandantName; }
QString TQLNProgramm::GetUnternehmensgruppeName() { return Z().Daten.Unternehmensgruppe; }
QString TQLNProgramm::GetLand() { return Z().Daten.Land; }
QString TQLNProgramm::GetWaehrung() { return Z().Daten.Waehrung; }
QString TQLNProgramm::GetWaehrung2() { return Z().Daten.Waehrung2; }
QString TQLNProgramm::GetBenutzer() { return Z().Daten.Benutzer; }
const TQLNSitzungsDaten& TQLNProgramm::Sitzung() { return Z().Daten; }

bool TQLNProgramm::RTypInSet(TRTyp_Erw typ, int typenSet) {
    return typ >= 0 && typ <= 7 && (typenSet & (1 << typ)) != 0;
}

bool TQLNProgramm::UserRechtePruefen(const QList<TZEV_WPF_Recht>& rechte, bool meldung) {
    for (const TZEV_WPF_Recht r : rechte) {
        if (Z().Daten.VerweigerteRechte.contains(r)) {
            if (meldung) TQLNInfo::ShowMeldung(mkHinweis, {QString::number(r)}, QStringLiteral("HOST"), 1);
            return false;
        }
    }
    return true;
}

void TQLNProgramm::ShowException(const std::exception& e, bool) {
    TQLNInfo::RegisterException(QStringLiteral("TQLNProgramm.ShowException"), e, true);
}

bool TQLNProgramm::WorkStartTry(const QObject* fenster, const QString& kontext, int modus) {
    auto& arbeiten = Z().Arbeiten;
    if (arbeiten.contains(fenster)) return false;
    arbeiten.insert(fenster, {kontext, modus});
    return true;
}

void TQLNProgramm::WorkDone(const QObject* fenster) { Z().Arbeiten.remove(fenster); }

bool TQLNProgramm::Working(const QObject* fenster) { return Z().Arbeiten.contains(fenster); }

QString TQLNProgramm::WorkingContext(const QObject* fenster) { return Z().Arbeiten.value(fenster).Kontext; }

void TQLNProgramm::InstallSitzungsQuelle(std::unique_ptr<TQLNSitzungsQuelle> quelle) {
    Z().Quelle = std::move(quelle);
}

void TQLNProgramm::SetSitzung(const TQLNSitzungsDaten& daten) { Z().Daten = daten; }

TQLNWorkGuard::TQLNWorkGuard(const QObject* fenster, const QString& kontext, int modus)
    : FFenster(fenster), FOk(TQLNProgramm::WorkStartTry(fenster, kontext, modus)) {}

TQLNWorkGuard::~TQLNWorkGuard() {
    if (FOk) TQLNProgramm::WorkDone(FFenster);
}
