#pragma once
// "GCPL": the length of the GS1 company prefix below a GTIN number range.

#include "TXKCodeTabConfigurator.h"
#include "host/records/Tgcplfile.h"

class TXKGCPLConfigurator : public TXKCodeTabConfigurator<Tgcplfile> {
public:
    static constexpr const char* KlassenName = "TXKGCPLConfigurator";
    TXKGCPLConfigurator() : TXKCodeTabConfigurator(KlassenName) {}
    static int ActiveOnTypes() { return 134; }

    void DefineFields() override;
    QString FormNameUebersicht() override { return QStringLiteral("frmXKGCPLUebForm"); }
    QString FormNameEinzelansicht() override { return QStringLiteral("frmXKGCPLEdtForm"); }
    QString FormCaptionUebersicht() override { return QStringLiteral("GS1 GTIN Company Prefix Längen"); }
    QString FormCaptionEinzelansicht() override { return QStringLiteral("GS1 GTIN Company Prefix Längen"); }
    int FormLabelWidth() override { return 140; }
    void FillNewLine(QStringList& line) override;
    void FillWertevorrat(int index, QStringList& liste) override;
    bool BuchenTesten(const QString& code, const QStringList& alt, const QStringList& neu) override;
    void Buchen(const QString& code, const QStringList& alt, const QStringList& neu) override;

    int FFieldIndGtinNk = -1;
    int FFieldIndPrefLen = -1;

protected:
    void Resources_InitF() override;
    void FillFields(QStringList& line) override;
};

void InitUnit_XKGCPL();
