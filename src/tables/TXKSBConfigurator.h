#pragma once
// "SAIBEZ": season designations (the short codes seasons are named with).
// Designations whose "änderbar" is "nein" are given by the system.

#include "TXKCodeTabConfigurator.h"
#include "host/records/Tsbfile.h"

class TXKSBConfigurator : public TXKCodeTabConfigurator<Tsbfile> {
public:
    static constexpr const char* KlassenName = "TXKSBConfigurator";
    TXKSBConfigurator() : TXKCodeTabConfigurator(KlassenName) {}
    static int ActiveOnTypes() { return 134; }

    void DefineFields() override;
    QString FormNameUebersicht() override { return QStringLiteral("frmXKSBUebForm"); }
    QString FormNameEinzelansicht() override { return QStringLiteral("frmXKSBEdtForm"); }
    QString FormCaptionUebersicht() override { return QStringLiteral("Saisonbezeichnungen"); }
    QString FormCaptionEinzelansicht() override { return QStringLiteral("Saisonbezeichnungen"); }
    int FormLabelWidth() override { return 130; }
    void FillNewLine(QStringList& line) override;
    void FillWertevorrat(int index, QStringList& liste) override;
    bool SwitchControlEnabled_4_Mode_Edit(int index) override;
    bool BuchenTesten(const QString& code, const QStringList& alt, const QStringList& neu) override;
    void Buchen(const QString& code, const QStringList& alt, const QStringList& neu) override;

    int FFieldIndKuerzel = -1;
    int FFieldIndAktPas = -1;
    int FFieldIndAendKz = -1;
    int FFieldIndBezeichnung = -1;

protected:
    void Resources_InitF() override;
    void FillFields(QStringList& line) override;

private:
    bool Lese(const QString& kuerzel);
};

void InitUnit_XKSB();
