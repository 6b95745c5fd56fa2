#pragma once
// Loading and storing configuration objects in the ACfg store (Tacfgfile):
// one row per type and computer; objects of scope 1 live under computer 0.
//
// A per-computer object (scope 2) exists for a computer of the computer table
// whose type is in the data class's computer-type set; for any other computer
// none can be had. A scope-1 object is the same whichever computer asks.
// Nothing stored yet: the data class's defaults.
//
// Every store runs in one posting: all objects for all computers are written,
// or, on the first failure, none. An object that carries its own computer
// number is written with the number of the computer it is stored for.

#include "TZEV_ACfgData_Base.h"

#include <QHash>
#include <QList>
#include <QString>
#include <memory>

class Tacfgfile;

constexpr int CBuchungsArtACfg = 4;

// What a copy did; the pairs are (type, target computer).
struct TZEV_ACfgKopieBericht {
    QList<std::pair<TZEV_ACfgType_Erw, int>> Kopiert;
    QList<std::pair<TZEV_ACfgType_Erw, int>> Uebersprungen;
};

class TZEV_Glob_ACfg_Controller {
public:
    enum class TLadeStatus {
        Gespeichert,     // read from the store
        Standard,        // nothing stored: the defaults
        NichtVorhanden,  // no data class, or the computer has no such configuration
        Fehlerhaft,      // the stored text cannot be read (grund tells why)
    };

    // True and the computer's current object (the defaults when nothing is
    // stored); false when none can be had. A broken stored object is reported.
    static bool GetKonfigForACfgType(TZEV_ACfgType_Erw typ, int rnr, std::unique_ptr<TZEV_ACfgData_Base>& konfig);
    // The same with the outcome told apart and the reason in German; throws
    // Exception only when the database cannot be read.
    static TLadeStatus LadeKonfig(TZEV_ACfgType_Erw typ, int rnr, std::unique_ptr<TZEV_ACfgData_Base>& konfig,
                                  QString& grund);

    // Stores the object for every listed computer (scope 1: once, the list may
    // be empty). Refuses, storing nothing, a computer without this
    // configuration and an object of another class than the type's.
    static bool SetKonfigForACfgType(const TZEV_ACfgData_Base& konfig, const QList<int>& rnrs);
    struct TSpeicherAuftrag {
        const TZEV_ACfgData_Base* Konfig = nullptr;
        QList<int> Rnrs;
    };
    // Several objects in one posting, with the rules above.
    static bool SetKonfigs(const QList<TSpeicherAuftrag>& auftraege);

    // For every type, the source computer's object is stored for every target
    // computer, in one posting. Left out (and listed in the report): types
    // without a data class or of scope 1, types the source computer has not,
    // targets whose computer type is not in the class's set, unknown targets
    // and the source itself. A broken source object or a failed write reports
    // the failure, copies nothing and returns false.
    static bool CopyKonfigForACfGTypes(const QList<TZEV_ACfgType_Erw>& typen, const QList<int>& ziele, int quelle,
                                       TZEV_ACfgKopieBericht* bericht = nullptr);

    // Whether the computer can hold the type's configuration (it has a data
    // class and, for scope 2, the computer is known with a type in the set).
    static bool KonfigVorhanden(TZEV_ACfgType_Erw typ, int rnr);
    // The computer type from the computer table; false for an unknown computer.
    static bool RechnerTyp(int rnr, TRTyp_Erw& rtyp);

private:
    static TLadeStatus Lade(Tacfgfile& f, TZEV_ACfgType_Erw typ, int rnr, std::unique_ptr<TZEV_ACfgData_Base>& konfig,
                            QString& grund);
    static void Schreibe(Tacfgfile& f, const TZEV_ACfgData_Base& konfig, int rnr);
    static void PruefeZiel(const TZEV_ACfgData_Base& konfig, int rnr);
};
