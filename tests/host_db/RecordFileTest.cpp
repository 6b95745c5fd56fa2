#include "host/Exception.h"
#include "host/QLNBuchung.h"
#include "host/db/TQLNDatenbank.h"
#include "host/records/TAAFile.h"
#include "host/records/TDBSchema.h"
#include "host/records/TKONZFile.h"
#include "host/records/Tfarbfile.h"
#include "host/records/Tgmerfile.h"
#include "testkit/TestDatenbank.h"

#include <QThread>
#include <gtest/gtest.h>

namespace {
// Every test of this suite runs on each backend: the record files must behave
// the same on the embedded file and on the server.
class RecordFile : public TestDatenbank::BeideBackends {
protected:
    static void Farbe(Tfarbfile& f, const QString& nr, const QString& bez) {
        f.ClearBuffer();
        f.Nummer.SetWert(nr);
        f.Bezeichnung.SetWert(bez);
        f.Write(wrdonInsert);
    }
    static void Gmer(Tgmerfile& g, const QString& typ, int rnr, int lnr) {
        g.ClearBuffer();
        g.Typ.SetWert(typ);
        g.Rnr.SetWert(rnr);
        g.Lnr.SetWert(lnr);
        g.Bezeichnung.SetWert(QStringLiteral("%1-%2-%3").arg(typ).arg(rnr).arg(lnr));
        g.Write(wrdonInsert);
    }
    static QStringList Alle(Tfarbfile& f) {
        QStringList out;
        f.ClearBuffer();
        f.SetIndex(f.IndexPrimaer);
        for (bool ok = f.Get_first_extMode(); ok; ok = f.Get_next_extMode()) out << f.Nummer.GetWert();
        return out;
    }
};
}  // namespace

TEST_P(RecordFile, KeysAreTheTextAsTypedInCodePointOrder) {
    Tfarbfile f;
    f.OpenNew(-1);
    for (const char* nr : {"12", "0012", "2", "0000", "100"}) Farbe(f, nr, "x");
    EXPECT_EQ(Alle(f), (QStringList{"0000", "0012", "100", "12", "2"}));
    EXPECT_EQ(f.GetCount(), 5);
    EXPECT_THROW(Farbe(f, "12", "doppelt"), Exception);
    EXPECT_EQ(f.GetCount(), 5);
}

TEST_P(RecordFile, WalkCrossesBatchesAndPositioningReads) {
    Tgmerfile g;
    g.OpenNew(-1);
    {
        QLNBuchung b(1, "fill");
        for (int i = 1; i <= 2 * TZEV_DBFile::CBatch + 17; ++i) Gmer(g, "E", 1 + i % 3, i);
        b.Ende("fill");
    }
    int n = 0;
    int letzteRnr = 0, letzteLnr = 0;
    g.ClearBuffer();
    for (bool ok = g.Get_first(); ok; ok = g.Get_next()) {
        const int r = g.Rnr.GetWert(), l = g.Lnr.GetWert();
        ASSERT_TRUE(r > letzteRnr || (r == letzteRnr && l > letzteLnr)) << r << "/" << l;
        letzteRnr = r;
        letzteLnr = l;
        ++n;
    }
    EXPECT_EQ(n, 2 * TZEV_DBFile::CBatch + 17);
    EXPECT_FALSE(g.Get_next());  // stays at the end
    EXPECT_EQ(g.Rnr.GetWert(), letzteRnr);

    // le with the highest running number finds this computer's last record
    g.ClearBuffer();
    g.Typ.SetKeyWert(QChar('E'));
    g.Rnr.SetKeyWert(2);
    g.Lnr.SetKeyWert(TDatenfeld_Integer::CMaxWert);
    ASSERT_TRUE(g.Get_le());
    EXPECT_EQ(g.Rnr.GetWert(), 2);
    EXPECT_EQ(g.Lnr.GetWert(), 2 * TZEV_DBFile::CBatch + 17);  // the highest i with i % 3 == 1
    EXPECT_TRUE(g.Get_next());  // a walk goes on forward from there
    EXPECT_EQ(g.Rnr.GetWert(), 3);
    // ge from a key between records
    g.ClearBuffer();
    g.Typ.SetKeyWert(QChar('E'));
    g.Rnr.SetKeyWert(3);
    ASSERT_TRUE(g.Get_ge());
    EXPECT_EQ(g.Rnr.GetWert(), 3);
    EXPECT_EQ(g.Lnr.GetWert(), 2);
    ASSERT_TRUE(g.Get_last());
    EXPECT_EQ(g.Rnr.GetWert(), 3);
    g.ClearBuffer();
    g.Typ.SetKeyWert(QChar('A'));  // before every record
    EXPECT_FALSE(g.Get_le());
}

