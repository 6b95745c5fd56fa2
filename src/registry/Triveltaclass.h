#pragma once
// The catalogue registry: every configurator registers its entries here during
// unit initialisation; the centre enumerates them in registration order.

#include "TXKConfigurator.h"

#include <QList>
#include <QString>
#include <functional>

struct TXKKatalogEintrag {
    const TXKConfiguratorClass* Klasse = nullptr;
    QString Id;
    QString Caption;
    QString Beschreibung;
    QString Schlagworte;
};

void RegisterXKConfigurator(const TXKConfiguratorClass& klasse, const QString& id, const QString& caption,
                            const QString& beschreibung, const QString& schlagworte);

using TXKEnumCallback = std::function<void(const TXKConfiguratorClass& klasse, const QString& id,
                                           const QString& caption, const QString& beschreibung,
                                           const QString& schlagworte)>;
void EnumXKConfigurator(const TXKEnumCallback& callback);

// The registry's entries; tests swap the whole list and put it back.
QList<TXKKatalogEintrag>& XKRegistryEintraege();
