// The list window of the grid and what the model asks of it.
#include "LumoControls/LumoGrid/w32/GridImpl.h"

#include "INC/w32/LibraryModule.h"
#include "INC/w32/MessageBoundary.h"
#include "INC/w32/PlatformFailure.h"
#include "LumoCtrls/DrawTools.h"

#include <algorithm>
#include <climits>
#include <utility>

using lumo::kGridSourcePath;

namespace
{
constexpr UINT kListIdentifier = 100;

[[noreturn]] void ThrowNoWindow(wchar_t const* operation, int line)
{
    CWindowsApiFailed::CreateAndThrow(operation, ERROR_INVALID_WINDOW_HANDLE, kGridSourcePath, line);
}
} // namespace

CGrid::CImpl::CGridControl::CGridControl() = default;

CGrid::CImpl::CGridControl::~CGridControl()
{
    *m_alive = false;
    m_editor.reset();
    if (m_list != nullptr)
        SetWindowLongPtrW(m_list, lumo::ListBaseExtraBytes(), 0);
}

HWND CGrid::CImpl::CGridControl::CheckedList(wchar_t const* operation, int line) const
{
    if (m_list == nullptr)
        ThrowNoWindow(operation, line);
    return m_list;
}

void CGrid::CImpl::CGridControl::CreateList(HWND container, bool rowNumbers, CEventsHandler* handler)
{
    m_model.Forget();
    m_editing.Forget();
    m_model.SetRowNumbers(rowNumbers);
    m_handler = handler;
    RECT area{};
    ::GetClientRect(container, &area);
    DWORD const style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_OWNERDATA | LVS_OWNERDRAWFIXED |
                        LVS_EDITLABELS | LVS_SHOWSELALWAYS;
    HWND const list = CreateWindowExW(
        0, lumo::GridListClass().c_str(), L"", style, 0, 0, area.right, area.bottom, container,
        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kListIdentifier)), lumo::LibraryModule(), this);
    if (list == nullptr)
        lumo::ThrowLastError(L"CreateWindowEx", kGridSourcePath, __LINE__);
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_SUBITEMIMAGES | LVS_EX_DOUBLEBUFFER,
                 LVS_EX_SUBITEMIMAGES | LVS_EX_DOUBLEBUFFER);
    SendMessageW(list, LVM_SETUNICODEFORMAT, TRUE, 0);
    HWND const header = Header();
    SendMessageW(header, CCM_SETVERSION, 5, 0);
    RemoveXPThemeOfControl(header);
    // The tooltip shows the texts that do not fit their cells; its delays derive from 600 ms.
    m_tooltip =
        CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0,
                        0, 0, 0, list, nullptr, lumo::LibraryModule(), nullptr);
    if (m_tooltip != nullptr)
        SendMessageW(m_tooltip, TTM_SETDELAYTIME, TTDT_AUTOMATIC, 600);
}

HWND CGrid::CImpl::CGridControl::Header() const
{
    HWND const header = reinterpret_cast<HWND>(
        SendMessageW(CheckedList(L"ListView_GetHeader", __LINE__), LVM_GETHEADER, 0, 0));
    if (header == nullptr)
        lumo::ThrowLastError(L"ListView_GetHeader", kGridSourcePath, __LINE__);
    return header;
}

LRESULT CALLBACK CGrid::CImpl::CGridControl::ListProcedure(HWND window, UINT message, WPARAM wParam,
                                                           LPARAM lParam)
{
    int const slot = lumo::ListBaseExtraBytes();
    if (message == WM_NCCREATE)
    {
        auto* const self =
            static_cast<CGridControl*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(window, slot, reinterpret_cast<LONG_PTR>(self));
        self->m_list = window;
        self->m_alive = std::make_shared<bool>(true);
    }
    auto* const self = reinterpret_cast<CGridControl*>(GetWindowLongPtrW(window, slot));
    if (self == nullptr)
        return CallWindowProcW(lumo::ListBaseProcedure(), window, message, wParam, lParam);
    self->m_visibleStale = true;
    self->FlushPending();
    if (message == WM_NCDESTROY)
    {
        // The window takes its columns and cells with it, and whatever was going on in them.
        *self->m_alive = false;
        self->m_editor.reset();
        self->m_editing.Forget();
        self->m_clicks.Stop();
        self->m_model.Forget();
        self->m_list = nullptr;
        // A pop-up owned by a child window belongs to its top-level window: it goes with the list here.
        if (self->m_tooltip != nullptr)
            DestroyWindow(self->m_tooltip);
        self->m_tooltip = nullptr;
        self->m_boldFonts.clear();
        self->m_hotItem = self->m_hotColumn = -1;
        SetWindowLongPtrW(window, slot, 0);
        return CallWindowProcW(lumo::ListBaseProcedure(), window, message, wParam, lParam);
    }
    return lumo::DispatchGuarded(
        window, message, wParam, lParam, [&] { return self->OnMessage(message, wParam, lParam); },
        lumo::ListBaseProcedure());
}

