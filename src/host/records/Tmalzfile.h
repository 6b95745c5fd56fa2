#pragma once
// Client additions per country: the VAT number under which a client is liable
// to VAT in another country, from a date on. The country "OSS" stands for the
// EU one-stop-shop procedure.

#include "TZEV_DBFile.h"

class Tmalzfile : public TZEV_DBFile {
public:
    Tmalzfile()
        : TZEV_DBFile(QStringLiteral("malz")),
          Mandant(AddIntPair(QStringLiteral("MANDANT"))),
          Land(AddString(QStringLiteral("LAND"), 3)),
          AbDatum(AddDateTime(QStringLiteral("ABDATUM"))),
          UStIDNr(AddString(QStringLiteral("USTIDNR"), 15)),
          Aktiv(AddBool(QStringLiteral("AKTIV"))),
          IndexPrimaer(AddIndex(QStringLiteral("primaer"), {&Mandant, &Land, &AbDatum})) {}
    TDatenfeld_IntPair& Mandant;  // the client's business-partner id (Tmandfile GEPID)
    TDatenfeld_String& Land;
    TDatenfeld_DateTime& AbDatum;
    TDatenfeld_String& UStIDNr;
    TDatenfeld_Bool& Aktiv;
    int IndexPrimaer;

    static inline const QString CLandOSS = QStringLiteral("OSS");
};
