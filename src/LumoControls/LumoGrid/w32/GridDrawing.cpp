// The owner-drawn rows and header items of the list grid.
#include "LumoControls/LumoGrid/w32/GridImpl.h"

#include "LumoControls/LumoGrid/GridEscape.h"
#include "LumoCtrls/ColorArithmetic.h"
#include "LumoCtrls/ThemeColors.h"

#include <algorithm>

using Control = CGrid::CImpl::CGridControl;

namespace
{
constexpr int kTextMargin = 3;
constexpr int kHeaderInset = 4;
constexpr int kHeaderIconShift = 24;
constexpr int kSortMarkRoom = 16;

int PointSize(HFONT font, int pixelsPerInch)
{
    LOGFONTW description{};
    if (font == nullptr || GetObjectW(font, sizeof(description), &description) == 0)
        return 0;
    return MulDiv(std::abs(description.lfHeight), 72, pixelsPerInch);
}

void Fill(HDC dc, RECT const& area, COLORREF color)
{
    COLORREF const previous = SetBkColor(dc, color);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &area, nullptr, 0, nullptr);
    SetBkColor(dc, previous);
}

// A bold face of a font, made once per font and kept while the grid's windows live.
HFONT BoldOf(HFONT font, std::vector<std::pair<HFONT, CFont>>& cache)
{
    for (auto const& entry : cache)
        if (entry.first == font)
            return entry.second.GetHandle();
    LOGFONTW description{};
    GetObjectW(font, sizeof(description), &description);
    if (description.lfWeight >= FW_BOLD)
        return font;
    description.lfWeight = FW_BOLD;
    CFont bold;
    bold.CreateIndirect(description);
    cache.emplace_back(font, bold);
    return bold.GetHandle();
}
} // namespace

int Control::RowHeight() const
{
    HDC const screen = GetDC(nullptr);
    int const pixelsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    int points = PointSize(lumo::GridDefaultFont(), pixelsPerInch);
    for (unsigned c = 0; c < m_model.ColumnCount(); ++c)
        points = std::max(
            points, PointSize(static_cast<CColumn&>(m_model.Column(c)).GetFont().GetHandle(), pixelsPerInch));
    return points + 10;
}

void Control::DrawRow(DRAWITEMSTRUCT const& draw)
{
    auto const alive = m_alive;
    unsigned const item = draw.itemID;
    if (item >= m_model.ItemCount())
        return;
    HDC const dc = draw.hDC;
    bool const selected = (draw.itemState & ODS_SELECTED) != 0;
    bool const focused = HasFocus();
    COLORREF const rowBack =
        selected ? GetSysColor(focused ? COLOR_HIGHLIGHT : COLOR_BTNFACE) : GetSysColor(COLOR_WINDOW);
    int const saved = SaveDC(dc);
    SetBkMode(dc, TRANSPARENT);
    int left = draw.rcItem.left;
    for (unsigned c = 0; c < m_model.ColumnCount() && *alive; ++c)
    {
        CColumn& column = static_cast<CColumn&>(m_model.Column(c));
        int const width = static_cast<int>(SendMessageW(m_list, LVM_GETCOLUMNWIDTH, c, 0));
        RECT cell{left, draw.rcItem.top, left + width, draw.rcItem.bottom};
        left += width;
        bool const current = selected && c == m_model.SelectedColumn();
        Fill(dc, cell, current ? GetSysColor(COLOR_WINDOW) : rowBack);
        if (c == 0 && m_model.HasRowNumbers())
        {
            // The 1-based number on button face, or on the hint colour for a selected item.
            RECT numbers = cell;
            numbers.right = std::min(cell.right, cell.left + RowNumberAreaWidth());
            Fill(dc, numbers, selected ? GetHintColor() : GetSysColor(COLOR_BTNFACE));
            SelectObject(dc, lumo::GridDefaultFont());
            SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
            std::wstring const number = std::to_wstring(item + 1);
            DrawTextW(dc, number.c_str(), static_cast<int>(number.size()), &numbers,
                      DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
            cell.left = numbers.right;
        }
        unsigned const flags = column.ItemFlags(item);
        if (column.AreItemIconsShown())
        {
            unsigned const icon = column.ItemIcon(item);
            if (icon < m_itemIcons.size() && m_itemIcons[icon].GetHandle() != nullptr)
                DrawIconEx(dc, cell.left, cell.top + (cell.bottom - cell.top - lumo::kItemIconArea) / 2,
                           m_itemIcons[icon].GetHandle(), lumo::kItemIconArea, lumo::kItemIconArea, 0,
                           nullptr, DI_NORMAL);
            cell.left += lumo::kItemIconArea;
        }
        std::wstring text = column.ItemText(item);
        if (!text.empty() && m_handler != nullptr)
        {
            m_handler->OnGetDisplayText(text, static_cast<int>(item), &column);
            if (!*alive)
                break;
        }
        lumo::FormatGridString(text, true);
        HFONT font =
            column.GetFont().GetHandle() != nullptr ? column.GetFont().GetHandle() : lumo::GridDefaultFont();
        if (flags & lumo::kCellBold)
            font = BoldOf(font, m_boldFonts);
        SelectObject(dc, font);
        SetTextColor(dc, selected && !current && focused ? GetSysColor(COLOR_HIGHLIGHTTEXT)
                                                         : static_cast<COLORREF>(column.ItemTextColor(item)));
        RECT room{cell.left + kTextMargin, cell.top, cell.right - kTextMargin, cell.bottom};
        UINT format = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
        TAlignment const alignment = column.GetAlignment();
        format |= alignment == AlignRight ? DT_RIGHT : alignment == AlignCenter ? DT_CENTER : DT_LEFT;
        if (column.IsRightToLeft())
            format |= DT_RTLREADING;
        // Shaped when the platform's shaping is there; a text that does not fit gets the tooltip flag.
        bool drawn = false;
        bool fits = m_shaping.Draw(dc, text, room, format, column.IsRightToLeft(), drawn);
        if (!drawn)
        {
            SIZE extent{};
            GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
            fits = extent.cx <= room.right - room.left;
            DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &room, format);
        }
        column.SetTooltipFlag(item, !fits && !text.empty());
        if (current && focused)
        {
            RECT frame = cell;
            DrawFocusRect(dc, &frame);
        }
    }
    if (*alive)
        RestoreDC(dc, saved);
}

