#include "TestEAN.h"

QChar EANPruefziffer(const QString& ohnePruefziffer) {
    if (ohnePruefziffer.isEmpty()) return {};
    int summe = 0;
    int gewicht = 3;  // the digit next to the check digit weighs 3
    for (qsizetype i = ohnePruefziffer.size() - 1; i >= 0; --i) {
        const QChar c = ohnePruefziffer[i];
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return {};
        summe += (c.unicode() - u'0') * gewicht;
        gewicht = gewicht == 3 ? 1 : 3;
    }
    return QChar(u'0' + (10 - summe % 10) % 10);
}

bool TestEAN(const QString& ean) {
    const qsizetype n = ean.size();
    if (n != 8 && n != 12 && n != 13 && n != 14) return false;
    const QChar p = EANPruefziffer(ean.left(n - 1));
    return !p.isNull() && p == ean[n - 1];
}
