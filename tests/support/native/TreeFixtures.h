// Native test helpers for the tree grid's model: a handler that records what it hears, a keyboard and
// a view that tests set, and a model built on them. Nodes and columns carry their names as host data.
#pragma once

#include "native/StyleFixtures.h"

#include "LumoControls/TreeGrid/ModelStyleRegistry.h"
#include "LumoControls/TreeGrid/PlainTreeFactory.h"

#include <set>
#include <string>
#include <vector>

namespace lumo::test
{
inline std::string NameOf(TreeNode const* node)
{
    return node == nullptr ? "-" : static_cast<char const*>(node->GetData());
}
inline std::string NameOf(TreeColumn const* column)
{
    return column == nullptr ? "-" : static_cast<char const*>(column->GetData());
}
inline std::string NameOf(TreeCell const& cell)
{
    return NameOf(&cell.GetNode()) + "/" + NameOf(&cell.GetColumn());
}

// Records every notification as one line; refuses the queries whose line is in `refuse`.
class RecordingEvents : public ITreeEvents
{
public:
    bool IsPresent() const override { return present; }
    bool NodeMayInsert(TreeNode& n, TreeNode* p, TreeNode* a) override
    {
        return Ask("NodeMayInsert " + NameOf(&n) + " " + NameOf(p) + " " + NameOf(a));
    }
    void NodeInserted(TreeNode& n) override { Tell("NodeInserted " + NameOf(&n)); }
    bool NodeMayRemove(TreeNode& n) override { return Ask("NodeMayRemove " + NameOf(&n)); }
    void NodeRemoved(TreeNode& n) override { Tell("NodeRemoved " + NameOf(&n)); }
    bool NodeMayCollapse(TreeNode& n) override { return Ask("NodeMayCollapse " + NameOf(&n)); }
    void NodeCollapsed(TreeNode& n) override { Tell("NodeCollapsed " + NameOf(&n)); }
    bool NodeMayExpand(TreeNode& n) override { return Ask("NodeMayExpand " + NameOf(&n)); }
    void NodeExpanded(TreeNode& n) override { Tell("NodeExpanded " + NameOf(&n)); }
    void NodeVisibilityChanged(TreeNode& n) override { Tell("NodeVisibilityChanged " + NameOf(&n)); }
    void NodeMoved(TreeNode& n, TreeNode* p, TreeNode* a) override
    {
        Tell("NodeMoved " + NameOf(&n) + " " + NameOf(p) + " " + NameOf(a));
    }
    bool NodesMayClear() override { return Ask("NodesMayClear"); }
    void NodesCleared() override { Tell("NodesCleared"); }
    bool ColumnMayInsert(TreeColumn& c, unsigned i) override
    {
        return Ask("ColumnMayInsert " + NameOf(&c) + " " + std::to_string(i));
    }
    void ColumnInserted(TreeColumn& c) override { Tell("ColumnInserted " + NameOf(&c)); }
    bool ColumnMayRemove(TreeColumn& c) override { return Ask("ColumnMayRemove " + NameOf(&c)); }
    void ColumnRemoved(TreeColumn& c) override { Tell("ColumnRemoved " + NameOf(&c)); }
    bool ColumnsMayClear() override { return Ask("ColumnsMayClear"); }
    void ColumnsCleared() override { Tell("ColumnsCleared"); }
    void ColumnVisibilityChanged(TreeColumn& c) override { Tell("ColumnVisibilityChanged " + NameOf(&c)); }
    void ColumnTitleChanged(TreeColumn& c) override { Tell("ColumnTitleChanged " + NameOf(&c)); }
    bool CellMaySelect(TreeCell& c, bool) override { return Ask("CellMaySelect " + NameOf(c)); }
    void CellSelected(TreeCell& c) override { Tell("CellSelected " + NameOf(c)); }
    bool CellMayUnselect(TreeCell& c) override { return Ask("CellMayUnselect " + NameOf(c)); }
    void CellRemoving(TreeCell& c) override { Tell("CellRemoving " + NameOf(c)); }

    // What was heard since the last call.
    std::vector<std::string> Take() { return std::exchange(lines, {}); }

    bool present = true;
    std::set<std::string> refuse;
    std::vector<std::string> lines;

private:
    bool Ask(std::string line)
    {
        bool const agreed = refuse.count(line) == 0;
        lines.push_back(line + (agreed ? "" : " (refused)"));
        return agreed;
    }
    void Tell(std::string line) { lines.push_back(std::move(line)); }
};

class SetKeys : public IKeyState
{
public:
    bool IsShiftDown() const override { return shift; }
    bool IsControlDown() const override { return control; }
    bool shift = false;
    bool control = false;
};

// A registry that records which styles are announced.
class AnnouncingRegistry : public ModelStyleRegistry
{
public:
    using ModelStyleRegistry::ModelStyleRegistry;
    std::vector<DrawStyle*> announced;

protected:
    void OnStyleCreated(DrawStyle& style) override { announced.push_back(&style); }
};

// A model with everything recorded. Names given to Node/Column must be string literals (they are the data).
struct TreeFixture
{
    FixedPlatform platform;
    AnnouncingRegistry styles;
    RecordingEvents events;
    SetKeys keys;
    PlainTreeFactory factory;
    TreeModel model{factory, styles, events, keys};

    explicit TreeFixture(VisualLook look = VisualLook::Standard) : styles(platform, look)
    {
        styles.SetModel(&model);
    }

    TreeNode* Node(char const* name, TreeNode* parent = nullptr)
    {
        return model.AddNode(parent, const_cast<char*>(name));
    }
    TreeColumn& Column(char const* name)
    {
        model.InsertColumn(model.GetColumnCount(), L"", 50, const_cast<char*>(name));
        return model.GetColumn(model.GetColumnCount() - 1);
    }
    // The node names of the whole tree in depth-first order, children in brackets.
    std::string Tree(TreeNode const* parent = nullptr) const
    {
        std::string text;
        for (TreeNode* n = (parent != nullptr ? parent : &model.GetRoot())->GetFirstChild(); n != nullptr;
             n = n->GetNextSibling())
        {
            text += (text.empty() ? "" : " ") + NameOf(n);
            if (n->GetFirstChild() != nullptr)
                text += "(" + Tree(n) + ")";
        }
        return text;
    }
};
} // namespace lumo::test
