#pragma once
// Registration texts of the configuration types and the rules on which
// computers a type is shown, edited and copied from.
//
// Texts: caption, description and keywords of the type catalogue; a text
// given with RegisterXKConfigurator replaces the catalogue's where it is not
// empty. A type the catalogue does not know gets its number as caption.
//
// Rules (computer types outside 0 to 7 never qualify):
//  - SichtbarAufRTyp(type, computer type): the type has a data class and the
//    computer type is in the class's computer-type set. Only such types have a
//    value; groups, configurator types and headings show none.
//  - EditierbarAufRTyp(type, computer type):
//      kind 1: the computer type is in the data class's set;
//      kind 2: it is in the set of at least one data class below the group;
//      kind 3: it is in the configurator's ActiveOnTypes (true while no
//              configurator service is installed: starting then reports why not);
//      a type with a data class but no frame of its own below a group type:
//              the computer type is in its data class's set (the group's
//              frame edits it);
//      anything else: false.
//  - UebertragbarAufExistingRTyp(type, source computer): the type has a data
//    class with scope 2 (one object per computer; a scope-1 object is the same
//    for all computers, there is nothing to copy) and the source computer is in
//    the computer register with a computer type in the class's set.

#include "TZEV_ACfg_Registry.h"
#include "host/TQLNProgramm.h"

class TRVRTab;

class TZEV_ACfg_RegInfoProvider {
public:
    static TZEV_ACfg_RegInfo GetRegInfo_4_ACfgTYpe(TZEV_ACfgType_Erw typ);
    // The enumeration name, as messages quote the type.
    static QString TypName(TZEV_ACfgType_Erw typ);

    static bool SichtbarAufRTyp(TZEV_ACfgType_Erw typ, TRTyp_Erw rtyp);
    static bool EditierbarAufRTyp(TZEV_ACfgType_Erw typ, TRTyp_Erw rtyp);
    // Reads the computer register; the second form uses one the caller holds.
    static bool UebertragbarAufExistingRTyp(TZEV_ACfgType_Erw typ, int quellRnr);
    static bool UebertragbarAufExistingRTyp(TZEV_ACfgType_Erw typ, int quellRnr, const TRVRTab& register_);
};
