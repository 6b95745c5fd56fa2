#pragma once
// The parameter list of one catalogue entry: every parameter once with its
// current value, searchable and printable; "Ändern" opens the parameter's dialog.

#include "host/ui/TQLNForm.h"

class QKeyEvent;
class QProgressBar;
class QPushButton;
class TVTQLNVRList;
class TXKParmConfigurator;
struct TVRRow;

class TfrmXkParm : public TQLNForm {
    Q_OBJECT
public:
    // name: the window settings name; caption: the list's caption.
    TfrmXkParm(TXKParmConfigurator* conf, const QString& name, const QString& caption, QWidget* parent = nullptr);
    ~TfrmXkParm() override;

    // Fills the list (under the work guard), with a progress bar meanwhile.
    void FillGrid();
    bool Gefuellt() const { return FGefuellt; }
    const QString& ListenCaption() const { return FCaption; }

    // Handlers, public so that tests can call them as the controls do.
    void btnAendernClick();
    void btnSucheClick();
    void btnDruckenClick();
    void vriParmDblClick(TVRRow* row);
    void TextSearch(const QString& startText);

    TVTQLNVRList* vriParm;
    QProgressBar* prbFuellen;
    QPushButton* btnAendern;
    QPushButton* btnSuche;
    QPushButton* btnDrucken;
    QPushButton* btnAbbrechen;

protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void Aendern(TVRRow* row, const QString& kontext);
    bool ZeichenTaste(QKeyEvent* e);
    void KnoepfeAn(bool an);
    TXKParmConfigurator* FConf;
    QString FCaption;
    bool FGezeigt = false;
    bool FGefuellt = false;
};
