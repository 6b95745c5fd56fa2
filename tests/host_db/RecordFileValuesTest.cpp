// Values as they travel through each backend: text order and text content,
// integers at their limits, doubles, dates and large objects.

#include "host/Exception.h"
#include "host/QLNBuchung.h"
#include "host/db/TQLNDatenbank.h"
#include "host/records/TDBSchema.h"
#include "host/records/Tfarbfile.h"
#include "host/records/Tgmerfile.h"
#include "testkit/TestDatenbank.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {
// A table with a large-object part; only these tests have it.
class TBildTestfile : public TZEV_DBFile {
public:
    TBildTestfile()
        : TZEV_DBFile(QStringLiteral("bildtest")),
          Nr(AddInteger(QStringLiteral("NR"))),
          Preis(AddFloat(QStringLiteral("PREIS"))),
          Zeit(AddDateTime(QStringLiteral("ZEIT"))),
          Bild(AddBlob(QStringLiteral("BILD"))),
          IndexPrimaer(AddIndex(QStringLiteral("primaer"), {&Nr})) {}
    TDatenfeld_Integer& Nr;
    TDatenfeld_Float& Preis;
    TDatenfeld_DateTime& Zeit;
    TDatenfeld_Blob& Bild;
    int IndexPrimaer;
};

class RecordFileValues : public TestDatenbank::BeideBackends {
protected:
    static void Farbe(Tfarbfile& f, const QString& nr, const QString& bez) {
        f.ClearBuffer();
        f.Nummer.SetWert(nr);
        f.Bezeichnung.SetWert(bez);
        f.Write(wrdonInsert);
    }
    static QStringList Alle(Tfarbfile& f) {
        QStringList out;
        f.SetIndex(f.IndexPrimaer);
        for (bool ok = f.Get_first_extMode(); ok; ok = f.Get_next_extMode()) out << f.Nummer.GetWert();
        return out;
    }
};
}  // namespace

TEST_P(RecordFileValues, TextKeysSortByCodePointWhateverTheServerLocale) {
    Tfarbfile f;
    f.OpenNew(-1);
    for (const char* nr : {"a", "B", "ä", "Ä", "z", "Z1", "é", "b b"}) Farbe(f, QString::fromUtf8(nr), "x");
    // A linguistic collation would give a, Ä, ä, b b, B, ...
    const QStringList codepunkte{"B", "Z1", "a", "b b", "z", "Ä", "ä", "é"};
    f.ClearBuffer();
    EXPECT_EQ(Alle(f), codepunkte);
    // positioning and range filters follow the same order
    f.ClearBuffer();
    f.Nummer.SetKeyWert(QStringLiteral("b"));
    ASSERT_TRUE(f.Get_ge());
    EXPECT_EQ(f.Nummer.GetWert(), "b b");
    f.ClearBuffer();
    f.Nummer.SetKeyWert(QStringLiteral("Zz"));
    ASSERT_TRUE(f.Get_le());
    EXPECT_EQ(f.Nummer.GetWert(), "Z1");
    f.ClearBuffer();
    f.Nummer.SetFilterMinMax(QStringLiteral("Z"), QStringLiteral("z"));
    EXPECT_EQ(Alle(f), (QStringList{"Z1", "a", "b b", "z"}));
}

TEST_P(RecordFileValues, TextComesBackAsWritten) {
    Tfarbfile f;
    f.OpenNew(-1);
    // quotes, a question mark and a backslash are values, not SQL
    const QString bez = QString::fromUtf8("Grün 'x' ?\\ \xF0\x9F\x98\x80 $1");
    Farbe(f, QStringLiteral("?"), bez);
    Farbe(f, QStringLiteral("'"), QString());
    f.ClearBuffer();
    f.Nummer.SetKeyWert(QStringLiteral("?"));
    ASSERT_TRUE(f.Get_eq());
    EXPECT_EQ(f.Bezeichnung.GetWert(), bez);
    f.ClearBuffer();
    f.Nummer.SetKeyWert(QStringLiteral("'"));
    ASSERT_TRUE(f.Get_eq());
    EXPECT_EQ(f.Bezeichnung.GetWert(), QString());
}