void CGrid::CImpl::CGridControl::SetRedraw(bool redraw)
{
    m_redraw = redraw;
    SendMessageW(CheckedList(L"SetRedraw", __LINE__), WM_SETREDRAW, redraw, 0);
}

CGrid::IColumn* CGrid::CImpl::CGridControl::ColumnAt(unsigned index) const
{
    return &static_cast<CColumn&>(m_model.Column(index));
}

CGrid::CImpl::CColumn* CGrid::CImpl::CGridControl::OwnColumn(IColumn const* column) const
{
    auto const* own = dynamic_cast<CColumn const*>(column);
    if (own == nullptr || m_model.IndexOf(*own) == static_cast<unsigned>(-1))
        return nullptr;
    return const_cast<CColumn*>(own);
}

int CGrid::CImpl::CGridControl::RowNumberAreaWidth() const
{
    unsigned const lastVisible = std::min(VisibleItems().second, m_model.ItemCount());
    std::wstring const nines(lumo::RowNumberDigits(lastVisible), L'9');
    HDC const dc = GetDC(m_list);
    HGDIOBJ const previous = SelectObject(dc, lumo::GridDefaultFont());
    SIZE extent{};
    GetTextExtentPoint32W(dc, nines.c_str(), static_cast<int>(nines.size()), &extent);
    SelectObject(dc, previous);
    ReleaseDC(m_list, dc);
    return extent.cx;
}

std::pair<unsigned, unsigned> CGrid::CImpl::CGridControl::VisibleItems() const
{
    if (m_visibleStale && m_list != nullptr)
    {
        auto const top = static_cast<unsigned>(SendMessageW(m_list, LVM_GETTOPINDEX, 0, 0));
        auto const rows = static_cast<unsigned>(SendMessageW(m_list, LVM_GETCOUNTPERPAGE, 0, 0));
        m_visible = {top, top + rows + 1};
        m_visibleStale = false; // after the two messages above, which marked it stale themselves
    }
    return m_visible;
}

void CGrid::CImpl::CGridControl::ShowColumn(unsigned column)
{
    HWND const list = CheckedList(L"ListView_Scroll", __LINE__);
    int left = 0;
    for (unsigned i = 0; i < column; ++i)
        left += static_cast<int>(SendMessageW(list, LVM_GETCOLUMNWIDTH, i, 0));
    int const right = left + static_cast<int>(SendMessageW(list, LVM_GETCOLUMNWIDTH, column, 0));
    RECT area{};
    ::GetClientRect(list, &area);
    int const scrolled = GetScrollPos(list, SB_HORZ);
    int delta = 0;
    if (left < scrolled)
        delta = left - scrolled;
    else if (right > scrolled + area.right)
        delta = std::min<int>(right - (scrolled + area.right), left - scrolled);
    if (delta != 0 && !SendMessageW(list, LVM_SCROLL, delta, 0))
        lumo::ThrowLastError(L"ListView_Scroll", kGridSourcePath, __LINE__);
}

void CGrid::CImpl::CGridControl::SetItemState(int item, UINT state, UINT mask)
{
    LVITEMW change{};
    change.state = state;
    change.stateMask = mask;
    SendMessageW(CheckedList(L"ListView_SetItemState", __LINE__), LVM_SETITEMSTATE, item,
                 reinterpret_cast<LPARAM>(&change));
}

