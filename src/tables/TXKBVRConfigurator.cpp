#include "TXKBVRConfigurator.h"

#include "host/records/TABilFile.h"
#include "registry/Triveltaclass.h"

std::unique_ptr<Tvrfile> TXKBVRConfigurator::ErzeugeDatei() { return std::make_unique<Tbvrfile>(); }

bool TXKBVRConfigurator::VarianteBenutzt(const QString& variante) {
    TABilFile bil;
    bil.OpenNew(-1);
    const bool benutzt = ScanneVerwendung(bil, {&bil.Variante}, variante,
                                          QStringLiteral("Bilder nach Variante durchsuchen..."),
                                          QStringLiteral("gelesene Bilder"));
    bil.Close();
    return benutzt;
}

void InitUnit_XKBVR() {
    static int zaehler = 0;
    if (zaehler++ != 0) return;
    RegisterXKConfigurator(XKClass<TXKBVRConfigurator>(), QStringLiteral("BILDVAR"), QStringLiteral("Bild-Varianten"),
                           QStringLiteral("Zu einem Artikel können mehrere Bilder hinterlegt werden, etwa eine "
                                          "Vorderansicht, eine Seitenansicht oder ein Detailfoto. Definieren Sie hier "
                                          "die Bild-Varianten, nach denen Sie die Bilder eines Artikels unterscheiden."),
                           QStringLiteral("Bild, Foto, Variante, Artikelbild, Artikel, Artikelverwaltung"));
}
