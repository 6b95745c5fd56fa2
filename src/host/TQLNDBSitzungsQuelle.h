#pragma once
// The session from the product database: the program ini names the own
// computer number; the computer register gives its name, type, branch and
// client; the client register the client's name, country and currencies; the
// company-group table the installation's own group.

#include "TQLNProgramm.h"

class TQLNDBSitzungsQuelle : public TQLNSitzungsQuelle {
public:
    explicit TQLNDBSitzungsQuelle(QString programmIni = {});
    TQLNSitzungsDaten Lade() override;  // throws Exception when the computer is not registered

private:
    QString FProgrammIni;
};