void CGrid::CImpl::CGridControl::EnsureVisible(int item)
{
    if (!SendMessageW(CheckedList(L"ListView_EnsureVisible", __LINE__), LVM_ENSUREVISIBLE, item, FALSE))
        lumo::ThrowLastError(L"ListView_EnsureVisible", kGridSourcePath, __LINE__);
}

int CGrid::CImpl::CGridControl::NextItem(int after, UINT flags) const
{
    if (m_list == nullptr)
        return -1;
    return static_cast<int>(SendMessageW(m_list, LVM_GETNEXTITEM, after, MAKELPARAM(flags, 0)));
}

// --- IGridView

void CGrid::CImpl::CGridControl::InsertHeaderColumn(unsigned index)
{
    HWND const list = CheckedList(L"ListView_InsertColumn", __LINE__);
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH;
    column.cx = 0;
    if (SendMessageW(list, LVM_INSERTCOLUMNW, index, reinterpret_cast<LPARAM>(&column)) < 0)
        lumo::ThrowLastError(L"ListView_InsertColumn", kGridSourcePath, __LINE__);
    HDITEMW item{};
    item.mask = HDI_FORMAT;
    item.fmt = HDF_OWNERDRAW | HDF_STRING; // the grid draws its header items
    if (!SendMessageW(Header(), HDM_SETITEMW, index, reinterpret_cast<LPARAM>(&item)))
    {
        DWORD const code = GetLastError();
        SendMessageW(list, LVM_DELETECOLUMN, index, 0);
        CWindowsApiFailed::CreateAndThrow(L"Header_SetItem", code, kGridSourcePath, __LINE__);
    }
}

void CGrid::CImpl::CGridControl::DeleteHeaderColumn(unsigned index)
{
    if (!SendMessageW(CheckedList(L"ListView_DeleteColumn", __LINE__), LVM_DELETECOLUMN, index, 0))
        lumo::ThrowLastError(L"ListView_DeleteColumn", kGridSourcePath, __LINE__);
}

void CGrid::CImpl::CGridControl::SetListItemCount(unsigned, bool keepRest)
{
    CheckedList(L"ListView_SetItemCountEx", __LINE__);
    m_countKeepsRest = (m_countKeepsRest || !m_countPending) && keepRest;
    m_countPending = true;
}

void CGrid::CImpl::CGridControl::FlushPending()
{
    if (m_list == nullptr)
    {
        m_countPending = false;
        m_rowsPendingFrom = UINT_MAX;
        return;
    }
    // Cleared first: the messages below come back through the list's procedure.
    if (m_countPending)
    {
        m_countPending = false;
        SendMessageW(m_list, LVM_SETITEMCOUNT, m_model.ItemCount(),
                     m_countKeepsRest ? LVSICF_NOINVALIDATEALL : 0);
        if (!m_countKeepsRest)
            m_rowsPendingFrom = UINT_MAX; // everything is repainted already
    }
    if (m_rowsPendingFrom != UINT_MAX)
    {
        unsigned const from = std::exchange(m_rowsPendingFrom, UINT_MAX);
        std::pair<unsigned, unsigned> const visible = VisibleItems();
        unsigned const first = std::max(from, visible.first);
        if (m_model.ItemCount() > 0 && first <= std::min(visible.second, m_model.ItemCount() - 1))
            SendMessageW(m_list, LVM_REDRAWITEMS, first, std::min(visible.second, m_model.ItemCount() - 1));
    }
}

std::vector<unsigned> CGrid::CImpl::CGridControl::SelectedItems() const
{
    std::vector<unsigned> items;
    for (int item = NextItem(-1, LVNI_SELECTED); item >= 0; item = NextItem(item, LVNI_SELECTED))
        items.push_back(static_cast<unsigned>(item));
    return items;
}

int CGrid::CImpl::CGridControl::FocusedItem() const
{
    return NextItem(-1, LVNI_FOCUSED);
}

bool CGrid::CImpl::CGridControl::IsItemSelected(unsigned item) const
{
    return m_list != nullptr &&
           (SendMessageW(m_list, LVM_GETITEMSTATE, item, LVIS_SELECTED) & LVIS_SELECTED) != 0;
}

bool CGrid::CImpl::CGridControl::HasFocus() const
{
    return m_list != nullptr && GetFocus() == m_list;
}

