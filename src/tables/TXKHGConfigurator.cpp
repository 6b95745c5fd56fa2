#include "TXKHGConfigurator.h"

#include "host/records/Twgnfile.h"
#include "registry/Triveltaclass.h"

void TXKHGConfigurator::Resources_InitF() {
    FFieldIndHg = -1;
    FFieldIndBezeichnung = -1;
    for (int& i : FFieldIndMM) i = -1;
    TXKCodeTabConfigurator::Resources_InitF();
}

void TXKHGConfigurator::DefineFields() {
    FFieldIndHg = AddStringField(QStringLiteral("HG"), QStringLiteral("Hauptgruppe"), true, false, false, false, 1, 2,
                                 QString(), QString(), TEditCharCase::ecUpperCase);
    FFieldIndBezeichnung = AddStringField(QStringLiteral("BEZEICHNUNG"), QStringLiteral("Bezeichnung"), true, false,
                                          false, false, 1, 30, QString(), QString(), TEditCharCase::ecNormal);
    for (int i = 0; i < Thgfile::CMerkmale; ++i)
        FFieldIndMM[i] = AddStringField(QStringLiteral("MM%1").arg(i + 1), QStringLiteral("Merkmal %1").arg(i + 1), true,
                                        false, false, false, 0, 8, QString(), QString(), TEditCharCase::ecNormal);
}

void TXKHGConfigurator::FillFields(QStringList& line) {
    line << FFile->Hg.GetWert() << FFile->Bezeichnung.GetWert();
    for (int i = 1; i <= Thgfile::CMerkmale; ++i) line << FFile->Merkmal(i).GetWert();
}

bool TXKHGConfigurator::Lese(const QString& hg) {
    FFile->ClearBuffer();
    FFile->SetIndex(FFile->IndexPrimaer);
    FFile->Hg.SetKeyWert(hg);
    return FFile->Get_eq();
}

bool TXKHGConfigurator::BuchenTesten(const QString& code, const QStringList&, const QStringList& neu) {
    return Geschuetzt("BuchenTesten", false, [&] {
        const QString hg = neu.value(FFieldIndHg).trimmed();
        if (code == wrdonDelete) {
            Twgnfile wgn;
            wgn.OpenNew(-1);
            const bool benutzt = ScanneVerwendung(wgn, {&wgn.Hg}, hg,
                                                  QStringLiteral("Warengruppen nach Hauptgruppe durchsuchen..."),
                                                  QStringLiteral("gelesene Warengruppen"));
            wgn.Close();
            if (benutzt)
                return Ablehnen(
                    QStringLiteral("Die Hauptgruppe, die Sie löschen möchten, wird noch benutzt (Warengruppen)!"));
            return true;
        }
        if (hg.isEmpty() || neu.value(FFieldIndBezeichnung).trimmed().isEmpty())
            return Ablehnen(QStringLiteral("Bitte geben Sie eine Bezeichnung ein."));
        if (code == wrdonInsert && Lese(hg)) return Ablehnen(QStringLiteral("Diese Hauptgruppe existiert bereits"));
        return true;
    });
}

void TXKHGConfigurator::Buchen(const QString& code, const QStringList& alt, const QStringList& neu) {
    Thgfile& f = *FFile;
    const auto neuAnlegen = [&] {
        f.ClearBuffer();
        f.Hg.SetWert(neu.value(FFieldIndHg).trimmed());
        f.Bezeichnung.SetWert(neu.value(FFieldIndBezeichnung));
        for (int i = 0; i < Thgfile::CMerkmale; ++i) f.Merkmal(i + 1).SetWert(neu.value(FFieldIndMM[i]));
        f.Write(wrdonInsert);
    };
    if (code == wrdonDelete) {
        if (Lese(alt.value(FFieldIndHg).trimmed())) f.Write(wrdonDelete);
    } else if (code == wrdonInsert) {
        neuAnlegen();
    } else if (code == wrdonUpdate) {
        if (Lese(alt.value(FFieldIndHg).trimmed())) {
            f.Write(wrdonDelete);
            neuAnlegen();
        }
    }
}

void InitUnit_XKHG() {
    static int zaehler = 0;
    if (zaehler++ != 0) return;
    RegisterXKConfigurator(XKClass<TXKHGConfigurator>(), QStringLiteral("HAUPTGR"), QStringLiteral("Hauptgruppen"),
                           QStringLiteral("Hauptgruppen fassen Warengruppen zu großen Sortimentsbereichen zusammen, zum "
                                          "Beispiel Damenschuhe, Herrenschuhe oder Accessoires. Legen Sie hier die "
                                          "Hauptgruppen und bis zu sechs Merkmale je Hauptgruppe an. Eine Hauptgruppe, "
                                          "der noch Warengruppen zugeordnet sind, kann nicht gelöscht werden."),
                           QStringLiteral("Hauptgruppe, Warengruppe, Sortiment, Merkmal, Artikel, Artikelverwaltung"));
}
