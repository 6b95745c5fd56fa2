#pragma once
// The article master: each article references colour, material, up to three
// variants, a VAT rate and a brand by their codes.

#include "TZEV_DBFile.h"

class TAAFile : public TZEV_DBFile {
public:
    TAAFile()
        : TZEV_DBFile(QStringLiteral("aa")),
          ArtNr(AddString(QStringLiteral("ARTNR"), 20)),
          Bezeichnung(AddString(QStringLiteral("BEZEICHNUNG"), 40)),
          Farbe(AddString(QStringLiteral("FARBE"), 4)),
          Material(AddString(QStringLiteral("MATERIAL"), 4)),
          Variante1(AddString(QStringLiteral("VARIANTE1"), 5)),
          Variante2(AddString(QStringLiteral("VARIANTE2"), 5)),
          Variante3(AddString(QStringLiteral("VARIANTE3"), 5)),
          MwSt(AddString(QStringLiteral("MWST"), 8)),
          VkPreis(AddFloat(QStringLiteral("VKPREIS"))),
          Marke(AddString(QStringLiteral("MARKE"), 10)),
          IndexPrimaer(AddIndex(QStringLiteral("primaer"), {&ArtNr})) {}
    TDatenfeld_String& ArtNr;
    TDatenfeld_String& Bezeichnung;
    TDatenfeld_String& Farbe;
    TDatenfeld_String& Material;
    TDatenfeld_String& Variante1;
    TDatenfeld_String& Variante2;
    TDatenfeld_String& Variante3;
    TDatenfeld_String& MwSt;  // short designation of the VAT rate
    TDatenfeld_Float& VkPreis;
    TDatenfeld_String& Marke;  // brand code (Tmarkfile)
    int IndexPrimaer;
};
