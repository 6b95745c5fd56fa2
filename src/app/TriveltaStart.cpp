#include "TriveltaStart.h"

#include "TXKConfListe.h"
#include "TXKDatenbankConfigConfigurator.h"
#include "TXKKommandozeile.h"
#include "TZEV_HiddenMainForm_Trivelta.h"
#include "acfg/TVerk15Configurator.h"
#include "host/Exception.h"
#include "host/TQLNDBSitzungsQuelle.h"
#include "host/TQLNInfo.h"
#include "host/TQLNProgramm.h"
#include "host/db/TQLNDatenbank.h"
#include "host/resources/TDemoDatenbank.h"
#include "params/TXKParmConfigurator.h"
#include "registry/TXKACfgDienst.h"
#include "tables/TXKABKZConfigurator.h"
#include "tables/TXKArtGruConfigurator.h"
#include "tables/TXKBVRConfigurator.h"
#include "tables/TXKDIKZConfigurator.h"
#include "tables/TXKDruckerTypenConfigurator.h"
#include "tables/TXKFEConfigurator.h"
#include "tables/TXKFarbConfigurator.h"
#include "tables/TXKGCPLConfigurator.h"
#include "tables/TXKGGTYConfigurator.h"
#include "tables/TXKGPNumConfigurator.h"
#include "tables/TXKGTINConfigurator.h"
#include "tables/TXKGrupBildConfigurator.h"
#include "tables/TXKHGConfigurator.h"
#include "tables/TXKINETConfigurator.h"
#include "tables/TXKKundMerConfigurator.h"
#include "tables/TXKKonzernConfigurator.h"
#include "tables/TXKKursConfigurator.h"
#include "tables/TXKLandConfigurator.h"
#include "tables/TXKMWSTConfigurator.h"
#include "tables/TXKMandLaenderZusatzConfigurator.h"
#include "tables/TXKMarkenConfigurator.h"
#include "tables/TXKMatConfigurator.h"
#include "tables/TXKPMConfigurator.h"
#include "tables/TXKRMLConfigurator.h"
#include "tables/TXKRabtypConfigurator.h"
#include "tables/TXKSaisConfigurator.h"
#include "tables/TXKSBConfigurator.h"
#include "tables/TXKSprachConfigurator.h"
#include "tables/TXKVERAGutsConfigurator.h"
#include "tables/TXKVKKZConfigurator.h"
#include "tables/TXKVRConfigurator.h"
#include "tables/TXKVerwandtConfigurator.h"
#include "tables/TXKWGSConfigurator.h"
#include "tables/TXKWEConfigurator.h"
#include "tables/TXKWaehrConfigurator.h"
#include "tables/TZEV_XKGrnd_Configurator.h"

#include <QApplication>

void InitialisiereUnits() {
    InitUnit_XKACfgDienst();  // ACfg types bound to configurators start them through it
    // Unit order: the catalogue's registration order.
    InitUnit_XKVR();
    InitUnit_XKFE();
    InitUnit_XKArtGru();
    InitUnit_XKINET();
    InitUnit_XKGTIN();
    InitUnit_XKVKKZ();
    InitUnit_XKDIKZ();
    InitUnit_XKGCPL();
    InitUnit_XKRML();
    InitUnit_XKGPNum();
    InitUnit_XKHG();
    InitUnit_XKSB();
    InitUnit_XKRabtyp();
    InitUnit_XKFarb();
    InitUnit_XKMat();
    InitUnit_XKBVR();
    InitUnit_XKKundMer();  // configuration type 160; "KUNDMER" comes with the configuration window
    InitUnit_Kundenmerkmale();
    InitUnit_XKWGS();
    InitUnit_XKABKZ();
    InitUnit_XKPM();
    InitUnit_XKSais();
    InitUnit_XKMarken();
    InitUnit_XKWE();
    InitUnit_XKMWST();
    InitUnit_XKSprach();
    InitUnit_XKLand();
    InitUnit_XKWaehr();
    InitUnit_XKGrupBild();
    InitUnit_XKMandLaenderZusatz();
    InitUnit_XKKurs();
    InitUnit_XKKonzern();
    InitUnit_XKGrnd();
    InitUnit_XKVERAGuts();
    InitUnit_XKVerwandt();
    InitUnit_XKGGTY();
    InitUnit_XKDruckerTypen();
    InitUnit_Verk15();
    InitUnit_XKDatenbankConfig();
    InitUnit_ACfgCrm();
    InitUnit_Vstat15();
    InitUnit_ACfgAutoFehler();
    InitUnit_ACfgFibu();
    InitUnit_Zeitwirtschaft();
    // The parameter catalogue's unit comes last: its entries follow every static one.
    InitUnit_XKParm();
    TXKConfListe::SetParmConfiguratorClass(&XKClass<TXKParmConfigurator>());
}

void OeffneProduktdatenbank() {
    TZEV_DB_Config config;
    const bool mitIni = config.Load(false, QString());
    try {
        if (mitIni) {
            TQLNDatenbank::Oeffne(config);
            // A new, empty installation (a fresh server database) may start from the demo data.
            if (TDemoDatenbank::Leer() &&
                TQLNInfo::QLNJaNeinBox(QStringLiteral("Die Datenbank (%1) enthält noch keine Rechner.\n\nSoll die "
                                                      "Demo-Installation darin angelegt werden?")
                                           .arg(config.Beschreibung())))
                TDemoDatenbank::Fuelle();
        } else {
            // No database ini: the embedded demo installation.
            TQLNDatenbank::Oeffne(TDemoDatenbank::Konfiguration());
            TDemoDatenbank::Fuelle();
        }
    } catch (const Exception& e) {
        throw Exception(e.Message() + QStringLiteral("\n\nStarten Sie das Programm mit dem Schalter -E, um die "
                                                     "Datenbank einzustellen."));
    }
    TQLNProgramm::InstallSitzungsQuelle(std::make_unique<TQLNDBSitzungsQuelle>());
}

int TriveltaMain(QApplication& app, const QStringList& args) {
    InitialisiereUnits();
    if (TXKKommandozeile::HatSchalter(args, QLatin1Char('E'))) {
        // Database-configuration mode: no session, no message loop.
        try {
            TXKDatenbankConfigConfigurator::ExecuteDo();
        } catch (const std::exception& e) {
            TQLNInfo::RegisterException(QStringLiteral("TriveltaMain.Datenbankkonfiguration"), e, true);
        }
        return 0;
    }
    std::unique_ptr<TZEV_HiddenMainForm_Trivelta> hauptform;
    try {
        OeffneProduktdatenbank();
        TQLNProgramm::Init(QStringLiteral("TRIVELTA"), TEnumProzessTypen::ptKonfiguration,
                           TPVR_InstanceCount::icBeliebig, 0, true);
        QApplication::setApplicationDisplayName(QString());
        QCoreApplication::setApplicationName(QStringLiteral("Konfigurations-Center"));
        hauptform = std::make_unique<TZEV_HiddenMainForm_Trivelta>(args);
        hauptform->Start();
    } catch (const std::exception& e) {
        TQLNProgramm::ShowException(e, false);
    }
    const int rc = hauptform ? app.exec() : 0;
    TQLNProgramm::Beenden();
    TQLNDatenbank::Schliesse();
    return rc;
}
