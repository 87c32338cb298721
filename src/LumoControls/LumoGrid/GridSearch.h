// The two searches of the list grid and the order of its sort.
#pragma once

#include "LumoControls/LumoGrid/CellSequence.h"

#include <cstdint>
#include <string>
#include <vector>

namespace lumo
{
class IGridView;

struct GridFind
{
    std::wstring text;
    bool whole = false; // the cell text must equal the text
    bool matchCase = false;
    bool up = false;               // towards lower item indices
    bool ignoreNonSpacing = false; // accents and other non-spacing marks do not count
    int position = 0;              // in: where the search starts within the first cell; out: where found
};

// The first item from start to stop (excluded) in the search's direction whose text holds info.text.
// Searching down, a negative position starts at 0; searching up, a negative position starts at the end.
// Returns -1 when nothing is found.
int FindInCells(CellSequence const& cells, GridFind& info, int start, int stop, IGridView const& mapping);

// The first item from start whose text equals text exactly, or -1.
int FindExactText(CellSequence const& cells, std::wstring const& text, std::uint32_t start);

// The permutation that orders the items by text as UTF-16 code units: greatest first when descending.
// Items with equal texts come in no guaranteed order.
std::vector<std::uint32_t> SortOrder(CellSequence const& cells, bool descending);
} // namespace lumo
