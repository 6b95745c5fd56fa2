#include "TestConfs.h"

#include "app/TriveltaStart.h"

namespace {
QList<TXKKatalogEintrag>& ProgrammEintraege() {
    static QList<TXKKatalogEintrag> e;
    return e;
}

// The units register once per process; their entries are taken once, before
// the first test, and the registry is left as it was.
class ProgrammUnits : public ::testing::Environment {
    void SetUp() override {
        const QList<TXKKatalogEintrag> vorher = XKRegistryEintraege();
        XKRegistryEintraege().clear();
        InitialisiereUnits();
        ProgrammEintraege() = XKRegistryEintraege();
        InitialisiereUnits();  // a second initialisation registers nothing
        EXPECT_EQ(XKRegistryEintraege().size(), ProgrammEintraege().size());
        XKRegistryEintraege() = vorher;
    }
};
[[maybe_unused]] ::testing::Environment* const gProgrammUnits =
    ::testing::AddGlobalTestEnvironment(new ProgrammUnits);
}  // namespace

TestConfZustand& TestConfZustand::Z() {
    static TestConfZustand z;
    return z;
}

void AppTest::RegistriereProgrammEintrag(const QString& id) {
    for (const TXKKatalogEintrag& e : ProgrammEintraege())
        if (e.Id == id) return XKRegistryEintraege().append(e);
    ADD_FAILURE() << "the program registers no " << id.toStdString();
}
