#include "TXKGPNumConfigurator.h"

#include "host/TQLNProgramm.h"
#include "registry/Triveltaclass.h"

namespace {
struct Art {
    const char* Id;
    const char* Typ;
    const char* Caption;
};
constexpr Art CArten[] = {{"LIEFNUM", "L", "Lieferantennummern"},
                          {"KUNDNUM", "N", "Kundennummern"},
                          {"FILNUM", "F", "Filialnummern"},
                          {"MANDNUM", "M", "Mandantennummern"},
                          {"MITANUM", "I", "Mitarbeiternummern"}};
const Art* ArtVon(const QString& id) {
    for (const Art& a : CArten)
        if (id.compare(QLatin1String(a.Id), Qt::CaseInsensitive) == 0) return &a;
    return nullptr;
}
}  // namespace

QString TXKGPNumConfigurator::TypVonId(const QString& id) {
    const Art* a = ArtVon(id);
    return a ? QString::fromLatin1(a->Typ) : QString();
}

QString TXKGPNumConfigurator::CaptionVonId(const QString& id) {
    const Art* a = ArtVon(id);
    return a ? QString::fromUtf8(a->Caption) : QString();
}

const QStringList& TXKGPNumConfigurator::AlleTypen() {
    static const QStringList typen = [] {
        QStringList t;
        for (const Art& a : CArten) t << QString::fromLatin1(a.Typ);
        return t;
    }();
    return typen;
}

bool TXKGPNumConfigurator::Execute(const QString& id) {
    if (TypVonId(id).isEmpty()) {
        UnbekannteKennung(id);
        return false;
    }
    FXKKurzName = id;
    return TXKGmerConfigurator::Execute(id);
}

void TXKGPNumConfigurator::Resources_InitF() {
    FFieldIndTyp = -1;
    FFieldIndRnr = -1;
    FFieldIndLnr = -1;
    FFieldIndBezeichnung = -1;
    FFieldIndFormat = -1;
    TXKGmerConfigurator::Resources_InitF();
}

void TXKGPNumConfigurator::DefineFields() {
    FFieldIndTyp = AddStringField(QStringLiteral("TYP"), QStringLiteral("Typ"), false, false, false, false, 1, 1,
                                  QString(), QString(), TEditCharCase::ecNormal);
    FFieldIndRnr = AddIntegerField(QStringLiteral("RNR"), QStringLiteral("Rechner"), false, false, 0, 0);
    FFieldIndLnr = AddIntegerField(QStringLiteral("LNR"), QStringLiteral("laufende Nummer"), false, false, 0, 0);
    FFieldIndBezeichnung = AddStringField(QStringLiteral("BEZEICHNUNG"), QStringLiteral("Bezeichnung"), true, false,
                                          false, false, 3, 40, QString(), QString(), TEditCharCase::ecNormal);
    FFieldIndFormat = AddStringField(QStringLiteral("FORMAT"), QStringLiteral("Format"), true, false, false, false, 3,
                                     30, QString(), QStringLiteral("c9 "), TEditCharCase::ecNormal);
}

void TXKGPNumConfigurator::FillFields(QStringList& line) {
    line << FFile->Typ.GetWert() << QString::number(FFile->Rnr.GetWert()) << QString::number(FFile->Lnr.GetWert())
         << FFile->Bezeichnung.GetWert() << FFile->Format.GetWert();
}

void TXKGPNumConfigurator::FillNewLine(QStringList& line) {
    line = QStringList{Typ(), QStringLiteral("0"), QStringLiteral("0"), QString(), QString()};
}

bool TXKGPNumConfigurator::BuchenTesten(const QString& code, const QStringList&, const QStringList& neu) {
    return Geschuetzt("BuchenTesten", false, [&] {
        if (code == wrdonDelete) return true;
        if (neu.value(FFieldIndBezeichnung).trimmed().isEmpty())
            return Ablehnen(QStringLiteral("Bitte geben Sie eine Bezeichnung ein."));
        if (neu.value(FFieldIndFormat).trimmed().isEmpty())
            return Ablehnen(QStringLiteral("Bitte geben Sie ein Format ein."));
        return true;
    });
}

