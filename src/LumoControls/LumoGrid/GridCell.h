// One cell of the list grid: its text and the attributes drawn with it.
//
// A grid holds one cell per item and column, so a cell must stay small: texts of up to seven UTF-16 units
// (most cell texts: numbers, codes, short words) live inside the cell and cost no allocation.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace lumo
{
class CellText
{
public:
    static constexpr std::uint32_t kInlineUnits = 7;

    // The storage starts zeroed: a move copies it whole, and an empty text's copy is then defined too.
    CellText() noexcept : m_storage{}, m_size(0) {}
    // Cells move (inserting, erasing, sorting) but are never copied.
    CellText(CellText const&) = delete;
    CellText& operator=(CellText const&) = delete;
    CellText(CellText&& other) noexcept : m_storage(other.m_storage), m_size(other.m_size)
    {
        other.m_size = 0;
    }
    CellText& operator=(CellText&& other) noexcept
    {
        if (this != &other)
        {
            Release();
            m_storage = other.m_storage;
            m_size = other.m_size;
            other.m_size = 0;
        }
        return *this;
    }
    ~CellText() { Release(); }

    void Assign(std::wstring_view text);
    std::wstring_view View() const noexcept
    {
        return std::wstring_view(IsInline() ? m_storage.units : m_storage.heap, m_size);
    }
    std::wstring Str() const { return std::wstring(View()); }

private:
    bool IsInline() const noexcept { return m_size <= kInlineUnits; }
    void Release() noexcept
    {
        if (!IsInline())
            delete[] m_storage.heap;
        m_size = 0;
    }

    union Storage
    {
        wchar_t* heap;
        wchar_t units[kInlineUnits];
    } m_storage;
    std::uint32_t m_size;
};

// The cell's flags, as the window side reads them.
enum CellFlag : std::uint8_t
{
    kCellTooltip = 1, // the text does not fit: show it in a tooltip
    kCellButton = 2,  // the editor carries a "..." button
    kCellBold = 4,
    kCellSpin = 8, // the editor carries a spin control
};

struct GridCell
{
    CellText text;
    std::uint32_t data = 0; // the host's value, never shown
    std::uint32_t textColor = 0;
    std::uint32_t icon = 0; // index into the grid's item icons
    std::uint8_t flags = 0;
};

// The editor kinds, as the exported item types number them.
enum class GridItemType
{
    Plain = 0,
    Button = 1,
    Spin = 2,
};

// A button wins over a spin when a cell somehow has both flags.
inline GridItemType ItemTypeOf(std::uint8_t flags)
{
    if (flags & kCellButton)
        return GridItemType::Button;
    return flags & kCellSpin ? GridItemType::Spin : GridItemType::Plain;
}

inline std::uint8_t WithItemType(std::uint8_t flags, GridItemType type)
{
    flags &= static_cast<std::uint8_t>(~(kCellButton | kCellSpin));
    if (type == GridItemType::Button)
        flags |= kCellButton;
    else if (type == GridItemType::Spin)
        flags |= kCellSpin;
    return flags;
}
} // namespace lumo
