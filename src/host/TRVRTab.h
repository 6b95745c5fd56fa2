#pragma once
// The computer register: the installation's computers with number, type and
// name, read from the computer table when the object is made. Also the names
// of the computer types and the check of installed program versions.

#include "TQLNProgramm.h"

#include <QDate>
#include <QList>
#include <QString>

struct TRVRInfoUmfang {
    int RNr = 0;
    TRTyp_Erw RTyp = 0;
    QString Name;
    int Filiale = 0;
    int Mandant = 0;
};

class TRVRTab {
public:
    TRVRTab();  // reads the register; throws Exception when the database cannot be read
    void Laden();

    int GetUmfangCount() const { return int(FUmfang.size()); }
    const TRVRInfoUmfang& GetUmfang(int i) const { return FUmfang.at(i); }
    // The entry of the computer, or nullptr when it is not registered.
    const TRVRInfoUmfang* GetRNrUmfang(int rnr) const;

    // The host's name of a computer type (0 to 7).
    static QString RTypBezeichnung(TRTyp_Erw typ);

private:
    QList<TRVRInfoUmfang> FUmfang;  // by computer number
};

class TUpdVersionen {
public:
    // True when every registered computer whose type is in the set has the
    // program installed in a version newer than the date. A computer of such a
    // type without the program fails the test.
    static bool TestVersionInstalliert(const QString& programm, const QDate& datum, int rtypen);
};
