#include "TXKVERAGutsConfigurator.h"

#include "host/Exception.h"
#include "host/TQLNProgramm.h"
#include "host/TestEAN.h"
#include "host/records/Twhfile.h"
#include "registry/Triveltaclass.h"

namespace {
constexpr int CFormatLaenge = 30;
constexpr int CHoechsterWert = 9999;

QString Vierstellig(int wert) {
    if (wert < 0 || wert > CHoechsterWert)
        throw Exception(QStringLiteral("Der Gutscheinwert %1 passt nicht in das Format der Gift-Card.").arg(wert));
    return QStringLiteral("%1").arg(wert, 4, 10, QLatin1Char('0'));
}
// A value of the line: empty counts as 0.
QString ZeileVonWert(int wert) { return wert == 0 ? QString() : QString::number(wert); }
}  // namespace

QString TVERAGutscheinWerte::Packe() const {
    const QString gtin = Gtin.trimmed();
    const QString waehrung = Waehrung.trimmed();
    if (gtin.size() > 13 || waehrung.size() > 3)
        throw Exception(QStringLiteral("GTIN oder Währung passen nicht in das Format der Gift-Card."));
    QString f = gtin.leftJustified(13, QLatin1Char(' '));
    f += Flexibel ? QLatin1Char('J') : QLatin1Char('N');
    f += KassenAusgabe ? QLatin1Char('J') : QLatin1Char('N');
    f += Vierstellig(Wert) + Vierstellig(MinWert) + Vierstellig(MaxWert);
    f += waehrung.leftJustified(3, QLatin1Char(' '));
    return f;
}

TVERAGutscheinWerte TVERAGutscheinWerte::Entpacke(const QString& format) {
    const QString f = format.leftJustified(CFormatLaenge, QLatin1Char(' '));
    TVERAGutscheinWerte w;
    w.Gtin = f.mid(0, 13).trimmed();
    w.Flexibel = f.mid(13, 1) == QLatin1String("J");
    w.KassenAusgabe = f.mid(14, 1) == QLatin1String("J");
    w.Wert = f.mid(15, 4).trimmed().toInt();
    w.MinWert = f.mid(19, 4).trimmed().toInt();
    w.MaxWert = f.mid(23, 4).trimmed().toInt();
    w.Waehrung = f.mid(27, 3).trimmed();
    return w;
}

bool TXKVERAGutsConfigurator::WaehrungVorhanden(const QString& waehrung) {
    if (waehrung.isEmpty()) return false;
    Twhfile wh;
    wh.OpenNew(-1);
    wh.ClearBuffer();
    wh.SetIndex(wh.IndexPrimaer);
    wh.KurzBez.SetKeyWert(waehrung);
    const bool vorhanden = wh.Get_eq();
    wh.Close();
    return vorhanden;
}

void TXKVERAGutsConfigurator::Resources_InitF() {
    for (int* i : {&FFieldIndTyp, &FFieldIndRnr, &FFieldIndLnr, &FFieldIndBezeichnung, &FFieldIndGtin, &FFieldIndFlexGS,
                   &FFieldIndKasAusg, &FFieldIndWert, &FFieldIndMinWert, &FFieldIndMaxWert, &FFieldIndWaehrung})
        *i = -1;
    TXKGmerConfigurator::Resources_InitF();
}

void TXKVERAGutsConfigurator::DefineFields() {
    FFieldIndTyp = AddStringField(QStringLiteral("TYP"), QStringLiteral("Typ"), false, false, false, false, 1, 1,
                                  QString(), QString(), TEditCharCase::ecNormal);
    FFieldIndRnr = AddIntegerField(QStringLiteral("RNR"), QStringLiteral("Rechner"), false, false, 0, 0);
    FFieldIndLnr = AddIntegerField(QStringLiteral("LNR"), QStringLiteral("laufende Nummer"), false, false, 0, 0);
    FFieldIndBezeichnung = AddStringField(QStringLiteral("BEZEICHNUNG"), QStringLiteral("Bezeichnung"), true, false,
                                          false, false, 3, 40, QString(), QString(), TEditCharCase::ecNormal);
    FFieldIndGtin = AddStringField(QStringLiteral("GTIN"), QStringLiteral("GTIN"), true, false, false, false, 13, 13,
                                   QString(), QStringLiteral("0123456789"), TEditCharCase::ecNormal);
    FFieldIndFlexGS = AddBooleanField(QStringLiteral("FLEXGS"), QStringLiteral("flexibler Ausgabewert"), true);
    FFieldIndKasAusg = AddBooleanField(QStringLiteral("KASAUSG"), QStringLiteral("Ausgabe an Kassen"), true);
    FFieldIndWert = AddIntegerField(QStringLiteral("WERT"), QStringLiteral("Gutscheinwert"), true, false, 0, 0);
    FFieldIndMinWert = AddIntegerField(QStringLiteral("MINWERT"), QStringLiteral("Min.wert (flex. GS)"), true, false, 0, 0);
    FFieldIndMaxWert = AddIntegerField(QStringLiteral("MAXWERT"), QStringLiteral("Max.wert (flex. GS)"), true, false, 0, 0);
    FFieldIndWaehrung = AddStringField(QStringLiteral("WAEHRUNG"), QStringLiteral("Währung"), true, false, false, false,
                                       1, 3, QString(), QString(), TEditCharCase::ecUpperCase);
}

void TXKVERAGutsConfigurator::FillFields(QStringList& line) {
    const TVERAGutscheinWerte w = TVERAGutscheinWerte::Entpacke(FFile->Format.GetWert());
    line << FFile->Typ.GetWert() << QString::number(FFile->Rnr.GetWert()) << QString::number(FFile->Lnr.GetWert())
         << FFile->Bezeichnung.GetWert() << w.Gtin << BoolToJN(w.Flexibel) << BoolToJN(w.KassenAusgabe)
         << ZeileVonWert(w.Wert) << ZeileVonWert(w.MinWert) << ZeileVonWert(w.MaxWert) << w.Waehrung;
}

