#pragma once
// The dialog of one parameter: what the catalogue says about it, an editor
// for its value type, and two pages: "Aktueller Rechner" writes the value of
// this computer, "Alle Rechner" (not for system-wide parameters) writes it
// for the computers ticked in the list.

#include "TXKParmEdtDaten.h"
#include "host/ui/TQLNForm.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QVBoxLayout;
class TVTQLNVRList;
class TXKParmConfigurator;

class TfrmXKParmEdt : public TQLNForm {
    Q_OBJECT
public:
    TfrmXKParmEdt(TXKParmConfigurator* conf, const QString& parmKennung, const QString& caption,
                  const QString& groupKennung, QWidget* parent = nullptr);
    ~TfrmXKParmEdt() override;

    // The preparation when first shown: read the parameter, texts, pages,
    // editor, value and computer list. Failures are reported; nothing can then be posted.
    void Vorbereiten();
    bool Vorbereitet() const { return FVorbereitet; }

    void BuildEdit();
    void ShowValue();
    void ShowRechList();
    QString WertErmitteln() const;
    bool NoPCChecked() const;
    bool VersionTest();
    bool BuchenTesten();
    void Buchen();
    bool AufAlleRechner() const;

    // Handlers, public so that tests can call them as the controls do.
    void btnBuchenClick();
    void btnAlleClick();
    void btnAlleUmkehrenClick();
    void btnUebernehmenClick();
    void SeiteWechseln();  // F4

    const TXKParmEdtDaten& Daten() const { return FDaten; }
    QWidget* FEditor = nullptr;
    int FRechNrInd = -1;
    int FRechNameInd = -1;
    int FRechTypInd = -1;
    int FParmWertInd = -1;

    QLabel* lblBezeichnung;
    QLabel* lblKennung;
    QLabel* lblGruppe;
    QLabel* lblVerfuegbar;
    QLabel* lblGueltigkeit;
    QLabel* lblHinweis;
    QPlainTextEdit* memHilfe;
    QTabWidget* pgcRechner;
    QWidget* tsAktuellerRechner;
    QWidget* tsAlleRechner;
    QLabel* lblAktuellerRechner;
    QLabel* lblHerkunft;  // where this computer's value comes from
    TVTQLNVRList* vriRechner;
    QPushButton* btnAlle;
    QPushButton* btnAlleUmkehren;
    QPushButton* btnUebernehmen;
    QPushButton* btnBuchen;
    QPushButton* btnAbbrechen;

protected:
    void showEvent(QShowEvent* e) override;

private:
    void SeiteGewechselt(int index);
    void ZeigeHerkunft();
    TXKParmConfigurator* FConf;
    TXKParmEdtDaten FDaten;
    QVBoxLayout* FEditorLayout;
    bool FVorbereitet = false;
    bool FGezeigt = false;
    int FSeite = 0;
};
