#include "CQLN_GB_Kennung.h"

namespace {
struct Art {
    int Kennung;
    char Zeichen;
    const char* Text;
};
// Salary kinds use the characters by which the payroll master names its columns.
constexpr Art CArten[] = {
    {gbkKundenmerkmal, '#', "Kundenmerkmal"},
    {gbkBruttolohnart, 'B', "Brutto-Lohnart"},
    {gbkKonfession, 'K', "Konfession"},
    {gbkPersonengruppe, 'P', "Personengruppe"},
    {gbkUmlageart, 'Q', "Umlageart"},
    {gbkStellung, 'S', "Stellung im Beruf"},
    {gbkTaetigkeit, 'T', "Tätigkeit"},
    {gbkAusbildung, 'U', "Ausbildung"},
    {gbkNettolohnart, 'N', "Netto-Lohnart"},
    {gbkKostenstelle, 'C', "Kostenstelle"},
    {gbkVertragsart, 'V', "Vertragsart"},
    {gbkAbrechnungsgrund, 'Z', "Zusatzabrechnungsgrund"},
    {gbkOrganisationseinheit, 'O', "Organisationseinheit"},
    {gbkArbeitnehmertyp, 'b', "Arbeitnehmertyp"},
    {gbkVwlVertragsart, 'c', "VL-Vertragsart"},
    {gbkRvBefreiung, 'e', "Befreiung Rentenversicherung"},
    {gbkKvBefreiung, 'f', "Befreiung Krankenversicherung"},
    {gbkPvBefreiung, 'g', "Befreiung Pflegeversicherung"},
    {gbkAvBefreiung, 'h', "Befreiung Arbeitslosenvers."},
    {gbkBeitragsgruppe, 'j', "Beitragsgruppe"},
};
const Art* Suche(int kennung) {
    for (const Art& a : CArten)
        if (a.Kennung == kennung) return &a;
    return nullptr;
}
}  // namespace

QChar CQLN_GB_Kennung2Char(int kennung) {
    const Art* a = Suche(kennung);
    return a ? QChar::fromLatin1(a->Zeichen) : QChar();
}

QString CQLN_GB_Kennung2Bez(int kennung) {
    const Art* a = Suche(kennung);
    return a ? QString::fromUtf8(a->Text) : QString();
}

int Char2GBKennung(QChar c) {
    for (const Art& a : CArten)
        if (QChar::fromLatin1(a.Zeichen) == c) return a.Kennung;
    return -1;
}

int Bez2GBKennung(const QString& bezeichnung) {
    const QString t = bezeichnung.trimmed();
    for (const Art& a : CArten)
        if (QString::fromUtf8(a.Text) == t) return a.Kennung;
    return -1;
}
