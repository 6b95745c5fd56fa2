#pragma once
// Fixture and data helpers of the currency, VAT and exchange-rate tests: a
// fresh database, the configurator under test opened as the centre opens it,
// and the host clock fixed on 15 June 2026.

#include "common/QLNDatum.h"
#include "host/records/TLdfile.h"
#include "host/records/Twhfile.h"
#include "registry/TXKAllgTabConfigurator.h"
#include "testkit/TestDatenbank.h"
#include "testkit/TestMeldungen.h"
#include "testkit/TestUmgebung.h"

#include <gtest/gtest.h>

namespace WaehrungTest {
inline QDateTime FesteUhr() { return QDateTime(QDate(2026, 6, 15), QTime(12, 0)); }
inline QString Tag(int abHeute) { return QDate(2026, 6, 15).addDays(abHeute).toString(QStringLiteral("dd.MM.yyyy")); }

inline void Land(const QString& kuerzel, bool eu, bool ewu) {
    TLdfile ld;
    ld.OpenNew(-1);
    ld.ClearBuffer();
    ld.Kuerzel.SetWert(kuerzel);
    ld.Name.SetWert(kuerzel);
    ld.EUMgl.SetWert(eu);
    ld.EWUMgl.SetWert(ewu);
    ld.Plz.SetWert(QStringLiteral("99999"));
    ld.Write(wrdonInsert);
}
inline void Waehrung(const QString& kuerzel, const QString& name, const QString& land) {
    Twhfile wh;
    wh.OpenNew(-1);
    wh.ClearBuffer();
    wh.KurzBez.SetWert(kuerzel);
    wh.LangBez.SetWert(name);
    wh.Land.SetWert(land);
    wh.Write(wrdonInsert);
}

template <class T>
class Konfig : public ::testing::Test {
protected:
    void SetUp() override {
        QLNDatum::SetzeUhr(&FesteUhr);
        TestDatenbank::Oeffne();
        FConf = XKClass<T>().Create();
        FConf->Init();
        k = static_cast<T*>(FConf.get());
    }
    void TearDown() override {
        FConf->Done();
        FConf.reset();
        QLNDatum::SetzeUhr(nullptr);
    }
    QList<QStringList> Zeilen() {
        QList<QStringList> out;
        QStringList l;
        for (bool ok = k->GetFirst(l); ok; ok = k->GetNext(l)) out << l;
        return out;
    }
    TXKConfiguratorPtr FConf;
    T* k = nullptr;
};
}  // namespace WaehrungTest
