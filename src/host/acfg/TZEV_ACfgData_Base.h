#pragma once
// Configuration data objects: the value of one configuration type for one
// scope (one object, or one per computer), and their class objects.
//
// A data class T derives from TZEV_ACfgData_Base and declares
//   static constexpr const char* KlassenName = "TZEV_ACfg_...";
//   static constexpr int Version = 1;               // format of its stored values
//   static TZEV_ACfg_Gueltigkeitsbereich_Erw Gueltigkeitsbereich();  // 1 or 2
//   static int RTypen();                            // computer-type set
//   static bool HatEigeneRNr() { return false; }    // optional, see below
//   explicit T(TZEV_ACfgType_Erw typ) : TZEV_ACfgData_Base(ACfgDataClass<T>(), typ) { defaults }
// and implements WertText, WerteSchreiben and WerteLesen (WerteVergleichen
// optionally). ACfgDataClass<T>() is its class object.
//
// Stored text (canonical: equal objects give equal texts):
//   ACFG|<class name>|<version>[|<own computer number>]
//   <key>=<value>          one line per value, in the order WerteSchreiben wrote them
// Values escape "\" as "\\" and line breaks as "\n" / "\r". Keys are letters,
// digits, "_" and "." (for lists: "Seite.2.Knopf.5.Typ").
// Reading starts from a fresh object with its defaults: keys that an older
// version did not write keep their defaults, keys that are no longer read are
// ignored. Another class, a newer version, a broken header, line or value
// throws Exception; the caller never gets a half-read object.
//
// Own computer number: some configurations name the computer they belong to
// (HatEigeneRNr). That number is the binding of the object, not part of its
// value: the store sets it to the computer an object is loaded for or stored
// for, and the comparison leaves it out, so computers with equal settings
// compare equal.

#include "TZEV_ACfg_Tyco.h"
#include "common/TIntPair.h"
#include "host/TQLNProgramm.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <limits>
#include <memory>
#include <utility>

// Validity scope: 1 one object (stored under computer 0), 2 one per computer.
using TZEV_ACfg_Gueltigkeitsbereich_Erw = quint8;
constexpr TZEV_ACfg_Gueltigkeitsbereich_Erw CACfg_Gueltig_Einmal = 1;
constexpr TZEV_ACfg_Gueltigkeitsbereich_Erw CACfg_Gueltig_JeRechner = 2;

class TZEV_ACfgData_Base;

// The values of one object as ordered key/value text, with typed access.
class TZEV_ACfgWerte {
public:
    // Setters throw Exception for a malformed or repeated key (a fault of the data class).
    void SetString(const QString& key, const QString& wert);
    void SetInt(const QString& key, qint64 wert);
    void SetBool(const QString& key, bool wert);  // "J" / "N"
    void SetDouble(const QString& key, double wert);  // shortest text that reads back exactly
    void SetIntPair(const QString& key, const TIntPair& wert);
    void SetIntTrio(const QString& key, const TIntTrio& wert);
    void SetIntList(const QString& key, const QList<int>& wert);  // "1-3,7"
    void SetStringList(const QString& key, const QStringList& wert);  // count and one key per entry

    bool Hat(const QString& key) const;
    // Getters return the default for a missing key and throw Exception for a
    // value of the wrong form; min/max bound whole numbers.
    QString GetString(const QString& key, const QString& vorgabe = {}) const;
    qint64 GetInt(const QString& key, qint64 vorgabe = 0, qint64 min = std::numeric_limits<qint32>::min(),
                  qint64 max = std::numeric_limits<qint32>::max()) const;
    bool GetBool(const QString& key, bool vorgabe = false) const;
    double GetDouble(const QString& key, double vorgabe = 0.0) const;
    TIntPair GetIntPair(const QString& key, const TIntPair& vorgabe = {}) const;
    TIntTrio GetIntTrio(const QString& key, const TIntTrio& vorgabe = {}) const;
    QList<int> GetIntList(const QString& key, const QList<int>& vorgabe = {}) const;
    QStringList GetStringList(const QString& key, const QStringList& vorgabe = {}) const;
    // A list count, refused above max (a broken text must not make a reader allocate without bound).
    int GetAnzahl(const QString& key, int max = 10000) const;

    const QList<std::pair<QString, QString>>& Eintraege() const { return FEintraege; }
    QString Text() const;  // the value lines
    static TZEV_ACfgWerte AusText(const QStringList& zeilen, int ersteZeile);  // throws Exception

private:
    const QString* Roh(const QString& key) const;
    [[noreturn]] void Falsch(const QString& key, const QString& wert, const QString& erwartet) const;
    void Add(const QString& key, const QString& wert);
    QList<std::pair<QString, QString>> FEintraege;
};

