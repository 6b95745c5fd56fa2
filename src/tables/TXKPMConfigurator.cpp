#include "TXKPMConfigurator.h"

#include "host/Exception.h"
#include "host/QLNBuchung.h"
#include "host/TAppExec.h"
#include "host/TIntPair2String.h"
#include "host/TParameter.h"
#include "host/TQLNInfo.h"
#include "host/TQLNProgramm.h"
#include "host/TQLNServerFactory.h"
#include "host/acfg/TZEV_ACfg_Registry.h"
#include "host/managers/TQLN_KontenServer.h"
#include "host/managers/TQLN_MandantenServer.h"
#include "host/records/Tgmerfile.h"
#include "host/records/Trechnerfile.h"
#include "registry/Triveltaclass.h"

#include <QTimer>

namespace {
const QString CTyp = QStringLiteral("P");
const QString CLeer = QStringLiteral("LEER");
constexpr int CKontoLaenge = 15;
const QString CProgramm = QStringLiteral("PEXURO.EXE");
}  // namespace

TXKPMConfigurator::TXKPMConfigurator() = default;
TXKPMConfigurator::~TXKPMConfigurator() = default;

void TXKPMConfigurator::Resources_Create() {
    TXKAllgTabConfigurator::Resources_Create();
    FGmerFile = std::make_unique<Tgmerfile>();
    FAppExec = std::make_unique<TAppExec>();
    FNachBuchung = std::make_unique<QObject>();
}

bool TXKPMConfigurator::LeseComputerMitNachlass() {
    Trechnerfile rechner;
    rechner.Open(254, -1);
    rechner.ClearBuffer();
    rechner.SetIndex(rechner.IndexPrimaer);
    bool gefunden = false;
    for (bool ok = rechner.Get_first(); ok && !gefunden; ok = rechner.Get_next())
        gefunden = JNToBool(TParameter::StringParamRead(QStringLiteral("VERKNACH"), rechner.Rnr.GetWert()));
    rechner.Close();
    return gefunden;
}

void TXKPMConfigurator::Resources_InitF() {
    FFieldIndRnr = FFieldIndLnr = FFieldIndBezeichnung = FFieldIndArt = FFieldIndKonto = -1;
    try {
        FNachlassAufKonto = LeseComputerMitNachlass();
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKPMConfigurator.Resources_InitF"), e, true);
        FNachlassAufKonto = false;
    }
    TXKAllgTabConfigurator::Resources_InitF();
    FGmerFile->OpenNew(-1);
}

void TXKPMConfigurator::Resources_DoneF() {
    try {
        if (FGmerFile) FGmerFile->Close();
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKPMConfigurator.Resources_DoneF"), e, false);
    }
    TXKAllgTabConfigurator::Resources_DoneF();
    TQLNInfo::FehlerTerminate(QStringLiteral("TXKPMConfigurator.Resources_DoneF"));
}

void TXKPMConfigurator::Resources_Destroy() {
    try {
        FNachBuchung.reset();  // a question not yet asked is dropped with it
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKPMConfigurator.Resources_Destroy"), e, false);
    }
    try {
        TQLNServerFactory::ServerFreigeben(FKontenServer);
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKPMConfigurator.Resources_Destroy"), e, false);
    }
    try {
        TQLNServerFactory::ServerFreigeben(FMandantenServer);
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKPMConfigurator.Resources_Destroy"), e, false);
    }
    try {
        FAppExec.reset();
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKPMConfigurator.Resources_Destroy"), e, false);
    }
    try {
        FGmerFile.reset();
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKPMConfigurator.Resources_Destroy"), e, false);
    }
    TXKAllgTabConfigurator::Resources_Destroy();
    TQLNInfo::FehlerTerminate(QStringLiteral("TXKPMConfigurator.Resources_Destroy"));
}

void TXKPMConfigurator::DefineFields() {
    FFieldIndRnr = AddIntegerField(QStringLiteral("RNR"), QStringLiteral("Rechner"), false, false, 0, 0);
    FFieldIndLnr = AddIntegerField(QStringLiteral("LNR"), QStringLiteral("laufende Nummer"), false, false, 0, 0);
    FFieldIndBezeichnung = AddStringField(QStringLiteral("BEZEICHNUNG"), QStringLiteral("Bezeichnung"), true, false,
                                          false, false, 3, 40, QString(), QString(), TEditCharCase::ecNormal);
    // " " (no particular type) is a choice too: not required.
    FFieldIndArt = AddStringField(QStringLiteral("ART"), QStringLiteral("Art der Preisminderung"), true, true, false,
                                  false, 0, 1, QString(), QString(), TEditCharCase::ecNormal);
    if (FNachlassAufKonto)
        FFieldIndKonto = AddStringField(QStringLiteral("KONTO"), QStringLiteral("Erlösminderungskonto"), true, false,
                                        false, false, 3, CKontoLaenge, QString(), QString(), TEditCharCase::ecUpperCase);
}

void TXKPMConfigurator::EditLabels(int index, QString& caption) {
    if (index >= 0 && index == FFieldIndKonto) caption = QStringLiteral("Eingabe Kontenkürzel");
}

