// One item of a property manager (a property or a category), as the manager and its list window see it.
#pragma once

#include "LumoCtrls/LibraryMemory.h"
#include "LumoCtrls/PropertyManager.h"

#include <string>
#include <vector>

namespace lumo
{
class PropertyRecord : public CLibraryObject
{
public:
    std::wstring name;
    std::wstring displayName;
    std::wstring value;
    std::wstring initialValue;   // colour items: counts as modified once the value differs from it
    std::wstring lastValidValue; // colour items: the latest value that named a colour
    std::wstring comments;
    std::vector<std::wstring> choices;
    int choiceIndex = 0;

    unsigned short type = CPropertyItem::TYPE_NONE;
    unsigned id = 0;
    std::size_t order = 0; // position among the manager's items in adding order
    int depth = 0;
    int row = -1; // in the attached list; -1 when not shown there
    bool modified = false;
    bool readOnly = false;
    bool keyboardDeletable = false;
    bool expanded = false;
    bool show = true;
    bool enabled = true;
    bool withNone = false; // image items: the first choice is "None"
    void* data = nullptr;
    HIMAGELIST images = nullptr;

    PropertyRecord* parent = nullptr;
    PropertyRecord* firstChild = nullptr;
    PropertyRecord* lastChild = nullptr; // so that appending a child costs the same for the thousandth
    PropertyRecord* nextSibling = nullptr;
    CPropertyManager* manager = nullptr;

    bool IsCategory() const { return type == CPropertyItem::TYPE_CATEGORY; }

    // The record behind an item pointer of the host; null stays null.
    static PropertyRecord* From(void* item) { return static_cast<PropertyRecord*>(item); }
};
} // namespace lumo
