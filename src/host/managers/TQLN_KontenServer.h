#pragma once
// The accounts server: the accounts of the accounting per client (Tskfile).
// Configurators ask it whether an account with a short name exists for a
// client and have it create one.

#include "common/TIntPair.h"

#include <QChar>
#include <QString>
#include <array>

// A new account as the server writes it.
struct TskSatz {
    TIntPair Mandant;   // the client's number pair
    QString Text1;      // short name (the key within the client)
    QString Text2;      // designation
    QString Text3;      // search name
    // Account kind, account type, tax mark, status, origin, lock (Tskfile).
    std::array<QChar, 6> Kennzeichen{QChar(' '), QChar(' '), QChar(' '), QChar(' '), QChar(' '), QChar(' ')};
};

class IQLN_KontenServer {
public:
    virtual ~IQLN_KontenServer() = default;
    // Short names are compared as stored, blanks around them ignored.
    virtual bool KontoVorhanden(const TIntPair& mandant, const QString& kurzname) = 0;
    // Writes the account; an Exception when the client has it already or the
    // short name is empty or too long.
    virtual void Konto_Anlegen(const TskSatz& satz) = 0;
};

class TQLN_KontenServer : public IQLN_KontenServer {
public:
    bool KontoVorhanden(const TIntPair& mandant, const QString& kurzname) override;
    void Konto_Anlegen(const TskSatz& satz) override;
};
