#include "WaehrungTestHilfe.h"
#include "host/db/TQLNDatenbank.h"
#include "host/records/TLdfile.h"
#include "host/records/Tmalzfile.h"
#include "host/records/Tmandfile.h"
#include "host/records/Tmwfile.h"
#include "host/ui/TAllgTabProtokoll.h"
#include "tables/TXKMandLaenderZusatzConfigurator.h"

using namespace WaehrungTest;

namespace {
void Mandant(int nr, const QString& name, const TIntPair& id) {
    Tmandfile m;
    m.OpenNew(-1);
    m.ClearBuffer();
    m.Mandant.SetWert(nr);
    m.Name.SetWert(name);
    m.GepId.SetWert(id);
    m.Write(wrdonInsert);
}
void Satz(const QString& land, const QString& kurz, const QDate& ab, double prozent, const QString& lang = "alt") {
    Tmwfile mw;
    mw.OpenNew(-1);
    mw.ClearBuffer();
    mw.Land.SetWert(land);
    mw.KurzBez.SetWert(kurz);
    mw.LangBez.SetWert(lang);
    mw.AbDatum.SetDatum(ab);
    mw.Prozent.SetWert(prozent);
    mw.Write(wrdonInsert);
}
// "A VOLL Normal 20.00 2026-01-01" for every VAT record.
QStringList Saetze() {
    QStringList out;
    Tmwfile mw;
    mw.OpenNew(-1);
    mw.ClearBuffer();
    for (bool ok = mw.Get_first(); ok; ok = mw.Get_next())
        out << QStringLiteral("%1 %2 %3 %4 %5")
                   .arg(mw.Land.GetWert(), mw.KurzBez.GetWert(), mw.LangBez.GetWert())
                   .arg(mw.Prozent.GetWert(), 0, 'f', 2)
                   .arg(mw.AbDatum.GetDatum().toString(Qt::ISODate));
    return out;
}
int Anzahl(TZEV_DBFile&& f) {
    f.OpenNew(-1);
    return int(f.GetCount());
}

class MandLand : public Konfig<TXKMandLaenderZusatzConfigurator> {
protected:
    void SetUp() override {
        Konfig::SetUp();
        Mandant(1, "Modehaus Brenner GmbH", {1, 1});
        Mandant(2, "Schuhhaus Brenner AG", {1, 2});
        Land("D", true, true);
        TLdfile ld;  // Austria exists already, with data of its own
        ld.OpenNew(-1);
        ld.ClearBuffer();
        ld.Kuerzel.SetWert("A");
        ld.Name.SetWert("Austria");
        ld.EUMgl.SetWert(true);
        ld.EWUMgl.SetWert(true);
        ld.Plz.SetWert("9999");
        ld.Write(wrdonInsert);
        Land("CH", false, false);
        Satz("D", "VOLL", QDate(2007, 1, 1), 19);
        Satz("D", "VOLL", QDate(2020, 7, 1), 16);  // not the standard rate any more: counts once as "Normal"
        Satz("D", "ERM", QDate(2007, 1, 1), 7);
        Satz("D", "OHNE", QDate(2007, 1, 1), 0);
        Satz("D", "SONDER", QDate(2007, 1, 1), 10.7);  // neither standard, reduced nor none
        Satz("A", "VOLL", QDate(2016, 1, 1), 20, "Normalsatz");
    }
    QStringList Zeile(const QString& mandant, const QString& land) {
        return {mandant, land, "01.07.2021", "DE123456789", "J"};
    }
};
}  // namespace

