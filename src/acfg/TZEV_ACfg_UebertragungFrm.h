#pragma once
// Transfer of configurations: shows the source computer, the chosen types
// (with a read-only view of each) and a selection of target computers, and
// asks for confirmation. The caller copies once the dialog ends with 1.

#include "host/acfg/TZEV_ACfg_Tyco.h"
#include "host/ui/TQLNForm.h"

#include <QList>
#include <memory>

class QLabel;
class QPushButton;
class TVRRow;
class TZEV_ACfgEditFrm;
class TZEV_ACfg_TreeView;
class TZEV_RechnerAuswahlView;
class TZEV_RechnerCombobox;

class TZEV_ACfg_UebertragungFrm : public TQLNForm {
    Q_OBJECT
public:
    explicit TZEV_ACfg_UebertragungFrm(QWidget* parent = nullptr);
    ~TZEV_ACfg_UebertragungFrm() override;

    QList<TZEV_ACfgType_Erw> FCfgsToTransfer;
    void QuellRechner_Set(int rnr);
    int QuellRechner() const { return FQuellRechner; }
    QList<int> SelectedRechner_Get() const;

    // Fills and filters the tree (once, also from showEvent).
    void FormShow();
    void btnDetailsCfgsToTransferClick();
    void btnWeiterClick();
    TZEV_ACfgEditFrm* DetailFenster() const { return FACfGEditFrm.get(); }

    QLabel* alblQuellrechner = nullptr;
    QLabel* lblErklaerungQuellrechner = nullptr;
    TZEV_RechnerCombobox* cmbQuellrechner = nullptr;
    QLabel* lblErklaerungZielrechner = nullptr;
    TZEV_RechnerAuswahlView* RechnerAuswahlView = nullptr;
    QLabel* lblErklaerungCfgsToTransfer = nullptr;
    TZEV_ACfg_TreeView* vtCfgsToTransfer = nullptr;
    QPushButton* btnDetailsCfgsToTransfer = nullptr;
    QPushButton* btnZurueck = nullptr;
    QPushButton* btnWeiter = nullptr;

protected:
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    void vtCfgsToTransferSelectionChanged(TVRRow* row);
    void ShowProgressView();
    void HideProgressView();
    void ZeigeDetails(TVRRow* row);

    int FQuellRechner = 0;
    int FProgressCount = 0;
    bool FGezeigt = false;
    std::unique_ptr<TZEV_ACfgEditFrm> FACfGEditFrm;
};
