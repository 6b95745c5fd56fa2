#include "TQLNMeldungsKatalog.h"

#include "Exception.h"

#include <QFile>

QString TQLNMeldungsKatalog::Schluessel(const QString& kategorie, int nummer) {
    return kategorie.toUpper() + QLatin1Char('|') + QString::number(nummer);
}

void TQLNMeldungsKatalog::Lade(const QString& inhalt, const QString& quelle) {
    const QStringList zeilen = inhalt.split(QLatin1Char('\n'));
    for (int i = 0; i < zeilen.size(); ++i) {
        QString zeile = zeilen[i];
        if (zeile.endsWith(QLatin1Char('\r'))) zeile.chop(1);
        if (zeile.trimmed().isEmpty() || zeile.startsWith(QLatin1Char('#'))) continue;
        const int p1 = zeile.indexOf(QLatin1Char('|'));
        const int p2 = p1 < 0 ? -1 : zeile.indexOf(QLatin1Char('|'), p1 + 1);
        bool ok = false;
        const int nummer = p2 < 0 ? 0 : zeile.mid(p1 + 1, p2 - p1 - 1).trimmed().toInt(&ok);
        if (!ok || p1 == 0)
            throw Exception(QStringLiteral("Meldungskatalog %1, Zeile %2 ist fehlerhaft: %3")
                                .arg(quelle).arg(i + 1).arg(zeile));
        QString text = zeile.mid(p2 + 1);
        text.replace(QLatin1String("\\n"), QLatin1String("\n"));
        FTexte.insert(Schluessel(zeile.left(p1).trimmed(), nummer), text);
    }
}

void TQLNMeldungsKatalog::LadeDatei(const QString& dateiname) {
    QFile f(dateiname);
    if (!f.open(QIODevice::ReadOnly))
        throw Exception(QStringLiteral("Meldungskatalog %1 kann nicht gelesen werden.").arg(dateiname));
    Lade(QString::fromUtf8(f.readAll()), dateiname);
}

bool TQLNMeldungsKatalog::Enthaelt(const QString& kategorie, int nummer) const {
    return FTexte.contains(Schluessel(kategorie, nummer));
}

QString TQLNMeldungsKatalog::Text(const QString& kategorie, int nummer) const {
    return FTexte.value(Schluessel(kategorie, nummer));
}

QString TQLNMeldungsKatalog::FuelleAus(const QString& text, const QStringList& args) {
    // One pass, so that an argument containing "%2" is not filled again.
    QString out;
    out.reserve(text.size() + 32);
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('%') && i + 1 < text.size() && text[i + 1].isDigit() && text[i + 1] != QLatin1Char('0')) {
            const int n = text[i + 1].digitValue();
            out += n <= args.size() ? args[n - 1] : QString();
            ++i;
        } else {
            out += c;
        }
    }
    return out;
}

QString TQLNMeldungsKatalog::Formatiere(const QString& kategorie, int nummer, const QStringList& args) const {
    const auto it = FTexte.constFind(Schluessel(kategorie, nummer));
    if (it == FTexte.constEnd()) {
        QString t = QStringLiteral("Meldung %1 %2").arg(kategorie).arg(nummer);
        if (!args.isEmpty()) t += QStringLiteral(": ") + args.join(QStringLiteral(", "));
        return t;
    }
    return FuelleAus(*it, args);
}

const TQLNMeldungsKatalog& TQLNMeldungsKatalog::Standard() {
    static const TQLNMeldungsKatalog katalog = [] {
        Q_INIT_RESOURCE(host);
        TQLNMeldungsKatalog k;
        k.LadeDatei(QStringLiteral(":/host/meldungen.txt"));
        return k;
    }();
    return katalog;
}
