#include "TXKABKZConfigurator.h"

#include "host/TQLNProgramm.h"
#include "host/TZEV_WPF_Rechte.h"
#include "registry/Triveltaclass.h"

// The host's rights check takes a list and whether to tell the user: the check
// at opening tells him, the check deciding the modes does not.
bool TXKABKZConfigurator::RechtFuerKonfigVorhanden(const TXKConfiguratorClass&) {
    return TQLNProgramm::UserRechtePruefen(
        {TZEV_WPF_Rechte::CInventurAbwertungAnsehen, TZEV_WPF_Rechte::CInventurAbwertungBearbeiten}, true);
}

void TXKABKZConfigurator::SetAllowedModes() {
    TXKCodeTabConfigurator::SetAllowedModes();
    if (!TQLNProgramm::UserRechtePruefen({TZEV_WPF_Rechte::CInventurAbwertungAnsehen,
                                          TZEV_WPF_Rechte::CInventurAbwertungBearbeiten,
                                          TZEV_WPF_Rechte::CInventurAbwertungskennzeichenPflegen},
                                         false)) {
        FAllowedModes.remove(xkefNew);
        FAllowedModes.remove(xkefEdit);
        FAllowedModes.remove(xkefDelete);
    }
}

void TXKABKZConfigurator::Resources_InitF() {
    FFieldIndNummer = -1;
    FFieldIndProzSatz = -1;
    TXKCodeTabConfigurator::Resources_InitF();
}

void TXKABKZConfigurator::DefineFields() {
    FFieldIndNummer = AddStringField(QStringLiteral("NUMMER"), QStringLiteral("Kennzeichen"), true, false, false, false,
                                     1, 1, QString(), QStringLiteral("123456789"), TEditCharCase::ecNormal);
    FFieldIndProzSatz = AddStringField(QStringLiteral("PROZSATZ"), QStringLiteral("Prozentsatz"), true, false, false,
                                       false, 1, 2, QString(), QStringLiteral("0123456789"), TEditCharCase::ecNormal);
}

void TXKABKZConfigurator::FillFields(QStringList& line) {
    line << QString::number(FFile->Nummer.GetWert()) << QString::number(FFile->ProzSatz.GetWert());
}

bool TXKABKZConfigurator::Lese(int nummer) {
    FFile->ClearBuffer();
    FFile->SetIndex(FFile->IndexPrimaer);
    FFile->Nummer.SetKeyWert(nummer);
    return FFile->Get_eq();
}

bool TXKABKZConfigurator::BuchenTesten(const QString& code, const QStringList&, const QStringList& neu) {
    return Geschuetzt("BuchenTesten", false, [&] {
        const int nummer = AlsZahl(neu.value(FFieldIndNummer), 0);
        if (nummer <= 0) return Ablehnen(QStringLiteral("Bitte geben Sie ein Abwertungskennzeichen ein."));
        if (code == wrdonInsert && Lese(nummer))
            return Ablehnen(QStringLiteral("Das Abwertungskennzeichen, das Sie anlegen möchten, existiert bereits!"));
        return true;
    });
}

void TXKABKZConfigurator::Buchen(const QString& code, const QStringList& alt, const QStringList& neu) {
    Tabkzfile& f = *FFile;
    if (code == wrdonDelete) {
        if (Lese(AlsZahl(neu.value(FFieldIndNummer), 0))) f.Write(wrdonDelete);
    } else if (code == wrdonInsert) {
        f.ClearBuffer();
        f.Nummer.SetWert(AlsZahl(neu.value(FFieldIndNummer), 0));
        f.ProzSatz.SetWert(AlsZahl(neu.value(FFieldIndProzSatz), 0));
        f.Write(wrdonInsert);
    } else if (code == wrdonUpdate) {
        if (Lese(AlsZahl(alt.value(FFieldIndNummer), 0))) {
            f.ProzSatz.SetWert(AlsZahl(neu.value(FFieldIndProzSatz), 0));
            f.Write(wrdonUpdate);
        }
    }
}

void InitUnit_XKABKZ() {
    static int zaehler = 0;
    if (zaehler++ != 0) return;
    RegisterXKConfigurator(XKClass<TXKABKZConfigurator>(), QStringLiteral("ABKZ"), QStringLiteral("Abwertungskennzeichen"),
                           QStringLiteral("Bei der Inventur können Artikel abgewertet werden, etwa weil sie beschädigt "
                                          "oder nicht mehr aktuell sind. Legen Sie hier die Abwertungskennzeichen 1 "
                                          "bis 9 mit dem jeweiligen Prozentsatz der Abwertung an."),
                           QStringLiteral("Abwertung, Abwertungskennzeichen, Inventur, Prozent, Bewertung, Lager"));
}
