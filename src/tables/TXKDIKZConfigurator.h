#pragma once
// "DIKZ": order (purchase planning) marks of articles, up to eight characters.
// Marks whose "änderbar" is "nein" are given by the system and can be neither
// changed nor deleted.

#include "TXKCodeTabConfigurator.h"
#include "host/records/Tvkzfile.h"

class TXKDIKZConfigurator : public TXKCodeTabConfigurator<Tdikzfile> {
public:
    static constexpr const char* KlassenName = "TXKDIKZConfigurator";
    TXKDIKZConfigurator() : TXKCodeTabConfigurator(KlassenName) {}
    static int ActiveOnTypes() { return 182; }
    static QString Groups(const QString&, const TXKConfiguratorClass&) { return QStringLiteral("ARTV"); }

    void DefineFields() override;
    QString FormNameUebersicht() override { return QStringLiteral("frmXKDIKZUebForm"); }
    QString FormNameEinzelansicht() override { return QStringLiteral("frmXKDIKZEdtForm"); }
    QString FormCaptionUebersicht() override { return QStringLiteral("Dispokennzeichen"); }
    QString FormCaptionEinzelansicht() override { return QStringLiteral("Dispokennzeichen"); }
    int FormLabelWidth() override { return 140; }
    void FillNewLine(QStringList& line) override;
    void FillWertevorrat(int index, QStringList& liste) override;
    bool SwitchControlEnabled_4_Mode_Edit(int index) override;
    bool BuchenTesten(const QString& code, const QStringList& alt, const QStringList& neu) override;
    void Buchen(const QString& code, const QStringList& alt, const QStringList& neu) override;

    int FFieldIndDikz = -1;
    int FFieldIndAendKz = -1;
    int FFieldIndBezeichnung = -1;

protected:
    void Resources_InitF() override;
    void FillFields(QStringList& line) override;

private:
    bool Vorhanden(const QString& dikz);
};

void InitUnit_XKDIKZ();
