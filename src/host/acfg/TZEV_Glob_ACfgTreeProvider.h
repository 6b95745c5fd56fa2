#pragma once
// The type tree of the catalogue below a root type: the root's value is the
// root type, its children the sub-types and groups in catalogue order. Root 0
// gives the whole catalogue. The ACfg windows only read the tree.

#include "TZEV_ACfg_Tyco.h"
#include "common/TZEV_Tree.h"

#include <memory>

using TZEV_ACfgTree = TZEV_Tree<TZEV_ACfgType_Erw>;
using TZEV_ACfgTreeNode = TZEV_TreeNode<TZEV_ACfgType_Erw>;

class TZEV_Glob_ACfgTreeProvider {
public:
    // nullptr (reported) for a type the catalogue does not know.
    static std::unique_ptr<TZEV_ACfgTree> GetACfgTree(TZEV_ACfgType_Erw root);
    // The same over a catalogue of the caller's.
    static std::unique_ptr<TZEV_ACfgTree> GetACfgTree(TZEV_ACfgType_Erw root, const TZEV_ACfg_TypKatalog& katalog);
};
