#include "LumoControls/LumoGrid/GridModel.h"

#include <algorithm>
#include <stdexcept>

namespace lumo
{
namespace
{
[[noreturn]] void ThrowColumnIndex()
{
    throw std::out_of_range("list grid: column index out of range");
}
} // namespace

GridColumn& GridModel::Column(unsigned index) const
{
    if (index >= m_columns.size())
        ThrowColumnIndex();
    return *m_columns[index];
}

unsigned GridModel::IndexOf(GridColumn const& column) const
{
    return column.m_model == this ? column.m_index : static_cast<unsigned>(-1);
}

void GridModel::CheckItem(unsigned item) const
{
    if (item >= m_itemCount)
        throw std::out_of_range("list grid: item index out of range");
}

GridColumn& GridModel::InsertColumn(unsigned index)
{
    if (index > m_columns.size())
        ThrowColumnIndex();
    std::unique_ptr<GridColumn> column = m_view.MakeColumn();
    column->m_model = this;
    column->m_cells.Resize(m_itemCount);
    m_view.InsertHeaderColumn(index);
    bool const hadColumns = !m_columns.empty();
    GridColumn& inserted = **m_columns.insert(m_columns.begin() + index, std::move(column));
    for (unsigned i = index; i < m_columns.size(); ++i)
        m_columns[i]->m_index = i;
    if (m_sortColumn >= static_cast<int>(index))
        ++m_sortColumn;
    // The selected column stays the same column.
    if (hadColumns && m_selectedColumn >= index)
        ++m_selectedColumn;
    return inserted;
}

void GridModel::RemoveColumn(unsigned index)
{
    if (index >= m_columns.size())
        ThrowColumnIndex();
    m_view.DeleteHeaderColumn(index);
    std::unique_ptr<GridColumn> const removed = std::move(m_columns[index]);
    m_columns.erase(m_columns.begin() + index);
    for (unsigned i = index; i < m_columns.size(); ++i)
        m_columns[i]->m_index = i;
    if (m_sortColumn == static_cast<int>(index))
        m_sortColumn = -1;
    else if (m_sortColumn > static_cast<int>(index))
        --m_sortColumn;
    if (m_selectedColumn > index)
        --m_selectedColumn; // the same column, one place further left: nothing to tell
    else if (m_selectedColumn == index)
    {
        m_selectedColumn = 0;
        if (!m_columns.empty())
            m_view.SelectedColumnChanged(*m_columns[0]);
    }
}

void GridModel::DeleteAllColumns()
{
    while (!m_columns.empty())
        RemoveColumn(static_cast<unsigned>(m_columns.size() - 1));
    m_sortColumn = -1;
}

void GridModel::Forget()
{
    m_columns.clear();
    m_itemCount = 0;
    m_selectedColumn = 0;
    m_sortColumn = -1;
}

void GridModel::SetCountEverywhere(unsigned count)
{
    for (auto& column : m_columns)
        column->m_cells.Resize(count);
    m_itemCount = count;
}

void GridModel::SetItemCount(unsigned count, bool force)
{
    if (!force && count == m_itemCount)
        return;
    SetCountEverywhere(count);
    m_view.SetListItemCount(count, !force);
    m_view.ItemCountChanged(count);
}

void GridModel::InsertItem(unsigned index, std::wstring const& text)
{
    if (index > m_itemCount)
        throw std::out_of_range("list grid: item index out of range");
    ListInsertedItem(index);
    try
    {
        m_view.SetListItemCount(m_itemCount, false);
    }
    catch (...)
    {
        ListDeletedItem(index);
        throw;
    }
    if (!m_columns.empty())
        m_columns[0]->SetItemText(index, text);
    if (m_rowNumbers)
        m_view.InvalidateRowsFrom(index); // every number below the new item moved
    m_view.ItemCountChanged(m_itemCount);
}

void GridModel::DeleteItems(unsigned first, unsigned count)
{
    if (first > m_itemCount || count > m_itemCount - first)
        throw std::out_of_range("list grid: item index out of range");
    if (count == 0)
        return;
    {
        Suppression suppressing(*this);
        for (auto& column : m_columns)
            column->m_cells.Erase(first, count);
        m_itemCount -= count;
        m_view.SetListItemCount(m_itemCount, false);
        // The row numbers below the gap changed, and with a single item left the area may narrow.
        if (m_rowNumbers)
            m_view.InvalidateRowsFrom(m_itemCount >= 2 ? first : 0);
    }
    m_view.ItemCountChanged(m_itemCount); // last: the host may do anything from here
}

void GridModel::DeleteAllItems()
{
    ListDeletedAll();
    m_view.SetListItemCount(0, false);
    m_view.ItemCountChanged(0);
}

void GridModel::ListInsertedItem(unsigned index)
{
    if (index > m_itemCount)
        throw std::out_of_range("list grid: item index out of range");
    for (auto& column : m_columns)
        column->m_cells.InsertEmpty(index);
    ++m_itemCount;
}

void GridModel::ListDeletedItem(unsigned index)
{
    CheckItem(index);
    for (auto& column : m_columns)
        column->m_cells.Erase(index, 1);
    --m_itemCount;
}

void GridModel::ListDeletedAll()
{
    for (auto& column : m_columns)
        column->m_cells.Clear();
    m_itemCount = 0;
}

void GridModel::SetSortColumn(int index)
{
    if (index < -1 || index >= static_cast<int>(m_columns.size()))
        ThrowColumnIndex();
    if (index == m_sortColumn)
        return;
    m_sortColumn = index;
    m_view.RepaintHeader();
}

void GridModel::SortItems()
{
    if (m_sortColumn < 0)
        return;
    std::vector<std::uint32_t> const order = lumo::SortOrder(m_columns[m_sortColumn]->m_cells, m_sortOrder);
    std::vector<unsigned> const before = m_view.SelectedItems();
    std::vector<unsigned> selected = before;
    int const focused = m_view.FocusedItem();
    for (auto& column : m_columns)
        column->m_cells.Reorder(order);

    std::vector<std::uint32_t> newIndexOf(order.size());
    for (std::uint32_t i = 0; i < order.size(); ++i)
        newIndexOf[order[i]] = i;
    bool focusedWasSelected = false;
    selected.erase(std::remove_if(selected.begin(), selected.end(),
                                  [&](unsigned item) { return item >= newIndexOf.size(); }),
                   selected.end());
    for (unsigned& item : selected)
    {
        focusedWasSelected = focusedWasSelected || static_cast<int>(item) == focused;
        item = newIndexOf[item];
    }
    std::sort(selected.begin(), selected.end());
    m_view.ReplaceSelection(before, selected);
    // The focus mark follows its item; it brings selection only to an item that had it.
    if (focused >= 0 && static_cast<unsigned>(focused) < newIndexOf.size())
        m_view.FocusAndShow(static_cast<int>(newIndexOf[focused]), focusedWasSelected);
    m_view.SetListItemCount(m_itemCount, false);
    m_view.RepaintHeader();
}

int GridModel::FindExactText(std::wstring const& text, unsigned start) const
{
    if (m_columns.empty())
        return -1;
    return lumo::FindExactText(m_columns[0]->m_cells, text, start);
}

int GridModel::FindItem(int start, unsigned column, GridFind& info) const
{
    int const stop = info.up ? -1 : static_cast<int>(m_itemCount);
    return Column(column).FindItem(info, start, stop);
}

void GridModel::SetSelectedColumn(unsigned index)
{
    GridColumn& column = Column(index);
    if (index == m_selectedColumn)
        return;
    m_selectedColumn = index;
    m_view.RepaintHeader();
    m_view.SelectedColumnChanged(column); // last: the host may do anything from here
}

unsigned RowNumberDigits(unsigned lastVisibleNumber)
{
    unsigned digits = 1;
    for (unsigned n = std::max(lastVisibleNumber, 100u); n >= 10; n /= 10)
        ++digits;
    return digits;
}
} // namespace lumo
