#include "TXKGrupBildConfigurator.h"

#include "host/TParameter.h"
#include "host/TQLNInfo.h"
#include "host/records/TGepzFile.h"
#include "host/records/Tfbdefile.h"
#include "host/records/Tgbfile.h"
#include "host/records/Tguvfile.h"
#include "host/records/Tlartfile.h"
#include "host/records/Tnbafile.h"
#include "registry/Triveltaclass.h"

namespace {
const QString CJ = QStringLiteral("J");
const QString CBlank = QStringLiteral(" ");

QString ZeichenVonText(const QString& text) {
    const QString t = text.trimmed();
    return t.isEmpty() ? CBlank : t.left(1);
}
QString KennungsZeichen(const QString& text) {
    const QChar c = CQLN_GB_Kennung2Char(Bez2GBKennung(text));
    return c.isNull() ? QString() : QString(c);
}
// Float texts of the lines with a decimal comma; both separators are read.
double AlsFloat(const QString& text) {
    QString t = text.trimmed();
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double v = t.toDouble(&ok);
    return ok ? v : 0.0;
}
QString FloatText(double v) { return QString::number(v, 'f', 2).replace(QLatin1Char('.'), QLatin1Char(',')); }

// Whether a record of the file has the number in the field (read-only object of its own).
template <class TFile>
bool HatNummer(const char* feld, int nummer) {
    TFile datei;
    datei.Open(254, -1);
    datei.ClearBuffer();
    datei.ExtendedFilterClear();
    datei.SetIndex(0);
    TDatenfeld* f = datei.FeldByName(QString::fromLatin1(feld));
    f->SetFilterMinVariant(nummer);
    f->SetFilterMaxVariant(nummer);
    datei.ExtendedMaxReceive_Set(1);
    const bool da = datei.Get_exists_extMode();
    datei.Close();
    return da;
}
}  // namespace

// --- base ------------------------------------------------------------------

TXKGrupBildConfigurator::TXKGrupBildConfigurator() = default;
TXKGrupBildConfigurator::~TXKGrupBildConfigurator() = default;

void TXKGrupBildConfigurator::Resources_Create() {
    TXKAllgTabConfigurator::Resources_Create();
    FGbFile = std::make_unique<Tgbfile>();
}

void TXKGrupBildConfigurator::Resources_InitF() {
    FFieldIndKennung = FFieldIndRechtsfaehig = FFieldIndGrupBildTyp = FFieldIndBezeichnung = FFieldIndAenderbar = -1;
    FFieldIndStatus = FFieldIndLohnarttyp = FFieldIndWirtsjahr = FFieldIndProdStd = FFieldIndKennzeichen = -1;
    FFieldIndSollzeit = FFieldIndVorstandsamt = FFieldIndFiller = -1;
    TXKAllgTabConfigurator::Resources_InitF();
    FGbFile->OpenNew(-1);
}

void TXKGrupBildConfigurator::Resources_DoneF() {
    try {
        if (FGbFile) FGbFile->Close();
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKGrupBildConfigurator.Resources_DoneF"), e, false);
    }
    TXKAllgTabConfigurator::Resources_DoneF();
    TQLNInfo::FehlerTerminate(QStringLiteral("TXKGrupBildConfigurator.Resources_DoneF"));
}

void TXKGrupBildConfigurator::Resources_Destroy() {
    try {
        FGbFile.reset();
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKGrupBildConfigurator.Resources_Destroy"), e, false);
    }
    TXKAllgTabConfigurator::Resources_Destroy();
    TQLNInfo::FehlerTerminate(QStringLiteral("TXKGrupBildConfigurator.Resources_Destroy"));
}

