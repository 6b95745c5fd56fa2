#pragma once
// The host's date-time: days since 30 December 1899, the fraction of a day is
// the time. Date-only fields carry whole days.

#include <QDate>
#include <QDateTime>

using TDateTime = double;

namespace QLNDatum {
inline const QDate& Nullpunkt() {
    static const QDate d(1899, 12, 30);
    return d;
}
inline TDateTime AusDatum(const QDate& d) { return d.isValid() ? double(Nullpunkt().daysTo(d)) : 0.0; }
TDateTime AusDatumZeit(const QDateTime& dt);
QDate ZuDatum(TDateTime t);
QDateTime ZuDatumZeit(TDateTime t);
TDateTime Heute();  // today, whole days; follows the host clock seam
// The clock the host reads; tests fix it.
void SetzeUhr(QDateTime (*jetzt)());
QDateTime Jetzt();
}  // namespace QLNDatum
