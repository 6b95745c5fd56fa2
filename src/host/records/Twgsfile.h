#pragma once
// Goods-group systems: the hierarchies in which goods groups are numbered.
// The hierarchy text gives each digit position of a group number its level:
// "11133" is a five-digit number, two digits of level 1, three of level 2.

#include "TZEV_DBFile.h"

class Twgsfile : public TZEV_DBFile {
public:
    Twgsfile()
        : TZEV_DBFile(QStringLiteral("wgs")),
          PrimAlt(AddString(QStringLiteral("PRIMALT"), 1)),
          Kennung(AddString(QStringLiteral("KENNUNG"), 6)),
          Text(AddString(QStringLiteral("TEXT"), 40)),
          Aenderbar(AddBool(QStringLiteral("AENDERBAR"))),
          Hierarchie(AddString(QStringLiteral("HIERARCHIE"), 6)),
          ZuordOpt(AddBool(QStringLiteral("ZUORDOPT"))),
          AktPas(AddBool(QStringLiteral("AKTPAS"))),
          Mehrfach(AddBool(QStringLiteral("MEHRFACH"))),
          UntEbene(AddBool(QStringLiteral("UNTEBENE"))),
          BezDyn(AddBool(QStringLiteral("BEZDYN"))),
          IndexPrimaer(AddIndex(QStringLiteral("primaer"), {&Kennung})) {}
    TDatenfeld_String& PrimAlt;  // "P" the primary system, "A" an alternative one
    TDatenfeld_String& Kennung;
    TDatenfeld_String& Text;
    TDatenfeld_Bool& Aenderbar;
    TDatenfeld_String& Hierarchie;
    TDatenfeld_Bool& ZuordOpt;   // assigning new articles to a group is optional
    TDatenfeld_Bool& AktPas;     // active
    TDatenfeld_Bool& Mehrfach;   // an article may be in several groups
    TDatenfeld_Bool& UntEbene;   // groups are assigned on the lowest level only
    TDatenfeld_Bool& BezDyn;     // group designations are built dynamically
    int IndexPrimaer;
};
