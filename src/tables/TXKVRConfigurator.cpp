#include "TXKVRConfigurator.h"

#include "host/records/TAAFile.h"
#include "registry/Triveltaclass.h"

void TXKVRConfigurator::Resources_InitF() {
    FFieldIndVariante = -1;
    FFieldIndBeschreibung = -1;
    TXKCodeTabConfigurator::Resources_InitF();
}

void TXKVRConfigurator::DefineFields() {
    FFieldIndVariante = AddStringField(QStringLiteral("VARIANTE"), QStringLiteral("Variante"), true, false, false, false,
                                       1, 5, QString(), QString(), TEditCharCase::ecUpperCase);
    FFieldIndBeschreibung = AddStringField(QStringLiteral("BESCHREIBUNG"), QStringLiteral("Beschreibung"), true, false,
                                           false, false, 3, 30, QString(), QString(), TEditCharCase::ecNormal);
}

void TXKVRConfigurator::FillFields(QStringList& line) {
    line << FFile->Variante.GetWert() << FFile->Beschreibung.GetWert();
}

bool TXKVRConfigurator::VarianteBenutzt(const QString& variante) {
    TAAFile aa;
    aa.OpenNew(-1);
    const bool benutzt = ScanneVerwendung(aa, {&aa.Variante1, &aa.Variante2, &aa.Variante3}, variante,
                                          QStringLiteral("Artikelstamm nach Variante durchsuchen..."),
                                          QStringLiteral("gelesene Artikel"));
    aa.Close();
    return benutzt;
}

bool TXKVRConfigurator::BuchenTesten(const QString& code, const QStringList&, const QStringList& neu) {
    return Geschuetzt("BuchenTesten", false, [&] {
        const QString variante = neu.value(FFieldIndVariante).trimmed();
        if (code == wrdonDelete && VarianteBenutzt(variante))
            return Ablehnen(QStringLiteral("Die Variante, die Sie löschen möchten, wird noch benutzt!"));
        if (variante.isEmpty()) return Ablehnen(QStringLiteral("Bitte geben Sie ein Kürzel für die Variante ein."));
        if (neu.value(FFieldIndBeschreibung).trimmed().isEmpty())
            return Ablehnen(QStringLiteral("Bitte geben Sie eine Beschreibung für die Variante ein."));
        if (code == wrdonInsert) {
            FFile->ClearBuffer();
            FFile->SetIndex(FFile->IndexPrimaer);
            FFile->Variante.SetKeyWert(neu.value(FFieldIndVariante));
            if (FFile->Get_eq())
                return Ablehnen(QStringLiteral("Die Variante, die Sie anlegen möchten, existiert bereits!"));
        }
        return true;
    });
}

void TXKVRConfigurator::Buchen(const QString& code, const QStringList& alt, const QStringList& neu) {
    Tvrfile& f = *FFile;
    f.ClearBuffer();
    f.SetIndex(f.IndexPrimaer);
    if (code == wrdonDelete) {
        f.Variante.SetKeyWert(neu.value(FFieldIndVariante));
        if (f.Get_eq()) f.Write(wrdonDelete);
    } else if (code == wrdonInsert) {
        f.Variante.SetWert(neu.value(FFieldIndVariante));
        f.Beschreibung.SetWert(neu.value(FFieldIndBeschreibung));
        f.Write(wrdonInsert);
    } else if (code == wrdonUpdate) {
        f.Variante.SetKeyWert(alt.value(FFieldIndVariante));
        if (f.Get_eq()) {
            f.Beschreibung.SetWert(neu.value(FFieldIndBeschreibung));
            f.Write(wrdonUpdate);
        }
    }
}

void InitUnit_XKVR() {
    static int zaehler = 0;
    if (zaehler++ != 0) return;
    RegisterXKConfigurator(XKClass<TXKVRConfigurator>(), QStringLiteral("VARIANTEN"), QStringLiteral("Varianten"),
                           QStringLiteral("Varianten sind benutzerdefinierte Artikelmerkmale. Sie können einem Artikel "
                                          "bis zu drei Varianten zuweisen. Um die Zuweisung zu ermöglichen, müssen Sie "
                                          "hier einen Wertevorrat definieren."),
                           QStringLiteral("Merkmal, Artikel, Artikelverwaltung"));
}
