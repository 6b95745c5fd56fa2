#pragma once
// The host's brand window: the brands that articles reference, in the generic
// overview with new, change and delete. A brand that articles use cannot be
// deleted.

#include "THostTabDefinition.h"
#include "TfrmAllgTab.h"

#include <memory>

class Tmarkfile;

class TMarkenTabelle : public THostTabDefinition {
public:
    TMarkenTabelle();
    ~TMarkenTabelle() override;

    QString FormNameUebersicht() override { return QStringLiteral("frmMarkenUebForm"); }
    QString FormNameEinzelansicht() override { return QStringLiteral("frmMarkenEdtForm"); }
    QString FormCaptionUebersicht() override { return QStringLiteral("Marken"); }
    QString FormCaptionEinzelansicht() override { return QStringLiteral("Marken"); }
    int SetCount() override;
    bool GetFirst(QStringList& line) override;
    bool GetNext(QStringList& line) override;
    void FillNewLine(QStringList& line) override;
    bool SwitchControlEnabled_4_Mode_Edit(int index) override { return index != FIndKuerzel; }
    bool BuchenTesten(const QString& code, const QStringList& alt, const QStringList& neu) override;
    void Buchen(const QString& code, const QStringList& alt, const QStringList& neu) override;

    // Whether an article references the brand.
    static bool MarkeBenutzt(const QString& kuerzel);

    int FIndKuerzel = -1;
    int FIndBezeichnung = -1;
    int FIndHersteller = -1;
    int FIndAktiv = -1;

private:
    void FillFields(QStringList& line) const;
    bool Lese(const QString& kuerzel);
    std::unique_ptr<Tmarkfile> FFile;
};

class TfrmMarken : public TfrmAllgTab {
    Q_OBJECT
public:
    explicit TfrmMarken(QWidget* parent = nullptr);
    TMarkenTabelle& Tabelle() const { return *FTabelle; }

private:
    TfrmMarken(std::unique_ptr<TMarkenTabelle> tabelle, QWidget* parent);
    // A child of the window: it outlives the overview's own clean-up.
    TMarkenTabelle* FTabelle;
};