CGrid::IColumn* CGrid::CImpl::CGridControl::ColumnOrNull(int index) const
{
    if (index < 0 || static_cast<unsigned>(index) >= m_model.ColumnCount())
        return nullptr;
    return ColumnAt(static_cast<unsigned>(index));
}

void CGrid::CImpl::CGridControl::ReplaceSelection(std::vector<unsigned> const& selected,
                                                  std::vector<unsigned> const& items)
{
    // Unselecting everything at once costs the list a visit of every item: a few selected items are
    // unselected one by one instead.
    if (selected.size() < m_model.ItemCount() / 64)
        for (unsigned item : selected)
            SetItemState(static_cast<int>(item), 0, LVIS_SELECTED);
    else
        SetItemState(-1, 0, LVIS_SELECTED);
    for (unsigned item : items)
        SetItemState(static_cast<int>(item), LVIS_SELECTED, LVIS_SELECTED);
}

void CGrid::CImpl::CGridControl::FocusAndShow(int item, bool select)
{
    UINT const mask = LVIS_FOCUSED | (select ? LVIS_SELECTED : 0);
    SetItemState(item, mask, mask);
    EnsureVisible(item);
}

void CGrid::CImpl::CGridControl::InvalidateCell(unsigned item, unsigned column)
{
    if (!m_redraw || m_list == nullptr)
        return;
    std::pair<unsigned, unsigned> const visible = VisibleItems();
    if (item < visible.first || item > visible.second)
        return;
    RECT cell{};
    cell.top = static_cast<LONG>(column);
    cell.left = column == 0 ? LVIR_LABEL : LVIR_BOUNDS;
    if (!SendMessageW(m_list, LVM_GETSUBITEMRECT, item, reinterpret_cast<LPARAM>(&cell)))
        lumo::ThrowLastError(L"ListView_GetItemRect", kGridSourcePath, __LINE__);
    InvalidateRect(m_list, &cell, FALSE);
}

void CGrid::CImpl::CGridControl::InvalidateColumnStrip(unsigned column)
{
    if (m_list == nullptr)
        return;
    int left = 0;
    for (unsigned i = 0; i < column; ++i)
        left += static_cast<int>(SendMessageW(m_list, LVM_GETCOLUMNWIDTH, i, 0));
    RECT strip{};
    ::GetClientRect(m_list, &strip);
    int const scrolled = GetScrollPos(m_list, SB_HORZ);
    strip.left = left - scrolled;
    strip.right = strip.left + static_cast<int>(SendMessageW(m_list, LVM_GETCOLUMNWIDTH, column, 0));
    InvalidateRect(m_list, &strip, FALSE);
}

void CGrid::CImpl::CGridControl::InvalidateRowsFrom(unsigned item)
{
    if (m_redraw && m_list != nullptr)
        m_rowsPendingFrom = std::min(m_rowsPendingFrom, item);
}

void CGrid::CImpl::CGridControl::RepaintHeader()
{
    if (m_list != nullptr)
        InvalidateRect(Header(), nullptr, TRUE);
}

void CGrid::CImpl::CGridControl::LowerCase(std::wstring& text) const
{
    if (!text.empty())
        CharLowerBuffW(&text[0], static_cast<DWORD>(text.size()));
}

void CGrid::CImpl::CGridControl::RemoveNonSpacing(std::wstring& text) const
{
    if (text.empty())
        return;
    int const size = static_cast<int>(text.size());
    std::wstring mapped(static_cast<std::size_t>(size), L'\0');
    int const written =
        LCMapStringW(LOCALE_NEUTRAL, NORM_IGNORENONSPACE, text.c_str(), size, &mapped[0], size);
    if (written > 0)
    {
        mapped.resize(static_cast<std::size_t>(written));
        text.swap(mapped);
    }
}

void CGrid::CImpl::CGridControl::ItemCountChanged(unsigned count)
{
    if (m_handler != nullptr)
        m_handler->OnItemCountChanged(count);
}

void CGrid::CImpl::CGridControl::SelectedColumnChanged(lumo::GridColumn& column)
{
    if (m_handler != nullptr)
        m_handler->OnSelectedColumnChanged(&static_cast<CColumn&>(column));
}

std::unique_ptr<lumo::GridColumn> CGrid::CImpl::CGridControl::MakeColumn()
{
    return std::make_unique<CColumn>(*this);
}
