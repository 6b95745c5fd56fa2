#include "TXKWertText.h"

#include "common/QLNDatum.h"

namespace TXKWertText {

QString Zahl(double wert, int nachkomma) {
    QString t = QString::number(wert, 'f', nachkomma);
    t.replace(QLatin1Char('.'), QLatin1Char(','));
    return t;
}

bool AlsZahl(const QString& text, double& wert) {
    QString t = text.trimmed();
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (ok) wert = v;
    return ok;
}

QString Datum(double tage) {
    if (tage < 1) return {};
    return QLNDatum::ZuDatum(tage).toString(QStringLiteral("dd.MM.yyyy"));
}

double AlsDatum(const QString& text) {
    const QString t = text.trimmed();
    QDate d = QDate::fromString(t, QStringLiteral("dd.MM.yyyy"));
    if (!d.isValid()) d = QDate::fromString(t, QStringLiteral("d.M.yyyy"));
    return d.isValid() ? QLNDatum::AusDatum(d) : 0.0;
}

}  // namespace TXKWertText
