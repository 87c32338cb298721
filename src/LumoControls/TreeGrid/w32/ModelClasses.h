// The tree grid's nodes, columns, cells and float controls as the host sees them: each class is its model
// object and the interface the host holds; the interface operations convert the platform types and
// forward. Geometry comes from the layout of the tree grid's window.
#pragma once

#include "LumoControls/TreeGrid/w32/StyleClasses.h"
#include "LumoControls/TreeGrid/w32/TreeGridControls.h"

#include <memory>

#include <type_traits>

// --- Node

class CTreeGrid::CImpl::CNode final : public CTreeGrid::INode, public lumo::TreeNode
{
public:
    CNode(lumo::TreeModel& model, bool root) : lumo::TreeNode(model, root) {}
    ~CNode() override = default;

    CImpl& Grid() const { return GridOf(GetModel()); }

    ICell* GetCell(IColumn const& column) const override;
    int GetLevel() const override { return TreeNode::GetLevel(); }
    int GetLayoutIndex() const override { return TreeNode::GetLayoutIndex(); }
    void SetRowHeaderText(std::wstring const& text) override { TreeNode::SetRowHeaderText(text); }
    std::wstring const& GetRowHeaderText() const override { return TreeNode::GetRowHeaderText(); }
    void SetRowHeaderImage(int index) override { TreeNode::SetRowHeaderImage(index); }
    int GetRowHeaderImage() const override { return TreeNode::GetRowHeaderImage(); }
    void SetThirdText(std::wstring const& text) override { TreeNode::SetThirdText(text); }
    std::wstring const& GetThirdText() const override { return TreeNode::GetThirdText(); }
    void SetSecondText(std::wstring const& text) override { TreeNode::SetSecondText(text); }
    std::wstring const& GetSecondText() const override { return TreeNode::GetSecondText(); }
    unsigned GetHeight() const override { return TreeNode::GetHeight(); }
    void SetHeight(unsigned height) override { TreeNode::SetHeight(height); }
    void SetMinHeight(unsigned height) override { TreeNode::SetMinHeight(height); }
    unsigned GetMinHeight() const override { return TreeNode::GetMinHeight(); }
    void SetMaxHeight(unsigned height) override { TreeNode::SetMaxHeight(height); }
    unsigned GetMaxHeight() const override { return TreeNode::GetMaxHeight(); }
    void SetExpanded(bool expanded) override { TreeNode::SetExpanded(expanded); }
    bool IsExpanded() const override { return TreeNode::IsExpanded(); }
    bool HasState(unsigned mask) const override { return TreeNode::HasState(mask); }
    unsigned GetState() const override { return TreeNode::GetState(); }
    void SetState(unsigned mask, bool on) override { TreeNode::SetState(mask, on); }
    unsigned GetHeaderState() const override { return TreeNode::GetHeaderState(); }
    void SetHeaderState(unsigned mask, bool on) override { TreeNode::SetHeaderState(mask, on); }
    bool HasHeaderState(unsigned mask) const override { return TreeNode::HasHeaderState(mask); }
    void SetSecondFlag(bool flag) override { TreeNode::SetSecondFlag(flag); }
    bool GetSecondFlag() const override { return TreeNode::GetSecondFlag(); }
    void SetVisible(bool visible) override { TreeNode::SetVisible(visible); }
    bool IsVisible() const override { return TreeNode::IsVisible(); }
    IObjStyle* GetCellStyle() override { return static_cast<CObjStyle*>(&TreeNode::GetCellStyle()); }
    IStyle* GetRowHeaderStyle() override { return static_cast<CStyle*>(&TreeNode::GetRowHeaderStyle()); }
    IDrawStyle* GetRowStyle() override { return InterfaceOf(&TreeNode::GetRowStyle()); }
    void SetData(void* data) override { TreeNode::SetData(data); }
    void* GetData() const override { return TreeNode::GetData(); }
    RECT GetRowRect() const override;
    INode* GetParent() const override { return InterfaceOf(TreeNode::GetParent()); }
    INode* GetFirstChild() const override { return InterfaceOf(TreeNode::GetFirstChild()); }
    INode* GetLastChild() const override { return InterfaceOf(TreeNode::GetLastChild()); }
    INode* GetPrevSibling() const override { return InterfaceOf(TreeNode::GetPrevSibling()); }
    INode* GetNextSibling() const override { return InterfaceOf(TreeNode::GetNextSibling()); }
    bool IsDescendantOf(INode const& ancestor) const override;
    CTreeGrid* GetTreeGrid() const override { return &Grid().GetOwner(); }
    INode* GetPrevVisibleSibling() const override { return InterfaceOf(TreeNode::GetPrevVisibleSibling()); }
    INode* GetNextVisibleSibling() const override { return InterfaceOf(TreeNode::GetNextVisibleSibling()); }
    INode* GetFirstVisibleChild() const override { return InterfaceOf(TreeNode::GetFirstVisibleChild()); }
    INode* GetLastVisibleChild() const override { return InterfaceOf(TreeNode::GetLastVisibleChild()); }
    INode* GetNextInTree() const override { return InterfaceOf(TreeNode::GetNextInTree()); }
    bool SetRowIndex(int index) override { return TreeNode::SetRowIndex(index); }
    int GetRowIndex() const override { return const_cast<CNode*>(this)->TreeNode::GetRowIndex(); }
    int GetCachedRowIndex() const override { return TreeNode::GetCachedRowIndex(); }
    RECT GetRowHeaderRect() const override;
};