void TXKGrupBildConfigurator::DefineFields() {
    const auto text = [&](const char* name, const QString& caption, bool visible, bool werte, int min, int max,
                          const QString& erlaubt, TEditCharCase cc) {
        return AddStringField(QString::fromLatin1(name), caption, visible, werte, false, false, min, max, QString(),
                              erlaubt, cc);
    };
    const TEditCharCase normal = TEditCharCase::ecNormal;
    const TEditCharCase gross = TEditCharCase::ecUpperCase;
    FFieldIndKennung = text("KENNUNG", QStringLiteral("Kennung"), FFieldKennungVisible, true, 1, 30, QString(), normal);
    FFieldIndRechtsfaehig =
        text("RECHTSFAEHIG", QStringLiteral("Rechtsfähig"), FFieldRechtsf_higVisible, true, 1, 1, QString(), normal);
    FFieldIndGrupBildTyp = text("GBTYP", FFieldGrupBildTypName, FFieldGrupBildTypVisible, false, 0, 4,
                                QStringLiteral("0123456789"), normal);
    FFieldIndBezeichnung = text("NAME", QStringLiteral("Bezeichnung"), FFieldBezeichnungVisible, false, 0, 40, QString(), normal);
    FFieldIndAenderbar = AddBooleanField(QStringLiteral("AENDERBAR"), QStringLiteral("Änderbar"), FFieldAenderbarVisible);
    FFieldIndStatus = text("STATUS", FFieldStatusName, FFieldStatusVisible, false, 0, 10, QString(), normal);
    FFieldIndLohnarttyp = text("LOHNARTTYP", QStringLiteral("Lohnarttyp"), FFieldLohnarttypVisible, true, 1, 30, QString(), gross);
    FFieldIndWirtsjahr = AddBooleanField(QStringLiteral("WIRTSJAHR"), QStringLiteral("Wirtschaftsjahr erforderlich?"),
                                         FFieldWirtsjahrVisible);
    FFieldIndProdStd = AddBooleanField(QStringLiteral("PRODSTD"), QStringLiteral("Geht in prod. Stundensatz ein?"),
                                       FFieldProdStdVisible);
    FFieldIndKennzeichen =
        text("KENNZEICHEN", QStringLiteral("Kennzeichen"), FFieldKennzeichenVisible, true, 1, 1, QString(), gross);
    FFieldIndSollzeit = AddFloatField(QStringLiteral("SOLLZEIT"), QStringLiteral("Sollzeit"), FFieldSollzeitVisible, 4, 2);
    FFieldIndVorstandsamt =
        AddBooleanField(QStringLiteral("VORSTANDSAMT"), QStringLiteral("Vorstandsamt"), FFieldVorstandsamtVisible);
    FFieldIndFiller = text("FILLER", FFieldFillerName, FFieldFillerVisible, false, 0, 8, QString(), normal);
}

int TXKGrupBildConfigurator::SetCount() {
    try {
        return int(FGbFile->GetCount());
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKGrupBildConfigurator.SetCount"), e, true);
        return -1;
    }
}

bool TXKGrupBildConfigurator::Passt() const {
    const QString k = FGbFile->Kennung.GetWert();
    return k.size() == 1 && FGBKennungen.Contains(Char2GBKennung(k.at(0)));
}

void TXKGrupBildConfigurator::FillFields(QStringList& line) const {
    const Tgbfile& f = *FGbFile;
    const QString kennung = f.Kennung.GetWert();
    const QString lohnart = Tgbfile::LohnartTypEintrag(f.LohnartTyp.GetWert());
    line << CQLN_GB_Kennung2Bez(kennung.isEmpty() ? -1 : Char2GBKennung(kennung.at(0)))
         << (f.Rechtsf.GetWert().isEmpty() ? CBlank : f.Rechtsf.GetWert()) << QString::number(f.GbTyp.GetWert())
         << f.Bezeichnung.GetWert() << f.Aenderbar.GetWert() << f.Status.GetWert()
         << (lohnart.isEmpty() ? CBlank : lohnart) << BoolToJN(f.WirtsJahr.GetWert()) << BoolToJN(f.ProdStd.GetWert())
         << (f.Kennzeichen.GetWert().isEmpty() ? CBlank : f.Kennzeichen.GetWert()) << FloatText(f.Sollzeit.GetWert())
         << BoolToJN(f.Vorstandsamt.GetWert()) << f.Filler.GetWert();
}

bool TXKGrupBildConfigurator::GetFirst(QStringList& line) {
    try {
        line.clear();
        Tgbfile& f = *FGbFile;
        f.ClearBuffer();
        f.ExtendedFilterClear();
        f.SetIndex(f.IndexPrimaer);
        // One kind: equality. Several: the range of their characters (text is
        // ordered by code point), the others skipped while reading.
        const QList<int> kinds = FGBKennungen.Liste();
        if (kinds.isEmpty()) return false;
        QString min, max;
        for (int k : kinds) {
            const QString c(CQLN_GB_Kennung2Char(k));
            if (min.isEmpty() || c < min) min = c;
            if (max.isEmpty() || c > max) max = c;
        }
        if (min == max) {
            f.Kennung.SetFilter(min);
        } else {
            f.Kennung.SetFilterMinMax(min, max);
        }
        for (bool ok = f.Get_first_extMode(); ok; ok = f.Get_next_extMode()) {
            if (!Passt()) continue;
            FillFields(line);
            return true;
        }
        return false;
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKGrupBildConfigurator.GetFirst"), e, true);
        return false;
    }
}

