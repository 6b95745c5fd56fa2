#pragma once
// "VERAGUTS": the value scales of the cloud gift card (type "R" of the general
// file). The values of a scale are packed into the record's 30-character
// format text.

#include "TXKGmerConfigurator.h"

// The values of one gift-card scale as packed into the format text:
// positions 1-13 GTIN, 14 flexible value "J"/"N", 15 issue at tills "J"/"N",
// 16-19 fixed value, 20-23 minimum, 24-27 maximum (four digits with leading
// zeros), 28-30 currency.
struct TVERAGutscheinWerte {
    QString Gtin;
    bool Flexibel = false;
    bool KassenAusgabe = false;
    int Wert = 0;
    int MinWert = 0;
    int MaxWert = 0;
    QString Waehrung;

    // Throws Exception when a value does not fit its positions.
    QString Packe() const;
    static TVERAGutscheinWerte Entpacke(const QString& format);
    bool operator==(const TVERAGutscheinWerte&) const = default;
};

class TXKVERAGutsConfigurator : public TXKGmerConfigurator {
public:
    static constexpr const char* KlassenName = "TXKVERAGutsConfigurator";
    TXKVERAGutsConfigurator() : TXKGmerConfigurator(KlassenName) {}
    static int ActiveOnTypes() { return 134; }

    void DefineFields() override;
    QString FormNameUebersicht() override { return QStringLiteral("frmXKVERAGutsUebForm"); }
    QString FormNameEinzelansicht() override { return QStringLiteral("frmXKVERAGutsEdtForm"); }
    QString FormCaptionUebersicht() override { return QStringLiteral("VERA-Gift-Card"); }
    QString FormCaptionEinzelansicht() override { return QStringLiteral("VERA-Gift-Card"); }
    int FormLabelWidth() override { return 150; }
    void FillNewLine(QStringList& line) override;
    bool BuchenTesten(const QString& code, const QStringList& alt, const QStringList& neu) override;
    void Buchen(const QString& code, const QStringList& alt, const QStringList& neu) override;

    // The packed values of a line.
    TVERAGutscheinWerte WerteVonZeile(const QStringList& line) const;

    int FFieldIndTyp = -1;
    int FFieldIndRnr = -1;
    int FFieldIndLnr = -1;
    int FFieldIndBezeichnung = -1;
    int FFieldIndGtin = -1;
    int FFieldIndFlexGS = -1;
    int FFieldIndKasAusg = -1;
    int FFieldIndWert = -1;
    int FFieldIndMinWert = -1;
    int FFieldIndMaxWert = -1;
    int FFieldIndWaehrung = -1;

protected:
    QString Typ() const override { return QStringLiteral("R"); }
    void Resources_InitF() override;
    void FillFields(QStringList& line) override;

private:
    static bool WaehrungVorhanden(const QString& waehrung);
};

void InitUnit_XKVERAGuts();
