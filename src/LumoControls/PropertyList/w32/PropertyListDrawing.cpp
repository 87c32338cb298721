// Painting the property list's rows and its description pane.
#include "LumoControls/PropertyList/w32/PropertyListImpl.h"

#include "LumoControls/PropertyList/PropertyValues.h"
#include "LumoCtrls/ColorArithmetic.h"
#include "LumoCtrls/ColorNames.h"

#include <commctrl.h>

using lumo::PropertyRecord;

namespace
{
constexpr int kIndent = 10;     // per level below the top
constexpr int kNameLeft = 16;   // room for the expand box
constexpr int kSwatchText = 33; // a colour's name, right of its swatch
constexpr int kIconText = 21;   // an image's name, right of its icon

bool IsNoColor(COLORREF color)
{
    return color == 0xFFFFFFFFu || color == 0xFFFF0001u;
}

void DrawText(HDC dc, std::wstring const& text, RECT rect, HFONT font, COLORREF color)
{
    HGDIOBJ const previous = SelectObject(dc, font);
    SetTextColor(dc, color);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    SelectObject(dc, previous);
}

void DrawExpandBox(HDC dc, RECT const& row, bool expanded)
{
    RECT const box{3, row.top + 4, 12, row.bottom - 4};
    FrameRect(dc, &box, GetSysColorBrush(COLOR_GRAYTEXT));
    int const middleY = (box.top + box.bottom) / 2;
    RECT const across{box.left + 2, middleY, box.right - 2, middleY + 1};
    FillRect(dc, &across, GetSysColorBrush(COLOR_WINDOWTEXT));
    if (!expanded)
    {
        int const middleX = (box.left + box.right) / 2;
        RECT const down{middleX, box.top + 2, middleX + 1, box.bottom - 2};
        FillRect(dc, &down, GetSysColorBrush(COLOR_WINDOWTEXT));
    }
}
} // namespace

COLORREF CPropertyListCtrl::CImpl::ItemColor(PropertyRecord const& item) const
{
    if (lumo::IsHostColorReference(item.value))
    {
        CPropertyManager::IEventsHandler* handler = m_manager->GetImpl().Handler();
        return handler != nullptr ? handler->GetColorFromValue(item.value) : 0xFFFFFFFFu;
    }
    COLORREF color = 0;
    return GetCOLORREFFromName(item.value, color) ? color : 0xFFFFFFFFu;
}

void CPropertyListCtrl::CImpl::DrawRow(DRAWITEMSTRUCT const& draw) const
{
    PropertyRecord const* item = RowItem(static_cast<int>(draw.itemID));
    if (item == nullptr || m_manager == nullptr)
        return;
    CPropertyManager::CImpl const& manager = m_manager->GetImpl();
    HDC const dc = draw.hDC;
    RECT const& row = draw.rcItem;
    int const divider = manager.SplitterPosition();
    COLORREF const background = manager.Color();
    bool const selected = item == manager.Selected();
    bool const categorized = (manager.Styles() & STYLE_CATEGORIZED) != 0;

    HBRUSH const fill = CreateSolidBrush(item->IsCategory() ? DarkenColor(16, background) : background);
    FillRect(dc, &row, fill);
    DeleteObject(fill);
    SetBkMode(dc, TRANSPARENT);
    COLORREF const text =
        !m_enabled || !item->enabled ? GetSysColor(COLOR_GRAYTEXT) : GetSysColor(COLOR_WINDOWTEXT);

    if (item->firstChild != nullptr)
        DrawExpandBox(dc, row, item->expanded);
    int const level = item->depth - (categorized ? 0 : 1);
    RECT name{row.left + kNameLeft + level * kIndent, row.top, item->IsCategory() ? row.right : divider,
              row.bottom};
    if (selected && !item->IsCategory())
    {
        RECT highlight{name.left - 2, row.top, divider, row.bottom};
        FillRect(dc, &highlight, GetSysColorBrush(COLOR_HIGHLIGHT));
    }
    DrawText(dc, item->displayName, name, lumo::PropertyListFont(item->IsCategory()),
             selected && !item->IsCategory() ? GetSysColor(COLOR_HIGHLIGHTTEXT) : text);
    if (!item->IsCategory())
    {
        RECT value{divider + 3, row.top, row.right, row.bottom};
        if (item->type == CPropertyItem::TYPE_COLOR)
        {
            RECT const frame{divider + 4, row.top + 3, divider + 26, row.top + 13};
            FrameRect(dc, &frame, GetSysColorBrush(COLOR_WINDOWTEXT));
            COLORREF const color = ItemColor(*item);
            RECT const swatch{frame.left + 1, frame.top + 1, frame.right - 1, frame.bottom - 1};
            HBRUSH const brush = CreateSolidBrush(IsNoColor(color) ? GetSysColor(COLOR_WINDOW) : color);
            FillRect(dc, &swatch, brush);
            DeleteObject(brush);
            value.left = divider + kSwatchText;
        }
        else if (item->type == CPropertyItem::TYPE_IMAGE)
        {
            int const image = item->choiceIndex - (item->withNone ? 1 : 0);
            if (item->images != nullptr && image >= 0 && image < ImageList_GetImageCount(item->images))
                ImageList_Draw(item->images, image, dc, divider + 3,
                               row.top + (row.bottom - row.top - 16) / 2, ILD_TRANSPARENT);
            value.left = divider + kIconText;
        }
        DrawText(dc, item->value, value, lumo::PropertyListFont(item->modified), text);
    }
    if ((manager.Styles() & STYLE_SHOW_LINES) != 0)
    {
        RECT const bottom{row.left, row.bottom - 1, row.right, row.bottom};
        FillRect(dc, &bottom, GetSysColorBrush(COLOR_BTNSHADOW));
        if (!item->IsCategory())
        {
            RECT const column{divider, row.top, divider + 1, row.bottom};
            FillRect(dc, &column, GetSysColorBrush(COLOR_BTNSHADOW));
        }
    }
}

