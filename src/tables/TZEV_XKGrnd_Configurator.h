#pragma once
// The reason family: reasons for stock movements ("BEWG"), value changes
// ("GRND") and requests to the handling store ("HLAG"), one kind each in the
// reason file. Reasons are not deleted, except those of the handling store
// that no task uses.

#include "common/TIntPair.h"
#include "registry/TXKAllgTabConfigurator.h"

#include <memory>

class IQLN_AufgabenEditServer;
class TGrndFile;

// Kinds of reasons (FKuerzel) and their key texts.
enum TZEV_GrndKuerzel : int { grndBEW = 0, grndWEG = 1, grndHAG = 2 };

class TZEV_XKGrnd_Configurator : public TXKAllgTabConfigurator {
public:
    static constexpr const char* KlassenName = "TZEV_XKGrnd_Configurator";
    static int ActiveOnTypes() { return 130; }  // types 1 and 7

    explicit TZEV_XKGrnd_Configurator(TZEV_GrndKuerzel kuerzel);
    ~TZEV_XKGrnd_Configurator() override;

    void DefineFields() override;
    bool GetFirst(QStringList& line) override;
    bool GetNext(QStringList& line) override;
    void FillNewLine(QStringList& line) override;
    void SetAllowedModes() override;
    void EditLabels(int index, QString& caption) override;
    bool SwitchControlEnabled_4_Mode_Edit(int index) override;
    bool BuchenTesten(const QString& code, const QStringList& alt, const QStringList& neu) override;
    void Buchen(const QString& code, const QStringList& alt, const QStringList& neu) override;

    QString KuerzelText() const;
    bool IstHAG() const { return FKuerzel == grndHAG; }
    TIntTrio IdVon(const QStringList& line) const;

    int FFieldIndKuerzel = -1;
    int FFieldIndRnr = -1;
    int FFieldIndLnr = -1;
    int FFieldIndSnr = -1;
    int FFieldIndLangBez = -1;
    int FFieldIndKurzBez = -1;      // not for "HAG"
    int FFieldIndPrioritaet = -1;   // "HAG" only
    int FFieldIndReihenfolge = -1;  // "HAG" only
    int FFieldIndNurAufgabe = -1;   // "HAG" only
    int FFieldIndAktiv = -1;

protected:
    void Resources_Create() override;
    void Resources_InitF() override;
    void Resources_Destroy() override;

private:
    bool CodeErlaubt(const QString& code) const;
    void FillFields(QStringList& line) const;
    bool Lese(const TIntTrio& id);
    void SetzeWerte(const QStringList& neu);
    TZEV_GrndKuerzel FKuerzel;
    std::unique_ptr<TGrndFile> FGrndFile;
    IQLN_AufgabenEditServer* FAufgabenServer = nullptr;
};

class TZEV_XKBewg_Configurator : public TZEV_XKGrnd_Configurator {
public:
    static constexpr const char* KlassenName = "TZEV_XKBewg_Configurator";
    TZEV_XKBewg_Configurator() : TZEV_XKGrnd_Configurator(grndBEW) {}
    QString FormNameUebersicht() override { return QStringLiteral("bewg_uebersicht"); }
    QString FormNameEinzelansicht() override { return QStringLiteral("bewg_einzel"); }
    QString FormCaptionUebersicht() override { return QStringLiteral("Bewegungsgründe"); }
    QString FormCaptionEinzelansicht() override { return QStringLiteral("Bewegungsgründe"); }
    int FormLabelWidth() override { return 140; }
};

class TZEV_XKWeg_Configurator : public TZEV_XKGrnd_Configurator {
public:
    static constexpr const char* KlassenName = "TZEV_XKWeg_Configurator";
    TZEV_XKWeg_Configurator() : TZEV_XKGrnd_Configurator(grndWEG) {}
    QString FormNameUebersicht() override { return QStringLiteral("weg_uebersicht"); }
    QString FormNameEinzelansicht() override { return QStringLiteral("weg_einzel"); }
    QString FormCaptionUebersicht() override { return QStringLiteral("Wertänderungsgründe"); }
    QString FormCaptionEinzelansicht() override { return QStringLiteral("Wertänderungsgründe"); }
    int FormLabelWidth() override { return 140; }
};

class TZEV_XKHAG_Configurator : public TZEV_XKGrnd_Configurator {
public:
    static constexpr const char* KlassenName = "TZEV_XKHAG_Configurator";
    TZEV_XKHAG_Configurator() : TZEV_XKGrnd_Configurator(grndHAG) {}
    QString FormNameUebersicht() override { return QStringLiteral("hag_uebersicht"); }
    QString FormNameEinzelansicht() override { return QStringLiteral("hag_einzel"); }
    QString FormCaptionUebersicht() override { return QStringLiteral("Handlageranforderungsgründe"); }
    QString FormCaptionEinzelansicht() override { return QStringLiteral("Handlageranforderungsgründe"); }
    int FormLabelWidth() override { return 220; }
};

void InitUnit_XKGrnd();
