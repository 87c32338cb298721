#include "LumoControls/LumoGrid/GridEditing.h"

#include "LumoControls/LumoGrid/GridInput.h"

#include <algorithm>

namespace lumo
{
// Every protocol copies the host's alive token first and looks at it after each call that can reach the
// host: once it turns false, this object may be gone and nothing of it is touched again.
#define LUMO_STOP_IF_GONE(token, result)                                                                     \
    if (!*(token))                                                                                           \
    return result

std::wstring GridEditing::TextOf(unsigned item, unsigned column) const
{
    return m_model.Column(column).ItemText(item);
}

void GridEditing::SetText(unsigned item, unsigned column, std::wstring const& text)
{
    m_model.Column(column).SetItemText(item, text);
}

bool GridEditing::Edit()
{
    auto const alive = m_host.AliveToken();
    if (m_editingItem >= 0)
        return true;
    if (m_editor.ControlHeld() || m_model.ColumnCount() == 0)
        return false;
    int const item = m_model.View().FocusedItem();
    if (item < 0 || static_cast<unsigned>(item) >= m_model.ItemCount())
        return false;
    m_model.View().FocusAndShow(item, true);
    LUMO_STOP_IF_GONE(alive, false);
    if (!m_model.View().IsItemSelected(static_cast<unsigned>(item)))
        return false; // the host kept the item from being selected
    unsigned const column = m_model.SelectedColumn();
    m_editingItem = item;
    m_editingColumn = column;
    if (m_host.HasHandler() && m_insertionItem < 0)
    {
        bool const allowed = column == 0 ? m_host.CanEditItem(item) : m_host.CanEditCell(item, column);
        LUMO_STOP_IF_GONE(alive, false);
        if (!allowed || !Exists(static_cast<unsigned>(item), column))
        {
            m_editingItem = -1;
            return false;
        }
    }
    if (!m_editor.OpenEditor(static_cast<unsigned>(item), column))
    {
        m_editingItem = -1;
        return false;
    }
    return true;
}

void GridEditing::CancelEdit()
{
    if (m_editingItem < 0)
        return;
    m_cancelled = true;
    EndEdit();
}

void GridEditing::EndEdit()
{
    // The editor's own destruction ends the edit too, and may happen while the edit is ending.
    if (m_editingItem < 0 || m_ending)
        return;
    m_ending = true;
    auto const alive = m_host.AliveToken();
    unsigned const item = static_cast<unsigned>(m_editingItem);
    unsigned const column = m_editingColumn;
    std::wstring const text = m_editor.EditorText(); // read before the host can close the editor
    ++m_userModification;
    if (m_host.HasHandler() && m_insertionItem < 0)
    {
        if (column == 0)
            m_host.OnItemEditEnded(static_cast<int>(item));
        else
            m_host.OnCellEditEnded(static_cast<int>(item), column);
        LUMO_STOP_IF_GONE(alive, );
    }
    if (!m_cancelled && Exists(item, column))
    {
        bool store = !m_host.HasHandler() || text == TextOf(item, column);
        if (!store)
        {
            if (static_cast<int>(item) == m_insertionItem)
                store = m_host.CanCreateItem(static_cast<int>(item), text);
            else if (column != 0)
                store = m_host.CanChangeCellText(static_cast<int>(item), column, text);
            else
                store = m_host.CanChangeItemText(static_cast<int>(item), text);
            LUMO_STOP_IF_GONE(alive, );
        }
        if (store && Exists(item, column))
            SetText(item, column, text);
    }
    // A created item left without a first text was never created: it goes, unannounced.
    if (column == 0 && static_cast<int>(item) == m_insertionItem && Exists(item, 0) &&
        TextOf(item, 0).empty())
    {
        m_insertionItem = -1;
        m_model.DeleteItems(item, 1);
        LUMO_STOP_IF_GONE(alive, );
        if (m_model.ItemCount() > 0)
        {
            unsigned const nearest = std::min(item, m_model.ItemCount() - 1);
            MakeCurrent(nearest, m_model.SelectedColumn());
            LUMO_STOP_IF_GONE(alive, );
        }
    }
    if (m_host.HasHandler() && m_insertionItem >= 0)
    {
        m_host.OnItemCreated(m_insertionItem);
        LUMO_STOP_IF_GONE(alive, );
    }
    if (static_cast<int>(item) == m_insertionItem)
        m_insertionItem = -1;
    m_editingItem = -1;
    m_cancelled = false;
    m_ending = false;
    --m_userModification;
    m_editor.CloseEditor();
}

bool GridEditing::CreateItem(int index)
{
    auto const alive = m_host.AliveToken();
    if (m_editingItem >= 0)
    {
        EndEdit();
        LUMO_STOP_IF_GONE(alive, false);
    }
    if (m_model.ColumnCount() == 0)
        return false;
    index = std::clamp(index, 0, static_cast<int>(m_model.ItemCount()));
    if (m_host.HasHandler())
    {
        bool const allowed = m_host.CanInsertItem(index);
        LUMO_STOP_IF_GONE(alive, false);
        if (!allowed || m_model.ColumnCount() == 0)
            return false;
        index = std::min(index, static_cast<int>(m_model.ItemCount()));
    }
    m_model.SetSelectedColumn(0);
    LUMO_STOP_IF_GONE(alive, false);
    m_insertionItem = index;
    m_model.InsertItem(static_cast<unsigned>(index), std::wstring());
    LUMO_STOP_IF_GONE(alive, false);
    if (m_insertionItem != index || !Exists(static_cast<unsigned>(index), 0))
        return false;
    MakeCurrent(static_cast<unsigned>(index), 0);
    LUMO_STOP_IF_GONE(alive, false);
    if (Edit())
        return true;
    LUMO_STOP_IF_GONE(alive, false);
    // No editor to fill it: the empty item goes again.
    if (m_insertionItem == index && Exists(static_cast<unsigned>(index), 0))
    {
        m_insertionItem = -1;
        m_model.DeleteItems(static_cast<unsigned>(index), 1);
    }
    return false;
}

void GridEditing::MakeCurrent(unsigned item, unsigned column)
{
    auto const alive = m_host.AliveToken();
    IGridView& view = m_model.View();
    view.ReplaceSelection(view.SelectedItems(), {item});
    LUMO_STOP_IF_GONE(alive, );
    view.FocusAndShow(static_cast<int>(item), true);
    LUMO_STOP_IF_GONE(alive, );
    if (column < m_model.ColumnCount())
        m_model.SetSelectedColumn(column);
}

bool GridEditing::DeleteOne(unsigned item, unsigned column)
{
    auto const alive = m_host.AliveToken();
    if (!Exists(item, column))
        return false;
    GridModel::Suppression const suppressing(m_model);
    if (m_host.HasHandler())
    {
        bool const allowed = column == 0 ? m_host.CanDeleteItem(static_cast<int>(item))
                                         : m_host.CanClearCell(static_cast<int>(item), column);
        LUMO_STOP_IF_GONE(alive, false);
        if (!allowed || !Exists(item, column))
            return false;
    }
    std::wstring const old = TextOf(item, column);
    if (column == 0)
        m_model.DeleteItems(item, 1);
    else
        SetText(item, column, std::wstring());
    LUMO_STOP_IF_GONE(alive, false);
    if (m_host.HasHandler())
    {
        if (column == 0)
            m_host.OnItemRemoved(static_cast<int>(item), old);
        else
            m_host.OnCellCleared(static_cast<int>(item), column, old);
        LUMO_STOP_IF_GONE(alive, false);
    }
    return true;
}

bool GridEditing::DeleteRun(unsigned first, unsigned last, unsigned column)
{
    auto const alive = m_host.AliveToken();
    GridModel::Suppression const suppressing(m_model);
    int from = static_cast<int>(first);
    int to = static_cast<int>(last);
    if (m_host.HasHandler())
    {
        bool const allowed =
            column == 0 ? m_host.CanDeleteItemRange(from, to) : m_host.CanClearCellRange(from, to, column);
        LUMO_STOP_IF_GONE(alive, false);
        if (!allowed)
            return false;
    }
    // The host may have moved the bounds: only what still exists goes.
    from = std::max(from, 0);
    to = std::min(to, static_cast<int>(m_model.ItemCount()) - 1);
    if (from > to || column >= m_model.ColumnCount())
        return false;
    if (column == 0)
        m_model.DeleteItems(static_cast<unsigned>(from), static_cast<unsigned>(to - from + 1));
    else
        for (int item = from; item <= to; ++item)
            SetText(static_cast<unsigned>(item), column, std::wstring());
    LUMO_STOP_IF_GONE(alive, false);
    if (m_host.HasHandler())
    {
        if (column == 0)
            m_host.OnItemRangeDeleted(from, to);
        else
            m_host.OnCellRangeCleared(from, to, column);
        LUMO_STOP_IF_GONE(alive, false);
    }
    return true;
}

bool GridEditing::DeleteSeveral(std::vector<unsigned> const& items, unsigned column)
{
    auto const alive = m_host.AliveToken();
    bool inRanges = !m_host.HasHandler() || m_host.CanDeleteInRanges();
    LUMO_STOP_IF_GONE(alive, false);
    bool deleted = false;
    // From the last item to the first, so that the indices still to come stay valid.
    for (std::size_t end = items.size(); end > 0;)
    {
        std::size_t begin = end - 1;
        while (inRanges && begin > 0 && items[begin - 1] + 1 == items[begin])
            --begin;
        bool const done = begin + 1 == end ? DeleteOne(items[begin], column)
                                           : DeleteRun(items[begin], items[end - 1], column);
        LUMO_STOP_IF_GONE(alive, deleted);
        deleted = deleted || done;
        end = begin;
    }
    return deleted;
}

void GridEditing::DeleteSelected()
{
    auto const alive = m_host.AliveToken();
    if (m_model.ColumnCount() == 0)
        return;
    unsigned const column = m_model.SelectedColumn();
    std::vector<unsigned> const selected = m_model.View().SelectedItems();
    if (selected.empty())
        return;
    bool deleted = false;
    if (selected.size() == 1)
        deleted = DeleteOne(selected[0], column);
    else
    {
        if (m_host.HasHandler())
        {
            bool const allowed = m_host.CanProcessMultiple(kCommandDelete);
            LUMO_STOP_IF_GONE(alive, );
            if (!allowed)
                return;
        }
        deleted = DeleteSeveral(selected, column);
        LUMO_STOP_IF_GONE(alive, );
        if (m_host.HasHandler())
        {
            m_host.OnMultipleProcessed();
            LUMO_STOP_IF_GONE(alive, );
        }
    }
    LUMO_STOP_IF_GONE(alive, );
    // The selection goes to the item now at the last selected index, or to the last item.
    if (deleted && m_model.ItemCount() > 0)
        MakeCurrent(std::min(selected.back(), m_model.ItemCount() - 1),
                    std::min(column, m_model.ColumnCount() - 1));
}

void GridEditing::Paste(std::vector<std::wstring> const& texts)
{
    auto const alive = m_host.AliveToken();
    if (texts.empty() || m_model.ColumnCount() == 0)
        return;
    std::vector<unsigned> const selected = m_model.View().SelectedItems();
    if (selected.empty())
        return;
    bool const several = selected.size() >= 2;
    bool const asking = m_host.HasHandler();
    if (several && asking)
    {
        bool const allowed = m_host.CanProcessMultiple(kCommandPaste);
        LUMO_STOP_IF_GONE(alive, );
        if (!allowed)
            return;
    }
    ++m_userModification;
    unsigned const column = m_model.SelectedColumn();
    for (std::size_t i = 0; i < selected.size(); ++i)
    {
        unsigned const item = selected[i];
        std::wstring const& text = texts[i % texts.size()];
        if (!Exists(item, column))
            continue;
        if (!asking)
        {
            SetText(item, column, text);
            continue;
        }
        if (text.empty())
        {
            // An empty text clears the cell, which the host may refuse; an empty cell stays as it is.
            std::wstring const old = TextOf(item, column);
            if (old.empty())
                continue;
            bool const allowed = column == 0 ? m_host.CanDeleteItem(static_cast<int>(item))
                                             : m_host.CanClearCell(static_cast<int>(item), column);
            LUMO_STOP_IF_GONE(alive, );
            if (!allowed || !Exists(item, column))
                continue;
            SetText(item, column, std::wstring());
            if (column == 0)
                m_host.OnItemRemoved(static_cast<int>(item), old);
            else
                m_host.OnCellCleared(static_cast<int>(item), column, old);
            LUMO_STOP_IF_GONE(alive, );
        }
        else
        {
            bool const allowed = column == 0 ? m_host.CanChangeItemText(static_cast<int>(item), text)
                                             : m_host.CanChangeCellText(static_cast<int>(item), column, text);
            LUMO_STOP_IF_GONE(alive, );
            if (allowed && Exists(item, column))
                SetText(item, column, text);
        }
    }
    if (several && asking)
    {
        m_host.OnMultipleProcessed();
        LUMO_STOP_IF_GONE(alive, );
    }
    --m_userModification;
}

std::vector<std::wstring> GridEditing::CopyTexts() const
{
    std::vector<std::wstring> texts;
    if (m_model.ColumnCount() == 0)
        return texts;
    unsigned const column = m_model.SelectedColumn();
    for (unsigned item : m_model.View().SelectedItems())
        if (item < m_model.ItemCount())
            texts.push_back(TextOf(item, column));
    return texts;
}

void GridEditing::MoveTo(int item, unsigned column)
{
    auto const alive = m_host.AliveToken();
    IGridView& view = m_model.View();
    std::vector<unsigned> const selected = view.SelectedItems();
    if (selected.size() >= 2 || m_model.ColumnCount() == 0)
        return;
    int const focused = view.FocusedItem();
    bool const focusedExists = focused >= 0 && static_cast<unsigned>(focused) < m_model.ItemCount();
    // An item whose first cell stayed empty is not kept when the user moves on.
    if (m_model.SelectedColumn() == 0 && focusedExists && TextOf(static_cast<unsigned>(focused), 0).empty())
    {
        m_model.DeleteItems(static_cast<unsigned>(focused), 1);
        return;
    }
    if (m_model.ItemCount() > 0)
    {
        item = std::clamp(item, 0, static_cast<int>(m_model.ItemCount()) - 1);
        view.ReplaceSelection(selected, {static_cast<unsigned>(item)});
        LUMO_STOP_IF_GONE(alive, );
        view.FocusAndShow(item, true);
        LUMO_STOP_IF_GONE(alive, );
    }
    column = std::min(column, m_model.ColumnCount() - 1);
    m_model.SetSelectedColumn(column);
    LUMO_STOP_IF_GONE(alive, );
    if (column < m_model.ColumnCount())
    {
        view.RepaintHeader();
        view.ShowColumn(column);
    }
}

void GridEditing::MoveCurrent(int columns, int items)
{
    int const focused = std::max(m_model.View().FocusedItem(), 0);
    int const column = std::max(static_cast<int>(m_model.SelectedColumn()) + columns, 0);
    MoveTo(focused + items, static_cast<unsigned>(column));
}

void GridEditing::Tab(bool forward)
{
    unsigned const columns = m_model.ColumnCount();
    int const focused = m_model.View().FocusedItem();
    if (columns == 0 || focused < 0)
        return;
    unsigned const column = m_model.SelectedColumn();
    if (forward && column + 1 < columns)
        MoveTo(focused, column + 1);
    else if (forward && static_cast<unsigned>(focused) + 1 < m_model.ItemCount())
        MoveTo(focused + 1, 0);
    else if (!forward && column > 0)
        MoveTo(focused, column - 1);
    else if (!forward && focused > 0)
        MoveTo(focused - 1, columns - 1);
}

void GridEditing::Forget()
{
    m_insertionItem = -1;
    m_editingItem = -1;
    m_cancelled = false;
    m_ending = false;
    m_userModification = 0;
}
} // namespace lumo