void Control::DrawHeaderItem(DRAWITEMSTRUCT const& draw)
{
    HDC const dc = draw.hDC;
    int const saved = SaveDC(dc);
    RECT area = draw.rcItem;
    Fill(dc, area, GetSysColor(COLOR_BTNFACE));
    // The bottom and right edges: one pixel of button shadow.
    RECT edge{area.left, area.bottom - 1, area.right, area.bottom};
    Fill(dc, edge, GetSysColor(COLOR_BTNSHADOW));
    edge = RECT{area.right - 1, area.top, area.right, area.bottom};
    Fill(dc, edge, GetSysColor(COLOR_BTNSHADOW));
    unsigned const index = draw.itemID;
    if (index >= m_model.ColumnCount())
    {
        RestoreDC(dc, saved);
        return;
    }
    CColumn& column = static_cast<CColumn&>(m_model.Column(index));
    RECT room{area.left + kHeaderInset, area.top, area.right - kHeaderInset, area.bottom - 1};
    if (HICON const icon = column.GetIcon().GetHandle())
    {
        int const size = GetSystemMetrics(SM_CXSMICON);
        DrawIconEx(dc, room.left, room.top + (room.bottom - room.top - size) / 2, icon, size, size, 0,
                   nullptr, DI_NORMAL);
        room.left += kHeaderIconShift;
    }
    bool const sorted = m_model.SortColumn() == static_cast<int>(index);
    if (sorted)
        room.right -= kSortMarkRoom;
    std::wstring title;
    column.GetTitle(title);
    SelectObject(dc, lumo::GridDefaultFont());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    UINT format = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
    TAlignment const alignment = column.GetAlignment();
    format |= alignment == AlignRight ? DT_RIGHT : alignment == AlignCenter ? DT_CENTER : DT_LEFT;
    RECT measured = room;
    DrawTextW(dc, title.c_str(), static_cast<int>(title.size()), &measured, format | DT_CALCRECT);
    DrawTextW(dc, title.c_str(), static_cast<int>(title.size()), &room, format);
    if (sorted)
    {
        // A triangle after the title: pointing down for the descending order (the flag true), up otherwise.
        int const x = std::min(room.left + static_cast<int>(measured.right - measured.left), room.right);
        int const m = (area.bottom - area.top) / 2 - 2 + area.top;
        POINT const down[] = {{x + 4, m}, {x + 12, m}, {x + 8, m + 4}};
        POINT const up[] = {{x + 4, m + 4}, {x + 12, m + 4}, {x + 8, m}};
        COLORREF const color = DarkenColor(80, GetSysColor(COLOR_BTNFACE));
        HBRUSH const brush = CreateSolidBrush(color);
        HPEN const pen = CreatePen(PS_SOLID, 1, color);
        HGDIOBJ const oldBrush = SelectObject(dc, brush);
        HGDIOBJ const oldPen = SelectObject(dc, pen);
        Polygon(dc, m_model.SortOrder() ? up : down, 3);
        SelectObject(dc, oldBrush);
        SelectObject(dc, oldPen);
        DeleteObject(brush);
        DeleteObject(pen);
    }
    RestoreDC(dc, saved);
}
