#include "LumoControls/LumoGrid/GridSearch.h"

#include "LumoControls/LumoGrid/GridView.h"

#include <algorithm>
#include <utility>

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
// The first eight code units packed so that comparing keys compares those units in order: most cell texts
// fit whole, and only keys that tie with a longer text go on to the full comparison. Units beyond 16 bits
// (native test builds) saturate, which keeps the order of keys consistent with the order of texts.
struct SortKey
{
    std::uint64_t high;
    std::uint64_t low;
    std::uint32_t size;
    std::uint32_t item;
};

constexpr std::uint32_t kPackedUnits = 8;

SortKey KeyOf(std::wstring_view text, std::uint32_t item)
{
    std::uint64_t packed[2] = {0, 0};
    for (std::uint32_t i = 0; i < kPackedUnits; ++i)
    {
        std::uint64_t const unit = i < text.size() ? std::min<std::uint64_t>(text[i], 0xFFFF) : 0;
        packed[i / 4] = (packed[i / 4] << 16) | unit;
    }
    return SortKey{packed[0], packed[1], static_cast<std::uint32_t>(text.size()), item};
}

// Ordinal: code units compared as unsigned numbers, whatever the width of wchar_t.
bool OrdinalLess(std::wstring_view left, std::wstring_view right)
{
    std::size_t const common = std::min(left.size(), right.size());
    for (std::size_t i = 0; i < common; ++i)
        if (left[i] != right[i])
            return static_cast<std::uint32_t>(left[i]) < static_cast<std::uint32_t>(right[i]);
    return left.size() < right.size();
}

class KeyLess
{
public:
    explicit KeyLess(CellSequence const& cells) : m_cells(cells) {}
    bool operator()(SortKey const& a, SortKey const& b) const
    {
        if (a.high != b.high)
            return a.high < b.high;
        if (a.low != b.low)
            return a.low < b.low;
        if (a.size <= kPackedUnits && b.size <= kPackedUnits)
            return a.size < b.size;
        return OrdinalLess(m_cells.At(a.item).text.View(), m_cells.At(b.item).text.View());
    }

private:
    CellSequence const& m_cells;
};

std::uint8_t DigitOf(SortKey const& key, unsigned digit)
{
    return static_cast<std::uint8_t>(digit < 8 ? key.low >> (8 * digit) : key.high >> (8 * (digit - 8)));
}

// Least significant digit first, one byte of the packed units a pass. Bytes that are the same in every key
// (the upper byte of every ASCII unit, the units past the longest text) cost no pass.
void RadixSort(std::vector<SortKey>& keys)
{
    constexpr unsigned kDigits = 16;
    std::vector<std::uint32_t> counts(kDigits * 256, 0);
    for (SortKey const& key : keys)
        for (unsigned digit = 0; digit < kDigits; ++digit)
            ++counts[digit * 256 + DigitOf(key, digit)];
    std::vector<SortKey> scratch(keys.size());
    for (unsigned digit = 0; digit < kDigits; ++digit)
    {
        std::uint32_t* const count = &counts[digit * 256];
        if (std::any_of(count, count + 256, [&](std::uint32_t c) { return c == keys.size(); }))
            continue;
        std::uint32_t offset = 0;
        for (unsigned bucket = 0; bucket < 256; ++bucket)
            offset += std::exchange(count[bucket], offset);
        for (SortKey const& key : keys)
            scratch[count[DigitOf(key, digit)]++] = key;
        keys.swap(scratch);
    }
}
} // namespace

std::vector<std::uint32_t> SortOrder(CellSequence const& cells, bool descending)
{
    std::vector<SortKey> keys;
    keys.reserve(cells.Size());
    cells.ForEach([&](GridCell const& cell)
                  { keys.push_back(KeyOf(cell.text.View(), static_cast<std::uint32_t>(keys.size()))); });
    RadixSort(keys);
    // Keys that tie on their packed units are put in order by the rest of their texts.
    KeyLess const less(cells);
    for (std::size_t first = 0; first < keys.size();)
    {
        std::size_t last = first + 1;
        while (last < keys.size() && keys[last].high == keys[first].high && keys[last].low == keys[first].low)
            ++last;
        if (last - first > 1)
            std::sort(keys.begin() + first, keys.begin() + last, less);
        first = last;
    }
    std::vector<std::uint32_t> order;
    order.reserve(keys.size());
    for (SortKey const& key : keys)
        order.push_back(key.item);
    if (descending)
        std::reverse(order.begin(), order.end());
    return order;
}
} // namespace lumo
