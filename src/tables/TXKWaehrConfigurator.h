#pragma once
// "WAEHRUNG": the currencies; the system's first and second currency cannot be deleted.

#include "registry/TXKAllgTabConfigurator.h"

class Twhfile;

class TXKWaehrConfigurator : public TXKAllgTabConfigurator {
public:
    static constexpr const char* KlassenName = "TXKWaehrConfigurator";
    static int ActiveOnTypes() { return 134; }

    void DefineFields() override;
    QString FormNameUebersicht() override { return QStringLiteral("frmXKWaehrUebForm"); }
    QString FormNameEinzelansicht() override { return QStringLiteral("frmXKWaehrEdtForm"); }
    QString FormCaptionUebersicht() override { return QStringLiteral("Währungen"); }
    QString FormCaptionEinzelansicht() override { return QStringLiteral("Währungen"); }
    int SetCount() override;
    bool GetFirst(QStringList& line) override;
    bool GetNext(QStringList& line) override;
    bool SwitchControlEnabled_4_Mode_Edit(int index) override;
    bool BuchenTesten(const QString& code, const QStringList& alt, const QStringList& neu) override;
    void Buchen(const QString& code, const QStringList& alt, const QStringList& neu) override;
    void FillWertevorrat(int index, QStringList& liste) override;

    int FFieldIndKurzBez = -1;
    int FFieldIndISO4217 = -1;
    int FFieldIndLangBez = -1;
    int FFieldIndZahlung = -1;
    int FFieldIndLand = -1;

protected:
    void Resources_Create() override;
    void Resources_InitF() override;
    void Resources_DoneF() override;
    void Resources_Destroy() override;

private:
    void FillFields(QStringList& line) const;
    bool Lese(const QString& kurzBez);
    std::unique_ptr<Twhfile> FWhFile;
};

void InitUnit_XKWaehr();