bool TXKGrupBildConfigurator::GetNext(QStringList& line) {
    try {
        line.clear();
        for (bool ok = FGbFile->Get_next_extMode(); ok; ok = FGbFile->Get_next_extMode()) {
            if (!Passt()) continue;
            FillFields(line);
            return true;
        }
        return false;
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKGrupBildConfigurator.GetNext"), e, true);
        return false;
    }
}

int TXKGrupBildConfigurator::FindeFreienGrupBildTyp(QChar kennung) {
    Tgbfile gb;
    gb.Open(254, -1);
    int hoechste = 0;
    for (const QString& rechtsf : {CJ, QStringLiteral("N"), CBlank}) {
        gb.ClearBuffer();
        gb.ExtendedFilterClear();
        gb.SetIndex(gb.IndexPrimaer);
        gb.Kennung.SetFilter(QString(kennung));
        gb.Rechtsf.SetFilter(rechtsf);
        if (gb.Get_last_extMode()) hoechste = qMax(hoechste, int(gb.GbTyp.GetWert()));
    }
    gb.Close();
    return hoechste + 1;
}

void TXKGrupBildConfigurator::FillNewLine(QStringList& line) {
    TXKAllgTabConfigurator::FillNewLine(line);
    const QList<int> kinds = FGBKennungen.Liste();
    try {
        if (!kinds.isEmpty()) line[FFieldIndKennung] = CQLN_GB_Kennung2Bez(kinds.last());
        if (kinds.size() == 1)
            line[FFieldIndGrupBildTyp] = QString::number(FindeFreienGrupBildTyp(CQLN_GB_Kennung2Char(kinds.first())));
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKGrupBildConfigurator.FillNewLine"), e, true);
    }
    line[FFieldIndAenderbar] = CJ;
    line[FFieldIndRechtsfaehig] = CBlank;
}

void TXKGrupBildConfigurator::FillWertevorrat(int index, QStringList& liste) {
    liste.clear();
    if (index == FFieldIndKennung) {
        for (int k : FGBKennungen.Liste()) liste << CQLN_GB_Kennung2Bez(k);
    } else if (index == FFieldIndRechtsfaehig) {
        liste = QStringList{CBlank, CJ, QStringLiteral("N")};
    } else if (index == FFieldIndLohnarttyp) {
        liste = Tgbfile::LohnartTypWerte();
    } else if (index == FFieldIndKennzeichen) {
        liste << CBlank;
        for (char c = 'A'; c <= 'Z'; ++c) liste << QString(QChar::fromLatin1(c));
    }
}

bool TXKGrupBildConfigurator::SwitchControlEnabled_4_Mode_Edit(int index) {
    return index != FFieldIndKennung && index != FFieldIndRechtsfaehig && index != FFieldIndGrupBildTyp;
}

void TXKGrupBildConfigurator::Meldung(int nummer) {
    TQLNInfo::ShowMeldung(mkHinweis, {}, QStringLiteral("TRIVELTA"), nummer);
}

bool TXKGrupBildConfigurator::ZeigeVerwendet() {
    Meldung(1026);
    return true;
}

bool TXKGrupBildConfigurator::BuchenTesten(const QString& code, const QStringList& alt, const QStringList& neu) {
    bool result = false;
    try {
        if ((code == wrdonDelete || code == wrdonUpdate) && alt.value(FFieldIndAenderbar) != CJ) {
            Meldung(1025);
            return false;
        }
        if (code == wrdonInsert || code == wrdonUpdate) {
            const int kind = Bez2GBKennung(neu.value(FFieldIndKennung));
            if (neu.value(FFieldIndKennung).trimmed().isEmpty() || !FGBKennungen.Contains(kind)) {
                Meldung(1024);
                return false;
            }
            if (neu.value(FFieldIndBezeichnung).trimmed().isEmpty()) {
                Meldung(1023);
                return false;
            }
        }
        if (code == wrdonInsert) {
            Tgbfile& f = *FGbFile;
            f.ClearBuffer();
            f.ExtendedFilterClear();
            f.SetIndex(f.IndexPrimaer);
            f.Kennung.SetKeyWert(KennungsZeichen(neu.value(FFieldIndKennung)));
            f.Rechtsf.SetKeyWert(ZeichenVonText(neu.value(FFieldIndRechtsfaehig)));
            f.GbTyp.SetKeyWert(AlsZahl(neu.value(FFieldIndGrupBildTyp), 0));
            if (f.Get_eq()) {
                Meldung(1022);
                return false;
            }
        }
        result = true;
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKGrupBildConfigurator.BuchenTesten"), e, true);
    }
    return result;
}

