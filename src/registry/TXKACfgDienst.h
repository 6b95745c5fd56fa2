#pragma once
// Lets the ACfg side of the host start catalogue configurators: the ACfg
// registry knows them only by their class object. InitUnit_XKACfgDienst
// installs the service once, at start-up.

#include "TXKConfigurator.h"
#include "host/acfg/TZEV_ACfg_Registry.h"

class TXKACfgDienst : public TZEV_ACfg_XKDienst {
public:
    int ActiveOnTypes(const TXKConfiguratorClass& klasse) const override;
    // Right check, Init, Execute_Start, Execute(id), Execute_End, Done, as the centre runs one.
    bool Starte(const TXKConfiguratorClass& klasse, const QString& id) const override;
};

void InitUnit_XKACfgDienst();
