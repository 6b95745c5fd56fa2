#pragma once
// The single-record form of the generic table editor: one editor per visible
// field, generated from the declarations. Confirming (F5 or "Speichern") hands
// the line to Bestaetigen; a refusal keeps the form open with the input in place.

#include "TAllgTabDefinition.h"
#include "TQLNForm.h"

#include <functional>

class QCheckBox;
class QComboBox;
class TQLNDatumEdit;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class TfrmAllgTabEinzel : public TQLNForm {
    Q_OBJECT
public:
    TfrmAllgTabEinzel(TAllgTabDefinition& def, TXKEFMode modus, const QStringList& line, QWidget* parent = nullptr);

    // The line as edited, in field order (hidden fields as given).
    QStringList Werte() const;
    void SetWert(int index, const QString& wert);
    QWidget* Editor(int index) const;  // nullptr for hidden fields
    TXKEFMode Modus() const { return FModus; }
    QPushButton* btnSpeichern = nullptr;
    QPushButton* btnAbbrechen = nullptr;

    std::function<bool(const QStringList& neu)> Bestaetigen;
    void Speichern();  // F5

private:
    struct Editorfeld {
        QWidget* Widget = nullptr;
        QLineEdit* Edit = nullptr;
        QComboBox* Combo = nullptr;
        QCheckBox* Check = nullptr;
        TQLNDatumEdit* Datum = nullptr;
        QListWidget* Liste = nullptr;
    };
    QWidget* BaueEditor(int index, Editorfeld& e);
    void FeldEnabled(int index, bool enabled);
    TAllgTabDefinition& FDef;
    TXKEFMode FModus;
    QStringList FLine;
    QList<Editorfeld> FEditoren;
};
