#include "TZEV_RechnerCombobox.h"

#include "host/TQLNInfo.h"
#include "host/TRVRTab.h"

#include <QSignalBlocker>

TZEV_RechnerCombobox::TZEV_RechnerCombobox(QWidget* parent) : QComboBox(parent) {
    setSizeAdjustPolicy(QComboBox::AdjustToContents);
}

QString TZEV_RechnerCombobox::RechnerText(int rnr, const QString& name, int rtyp) {
    return QStringLiteral("%1 - %2 (%3)").arg(rnr).arg(name, TRVRTab::RTypBezeichnung(rtyp));
}

void TZEV_RechnerCombobox::Laden() {
    const QSignalBlocker block(this);
    clear();
    try {
        const TRVRTab tab;
        QList<const TRVRInfoUmfang*> liste;
        for (int i = 0; i < tab.GetUmfangCount(); ++i) liste.append(&tab.GetUmfang(i));
        std::sort(liste.begin(), liste.end(), [](auto* a, auto* b) { return a->RNr < b->RNr; });
        for (const TRVRInfoUmfang* u : liste) addItem(RechnerText(u->RNr, u->Name, u->RTyp), u->RNr);
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TZEV_RechnerCombobox.Laden"), e, true);
    }
}

int TZEV_RechnerCombobox::RNr_Get() const { return currentIndex() < 0 ? 0 : currentData().toInt(); }

bool TZEV_RechnerCombobox::RNr_Set(int rnr) {
    const int i = findData(rnr);
    if (i < 0) return false;
    setCurrentIndex(i);
    return true;
}