bool TXKGrupBildConfigurator::NichtLoeschen(const QStringList&) { return false; }

bool TXKGrupBildConfigurator::BuchenTestenMitVerwendung(const QString& code, const QStringList& alt,
                                                        const QStringList& neu, bool fehlerIstVerwendung) {
    if (!TXKGrupBildConfigurator::BuchenTesten(code, alt, neu)) return false;
    if (code != wrdonDelete) return true;
    try {
        return !NichtLoeschen(alt);
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKGrupBildConfigurator.NichtLoeschen"), e, true);
        return !fehlerIstVerwendung;
    }
}

bool TXKGrupBildConfigurator::SatzSuchen(const QStringList& line) {
    Tgbfile& f = *FGbFile;
    f.ClearBuffer();
    f.ExtendedFilterClear();
    f.SetIndex(f.IndexPrimaer);
    f.Kennung.SetKeyWert(KennungsZeichen(line.value(FFieldIndKennung)));
    f.Rechtsf.SetKeyWert(ZeichenVonText(line.value(FFieldIndRechtsfaehig)));
    f.GbTyp.SetKeyWert(AlsZahl(line.value(FFieldIndGrupBildTyp), 0));
    return f.Get_eq();
}

void TXKGrupBildConfigurator::Fuellen(const QStringList& neu) {
    Tgbfile& f = *FGbFile;
    f.Kennung.SetWert(KennungsZeichen(neu.value(FFieldIndKennung)));
    f.Rechtsf.SetWert(ZeichenVonText(neu.value(FFieldIndRechtsfaehig)));
    f.GbTyp.SetWert(AlsZahl(neu.value(FFieldIndGrupBildTyp), 0));
    f.Bezeichnung.SetWert(neu.value(FFieldIndBezeichnung));
    f.Aenderbar.SetWert(JNToBool(neu.value(FFieldIndAenderbar)) ? CJ : QStringLiteral("N"));
    f.Status.SetWert(neu.value(FFieldIndStatus));
    // The entry "L=laufender Bezug" is stored by its name.
    f.LohnartTyp.SetWert(ZeichenVonText(neu.value(FFieldIndLohnarttyp).section(QLatin1Char('='), 0, 0)));
    f.WirtsJahr.SetWert(JNToBool(neu.value(FFieldIndWirtsjahr)));
    f.ProdStd.SetWert(JNToBool(neu.value(FFieldIndProdStd)));
    f.Kennzeichen.SetWert(ZeichenVonText(neu.value(FFieldIndKennzeichen)));
    f.Sollzeit.SetWert(AlsFloat(neu.value(FFieldIndSollzeit)));
    f.Vorstandsamt.SetWert(JNToBool(neu.value(FFieldIndVorstandsamt)));
    f.Filler.SetWert(neu.value(FFieldIndFiller));
}

void TXKGrupBildConfigurator::Buchen(const QString& code, const QStringList& alt, const QStringList& neu) {
    // Failures pass to the caller, whose posting then rolls back.
    Tgbfile& f = *FGbFile;
    if (code == wrdonDelete) {
        if (SatzSuchen(alt)) f.Write(wrdonDelete);
    } else if (code == wrdonInsert) {
        f.ClearBuffer();
        f.SetIndex(f.IndexPrimaer);
        Fuellen(neu);
        f.Write(wrdonInsert);
    } else if (code == wrdonUpdate) {
        if (SatzSuchen(alt)) {
            Fuellen(neu);
            f.Write(wrdonUpdate);
        }
    }
}

// --- cost centres ----------------------------------------------------------

void TXKKostenstellenConfigurator::Resources_InitF() {
    FGBKennungen = {gbkKostenstelle};
    FFieldGrupBildTypVisible = FFieldBezeichnungVisible = FFieldStatusVisible = FFieldFillerVisible = true;
    FFieldGrupBildTypName = QStringLiteral("Nummer");
    FFieldStatusName = QStringLiteral("Export");
    FFieldFillerName = QStringLiteral("Filiale");
    TXKGrupBildConfigurator::Resources_InitF();
}

