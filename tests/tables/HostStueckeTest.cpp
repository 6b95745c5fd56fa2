// The host pieces the code tables call, their catalogue messages and the
// registration of the code tables.

#include "app/TriveltaStart.h"
#include "host/CZEV_AktioUGrupTyp.h"
#include "host/TQLNMeldungsKatalog.h"
#include "host/TestEAN.h"
#include "host/acfg/TZEV_ACfg_Registry.h"
#include "host/managers/TZEV_LstvMani.h"
#include "host/managers/TZEV_WWSDrucker.h"
#include "host/records/Tlstvfile.h"
#include "registry/Triveltaclass.h"
#include "tables/TXKArtGruConfigurator.h"
#include "testkit/TestDatenbank.h"
#include "testkit/TestUmgebung.h"

#include <gtest/gtest.h>

TEST(TestEAN, CheckDigitOfEveryGtinLength) {
    EXPECT_TRUE(TestEAN("4006381333931"));   // GTIN-13
    EXPECT_TRUE(TestEAN("96385074"));        // GTIN-8
    EXPECT_TRUE(TestEAN("036000291452"));    // GTIN-12
    EXPECT_TRUE(TestEAN("10012345678902"));  // GTIN-14
    EXPECT_FALSE(TestEAN("4006381333932"));
    EXPECT_FALSE(TestEAN("96385075"));
    EXPECT_FALSE(TestEAN("036000291453"));
    EXPECT_FALSE(TestEAN("10012345678901"));
    for (const char* falsch : {"", "4006381", "400638133393", "40063813339310", "400638133393100", "40063813339a1",
                               " 4006381333931", "4006381333931 ", "4006-81333931"})
        EXPECT_FALSE(TestEAN(QString::fromLatin1(falsch))) << falsch;
    EXPECT_EQ(EANPruefziffer("400638133393"), QChar('1'));
    EXPECT_EQ(EANPruefziffer("000000000000"), QChar('0'));
    EXPECT_TRUE(EANPruefziffer("12a").isNull());
    // a digit outside ASCII is no digit here
    EXPECT_FALSE(TestEAN(QString::fromUtf8("400638133393١")));
}

TEST(HostStuecke, ReservedPrinterTypesAndGroupTypeNames) {
    EXPECT_EQ(TZEV_WWSDrucker::ReservierteDruckerTypen(),
              (QStringList{"Bondrucker", "Etikettendrucker", "Listendrucker"}));
    EXPECT_TRUE(TZEV_WWSDrucker::DruckerTypReserviert("Etikettendrucker"));
    EXPECT_FALSE(TZEV_WWSDrucker::DruckerTypReserviert("etikettendrucker"));
    EXPECT_FALSE(TZEV_WWSDrucker::DruckerTypReserviert("Etikettendrucker Lager"));
    EXPECT_EQ(CZEV_AktioUGrupTyp_2_Bezeichnung(1), "Artikelgruppen");
    EXPECT_EQ(CZEV_AktioUGrupTyp_2_Bezeichnung(4), "Werbeaktionen");
    EXPECT_EQ(CZEV_AktioUGrupTyp_2_Bezeichnung(0), "");
    EXPECT_EQ(CZEV_AktioUGrupTyp_2_Bezeichnung(5), "");
    EXPECT_EQ(TXKArtGruConfigurator::GruppenTypVonId("ARTGRU"), 1);
    EXPECT_EQ(TXKArtGruConfigurator::GruppenTypVonId("preakt"), 2);
    EXPECT_EQ(TXKArtGruConfigurator::GruppenTypVonId("UMLAKT"), 3);
    EXPECT_EQ(TXKArtGruConfigurator::GruppenTypVonId("WERAKT"), 4);
    EXPECT_EQ(TXKArtGruConfigurator::GruppenTypVonId("AKTION"), 0);
    TXKArtGruConfigurator c;
    EXPECT_FALSE(c.Execute("AKTION"));  // any other id: nothing opens
}

