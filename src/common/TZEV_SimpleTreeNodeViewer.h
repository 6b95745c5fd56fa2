#pragma once
// Copies a tree into a tree grid: one row per node, children as child rows.
// The callbacks decide what the grid shows: OnColumns defines the columns,
// OnRow fills a row's cells from its node, OnFinished runs after filling
// (widths, sorting, selection).

#include "TZEV_Tree.h"
#include "host/ui/TVTQLNVRList.h"

#include <functional>

template <typename T>
class TZEV_SimpleTreeNodeViewer {
public:
    using TNode = TZEV_TreeNode<T>;

    std::function<void(TVTQLNVRList& grid)> OnColumns;
    std::function<void(TNode& node, TVRRow& row)> OnRow;
    std::function<void(TVTQLNVRList& grid)> OnFinished;

    // Replaces the grid's rows (and, when OnColumns is set, its columns). With
    // addRoot the root is the single top row, otherwise its children are the
    // top rows. The grid's painting is suspended while its rows are rebuilt, so
    // that the view never looks at rows that are gone.
    bool FillVRList(TNode* root, TVTQLNVRList& grid, bool addRoot) {
        try {
            if (!root) TQLNInfo::FehlerRaise(Ctx("FillVRList"), TZEV_TreeTexte::KeinKnoten());
            grid.BeginUpdate();
            try {
                grid.Rows().Clear();
                if (OnColumns) {
                    grid.ClearColumns();
                    OnColumns(grid);
                }
                if (addRoot) {
                    TVRRow& row = grid.Rows().AddRow();
                    FillRow(*root, row);
                } else {
                    AddChildRows(*root, grid.Rows());
                }
            } catch (...) {
                grid.EndUpdate();
                throw;
            }
            grid.EndUpdate();
            return true;
        } catch (const std::exception& e) {
            TQLNInfo::RegisterException(Ctx("FillVRList"), e, true);
            return false;
        }
    }

    // FillVRList, then OnFinished. The grid resets its model when the update
    // bracket closes, which drops selection and focus, so the finishing step
    // runs after the rows are loaded instead of inside the bracket.
    bool FillTreeView(TNode* root, TVTQLNVRList& grid, bool addRoot) {
        if (!FillVRList(root, grid, addRoot)) return false;
        try {
            if (OnFinished) OnFinished(grid);
            return true;
        } catch (const std::exception& e) {
            TQLNInfo::RegisterException(Ctx("FillTreeView"), e, true);
            return false;
        }
    }

    static QString Ctx(const char* operation) {
        return QStringLiteral("TZEV_SimpleTreeNodeViewer<") + TZEV_TypeName<T>() + QStringLiteral(">.") +
               QString::fromLatin1(operation);
    }

private:
    void FillRow(TNode& node, TVRRow& row) {
        if (OnRow) OnRow(node, row);
        if (node.HasChildren()) AddChildRows(node, row.ChildList());
    }

    void AddChildRows(TNode& parent, TVRList& list) {
        list.Reserve(parent.ChildCount());
        for (TNode* child : parent.Children()) FillRow(*child, list.AddRow());
    }
};
