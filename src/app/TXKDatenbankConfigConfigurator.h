#pragma once
// "DBCONFIG": chooses the database of the installation and writes the database ini.

#include "registry/TXKConfigurator.h"

class TXKDatenbankConfigConfigurator : public TXKConfigurator {
public:
    static constexpr const char* KlassenName = "TXKDatenbankConfigConfigurator";

    bool Execute(const QString& id) override;
    // Also run alone by the switch E, before any session exists.
    static void ExecuteDo();
    static QString SchreibschutzText(const QString& dateiname);
};

void InitUnit_XKDatenbankConfig();
