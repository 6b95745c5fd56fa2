#include "TZEV_XKGrnd_Configurator.h"

#include "host/Exception.h"
#include "host/QLNBuchung.h"
#include "host/TQLNInfo.h"
#include "host/TQLNProgramm.h"
#include "host/TQLNServerFactory.h"
#include "host/managers/TQLN_AufgabenEditServer.h"
#include "host/records/TGrndFile.h"
#include "host/records/Taufgfile.h"
#include "registry/Triveltaclass.h"

namespace {
const QString CKontext = QStringLiteral("TZEV_XKGrnd_Configurator");
QString Kontext(const char* operation) { return CKontext + QLatin1Char('.') + QLatin1String(operation); }
}  // namespace

QString TZEV_XKGrnd_Configurator::KuerzelText() const {
    switch (FKuerzel) {
        case grndBEW: return QStringLiteral("BEW");
        case grndWEG: return QStringLiteral("WEG");
        case grndHAG: return QStringLiteral("HAG");
    }
    return {};
}

TZEV_XKGrnd_Configurator::TZEV_XKGrnd_Configurator(TZEV_GrndKuerzel kuerzel) : FKuerzel(kuerzel) {}
TZEV_XKGrnd_Configurator::~TZEV_XKGrnd_Configurator() = default;

void TZEV_XKGrnd_Configurator::Resources_Create() {
    TXKAllgTabConfigurator::Resources_Create();
    FGrndFile = std::make_unique<TGrndFile>();
    FGrndFile->Open(2, -1);
}

void TZEV_XKGrnd_Configurator::Resources_InitF() {
    FFieldIndKuerzel = FFieldIndRnr = FFieldIndLnr = FFieldIndSnr = FFieldIndLangBez = FFieldIndKurzBez = -1;
    FFieldIndPrioritaet = FFieldIndReihenfolge = FFieldIndNurAufgabe = FFieldIndAktiv = -1;
    TXKAllgTabConfigurator::Resources_InitF();
}

void TZEV_XKGrnd_Configurator::Resources_Destroy() {
    try {
        TQLNServerFactory::ServerFreigeben(FAufgabenServer);
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(Kontext("Resources_Destroy"), e, false);
    }
    try {
        if (FGrndFile) FGrndFile->Close();
        FGrndFile.reset();
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(Kontext("Resources_Destroy"), e, false);
    }
    TXKAllgTabConfigurator::Resources_Destroy();
    TQLNInfo::FehlerTerminate(Kontext("Resources_Destroy"));
}

void TZEV_XKGrnd_Configurator::DefineFields() {
    FFieldIndKuerzel = AddStringField(QStringLiteral("KUERZEL"), QStringLiteral("Art"), false, false, false, false, 3, 3,
                                      QString(), QString(), TEditCharCase::ecUpperCase);
    FFieldIndRnr = AddIntegerField(QStringLiteral("ID_RNr"), QStringLiteral("Rechner"), false, false, 0, 0);
    FFieldIndLnr = AddIntegerField(QStringLiteral("ID_LNr"), QStringLiteral("laufende Nummer"), false, false, 0, 0);
    FFieldIndSnr = AddIntegerField(QStringLiteral("ID_SNr"), QStringLiteral("Unternummer"), false, false, 0, 0);
    FFieldIndLangBez = AddStringField(QStringLiteral("LANGBEZ"), QStringLiteral("Bezeichnung"), true, false, false, false,
                                      1, TGrndFile::CLangBezLaenge, QString(), QString(), TEditCharCase::ecNormal);
    if (!IstHAG()) {
        FFieldIndKurzBez = AddStringField(QStringLiteral("KURZBEZ"), QStringLiteral("Kurzbezeichnung"), true, false,
                                          false, false, 1, TGrndFile::CKurzBezLaenge, QString(), QString(),
                                          TEditCharCase::ecNormal);
    } else {
        // Short column captions; the single form explains them (EditLabels).
        FFieldIndPrioritaet = AddBooleanField(QStringLiteral("PRIORITAET"), QStringLiteral("eilt"), true);
        FFieldIndReihenfolge =
            AddIntegerField(QStringLiteral("REIHENFOLGE"), QStringLiteral("Reihenfolge"), true, false, 1, 9);
        FFieldIndNurAufgabe =
            AddBooleanField(QStringLiteral("NURAUFGABE"), QStringLiteral("ohne Filialaustausch"), true);
    }
    FFieldIndAktiv = AddBooleanField(QStringLiteral("AKTIV"), QStringLiteral("aktiv"), true);
}

void TZEV_XKGrnd_Configurator::EditLabels(int index, QString& caption) {
    if (index < 0) return;
    if (index == FFieldIndPrioritaet) caption = QStringLiteral("eilt (Hinweis bei Aufgabe)");
    else if (index == FFieldIndReihenfolge) caption = QStringLiteral("Reihenfolge (1 = zuerst, 9 = zuletzt)");
    else if (index == FFieldIndNurAufgabe) caption = QStringLiteral("Umlagerung OHNE Filialaustausch");
}

