// Native test helpers for tree-grid styles: fixed platform answers and a registry to build styles in.
#pragma once

#include "LumoControls/TreeGrid/Style.h"
#include "LumoControls/TreeGrid/StylePlatform.h"
#include "LumoControls/TreeGrid/StyleRegistry.h"

#include <string>

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

// A registry that records what styles ask of their tree grid.
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
        return static_cast<Style&>(
            CreateStyle(StyleClass::Styled, type, nullptr, nullptr, first, second, third));
    }
    ObjStyle& NewObjStyle(ObjectType type = ObjectType::Cell, DrawStyle* first = nullptr,
                          DrawStyle* second = nullptr, DrawStyle* third = nullptr)
    {
        return static_cast<ObjStyle&>(
            CreateStyle(StyleClass::Object, type, nullptr, nullptr, first, second, third));
    }
    DrawStyle& NewDrawStyle(ObjectType type = ObjectType::Row, DrawStyle* first = nullptr)
    {
        return CreateStyle(StyleClass::Draw, type, nullptr, nullptr, first);
    }

    int layouts = 0;
    int endedEdits = 0;
};

inline std::string Narrow(std::wstring const& text)
{
    return std::string(text.begin(), text.end());
}
} // namespace lumo::test
