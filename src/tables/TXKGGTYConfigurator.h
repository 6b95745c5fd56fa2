#pragma once
// "GGTY": purposes of alternative size runs (size-run types). Types given by
// the system ("Änderbar" "N") stay as they are; a type that rules for
// alternative size runs use cannot be deleted, nor can its designation change,
// since the rules keep it.

#include "TXKCodeTabConfigurator.h"
#include "host/records/Tggtyfile.h"

class TXKGGTYConfigurator : public TXKCodeTabConfigurator<Tggtyfile> {
public:
    static constexpr const char* KlassenName = "TXKGGTYConfigurator";
    TXKGGTYConfigurator() : TXKCodeTabConfigurator(KlassenName) {}
    static int ActiveOnTypes() { return 150; }

    // The key of the first alternative-size-run rule that uses the type, empty when none does.
    static QString VerwendendeRegel(const QString& typ);

    void DefineFields() override;
    QString FormNameUebersicht() override { return QStringLiteral("frmXKGGTYUebForm"); }
    QString FormNameEinzelansicht() override { return QStringLiteral("frmXKGGTYEdtForm"); }
    QString FormCaptionUebersicht() override { return QStringLiteral("Größengänge (Verwendungszweck alternative)"); }
    QString FormCaptionEinzelansicht() override { return QStringLiteral("Größengänge (Verwendungszweck alternative)"); }
    void FillNewLine(QStringList& line) override;
    void FillWertevorrat(int index, QStringList& liste) override;
    bool SwitchControlEnabled_4_Mode_New(int index) override { return index != FFieldIndAenderbar; }
    bool SwitchControlEnabled_4_Mode_Edit(int index) override;
    bool BuchenTesten(const QString& code, const QStringList& alt, const QStringList& neu) override;
    void Buchen(const QString& code, const QStringList& alt, const QStringList& neu) override;

    int FFieldIndTyp = -1;
    int FFieldIndBezeichnung = -1;
    int FFieldIndAenderbar = -1;

protected:
    void Resources_InitF() override;
    void FillFields(QStringList& line) override;

private:
    bool Lese(const QString& typ);
    static void Meldung(int nummer, const QStringList& args = {});
};

void InitUnit_XKGGTY();