// The class object of a data class: class-level values and construction.
class TZEV_ACfgDataClass {
public:
    virtual ~TZEV_ACfgDataClass() = default;
    virtual QString ClassName() const = 0;
    virtual int Version() const = 0;
    virtual TZEV_ACfg_Gueltigkeitsbereich_Erw Gueltigkeitsbereich() const = 0;
    // Bit n for computer type n; a type above 7 is never a member.
    virtual int RTypen() const = 0;
    virtual bool HatEigeneRNr() const = 0;
    // A new object with its defaults.
    virtual std::unique_ptr<TZEV_ACfgData_Base> Create(TZEV_ACfgType_Erw typ) const = 0;

    bool RTypEnthalten(TRTyp_Erw rtyp) const { return TQLNProgramm::RTypInSet(rtyp, RTypen()); }
    // Reads a stored text into a new object of this class; throws Exception.
    std::unique_ptr<TZEV_ACfgData_Base> AusText(TZEV_ACfgType_Erw typ, const QString& text) const;
};

class TZEV_ACfgData_Base {
public:
    TZEV_ACfgData_Base(const TZEV_ACfgDataClass& klasse, TZEV_ACfgType_Erw typ) : FKlasse(&klasse), FTyp(typ) {}
    virtual ~TZEV_ACfgData_Base() = default;
    TZEV_ACfgData_Base(const TZEV_ACfgData_Base&) = delete;
    TZEV_ACfgData_Base& operator=(const TZEV_ACfgData_Base&) = delete;

    const TZEV_ACfgDataClass& Klasse() const { return *FKlasse; }
    TZEV_ACfgType_Erw ACfgTyp() const { return FTyp; }
    TZEV_ACfg_Gueltigkeitsbereich_Erw Gueltigkeitsbereich() const { return FKlasse->Gueltigkeitsbereich(); }
    int RTypen() const { return FKlasse->RTypen(); }

    // Display text of the value; may be empty.
    virtual QString WertText() const = 0;

    // Total order: class name, then type, then WerteVergleichen, then the
    // stored values. 0 exactly when class, type and values are equal.
    int Compare(const TZEV_ACfgData_Base& other) const;

    QString Serialisieren() const;
    std::unique_ptr<TZEV_ACfgData_Base> Clone() const;

    // Only for classes with HatEigeneRNr; 0 otherwise.
    int EigeneRNr() const { return FEigeneRNr; }
    void EigeneRNr_Set(int rnr) {
        if (FKlasse->HatEigeneRNr()) FEigeneRNr = rnr;
    }

protected:
    virtual void WerteSchreiben(TZEV_ACfgWerte& werte) const = 0;
    // version: the version the text was written with (1 to the class's Version).
    virtual void WerteLesen(const TZEV_ACfgWerte& werte, int version) = 0;
    // A natural order of the values (e.g. numbers by size) for classes that
    // want one; equal values must give 0. The stored values decide the rest.
    virtual int WerteVergleichen(const TZEV_ACfgData_Base& /*other*/) const { return 0; }

private:
    friend class TZEV_ACfgDataClass;
    QString WerteText() const;
    const TZEV_ACfgDataClass* FKlasse;
    TZEV_ACfgType_Erw FTyp;
    int FEigeneRNr = 0;
};

template <class T>
class TZEV_ACfgDataKlasse final : public TZEV_ACfgDataClass {
public:
    static const TZEV_ACfgDataKlasse& Instance() {
        static const TZEV_ACfgDataKlasse cls;
        return cls;
    }
    QString ClassName() const override { return QString::fromLatin1(T::KlassenName); }
    int Version() const override { return T::Version; }
    TZEV_ACfg_Gueltigkeitsbereich_Erw Gueltigkeitsbereich() const override { return T::Gueltigkeitsbereich(); }
    int RTypen() const override { return T::RTypen(); }
    bool HatEigeneRNr() const override {
        if constexpr (requires { T::HatEigeneRNr(); })
            return T::HatEigeneRNr();
        else
            return false;
    }
    std::unique_ptr<TZEV_ACfgData_Base> Create(TZEV_ACfgType_Erw typ) const override { return std::make_unique<T>(typ); }

private:
    TZEV_ACfgDataKlasse() = default;
};

template <class T>
const TZEV_ACfgDataClass& ACfgDataClass() {
    return TZEV_ACfgDataKlasse<T>::Instance();
}
