#include "LumoControls/TreeGrid/StyleRegistry.h"

#include "LumoControls/TreeGrid/BuiltInLooks.h"
#include "LumoControls/TreeGrid/Style.h"
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

lumo::StyleRegistry::~StyleRegistry()
{
    for (DrawStyle* style : m_styles)
        delete style;
}

std::unique_ptr<lumo::DrawStyle> lumo::StyleRegistry::NewStyle(StyleClass kind, ObjectType type,
                                                               void const* node, void const* column,
                                                               DrawStyle* first, DrawStyle* second,
                                                               DrawStyle* third)
{
    switch (kind)
    {
    case StyleClass::Draw:
        return std::make_unique<DrawStyle>(*this, type, node, column, first, second, third);
    case StyleClass::Styled:
        return std::make_unique<Style>(*this, type, node, column, first, second, third);
    default:
        return std::make_unique<ObjStyle>(*this, type, node, column, first, second, third);
    }
}

std::shared_ptr<lumo::PaintStyle> lumo::StyleRegistry::NewPaintStyle(DrawStyle& owner, PaintSlot slot)
{
    return std::shared_ptr<PaintStyle>(new PaintStyle(owner, slot));
}

lumo::DrawStyle& lumo::StyleRegistry::CreateStyle(StyleClass kind, ObjectType type, void const* node,
                                                  void const* column, DrawStyle* first, DrawStyle* second,
                                                  DrawStyle* third)
{
    DrawStyle& created = Adopt(NewStyle(kind, type, node, column, first, second, third));
    OnStyleCreated(created);
    return created;
}

lumo::DrawStyle& lumo::StyleRegistry::Adopt(std::unique_ptr<DrawStyle> style)
{
    m_styles.insert(style.get());
    return *style.release();
}

void lumo::StyleRegistry::DestroyStyle(DrawStyle& style)
{
    if (m_styles.erase(&style) != 0)
        delete &style;
}

std::shared_ptr<lumo::PaintStyle> lumo::StyleRegistry::CreatePaintStyle(DrawStyle& owner, PaintSlot slot)
{
    return NewPaintStyle(owner, slot);
}

lumo::DrawStyle* lumo::StyleRegistry::GetDefaultStyle(ObjectType type)
{
    int const index = static_cast<int>(type);
    if (index < 1 || index > kObjectTypeCount)
        return nullptr;
    if (m_defaults[static_cast<std::size_t>(index)] == nullptr)
    {
        // Stored before anyone hears of it: a handler that asks for the default style of the type while
        // being told of it (or while filling it) gets this very style.
        DrawStyle& style =
            Adopt(NewStyle(DefaultStyleClassOf(type), type, nullptr, nullptr, nullptr, nullptr, nullptr));
        m_defaults[static_cast<std::size_t>(index)] = &style;
        OnStyleCreated(style);
        if (m_look == VisualLook::Host)
            FillDefaultStyle(style, type);
        else
            ApplyBuiltInLook(style, type, m_look, m_platform);
    }
    return m_defaults[static_cast<std::size_t>(index)];
}

lumo::DrawStyle* lumo::StyleRegistry::FindDefaultStyle(ObjectType type) const
{
    int const index = static_cast<int>(type);
    return index >= 1 && index <= kObjectTypeCount ? m_defaults[static_cast<std::size_t>(index)] : nullptr;
}

void lumo::StyleRegistry::EnumerateUsedStyles(std::set<DrawStyle*>& styles) const
{
    for (DrawStyle* style : m_styles)
        if (style->IsSet())
            styles.insert(style);
}

void lumo::StyleRegistry::DefineBorderStyle(std::wstring const& name, std::vector<Pen> const& pens)
{
    m_borderStyles.erase(name);
    m_borderStyles.emplace(name, pens);
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
