#pragma once
// "ETIKFORM": label formats (type "E" of the general file), numbered per computer.

#include "TXKGmerConfigurator.h"

class TXKFEConfigurator : public TXKGmerConfigurator {
public:
    static constexpr const char* KlassenName = "TXKFEConfigurator";
    TXKFEConfigurator() : TXKGmerConfigurator(KlassenName) {}
    static int ActiveOnTypes() { return 134; }
    static QString Groups(const QString&, const TXKConfiguratorClass&) { return QStringLiteral("INVT,VERK"); }

    void DefineFields() override;
    QString FormNameUebersicht() override { return QStringLiteral("frmXKFEUebForm"); }
    QString FormNameEinzelansicht() override { return QStringLiteral("frmXKFEEdtForm"); }
    QString FormCaptionUebersicht() override { return QStringLiteral("Etikettenformate"); }
    QString FormCaptionEinzelansicht() override { return QStringLiteral("Etikettenformate"); }
    bool BuchenTesten(const QString& code, const QStringList& alt, const QStringList& neu) override;
    void Buchen(const QString& code, const QStringList& alt, const QStringList& neu) override;

    int FFieldIndRnr = -1;
    int FFieldIndLnr = -1;
    int FFieldIndBezeichnung = -1;
    int FFieldIndFormat = -1;

protected:
    QString Typ() const override { return QStringLiteral("E"); }
    void Resources_InitF() override;
    void FillFields(QStringList& line) override;
};

void InitUnit_XKFE();
