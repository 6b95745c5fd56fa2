#pragma once
// "SPRACHEN": the languages of texts (short designation, name, country, code page).

#include "registry/TXKAllgTabConfigurator.h"

class TLgfile;

class TXKSprachConfigurator : public TXKAllgTabConfigurator {
public:
    static constexpr const char* KlassenName = "TXKSprachConfigurator";
    static int ActiveOnTypes() { return 134; }

    void DefineFields() override;
    QString FormNameUebersicht() override { return QStringLiteral("frmXKSprachUebForm"); }
    QString FormNameEinzelansicht() override { return QStringLiteral("frmXKSprachEdtForm"); }
    QString FormCaptionUebersicht() override { return QStringLiteral("Sprachen"); }
    QString FormCaptionEinzelansicht() override { return QStringLiteral("Sprachen"); }
    int SetCount() override;
    bool GetFirst(QStringList& line) override;
    bool GetNext(QStringList& line) override;
    bool BuchenTesten(const QString& code, const QStringList& alt, const QStringList& neu) override;
    void Buchen(const QString& code, const QStringList& alt, const QStringList& neu) override;
    void FillWertevorrat(int index, QStringList& liste) override;

    int FFieldIndKurzBez = -1;
    int FFieldIndLangBez = -1;
    int FFieldIndLand = -1;
    int FFieldIndCode = -1;

protected:
    void Resources_Create() override;
    void Resources_InitF() override;
    void Resources_DoneF() override;
    void Resources_Destroy() override;

private:
    void FillFields(QStringList& line) const;
    bool Lese(const QString& kurzBez);
    std::unique_ptr<TLgfile> FLgFile;
};

void InitUnit_XKSprach();
