#include "TZEV_HiddenMainForm_Trivelta.h"

#include "TfrmTriveltaMain.h"
#include "host/TQLNInfo.h"

TZEV_HiddenMainForm_Trivelta::TZEV_HiddenMainForm_Trivelta(QStringList args, QObject* parent)
    : TZEV_HiddenMainForm(parent), FArgs(std::move(args)) {}

void TZEV_HiddenMainForm_Trivelta::Execute() {
    try {
        const std::unique_ptr<TfrmTriveltaMain> frm = std::make_unique<TfrmTriveltaMain>(FArgs);
        if (frm->SingleConf().isEmpty())
            frm->ShowModal();
        else
            frm->StartSingleConfig();
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TZEV_HiddenMainForm_Trivelta.Execute"), e, true);
    }
}