void TZEV_XKGrnd_Configurator::SetAllowedModes() {
    TXKAllgTabConfigurator::SetAllowedModes();
    if (!IstHAG()) FAllowedModes.remove(xkefDelete);
    FAllowedModes.remove(xkefPrint);
}

void TZEV_XKGrnd_Configurator::FillFields(QStringList& line) const {
    const TGrndFile& f = *FGrndFile;
    if (!f.HatAktuellenSatz())
        TQLNInfo::FehlerRaise(Kontext("FillFields"), QStringLiteral("Die Datei %1 ist nicht positioniert.").arg(f.Tabelle()));
    const TIntTrio id = f.Id.GetWert();
    line << f.Kuerzel.GetWert() << QString::number(id.A) << QString::number(id.B) << QString::number(id.C)
         << f.LangBez.GetWert();
    if (!IstHAG())
        line << f.KurzBez.GetWert();
    else
        line << BoolToJN(f.Prioritaet.GetWert()) << QString::number(f.Reihenfolge.GetWert())
             << BoolToJN(f.NurAufgabe.GetWert());
    line << BoolToJN(f.Aktiv.GetWert());
}

bool TZEV_XKGrnd_Configurator::GetFirst(QStringList& line) {
    try {
        line.clear();
        TGrndFile& f = *FGrndFile;
        f.ClearBuffer();
        f.ExtendedFilterClear();
        f.SetIndex(f.IndexPrimaer);
        f.Kuerzel.SetKeyWert(KuerzelText());
        f.Kuerzel.SetFilter(KuerzelText());
        if (!f.Get_ge_extMode()) return false;
        FillFields(line);
        return true;
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(Kontext("GetFirst"), e, true);
        return false;
    }
}

bool TZEV_XKGrnd_Configurator::GetNext(QStringList& line) {
    try {
        line.clear();
        if (!FGrndFile->Get_next_extMode()) return false;
        FillFields(line);
        return true;
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(Kontext("GetNext"), e, true);
        return false;
    }
}

void TZEV_XKGrnd_Configurator::FillNewLine(QStringList& line) {
    TXKAllgTabConfigurator::FillNewLine(line);
    line[FFieldIndKuerzel] = KuerzelText();
    line[FFieldIndAktiv] = QStringLiteral("J");
    if (IstHAG()) {
        line[FFieldIndPrioritaet] = QStringLiteral("N");
        line[FFieldIndReihenfolge] = QStringLiteral("5");
        line[FFieldIndNurAufgabe] = QStringLiteral("N");
    }
}

bool TZEV_XKGrnd_Configurator::SwitchControlEnabled_4_Mode_Edit(int index) {
    // The only-task flag stays as it was set: show it locked instead of refusing the change.
    return index != FFieldIndNurAufgabe;
}

TIntTrio TZEV_XKGrnd_Configurator::IdVon(const QStringList& line) const {
    return {AlsZahl(line.value(FFieldIndRnr), 0), AlsZahl(line.value(FFieldIndLnr), 0),
            AlsZahl(line.value(FFieldIndSnr), 0)};
}

bool TZEV_XKGrnd_Configurator::CodeErlaubt(const QString& code) const {
    return code == wrdonInsert || code == wrdonUpdate || (IstHAG() && code == wrdonDelete);
}

bool TZEV_XKGrnd_Configurator::BuchenTesten(const QString& code, const QStringList& alt, const QStringList& neu) {
    bool result = false;
    try {
        if (!CodeErlaubt(code)) {
            TQLNInfo::ShowMeldung(mkHinweis,
                                  {FormCaptionEinzelansicht(), IstHAG() ? QStringLiteral("angelegt, geändert oder gelöscht")
                                                                        : QStringLiteral("angelegt oder geändert")},
                                  QStringLiteral("TRIVELTA"), 1141);
            return false;
        }
        if (code == wrdonUpdate) {
            if (!IstHAG()) {
                // One of the two designations must stay, so that the reason can still be recognised.
                const bool langAnders =
                    alt.value(FFieldIndLangBez).compare(neu.value(FFieldIndLangBez), Qt::CaseInsensitive) != 0;
                const bool kurzAnders =
                    alt.value(FFieldIndKurzBez).compare(neu.value(FFieldIndKurzBez), Qt::CaseInsensitive) != 0;
                if (langAnders && kurzAnders) return false;
            } else if (JNToBool(alt.value(FFieldIndNurAufgabe)) != JNToBool(neu.value(FFieldIndNurAufgabe))) {
                return false;
            }
        }
        if (code == wrdonDelete) {
            if (!IstHAG()) return false;
            if (!FAufgabenServer) FAufgabenServer = TQLNServerFactory::AufgabenEditServer_GoC();
            if (FAufgabenServer->ObjekteVerwendet(IQLN_AufgabenEditServer::CObjektGrund,
                                                  Taufgfile::CArtHandlagerAnforderung, {IdVon(alt)})) {
                TQLNInfo::ShowMeldung(mkHinweis,
                                      {QStringLiteral("Der Anforderungsgrund"), QStringLiteral("gelöscht"),
                                       QStringLiteral("er noch verwendet wird")},
                                      QStringLiteral("TRIVELTA"), 1142);
                return false;
            }
        }
        result = true;
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(Kontext("BuchenTesten"), e, true);
    }
    return result;
}