TEST(HostStuecke, ReturnReasonInUse) {
    TestDatenbank::Oeffne();
    EXPECT_FALSE(TZEV_LstvMani::Lade_RueckgabeGrundVorhanden("01"));
    Tlstvfile f;
    f.OpenNew(-1);
    for (int i = 1; i <= 3; ++i) {
        f.ClearBuffer();
        f.BelegNr.SetWert(i);
        f.Pos.SetWert(1);
        f.RueckgabeGrund.SetWert(i == 3 ? "07" : "02");
        f.Write(wrdonInsert);
    }
    EXPECT_TRUE(TZEV_LstvMani::Lade_RueckgabeGrundVorhanden("07"));
    EXPECT_TRUE(TZEV_LstvMani::Lade_RueckgabeGrundVorhanden(" 02 "));
    EXPECT_FALSE(TZEV_LstvMani::Lade_RueckgabeGrundVorhanden("01"));
    EXPECT_FALSE(TZEV_LstvMani::Lade_RueckgabeGrundVorhanden("7"));  // the number as stored
}

TEST(HostStuecke, CatalogueMessagesOfTheCodeTables) {
    const TQLNMeldungsKatalog& k = TQLNMeldungsKatalog::Standard();
    for (int n = 1047; n <= 1051; ++n) {
        EXPECT_TRUE(k.Enthaelt("TRIVELTA", n)) << n;
        EXPECT_FALSE(k.Text("TRIVELTA", n).contains("%2")) << n;
    }
    EXPECT_TRUE(k.Formatiere("TRIVELTA", 1051, {"H01"}).contains("H01"));
    EXPECT_EQ(k.Formatiere("STANDARD", 52, {"XYZ"}), "Unbekannte Kennung \"XYZ\".");
}

namespace {
// The program's entries (and its settings-tree registrations), made once per process.
TZEV_ACfg_Registrierungen gACfg;
const QList<TXKKatalogEintrag>& ProgrammEintraege() {
    static const QList<TXKKatalogEintrag> eintraege = [] {
        const QList<TXKKatalogEintrag> vorher = XKRegistryEintraege();
        const TZEV_ACfg_Registrierungen vorherACfg = TZEV_ACfg_Registry::Registrierungen();
        XKRegistryEintraege().clear();
        InitialisiereUnits();
        const QList<TXKKatalogEintrag> e = XKRegistryEintraege();
        gACfg = TZEV_ACfg_Registry::Registrierungen();
        XKRegistryEintraege() = vorher;
        TZEV_ACfg_Registry::Registrierungen() = vorherACfg;
        return e;
    }();
    return eintraege;
}
const TXKKatalogEintrag* Eintrag(const QString& id) {
    for (const TXKKatalogEintrag& e : ProgrammEintraege())
        if (e.Id == id) return &e;
    return nullptr;
}
}  // namespace

