#pragma once
// Article prices per branch from a date on: sales price with its VAT rate and
// purchase price with the input VAT rate, each by VAT short designation.

#include "TZEV_DBFile.h"

class Tatpafile : public TZEV_DBFile {
public:
    Tatpafile()
        : TZEV_DBFile(QStringLiteral("atpa")),
          ArtNr(AddString(QStringLiteral("ARTNR"), 20)),
          Filiale(AddInteger(QStringLiteral("FILIALE"))),
          AbDatum(AddDateTime(QStringLiteral("ABDATUM"))),
          VkPreis(AddFloat(QStringLiteral("VKPREIS"))),
          VkMwSt(AddString(QStringLiteral("VKMWST"), 8)),
          EkPreis(AddFloat(QStringLiteral("EKPREIS"))),
          EkMwSt(AddString(QStringLiteral("EKMWST"), 8)),
          IndexPrimaer(AddIndex(QStringLiteral("primaer"), {&ArtNr, &Filiale, &AbDatum})) {}
    TDatenfeld_String& ArtNr;
    TDatenfeld_Integer& Filiale;
    TDatenfeld_DateTime& AbDatum;
    TDatenfeld_Float& VkPreis;
    TDatenfeld_String& VkMwSt;  // VAT short designation of the sales price
    TDatenfeld_Float& EkPreis;
    TDatenfeld_String& EkMwSt;  // VAT short designation of the purchase price
    int IndexPrimaer;
};
