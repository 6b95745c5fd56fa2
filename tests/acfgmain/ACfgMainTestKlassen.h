#pragma once
// The fixture of the configuration-window tests: a test catalogue of ten
// types below root 1, five computers, registered test classes.
//
//   1 Verkaufserfassung
//     2 Zahlungsverkehr
//       66 Kassenlade            per computer (types 1-3)
//       38 Kartenterminal        per computer (types 1-3), names its computer
//       71 Offene Posten         not registered
//     58 Ablaufsteuerung         group; 59, 60 switches per computer
//     174 Feiertage              one object, head office only
//     10 beanstandete Teile      catalogue configurator
//
// Computers: 1 head office (1), 2 and 3 tills (3), 4 workstation (4, in no
// test set), 5 branch server (2).

#include "acfg/ACfgTestKlassen.h"
#include "acfg/TZEV_ACfg_TreeView.h"
#include "registry/TXKConfigurator.h"
#include "testkit/TestMeldungen.h"
#include "testkit/TestModal.h"
#include "testkit/TestUmgebung.h"

constexpr TZEV_ACfgType_Erw CTypZahlung = 2;
constexpr TZEV_ACfgType_Erw CTypOffen = 71;
constexpr TZEV_ACfgType_Erw CTypKonfigurator = 10;

inline const TZEV_ACfg_TypKatalog& TestKatalog() {
    static const TZEV_ACfg_TypKatalog k(QStringLiteral(
        "1|0|acfgVerk|Verkaufserfassung|Einstellungen der Kassen|Verkauf, Kasse\n"
        "2|1|acfgVerkZahlungsverkehr|Zahlungsverkehr|Kassenlade und Terminal|Zahlung\n"
        "66|2|acfgVerkKassenlade|Kassenlade|Wann die Lade aufgeht|Kassenlade, Schublade\n"
        "38|2|acfgVerkZVTConfig|Kartenterminal (ZVT)|Verbindung zum Terminal|ZVT, Terminal\n"
        "71|2|acfgVerkOffenePostenZeigen|Offene Posten beim Bezahlen|Offene Posten|Gutschein\n"
        "58|1|acfgVerkAblaufsteuerung|Ablaufsteuerung|Schalter des Ablaufs|Ablauf\n"
        "59|58|acfgVerkVerkaeuferJeBon|Verkäufer bei jedem Bon abfragen|Verkäufer|Verkäufer\n"
        "60|58|acfgVerkKundeVorAbschluss|Kunde vor dem Bonabschluss abfragen|Kunde|Kunde\n"
        "174|1|acfgZewiFeiertage|Anzeige der Feiertage|Feiertage im Planer|Feiertag\n"
        "10|1|acfgReklaBeanstandeteTeile|Reklamationen: beanstandete Teile|Teile|Reklamation\n"),
                                        QStringLiteral("Testkatalog"));
    return k;
}

// A per-computer class whose computer-type set holds no computer of the register.
class TTestNiemandKonfig : public TZEV_ACfgData_Base {
public:
    static constexpr const char* KlassenName = "TTestNiemandKonfig";
    static constexpr int Version = 1;
    static TZEV_ACfg_Gueltigkeitsbereich_Erw Gueltigkeitsbereich() { return CACfg_Gueltig_JeRechner; }
    static int RTypen() { return 1 << 6; }
    explicit TTestNiemandKonfig(TZEV_ACfgType_Erw typ) : TZEV_ACfgData_Base(ACfgDataClass<TTestNiemandKonfig>(), typ) {}
    QString WertText() const override { return QStringLiteral("niemand"); }

protected:
    void WerteSchreiben(TZEV_ACfgWerte&) const override {}
    void WerteLesen(const TZEV_ACfgWerte&, int) override {}
};

class TTestXKConfigurator : public TXKConfigurator {
public:
    static constexpr const char* KlassenName = "TTestXKConfigurator";
    inline static int Gestartet = 0;
    bool Execute(const QString&) override {
        ++Gestartet;
        return true;
    }
};

class ACfgMainTest : public ACfgTest {
protected:
    void SetUp() override {
        ACfgTest::SetUp();
        TZEV_ACfg_TreeView::SetTypKatalog(&TestKatalog());
        Rechner(1, 1);
        Rechner(2, 3);
        Rechner(3, 3);
        Rechner(4, 4);
        Rechner(5, 2);
        RegistriereKasse();
        TZEV_ACfg_Registry::RegisterACfgClass(CTypTerminal, ACfgFrameClass<TTestFrame>(),
                                              ACfgDataClass<TTestTerminalKonfig>());
        TZEV_ACfg_Registry::RegisterACfgClass(CTypSystem, ACfgFrameClass<TTestFrame>(),
                                              ACfgDataClass<TTestSystemKonfig>());
        TZEV_ACfg_Registry::RegisterACfgGroup_EditFrame(CTypGruppe, ACfgFrameClass<TTestGruppenFrame>());
        TZEV_ACfg_Registry::RegisterACfgDataClass(59, ACfgDataClass<TTestSchalter>());
        TZEV_ACfg_Registry::RegisterACfgDataClass(60, ACfgDataClass<TTestSchalter>());
        TZEV_ACfg_Registry::RegisterXKConfigurator(XKClass<TTestXKConfigurator>(), CTypKonfigurator, {}, {}, {},
                                                   QStringLiteral("TESTXK"));
        TTestXKConfigurator::Gestartet = 0;
    }
    void TearDown() override {
        TZEV_ACfg_TreeView::SetTypKatalog(nullptr);
        ACfgTest::TearDown();
    }

    static void Speichere(const TZEV_ACfgData_Base& k, const QList<int>& rnrs) {
        ASSERT_TRUE(TZEV_Glob_ACfg_Controller::SetKonfigForACfgType(k, rnrs));
    }
    static void AufRechner(int rnr, int rtyp) {
        TQLNSitzungsDaten d = TestUmgebung::StandardSitzung();
        d.RId = rnr;
        d.RTyp = rtyp;
        TestUmgebung::SetzeSitzung(d);
    }
    static QStringList Kinder(const TVRRow* r, int spalte) {
        QStringList out;
        if (r && r->HasChildren())
            for (int i = 0; i < r->Children->Count(); ++i) out << r->Children->Row(i).Text(spalte);
        return out;
    }
};
