// The rows of the attached manager in the list window, and the selection among them.
#include "LumoControls/PropertyList/w32/PropertyListImpl.h"

using lumo::PropertyRecord;

PropertyRecord* CPropertyListCtrl::CImpl::RowItem(int row) const
{
    return row >= 0 && row < m_rows.Count() ? m_rows.Rows()[static_cast<std::size_t>(row)] : nullptr;
}

void CPropertyListCtrl::CImpl::SetRowCount()
{
    if (m_list == nullptr)
        return;
    // The list box keeps its top row when its count changes; a grown or shrunk tree above it moves
    // nothing on screen that the repaint below does not redraw.
    int const top = static_cast<int>(SendMessageW(m_list, LB_GETTOPINDEX, 0, 0));
    SendMessageW(m_list, LB_SETCOUNT, static_cast<WPARAM>(m_rows.Count()), 0);
    if (top > 0 && top < m_rows.Count())
        SendMessageW(m_list, LB_SETTOPINDEX, static_cast<WPARAM>(top), 0);
    InvalidateRect(m_list, nullptr, TRUE);
}

void CPropertyListCtrl::CImpl::SyncSelectionRow()
{
    if (m_list == nullptr || m_manager == nullptr)
        return;
    PropertyRecord* selected = m_manager->GetImpl().Selected();
    int const row = selected != nullptr ? selected->row : -1;
    SendMessageW(m_list, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
    if (selected != nullptr && row < 0)
        HideEditor(); // the selected item is not shown now
    else if (m_editorVisible)
        LayoutEditor(false);
}

void CPropertyListCtrl::CImpl::ClearRows()
{
    HideEditor();
    CloseDropDown();
    m_rows.Clear();
    SetRowCount();
}

void CPropertyListCtrl::CImpl::ItemAdded(PropertyRecord& item)
{
    if (m_rows.InsertItem(item, m_manager->GetImpl().Styles()) < 0)
        return;
    SetRowCount();
    SyncSelectionRow();
}

void CPropertyListCtrl::CImpl::ItemChanged(PropertyRecord& item)
{
    if (m_list == nullptr)
        return;
    if (item.row >= 0)
    {
        RECT rect{};
        if (SendMessageW(m_list, LB_GETITEMRECT, static_cast<WPARAM>(item.row),
                         reinterpret_cast<LPARAM>(&rect)) != LB_ERR)
            InvalidateRect(m_list, &rect, TRUE);
    }
    if (&item == m_manager->GetImpl().Selected())
    {
        InvalidateRect(m_description, nullptr, TRUE);
        if (&item == m_editing && !m_committing)
            LayoutEditor(false);
    }
}

void CPropertyListCtrl::CImpl::ItemExpanded(PropertyRecord& item)
{
    unsigned const styles = m_manager->GetImpl().Styles();
    if (item.expanded)
        m_rows.InsertDescendants(item, styles);
    else
    {
        m_rows.RemoveDescendants(item);
        // A selection inside the collapsed part moves to the item that hid it.
        PropertyRecord* selected = m_manager->GetImpl().Selected();
        if (selected != nullptr && selected->row < 0 && item.row >= 0)
            m_manager->GetImpl().SetSelected(&item);
    }
    SetRowCount();
    SyncSelectionRow();
}

void CPropertyListCtrl::CImpl::ItemShown(PropertyRecord& item)
{
    if (item.show)
        m_rows.InsertItem(item, m_manager->GetImpl().Styles());
    else
    {
        m_rows.RemoveItem(item);
        PropertyRecord* selected = m_manager->GetImpl().Selected();
        if (selected != nullptr && selected->row < 0)
            m_manager->GetImpl().SetSelected(nullptr);
    }
    SetRowCount();
    SyncSelectionRow();
}

void CPropertyListCtrl::CImpl::ItemEnabled(PropertyRecord& item)
{
    InvalidateRect(m_list, nullptr, TRUE);
    PropertyRecord* selected = m_manager->GetImpl().Selected();
    if (item.enabled || selected == nullptr || selected->enabled)
        return;
    // The selection moves to the next enabled row, or else the one before.
    int const from = selected->row;
    for (int step : {1, -1})
        for (int row = from + step; row >= 0 && row < m_rows.Count(); row += step)
            if (RowItem(row)->enabled)
            {
                SelectRow(row, false);
                return;
            }
    m_manager->GetImpl().SetSelected(nullptr);
    SyncSelectionRow();
    HideEditor();
}

void CPropertyListCtrl::CImpl::SelectItem(PropertyRecord* item, bool edit)
{
    if (item == nullptr)
    {
        CommitEditor();
        if (m_manager == nullptr)
            return;
        m_manager->GetImpl().SetSelected(nullptr);
        HideEditor();
        SyncSelectionRow();
        InvalidateRect(m_description, nullptr, TRUE);
        return;
    }
    if (item->row >= 0)
        SelectRow(item->row, edit);
}

void CPropertyListCtrl::CImpl::ItemsCleared()
{
    m_editing = nullptr;
    ClearRows();
    InvalidateRect(m_description, nullptr, TRUE);
}

void CPropertyListCtrl::CImpl::StylesChanged(unsigned previousStyles)
{
    unsigned const styles = m_manager->GetImpl().Styles();
    if (((previousStyles ^ styles) & (STYLE_CATEGORIZED | STYLE_ALPHABETICAL)) != 0)
        Reload();
    SyncToolbar();
    Layout();
    InvalidateRect(m_container, nullptr, TRUE);
    InvalidateRect(m_list, nullptr, TRUE);
}

void CPropertyListCtrl::CImpl::LayoutChanged()
{
    Layout();
    InvalidateRect(m_list, nullptr, TRUE);
    InvalidateRect(m_description, nullptr, TRUE);
}

void CPropertyListCtrl::CImpl::ManagerDestroyed()
{
    ClearRows();
    m_editing = nullptr;
    m_manager = nullptr;
    *m_lifetime = false; // calls into the host under way stop
    m_lifetime = std::make_shared<bool>(true);
    Layout();
    InvalidateRect(m_description, nullptr, TRUE);
}

void CPropertyListCtrl::CImpl::SelectRow(int row, bool focusEditor)
{
    PropertyRecord* item = RowItem(row);
    if (item == nullptr || !item->enabled || m_manager == nullptr)
        return;
    CPropertyManager::CImpl& manager = m_manager->GetImpl();
    bool const changed = item != manager.Selected();
    if (changed)
    {
        CAliveCheck const alive(*this);
        CommitEditor();
        if (!alive.Alive() || item->row != row)
            return;
        manager.SetSelected(item);
    }
    SendMessageW(m_list, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
    LayoutEditor(focusEditor && !item->IsCategory() && !item->readOnly);
    InvalidateRect(m_description, nullptr, TRUE);
    if (CPropertyManager::IEventsHandler* handler = manager.Handler(); changed && handler != nullptr)
        handler->OnItemSelected(item);
}

void CPropertyListCtrl::CImpl::ToggleExpanded(PropertyRecord& item)
{
    if (item.firstChild != nullptr)
        m_manager->GetImpl().SetExpanded(item, !item.expanded);
}
