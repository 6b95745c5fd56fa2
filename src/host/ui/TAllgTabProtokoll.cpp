#include "TAllgTabProtokoll.h"

#include "TXKEingabeRegel.h"
#include "host/QLNBuchung.h"
#include "host/TQLNInfo.h"
#include "host/records/TZEV_DBFile.h"

namespace TAllgTabProtokoll {

QString PruefeZeile(const TAllgTabDefinition& def, const QStringList& alt, const QStringList& neu, bool leerPruefen) {
    const QList<TXKFeld>& felder = def.Felder();
    for (int i = 0; i < felder.size(); ++i) {
        if (!felder[i].Visible) continue;  // values the configurator assigns itself
        if (!alt.isEmpty() && alt.value(i) == neu.value(i)) continue;
        const QString fehler = TXKEingabeRegel(felder[i]).Pruefe(neu.value(i), !leerPruefen);
        if (!fehler.isEmpty()) return fehler;
    }
    return {};
}

bool Ausfuehren(TAllgTabDefinition& def, const QString& code, const QStringList& alt, const QStringList& neu) {
    if (code != wrdonDelete) {
        const QString fehler = PruefeZeile(def, code == wrdonInsert ? QStringList() : alt, neu, false);
        if (!fehler.isEmpty()) {
            TQLNInfo::ShowMeldung(mkHinweis, {fehler}, QStringLiteral("STANDARD"), 994);
            return false;
        }
    }
    bool ok = false;
    try {
        ok = def.BuchenTesten(code, alt, neu);
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TfrmAllgTab.BuchenTesten"), e, true);
        return false;
    }
    if (!ok) return false;
    if (code != wrdonDelete) {
        // Required fields the configurator did not test itself.
        const QString fehler = PruefeZeile(def, code == wrdonInsert ? QStringList() : alt, neu, true);
        if (!fehler.isEmpty()) {
            TQLNInfo::ShowMeldung(mkHinweis, {fehler}, QStringLiteral("STANDARD"), 994);
            return false;
        }
    }
    try {
        QLNBuchung buchung(1, QStringLiteral("TfrmAllgTab.Buchen"));
        def.Buchen(code, alt, neu);
        buchung.Ende(QStringLiteral("TfrmAllgTab.Buchen"));
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TfrmAllgTab.Buchen"), e, true);
        return false;
    }
    return true;
}

}  // namespace TAllgTabProtokoll