void CPropertyListCtrl::CImpl::PaintRows() const
{
    // The visible rows are drawn here in one pass, into one buffer: asking the list box to send a draw
    // message per row would cost a round of the platform's message hooks for each of them.
    PAINTSTRUCT paint;
    HDC const dc = BeginPaint(m_list, &paint);
    RECT client{};
    GetClientRect(m_list, &client);
    HDC const buffer = CreateCompatibleDC(dc);
    HBITMAP const bitmap = CreateCompatibleBitmap(dc, client.right, client.bottom);
    HGDIOBJ const previousBitmap = SelectObject(buffer, bitmap);
    FillRect(buffer, &client, GetSysColorBrush(COLOR_WINDOW));
    int const top = static_cast<int>(SendMessageW(m_list, LB_GETTOPINDEX, 0, 0));
    int const selected = static_cast<int>(SendMessageW(m_list, LB_GETCURSEL, 0, 0));
    DRAWITEMSTRUCT draw{};
    draw.CtlType = ODT_LISTBOX;
    draw.hwndItem = m_list;
    draw.hDC = buffer;
    for (int row = top, y = 0; row < m_rows.Count() && y < client.bottom; ++row, y += m_rowHeight)
    {
        draw.itemID = static_cast<UINT>(row);
        draw.itemState = row == selected ? ODS_SELECTED : 0;
        draw.rcItem = RECT{0, y, client.right, y + m_rowHeight};
        DrawRow(draw);
    }
    BitBlt(dc, 0, 0, client.right, client.bottom, buffer, 0, 0, SRCCOPY);
    SelectObject(buffer, previousBitmap);
    DeleteObject(bitmap);
    DeleteDC(buffer);
    EndPaint(m_list, &paint);
}

void CPropertyListCtrl::CImpl::DrawDescription(DRAWITEMSTRUCT const& draw) const
{
    HDC const dc = draw.hDC;
    RECT const& pane = draw.rcItem;
    COLORREF const color = m_manager != nullptr ? m_manager->GetImpl().Color() : GetSysColor(COLOR_BTNFACE);
    HBRUSH const fill = CreateSolidBrush(LightenColor(100, color));
    FillRect(dc, &pane, fill);
    DeleteObject(fill);
    PropertyRecord const* item = m_manager != nullptr ? m_manager->GetImpl().Selected() : nullptr;
    if (item == nullptr)
        return;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    RECT inner{pane.left + 4, pane.top + 2, pane.right - 8, pane.bottom - 4};
    HGDIOBJ const previous = SelectObject(dc, lumo::PropertyListFont(true));
    DrawTextW(dc, item->displayName.c_str(), -1, &inner, DT_WORDBREAK | DT_NOPREFIX);
    inner.top += 14;
    SelectObject(dc, lumo::PropertyListFont(false));
    DrawTextW(dc, item->comments.c_str(), -1, &inner, DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, previous);
}

void CPropertyListCtrl::CImpl::DrawChoice(DRAWITEMSTRUCT const& draw) const
{
    if (draw.itemID == static_cast<UINT>(-1) || m_editing == nullptr)
        return;
    bool const selected = (draw.itemState & ODS_SELECTED) != 0;
    FillRect(draw.hDC, &draw.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    SetBkMode(draw.hDC, TRANSPARENT);
    SetTextColor(draw.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    RECT text = draw.rcItem;
    text.left += 2;
    if (m_editing != nullptr && m_editing->type == CPropertyItem::TYPE_IMAGE)
    {
        int const image = static_cast<int>(draw.itemID) - (m_editing->withNone ? 1 : 0);
        if (m_editing->images != nullptr && image >= 0)
            ImageList_Draw(m_editing->images, image, draw.hDC, text.left, text.top, ILD_TRANSPARENT);
        text.left += 20;
    }
    if (draw.itemID < m_editing->choices.size())
    {
        std::wstring const& choice = m_editing->choices[draw.itemID];
        HGDIOBJ const previous = SelectObject(draw.hDC, lumo::PropertyListFont(false));
        DrawTextW(draw.hDC, choice.c_str(), static_cast<int>(choice.size()), &text,
                  DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        SelectObject(draw.hDC, previous);
    }
}
