#pragma once
// The catalogue entries that open the configuration window on a root type:
// "VERK15" (1), "KUNDMER" (159), "CRM" (121), "VSTAT15" (157), "FIBUACFG"
// (113), "ZEWI" (162) and "AutoFehler" (45, with its root row; on a computer
// of the types 2 to 5 it edits type 45 of the own computer directly).

#include "host/acfg/TZEV_ACfg_Tyco.h"
#include "registry/TXKConfigurator.h"

// Opens the window modally on root and frees it; true.
bool ZeigeACfgMain(TZEV_ACfgType_Erw root, bool showRootNode = false);

class TVerk15Configurator : public TXKConfigurator {
public:
    static constexpr const char* KlassenName = "TVerk15Configurator";
    static QString Groups(const QString&, const TXKConfiguratorClass&) { return QStringLiteral("VERK"); }
    bool Execute(const QString&) override { return ZeigeACfgMain(1); }
};

class TKundenmerkmaleConfigurator : public TXKConfigurator {
public:
    static constexpr const char* KlassenName = "TKundenmerkmaleConfigurator";
    static int ActiveOnTypes() { return 134; }  // 1, 2, 7
    static bool Active(const QString& id, const TXKConfiguratorClass& cls) { return TXKConfigurator::Active(id, cls); }
    static QString Groups(const QString&, const TXKConfiguratorClass&) { return QStringLiteral("OLSHOP"); }
    bool Execute(const QString&) override { return ZeigeACfgMain(159); }
};

class TACfg_CrmConfigurator : public TXKConfigurator {
public:
    static constexpr const char* KlassenName = "TACfg_CrmConfigurator";
    bool Execute(const QString&) override { return ZeigeACfgMain(121); }
};

class TVstat15Configurator : public TXKConfigurator {
public:
    static constexpr const char* KlassenName = "TVstat15Configurator";
    static QString Groups(const QString&, const TXKConfiguratorClass&) { return QStringLiteral("VERK"); }
    bool Execute(const QString&) override { return ZeigeACfgMain(157); }
};

class TACfg_AutoFehlerbuchungConfigurator : public TXKConfigurator {
public:
    static constexpr const char* KlassenName = "TACfg_AutoFehlerbuchungConfigurator";
    static constexpr TZEV_ACfgType_Erw CWurzel = 45;
    bool Execute(const QString&) override;
};

class TACfg_FibuConfigurator : public TXKConfigurator {
public:
    static constexpr const char* KlassenName = "TACfg_FibuConfigurator";
    static QString Groups(const QString&, const TXKConfiguratorClass&) { return QStringLiteral("FIBU"); }
    bool Execute(const QString&) override { return ZeigeACfgMain(113); }
};

class TZEV_ZeitwirtschaftConfigurator : public TXKConfigurator {
public:
    static constexpr const char* KlassenName = "TZEV_ZeitwirtschaftConfigurator";
    bool Execute(const QString&) override { return ZeigeACfgMain(162); }
};

// One per entry, in catalogue order (see InitialisiereUnits).
void InitUnit_Verk15();
void InitUnit_Kundenmerkmale();
void InitUnit_ACfgCrm();
void InitUnit_Vstat15();
void InitUnit_ACfgAutoFehler();
void InitUnit_ACfgFibu();
void InitUnit_Zeitwirtschaft();
