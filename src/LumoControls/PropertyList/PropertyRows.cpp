#include "LumoControls/PropertyList/PropertyRows.h"

#include <algorithm>

namespace
{
bool IsCategorized(unsigned styles)
{
    return (styles & CPropertyManager::STYLE_CATEGORIZED) != 0;
}

bool IsAlphabetical(unsigned styles)
{
    return (styles & CPropertyManager::STYLE_ALPHABETICAL) != 0;
}
} // namespace

bool lumo::PropertyRows::HasRow(PropertyRecord const& item, unsigned styles)
{
    if (!item.show)
        return false;
    if (item.parent == nullptr)
        return IsCategorized(styles);
    return ShowsChildren(*item.parent, styles);
}

bool lumo::PropertyRows::ShowsChildren(PropertyRecord const& parent, unsigned styles)
{
    if (!parent.show)
        return false;
    if (parent.parent == nullptr && !IsCategorized(styles))
        return true;
    return parent.expanded && HasRow(parent, styles);
}

void lumo::PropertyRows::Clear()
{
    for (PropertyRecord* row : m_rows)
        row->row = -1;
    m_rows.clear();
}

void lumo::PropertyRows::Build(std::vector<PropertyRecord*> const& items, unsigned styles)
{
    Clear();
    std::vector<PropertyRecord*> group;
    if (IsCategorized(styles))
    {
        for (PropertyRecord* item : items)
            if (item->parent == nullptr)
                group.push_back(item);
    }
    else
    {
        // In flat mode the items of every category are siblings, in adding order across categories.
        for (PropertyRecord* item : items)
            if (item->parent != nullptr && item->parent->parent == nullptr)
                group.push_back(item);
    }
    AppendGroup(std::move(group), styles, m_rows);
    Renumber(0);
}

void lumo::PropertyRows::AppendGroup(std::vector<PropertyRecord*> group, unsigned styles,
                                     std::vector<PropertyRecord*>& out) const
{
    if (IsAlphabetical(styles))
        std::stable_sort(group.begin(), group.end(),
                         [this](PropertyRecord* a, PropertyRecord* b)
                         { return m_platform.CompareNoCase(a->displayName, b->displayName) < 0; });
    for (PropertyRecord* item : group)
        if (HasRow(*item, styles))
            AppendSubtree(*item, styles, out);
}

void lumo::PropertyRows::AppendSubtree(PropertyRecord& item, unsigned styles,
                                       std::vector<PropertyRecord*>& out) const
{
    out.push_back(&item);
    if (item.firstChild == nullptr || !ShowsChildren(item, styles))
        return;
    std::vector<PropertyRecord*> children;
    for (PropertyRecord* child = item.firstChild; child != nullptr; child = child->nextSibling)
        children.push_back(child);
    AppendGroup(std::move(children), styles, out);
}

int lumo::PropertyRows::PlaceFor(PropertyRecord const& item, unsigned styles) const
{
    // From the row after the parent's, pass deeper rows and the siblings that come first; stop at the
    // first shallower row. Siblings come first by name under the alphabetical style, and otherwise (and
    // among equal names) by adding order, so that an item shown again returns to the place it had.
    int row = item.parent != nullptr && item.parent->row >= 0 ? item.parent->row + 1 : 0;
    for (; row < Count(); ++row)
    {
        PropertyRecord const& other = *m_rows[static_cast<std::size_t>(row)];
        if (other.depth > item.depth)
            continue;
        if (other.depth < item.depth)
            break;
        int const byName =
            IsAlphabetical(styles) ? m_platform.CompareNoCase(other.displayName, item.displayName) : 0;
        if (byName > 0 || (byName == 0 && other.order > item.order))
            break;
    }
    return row;
}

int lumo::PropertyRows::InsertItem(PropertyRecord& item, unsigned styles)
{
    if (item.row >= 0 || !HasRow(item, styles))
        return -1;
    std::vector<PropertyRecord*> block;
    AppendSubtree(item, styles, block);
    int const at = PlaceFor(item, styles);
    Splice(at, block);
    return at;
}

int lumo::PropertyRows::InsertDescendants(PropertyRecord& item, unsigned styles)
{
    if (item.row < 0 || EndOfDescendants(item.row) != item.row + 1)
        return 0;
    std::vector<PropertyRecord*> block;
    AppendSubtree(item, styles, block);
    block.erase(block.begin()); // the item's own row is there already
    Splice(item.row + 1, block);
    return static_cast<int>(block.size());
}

int lumo::PropertyRows::RemoveDescendants(PropertyRecord& item)
{
    if (item.row < 0)
        return 0;
    int const end = EndOfDescendants(item.row);
    Erase(item.row + 1, end);
    return end - item.row - 1;
}

int lumo::PropertyRows::RemoveItem(PropertyRecord& item)
{
    if (item.row < 0)
        return 0;
    int const first = item.row;
    int const end = EndOfDescendants(first);
    Erase(first, end);
    return end - first;
}

int lumo::PropertyRows::EndOfDescendants(int row) const
{
    int const depth = m_rows[static_cast<std::size_t>(row)]->depth;
    int end = row + 1;
    while (end < Count() && m_rows[static_cast<std::size_t>(end)]->depth > depth)
        ++end;
    return end;
}

void lumo::PropertyRows::Splice(int at, std::vector<PropertyRecord*> const& rows)
{
    if (rows.empty())
        return;
    m_rows.insert(m_rows.begin() + at, rows.begin(), rows.end());
    Renumber(at);
}

void lumo::PropertyRows::Erase(int first, int last)
{
    if (first >= last)
        return;
    for (int row = first; row < last; ++row)
        m_rows[static_cast<std::size_t>(row)]->row = -1;
    m_rows.erase(m_rows.begin() + first, m_rows.begin() + last);
    Renumber(first);
}

void lumo::PropertyRows::Renumber(int from)
{
    for (int row = from; row < Count(); ++row)
        m_rows[static_cast<std::size_t>(row)]->row = row;
}
