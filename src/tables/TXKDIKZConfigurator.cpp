#include "TXKDIKZConfigurator.h"

#include "registry/Triveltaclass.h"

namespace {
const QStringList CGespeichert{QStringLiteral("A"), QStringLiteral("F")};
const QStringList CAngezeigt{QStringLiteral("ja"), QStringLiteral("nein")};
QString Aenderbar(const QString& wert, bool zurAnzeige) {
    return TXKAllgTabConfigurator::Konvertiere(wert, CGespeichert, CAngezeigt, zurAnzeige);
}
}  // namespace

void TXKDIKZConfigurator::Resources_InitF() {
    FFieldIndDikz = -1;
    FFieldIndAendKz = -1;
    FFieldIndBezeichnung = -1;
    TXKCodeTabConfigurator::Resources_InitF();
}

void TXKDIKZConfigurator::DefineFields() {
    FFieldIndDikz = AddStringField(QStringLiteral("DIKZ"), QStringLiteral("Dispokennzeichen"), true, false, false, false,
                                   1, 8, QString(), QString(), TEditCharCase::ecUpperCase);
    FFieldIndAendKz = AddStringField(QStringLiteral("AENDKZ"), QStringLiteral("änderbar"), true, true, false, false, 1,
                                     1, QString(), QString(), TEditCharCase::ecNormal);
    FFieldIndBezeichnung = AddStringField(QStringLiteral("BEZEICHNUNG"), QStringLiteral("Bezeichnung"), true, false,
                                          false, false, 1, 20, QString(), QString(), TEditCharCase::ecNormal);
}

void TXKDIKZConfigurator::FillFields(QStringList& line) {
    line << FFile->Dikz.GetWert() << Aenderbar(FFile->AendKz.GetWert(), true) << FFile->Bezeichnung.GetWert();
}

void TXKDIKZConfigurator::FillNewLine(QStringList& line) {
    line = QStringList{QString(), QStringLiteral("ja"), QString()};
}

void TXKDIKZConfigurator::FillWertevorrat(int index, QStringList& liste) {
    liste.clear();
    if (index == FFieldIndAendKz) liste = CAngezeigt;
}

bool TXKDIKZConfigurator::SwitchControlEnabled_4_Mode_Edit(int) {
    return BearbeiteteZeile().value(FFieldIndAendKz) != QLatin1String("nein");
}

bool TXKDIKZConfigurator::Vorhanden(const QString& dikz) {
    FFile->ClearBuffer();
    FFile->SetIndex(FFile->IndexPrimaer);
    FFile->Dikz.SetKeyWert(dikz);
    return FFile->Get_eq();
}

bool TXKDIKZConfigurator::BuchenTesten(const QString& code, const QStringList& alt, const QStringList& neu) {
    return Geschuetzt("BuchenTesten", false, [&] {
        if ((code == wrdonUpdate || code == wrdonDelete) && alt.value(FFieldIndAendKz) == QLatin1String("nein"))
            return Ablehnen(QStringLiteral("Dieses Dispokennzeichen darf nicht geändert werden."));
        if (code == wrdonDelete) return true;
        if (neu.value(FFieldIndBezeichnung).trimmed().isEmpty())
            return Ablehnen(QStringLiteral("Bitte geben Sie eine Bezeichnung ein."));
        const QString dikz = neu.value(FFieldIndDikz).trimmed();
        // a change to another mark must not land on an existing one either
        const bool neuerSchluessel = code == wrdonInsert || dikz != alt.value(FFieldIndDikz).trimmed();
        if (neuerSchluessel && Vorhanden(dikz)) return Ablehnen(QStringLiteral("Das Dispokennzeichen existiert bereits"));
        return true;
    });
}

void TXKDIKZConfigurator::Buchen(const QString& code, const QStringList& alt, const QStringList& neu) {
    Tdikzfile& f = *FFile;
    const auto neuAnlegen = [&] {
        f.ClearBuffer();
        f.Dikz.SetWert(neu.value(FFieldIndDikz).trimmed());
        f.AendKz.SetWert(Aenderbar(neu.value(FFieldIndAendKz), false));
        f.Bezeichnung.SetWert(neu.value(FFieldIndBezeichnung));
        f.Write(wrdonInsert);
    };
    if (code == wrdonDelete) {
        if (Vorhanden(alt.value(FFieldIndDikz).trimmed())) f.Write(wrdonDelete);
    } else if (code == wrdonInsert) {
        neuAnlegen();
    } else if (code == wrdonUpdate) {
        if (Vorhanden(alt.value(FFieldIndDikz).trimmed())) {
            f.Write(wrdonDelete);
            neuAnlegen();
        }
    }
}

void InitUnit_XKDIKZ() {
    static int zaehler = 0;
    if (zaehler++ != 0) return;
    RegisterXKConfigurator(XKClass<TXKDIKZConfigurator>(), QStringLiteral("DIKZ"), QStringLiteral("Dispokennzeichen"),
                           QStringLiteral("Dispokennzeichen steuern, wie ein Artikel bei Disposition und Nachbestellung "
                                          "behandelt wird, zum Beispiel als Nachlieferartikel oder als Auslaufartikel. "
                                          "Legen Sie hier Ihre Kennzeichen an. Vom System vorgegebene Kennzeichen "
                                          "können nicht geändert werden."),
                           QStringLiteral("Disposition, Dispokennzeichen, Kennzeichen, Bestellung, Nachbestellung, Einkauf"));
}
