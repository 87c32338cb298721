#include "LumoControls/PropertyList/PropertyManagerImpl.h"
#include "LumoControls/PropertyList/PropertyValues.h"
#include "LumoCtrls/ColorNames.h"
#include "LumoCtrls/Errors.h"

using lumo::PropertyRecord;

namespace
{
char const kSourcePath[] = "src/LumoControls/PropertyList/PropertyManager";
} // namespace

CPropertyManager::CPropertyManager() : m_impl(new CImpl(*this)) {}

CPropertyManager::~CPropertyManager()
{
    delete m_impl;
}

CPropertyManager::IEventsHandler* CPropertyManager::GetEventsHandler() const
{
    return m_impl->Handler();
}

void CPropertyManager::SetEventsHandler(IEventsHandler* handler)
{
    m_impl->SetHandler(handler);
}

void CPropertyManager::SetStyle(unsigned bits, bool on)
{
    m_impl->SetStyles(on ? m_impl->Styles() | bits : m_impl->Styles() & ~bits);
}

bool CPropertyManager::IsStyleSet(unsigned bits) const
{
    return (m_impl->Styles() & bits) == bits;
}

COLORREF CPropertyManager::GetColor() const
{
    return m_impl->Color();
}

void CPropertyManager::SetColor(COLORREF color)
{
    m_impl->SetColor(color);
}

int CPropertyManager::GetSplitterPosition() const
{
    return m_impl->SplitterPosition();
}

void CPropertyManager::SetSplitterPosition(int x)
{
    m_impl->SetSplitterPosition(x);
}

int CPropertyManager::GetCommentsWindowHeight() const
{
    return m_impl->CommentsHeight();
}

void CPropertyManager::SetCommentsWindowHeight(int height)
{
    m_impl->SetCommentsHeight(height);
}

// --- Adding. Each item is complete before the list hears of it.

namespace
{
void* Shown(CPropertyManager::CImpl& impl, PropertyRecord& item)
{
    if (impl.View() != nullptr)
        impl.View()->ItemAdded(item);
    return &item;
}

void* AddValueItem(CPropertyManager::CImpl& impl, void* parent, std::wstring const& name, unsigned short type,
                   unsigned id, std::vector<std::wstring> choices, std::wstring const& value, bool readOnly)
{
    PropertyRecord& item = impl.Add(parent, name, type, id);
    item.choices = std::move(choices);
    item.value = value;
    item.choiceIndex = lumo::IndexOfChoice(item.choices, value);
    item.readOnly = readOnly;
    return Shown(impl, item);
}

void* AddImage(CPropertyManager::CImpl& impl, void* parent, std::wstring const& name, HIMAGELIST images,
               unsigned id, std::wstring const& value, bool withNone)
{
    lumo::IPropertyPlatform const& platform = impl.Platform();
    std::vector<std::wstring> choices;
    if (withNone)
        choices.push_back(lumo::NoImageText(platform));
    int const count = platform.ImageCount(images);
    for (int image = 0; image < count; ++image)
        choices.push_back(lumo::ImageText(image, platform));
    PropertyRecord& item = impl.Add(parent, name, CPropertyItem::TYPE_IMAGE, id);
    item.images = images;
    item.withNone = withNone;
    item.choices = std::move(choices);
    item.value = value;
    item.choiceIndex = lumo::IndexOfChoice(item.choices, value);
    return Shown(impl, item);
}
} // namespace

void* CPropertyManager::AddCategoryItem(std::wstring const& name)
{
    return Shown(*m_impl, m_impl->Add(nullptr, name, CPropertyItem::TYPE_CATEGORY, 0));
}

void* CPropertyManager::AddEditItem(void* parent, std::wstring const& name, unsigned id,
                                    std::wstring const& value, bool readOnly)
{
    return AddValueItem(*m_impl, parent, name, CPropertyItem::TYPE_EDIT, id, {}, value, readOnly);
}

void* CPropertyManager::AddCustomItem(void* parent, std::wstring const& name, unsigned id,
                                      std::wstring const& value, bool readOnly)
{
    return AddValueItem(*m_impl, parent, name, CPropertyItem::TYPE_CUSTOM, id, {}, value, readOnly);
}

void* CPropertyManager::AddListItem(void* parent, std::wstring const& name,
                                    std::vector<std::wstring> const& choices, unsigned id,
                                    std::wstring const& value)
{
    return AddValueItem(*m_impl, parent, name, CPropertyItem::TYPE_LIST, id, choices, value, true);
}

