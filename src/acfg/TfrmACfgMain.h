#pragma once
// The configuration window: the types below one root type with the value of
// a selected computer (view 1), check boxes to copy types from the selected
// computer to others (view 2), or the values of all computers grouped by
// equal values (view 3). Editing goes through the editing provider; the rules
// are in TZEV_ACfg_TreeLogik.

#include "host/acfg/TZEV_ACfg_Tyco.h"
#include "host/ui/TQLNForm.h"

class QComboBox;
class QLabel;
class QPushButton;
class TZEV_ACfg_TreeView;
class TZEV_RechnerCombobox;
class TZEV_VTree_CheckNodesBox;

class TfrmACfgMain : public TQLNForm {
    Q_OBJECT
public:
    explicit TfrmACfgMain(QWidget* parent = nullptr);
    ~TfrmACfgMain() override;

    void SetShowRootNode(bool an) { FShowRootNode = an; }
    void ACfgTyp_Set(TZEV_ACfgType_Erw root);
    TZEV_ACfgType_Erw ACfgTyp() const { return FACfgTyp; }

    // Selects the own computer and the first view (once, also from showEvent).
    void FormShow();
    void MaskenModus_Set(int modus);
    int MaskenModus() const { return FMaskenModus; }
    int SelRNr() const { return FSelRNr; }

    // The user's actions, each under the work guard (kind 15).
    void Execute_KonfigBearbeitung();
    void btnTransferSelCfgsClick();
    void cmbRechnerChange();
    void cmbAnsichtChange();
    void TextSearch(const QString& startText);

    void ShowProgressView(bool uebertragen);
    void HideProgressView();
    int ProgressCount() const { return FProgessCount; }

    QLabel* lblUeberschrift = nullptr;
    QLabel* lblAnsicht = nullptr;
    QComboBox* cmbAnsicht = nullptr;
    QLabel* lblRechner = nullptr;
    TZEV_RechnerCombobox* cmbRechner = nullptr;
    TZEV_VTree_CheckNodesBox* CheckNodesBox = nullptr;
    TZEV_ACfg_TreeView* vtKonfig = nullptr;
    QPushButton* btnBeenden = nullptr;
    QPushButton* btnSuche = nullptr;
    QPushButton* btnBearbeiten = nullptr;
    QPushButton* btnTransferSelCfgs = nullptr;

protected:
    void showEvent(QShowEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    bool ZeichenTaste(QKeyEvent* e);
    void AnsichtAnzeigen(int modus);

    TZEV_ACfgType_Erw FACfgTyp = 0;
    bool FShowRootNode = false;
    int FMaskenModus = 0;
    int FSelRNr = 0;
    int FProgessCount = 0;
    bool FGezeigt = false;
};
