// What the tree grid's model tells and asks the host (through its events handler) and its view (the
// window, which lays out and repaints). Both are interfaces the model is given: the Win32 tree grid binds
// them to the host's CEventsHandler and to its window; native tests record them.
#pragma once

#include "LumoControls/TreeGrid/TreeTypes.h"

namespace lumo
{
// The model's side of the host's events handler. Queries (returning bool) answer whether the model may go
// on; with no handler installed every query is accepted.
class ITreeEvents
{
public:
    virtual ~ITreeEvents() = default;
    // Whether a handler is installed: objects whose creation it would hear of are then made at once.
    virtual bool IsPresent() const = 0;

    virtual bool NodeMayInsert(TreeNode& node, TreeNode* parent, TreeNode* after) = 0;
    virtual void NodeInserted(TreeNode& node) = 0;
    virtual bool NodeMayRemove(TreeNode& node) = 0;
    virtual void NodeRemoved(TreeNode& node) = 0;
    virtual bool NodeMayCollapse(TreeNode& node) = 0;
    virtual void NodeCollapsed(TreeNode& node) = 0;
    virtual bool NodeMayExpand(TreeNode& node) = 0;
    virtual void NodeExpanded(TreeNode& node) = 0;
    virtual void NodeVisibilityChanged(TreeNode& node) = 0;
    virtual void NodeMoved(TreeNode& node, TreeNode* parent, TreeNode* after) = 0;
    virtual bool NodesMayClear() = 0;
    virtual void NodesCleared() = 0;

    virtual bool ColumnMayInsert(TreeColumn& column, unsigned index) = 0;
    virtual void ColumnInserted(TreeColumn& column) = 0;
    virtual bool ColumnMayRemove(TreeColumn& column) = 0;
    virtual void ColumnRemoved(TreeColumn& column) = 0;
    virtual bool ColumnsMayClear() = 0;
    virtual void ColumnsCleared() = 0;
    virtual void ColumnVisibilityChanged(TreeColumn& column) = 0;
    virtual void ColumnTitleChanged(TreeColumn& column) = 0;

    virtual bool CellMaySelect(TreeCell& cell, bool notify) = 0;
    virtual void CellSelected(TreeCell& cell) = 0;
    virtual bool CellMayUnselect(TreeCell& cell) = 0;
    virtual void CellRemoving(TreeCell& cell) = 0;
};

// A model without a handler: every query accepted, nothing told.
class NoTreeEvents : public ITreeEvents
{
public:
    bool IsPresent() const override { return false; }
    bool NodeMayInsert(TreeNode&, TreeNode*, TreeNode*) override { return true; }
    void NodeInserted(TreeNode&) override {}
    bool NodeMayRemove(TreeNode&) override { return true; }
    void NodeRemoved(TreeNode&) override {}
    bool NodeMayCollapse(TreeNode&) override { return true; }
    void NodeCollapsed(TreeNode&) override {}
    bool NodeMayExpand(TreeNode&) override { return true; }
    void NodeExpanded(TreeNode&) override {}
    void NodeVisibilityChanged(TreeNode&) override {}
    void NodeMoved(TreeNode&, TreeNode*, TreeNode*) override {}
    bool NodesMayClear() override { return true; }
    void NodesCleared() override {}
    bool ColumnMayInsert(TreeColumn&, unsigned) override { return true; }
    void ColumnInserted(TreeColumn&) override {}
    bool ColumnMayRemove(TreeColumn&) override { return true; }
    void ColumnRemoved(TreeColumn&) override {}
    bool ColumnsMayClear() override { return true; }
    void ColumnsCleared() override {}
    void ColumnVisibilityChanged(TreeColumn&) override {}
    void ColumnTitleChanged(TreeColumn&) override {}
    bool CellMaySelect(TreeCell&, bool) override { return true; }
    void CellSelected(TreeCell&) override {}
    bool CellMayUnselect(TreeCell&) override { return true; }
    void CellRemoving(TreeCell&) override {}
};

// What changes of the model ask of the view. Every call is cheap for the model: the view marks what must
// be laid out or painted again and does it when it next needs it.
class ITreeView
{
public:
    virtual ~ITreeView() = default;
    // The rows from this node on (null: from the first) must be laid out again.
    virtual void RowsChanged(TreeNode const* from) = 0;
    // The columns' positions must be computed again.
    virtual void ColumnsChanged() = 0;
    // The whole window must be laid out again.
    virtual void LayoutChanged() = 0;
    // One row (or its row header) or one column (or its header) must be repainted.
    virtual void RowChanged(TreeNode const& node, bool header) = 0;
    virtual void ColumnChanged(TreeColumn const& column, bool header) = 0;
    // A column's title changed: its header is measured again.
    virtual void ColumnTitleChanged(TreeColumn const& column) = 0;
    virtual void ControlChanged(FloatControl const& control) = 0;
    // A style (or a border style) changed what it paints: everything is painted again.
    virtual void StylesChanged() = 0;
    // Any in-cell edit in progress ends (committed); with a control given, only the edit of that control.
    virtual void EndEdit(FloatControl const* control) = 0;
};

// The view of a model that has no window (yet): nothing to lay out or paint.
class NullTreeView : public ITreeView
{
public:
    void RowsChanged(TreeNode const*) override {}
    void ColumnsChanged() override {}
    void LayoutChanged() override {}
    void RowChanged(TreeNode const&, bool) override {}
    void ColumnChanged(TreeColumn const&, bool) override {}
    void ColumnTitleChanged(TreeColumn const&) override {}
    void ControlChanged(FloatControl const&) override {}
    void StylesChanged() override {}
    void EndEdit(FloatControl const*) override {}
};
} // namespace lumo
