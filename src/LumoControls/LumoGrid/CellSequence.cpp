#include "LumoControls/LumoGrid/CellSequence.h"

#include <algorithm>

namespace lumo
{
namespace
{
constexpr std::uint32_t kLookAhead = 16;
}

std::size_t CellSequence::BlockOf(std::uint32_t item) const
{
    if (m_last < m_blocks.size())
    {
        Block const& last = m_blocks[m_last];
        if (item >= last.first && item - last.first < last.cells.size())
            return m_last;
    }
    auto const behind = std::upper_bound(m_blocks.begin(), m_blocks.end(), item,
                                         [](std::uint32_t i, Block const& b) { return i < b.first; });
    m_last = static_cast<std::size_t>(behind - m_blocks.begin()) - 1;
    return m_last;
}

void CellSequence::RenumberFrom(std::size_t block)
{
    std::uint32_t first = block == 0 ? 0 : m_blocks[block - 1].first + m_blocks[block - 1].cells.size();
    for (std::size_t b = block; b < m_blocks.size(); ++b)
    {
        m_blocks[b].first = first;
        first += static_cast<std::uint32_t>(m_blocks[b].cells.size());
    }
}

void CellSequence::Split(std::size_t block)
{
    Block upper;
    std::vector<GridCell>& cells = m_blocks[block].cells;
    auto const middle = cells.begin() + cells.size() / 2;
    upper.cells.assign(std::make_move_iterator(middle), std::make_move_iterator(cells.end()));
    cells.erase(middle, cells.end());
    m_blocks.insert(m_blocks.begin() + block + 1, std::move(upper));
}

void CellSequence::Resize(std::uint32_t size)
{
    if (size < m_size)
    {
        Erase(size, m_size - size);
        return;
    }
    std::uint32_t missing = size - m_size;
    if (missing > 0 && m_blocks.empty())
        m_blocks.emplace_back();
    while (missing > 0)
    {
        if (m_blocks.back().cells.size() >= kBlockCells)
        {
            m_blocks.emplace_back();
            m_blocks.back().first = m_size;
        }
        std::vector<GridCell>& cells = m_blocks.back().cells;
        std::uint32_t const added = std::min<std::uint32_t>(missing, kBlockCells - cells.size());
        cells.resize(cells.size() + added);
        m_size += added;
        missing -= added;
    }
}

void CellSequence::InsertEmpty(std::uint32_t item)
{
    if (item == m_size)
    {
        Resize(m_size + 1);
        return;
    }
    std::size_t const block = BlockOf(item);
    std::vector<GridCell>& cells = m_blocks[block].cells;
    cells.emplace(cells.begin() + (item - m_blocks[block].first));
    ++m_size;
    if (cells.size() >= 2 * kBlockCells)
        Split(block);
    RenumberFrom(block + 1);
}

void CellSequence::Erase(std::uint32_t first, std::uint32_t count)
{
    if (count == 0)
        return;
    std::size_t const firstBlock = BlockOf(first);
    std::size_t block = firstBlock;
    std::uint32_t left = count;
    std::uint32_t offset = first - m_blocks[block].first;
    while (left > 0)
    {
        std::vector<GridCell>& cells = m_blocks[block].cells;
        std::uint32_t const taken = std::min<std::uint32_t>(left, cells.size() - offset);
        cells.erase(cells.begin() + offset, cells.begin() + offset + taken);
        left -= taken;
        offset = 0;
        ++block;
    }
    m_size -= count;
    // Emptied blocks go; a block left small is joined to its neighbour so lookups stay short.
    auto const emptied = std::remove_if(m_blocks.begin() + firstBlock, m_blocks.begin() + block,
                                        [](Block const& b) { return b.cells.empty(); });
    m_blocks.erase(emptied, m_blocks.begin() + block);
    if (firstBlock + 1 < m_blocks.size() &&
        m_blocks[firstBlock].cells.size() + m_blocks[firstBlock + 1].cells.size() <= kBlockCells)
    {
        std::vector<GridCell>& into = m_blocks[firstBlock].cells;
        std::vector<GridCell>& from = m_blocks[firstBlock + 1].cells;
        into.insert(into.end(), std::make_move_iterator(from.begin()), std::make_move_iterator(from.end()));
        m_blocks.erase(m_blocks.begin() + firstBlock + 1);
    }
    RenumberFrom(firstBlock);
    m_last = 0;
}

void CellSequence::Clear()
{
    m_blocks.clear();
    m_size = 0;
    m_last = 0;
}

void CellSequence::Reorder(std::vector<std::uint32_t> const& order)
{
    // One walk finds every cell; the gather below then reaches each in one step.
    std::vector<GridCell*> cells;
    cells.reserve(m_size);
    for (Block& block : m_blocks)
        for (GridCell& cell : block.cells)
            cells.push_back(&cell);
    std::vector<Block> reordered((m_size + kBlockCells - 1) / kBlockCells);
    std::uint32_t next = 0;
    for (Block& block : reordered)
    {
        block.first = next;
        std::uint32_t const count = std::min(kBlockCells, m_size - next);
        block.cells.reserve(count);
        for (std::uint32_t i = 0; i < count; ++i)
        {
            // The cells are read in random order: asking for one a few steps ahead hides most of the wait.
            if (next + i + kLookAhead < m_size)
                __builtin_prefetch(cells[order[next + i + kLookAhead]]);
            block.cells.push_back(std::move(*cells[order[next + i]]));
        }
        next += count;
    }
    m_blocks = std::move(reordered);
    m_last = 0;
}
} // namespace lumo
