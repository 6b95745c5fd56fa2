#pragma once
// Business partners: clients, branches, suppliers, customers and employees in
// one register. A partner's id is a number pair (the computer that created it
// and a running number there); its number is the one the user knows it by
// within its kind. Each partner belongs to a client (a client to itself).

#include "TZEV_DBFile.h"

class Tgpfile : public TZEV_DBFile {
public:
    Tgpfile()
        : TZEV_DBFile(QStringLiteral("gp")),
          GepId(AddIntPair(QStringLiteral("GEPID"))),
          Art(AddString(QStringLiteral("ART"), 1)),
          Nummer(AddInteger(QStringLiteral("NUMMER"))),
          Name(AddString(QStringLiteral("NAME"), 40)),
          Ort(AddString(QStringLiteral("ORT"), 40)),
          Mandant(AddIntPair(QStringLiteral("MANDANT"))),
          Aktiv(AddBool(QStringLiteral("AKTIV"))),
          IndexPrimaer(AddIndex(QStringLiteral("primaer"), {&GepId})),
          IndexArtNummer(AddIndex(QStringLiteral("artnummer"), {&Art, &Nummer}, false)) {}
    TDatenfeld_IntPair& GepId;
    TDatenfeld_String& Art;  // one of the kind letters below
    TDatenfeld_Integer& Nummer;
    TDatenfeld_String& Name;
    TDatenfeld_String& Ort;
    TDatenfeld_IntPair& Mandant;  // id of the client the partner belongs to
    TDatenfeld_Bool& Aktiv;
    int IndexPrimaer;
    int IndexArtNummer;

    // Kinds, with the letters of the number formats of business partners.
    static inline const QString CArtMandant = QStringLiteral("M");
    static inline const QString CArtFiliale = QStringLiteral("F");
    static inline const QString CArtLieferant = QStringLiteral("L");
    static inline const QString CArtKunde = QStringLiteral("N");
    static inline const QString CArtMitarbeiter = QStringLiteral("I");
};
