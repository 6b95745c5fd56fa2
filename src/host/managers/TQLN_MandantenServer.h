#pragma once
// The client service: the installation's clients with number, name and the
// number pair by which other tables store a client, walked by position.

#include "common/TIntPair.h"

#include <QList>
#include <QString>

struct TQLN_MandantInfo {
    int Nummer = 0;
    TIntPair Id;
    QString Name;
};

class IQLN_MandantenServer {
public:
    virtual ~IQLN_MandantenServer() = default;
    // The client at position n (from 0, in client-number order); false past
    // the last. Position 0 reads the client table again.
    virtual bool Mandant_GoCiN(int n, TQLN_MandantInfo& mandant) = 0;
};

class TQLN_MandantenServer : public IQLN_MandantenServer {
public:
    bool Mandant_GoCiN(int n, TQLN_MandantInfo& mandant) override;

private:
    void Laden();
    QList<TQLN_MandantInfo> FMandanten;
    bool FGeladen = false;
};
