// The rows of a property list: which items are shown and in which order.
//
// A row is shown for an item whose show flag is on and whose parent shows its children. Top-level items
// (the categories) have rows only in categorized mode; in flat mode their items are shown whether they
// are expanded or not, since there is no row to expand them from. Siblings keep their adding order, or
// with the alphabetical style the order of their display names ignoring case (equal names in adding
// order), however the rows came to be: an item shown again returns to its place. Each record's row
// field follows its position here.
#pragma once

#include "LumoControls/PropertyList/PropertyPlatform.h"
#include "LumoControls/PropertyList/PropertyRecord.h"

#include <vector>

namespace lumo
{
class PropertyRows
{
public:
    explicit PropertyRows(IPropertyPlatform const& platform) : m_platform(platform) {}

    std::vector<PropertyRecord*> const& Rows() const { return m_rows; }
    int Count() const { return static_cast<int>(m_rows.size()); }

    // Every row removed (each record's row becomes -1).
    void Clear();
    // The rows of every shown item of items (a manager's items in adding order) under the given styles.
    void Build(std::vector<PropertyRecord*> const& items, unsigned styles);
    // Adds the rows of an item that has become shown (added, or its show flag set) and of its shown
    // descendants. Returns the first row added, -1 when the item is not shown or already has its row.
    int InsertItem(PropertyRecord& item, unsigned styles);
    // Adds the rows of an expanded item's shown descendants below its row; returns how many.
    int InsertDescendants(PropertyRecord& item, unsigned styles);
    // Removes the rows of the item's descendants (collapsing) and returns how many.
    int RemoveDescendants(PropertyRecord& item);
    // Removes the item's row and those of its descendants (hiding) and returns how many.
    int RemoveItem(PropertyRecord& item);

    static bool HasRow(PropertyRecord const& item, unsigned styles);
    static bool ShowsChildren(PropertyRecord const& parent, unsigned styles);

private:
    void AppendSubtree(PropertyRecord& item, unsigned styles, std::vector<PropertyRecord*>& out) const;
    void AppendGroup(std::vector<PropertyRecord*> group, unsigned styles,
                     std::vector<PropertyRecord*>& out) const;
    int PlaceFor(PropertyRecord const& item, unsigned styles) const;
    int EndOfDescendants(int row) const;
    void Splice(int at, std::vector<PropertyRecord*> const& rows);
    void Erase(int first, int last);
    void Renumber(int from);

    IPropertyPlatform const& m_platform;
    std::vector<PropertyRecord*> m_rows;
};
} // namespace lumo
