#pragma once
// Number pairs and trios as text, as the suite's programs exchange them on
// command lines: the numbers joined by "/".

#include "common/TIntPair.h"

#include <QString>

inline QString TIntPair2String(const TIntPair& p) { return QStringLiteral("%1/%2").arg(p.A).arg(p.B); }
inline QString TIntTrio2String(const TIntTrio& t) { return QStringLiteral("%1/%2/%3").arg(t.A).arg(t.B).arg(t.C); }
