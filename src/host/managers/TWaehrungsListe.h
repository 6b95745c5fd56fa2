#pragma once
// The host's currency list: every currency of the currency file with its name
// and country, and whether it is a currency of the euro zone (its country has
// "EWU-Mitglied" set in the country file). Read once by Laden.

#include <QList>
#include <QString>

struct TWaehrungsEintrag {
    QString Kuerzel;
    QString ISO4217;
    QString Name;
    QString Land;
    bool EWU = false;
};

class TWaehrungsListe {
public:
    void Laden();
    const QList<TWaehrungsEintrag>& Eintraege() const { return FEintraege; }
    // Case ignored; nullptr when the list does not hold the code.
    const TWaehrungsEintrag* Suche(const QString& kuerzel) const;
    QString Name(const QString& kuerzel) const;  // empty when unknown
    bool IstEWUWaehrung(const QString& kuerzel) const;

private:
    QList<TWaehrungsEintrag> FEintraege;
};