void TXKGPNumConfigurator::Buchen(const QString& code, const QStringList& alt, const QStringList& neu) {
    Tgmerfile& f = *FFile;
    if (code == wrdonDelete) {
        if (LeseSatz(neu.value(FFieldIndTyp), AlsZahl(neu.value(FFieldIndRnr), 0), AlsZahl(neu.value(FFieldIndLnr), 0)))
            f.Write(wrdonDelete);
    } else if (code == wrdonInsert) {
        const int lnr = NaechsteLnrGmer(f, AlleTypen());
        f.ClearBuffer();
        f.Typ.SetWert(Typ());
        f.Rnr.SetWert(TQLNProgramm::GetRId());
        f.Lnr.SetWert(lnr);
        f.Bezeichnung.SetWert(neu.value(FFieldIndBezeichnung));
        f.Format.SetWert(neu.value(FFieldIndFormat));
        f.Write(wrdonInsert);
    } else if (code == wrdonUpdate) {
        if (LeseSatz(alt.value(FFieldIndTyp), AlsZahl(alt.value(FFieldIndRnr), 0), AlsZahl(alt.value(FFieldIndLnr), 0))) {
            f.Bezeichnung.SetWert(neu.value(FFieldIndBezeichnung));
            f.Format.SetWert(neu.value(FFieldIndFormat));
            f.Write(wrdonUpdate);
        }
    }
}

void InitUnit_XKGPNum() {
    static int zaehler = 0;
    if (zaehler++ != 0) return;
    RegisterXKConfigurator(XKClass<TXKGPNumConfigurator>(), QStringLiteral("LIEFNUM"), QStringLiteral("Lieferantennummern"),
                           QStringLiteral("Legen Sie hier fest, nach welchem Format neue Lieferantennummern vergeben "
                                          "werden. Ein Format beschreibt mit Buchstaben, Ziffern und Leerzeichen den "
                                          "Aufbau einer Nummer."),
                           QStringLiteral("Lieferant, Lieferantennummer, Nummer, Nummernformat, Nummernvergabe, Einkauf"));
    RegisterXKConfigurator(XKClass<TXKGPNumConfigurator_Kunden>(), QStringLiteral("KUNDNUM"), QStringLiteral("Kundennummern"),
                           QStringLiteral("Legen Sie hier fest, nach welchem Format neue Kundennummern vergeben werden, "
                                          "an der Kasse ebenso wie im Online-Shop. Ein Format beschreibt mit "
                                          "Buchstaben, Ziffern und Leerzeichen den Aufbau einer Nummer."),
                           QStringLiteral("Kunde, Kundennummer, Nummer, Nummernformat, Nummernvergabe, Kundenkarte"));
    RegisterXKConfigurator(XKClass<TXKGPNumConfigurator>(), QStringLiteral("FILNUM"), QStringLiteral("Filialnummern"),
                           QStringLiteral("Legen Sie hier fest, nach welchem Format neue Filialnummern vergeben werden. "
                                          "Ein Format beschreibt mit Buchstaben, Ziffern und Leerzeichen den Aufbau "
                                          "einer Nummer."),
                           QStringLiteral("Filiale, Filialnummer, Nummer, Nummernformat, Nummernvergabe"));
    RegisterXKConfigurator(XKClass<TXKGPNumConfigurator>(), QStringLiteral("MANDNUM"), QStringLiteral("Mandantennummern"),
                           QStringLiteral("Legen Sie hier fest, nach welchem Format neue Mandantennummern vergeben "
                                          "werden. Ein Format beschreibt mit Buchstaben, Ziffern und Leerzeichen den "
                                          "Aufbau einer Nummer."),
                           QStringLiteral("Mandant, Mandantennummer, Nummer, Nummernformat, Nummernvergabe"));
    RegisterXKConfigurator(XKClass<TXKGPNumConfigurator>(), QStringLiteral("MITANUM"), QStringLiteral("Mitarbeiternummern"),
                           QStringLiteral("Legen Sie hier fest, nach welchem Format neue Mitarbeiternummern vergeben "
                                          "werden. Ein Format beschreibt mit Buchstaben, Ziffern und Leerzeichen den "
                                          "Aufbau einer Nummer."),
                           QStringLiteral("Mitarbeiter, Personal, Mitarbeiternummer, Nummer, Nummernformat, Nummernvergabe"));
}
