#pragma once
// The ACfg registry: what edits each configuration type. Unit initialisations
// register, before any window opens:
//   RegisterACfgClass            type -> edit frame of one configuration (kind 1)
//   RegisterACfgGroup_EditFrame  type -> frame that edits every configuration
//                                below the type in the type tree at once (kind 2)
//   RegisterXKConfigurator       type -> catalogue configurator that is started (kind 3)
//   RegisterACfgDataClass        type -> class of its data objects
// A type gets one of the three kinds; a kind-1 type needs a data class as well
// (given with RegisterACfgClass or separately) before GetRegData reports it.
// Types below a group type need only their data class: the group frame edits them.
//
// Registrations name types of the type catalogue. A faulty registration
// (unknown type, wrong frame kind, a type registered twice) is reported and
// ignored; the first registration stays.
//
// The registry lives in the host and knows catalogue configurators only by
// their class object; starting one goes through the installed
// TZEV_ACfg_XKDienst (the catalogue registry installs it at start-up).

#include "TZEV_ACfgData_Base.h"
#include "TZEV_ACfg_EditFrame.h"
#include "TZEV_ACfg_Tyco.h"

#include <QHash>
#include <QString>
#include <memory>

class TXKConfiguratorClass;

enum TZEV_ACfg_Art_Erw : quint8 {
    acfgArtKeine = 0,         // not registered; also the per-computer rows of the overview
    acfgArtKonfiguration = 1, // a configuration with a data class and an edit frame
    acfgArtGruppe = 2,        // a group edited in one frame
    acfgArtKonfigurator = 3,  // a catalogue configurator is started
};

// Caption ("Bezeichnung"), description ("Beschreibung"), keywords ("Schlagworte").
struct TZEV_ACfg_RegInfo {
    QString Caption;
    QString Beschreibung;
    QString Schlagworte;
};

struct TZEV_ACfGType_RegData {
    TZEV_ACfg_Art_Erw Art = acfgArtKeine;
    const TZEV_ACfgDataClass* DataClass = nullptr;    // kind 1
    const TZEV_ACfgFrameClass* FrameClass = nullptr;  // kinds 1 and 2
    const TXKConfiguratorClass* XKClass = nullptr;    // kind 3
    QString XKId;                                     // kind 3; may be empty
    TZEV_ACfg_RegInfo XKTexte;                        // kind 3: the texts given with it
};

// What a catalogue configurator class can do for the ACfg side.
class TZEV_ACfg_XKDienst {
public:
    virtual ~TZEV_ACfg_XKDienst() = default;
    virtual int ActiveOnTypes(const TXKConfiguratorClass& klasse) const = 0;
    // Runs the configurator as the centre does; true when it ran to its end.
    virtual bool Starte(const TXKConfiguratorClass& klasse, const QString& id) const = 0;
};

// Everything registered; copyable so that tests can put it back.
struct TZEV_ACfg_Registrierungen {
    QHash<TZEV_ACfgType_Erw, TZEV_ACfGType_RegData> Typen;  // kinds 1 to 3 (DataClass filled on reading)
    QHash<TZEV_ACfgType_Erw, const TZEV_ACfgDataClass*> DatenKlassen;
};

class TZEV_ACfg_Registry {
public:
    static void RegisterACfgClass(TZEV_ACfgType_Erw typ, const TZEV_ACfgFrameClass& frame);
    static void RegisterACfgClass(TZEV_ACfgType_Erw typ, const TZEV_ACfgFrameClass& frame,
                                  const TZEV_ACfgDataClass& daten);
    static void RegisterACfgGroup_EditFrame(TZEV_ACfgType_Erw typ, const TZEV_ACfgFrameClass& frame);
    static void RegisterXKConfigurator(const TXKConfiguratorClass& klasse, TZEV_ACfgType_Erw typ,
                                       const QString& schlagworte, const QString& beschreibung,
                                       const QString& caption, const QString& id);
    // Scope 1 or 2 only.
    static void RegisterACfgDataClass(TZEV_ACfgType_Erw typ, const TZEV_ACfgDataClass& daten);

    // False when the type is not registered (or is kind 1 without a data class).
    static bool GetRegData(TZEV_ACfgType_Erw typ, TZEV_ACfGType_RegData& data);
    // The data class of the type, or nullptr.
    static const TZEV_ACfgDataClass* GetDataClass(TZEV_ACfgType_Erw typ);

    // The types below a group type (any depth, type-tree order) that have a data class.
    static QList<TZEV_ACfgType_Erw> GruppenMitglieder(TZEV_ACfgType_Erw gruppe);
    // The nearest type above typ registered with a group frame; 0 when none.
    static TZEV_ACfgType_Erw GruppeVon(TZEV_ACfgType_Erw typ);

    static void InstallXKDienst(std::unique_ptr<TZEV_ACfg_XKDienst> dienst);
    static const TZEV_ACfg_XKDienst* XKDienst();  // nullptr when none is installed

    static TZEV_ACfg_Registrierungen& Registrierungen();
};
