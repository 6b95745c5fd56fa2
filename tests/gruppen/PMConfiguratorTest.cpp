#include "GruppenTestHilfe.h"
#include "host/HostPaths.h"
#include "host/QLNBuchung.h"
#include "host/TParameter.h"
#include "host/TQLNServerFactory.h"
#include "host/records/Tgmerfile.h"
#include "host/records/Tmandfile.h"
#include "host/records/Trechnerfile.h"
#include "host/records/Tskfile.h"
#include "tables/TXKPMConfigurator.h"
#include "testkit/TestDatenbank.h"
#include "testkit/TestUmgebung.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>

namespace {
class Preisminderung : public ::testing::Test {
protected:
    void SetUp() override {
        TestDatenbank::Oeffne();
        Trechnerfile r;
        r.OpenNew(-1);
        for (const auto& [nr, typ] : {std::pair{1, 1}, std::pair{11, 3}}) {
            r.ClearBuffer();
            r.Rnr.SetWert(nr);
            r.RTyp.SetWert(typ);
            r.Write(wrdonInsert);
        }
        Tmandfile m;
        m.OpenNew(-1);
        for (int nr : {1, 2}) {
            m.ClearBuffer();
            m.Mandant.SetWert(nr);
            m.Name.SetWert(QStringLiteral("Mandant %1").arg(nr));
            m.GepId.SetWert({nr, 1});
            m.Write(wrdonInsert);
        }
        FProgramme = TestUmgebung::Verzeichnis() + QStringLiteral("/programme");
        QDir().mkpath(FProgramme);
        QDir().mkpath(QFileInfo(HostPaths::ProgramIniFile()).path());
        QSettings ini(HostPaths::ProgramIniFile(), QSettings::IniFormat);
        ini.setValue(QStringLiteral("VERZEICHNISSE/FERTIG"), FProgramme);
    }
    void TearDown() override { EXPECT_EQ(TQLNServerFactory::Kontenserver_Anzahl(), 0); }
    void KontenProgrammInstallieren() {
        QFile f(FProgramme + QStringLiteral("/PEXURO.EXE"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    static void NachlassAnKasse() { TParameter::StringParamWrite(QStringLiteral("VERKNACH"), QStringLiteral("J"), 11); }
    static QString Format(int rnr, int lnr) {
        Tgmerfile g;
        g.OpenNew(-1);
        g.ClearBuffer();
        g.Typ.SetKeyWert(QStringLiteral("P"));
        g.Rnr.SetKeyWert(rnr);
        g.Lnr.SetKeyWert(lnr);
        return g.Get_eq() ? g.Format.GetWert() : QStringLiteral("<fehlt>");
    }
    static QList<QStringList> Konten() {
        QList<QStringList> out;
        Tskfile sk;
        sk.OpenNew(-1);
        sk.ClearBuffer();
        for (bool ok = sk.Get_first(); ok; ok = sk.Get_next())
            out << QStringList{QStringLiteral("%1/%2").arg(sk.Mandant.GetWert().A).arg(sk.Mandant.GetWert().B),
                               sk.Kurzname.GetWert(), sk.Suchname.GetWert(),
                               sk.KontoArt.GetWert() + sk.KontoTyp.GetWert() + sk.SteuerKz.GetWert() +
                                   sk.Status.GetWert() + sk.Herkunft.GetWert() + sk.Sperre.GetWert()};
        return out;
    }
    QString FProgramme;
};
}  // namespace

TEST_F(Preisminderung, WithoutAccountModeTheFormatIsLeerAndTheType) {
    // records of other types and computers do not take part in the numbering
    Tgmerfile g;
    g.OpenNew(-1);
    for (const auto& [typ, rnr, lnr] : {std::tuple{"P", 2, 5}, std::tuple{"E", 1, 9}}) {
        g.ClearBuffer();
        g.Typ.SetWert(QString::fromLatin1(typ));
        g.Rnr.SetWert(rnr);
        g.Lnr.SetWert(lnr);
        g.Write(wrdonInsert);
    }
    Offen<TXKPMConfigurator> c;
    EXPECT_FALSE(c->NachlassAufKonto());
    EXPECT_EQ(c->Felder().size(), 4);  // no account column
    EXPECT_TRUE(c.Neu({"", "", "Mängelware", " "}));
    EXPECT_TRUE(c.Neu({"", "", "Personalrabatt", "Personalrabatt"}));
    EXPECT_EQ(Format(1, 1), "LEER           " + QStringLiteral(" "));
    EXPECT_EQ(Format(1, 2), "LEER           P");
    EXPECT_EQ(Format(1, 2).size(), 16);
    EXPECT_EQ(c.Zeile(c->FFieldIndRnr, "1"), (QStringList{"1", "1", "Mängelware", " "}));

    // change in place: same running number, new designation and type
    const QStringList alt = c.Zeile(c->FFieldIndBezeichnung, "Personalrabatt");
    EXPECT_TRUE(c.Aendern(alt, {"1", "2", "Stammkunde", "Kundenrabatt"}));
    EXPECT_EQ(Format(1, 2), "LEER           K");
    EXPECT_EQ(c.Zeilen(), (QList<QStringList>{{"1", "1", "Mängelware", " "},
                                              {"1", "2", "Stammkunde", "Kundenrabatt"},
                                              {"2", "5", "", " "}}));
    TestMeldungen::Erwarte("Bezeichnung für den Preisminderungsgrund");
    EXPECT_FALSE(c.Neu({"", "", "   ", " "}));
    EXPECT_TRUE(c.Loeschen(c.Zeile(c->FFieldIndBezeichnung, "Stammkunde")));
    EXPECT_EQ(c.Zeilen().size(), 2);
    EXPECT_TRUE(Konten().isEmpty());
}

TEST_F(Preisminderung, AccountModeCreatesTheMissingAccountsAndOffersTheEditorAfterThePosting) {
    NachlassAnKasse();
    KontenProgrammInstallieren();
    StarterDouble starter;
    Offen<TXKPMConfigurator> c;
    ASSERT_TRUE(c->NachlassAufKonto());
    ASSERT_EQ(c->Felder().size(), 5);
    TestMeldungen::Erwarte("Kurzbezeichnung für das Erlösminderungskonto");
    EXPECT_FALSE(c.Neu({"", "", "Personalrabatt", "Personalrabatt", " "}));

    EXPECT_TRUE(c.Neu({"", "", "Personalrabatt", "Personalrabatt", "PERSRAB"}));
    EXPECT_EQ(Format(1, 1), "PERSRAB        P");
    EXPECT_EQ(Konten(), (QList<QStringList>{{"1/1", "PERSRAB", "PERSRAB", "GENAP "}, {"2/1", "PERSRAB", "PERSRAB", "GENAP "}}));
    // asked once the posting is committed
    TestMeldungen::Erwarte("Kontonummer zuordnen", mrJa);
    QCoreApplication::processEvents();
    TestMeldungen::PruefeErfuellt();
    ASSERT_EQ(starter.Starts().size(), 2);
    EXPECT_EQ(starter.Starts()[0].Programm, FProgramme + "/PEXURO.EXE");
    EXPECT_EQ(starter.Starts()[0].Argumente, (QStringList{"-Modus=E", "-Mandant=1/1", "-Konto=PERSRAB"}));
    EXPECT_EQ(starter.Starts()[1].Argumente, (QStringList{"-Modus=E", "-Mandant=2/1", "-Konto=PERSRAB"}));
    EXPECT_EQ(starter.Starts()[0].Verzeichnis, FProgramme);

    // existing for every client: written without question
    EXPECT_TRUE(c.Neu({"", "", "Mitarbeiterfamilie", "Personalrabatt", "PERSRAB"}));
    QCoreApplication::processEvents();
    EXPECT_EQ(Format(1, 2), "PERSRAB        P");
    EXPECT_EQ(starter.Starts().size(), 2);
    // a reason written before account mode shows no account
    Tgmerfile g;
    g.OpenNew(-1);
    g.ClearBuffer();
    g.Typ.SetWert(QStringLiteral("P"));
    g.Rnr.SetWert(11);
    g.Lnr.SetWert(1);
    g.Bezeichnung.SetWert(QStringLiteral("Altbestand"));
    g.Format.SetWert(QStringLiteral("LEER           K"));
    g.Write(wrdonInsert);
    EXPECT_EQ(c.Zeile(c->FFieldIndRnr, "11"), (QStringList{"11", "1", "Altbestand", "Kundenrabatt", ""}));

    // a change to an account one client lacks: created for that client only; No starts nothing
    Tskfile sk;
    sk.OpenNew(-1);
    sk.ClearBuffer();
    sk.Mandant.SetWert({1, 1});
    sk.Kurzname.SetWert(QStringLiteral("KUNDRAB"));
    sk.Write(wrdonInsert);
    EXPECT_TRUE(c.Aendern(c.Zeile(c->FFieldIndLnr, "1"), {"1", "1", "Stammkunde", "Kundenrabatt", "kundrab"}));
    TestMeldungen::Erwarte("Kontonummer zuordnen", mrNein);
    QCoreApplication::processEvents();
    EXPECT_EQ(Konten().size(), 4);
    EXPECT_EQ(Format(1, 1), "KUNDRAB        K");
    EXPECT_EQ(starter.Starts().size(), 2);
}

TEST_F(Preisminderung, AccountsAndTheReasonAreWrittenTogetherOrNotAtAll) {
    NachlassAnKasse();
    Offen<TXKPMConfigurator> c;
    // too long a designation fails the write after the accounts were made
    EXPECT_THROW(c->Buchen(wrdonInsert, {}, {"", "", QString(41, 'x'), " ", "NEUKONTO"}), std::exception);
    QCoreApplication::processEvents();  // no question: nothing was created
    EXPECT_TRUE(Konten().isEmpty());
    EXPECT_TRUE(c.Zeilen().isEmpty());
}

TEST_F(Preisminderung, AMissingAccountProgramIsToldOnce) {
    NachlassAnKasse();
    StarterDouble starter;
    Offen<TXKPMConfigurator> c;
    EXPECT_TRUE(c.Neu({"", "", "Mängelware", " ", "MAENGEL"}));
    TestMeldungen::Erwarte("Kontonummer zuordnen", mrJa);
    const qsizetype marke = MeldungsMarke();
    QCoreApplication::processEvents();
    const QStringList texte = MeldungenSeit(marke);
    EXPECT_EQ(texte.filter("PEXURO.EXE").size(), 1) << texte.join(" | ").toStdString();
    EXPECT_TRUE(texte.filter(QDir::toNativeSeparators(FProgramme)).size() == 1);
    EXPECT_TRUE(starter.Starts().isEmpty());
}

TEST_F(Preisminderung, ServicesGoBackToTheFactory) {
    NachlassAnKasse();
    Offen<TXKPMConfigurator> c;
    EXPECT_TRUE(c.Neu({"", "", "Mängelware", " ", "MAENGEL"}));
    EXPECT_EQ(TQLNServerFactory::Kontenserver_Anzahl(), 1);
    EXPECT_EQ(TQLNServerFactory::Mandantenserver_Anzahl(), 1);
    c.Schliessen();  // the question not yet asked goes with the configurator
    QCoreApplication::processEvents();
    EXPECT_EQ(TQLNServerFactory::Kontenserver_Anzahl(), 0);
    EXPECT_EQ(TQLNServerFactory::Mandantenserver_Anzahl(), 0);
}
