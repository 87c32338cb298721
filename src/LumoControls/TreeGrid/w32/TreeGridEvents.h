// The host's events handler as the tree grid's model hears it: each notification converted to the
// interfaces the host knows and passed on; with no handler every query is accepted.
#pragma once

#include "LumoControls/TreeGrid/w32/ModelClasses.h"

class CTreeGrid::CImpl::CEvents : public lumo::ITreeEvents
{
public:
    explicit CEvents(CImpl& grid) : m_grid(grid) {}

    bool IsPresent() const override { return m_grid.handler != nullptr; }
    bool NodeMayInsert(lumo::TreeNode& node, lumo::TreeNode* parent, lumo::TreeNode* after) override;
    void NodeInserted(lumo::TreeNode& node) override;
    bool NodeMayRemove(lumo::TreeNode& node) override;
    void NodeRemoved(lumo::TreeNode& node) override;
    bool NodeMayCollapse(lumo::TreeNode& node) override;
    void NodeCollapsed(lumo::TreeNode& node) override;
    bool NodeMayExpand(lumo::TreeNode& node) override;
    void NodeExpanded(lumo::TreeNode& node) override;
    void NodeVisibilityChanged(lumo::TreeNode& node) override;
    void NodeMoved(lumo::TreeNode& node, lumo::TreeNode* parent, lumo::TreeNode* after) override;
    bool NodesMayClear() override;
    void NodesCleared() override;
    bool ColumnMayInsert(lumo::TreeColumn& column, unsigned index) override;
    void ColumnInserted(lumo::TreeColumn& column) override;
    bool ColumnMayRemove(lumo::TreeColumn& column) override;
    void ColumnRemoved(lumo::TreeColumn& column) override;
    bool ColumnsMayClear() override;
    void ColumnsCleared() override;
    void ColumnVisibilityChanged(lumo::TreeColumn& column) override;
    void ColumnTitleChanged(lumo::TreeColumn& column) override;
    bool CellMaySelect(lumo::TreeCell& cell, bool notify) override;
    void CellSelected(lumo::TreeCell& cell) override;
    bool CellMayUnselect(lumo::TreeCell& cell) override;
    void CellRemoving(lumo::TreeCell& cell) override;

private:
    CImpl& m_grid;
};
