#include "LumoControls/TreeGrid/CellSelection.h"

#include "LumoControls/TreeGrid/TreeControls.h"

#include <algorithm>
#include <climits>

void lumo::CellSelection::Add(TreeCell& cell)
{
    ++m_version;
    cell.m_selectionSlot = static_cast<int>(m_cells.size());
    cell.m_selectionOrder = m_nextOrder++;
    m_cells.push_back(&cell);
    m_ordered = m_cells.size() <= 1;
}

void lumo::CellSelection::Remove(TreeCell& cell)
{
    ++m_version;
    if (cell.m_selectionSlot < 0)
        return;
    // The last cell takes the slot: constant time, and the order is made again when next read.
    TreeCell* const last = m_cells.back();
    m_cells[static_cast<std::size_t>(cell.m_selectionSlot)] = last;
    last->m_selectionSlot = cell.m_selectionSlot;
    m_cells.pop_back();
    cell.m_selectionSlot = -1;
    m_ordered = m_ordered && last == &cell;
}

void lumo::CellSelection::Clear()
{
    ++m_version;
    for (TreeCell* cell : m_cells)
        cell->m_selectionSlot = -1;
    m_cells.clear();
    m_ordered = true;
}

std::vector<lumo::TreeCell*> const& lumo::CellSelection::Ordered()
{
    if (m_ordered)
        return m_cells;
    struct Keyed
    {
        long long row; // rows not shown sort after every shown one
        std::int64_t order;
        TreeCell* cell;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(m_cells.size());
    for (TreeCell* cell : m_cells)
    {
        int const row = cell->GetNode().GetRowIndex();
        keyed.push_back(Keyed{row >= 0 ? row : LLONG_MAX, cell->m_selectionOrder, cell});
    }
    std::sort(keyed.begin(), keyed.end(),
              [](Keyed const& a, Keyed const& b)
              { return a.row != b.row ? a.row < b.row : a.order < b.order; });
    for (std::size_t i = 0; i < keyed.size(); ++i)
    {
        m_cells[i] = keyed[i].cell;
        m_cells[i]->m_selectionSlot = static_cast<int>(i);
    }
    m_ordered = true;
    return m_cells;
}
