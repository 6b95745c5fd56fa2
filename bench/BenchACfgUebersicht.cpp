// The overview of all computers in the configuration tree (view 3): 500
// computers and 40 per-computer types, five different values per type, so
// every type is broken down into five groups. Baseline: a plain SELECT of
// every stored object in the same run.
//   bench_acfguebersicht [computers] [types]

#include "BenchDatenbank.h"
#include "acfg/TZEV_ACfg_TreeView.h"
#include "host/QLNBuchung.h"
#include "host/TQLNProgramm.h"
#include "host/acfg/TZEV_ACfg_EditFrame.h"
#include "host/acfg/TZEV_ACfg_Registry.h"
#include "host/acfg/TZEV_Glob_ACfg_Controller.h"
#include "host/db/TQLNDatenbank.h"
#include "host/records/Trechnerfile.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdio>

namespace {
class TBenchKonfig : public TZEV_ACfgData_Base {
public:
    static constexpr const char* KlassenName = "TBenchKonfig";
    static constexpr int Version = 1;
    static TZEV_ACfg_Gueltigkeitsbereich_Erw Gueltigkeitsbereich() { return CACfg_Gueltig_JeRechner; }
    static int RTypen() { return C_RTypen_Alle; }
    explicit TBenchKonfig(TZEV_ACfgType_Erw typ) : TZEV_ACfgData_Base(ACfgDataClass<TBenchKonfig>(), typ) {}
    int Stufe = 0;
    QString Text;
    QString WertText() const override { return Text; }

protected:
    void WerteSchreiben(TZEV_ACfgWerte& w) const override {
        w.SetInt("Stufe", Stufe);
        w.SetString("Text", Text);
    }
    void WerteLesen(const TZEV_ACfgWerte& w, int) override {
        Stufe = int(w.GetInt("Stufe"));
        Text = w.GetString("Text");
    }
};

class TBenchFrame : public QWidget, public IZEV_KonfigEditFrame {
public:
    static constexpr const char* KlassenName = "TBenchFrame";
    explicit TBenchFrame(QWidget* owner) : QWidget(owner) {}
    void Konfig_2_Frame(TZEV_ACfgData_Base&) override {}
    bool Frame_2_Konfig(TZEV_ACfgData_Base&) override { return true; }
};
}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    const int anzahlRechner = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 500;
    const int anzahlTypen = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 40;
    constexpr int CVarianten = 5;
    QTemporaryDir dir;
    qputenv("XDG_CONFIG_HOME", dir.path().toUtf8());
    qputenv("XDG_DATA_HOME", dir.path().toUtf8());
    try {
        TQLNDatenbank::Oeffne(BenchDatenbank::SQLite(dir.path() + QStringLiteral("/bench.db")));
        TQLNProgramm::SetSitzung(TQLNSitzungsDaten{});
        {
            Trechnerfile f;
            f.OpenNew(-1);
            QLNBuchung b(1, "rechner");
            for (int rnr = 1; rnr <= anzahlRechner; ++rnr) {
                f.ClearBuffer();
                f.Rnr.SetWert(rnr);
                f.RTyp.SetWert(rnr == 1 ? 1 : 2 + rnr % 4);
                f.Name.SetWert(QStringLiteral("Kasse %1").arg(rnr));
                f.Write(wrdonInsert);
            }
            b.Ende("rechner");
            f.Close();
        }
        // The first leaf types of the host's catalogue, each per computer.
        const TZEV_ACfg_TypKatalog& katalog = TZEV_ACfg_TypKatalog::Standard();
        QList<TZEV_ACfgType_Erw> typen;
        for (const TZEV_ACfgType_Erw t : katalog.Typen())
            if (katalog.Kinder(t).isEmpty() && typen.size() < anzahlTypen) typen.append(t);
        if (typen.size() < anzahlTypen) {
            std::fprintf(stderr, "the catalogue has only %lld leaf types\n", static_cast<long long>(typen.size()));
            return 1;
        }
        for (const TZEV_ACfgType_Erw t : typen)
            TZEV_ACfg_Registry::RegisterACfgClass(t, ACfgFrameClass<TBenchFrame>(), ACfgDataClass<TBenchKonfig>());
        QList<TZEV_Glob_ACfg_Controller::TSpeicherAuftrag> auftraege;
        std::vector<std::unique_ptr<TBenchKonfig>> objekte;
        for (const TZEV_ACfgType_Erw t : typen)
            for (int v = 0; v < CVarianten; ++v) {
                auto k = std::make_unique<TBenchKonfig>(t);
                k->Stufe = v;
                k->Text = QStringLiteral("Stufe %1").arg(v);
                QList<int> rnrs;
                for (int rnr = 1; rnr <= anzahlRechner; ++rnr)
                    if (rnr % CVarianten == v) rnrs.append(rnr);
                auftraege.append({k.get(), rnrs});
                objekte.push_back(std::move(k));
            }
        if (!TZEV_Glob_ACfg_Controller::SetKonfigs(auftraege)) return 1;

        double select = 1e18, uebersicht = 1e18;
        TZEV_ACfg_TreeView tree;
        tree.resize(900, 600);
        tree.SelRnr_Set(1);
        tree.ACfgTyp_Set(0);
        for (int lauf = 0; lauf < 3; ++lauf) {
            double t0 = BenchDatenbank::Ms();
            Statement& s = TQLNDatenbank::Verbindung().Cached("SELECT typ, rnr, daten FROM acfg ORDER BY typ, rnr");
            qint64 summe = 0;
            while (s.Step()) summe += s.ColumnText(2).size();
            s.Reset();
            select = std::min(select, BenchDatenbank::Ms() - t0);

            tree.UebersichtAlleRechnerEinblenden_Set(false);
            t0 = BenchDatenbank::Ms();
            tree.UebersichtAlleRechnerEinblenden_Set(true);
            uebersicht = std::min(uebersicht, BenchDatenbank::Ms() - t0);
            int gruppen = 0;
            for (const TZEV_ACfgType_Erw t : typen) {
                const TVRRow* r = tree.RowOfTyp(t);
                gruppen += r && r->HasChildren() ? r->Children->Count() : 0;
            }
            if (gruppen != anzahlTypen * CVarianten || summe == 0) {
                std::fprintf(stderr, "the overview shows %d groups instead of %d\n", gruppen, anzahlTypen * CVarianten);
                return 1;
            }
        }
        std::printf("computers: %d, per-computer types: %d, groups per type: %d\nplain SELECT of all objects: %.1f ms\n"
                    "overview of all computers built: %.1f ms (must be < 1000)\nratio overview/select: %.1f\n",
                    anzahlRechner, anzahlTypen, CVarianten, select, uebersicht, uebersicht / select);
        return uebersicht < 1000 ? 0 : 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}
