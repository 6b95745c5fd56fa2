#pragma once
// Discount types of suppliers ("L") and customers ("K"), numbered per computer,
// and the three files that assign them: to articles, to suppliers and to goods
// groups. An assignment names the discount type by type, computer and number.

#include "TZEV_DBFile.h"

class Trabfile : public TZEV_DBFile {
public:
    Trabfile()
        : TZEV_DBFile(QStringLiteral("rab")),
          Typ(AddString(QStringLiteral("TYP"), 1)),
          Rnr(AddInteger(QStringLiteral("RNR"))),
          Lnr(AddInteger(QStringLiteral("LNR"))),
          Name(AddString(QStringLiteral("NAME"), 40)),
          Relevanz(AddString(QStringLiteral("RELEVANZ"), 1)),
          ReklRab(AddBool(QStringLiteral("REKLRAB"))),
          IndexPrimaer(AddIndex(QStringLiteral("primaer"), {&Typ, &Rnr, &Lnr})) {}
    TDatenfeld_String& Typ;
    TDatenfeld_Integer& Rnr;
    TDatenfeld_Integer& Lnr;
    TDatenfeld_String& Name;
    TDatenfeld_String& Relevanz;  // "W" goods management, "R" invoice, "B" both
    TDatenfeld_Bool& ReklRab;     // a discount for complaints
    int IndexPrimaer;
};

// What the three assignment files have in common: the discount type and a rate.
class TRabattZuordnungFile : public TZEV_DBFile {
public:
    TDatenfeld_String& RabTyp;
    TDatenfeld_Integer& RabRnr;
    TDatenfeld_Integer& RabLnr;
    TDatenfeld_Float& Prozent;

protected:
    explicit TRabattZuordnungFile(const QString& tabelle)
        : TZEV_DBFile(tabelle),
          RabTyp(AddString(QStringLiteral("RABTYP"), 1)),
          RabRnr(AddInteger(QStringLiteral("RABRNR"))),
          RabLnr(AddInteger(QStringLiteral("RABLNR"))),
          Prozent(AddFloat(QStringLiteral("PROZENT"))) {}
};

// Discounts per article.
class Trabafile : public TRabattZuordnungFile {
public:
    Trabafile()
        : TRabattZuordnungFile(QStringLiteral("raba")),
          ArtNr(AddString(QStringLiteral("ARTNR"), 20)),
          IndexPrimaer(AddIndex(QStringLiteral("primaer"), {&ArtNr, &RabTyp, &RabRnr, &RabLnr})) {}
    TDatenfeld_String& ArtNr;
    int IndexPrimaer;
};

// Discounts per supplier.
class Trablfile : public TRabattZuordnungFile {
public:
    Trablfile()
        : TRabattZuordnungFile(QStringLiteral("rabl")),
          Lieferant(AddInteger(QStringLiteral("LIEFERANT"))),
          IndexPrimaer(AddIndex(QStringLiteral("primaer"), {&Lieferant, &RabTyp, &RabRnr, &RabLnr})) {}
    TDatenfeld_Integer& Lieferant;
    int IndexPrimaer;
};

// Discounts per goods group.
class Trabgfile : public TRabattZuordnungFile {
public:
    Trabgfile()
        : TRabattZuordnungFile(QStringLiteral("rabg")),
          Wgs(AddString(QStringLiteral("WGS"), 6)),
          Wgn(AddString(QStringLiteral("WGN"), 12)),
          IndexPrimaer(AddIndex(QStringLiteral("primaer"), {&Wgs, &Wgn, &RabTyp, &RabRnr, &RabLnr})) {}
    TDatenfeld_String& Wgs;
    TDatenfeld_String& Wgn;
    int IndexPrimaer;
};
