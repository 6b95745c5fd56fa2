#include "TXKMarkenConfigurator.h"

#include "host/TQLNInfo.h"
#include "host/ui/TfrmMarken.h"
#include "registry/Triveltaclass.h"

bool TXKMarkenConfigurator::Execute(const QString&) {
    try {
        TfrmMarken frm(nullptr);
        frm.ShowModal();
        return true;
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKMarkenConfigurator.Execute"), e, true);
        return false;
    }
}

void InitUnit_XKMarken() {
    static int zaehler = 0;
    if (zaehler++ != 0) return;
    RegisterXKConfigurator(XKClass<TXKMarkenConfigurator>(), QStringLiteral("MARKEN"), QStringLiteral("Marken"),
                           QStringLiteral("Legen Sie hier die Marken an, unter denen Ihre Artikel verkauft werden, und "
                                          "ordnen Sie jeder Marke ihren Hersteller zu. Eine Marke, der noch Artikel "
                                          "zugeordnet sind, kann nicht gelöscht werden."),
                           QStringLiteral("Marke, Label, Hersteller, Artikel, Artikelverwaltung, Produkte"));
}