// --- Column

class CTreeGrid::CImpl::CColumn final : public CTreeGrid::IColumn, public lumo::TreeColumn
{
public:
    using lumo::TreeColumn::TreeColumn;
    ~CColumn() override = default;

    CImpl& Grid() const { return GridOf(GetModel()); }

    void SetTitle(std::wstring const& title) override { TreeColumn::SetTitle(title); }
    std::wstring const& GetTitle() const override { return TreeColumn::GetTitle(); }
    void SetHeaderImage(int index) override { TreeColumn::SetHeaderImage(index); }
    int GetHeaderImage() const override { return TreeColumn::GetHeaderImage(); }
    void SetThirdText(std::wstring const& text) override { TreeColumn::SetThirdText(text); }
    std::wstring const& GetThirdText() const override { return TreeColumn::GetThirdText(); }
    void SetSecondText(std::wstring const& text) override { TreeColumn::SetSecondText(text); }
    std::wstring const& GetSecondText() const override { return TreeColumn::GetSecondText(); }
    void FitWidth() override;
    void SetFixedPosition(int position) override { TreeColumn::SetFixedPosition(position); }
    int GetLeft() const override; // scrolled
    int GetWidth() const override { return TreeColumn::GetWidth(); }
    void SetWidth(int width) override { TreeColumn::SetWidth(width); }
    void SetMinWidth(int width) override { TreeColumn::SetMinWidth(width); }
    int GetMinWidth() const override { return TreeColumn::GetMinWidth(); }
    void SetMaxWidth(int width) override { TreeColumn::SetMaxWidth(width); }
    int GetMaxWidth() const override { return TreeColumn::GetMaxWidth(); }
    void SetVisible(bool visible) override { TreeColumn::SetVisible(visible); }
    bool IsVisible() const override { return TreeColumn::IsVisible(); }
    unsigned GetState() const override { return TreeColumn::GetState(); }
    void SetState(unsigned mask, bool on) override { TreeColumn::SetState(mask, on); }
    bool HasState(unsigned mask) const override { return TreeColumn::HasState(mask); }
    unsigned GetHeaderState() const override { return TreeColumn::GetHeaderState(); }
    void SetHeaderState(unsigned mask, bool on) override { TreeColumn::SetHeaderState(mask, on); }
    bool HasHeaderState(unsigned mask) const override { return TreeColumn::HasHeaderState(mask); }
    void SetSecondFlag(bool flag) override { TreeColumn::SetSecondFlag(flag); }
    bool GetSecondFlag() const override { return TreeColumn::GetSecondFlag(); }
    void SetData(void* data) override { TreeColumn::SetData(data); }
    void* GetData() const override { return TreeColumn::GetData(); }
    IObjStyle* GetCellStyle() override { return static_cast<CObjStyle*>(&TreeColumn::GetCellStyle()); }
    IStyle* GetHeaderStyle() override { return static_cast<CStyle*>(&TreeColumn::GetHeaderStyle()); }
    IDrawStyle* GetColumnStyle() override { return InterfaceOf(&TreeColumn::GetColumnStyle()); }
    ICell* GetCell(INode const& node) const override;
    CTreeGrid* GetTreeGrid() const override { return &Grid().GetOwner(); }
    void SetLeft(int left) override { TreeColumn::SetLeft(left); }
    int GetFixedPosition() const override { return TreeColumn::GetFixedPosition(); }
    int GetRight() const override { return TreeColumn::GetRight(); }
    RECT GetHeaderRect() const override;
    RECT GetRect() const override;
    ICell* CreateCell(INode const& node) override;
    bool RemoveCell(INode const& node, bool notify) override;
};

