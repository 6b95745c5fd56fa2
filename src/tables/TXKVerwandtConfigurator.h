#pragma once
// "VERWANDT": relationship types of articles (successor, accessory, ...). Only
// the designation of a type may change later; deleting a type deletes its
// article relations, after a question.

#include "TXKCodeTabConfigurator.h"
#include "host/records/Tvtypfile.h"

class TXKVerwandtConfigurator : public TXKCodeTabConfigurator<Tvtypfile> {
public:
    static constexpr const char* KlassenName = "TXKVerwandtConfigurator";
    TXKVerwandtConfigurator() : TXKCodeTabConfigurator(KlassenName) {}
    static int ActiveOnTypes() { return 134; }
    static QString Groups(const QString&, const TXKConfiguratorClass&) { return QStringLiteral("PRODUKTE"); }

    void DefineFields() override;
    QString FormNameUebersicht() override { return QStringLiteral("frmXKVerwandtUebForm"); }
    QString FormNameEinzelansicht() override { return QStringLiteral("frmXKVerwandtEdtForm"); }
    QString FormCaptionUebersicht() override { return QStringLiteral("Verwandtschaftstypen"); }
    QString FormCaptionEinzelansicht() override { return QStringLiteral("Verwandtschaftstypen"); }
    int FormLabelWidth() override { return 300; }
    void EditLabels(int index, QString& caption) override;
    void SetAllowedModes() override;
    bool SwitchControlEnabled_4_Mode_Edit(int index) override { return index == FFieldIndBez; }
    bool BuchenTesten(const QString& code, const QStringList& alt, const QStringList& neu) override;
    void Buchen(const QString& code, const QStringList& alt, const QStringList& neu) override;

    int FFieldIndKennung = -1;
    int FFieldIndBez = -1;
    int FFieldIndAender = -1;
    int FFieldIndGerichtet = -1;

protected:
    void Resources_InitF() override;
    void FillFields(QStringList& line) override;

private:
    bool Lese(const QString& kennung);
    static bool HatZuordnungen(const QString& kennung);
    static void LoescheZuordnungen(const QString& kennung);
    // The type whose relations the user agreed to delete with it; the relations
    // go in the same posting as the type.
    QString FZuordnungenLoeschen;
};

void InitUnit_XKVerwandt();
