#pragma once

#include "host/ui/TZEV_HiddenMainForm.h"

#include <QStringList>

class TZEV_HiddenMainForm_Trivelta : public TZEV_HiddenMainForm {
    Q_OBJECT
public:
    explicit TZEV_HiddenMainForm_Trivelta(QStringList args, QObject* parent = nullptr);
    // Creates the centre and shows it, or starts its only configurator directly.
    void Execute() override;

private:
    QStringList FArgs;
};
