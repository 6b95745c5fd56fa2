#include "TXKKundMerConfigurator.h"

#include "TXKTabHilfe.h"
#include "host/CQLN_GB_Kennung.h"
#include "host/Exception.h"
#include "host/TQLNInfo.h"
#include "host/acfg/TZEV_ACfg_Registry.h"
#include "host/records/Tgbfile.h"
#include "host/records/Tmerfile.h"
#include "registry/Triveltaclass.h"

namespace {
QString Kind() { return QString(CQLN_GB_Kennung2Char(gbkKundenmerkmal)); }
// Customer attributes have no legal capacity: the blank.
const QString CRechtsfLeer = QStringLiteral(" ");
}  // namespace

TXKKundMerConfigurator::TXKKundMerConfigurator() = default;
TXKKundMerConfigurator::~TXKKundMerConfigurator() = default;

void TXKKundMerConfigurator::Resources_Create() {
    TXKAllgTabConfigurator::Resources_Create();
    FGbFile = std::make_unique<Tgbfile>();
}

void TXKKundMerConfigurator::Resources_InitF() {
    FFieldIndNummer = FFieldIndBezeichnung = -1;
    TXKAllgTabConfigurator::Resources_InitF();
    FGbFile->OpenNew(-1);
}

void TXKKundMerConfigurator::Resources_DoneF() {
    try {
        if (FGbFile) FGbFile->Close();
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKKundMerConfigurator.Resources_DoneF"), e, false);
    }
    TXKAllgTabConfigurator::Resources_DoneF();
    TQLNInfo::FehlerTerminate(QStringLiteral("TXKKundMerConfigurator.Resources_DoneF"));
}

void TXKKundMerConfigurator::Resources_Destroy() {
    try {
        FGbFile.reset();
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKKundMerConfigurator.Resources_Destroy"), e, false);
    }
    TXKAllgTabConfigurator::Resources_Destroy();
    TQLNInfo::FehlerTerminate(QStringLiteral("TXKKundMerConfigurator.Resources_Destroy"));
}

void TXKKundMerConfigurator::DefineFields() {
    FFieldIndNummer = AddIntegerField(QStringLiteral("NUMMER"), QStringLiteral("Nummer"), false, false, 0, 0);
    FFieldIndBezeichnung = AddStringField(QStringLiteral("BEZEICHNUNG"), QStringLiteral("Bezeichnung"), true, false,
                                          false, false, 1, 40, QString(), QString(), TEditCharCase::ecNormal);
}

void TXKKundMerConfigurator::FillFields(QStringList& line) const {
    line << QString::number(FGbFile->GbTyp.GetWert()) << FGbFile->Bezeichnung.GetWert();
}

bool TXKKundMerConfigurator::GetFirst(QStringList& line) {
    try {
        line.clear();
        FGbFile->ClearBuffer();
        FGbFile->ExtendedFilterClear();
        FGbFile->SetIndex(FGbFile->IndexPrimaer);
        FGbFile->Kennung.SetFilter(Kind());
        if (!FGbFile->Get_first_extMode()) return false;
        FillFields(line);
        return true;
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKKundMerConfigurator.GetFirst"), e, true);
        return false;
    }
}

bool TXKKundMerConfigurator::GetNext(QStringList& line) {
    try {
        line.clear();
        if (!FGbFile->Get_next_extMode()) return false;
        FillFields(line);
        return true;
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKKundMerConfigurator.GetNext"), e, true);
        return false;
    }
}

