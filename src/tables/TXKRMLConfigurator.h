#pragma once
// The complaint tables: "BANTEILE" faulty parts (type "T"), "MAENGEL" defects
// ("M") and "RGGRUND" return reasons ("U"). One class serves the three ids;
// the id given to Execute selects the type.

#include "TXKCodeTabConfigurator.h"
#include "host/records/Trmlfile.h"

class TXKRMLConfigurator : public TXKCodeTabConfigurator<Trmlfile> {
public:
    static constexpr const char* KlassenName = "TXKRMLConfigurator";
    TXKRMLConfigurator() : TXKCodeTabConfigurator(KlassenName) {}
    static int ActiveOnTypes() { return 158; }
    static QString Groups(const QString&, const TXKConfiguratorClass&) { return QStringLiteral("ARTV"); }

    // Type letter of an id; empty for ids this class does not serve.
    static QString TypVonId(const QString& id);
    static QString CaptionVonId(const QString& id);
    // The number proposed for a new entry: the highest of the type plus 1, two
    // digits; "99" again once 99 is reached; "01" for the first.
    QString NaechsteNummer();

    bool Execute(const QString& id) override;
    void SetKurzName(const QString& id) { FRMLKurzName = id; }
    void DefineFields() override;
    QString FormNameUebersicht() override { return QStringLiteral("frmXKRML%1UebForm").arg(FRMLKurzName); }
    QString FormNameEinzelansicht() override { return QStringLiteral("frmXKRML%1EdtForm").arg(FRMLKurzName); }
    QString FormCaptionUebersicht() override { return CaptionVonId(FRMLKurzName); }
    QString FormCaptionEinzelansicht() override { return CaptionVonId(FRMLKurzName); }
    void FillNewLine(QStringList& line) override;
    bool SwitchControlEnabled_4_Mode_Edit(int index) override {
        return index != FFieldIndTyp && index != FFieldIndNummer;
    }
    bool BuchenTesten(const QString& code, const QStringList& alt, const QStringList& neu) override;
    void Buchen(const QString& code, const QStringList& alt, const QStringList& neu) override;

    int FFieldIndTyp = -1;
    int FFieldIndNummer = -1;
    int FFieldIndBez = -1;

protected:
    bool GeteilteDatei() const override { return true; }
    void SetzeLeseFilter() override { FFile->ExtendedFilterAdd(FFile->Typ, TExtFilterOp::Gleich, Typ()); }
    void Resources_InitF() override;
    void FillFields(QStringList& line) override;

private:
    QString Typ() const { return TypVonId(FRMLKurzName); }
    bool Lese(const QString& typ, const QString& nummer);
    QString FRMLKurzName;
};

void InitUnit_XKRML();
