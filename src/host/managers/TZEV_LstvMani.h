#pragma once
// Manager of the return positions (goods taken back with a return reason).

#include <QString>

class TZEV_LstvMani {
public:
    // True when at least one return position carries this return-reason number
    // (compared as stored, two characters). Opens its own file for the lookup.
    static bool Lade_RueckgabeGrundVorhanden(const QString& nummer);
};
