#include "TXKArtGruConfigurator.h"

#include "host/CZEV_AktioUGrupTyp.h"
#include "host/TQLNInfo.h"
#include "host/ui/TArtGruVerwDlg.h"
#include "registry/Triveltaclass.h"

namespace {
const char* const CIds[] = {"ARTGRU", "PREAKT", "UMLAKT", "WERAKT"};
}

int TXKArtGruConfigurator::GruppenTypVonId(const QString& id) {
    for (int i = 0; i < int(std::size(CIds)); ++i)
        if (id.compare(QLatin1String(CIds[i]), Qt::CaseInsensitive) == 0) return i + 1;
    return agtNone;
}

bool TXKArtGruConfigurator::Execute(const QString& id) {
    try {
        const int typ = GruppenTypVonId(id);
        if (typ == agtNone) return false;
        TArtGruVerwDlg dlg(nullptr);
        dlg.SetAuswahlButtonShow(false);
        return dlg.Execute(typ, QString(), nullptr);
    } catch (const std::exception& e) {
        TQLNInfo::RegisterException(QStringLiteral("TXKArtGruConfigurator.Execute"), e, true);
        return false;
    }
}

void InitUnit_XKArtGru() {
    static int zaehler = 0;
    if (zaehler++ != 0) return;
    RegisterXKConfigurator(XKClass<TXKArtGruConfigurator>(), QStringLiteral("ARTGRU"),
                           CZEV_AktioUGrupTyp_2_Bezeichnung(agtArtikelgruppe),
                           QStringLiteral("Artikelgruppen fassen Artikel über Warengruppen hinweg zusammen, zum Beispiel "
                                          "für Auswertungen oder Sortimentslisten. Legen Sie hier Ihre Artikelgruppen "
                                          "an."),
                           QStringLiteral("Artikelgruppe, Gruppe, Artikel, Sortiment, Auswertung, Artikelverwaltung"));
    RegisterXKConfigurator(XKClass<TXKArtGruConfigurator>(), QStringLiteral("PREAKT"),
                           CZEV_AktioUGrupTyp_2_Bezeichnung(agtPreisaktion),
                           QStringLiteral("Mit Preisaktionen senken Sie die Preise ausgewählter Artikel für einen "
                                          "bestimmten Zeitraum. Legen Sie hier die Preisaktionen mit ihrem "
                                          "Gültigkeitszeitraum an."),
                           QStringLiteral("Preisaktion, Aktion, Preis, Sonderpreis, Reduzierung, Zeitraum"));
    RegisterXKConfigurator(XKClass<TXKArtGruConfigurator>(), QStringLiteral("UMLAKT"),
                           CZEV_AktioUGrupTyp_2_Bezeichnung(agtUmlagerungsaktion),
                           QStringLiteral("Mit Umlagerungsaktionen verteilen Sie Ware zwischen Ihren Filialen neu. Legen "
                                          "Sie hier die Umlagerungsaktionen mit ihrem Zeitraum an."),
                           QStringLiteral("Umlagerung, Umlagerungsaktion, Aktion, Filiale, Lager, Warenverteilung"));
    RegisterXKConfigurator(XKClass<TXKArtGruConfigurator>(), QStringLiteral("WERAKT"),
                           CZEV_AktioUGrupTyp_2_Bezeichnung(agtWerbeaktion),
                           QStringLiteral("Werbeaktionen bündeln Artikel, die gemeinsam beworben werden, etwa in einem "
                                          "Prospekt oder einem Newsletter. Legen Sie hier die Werbeaktionen mit ihrem "
                                          "Zeitraum an."),
                           QStringLiteral("Werbung, Werbeaktion, Aktion, Prospekt, Marketing, Zeitraum"));
}
