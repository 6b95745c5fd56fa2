#pragma once
// Printers of the goods-management system. The printer types "Bondrucker",
// "Etikettendrucker" and "Listendrucker" are given by the system: every
// installation has them, workstation settings rely on them, and they can
// neither be renamed nor deleted.

#include <QString>
#include <QStringList>

class TZEV_WWSDrucker {
public:
    static const QStringList& ReservierteDruckerTypen();
    // True for the designation of a reserved printer type (as stored, case counts).
    static bool DruckerTypReserviert(const QString& bezeichnung);
};
