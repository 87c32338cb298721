#define OEMRESOURCE // the system bitmaps (OBM_CHECK)

#include "LumoControls/LumoControls/w32/MenuCanvas.h"

#include "LumoControls/LumoControls/w32/MenuFonts.h"
#include "LumoCtrls/ColorArithmetic.h"
#include "LumoCtrls/DrawTools.h"
#include "LumoCtrls/LumoControls.h"

lumo::MenuPalette lumo::CurrentMenuPalette()
{
    return MenuPalette{GetSysColor(COLOR_MENUTEXT),
                       GetSysColor(COLOR_GRAYTEXT),
                       GetSysColor(COLOR_WINDOW),
                       GetSysColor(COLOR_HIGHLIGHT),
                       GetSysColor(COLOR_BTNFACE),
                       GetSysColor(COLOR_BTNSHADOW),
                       GetHintColor(),
                       GetThemeColor()};
}

lumo::CMenuCanvas::CMenuCanvas(HDC dc, UINT identifier, bool bold)
    : m_dc(dc), m_identifier(identifier), m_bold(bold)
{
}

void lumo::CMenuCanvas::Fill(Rect const& rect, COLORREF color)
{
    FillRectColor(m_dc, ToRECT(rect), color);
}

void lumo::CMenuCanvas::Gradient(Rect const& rect, COLORREF from, COLORREF to, bool horizontal)
{
    DrawGradient(m_dc, ToRECT(rect), from, to, horizontal ? 1 : 0);
}

void lumo::CMenuCanvas::Frame(Rect const& rect, COLORREF pen)
{
    m_dc.SelectSolidPen(pen);
    CBrush hollow(static_cast<HBRUSH>(GetStockObject(NULL_BRUSH)));
    hollow.Disown(); // a stock object
    m_dc.Select(hollow);
    m_dc.Rectangle(rect.left, rect.top, rect.right, rect.bottom);
}

void lumo::CMenuCanvas::Box(Rect const& rect, COLORREF pen, COLORREF brush)
{
    m_dc.SelectSolidPen(pen);
    m_dc.SelectSolidBrush(brush);
    m_dc.Rectangle(rect.left, rect.top, rect.right, rect.bottom);
}

void lumo::CMenuCanvas::Text(Rect const& rect, std::wstring const& text, MenuTextAlign align, COLORREF color)
{
    m_dc.Select(MenuFont(m_bold));
    int const mode = SetBkMode(m_dc, TRANSPARENT);
    COLORREF const previous = m_dc.SetTextColor(color);
    UINT format = DT_SINGLELINE | DT_VCENTER;
    if (align == MenuTextAlign::Right)
        format |= DT_RIGHT;
    else if (align == MenuTextAlign::Center)
        format |= DT_CENTER;
    RECT area = ToRECT(rect);
    m_dc.DrawTextW(text, area, format);
    m_dc.SetTextColor(previous);
    SetBkMode(m_dc, mode);
}

void lumo::CMenuCanvas::Image(int x, int y, int width, int height, bool disabled)
{
    CLumoControls::DrawBitmapId(m_dc, m_identifier, x, y, width, height, disabled ? 1 : 0);
}

void lumo::CMenuCanvas::CheckMark(int x, int y, COLORREF background)
{
    CBitmap check;
    check.Load(nullptr, OBM_CHECK);
    // A monochrome bitmap takes the context's colours: the mark in the text colour on the background.
    COLORREF const previousBackground = m_dc.SetBkColor(background);
    COLORREF const previousText = m_dc.SetTextColor(RGB(0, 0, 0));
    m_dc.DrawStateW(nullptr, nullptr, reinterpret_cast<LPARAM>(check.GetHandle()), 0, x, y, 0, 0, DST_BITMAP);
    m_dc.SetTextColor(previousText);
    m_dc.SetBkColor(previousBackground);
}

void lumo::CMenuCanvas::Ellipse(Rect const& rect, COLORREF color)
{
    m_dc.SelectSolidPen(color);
    m_dc.SelectSolidBrush(color);
    m_dc.Ellipse(rect.left, rect.top, rect.right, rect.bottom);
}

void lumo::CMenuCanvas::Pixel(int x, int y, COLORREF color)
{
    SetPixelV(m_dc, x, y, color);
}

void lumo::CMenuCanvas::DarkenPixel(int x, int y, int factor)
{
    COLORREF const pixel = GetPixel(m_dc, x, y);
    if (pixel != CLR_INVALID)
        SetPixelV(m_dc, x, y, DarkenColor(factor, pixel));
}
