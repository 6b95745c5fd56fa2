#include "ParmTest.h"

#include "host/HostPaths.h"
#include "host/TQLN_Parm_Katalog.h"
#include "host/records/Trechnerfile.h"
#include "params/TXKParmConfigurator.h"
#include "params/TqlnKRYPTDialog.h"
#include "testkit/TestDatenbank.h"
#include "testkit/TestUmgebung.h"

#include <QCryptographicHash>
#include <QDir>
#include <QSettings>

const char* const CTestKatalog = R"(# test catalogue
GRUPPE|KASSE|Kasse|Einstellungen der Kasse.
TRENNER|Abschluss
PARM|KBTEST|Kassenbericht ohne Zählung|1,2,3,7|0|1|||N|N|Schließt ohne Zählung ab.
PARM|NURZENT|Nur in der Zentrale|1,7|0|1|||N|N|Gibt es nur in der Zentrale.
PARM|MITKASSE|Auch an der Kasse|1,3,7|0|7|8|0|N|A|Text in Großbuchstaben.
PARM|ANZAHL|Anzahl|*|0|4|5|250|N|10|Zwischen 5 und 250.
GRUPPE|ARTIKEL|Artikel|   
PARM|SYSWEIT|Systemweite Zahl|*|2|4|1|99|N|5|Gilt überall.
AUCH|KBTEST
PARM|MODUS|Modus|*|0|2|||N|A|Ein Zeichen aus der Liste.
WERT|A|Automatisch
WERT|M|Manuell
PARM|SCHUTZ|Geschützter Schalter|*|2|1|||J|N|Nur mit Kennwort.
PARM|ZAHLLIST|Zahl aus Liste|*|0|4|0|20|N|5|Eine Zahl aus der Liste.
WERT|5|fünf
WERT|10|zehn
GRUPPE|FIBUVERW|Fibu-Verwaltung|Fibu.
PARM|FIBUTEST|Fibu-Schalter|*|2|1|||N|N|Fibu.
GRUPPE|CRM|CRM|CRM.
PARM|CRMTEST|CRM-Schalter|*|2|1|||N|N|CRM.
GRUPPE|DUMMY|Intern|Interne Parameter.
PARM|INTERN1|Interner Schalter|*|0|1|||N|N|Intern.
GRUPPE|LEER|Leer|Ohne Parameter.
TRENNER|nur eine Überschrift
VERSION|MITKASSE|VERK15|2023-01-01|3
)";

void ParmTest::SetUp() {
    TestDatenbank::Oeffne();
    TQLN_Parm_Katalog::Installiere(QString::fromUtf8(CTestKatalog));
    TXKParmConfigurator::SetArgumente(QStringList());
    Trechnerfile r;
    r.OpenNew(-1);
    const struct {
        int Nr;
        const char* Name;
        int Typ;
    } rechner[] = {{1, "Zentrale", 1}, {2, "Filiale Nord", 2}, {3, "Filiale Süd", 2}, {11, "Kasse Nord", 3},
                   {99, "Service", 7}};
    for (const auto& x : rechner) {
        r.ClearBuffer();
        r.Rnr.SetWert(x.Nr);
        r.Name.SetWert(QString::fromUtf8(x.Name));
        r.RTyp.SetWert(x.Typ);
        r.Filiale.SetWert(1);
        r.Mandant.SetWert(1);
        r.Write(wrdonInsert);
    }
    r.Close();
    FConf = XKClass<TXKParmConfigurator>().Create();
}

void ParmTest::TearDown() {
    FConf.reset();
    TQLN_Parm_Katalog::Installiere(QString());
    TXKParmConfigurator::SetArgumente(std::nullopt);
    TXKServicePasswort::SetPruefwert({});
}

void ParmTest::AufRechner(int rnr, TRTyp_Erw typ) {
    TQLNSitzungsDaten d = TestUmgebung::StandardSitzung();
    d.RId = rnr;
    d.RTyp = typ;
    d.RName = QStringLiteral("Rechner %1").arg(rnr);
    TestUmgebung::SetzeSitzung(d);
}

void ParmTest::SetzeQLNPWD(const QString& wert) {
    QDir().mkpath(HostPaths::ConfigDir());
    QSettings ini(HostPaths::ProgramIniFile(), QSettings::IniFormat);
    ini.setValue(QStringLiteral("SYSTEM/QLNPWD"), wert);
}

TXKParmConfigurator& ParmTest::Conf() { return static_cast<TXKParmConfigurator&>(*FConf); }
