#pragma once
// The host's client list: every client with its number, name, business-partner
// id (the number pair other tables store), country and currencies.

#include "common/TIntPair.h"

#include <QList>
#include <QString>
#include <QStringList>

struct TMandantEintrag {
    int Nummer = 0;
    QString Name;
    TIntPair Id;
    QString Land;
    QString Waehrung;
    QString Waehrung2;
};

class TMandantenListe {
public:
    void Laden();
    const QList<TMandantEintrag>& Eintraege() const { return FEintraege; }
    QStringList Namen() const;
    // The first client whose name equals the text exactly gives its id pair.
    bool Get_Mandant_By_Name(const QString& name, TIntPair& id) const;
    QString NameVon(const TIntPair& id) const;  // empty when no client has the id

private:
    QList<TMandantEintrag> FEintraege;
};
