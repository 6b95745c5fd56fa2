#include "TXKRMLConfigurator.h"

#include "host/acfg/TZEV_ACfg_Registry.h"
#include "host/managers/TZEV_LstvMani.h"
#include "registry/Triveltaclass.h"

namespace {
struct Tabelle {
    const char* Id;
    const char* Typ;
    const char* Caption;
};
constexpr Tabelle CTabellen[] = {{"BANTEILE", "T", "Reklamationen: beanstandete Teile"},
                                 {"MAENGEL", "M", "Reklamationen: Mängel"},
                                 {"RGGRUND", "U", "Rücknahmegründe"}};
const Tabelle* TabelleVon(const QString& id) {
    for (const Tabelle& t : CTabellen)
        if (id.compare(QLatin1String(t.Id), Qt::CaseInsensitive) == 0) return &t;
    return nullptr;
}
}  // namespace

QString TXKRMLConfigurator::TypVonId(const QString& id) {
    const Tabelle* t = TabelleVon(id);
    return t ? QString::fromLatin1(t->Typ) : QString();
}

QString TXKRMLConfigurator::CaptionVonId(const QString& id) {
    const Tabelle* t = TabelleVon(id);
    return t ? QString::fromUtf8(t->Caption) : QString();
}

bool TXKRMLConfigurator::Execute(const QString& id) {
    if (TypVonId(id).isEmpty()) {
        UnbekannteKennung(id);
        return false;
    }
    FRMLKurzName = id;
    return TXKCodeTabConfigurator::Execute(id);
}

void TXKRMLConfigurator::Resources_InitF() {
    FFieldIndTyp = -1;
    FFieldIndNummer = -1;
    FFieldIndBez = -1;
    TXKCodeTabConfigurator::Resources_InitF();
}

void TXKRMLConfigurator::DefineFields() {
    FFieldIndTyp = AddStringField(QStringLiteral("TYP"), QStringLiteral("Typ"), false, false, false, false, 1, 1,
                                  QString(), QString(), TEditCharCase::ecUpperCase);
    FFieldIndNummer = AddStringField(QStringLiteral("NUMMER"), QStringLiteral("Nummer"), true, false, false, false, 1, 2,
                                     QString(), QStringLiteral("1234567890"), TEditCharCase::ecNormal);
    FFieldIndBez = AddStringField(QStringLiteral("BEZ"), QStringLiteral("Bezeichnung"), true, false, false, false, 1, 20,
                                  QString(), QString(), TEditCharCase::ecNormal);
}

void TXKRMLConfigurator::FillFields(QStringList& line) {
    line << FFile->Typ.GetWert() << FFile->Nummer.GetWert() << FFile->Bez.GetWert();
}

bool TXKRMLConfigurator::Lese(const QString& typ, const QString& nummer) {
    FFile->ClearBuffer();
    FFile->SetIndex(FFile->IndexPrimaer);
    FFile->Typ.SetKeyWert(typ);
    FFile->Nummer.SetKeyWert(nummer);
    return FFile->Get_eq();
}

QString TXKRMLConfigurator::NaechsteNummer() {
    const QString typ = Typ();
    FFile->ClearBuffer();
    FFile->SetIndex(FFile->IndexPrimaer);
    FFile->Typ.SetKeyWert(typ);
    FFile->Nummer.SetKeyWert(QStringLiteral("99"));
    if (FFile->Get_le() && FFile->Typ.GetWert() == typ) {
        const int nr = AlsZahl(FFile->Nummer.GetWert(), 0);
        return nr > 98 ? QStringLiteral("99") : QStringLiteral("%1").arg(nr + 1, 2, 10, QLatin1Char('0'));
    }
    return QStringLiteral("01");
}

void TXKRMLConfigurator::FillNewLine(QStringList& line) {
    line = QStringList{Typ(), QString(), QString()};
    line[FFieldIndNummer] = Geschuetzt("FillNewLine", QString(), [&] { return NaechsteNummer(); });
}

