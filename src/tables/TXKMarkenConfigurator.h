#pragma once
// "MARKEN": the brands of the articles, maintained in the host's brand window.

#include "registry/TXKConfigurator.h"

class TXKMarkenConfigurator : public TXKConfigurator {
public:
    static constexpr const char* KlassenName = "TXKMarkenConfigurator";
    static int ActiveOnTypes() { return 182; }
    static QString Groups(const QString&, const TXKConfiguratorClass&) { return QStringLiteral("ARTV,PRODUKTE"); }

    bool Execute(const QString& id) override;
};

void InitUnit_XKMarken();
