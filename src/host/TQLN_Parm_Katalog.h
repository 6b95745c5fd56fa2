#pragma once
// The host's parameter catalogue: which program parameters exist, grouped into
// menus (parameter groups), and for each parameter its caption, help, the
// computer types it exists on, whether it is set per computer or system-wide,
// its value type with length or range, an optional value list and whether it
// is protected. Read from resources/parmkatalog.txt; a malformed line is an
// error naming the line, never skipped.

#include <QDate>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <memory>
#include <vector>

// Validity of a parameter.
constexpr int CParmGueltigProRechner = 0;  // set per computer
constexpr int CParmGueltigSystemweit = 2;  // one value for the installation

// Value types.
enum TQLN_ParmTyp : int {
    ptBoolean = 1,  // "J"/"N"
    ptZeichen = 2,  // one character
    ptText10 = 3,   // ten characters after a fixed mask
    ptInteger = 4,  // whole number in a range
    ptZahl13 = 5,   // number text of up to 13 characters
    ptZahl17 = 6,   // number text of up to 17 characters
    ptString = 7,   // text of a given length and subtype
};

// String subtypes: 1 free text, 2 digits; anything else upper case.
constexpr int CParmStringFrei = 1;
constexpr int CParmStringZiffern = 2;
constexpr int CParmStringGross = 0;

// Values of a value list are at most this long (strings compare on it).
constexpr int CParmWertVorratLaenge = 16;

struct TQLN_Parm_Wert {
    QString Wert;
    QString Bezeichnung;
};

struct TQLN_Parm_Def {
    QString Kennung;      // upper case, at most 8 characters
    QString Bezeichnung;  // caption
    QString Hilfe;        // help text
    int RTypen = 0;       // computer-type set, bit n = type n
    int Gueltigkeit = CParmGueltigProRechner;
    int Typ = ptString;
    int MaxLaenge = 0;    // strings
    int StringSubTyp = 0;
    int IntegerMin = 0;   // integers
    int IntegerMax = 0;
    bool Geschuetzt = false;
    QString Vorgabe;      // the value while none is stored
    QList<TQLN_Parm_Wert> WerteVorrat;
};

// Kinds of menu items.
enum TQLN_ParmMenuArt : int { pmaUeberschrift = 0, pmaParameter = 1, pmaGruppe = 2 };

class TQLN_Parm_Menu;

struct TQLN_Parm_MenuItem {
    int Art = pmaParameter;
    QString Name;          // parameter id or group name
    QString Caption;
    QString Beschreibung;  // groups: description; parameters: help
    const TQLN_Parm_Def* Parm = nullptr;   // kind 1
    std::shared_ptr<TQLN_Parm_Menu> Menu;  // kind 2: the group's own menu
};

class TQLN_Parm_Menu {
public:
    QString Name;
    QString Caption;
    QString Beschreibung;
    std::vector<TQLN_Parm_MenuItem> Items;

    int Count() const { return int(Items.size()); }
    const TQLN_Parm_MenuItem& Item(int i) const { return Items.at(size_t(i)); }
    // Walks the items in order; nullptr after the last.
    const TQLN_Parm_MenuItem* GetFirst() const;
    const TQLN_Parm_MenuItem* GetNext() const;

private:
    mutable int FPos = -1;
};

// An entry of the version-check list: changing the parameter needs the program
// in a version newer than the date on every computer of the types.
struct TZEV_ParmPrCheckVersion {
    QString Kennung;
    QString Programm;
    QDate Datum;
    int RTypen = 0;
};

// Parameter group of the catalogue and a group of the configuration centre.
struct TParmGroup_2_TriveltaGroup {
    const char* ParmGroup;
    const char* TriveltaGroup;
};
extern const std::array<TParmGroup_2_TriveltaGroup, 15> C_ParmGroup_2_TriveltaGroup;

// The parsed catalogue.
class TQLN_Parm_KatalogDaten {
public:
    // Throws Exception naming the source and line on the first malformed line.
    void Lade(const QString& inhalt, const QString& quelle);

    struct Eintrag {
        int Art;  // pmaUeberschrift or pmaParameter
        QString Text;  // heading text, or the parameter id
    };
    struct Gruppe {
        QString Name;
        QString Caption;
        QString Beschreibung;
        QList<Eintrag> Eintraege;
    };
    QList<Gruppe> Gruppen;
    QHash<QString, TQLN_Parm_Def> Parms;  // by id
    QList<TZEV_ParmPrCheckVersion> Versionen;
};

class TQLN_Parm_Katalog {
public:
    // The menu of a group (name compared without regard to case), or with an
    // empty name the menu of all groups, holding only the parameters that
    // exist on one of the computer types; groups and headings left without a
    // parameter are dropped. nullptr when there is no such group.
    static std::unique_ptr<TQLN_Parm_Menu> Menu_Create(const QString& name, int rtypen);

    static bool ParmWert_Vorrat_Existiert(const QString& kennung);
    // The value list of the parameter: values and their descriptions (with
    // mitBezeichnung false the values stand for their descriptions). False when
    // the parameter has none.
    static bool ParmWert_Vorrat_Fuer(const QString& kennung, QStringList& bezeichnungen, bool mitBezeichnung,
                                     QStringList& werte);
    // The definition of the parameter, or nullptr when the catalogue does not hold it.
    static const TQLN_Parm_Def* ParmWert_Def_ByKennung(const QString& kennung);

    static const QList<TZEV_ParmPrCheckVersion>& GZEV_ParmPrCheckVersion();

    // The running program's catalogue (the built-in resource, read on first use).
    static const TQLN_Parm_KatalogDaten& Daten();
    // Seam: a catalogue of the given text instead of the resource; an empty text restores the resource.
    static void Installiere(const QString& inhalt, const QString& quelle = QStringLiteral("Test"));
};
