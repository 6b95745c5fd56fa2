#pragma once
// What the program reads from its command line: the switches E and F and the
// arguments "-CONFLIST:" and "-CONFGROUP:". Everything else is ignored.

#include <QString>
#include <QStringList>

namespace TXKKommandozeile {
// A whole argument "-X" or "/X", the letter compared without regard to case.
bool HatSchalter(const QStringList& args, QChar schalter);
// The ids of the last "-CONFLIST:" argument (minus sign only, prefix case ignored), read as comma text.
QStringList ExternList(const QStringList& args);
// The rest of the last "-CONFGROUP:" argument.
QString ExternGroup(const QStringList& args);
// Comma text: splits at commas and at blanks outside double quotes; "" inside quotes is one quote.
QStringList CommaText(const QString& text);
}  // namespace TXKKommandozeile
