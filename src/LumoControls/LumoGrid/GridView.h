// What the list grid's model asks of the window that shows it.
//
// The list window is virtual: it holds no cell data, only the header items (title, width, alignment and the
// column's host value live there), the item count, the selection and the focus mark. The model changes
// cells and tells the view what to repaint; the view decides whether the area is visible at all. Native
// tests bind this to a recording stand-in.
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace lumo
{
class GridColumn;

class IGridView
{
public:
    // Header columns. Each may throw the platform's failure.
    virtual void InsertHeaderColumn(unsigned index) = 0;
    virtual void DeleteHeaderColumn(unsigned index) = 0;

    // keepRest: only the added or removed rows need repainting (a plain resize of the item count).
    virtual void SetListItemCount(unsigned count, bool keepRest) = 0;

    // Selection and focus of the list window. Selected items come in ascending order.
    virtual std::vector<unsigned> SelectedItems() const = 0;
    virtual int FocusedItem() const = 0;
    virtual bool IsItemSelected(unsigned item) const = 0;
    // Unselects the items of `selected` (the whole selection as it is), then selects those of `items`.
    virtual void ReplaceSelection(std::vector<unsigned> const& selected,
                                  std::vector<unsigned> const& items) = 0;
    // Moves the focus mark to item (selecting it when asked) and scrolls it into view.
    virtual void FocusAndShow(int item, bool select) = 0;

    // Repaints, when the list window shows the place at all.
    virtual void InvalidateCell(unsigned item, unsigned column) = 0;
    virtual void InvalidateColumnStrip(unsigned column) = 0;
    virtual void InvalidateRowsFrom(unsigned item) = 0; // to the last visible row
    virtual void RepaintHeader() = 0;
    // Scrolls sideways until the column shows, its left edge first.
    virtual void ShowColumn(unsigned column) = 0;

    // Text mappings of the search: lower case per character, and the removal of non-spacing marks.
    virtual void LowerCase(std::wstring& text) const = 0;
    virtual void RemoveNonSpacing(std::wstring& text) const = 0;

    // What the host is told.
    virtual void ItemCountChanged(unsigned count) = 0;
    virtual void SelectedColumnChanged(GridColumn& column) = 0;

    // The columns are made by the view, which adds the platform's parts (font, icon) to each.
    virtual std::unique_ptr<GridColumn> MakeColumn() = 0;

protected:
    ~IGridView() = default;
};
} // namespace lumo
