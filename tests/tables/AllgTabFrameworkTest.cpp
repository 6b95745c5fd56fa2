#include "host/Exception.h"
#include "host/QLNBuchung.h"
#include "host/records/TAAFile.h"
#include "host/records/Tgmerfile.h"
#include "host/ui/TQLNForm.h"
#include "host/ui/TQLNDatumEdit.h"
#include "host/ui/TXKEingabeRegel.h"
#include "registry/TXKAllgTabConfigurator.h"
#include "registry/TZEV_BuchenTestenThread.h"
#include "testkit/TestDatenbank.h"
#include "testkit/TestMeldungen.h"
#include "testkit/TestUmgebung.h"

#include <QTimer>
#include <gtest/gtest.h>

namespace {
void Artikel(TAAFile& aa, const QString& nr, const QString& v1, const QString& v3 = {}) {
    aa.ClearBuffer();
    aa.ArtNr.SetWert(nr);
    aa.Variante1.SetWert(v1);
    aa.Variante3.SetWert(v3);
    aa.Write(wrdonInsert);
}
void Gmer(Tgmerfile& g, const QString& typ, int rnr, int lnr) {
    g.ClearBuffer();
    g.Typ.SetWert(typ);
    g.Rnr.SetWert(rnr);
    g.Lnr.SetWert(lnr);
    g.Write(wrdonInsert);
}
}  // namespace

TEST(DeleteTest, ScanStopsAtTheFirstMatchIgnoringCase) {
    TestDatenbank::Oeffne();
    TAAFile aa;
    aa.OpenNew(-1);
    for (int i = 1; i <= 50; ++i) Artikel(aa, QStringLiteral("%1").arg(i, 3, 10, QChar('0')), i == 20 ? "weit" : "");
    Artikel(aa, "900", "", "GORE");
    TAAFile scan;
    scan.OpenNew(-1);
    const QList<TDatenfeld_String*> felder{&scan.Variante1, &scan.Variante2, &scan.Variante3};
    EXPECT_TRUE(TXKAllgTabConfigurator::ScanneVerwendung(scan, felder, "WEIT", "Artikelstamm nach Variante durchsuchen...",
                                                         "gelesene Artikel"));
    EXPECT_EQ(scan.ArtNr.GetWert(), "020");  // the scan ended at the match
    EXPECT_TRUE(TXKAllgTabConfigurator::ScanneVerwendung(scan, felder, "gore", "x", "y"));  // third field
    EXPECT_FALSE(TXKAllgTabConfigurator::ScanneVerwendung(scan, felder, "BIO", "x", "y"));
}

namespace {
class LangsamerTest : public TZEV_BuchenTestenThread {
public:
    explicit LangsamerTest(int ergebnis, bool fehler = false) : FErgebnis(ergebnis), FFehler(fehler) {}
    std::atomic<bool> Fertig{false};

protected:
    int Pruefe() override {
        msleep(450);
        Fertig = true;
        if (FFehler) throw Exception("Tabelle nicht lesbar");
        return FErgebnis;
    }

private:
    int FErgebnis;
    bool FFehler;
};
}  // namespace

TEST(DeleteTest, WorkerResultIsReadOnlyAfterTheWorkerEndedWhileTheWindowStaysResponsive) {
    TQLNForm fenster;
    fenster.resize(400, 300);
    int ticks = 0;
    bool progressSichtbar = false;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        ++ticks;
        progressSichtbar = progressSichtbar || fenster.ProgressVisible();
    });
    timer.start(50);
    LangsamerTest t(1);
    EXPECT_EQ(t.Ausfuehren(&fenster), 1);
    EXPECT_TRUE(t.Fertig);
    EXPECT_TRUE(t.isFinished());
    EXPECT_GE(ticks, 2);  // window messages were processed while waiting
    EXPECT_TRUE(progressSichtbar);
    EXPECT_FALSE(fenster.ProgressVisible());
    LangsamerTest frei(0);
    EXPECT_EQ(frei.Ausfuehren(&fenster), 0);
    // A failing worker refuses the delete and is reported.
    TestMeldungen::Erwarte("Tabelle nicht lesbar");
    LangsamerTest kaputt(0, true);
    EXPECT_EQ(kaputt.Ausfuehren(nullptr), 1);
}

TEST(RunningNumber, LabelFormatsUseTheLastNumberOfThisComputer) {
    TestDatenbank::Oeffne();
    Tgmerfile g;
    g.OpenNew(-1);
    EXPECT_EQ(TXKAllgTabConfigurator::NaechsteLnrEtikettFormat(g), 1);
    Gmer(g, "E", 1, 4);
    Gmer(g, "E", 2, 9);  // another computer's
    Gmer(g, "F", 1, 50);  // another type
    EXPECT_EQ(TXKAllgTabConfigurator::NaechsteLnrEtikettFormat(g), 5);
    Gmer(g, "E", 1, TDatenfeld_Integer::CMaxWert);
    try {
        TXKAllgTabConfigurator::NaechsteLnrEtikettFormat(g);
        FAIL();
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "No Lfd GMERFile typ E available!");
    }
}

