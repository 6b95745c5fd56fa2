#pragma once
// Small shared pieces of the table configurators of goods-group systems,
// price-reduction reasons, seasons, customer attributes, group formation and
// reasons: the line being edited, scans with a condition, dates of the lines.

#include <QString>
#include <QStringList>
#include <functional>

class TXKAllgTabConfigurator;
class TZEV_DBFile;

namespace TXKTabHilfe {
// While the single form asks which fields to enable, the overview is the
// configurator's active window and its current row is the line being edited;
// empty when no overview is active.
QStringList BearbeiteteZeile(const TXKAllgTabConfigurator& conf);

// Reads the file from its first record in primary-index order under the host's
// progress dialog (counter "SetsRead") until treffer() is true for the record in
// the buffer. True when a record matched, and also when the user cancelled
// (the entry is then not known to be unused).
bool ScanneVerwendung(TZEV_DBFile& datei, const QString& caption, const QString& zaehlerCaption,
                      const std::function<bool()>& treffer);

// Dates of the lines: "dd.MM.yyyy", empty when not set. Values are host days;
// a text that is no date gives 0.
double DatumWert(const QString& text);
QString DatumText(double wert);
}  // namespace TXKTabHilfe
