#include "TXKFEConfigurator.h"

#include "host/TQLNProgramm.h"
#include "registry/Triveltaclass.h"

void TXKFEConfigurator::Resources_InitF() {
    FFieldIndRnr = -1;
    FFieldIndLnr = -1;
    FFieldIndBezeichnung = -1;
    FFieldIndFormat = -1;
    TXKGmerConfigurator::Resources_InitF();
}

void TXKFEConfigurator::DefineFields() {
    FFieldIndRnr = AddIntegerField(QStringLiteral("RNR"), QStringLiteral("Rechner"), false, false, 0, 0);
    FFieldIndLnr = AddIntegerField(QStringLiteral("LNR"), QStringLiteral("laufende Nummer"), false, false, 0, 0);
    FFieldIndBezeichnung = AddStringField(QStringLiteral("BEZEICHNUNG"), QStringLiteral("Bezeichnung"), true, false,
                                          false, false, 3, 40, QString(), QString(), TEditCharCase::ecNormal);
    FFieldIndFormat = AddStringField(QStringLiteral("FORMAT"), QStringLiteral("Etikettenformat"), true, false, false,
                                     false, 3, 30, QString(), QStringLiteral("c0"), TEditCharCase::ecNormal);
}

void TXKFEConfigurator::FillFields(QStringList& line) {
    line << QString::number(FFile->Rnr.GetWert()) << QString::number(FFile->Lnr.GetWert())
         << FFile->Bezeichnung.GetWert() << FFile->Format.GetWert();
}

bool TXKFEConfigurator::BuchenTesten(const QString& code, const QStringList&, const QStringList& neu) {
    return Geschuetzt("BuchenTesten", false, [&] {
        if (code == wrdonDelete) return true;
        if (neu.value(FFieldIndBezeichnung).trimmed().isEmpty())
            return Ablehnen(QStringLiteral("Bitte geben Sie eine Bezeichnung für das Etikettenformat ein."));
        if (neu.value(FFieldIndFormat).trimmed().isEmpty())
            return Ablehnen(QStringLiteral("Bitte geben Sie ein Format für das Etikett ein."));
        return true;
    });
}

void TXKFEConfigurator::Buchen(const QString& code, const QStringList& alt, const QStringList& neu) {
    Tgmerfile& f = *FFile;
    if (code == wrdonDelete) {
        if (LeseSatz(Typ(), AlsZahl(neu.value(FFieldIndRnr), 0), AlsZahl(neu.value(FFieldIndLnr), 0)))
            f.Write(wrdonDelete);
    } else if (code == wrdonInsert) {
        const int lnr = NaechsteLnrEtikettFormat(f);
        f.ClearBuffer();
        f.Typ.SetWert(Typ());
        f.Rnr.SetWert(TQLNProgramm::GetRId());
        f.Lnr.SetWert(lnr);
        f.Bezeichnung.SetWert(neu.value(FFieldIndBezeichnung));
        f.Format.SetWert(neu.value(FFieldIndFormat));
        f.Write(wrdonInsert);
    } else if (code == wrdonUpdate) {
        if (LeseSatz(Typ(), AlsZahl(alt.value(FFieldIndRnr), 0), AlsZahl(alt.value(FFieldIndLnr), 0))) {
            f.Bezeichnung.SetWert(neu.value(FFieldIndBezeichnung));
            f.Format.SetWert(neu.value(FFieldIndFormat));
            f.Write(wrdonUpdate);
        }
    }
}

void InitUnit_XKFE() {
    static int zaehler = 0;
    if (zaehler++ != 0) return;
    RegisterXKConfigurator(XKClass<TXKFEConfigurator>(), QStringLiteral("ETIKFORM"), QStringLiteral("Etikettenformate"),
                           QStringLiteral("Legen Sie hier die Formate der Etiketten fest, die Sie an Ihren "
                                          "Etikettendruckern verwenden, zum Beispiel 38x23 für kleine Preisetiketten. "
                                          "Die Formate stehen anschließend bei der Etikettengestaltung und beim "
                                          "Etikettendruck zur Auswahl."),
                           QStringLiteral("Etikett, Etikettenformat, Format, Preisetikett, Etikettendruck, Drucker"));
}
