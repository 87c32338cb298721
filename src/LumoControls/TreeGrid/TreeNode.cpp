#include "LumoControls/TreeGrid/TreeNode.h"

#include "LumoControls/TreeGrid/Style.h"
#include "LumoControls/TreeGrid/TreeModel.h"

#include <algorithm>

namespace
{
std::wstring const kNoText;
} // namespace

lumo::TreeNode::TreeNode(TreeModel& model, bool root)
    : m_model(&model), m_height(model.GetMinimumCellHeight()), m_minHeight(model.GetMinimumCellHeight()),
      m_level(root ? -1 : 0)
{
}

lumo::TreeNode::~TreeNode()
{
    if (m_extras != nullptr)
        m_model->ExtrasPool().Delete(m_extras);
}

lumo::TreeNode::Extras& lumo::TreeNode::TheExtras()
{
    if (m_extras == nullptr)
        m_extras = m_model->ExtrasPool().New();
    return *m_extras;
}

lumo::TreeNode::Texts& lumo::TreeNode::TheTexts()
{
    Extras& extras = TheExtras();
    if (extras.texts == nullptr)
        extras.texts = std::make_unique<Texts>();
    return *extras.texts;
}

void lumo::TreeNode::SetFlag(std::uint8_t flag, bool on)
{
    m_flags = static_cast<std::uint8_t>(on ? m_flags | flag : m_flags & ~flag);
}

// --- The tree

bool lumo::TreeNode::IsDescendantOf(TreeNode const& ancestor) const
{
    for (TreeNode const* node = m_parent; node != nullptr; node = node->m_parent)
        if (node == &ancestor)
            return true;
    return false;
}

lumo::TreeNode* lumo::TreeNode::GetNextInTree() const
{
    if (m_firstChild != nullptr)
        return m_firstChild;
    for (TreeNode const* node = this; node != nullptr && !node->IsRoot(); node = node->m_parent)
        if (node->m_next != nullptr)
            return node->m_next;
    return nullptr;
}

lumo::TreeNode* lumo::TreeNode::GetPrevVisibleSibling() const
{
    TreeNode* node = m_prev;
    while (node != nullptr && !node->IsVisible())
        node = node->m_prev;
    return node;
}

lumo::TreeNode* lumo::TreeNode::GetNextVisibleSibling() const
{
    TreeNode* node = m_next;
    while (node != nullptr && !node->IsVisible())
        node = node->m_next;
    return node;
}

lumo::TreeNode* lumo::TreeNode::GetFirstVisibleChild() const
{
    TreeNode* node = m_firstChild;
    return node == nullptr || node->IsVisible() ? node : node->GetNextVisibleSibling();
}

lumo::TreeNode* lumo::TreeNode::GetLastVisibleChild() const
{
    TreeNode* node = m_lastChild;
    return node == nullptr || node->IsVisible() ? node : node->GetPrevVisibleSibling();
}

// --- Texts

std::wstring const& lumo::TreeNode::GetRowHeaderText() const
{
    return m_extras != nullptr && m_extras->texts != nullptr ? m_extras->texts->rowHeader : kNoText;
}

void lumo::TreeNode::SetRowHeaderText(std::wstring const& text)
{
    if (text == GetRowHeaderText())
        return;
    TheTexts().rowHeader = text;
    m_model->View().RowChanged(*this, true);
}

std::wstring const& lumo::TreeNode::GetSecondText() const
{
    return m_extras != nullptr && m_extras->texts != nullptr ? m_extras->texts->second : kNoText;
}

void lumo::TreeNode::SetSecondText(std::wstring const& text)
{
    if (text != GetSecondText())
        TheTexts().second = text;
}

std::wstring const& lumo::TreeNode::GetThirdText() const
{
    return m_extras != nullptr && m_extras->texts != nullptr ? m_extras->texts->third : kNoText;
}

void lumo::TreeNode::SetThirdText(std::wstring const& text)
{
    if (!text.empty() || !GetThirdText().empty())
        TheTexts().third = text;
}

int lumo::TreeNode::GetRowHeaderImage() const
{
    return m_extras != nullptr ? m_extras->rowHeaderImage : -1;
}

void lumo::TreeNode::SetRowHeaderImage(int index)
{
    if (index == GetRowHeaderImage())
        return;
    TheExtras().rowHeaderImage = index;
    m_model->View().RowChanged(*this, true);
}

// --- Heights

unsigned lumo::TreeNode::GetHeight() const
{
    unsigned const image = static_cast<unsigned>(std::max(0, m_model->GetImageListIconHeight()));
    return std::max({static_cast<unsigned>(m_height), m_model->GetMinimumCellHeight(), image});
}

void lumo::TreeNode::SetHeight(unsigned height)
{
    unsigned const clamped =
        std::min(std::max(height, static_cast<unsigned>(m_minHeight)), static_cast<unsigned>(m_maxHeight));
    if (clamped == m_height)
        return;
    unsigned const before = GetHeight();
    m_height = clamped;
    m_model->NodeHeightChanged(*this, before);
}

void lumo::TreeNode::SetMinHeight(unsigned height)
{
    // Never above the maximum; a minimum below the tree grid's minimum cell height is not accepted.
    unsigned const minimum = std::min(height, static_cast<unsigned>(m_maxHeight));
    if (minimum < m_model->GetMinimumCellHeight())
        return;
    m_minHeight = minimum;
    if (m_height < m_minHeight)
    {
        unsigned const before = GetHeight();
        m_height = m_minHeight;
        m_model->NodeHeightChanged(*this, before);
    }
}

