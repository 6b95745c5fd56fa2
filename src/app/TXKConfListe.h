#pragma once
// Which catalogue entries the centre lists: active on this computer (or, with
// switch F, of the parameter-catalogue class), in the "-CONFLIST:" ids and
// containing the "-CONFGROUP:" text.

#include "registry/Triveltaclass.h"

#include <QStringList>

class TXKConfListe {
public:
    // The copy of the registry, in registration order.
    void LadeAusRegistry();
    const QList<TXKKatalogEintrag>& Eintraege() const { return FEintraege; }

    // Indices of the entries that pass, in registry order. Sets SingleConf to
    // the id of the only passing entry, or empties it (none or several).
    QList<int> Filtere(bool schalterF, const QStringList& externList, const QString& externGroup);
    const QString& SingleConf() const { return FSingleConf; }

    // First entry whose id equals without regard to case; -1 if none.
    int GetConfiguratorIndexByName(const QString& id) const;

    // The class listed under switch F (the parameter catalogue); none until it is built.
    static void SetParmConfiguratorClass(const TXKConfiguratorClass* klasse);
    static const TXKConfiguratorClass* ParmConfiguratorClass();

private:
    QList<TXKKatalogEintrag> FEintraege;
    QString FSingleConf;
};
