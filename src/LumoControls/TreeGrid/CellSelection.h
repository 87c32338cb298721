// The selected cells of a tree grid, read in ascending order of their rows.
//
// Selecting and unselecting are constant-time: cells are kept unordered, each knowing its slot, and put in
// order (by row index, then by when they were selected) the first time the order is read after a change.
// Row indices move whenever rows are inserted, removed or expanded, so an order kept by insertion would
// have to be repaired on every such change; sorting on read costs one pass when someone looks.
#pragma once

#include "LumoControls/TreeGrid/TreeTypes.h"

#include <cstdint>
#include <vector>

namespace lumo
{
class CellSelection
{
public:
    bool IsEmpty() const { return m_cells.empty(); }
    std::size_t Size() const { return m_cells.size(); }

    void Add(TreeCell& cell);
    void Remove(TreeCell& cell);
    // Forgets every cell (their SELECT bits and the counts of their rows and columns are the caller's).
    void Clear();
    // The cells in ascending row order (rows not shown last), cells of one row in selection order.
    std::vector<TreeCell*> const& Ordered();
    // The cells in no particular order; valid until the next change.
    std::vector<TreeCell*> const& Unordered() const { return m_cells; }
    // The model's rows changed: the order is computed again when it is next read.
    void RowsMoved() { m_ordered = false; }
    // Counts every change, so that whoever changes the selection can tell whether anything changed.
    std::uint64_t Version() const { return m_version; }

private:
    std::vector<TreeCell*> m_cells;
    std::int64_t m_nextOrder = 0;
    bool m_ordered = true;
    std::uint64_t m_version = 0;
};
} // namespace lumo
