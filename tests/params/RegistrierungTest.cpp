// The catalogue entries of the parameter lists: generated entries, activity
// per computer type, groups, the program's registration order and switch F.

#include "ParmTest.h"
#include "app/TXKConfListe.h"
#include "app/TriveltaStart.h"
#include "host/TQLN_Parm_Katalog.h"
#include "params/TXKParmConfigurator.h"
#include "registry/Triveltaclass.h"

namespace {
class Registrierung : public ParmTest {};

TQLN_Parm_MenuItem Gruppe(const char* name, const char* caption, const char* beschreibung) {
    return {pmaGruppe, QString::fromLatin1(name), QString::fromUtf8(caption), QString::fromUtf8(beschreibung), nullptr,
            std::make_shared<TQLN_Parm_Menu>()};
}

// The program's entries, registered once per process.
const QList<TXKKatalogEintrag>& ProgrammEintraege() {
    static const QList<TXKKatalogEintrag> eintraege = [] {
        const QList<TXKKatalogEintrag> vorher = XKRegistryEintraege();
        XKRegistryEintraege().clear();
        TQLN_Parm_Katalog::Installiere(QString());  // the program's own catalogue
        InitialisiereUnits();
        InitialisiereUnits();  // a second initialisation registers nothing
        const QList<TXKKatalogEintrag> e = XKRegistryEintraege();
        XKRegistryEintraege() = vorher;
        TQLN_Parm_Katalog::Installiere(QString::fromUtf8(CTestKatalog));
        return e;
    }();
    return eintraege;
}

// Every static id of the catalogue in registration order.
const QStringList CStatischeReihenfolge = {
    "VARIANTEN", "ETIKFORM", "ARTGRU", "PREAKT", "UMLAKT", "WERAKT", "INETFTP", "INETHTTP", "GTINBER", "VKKZ", "DIKZ",
    "GCPL", "BANTEILE", "MAENGEL", "RGGRUND", "LIEFNUM", "KUNDNUM", "FILNUM", "MANDNUM", "MITANUM", "HAUPTGR", "SAIBEZ",
    "LIEFRAB", "KUNDRAB", "FARBEN", "MATERIAL", "BILDVAR", "KUNDMER", "WGS", "ABKZ", "PREISMIND", "SAIS", "MARKEN",
    "ARTMM", "ARTBEWMM", "WAGRMM", "BELMM", "BearbVerf", "REKO", "GGGGZ", "WAEHREINH", "MWST", "SPRACHEN", "LAND",
    "WAEHRUNG", "KUNDZUORD", "ORGAZUORD", "KOSTENSTELLEN", "DIVGEHALTSDATEN", "BRUTTOLOHNARTEN", "NETTOLOHNARTEN",
    "ORGANISATIONSEINHEITEN", "MANDLANDZUSATZ", "KURSE", "KONZERNE", "BCEindeutig", "ETIKEDIT", "BEWG", "GRND", "HLAG",
    "KMKONF", "Herstellerbezzuordnung", "EPL", "UMSPLA", "XK_ARTV_FF", "VERAGUTS", "TSE", "Fibu", "VERWANDT", "QUFA",
    "ARTIKELNUMMERNFORMATE", "Gutscheine", "GGTY", "MIEB", "DRUCKCFG", "DRUCKERW", "DRUCKTYP", "VERK15", "PS56",
    "XK_ARTV_PFLICHTFELDER", "MITGRP", "aagb", "DBCONFIG", "InvArtAbw", "Merkmalbezzuordnung", "Artikeltexte", "CRM",
    "DL_EK_Berechnung", "ACC", "LARVERW", "PIKTCONF", "ZusEti", "VSTAT15", "BEPOCONF", "beprCONF", "AutoFehler", "OCS",
    "FIBUACFG", "ZEWI"};
}  // namespace

TEST_F(Registrierung, GeneratedEntriesFollowTheCatalogueMenu) {
    TQLN_Parm_Menu alle;
    alle.Items.push_back(Gruppe("KASSE", "Kasse", "  Einstellungen der Kasse.  "));
    alle.Items.push_back(Gruppe("FIBUVERW", "Fibu-Verwaltung", "x"));
    alle.Items.push_back({pmaUeberschrift, "HINWEIS", "Hinweis", "kein Menü", nullptr, nullptr});
    alle.Items.push_back({pmaParameter, "EINZELN", "Einzeln", "kein Menü", nullptr, nullptr});
    alle.Items.push_back(Gruppe("CRM", "CRM", "x"));
    alle.Items.push_back(Gruppe("DUMMY", "Intern", "x"));
    alle.Items.push_back(Gruppe("ARTIKEL", "Artikel", "   "));
    XKRegistryEintraege().clear();
    RegistriereParmEintraege(alle);

    QStringList ids;
    for (const TXKKatalogEintrag& e : XKRegistryEintraege()) {
        ids << e.Id;
        EXPECT_EQ(e.Klasse, &XKClass<TXKParmConfigurator>());
    }
    EXPECT_EQ(ids, QStringList({"ALLPARMLIST", "INTPARMLIST", "PARM_KASSE", "PARM_ARTIKEL"}));
    const auto& e = XKRegistryEintraege();
    EXPECT_EQ(e[0].Caption, "Liste aller Benutzerparameter");
    EXPECT_EQ(e[0].Schlagworte, "Parameter, Suche, Alle");
    EXPECT_EQ(e[1].Caption, "Interne Systemparameter");
    EXPECT_EQ(e[1].Schlagworte, "Intern, System");
    EXPECT_EQ(e[1].Beschreibung, "Diese Parameter dürfen nur in Absprache mit dem Softwarehersteller geändert werden!");
    EXPECT_EQ(e[2].Caption, "Kasse");
    EXPECT_EQ(e[2].Beschreibung, "Einstellungen der Kasse.");
    EXPECT_EQ(e[2].Schlagworte, "Parameter");
    EXPECT_EQ(e[3].Beschreibung, "Parameter für das Programm/die Rubrik Artikel");
}

