#include "LumoControls/TreeGrid/BuiltInLooks.h"

#include "LumoControls/TreeGrid/Style.h"
#include "LumoCtrls/ThemeColors.h"

// The looks write their settings literally into the new default style (not through the setters, which
// would leave out what equals an inherited or fallback value): a default style describes exactly its
// look.
namespace
{
using namespace lumo;

constexpr int kAlignLeft = 1;
constexpr int kAlignCenter = 4;
constexpr int kSelectionItem = 3; // image and text
constexpr int kHorizontal = 1;
constexpr int kVertical = 2;

PaintStyle& Paint(DrawStyle& style, VisualState state)
{
    return style.GetOrCreatePaintStyle(state);
}

// A band of one colour.
void Band(DrawStyle& style, VisualState state, COLORREF color, int size)
{
    Paint(style, state).AddBackgroundColor(color, color, size);
}

void Gradient(DrawStyle& style, VisualState state, COLORREF from, COLORREF to, int size)
{
    Paint(style, state).AddBackgroundColor(from, to, size);
}

// Padding (left, 0, 0, 0), a border radius and alignment Left: how headers and cells start.
void TextBox(Style& style, int paddingLeft, int radius)
{
    style.StorePadding(Rect{paddingLeft, 0, 0, 0});
    style.StoreBorderRadius(radius);
    style.StoreAlignment(kAlignLeft);
}

void ProgressLook(Style& style)
{
    style.StoreAlignment(kAlignCenter);
    PaintStyle& normal = Paint(style, kStateNormal);
    normal.SetGradientDirection(kVertical);
    normal.AddBackgroundColor(0xFFFFFF, 0xFFFFFF, 100);
    normal.SetBorder(L"black-border", kSideAll);
    normal.SetTextColor(0);
    PaintStyle& select = Paint(style, kStateSelect);
    select.SetGradientDirection(kVertical);
    select.AddBackgroundColor(0x76F583, 0x10D624, 10);
    select.AddBackgroundColor(0x10D624, 0x10D624, 80);
    select.AddBackgroundColor(0x10D624, 0x76F583, 10);
    select.SetTextColor(0xFFFFFF);
}

// The column header starts like a cell; everything else of the look is the row header's too.
void StandardHeader(Style& header, ObjectType type, IStylePlatform const& platform)
{
    if (type == ObjectType::ColumnHeader)
        TextBox(header, 5, 0);
    if (!platform.IsCompositionActive())
    {
        Paint(header, kStateAll).SetBorder(L"gray-border", kSideRight | kSideBottom);
        Band(header, kStateNormal, 0xDBEAEB, 80);
        Gradient(header, kStateNormal, 0xDBEAEB, 0xB8C7CB, 20);
        Paint(header, kStateNormal).SetGradientDirection(kHorizontal);
        Band(header, kStatePush, 0xD8DFDE, 100);
        Paint(header, kStatePush).SetGradientDirection(kHorizontal);
        Paint(header, kStatePush).SetTextColor(0);
        for (VisualState state : {kStateHover, kStateHiSelect})
        {
            Band(header, state, 0xF3F8FA, 85);
            Band(header, state, 0x009AE2, 15);
            Paint(header, state).SetGradientDirection(kHorizontal);
            Paint(header, state).SetTextColor(0);
        }
        return;
    }
    Paint(header, kStateAll).SetBorder(L"blue-border", kSideRight | kSideBottom);
    struct
    {
        VisualState state;
        COLORREF top;
        COLORREF bottom;
    } const bands[] = {{kStateNormal, 0xFFFFFF, 0xD5D5D5},
                       {kStateHover, 0xFFF7E3, 0xFFEDBD},
                       {kStatePush, 0xF9E4BC, 0xF5D18A},
                       {kStateSelect, 0xFCF9F2, 0xF9F1E1},
                       {kStateHiSelect, 0xFFF7E3, 0xFBE7B7}};
    for (auto const& band : bands)
    {
        Band(header, band.state, band.top, 40);
        Gradient(header, band.state, band.top, band.bottom, 60);
        Paint(header, band.state).SetGradientDirection(kHorizontal);
        Paint(header, band.state).SetTextColor(0);
    }
}

void ApplyStandard(DrawStyle& style, ObjectType type, IStylePlatform const& platform)
{
    switch (type)
    {
    case ObjectType::Grid:
        Band(style, kStateNormal, 0xFFFFFF, 100);
        Paint(style, kStateAll).SetBorder(L"gray-border", kSideAll);
        break;
    case ObjectType::ColumnHeader:
    case ObjectType::RowHeader:
        StandardHeader(static_cast<Style&>(style), type, platform);
        break;
    case ObjectType::Cell:
    {
        auto& cell = static_cast<Style&>(style);
        TextBox(cell, 5, 0);
        Band(cell, kStateSelect, platform.SystemColor(kSysColorMenuHighlight), 100);
        Paint(cell, kStateSelect).SetGradientDirection(kHorizontal);
        Paint(cell, kStateSelect).SetTextColor(platform.SystemColor(kSysColorHighlightText));
        Paint(cell, kStateDisable).SetTextColor(0x969696);
        break;
    }
    case ObjectType::Progress:
        ProgressLook(static_cast<Style&>(style));
        break;
    default: // every other type has no built-in look
        break;
    }
}

void ApplyTheme(DrawStyle& style, ObjectType type)
{
    switch (type)
    {
    case ObjectType::Grid:
        Band(style, kStateNormal, 0xFFFFFF, 100);
        break;
    case ObjectType::ColumnHeader:
    case ObjectType::RowHeader:
    {
        auto& header = static_cast<Style&>(style);
        if (type == ObjectType::ColumnHeader)
            TextBox(header, 3, 0);
        COLORREF hot[2], selection[2], hotSelection[2];
        GetHotColors(hot[0], hot[1]);
        GetSelectionColors(selection[0], selection[1]);
        GetHotSelectionColors(hotSelection[0], hotSelection[1]);
        Gradient(header, kStateNormal, 0xFFFFFF, GetThemeColor(), 100);
        Gradient(header, kStateHover, hot[0], hot[1], 100);
        Gradient(header, kStateSelect, selection[0], selection[1], 100);
        Gradient(header, kStateHiSelect, hotSelection[0], hotSelection[1], 100);
        Band(header, kStatePush, hotSelection[0], 100);
        for (VisualState state : {kStateNormal, kStateHover, kStateSelect, kStateHiSelect, kStatePush})
        {
            Paint(header, state).SetGradientDirection(kHorizontal);
            Paint(header, state).SetBorder(L"blue-border", kSideRight | kSideBottom);
        }
        Paint(header, kStateDisable).SetTextColor(0x969696);
        break;
    }
    case ObjectType::Cell:
    {
        auto& cell = static_cast<Style&>(style);
        TextBox(cell, 3, 2);
        cell.StoreSelectionMode(kSelectionItem);
        Gradient(cell, kStateHover, 0xFFFFFF, GetLightenThemeColor(), 100);
        Gradient(cell, kStateSelect, GetLightenThemeColor(), GetThemeColor(), 100);
        Gradient(cell, kStateHiSelect, GetThemeColor(), GetDarkenThemeColor(), 100);
        for (VisualState state : {kStateHover, kStateSelect, kStateHiSelect})
            Paint(cell, state).SetGradientDirection(kHorizontal);
        for (VisualState state : {kStateHover, kStateSelect, kStateHiSelect, kStateFocus, kStatePush})
            Paint(cell, state).SetBorder(L"blue-border", kSideAll);
        Paint(cell, kStateDisable).SetTextColor(0x969696);
        break;
    }
    case ObjectType::Progress:
        ProgressLook(static_cast<Style&>(style));
        break;
    default:
        break;
    }
}
} // namespace

void lumo::ApplyBuiltInLook(DrawStyle& style, ObjectType type, VisualLook look,
                            IStylePlatform const& platform)
{
    if (look == VisualLook::Standard)
        ApplyStandard(style, type, platform);
    else if (look == VisualLook::Theme)
        ApplyTheme(style, type);
}
