#pragma once
// Tasks of the task management: a kind, the reason it was raised for (a
// TGrndFile id) and a text. The task-edit server answers questions about them.

#include "TZEV_DBFile.h"

class Taufgfile : public TZEV_DBFile {
public:
    Taufgfile()
        : TZEV_DBFile(QStringLiteral("aufg")),
          Id(AddIntTrio(QStringLiteral("ID"))),
          Art(AddInteger(QStringLiteral("ART"))),
          Grund(AddIntTrio(QStringLiteral("GRUND"))),
          Text(AddString(QStringLiteral("TEXT"), 80)),
          Erledigt(AddBool(QStringLiteral("ERLEDIGT"))),
          IndexPrimaer(AddIndex(QStringLiteral("primaer"), {&Id})),
          IndexGrund(AddIndex(QStringLiteral("grund"), {&Art, &Grund}, false)) {}
    TDatenfeld_IntTrio& Id;
    TDatenfeld_Integer& Art;  // 276: request to the handling store
    TDatenfeld_IntTrio& Grund;
    TDatenfeld_String& Text;
    TDatenfeld_Bool& Erledigt;
    int IndexPrimaer;
    int IndexGrund;

    static constexpr int CArtHandlagerAnforderung = 276;
};