TEST(CodeTabRegistrierung, CodeTablesInCatalogueOrderWithTheirTexts) {
    const QStringList reihenfolge{"VARIANTEN", "ETIKFORM", "ARTGRU",   "PREAKT",   "UMLAKT",   "WERAKT",  "INETFTP",
                                  "INETHTTP",  "GTINBER",  "VKKZ",     "DIKZ",     "GCPL",     "BANTEILE", "MAENGEL",
                                  "RGGRUND",   "LIEFNUM",  "KUNDNUM",  "FILNUM",   "MANDNUM",  "MITANUM", "HAUPTGR",
                                  "SAIBEZ",    "LIEFRAB",  "KUNDRAB",  "FARBEN",   "MATERIAL", "BILDVAR", "ABKZ",
                                  "MARKEN",    "VERAGUTS", "VERWANDT", "GGTY",     "DRUCKTYP"};
    QStringList gefunden;
    for (const TXKKatalogEintrag& e : ProgrammEintraege())
        if (reihenfolge.contains(e.Id)) gefunden << e.Id;
    EXPECT_EQ(gefunden, reihenfolge);
    for (const QString& id : reihenfolge) {
        const TXKKatalogEintrag* e = Eintrag(id);
        ASSERT_TRUE(e) << id.toStdString();
        EXPECT_FALSE(e->Caption.isEmpty()) << id.toStdString();
        EXPECT_FALSE(e->Beschreibung.isEmpty()) << id.toStdString();
        EXPECT_FALSE(e->Schlagworte.isEmpty()) << id.toStdString();
        EXPECT_FALSE(e->Schlagworte.contains(";")) << id.toStdString();
    }
    EXPECT_EQ(Eintrag("ARTGRU")->Caption, "Artikelgruppen");
    EXPECT_EQ(Eintrag("WERAKT")->Caption, "Werbeaktionen");
    EXPECT_EQ(Eintrag("GGTY")->Caption, "Größengänge (Verwendungszweck alternative)");
    EXPECT_EQ(Eintrag("GCPL")->Caption, "GS1 GTIN Company Prefix Längen");
    EXPECT_TRUE(Eintrag("GCPL")->Beschreibung.contains("https://"));
    EXPECT_EQ(Eintrag("VARIANTEN")->Schlagworte, "Merkmal, Artikel, Artikelverwaltung");
    EXPECT_EQ(Eintrag("VERAGUTS")->Schlagworte, "Gutschein, VERA, Online, Internet, GTIN, EAN");
    // the computer types and groups of the entries
    const auto aktiv = [](const QString& id, int typ) {
        auto d = TestUmgebung::StandardSitzung();
        d.RTyp = typ;
        TestUmgebung::SetzeSitzung(d);
        return Eintrag(id)->Klasse->Active(id);
    };
    EXPECT_TRUE(aktiv("VKKZ", 3));
    EXPECT_FALSE(aktiv("DIKZ", 3));
    EXPECT_TRUE(aktiv("DIKZ", 5));
    EXPECT_FALSE(aktiv("GTINBER", 2));
    EXPECT_TRUE(aktiv("GGTY", 4));
    EXPECT_FALSE(aktiv("GGTY", 5));
    EXPECT_TRUE(aktiv("INETFTP", 3));  // inherited: every type
    EXPECT_FALSE(aktiv("FARBEN", 3));
    EXPECT_EQ(Eintrag("ETIKFORM")->Klasse->Groups("ETIKFORM"), "INVT,VERK");
    EXPECT_EQ(Eintrag("HAUPTGR")->Klasse->Groups("HAUPTGR"), "ARTV,PRODUKTE");
    EXPECT_EQ(Eintrag("MARKEN")->Klasse->Groups("MARKEN"), "ARTV,PRODUKTE");
    EXPECT_EQ(Eintrag("VERWANDT")->Klasse->Groups("VERWANDT"), "PRODUKTE");
    EXPECT_EQ(Eintrag("SAIBEZ")->Klasse->Groups("SAIBEZ"), "");
    // the complaint tables are also started from the settings tree, with the same texts
    const std::pair<int, const char*> acfg[] = {{10, "BANTEILE"}, {11, "MAENGEL"}, {17, "RGGRUND"}};
    for (const auto& [typ, id] : acfg) {
        ASSERT_TRUE(gACfg.Typen.contains(TZEV_ACfgType_Erw(typ))) << typ;
        const TZEV_ACfGType_RegData& d = gACfg.Typen[TZEV_ACfgType_Erw(typ)];
        EXPECT_EQ(d.Art, acfgArtKonfigurator);
        EXPECT_EQ(d.XKId, id);
        EXPECT_EQ(d.XKClass, Eintrag(id)->Klasse);
        EXPECT_EQ(d.XKTexte.Caption, Eintrag(id)->Caption);
        EXPECT_EQ(d.XKTexte.Schlagworte, Eintrag(id)->Schlagworte);
        EXPECT_EQ(d.XKTexte.Beschreibung, Eintrag(id)->Beschreibung);
    }
}
