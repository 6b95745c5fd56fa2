#pragma once
// "ABKZ": devaluation marks of the inventory (mark 1 to 9 and its percentage).
// Opening needs the inventory rights; changing them needs the right to maintain
// devaluation marks as well.

#include "TXKCodeTabConfigurator.h"
#include "host/records/Tabkzfile.h"

class TXKABKZConfigurator : public TXKCodeTabConfigurator<Tabkzfile> {
public:
    static constexpr const char* KlassenName = "TXKABKZConfigurator";
    TXKABKZConfigurator() : TXKCodeTabConfigurator(KlassenName) {}
    static int ActiveOnTypes() { return 134; }
    static QString Groups(const QString&, const TXKConfiguratorClass&) { return QStringLiteral("INVT"); }
    static bool RechtFuerKonfigVorhanden(const TXKConfiguratorClass& cls);

    void DefineFields() override;
    QString FormNameUebersicht() override { return QStringLiteral("frmXKABKZUebForm"); }
    QString FormNameEinzelansicht() override { return QStringLiteral("frmXKABKZEdtForm"); }
    QString FormCaptionUebersicht() override { return QStringLiteral("Abwertungskennzeichen"); }
    QString FormCaptionEinzelansicht() override { return QStringLiteral("Abwertungskennzeichen"); }
    void SetAllowedModes() override;
    bool SwitchControlEnabled_4_Mode_Edit(int index) override { return index != FFieldIndNummer; }
    bool BuchenTesten(const QString& code, const QStringList& alt, const QStringList& neu) override;
    void Buchen(const QString& code, const QStringList& alt, const QStringList& neu) override;

    int FFieldIndNummer = -1;
    int FFieldIndProzSatz = -1;

protected:
    void Resources_InitF() override;
    void FillFields(QStringList& line) override;

private:
    bool Lese(int nummer);
};

void InitUnit_XKABKZ();