TEST_P(RecordFile, FiltersMaximumAndExistence) {
    Tgmerfile g;
    g.OpenNew(-1);
    for (int i = 1; i <= 5; ++i) {
        Gmer(g, "L", 1, i);
        Gmer(g, "F", 1, i);
        Gmer(g, "L", 2, i);
    }
    g.ClearBuffer();
    g.ExtendedFilterAdd(g.Typ, TExtFilterOp::Gleich, "L");
    g.Rnr.SetFilter(1);
    g.Lnr.SetFilterMinMax(2, 4);
    QList<int> gelesen;
    for (bool ok = g.Get_first_extMode(); ok; ok = g.Get_next_extMode()) gelesen << g.Lnr.GetWert();
    EXPECT_EQ(gelesen, (QList<int>{2, 3, 4}));
    ASSERT_TRUE(g.Get_last_extMode());
    EXPECT_EQ(g.Lnr.GetWert(), 4);
    g.ExtendedMaxReceive_Set(2);
    gelesen.clear();
    for (bool ok = g.Get_first_extMode(); ok; ok = g.Get_next_extMode()) gelesen << g.Lnr.GetWert();
    EXPECT_EQ(gelesen, (QList<int>{2, 3}));
    EXPECT_TRUE(g.Get_exists_extMode());
    g.Lnr.SetFilterMin(9);
    EXPECT_FALSE(g.Get_exists_extMode());
    g.ExtendedFilterClear();
    EXPECT_TRUE(g.Get_first_extMode());  // everything again
    EXPECT_EQ(g.Typ.GetWert(), "F");
    // plain reads ignore filters
    g.Rnr.SetFilter(2);
    ASSERT_TRUE(g.Get_first());
    EXPECT_EQ(g.Rnr.GetWert(), 1);
}

TEST_P(RecordFile, ReadEqualUpdateAndDeleteTheRecordLastRead) {
    Tfarbfile f;
    f.OpenNew(-1);
    Farbe(f, "1", "Rot");
    Farbe(f, "2", "Grün");
    Farbe(f, "3", "Blau");
    f.ClearBuffer();
    f.Nummer.SetKeyWert(QStringLiteral("4"));
    EXPECT_FALSE(f.Get_eq());
    EXPECT_EQ(f.Nummer.GetWert(), "4");  // the buffer keeps the key the caller set
    EXPECT_THROW(f.Write(wrdonUpdate), Exception);  // nothing read: nothing written
    EXPECT_THROW(f.Write(wrdonDelete), Exception);
    f.Nummer.SetKeyWert(QStringLiteral("2"));
    ASSERT_TRUE(f.Get_eq());
    EXPECT_EQ(f.Bezeichnung.GetWert(), "Grün");
    f.Bezeichnung.SetWert("Mint");
    f.Nummer.SetWert("22");  // the key may change too
    f.Write(wrdonUpdate);
    EXPECT_TRUE(f.Get_next());
    EXPECT_EQ(f.Nummer.GetWert(), "3");  // the walk goes on behind the new key
    f.Write(wrdonDelete);
    EXPECT_EQ(Alle(f), (QStringList{"1", "22"}));
    // Another workstation deleted the record in between: the update says so.
    f.ClearBuffer();
    f.Nummer.SetKeyWert(QStringLiteral("1"));
    ASSERT_TRUE(f.Get_eq());
    Tfarbfile zweite;
    zweite.Open(254);
    zweite.Nummer.SetKeyWert(QStringLiteral("1"));
    ASSERT_TRUE(zweite.Get_eq());
    zweite.Write(wrdonDelete);
    zweite.Close();
    f.Bezeichnung.SetWert("Weinrot");
    EXPECT_THROW(f.Write(wrdonUpdate), Exception);
}

