#include "TZEV_WWSDrucker.h"

const QStringList& TZEV_WWSDrucker::ReservierteDruckerTypen() {
    static const QStringList typen{QStringLiteral("Bondrucker"), QStringLiteral("Etikettendrucker"),
                                   QStringLiteral("Listendrucker")};
    return typen;
}

bool TZEV_WWSDrucker::DruckerTypReserviert(const QString& bezeichnung) {
    return ReservierteDruckerTypen().contains(bezeichnung.trimmed());
}
