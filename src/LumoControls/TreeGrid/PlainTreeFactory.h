// A factory of the model's own classes, for a model used without a window (tools, benchmarks, tests).
#pragma once

#include "LumoControls/TreeGrid/ObjectPool.h"
#include "LumoControls/TreeGrid/TreeModel.h"

namespace lumo
{
class PlainTreeFactory : public ITreeFactory
{
public:
    TreeNode* NewNode(TreeModel& model, bool root) override { return m_nodes.New(model, root); }
    void DeleteNode(TreeNode* node) override { m_nodes.Delete(node); }
    TreeColumn* NewColumn(TreeModel& model, std::wstring const& title, int width, void* data) override
    {
        return new TreeColumn(model, title, width, data);
    }
    void DeleteColumn(TreeColumn* column) override { delete column; }
    TreeCell* NewCell(TreeModel& model, TreeNode& node, TreeColumn& column) override
    {
        return m_cells.New(model, node, column);
    }
    void DeleteCell(TreeCell* cell) override { m_cells.Delete(cell); }
    FreeFloatControl* NewFloatControl(TreeModel& model, std::wstring const& name, Rect const& rect,
                                      int editorWidth, unsigned editorHeight, bool horizontalLock,
                                      bool verticalLock, int value, std::uint64_t number) override
    {
        return new FreeFloatControl(model, name, rect, editorWidth, editorHeight, horizontalLock,
                                    verticalLock, value, number);
    }
    void DeleteFloatControl(FreeFloatControl* control) override { delete control; }

private:
    ObjectPool<TreeNode> m_nodes;
    ObjectPool<TreeCell> m_cells;
};
} // namespace lumo