TEST_P(RecordFile, OverlongTextIsRefusedAndNothingIsWritten) {
    Tfarbfile f;
    f.OpenNew(-1);
    EXPECT_THROW(Farbe(f, "12345", "x"), Exception);
    EXPECT_THROW(Farbe(f, "1", QString(21, QChar('a'))), Exception);
    EXPECT_EQ(f.GetCount(), 0);
    Tfarbfile zu;
    EXPECT_THROW(zu.Get_first(), Exception);  // not open
}

TEST_P(RecordFile, PairKeysAndBlobStreams) {
    TKONZFile k;
    k.OpenNew(-1);
    for (auto id : {TIntPair{2, 1}, TIntPair{1, 5}, TIntPair{1, 2}}) {
        k.ClearBuffer();
        k.Id.SetWert(id);
        k.Name.SetWert(QStringLiteral("G%1").arg(id.B));
        k.Write(wrdonInsert);
    }
    k.ClearBuffer();
    QList<TIntPair> ids;
    for (bool ok = k.Get_first(); ok; ok = k.Get_next()) ids << k.Id.GetWert();
    EXPECT_EQ(ids, (QList<TIntPair>{{1, 2}, {1, 5}, {2, 1}}));
    k.ClearBuffer();
    k.Id.SetKeyWert({1, 5});
    ASSERT_TRUE(k.Get_eq());
    EXPECT_EQ(k.Name.GetWert(), "G5");
}

TEST_P(RecordFile, PostingCommitsTogetherOrNotAtAll) {
    Tfarbfile f;
    f.OpenNew(-1);
    qint64 id1 = 0;
    try {
        QLNBuchung b(7, "Test.Buchen");
        Farbe(f, "1", "Rot");
        id1 = b.ProtokollId();
        Farbe(f, "1", "doppelt");  // fails half-way
        b.Ende("Test.Buchen");
    } catch (const Exception&) {
    }
    EXPECT_GT(id1, 0);
    EXPECT_EQ(f.GetCount(), 0);
    {
        QLNBuchung aussen(7, "Aussen");
        Farbe(f, "1", "Rot");
        {
            QLNBuchung innen(7, "Innen");
            Farbe(f, "2", "Grün");
        }  // not ended: only the inner part rolls back
        const qint64 id2 = aussen.ProtokollId();
        EXPECT_GT(id2, 0);
        EXPECT_THROW(aussen.Ende("Falsch"), Exception);
        aussen.Ende("Aussen");
    }
    EXPECT_EQ(Alle(f), QStringList{"1"});
}

TEST_P(RecordFile, WorkerThreadUsesItsOwnConnection) {
    Tfarbfile f;
    f.OpenNew(-1);
    Farbe(f, "7", "Gelb");
    bool gefunden = false;
    const Connection* fremd = nullptr;
    std::unique_ptr<QThread> t(QThread::create([&] {
        Tfarbfile w;
        w.Open(2, -1);
        w.Nummer.SetFilterMinMax("7", "7");
        w.ExtendedMaxReceive_Set(1);
        w.Nummer.SetUsedField();
        gefunden = w.Get_exists_extMode();
        fremd = &TQLNDatenbank::Verbindung();
    }));
    t->start();
    t->wait();
    EXPECT_TRUE(gefunden);
    EXPECT_NE(fremd, &TQLNDatenbank::Verbindung());
}

TEST_P(RecordFile, SchemaUpgradeAddsColumnsAndRefusesNewerDatabases) {
    Connection& c = TQLNDatenbank::Verbindung();
    c.Exec("DROP TABLE farb");
    c.Exec("CREATE TABLE farb (nummer TEXT NOT NULL PRIMARY KEY)");
    c.Exec("INSERT INTO farb (nummer) VALUES ('5')");
    TDBSchema::Aktualisiere(c);
    Tfarbfile f;
    f.OpenNew(-1);
    f.ClearBuffer();
    f.Nummer.SetKeyWert(QStringLiteral("5"));
    ASSERT_TRUE(f.Get_eq());
    EXPECT_EQ(f.Bezeichnung.GetWert(), "");
    c.Exec("UPDATE schema_info SET wert = '99' WHERE name = 'version'");
    EXPECT_THROW(TDBSchema::Aktualisiere(c), Exception);
}

INSTANTIATE_TEST_SUITE_P(, RecordFile, TestDatenbank::Backends(), TestDatenbank::BackendName);