void* CPropertyManager::AddListItem(void* parent, std::wstring const& name, wchar_t const* choices,
                                    unsigned id, std::wstring const& value)
{
    return AddValueItem(*m_impl, parent, name, CPropertyItem::TYPE_LIST, id, lumo::ChoicesFromBuffer(choices),
                        value, true);
}

void* CPropertyManager::AddTrueFalseItem(void* parent, std::wstring const& name, unsigned id, bool value)
{
    return AddValueItem(*m_impl, parent, name, CPropertyItem::TYPE_LIST, id, {L"False", L"True"},
                        value ? L"True" : L"False", true);
}

void* CPropertyManager::AddYesNoItem(void* parent, std::wstring const& name, unsigned id, bool value)
{
    return AddValueItem(*m_impl, parent, name, CPropertyItem::TYPE_LIST, id, {L"No", L"Yes"},
                        value ? L"Yes" : L"No", true);
}

void* CPropertyManager::AddColorItem(void* parent, std::wstring const& name, unsigned id,
                                     std::wstring const& colorName)
{
    PropertyRecord& item = m_impl->Add(parent, name, CPropertyItem::TYPE_COLOR, id);
    item.value = colorName;
    item.lastValidValue = colorName;
    item.initialValue = colorName;
    return Shown(*m_impl, item);
}

void* CPropertyManager::AddColorItem(void* parent, std::wstring const& name, unsigned id, COLORREF color)
{
    return AddColorItem(parent, name, id, GetNameFromCOLORREF(color));
}

void* CPropertyManager::AddImageItem(void* parent, std::wstring const& name, HIMAGELIST images, unsigned id,
                                     std::wstring const& value)
{
    return AddImage(*m_impl, parent, name, images, id, value, false);
}

void* CPropertyManager::AddImageItemWithNone(void* parent, std::wstring const& name, HIMAGELIST images,
                                             unsigned id, std::wstring const& value)
{
    return AddImage(*m_impl, parent, name, images, id, value, true);
}

// --- Finding.

void* CPropertyManager::FindItem(std::wstring const& name) const
{
    return m_impl->FindItem(name);
}

void* CPropertyManager::FindItem(unsigned id) const
{
    return m_impl->FindItem(id);
}

void* CPropertyManager::FindCategory(std::wstring const& name) const
{
    return m_impl->FindCategory(name);
}

int CPropertyManager::size() const
{
    return static_cast<int>(m_impl->Items().size());
}

void* CPropertyManager::GetProperty(int index) const
{
    if (index < 0 || index >= size())
        CRuntimeError::SetFileAndLine(kSourcePath, __LINE__)(0, index);
    return m_impl->Items()[static_cast<std::size_t>(index)];
}

void CPropertyManager::GetAllCategories(std::vector<void*>& categories) const
{
    categories.clear();
    for (PropertyRecord* item : m_impl->Items())
        if (item->IsCategory())
            categories.push_back(item);
}

void* CPropertyManager::GetSelectedItem() const
{
    return m_impl->Selected();
}

// --- Changing.

void CPropertyManager::SetItemComments(void* item, std::wstring const& text)
{
    if (PropertyRecord* record = m_impl->Own(item))
    {
        record->comments = text;
        m_impl->Changed(*record);
    }
}

void CPropertyManager::SetItemDisplayName(void* item, std::wstring const& text)
{
    if (PropertyRecord* record = m_impl->Own(item))
    {
        record->displayName = text;
        m_impl->Changed(*record);
    }
}

void CPropertyManager::ExpandItem(void* item, bool expand)
{
    if (PropertyRecord* record = m_impl->Own(item))
        m_impl->SetExpanded(*record, expand);
}

void CPropertyManager::ShowItem(void* item, bool show)
{
    if (PropertyRecord* record = m_impl->Own(item))
        m_impl->SetShown(*record, show);
}

void CPropertyManager::SelectItem(void* item, bool edit)
{
    PropertyRecord* record = m_impl->Own(item);
    if (record != nullptr || item == nullptr)
        m_impl->Select(record, edit);
}

void CPropertyManager::RedrawItem(void* item)
{
    if (PropertyRecord* record = m_impl->Own(item))
        m_impl->Changed(*record);
}

void CPropertyManager::ResetItemsValue()
{
    m_impl->ResetValues();
}

void CPropertyManager::ClearItems()
{
    m_impl->Clear();
}
