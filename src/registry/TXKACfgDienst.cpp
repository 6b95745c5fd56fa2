#include "TXKACfgDienst.h"

#include "host/TQLNInfo.h"

int TXKACfgDienst::ActiveOnTypes(const TXKConfiguratorClass& klasse) const { return klasse.ActiveOnTypes(); }

bool TXKACfgDienst::Starte(const TXKConfiguratorClass& klasse, const QString& id) const {
    if (!klasse.RechtFuerKonfigVorhanden()) return false;
    TXKConfiguratorPtr conf = klasse.Create();
    bool ok = false;
    try {
        conf->Init();
        conf->Execute_Start();
        ok = conf->Execute(id);
        conf->Execute_End();
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKACfgDienst.Starte"), e, true);
        ok = false;
    }
    try {
        conf->Done();
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKACfgDienst.Starte.Done"), e, true);
    }
    return ok;
}

void InitUnit_XKACfgDienst() {
    static int initialisiert = 0;
    if (initialisiert++ > 0) return;
    TZEV_ACfg_Registry::InstallXKDienst(std::make_unique<TXKACfgDienst>());
}
