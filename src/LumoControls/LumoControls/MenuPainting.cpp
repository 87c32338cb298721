#include "LumoControls/LumoControls/MenuPainting.h"

#include "LumoCtrls/ColorArithmetic.h"

namespace
{
lumo::Rect Shrunk(lumo::Rect const& rect, int by)
{
    return lumo::Rect{rect.left + by, rect.top + by, rect.right - by, rect.bottom - by};
}

constexpr COLORREF kBlack = 0x000000;

// The width of the shaded image column and the gaps around the text.
constexpr int kImageColumnPadding = 6;
constexpr int kTextGap = 4;
constexpr int kTextRightMargin = 15;
constexpr int kMenuBarRightMargin = 4;
} // namespace

COLORREF lumo::MenuBaseColor(MenuPalette const& palette)
{
    return DarkenColor(10, palette.window);
}

COLORREF lumo::MenuSelectionColor(MenuPalette const& palette)
{
    return HLS_TRANSFORM(palette.hint, 50, 0);
}

lumo::MenuItemText lumo::SplitMenuItemText(std::wstring const& text)
{
    std::size_t const tab = text.find(L'\t');
    if (tab == std::wstring::npos)
        return MenuItemText{text, std::wstring()};
    return MenuItemText{text.substr(0, tab), text.substr(tab + 1)};
}

void lumo::PaintPopupItem(IMenuCanvas& canvas, Rect const& r, PopupItem const& item,
                          MenuItemState const& state, int imageWidth, int imageHeight,
                          MenuPalette const& palette)
{
    int const w = imageWidth;
    int const h = imageHeight;
    COLORREF const base = MenuBaseColor(palette);

    // 1. The background and the shaded image column.
    canvas.Fill(r, base);
    canvas.Gradient(Rect{r.left, r.top, r.left + kImageColumnPadding + w, r.bottom},
                    MixedColor(base, palette.theme), palette.theme, true);

    // 2. The text area starts right of the image column.
    Rect const textRect{r.left + kImageColumnPadding + w + kTextGap, r.top, r.right - kTextRightMargin,
                        r.bottom};

    // 3. A separator is a highlight-coloured line across the text area.
    if (item.separator)
    {
        canvas.Fill(Rect{textRect.left, r.top + 1, r.right, r.bottom - 1}, palette.highlight);
        return;
    }

    // 4. Selection, then the label left and the accelerator right.
    if (state.selected)
    {
        canvas.Frame(Shrunk(r, 1), kMenuFramePen);
        canvas.Fill(Shrunk(r, 2), MenuSelectionColor(palette));
    }
    bool const dimmed = state.grayed || state.disabled;
    COLORREF const textColor = dimmed ? palette.grayText : palette.menuText;
    MenuItemText const parts = SplitMenuItemText(item.text);
    canvas.Text(textRect, parts.label, MenuTextAlign::Left, textColor);
    if (!parts.accelerator.empty())
        canvas.Text(textRect, parts.accelerator, MenuTextAlign::Right, textColor);

    // 5. The box behind a checked item's image or mark.
    COLORREF boxColor = palette.hint;
    if (state.disabled)
        boxColor = HLS_TRANSFORM(palette.buttonFace, 73, 0);
    else if (state.selected)
        boxColor = HLS_TRANSFORM(palette.hint, -35, 0);
    if (state.checked)
        canvas.Box(Rect{r.left + 1, r.top + 1, r.left + 4 + w, r.bottom - 1}, palette.highlight, boxColor);

    // 6. The command's image, or the drawn check mark or radio dot.
    if (item.hasImage)
        canvas.Image(r.left + 2, r.top + 2, w + 3, h + 3, state.disabled);
    else if (state.checked && !item.radio)
        canvas.CheckMark(r.left + w / 4 + 2, r.top + 5, boxColor);
    else if (state.checked)
    {
        int const cx = (r.left + w / 4 + 2 + r.left + w) / 2;
        int const cy = (r.top + r.bottom) / 2;
        COLORREF const dot = state.disabled ? HLS_TRANSFORM(palette.buttonFace, -27, 0) : palette.menuText;
        canvas.Ellipse(Rect{cx - 4, cy - 3, cx + 3, cy + 4}, dot);
        canvas.Pixel(cx + 1, cy + 2, dot);
    }

    // 7. The arrow of an item that opens a sub-menu: a right-pointing triangle of four columns.
    if (item.opensSubmenu)
    {
        COLORREF const arrow = dimmed ? palette.grayText : kBlack;
        for (int i = 0; i < 4; ++i)
            for (int y = r.top + 8 + i; y < r.top + 8 + i + 7 - 2 * i; ++y)
                canvas.Pixel(r.right - 10 + i, y, arrow);
    }
}

lumo::MenuBarItemResult lumo::PaintMenuBarItem(IMenuCanvas& canvas, Rect const& r, std::wstring const& text,
                                               MenuItemState const& state, MenuPalette const& palette,
                                               MenuShadow shadow)
{
    Rect const item{r.left, r.top, r.right - kMenuBarRightMargin, r.bottom};
    Rect const inner = Shrunk(item, 1);
    bool const highlighted = (state.hot || state.selected) && !state.inactive;
    if (highlighted)
    {
        if (!state.selected)
            canvas.Frame(item, kMenuFramePen);
        if (state.selected)
            canvas.Gradient(inner, MenuBaseColor(palette), palette.theme, false);
        else
            canvas.Gradient(inner, HLS_TRANSFORM(palette.hint, 70, 0), HLS_TRANSFORM(palette.hint, 30, 0),
                            false);
    }
    else
        canvas.Fill(r, palette.theme);

    // The open menu's frame leaves a gap under a selected item, whether or not its window is active.
    MenuBarItemResult const result{item, state.selected ? inner.Width() : 0};
    bool const dimmed = state.grayed || state.disabled;
    canvas.Text(item, text, MenuTextAlign::Center, dimmed ? palette.grayText : palette.menuText);

    // The open menu hangs below the item; its shadow starts down the item's right edge. Two columns in the
    // item's right margin, the inner one darker, from two pixels below the top.
    if (state.selected && shadow != MenuShadow::None)
        for (int y = item.top + 2; y < item.bottom; ++y)
        {
            if (shadow == MenuShadow::Solid)
            {
                canvas.Pixel(item.right, y, palette.buttonShadow);
                canvas.Pixel(item.right + 1, y, palette.buttonShadow);
            }
            else
            {
                canvas.DarkenPixel(item.right, y, 30);
                canvas.DarkenPixel(item.right + 1, y, 6);
            }
        }
    return result;
}

int lumo::MenuItemTextWidth(IMenuTextMeasurer& measurer, std::wstring const& text, bool bold)
{
    int width = measurer.Extent(text, bold);
    if (text.find(L'&') != std::wstring::npos)
        width -= measurer.Extent(L"&", bold);
    if (text.find(L'\t') != std::wstring::npos)
        width += measurer.Extent(L"    ", bold);
    return width;
}

lumo::MenuItemSize lumo::MeasureMenuBarItem(int itemTextWidth, MenuItemSize given)
{
    return MenuItemSize{itemTextWidth + 12, given.height};
}

lumo::MenuItemSize lumo::MeasurePopupItem(bool separator, int menuTextWidth, int imageWidth, int imageHeight,
                                          MenuItemSize given)
{
    if (separator)
        return MenuItemSize{given.width, 3};
    return MenuItemSize{menuTextWidth + imageWidth + 22, given.height + imageHeight / 2};
}
