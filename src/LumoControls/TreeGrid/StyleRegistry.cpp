#include "LumoControls/TreeGrid/StyleRegistry.h"

#include "LumoControls/TreeGrid/BuiltInLooks.h"
#include "LumoControls/TreeGrid/Style.h"
#include "LumoControls/TreeGrid/TreeControls.h"
#include "LumoCtrls/ThemeColors.h"

lumo::StyleRegistry::StyleRegistry(IStylePlatform const& platform, VisualLook look)
    : m_platform(platform), m_look(look), m_sharedFont(platform.SharedFont())
{
    // The border styles the built-in looks name, taken from the theme as it is now.
    DefineBorderStyle(L"blue-border", {Pen{1, GetDarkenThemeColor()}});
    DefineBorderStyle(L"black-border", {Pen{1, 0x000000}});
    DefineBorderStyle(L"black-dotted-border", {Pen{2, 0x000000}});
    DefineBorderStyle(L"gray-border", {Pen{1, 0x949494}});
}

lumo::StyleRegistry::~StyleRegistry() = default;

std::unique_ptr<lumo::DrawStyle> lumo::StyleRegistry::NewStyle(StyleClass kind, ObjectType type,
                                                               StyleRole role, void const* owner)
{
    switch (kind)
    {
    case StyleClass::Draw:
        return std::make_unique<DrawStyle>(*this, type, role, owner);
    case StyleClass::Styled:
        return std::make_unique<Style>(*this, type, role, owner);
    default:
        return std::make_unique<ObjStyle>(*this, type, role, owner);
    }
}

std::unique_ptr<lumo::PaintStyle> lumo::StyleRegistry::NewPaintStyle(DrawStyle& owner, PaintSlot slot)
{
    return std::make_unique<PaintStyle>(owner, slot);
}

std::unique_ptr<lumo::DrawStyle> lumo::StyleRegistry::CreateStyle(StyleClass kind, ObjectType type,
                                                                  StyleRole role, void const* owner,
                                                                  bool announce)
{
    std::unique_ptr<DrawStyle> style = NewStyle(kind, type, role, owner);
    if (announce)
        OnStyleCreated(*style);
    return style;
}

std::unique_ptr<lumo::PaintStyle> lumo::StyleRegistry::CreatePaintStyle(DrawStyle& owner, PaintSlot slot)
{
    return NewPaintStyle(owner, slot);
}

lumo::DrawStyle* lumo::StyleRegistry::GetDefaultStyle(ObjectType type)
{
    int const index = static_cast<int>(type);
    if (index < 1 || index > kObjectTypeCount)
        return nullptr;
    std::unique_ptr<DrawStyle>& slot = m_defaults[static_cast<std::size_t>(index)];
    if (slot == nullptr)
    {
        // Stored before anyone hears of it: a handler that asks for the default style of the type while
        // being told of it (or while filling it) gets this very style.
        slot = NewStyle(DefaultStyleClassOf(type), type, StyleRole::Default, nullptr);
        DrawStyle& style = *slot;
        OnStyleCreated(style);
        if (m_look == VisualLook::Host)
            FillDefaultStyle(style, type);
        else
            ApplyBuiltInLook(style, type, m_look, m_platform);
    }
    return slot.get();
}

lumo::DrawStyle* lumo::StyleRegistry::FindDefaultStyle(ObjectType type) const
{
    int const index = static_cast<int>(type);
    return index >= 1 && index <= kObjectTypeCount ? m_defaults[static_cast<std::size_t>(index)].get()
                                                   : nullptr;
}

lumo::DrawStyle const* lumo::StyleRegistry::ParentOf(DrawStyle const& style, int index) const
{
    auto defaultAsFirst = [&](ObjectType type) { return index == 0 ? FindDefaultStyle(type) : nullptr; };
    switch (style.GetRole())
    {
    case StyleRole::Column:
        return defaultAsFirst(ObjectType::Column);
    case StyleRole::ColumnHeader:
        return defaultAsFirst(ObjectType::ColumnHeader);
    case StyleRole::ColumnCell:
        return defaultAsFirst(ObjectType::Cell);
    case StyleRole::Row:
        return defaultAsFirst(ObjectType::Row);
    case StyleRole::RowHeader:
        return defaultAsFirst(ObjectType::RowHeader);
    case StyleRole::FloatControl:
        return defaultAsFirst(ObjectType::FloatControl);
    case StyleRole::Cell:
    {
        auto const& cell = *static_cast<TreeCell const*>(style.GetOwner());
        if (index == 0)
            return cell.GetNode().FindCellStyle();
        if (index == 1)
            return cell.GetColumn().FindCellStyle();
        return index == 2 ? FindDefaultStyle(ObjectType::Cell) : nullptr;
    }
    case StyleRole::Detached:
        return index >= 0 && index < 3 ? static_cast<DrawStyle* const*>(style.GetOwner())[index] : nullptr;
    default:
        return nullptr;
    }
}

void lumo::StyleRegistry::ForEachStyle(std::function<void(DrawStyle&)> const& visit) const
{
    for (auto const& style : m_defaults)
        if (style != nullptr)
            visit(*style);
}

void lumo::StyleRegistry::EnumerateUsedStyles(std::set<DrawStyle*>& styles) const
{
    ForEachStyle(
        [&](DrawStyle& style)
        {
            if (style.IsSet())
                styles.insert(&style);
        });
}

void lumo::StyleRegistry::DefineBorderStyle(std::wstring const& name, std::vector<Pen> const& pens)
{
    m_borderStyles.erase(name);
    m_borderStyles.emplace(name, pens);
    StyleChanged();
}

void lumo::StyleRegistry::GetBorderStyle(std::wstring const& name, std::vector<Pen>& pens) const
{
    pens.clear();
    if (name.empty())
        return;
    auto const it = m_borderStyles.find(name);
    if (it != m_borderStyles.end())
        pens = it->second;
}

void lumo::StyleRegistry::RemoveBorderStyle(std::wstring const& name)
{
    m_borderStyles.erase(name);
    StyleChanged();
}

void lumo::StyleRegistry::EnumerateBorderStyles(std::set<std::wstring>& names) const
{
    for (auto const& entry : m_borderStyles)
        names.insert(entry.first);
}

int lumo::StyleRegistry::GetBorderPenCount(std::wstring const& name) const
{
    if (name.empty())
        return 0;
    auto const it = m_borderStyles.find(name);
    return it != m_borderStyles.end() ? static_cast<int>(it->second.size()) : 0;
}