TEST(RunningNumber, OtherGroupsTakeTheHighestOverTheirTypes) {
    TestDatenbank::Oeffne();
    Tgmerfile g;
    g.OpenNew(-1);
    EXPECT_EQ(TXKAllgTabConfigurator::NaechsteLnrGmer(g, {"L"}), 1);
    Gmer(g, "L", 1, 3);
    Gmer(g, "N", 1, 7);
    Gmer(g, "L", 2, 40);
    EXPECT_EQ(TXKAllgTabConfigurator::NaechsteLnrGmer(g, {"L"}), 4);
    EXPECT_EQ(TXKAllgTabConfigurator::NaechsteLnrGmer(g, {"L", "N"}), 8);
    auto d = TestUmgebung::StandardSitzung();
    d.RId = 2;
    TestUmgebung::SetzeSitzung(d);
    EXPECT_EQ(TXKAllgTabConfigurator::NaechsteLnrGmer(g, {"L"}), 41);
    Gmer(g, "L", 2, TDatenfeld_Integer::CMaxWert - 1);
    EXPECT_THROW(TXKAllgTabConfigurator::NaechsteLnrGmer(g, {"L"}), Exception);
}

TEST(InputRules, ClassCodesAndCharacterLists) {
    TXKFeld f;
    f.Caption = "Format";
    f.MinLaenge = 3;
    f.MaxLaenge = 8;
    f.Erlaubt = "c0";
    TXKEingabeRegel r(f);
    EXPECT_TRUE(TXKEingabeRegel::IstKlassenCode("c9 "));
    EXPECT_FALSE(TXKEingabeRegel::IstKlassenCode("0123456789"));
    EXPECT_EQ(r.Bereinige("80 x-40"), "80x40");
    f.Erlaubt = "C9 ";
    EXPECT_EQ(TXKEingabeRegel(f).Bereinige("a9a 9a9"), "A9A 9A9");
    f.Erlaubt = "123456789";
    EXPECT_EQ(TXKEingabeRegel(f).Bereinige("0192"), "192");
    f.Erlaubt = {};
    EXPECT_TRUE(TXKEingabeRegel(f).Pruefe("", true).isEmpty());  // empty is the configurator's to judge
    EXPECT_FALSE(TXKEingabeRegel(f).Pruefe("", false).isEmpty());
    EXPECT_TRUE(TXKEingabeRegel(f).Pruefe("ab", true).contains("mindestens 3"));
    // A value-list field shows words for one-character codes: the word is no refusal.
    TXKFeld liste;
    liste.Caption = "änderbar";
    liste.MinLaenge = 1;
    liste.MaxLaenge = 1;
    liste.Wertevorrat = true;
    EXPECT_TRUE(TXKEingabeRegel(liste).Pruefe("nein", false).isEmpty());
    EXPECT_FALSE(TXKEingabeRegel(liste).Pruefe("", false).isEmpty());
    TXKFeld z;
    z.Caption = "Wert";
    z.Art = TXKFeldArt::Integer;
    z.Minimum = 1;
    z.Maximum = 12;
    EXPECT_TRUE(TXKEingabeRegel(z).Pruefe("13", true).contains("zwischen 1 und 12"));
    EXPECT_TRUE(TXKEingabeRegel(z).Pruefe("x", true).contains("ganze Zahl"));
    // Dates: typed short forms are read, impossible days refused, empty left to the configurator.
    EXPECT_EQ(TQLNDatumEdit::Lies("1.2.26"), QDate(2026, 2, 1));
    EXPECT_EQ(TQLNDatumEdit::Lies("29.02.2024"), QDate(2024, 2, 29));
    EXPECT_FALSE(TQLNDatumEdit::Lies("29.02.2025").isValid());
    EXPECT_FALSE(TQLNDatumEdit::Lies("2025-02-01").isValid());
    TXKFeld d;
    d.Caption = "gültig ab";
    d.Art = TXKFeldArt::Date;
    EXPECT_TRUE(TXKEingabeRegel(d).Pruefe("", true).isEmpty());
    EXPECT_TRUE(TXKEingabeRegel(d).Pruefe("31.04.2026", true).contains("kein gültiges Datum"));
    TXKFeld k;
    k.Caption = "Kurs";
    k.Art = TXKFeldArt::Float;
    k.Vorkomma = 5;
    k.Nachkomma = 6;
    EXPECT_TRUE(TXKEingabeRegel(k).Pruefe("81300,813008", true).isEmpty());
    EXPECT_FALSE(TXKEingabeRegel(k).Pruefe("123456,1", true).isEmpty());
    EXPECT_FALSE(TXKEingabeRegel(k).Pruefe("1,1234567", true).isEmpty());
}
