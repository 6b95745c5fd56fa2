#include "TQLN_LaenderCodes.h"

const QList<TQLNLaenderCode>& QLN_LaenderCodes() {
    // Numbers of the foreign-trade country index; euro zone as of 2026.
    static const QList<TQLNLaenderCode> codes{
        {"B", "BE", "Belgien", 17, "BEL", true, true},
        {"BG", "BG", "Bulgarien", 68, "BGR", true, true},
        {"DK", "DK", "Dänemark", 8, "DNK", true, false},
        {"D", "DE", "Deutschland", 4, "DEU", true, true},
        {"EST", "EE", "Estland", 53, "EST", true, true},
        {"FIN", "FI", "Finnland", 32, "FIN", true, true},
        {"F", "FR", "Frankreich", 1, "FRA", true, true},
        {"GR", "GR", "Griechenland", 9, "GRC", true, true},
        {"IRL", "IE", "Irland", 7, "IRL", true, true},
        {"I", "IT", "Italien", 5, "ITA", true, true},
        {"HR", "HR", "Kroatien", 92, "HRV", true, true},
        {"LV", "LV", "Lettland", 54, "LVA", true, true},
        {"LT", "LT", "Litauen", 55, "LTU", true, true},
        {"L", "LU", "Luxemburg", 18, "LUX", true, true},
        {"M", "MT", "Malta", 46, "MLT", true, true},
        {"NL", "NL", "Niederlande", 3, "NLD", true, true},
        {"A", "AT", "Österreich", 38, "AUT", true, true},
        {"PL", "PL", "Polen", 60, "POL", true, false},
        {"P", "PT", "Portugal", 10, "PRT", true, true},
        {"RO", "RO", "Rumänien", 66, "ROU", true, false},
        {"S", "SE", "Schweden", 30, "SWE", true, false},
        {"SK", "SK", "Slowakei", 63, "SVK", true, true},
        {"SLO", "SI", "Slowenien", 91, "SVN", true, true},
        {"E", "ES", "Spanien", 11, "ESP", true, true},
        {"CZ", "CZ", "Tschechien", 61, "CZE", true, false},
        {"H", "HU", "Ungarn", 64, "HUN", true, false},
        {"CY", "CY", "Zypern", 600, "CYP", true, true},
        {"CH", "CH", "Schweiz", 39, "CHE", false, false},
        {"FL", "LI", "Liechtenstein", 37, "LIE", false, false},
        {"N", "NO", "Norwegen", 28, "NOR", false, false},
        {"IS", "IS", "Island", 24, "ISL", false, false},
        {"GB", "GB", "Großbritannien", 6, "GBR", false, false},
        {"TR", "TR", "Türkei", 52, "TUR", false, false},
        {"USA", "US", "Vereinigte Staaten", 400, "USA", false, false},
        {"CDN", "CA", "Kanada", 404, "CAN", false, false},
        {"CN", "CN", "China", 720, "CHN", false, false},
    };
    return codes;
}

const TQLNLaenderCode* QLN_LaenderCode_By_Kuerzel(const QString& kuerzel) {
    const QString k = kuerzel.trimmed();
    for (const TQLNLaenderCode& c : QLN_LaenderCodes())
        if (c.Kuerzel.compare(k, Qt::CaseInsensitive) == 0) return &c;
    return nullptr;
}

bool QLN_LaenderCode_Kuerzel_2_EU_Mitglied(const QString& kuerzel) {
    const TQLNLaenderCode* c = QLN_LaenderCode_By_Kuerzel(kuerzel);
    return c && c->EUMitglied;
}
