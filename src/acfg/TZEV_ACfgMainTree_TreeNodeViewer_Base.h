#pragma once
// Fills the configuration tree's rows from the type tree: the seven columns,
// one row per type with its registration texts, type, kind (registered types
// only) and validity scope (kind 1 only); afterwards the widths, the order by
// caption and the first visible row selected.

#include "common/TZEV_SimpleTreeNodeViewer.h"
#include "host/acfg/TZEV_Glob_ACfgTreeProvider.h"

class TZEV_ACfgMainTree_TreeNodeViewer_Base {
public:
    TZEV_ACfgMainTree_TreeNodeViewer_Base();
    bool FillTreeView(TZEV_ACfgTreeNode* root, TVTQLNVRList& grid, bool addRoot) {
        return FViewer.FillTreeView(root, grid, addRoot);
    }
    static void Spalten(TVTQLNVRList& grid);
    static void Zeile(TZEV_ACfgType_Erw typ, TVRRow& row);

private:
    TZEV_SimpleTreeNodeViewer<TZEV_ACfgType_Erw> FViewer;
};
