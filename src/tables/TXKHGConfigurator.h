#pragma once
// "HAUPTGR": main groups, the top level above the goods groups, with six
// attribute texts each.

#include "TXKCodeTabConfigurator.h"
#include "host/records/Thgfile.h"

class TXKHGConfigurator : public TXKCodeTabConfigurator<Thgfile> {
public:
    static constexpr const char* KlassenName = "TXKHGConfigurator";
    TXKHGConfigurator() : TXKCodeTabConfigurator(KlassenName) {}
    static int ActiveOnTypes() { return 134; }
    static QString Groups(const QString&, const TXKConfiguratorClass&) { return QStringLiteral("ARTV,PRODUKTE"); }

    void DefineFields() override;
    QString FormNameUebersicht() override { return QStringLiteral("frmXKHGUebForm"); }
    QString FormNameEinzelansicht() override { return QStringLiteral("frmXKHGEdtForm"); }
    QString FormCaptionUebersicht() override { return QStringLiteral("Hauptgruppen"); }
    QString FormCaptionEinzelansicht() override { return QStringLiteral("Hauptgruppen"); }
    bool SwitchControlEnabled_4_Mode_Edit(int index) override { return index != FFieldIndHg; }
    bool BuchenTesten(const QString& code, const QStringList& alt, const QStringList& neu) override;
    void Buchen(const QString& code, const QStringList& alt, const QStringList& neu) override;

    int FFieldIndHg = -1;
    int FFieldIndBezeichnung = -1;
    int FFieldIndMM[Thgfile::CMerkmale] = {-1, -1, -1, -1, -1, -1};

protected:
    void Resources_InitF() override;
    void FillFields(QStringList& line) override;

private:
    bool Lese(const QString& hg);
};

void InitUnit_XKHG();
