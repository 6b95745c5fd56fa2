#include "GruppenTestHilfe.h"
#include "host/TParameter.h"
#include "host/records/TStfile.h"
#include "host/records/TZPFile.h"
#include "host/records/Tsbfile.h"
#include "tables/TXKSaisConfigurator.h"
#include "testkit/TestDatenbank.h"

namespace {
class Saisons : public ::testing::Test {
protected:
    void SetUp() override {
        TestDatenbank::Oeffne();
        Tsbfile sb;
        sb.OpenNew(-1);
        const struct {
            const char* K;
            const char* A;
            const char* B;
        } bez[] = {{"F", "a", "Frühjahr/Sommer"}, {"H", "A", "Herbst/Winter"}, {"GJA", "a", "ganzjährig"},
                   {"ALT", "a", "Altware"}, {"X", "p", "Sonderkollektion"}};
        for (const auto& b : bez) {
            sb.ClearBuffer();
            sb.Kuerzel.SetWert(QString::fromUtf8(b.K));
            sb.AktPas.SetWert(QString::fromUtf8(b.A));
            sb.Bezeichnung.SetWert(QString::fromUtf8(b.B));
            sb.Write(wrdonInsert);
        }
        TParameter::SetIntegerValueByName(QStringLiteral("SAISKURZ"), 2);
    }
    // designation, year, season start/end, pre-order start/end, short number
    static QStringList Saison(const char* bez, const char* jahr, const char* kurz = "",
                              QStringList daten = {"01.02.2027", "31.07.2027", "01.06.2026", "30.09.2026"}) {
        return QStringList{QString::fromUtf8(bez), QString::fromUtf8(jahr)} + daten + QStringList{QString::fromUtf8(kurz)};
    }
    static QString KurzNr(const char* code, int jahr) {
        TStfile st;
        st.OpenNew(-1);
        st.ClearBuffer();
        st.SaisAbk.SetKeyWert(QString::fromUtf8(code));
        st.Jahr.SetKeyWert(jahr);
        return st.Get_eq() ? st.KurzNr.GetWert() : QStringLiteral("<fehlt>");
    }
};
const QStringList CKeineDaten{"", "", "", ""};
}  // namespace

TEST_F(Saisons, SeasonsWithoutYearHaveNeitherYearNorDates) {
    Offen<TXKSaisConfigurator> c;
    TestMeldungen::Erwarte("Das Jahr darf nicht gefüllt sein!");
    EXPECT_FALSE(c.Neu(Saison("ganzjährig", "2027", "", CKeineDaten)));
    TestMeldungen::Erwarte("Die Datumsfelder dürfen nicht gefüllt sein!");
    EXPECT_FALSE(c.Neu(Saison("Altware", "", "", {"", "", "", "01.01.2027"})));
    EXPECT_TRUE(c.Neu(Saison("ganzjährig", "", "90", CKeineDaten)));
    EXPECT_TRUE(c.Neu(Saison("Altware", "", "", CKeineDaten)));
    EXPECT_EQ(c.Zeile(0, "ganzjährig"), Saison("ganzjährig", "", "90", CKeineDaten));
    TestMeldungen::Erwarte("Diese Saison existiert bereits!");
    EXPECT_FALSE(c.Neu(Saison("ganzjährig", "", "", CKeineDaten)));
}

TEST_F(Saisons, OtherSeasonsNeedAYearAndAllFourDatesInOrder) {
    Offen<TXKSaisConfigurator> c;
    TestMeldungen::Erwarte("Die Datumsfelder müssen gefüllt sein!");
    EXPECT_FALSE(c.Neu(Saison("Frühjahr/Sommer", "2027", "", {"01.02.2027", "31.07.2027", "", ""})));
    TestMeldungen::Erwarte("vierstellig");
    EXPECT_FALSE(c.Neu(Saison("Frühjahr/Sommer", "")));
    TestMeldungen::Erwarte("Der Saisonstart liegt nach dem Saisonende!");
    EXPECT_FALSE(c.Neu(Saison("Frühjahr/Sommer", "2027", "", {"01.08.2027", "31.07.2027", "01.06.2026", "30.09.2026"})));
    TestMeldungen::Erwarte("Der Vororderstart liegt nach dem Vororderende!");
    EXPECT_FALSE(c.Neu(Saison("Frühjahr/Sommer", "2027", "", {"01.02.2027", "31.07.2027", "01.10.2026", "30.09.2026"})));
    EXPECT_TRUE(c.Neu(Saison("Frühjahr/Sommer", "2027", "11")));
    TestMeldungen::Erwarte("Diese Saison existiert bereits!");
    EXPECT_FALSE(c.Neu(Saison("Frühjahr/Sommer", "2027")));
    EXPECT_TRUE(c.Neu(Saison("Herbst/Winter", "2027")));  // "A" is active as well
    EXPECT_EQ(c->SetCount(), 2);
}