bool TZEV_XKGrnd_Configurator::Lese(const TIntTrio& id) {
    TGrndFile& f = *FGrndFile;
    f.ClearBuffer();
    f.ExtendedFilterClear();
    f.SetIndex(f.IndexPrimaer);
    f.Kuerzel.SetKeyWert(KuerzelText());
    f.Id.SetKeyWert(id);
    return f.Get_eq();
}

void TZEV_XKGrnd_Configurator::SetzeWerte(const QStringList& neu) {
    TGrndFile& f = *FGrndFile;
    f.LangBez.SetWert(neu.value(FFieldIndLangBez));
    if (!IstHAG()) {
        f.KurzBez.SetWert(neu.value(FFieldIndKurzBez));
    } else {
        f.Prioritaet.SetWert(JNToBool(neu.value(FFieldIndPrioritaet)));
        f.Reihenfolge.SetWert(AlsZahl(neu.value(FFieldIndReihenfolge), 0));
        f.NurAufgabe.SetWert(JNToBool(neu.value(FFieldIndNurAufgabe)));
    }
    f.Aktiv.SetWert(JNToBool(neu.value(FFieldIndAktiv)));
}

void TZEV_XKGrnd_Configurator::Buchen(const QString& code, const QStringList& alt, const QStringList& neu) {
    // Failures pass to the caller, whose posting then rolls back.
    if (!CodeErlaubt(code))
        throw Exception(QStringLiteral("Invalid wrdon-KZ for ") + KuerzelText() + QLatin1Char(' ') + code);
    TGrndFile& f = *FGrndFile;
    QLNBuchung buchung(1, Kontext("Buchen"));
    f.ClearBuffer();
    if (code == wrdonInsert) {
        // The reason's id is the posting's protocol number on this computer.
        const qint64 prot = buchung.ProtokollId();
        if (prot > TDatenfeld_Integer::CMaxWert) throw Exception(QStringLiteral("No protocol id for a reason available!"));
        f.SetIndex(f.IndexPrimaer);
        f.Kuerzel.SetWert(KuerzelText());
        f.Id.SetWert({TQLNProgramm::GetRId(), qint32(prot), 0});
        SetzeWerte(neu);
        f.Write(wrdonInsert);
    } else if (code == wrdonUpdate) {
        if (Lese(IdVon(alt))) {
            SetzeWerte(neu);
            f.Write(wrdonUpdate);
        }
    } else if (code == wrdonDelete) {
        if (Lese(IdVon(alt))) f.Write(wrdonDelete);
    }
    buchung.Ende(Kontext("Buchen"));
}

void InitUnit_XKGrnd() {
    static int zaehler = 0;
    if (zaehler++ != 0) return;
    RegisterXKConfigurator(XKClass<TZEV_XKBewg_Configurator>(), QStringLiteral("BEWG"), QStringLiteral("Bewegungsgründe"),
                           QStringLiteral("Legen Sie hier die Gründe fest, die bei Warenbewegungen wie Umbuchungen, "
                                          "Bruch oder Inventurdifferenzen angegeben werden. Gründe können nicht "
                                          "gelöscht, aber deaktiviert werden."),
                           QStringLiteral("Bewegung, Grund, Bestand, Umbuchung, Lager"));
    RegisterXKConfigurator(XKClass<TZEV_XKWeg_Configurator>(), QStringLiteral("GRND"), QStringLiteral("Wertänderungsgründe"),
                           QStringLiteral("Legen Sie hier die Gründe fest, die bei Wertänderungen von Artikeln, etwa "
                                          "Preisänderungen oder Abwertungen, angegeben werden. Gründe können nicht "
                                          "gelöscht, aber deaktiviert werden."),
                           QStringLiteral("Wertänderung, Grund, Preis, Abwertung"));
    RegisterXKConfigurator(XKClass<TZEV_XKHAG_Configurator>(), QStringLiteral("HLAG"),
                           QStringLiteral("Handlageranforderungsgründe"),
                           QStringLiteral("Legen Sie hier die Gründe fest, aus denen Filialen Ware beim Handlager "
                                          "anfordern, mit Dringlichkeit und Reihenfolge der Bearbeitung."),
                           QStringLiteral("Handlager, Anforderung, Grund, Umlagerung, Aufgabe, Filiale"));
}
