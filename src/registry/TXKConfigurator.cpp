#include "TXKConfigurator.h"

#include "host/TQLNInfo.h"
#include "host/TQLNProgramm.h"

#include <exception>

void TXKConfiguratorDeleter::operator()(TXKConfigurator* p) const {
    if (!p) return;
    try {
        p->BeforeDestruction();
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKConfigurator.Resources_Destroy"), e, false);
    }
    delete p;
    TQLNInfo::FehlerTerminate(QStringLiteral("TXKConfigurator.Destroy"));
}

bool TXKConfigurator::Active(const QString&, const TXKConfiguratorClass& cls) {
    return TQLNProgramm::RTypInSet(TQLNProgramm::GetRTyp(), cls.ActiveOnTypes());
}

void TXKConfigurator::Init() { Resources_InitF(); }

void TXKConfigurator::Done() { Resources_DoneF(); }
