#include "LumoControls/TreeGrid/TreeColumn.h"

#include "LumoControls/TreeGrid/Style.h"
#include "LumoControls/TreeGrid/TreeModel.h"

#include <algorithm>

lumo::TreeColumn::TreeColumn(TreeModel& model, std::wstring title, int width, void* data)
    : m_model(&model), m_title(std::move(title)), m_data(data)
{
    SetWidth(width); // a new column keeps to the same rule as a resized one
}

lumo::TreeColumn::~TreeColumn() = default;

void lumo::TreeColumn::SetTitle(std::wstring const& title)
{
    if (title == m_title)
        return;
    m_title = title;
    m_model->ColumnTitleChanged(*this);
}

void lumo::TreeColumn::SetSecondText(std::wstring const& text)
{
    if (text != m_secondText)
        m_secondText = text;
}

void lumo::TreeColumn::SetHeaderImage(int index)
{
    if (index == m_headerImage)
        return;
    m_headerImage = index;
    m_model->View().ColumnChanged(*this, true);
}

void lumo::TreeColumn::SetWidth(int width)
{
    if (m_minWidth != 0)
        width = std::max(width, m_minWidth);
    if (m_maxWidth != 0)
        width = std::min(width, m_maxWidth);
    if (m_minWidth == 0 && m_maxWidth == 0 && width < kNarrowestUnboundColumn + 1)
        width = kNarrowestUnboundColumn;
    if (width == m_width)
        return;
    m_width = width;
    m_model->View().ColumnsChanged();
}

void lumo::TreeColumn::SetMinWidth(int width)
{
    width = std::max(0, width);
    if (m_maxWidth != 0)
        width = std::min(width, m_maxWidth);
    if (width == m_minWidth)
        return;
    m_minWidth = width;
    if (m_width < m_minWidth)
        SetWidth(m_minWidth);
}

void lumo::TreeColumn::SetMaxWidth(int width)
{
    width = std::max(width, m_minWidth);
    if (width == m_maxWidth)
        return;
    m_maxWidth = width;
    if (m_maxWidth != 0 && m_width > m_maxWidth)
        SetWidth(m_maxWidth);
}

void lumo::TreeColumn::SetFixedPosition(int position)
{
    if (position == m_fixedPosition)
        return;
    m_fixedPosition = position;
    m_left = position;
    m_model->View().ColumnsChanged();
}

void lumo::TreeColumn::SetVisible(bool visible)
{
    if (visible == m_visible)
        return;
    m_visible = visible;
    m_model->ColumnVisibilityChanged(*this);
}

void lumo::TreeColumn::SetState(unsigned mask, bool on)
{
    if (HasState(mask) == on)
        return;
    m_state = static_cast<std::uint16_t>((m_state & ~mask) | (on ? mask : 0));
    m_model->View().ColumnChanged(*this, false);
}

void lumo::TreeColumn::SetHeaderState(unsigned mask, bool on)
{
    if (HasHeaderState(mask) == on)
        return;
    m_headerState = static_cast<std::uint16_t>((m_headerState & ~mask) | (on ? mask : 0));
    m_model->View().ColumnChanged(*this, true);
}

lumo::DrawStyle& lumo::TreeColumn::GetColumnStyle()
{
    if (m_columnStyle == nullptr)
        m_columnStyle = m_model->MakeStyle(StyleClass::Draw, ObjectType::Column, StyleRole::Column, this);
    return *m_columnStyle;
}

lumo::Style& lumo::TreeColumn::GetHeaderStyle()
{
    if (m_headerStyle == nullptr)
        m_headerStyle =
            m_model->MakeStyle(StyleClass::Styled, ObjectType::ColumnHeader, StyleRole::ColumnHeader, this);
    return static_cast<Style&>(*m_headerStyle);
}

lumo::ObjStyle& lumo::TreeColumn::GetCellStyle()
{
    if (m_cellStyle == nullptr)
        m_cellStyle = m_model->MakeStyle(StyleClass::Object, ObjectType::Cell, StyleRole::ColumnCell, this);
    return static_cast<ObjStyle&>(*m_cellStyle);
}

lumo::Style* lumo::TreeColumn::FindHeaderStyle() const
{
    return static_cast<Style*>(m_headerStyle.get());
}

lumo::ObjStyle* lumo::TreeColumn::FindCellStyle() const
{
    return static_cast<ObjStyle*>(m_cellStyle.get());
}

lumo::TreeCell* lumo::TreeColumn::GetCell(TreeNode& node)
{
    return m_model->CellOf(node, *this);
}