QString TXKPMConfigurator::Datei2Anzeige(const QString& wert, bool zurAnzeige) {
    // Anything else, a blank among them, is "no particular type".
    const QStringList gespeichert{QStringLiteral("P"), QStringLiteral("K")};
    const QStringList angezeigt{QStringLiteral("Personalrabatt"), QStringLiteral("Kundenrabatt")};
    const int i = (zurAnzeige ? gespeichert : angezeigt).indexOf(wert.trimmed());
    if (i < 0) return QStringLiteral(" ");
    return zurAnzeige ? angezeigt[i] : gespeichert[i];
}

void TXKPMConfigurator::FillWertevorrat(int index, QStringList& liste) {
    liste.clear();
    if (index == FFieldIndArt) liste = QStringList{QStringLiteral(" "), QStringLiteral("Personalrabatt"), QStringLiteral("Kundenrabatt")};
}

void TXKPMConfigurator::FillFields(QStringList& line) const {
    const Tgmerfile& f = *FGmerFile;
    const QString format = f.Format.GetWert();
    line << QString::number(f.Rnr.GetWert()) << QString::number(f.Lnr.GetWert()) << f.Bezeichnung.GetWert()
         << Datei2Anzeige(format.mid(CKontoLaenge, 1), true);
    if (FNachlassAufKonto) {
        const QString konto = format.left(CKontoLaenge).trimmed();
        line << (konto == CLeer ? QString() : konto);
    }
}

bool TXKPMConfigurator::GetFirst(QStringList& line) {
    try {
        line.clear();
        FGmerFile->ClearBuffer();
        FGmerFile->ExtendedFilterClear();
        FGmerFile->SetIndex(FGmerFile->IndexPrimaer);
        FGmerFile->Typ.SetFilter(CTyp);
        if (!FGmerFile->Get_first_extMode()) return false;
        FillFields(line);
        return true;
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKPMConfigurator.GetFirst"), e, true);
        return false;
    }
}

bool TXKPMConfigurator::GetNext(QStringList& line) {
    try {
        line.clear();
        if (!FGmerFile->Get_next_extMode()) return false;
        FillFields(line);
        return true;
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKPMConfigurator.GetNext"), e, true);
        return false;
    }
}

bool TXKPMConfigurator::BuchenTesten(const QString& code, const QStringList&, const QStringList& neu) {
    bool result = false;
    try {
        if (code != wrdonDelete) {
            if (neu.value(FFieldIndBezeichnung).trimmed().isEmpty())
                return Ablehnen(QStringLiteral("Bitte geben Sie eine Bezeichnung für den Preisminderungsgrund ein."));
            if (FNachlassAufKonto && neu.value(FFieldIndKonto).trimmed().isEmpty())
                return Ablehnen(QStringLiteral("Bitte geben Sie eine Kurzbezeichnung für das Erlösminderungskonto ein."));
        }
        result = true;
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKPMConfigurator.BuchenTesten"), e, true);
    }
    return result;
}

QString TXKPMConfigurator::Konto(const QStringList& neu) const {
    // Short names are upper case, as the field is typed.
    return FNachlassAufKonto ? neu.value(FFieldIndKonto).trimmed().toUpper() : QString();
}

QString TXKPMConfigurator::FillFormat(const QStringList& neu) const {
    QString konto = Konto(neu);
    if (konto.isEmpty()) konto = CLeer;
    return konto.leftJustified(CKontoLaenge, QLatin1Char(' '), true) + Datei2Anzeige(neu.value(FFieldIndArt), false);
}

int TXKPMConfigurator::NaechsteLnr() {
    // As for label formats: the record before the highest possible number of this computer.
    Tgmerfile& f = *FGmerFile;
    const int rnr = TQLNProgramm::GetRId();
    f.ClearBuffer();
    f.ExtendedFilterClear();
    f.SetIndex(f.IndexPrimaer);
    f.Typ.SetKeyWert(CTyp);
    f.Rnr.SetKeyWert(rnr);
    f.Lnr.SetKeyWert(TDatenfeld_Integer::CMaxWert);
    if (f.Get_le() && f.Typ.GetWert() == CTyp && f.Rnr.GetWert() == rnr) {
        if (f.Lnr.GetWert() == TDatenfeld_Integer::CMaxWert)
            throw Exception(QStringLiteral("No Lfd GMERFile typ P available!"));
        return f.Lnr.GetWert() + 1;
    }
    return 1;
}

bool TXKPMConfigurator::Lese(int rnr, int lnr) {
    Tgmerfile& f = *FGmerFile;
    f.ClearBuffer();
    f.ExtendedFilterClear();
    f.SetIndex(f.IndexPrimaer);
    f.Typ.SetKeyWert(CTyp);
    f.Rnr.SetKeyWert(rnr);
    f.Lnr.SetKeyWert(lnr);
    return f.Get_eq();
}