TEST_F(MandLand, OssCreatesTheMissingEuCountriesAndVatRecordsAndTouchesNothingElse) {
    const QStringList vorher = Saetze();
    TestMeldungen::Erwarte("Durch die Teilnahme am OSS-Verfahren wurden automatisch\nalle EU-Länder");
    ASSERT_TRUE(TAllgTabProtokoll::Ausfuehren(*k, wrdonInsert, {}, Zeile("Modehaus Brenner GmbH", "OSS")));
    const QStringList nachher = Saetze();
    for (const QString& s : vorher) EXPECT_TRUE(nachher.contains(s)) << s.toStdString();
    // 27 countries x 3 designations, less Germany's three and Austria's VOLL
    EXPECT_EQ(nachher.size(), vorher.size() + 27 * 3 - 3 - 1);
    EXPECT_TRUE(nachher.contains("A ERM Reduziert 10.00 2026-01-01"));
    EXPECT_TRUE(nachher.contains("A OHNE Ohne 0.00 2026-01-01"));
    EXPECT_FALSE(nachher.contains("A VOLL Normal 20.00 2026-01-01"));
    EXPECT_TRUE(nachher.contains("IRL ERM Reduziert 13.50 2026-01-01"));
    EXPECT_TRUE(nachher.contains("H VOLL Normal 27.00 2026-01-01"));
    EXPECT_FALSE(nachher.join(' ').contains("SONDER Normal"));
    // countries: all 27 EU countries, Austria as it was, Switzerland untouched
    TLdfile ld;
    ld.OpenNew(-1);
    EXPECT_EQ(ld.GetCount(), 27 + 1);
    ld.ClearBuffer();
    ld.Kuerzel.SetKeyWert("A");
    ASSERT_TRUE(ld.Get_eq());
    EXPECT_EQ(ld.Name.GetWert(), "Austria");
    ld.ClearBuffer();
    ld.Kuerzel.SetKeyWert("PL");
    ASSERT_TRUE(ld.Get_eq());
    EXPECT_EQ(ld.Name.GetWert(), "Polen");
    EXPECT_EQ(ld.Plz.GetWert(), "999999");
    EXPECT_TRUE(ld.EUMgl.GetWert());
    EXPECT_FALSE(ld.EWUMgl.GetWert());  // Poland pays in zloty
    ld.ClearBuffer();
    ld.Kuerzel.SetKeyWert("SK");
    ASSERT_TRUE(ld.Get_eq());
    EXPECT_TRUE(ld.EWUMgl.GetWert());
    // A second OSS entry of the other client finds everything in place.
    const int saetze = Anzahl(Tmwfile());
    TestMeldungen::Erwarte("OSS-Verfahren");
    ASSERT_TRUE(TAllgTabProtokoll::Ausfuehren(*k, wrdonInsert, {}, Zeile("Schuhhaus Brenner AG", "OSS")));
    EXPECT_EQ(Anzahl(Tmwfile()), saetze);
    EXPECT_EQ(Zeilen().size(), 2);
}

TEST_F(MandLand, AFailingSetUpTakesTheClientRecordAlongIntoTheRollBack) {
    const QStringList vorher = Saetze();
    TQLNDatenbank::Verbindung().Exec("CREATE TRIGGER kein_cy BEFORE INSERT ON mw WHEN NEW.land = 'CY' "
                                     "BEGIN SELECT RAISE(ABORT, 'Zypern gesperrt'); END");
    TestMeldungen::Erwarte("Zypern gesperrt");
    EXPECT_FALSE(TAllgTabProtokoll::Ausfuehren(*k, wrdonInsert, {}, Zeile("Modehaus Brenner GmbH", "OSS")));
    EXPECT_EQ(Saetze(), vorher);
    EXPECT_EQ(Anzahl(TLdfile()), 3);
    EXPECT_EQ(Anzahl(Tmalzfile()), 0);
}

TEST_F(MandLand, ANumberForOneCountryNeedsAKnownClientAndIsUnique) {
    ASSERT_TRUE(TAllgTabProtokoll::Ausfuehren(*k, wrdonInsert, {}, Zeile("Modehaus Brenner GmbH", "A")));
    EXPECT_EQ(Anzahl(Tmwfile()), 6);  // no set-up outside OSS
    EXPECT_EQ(Zeilen(), (QList<QStringList>{{"Modehaus Brenner GmbH", "A", "01.07.2021", "DE123456789", "J"}}));
    TestMeldungen::Erwarte("Die Kombination aus Mandant, Land und Datum existiert bereits.");
    EXPECT_FALSE(TAllgTabProtokoll::Ausfuehren(*k, wrdonInsert, {}, Zeile("Modehaus Brenner GmbH", "A")));
    TestMeldungen::Erwarte("Bitte wählen Sie einen Mandanten aus.");
    EXPECT_FALSE(k->BuchenTesten(wrdonInsert, {}, Zeile("MODEHAUS BRENNER GMBH", "A")));  // names match exactly
    TestMeldungen::Erwarte("Bitte wählen Sie ein \"Gültig Ab\"-Datum aus.");
    EXPECT_FALSE(k->BuchenTesten(wrdonInsert, {}, {"Modehaus Brenner GmbH", "A", "", "X", "J"}));
    // the record belongs to the client's number pair
    Tmalzfile malz;
    malz.OpenNew(-1);
    malz.ClearBuffer();
    ASSERT_TRUE(malz.Get_first());
    EXPECT_EQ(malz.Mandant.GetWert(), (TIntPair{1, 1}));
    // a change keeps the key and writes number and flag
    QStringList neu = Zeilen().value(0);
    neu[k->FFieldIndUStIDNr] = "ATU12345678";
    neu[k->FFieldIndAktiv] = "N";
    ASSERT_TRUE(TAllgTabProtokoll::Ausfuehren(*k, wrdonUpdate, Zeilen().value(0), neu));
    EXPECT_EQ(Zeilen(), (QList<QStringList>{neu}));
}

