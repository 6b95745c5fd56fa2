#pragma once
// "SAIS": the seasons, a designation and a year with the selling and the
// pre-order period and a short number. Seasons of the designations "GJA" and
// "ALT" have neither year nor dates.

#include "registry/TXKAllgTabConfigurator.h"

#include <memory>

class TStfile;

class TXKSaisConfigurator : public TXKAllgTabConfigurator {
public:
    static constexpr const char* KlassenName = "TXKSaisConfigurator";
    TXKSaisConfigurator();
    ~TXKSaisConfigurator() override;
    static int ActiveOnTypes() { return 134; }
    static QString Groups(const QString&, const TXKConfiguratorClass&) { return QStringLiteral("ARTV"); }

    void DefineFields() override;
    QString FormNameUebersicht() override { return QStringLiteral("frmXKSaisUebForm"); }
    QString FormNameEinzelansicht() override { return QStringLiteral("frmXKSaisEdtForm"); }
    QString FormCaptionUebersicht() override { return QStringLiteral("Saisons"); }
    QString FormCaptionEinzelansicht() override { return QStringLiteral("Saisons"); }
    int SetCount() override;
    bool GetFirst(QStringList& line) override;
    bool GetNext(QStringList& line) override;
    void FillWertevorrat(int index, QStringList& liste) override;
    bool SwitchControlEnabled_4_Mode_Edit(int index) override;
    bool BuchenTesten(const QString& code, const QStringList& alt, const QStringList& neu) override;
    void Buchen(const QString& code, const QStringList& alt, const QStringList& neu) override;

    // The code of a designation text; an Exception for a text without code.
    QString KurzBez4LangBez(const QString& text) const;
    // The text of a code; a code not among the active designations is looked
    // up in the designation file and kept.
    QString LangBez4KurzBez(const QString& code);
    int SaisKurz() const { return FSaisKurz; }

    int FFieldIndSaisAbk = -1;
    int FFieldIndJahr = -1;
    int FFieldIndSaisStart = -1;
    int FFieldIndSaisEnde = -1;
    int FFieldIndVorordStart = -1;
    int FFieldIndVorordEnde = -1;
    int FFieldIndKurzNr = -1;

protected:
    void Resources_Create() override;
    void Resources_InitF() override;
    void Resources_DoneF() override;
    void Resources_Destroy() override;

private:
    void FillActiveSais();
    void FillFields(QStringList& line);
    bool Lese(const QString& code, int jahr);
    void Fuellen(const QStringList& neu);
    std::unique_ptr<TStfile> FStFile;
    int FSaisKurz = 0;          // most digits of a short number ("SAISKURZ")
    QStringList FSaisKuerzel;   // codes and texts of the designations, in parallel
    QStringList FSaisTexte;
};

void InitUnit_XKSais();
