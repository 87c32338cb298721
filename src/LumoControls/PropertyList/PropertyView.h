// What a manager tells the list window that shows it. Every call comes after the records have changed;
// ItemsCleared comes before they are freed.
#pragma once

#include "LumoControls/PropertyList/PropertyRecord.h"

namespace lumo
{
class IPropertyView
{
public:
    // A new item: shown when its place in the tree is shown.
    virtual void ItemAdded(PropertyRecord& item) = 0;
    // Value, texts or flags of the item changed: its row is redrawn and, when it is the selected item, its
    // editor laid out again.
    virtual void ItemChanged(PropertyRecord& item) = 0;
    // Its expanded flag changed: the rows of its descendants come or go.
    virtual void ItemExpanded(PropertyRecord& item) = 0;
    // Its show flag changed: its rows come or go.
    virtual void ItemShown(PropertyRecord& item) = 0;
    // The item and its descendants were enabled or disabled; a disabled selection moves on.
    virtual void ItemEnabled(PropertyRecord& item) = 0;
    // The host selects an item (null: none).
    virtual void SelectItem(PropertyRecord* item, bool edit) = 0;
    // Every record is about to be freed.
    virtual void ItemsCleared() = 0;
    // The style bits changed from previousStyles to the manager's current ones.
    virtual void StylesChanged(unsigned previousStyles) = 0;
    // The colour, the divider position or the description height changed.
    virtual void LayoutChanged() = 0;
    // The manager is being destroyed: the list lets go of it (its handler is not called any more).
    virtual void ManagerDestroyed() = 0;

protected:
    ~IPropertyView() = default;
};
} // namespace lumo
