#include "LumoControls/TreeGrid/StyleDescription.h"

#include "LumoControls/DrawTools/MulDiv.h"
#include "LumoControls/TreeGrid/DrawStyle.h"
#include "LumoControls/TreeGrid/PaintStyle.h"
#include "LumoControls/TreeGrid/Style.h"
#include "Kit/KitLib/WideString.h"

namespace
{
using lumo::PaintStyle;
using lumo::VisualState;

// The items of one level: each is preceded by a comma when the text so far is non-empty and does not
// already end in one. An item that comes out empty still counts (see Add with an empty text).
class ItemList
{
public:
    explicit ItemList(std::wstring start = std::wstring()) : m_text(std::move(start)) {}

    void Add(std::wstring const& item)
    {
        if (!m_text.empty() && m_text.back() != L',')
            m_text += L',';
        m_text += item;
    }
    std::wstring const& Text() const { return m_text; }

private:
    std::wstring m_text;
};

std::wstring Hash(COLORREF color)
{
    return L"#" + lumo::ColorDigits(color);
}

std::wstring Number(long long value)
{
    return std::to_wstring(value);
}

// The word of a value in a table of words for 1, 2, ...; empty (the key stands alone) when out of range.
template <std::size_t N> std::wstring Word(wchar_t const* const (&words)[N], int value)
{
    return value >= 1 && static_cast<std::size_t>(value) <= N && words[value - 1] != nullptr
               ? words[value - 1]
               : L"";
}

wchar_t const* const kAlignments[] = {L"Left",   L"Left.Top",   L"Left.Bottom",
                                      L"Center", L"Center.Top", L"Center.Bottom",
                                      L"Right",  L"Right.Top",  L"Right.Bottom"};
wchar_t const* const kImageFills[] = {L"Hide",    L"Preserve", L"Mosaic", L"RepeatHorizontal",
                                      L"Uniform", L"Stretch"};
wchar_t const* const kCursors[] = {L"Arrow", L"Hand", L"IBeam", L"Help", L"No"};
wchar_t const* const kIconPositions[] = {L"Top", L"Bottom", L"Left", L"Right"};
wchar_t const* const kActivations[] = {L"Default", L"None", L"OnFocus", L"OnClick", L"OnDblClick"};
// Kind 2 (plain text) has no word: "Control=" alone.
wchar_t const* const kControlKinds[] = {L"None",     L"",         L"Image",       L"Button",   L"Label",
                                        L"Link",     L"CheckBox", L"RadioButton", L"DropDown", L"Spin",
                                        L"Progress", L"Edit",     L"FloatEdit",   L"ComboBox", L"Launcher"};

std::wstring SelectionModeWord(int mode)
{
    switch (mode)
    {
    case 1:
        return L"Image";
    case 2:
        return L"Test";
    case 3:
        return L"Item";
    case 4:
        return L"Control";
    case 7:
        return L"Item,Control";
    case 8:
        return L"Entire";
    default:
        return L"";
    }
}

std::wstring DescribeBorders(PaintStyle const& paint)
{
    std::wstring const& left = paint.GetBorder(lumo::kSideLeft);
    std::wstring const& right = paint.GetBorder(lumo::kSideRight);
    std::wstring const& top = paint.GetBorder(lumo::kSideTop);
    std::wstring const& bottom = paint.GetBorder(lumo::kSideBottom);
    bool const vertical = !left.empty() && left == right;
    bool const horizontal = !top.empty() && top == bottom;
    if (vertical && horizontal && top == left)
        return L"All=" + left;

    std::wstring list;
    auto add = [&list](std::wstring const& entry)
    {
        if (!list.empty() && list.back() != L'|')
            list += L'|';
        list += entry;
    };
    if (vertical)
        add(L"Vertical=" + left);
    else
    {
        if (!left.empty())
            add(L"Left=" + left);
        if (!right.empty())
            add(L"Right=" + right);
    }
    if (horizontal)
        add(L"Horizontal=" + top);
    else
    {
        if (!top.empty())
            add(L"Top=" + top);
        if (!bottom.empty())
            add(L"Bottom=" + bottom);
    }
    return list;
}

// The text-icon offset entries, in their fixed order of states.
std::wstring DescribeOffsets(lumo::Style const& style)
{
    struct
    {
        VisualState state;
        wchar_t const* label;
    } const entries[] = {{lumo::kStateNormal, L"(NORMAL:"},           {lumo::kStateDisable, L"(DISABLED:"},
                         {lumo::kStateSelect, L"(SELECTED:"},         {lumo::kStateHover, L"(HOVER:"},
                         {lumo::kStateHiSelect, L"(HOVER_SELECTED:"}, {lumo::kStateAll, L"(ALL:"}};
    std::wstring text;
    for (auto const& entry : entries)
        if (lumo::Point const* offset = style.OwnOffset(entry.state))
            if (offset->x != 0 && offset->y != 0)
                text += std::wstring(entry.label) + Number(offset->x) + L"," + Number(offset->y) + L")";
    return text;
}
} // namespace

std::wstring lumo::ColorDigits(COLORREF color)
{
    wchar_t buffer[16];
    snxprintfW(buffer, 16, L"%x", static_cast<unsigned>(color));
    return buffer;
}

