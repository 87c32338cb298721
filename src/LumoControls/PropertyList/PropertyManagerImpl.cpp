#include "LumoControls/PropertyList/PropertyManagerImpl.h"

#include "LumoControls/PropertyList/PropertyValues.h"
#include "LumoCtrls/ThemeColors.h"

using lumo::PropertyRecord;

CPropertyManager::CImpl::~CImpl()
{
    if (m_view != nullptr)
        m_view->ManagerDestroyed(); // before the records it shows go
    FreeItems();
}

void CPropertyManager::CImpl::SetList(CPropertyListCtrl* list, lumo::IPropertyView* view)
{
    m_list = list;
    m_view = view;
}

void CPropertyManager::CImpl::SetStyles(unsigned styles)
{
    unsigned const previous = m_styles;
    m_styles = styles;
    if (styles != previous && m_view != nullptr)
        m_view->StylesChanged(previous);
}

COLORREF CPropertyManager::CImpl::Color() const
{
    if ((m_styles & STYLE_COLOR) == 0)
        return Platform().ButtonFaceColor();
    return m_color != lumo::kColorNone ? m_color : GetThemeColor();
}

void CPropertyManager::CImpl::SetColor(COLORREF color)
{
    m_color = color;
    if (m_view != nullptr)
        m_view->LayoutChanged();
}

void CPropertyManager::CImpl::SetSplitterPosition(int x)
{
    m_splitterPosition = x;
    if (m_view != nullptr)
        m_view->LayoutChanged();
}

void CPropertyManager::CImpl::SetCommentsHeight(int height)
{
    m_commentsHeight = height;
    if (m_view != nullptr)
        m_view->LayoutChanged();
}

PropertyRecord* CPropertyManager::CImpl::Own(void* item) const
{
    PropertyRecord* record = PropertyRecord::From(item);
    return record != nullptr && record->manager == &m_owner ? record : nullptr;
}

PropertyRecord& CPropertyManager::CImpl::Add(void* parent, std::wstring const& name, unsigned short type,
                                             unsigned id)
{
    PropertyRecord* parentRecord = Own(parent);
    if (m_items.size() == m_items.capacity())
        m_items.reserve(m_items.size() * 2 + 16);
    std::unique_ptr<PropertyRecord> record(new PropertyRecord);
    record->name = name;
    record->displayName = name;
    record->type = type;
    record->id = id;
    record->expanded = type == CPropertyItem::TYPE_CATEGORY;
    record->manager = &m_owner;
    record->parent = parentRecord;
    record->order = m_items.size();
    Index(*record);
    // Nothing below throws: the record is linked whole or not at all.
    PropertyRecord* item = record.release();
    if (parentRecord != nullptr)
    {
        item->depth = parentRecord->depth + 1;
        (parentRecord->lastChild != nullptr ? parentRecord->lastChild->nextSibling
                                            : parentRecord->firstChild) = item;
        parentRecord->lastChild = item;
    }
    m_items.push_back(item);
    return *item;
}

void CPropertyManager::CImpl::Index(PropertyRecord& item)
{
    if (item.IsCategory())
    {
        m_categoriesByName.emplace(item.name, &item);
        return;
    }
    auto const byName = m_itemsByName.emplace(item.name, &item);
    try
    {
        m_itemsById.emplace(item.id, &item);
    }
    catch (...)
    {
        if (byName.second)
            m_itemsByName.erase(byName.first);
        throw;
    }
}

PropertyRecord* CPropertyManager::CImpl::FindItem(std::wstring const& name) const
{
    auto const found = m_itemsByName.find(name);
    return found != m_itemsByName.end() ? found->second : nullptr;
}

PropertyRecord* CPropertyManager::CImpl::FindItem(unsigned id) const
{
    auto const found = m_itemsById.find(id);
    return found != m_itemsById.end() ? found->second : nullptr;
}

PropertyRecord* CPropertyManager::CImpl::FindCategory(std::wstring const& name) const
{
    auto const found = m_categoriesByName.find(name);
    return found != m_categoriesByName.end() ? found->second : nullptr;
}

