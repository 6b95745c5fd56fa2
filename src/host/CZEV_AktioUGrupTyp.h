#pragma once
// Group types of article groups and actions, and the host's table of their names.

#include <QString>

enum TZEV_AktioUGrupTyp : int {
    agtNone = 0,
    agtArtikelgruppe = 1,
    agtPreisaktion = 2,
    agtUmlagerungsaktion = 3,
    agtWerbeaktion = 4,
};
constexpr int CZEV_AktioUGrupTyp_Max = 4;

// Name of group type 1 to 4; empty for any other value.
inline QString CZEV_AktioUGrupTyp_2_Bezeichnung(int typ) {
    switch (typ) {
        case agtArtikelgruppe: return QStringLiteral("Artikelgruppen");
        case agtPreisaktion: return QStringLiteral("Preisaktionen");
        case agtUmlagerungsaktion: return QStringLiteral("Umlagerungsaktionen");
        case agtWerbeaktion: return QStringLiteral("Werbeaktionen");
        default: return {};
    }
}
