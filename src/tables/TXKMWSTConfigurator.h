#pragma once
// "MWST": the VAT rates per country with the dates from which they apply.

#include "registry/TXKAllgTabConfigurator.h"
#include "registry/TZEV_BuchenTestenThread.h"

class Tmwfile;

// Delete test of a VAT rate: whether articles, service types or article prices
// (sales or purchase VAT) use the short designation. Own file objects.
class TMwStBuchenTestenThread : public TZEV_BuchenTestenThread {
public:
    explicit TMwStBuchenTestenThread(QString kurzBez) : FKurzBez(std::move(kurzBez)) {}

protected:
    int Pruefe() override;

private:
    QString FKurzBez;
};

class TXKMWSTConfigurator : public TXKAllgTabConfigurator {
public:
    static constexpr const char* KlassenName = "TXKMWSTConfigurator";
    static int ActiveOnTypes() { return 134; }
    static QString Groups(const QString&, const TXKConfiguratorClass&) { return QStringLiteral("ARTV"); }

    void DefineFields() override;
    QString FormNameUebersicht() override { return QStringLiteral("frmXKMWSTUebForm"); }
    QString FormNameEinzelansicht() override { return QStringLiteral("frmXKMWSTEdtForm"); }
    QString FormCaptionUebersicht() override { return QStringLiteral("Mehrwertsteuer"); }
    QString FormCaptionEinzelansicht() override { return QStringLiteral("Mehrwertsteuer"); }
    int SetCount() override;
    bool GetFirst(QStringList& line) override;
    bool GetNext(QStringList& line) override;
    void FillNewLine(QStringList& line) override;
    bool SwitchControlEnabled_4_Mode_Edit(int index) override;
    bool BuchenTesten(const QString& code, const QStringList& alt, const QStringList& neu) override;
    void Buchen(const QString& code, const QStringList& alt, const QStringList& neu) override;
    void FillWertevorrat(int index, QStringList& liste) override;

    int FFieldIndLand = -1;
    int FFieldIndKurzBez = -1;
    int FFieldIndLangBez = -1;
    int FFieldIndAbDatum = -1;
    int FFieldIndProzent = -1;

protected:
    void Resources_Create() override;
    void Resources_InitF() override;
    void Resources_DoneF() override;
    void Resources_Destroy() override;

private:
    void FillFields(QStringList& line) const;
    bool Lese(const QStringList& line);
    std::unique_ptr<Tmwfile> FMwFile;
};

// The codes of the country file, for the country value lists.
QStringList XKLaenderKuerzel();

void InitUnit_XKMWST();
