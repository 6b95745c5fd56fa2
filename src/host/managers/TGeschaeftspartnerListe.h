#pragma once
// The host's business-partner list over the partner register (Tgpfile): the
// partners of the given kinds with id, kind, number, name, place, client and
// active flag; names by id for displays.

#include "common/TIntPair.h"

#include <QList>
#include <QString>
#include <QStringList>

struct TGpEintrag {
    TIntPair Id;
    QString Art;
    int Nummer = 0;
    QString Name;
    QString Ort;
    TIntPair Mandant;
    bool Aktiv = true;
};

class TGeschaeftspartnerListe {
public:
    // arten: the kind letters to load (Tgpfile::CArt...), empty for every kind.
    void Laden(const QStringList& arten = {}, bool nurAktive = false);
    const QList<TGpEintrag>& Eintraege() const { return FEintraege; }
    const TGpEintrag* Suche(const TIntPair& id) const;
    // The partner's name; the service's text "Keinen Namen gefunden." for an unknown id.
    QString Name(const TIntPair& id) const;
    static QString ArtText(const QString& art);  // "Mandant", "Filiale", ...
    static inline const QString CKeinName = QStringLiteral("Keinen Namen gefunden.");

private:
    QList<TGpEintrag> FEintraege;
};