bool TXKPMConfigurator::KontoVorhanden(const QString& konto, bool anlegen) {
    if (!FMandantenServer) FMandantenServer = TQLNServerFactory::Mandantenserver_GoC();
    if (!FKontenServer) FKontenServer = TQLNServerFactory::Kontenserver_GoC();
    const QString kurzname = konto.trimmed();
    TQLN_MandantInfo m;
    for (int i = 0; FMandantenServer->Mandant_GoCiN(i, m); ++i) {
        if (FKontenServer->KontoVorhanden(m.Id, kurzname)) continue;
        if (!anlegen) return false;
        TskSatz satz;
        satz.Mandant = m.Id;
        satz.Text1 = kurzname;
        satz.Text2 = QString();
        satz.Text3 = kurzname;
        satz.Kennzeichen = {QChar('G'), QChar('E'), QChar('N'), QChar('A'), QChar('P'), QChar(' ')};
        FKontenServer->Konto_Anlegen(satz);
    }
    return true;
}

bool TXKPMConfigurator::KontoBearbeitung(const TIntPair& mandant, const QString& konto) {
    return FAppExec->Starte(GetDirWwsByName(QStringLiteral("FERTIG")), CProgramm,
                            {QStringLiteral("-Modus=E"), QStringLiteral("-Mandant=") + TIntPair2String(mandant),
                             QStringLiteral("-Konto=") + konto});
}

void TXKPMConfigurator::NeueKontenBearbeiten() {
    const QString konto = FNeuesKonto;
    FNeuesKonto.clear();
    try {
        if (konto.isEmpty() || !KontoVorhanden(konto, false)) return;
        if (!Frage(QStringLiteral("Es wurden ein Konto neu angelegt! Wollen Sie diesem jetzt eine Kontonummer zuordnen "
                                  "oder die Bezeichnung bearbeiten?"),
                   981))
            return;
        TQLN_MandantInfo m;
        for (int i = 0; FMandantenServer->Mandant_GoCiN(i, m); ++i)
            if (!KontoBearbeitung(m.Id, konto)) break;  // the user has been told once
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKPMConfigurator.KontoBearbeitung"), e, true);
    }
}

void TXKPMConfigurator::Buchen(const QString& code, const QStringList& alt, const QStringList& neu) {
    // Failures pass to the caller, whose posting then rolls back.
    Tgmerfile& f = *FGmerFile;
    if (code == wrdonDelete) {
        if (Lese(AlsZahl(alt.value(FFieldIndRnr), 0), AlsZahl(alt.value(FFieldIndLnr), 0))) f.Write(wrdonDelete);
        return;
    }
    QString aktion;
    if (code == wrdonInsert) {
        const int lnr = NaechsteLnr();
        f.ClearBuffer();
        f.SetIndex(f.IndexPrimaer);
        f.Typ.SetWert(CTyp);
        f.Rnr.SetWert(TQLNProgramm::GetRId());
        f.Lnr.SetWert(lnr);
        aktion = wrdonInsert;
    } else if (code == wrdonUpdate) {
        if (!Lese(AlsZahl(alt.value(FFieldIndRnr), 0), AlsZahl(alt.value(FFieldIndLnr), 0))) return;
        aktion = wrdonUpdate;
    } else {
        return;
    }
    f.Bezeichnung.SetWert(neu.value(FFieldIndBezeichnung));
    f.Format.SetWert(FillFormat(neu));
    const QString konto = Konto(neu);
    if (!FNachlassAufKonto || KontoVorhanden(konto, false)) {
        f.Write(aktion);
        return;
    }
    // The buffer is kept: the accounts server works on files of its own.
    QLNBuchung buchung(CBuchungsArt, QStringLiteral("TXKPMConfigurator.Buchen"));
    KontoVorhanden(konto, true);
    f.Write(aktion);
    buchung.Ende(QStringLiteral("TXKPMConfigurator.Buchen"));
    // The question waits until the surrounding posting has committed.
    FNeuesKonto = konto;
    QTimer::singleShot(0, FNachBuchung.get(), [this] { NeueKontenBearbeiten(); });
}

void InitUnit_XKPM() {
    static int zaehler = 0;
    if (zaehler++ != 0) return;
    const QString caption = QStringLiteral("Preisminderungsgründe");
    const QString beschreibung =
        QStringLiteral("Legen Sie hier die Gründe fest, die an der Kasse bei einem Verkauf unter dem regulären Preis "
                       "angegeben werden, zum Beispiel Personalrabatt oder Mängelware. Werden Nachlässe auf "
                       "Kundenkonten gebucht, ordnen Sie jedem Grund ein Erlösminderungskonto zu.");
    const QString schlagworte = QStringLiteral("Preisminderung, Rabatt, Nachlass, Grund, Kasse, Erlösminderung, Konto");
    RegisterXKConfigurator(XKClass<TXKPMConfigurator>(), QStringLiteral("PREISMIND"), caption, beschreibung, schlagworte);
    TZEV_ACfg_Registry::RegisterXKConfigurator(XKClass<TXKPMConfigurator>(), 25, schlagworte, beschreibung, caption,
                                               QStringLiteral("PREISMIND"));
}
