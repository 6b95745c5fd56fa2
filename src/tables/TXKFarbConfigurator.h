#pragma once
// "FARBEN": the colours that articles reference.

#include "registry/TXKAllgTabConfigurator.h"

class Tfarbfile;

class TXKFarbConfigurator : public TXKAllgTabConfigurator {
public:
    static constexpr const char* KlassenName = "TXKFarbConfigurator";
    static int ActiveOnTypes() { return 134; }
    static QString Groups(const QString&, const TXKConfiguratorClass&) { return QStringLiteral("ARTV"); }

    void DefineFields() override;
    QString FormNameUebersicht() override { return QStringLiteral("frmXKFarbUebForm"); }
    QString FormNameEinzelansicht() override { return QStringLiteral("frmXKFarbEdtForm"); }
    QString FormCaptionUebersicht() override { return QStringLiteral("Farben"); }
    QString FormCaptionEinzelansicht() override { return QStringLiteral("Farben"); }
    int SetCount() override;
    bool GetFirst(QStringList& line) override;
    bool GetNext(QStringList& line) override;
    bool SwitchControlEnabled_4_Mode_Edit(int index) override;
    bool BuchenTesten(const QString& code, const QStringList& alt, const QStringList& neu) override;
    void Buchen(const QString& code, const QStringList& alt, const QStringList& neu) override;

    int FFieldIndNummer = -1;
    int FFieldIndFarbe = -1;

protected:
    void Resources_Create() override;
    void Resources_InitF() override;
    void Resources_DoneF() override;
    void Resources_Destroy() override;

private:
    void FillFields(QStringList& line) const;
    std::unique_ptr<Tfarbfile> FFarbFile;
};

void InitUnit_XKFarb();
