#include "TXKGTINConfigurator.h"

#include "registry/Triveltaclass.h"

namespace {
const QStringList CGespeichert{QStringLiteral("INT"), QStringLiteral("EXT")};
const QStringList CAngezeigt{QStringLiteral("intern"), QStringLiteral("extern")};
}  // namespace

QString TXKGTINConfigurator::Verwendung(const QString& wert, bool zurAnzeige) {
    return Konvertiere(wert, CGespeichert, CAngezeigt, zurAnzeige);
}

bool TXKGTINConfigurator::StartnummerGueltig(const QString& start) {
    const int n = QString::number(AlsZahl(start, 0)).size();
    return n == 3 || n == 7 || n == 8 || n == 9;
}

void TXKGTINConfigurator::Resources_InitF() {
    FFieldIndBlockStart = -1;
    FFieldIndExtInt = -1;
    FFieldIndBlockEnde = -1;
    TXKCodeTabConfigurator::Resources_InitF();
}

void TXKGTINConfigurator::DefineFields() {
    FFieldIndBlockStart = AddStringField(QStringLiteral("BLOCKSTART"), QStringLiteral("Startnummer"), true, false, false,
                                         false, 3, 9, QString(), QStringLiteral("0123456789"), TEditCharCase::ecNormal);
    FFieldIndExtInt = AddStringField(QStringLiteral("EXTINT"), QStringLiteral("Gebrauch intern/extern"), true, true,
                                     false, false, 3, 30, QString(), QString(), TEditCharCase::ecNormal);
    FFieldIndBlockEnde = AddStringField(QStringLiteral("BLOCKENDE"), QStringLiteral("Endnummer"), false, false, false,
                                        false, 3, 9, QString(), QStringLiteral("0123456789"), TEditCharCase::ecNormal);
}

void TXKGTINConfigurator::SetzeLeseFilter() {
    FFile->ExtendedFilterAdd(FFile->NkArt, TExtFilterOp::Gleich, Tnkfile::CArtGTIN);
    FFile->ExtendedFilterAdd(FFile->Code, TExtFilterOp::Gleich, Tnkfile::CCodeGTIN);
}

void TXKGTINConfigurator::FillFields(QStringList& line) {
    line << FFile->BlockStart.GetWert() << Verwendung(FFile->Verwendung.GetWert(), true) << FFile->BlockEnde.GetWert();
}

void TXKGTINConfigurator::FillNewLine(QStringList& line) {
    line = QStringList{QString(), QStringLiteral("extern"), QString()};
}

void TXKGTINConfigurator::FillWertevorrat(int index, QStringList& liste) {
    liste.clear();
    if (index == FFieldIndExtInt) liste = CAngezeigt;
}

bool TXKGTINConfigurator::SortByColumn(int& spalte, bool& aufsteigend) {
    spalte = FFieldIndBlockStart;
    aufsteigend = true;
    return true;
}

bool TXKGTINConfigurator::BuchenTesten(const QString& code, const QStringList&, const QStringList& neu) {
    return Geschuetzt("BuchenTesten", false, [&] {
        if (code == wrdonDelete) return true;
        if (!StartnummerGueltig(neu.value(FFieldIndBlockStart)))
            return Ablehnen(QStringLiteral("Die Startnummer muss eine Länge von 3, 7, 8 oder 9 Ziffern haben"));
        return true;
    });
}

void TXKGTINConfigurator::Buchen(const QString& code, const QStringList& alt, const QStringList& neu) {
    Tnkfile& f = *FFile;
    const auto lese = [&](const QStringList& line) {
        f.ClearBuffer();
        f.SetIndex(f.IndexPrimaer);
        f.NkArt.SetKeyWert(Tnkfile::CArtGTIN);
        f.Code.SetKeyWert(Tnkfile::CCodeGTIN);
        f.Verwendung.SetKeyWert(Verwendung(line.value(FFieldIndExtInt), false));
        f.BlockStart.SetKeyWert(line.value(FFieldIndBlockStart).trimmed());
        f.BlockEnde.SetKeyWert(line.value(FFieldIndBlockEnde).trimmed());
        return f.Get_eq();
    };
    const auto neuAnlegen = [&] {
        const QString start = neu.value(FFieldIndBlockStart).trimmed();
        f.ClearBuffer();
        f.NkArt.SetWert(Tnkfile::CArtGTIN);
        f.Code.SetWert(Tnkfile::CCodeGTIN);
        f.Verwendung.SetWert(Verwendung(neu.value(FFieldIndExtInt), false));
        f.BlockStart.SetWert(start);
        f.BlockEnde.SetWert(start);  // a prefix is a range of one
        f.Kennzeichen.SetWert(QStringLiteral("N"));
        f.Write(wrdonInsert);
    };
    if (code == wrdonDelete) {
        if (lese(alt)) f.Write(wrdonDelete);
    } else if (code == wrdonInsert) {
        neuAnlegen();
    } else if (code == wrdonUpdate) {
        if (lese(alt)) {
            f.Write(wrdonDelete);
            neuAnlegen();
        }
    }
}

void InitUnit_XKGTIN() {
    static int zaehler = 0;
    if (zaehler++ != 0) return;
    RegisterXKConfigurator(XKClass<TXKGTINConfigurator>(), QStringLiteral("GTINBER"), QStringLiteral("GTIN-Bereiche"),
                           QStringLiteral("Hinterlegen Sie hier die GTIN-Basisnummern (Company Prefix), aus denen das "
                                          "System GTINs für Ihre Artikel bildet. Geben Sie an, ob ein Bereich für den "
                                          "internen Gebrauch oder für Artikel bestimmt ist, die Sie nach außen "
                                          "weitergeben."),
                           QStringLiteral("GTIN, EAN, Barcode, Strichcode, Nummernkreis, Basisnummer, GS1"));
}
