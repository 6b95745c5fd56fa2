#pragma once
// Test configurators of the app tests and the fixture that resets them.

#include "app/TXKConfListe.h"
#include "registry/Triveltaclass.h"

#include <QHash>
#include <QSet>
#include <QStringList>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>

// Readable failure output for texts.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

struct TestConfZustand {
    QStringList Protokoll;                        // "Execute <id>" per run
    QSet<QString> Inaktiv;                        // ids whose Active says no
    QHash<QString, QString> Gruppen;              // Groups by id
    QStringList GroupsGefragt;                    // ids Groups was asked for
    std::function<void(const QString&)> BeimExecute;
    static TestConfZustand& Z();
};

class TTestConf : public TXKConfigurator {
public:
    static constexpr const char* KlassenName = "TTestConf";
    static bool Active(const QString& id, const TXKConfiguratorClass& cls) {
        return !TestConfZustand::Z().Inaktiv.contains(id) && TXKConfigurator::Active(id, cls);
    }
    static QString Groups(const QString& id, const TXKConfiguratorClass&) {
        TestConfZustand::Z().GroupsGefragt << id;
        return TestConfZustand::Z().Gruppen.value(id);
    }
    bool Execute(const QString& id) override {
        TestConfZustand::Z().Protokoll << QStringLiteral("Execute ") + id;
        if (TestConfZustand::Z().BeimExecute) TestConfZustand::Z().BeimExecute(id);
        return true;
    }
};

// Stands in for the parameter-catalogue class: never active by itself.
class TTestParmConf : public TTestConf {
public:
    static constexpr const char* KlassenName = "TTestParmConf";
    static bool Active(const QString&, const TXKConfiguratorClass&) { return false; }
};

inline void RegistriereTest(const QString& id, const QString& caption, const QString& beschreibung = {},
                            const QString& schlagworte = {}) {
    RegisterXKConfigurator(XKClass<TTestConf>(), id, caption, beschreibung, schlagworte);
}

// The registry holds only what a test registers; an entry of the program's
// own units is appended by RegistriereProgrammEintrag.
class AppTest : public ::testing::Test {
protected:
    void SetUp() override {
        XKRegistryEintraege().clear();
        TestConfZustand::Z() = {};
    }
    void TearDown() override {
        TXKConfListe::SetParmConfiguratorClass(nullptr);
        TestConfZustand::Z() = {};
    }
    static void RegistriereProgrammEintrag(const QString& id);
};
