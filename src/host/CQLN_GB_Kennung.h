#pragma once
// Kinds of the group-formation file (Tgbfile): each kind ordinal has the
// character stored in the records and the text shown for it. Ordinals without
// a kind give a null character and an empty text.

#include <QChar>
#include <QList>
#include <QString>

constexpr int CQLN_GB_Kennung_Max = 31;

// Kinds used by the configurators; the numbers are the stored ordinals.
enum TQLN_GB_Kennung : int {
    gbkKundenmerkmal = 0,
    gbkBruttolohnart = 1,
    gbkKonfession = 2,
    gbkPersonengruppe = 3,
    gbkUmlageart = 5,
    gbkStellung = 6,
    gbkTaetigkeit = 7,
    gbkAusbildung = 8,
    gbkNettolohnart = 10,
    gbkKostenstelle = 14,
    gbkVertragsart = 18,
    gbkAbrechnungsgrund = 19,
    gbkOrganisationseinheit = 21,
    gbkArbeitnehmertyp = 22,
    gbkVwlVertragsart = 23,
    gbkRvBefreiung = 25,
    gbkKvBefreiung = 27,
    gbkPvBefreiung = 28,
    gbkAvBefreiung = 29,
    gbkBeitragsgruppe = 31,
};

QChar CQLN_GB_Kennung2Char(int kennung);
QString CQLN_GB_Kennung2Bez(int kennung);
// Back to the ordinal; -1 when no kind has the character or the text.
int Char2GBKennung(QChar c);
int Bez2GBKennung(const QString& bezeichnung);

// A set of kind ordinals 0 to 31 (bit n: ordinal n).
class TQLN_GB_Kennungen {
public:
    TQLN_GB_Kennungen() = default;
    TQLN_GB_Kennungen(std::initializer_list<int> kennungen) {
        for (int k : kennungen) Add(k);
    }
    void Add(int k) {
        if (k >= 0 && k <= CQLN_GB_Kennung_Max) FBits |= 1u << k;
    }
    bool Contains(int k) const { return k >= 0 && k <= CQLN_GB_Kennung_Max && (FBits & (1u << k)) != 0; }
    bool IsEmpty() const { return FBits == 0; }
    // The ordinals of the set in ascending order.
    QList<int> Liste() const {
        QList<int> l;
        for (int k = 0; k <= CQLN_GB_Kennung_Max; ++k)
            if (Contains(k)) l << k;
        return l;
    }

private:
    quint32 FBits = 0;
};
