// The parameter catalogue: the program's own resource, the reader's refusals,
// menus per computer type and value lists.

#include "ParmTest.h"
#include "host/Exception.h"
#include "host/TQLN_Parm_Katalog.h"

#include <QSet>

namespace {
class Katalog : public ParmTest {};

QStringList Namen(const TQLN_Parm_Menu& m) {
    QStringList out;
    for (const TQLN_Parm_MenuItem& i : m.Items) out << (i.Art == pmaUeberschrift ? QStringLiteral("—") + i.Caption : i.Name);
    return out;
}
}  // namespace

TEST_F(Katalog, ResourceHoldsEveryParameterTheProgramReads) {
    TQLN_Parm_Katalog::Installiere(QString());  // the program's own catalogue
    const struct {
        const char* Kennung;
        int Typ;
        int Gueltigkeit;
    } erwartet[] = {
        {"KBVORERL", ptBoolean, 0}, {"SORTBREI", ptInteger, 2}, {"PS5STELL", ptInteger, 2}, {"VERKNACH", ptBoolean, 0},
        {"SAISKURZ", ptInteger, 2}, {"GEABEVAL", ptBoolean, 2}, {"QUERFAMA", ptZeichen, 2}, {"ITPRODZU", ptBoolean, 2},
        {"STARTMON", ptInteger, 2}, {"VERKEXE", ptString, 0},   {"KUNDDISP", ptBoolean, 0}, {"BCUNIQUE", ptBoolean, 2},
        {"KUNDKENN", ptString, 0},  {"TSEDEBUG", ptBoolean, 0}, {"TSEQRCOD", ptZeichen, 0}, {"VERAGUTS", ptBoolean, 2},
        {"USEBSW", ptBoolean, 0},   {"USEZVT", ptBoolean, 0},   {"TSEAKTIV", ptBoolean, 0}, {"REKODWAR", ptInteger, 2},
        {"GUKOKTRL", ptBoolean, 2}, {"ZENTRREG", ptZeichen, 2}, {"REKOLITE", ptBoolean, 2}, {"REKOFIMA", ptBoolean, 2},
        {"REKOLIAB", ptBoolean, 2}, {"REKOSHER", ptBoolean, 2}, {"RKINVLSO", ptBoolean, 2}, {"RKWEAEUN", ptBoolean, 2},
    };
    for (const auto& e : erwartet) {
        const TQLN_Parm_Def* d = TQLN_Parm_Katalog::ParmWert_Def_ByKennung(QString::fromLatin1(e.Kennung));
        ASSERT_TRUE(d) << e.Kennung;
        EXPECT_EQ(d->Typ, e.Typ) << e.Kennung;
        EXPECT_EQ(d->Gueltigkeit, e.Gueltigkeit) << e.Kennung;
    }
    // Values other parts of the program compare with.
    QStringList werte, bez;
    ASSERT_TRUE(TQLN_Parm_Katalog::ParmWert_Vorrat_Fuer("VERKEXE", bez, true, werte));
    EXPECT_TRUE(werte.contains("verk"));
    ASSERT_TRUE(TQLN_Parm_Katalog::ParmWert_Vorrat_Fuer("ZENTRREG", bez, true, werte));
    EXPECT_EQ(werte, QStringList({"K", "D"}));
    EXPECT_EQ(TQLN_Parm_Katalog::ParmWert_Def_ByKennung("KUNDKENN")->Vorgabe, "#0000000");
    EXPECT_EQ(TQLN_Parm_Katalog::ParmWert_Def_ByKennung("REKODWAR")->IntegerMax, 99999);

    // Every group of the centre's table exists; the three groups without an entry of their own exist too.
    const std::unique_ptr<TQLN_Parm_Menu> alle = TQLN_Parm_Katalog::Menu_Create({}, C_RTypen_Alle);
    const QStringList gruppen = Namen(*alle);
    for (const TParmGroup_2_TriveltaGroup& p : C_ParmGroup_2_TriveltaGroup)
        EXPECT_TRUE(gruppen.contains(QLatin1String(p.ParmGroup))) << p.ParmGroup;
    for (const char* g : {"DUMMY", "FIBUVERW", "CRM"}) EXPECT_TRUE(gruppen.contains(QLatin1String(g))) << g;
    // A parameter in two groups: the fiscal-year start is also an inventory setting.
    EXPECT_TRUE(Namen(*TQLN_Parm_Katalog::Menu_Create("ALLGEM", C_RTypen_Alle)).contains("STARTMON"));
    EXPECT_TRUE(Namen(*TQLN_Parm_Katalog::Menu_Create("INVENTUR", C_RTypen_Alle)).contains("STARTMON"));
    for (const TZEV_ParmPrCheckVersion& v : TQLN_Parm_Katalog::GZEV_ParmPrCheckVersion())
        EXPECT_TRUE(TQLN_Parm_Katalog::ParmWert_Def_ByKennung(v.Kennung)) << v.Kennung.toStdString();
}