void CPropertyManager::CImpl::SetValue(PropertyRecord& item, std::wstring const& value)
{
    if (item.type == CPropertyItem::TYPE_COLOR)
    {
        bool named = false;
        item.value = lumo::StoredColorValue(value, named);
        if (named)
            item.lastValidValue = item.value;
    }
    else
        item.value = value;
    item.choiceIndex = lumo::IndexOfChoice(item.choices, item.value);
    Changed(item);
}

void CPropertyManager::CImpl::SetChoices(PropertyRecord& item, std::vector<std::wstring> choices)
{
    item.choices = std::move(choices);
    item.choiceIndex = lumo::IndexOfChoice(item.choices, item.value);
    Changed(item);
}

void CPropertyManager::CImpl::SetImageIndex(PropertyRecord& item, int index)
{
    bool const isImage = index >= 0 && index < Platform().ImageCount(item.images);
    SetValue(item, isImage ? lumo::ImageText(index, Platform()) : lumo::NoImageText(Platform()));
}

void CPropertyManager::CImpl::SetEnabled(PropertyRecord& item, bool enabled)
{
    // The item and its whole subtree, walked without recursion so that deep trees cannot exhaust the stack.
    item.enabled = enabled;
    for (PropertyRecord* node = item.firstChild; node != nullptr;)
    {
        node->enabled = enabled;
        if (node->firstChild != nullptr)
        {
            node = node->firstChild;
            continue;
        }
        while (node != &item && node->nextSibling == nullptr)
            node = node->parent;
        node = node == &item ? nullptr : node->nextSibling;
    }
    if (m_view != nullptr)
        m_view->ItemEnabled(item);
    else if (m_selected != nullptr && !m_selected->enabled)
        m_selected = nullptr;
}

void CPropertyManager::CImpl::SetExpanded(PropertyRecord& item, bool expanded)
{
    if (item.expanded == expanded)
        return;
    item.expanded = expanded;
    if (m_view != nullptr)
        m_view->ItemExpanded(item);
}

void CPropertyManager::CImpl::SetShown(PropertyRecord& item, bool show)
{
    if (item.show == show)
        return;
    item.show = show;
    if (m_view != nullptr)
        m_view->ItemShown(item);
}

void CPropertyManager::CImpl::Select(PropertyRecord* item, bool edit)
{
    if (item != nullptr && !item->enabled)
        return;
    if (m_view != nullptr)
    {
        m_view->SelectItem(item, edit);
        return;
    }
    if (item == m_selected)
        return;
    m_selected = item;
    if (m_handler != nullptr)
        m_handler->OnItemSelected(item);
}

void CPropertyManager::CImpl::Changed(PropertyRecord& item)
{
    if (m_view != nullptr)
        m_view->ItemChanged(item);
}

void CPropertyManager::CImpl::ResetValues()
{
    for (PropertyRecord* item : m_items)
    {
        item->value.clear();
        item->choiceIndex = 0;
        item->modified = false;
        Changed(*item);
    }
}

void CPropertyManager::CImpl::Clear()
{
    if (m_view != nullptr)
        m_view->ItemsCleared();
    FreeItems();
}

void CPropertyManager::CImpl::FreeItems()
{
    ++*m_lifetime;
    m_selected = nullptr;
    m_itemsByName.clear();
    m_itemsById.clear();
    m_categoriesByName.clear();
    std::vector<PropertyRecord*> items;
    items.swap(m_items);
    for (PropertyRecord* item : items)
        delete item;
}

bool CPropertyManager::CImpl::CommitUserValue(PropertyRecord& item, std::wstring text, int choiceIndex)
{
    if (text == item.value && item.type != CPropertyItem::TYPE_COLOR)
        return false;
    if (m_handler != nullptr)
    {
        CAliveCheck const alive(*this);
        bool const accepted = m_handler->OnValueChanging(&item, text, choiceIndex);
        if (!alive.ItemsAlive() || !accepted)
            return false;
    }
    item.modified = true;
    item.value = std::move(text);
    item.choiceIndex = choiceIndex;
    if (m_handler != nullptr)
    {
        CAliveCheck const alive(*this);
        m_handler->OnValueChanged(&item);
        if (!alive.ItemsAlive())
            return true;
    }
    Changed(item);
    return true;
}
