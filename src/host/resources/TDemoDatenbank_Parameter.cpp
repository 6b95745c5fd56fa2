// Demo installation: program parameters of the head office, the branch servers,
// the tills (three German ones with TSE, one Swiss one without) and the
// workstations, and the program versions installed on the tills.

#include "TDemoDatenbank.h"

#include "host/TParameter.h"
#include "host/records/Tupdvfile.h"

namespace TDemoDatenbank {
namespace {
struct Wert {
    const char* Kennung;
    int Rnr;  // 0: a system-wide parameter
    const char* Inhalt;
};

// Values of computer 1 hold for every computer without a value of its own.
constexpr Wert CWerte[] = {
    // the installation
    {"STARTMON", 0, "1"},       {"ITPRODZU", 0, "J"},     {"LIZKASSE", 0, "12"},    {"LIZFILIA", 0, "6"},
    {"SORTBREI", 0, "36"},      {"PS5STELL", 0, "4"},     {"SAISKURZ", 0, "2"},     {"BCUNIQUE", 0, "J"},
    {"KALKFAKT", 0, "2,35"},    {"PREISRND", 0, "9"},     {"VERAGUTS", 0, "J"},     {"QUERFAMA", 0, "2"},
    {"FIBUKASB", 0, "J"},       {"FIBUKTLG", 0, "4"},     {"REKODWAR", 0, "45"},    {"GUKOKTRL", 0, "J"},
    {"ZENTRREG", 0, "K"},       {"REKOLIAB", 0, "J"},     {"GEABEVAL", 0, "N"},     {"OSAKTIV", 0, "J"},
    {"OSSERVER", 0, "https://shop.brenner-mode.de/api"}, {"ZEWIRUND", 0, "5"},   {"CRMAKTIV", 0, "J"},
    {"SYSKENN", 0, "BRENNER-GRUPPE"}, {"KDKREDIT", 0, "500,00"},
    // head office: the defaults of the other computers
    {"VERKEXE", 1, "verk15"},   {"KBVORERL", 1, "N"},     {"ETIDRUCK", 1, "J"},     {"ETIANZ", 1, "1"},
    {"ZWEIWAEH", 1, "N"},       {"TSEQRCOD", 1, "J"},     {"PROTSTUF", 1, "1"},
    // branch servers
    {"KBVORERL", 2, "J"},       {"ETIANZ", 3, "2"},
    // tills in Karlsruhe and Offenburg
    {"TSEAKTIV", 11, "J"},      {"TSEAKTIV", 12, "J"},    {"TSEAKTIV", 13, "J"},
    {"KUNDKENN", 11, "BRM4K001"}, {"KUNDKENN", 12, "BRM4K002"}, {"KUNDKENN", 13, "BRM4K003"},
    {"USEZVT", 11, "J"},        {"USEZVT", 12, "J"},      {"USEZVT", 13, "J"},
    {"KUNDDISP", 11, "J"},      {"VERKNACH", 11, "J"},    {"VERKNACH", 12, "J"},    {"BONKOPIE", 13, "1"},
    {"ZEWIAKTV", 11, "J"},      {"ZEWIAKTV", 13, "J"},
    // the till in Basel: older sales program, no TSE, Swiss rounding, second currency
    {"VERKEXE", 31, "verk"},    {"TSEAKTIV", 31, "N"},    {"TSEQRCOD", 31, "N"},    {"KBRUND", 31, "5"},
    {"ZWEIWAEH", 31, "J"},      {"SPRACHE", 31, "FRA"},
    // workstations
    {"ZWEIWAEH", 21, "J"},      {"ZEWIAKTV", 21, "J"},    {"PROTSTUF", 99, "3"},
};

struct Version {
    int Rnr;
    const char* Programm;
    QDate Datum;
    const char* Text;
};
}  // namespace

void FuelleParameter() {
    for (const Wert& w : CWerte)
        TParameter::StringParamWrite(QString::fromLatin1(w.Kennung), QString::fromUtf8(w.Inhalt), w.Rnr);

    const Version versionen[] = {
        {11, "VERK15", QDate(2024, 5, 13), "15.8.2"}, {12, "VERK15", QDate(2024, 5, 13), "15.8.2"},
        {13, "VERK15", QDate(2024, 2, 2), "15.7.5"},  {31, "VERK15", QDate(2022, 11, 21), "15.4.1"},
        {11, "ZAFRIM", QDate(2023, 4, 18), "3.2.0"},  {12, "ZAFRIM", QDate(2023, 4, 18), "3.2.0"},
        {13, "ZAFRIM", QDate(2023, 4, 18), "3.2.0"},  {31, "ZAFRIM", QDate(2022, 10, 4), "3.1.2"},
    };
    Tupdvfile upd;
    upd.OpenNew(-1);
    for (const Version& v : versionen) {
        upd.ClearBuffer();
        upd.Rnr.SetWert(v.Rnr);
        upd.Programm.SetWert(QString::fromLatin1(v.Programm));
        upd.Datum.SetDatum(v.Datum);
        upd.Version.SetWert(QString::fromLatin1(v.Text));
        upd.Write(wrdonInsert);
    }
    upd.Close();
}
}  // namespace TDemoDatenbank
