#pragma once
// Internet connections of the installation (FTP servers, HTTP services), by
// connection kind and name.

#include "TZEV_DBFile.h"

class Tinetfile : public TZEV_DBFile {
public:
    Tinetfile()
        : TZEV_DBFile(QStringLiteral("inet")),
          Art(AddInteger(QStringLiteral("ART"))),
          Name(AddString(QStringLiteral("NAME"), 30)),
          Host(AddString(QStringLiteral("HOST"), 100)),
          Port(AddInteger(QStringLiteral("PORT"))),
          Benutzer(AddString(QStringLiteral("BENUTZER"), 60)),
          Passwort(AddString(QStringLiteral("PASSWORT"), 100)),
          Pfad(AddString(QStringLiteral("PFAD"), 255)),
          IndexPrimaer(AddIndex(QStringLiteral("primaer"), {&Art, &Name})) {}
    TDatenfeld_Integer& Art;  // connection kind
    TDatenfeld_String& Name;
    TDatenfeld_String& Host;
    TDatenfeld_Integer& Port;
    TDatenfeld_String& Benutzer;
    TDatenfeld_String& Passwort;
    TDatenfeld_String& Pfad;  // FTP: directory on the server; HTTP: the URL
    int IndexPrimaer;
};
