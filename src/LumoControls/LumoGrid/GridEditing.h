// The list grid's protocols: editing a cell and ending the edit, creating an item, deleting items and
// cells, pasting, copying and moving the current cell. Every change the host may refuse is asked first;
// after every call to the host the protocol checks that the grid, its items and columns still stand and
// stops otherwise.
#pragma once

#include "LumoControls/LumoGrid/GridHost.h"
#include "LumoControls/LumoGrid/GridModel.h"

#include <string>
#include <vector>

namespace lumo
{
class GridEditing
{
public:
    GridEditing(GridModel& model, IGridHost& host, IGridEditor& editor)
        : m_model(model), m_host(host), m_editor(editor)
    {
    }

    int InsertionItem() const { return m_insertionItem; }
    int EditingItem() const { return m_editingItem; }
    unsigned EditingColumn() const { return m_editingColumn; }
    bool IsUserModification() const { return m_userModification > 0; }

    // Edits the current cell of the focused item. Returns whether the editor opened.
    bool Edit();
    // Ends the edit (storing the text unless cancelled) and closes the editor.
    void EndEdit();
    void CancelEdit();
    // Inserts an empty item at index (clamped to the item count) and edits its column-0 cell.
    bool CreateItem(int index);

    // The Delete key: the selected items in the current column.
    void DeleteSelected();
    // Assigns the texts to the selected items' current cells, cycling through them.
    void Paste(std::vector<std::wstring> const& texts);
    // The current column's texts of the selected items, in item order.
    std::vector<std::wstring> CopyTexts() const;

    // Moves the current cell by columns or items; refused while several items are selected.
    void MoveCurrent(int columns, int items);
    // Tab and Shift+Tab: across the columns and on into the next or previous item.
    void Tab(bool forward);

    // The list window lost its items or columns: nothing is being edited or created any more.
    void Forget();

private:
    bool DeleteOne(unsigned item, unsigned column);
    bool DeleteSeveral(std::vector<unsigned> const& items, unsigned column);
    bool DeleteRun(unsigned first, unsigned last, unsigned column);
    void SetText(unsigned item, unsigned column, std::wstring const& text);
    std::wstring TextOf(unsigned item, unsigned column) const;
    bool Exists(unsigned item, unsigned column) const
    {
        return item < m_model.ItemCount() && column < m_model.ColumnCount();
    }
    void MakeCurrent(unsigned item, unsigned column);
    void MoveTo(int item, unsigned column);

    GridModel& m_model;
    IGridHost& m_host;
    IGridEditor& m_editor;
    int m_insertionItem = -1;
    int m_editingItem = -1;
    unsigned m_editingColumn = 0;
    bool m_cancelled = false;
    bool m_ending = false;
    int m_userModification = 0;
};
} // namespace lumo
