#pragma once
// Right numbers of the user-rights system (TZEV_WPF_Recht) that this program asks for.

#include "TQLNProgramm.h"

namespace TZEV_WPF_Rechte {
// Inventory: open the devaluation marks.
constexpr TZEV_WPF_Recht CInventurAbwertungAnsehen = 112;
// Inventory: work with devaluations.
constexpr TZEV_WPF_Recht CInventurAbwertungBearbeiten = 113;
// Inventory: create, change and delete devaluation marks.
constexpr TZEV_WPF_Recht CInventurAbwertungskennzeichenPflegen = 114;

// German name of a right, for messages and lists; empty for rights not named here.
inline QString Bezeichnung(TZEV_WPF_Recht recht) {
    switch (recht) {
        case CInventurAbwertungAnsehen: return QStringLiteral("Inventur: Abwertungskennzeichen ansehen");
        case CInventurAbwertungBearbeiten: return QStringLiteral("Inventur: Abwertungen bearbeiten");
        case CInventurAbwertungskennzeichenPflegen: return QStringLiteral("Inventur: Abwertungskennzeichen pflegen");
        default: return {};
    }
}
}  // namespace TZEV_WPF_Rechte
