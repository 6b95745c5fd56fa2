#pragma once
// "MATERIAL": the materials that articles reference, numbered like the colours.

#include "TXKCodeTabConfigurator.h"
#include "host/records/Tfarbfile.h"

class TXKMatConfigurator : public TXKCodeTabConfigurator<Tmatfile> {
public:
    static constexpr const char* KlassenName = "TXKMatConfigurator";
    TXKMatConfigurator() : TXKCodeTabConfigurator(KlassenName) {}
    static int ActiveOnTypes() { return 134; }
    static QString Groups(const QString&, const TXKConfiguratorClass&) { return QStringLiteral("ARTV"); }

    void DefineFields() override;
    QString FormNameUebersicht() override { return QStringLiteral("frmXKMatUebForm"); }
    QString FormNameEinzelansicht() override { return QStringLiteral("frmXKMatEdtForm"); }
    QString FormCaptionUebersicht() override { return QStringLiteral("Material"); }
    QString FormCaptionEinzelansicht() override { return QStringLiteral("Material"); }
    bool SwitchControlEnabled_4_Mode_Edit(int index) override { return index != FFieldIndNummer; }
    bool BuchenTesten(const QString& code, const QStringList& alt, const QStringList& neu) override;
    void Buchen(const QString& code, const QStringList& alt, const QStringList& neu) override;

    int FFieldIndNummer = -1;
    int FFieldIndBezeichnung = -1;

protected:
    void Resources_InitF() override;
    void FillFields(QStringList& line) override;
};

void InitUnit_XKMat();
