#include "GruppenTestHilfe.h"
#include "host/CQLN_GB_Kennung.h"
#include "host/HostPaths.h"
#include "host/TQLNServerFactory.h"
#include "testkit/TestUmgebung.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSet>
#include <QSettings>

TEST(GruppenArten, CharactersAndTextsLeadBackToTheirKindAndFitTheKindField) {
    QSet<QChar> zeichen;
    QSet<QString> texte;
    for (int k = 0; k <= CQLN_GB_Kennung_Max; ++k) {
        const QChar c = CQLN_GB_Kennung2Char(k);
        if (c.isNull()) {
            EXPECT_TRUE(CQLN_GB_Kennung2Bez(k).isEmpty()) << k;
            continue;
        }
        const QString t = CQLN_GB_Kennung2Bez(k);
        EXPECT_LE(t.size(), 30) << t.toStdString();  // the kind field of the lists
        EXPECT_EQ(Char2GBKennung(c), k);
        EXPECT_EQ(Bez2GBKennung(t), k);
        EXPECT_FALSE(zeichen.contains(c));
        EXPECT_FALSE(texte.contains(t));
        zeichen.insert(c);
        texte.insert(t);
    }
    EXPECT_EQ(Char2GBKennung(QChar('#')), gbkKundenmerkmal);
    EXPECT_EQ(Char2GBKennung(QChar('x')), -1);
    EXPECT_EQ(Bez2GBKennung("gibt es nicht"), -1);
}

TEST(Programmstart, DirectoriesComeFromTheProgramIniElseTheProgramsOwn) {
    EXPECT_EQ(GetDirWwsByName("FERTIG"), QCoreApplication::applicationDirPath());
    EXPECT_EQ(GetDirWwsByName("DRUCK"), "");
    QDir().mkpath(QFileInfo(HostPaths::ProgramIniFile()).path());
    {
        QSettings ini(HostPaths::ProgramIniFile(), QSettings::IniFormat);
        ini.setValue("VERZEICHNISSE/FERTIG", "/opt/orba/bin/");
    }
    EXPECT_EQ(GetDirWwsByName("FERTIG"), "/opt/orba/bin");
}

namespace {
class Verweigert : public TAppExecStarter {
public:
    bool StartDetached(const QString&, const QStringList&, const QString&) override { return false; }
};
}  // namespace

TEST(Programmstart, AProgramThatDoesNotStartIsTold) {
    const QString dir = TestUmgebung::Verzeichnis();
    QFile f(dir + "/PEXURO.EXE");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    TAppExec::InstallStarter(std::make_unique<Verweigert>());
    TAppExec exec;
    const qsizetype marke = MeldungsMarke();
    EXPECT_FALSE(exec.Starte(dir, "PEXURO.EXE", {"-Modus=E"}));
    TAppExec::InstallStarter(nullptr);
    EXPECT_EQ(MeldungenSeit(marke).filter("konnte nicht gestartet werden").size(), 1);
    EXPECT_FALSE(exec.Starte(dir, "FEHLT.EXE", {}));
    EXPECT_EQ(MeldungenSeit(marke).filter("nicht gefunden").size(), 1);
}

TEST(Serverfabrik, OneServerPerKindWhileAnyoneHoldsIt) {
    IQLN_KontenServer* a = TQLNServerFactory::Kontenserver_GoC();
    IQLN_KontenServer* b = TQLNServerFactory::Kontenserver_GoC();
    EXPECT_EQ(a, b);
    EXPECT_EQ(TQLNServerFactory::Kontenserver_Anzahl(), 2);
    TQLNServerFactory::ServerFreigeben(a);
    EXPECT_EQ(a, nullptr);
    TQLNServerFactory::ServerFreigeben(a);  // nothing held: ignored
    EXPECT_EQ(TQLNServerFactory::Kontenserver_Anzahl(), 1);
    TQLNServerFactory::ServerFreigeben(b);
    EXPECT_EQ(TQLNServerFactory::Kontenserver_Anzahl(), 0);
}