void TXKVERAGutsConfigurator::FillNewLine(QStringList& line) {
    line = QStringList{QStringLiteral("R"), QStringLiteral("0"), QStringLiteral("0"), QString(), QString(),
                       QStringLiteral("N"), QStringLiteral("J"), QString(), QString(), QString(),
                       TQLNProgramm::GetWaehrung()};
}

TVERAGutscheinWerte TXKVERAGutsConfigurator::WerteVonZeile(const QStringList& line) const {
    TVERAGutscheinWerte w;
    w.Gtin = line.value(FFieldIndGtin).trimmed();
    w.Flexibel = JNToBool(line.value(FFieldIndFlexGS));
    w.KassenAusgabe = JNToBool(line.value(FFieldIndKasAusg));
    w.Wert = AlsZahl(line.value(FFieldIndWert), 0);
    w.MinWert = AlsZahl(line.value(FFieldIndMinWert), 0);
    w.MaxWert = AlsZahl(line.value(FFieldIndMaxWert), 0);
    w.Waehrung = line.value(FFieldIndWaehrung).trimmed();
    return w;
}

bool TXKVERAGutsConfigurator::BuchenTesten(const QString& code, const QStringList&, const QStringList& neu) {
    return Geschuetzt("BuchenTesten", false, [&] {
        if (code == wrdonDelete) return true;
        const TVERAGutscheinWerte w = WerteVonZeile(neu);
        if (neu.value(FFieldIndBezeichnung).trimmed().isEmpty())
            return Ablehnen(QStringLiteral("Bitte geben Sie eine Bezeichnung ein."));
        if (w.Gtin.isEmpty()) return Ablehnen(QStringLiteral("Bitte geben Sie eine GTIN (EAN) ein."));
        if (!TestEAN(w.Gtin)) return Ablehnen(QStringLiteral("Die eingegebene GTIN (EAN) ist ungültig."));
        if (!WaehrungVorhanden(w.Waehrung)) return Ablehnen(QStringLiteral("Bitte geben Sie eine gültige Währung ein!"));
        const auto imBereich = [](int v) { return v >= 1 && v <= CHoechsterWert; };
        if (w.Flexibel) {
            if (w.Wert != 0)
                return Ablehnen(QStringLiteral("Bei GS mit flexiblem Wert bitte nur den min.- und den max.-Wert füllen!"));
            if (!imBereich(w.MinWert))
                return Ablehnen(QStringLiteral("Der minmale Wert muss größer 0 und kleiner 9999 sein!"));
            if (!imBereich(w.MaxWert))
                return Ablehnen(QStringLiteral("Der maxmale Wert muss größer 0 und kleiner 9999 sein!"));
            if (w.MaxWert < w.MinWert)
                return Ablehnen(QStringLiteral("Der maximale Betrag muss größer sein als der minmale!"));
        } else {
            if (!imBereich(w.Wert))
                return Ablehnen(QStringLiteral("Der Gutscheinwert muss größer 0 und kleiner 9999 sein!"));
            if (w.MinWert != 0 || w.MaxWert != 0)
                return Ablehnen(
                    QStringLiteral("Bei einen GS mit festen Betrag müssen die min-/max.-Werte leer bleiben!"));
        }
        return true;
    });
}

void TXKVERAGutsConfigurator::Buchen(const QString& code, const QStringList& alt, const QStringList& neu) {
    Tgmerfile& f = *FFile;
    if (code == wrdonDelete) {
        if (LeseSatz(Typ(), AlsZahl(neu.value(FFieldIndRnr), 0), AlsZahl(neu.value(FFieldIndLnr), 0)))
            f.Write(wrdonDelete);
    } else if (code == wrdonInsert) {
        const QString format = WerteVonZeile(neu).Packe();
        const int lnr = NaechsteLnrGmer(f, {Typ()});
        f.ClearBuffer();
        f.Typ.SetWert(Typ());
        f.Rnr.SetWert(TQLNProgramm::GetRId());
        f.Lnr.SetWert(lnr);
        f.Bezeichnung.SetWert(neu.value(FFieldIndBezeichnung));
        f.Format.SetWert(format);
        f.Write(wrdonInsert);
    } else if (code == wrdonUpdate) {
        const QString format = WerteVonZeile(neu).Packe();
        if (LeseSatz(Typ(), AlsZahl(alt.value(FFieldIndRnr), 0), AlsZahl(alt.value(FFieldIndLnr), 0))) {
            f.Bezeichnung.SetWert(neu.value(FFieldIndBezeichnung));
            f.Format.SetWert(format);
            f.Write(wrdonUpdate);
        }
    }
}

void InitUnit_XKVERAGuts() {
    static int zaehler = 0;
    if (zaehler++ != 0) return;
    RegisterXKConfigurator(XKClass<TXKVERAGutsConfigurator>(), QStringLiteral("VERAGUTS"), QStringLiteral("VERA-Gift-Card"),
                           QStringLiteral("Legen Sie hier die Wertstaffeln für Ihre VERA-Gift-Card fest. Diese "
                                          "Gutscheine werden auf einem Cloud-Server verwaltet und können unmittelbar "
                                          "nach deren Ausgabe auf allen anderen Kassen eingelöst werden. Zu jedem "
                                          "Gutschein ist eine GTIN (EAN) anzugeben. Diese ist beim "
                                          "Gutscheindienstleister zu erfragen."),
                           QStringLiteral("Gutschein, VERA, Online, Internet, GTIN, EAN"));
}