TEST_F(Katalog, MalformedLinesStopTheReadingWithTheirLineNumber) {
    const QString gruppe = QStringLiteral("GRUPPE|G|Gruppe|\n");
    const struct {
        QString Text;
        const char* Teil;
    } faelle[] = {
        {gruppe + "PARM|A|Anzahl|*|0|4|5|250|N|10\n", "Zeile 2: PARM erwartet 11 Felder"},
        {gruppe + "PARM|A|Anzahl|*|0|4|5|250|N|300|x\n", "passt nicht zum Parameter: außerhalb von 5 bis 250"},
        {gruppe + "PARM|A|Anzahl|*|0|4|250|5|N|10|x\n", "Minimum ist größer als das Maximum"},
        {gruppe + "PARM|A|Schalter|*|1|1|||N|N|x\n", "Gültigkeit muss 0"},
        {gruppe + "PARM|A|Schalter|1,8|0|1|||N|N|x\n", "Rechnertyp 8 gibt es nicht"},
        {gruppe + "PARM|A|Schalter|*|0|9|||N|N|x\n", "Werttyp 9 gibt es nicht"},
        {gruppe + "PARM|A|Schalter|*|0|1|||X|N|x\n", "Schutz muss J oder N sein"},
        {gruppe + "PARM|A|Schalter|*|0|1|||N|ja|x\n", "erwartet J oder N"},
        {gruppe + "PARM|zuLangeKennung|Schalter|*|0|1|||N|N|x\n", "Kennung \"zuLangeKennung\" ist ungültig"},
        {gruppe + "PARM|A|Text|*|0|7|3|0|N|abc|x\n", "nur Großbuchstaben erlaubt"},
        {gruppe + "PARM|A|Text|*|0|7|30|1|N|X|x\nWERT|X|x\nWERT|SIEBZEHNZEICHEN17|zu lang\n",
         "Zeile 4: Der Wert \"SIEBZEHNZEICHEN17\" ist länger als 16 Zeichen"},
        {gruppe + "PARM|A|Modus|*|0|2|||N|Z|x\nWERT|A|a\nWERT|B|b\nTRENNER|weiter\n",
         "Zeile 2: Der Vorgabewert \"Z\" von A fehlt in seinem Wertevorrat"},
        {gruppe + "PARM|A|Schalter|*|0|1|||N|N|x\nPARM|A|Schalter|*|0|1|||N|N|x\n", "Zeile 3: Den Parameter A gibt es schon"},
        {gruppe + "AUCH|B\n", "Den Parameter B gibt es (noch) nicht"},
        {"PARM|A|Schalter|*|0|1|||N|N|x\n", "Zeile 1: PARM steht vor der ersten GRUPPE"},
        {gruppe + "WERT|A|a\n", "WERT steht nicht unter einem PARM"},
        {gruppe + "GRUPPE|G|nochmal|\n", "Die Gruppe G gibt es schon"},
        {gruppe + "PARAM|A\n", "Unbekannte Zeilenart \"PARAM\""},
        {gruppe + "PARM|A|Schalter|*|0|1|||N|N|x\nVERSION|A|VERK15|1.1.2023|3\n", "nicht im Format JJJJ-MM-TT"},
    };
    for (const auto& f : faelle) {
        TQLN_Parm_KatalogDaten d;
        try {
            d.Lade(f.Text, QStringLiteral("probe.txt"));
            ADD_FAILURE() << "read without complaint: " << f.Text.toStdString();
        } catch (const Exception& e) {
            EXPECT_TRUE(e.Message().startsWith("Parameterkatalog probe.txt, Zeile ")) << e.Message().toStdString();
            EXPECT_TRUE(e.Message().contains(QString::fromUtf8(f.Teil))) << e.Message().toStdString();
        }
    }
    // The program's catalogue is refused as a whole: nothing of a broken text is used.
    EXPECT_THROW(TQLN_Parm_Katalog::Installiere(gruppe + "PARAM|A\n"), Exception);
    EXPECT_TRUE(TQLN_Parm_Katalog::ParmWert_Def_ByKennung("KBTEST"));
}

