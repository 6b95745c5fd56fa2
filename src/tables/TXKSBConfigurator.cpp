#include "TXKSBConfigurator.h"

#include "host/records/TStfile.h"
#include "registry/Triveltaclass.h"

namespace {
const QStringList CAktPasGespeichert{QStringLiteral("a"), QStringLiteral("p")};
const QStringList CAktPasAngezeigt{QStringLiteral("aktiv"), QStringLiteral("passiv")};
const QStringList CAendGespeichert{QStringLiteral("1"), QStringLiteral("0")};
const QStringList CAendAngezeigt{QStringLiteral("ja"), QStringLiteral("nein")};
}  // namespace

void TXKSBConfigurator::Resources_InitF() {
    FFieldIndKuerzel = -1;
    FFieldIndAktPas = -1;
    FFieldIndAendKz = -1;
    FFieldIndBezeichnung = -1;
    TXKCodeTabConfigurator::Resources_InitF();
}

void TXKSBConfigurator::DefineFields() {
    FFieldIndKuerzel = AddStringField(QStringLiteral("KUERZEL"), QStringLiteral("Kurzbezeichnung"), true, false, false,
                                      false, 1, 3, QString(), QString(), TEditCharCase::ecUpperCase);
    FFieldIndAktPas = AddStringField(QStringLiteral("AKTPAS"), QStringLiteral("aktiv/passiv"), true, true, false, false,
                                     1, 1, QString(), QString(), TEditCharCase::ecNormal);
    FFieldIndAendKz = AddStringField(QStringLiteral("AENDKZ"), QStringLiteral("änderbar"), true, true, false, false, 1,
                                     1, QString(), QString(), TEditCharCase::ecNormal);
    FFieldIndBezeichnung = AddStringField(QStringLiteral("BEZEICHNUNG"), QStringLiteral("Bezeichnung"), true, false,
                                          false, false, 1, 50, QString(), QString(), TEditCharCase::ecNormal);
}

void TXKSBConfigurator::FillFields(QStringList& line) {
    line << FFile->Kuerzel.GetWert()
         << Konvertiere(FFile->AktPas.GetWert(), CAktPasGespeichert, CAktPasAngezeigt, true)
         << Konvertiere(FFile->AendKz.GetWert(), CAendGespeichert, CAendAngezeigt, true) << FFile->Bezeichnung.GetWert();
}

void TXKSBConfigurator::FillNewLine(QStringList& line) {
    line = QStringList{QString(), QStringLiteral("aktiv"), QStringLiteral("ja"), QString()};
}

void TXKSBConfigurator::FillWertevorrat(int index, QStringList& liste) {
    liste.clear();
    if (index == FFieldIndAktPas) liste = CAktPasAngezeigt;
    if (index == FFieldIndAendKz) liste = CAendAngezeigt;
}

bool TXKSBConfigurator::SwitchControlEnabled_4_Mode_Edit(int index) {
    // Seasons reference the code: it stays as it is.
    if (index == FFieldIndKuerzel) return false;
    return BearbeiteteZeile().value(FFieldIndAendKz) != QLatin1String("nein");
}

bool TXKSBConfigurator::Lese(const QString& kuerzel) {
    FFile->ClearBuffer();
    FFile->SetIndex(FFile->IndexPrimaer);
    FFile->Kuerzel.SetKeyWert(kuerzel);
    return FFile->Get_eq();
}

bool TXKSBConfigurator::BuchenTesten(const QString& code, const QStringList& alt, const QStringList& neu) {
    return Geschuetzt("BuchenTesten", false, [&] {
        if ((code == wrdonUpdate || code == wrdonDelete) && alt.value(FFieldIndAendKz) == QLatin1String("nein"))
            return Ablehnen(QStringLiteral("Diese Saisonbezeichnung darf nicht geändert werden."));
        const QString kuerzel = neu.value(FFieldIndKuerzel).trimmed();
        if (code == wrdonDelete) {
            TStfile st;
            st.OpenNew(-1);
            const bool benutzt = ScanneVerwendung(st, {&st.SaisAbk}, kuerzel, QStringLiteral("Saisons durchsuchen..."),
                                                  QStringLiteral("gelesene Saisons"));
            st.Close();
            if (benutzt)
                return Ablehnen(QStringLiteral("Die Saisonbezeichnung, die Sie löschen möchten, wird noch benutzt!"));
            return true;
        }
        if (kuerzel.isEmpty()) return Ablehnen(QStringLiteral("Bitte geben Sie eine Kurzbezeichnung ein!"));
        if (neu.value(FFieldIndBezeichnung).trimmed().isEmpty())
            return Ablehnen(QStringLiteral("Bitte geben Sie eine Bezeichnung ein."));
        if (code == wrdonInsert && Lese(kuerzel))
            return Ablehnen(QStringLiteral("Diese Saisonbezeichnung existiert bereits"));
        return true;
    });
}

void TXKSBConfigurator::Buchen(const QString& code, const QStringList& alt, const QStringList& neu) {
    Tsbfile& f = *FFile;
    const auto neuAnlegen = [&] {
        f.ClearBuffer();
        f.Kuerzel.SetWert(neu.value(FFieldIndKuerzel).trimmed());
        f.AktPas.SetWert(Konvertiere(neu.value(FFieldIndAktPas), CAktPasGespeichert, CAktPasAngezeigt, false));
        f.AendKz.SetWert(Konvertiere(neu.value(FFieldIndAendKz), CAendGespeichert, CAendAngezeigt, false));
        f.Bezeichnung.SetWert(neu.value(FFieldIndBezeichnung));
        f.Write(wrdonInsert);
    };
    if (code == wrdonDelete) {
        if (Lese(alt.value(FFieldIndKuerzel).trimmed())) f.Write(wrdonDelete);
    } else if (code == wrdonInsert) {
        neuAnlegen();
    } else if (code == wrdonUpdate) {
        if (Lese(alt.value(FFieldIndKuerzel).trimmed())) {
            f.Write(wrdonDelete);
            neuAnlegen();
        }
    }
}

void InitUnit_XKSB() {
    static int zaehler = 0;
    if (zaehler++ != 0) return;
    RegisterXKConfigurator(XKClass<TXKSBConfigurator>(), QStringLiteral("SAIBEZ"), QStringLiteral("Saisonbezeichnungen"),
                           QStringLiteral("Saisonbezeichnungen sind die Kürzel, mit denen Sie Saisons benennen, zum "
                                          "Beispiel F für Frühjahr/Sommer und H für Herbst/Winter. Legen Sie hier die "
                                          "Kürzel an und bestimmen Sie, welche aktiv sind. Eine Bezeichnung, die von "
                                          "einer Saison verwendet wird, kann nicht gelöscht werden."),
                           QStringLiteral("Saison, Saisonbezeichnung, Kürzel, Frühjahr, Sommer, Herbst, Winter"));
}
