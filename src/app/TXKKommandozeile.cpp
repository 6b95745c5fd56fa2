#include "TXKKommandozeile.h"

namespace TXKKommandozeile {

bool HatSchalter(const QStringList& args, QChar schalter) {
    for (const QString& a : args) {
        if (a.size() == 2 && (a[0] == QLatin1Char('-') || a[0] == QLatin1Char('/')) &&
            a[1].toUpper() == schalter.toUpper())
            return true;
    }
    return false;
}

QStringList CommaText(const QString& text) {
    QStringList out;
    const int n = text.size();
    const auto blank = [&](int i) { return i < n && text[i] <= QLatin1Char(' ') && text[i] != QChar(0); };
    int i = 0;
    while (blank(i)) ++i;
    while (i < n) {
        QString item;
        if (text[i] == QLatin1Char('"')) {
            ++i;
            while (i < n) {
                if (text[i] == QLatin1Char('"')) {
                    if (i + 1 < n && text[i + 1] == QLatin1Char('"')) {
                        item += QLatin1Char('"');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                item += text[i++];
            }
        } else {
            while (i < n && text[i] != QLatin1Char(',') && !blank(i)) item += text[i++];
        }
        out << item;
        while (blank(i)) ++i;
        if (i < n && text[i] == QLatin1Char(',')) {
            if (i + 1 == n) out << QString();  // a trailing comma ends with an empty item
            do {
                ++i;
            } while (blank(i));
        }
    }
    return out;
}

QStringList ExternList(const QStringList& args) {
    static const QString prefix = QStringLiteral("-CONFLIST:");
    QStringList list;
    for (const QString& a : args)
        if (a.left(prefix.size()).compare(prefix, Qt::CaseInsensitive) == 0) list = CommaText(a.mid(prefix.size()));
    return list;
}

QString ExternGroup(const QStringList& args) {
    static const QString prefix = QStringLiteral("-CONFGROUP:");
    QString group;
    for (const QString& a : args)
        if (a.left(prefix.size()).compare(prefix, Qt::CaseInsensitive) == 0) group = a.mid(prefix.size());
    return group;
}

}  // namespace TXKKommandozeile
