#include "LumoControls/PropertyList/PropertyManagerImpl.h"
#include "LumoControls/PropertyList/PropertyValues.h"
#include "LumoCtrls/LibraryMemory.h"

#include <new>

using lumo::PropertyRecord;

namespace
{
void** NewCell(void* item)
{
    auto** cell = static_cast<void**>(lumo::Allocate(sizeof(void*)));
    *cell = item;
    return cell;
}

PropertyRecord* Record(void** cell)
{
    return PropertyRecord::From(*cell);
}

CPropertyManager::CImpl& Owner(PropertyRecord& item)
{
    return item.manager->GetImpl();
}

std::vector<std::wstring> const g_noChoices;
} // namespace

CPropertyItem::CPropertyItem() : m_cell(NewCell(nullptr)) {}

CPropertyItem::CPropertyItem(void* const& item) : m_cell(NewCell(item)) {}

CPropertyItem::CPropertyItem(CPropertyItem const& other) : m_cell(NewCell(*other.m_cell)) {}

CPropertyItem& CPropertyItem::operator=(CPropertyItem const& other)
{
    *m_cell = *other.m_cell;
    return *this;
}

CPropertyItem::~CPropertyItem()
{
    lumo::Release(m_cell);
}

int CPropertyItem::operator=(void* item)
{
    *m_cell = item;
    return 0;
}

std::wstring CPropertyItem::GetName() const
{
    PropertyRecord const* item = Record(m_cell);
    return item != nullptr ? item->name : std::wstring();
}

std::wstring CPropertyItem::GetDisplayName() const
{
    PropertyRecord const* item = Record(m_cell);
    return item != nullptr ? item->displayName : std::wstring();
}

void CPropertyItem::SetDisplayName(std::wstring const& text)
{
    if (PropertyRecord* item = Record(m_cell))
        item->manager->SetItemDisplayName(item, text);
}

std::wstring CPropertyItem::GetComments() const
{
    PropertyRecord const* item = Record(m_cell);
    return item != nullptr ? item->comments : std::wstring();
}

void CPropertyItem::SetComments(std::wstring const& text)
{
    if (PropertyRecord* item = Record(m_cell))
        item->manager->SetItemComments(item, text);
}

unsigned short CPropertyItem::GetType() const
{
    PropertyRecord const* item = Record(m_cell);
    return item != nullptr ? item->type : static_cast<unsigned short>(TYPE_NONE);
}

unsigned CPropertyItem::GetID() const
{
    PropertyRecord const* item = Record(m_cell);
    return item != nullptr ? item->id : 0;
}

bool CPropertyItem::IsModified() const
{
    PropertyRecord const* item = Record(m_cell);
    return item != nullptr && item->modified;
}

void CPropertyItem::SetModify(bool modified)
{
    if (PropertyRecord* item = Record(m_cell))
    {
        item->modified = modified;
        Owner(*item).Changed(*item);
    }
}

bool CPropertyItem::IsReadOnly() const
{
    PropertyRecord const* item = Record(m_cell);
    return item != nullptr && item->readOnly;
}

void CPropertyItem::SetReadOnly(bool readOnly)
{
    if (PropertyRecord* item = Record(m_cell))
    {
        item->readOnly = readOnly;
        Owner(*item).Changed(*item);
    }
}

bool CPropertyItem::IsKeyboardDeletable() const
{
    PropertyRecord const* item = Record(m_cell);
    return item != nullptr && item->keyboardDeletable;
}

void CPropertyItem::SetKeyboardDeletable(bool deletable)
{
    if (PropertyRecord* item = Record(m_cell))
        item->keyboardDeletable = deletable;
}

bool CPropertyItem::IsExpand() const
{
    PropertyRecord const* item = Record(m_cell);
    return item != nullptr && item->expanded;
}

void CPropertyItem::SetExpand(bool expand)
{
    if (PropertyRecord* item = Record(m_cell))
        Owner(*item).SetExpanded(*item, expand);
}

bool CPropertyItem::IsShow() const
{
    PropertyRecord const* item = Record(m_cell);
    return item != nullptr && item->show;
}

bool CPropertyItem::IsEnabled() const
{
    PropertyRecord const* item = Record(m_cell);
    return item != nullptr && item->enabled;
}

void CPropertyItem::SetEnabled(bool enabled)
{
    if (PropertyRecord* item = Record(m_cell))
        Owner(*item).SetEnabled(*item, enabled);
}

bool CPropertyItem::HasChildren() const
{
    PropertyRecord const* item = Record(m_cell);
    return item != nullptr && item->firstChild != nullptr;
}

void* CPropertyItem::GetData() const
{
    PropertyRecord const* item = Record(m_cell);
    return item != nullptr ? item->data : nullptr;
}

void CPropertyItem::SetData(void* data)
{
    if (PropertyRecord* item = Record(m_cell))
        item->data = data;
}

std::wstring CPropertyItem::GetValue() const
{
    PropertyRecord const* item = Record(m_cell);
    return item != nullptr ? item->value : std::wstring();
}

bool CPropertyItem::GetValue(int& value) const
{
    PropertyRecord const* item = Record(m_cell);
    return item != nullptr && lumo::ParseIntegerValue(item->value, value);
}

bool CPropertyItem::GetValue(bool& value) const
{
    PropertyRecord const* item = Record(m_cell);
    return item != nullptr && lumo::ParseBooleanValue(item->value, value);
}

void CPropertyItem::SetValue(std::wstring const& value)
{
    if (PropertyRecord* item = Record(m_cell))
        Owner(*item).SetValue(*item, value);
}

void CPropertyItem::SetValue(int value)
{
    SetValue(std::to_wstring(value));
}

void CPropertyItem::SetValueByIndex(unsigned index)
{
    PropertyRecord* item = Record(m_cell);
    if (item == nullptr || index >= item->choices.size())
        return;
    item->value = item->choices[index];
    item->choiceIndex = static_cast<int>(index);
    Owner(*item).Changed(*item);
}

std::vector<std::wstring> const& CPropertyItem::GetStrings() const
{
    PropertyRecord const* item = Record(m_cell);
    return item != nullptr ? item->choices : g_noChoices;
}

void CPropertyItem::SetStrings(std::vector<std::wstring> const& choices)
{
    if (PropertyRecord* item = Record(m_cell))
        Owner(*item).SetChoices(*item, choices);
}

void CPropertyItem::SetStrings(wchar_t const* choices)
{
    if (PropertyRecord* item = Record(m_cell))
        Owner(*item).SetChoices(*item, lumo::ChoicesFromBuffer(choices));
}

void CPropertyItem::SetImageIndex(int index)
{
    if (PropertyRecord* item = Record(m_cell))
        Owner(*item).SetImageIndex(*item, index);
}

int CPropertyItem::GetImageIndex() const
{
    PropertyRecord const* item = Record(m_cell);
    if (item == nullptr)
        return 0;
    if (!item->withNone)
        return item->choiceIndex;
    return item->choiceIndex == 0 ? -2 : item->choiceIndex - 1;
}

int CPropertyItem::GetIndexItem(std::wstring const& text) const
{
    PropertyRecord const* item = Record(m_cell);
    return item != nullptr ? lumo::IndexOfChoice(item->choices, text) : 0;
}
