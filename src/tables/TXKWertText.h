#pragma once
// Shown values of numbers and dates in the lines of the currency, VAT and
// exchange-rate tables: numbers with a decimal comma and no thousands
// separator (the single form's float rule reads them back), dates as
// dd.MM.yyyy and empty when unset.

#include <QString>

namespace TXKWertText {
QString Zahl(double wert, int nachkomma);
// Comma or point as decimal separator; false for anything that is no number (also empty).
bool AlsZahl(const QString& text, double& wert);
QString Datum(double tage);
// Host days of a shown date; 0 when the text is no date.
double AlsDatum(const QString& text);
}  // namespace TXKWertText
