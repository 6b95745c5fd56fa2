#include "QLNDatum.h"

#include <cmath>

namespace {
QDateTime (*gUhr)() = nullptr;
}

namespace QLNDatum {
TDateTime AusDatumZeit(const QDateTime& dt) {
    if (!dt.isValid()) return 0.0;
    const double tage = Nullpunkt().daysTo(dt.date());
    return tage + dt.time().msecsSinceStartOfDay() / 86400000.0;
}

QDate ZuDatum(TDateTime t) { return Nullpunkt().addDays(qint64(std::floor(t))); }

QDateTime ZuDatumZeit(TDateTime t) {
    const double tage = std::floor(t);
    const int ms = int(std::lround((t - tage) * 86400000.0));
    return QDateTime(Nullpunkt().addDays(qint64(tage)), QTime(0, 0).addMSecs(ms));
}

void SetzeUhr(QDateTime (*jetzt)()) { gUhr = jetzt; }

QDateTime Jetzt() { return gUhr ? gUhr() : QDateTime::currentDateTime(); }

TDateTime Heute() { return AusDatum(Jetzt().date()); }
}  // namespace QLNDatum
