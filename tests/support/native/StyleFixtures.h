// Native test helpers for tree-grid styles: fixed platform answers and a registry to build styles in.
#pragma once

#include "TextForms.h"

#include "LumoControls/TreeGrid/Style.h"
#include "LumoControls/TreeGrid/StylePlatform.h"
#include "LumoControls/TreeGrid/StyleRegistry.h"

#include <algorithm>
#include <array>
#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace lumo::test
{
class FixedPlatform : public IStylePlatform
{
public:
    COLORREF SystemColor(int index) const override
    {
        if (index == kSysColorMenuHighlight)
            return 0x123456;
        if (index == kSysColorHighlightText)
            return 0xFEDCBA;
        return 0x010101;
    }
    int PixelsPerInchY() const override { return dpi; }
    bool IsCompositionActive() const override { return composition; }
    FontSpec SharedFont() const override
    {
        FontSpec font;
        font.height = -11;
        font.face = L"Tahoma";
        return font;
    }

    int dpi = 96;
    bool composition = false;
};

// A registry of detached styles with the parents a test gives them; it records what styles ask of their
// tree grid.
class RecordingRegistry : public StyleRegistry
{
public:
    explicit RecordingRegistry(IStylePlatform const& platform, VisualLook look = VisualLook::Standard)
        : StyleRegistry(platform, look)
    {
    }
    void RequestLayout() override { ++layouts; }
    void EndEdit() override { ++endedEdits; }

    Style& NewStyle(ObjectType type = ObjectType::ColumnHeader, DrawStyle* first = nullptr,
                    DrawStyle* second = nullptr, DrawStyle* third = nullptr)
    {
        return static_cast<Style&>(Detached(StyleClass::Styled, type, first, second, third));
    }
    ObjStyle& NewObjStyle(ObjectType type = ObjectType::Cell, DrawStyle* first = nullptr,
                          DrawStyle* second = nullptr, DrawStyle* third = nullptr)
    {
        return static_cast<ObjStyle&>(Detached(StyleClass::Object, type, first, second, third));
    }
    DrawStyle& NewDrawStyle(ObjectType type = ObjectType::Row, DrawStyle* first = nullptr)
    {
        return Detached(StyleClass::Draw, type, first, nullptr, nullptr);
    }
    void Destroy(DrawStyle& style)
    {
        m_styles.erase(
            std::find_if(m_styles.begin(), m_styles.end(), [&](auto const& s) { return s.get() == &style; }));
    }
    void ForEachStyle(std::function<void(DrawStyle&)> const& visit) const override
    {
        StyleRegistry::ForEachStyle(visit);
        for (auto const& style : m_styles)
            visit(*style);
    }

    int layouts = 0;
    int endedEdits = 0;

private:
    DrawStyle& Detached(StyleClass kind, ObjectType type, DrawStyle* first, DrawStyle* second,
                        DrawStyle* third)
    {
        m_parents.push_back({first, second, third});
        m_styles.push_back(CreateStyle(kind, type, StyleRole::Detached, m_parents.back().data(), true));
        return *m_styles.back();
    }

    std::deque<std::array<DrawStyle*, 3>> m_parents; // a deque: the arrays never move
    std::vector<std::unique_ptr<DrawStyle>> m_styles;
};

using ::Narrow;
} // namespace lumo::test
