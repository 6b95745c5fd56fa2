#pragma once
// The host's season list: every season (TStfile: designation code and year)
// with the designation's text and the selling period. A season is shown and
// chosen by its text: the code, a blank and the year ("FS 2026"); seasons
// without year ("GJA", "ALT") by the code alone.

#include <QList>
#include <QString>

struct TSaisonEintrag {
    QString Kuerzel;
    int Jahr = 0;
    QString Bezeichnung;  // text of the season designation
    double SaisStart = 0;
    double SaisEnde = 0;
    QString Text() const;
};

class TSaisonListe {
public:
    void Laden();
    const QList<TSaisonEintrag>& Eintraege() const { return FEintraege; }
    // By the shown text (blanks around it and case ignored); nullptr when no season has it.
    const TSaisonEintrag* Suche(const QString& text) const;
    const TSaisonEintrag* Suche(const QString& kuerzel, int jahr) const;
    static QString Text(const QString& kuerzel, int jahr);

private:
    QList<TSaisonEintrag> FEintraege;
};
