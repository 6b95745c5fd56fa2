#include "TXKRabtypConfigurator.h"

#include "host/Exception.h"
#include "host/TQLNProgramm.h"
#include "registry/Triveltaclass.h"

namespace {
const QStringList CRelevanzGespeichert{QStringLiteral("W"), QStringLiteral("R"), QStringLiteral("B")};
const QStringList CRelevanzAngezeigt{QStringLiteral("nur Warenwirtschaft"), QStringLiteral("nur Rechnung"),
                                     QStringLiteral("Warenwirtschaft und Rechnung")};

// Whether one assignment file holds the discount type.
template <class TFile>
bool Zugeordnet(const QString& typ, int rnr, int lnr) {
    TFile f;
    f.Open(2, -1);
    f.ClearBuffer();
    f.ExtendedFilterClear();
    f.SetIndex(f.IndexPrimaer);
    f.RabTyp.SetFilterMinMax(typ, typ);
    f.RabRnr.SetFilterMinMax(rnr, rnr);
    f.RabLnr.SetFilterMinMax(lnr, lnr);
    f.ExtendedMaxReceive_Set(1);
    f.RabTyp.SetUsedField();
    f.RabRnr.SetUsedField();
    f.RabLnr.SetUsedField();
    const bool gefunden = f.Get_exists_extMode();
    f.Close();
    return gefunden;
}
}  // namespace

int TXKRabtypBuchenTestenThread::Pruefe() {
    ++FGeprueft;
    if (Zugeordnet<Trabafile>(FRabattTyp, FRabattRnr, FRabattLnr)) return 1;
    ++FGeprueft;
    if (Zugeordnet<Trablfile>(FRabattTyp, FRabattRnr, FRabattLnr)) return 1;
    ++FGeprueft;
    if (Zugeordnet<Trabgfile>(FRabattTyp, FRabattRnr, FRabattLnr)) return 1;
    return 0;
}

QString TXKRabtypConfigurator::TypVonId(const QString& id) {
    if (id.compare(QLatin1String("LIEFRAB"), Qt::CaseInsensitive) == 0) return QStringLiteral("L");
    if (id.compare(QLatin1String("KUNDRAB"), Qt::CaseInsensitive) == 0) return QStringLiteral("K");
    return {};
}

QString TXKRabtypConfigurator::CaptionVonId(const QString& id) {
    const QString typ = TypVonId(id);
    if (typ == QLatin1String("L")) return QStringLiteral("Lieferantenrabattarten");
    if (typ == QLatin1String("K")) return QStringLiteral("Kundenrabattarten");
    return {};
}

QString TXKRabtypConfigurator::Groups(const QString& id, const TXKConfiguratorClass&) {
    const QString typ = TypVonId(id);
    if (typ == QLatin1String("L")) return QStringLiteral("ARTV");
    if (typ == QLatin1String("K")) return QStringLiteral("VERK");
    return {};
}

bool TXKRabtypConfigurator::Execute(const QString& id) {
    if (TypVonId(id).isEmpty()) {
        UnbekannteKennung(id);
        return false;
    }
    FXKKurzName = id;
    return TXKCodeTabConfigurator::Execute(id);
}

void TXKRabtypConfigurator::Resources_InitF() {
    FFieldIndRnr = -1;
    FFieldIndLnr = -1;
    FFieldIndName = -1;
    FFieldIndRelevanz = -1;
    FFieldIndReklRab = -1;
    TXKCodeTabConfigurator::Resources_InitF();
}

void TXKRabtypConfigurator::DefineFields() {
    FFieldIndRnr = AddIntegerField(QStringLiteral("RNR"), QStringLiteral("Rechner"), false, false, 0, 0);
    FFieldIndLnr = AddIntegerField(QStringLiteral("LNR"), QStringLiteral("laufende Nummer"), false, false, 0, 0);
    FFieldIndName = AddStringField(QStringLiteral("NAME"), QStringLiteral("Bezeichnung"), true, false, false, false, 3,
                                   40, QString(), QString(), TEditCharCase::ecNormal);
    FFieldIndRelevanz = AddStringField(QStringLiteral("RELEVANZ"), QStringLiteral("Relevanz"), true, true, false, false,
                                       1, 1, QString(), QString(), TEditCharCase::ecNormal);
    FFieldIndReklRab = AddStringField(QStringLiteral("REKLRAB"), QStringLiteral("Reklamationsrabatt"), true, true, false,
                                      false, 1, 1, QString(), QString(), TEditCharCase::ecNormal);
}

void TXKRabtypConfigurator::FillFields(QStringList& line) {
    line << QString::number(FFile->Rnr.GetWert()) << QString::number(FFile->Lnr.GetWert()) << FFile->Name.GetWert()
         << Konvertiere(FFile->Relevanz.GetWert(), CRelevanzGespeichert, CRelevanzAngezeigt, true)
         << BoolToJN(FFile->ReklRab.GetWert());
}

void TXKRabtypConfigurator::FillWertevorrat(int index, QStringList& liste) {
    liste.clear();
    if (index == FFieldIndRelevanz)
        liste = QStringList{QStringLiteral("Warenwirtschaft und Rechnung"), QStringLiteral("nur Warenwirtschaft"),
                            QStringLiteral("nur Rechnung")};
    else if (index == FFieldIndReklRab)
        liste = QStringList{QStringLiteral("J"), QStringLiteral("N")};
}

