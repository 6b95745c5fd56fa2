#pragma once
// Number kinds of business partners and the like: the formats by which new
// numbers of suppliers ("LIEFNUM", type "L"), customers ("KUNDNUM", "N",
// TXKGPNumConfigurator_Kunden), branches ("FILNUM", "F"), clients ("MANDNUM",
// "M") and employees ("MITANUM", "I") are made. One class serves all ids; the
// id given to Execute selects the type.

#include "TXKGmerConfigurator.h"

class TXKGPNumConfigurator : public TXKGmerConfigurator {
public:
    static constexpr const char* KlassenName = "TXKGPNumConfigurator";
    explicit TXKGPNumConfigurator(const char* klasse = KlassenName) : TXKGmerConfigurator(klasse) {}
    static int ActiveOnTypes() { return 134; }

    // Type letter of an id ("LIEFNUM" -> "L"); empty for ids this class does not serve.
    static QString TypVonId(const QString& id);
    static QString CaptionVonId(const QString& id);
    // The running number is counted over this computer's records of all five types.
    static const QStringList& AlleTypen();

    bool Execute(const QString& id) override;
    void SetKurzName(const QString& id) { FXKKurzName = id; }
    void DefineFields() override;
    QString FormNameUebersicht() override { return QStringLiteral("frmXK%1UebForm").arg(FXKKurzName); }
    QString FormNameEinzelansicht() override { return QStringLiteral("frmXK%1EdtForm").arg(FXKKurzName); }
    QString FormCaptionUebersicht() override { return CaptionVonId(FXKKurzName); }
    QString FormCaptionEinzelansicht() override { return CaptionVonId(FXKKurzName); }
    void FillNewLine(QStringList& line) override;
    bool BuchenTesten(const QString& code, const QStringList& alt, const QStringList& neu) override;
    void Buchen(const QString& code, const QStringList& alt, const QStringList& neu) override;

    int FFieldIndTyp = -1;
    int FFieldIndRnr = -1;
    int FFieldIndLnr = -1;
    int FFieldIndBezeichnung = -1;
    int FFieldIndFormat = -1;

protected:
    QString Typ() const override { return TypVonId(FXKKurzName); }
    void Resources_InitF() override;
    void FillFields(QStringList& line) override;
    QString FXKKurzName;
};

// "KUNDNUM": the customer numbers, also listed for sales and the online shop.
class TXKGPNumConfigurator_Kunden : public TXKGPNumConfigurator {
public:
    static constexpr const char* KlassenName = "TXKGPNumConfigurator_Kunden";
    TXKGPNumConfigurator_Kunden() : TXKGPNumConfigurator(KlassenName) {}
    static QString Groups(const QString&, const TXKConfiguratorClass&) { return QStringLiteral("VERK,OLSHOP"); }
};

void InitUnit_XKGPNum();
