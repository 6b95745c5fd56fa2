#include "TXKVKKZConfigurator.h"

#include "registry/Triveltaclass.h"

namespace {
const QStringList CGespeichert{QStringLiteral("1"), QStringLiteral("0")};
const QStringList CAngezeigt{QStringLiteral("ja"), QStringLiteral("nein")};
QString Aenderbar(const QString& wert, bool zurAnzeige) {
    return TXKAllgTabConfigurator::Konvertiere(wert, CGespeichert, CAngezeigt, zurAnzeige);
}
}  // namespace

void TXKVKKZConfigurator::Resources_InitF() {
    FFieldIndVkkz = -1;
    FFieldIndAendKz = -1;
    FFieldIndBezeichnung = -1;
    TXKCodeTabConfigurator::Resources_InitF();
}

void TXKVKKZConfigurator::DefineFields() {
    FFieldIndVkkz = AddStringField(QStringLiteral("VKKZ"), QStringLiteral("Verkaufskennzeichen"), true, true, false,
                                   false, 1, 1, QString(), QStringLiteral("0123456789"), TEditCharCase::ecNormal);
    FFieldIndAendKz = AddStringField(QStringLiteral("AENDKZ"), QStringLiteral("änderbar"), true, true, false, false, 1,
                                     1, QString(), QString(), TEditCharCase::ecNormal);
    FFieldIndBezeichnung = AddStringField(QStringLiteral("BEZEICHNUNG"), QStringLiteral("Bezeichnung"), true, false,
                                          false, false, 2, 22, QString(), QString(), TEditCharCase::ecNormal);
}

void TXKVKKZConfigurator::FillFields(QStringList& line) {
    line << FFile->Vkkz.GetWert() << Aenderbar(FFile->AendKz.GetWert(), true) << FFile->Bezeichnung.GetWert();
}

void TXKVKKZConfigurator::FillNewLine(QStringList& line) {
    line = QStringList{QString(), QStringLiteral("ja"), QString()};
}

void TXKVKKZConfigurator::FillWertevorrat(int index, QStringList& liste) {
    liste.clear();
    if (index == FFieldIndVkkz)
        for (int i = 0; i <= 9; ++i) liste << QString::number(i);
    else if (index == FFieldIndAendKz)
        liste = CAngezeigt;
}

bool TXKVKKZConfigurator::SwitchControlEnabled_4_Mode_Edit(int) {
    return BearbeiteteZeile().value(FFieldIndAendKz) != QLatin1String("nein");
}

bool TXKVKKZConfigurator::Vorhanden(const QString& vkkz) {
    FFile->ClearBuffer();
    FFile->SetIndex(FFile->IndexPrimaer);
    FFile->Vkkz.SetKeyWert(vkkz);
    return FFile->Get_eq();
}

bool TXKVKKZConfigurator::BuchenTesten(const QString& code, const QStringList& alt, const QStringList& neu) {
    return Geschuetzt("BuchenTesten", false, [&] {
        if ((code == wrdonUpdate || code == wrdonDelete) && alt.value(FFieldIndAendKz) == QLatin1String("nein"))
            return Ablehnen(QStringLiteral("Dieses Verkaufskennzeichen darf nicht geändert werden."));
        if (code == wrdonDelete) return true;
        if (neu.value(FFieldIndBezeichnung).trimmed().isEmpty())
            return Ablehnen(QStringLiteral("Bitte geben Sie eine Bezeichnung ein."));
        const QString vkkz = neu.value(FFieldIndVkkz).trimmed();
        // a change to another mark must not land on an existing one either
        const bool neuerSchluessel = code == wrdonInsert || vkkz != alt.value(FFieldIndVkkz).trimmed();
        if (neuerSchluessel && Vorhanden(vkkz))
            return Ablehnen(QStringLiteral("Das Verkaufskennzeichen existiert bereits"));
        return true;
    });
}

void TXKVKKZConfigurator::Buchen(const QString& code, const QStringList& alt, const QStringList& neu) {
    Tvkzfile& f = *FFile;
    const auto neuAnlegen = [&] {
        f.ClearBuffer();
        f.Vkkz.SetWert(neu.value(FFieldIndVkkz).trimmed());
        f.AendKz.SetWert(Aenderbar(neu.value(FFieldIndAendKz), false));
        f.Bezeichnung.SetWert(neu.value(FFieldIndBezeichnung));
        f.Write(wrdonInsert);
    };
    if (code == wrdonDelete) {
        if (Vorhanden(alt.value(FFieldIndVkkz).trimmed())) f.Write(wrdonDelete);
    } else if (code == wrdonInsert) {
        neuAnlegen();
    } else if (code == wrdonUpdate) {
        if (Vorhanden(alt.value(FFieldIndVkkz).trimmed())) {
            f.Write(wrdonDelete);
            neuAnlegen();
        }
    }
}

void InitUnit_XKVKKZ() {
    static int zaehler = 0;
    if (zaehler++ != 0) return;
    RegisterXKConfigurator(XKClass<TXKVKKZConfigurator>(), QStringLiteral("VKKZ"), QStringLiteral("Verkaufskennzeichen"),
                           QStringLiteral("Mit Verkaufskennzeichen steuern Sie, wie ein Artikel an der Kasse behandelt "
                                          "wird, zum Beispiel ob er rabattfähig ist oder nicht mehr verkauft werden "
                                          "darf. Legen Sie hier die Kennzeichen 0 bis 9 mit ihrer Bedeutung an. Vom "
                                          "System vorgegebene Kennzeichen können nicht geändert werden."),
                           QStringLiteral("Verkauf, Kennzeichen, Verkaufskennzeichen, Kasse, Artikel, Sperre"));
}
