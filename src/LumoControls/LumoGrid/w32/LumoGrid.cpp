// The exported list grid: each operation goes to the model or to the list window.
#include "LumoControls/LumoGrid/w32/GridImpl.h"

#include "INC/w32/PlatformFailure.h"
#include "LumoControls/LumoGrid/GridEscape.h"

#include <stdexcept>

using lumo::kGridSourcePath;

namespace
{
unsigned CheckedIndex(int index)
{
    if (index < 0)
        throw std::out_of_range("list grid: item index out of range");
    return static_cast<unsigned>(index);
}
} // namespace

CGrid::CImpl::CImpl()
    : m_control(std::make_unique<CGridControl>()), m_container(std::make_unique<CGridContainer>(*m_control))
{
}

CGrid::CImpl::~CImpl()
{
    m_container.reset(); // the windows go first, while the control object still answers them
}

CGrid::CGrid() : m_impl(new CImpl) {}

CGrid::~CGrid()
{
    delete m_impl;
}

void CGrid::Create(HWND parent, unsigned identifier, int x, int y, int width, int height, bool rowNumbers,
                   CEventsHandler* handler)
{
    m_impl->Container().Create(parent, identifier, x, y, width, height, rowNumbers, handler);
}

void CGrid::Destroy()
{
    m_impl->Container().Destroy();
}

void CGrid::Show(bool show)
{
    if (HWND const window = m_impl->Container().Window())
        ShowWindow(window, show ? SW_SHOW : SW_HIDE);
}

HWND CGrid::SetFocus()
{
    return ::SetFocus(m_impl->Control().CheckedList(L"SetFocus", __LINE__));
}

void CGrid::Resize(int x, int y, int width, int height, bool repaint)
{
    HWND const window = m_impl->Container().Window();
    if (window == nullptr || !MoveWindow(window, x, y, width, height, repaint))
        lumo::ThrowLastError(L"MoveWindow", kGridSourcePath, __LINE__);
}

void CGrid::GetClientRect(RECT& rect) const
{
    if (!::GetClientRect(m_impl->Control().CheckedList(L"GetClientRect", __LINE__), &rect))
        lumo::ThrowLastError(L"GetClientRect", kGridSourcePath, __LINE__);
}

void CGrid::RedrawWindow(unsigned flags)
{
    ::RedrawWindow(m_impl->Control().CheckedList(L"RedrawWindow", __LINE__), nullptr, nullptr, flags);
}

void CGrid::SetRedraw(bool redraw)
{
    m_impl->Control().SetRedraw(redraw);
}

bool CGrid::IsOwnerControl(CWnd const& window) const
{
    HWND const handle = window.GetHandle();
    return handle != nullptr &&
           (handle == m_impl->Control().List() || handle == m_impl->Control().EditorWindow());
}

// --- Columns

CGrid::IColumn& CGrid::AppendColumn()
{
    return InsertColumn(GetColumnCount());
}

CGrid::IColumn& CGrid::InsertColumn(unsigned index)
{
    return static_cast<CImpl::CColumn&>(m_impl->Control().Model().InsertColumn(index));
}

void CGrid::RemoveColumn(unsigned index)
{
    m_impl->Control().Model().RemoveColumn(index);
}

void CGrid::DeleteAllColumns()
{
    m_impl->Control().Model().DeleteAllColumns();
}

unsigned CGrid::GetColumnCount() const
{
    return m_impl->Control().Model().ColumnCount();
}

CGrid::IColumn& CGrid::GetColumn(unsigned index)
{
    return *m_impl->Control().ColumnAt(index);
}

CGrid::IColumn const& CGrid::GetColumn(unsigned index) const
{
    return *m_impl->Control().ColumnAt(index);
}

unsigned CGrid::GetColumnIndex(IColumn const& column) const
{
    CImpl::CColumn const* own = m_impl->Control().OwnColumn(&column);
    return own == nullptr ? static_cast<unsigned>(-1) : m_impl->Control().Model().IndexOf(*own);
}

CGrid::IColumn* CGrid::GetSelectedColumn() const
{
    lumo::GridModel const& model = m_impl->Control().Model();
    return model.ColumnCount() == 0 ? nullptr : m_impl->Control().ColumnAt(model.SelectedColumn());
}

void CGrid::SetSelectedColumn(IColumn& column)
{
    CImpl::CColumn* own = m_impl->Control().OwnColumn(&column);
    if (own == nullptr)
        throw std::out_of_range("list grid: not a column of this grid");
    m_impl->Control().Model().SetSelectedColumn(m_impl->Control().Model().IndexOf(*own));
}

// --- Items

void CGrid::SetItemCount(unsigned count, bool force)
{
    m_impl->Control().Model().SetItemCount(count, force);
}

unsigned CGrid::GetItemCount() const
{
    return m_impl->Control().Model().ItemCount();
}

void CGrid::InsertItem(int index, std::wstring const& text)
{
    m_impl->Control().Model().InsertItem(CheckedIndex(index), text);
}

bool CGrid::DeleteItem(int index)
{
    m_impl->Control().Model().DeleteItems(CheckedIndex(index), 1);
    return true;
}

void CGrid::DeleteAllItems()
{
    m_impl->Control().Model().DeleteAllItems();
}

CGrid::TItemType CGrid::GetItemType(unsigned item) const
{
    return GetColumn(0).GetItemType(item);
}

void CGrid::SetItemType(unsigned item, TItemType type)
{
    GetColumn(0).SetItemType(item, type);
}

unsigned CGrid::GetItemIcon(int item) const
{
    return GetColumn(0).GetItemIcon(CheckedIndex(item));
}

