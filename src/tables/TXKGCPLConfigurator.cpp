#include "TXKGCPLConfigurator.h"

#include "registry/Triveltaclass.h"

void TXKGCPLConfigurator::Resources_InitF() {
    FFieldIndGtinNk = -1;
    FFieldIndPrefLen = -1;
    TXKCodeTabConfigurator::Resources_InitF();
}

void TXKGCPLConfigurator::DefineFields() {
    FFieldIndGtinNk = AddStringField(QStringLiteral("GTINNK"), QStringLiteral("GTIN Nummernkreis"), true, false, false,
                                     false, 1, 20, QString(), QStringLiteral("0123456789"), TEditCharCase::ecNormal);
    FFieldIndPrefLen = AddStringField(QStringLiteral("PREFLEN"), QStringLiteral("Länge Unt. Präfix"), true, true, false,
                                      false, 1, 1, QString(), QString(), TEditCharCase::ecNormal);
}

void TXKGCPLConfigurator::FillFields(QStringList& line) {
    line << FFile->GtinNk.GetWert() << QString::number(FFile->PrefLen.GetWert());
}

void TXKGCPLConfigurator::FillNewLine(QStringList& line) { line = QStringList{QString(), QStringLiteral("0")}; }

void TXKGCPLConfigurator::FillWertevorrat(int index, QStringList& liste) {
    liste.clear();
    if (index == FFieldIndPrefLen)
        for (int i = 0; i <= 13; ++i) liste << QString::number(i);
}

bool TXKGCPLConfigurator::BuchenTesten(const QString& code, const QStringList& alt, const QStringList& neu) {
    return Geschuetzt("BuchenTesten", false, [&] {
        if (code == wrdonDelete) return true;
        const QString nk = neu.value(FFieldIndGtinNk).trimmed();
        if (nk.isEmpty()) return Ablehnen(QStringLiteral("Bitte geben Sie einen GTIN-Nummernkreis ein."));
        const int laenge = AlsZahl(neu.value(FFieldIndPrefLen), -1);
        if (laenge < 0 || laenge > 13)
            return Ablehnen(QStringLiteral("Bitte geben Sie eine Präfixlänge zwischen 0 und 13 ein."));
        // a change to another range must not land on an existing one either
        if (code == wrdonInsert || nk != alt.value(FFieldIndGtinNk).trimmed()) {
            FFile->ClearBuffer();
            FFile->SetIndex(FFile->IndexPrimaer);
            FFile->GtinNk.SetKeyWert(nk);
            if (FFile->Get_eq())
                return Ablehnen(QStringLiteral("Es existiert bereits ein DatensatzDas mit diesem Nummernkreis"));
        }
        return true;
    });
}

void TXKGCPLConfigurator::Buchen(const QString& code, const QStringList& alt, const QStringList& neu) {
    Tgcplfile& f = *FFile;
    const auto lese = [&](const QString& nk) {
        f.ClearBuffer();
        f.SetIndex(f.IndexPrimaer);
        f.GtinNk.SetKeyWert(nk.trimmed());
        return f.Get_eq();
    };
    const auto neuAnlegen = [&] {
        f.ClearBuffer();
        f.GtinNk.SetWert(neu.value(FFieldIndGtinNk).trimmed());
        f.PrefLen.SetWert(AlsZahl(neu.value(FFieldIndPrefLen), 0));
        f.Write(wrdonInsert);
    };
    if (code == wrdonDelete) {
        if (lese(alt.value(FFieldIndGtinNk))) f.Write(wrdonDelete);
    } else if (code == wrdonInsert) {
        neuAnlegen();
    } else if (code == wrdonUpdate) {
        if (lese(alt.value(FFieldIndGtinNk))) {
            f.Write(wrdonDelete);
            neuAnlegen();
        }
    }
}

void InitUnit_XKGCPL() {
    static int zaehler = 0;
    if (zaehler++ != 0) return;
    RegisterXKConfigurator(XKClass<TXKGCPLConfigurator>(), QStringLiteral("GCPL"),
                           QStringLiteral("GS1 GTIN Company Prefix Längen"),
                           QStringLiteral("Eine GTIN beginnt mit dem Company Prefix des Herstellers, dessen Länge vom "
                                          "Nummernkreis abhängt. Hinterlegen Sie hier je GTIN-Nummernkreis die Länge "
                                          "des untergeordneten Präfixes, damit das System Hersteller an der GTIN "
                                          "erkennt. Die gültigen Längen veröffentlicht GS1 in der Prefix-Längentabelle "
                                          "unter https://www.gs1.org/standards/bc-epc-interop."),
                           QStringLiteral("GS1, GTIN, EAN, Company Prefix, Präfix, Präfixlänge, Nummernkreis, Hersteller"));
}
