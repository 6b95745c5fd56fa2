#pragma once
// Discount types of suppliers ("LIEFRAB", type "L") and customers ("KUNDRAB",
// type "K"), numbered per computer. A discount type that an article, supplier
// or goods group uses cannot be deleted; that test runs in a worker thread.

#include "TXKCodeTabConfigurator.h"
#include "host/records/Trabfile.h"
#include "registry/TZEV_BuchenTestenThread.h"

// The delete test: looks for the discount type in the three assignment files,
// with file objects of its own.
class TXKRabtypBuchenTestenThread : public TZEV_BuchenTestenThread {
public:
    TXKRabtypBuchenTestenThread(QString rabattTyp, int rabattLnr, int rabattRnr)
        : FRabattTyp(std::move(rabattTyp)), FRabattLnr(rabattLnr), FRabattRnr(rabattRnr) {}
    // The assignment files asked so far (for the window's log and for tests).
    int GepruefteDateien() const { return FGeprueft; }

protected:
    int Pruefe() override;

private:
    const QString FRabattTyp;
    const int FRabattLnr;
    const int FRabattRnr;
    std::atomic<int> FGeprueft{0};
};

class TXKRabtypConfigurator : public TXKCodeTabConfigurator<Trabfile> {
public:
    static constexpr const char* KlassenName = "TXKRabtypConfigurator";
    TXKRabtypConfigurator() : TXKCodeTabConfigurator(KlassenName) {}
    static int ActiveOnTypes() { return 182; }
    static QString Groups(const QString& id, const TXKConfiguratorClass&);

    static QString TypVonId(const QString& id);
    static QString CaptionVonId(const QString& id);
    // Next running number of this computer for the member's type.
    int NaechsteLnr();

    bool Execute(const QString& id) override;
    void SetKurzName(const QString& id) { FXKKurzName = id; }
    void DefineFields() override;
    QString FormNameUebersicht() override { return QStringLiteral("frmXKRabtyp%1UebForm").arg(FXKKurzName); }
    QString FormNameEinzelansicht() override { return QStringLiteral("frmXKRabtyp%1EdtForm").arg(FXKKurzName); }
    QString FormCaptionUebersicht() override { return CaptionVonId(FXKKurzName); }
    QString FormCaptionEinzelansicht() override { return CaptionVonId(FXKKurzName); }
    int FormLabelWidth() override { return 140; }
    void FillWertevorrat(int index, QStringList& liste) override;
    bool BuchenTesten(const QString& code, const QStringList& alt, const QStringList& neu) override;
    void Buchen(const QString& code, const QStringList& alt, const QStringList& neu) override;

    int FFieldIndRnr = -1;
    int FFieldIndLnr = -1;
    int FFieldIndName = -1;
    int FFieldIndRelevanz = -1;
    int FFieldIndReklRab = -1;

protected:
    bool GeteilteDatei() const override { return true; }
    void SetzeLeseFilter() override { FFile->ExtendedFilterAdd(FFile->Typ, TExtFilterOp::Gleich, Typ()); }
    void Resources_InitF() override;
    void FillFields(QStringList& line) override;

private:
    QString Typ() const { return TypVonId(FXKKurzName); }
    bool Lese(int rnr, int lnr);
    QString FXKKurzName;
};

void InitUnit_XKRabtyp();