TEST_P(RecordFileValues, IntegersAtTheirLimitsAndExactDoubles) {
    Tgmerfile g;
    g.OpenNew(-1);
    for (const qint32 lnr : {TDatenfeld_Integer::CMaxWert, qint32(-2147483647 - 1), 0, -1}) {
        g.ClearBuffer();
        g.Typ.SetWert(QStringLiteral("X"));
        g.Lnr.SetWert(lnr);
        g.Write(wrdonInsert);
    }
    QList<qint32> gelesen;
    g.ClearBuffer();
    for (bool ok = g.Get_first(); ok; ok = g.Get_next()) gelesen << g.Lnr.GetWert();
    EXPECT_EQ(gelesen, (QList<qint32>{-2147483647 - 1, -1, 0, TDatenfeld_Integer::CMaxWert}));

    TDBSchema::Aktualisiere(TQLNDatenbank::Verbindung(), {TBildTestfile().Deklaration()});
    TBildTestfile b;
    b.OpenNew(-1);
    const QList<double> preise{0.1, 1.0 / 3.0, -123456.789, 1e-300, 5e307};
    for (int i = 0; i < preise.size(); ++i) {
        b.ClearBuffer();
        b.Nr.SetWert(i);
        b.Preis.SetWert(preise[i]);
        b.Zeit.SetWert(46000.0 + preise[i] / 7.0);  // a date with a time of day
        b.Write(wrdonInsert);
    }
    b.ClearBuffer();
    int i = 0;
    for (bool ok = b.Get_first(); ok; ok = b.Get_next(), ++i) {
        EXPECT_EQ(b.Preis.GetWert(), preise[i]) << i;  // bit for bit, not nearly
        EXPECT_EQ(b.Zeit.GetWert(), 46000.0 + preise[i] / 7.0) << i;
    }
    EXPECT_EQ(i, preise.size());
    // a filter on a double finds the value it was given
    b.ClearBuffer();
    b.Preis.SetFilter(1.0 / 3.0);
    ASSERT_TRUE(b.Get_first_extMode());
    EXPECT_EQ(b.Nr.GetWert(), 1);
}

TEST_P(RecordFileValues, LargeObjectsKeepEveryByte) {
    TDBSchema::Aktualisiere(TQLNDatenbank::Verbindung(), {TBildTestfile().Deklaration()});
    QByteArray bild;
    for (int i = 0; i < 256 * 1024; ++i) bild.append(char(i * 7 % 256));  // every byte value, NULs included
    TBildTestfile b;
    b.OpenNew(-1);
    b.ClearBuffer();
    b.Nr.SetWert(1);
    b.StartStreamBuchung(wrdonInsert);
    b.CreateBlobStream(b.Bild).write(bild);
    b.EndStreamBuchung();
    b.ClearBuffer();
    b.Nr.SetWert(2);
    b.Write(wrdonInsert);  // no picture at all

    b.ClearBuffer();
    b.Nr.SetKeyWert(1);
    ASSERT_TRUE(b.Get_eq());
    EXPECT_EQ(b.Bild.GetWert(), bild);
    // replaced through a stream as well
    b.StartStreamBuchung(wrdonUpdate);
    b.CreateBlobStream(b.Bild).write(QByteArray("\x00\xff\x00", 3));
    b.EndStreamBuchung();
    b.ClearBuffer();
    b.Nr.SetKeyWert(1);
    ASSERT_TRUE(b.Get_eq());
    EXPECT_EQ(b.Bild.GetWert(), QByteArray("\x00\xff\x00", 3));
    b.ClearBuffer();
    b.Nr.SetKeyWert(2);
    ASSERT_TRUE(b.Get_eq());
    EXPECT_TRUE(b.Bild.GetWert().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(, RecordFileValues, TestDatenbank::Backends(), TestDatenbank::BackendName);
