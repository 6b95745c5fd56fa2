// Program start and the database configuration ("DBCONFIG", switch E).

#include "TestConfs.h"
#include "app/TXKDatenbankConfigConfigurator.h"
#include "app/TriveltaStart.h"
#include "host/HostPaths.h"
#include "host/TQLNProgramm.h"
#include "host/db/TZEV_DB_Config.h"
#include "host/ui/TfrmDatenbankConfig.h"
#include "testkit/TestMeldungen.h"
#include "testkit/TestModal.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>

namespace {

QByteArray Inhalt(const QString& datei) {
    QFile f(datei);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The user enters a file and presses OK.
void DialogMitDatei(const QString& datei) {
    TestModal::Dann([datei](TQLNForm& f) {
        auto& dlg = static_cast<TfrmDatenbankConfig&>(f);
        dlg.edtDatei->setText(datei);
        dlg.findChild<QPushButton*>("btnOK")->click();
        return dlg.result();
    }, "TfrmDatenbankConfig");
}

QApplication& App() { return *static_cast<QApplication*>(QCoreApplication::instance()); }

class Start : public AppTest {};

}  // namespace

TEST_F(Start, DbConfigWritesWhatTheUserConfirmedAndNothingOnCancel) {
    const QString ini = HostPaths::DbIniFile();
    TestModal::Dann([](TQLNForm&) { return int(QDialog::Rejected); }, "TfrmDatenbankConfig");
    TXKDatenbankConfigConfigurator::ExecuteDo();
    EXPECT_FALSE(QFile::exists(ini));

    DialogMitDatei("/daten/filiale.db");
    TXKDatenbankConfigConfigurator::ExecuteDo();
    TZEV_DB_Config c;
    EXPECT_TRUE(c.Load(false, {}));
    EXPECT_EQ(c.Datei, QStringLiteral("/daten/filiale.db"));
    EXPECT_TRUE(TestMeldungen::Gezeigt().isEmpty());
}

TEST_F(Start, WriteProtectedDbIniGivesTheMessageAndStaysAsItWas) {
    const QString ini = HostPaths::DbIniFile();
    DialogMitDatei("/daten/alt.db");
    TXKDatenbankConfigConfigurator::ExecuteDo();
    const QByteArray vorher = Inhalt(ini);
    ASSERT_FALSE(vorher.isEmpty());
    ASSERT_TRUE(QFile::setPermissions(ini, QFileDevice::ReadOwner));  // 0400

    DialogMitDatei("/daten/neu.db");
    TXKDatenbankConfigConfigurator::ExecuteDo();
    ASSERT_EQ(TestMeldungen::Gezeigt().size(), 1);
    EXPECT_EQ(TestMeldungen::Gezeigt()[0].Art, int(mkHinweis));
    EXPECT_EQ(TestMeldungen::Gezeigt()[0].Text,
              "Datenbankkonfiguration konnte nicht gespeichert werden!\r\nGgf. muss erst der Schreibschutz der "
              "Datei\r\n" + ini + "\r\nentfernt werden.");
    EXPECT_EQ(Inhalt(ini), vorher);
    EXPECT_EQ(QFile::permissions(ini) & 0x7077, QFileDevice::ReadOwner);
}

TEST_F(Start, SwitchEShowsOnlyTheDatabaseDialogWithoutASession) {
    RegistriereTest("TESTEINS", "Test eins");
    TQLNProgramm::Beenden();
    TestModal::Dann([](TQLNForm&) { return int(QDialog::Rejected); }, "TfrmDatenbankConfig");
    EXPECT_EQ(TriveltaMain(App(), {"-CONFLIST:TESTEINS", "/e"}), 0);
    EXPECT_EQ(TestModal::Anzahl(), 1);
    EXPECT_FALSE(TQLNProgramm::Initialisiert());
    EXPECT_TRUE(TestConfZustand::Z().Protokoll.isEmpty());
}

TEST_F(Start, WithoutSwitchESessionOpensAndTheOnlyListedConfiguratorRuns) {
    RegistriereTest("TESTEINS", "Test eins");
    RegistriereTest("TESTZWEI", "Test zwei");
    TQLNProgramm::Beenden();
    bool sitzungOffen = false;
    TestConfZustand::Z().BeimExecute = [&](const QString&) {
        sitzungOffen = TQLNProgramm::Initialisiert() && TQLNProgramm::GetProgrammId() == "TRIVELTA";
    };
    EXPECT_EQ(TriveltaMain(App(), {"-Export", "-CONFLIST:TESTEINS"}), 0);
    EXPECT_EQ(TestConfZustand::Z().Protokoll, QStringList({"Execute TESTEINS"}));
    EXPECT_TRUE(sitzungOffen);
    EXPECT_EQ(TestModal::Anzahl(), 0);
}
