#pragma once
// The configuration centre: lists the configurators active on this computer,
// narrows them by the command line, finds them by keyword and starts them.

#include "TXKConfListe.h"
#include "host/ui/TQLNForm.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class TVTQLNVRList;
struct TVRRow;

class TfrmTriveltaMain : public TQLNForm {
    Q_OBJECT
public:
    // args: the command line without the program name.
    explicit TfrmTriveltaMain(const QStringList& args, QWidget* parent = nullptr);
    ~TfrmTriveltaMain() override;

    const QString& SingleConf() const { return FSingleConf; }
    const QStringList& ExternList() const { return FExternList; }
    const QString& ExternGroup() const { return FExternGroup; }
    const TXKConfListe& ConfListe() const { return FXKConfListe; }

    void StartSingleConfig();
    void XKConfiguratorStart(int index);
    void TextSearch(const QString& startText);
    void ShowDetails(const TVRRow* row);

    // Handlers (public so that tests can call them as the controls do).
    void btnAendernClick();
    void btnSucheClick();
    void edtSucheChange();
    void vriConfiguratorsDblClick(TVRRow* row);

    QLabel* pnlHeader;
    QLabel* lblSuche;
    QLineEdit* edtSuche;
    QPushButton* btnSuche;
    TVTQLNVRList* vriConfigurators;
    QLabel* lblBezeichnung;
    QPlainTextEdit* memBeschreibung;
    QPlainTextEdit* memSchlagwort;
    QPushButton* btnAendern;
    QPushButton* btnClose;

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void FormCreate();
    void FillTreeView();
    void StarteZeile(TVRRow* row, const QString& kontext);
    bool ZeichenTaste(QKeyEvent* e);

    QStringList FArgs;
    bool FSchalterF;
    TXKConfListe FXKConfListe;
    QStringList FExternList;
    QString FExternGroup;
    QString FSingleConf;
};