bool TXKKostenstellenConfigurator::BuchenTesten(const QString& code, const QStringList& alt, const QStringList& neu) {
    return BuchenTestenMitVerwendung(code, alt, neu, false);
}

bool TXKKostenstellenConfigurator::NichtLoeschen(const QStringList& alt) {
    const int nummer = AlsZahl(alt.value(FFieldIndGrupBildTyp), 0);
    if (nummer == 0) return false;
    bool benutzt = false;
    try {
        benutzt = HatNummer<Tfbdefile>("KST1", nummer) || HatNummer<Tfbdefile>("KST2", nummer);
        if (!benutzt) benutzt = HatNummer<Tguvfile>("KST1", nummer) || HatNummer<Tguvfile>("KST2", nummer);
    } catch (const std::exception& e) {
        // What was found so far decides.
        TQLNInfo::RegisterException(QStringLiteral("TXKKostenstellenConfigurator.NichtLoeschen"), e, true);
    }
    return benutzt && ZeigeVerwendet();
}

// --- payroll ---------------------------------------------------------------

bool TXKGehaltBasisConfigurator::Active(const QString&, const TXKConfiguratorClass& cls) {
    try {
        return TParameter::CheckParm_RO_NewIsFalse(QStringLiteral("GEABEVAL"));
    } catch (const std::exception& e) {
        // Asked while the centre lists: logged, the entry is not listed.
        TQLNInfo::RegisterException(cls.ClassName() + QStringLiteral(".Active"), e, false);
        return false;
    }
}

bool TXKGehaltBasisConfigurator::BuchenTesten(const QString& code, const QStringList& alt, const QStringList& neu) {
    return BuchenTestenMitVerwendung(code, alt, neu, true);
}

QString TXKGehaltConfigurator::GepzSpalte(QChar kennung) {
    switch (kennung.unicode()) {
        case 'K': return QStringLiteral("KONFESS");
        case 'P': return QStringLiteral("PERSGRUP");
        case 'Q': return QStringLiteral("UMLAGART");
        case 'S': return QStringLiteral("STELLUNG");
        case 'T': return QStringLiteral("TAETIGKE");
        case 'U': return QStringLiteral("AUSBILDU");
        case 'V': return QStringLiteral("VERTRART");
        case 'Z': return QStringLiteral("ZUABRGRU");
        case 'b': return QStringLiteral("ARBNTYP");
        case 'c': return QStringLiteral("VWLVEART");
        case 'e': return QStringLiteral("RVPFLBEF");
        case 'f': return QStringLiteral("KVPFLBEF");
        case 'g': return QStringLiteral("PVPFLBEF");
        case 'h': return QStringLiteral("AVPFLBEF");
        default: return {};
    }
}

void TXKGehaltConfigurator::Resources_InitF() {
    FGBKennungen = {gbkKonfession,     gbkPersonengruppe,   gbkUmlageart,       gbkStellung,       gbkTaetigkeit,
                    gbkAusbildung,     gbkVertragsart,      gbkAbrechnungsgrund, gbkArbeitnehmertyp, gbkVwlVertragsart,
                    gbkRvBefreiung,    gbkKvBefreiung,      gbkPvBefreiung,     gbkAvBefreiung,    gbkBeitragsgruppe};
    FFieldKennungVisible = FFieldGrupBildTypVisible = FFieldBezeichnungVisible = true;
    FFieldGrupBildTypName = QStringLiteral("Nummer");
    TXKGrupBildConfigurator::Resources_InitF();
}

bool TXKGehaltConfigurator::NichtLoeschen(const QStringList& alt) {
    const QChar kennung = CQLN_GB_Kennung2Char(Bez2GBKennung(alt.value(FFieldIndKennung)));
    const QString spalte = GepzSpalte(kennung);
    if (spalte.isEmpty()) return false;  // no payroll column keeps this kind
    const int nummer = AlsZahl(alt.value(FFieldIndGrupBildTyp), 0);
    TGepzFile gepz;
    gepz.Open(254, -1);
    gepz.ClearBuffer();
    gepz.ExtendedFilterClear();
    gepz.SetIndex(gepz.IndexPrimaer);
    TDatenfeld* feld = gepz.FeldByName(spalte);
    feld->SetFilterMinVariant(nummer);
    feld->SetFilterMaxVariant(nummer);
    gepz.ExtendedMaxReceive_Set(1);
    const bool benutzt = gepz.Get_exists_extMode();
    gepz.Close();
    return benutzt && ZeigeVerwendet();
}