TEST_F(Katalog, MenusHoldOnlyParametersOfTheComputerTypes) {
    // On a till: the heading stays because a till parameter follows it.
    const std::unique_ptr<TQLN_Parm_Menu> kasse = TQLN_Parm_Katalog::Menu_Create("kasse", 1 << 3);
    ASSERT_TRUE(kasse);
    EXPECT_EQ(kasse->Caption, "Kasse");
    EXPECT_EQ(Namen(*kasse), QStringList({"—Abschluss", "KBTEST", "MITKASSE", "ANZAHL"}));
    // Only head-office types: ANZAHL is on every type, KBTEST and NURZENT on 1.
    EXPECT_EQ(Namen(*TQLN_Parm_Katalog::Menu_Create("KASSE", 1 << 4)), QStringList({"—Abschluss", "ANZAHL"}));
    EXPECT_EQ(TQLN_Parm_Katalog::Menu_Create("KASSE", 1 << 0)->Count(), 0);
    EXPECT_EQ(TQLN_Parm_Katalog::Menu_Create("GIBTSNICHT", C_RTypen_Alle), nullptr);
    // The menu of all groups leaves out a group without parameters, here LEER.
    const std::unique_ptr<TQLN_Parm_Menu> alle = TQLN_Parm_Katalog::Menu_Create({}, C_RTypen_Alle);
    EXPECT_EQ(Namen(*alle), QStringList({"KASSE", "ARTIKEL", "FIBUVERW", "CRM", "DUMMY"}));
    EXPECT_EQ(alle->Item(0).Art, pmaGruppe);
    EXPECT_EQ(alle->Item(1).Beschreibung, "");  // blanks only
    EXPECT_EQ(Namen(*alle->Item(1).Menu), QStringList({"SYSWEIT", "KBTEST", "MODUS", "SCHUTZ", "ZAHLLIST"}));
    // The walk the list uses.
    QStringList gelaufen;
    for (const TQLN_Parm_MenuItem* i = kasse->GetFirst(); i; i = kasse->GetNext()) gelaufen << i->Caption;
    EXPECT_EQ(gelaufen.size(), 4);
    EXPECT_EQ(kasse->GetNext(), nullptr);

    QStringList werte, bez;
    EXPECT_TRUE(TQLN_Parm_Katalog::ParmWert_Vorrat_Existiert("modus"));
    EXPECT_FALSE(TQLN_Parm_Katalog::ParmWert_Vorrat_Existiert("ANZAHL"));
    EXPECT_FALSE(TQLN_Parm_Katalog::ParmWert_Vorrat_Fuer("ANZAHL", bez, true, werte));
    ASSERT_TRUE(TQLN_Parm_Katalog::ParmWert_Vorrat_Fuer("MODUS", bez, true, werte));
    EXPECT_EQ(werte, QStringList({"A", "M"}));
    EXPECT_EQ(bez, QStringList({"Automatisch", "Manuell"}));
    ASSERT_TRUE(TQLN_Parm_Katalog::ParmWert_Vorrat_Fuer("MODUS", bez, false, werte));
    EXPECT_EQ(bez, werte);
}
