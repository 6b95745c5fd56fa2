#pragma once
// Base of the host's small choosers (seasons, business partners): a search
// field over all columns, the list, "Übernehmen" (Enter, double click) and
// "Abbrechen" (Esc). Arrow keys in the search field move through the list.
// Each row's Tag is the index of its entry in the chooser's own list.

#include "TQLNForm.h"

class QLineEdit;
class QPushButton;
class TVTQLNVRList;

class TQLNAuswahlForm : public TQLNForm {
    Q_OBJECT
public:
    // name: the window's settings name; mehrfach: several rows may be chosen.
    TQLNAuswahlForm(const QString& caption, const QString& name, bool mehrfach, QWidget* parent);

    TVTQLNVRList* Liste() const { return vriListe; }
    QLineEdit* Suche() const { return edtSuche; }
    // Hides the rows that hold the text in no column (case ignored).
    void Filtere(const QString& text);
    void Uebernehmen();  // closes with OK when a shown row is chosen
    // Tags of the chosen shown rows, in the list's order.
    QList<int> AusgewaehlteTags() const;

    QPushButton* btnUebernehmen;
    QPushButton* btnAbbrechen;

protected:
    // After the rows are added: selects the first one and sizes the window.
    void ZeilenFertig();
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    TVTQLNVRList* vriListe;
    QLineEdit* edtSuche;
};