void CGrid::SetItemIcon(int item, unsigned icon)
{
    GetColumn(0).SetItemIcon(CheckedIndex(item), icon);
}

std::vector<CIcon> const& CGrid::GetItemIconList() const
{
    return m_impl->Control().ItemIcons();
}

void CGrid::SetItemIconList(std::vector<CIcon> const& icons)
{
    m_impl->Control().ItemIcons() = icons;
    if (HWND const list = m_impl->Control().List())
        InvalidateRect(list, nullptr, FALSE);
}

bool CGrid::IsInsertionMode() const
{
    return m_impl->Control().Editing().InsertionItem() >= 0;
}

int CGrid::GetInsertedItem() const
{
    return m_impl->Control().Editing().InsertionItem();
}

bool CGrid::IsUserModification() const
{
    return m_impl->Control().Editing().IsUserModification();
}

void CGrid::CreateItem()
{
    int const focused = m_impl->Control().FocusedItem();
    m_impl->Control().Editing().CreateItem(focused < 0 ? 0 : focused);
}

void CGrid::EditItem()
{
    m_impl->Control().Editing().Edit();
}

bool CGrid::CanCommand(TCommand command) const
{
    return m_impl->Control().CanCommand(command);
}

bool CGrid::ProcessCommand(TCommand command)
{
    return m_impl->Control().ProcessCommand(command);
}

bool CGrid::IsSuppressionMode() const
{
    return m_impl->Control().Model().IsSuppressing();
}

// --- Selection

unsigned CGrid::GetSelectedItemsCount() const
{
    HWND const list = m_impl->Control().List();
    return list == nullptr ? 0 : static_cast<unsigned>(SendMessageW(list, LVM_GETSELECTEDCOUNT, 0, 0));
}

bool CGrid::IsMultiSelection() const
{
    return GetSelectedItemsCount() > 1;
}

void CGrid::EnableMultiSelection(bool enable)
{
    HWND const list = m_impl->Control().CheckedList(L"SetWindowLong", __LINE__);
    LONG_PTR const style = GetWindowLongPtrW(list, GWL_STYLE);
    SetWindowLongPtrW(list, GWL_STYLE, enable ? style & ~LVS_SINGLESEL : style | LVS_SINGLESEL);
}

void CGrid::UnselectAllItems()
{
    m_impl->Control().SetItemState(-1, 0, LVIS_SELECTED);
}

void CGrid::SelectItemsList(std::vector<unsigned> const& items)
{
    CImpl::CGridControl& control = m_impl->Control();
    control.ReplaceSelection(control.SelectedItems(), items);
    for (unsigned item : items)
        SendMessageW(control.List(), LVM_REDRAWITEMS, item, item);
}

void CGrid::GetSelectedItemsList(std::vector<unsigned>& items) const
{
    items = m_impl->Control().SelectedItems();
}

bool CGrid::IsItemSelected(int item) const
{
    HWND const list = m_impl->Control().List();
    return list != nullptr &&
           (SendMessageW(list, LVM_GETITEMSTATE, item, LVIS_SELECTED) & LVIS_SELECTED) != 0;
}

int CGrid::GetFocusedItem() const
{
    return m_impl->Control().FocusedItem();
}

void CGrid::SetFocusedItem(int item)
{
    CImpl::CGridControl& control = m_impl->Control();
    int const focused = control.FocusedItem();
    if (focused == item)
        return;
    if (focused >= 0)
        control.SetItemState(focused, 0, LVIS_FOCUSED);
    control.SetItemState(item, LVIS_FOCUSED, LVIS_FOCUSED);
}

bool CGrid::GetFirstSelectedItem(int after, int& item, IColumn*& column) const
{
    item = m_impl->Control().NextItem(after, LVNI_SELECTED);
    column = item >= 0 ? GetSelectedColumn() : nullptr;
    return item >= 0;
}

// --- Sorting and search

void CGrid::SetSortColumn(IColumn const* column)
{
    if (column == nullptr)
    {
        m_impl->Control().Model().SetSortColumn(-1);
        return;
    }
    CImpl::CColumn* own = m_impl->Control().OwnColumn(column);
    if (own == nullptr)
        throw std::out_of_range("list grid: not a column of this grid");
    m_impl->Control().Model().SetSortColumn(static_cast<int>(m_impl->Control().Model().IndexOf(*own)));
}

CGrid::IColumn* CGrid::GetSortColumn() const
{
    int const index = m_impl->Control().Model().SortColumn();
    return index < 0 ? nullptr : m_impl->Control().ColumnAt(static_cast<unsigned>(index));
}

void CGrid::SetSortOrder(bool order)
{
    m_impl->Control().Model().SetSortOrder(order);
}

bool CGrid::GetSortOrder() const
{
    return m_impl->Control().Model().SortOrder();
}

void CGrid::SortItems()
{
    m_impl->Control().Model().SortItems();
}

unsigned CGrid::FindItem(std::wstring const& text, unsigned start) const
{
    return static_cast<unsigned>(m_impl->Control().Model().FindExactText(text, start));
}

int CGrid::FindItem(int start, IColumn const* column, TGridFindInfo& info) const
{
    CImpl::CColumn const* own = m_impl->Control().OwnColumn(column);
    if (own == nullptr)
        throw std::out_of_range("list grid: not a column of this grid");
    int const stop = info.up ? -1 : static_cast<int>(GetItemCount());
    return own->FindItem(info, start, stop);
}

void CGrid::FormatString(std::wstring& text, bool escape) const
{
    lumo::FormatGridString(text, escape);
}