void TXKBruttolohnConfigurator::Resources_InitF() {
    FGBKennungen = {gbkBruttolohnart};
    FFieldGrupBildTypVisible = FFieldBezeichnungVisible = FFieldLohnarttypVisible = true;
    FFieldWirtsjahrVisible = FFieldProdStdVisible = true;
    FFieldGrupBildTypName = QStringLiteral("Nummer");
    TXKGrupBildConfigurator::Resources_InitF();
}

bool TXKBruttolohnConfigurator::NichtLoeschen(const QStringList& alt) {
    return HatNummer<Tlartfile>("LOHNARTNR", AlsZahl(alt.value(FFieldIndGrupBildTyp), 0)) && ZeigeVerwendet();
}

void TXKNettolohnConfigurator::Resources_InitF() {
    FGBKennungen = {gbkNettolohnart};
    FFieldGrupBildTypVisible = FFieldBezeichnungVisible = FFieldLohnarttypVisible = true;
    FFieldWirtsjahrVisible = FFieldProdStdVisible = true;
    FFieldGrupBildTypName = QStringLiteral("Nummer");
    TXKGrupBildConfigurator::Resources_InitF();
}

bool TXKNettolohnConfigurator::NichtLoeschen(const QStringList& alt) {
    return HatNummer<Tnbafile>("NBANR", AlsZahl(alt.value(FFieldIndGrupBildTyp), 0)) && ZeigeVerwendet();
}

void TXKOrgeTypConfigurator::Resources_InitF() {
    FGBKennungen = {gbkOrganisationseinheit};
    FFieldBezeichnungVisible = true;
    TXKGrupBildConfigurator::Resources_InitF();
}

void InitUnit_XKGrupBild() {
    static int zaehler = 0;
    if (zaehler++ != 0) return;
    RegisterXKConfigurator(XKClass<TXKKostenstellenConfigurator>(), QStringLiteral("KOSTENSTELLEN"),
                           QStringLiteral("Kostenstellen"),
                           QStringLiteral("Definieren Sie hier die Kostenstellen, auf die Buchungen der "
                                          "Finanzbuchhaltung verteilt werden. Jede Kostenstelle kann einer Filiale "
                                          "zugeordnet werden."),
                           QStringLiteral("Kostenstellen"));
    RegisterXKConfigurator(XKClass<TXKGehaltConfigurator>(), QStringLiteral("DIVGEHALTSDATEN"),
                           QStringLiteral("Diverse Gehaltdaten"),
                           QStringLiteral("Pflegen Sie hier die Wertevorräte der Gehaltsabrechnung, zum Beispiel "
                                          "Konfessionen, Personengruppen, Vertragsarten und Befreiungen von der "
                                          "Versicherungspflicht."),
                           QStringLiteral("Gehalt, Lohn, Personal, Konfession, Vertragsart, Versicherung"));
    RegisterXKConfigurator(XKClass<TXKBruttolohnConfigurator>(), QStringLiteral("BRUTTOLOHNARTEN"),
                           QStringLiteral("Brutto-Lohnarten"),
                           QStringLiteral("Definieren Sie hier die Brutto-Lohnarten der Gehaltsabrechnung und legen "
                                          "Sie fest, ob sie in den produktiven Stundensatz eingehen."),
                           QStringLiteral("Lohnart, Brutto, Gehalt, Lohn, Personal"));
    RegisterXKConfigurator(XKClass<TXKNettolohnConfigurator>(), QStringLiteral("NETTOLOHNARTEN"),
                           QStringLiteral("Netto-Lohnarten"),
                           QStringLiteral("Definieren Sie hier die Netto-Be- und -Abzüge der Gehaltsabrechnung, zum "
                                          "Beispiel Vorschüsse oder Sachbezüge."),
                           QStringLiteral("Lohnart, Netto, Abzug, Gehalt, Lohn, Personal"));
    RegisterXKConfigurator(XKClass<TXKOrgeTypConfigurator>(), QStringLiteral("ORGANISATIONSEINHEITEN"),
                           QStringLiteral("Organisationseinheiten"),
                           QStringLiteral("Legen Sie hier die Arten von Organisationseinheiten fest, in die sich Ihr "
                                          "Unternehmen gliedert, zum Beispiel Filiale, Abteilung oder Lager."),
                           QString());
}
