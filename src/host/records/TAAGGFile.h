#pragma once
// Rules for alternative size runs: for the sizes of an assigned size run and a
// size-run type (purpose), the alternative to use. Keyed by type, assigned size
// run and a running number, so the rules of one purpose stand together.

#include "TZEV_DBFile.h"

class TAAGGFile : public TZEV_DBFile {
public:
    TAAGGFile()
        : TZEV_DBFile(QStringLiteral("aagg")),
          GgTyp(AddString(QStringLiteral("GGTYP"), 4)),
          Gg(AddString(QStringLiteral("GG"), 3)),
          Lnr(AddInteger(QStringLiteral("LNR"))),
          GgTypText(AddString(QStringLiteral("GGTYPTEXT"), 40)),
          GgVerwenden(AddString(QStringLiteral("GGVERWENDEN"), 3)),
          IndexPrimaer(AddIndex(QStringLiteral("primaer"), {&GgTyp, &Gg, &Lnr})) {}
    TDatenfeld_String& GgTyp;        // size-run type code
    TDatenfeld_String& Gg;           // the assigned size run
    TDatenfeld_Integer& Lnr;
    TDatenfeld_String& GgTypText;    // the type's designation, kept with the rule
    TDatenfeld_String& GgVerwenden;  // a size run to use instead; empty: texts per size
    int IndexPrimaer;
};
