#pragma once
// "LAND": the countries with their codes, foreign-trade data, EU and euro-zone
// membership and postcode format.

#include "registry/TXKAllgTabConfigurator.h"

class TLdfile;

class TXKLandConfigurator : public TXKAllgTabConfigurator {
public:
    static constexpr const char* KlassenName = "TXKLandConfigurator";
    static int ActiveOnTypes() { return 134; }
    static QString Groups(const QString&, const TXKConfiguratorClass&) { return QStringLiteral("OLSHOP"); }

    void DefineFields() override;
    QString FormNameUebersicht() override { return QStringLiteral("frmXKLandUebForm"); }
    QString FormNameEinzelansicht() override { return QStringLiteral("frmXKLandEdtForm"); }
    QString FormCaptionUebersicht() override { return QStringLiteral("Länder"); }
    QString FormCaptionEinzelansicht() override { return QStringLiteral("Länder"); }
    int SetCount() override;
    bool GetFirst(QStringList& line) override;
    bool GetNext(QStringList& line) override;
    bool BuchenTesten(const QString& code, const QStringList& alt, const QStringList& neu) override;
    void Buchen(const QString& code, const QStringList& alt, const QStringList& neu) override;

    int FFieldIndKuerzel = -1;
    int FFieldIndISO3166 = -1;
    int FFieldIndName = -1;
    int FFieldIndNr = -1;
    int FFieldIndAbk = -1;
    int FFieldIndEUMgl = -1;
    int FFieldIndEWUMgl = -1;
    int FFieldIndPlz = -1;

protected:
    void Resources_Create() override;
    void Resources_InitF() override;
    void Resources_DoneF() override;
    void Resources_Destroy() override;

private:
    void FillFields(QStringList& line) const;
    bool Lese(const QString& kuerzel);
    std::unique_ptr<TLdfile> FLdFile;
};

void InitUnit_XKLand();
