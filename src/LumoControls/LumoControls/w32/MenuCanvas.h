// The menu painting calls executed on an item's device context.
#pragma once

#include <windows.h>

#include "INC/w32/Geometry.h"
#include "LumoControls/LumoControls/MenuPainting.h"
#include "LumoCtrls/ResourceTracker.h"

namespace lumo
{
class CMenuCanvas : public IMenuCanvas
{
public:
    // identifier: the command whose registered image Image() draws; bold: the menu's default item.
    CMenuCanvas(HDC dc, UINT identifier, bool bold);

    void Fill(Rect const& rect, COLORREF color) override;
    void Gradient(Rect const& rect, COLORREF from, COLORREF to, bool horizontal) override;
    void Frame(Rect const& rect, COLORREF pen) override;
    void Box(Rect const& rect, COLORREF pen, COLORREF brush) override;
    void Text(Rect const& rect, std::wstring const& text, MenuTextAlign align, COLORREF color) override;
    void Image(int x, int y, int width, int height, bool disabled) override;
    void CheckMark(int x, int y, COLORREF background) override;
    void Ellipse(Rect const& rect, COLORREF color) override;
    void Pixel(int x, int y, COLORREF color) override;
    void DarkenPixel(int x, int y, int factor) override;

private:
    CDC m_dc; // puts back the context's pen, brush and font when painting ends
    UINT m_identifier;
    bool m_bold;
};

// The palette of the system's colours and the library's colour state now.
MenuPalette CurrentMenuPalette();
} // namespace lumo
