// How owner-drawn menu items are measured and painted, independent of the platform.
//
// Painting an item is a sequence of calls on an IMenuCanvas: fills, gradients, framed and filled
// rectangles, text, the command's image, the check mark, the radio dot and single pixels. The Win32 side
// executes them on the item's device context; the tests record them.
#pragma once

#include "LumoCtrls/Types.h"

#include <string>

namespace lumo
{
// The colours the platform answers for the menus, and the library's own state they depend on.
struct MenuPalette
{
    COLORREF menuText;     // COLOR_MENUTEXT
    COLORREF grayText;     // COLOR_GRAYTEXT
    COLORREF window;       // COLOR_WINDOW
    COLORREF highlight;    // COLOR_HIGHLIGHT
    COLORREF buttonFace;   // COLOR_BTNFACE
    COLORREF buttonShadow; // COLOR_BTNSHADOW
    COLORREF hint;         // GetHintColor()
    COLORREF theme;        // GetThemeColor()
};

// The item colours derived from a palette.
COLORREF MenuBaseColor(MenuPalette const& palette);      // DarkenColor(10, window): the pop-up background
COLORREF MenuSelectionColor(MenuPalette const& palette); // HLS_TRANSFORM(hint, 50, 0)
constexpr COLORREF kMenuFramePen = 0x3C8CFB;

// The state flags of the item being drawn.
struct MenuItemState
{
    bool selected = false;
    bool grayed = false;
    bool disabled = false;
    bool checked = false;
    bool hot = false;
    bool inactive = false;
};

// What a pop-up item is.
struct PopupItem
{
    std::wstring text; // the item's text (mnemonic and accelerator included)
    bool separator = false;
    bool radio = false;
    bool hasImage = false; // an image is registered for its command
    bool opensSubmenu = false;
};

enum class MenuTextAlign
{
    Left,
    Right,
    Center
};

class IMenuCanvas
{
public:
    virtual ~IMenuCanvas() = default;
    virtual void Fill(Rect const& rect, COLORREF color) = 0;
    virtual void Gradient(Rect const& rect, COLORREF from, COLORREF to, bool horizontal) = 0;
    // The outline of rect (a Rectangle with a width-0 pen of that colour, inside left alone).
    virtual void Frame(Rect const& rect, COLORREF pen) = 0;
    // A Rectangle outlined with the pen colour and filled with the brush colour.
    virtual void Box(Rect const& rect, COLORREF pen, COLORREF brush) = 0;
    // One line of text, vertically centred in rect.
    virtual void Text(Rect const& rect, std::wstring const& text, MenuTextAlign align, COLORREF color) = 0;
    // The item's registered image, greyed when disabled.
    virtual void Image(int x, int y, int width, int height, bool disabled) = 0;
    // The system's check mark bitmap at (x, y) on the given background.
    virtual void CheckMark(int x, int y, COLORREF background) = 0;
    virtual void Ellipse(Rect const& rect, COLORREF color) = 0;
    virtual void Pixel(int x, int y, COLORREF color) = 0;
    // Darkens what is already at (x, y) by DarkenColor(factor, ...).
    virtual void DarkenPixel(int x, int y, int factor) = 0;
};

// Paints a pop-up item into rect. imageWidth and imageHeight are those of its menu (each at least 16).
void PaintPopupItem(IMenuCanvas& canvas, Rect const& rect, PopupItem const& item, MenuItemState const& state,
                    int imageWidth, int imageHeight, MenuPalette const& palette);

// How a selected menu-bar item casts its drop shadow.
enum class MenuShadow
{
    None,     // the system's menu drop shadow is off
    Solid,    // a display of 256 colours or fewer: the button-shadow colour
    Darkened, // otherwise: the pixels beside the item, darkened
};

struct MenuBarItemResult
{
    Rect painted;   // the item's rectangle less its 4-pixel right margin: excluded from further painting
    int dropWidth;  // the width of the selected item's highlight (0 unless selected), for the menu's frame gap
};

MenuBarItemResult PaintMenuBarItem(IMenuCanvas& canvas, Rect const& rect, std::wstring const& text,
                                   MenuItemState const& state, MenuPalette const& palette, MenuShadow shadow);

// --- Measuring

// The extent of a text in the menu font (bold for a menu's default item).
class IMenuTextMeasurer
{
public:
    virtual ~IMenuTextMeasurer() = default;
    virtual int Extent(std::wstring const& text, bool bold) = 0;
};

// The width an item text takes: its extent, less that of "&" when it holds a mnemonic, plus that of four
// spaces when it holds a tab (the gap before the accelerator).
int MenuItemTextWidth(IMenuTextMeasurer& measurer, std::wstring const& text, bool bold);

struct MenuItemSize
{
    int width;
    int height;
};

// WM_MEASUREITEM answers. `given` is what the platform proposed.
MenuItemSize MeasureMenuBarItem(int itemTextWidth, MenuItemSize given);
MenuItemSize MeasurePopupItem(bool separator, int menuTextWidth, int imageWidth, int imageHeight, MenuItemSize given);

// The text of an item split at its first tab: the label and the accelerator (empty when there is none).
struct MenuItemText
{
    std::wstring label;
    std::wstring accelerator;
};
MenuItemText SplitMenuItemText(std::wstring const& text);
} // namespace lumo
