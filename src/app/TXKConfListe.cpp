#include "TXKConfListe.h"

namespace {
const TXKConfiguratorClass*& ParmKlasse() {
    static const TXKConfiguratorClass* k = nullptr;
    return k;
}
const QString CMehrereConfs = QStringLiteral("#~MehrereConfs~#");
}  // namespace

void TXKConfListe::SetParmConfiguratorClass(const TXKConfiguratorClass* klasse) { ParmKlasse() = klasse; }
const TXKConfiguratorClass* TXKConfListe::ParmConfiguratorClass() { return ParmKlasse(); }

void TXKConfListe::LadeAusRegistry() {
    FEintraege.clear();
    EnumXKConfigurator([this](const TXKConfiguratorClass& k, const QString& id, const QString& caption,
                              const QString& beschreibung, const QString& schlagworte) {
        FEintraege.append({&k, id, caption, beschreibung, schlagworte});
    });
}

QList<int> TXKConfListe::Filtere(bool schalterF, const QStringList& externList, const QString& externGroup) {
    FSingleConf.clear();
    QList<int> out;
    for (int i = 0; i < FEintraege.size(); ++i) {
        const TXKKatalogEintrag& e = FEintraege[i];
        const bool aktiv = schalterF ? (ParmKlasse() && e.Klasse == ParmKlasse()) : e.Klasse->Active(e.Id);
        const bool inListe = externList.isEmpty() || externList.contains(e.Id, Qt::CaseInsensitive);
        if (!aktiv || !inListe) continue;
        // Groups is asked only for entries that passed the other tests.
        if (!externGroup.isEmpty() && !e.Klasse->Groups(e.Id).contains(externGroup, Qt::CaseSensitive)) continue;
        out.append(i);
        FSingleConf = FSingleConf.isEmpty() ? e.Id : CMehrereConfs;
    }
    if (FSingleConf == CMehrereConfs) FSingleConf.clear();
    return out;
}

int TXKConfListe::GetConfiguratorIndexByName(const QString& id) const {
    for (int i = 0; i < FEintraege.size(); ++i)
        if (FEintraege[i].Id.compare(id, Qt::CaseInsensitive) == 0) return i;
    return -1;
}