void lumo::TreeNode::SetMaxHeight(unsigned height)
{
    m_maxHeight = std::max(height, static_cast<unsigned>(m_minHeight));
    if (m_height > m_maxHeight)
    {
        unsigned const before = GetHeight();
        m_height = m_maxHeight;
        m_model->NodeHeightChanged(*this, before);
    }
}

// --- Expansion and visibility

bool lumo::TreeNode::IsExpanded() const
{
    return HasExpandedFlag() || m_model->GetTreeColumn() == nullptr;
}

bool lumo::TreeNode::SetExpanded(bool expanded)
{
    if (expanded == HasExpandedFlag())
        return true;
    return m_model->ExpandNode(*this, expanded);
}

void lumo::TreeNode::SetVisible(bool visible)
{
    if (visible == IsVisible())
        return;
    if (!visible)
        m_model->Rows().Hiding(*this);
    SetFlag(kVisible, visible);
    m_model->NodeVisibilityChanged(*this);
}

bool lumo::TreeNode::IsShown() const
{
    if (IsRoot() || !IsVisible())
        return false;
    for (TreeNode const* ancestor = m_parent; !ancestor->IsRoot(); ancestor = ancestor->m_parent)
        if (!ancestor->IsVisible() || !ancestor->IsExpanded())
            return false;
    return true;
}

// --- States

void lumo::TreeNode::SetState(unsigned mask, bool on)
{
    // The focus bit is the tree grid's own: the host's mask cannot change it.
    unsigned const changeable = mask & ~kNodeFocusBit;
    auto const state = static_cast<std::uint16_t>((m_state & ~changeable) | (on ? changeable : 0));
    if (state == m_state)
        return;
    m_state = state;
    m_model->View().RowChanged(*this, false);
}

void lumo::TreeNode::SetHeaderState(unsigned mask, bool on)
{
    if (HasHeaderState(mask) == on)
        return;
    m_headerState = static_cast<std::uint16_t>((m_headerState & ~mask) | (on ? mask : 0));
    m_model->View().RowChanged(*this, true);
}

// --- Styles

lumo::DrawStyle& lumo::TreeNode::GetRowStyle()
{
    std::unique_ptr<DrawStyle>& style = TheExtras().rowStyle;
    if (style == nullptr)
        style = m_model->MakeStyle(StyleClass::Draw, ObjectType::Row, StyleRole::Row, this);
    return *style;
}

lumo::Style& lumo::TreeNode::GetRowHeaderStyle()
{
    std::unique_ptr<DrawStyle>& style = TheExtras().rowHeaderStyle;
    if (style == nullptr)
        style = m_model->MakeStyle(StyleClass::Styled, ObjectType::RowHeader, StyleRole::RowHeader, this);
    return static_cast<Style&>(*style);
}

lumo::ObjStyle& lumo::TreeNode::GetCellStyle()
{
    std::unique_ptr<DrawStyle>& style = TheExtras().cellStyle;
    if (style == nullptr)
        style = m_model->MakeStyle(StyleClass::Object, ObjectType::Cell, StyleRole::NodeCell, this);
    return static_cast<ObjStyle&>(*style);
}

lumo::DrawStyle* lumo::TreeNode::FindRowStyle() const
{
    return m_extras != nullptr ? m_extras->rowStyle.get() : nullptr;
}

lumo::Style* lumo::TreeNode::FindRowHeaderStyle() const
{
    return m_extras != nullptr ? static_cast<Style*>(m_extras->rowHeaderStyle.get()) : nullptr;
}

lumo::ObjStyle* lumo::TreeNode::FindCellStyle() const
{
    return m_extras != nullptr ? static_cast<ObjStyle*>(m_extras->cellStyle.get()) : nullptr;
}

// --- Row indices

int lumo::TreeNode::GetRowIndex()
{
    return m_model->Rows().IndexOf(*this);
}

int lumo::TreeNode::GetLayoutIndex() const
{
    return m_model->Rows().KnownIndexOf(*this);
}

bool lumo::TreeNode::SetRowIndex(int index)
{
    if (index == m_rowIndex)
        return false;
    int const old = m_rowIndex;
    m_rowIndex = index;
    if (index == -1)
        m_model->Rows().IndexSet(*this, old);
    return true;
}

// --- Cells

lumo::TreeNode::CellEntry* lumo::TreeNode::Cells::Find(TreeColumn const& column)
{
    if (m_first.column == &column)
        return &m_first;
    for (CellEntry& entry : m_more)
        if (entry.column == &column)
            return &entry;
    return nullptr;
}

void lumo::TreeNode::Cells::Add(TreeColumn& column, TreeCell* cell)
{
    if (m_first.column == nullptr)
        m_first = CellEntry{&column, cell};
    else
        m_more.push_back(CellEntry{&column, cell});
}

void lumo::TreeNode::Cells::Erase(TreeColumn const& column)
{
    if (m_first.column == &column)
    {
        m_first = CellEntry{nullptr, nullptr};
        if (!m_more.empty())
        {
            m_first = m_more.back();
            m_more.pop_back();
        }
        return;
    }
    for (auto it = m_more.begin(); it != m_more.end(); ++it)
        if (it->column == &column)
        {
            m_more.erase(it);
            return;
        }
}

lumo::TreeNode::CellEntry* lumo::TreeNode::FindEntry(TreeColumn const& column) const
{
    return m_extras != nullptr ? m_extras->cells.Find(column) : nullptr;
}

lumo::TreeCell* lumo::TreeNode::FindCell(TreeColumn const& column) const
{
    CellEntry const* const entry = FindEntry(column);
    return entry != nullptr ? entry->cell : nullptr;
}

lumo::TreeCell* lumo::TreeNode::GetCell(TreeColumn& column)
{
    return m_model->CellOf(*this, column);
}
