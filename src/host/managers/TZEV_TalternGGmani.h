#pragma once
// Manager of the alternative size runs. Here: the purposes (size-run types)
// that rules for alternative size runs are made for.

#include <QList>
#include <QString>

struct TZEV_GGTYDaten {
    QString Typ;   // code, four characters
    QString Text;  // designation
    bool operator==(const TZEV_GGTYDaten&) const = default;
};

class TZEV_TalternGGmani {
public:
    // Every size-run type, in the order of their codes.
    QList<TZEV_GGTYDaten> GGTYList_Get() const;
    // Whether a type with this code exists (case counts).
    bool GGTYVorhanden(const QString& typ) const;
};
