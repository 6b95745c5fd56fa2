#pragma once
// Payroll master: one record per employee with the salary data that
// reference group-formation numbers (Tgbfile), one column per kind.

#include "TZEV_DBFile.h"

class TGepzFile : public TZEV_DBFile {
public:
    TGepzFile()
        : TZEV_DBFile(QStringLiteral("gepz")),
          PersNr(AddInteger(QStringLiteral("PERSNR"))),
          Name(AddString(QStringLiteral("NAME"), 40)),
          Konfess(AddInteger(QStringLiteral("KONFESS"))),
          PersGrup(AddInteger(QStringLiteral("PERSGRUP"))),
          UmlagArt(AddInteger(QStringLiteral("UMLAGART"))),
          Stellung(AddInteger(QStringLiteral("STELLUNG"))),
          Taetigke(AddInteger(QStringLiteral("TAETIGKE"))),
          Ausbildu(AddInteger(QStringLiteral("AUSBILDU"))),
          VertrArt(AddInteger(QStringLiteral("VERTRART"))),
          ZuAbrGru(AddInteger(QStringLiteral("ZUABRGRU"))),
          ArbnTyp(AddInteger(QStringLiteral("ARBNTYP"))),
          VwlVeArt(AddInteger(QStringLiteral("VWLVEART"))),
          RvPflBef(AddInteger(QStringLiteral("RVPFLBEF"))),
          KvPflBef(AddInteger(QStringLiteral("KVPFLBEF"))),
          PvPflBef(AddInteger(QStringLiteral("PVPFLBEF"))),
          AvPflBef(AddInteger(QStringLiteral("AVPFLBEF"))),
          IndexPrimaer(AddIndex(QStringLiteral("primaer"), {&PersNr})) {}
    TDatenfeld_Integer& PersNr;
    TDatenfeld_String& Name;
    TDatenfeld_Integer& Konfess;   // denomination
    TDatenfeld_Integer& PersGrup;  // person group
    TDatenfeld_Integer& UmlagArt;  // kind of levy
    TDatenfeld_Integer& Stellung;  // position in the profession
    TDatenfeld_Integer& Taetigke;  // activity
    TDatenfeld_Integer& Ausbildu;  // education
    TDatenfeld_Integer& VertrArt;  // kind of contract
    TDatenfeld_Integer& ZuAbrGru;  // reason of an extra settlement
    TDatenfeld_Integer& ArbnTyp;   // kind of employee
    TDatenfeld_Integer& VwlVeArt;  // kind of capital-forming savings contract
    TDatenfeld_Integer& RvPflBef;  // exemptions from pension, health, care and
    TDatenfeld_Integer& KvPflBef;  // unemployment insurance
    TDatenfeld_Integer& PvPflBef;
    TDatenfeld_Integer& AvPflBef;
    int IndexPrimaer;
};