bool TXKRMLConfigurator::BuchenTesten(const QString& code, const QStringList&, const QStringList& neu) {
    return Geschuetzt("BuchenTesten", false, [&] {
        const QString nummer = neu.value(FFieldIndNummer).trimmed();
        if (nummer.isEmpty()) return Ablehnen(QStringLiteral("Bitte geben Sie eine Nummer ein"));
        if (neu.value(FFieldIndBez).trimmed().isEmpty())
            return Ablehnen(QStringLiteral("Bitte geben Sie eine Bezeichnung ein."));
        // asked for every table: the return positions name the number only
        if (code == wrdonDelete && TZEV_LstvMani::Lade_RueckgabeGrundVorhanden(nummer))
            return Ablehnen(QStringLiteral("Ein Löschen des Eintrags ist nicht möglich, da dieser verwendet wird."));
        if (code == wrdonInsert && Lese(neu.value(FFieldIndTyp), nummer))
            return Ablehnen(QStringLiteral("Ein Tabelleneintrag mit dieser Nummer existiert bereits!"));
        return true;
    });
}

void TXKRMLConfigurator::Buchen(const QString& code, const QStringList& alt, const QStringList& neu) {
    Trmlfile& f = *FFile;
    if (code == wrdonDelete) {
        if (Lese(neu.value(FFieldIndTyp), neu.value(FFieldIndNummer).trimmed())) f.Write(wrdonDelete);
    } else if (code == wrdonInsert) {
        f.ClearBuffer();
        f.Typ.SetWert(neu.value(FFieldIndTyp));
        f.Nummer.SetWert(neu.value(FFieldIndNummer).trimmed());
        f.Bez.SetWert(neu.value(FFieldIndBez));
        f.Write(wrdonInsert);
    } else if (code == wrdonUpdate) {
        if (Lese(alt.value(FFieldIndTyp), alt.value(FFieldIndNummer).trimmed())) {
            f.Bez.SetWert(neu.value(FFieldIndBez));
            f.Write(wrdonUpdate);
        }
    }
}

void InitUnit_XKRML() {
    static int zaehler = 0;
    if (zaehler++ != 0) return;
    const struct {
        const char* Id;
        TZEV_ACfgType_Erw ACfgTyp;
        const char* Caption;
        const char* Beschreibung;
        const char* Schlagworte;
    } eintraege[] = {
        {"BANTEILE", 10, "Reklamationen: beanstandete Teile",
         "Bei der Erfassung einer Reklamation geben Sie an, welches Teil des Artikels beanstandet wird, zum Beispiel "
         "Sohle, Absatz oder Reißverschluss. Legen Sie hier die Teile an, die zur Auswahl stehen sollen.",
         "Reklamation, Beanstandung, Teil, Kundendienst, Werkstatt"},
        {"MAENGEL", 11, "Reklamationen: Mängel",
         "Bei der Erfassung einer Reklamation geben Sie an, welcher Mangel vorliegt, zum Beispiel gelöste Naht oder "
         "Farbabrieb. Legen Sie hier die Mängel an, die zur Auswahl stehen sollen.",
         "Reklamation, Mangel, Mängel, Beanstandung, Kundendienst, Werkstatt"},
        {"RGGRUND", 17, "Rücknahmegründe",
         "Nimmt die Kasse oder das Lager Ware zurück, wird ein Rücknahmegrund erfasst. Legen Sie hier die Gründe an, "
         "die zur Auswahl stehen sollen, zum Beispiel Umtausch, Fehlkauf oder Reklamation. Ein Grund, der bereits "
         "verwendet wurde, kann nicht gelöscht werden.",
         "Rücknahme, Rückgabe, Umtausch, Retoure, Grund, Kasse, Reklamation"}};
    for (const auto& e : eintraege) {
        const QString id = QString::fromLatin1(e.Id);
        const QString caption = QString::fromUtf8(e.Caption);
        const QString beschreibung = QString::fromUtf8(e.Beschreibung);
        const QString schlagworte = QString::fromUtf8(e.Schlagworte);
        RegisterXKConfigurator(XKClass<TXKRMLConfigurator>(), id, caption, beschreibung, schlagworte);
        // the till's settings tree starts the same table
        TZEV_ACfg_Registry::RegisterXKConfigurator(XKClass<TXKRMLConfigurator>(), e.ACfgTyp, schlagworte, beschreibung,
                                                   caption, id);
    }
}
