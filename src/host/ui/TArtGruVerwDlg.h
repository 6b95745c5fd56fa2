#pragma once
// The host's maintenance of article groups and actions of one group type
// (article groups, price, transfer and advertising actions): the generic
// overview over the groups of the type, with new, change and delete, and, when
// the selection button is shown, "Übernehmen" handing back the chosen group.

#include "THostTabDefinition.h"

#include <memory>

class QWidget;
class Tagrufile;

// The groups of one type as a table for the generic windows.
class TArtGruTabelle : public THostTabDefinition {
public:
    explicit TArtGruTabelle(int typ);
    ~TArtGruTabelle() override;

    QString FormNameUebersicht() override { return QStringLiteral("frmArtGruVerwUebForm%1").arg(FTyp); }
    QString FormNameEinzelansicht() override { return QStringLiteral("frmArtGruVerwEdtForm%1").arg(FTyp); }
    QString FormCaptionUebersicht() override;
    QString FormCaptionEinzelansicht() override { return FormCaptionUebersicht(); }
    int SetCount() override;
    bool GetFirst(QStringList& line) override;
    bool GetNext(QStringList& line) override;
    void FillNewLine(QStringList& line) override;
    bool SwitchControlEnabled_4_Mode_Edit(int index) override { return index != FIndNummer; }
    bool BuchenTesten(const QString& code, const QStringList& alt, const QStringList& neu) override;
    void Buchen(const QString& code, const QStringList& alt, const QStringList& neu) override;

    // Actions have a period; article groups do not.
    bool MitZeitraum() const;
    int NaechsteNummer();

    int FIndNummer = -1;
    int FIndBezeichnung = -1;
    int FIndGueltigAb = -1;
    int FIndGueltigBis = -1;
    int FIndBemerkung = -1;

private:
    void FillFields(QStringList& line) const;
    bool Lese(int nummer);
    const int FTyp;
    std::unique_ptr<Tagrufile> FFile;
};

class TArtGruVerwDlg {
public:
    explicit TArtGruVerwDlg(QWidget* parent = nullptr) : FParent(parent) {}
    void SetAuswahlButtonShow(bool zeigen) { FAuswahlButtonShow = zeigen; }
    bool AuswahlButtonShow() const { return FAuswahlButtonShow; }
    // Runs the window for group type typ (1 to 4), with the group numbered
    // vorgabe selected. With the selection button: true and the chosen group's
    // number in auswahl when the user took one. Without: true when the window
    // ran. An unknown type shows nothing and gives false.
    bool Execute(int typ, const QString& vorgabe, QString* auswahl);

private:
    QWidget* FParent;
    bool FAuswahlButtonShow = true;
};