TEST_F(Registrierung, ActiveAndGroupsOfTheEntries) {
    const TXKConfiguratorClass& k = XKClass<TXKParmConfigurator>();
    const QStringList ids = {"ALLPARMLIST", "INTPARMLIST", "PARM_KASSE", "PARM_ARTIKEL", "PARM_LEER", "PARM_FEHLT"};
    const auto aktiv = [&](int typ) {
        AufRechner(5, typ);
        QStringList out;
        for (const QString& id : ids)
            if (k.Active(id)) out << id;
        return out;
    };
    for (const int typ : {1, 2, 7}) EXPECT_EQ(aktiv(typ), ids) << typ;
    // A till: both groups hold till parameters; LEER holds none and FEHLT is no group.
    EXPECT_EQ(aktiv(3), QStringList({"ALLPARMLIST", "INTPARMLIST", "PARM_KASSE", "PARM_ARTIKEL"}));
    EXPECT_EQ(aktiv(0), QStringList({"ALLPARMLIST", "INTPARMLIST"}));

    TQLN_Parm_Katalog::Installiere(QString());  // the host's table names the program's groups
    EXPECT_EQ(k.Groups("ALLPARMLIST"), "BENUPARAMS");
    EXPECT_EQ(k.Groups("PARM_artikel"), "BENUPARAMS,ARTV,PRODUKTE");
    EXPECT_EQ(k.Groups("PARM_KASSE"), "BENUPARAMS,VERK");
    EXPECT_EQ(k.Groups("PARM_CRM"), "BENUPARAMS");
}

TEST_F(Registrierung, ProgramRegistersOnceInCatalogueOrderWithTheParameterEntriesLast) {
    const QList<TXKKatalogEintrag>& e = ProgrammEintraege();
    QStringList ids;
    for (const TXKKatalogEintrag& x : e) ids << x.Id;
    EXPECT_EQ(ids.removeDuplicates(), 0) << ids.join(',').toStdString();
    // Static entries keep the catalogue's order; the parameter unit follows them all.
    int zuletzt = -1;
    int ersteParm = -1;
    for (int i = 0; i < ids.size(); ++i) {
        const bool parm = e[i].Klasse == &XKClass<TXKParmConfigurator>();
        if (parm) {
            if (ersteParm < 0) ersteParm = i;
            continue;
        }
        EXPECT_LT(ersteParm, 0) << ids[i].toStdString() << " after the parameter entries";
        const int pos = CStatischeReihenfolge.indexOf(ids[i]);
        ASSERT_GE(pos, 0) << ids[i].toStdString() << " is no catalogue id";
        EXPECT_GT(pos, zuletzt) << ids[i].toStdString() << " out of catalogue order";
        zuletzt = pos;
    }
    ASSERT_GE(ersteParm, 0);
    EXPECT_EQ(ids.mid(ersteParm, 2), QStringList({"ALLPARMLIST", "INTPARMLIST"}));
    // The program's catalogue: one entry per group but DUMMY, FIBUVERW and CRM.
    EXPECT_TRUE(ids.contains("PARM_KASSE"));
    EXPECT_TRUE(ids.contains("PARM_REKO"));
    for (const char* ohne : {"PARM_DUMMY", "PARM_FIBUVERW", "PARM_CRM"}) EXPECT_FALSE(ids.contains(ohne)) << ohne;
}

TEST_F(Registrierung, SwitchFListsOnlyParameterEntries) {
    XKRegistryEintraege() = ProgrammEintraege();
    ASSERT_EQ(TXKConfListe::ParmConfiguratorClass(), &XKClass<TXKParmConfigurator>());
    AufRechner(11, 3);  // a till, where most entries are not active
    TXKConfListe liste;
    liste.LadeAusRegistry();
    const QList<int> mitF = liste.Filtere(true, {}, {});
    ASSERT_FALSE(mitF.isEmpty());
    int parmEintraege = 0;
    for (const TXKKatalogEintrag& x : liste.Eintraege()) parmEintraege += x.Klasse == &XKClass<TXKParmConfigurator>();
    EXPECT_EQ(mitF.size(), parmEintraege);  // their own activity test does not count
    for (const int i : mitF) EXPECT_EQ(liste.Eintraege()[i].Klasse, &XKClass<TXKParmConfigurator>());
    // Without F the colours are listed at the head office; with F never.
    AufRechner(1, 1);
    EXPECT_EQ(liste.Filtere(false, {"FARBEN", "ALLPARMLIST"}, {}).size(), 2);
    EXPECT_EQ(liste.Filtere(true, {"FARBEN", "ALLPARMLIST"}, {}).size(), 1);
    EXPECT_EQ(liste.SingleConf(), "ALLPARMLIST");
}
