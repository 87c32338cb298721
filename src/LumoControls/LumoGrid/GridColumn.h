// A column of the list grid as the model keeps it: one cell per item and the column's editing settings.
//
// The title, width, alignment and host value of a column live in the list window's header item; the
// window side derives from this class to add them, with the column's font and icon. Every item index is
// checked: one at or past the item count throws std::out_of_range and changes nothing.
#pragma once

#include "LumoControls/LumoGrid/CellSequence.h"
#include "LumoControls/LumoGrid/GridSearch.h"

#include <cstdint>
#include <string>

namespace lumo
{
class GridModel;

class GridColumn
{
public:
    virtual ~GridColumn() = default;

    std::wstring ItemText(unsigned item) const { return Cell(item).text.Str(); }
    // Repaint the cell only when the text changed.
    void SetItemText(unsigned item, std::wstring const& text);
    // Text and data together, and only when the text changed: an unchanged text keeps its data.
    void SetItemText(unsigned item, std::wstring const& text, unsigned data);

    unsigned ItemIcon(unsigned item) const { return Cell(item).icon; }
    void SetItemIcon(unsigned item, unsigned icon); // always repaints
    GridItemType ItemType(unsigned item) const { return ItemTypeOf(Cell(item).flags); }
    void SetItemType(unsigned item, GridItemType type);
    unsigned ItemData(unsigned item) const { return Cell(item).data; }
    void SetItemData(unsigned item, unsigned data) { Cell(item).data = data; }
    bool IsItemBold(unsigned item) const { return (Cell(item).flags & kCellBold) != 0; }
    void SetItemBold(unsigned item, bool bold) { SetFlag(item, kCellBold, bold); }
    void SetItemButton(unsigned item, bool button) { SetFlag(item, kCellButton, button); }
    void SetItemSpin(unsigned item, bool spin) { SetFlag(item, kCellSpin, spin); }
    std::uint32_t ItemTextColor(unsigned item) const { return Cell(item).textColor; }
    void SetItemTextColor(unsigned item, std::uint32_t color);
    std::uint8_t ItemFlags(unsigned item) const { return Cell(item).flags; }
    void SetTooltipFlag(unsigned item, bool tooltip); // the window side measures; no repaint

    bool AreItemIconsShown() const { return m_itemIconsShown; }
    void ShowItemIcons(bool show) { m_itemIconsShown = show; }
    bool IsRightToLeft() const { return m_rightToLeft; }
    void SetRightToLeft(bool rightToLeft);
    bool IsEditOnClick() const { return m_editOnClick; }
    void SetEditOnClick(bool editOnClick) { m_editOnClick = editOnClick; }
    int SpinLower() const { return m_spinLower; }
    int SpinUpper() const { return m_spinUpper; }
    void SetSpinRange(int lower, int upper)
    {
        m_spinLower = lower;
        m_spinUpper = upper;
    }

    // The search of this column (GridFind); stop is excluded.
    int FindItem(GridFind& info, int start, int stop) const;

    CellSequence& Cells() { return m_cells; }

protected:
    GridModel& Model() const { return *m_model; }
    // This column's place in the grid, kept by the model; the view's repaints are by index.
    unsigned Index() const { return m_index; }

private:
    friend class GridModel;

    GridCell& Cell(unsigned item);
    GridCell const& Cell(unsigned item) const;
    void SetFlag(unsigned item, std::uint8_t flag, bool on);
    void Repaint(unsigned item) const;

    GridModel* m_model = nullptr; // set when the model takes the column
    unsigned m_index = 0;
    CellSequence m_cells;
    bool m_itemIconsShown = false;
    bool m_rightToLeft = false;
    bool m_editOnClick = false;
    int m_spinLower = 0;
    int m_spinUpper = 0;
};
} // namespace lumo
