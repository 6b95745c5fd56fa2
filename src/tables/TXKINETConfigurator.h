#pragma once
// "INETFTP" and "INETHTTP": the FTP and HTTP connections of the installation,
// maintained in the host's connection window.

#include "registry/TXKConfigurator.h"

class TXKFTPConfigurator : public TXKConfigurator {
public:
    static constexpr const char* KlassenName = "TXKFTPConfigurator";
    bool Execute(const QString& id) override;
};

class TXKHTTPConfigurator : public TXKConfigurator {
public:
    static constexpr const char* KlassenName = "TXKHTTPConfigurator";
    bool Execute(const QString& id) override;
};

void InitUnit_XKINET();