TEST_F(MandLand, ListedOnlyInAnEuCountryAndOfferingOssAndTheOtherEuCountries) {
    Land("F", true, true);
    QStringList l;
    k->FillWertevorrat(k->FFieldIndLand, l);
    EXPECT_EQ(l, (QStringList{"OSS", "A", "F"}));
    k->FillWertevorrat(k->FFieldIndMandant, l);
    EXPECT_EQ(l, (QStringList{"Modehaus Brenner GmbH", "Schuhhaus Brenner AG"}));
    const TXKConfiguratorClass& cls = XKClass<TXKMandLaenderZusatzConfigurator>();
    EXPECT_TRUE(cls.Active("MANDLANDZUSATZ"));
    auto d = TestUmgebung::StandardSitzung();
    d.Land = "CH";
    TestUmgebung::SetzeSitzung(d);
    EXPECT_FALSE(cls.Active("MANDLANDZUSATZ"));
}

TEST(LaenderCodes, EveryCountryOfTheEuVatTableIsAnEuMemberOfTheCountryCodeTable) {
    // a country the code table does not know would silently stay out of the OSS set-up
    const QList<T_MwSt_4_Land>& tabelle = TXKMandLaenderZusatzConfigurator::MwStTabelleEU();
    ASSERT_EQ(tabelle.size(), 27);
    for (const T_MwSt_4_Land& z : tabelle) {
        EXPECT_TRUE(QLN_LaenderCode_Kuerzel_2_EU_Mitglied(z.Land)) << z.Land.toStdString();
        EXPECT_LE(z.MwstReduz, z.MwStNormal) << z.Land.toStdString();
        EXPECT_LE(QLN_LaenderCode_By_Kuerzel(z.Land)->Name.size(), 19);
    }
    EXPECT_TRUE(QLN_LaenderCode_Kuerzel_2_EU_Mitglied("d"));  // case ignored
    EXPECT_FALSE(QLN_LaenderCode_Kuerzel_2_EU_Mitglied("CH"));
    EXPECT_FALSE(QLN_LaenderCode_Kuerzel_2_EU_Mitglied("XX"));
}

TEST_F(MandLand, LeavingTheOssProcedureSetsNothingUp) {
    TestMeldungen::Erwarte("OSS-Verfahren");
    ASSERT_TRUE(TAllgTabProtokoll::Ausfuehren(*k, wrdonInsert, {}, Zeile("Modehaus Brenner GmbH", "OSS")));
    const int laender = Anzahl(TLdfile());
    const int saetze = Anzahl(Tmwfile());
    // the set-up's own records are the user's now: deleting one and leaving OSS does not bring it back
    Tmwfile mw;
    mw.OpenNew(-1);
    mw.ClearBuffer();
    mw.Land.SetKeyWert("PL");
    mw.KurzBez.SetKeyWert("OHNE");
    mw.AbDatum.SetKeyWert(QLNDatum::AusDatum(QDate(2026, 1, 1)));
    ASSERT_TRUE(mw.Get_eq());
    mw.Write(wrdonDelete);
    ASSERT_TRUE(TAllgTabProtokoll::Ausfuehren(*k, wrdonDelete, Zeilen().value(0), Zeilen().value(0)));
    EXPECT_TRUE(Zeilen().isEmpty());
    EXPECT_EQ(Anzahl(TLdfile()), laender);
    EXPECT_EQ(Anzahl(Tmwfile()), saetze - 1);
    EXPECT_EQ(TestMeldungen::Texte().filter("OSS-Verfahren").size(), 1);
}