bool TXKKundMerConfigurator::BuchenTesten(const QString& code, const QStringList& alt, const QStringList& neu) {
    bool result = false;
    try {
        if (code == wrdonDelete) {
            // MERDurchlesen
            const int nummer = AlsZahl(alt.value(FFieldIndNummer), 0);
            Tmerfile mer;
            mer.OpenNew(-1);
            const bool benutzt = TXKTabHilfe::ScanneVerwendung(
                mer, QStringLiteral("Kunden nach Merkmal durchsuchen..."), QStringLiteral("gelesene Kunden"),
                [&] { return mer.Merkmal.GetWert() == nummer && !mer.Wert.GetWert().trimmed().isEmpty(); });
            mer.Close();
            if (benutzt) return Ablehnen(QStringLiteral("Das Merkmal, das Sie löschen möchten, wird noch benutzt!"));
            return true;
        }
        const QString bezeichnung = neu.value(FFieldIndBezeichnung);
        if (bezeichnung.trimmed().isEmpty())
            return Ablehnen(QStringLiteral("Bitte geben Sie eine Beschreibung für das Kundenmerkmal ein."));
        // Also a change that keeps the designation finds its own record here.
        FGbFile->ClearBuffer();
        FGbFile->ExtendedFilterClear();
        FGbFile->SetIndex(FGbFile->IndexBezeichnung);
        FGbFile->Kennung.SetKeyWert(Kind());
        FGbFile->Bezeichnung.SetKeyWert(bezeichnung);
        if (FGbFile->Get_eq())
            return Ablehnen(QStringLiteral("Ex existiert bereits ein Merkmal mit dieser Bezeichnung. BItte wählen Sie "
                                           "eine andere Bezeichnung!"));
        result = true;
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKKundMerConfigurator.BuchenTesten"), e, true);
    }
    return result;
}

bool TXKKundMerConfigurator::Lese(int nummer) {
    FGbFile->ClearBuffer();
    FGbFile->ExtendedFilterClear();
    FGbFile->SetIndex(FGbFile->IndexPrimaer);
    FGbFile->Kennung.SetKeyWert(Kind());
    FGbFile->Rechtsf.SetKeyWert(CRechtsfLeer);
    FGbFile->GbTyp.SetKeyWert(nummer);
    return FGbFile->Get_eq();
}

int TXKKundMerConfigurator::NaechsteNummer() {
    Tgbfile& f = *FGbFile;
    f.ClearBuffer();
    f.ExtendedFilterClear();
    f.SetIndex(f.IndexPrimaer);
    f.Kennung.SetFilter(Kind());
    f.Rechtsf.SetFilter(CRechtsfLeer);
    const bool gefunden = f.Get_last_extMode();
    const int letzte = gefunden ? f.GbTyp.GetWert() : 0;
    f.ExtendedFilterClear();
    if (letzte > CLetzteNummer - 1) throw Exception(QStringLiteral("No Lfd GBFile Kennung # available!"));
    return letzte + 1 >= CErsteNummer ? letzte + 1 : CErsteNummer;
}

void TXKKundMerConfigurator::Buchen(const QString& code, const QStringList& alt, const QStringList& neu) {
    // Failures pass to the caller, whose posting then rolls back.
    Tgbfile& f = *FGbFile;
    if (code == wrdonDelete) {
        if (Lese(AlsZahl(alt.value(FFieldIndNummer), 0))) f.Write(wrdonDelete);
    } else if (code == wrdonInsert) {
        const int nummer = NaechsteNummer();
        f.ClearBuffer();
        f.SetIndex(f.IndexPrimaer);
        f.Kennung.SetWert(Kind());
        f.Rechtsf.SetWert(CRechtsfLeer);
        f.GbTyp.SetWert(nummer);
        f.Bezeichnung.SetWert(neu.value(FFieldIndBezeichnung));
        f.Aenderbar.SetWert(QStringLiteral("J"));
        f.Write(wrdonInsert);
    } else if (code == wrdonUpdate) {
        if (Lese(AlsZahl(alt.value(FFieldIndNummer), 0))) {
            f.Bezeichnung.SetWert(neu.value(FFieldIndBezeichnung));
            f.Aenderbar.SetWert(QStringLiteral("J"));
            f.Write(wrdonUpdate);
        }
    }
}

void InitUnit_XKKundMer() {
    static int zaehler = 0;
    if (zaehler++ != 0) return;
    // The catalogue entry "KUNDMER" opens the configuration window of type 159,
    // where these attributes are type 160.
    TZEV_ACfg_Registry::RegisterXKConfigurator(
        XKClass<TXKKundMerConfigurator>(), 160, QStringLiteral("Kunde, Merkmal"),
        QStringLiteral("Sie können selbstdefinierte Merkmale (Datenbankfelder) im Kundenstamm eingeben.Definieren Sie "
                       "dazu hier die Namen der benutzerdefinierten Kundenmerkmale."),
        QStringLiteral("Anlage und Bearbeitung von Kundenmerkmalen"), QStringLiteral("KUNDMERA"));
}
