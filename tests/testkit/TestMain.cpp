// Shared main of every test executable.

#include "TestMeldungen.h"
#include "TestModal.h"
#include "TestUmgebung.h"
#include "host/db/TQLNDatenbank.h"
#include "registry/Triveltaclass.h"

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
std::unique_ptr<QTemporaryDir> gDir;
QList<TXKKatalogEintrag> gRegistry;

class TestSitzung : public TQLNSitzungsQuelle {
public:
    TQLNSitzungsDaten Lade() override { return TestUmgebung::StandardSitzung(); }
};

class Umgebung : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override {
        gDir = std::make_unique<QTemporaryDir>();
        const QByteArray d = gDir->path().toUtf8();
        qputenv("XDG_CONFIG_HOME", d + "/config");
        qputenv("XDG_DATA_HOME", d + "/data");
        qputenv("XDG_STATE_HOME", d + "/state");
        qunsetenv("TRIVELTA_INI");
        qunsetenv("TRIVELTA_DBINI");
        TQLNInfo::SetLogFile(QString());
        TQLNInfo::Install(std::make_unique<TestMeldungen>());
        TestModal::Installiere();
        gRegistry = XKRegistryEintraege();
        TQLNProgramm::InstallSitzungsQuelle(std::make_unique<TestSitzung>());
        TQLNProgramm::Init(QStringLiteral("TRIVELTA"), TEnumProzessTypen::ptKonfiguration,
                           TPVR_InstanceCount::icBeliebig, 0, true);
    }
    void OnTestEnd(const ::testing::TestInfo&) override {
        TestMeldungen::Zuruecksetzen();
        TestModal::Zuruecksetzen();
        TQLNProgramm::Beenden();
        TQLNDatenbank::Schliesse();
        XKRegistryEintraege() = gRegistry;
        gDir.reset();
    }
};
}  // namespace

QString TestUmgebung::Verzeichnis() { return gDir ? gDir->path() : QString(); }

TQLNSitzungsDaten TestUmgebung::StandardSitzung() {
    TQLNSitzungsDaten d;
    d.RId = 1;
    d.RTyp = 1;
    d.RName = QStringLiteral("Zentrale");
    d.Mandant = 1;
    d.MandantName = QStringLiteral("Testmandant");
    d.Unternehmensgruppe = QStringLiteral("Testgruppe");
    d.Waehrung = QStringLiteral("EUR");
    d.Waehrung2 = QStringLiteral("CHF");
    return d;
}

void TestUmgebung::SetzeSitzung(const TQLNSitzungsDaten& d) { TQLNProgramm::SetSitzung(d); }

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new Umgebung);
    return RUN_ALL_TESTS();
}
