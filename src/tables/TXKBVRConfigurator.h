#pragma once
// "BILDVAR": the variants that article pictures are told apart by.

#include "TXKVRConfigurator.h"

class TXKBVRConfigurator : public TXKVRConfigurator {
public:
    static constexpr const char* KlassenName = "TXKBVRConfigurator";
    TXKBVRConfigurator() : TXKVRConfigurator(KlassenName) {}

    QString FormNameUebersicht() override { return QStringLiteral("frmXKBVRUebForm"); }
    QString FormNameEinzelansicht() override { return QStringLiteral("frmXKBVREdtForm"); }
    QString FormCaptionUebersicht() override { return QStringLiteral("Bild-Varianten"); }
    QString FormCaptionEinzelansicht() override { return QStringLiteral("Bild-Varianten"); }

protected:
    std::unique_ptr<Tvrfile> ErzeugeDatei() override;
    bool VarianteBenutzt(const QString& variante) override;
};

void InitUnit_XKBVR();
