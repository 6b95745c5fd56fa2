#include "Triveltaclass.h"

QList<TXKKatalogEintrag>& XKRegistryEintraege() {
    static QList<TXKKatalogEintrag> eintraege;
    return eintraege;
}

void RegisterXKConfigurator(const TXKConfiguratorClass& klasse, const QString& id, const QString& caption,
                            const QString& beschreibung, const QString& schlagworte) {
    XKRegistryEintraege().append({&klasse, id, caption, beschreibung, schlagworte});
}

void EnumXKConfigurator(const TXKEnumCallback& callback) {
    // A copy, so that a callback that registers does not disturb the walk.
    const QList<TXKKatalogEintrag> eintraege = XKRegistryEintraege();
    for (const TXKKatalogEintrag& e : eintraege)
        callback(*e.Klasse, e.Id, e.Caption, e.Beschreibung, e.Schlagworte);
}
