// The list grid's model: its columns of cells, the item count, sorting, searching and the selected column.
//
// Every column holds exactly ItemCount() cells. Changes of the item count made here go to the list window
// (IGridView) and to the host; the list window's own insertions and deletions (ListInserted...) only keep
// the cells aligned with it. Indices out of range throw std::out_of_range before anything changes.
#pragma once

#include "LumoControls/LumoGrid/GridColumn.h"
#include "LumoControls/LumoGrid/GridView.h"

#include <deque>
#include <memory>
#include <string>

namespace lumo
{
class GridModel
{
public:
    GridModel(IGridView& view, bool rowNumbers) : m_view(view), m_rowNumbers(rowNumbers) {}
    void SetRowNumbers(bool rowNumbers) { m_rowNumbers = rowNumbers; }
    // Back to no columns and no items, telling no one: the list window is gone.
    void Forget();
    GridModel(GridModel const&) = delete;
    GridModel& operator=(GridModel const&) = delete;

    IGridView& View() const { return m_view; }
    bool HasRowNumbers() const { return m_rowNumbers; }

    // --- Columns, in display order.
    unsigned ColumnCount() const { return static_cast<unsigned>(m_columns.size()); }
    GridColumn& Column(unsigned index) const;
    unsigned IndexOf(GridColumn const& column) const; // unsigned(-1) for a column of another grid
    GridColumn& InsertColumn(unsigned index);         // index <= ColumnCount()
    void RemoveColumn(unsigned index);
    void DeleteAllColumns();

    // --- Items.
    unsigned ItemCount() const { return m_itemCount; }
    // Without force, an unchanged count does nothing at all.
    void SetItemCount(unsigned count, bool force);
    // index <= ItemCount(): the item count itself appends.
    void InsertItem(unsigned index, std::wstring const& text);
    void DeleteItems(unsigned first, unsigned count);
    void DeleteAllItems();
    bool IsSuppressing() const { return m_suppressing > 0; }
    // The grid deletes items itself while one lives (nested scopes allowed).
    class Suppression
    {
    public:
        explicit Suppression(GridModel& model) : m_model(model) { ++m_model.m_suppressing; }
        ~Suppression() { --m_model.m_suppressing; }
        Suppression(Suppression const&) = delete;
        Suppression& operator=(Suppression const&) = delete;

    private:
        GridModel& m_model;
    };

    // The list window's own insertions and deletions: cells only, nothing told.
    void ListInsertedItem(unsigned index);
    void ListDeletedItem(unsigned index);
    void ListDeletedAll();

    // --- Sorting: descending by text while the order flag is true (its initial value).
    int SortColumn() const { return m_sortColumn; }
    void SetSortColumn(int index); // -1: none
    bool SortOrder() const { return m_sortOrder; }
    void SetSortOrder(bool order) { m_sortOrder = order; }
    // Keeps the selection on the same items and the focus mark on the same item.
    void SortItems();

    // --- Searching.
    int FindExactText(std::wstring const& text, unsigned start) const;
    int FindItem(int start, unsigned column, GridFind& info) const;

    // --- The current column of keyboard, editing and clipboard.
    unsigned SelectedColumn() const { return m_selectedColumn; }
    void SetSelectedColumn(unsigned index);

private:
    void SetCountEverywhere(unsigned count);
    void CheckItem(unsigned item) const;

    IGridView& m_view;
    bool m_rowNumbers;
    std::deque<std::unique_ptr<GridColumn>> m_columns;
    unsigned m_itemCount = 0;
    unsigned m_selectedColumn = 0;
    int m_sortColumn = -1;
    bool m_sortOrder = true;
    int m_suppressing = 0;
};

// The digits the row-number area makes room for: those of the last visible item number, at least three.
unsigned RowNumberDigits(unsigned lastVisibleNumber);
} // namespace lumo
