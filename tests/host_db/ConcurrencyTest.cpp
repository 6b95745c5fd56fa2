// Two workstations on one database: each thread below has a connection of its
// own, as a second workstation would.

#include "host/Exception.h"
#include "host/QLNBuchung.h"
#include "host/records/TAAFile.h"
#include "host/records/Tfarbfile.h"
#include "testkit/TestDatenbank.h"

#include <QMutex>
#include <QThread>
#include <gtest/gtest.h>

namespace {
class Nebenlaeufig : public TestDatenbank::BeideBackends {
protected:
    // Runs f on a thread of its own (its own connection) and waits for it.
    static void AndererArbeitsplatz(const std::function<void()>& f) {
        QString fehler;
        std::unique_ptr<QThread> t(QThread::create([&] {
            try {
                f();
            } catch (const std::exception& e) {
                fehler = QString::fromUtf8(e.what());
            }
        }));
        t->start();
        t->wait();
        ASSERT_TRUE(fehler.isEmpty()) << fehler.toStdString();
    }
    static void Farbe(const QString& nr, const QString& bez) {
        Tfarbfile f;
        f.OpenNew(-1);
        f.ClearBuffer();
        f.Nummer.SetWert(nr);
        f.Bezeichnung.SetWert(bez);
        f.Write(wrdonInsert);
    }
    static bool Lies(Tfarbfile& f, const QString& nr) {
        f.ClearBuffer();
        f.SetIndex(f.IndexPrimaer);
        f.Nummer.SetKeyWert(nr);
        return f.Get_eq();
    }
};
}  // namespace

TEST_P(Nebenlaeufig, AChangeSinceTheReadIsDetectedAndNothingIsWritten) {
    Farbe("1", "Rot");
    Farbe("2", "Blau");
    Tfarbfile f;
    f.OpenNew(-1);
    ASSERT_TRUE(Lies(f, "1"));
    AndererArbeitsplatz([] {
        Tfarbfile w;
        w.OpenNew(-1);
        ASSERT_TRUE(Lies(w, "1"));
        w.Bezeichnung.SetWert("Weinrot");
        w.Write(wrdonUpdate);
    });
    f.Bezeichnung.SetWert("Kirschrot");
    try {
        f.Write(wrdonUpdate);
        FAIL() << "the change of the other workstation was overwritten";
    } catch (const Exception& e) {
        EXPECT_TRUE(e.Message().contains("inzwischen von einem anderen Arbeitsplatz"));
    }
    ASSERT_TRUE(Lies(f, "1"));
    EXPECT_EQ(f.Bezeichnung.GetWert(), "Weinrot");
    // The same for a delete; a fresh read then deletes.
    ASSERT_TRUE(Lies(f, "2"));
    AndererArbeitsplatz([] {
        Tfarbfile w;
        w.OpenNew(-1);
        ASSERT_TRUE(Lies(w, "2"));
        w.Bezeichnung.SetWert("Marine");
        w.Write(wrdonUpdate);
    });
    EXPECT_THROW(f.Write(wrdonDelete), Exception);
    ASSERT_TRUE(Lies(f, "2"));
    EXPECT_EQ(f.Bezeichnung.GetWert(), "Marine");
    f.Write(wrdonDelete);
    EXPECT_FALSE(Lies(f, "2"));
    // A record changed by this object itself stays writable.
    ASSERT_TRUE(Lies(f, "1"));
    f.Bezeichnung.SetWert("Rot");
    f.Write(wrdonUpdate);
    f.Bezeichnung.SetWert("Hellrot");
    f.Write(wrdonUpdate);
    ASSERT_TRUE(Lies(f, "1"));
    EXPECT_EQ(f.Bezeichnung.GetWert(), "Hellrot");
}

TEST_P(Nebenlaeufig, AnUpdateAfterAReadOfSomeFieldsKeepsTheOthers) {
    TAAFile aa;
    aa.OpenNew(-1);
    aa.ClearBuffer();
    aa.ArtNr.SetWert("4711");
    aa.Bezeichnung.SetWert("Sneaker");
    aa.Farbe.SetWert("3");
    aa.VkPreis.SetWert(89.95);
    aa.Write(wrdonInsert);
    aa.ClearBuffer();
    aa.Farbe.SetUsedField();
    ASSERT_TRUE(aa.Get_first_extMode());
    EXPECT_TRUE(aa.Bezeichnung.GetWert().isEmpty());  // not delivered
    aa.Farbe.SetWert("4");
    aa.Write(wrdonUpdate);
    aa.ExtendedFilterClear();
    ASSERT_TRUE(aa.Get_first());
    EXPECT_EQ(aa.Farbe.GetWert(), "4");
    EXPECT_EQ(aa.Bezeichnung.GetWert(), "Sneaker");
    EXPECT_DOUBLE_EQ(aa.VkPreis.GetWert(), 89.95);
}

TEST_P(Nebenlaeufig, TwoWorkstationsPostingAtOnceLoseNoWrite) {
    constexpr int CJe = 300;
    const auto schreibe = [](const QString& praefix) {
        return [praefix] {
            Tfarbfile f;
            f.OpenNew(-1);
            for (int i = 0; i < CJe; i += 30) {
                QLNBuchung b(1, "Parallel");
                for (int k = i; k < i + 30; ++k) {
                    f.ClearBuffer();
                    f.Nummer.SetWert(praefix + QString::number(k));
                    f.Bezeichnung.SetWert("x");
                    f.Write(wrdonInsert);
                }
                b.Ende("Parallel");
            }
        };
    };
    QStringList fehler;
    QMutex m;
    std::vector<std::unique_ptr<QThread>> threads;
    for (const char* p : {"1", "2"}) {
        auto arbeit = schreibe(QString::fromLatin1(p));
        threads.emplace_back(QThread::create([arbeit, &fehler, &m] {
            try {
                arbeit();
            } catch (const std::exception& e) {
                QMutexLocker l(&m);
                fehler << QString::fromUtf8(e.what());
            }
        }));
    }
    for (auto& t : threads) t->start();
    for (auto& t : threads) t->wait();
    EXPECT_TRUE(fehler.isEmpty()) << fehler.join("; ").toStdString();
    Tfarbfile f;
    f.OpenNew(-1);
    EXPECT_EQ(f.GetCount(), 2 * CJe);
}

INSTANTIATE_TEST_SUITE_P(, Nebenlaeufig, TestDatenbank::Backends(), TestDatenbank::BackendName);
