#pragma once
// "VKKZ": sales marks of articles, one digit each. Marks whose "änderbar" is
// "nein" are given by the system and can be neither changed nor deleted.

#include "TXKCodeTabConfigurator.h"
#include "host/records/Tvkzfile.h"

class TXKVKKZConfigurator : public TXKCodeTabConfigurator<Tvkzfile> {
public:
    static constexpr const char* KlassenName = "TXKVKKZConfigurator";
    TXKVKKZConfigurator() : TXKCodeTabConfigurator(KlassenName) {}
    static int ActiveOnTypes() { return 158; }
    static QString Groups(const QString&, const TXKConfiguratorClass&) { return QStringLiteral("VERK"); }

    void DefineFields() override;
    QString FormNameUebersicht() override { return QStringLiteral("frmXKVKKZUebForm"); }
    QString FormNameEinzelansicht() override { return QStringLiteral("frmXKVKKZEdtForm"); }
    QString FormCaptionUebersicht() override { return QStringLiteral("Verkaufskennzeichen"); }
    QString FormCaptionEinzelansicht() override { return QStringLiteral("Verkaufskennzeichen"); }
    int FormLabelWidth() override { return 140; }
    void FillNewLine(QStringList& line) override;
    void FillWertevorrat(int index, QStringList& liste) override;
    bool SwitchControlEnabled_4_Mode_Edit(int index) override;
    bool BuchenTesten(const QString& code, const QStringList& alt, const QStringList& neu) override;
    void Buchen(const QString& code, const QStringList& alt, const QStringList& neu) override;

    int FFieldIndVkkz = -1;
    int FFieldIndAendKz = -1;
    int FFieldIndBezeichnung = -1;

protected:
    void Resources_InitF() override;
    void FillFields(QStringList& line) override;

private:
    bool Vorhanden(const QString& vkkz);
};

void InitUnit_XKVKKZ();
