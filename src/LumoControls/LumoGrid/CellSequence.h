// The cells of one grid column, one per item, index = item.
//
// Cells are kept in blocks of about a thousand, with the index of each block's first item: reaching a cell
// is a lookup among the blocks (one step when it lies in the block reached last, as scans and paints do),
// and inserting or erasing touches one block's cells and the block starts behind it, never every cell
// behind the change. So deleting scattered items of a million stays proportional to the items deleted
// times the number of blocks, not to the items moved.
#pragma once

#include "LumoControls/LumoGrid/GridCell.h"

#include <cstdint>
#include <vector>

namespace lumo
{
class CellSequence
{
public:
    std::uint32_t Size() const { return m_size; }

    // item < Size(); the caller checks.
    GridCell& At(std::uint32_t item)
    {
        Block& block = m_blocks[BlockOf(item)];
        return block.cells[item - block.first];
    }
    GridCell const& At(std::uint32_t item) const
    {
        Block const& block = m_blocks[BlockOf(item)];
        return block.cells[item - block.first];
    }

    // New cells are empty; removed cells go from the end.
    void Resize(std::uint32_t size);
    // An empty cell at item (item <= Size()).
    void InsertEmpty(std::uint32_t item);
    // Removes count cells from first (first + count <= Size()).
    void Erase(std::uint32_t first, std::uint32_t count);
    void Clear();
    // Every cell in item order.
    template <class Visit> void ForEach(Visit&& visit) const
    {
        for (Block const& block : m_blocks)
            for (GridCell const& cell : block.cells)
                visit(cell);
    }
    // Cell i of the result is the cell at order[i] before; order is a permutation of all items.
    void Reorder(std::vector<std::uint32_t> const& order);

private:
    static constexpr std::uint32_t kBlockCells = 1024;

    struct Block
    {
        std::uint32_t first = 0; // item index of cells[0]
        std::vector<GridCell> cells;
    };

    std::size_t BlockOf(std::uint32_t item) const;
    void RenumberFrom(std::size_t block);
    void Split(std::size_t block);

    std::vector<Block> m_blocks;
    std::uint32_t m_size = 0;
    mutable std::size_t m_last = 0; // the block reached last
};
} // namespace lumo
