#pragma once
// The host's auto-complete search: a small dialog with a text field and a list
// of proposals taken from a source. The source over a tree grid proposes the
// rows whose texts contain the typed text (case ignored), best matches first;
// picking a proposal reports the row.

#include "TQLNForm.h"

#include <functional>

class QLineEdit;
class QListWidget;
class TVTQLNVRList;
struct TVRRow;

// One proposal: the text shown and the data it stands for.
struct TACVorschlag {
    QString Text;
    QString Hinweis;  // where the match was found, shown beside the text
    void* Daten = nullptr;
};

class TACSource {
public:
    virtual ~TACSource() = default;
    virtual QList<TACVorschlag> Vorschlaege(const QString& text) const = 0;
};

// Ranks texts against the typed text. Lower rank is better: 0 the first text
// starts with it, 1 a word of the first text starts with it, 2 the first text
// contains it, 3 another text contains it; -1 no match. Case is ignored.
int TACRang(const QStringList& texte, const QString& gesucht);

// Source over the rows of a tree grid: all its columns are searched, the text
// shown is column 0.
class TACSourceVTCustom : public TACSource {
public:
    TACSourceVTCustom(TVTQLNVRList& grid, int spalte, bool nurSichtbare, bool mitKindern);
    QList<TACVorschlag> Vorschlaege(const QString& text) const override;
    TVRRow* RowOf(const TACVorschlag& v) const { return static_cast<TVRRow*>(v.Daten); }

private:
    TVTQLNVRList& FGrid;
    int FSpalte;
    bool FNurSichtbare;
    bool FMitKindern;
};

class TAutoCompleteDlg : public TQLNForm {
    Q_OBJECT
public:
    // inhalt 128: the start text is typed into the field (cursor at its end).
    TAutoCompleteDlg(TACSource& source, const QString& startText, int inhalt, int links, int oben, int breite,
                     int hoehe, int optionen, QWidget* parent = nullptr);

    // Called with the picked proposal's data when the user picks one.
    std::function<void(const QList<void*>& daten)> ACDlg_CompleteSelected;

    QLineEdit* Eingabe() const { return FEingabe; }
    QListWidget* Liste() const { return FListe; }
    void Aktualisiere();
    void Uebernehmen();  // picks the current proposal and closes

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    TACSource& FSource;
    QLineEdit* FEingabe;
    QListWidget* FListe;
    QList<TACVorschlag> FVorschlaege;
    bool FStartTextFortsetzen = false;  // until the first focus: keep the start text unselected
};