bool TXKRabtypConfigurator::Lese(int rnr, int lnr) {
    FFile->ClearBuffer();
    FFile->SetIndex(FFile->IndexPrimaer);
    FFile->Typ.SetKeyWert(Typ());
    FFile->Rnr.SetKeyWert(rnr);
    FFile->Lnr.SetKeyWert(lnr);
    return FFile->Get_eq();
}

int TXKRabtypConfigurator::NaechsteLnr() {
    // The last record of this type and computer. Restricted to the type on
    // both sides: another type's numbers must not decide, or the number
    // could be one this type already has.
    const QString typ = Typ();
    const int rnr = TQLNProgramm::GetRId();
    Trabfile& f = *FFile;
    f.ClearBuffer();
    f.ExtendedFilterClear();
    f.SetIndex(f.IndexPrimaer);
    f.Typ.SetFilterMinMax(typ, typ);
    f.Rnr.SetFilterMinMax(rnr, rnr);
    const bool gefunden = f.Get_last_extMode();
    const int lnr = gefunden ? f.Lnr.GetWert() : 0;
    f.ExtendedFilterClear();
    if (lnr == TDatenfeld_Integer::CMaxWert) throw Exception(QStringLiteral("No Lfd RABFile available!"));
    return lnr + 1;
}

bool TXKRabtypConfigurator::BuchenTesten(const QString& code, const QStringList&, const QStringList& neu) {
    return Geschuetzt("BuchenTesten", false, [&] {
        if (code == wrdonDelete) {
            TXKRabtypBuchenTestenThread pruefung(Typ(), AlsZahl(neu.value(FFieldIndLnr), 0),
                                                 AlsZahl(neu.value(FFieldIndRnr), 0));
            if (pruefung.Ausfuehren(AktivesFenster()) == 1)
                return Ablehnen(QStringLiteral("Dieser Rabatt ist in Benutzung. Löschen nicht möglich."));
            return true;
        }
        const QString name = neu.value(FFieldIndName).trimmed();
        if (name.isEmpty()) return Ablehnen(QStringLiteral("Bitte geben Sie eine Bezeichnung ein."));
        // the article's own discount has this name in the till
        if (name.compare(QLatin1String("Artikelrabatt"), Qt::CaseInsensitive) == 0)
            return Ablehnen(QStringLiteral("Die von Ihnen eingegebene Bezeichnung darf nicht verwendet werden."));
        return true;
    });
}

void TXKRabtypConfigurator::Buchen(const QString& code, const QStringList& alt, const QStringList& neu) {
    Trabfile& f = *FFile;
    const auto setzeWerte = [&] {
        f.Name.SetWert(neu.value(FFieldIndName).trimmed());
        f.Relevanz.SetWert(Konvertiere(neu.value(FFieldIndRelevanz), CRelevanzGespeichert, CRelevanzAngezeigt, false));
        f.ReklRab.SetWert(JNToBool(neu.value(FFieldIndReklRab)));
    };
    if (code == wrdonDelete) {
        if (Lese(AlsZahl(neu.value(FFieldIndRnr), 0), AlsZahl(neu.value(FFieldIndLnr), 0))) f.Write(wrdonDelete);
    } else if (code == wrdonInsert) {
        const int lnr = NaechsteLnr();
        f.ClearBuffer();
        f.Typ.SetWert(Typ());
        f.Rnr.SetWert(TQLNProgramm::GetRId());
        f.Lnr.SetWert(lnr);
        setzeWerte();
        f.Write(wrdonInsert);
    } else if (code == wrdonUpdate) {
        if (Lese(AlsZahl(alt.value(FFieldIndRnr), 0), AlsZahl(alt.value(FFieldIndLnr), 0))) {
            setzeWerte();
            f.Write(wrdonUpdate);
        }
    }
}

void InitUnit_XKRabtyp() {
    static int zaehler = 0;
    if (zaehler++ != 0) return;
    RegisterXKConfigurator(XKClass<TXKRabtypConfigurator>(), QStringLiteral("LIEFRAB"),
                           QStringLiteral("Lieferantenrabattarten"),
                           QStringLiteral("Lieferanten gewähren Rabatte unterschiedlicher Art, zum Beispiel "
                                          "Mengenrabatt, Skonto oder Messerabatt. Legen Sie hier die Rabattarten an, "
                                          "die Sie Lieferanten, Artikeln und Warengruppen zuordnen, und bestimmen Sie, "
                                          "ob sie in der Warenwirtschaft, in der Rechnung oder in beiden gelten."),
                           QStringLiteral("Rabatt, Rabattart, Lieferant, Einkauf, Kondition, Skonto"));
    RegisterXKConfigurator(XKClass<TXKRabtypConfigurator>(), QStringLiteral("KUNDRAB"), QStringLiteral("Kundenrabattarten"),
                           QStringLiteral("Legen Sie hier die Rabattarten an, die Sie Ihren Kunden gewähren, zum "
                                          "Beispiel Treuerabatt oder Personalrabatt, und bestimmen Sie, ob sie in der "
                                          "Warenwirtschaft, in der Rechnung oder in beiden gelten. Eine Rabattart, die "
                                          "noch verwendet wird, kann nicht gelöscht werden."),
                           QStringLiteral("Rabatt, Rabattart, Kunde, Kundenrabatt, Verkauf, Kasse"));
}
