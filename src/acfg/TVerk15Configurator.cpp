#include "TVerk15Configurator.h"

#include "TfrmACfgMain.h"
#include "host/TQLNProgramm.h"
#include "host/acfg/TZEV_ACfg_EditierungsProvider.h"
#include "host/acfg/TZEV_ACfg_RegInfoProvider.h"
#include "registry/Triveltaclass.h"

bool ZeigeACfgMain(TZEV_ACfgType_Erw root, bool showRootNode) {
    auto frm = std::make_unique<TfrmACfgMain>();
    frm->SetShowRootNode(showRootNode);
    frm->ACfgTyp_Set(root);
    frm->FormShow();
    frm->ShowModal();
    return true;
}

bool TACfg_AutoFehlerbuchungConfigurator::Execute(const QString&) {
    if (TQLNProgramm::RTypInSet(TQLNProgramm::GetRTyp(), C_RTypen_NonHPcZEVPc)) {
        TZEV_ACfg_EditierungsProvider::Execute_KonfigEditierung(CWurzel, TQLNProgramm::GetRId());
        return true;
    }
    return ZeigeACfgMain(CWurzel, true);
}

void InitUnit_Verk15() {
    static int zaehler = 0;
    if (zaehler++ != 0) return;
    RegisterXKConfigurator(XKClass<TVerk15Configurator>(), QStringLiteral("VERK15"),
                           QStringLiteral("Verkaufserfassung 1.5"),
                           QStringLiteral("Stellen Sie hier das Verhalten der Kassen ein: Zahlungsverkehr, "
                                          "Funktionsseiten, Tabellen, Preisreduzierungen und Abläufe. Die Einstellungen "
                                          "gelten je Rechner und lassen sich auf andere Rechner übertragen."),
                           QStringLiteral("Kasse, Verkauf, Verkaufserfassung, Bon, Funktionstasten"));
}

void InitUnit_Kundenmerkmale() {
    static int zaehler = 0;
    if (zaehler++ != 0) return;
    RegisterXKConfigurator(XKClass<TKundenmerkmaleConfigurator>(), QStringLiteral("KUNDMER"),
                           QStringLiteral("Kundenmerkmale"),
                           QStringLiteral("Legen Sie die benutzerdefinierten Kundenmerkmale an und bestimmen Sie, "
                                          "welche davon an der Kasse und in der Kundenbearbeitung angezeigt werden."),
                           QStringLiteral("Kunde, Merkmal, Kundenstamm"));
}

void InitUnit_ACfgCrm() {
    static int zaehler = 0;
    if (zaehler++ != 0) return;
    RegisterXKConfigurator(XKClass<TACfg_CrmConfigurator>(), QStringLiteral("CRM"),
                           QStringLiteral("Customer Relationship Management"),
                           QStringLiteral("Stellen Sie hier die Anbindung an das Kundenbindungssystem ein."),
                           QStringLiteral("CRM, Kunde, Kundenbindung, Webservice"));
}

void InitUnit_Vstat15() {
    static int zaehler = 0;
    if (zaehler++ != 0) return;
    RegisterXKConfigurator(XKClass<TVstat15Configurator>(), QStringLiteral("VSTAT15"),
                           QStringLiteral("Verkaufsstatistik 1.5"),
                           QStringLiteral("Legen Sie fest, welche Spalten und Auswertungen die Verkaufsstatistik zeigt."),
                           QStringLiteral("Statistik, Verkauf, Auswertung, Spalten"));
}

void InitUnit_ACfgAutoFehler() {
    static int zaehler = 0;
    if (zaehler++ != 0) return;
    // The entry carries the host's texts of its configuration type.
    const TZEV_ACfg_RegInfo info =
        TZEV_ACfg_RegInfoProvider::GetRegInfo_4_ACfgTYpe(TACfg_AutoFehlerbuchungConfigurator::CWurzel);
    RegisterXKConfigurator(XKClass<TACfg_AutoFehlerbuchungConfigurator>(), QStringLiteral("AutoFehler"), info.Caption,
                           info.Beschreibung, info.Schlagworte);
}

void InitUnit_ACfgFibu() {
    static int zaehler = 0;
    if (zaehler++ != 0) return;
    RegisterXKConfigurator(XKClass<TACfg_FibuConfigurator>(), QStringLiteral("FIBUACFG"),
                           QStringLiteral("Fibu-Verwaltung"),
                           QStringLiteral("Stellen Sie hier die Einstellungen der Finanzbuchhaltung ein."),
                           QStringLiteral("Fibu, Buchhaltung, Konten, Export"));
}

void InitUnit_Zeitwirtschaft() {
    static int zaehler = 0;
    if (zaehler++ != 0) return;
    RegisterXKConfigurator(XKClass<TZEV_ZeitwirtschaftConfigurator>(), QStringLiteral("ZEWI"),
                           QStringLiteral("Zeitwirtschaft"),
                           QStringLiteral("Stellen Sie hier die Zeitwirtschaft und die Anzeige des "
                                          "Personaleinsatzplaners ein."),
                           QStringLiteral("Zeitwirtschaft, Personal, Planer, Feiertage"));
}
