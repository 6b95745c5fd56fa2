#pragma once
// "WAEHREINH": the currency units counted at the till closing (coins, notes
// and others per currency).

#include "registry/TXKAllgTabConfigurator.h"

class Twefile;

class TXKWEConfigurator : public TXKAllgTabConfigurator {
public:
    static constexpr const char* KlassenName = "TXKWEConfigurator";
    static int ActiveOnTypes() { return 130; }  // types 1 and 7
    static QString Groups(const QString&, const TXKConfiguratorClass&) { return QStringLiteral("VERK"); }

    void DefineFields() override;
    QString FormNameUebersicht() override { return QStringLiteral("frmXKWEUebForm"); }
    QString FormNameEinzelansicht() override { return QStringLiteral("frmXKWEEdtForm"); }
    QString FormCaptionUebersicht() override { return QStringLiteral("Währungseinheiten"); }
    QString FormCaptionEinzelansicht() override { return QStringLiteral("Währungseinheiten"); }
    int SetCount() override;
    bool GetFirst(QStringList& line) override;
    bool GetNext(QStringList& line) override;
    void FillNewLine(QStringList& line) override;
    bool SwitchControlEnabled_4_Mode_Edit(int index) override;
    bool BuchenTesten(const QString& code, const QStringList& alt, const QStringList& neu) override;
    void Buchen(const QString& code, const QStringList& alt, const QStringList& neu) override;
    void FillWertevorrat(int index, QStringList& liste) override;

    // Whether a till count uses the unit (scan with the progress dialog).
    static bool EinheitVerwendet(const QString& waehrung, int nummer);

    static const QStringList& FormGespeichert();
    static const QStringList& FormAngezeigt();
    static const QStringList& AktivGespeichert();
    static const QStringList& AktivAngezeigt();

    int FFieldIndWaehrung = -1;
    int FFieldIndNummer = -1;
    int FFieldIndForm = -1;
    int FFieldIndEinheit = -1;
    int FFieldIndName = -1;
    int FFieldIndMulti = -1;
    int FFieldIndAktivKz = -1;

protected:
    void Resources_Create() override;
    void Resources_InitF() override;
    void Resources_DoneF() override;
    void Resources_Destroy() override;

private:
    void FillFields(QStringList& line) const;
    void Einfuegen(const QString& waehrung, int nummer, const QStringList& neu);
    int NaechsteNummer(const QString& waehrung);
    std::unique_ptr<Twefile> FWeFile;
};

void InitUnit_XKWE();
