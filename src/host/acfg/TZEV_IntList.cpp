#include "TZEV_IntList.h"

#include "host/Exception.h"

#include <QRegularExpression>
#include <limits>

namespace {
// Blanks around the separator are for the eye; reading splits at the rest.
void PruefeSeparator(const QString& separator) {
    bool ok = !separator.trimmed().isEmpty();
    for (const QChar c : separator.trimmed())
        if (c.isDigit() || c.isSpace() || c == QLatin1Char('-')) ok = false;
    if (!ok)
        throw Exception(QStringLiteral("Das Trennzeichen „%1“ ist für Zahlenlisten nicht geeignet.").arg(separator));
}

bool LeseZahl(const QString& text, qint64& zahl) {
    bool ok = false;
    zahl = text.toLongLong(&ok);
    return ok && zahl >= std::numeric_limits<qint32>::min() && zahl <= std::numeric_limits<qint32>::max();
}
}  // namespace

QString TZEV_IntList::IntArray_ToBeschreibenderText(const QList<int>& werte, const QString& separator) {
    PruefeSeparator(separator);
    QStringList teile;
    for (qsizetype i = 0; i < werte.size();) {
        qsizetype j = i;
        while (j + 1 < werte.size() && qint64(werte[j + 1]) == qint64(werte[j]) + 1) ++j;
        if (j - i >= 2) {
            teile << QStringLiteral("%1-%2").arg(werte[i]).arg(werte[j]);
            i = j + 1;
        } else {
            teile << QString::number(werte[i]);
            ++i;
        }
    }
    return teile.join(separator);
}

bool TZEV_IntList::IntArray_FromBeschreibenderText(const QString& text, QList<int>& werte, QString* fehler,
                                                   const QString& separator) {
    werte.clear();
    auto ablehnen = [&](const QString& grund) {
        werte.clear();
        if (fehler) *fehler = QStringLiteral("Die Zahlenliste „%1“ ist ungültig: %2").arg(text, grund);
        return false;
    };
    try {
        PruefeSeparator(separator);
    } catch (const Exception& e) {
        return ablehnen(e.Message());
    }
    if (text.trimmed().isEmpty()) return true;

    static const QRegularExpression eintragMuster(QStringLiteral("^(-?[0-9]+)(?:\\s*-\\s*(-?[0-9]+))?$"));
    const QStringList teile = text.split(separator.trimmed(), Qt::KeepEmptyParts);
    qint64 anzahl = 0;
    for (qsizetype n = 0; n < teile.size(); ++n) {
        const QString eintrag = teile[n].trimmed();
        if (eintrag.isEmpty()) return ablehnen(QStringLiteral("Eintrag %1 ist leer.").arg(n + 1));
        const QRegularExpressionMatch m = eintragMuster.match(eintrag);
        if (!m.hasMatch())
            return ablehnen(QStringLiteral("Eintrag %1 („%2“) ist weder eine Zahl noch ein Bereich.").arg(n + 1).arg(eintrag));
        qint64 von = 0;
        qint64 bis = 0;
        if (!LeseZahl(m.captured(1), von) || (m.hasCaptured(2) && !LeseZahl(m.captured(2), bis)))
            return ablehnen(QStringLiteral("Eintrag %1 („%2“) liegt außerhalb des Zahlenbereichs.").arg(n + 1).arg(eintrag));
        if (!m.hasCaptured(2)) bis = von;
        else if (bis <= von)
            return ablehnen(QStringLiteral("Der Bereich „%1“ muss aufsteigen.").arg(eintrag));
        // Counted before unfolding: "1-2000000000" must not fill the memory.
        anzahl += bis - von + 1;
        if (anzahl > CMaxAnzahl)
            return ablehnen(QStringLiteral("Sie ergibt mehr als %1 Zahlen.").arg(CMaxAnzahl));
        for (qint64 z = von; z <= bis; ++z) werte.append(int(z));
    }
    return true;
}

QList<int> TZEV_IntList::IntArray_FromBeschreibenderText(const QString& text, const QString& separator) {
    QList<int> werte;
    QString fehler;
    if (!IntArray_FromBeschreibenderText(text, werte, &fehler, separator)) throw Exception(fehler);
    return werte;
}
