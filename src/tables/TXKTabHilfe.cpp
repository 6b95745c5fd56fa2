#include "TXKTabHilfe.h"

#include "common/QLNDatum.h"
#include "host/TQLNInfo.h"
#include "host/records/TZEV_DBFile.h"
#include "host/ui/TQLNStdProgressDialog.h"
#include "host/ui/TfrmAllgTab.h"
#include "registry/TXKAllgTabConfigurator.h"

namespace TXKTabHilfe {
namespace {
const QString CDatumFormat = QStringLiteral("dd.MM.yyyy");
}

QStringList BearbeiteteZeile(const TXKAllgTabConfigurator& conf) {
    if (const auto* ueb = qobject_cast<const TfrmAllgTab*>(conf.AktivesFenster())) return ueb->AktuelleZeile();
    return {};
}

bool ScanneVerwendung(TZEV_DBFile& datei, const QString& caption, const QString& zaehlerCaption,
                      const std::function<bool()>& treffer) {
    TQLNStdProgressDialog dlg(caption, 300, 150);
    dlg.AddCounter(QStringLiteral("SetsRead"), zaehlerCaption);
    dlg.Anzeigen();
    bool gefunden = false;
    qint64 gelesen = 0;
    datei.ClearBuffer();
    datei.SetIndex(0);
    for (bool ok = datei.Get_first(); ok; ok = datei.Get_next()) {
        ++gelesen;
        dlg.SetCounter(QStringLiteral("SetsRead"), gelesen);
        QLNInfoProcessMessages(300);
        if (dlg.Abgebrochen()) {
            gefunden = true;
            TQLNInfo::ShowMeldung(mkHinweis,
                                  {QStringLiteral("Die Prüfung wurde abgebrochen. Der Eintrag wird nicht gelöscht.")},
                                  QStringLiteral("STANDARD"), 994);
            break;
        }
        if (treffer()) {
            gefunden = true;
            break;
        }
    }
    dlg.Schliessen();
    return gefunden;
}

double DatumWert(const QString& text) {
    const QDate d = QDate::fromString(text.trimmed(), CDatumFormat);
    return d.isValid() ? QLNDatum::AusDatum(d) : 0.0;
}

QString DatumText(double wert) {
    if (wert < 1) return {};
    return QLNDatum::ZuDatum(wert).toString(CDatumFormat);
}
}  // namespace TXKTabHilfe
