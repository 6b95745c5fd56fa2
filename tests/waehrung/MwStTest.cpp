#include "WaehrungTestHilfe.h"
#include "host/records/TAAFile.h"
#include "host/records/Tatpafile.h"
#include "host/records/Tlarfile.h"
#include "host/records/Tmwfile.h"
#include "host/ui/TAllgTabProtokoll.h"
#include "host/ui/TQLNForm.h"
#include "tables/TXKMWSTConfigurator.h"

#include <QTimer>

using namespace WaehrungTest;

namespace {
class MwSt : public Konfig<TXKMWSTConfigurator> {
protected:
    bool Neu(const QString& land, const QString& kurz, const QString& lang, const QString& ab, const QString& prozent) {
        return TAllgTabProtokoll::Ausfuehren(*k, wrdonInsert, {}, {land, kurz, lang, ab, prozent});
    }
    bool Loesche(const QStringList& z) { return TAllgTabProtokoll::Ausfuehren(*k, wrdonDelete, z, z); }
};
}  // namespace

TEST_F(MwSt, AnEmptyPercentageIsWrittenAsZeroOnlyAfterYes) {
    TestMeldungen::Erwarte("Kein Prozentsatz angeben.\nSoll ein MWST.-Satz mit Prozentsatz = 0,00 % gebucht", mrNein);
    EXPECT_FALSE(Neu("D", "OHNE", "steuerfrei", "01.01.2020", ""));
    EXPECT_TRUE(Zeilen().isEmpty());
    TestMeldungen::Erwarte("Prozentsatz = 0,00 %", mrJa);
    EXPECT_TRUE(Neu("D", "OHNE", "steuerfrei", "01.01.2020", "  "));
    EXPECT_EQ(Zeilen(), (QList<QStringList>{{"D", "OHNE", "steuerfrei", "01.01.2020", "0,00"}}));
    EXPECT_EQ(TestMeldungen::Gezeigt().first().Nummer, 981);
    EXPECT_EQ(TestMeldungen::Gezeigt().first().Kategorie, "STANDARD");
    // a real percentage asks nothing
    EXPECT_TRUE(Neu("D", "VOLL", "Regelsteuersatz", "01.01.2007", "19"));
}

TEST_F(MwSt, ChecksAndTheNewLineFollowTheSession) {
    QStringList neu;
    k->FillNewLine(neu);
    EXPECT_EQ(neu, (QStringList{"D", "", "", Tag(0), ""}));
    EXPECT_FALSE(k->SwitchControlEnabled_4_Mode_Edit(k->FFieldIndLand));
    EXPECT_TRUE(k->SwitchControlEnabled_4_Mode_Edit(k->FFieldIndProzent));
    TestMeldungen::Erwarte("Bitte geben Sie ein Land ein.");
    EXPECT_FALSE(k->BuchenTesten(wrdonInsert, {}, {" ", "VOLL", "Regel", "01.01.2007", "19"}));
    TestMeldungen::Erwarte("Langbezeichnung");
    EXPECT_FALSE(k->BuchenTesten(wrdonInsert, {}, {"D", "VOLL", "", "01.01.2007", "19"}));
    TestMeldungen::Erwarte("Kurzbezeichnung");
    EXPECT_FALSE(k->BuchenTesten(wrdonInsert, {}, {"D", "", "Regel", "01.01.2007", "19"}));
    TestMeldungen::Erwarte("Ab-Datum");
    EXPECT_FALSE(k->BuchenTesten(wrdonInsert, {}, {"D", "VOLL", "Regel", "31.02.2007", "19"}));
}

TEST_F(MwSt, AChangeReplacesTheRecordUnderItsNewDate) {
    ASSERT_TRUE(Neu("D", "VOLL", "Regelsteuersatz", "01.01.2007", "19"));
    ASSERT_TRUE(TAllgTabProtokoll::Ausfuehren(*k, wrdonUpdate, Zeilen().value(0),
                                              {"D", "VOLL", "Regelsteuersatz", "01.07.2020", "16,5"}));
    EXPECT_EQ(Zeilen(), (QList<QStringList>{{"D", "VOLL", "Regelsteuersatz", "01.07.2020", "16,50"}}));
}

TEST_F(MwSt, TheDeleteTestLooksInArticlesServicesAndBothPricesInAWorker) {
    for (const char* kz : {"VOLL", "ERM", "DL", "EK", "OHNE"}) ASSERT_TRUE(Neu("D", kz, "Satz", "01.01.2020", "7"));
    TAAFile aa;
    aa.OpenNew(-1);
    aa.ClearBuffer();
    aa.ArtNr.SetWert("1");
    aa.MwSt.SetWert("VOLL");
    aa.Write(wrdonInsert);
    Tlarfile lar;
    lar.OpenNew(-1);
    lar.ClearBuffer();
    lar.Nummer.SetWert(1);
    lar.MwSt.SetWert("DL");
    lar.Write(wrdonInsert);
    Tatpafile atpa;
    atpa.OpenNew(-1);
    atpa.ClearBuffer();
    atpa.ArtNr.SetWert("1");
    atpa.VkMwSt.SetWert("ERM");
    atpa.EkMwSt.SetWert("EK");  // the purchase VAT: the fourth file object
    atpa.Write(wrdonInsert);

    TQLNForm fenster;
    k->SetAktivesFenster(&fenster);
    bool progress = false;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { progress = progress || fenster.ProgressVisible(); });
    timer.start(5);
    const auto zeile = [&](const QString& kz) {
        for (const QStringList& z : Zeilen())
            if (z[1] == kz) return z;
        return QStringList();
    };
    for (const char* kz : {"VOLL", "ERM", "DL", "EK"}) {
        TestMeldungen::Erwarte("Dieser MwSt.-Satz ist in Benutzung. Löschen nicht möglich.");
        EXPECT_FALSE(Loesche(zeile(kz))) << kz;
    }
    EXPECT_TRUE(Loesche(zeile("OHNE")));
    EXPECT_EQ(Zeilen().size(), 4);
    EXPECT_FALSE(fenster.ProgressVisible());
    k->SetAktivesFenster(nullptr);
}

TEST(MwStWorker, ReturnsOneAtTheFirstFileThatUsesTheRateAndZeroOtherwise) {
    TestDatenbank::Oeffne();
    Tatpafile atpa;
    atpa.OpenNew(-1);
    atpa.ClearBuffer();
    atpa.ArtNr.SetWert("7");
    atpa.EkMwSt.SetWert("EK");
    atpa.Write(wrdonInsert);
    TMwStBuchenTestenThread benutzt(QStringLiteral("EK"));
    EXPECT_EQ(benutzt.Ausfuehren(nullptr), 1);
    EXPECT_TRUE(benutzt.isFinished());
    TMwStBuchenTestenThread frei(QStringLiteral("ERM"));
    EXPECT_EQ(frei.Ausfuehren(nullptr), 0);
}
