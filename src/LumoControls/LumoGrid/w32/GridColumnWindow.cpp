// What a column keeps in the list window's header item: title, width, alignment and the host's value.
#include "LumoControls/LumoGrid/w32/GridImpl.h"

#include "INC/w32/PlatformFailure.h"

#include <stdexcept>

using lumo::kGridSourcePath;

HDITEMW CGrid::CImpl::CColumn::ReadHeaderItem(UINT mask) const
{
    HWND const list = m_control.CheckedList(L"Header_GetItem", __LINE__);
    HWND const header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
    HDITEMW item{};
    item.mask = mask;
    if (header == nullptr || !SendMessageW(header, HDM_GETITEMW, Index(), reinterpret_cast<LPARAM>(&item)))
        lumo::ThrowLastError(L"Header_GetItem", kGridSourcePath, __LINE__);
    return item;
}

void CGrid::CImpl::CColumn::WriteHeaderItem(HDITEMW& item)
{
    HWND const list = m_control.CheckedList(L"Header_SetItem", __LINE__);
    HWND const header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
    if (header == nullptr || !SendMessageW(header, HDM_SETITEMW, Index(), reinterpret_cast<LPARAM>(&item)))
        lumo::ThrowLastError(L"Header_SetItem", kGridSourcePath, __LINE__);
}

// The title is written to the header item itself: the list view's own column call would rewrite the
// item's format and take away its owner drawing.
void CGrid::CImpl::CColumn::GetTitle(std::wstring& title) const
{
    wchar_t buffer[256] = {};
    HWND const list = m_control.CheckedList(L"Header_GetItem", __LINE__);
    HWND const header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
    HDITEMW item{};
    item.mask = HDI_TEXT;
    item.pszText = buffer;
    item.cchTextMax = 256;
    if (header == nullptr || !SendMessageW(header, HDM_GETITEMW, Index(), reinterpret_cast<LPARAM>(&item)))
        lumo::ThrowLastError(L"Header_GetItem", kGridSourcePath, __LINE__);
    title = buffer;
}

void CGrid::CImpl::CColumn::SetTitle(std::wstring const& title)
{
    HDITEMW item{};
    item.mask = HDI_TEXT;
    item.pszText = const_cast<wchar_t*>(title.c_str());
    WriteHeaderItem(item);
    m_control.RepaintHeader();
}

void CGrid::CImpl::CColumn::SetIcon(CIcon const& icon)
{
    m_icon = icon;
    m_control.RepaintHeader();
}

int CGrid::CImpl::CColumn::GetWidth() const
{
    return static_cast<int>(SendMessageW(m_control.CheckedList(L"ListView_GetColumnWidth", __LINE__),
                                         LVM_GETCOLUMNWIDTH, Index(), 0));
}

void CGrid::CImpl::CColumn::SetWidth(int width)
{
    HWND const list = m_control.CheckedList(L"ListView_SetColumnWidth", __LINE__);
    SendMessageW(list, LVM_SETCOLUMNWIDTH, Index(), MAKELPARAM(width, 0));
    m_control.InvalidateRowsFrom(0);
}

unsigned CGrid::CImpl::CColumn::GetData() const
{
    return static_cast<unsigned>(ReadHeaderItem(HDI_LPARAM).lParam);
}

void CGrid::CImpl::CColumn::SetData(unsigned data)
{
    HDITEMW item{};
    item.mask = HDI_LPARAM;
    item.lParam = static_cast<LPARAM>(data);
    WriteHeaderItem(item);
}

CGrid::TAlignment CGrid::CImpl::CColumn::GetAlignment() const
{
    int const format = ReadHeaderItem(HDI_FORMAT).fmt & HDF_JUSTIFYMASK;
    if (format == HDF_RIGHT)
        return AlignRight;
    return format == HDF_CENTER ? AlignCenter : AlignLeft;
}

void CGrid::CImpl::CColumn::SetAlignment(TAlignment alignment)
{
    if (alignment != AlignCenter && alignment != AlignRight)
        return;
    HDITEMW item = ReadHeaderItem(HDI_FORMAT);
    item.fmt = (item.fmt & ~HDF_JUSTIFYMASK) | (alignment == AlignRight ? HDF_RIGHT : HDF_CENTER);
    WriteHeaderItem(item);
}

void CGrid::CImpl::CColumn::SetFont(CFont const& font)
{
    if (font.GetHandle() == m_font.GetHandle())
        return;
    m_font = font;
    m_control.InvalidateColumnStrip(Index());
}

void CGrid::CImpl::CColumn::SetItemType(unsigned item, TItemType type)
{
    GridColumn::SetItemType(item, static_cast<lumo::GridItemType>(type));
}

void CGrid::CImpl::CColumn::SelectItem(unsigned item)
{
    if (item >= Model().ItemCount())
        throw std::out_of_range("list grid: item index out of range");
    m_control.SetItemState(-1, 0, LVIS_SELECTED);
    m_control.SetItemState(static_cast<int>(item), LVIS_SELECTED | LVIS_FOCUSED,
                           LVIS_SELECTED | LVIS_FOCUSED);
    m_control.EnsureVisible(static_cast<int>(item));
    Model().SetSelectedColumn(Index());
    m_control.ShowColumn(Index());
}

int CGrid::CImpl::CColumn::FindItem(TGridFindInfo& info, int start, int stop) const
{
    lumo::GridFind find{info.text, info.whole, info.matchCase, info.up, info.ignoreNonSpacing, info.position};
    int const item = GridColumn::FindItem(find, start, stop);
    info.position = find.position;
    return item;
}
