#include "TDatenfeld.h"

#include "TZEV_DBFile.h"
#include "host/Exception.h"

TDatenfeld::TDatenfeld(TZEV_DBFile& datei, QString name, TFeldArt art, int laenge)
    : FDatei(datei), FName(std::move(name)), FArt(art), FLaenge(laenge) {
    const QString spalte = FName.toLower();
    if (art == TFeldArt::IntPair)
        FSpalten = {spalte + QStringLiteral("_1"), spalte + QStringLiteral("_2")};
    else if (art == TFeldArt::IntTrio)
        FSpalten = {spalte + QStringLiteral("_1"), spalte + QStringLiteral("_2"), spalte + QStringLiteral("_3")};
    else
        FSpalten = {spalte};
}

void TDatenfeld::SetFilterVariant(const QVariant& v) { FFilterGleich = v; }
void TDatenfeld::SetFilterMinVariant(const QVariant& v) { FFilterMin = v; }
void TDatenfeld::SetFilterMaxVariant(const QVariant& v) { FFilterMax = v; }

void TDatenfeld::ClearFilter() {
    FFilterGleich.reset();
    FFilterMin.reset();
    FFilterMax.reset();
}

void TDatenfeld::SetUsedField(bool benutzt) { FBenutzt = benutzt; }

TSpaltenArt TDatenfeld::SpaltenArtVon(TFeldArt a) {
    switch (a) {
        case TFeldArt::String: return TSpaltenArt::Text;
        case TFeldArt::Float:
        case TFeldArt::DateTime: return TSpaltenArt::Double;
        case TFeldArt::Blob: return TSpaltenArt::Blob;
        default: return TSpaltenArt::Integer;
    }
}

void TDatenfeld_String::PruefeWert() const {
    if (FLaenge > 0 && FWert.size() > FLaenge)
        throw Exception(QStringLiteral("Der Wert \"%1\" für das Feld %2 der Tabelle %3 ist länger als %4 Zeichen.")
                            .arg(FWert, FName, FDatei.Tabelle())
                            .arg(FLaenge));
}
