#pragma once
// "VARIANTEN": user-defined article attributes; an article carries up to three.
// The picture variants ("BILDVAR", TXKBVRConfigurator) share everything but
// their file and the table their delete test reads.

#include "TXKCodeTabConfigurator.h"
#include "host/records/Tvrfile.h"

class TXKVRConfigurator : public TXKCodeTabConfigurator<Tvrfile> {
public:
    static constexpr const char* KlassenName = "TXKVRConfigurator";
    explicit TXKVRConfigurator(const char* klasse = KlassenName) : TXKCodeTabConfigurator(klasse) {}
    static int ActiveOnTypes() { return 134; }
    static QString Groups(const QString&, const TXKConfiguratorClass&) { return QStringLiteral("ARTV"); }

    void DefineFields() override;
    QString FormNameUebersicht() override { return QStringLiteral("frmXKVRUebForm"); }
    QString FormNameEinzelansicht() override { return QStringLiteral("frmXKVREdtForm"); }
    QString FormCaptionUebersicht() override { return QStringLiteral("Varianten"); }
    QString FormCaptionEinzelansicht() override { return QStringLiteral("Varianten"); }
    bool SwitchControlEnabled_4_Mode_Edit(int index) override { return index != FFieldIndVariante; }
    bool BuchenTesten(const QString& code, const QStringList& alt, const QStringList& neu) override;
    void Buchen(const QString& code, const QStringList& alt, const QStringList& neu) override;

    int FFieldIndVariante = -1;
    int FFieldIndBeschreibung = -1;

protected:
    void Resources_InitF() override;
    void FillFields(QStringList& line) override;
    // True when the variant is referenced (scan with the progress display).
    virtual bool VarianteBenutzt(const QString& variante);
};

void InitUnit_XKVR();