std::wstring lumo::DescribeFont(FontSpec const& font, IStylePlatform const& platform)
{
    std::wstring const face = font.face == L"MS Shell Dlg" ? std::wstring(L"Ms Sans Serif") : font.face;
    wchar_t const* style = L"Regular";
    if (font.italic && font.underline)
        style = L"Italic Underline";
    else if (font.italic)
        style = L"Italic";
    else if (font.underline)
        style = L"Underline";

    wchar_t buffer[256];
    if (font.height <= 0)
    {
        // A character height: points in tenths, rounded to whole or half points.
        int const tenths = MulDiv(font.height, 720, platform.PixelsPerInchY());
        int const u = 4 - tenths;
        int const points = u / 10;
        if (u % 10 >= 5)
            snxprintfW(buffer, 256, L"%ls,%d.%d%ls,%d,%ls%ls", face.c_str(), points, 5, L"", font.weight, L"",
                       style);
        else
            snxprintfW(buffer, 256, L"%ls,%d%ls,%d,%ls%ls", face.c_str(), points, L"", font.weight, L"",
                       style);
    }
    else
    {
        wchar_t width[24];
        snxprintfW(width, 24, L"%d,", font.width);
        snxprintfW(buffer, 256, L"%ls,%d%ls,%d,%ls%ls", face.c_str(), font.height, L"px", font.weight, width,
                   style);
    }
    return buffer;
}

std::wstring lumo::DescribePaintStyle(PaintStyle const& paint, IStylePlatform const& platform)
{
    ItemList items;
    if (FontSpec const* font = paint.GetFont())
        items.Add(L"Font=[" + DescribeFont(*font, platform) + L"]");
    if (paint.HasTextColor())
        items.Add(L"TextColor=" + Hash(paint.GetTextColor()));
    if (paint.HasBands())
    {
        std::wstring bands;
        for (Band const& band : paint.GetBackgroundColors())
            bands += (bands.empty() ? L"(" : L",(") + Hash(band.from) + L"," + Hash(band.to) + L"," +
                     Number(band.size) + L")";
        items.Add(L"BackgroundColor=[" + bands + L"]");
    }
    if (paint.GetGradientDirection() != 0)
        items.Add(paint.GetGradientDirection() == 2 ? L"VerticalGradient" : L"HorizontalGradient");
    if (!paint.GetImage().empty())
        items.Add(L"Image=(" + paint.GetImage() + L")");
    if (paint.GetImageFill() != 0)
        items.Add(L"ImageFill=" + Word(kImageFills, paint.GetImageFill()));
    if (paint.GetImageAlign() != 0)
        items.Add(L"ImageAlign=" + Word(kAlignments, paint.GetImageAlign()));
    Point const offset = paint.GetImageOffset();
    if (offset.x != 0 || offset.y != 0)
        items.Add(L"ImageOffset=(" + Number(offset.x) + L"," + Number(offset.y) + L")");
    if (paint.HasCrop())
    {
        Rect const crop = paint.GetCrop();
        items.Add(L"Crop=(" + Number(crop.left) + L"," + Number(crop.top) + L"," + Number(crop.right) + L"," +
                  Number(crop.bottom) + L",)");
    }
    if (!paint.GetBorders().empty())
        items.Add(L"BorderDefs=(" + DescribeBorders(paint) + L")");
    if (items.Text().empty())
        return std::wstring();
    return std::wstring(paint.GetName()) + L"{" + items.Text() + L"}";
}

std::wstring lumo::DescribeDrawStyle(DrawStyle const& style, IStylePlatform const& platform)
{
    ItemList items;
    for (VisualState state : {kStateAll, kStateNormal, kStateHover, kStateSelect, kStateHiSelect, kStatePush,
                              kStateFocus, kStateDisable})
        if (PaintStyle const* paint = style.GetPaintStyle(state))
            items.Add(DescribePaintStyle(*paint, platform));
    Rect const& padding = style.OwnPadding();
    if (padding.left != kUnsetPadding || padding.top != kUnsetPadding || padding.right != kUnsetPadding ||
        padding.bottom != kUnsetPadding)
        items.Add(L"Padding=(" + Number(padding.left) + L"," + Number(padding.top) + L"," +
                  Number(padding.right) + L"," + Number(padding.bottom) + L")");
    if (style.OwnBorderRadius() != kUnsetRadius)
        items.Add(L"BorderRadius=" + Number(style.OwnBorderRadius()));
    if (style.OwnCursor() != 0)
        items.Add(L"Cursor=" + Word(kCursors, style.OwnCursor()));
    return items.Text();
}

std::wstring lumo::DescribeStyle(Style const& style, IStylePlatform const& platform)
{
    ItemList items(DescribeDrawStyle(style, platform));
    if (style.OwnAlignment() != 0)
        items.Add(L"Alignment=" + Word(kAlignments, style.OwnAlignment()));
    if (style.HasOwnMirror() && style.OwnMirror())
        items.Add(L"MirrorEffect");
    if (style.HasOwnSpace())
        items.Add(L"SpaceTextIcon=" + Number(style.OwnSpace()));
    if (style.HasOffsets())
        items.Add(L"OffsetTextIcon=[" + DescribeOffsets(style) + L"]");
    if (style.OwnIconPosition() != 0)
        items.Add(L"IconPosition=" + Word(kIconPositions, style.OwnIconPosition()));
    if (style.OwnSelectionMode() != 0)
        items.Add(L"SelectionMode=(" + SelectionModeWord(style.OwnSelectionMode()) + L")");
    return items.Text();
}

std::wstring lumo::DescribeObjStyle(ObjStyle const& style, IStylePlatform const& platform)
{
    ItemList items(DescribeStyle(style, platform));
    if (style.OwnControlKind() != 0)
        items.Add(L"Control=" + Word(kControlKinds, style.OwnControlKind()));
    if (style.OwnActivation() != 0)
        items.Add(L"Activation=" + Word(kActivations, style.OwnActivation()));
    if (style.OwnReadOnly())
        items.Add(L"ReadOnly=1");
    return items.Text();
}
