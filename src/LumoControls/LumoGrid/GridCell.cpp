#include "LumoControls/LumoGrid/GridCell.h"

#include <algorithm>
#include <stdexcept>

namespace lumo
{
void CellText::Assign(std::wstring_view text)
{
    if (text.size() > UINT32_MAX)
        throw std::length_error("a cell text is limited to 2^32 - 1 units");
    // Copy first: text may point into this very cell.
    Storage fresh;
    if (text.size() <= kInlineUnits)
        std::copy(text.begin(), text.end(), fresh.units);
    else
    {
        fresh.heap = new wchar_t[text.size()];
        std::copy(text.begin(), text.end(), fresh.heap);
    }
    Release();
    m_storage = fresh;
    m_size = static_cast<std::uint32_t>(text.size());
}
} // namespace lumo