// --- Float controls and cells: the operations they share.

template <class Interface, class Model> class CTreeGrid::CImpl::TFloatControl : public Interface, public Model
{
public:
    using Model::Model;

    CImpl& Grid() const { return GridOf(Model::GetModel()); }

    // A cell has no name of its own; its place comes from its row and column.
    static constexpr bool kFree = std::is_same_v<Model, lumo::FreeFloatControl>;
    std::wstring const& GetName() const override
    {
        static std::wstring const none;
        if constexpr (kFree)
            return Model::GetName();
        else
            return none;
    }
    RECT GetRect() const override
    {
        if constexpr (kFree)
            return lumo::ToRECT(Model::GetRect());
        else
            return Grid().CellRect(const_cast<TFloatControl&>(*this));
    }
    void SetRect(RECT const& rect) override
    {
        if constexpr (kFree)
            Model::SetRect(lumo::FromRECT(rect));
    }
    bool IsHorizontallyLocked() const override
    {
        if constexpr (kFree)
            return Model::IsHorizontallyLocked();
        else
            return false;
    }
    bool IsVerticallyLocked() const override
    {
        if constexpr (kFree)
            return Model::IsVerticallyLocked();
        else
            return false;
    }
    void SetText(std::wstring const& text) override { Model::SetText(text); }
    std::wstring const& GetText() const override { return Model::GetText(); }
    void SetImage(std::wstring const& name) override { Model::SetImage(name); }
    std::wstring const& GetImage() const override { return Model::GetImage(); }
    void SetImageIndex(int index) override { Model::SetImageIndex(index); }
    int GetImageIndex() const override { return Model::GetImageIndex(); }
    void SetValue(int value) override { Model::SetValue(value); }
    int GetValue() const override { return Model::GetValue(); }
    void SetTooltip(std::wstring const& text) override { Model::SetTooltip(text); }
    std::wstring const& GetTooltip() const override { return Model::GetTooltip(); }
    void SetVisible(bool visible) override { Model::SetVisible(visible); }
    bool IsVisible() const override { return Model::IsVisible(); }
    unsigned GetState() const override { return Model::GetState(); }
    void SetState(unsigned mask, bool on) override { Model::SetState(mask, on); }
    bool HasState(unsigned mask) const override { return Model::HasState(mask); }
    IObjStyle* GetStyle() override { return static_cast<CObjStyle*>(&Model::GetStyle()); }
    void SetData(void* data) override { Model::SetData(data); }
    void* GetData() const override { return Model::GetData(); }
    IControl* GetControl() override
    {
        CControlCore* const core = Grid().ControlOf(*this);
        return core != nullptr ? &core->Self() : nullptr;
    }
    CTreeGrid* GetTreeGrid() const override { return &Grid().GetOwner(); }

    std::unique_ptr<CControlCore> controlSlot; // the in-cell control, once made
};

class CTreeGrid::CImpl::CFloatControl final
    : public CTreeGrid::CImpl::TFloatControl<CTreeGrid::IFloatControl, lumo::FreeFloatControl>
{
public:
    using TFloatControl::TFloatControl;
    ~CFloatControl() override = default;
};

class CTreeGrid::CImpl::CCell final : public CTreeGrid::CImpl::TFloatControl<CTreeGrid::ICell, lumo::TreeCell>
{
public:
    using TFloatControl::TFloatControl;
    ~CCell() override = default;

    INode* GetNode() const override { return InterfaceOf(&TreeCell::GetNode()); }
    IColumn* GetColumn() const override { return InterfaceOf(&TreeCell::GetColumn()); }
};
