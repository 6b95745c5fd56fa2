#pragma once
// Editing and showing configurations in their registered frames.
//
// Editing (modal, in a TZEV_ACfgEditFrm): the object is loaded for the first
// listed computer, the registered frame is created and filled
// (Konfig_2_Frame). "Speichern" hands a fresh copy of the loaded object to
// Frame_2_Konfig; only when that accepts is the copy stored, for every listed
// computer in one posting, and the window closes. A refusal stores nothing and
// leaves the window open; "Abbrechen" stores nothing.
//  - kind 1: the type's own frame and data object;
//  - kind 2: the group frame with the objects of every type below the group
//    that the first computer has; each is stored for the listed computers that
//    have it;
//  - a type below a group with only a data class is edited in its group's frame;
//  - kind 3: the registered catalogue configurator is started through the
//    configurator service (TZEV_ACfg_Registry::InstallXKDienst).
// A stored object that cannot be read is reported; the user may then edit the
// defaults instead, which replace it when saved.
//
// Every operation returns true only when something was stored (kind 3: when
// the configurator ran to its end) and reports its own failures.

#include "TZEV_ACfgEditFrm.h"
#include "TZEV_ACfg_Tyco.h"

#include <QList>

class TZEV_ACfg_EditierungsProvider {
public:
    static bool Execute_KonfigEditierung(TZEV_ACfgType_Erw typ, int rnr);
    static bool Execute_KonfigEditierung_OneConfig_Rechnerliste(TZEV_ACfgType_Erw typ, const QList<int>& rnrs);
    // The computers of all lists get one object, starting from the first computer's.
    static bool Execute_KonfigEditierung_OneConfig_MultipleRechnerlisten(TZEV_ACfgType_Erw typ,
                                                                         const QList<QList<int>>& listen);
    // Shows the object read-only: in frm when given (it is filled again and
    // shown without waiting), otherwise in a modal window of its own.
    static bool Execute_KonfigAnzeige(TZEV_ACfgType_Erw typ, int rnr, TZEV_ACfgEditFrm* frm);
};
