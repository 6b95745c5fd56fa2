#pragma once
// The check-all box over a configuration tree: shows whether all, some or none
// of the tree's enabled rows are checked; a click checks all or clears all
// (from partly checked it clears).

#include <QCheckBox>

class TZEV_ACfg_TreeView;

class TZEV_VTree_CheckNodesBox : public QCheckBox {
    Q_OBJECT
public:
    explicit TZEV_VTree_CheckNodesBox(QWidget* parent = nullptr);
    void SetTree(TZEV_ACfg_TreeView* tree);
    void ZustandAnzeigen();

protected:
    void nextCheckState() override;

private:
    TZEV_ACfg_TreeView* FTree = nullptr;
};
