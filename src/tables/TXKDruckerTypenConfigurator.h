#pragma once
// "DRUCKTYP": the printer types (type "D" of the general file) that workstation
// settings assign printers to. The system's own types cannot be changed.

#include "TXKGmerConfigurator.h"

class TXKDruckerTypenConfigurator : public TXKGmerConfigurator {
public:
    static constexpr const char* KlassenName = "TXKDruckerTypenConfigurator";
    TXKDruckerTypenConfigurator() : TXKGmerConfigurator(KlassenName) {}
    static int ActiveOnTypes() { return 134; }

    void DefineFields() override;
    QString FormNameUebersicht() override { return QStringLiteral("frmXKDruckerTypenUebForm"); }
    QString FormNameEinzelansicht() override { return QStringLiteral("frmXKDruckerTypenEdtForm"); }
    QString FormCaptionUebersicht() override { return QStringLiteral("Druckertypen"); }
    QString FormCaptionEinzelansicht() override { return QStringLiteral("Druckertypen"); }
    void FillNewLine(QStringList& line) override;
    bool BuchenTesten(const QString& code, const QStringList& alt, const QStringList& neu) override;
    void Buchen(const QString& code, const QStringList& alt, const QStringList& neu) override;

    int FFieldIndTyp = -1;
    int FFieldIndRnr = -1;
    int FFieldIndLnr = -1;
    int FFieldIndBezeichnung = -1;

protected:
    QString Typ() const override { return QStringLiteral("D"); }
    void Resources_InitF() override;
    void FillFields(QStringList& line) override;
};

void InitUnit_XKDruckerTypen();
