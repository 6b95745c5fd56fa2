// The demo installation meets every delete test of the code tables: a code
// that something references is kept, a free one can go.

#include "testkit/TestTabelle.h"
#include "host/resources/TDemoDatenbank.h"
#include "host/ui/TfrmMarken.h"
#include "tables/TXKBVRConfigurator.h"
#include "tables/TXKDruckerTypenConfigurator.h"
#include "tables/TXKGGTYConfigurator.h"
#include "tables/TXKHGConfigurator.h"
#include "tables/TXKRMLConfigurator.h"
#include "tables/TXKRabtypConfigurator.h"
#include "tables/TXKSBConfigurator.h"
#include "tables/TXKVERAGutsConfigurator.h"
#include "tables/TXKVRConfigurator.h"
#include "tables/TXKVerwandtConfigurator.h"
#include "testkit/TestDatenbank.h"
#include "testkit/TestMeldungen.h"

#include <gtest/gtest.h>

namespace {
class DemoCodes : public ::testing::Test {
protected:
    void SetUp() override {
        TestDatenbank::Oeffne();
        TDemoDatenbank::Fuelle();
    }
    // Deletes the shown row whose first visible key is `schluessel`; `text`
    // is the refusal expected, empty when the delete must pass.
    template <class T>
    void Loesche(Offen<T>& conf, int spalte, const QString& schluessel, const char* text) {
        const QStringList z = conf.Zeile(spalte, schluessel);
        ASSERT_FALSE(z.isEmpty()) << schluessel.toStdString();
        if (text) TestMeldungen::Erwarte(QString::fromUtf8(text));
        EXPECT_EQ(conf.Loeschen(z), text == nullptr) << schluessel.toStdString();
        EXPECT_EQ(conf.Zeile(spalte, schluessel).isEmpty(), text == nullptr) << schluessel.toStdString();
    }
};
}  // namespace

TEST_F(DemoCodes, ArticleCodes) {
    Offen<TXKVRConfigurator> vr;
    Loesche(vr, 0, "GORE", "wird noch benutzt");
    ASSERT_TRUE(vr.Neu({"NEU", "noch nicht vergeben"}));
    Loesche(vr, 0, "NEU", nullptr);
    Offen<TXKBVRConfigurator> bvr;
    Loesche(bvr, 0, "VORN", "wird noch benutzt");
    Loesche(bvr, 0, "SOHLE", nullptr);
    Offen<TXKHGConfigurator> hg;
    Loesche(hg, 0, "DS", "wird noch benutzt (Warengruppen)");
    Loesche(hg, 0, "AC", nullptr);
    Offen<TXKSBConfigurator> sb;
    Loesche(sb, 0, "F", "darf nicht geändert werden");
    Loesche(sb, 0, "G", "wird noch benutzt");
    Loesche(sb, 0, "X", nullptr);
    Offen<TXKVerwandtConfigurator> vt;
    Loesche(vt, 0, "NF", "nicht erlaubt");
    TestMeldungen::Erwarte("hat noch Zuordnungen", mrNein);
    EXPECT_FALSE(vt.Loeschen(vt.Zeile(0, "ZU")));  // No keeps the type and its relations
    Loesche(vt, 0, "SE", nullptr);
    Offen<TXKGGTYConfigurator> gg;
    Loesche(gg, 0, "SHOP", "vom System vorgegeben");
    Loesche(gg, 0, "INTL", "alternativen Größengang D01");
    Loesche(gg, 0, "KIND", nullptr);
    TMarkenTabelle marken;
    TestMeldungen::Erwarte("noch Artikeln zugeordnet");
    EXPECT_FALSE(TAllgTabProtokoll::Ausfuehren(marken, wrdonDelete, {"ALPEN", "", "", ""}, {"ALPEN", "", "", ""}));
    EXPECT_TRUE(TAllgTabProtokoll::Ausfuehren(marken, wrdonDelete, {"LUMA", "", "", ""}, {"LUMA", "", "", ""}));
}

TEST_F(DemoCodes, SalesAndPurchasingCodes) {
    Offen<TXKRMLConfigurator> gruende("RGGRUND");
    Loesche(gruende, 1, "01", "da dieser verwendet wird");
    Loesche(gruende, 1, "02", nullptr);
    Offen<TXKRMLConfigurator> teile("BANTEILE");
    Loesche(teile, 1, "04", "da dieser verwendet wird");
    Loesche(teile, 1, "05", nullptr);
    Offen<TXKRabtypConfigurator> lief("LIEFRAB");
    Loesche(lief, 2, "Mengenrabatt", "in Benutzung");
    Loesche(lief, 2, "Messerabatt", "in Benutzung");  // a goods group's only
    Loesche(lief, 2, "Saisonrabatt", nullptr);
    Offen<TXKRabtypConfigurator> kund("KUNDRAB");
    Loesche(kund, 2, "Treuerabatt", "in Benutzung");
    Loesche(kund, 2, "Personalrabatt", "in Benutzung");
    Loesche(kund, 2, "Reklamationsnachlass", "in Benutzung");
    Loesche(kund, 2, "Geburtstagsrabatt", nullptr);
    Offen<TXKDruckerTypenConfigurator> dt;
    Loesche(dt, 3, "Bondrucker", "Vorgabewerte");
    TestMeldungen::Erwarte("Wollen Sie den Löschvorgang abbrechen?", mrNein);
    Loesche(dt, 3, "Packtischdrucker", nullptr);
    // the demo's gift cards pass their own checks
    Offen<TXKVERAGutsConfigurator> vg;
    ASSERT_EQ(vg.Zeilen().size(), 3);
    for (const QStringList& z : vg.Zeilen()) EXPECT_TRUE(vg->BuchenTesten(wrdonUpdate, z, z)) << z.join('|').toStdString();
}
