#pragma once
// "KUNDMERA" (configuration type 160): the names of the user-defined customer
// attributes, records of kind "#" in the group-formation file, numbered from 101.

#include "registry/TXKAllgTabConfigurator.h"

#include <memory>

class Tgbfile;

class TXKKundMerConfigurator : public TXKAllgTabConfigurator {
public:
    static constexpr const char* KlassenName = "TXKKundMerConfigurator";
    TXKKundMerConfigurator();
    ~TXKKundMerConfigurator() override;
    static int ActiveOnTypes() { return 134; }
    static QString Groups(const QString&, const TXKConfiguratorClass&) { return QStringLiteral("OLSHOP"); }

    void DefineFields() override;
    QString FormNameUebersicht() override { return QStringLiteral("frmXKKundMerUebForm"); }
    QString FormNameEinzelansicht() override { return QStringLiteral("frmXKKundMerEdtForm"); }
    QString FormCaptionUebersicht() override { return QStringLiteral("Kundenmerkmale"); }
    QString FormCaptionEinzelansicht() override { return QStringLiteral("Kundenmerkmale"); }
    bool GetFirst(QStringList& line) override;
    bool GetNext(QStringList& line) override;
    bool BuchenTesten(const QString& code, const QStringList& alt, const QStringList& neu) override;
    void Buchen(const QString& code, const QStringList& alt, const QStringList& neu) override;

    int FFieldIndNummer = -1;
    int FFieldIndBezeichnung = -1;

    static constexpr int CErsteNummer = 101;
    static constexpr int CLetzteNummer = 9999;

protected:
    void Resources_Create() override;
    void Resources_InitF() override;
    void Resources_DoneF() override;
    void Resources_Destroy() override;

private:
    void FillFields(QStringList& line) const;
    bool Lese(int nummer);
    int NaechsteNummer();
    std::unique_ptr<Tgbfile> FGbFile;
};

void InitUnit_XKKundMer();
