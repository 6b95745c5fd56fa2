#include "TXKMatConfigurator.h"

#include "registry/Triveltaclass.h"

void TXKMatConfigurator::Resources_InitF() {
    FFieldIndNummer = -1;
    FFieldIndBezeichnung = -1;
    TXKCodeTabConfigurator::Resources_InitF();
}

void TXKMatConfigurator::DefineFields() {
    FFieldIndNummer = AddStringField(QStringLiteral("NUMMER"), QStringLiteral("Nummer"), true, false, false, false, 1, 4,
                                     QString(), QStringLiteral("0123456789"), TEditCharCase::ecNormal);
    FFieldIndBezeichnung = AddStringField(QStringLiteral("BEZEICHNUNG"), QStringLiteral("Bezeichnung"), true, false,
                                          false, false, 1, 20, QString(), QString(), TEditCharCase::ecNormal);
}

void TXKMatConfigurator::FillFields(QStringList& line) {
    line << FFile->Nummer.GetWert() << FFile->Bezeichnung.GetWert();
}

bool TXKMatConfigurator::BuchenTesten(const QString& code, const QStringList&, const QStringList& neu) {
    return Geschuetzt("BuchenTesten", false, [&] {
        if (AlsZahl(neu.value(FFieldIndNummer), -1) < 0)
            return Ablehnen(QStringLiteral("Bitte geben Sie eine Nummer für das Material ein."));
        if (neu.value(FFieldIndBezeichnung).trimmed().isEmpty())
            return Ablehnen(QStringLiteral("Bitte geben Sie eine Beschreibung für das Material ein."));
        if (code == wrdonInsert) {
            FFile->ClearBuffer();
            FFile->SetIndex(FFile->IndexPrimaer);
            // the key is the number as entered
            FFile->Nummer.SetKeyWert(neu.value(FFieldIndNummer));
            if (FFile->Get_eq())
                return Ablehnen(QStringLiteral("Das Material, die Sie anlegen möchten, existiert bereits!"));
        }
        return true;
    });
}

void TXKMatConfigurator::Buchen(const QString& code, const QStringList& alt, const QStringList& neu) {
    Tmatfile& f = *FFile;
    f.ClearBuffer();
    f.SetIndex(f.IndexPrimaer);
    if (code == wrdonDelete) {
        f.Nummer.SetKeyWert(neu.value(FFieldIndNummer));
        if (f.Get_eq()) f.Write(wrdonDelete);
    } else if (code == wrdonInsert) {
        f.Nummer.SetWert(neu.value(FFieldIndNummer));
        f.Bezeichnung.SetWert(neu.value(FFieldIndBezeichnung));
        f.Write(wrdonInsert);
    } else if (code == wrdonUpdate) {
        f.Nummer.SetKeyWert(alt.value(FFieldIndNummer));
        if (f.Get_eq()) {
            f.Bezeichnung.SetWert(neu.value(FFieldIndBezeichnung));
            f.Write(wrdonUpdate);
        }
    }
}

void InitUnit_XKMat() {
    static int zaehler = 0;
    if (zaehler++ != 0) return;
    RegisterXKConfigurator(XKClass<TXKMatConfigurator>(), QStringLiteral("MATERIAL"), QStringLiteral("Material"),
                           QStringLiteral("Das Material ist für viele Kunden ein wichtiges Kaufkriterium. Legen Sie "
                                          "hier die Materialien an, aus denen Ihre Artikel bestehen können, zum "
                                          "Beispiel Glattleder, Textil oder Baumwolle."),
                           QStringLiteral("Material, Leder, Stoff, Merkmal, Artikel, Artikelverwaltung"));
}