TEST_F(Saisons, ShortNumbersArePaddedToTheAllowedDigits) {
    Offen<TXKSaisConfigurator> c;
    EXPECT_TRUE(c.Neu(Saison("Frühjahr/Sommer", "2027", "7")));
    EXPECT_EQ(KurzNr("F", 2027), "07");
    TestMeldungen::Erwarte("Die Kurznummer ist zu lang");
    EXPECT_FALSE(c.Neu(Saison("Herbst/Winter", "2027", "123")));
    EXPECT_TRUE(c.Neu(Saison("Herbst/Winter", "2027", "012")));  // the number 12 has two digits
    EXPECT_EQ(KurzNr("H", 2027), "12");

    // the change writes the changed dates and pads again
    const QStringList alt = c.Zeile(0, "Frühjahr/Sommer");
    QStringList neu = alt;
    neu[c->FFieldIndSaisEnde] = "15.08.2027";
    neu[c->FFieldIndKurzNr] = "8";
    EXPECT_TRUE(c.Aendern(alt, neu));
    neu[c->FFieldIndKurzNr] = "08";
    EXPECT_EQ(c.Zeile(0, "Frühjahr/Sommer"), neu);
    EXPECT_FALSE(c->SwitchControlEnabled_4_Mode_Edit(c->FFieldIndSaisAbk));
    EXPECT_FALSE(c->SwitchControlEnabled_4_Mode_Edit(c->FFieldIndJahr));
}

TEST_F(Saisons, PassiveDesignationsStillShowTheirTextButAreNotOffered) {
    TStfile st;
    st.OpenNew(-1);
    st.ClearBuffer();
    st.SaisAbk.SetWert(QStringLiteral("X"));
    st.Jahr.SetWert(2025);
    st.Write(wrdonInsert);
    Offen<TXKSaisConfigurator> c;
    QStringList werte;
    c->FillWertevorrat(c->FFieldIndSaisAbk, werte);
    EXPECT_EQ(werte, (QStringList{"Altware", "Frühjahr/Sommer", "ganzjährig", "Herbst/Winter"}));
    EXPECT_EQ(c.Zeilen().value(0).value(0), "Sonderkollektion");
    EXPECT_EQ(c.Zeilen().value(0).value(1), "2025");
    EXPECT_THROW(c->KurzBez4LangBez("Unbekannt"), std::exception);
}

TEST_F(Saisons, ASeasonWithPricesIsNotDeleted) {
    Offen<TXKSaisConfigurator> c;
    ASSERT_TRUE(c.Neu(Saison("Frühjahr/Sommer", "2027")));
    ASSERT_TRUE(c.Neu(Saison("Frühjahr/Sommer", "2028", "", {"01.02.2028", "31.07.2028", "01.06.2027", "30.09.2027"})));
    ASSERT_TRUE(c.Neu(Saison("Altware", "", "", CKeineDaten)));
    TZPFile zp;
    zp.OpenNew(-1);
    zp.ClearBuffer();
    zp.ArtNr.SetWert(QStringLiteral("100007"));
    zp.Lnr.SetWert(1);
    zp.Sais1Abk.SetWert(QStringLiteral("H"));  // another season first
    zp.Sais1Jahr.SetWert(2027);
    zp.Sais2Abk.SetWert(QStringLiteral("f"));  // the code in any case
    zp.Sais2Jahr.SetWert(2027);
    zp.Write(wrdonInsert);
    zp.ClearBuffer();
    zp.ArtNr.SetWert(QStringLiteral("100014"));
    zp.Lnr.SetWert(1);
    zp.Sais1Abk.SetWert(QStringLiteral("ALT"));
    zp.Write(wrdonInsert);

    TestMeldungen::Erwarte("wird noch benutzt");
    EXPECT_FALSE(c.Loeschen(c.Zeile(1, "2027")));
    TestMeldungen::Erwarte("wird noch benutzt");
    EXPECT_FALSE(c.Loeschen(c.Zeile(0, "Altware")));
    EXPECT_TRUE(c.Loeschen(c.Zeile(1, "2028")));  // the same designation in another year
    EXPECT_EQ(c.Zeilen().size(), 2);
}
