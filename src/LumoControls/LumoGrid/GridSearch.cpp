#include "LumoControls/LumoGrid/GridSearch.h"

#include "LumoControls/LumoGrid/GridView.h"

#include <algorithm>

namespace lumo
{
namespace
{
// Lower case without asking the platform for plain ASCII, the common case of a scan over every cell.
void LowerCase(std::wstring& text, IGridView const& mapping)
{
    bool ascii = true;
    for (wchar_t& c : text)
    {
        if (c >= L'A' && c <= L'Z')
            c = static_cast<wchar_t>(c - L'A' + L'a');
        else if (c > 0x7F)
            ascii = false;
    }
    if (!ascii)
        mapping.LowerCase(text);
}

bool HasNonAscii(std::wstring const& text)
{
    return std::any_of(text.begin(), text.end(), [](wchar_t c) { return c > 0x7F; });
}
} // namespace

int FindInCells(CellSequence const& cells, GridFind& info, int start, int stop, IGridView const& mapping)
{
    std::wstring wanted = info.text;
    if (!info.matchCase)
        LowerCase(wanted, mapping);
    if (info.ignoreNonSpacing)
        mapping.RemoveNonSpacing(wanted);
    int const count = static_cast<int>(std::min<std::uint32_t>(cells.Size(), INT32_MAX));
    int const step = info.up ? -1 : 1;
    std::wstring text; // reused: a scan of every item allocates at most once
    for (int item = start; item >= 0 && item < count && item != stop; item += step)
    {
        std::wstring_view const cell = cells.At(static_cast<std::uint32_t>(item)).text.View();
        text.assign(cell.begin(), cell.end());
        if (!info.matchCase)
            LowerCase(text, mapping);
        // Only texts with marks to remove go to the platform.
        if (info.ignoreNonSpacing && HasNonAscii(text))
            mapping.RemoveNonSpacing(text);
        std::size_t found = std::wstring::npos;
        if (info.whole)
            found = text == wanted ? 0 : std::wstring::npos;
        else if (info.up)
            found = text.rfind(wanted, info.position < 0 ? std::wstring::npos
                                                         : static_cast<std::size_t>(info.position));
        else
            found = text.find(wanted, info.position < 0 ? 0 : static_cast<std::size_t>(info.position));
        if (found != std::wstring::npos)
        {
            info.position = static_cast<int>(found);
            return item;
        }
        info.position = info.up ? -1 : 0;
    }
    return -1;
}

int FindExactText(CellSequence const& cells, std::wstring const& text, std::uint32_t start)
{
    for (std::uint32_t item = start; item < cells.Size(); ++item)
        if (cells.At(item).text.View() == text)
            return static_cast<int>(item);
    return -1;
}

namespace
{
// The first four code units packed so that comparing keys compares those units in order; only texts with
// equal keys are compared further. Units beyond 16 bits (native test builds) saturate: that keeps the
// order of keys consistent with the order of texts, at worst sending more pairs to the full comparison.
struct SortKey
{
    std::uint64_t prefix;
    wchar_t const* units;
    std::uint32_t size;
    std::uint32_t item;
};

SortKey KeyOf(std::wstring_view text, std::uint32_t item)
{
    std::uint64_t prefix = 0;
    for (std::size_t i = 0; i < 4; ++i)
    {
        std::uint64_t const unit = i < text.size() ? std::min<std::uint64_t>(text[i], 0xFFFF) : 0;
        prefix = (prefix << 16) | unit;
    }
    return SortKey{prefix, text.data(), static_cast<std::uint32_t>(text.size()), item};
}

bool Less(SortKey const& a, SortKey const& b)
{
    if (a.prefix != b.prefix)
        return a.prefix < b.prefix;
    std::wstring_view const left(a.units, a.size);
    std::wstring_view const right(b.units, b.size);
    // Ordinal: code units compared as unsigned numbers, whatever the width of wchar_t.
    std::size_t const common = std::min(left.size(), right.size());
    for (std::size_t i = 0; i < common; ++i)
        if (left[i] != right[i])
            return static_cast<std::uint32_t>(left[i]) < static_cast<std::uint32_t>(right[i]);
    return left.size() < right.size();
}
} // namespace

std::vector<std::uint32_t> SortOrder(CellSequence const& cells, bool descending)
{
    std::vector<SortKey> keys;
    keys.reserve(cells.Size());
    for (std::uint32_t item = 0; item < cells.Size(); ++item)
        keys.push_back(KeyOf(cells.At(item).text.View(), item));
    if (descending)
        std::sort(keys.begin(), keys.end(), [](SortKey const& a, SortKey const& b) { return Less(b, a); });
    else
        std::sort(keys.begin(), keys.end(), Less);
    std::vector<std::uint32_t> order;
    order.reserve(keys.size());
    for (SortKey const& key : keys)
        order.push_back(key.item);
    return order;
}
} // namespace lumo
