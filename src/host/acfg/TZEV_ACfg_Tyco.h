#pragma once
// The catalogue of configuration types: per type its enumeration name, caption,
// description, keywords and place in the type tree. The host's catalogue is
// the resource :/host/acfgtypen.txt (format described there); type 0 is not
// listed, it is the root of the whole tree ("Konfigurationen").

#include <QHash>
#include <QList>
#include <QString>
#include <QtGlobal>

// Configuration type, one byte; 0 = no type, the whole tree.
using TZEV_ACfgType_Erw = quint8;

// Types that data classes name through their class function ConfigType.
constexpr TZEV_ACfgType_Erw CACfgTyp_Verk_TabeBelegstorno = 6;
constexpr TZEV_ACfgType_Erw CACfgTyp_Verk_TabeRuecknahmeBeleg = 7;
constexpr TZEV_ACfgType_Erw CACfgTyp_Verk_TabePlanetTaxFree = 110;

struct TZEV_ACfg_TypEintrag {
    TZEV_ACfgType_Erw Typ = 0;
    TZEV_ACfgType_Erw Obertyp = 0;  // 0: at the top of the tree
    QString Name;                   // enumeration name, e.g. "acfgVerkKassenlade"
    QString Caption;
    QString Beschreibung;
    QString Schlagworte;
};

class TZEV_ACfg_TypKatalog {
public:
    // Reads a catalogue text; a malformed line throws Exception naming the
    // source and the line number.
    explicit TZEV_ACfg_TypKatalog(const QString& text, const QString& quelle = QStringLiteral("Typkatalog"));

    // The host's catalogue from the resource, read on first use. Throws
    // Exception when the resource is missing or malformed.
    static const TZEV_ACfg_TypKatalog& Standard();

    bool Enthaelt(TZEV_ACfgType_Erw typ) const { return typ == 0 || FEintraege.contains(typ); }
    // nullptr for unknown types; type 0 gives the root entry.
    const TZEV_ACfg_TypEintrag* Eintrag(TZEV_ACfgType_Erw typ) const;
    // The enumeration name; for a type the catalogue does not know, its number.
    QString Name(TZEV_ACfgType_Erw typ) const;
    // Direct sub-types in catalogue order; 0 gives the top of the tree.
    QList<TZEV_ACfgType_Erw> Kinder(TZEV_ACfgType_Erw typ) const { return FKinder.value(typ); }
    // True when typ lies below vorfahr (at any depth); every type lies below 0.
    bool Unterhalb(TZEV_ACfgType_Erw typ, TZEV_ACfgType_Erw vorfahr) const;
    // Every type in catalogue order (without 0).
    const QList<TZEV_ACfgType_Erw>& Typen() const { return FReihenfolge; }

private:
    TZEV_ACfg_TypEintrag FWurzel;
    QHash<TZEV_ACfgType_Erw, TZEV_ACfg_TypEintrag> FEintraege;
    QHash<TZEV_ACfgType_Erw, QList<TZEV_ACfgType_Erw>> FKinder;
    QList<TZEV_ACfgType_Erw> FReihenfolge;
};
