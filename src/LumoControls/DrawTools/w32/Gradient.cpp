// The gradients, painted by executing the portable plans on a context.
#include "LumoControls/DrawTools/Gradient.h"
#include "INC/w32/Geometry.h"
#include "LumoControls/DrawTools/w32/GradientFillFunction.h"
#include "LumoCtrls/ColorArithmetic.h"
#include "LumoCtrls/DrawTools.h"

namespace
{
class CContextSink : public lumo::IGradientSink
{
public:
    CContextSink(HDC dc, lumo::GradientFillFunction gradientFill) : m_dc(dc), m_gradientFill(gradientFill) {}

    // A band is filled through the background colour: many bands, and no brush to create for each.
    void Fill(lumo::Rect const& rect, COLORREF color) override
    {
        RECT const area{rect.left, rect.top, rect.right, rect.bottom};
        COLORREF const previous = SetBkColor(m_dc, color);
        ExtTextOutW(m_dc, 0, 0, ETO_OPAQUE, &area, L"", 0, nullptr);
        SetBkColor(m_dc, previous);
    }

    void LinearGradient(lumo::Rect const& rect, COLORREF from, COLORREF to, bool horizontal) override
    {
        TRIVERTEX vertices[2] = {Vertex(rect.left, rect.top, from), Vertex(rect.right, rect.bottom, to)};
        GRADIENT_RECT joined{0, 1};
        m_gradientFill(m_dc, vertices, 2, &joined, 1,
                       horizontal ? GRADIENT_FILL_RECT_H : GRADIENT_FILL_RECT_V);
    }

private:
    static TRIVERTEX Vertex(int x, int y, COLORREF color)
    {
        TRIVERTEX vertex{};
        vertex.x = x;
        vertex.y = y;
        vertex.Red = static_cast<COLOR16>(GetRValue(color) << 8);
        vertex.Green = static_cast<COLOR16>(GetGValue(color) << 8);
        vertex.Blue = static_cast<COLOR16>(GetBValue(color) << 8);
        vertex.Alpha = 0;
        return vertex;
    }

    HDC m_dc;
    lumo::GradientFillFunction m_gradientFill;
};

void DrawTwoSegments(CDCBase& dc, RECT const& rect, lumo::GradientColors const& colors, int horizontal,
                     int mode)
{
    lumo::GradientFillFunction const gradientFill = lumo::GetGradientFill();
    CContextSink sink(dc.GetHandle(), gradientFill);
    lumo::PlanTwoSegmentGradient(sink, lumo::FromRECT(rect), colors, horizontal != 0, mode,
                                 gradientFill != nullptr);
}
} // namespace

void DrawGradient(CDCBase& dc, RECT const& rect, COLORREF start, COLORREF end, int horizontal)
{
    lumo::GradientFillFunction const gradientFill = lumo::GetGradientFill();
    CContextSink sink(dc.GetHandle(), gradientFill);
    lumo::PlanGradient(sink, lumo::FromRECT(rect), start, end, horizontal != 0, gradientFill != nullptr);
}

void DrawGradient2(CDCBase& dc, RECT const& rect, int hue, int saturation, int lightness1, int lightness2,
                   int horizontal, int mode)
{
    DrawTwoSegments(dc, rect, lumo::HlsGradientColors(hue, saturation, lightness1, lightness2), horizontal,
                    mode);
}

void DrawGradient2NoLumoInterface(CDCBase& dc, RECT const& rect, int hue, int saturation, int lightness1,
                                  int lightness2, int horizontal, int mode)
{
    lumo::GradientColors colors = lumo::HlsGradientColors(hue, saturation, lightness1, lightness2);
    colors.first = 0xF0F0F0;
    colors.second = DarkenColor(45, GetSysColor(COLOR_BTNFACE));
    DrawTwoSegments(dc, rect, colors, horizontal, mode);
}

void FillRectColor(CDCBase& dc, RECT const& rect, COLORREF color)
{
    CBrush brush;
    brush.CreateSolid(color);
    dc.FillRect(rect, brush);
}
