#include "LumoControls/LumoGrid/GridColumn.h"

#include "LumoControls/LumoGrid/GridModel.h"

#include <stdexcept>

namespace lumo
{
GridCell& GridColumn::Cell(unsigned item)
{
    if (item >= m_cells.Size())
        throw std::out_of_range("list grid: item index out of range");
    return m_cells.At(item);
}

GridCell const& GridColumn::Cell(unsigned item) const
{
    if (item >= m_cells.Size())
        throw std::out_of_range("list grid: item index out of range");
    return m_cells.At(item);
}

void GridColumn::Repaint(unsigned item) const
{
    m_model->View().InvalidateCell(item, m_index);
}

void GridColumn::SetItemText(unsigned item, std::wstring const& text)
{
    GridCell& cell = Cell(item);
    if (cell.text.View() == text)
        return;
    cell.text.Assign(text);
    Repaint(item);
}

void GridColumn::SetItemText(unsigned item, std::wstring const& text, unsigned data)
{
    GridCell& cell = Cell(item);
    if (cell.text.View() == text)
        return;
    cell.text.Assign(text);
    cell.data = data;
    Repaint(item);
}

void GridColumn::SetItemIcon(unsigned item, unsigned icon)
{
    Cell(item).icon = icon;
    Repaint(item);
}

void GridColumn::SetItemType(unsigned item, GridItemType type)
{
    GridCell& cell = Cell(item);
    cell.flags = WithItemType(cell.flags, type);
}

void GridColumn::SetItemTextColor(unsigned item, std::uint32_t color)
{
    GridCell& cell = Cell(item);
    if (cell.textColor == color)
        return;
    cell.textColor = color;
    Repaint(item);
}

void GridColumn::SetFlag(unsigned item, std::uint8_t flag, bool on)
{
    GridCell& cell = Cell(item);
    std::uint8_t const flags = on ? cell.flags | flag : cell.flags & ~flag;
    if (flags == cell.flags)
        return;
    cell.flags = flags;
    Repaint(item);
}

void GridColumn::SetTooltipFlag(unsigned item, bool tooltip)
{
    GridCell& cell = Cell(item);
    cell.flags = tooltip ? cell.flags | kCellTooltip : cell.flags & ~kCellTooltip;
}

void GridColumn::SetRightToLeft(bool rightToLeft)
{
    if (m_rightToLeft == rightToLeft)
        return;
    m_rightToLeft = rightToLeft;
    m_model->View().InvalidateColumnStrip(m_index);
}

int GridColumn::FindItem(GridFind& info, int start, int stop) const
{
    return FindInCells(m_cells, info, start, stop, m_model->View());
}
} // namespace lumo
