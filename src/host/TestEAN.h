#pragma once
// The host's EAN test: a GTIN of 8, 12, 13 or 14 digits whose last digit is the
// check digit of the others (weights 3 and 1 from the right, modulo 10).

#include <QString>

// True when the text is a GTIN-8, -12, -13 or -14 with a correct check digit.
// Nothing is trimmed: blanks or any other character make it invalid.
bool TestEAN(const QString& ean);
// The check digit for the digits before it; a null QChar when they are not all digits.
QChar EANPruefziffer(const QString& ohnePruefziffer);
