#pragma once
// "ARTGRU", "PREAKT", "UMLAKT", "WERAKT": article groups and price, transfer and
// advertising actions, maintained in the host's group window of the group type
// the id stands for.

#include "registry/TXKConfigurator.h"

class TXKArtGruConfigurator : public TXKConfigurator {
public:
    static constexpr const char* KlassenName = "TXKArtGruConfigurator";
    static int ActiveOnTypes() { return 182; }
    static QString Groups(const QString&, const TXKConfiguratorClass&) { return QStringLiteral("ARTV"); }

    // Group type 1 to 4 of an id; 0 for ids this class does not serve.
    static int GruppenTypVonId(const QString& id);
    bool Execute(const QString& id) override;
};

void InitUnit_XKArtGru();
