// The generic overview filled with 100,000 records of a generated table,
// against a plain SELECT of those rows in the same run.
//   bench_overview [records]

#include "BenchDatenbank.h"
#include "host/QLNBuchung.h"
#include "host/db/TQLNDatenbank.h"
#include "host/records/TDBSchema.h"
#include "host/records/TZEV_DBFile.h"
#include "host/ui/TVTQLNVRList.h"
#include "host/ui/TfrmAllgTab.h"
#include "registry/TXKAllgTabConfigurator.h"

#include <QApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

namespace {
// A code table like the colours, with room for 100,000 numbers.
class TBenchfile : public TZEV_DBFile {
public:
    TBenchfile()
        : TZEV_DBFile(QStringLiteral("benchcode")),
          Nummer(AddString(QStringLiteral("NUMMER"), 6)),
          Bezeichnung(AddString(QStringLiteral("BEZEICHNUNG"), 20)),
          IndexPrimaer(AddIndex(QStringLiteral("primaer"), {&Nummer})) {}
    TDatenfeld_String& Nummer;
    TDatenfeld_String& Bezeichnung;
    int IndexPrimaer;
};

class TBenchConfigurator : public TXKAllgTabConfigurator {
public:
    static constexpr const char* KlassenName = "TBenchConfigurator";
    void DefineFields() override {
        AddStringField("NUMMER", "Nummer", true, false, false, false, 1, 6, {}, "0123456789", TEditCharCase::ecNormal);
        AddStringField("BEZEICHNUNG", "Bezeichnung", true, false, false, false, 1, 20, {}, {}, TEditCharCase::ecNormal);
    }
    QString FormNameUebersicht() override { return "frmBenchUebForm"; }
    QString FormNameEinzelansicht() override { return "frmBenchEdtForm"; }
    QString FormCaptionUebersicht() override { return "Bench"; }
    int SetCount() override { return int(F.GetCount()); }
    bool GetFirst(QStringList& line) override {
        line.clear();
        F.ClearBuffer();
        F.SetIndex(0);
        if (!F.Get_first_extMode()) return false;
        line << F.Nummer.GetWert() << F.Bezeichnung.GetWert();
        return true;
    }
    bool GetNext(QStringList& line) override {
        line.clear();
        if (!F.Get_next_extMode()) return false;
        line << F.Nummer.GetWert() << F.Bezeichnung.GetWert();
        return true;
    }
    bool BuchenTesten(const QString&, const QStringList&, const QStringList&) override { return true; }
    void Buchen(const QString&, const QStringList&, const QStringList&) override {}
    TBenchfile F;

protected:
    void Resources_InitF() override {
        TXKAllgTabConfigurator::Resources_InitF();
        F.OpenNew(-1);
    }
};
}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    const int n = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 100000;
    QTemporaryDir dir;
    qputenv("XDG_CONFIG_HOME", dir.path().toUtf8());
    try {
        TZEV_DB_Config c;
        c.Art = TZEV_DBArt::dbaSQLite;
        c.Datei = dir.path() + QStringLiteral("/bench.db");
        TQLNDatenbank::Oeffne(c);
        TDBSchema::Aktualisiere(TQLNDatenbank::Verbindung(), {TBenchfile().Deklaration()});
        {
            TBenchfile f;
            f.OpenNew(-1);
            QLNBuchung b(1, "fill");
            for (int i = 1; i <= n; ++i) {
                f.ClearBuffer();
                f.Nummer.SetWert(QString::number(i));
                f.Bezeichnung.SetWert(QStringLiteral("Code %1").arg(i));
                f.Write(wrdonInsert);
            }
            b.Ende("fill");
        }
        double select = 1e18, overview = 1e18, gezeigt = 1e18;
        for (int lauf = 0; lauf < 3; ++lauf) {
            double t = BenchDatenbank::Ms();
            Statement& s = TQLNDatenbank::Verbindung().Cached("SELECT nummer, bezeichnung FROM benchcode ORDER BY nummer");
            qint64 summe = 0;
            while (s.Step()) summe += s.ColumnText(0).size() + s.ColumnText(1).size();
            s.Reset();
            select = std::min(select, BenchDatenbank::Ms() - t);

            TXKConfiguratorPtr conf = XKClass<TBenchConfigurator>().Create();
            conf->Init();
            t = BenchDatenbank::Ms();
            int zeilen = 0;
            {
                TfrmAllgTab frm(static_cast<TBenchConfigurator&>(*conf));
                zeilen = frm.Liste()->Rows().Count();
                overview = std::min(overview, BenchDatenbank::Ms() - t);
                frm.show();  // the first paint of the filled list
                QCoreApplication::processEvents();
                frm.Liste()->viewport()->repaint();
                gezeigt = std::min(gezeigt, BenchDatenbank::Ms() - t);
            }
            conf->Done();
            if (zeilen != n || summe == 0) {
                std::fprintf(stderr, "the overview shows %d rows instead of %d\n", zeilen, n);
                return 1;
            }
        }
        std::printf("records: %d\nplain SELECT: %.1f ms\noverview filled: %.1f ms\noverview shown and painted: %.1f ms "
                    "(must be < 500)\nratio shown/select: %.2f\n",
                    n, select, overview, gezeigt, gezeigt / select);
        return gezeigt < 500 ? 0 : 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}
