// The editing protocols' questions, put to the host's handler with its column objects; with no handler
// every question is answered yes.
#include "LumoControls/LumoGrid/w32/GridImpl.h"

using Control = CGrid::CImpl::CGridControl;

bool Control::CanInsertItem(int index)
{
    return m_handler == nullptr || m_handler->CanInsertItem(index);
}

void Control::OnItemCreated(int index)
{
    if (m_handler != nullptr)
        m_handler->OnItemCreated(index);
}

bool Control::CanChangeItemText(int item, std::wstring const& text)
{
    return m_handler == nullptr || m_handler->CanChangeItemText(item, text);
}

bool Control::CanChangeCellText(int item, unsigned column, std::wstring const& text)
{
    return m_handler == nullptr ||
           m_handler->CanChangeCellText(item, ColumnOrNull(static_cast<int>(column)), text);
}

bool Control::CanCreateItem(int item, std::wstring const& text)
{
    return m_handler == nullptr || m_handler->CanCreateItem(item, text);
}

bool Control::CanDeleteItem(int item)
{
    return m_handler == nullptr || m_handler->CanDeleteItem(item);
}

void Control::OnItemRemoved(int item, std::wstring const& oldText)
{
    if (m_handler != nullptr)
        m_handler->OnItemRemoved(item, oldText);
}

bool Control::CanClearCell(int item, unsigned column)
{
    return m_handler == nullptr || m_handler->CanClearCell(item, ColumnOrNull(static_cast<int>(column)));
}

void Control::OnCellCleared(int item, unsigned column, std::wstring const& oldText)
{
    if (m_handler != nullptr)
        m_handler->OnCellCleared(item, ColumnOrNull(static_cast<int>(column)), oldText);
}

bool Control::CanDeleteInRanges()
{
    return m_handler == nullptr || m_handler->CanDeleteInRanges();
}

bool Control::CanDeleteItemRange(int& first, int& last)
{
    return m_handler == nullptr || m_handler->CanDeleteItemRange(first, last);
}

void Control::OnItemRangeDeleted(int first, int last)
{
    if (m_handler != nullptr)
        m_handler->OnItemRangeDeleted(first, last);
}

bool Control::CanClearCellRange(int& first, int& last, unsigned column)
{
    return m_handler == nullptr ||
           m_handler->CanClearCellRange(first, last, ColumnOrNull(static_cast<int>(column)));
}

void Control::OnCellRangeCleared(int first, int last, unsigned column)
{
    if (m_handler != nullptr)
        m_handler->OnCellRangeCleared(first, last, ColumnOrNull(static_cast<int>(column)));
}

bool Control::CanProcessMultiple(int command)
{
    return m_handler == nullptr || m_handler->CanProcessMultiple(static_cast<CGrid::TCommand>(command));
}

void Control::OnMultipleProcessed()
{
    if (m_handler != nullptr)
        m_handler->OnMultipleProcessed();
}

bool Control::CanEditItem(int item)
{
    return m_handler == nullptr || m_handler->CanEditItem(item);
}

bool Control::CanEditCell(int item, unsigned column)
{
    return m_handler == nullptr || m_handler->CanEditCell(item, ColumnOrNull(static_cast<int>(column)));
}

void Control::OnItemEditEnded(int item)
{
    if (m_handler != nullptr)
        m_handler->OnItemEditEnded(item);
}

void Control::OnCellEditEnded(int item, unsigned column)
{
    if (m_handler != nullptr)
        m_handler->OnCellEditEnded(item, ColumnOrNull(static_cast<int>(column)));
}
