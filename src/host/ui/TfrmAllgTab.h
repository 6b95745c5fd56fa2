#pragma once
// The overview of the generic table editor: all records of a table
// configurator in a sortable list, with new (Ins), change (Enter/F2), delete
// (Del), view and print, a quick search over the shown columns, and, when used
// as a picker, "Übernehmen" handing back the chosen row.

#include "TAllgTabDefinition.h"
#include "TQLNForm.h"

class QLabel;
class QLineEdit;
class QPushButton;
class TVTQLNVRList;
struct TVRRow;

class TfrmAllgTab : public TQLNForm {
    Q_OBJECT
public:
    explicit TfrmAllgTab(TAllgTabDefinition& def, bool auswahl = false, QWidget* parent = nullptr);
    ~TfrmAllgTab() override;

    // Reads all rows again; keeps the row whose line equals waehlen selected (else the same position).
    void Lade(const QStringList& waehlen = {});
    TVTQLNVRList* Liste() const { return vriListe; }
    QStringList ZeileVon(const TVRRow* row) const;
    QStringList AktuelleZeile() const;
    // The picked row's return value (picker use).
    const QString& Auswahl() const { return FAuswahl; }

    // Actions, as the buttons and keys run them.
    void Neu();
    void Aendern();
    void Ansehen();
    void Loeschen();
    void Drucken();
    void Uebernehmen();
    void Filtere(const QString& text);

    QPushButton* btnNeu;
    QPushButton* btnAendern;
    QPushButton* btnLoeschen;
    QPushButton* btnAnsehen;
    QPushButton* btnDrucken;
    QPushButton* btnUebernehmen;
    QPushButton* btnSchliessen;
    QLineEdit* edtSuche;
    QLabel* lblAnzahl;
    QLabel* lblLeer;

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    bool Erlaubt(int modus) const { return FDef.AllowedModes().contains(modus); }
    void Einzel(TXKEFMode modus, const QStringList& line);
    void AktualisiereAnzeige();
    TAllgTabDefinition& FDef;
    bool FAuswahlModus;
    QString FAuswahl;
    TVTQLNVRList* vriListe;
};
