#include "LumoControls/TreeGrid/w32/StylePainter.h"

#include "LumoControls/LumoImage/ImageLayout.h"
#include "LumoControls/LumoImage/w32/ImagingLibrary.h"
#include "LumoControls/TreeGrid/LayoutGeometry.h"
#include "LumoControls/TreeGrid/PaintPlan.h"
#include "LumoControls/TreeGrid/w32/StylePlatform.h"
#include "LumoCtrls/DrawTools.h"
#include "LumoCtrls/LumoImage.h"

namespace
{
using lumo::Rect;

// Image fills (ImageFill= values).
constexpr int kFillHide = 1;
constexpr int kFillMosaic = 3;
constexpr int kFillRepeatHorizontal = 4;
constexpr int kFillUniform = 5;
constexpr int kFillStretch = 6;

// Pen kinds of a border style.
constexpr unsigned kPenSolid = 1;
constexpr unsigned kPenDotted = 2;

void FillSolid(HDC dc, Rect const& r, COLORREF color)
{
    COLORREF const previous = SetBkColor(dc, color);
    RECT const rect{r.left, r.top, r.right, r.bottom};
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    SetBkColor(dc, previous);
}

// One border line from (x1, y1) to (x2, y2), both ends drawn.
void BorderLine(HDC dc, int x1, int y1, int x2, int y2, lumo::Pen const& pen)
{
    if (x2 < x1 || y2 < y1)
        return;
    if (pen.kind == kPenSolid)
    {
        FillSolid(dc, Rect{x1, y1, x2 + 1, y2 + 1}, pen.color);
        return;
    }
    // Dotted and dashed pens are the imaging library's, in the context's logical coordinates.
    if (!lumo::EnsureImagingLibrary())
        return;
    Gdiplus::Graphics graphics(dc);
    POINT origin{};
    GetViewportOrgEx(dc, &origin);
    graphics.TranslateTransform(static_cast<Gdiplus::REAL>(origin.x), static_cast<Gdiplus::REAL>(origin.y));
    Gdiplus::Pen line(Gdiplus::Color(255, GetRValue(pen.color), GetGValue(pen.color), GetBValue(pen.color)),
                      1);
    line.SetDashStyle(pen.kind == kPenDotted ? Gdiplus::DashStyleDot : Gdiplus::DashStyleDash);
    graphics.DrawLine(&line, x1, y1, x2, y2);
}

void CornerArc(HDC dc, Rect const& box, POINT from, POINT to, lumo::Pen const& pen)
{
    HPEN const gdiPen = CreatePen(PS_SOLID, 1, pen.color);
    HGDIOBJ const previous = SelectObject(dc, gdiPen);
    Arc(dc, box.left, box.top, box.right, box.bottom, from.x, from.y, to.x, to.y);
    SelectObject(dc, previous);
    DeleteObject(gdiPen);
}

bool Draws(lumo::Pen const& pen)
{
    return pen.kind != 0 && pen.color != 0xFFFFFFFF;
}
} // namespace

// --- Clipping

lumo::CClipScope::CClipScope(HDC dc, Rect const& r, int radius) : m_dc(dc), m_saved(CreateRectRgn(0, 0, 0, 0))
{
    m_hadClip = GetClipRgn(dc, m_saved) == 1;
    POINT origin{};
    GetViewportOrgEx(dc, &origin); // regions are in device coordinates
    HRGN const region =
        radius > 0
            ? CreateRoundRectRgn(r.left + origin.x, r.top + origin.y, r.right + 1 + origin.x,
                                 r.bottom + 1 + origin.y, 2 * radius, 2 * radius)
            : CreateRectRgn(r.left + origin.x, r.top + origin.y, r.right + origin.x, r.bottom + origin.y);
    m_empty = ExtSelectClipRgn(dc, region, RGN_AND) == NULLREGION || lumo::IsEmpty(r);
    DeleteObject(region);
}

lumo::CClipScope::~CClipScope()
{
    SelectClipRgn(m_dc, m_hadClip ? m_saved : nullptr);
    DeleteObject(m_saved);
}

// --- The painter

void lumo::CStylePainter::Paint(HDC dc, Rect const& r, PaintValues const& values, StylePaint const& what)
{
    if (IsEmpty(r))
        return;
    if (what.background && !values.bands.empty())
        Bands(dc, r, values);
    if (what.image && !values.image.empty())
        Image(dc, r, values);
    if (what.borders)
        Borders(dc, r, values, what);
}

void lumo::CStylePainter::Bands(HDC dc, Rect const& r, PaintValues const& values)
{
    BandPlan const plan = PlanBands(r, values.bands, values.direction);
    CClipScope const clip(dc, plan.clip, values.radius);
    if (clip.IsEmpty())
        return;
    CDC wrapper(dc);
    for (BandRect const& band : plan.bands)
        DrawGradient(wrapper, RECT{band.rect.left, band.rect.top, band.rect.right, band.rect.bottom},
                     band.from, band.to, band.acrossWidth ? 1 : 0);
}

void lumo::CStylePainter::Image(HDC dc, Rect const& r, PaintValues const& values)
{
    auto const found = m_grid.Images().find(values.image);
    if (found == m_grid.Images().end() || found->second.IsEmpty() || values.imageFill == kFillHide)
        return;
    CLumoImage const& image = *found->second;
    bool const cropped = !IsEmpty(values.crop);
    int const width = cropped ? values.crop.Width() : image.GetWidth();
    int const height = cropped ? values.crop.Height() : image.GetHeight();
    if (width <= 0 || height <= 0)
        return;
    CClipScope const clip(dc, Rect{r.left + 1, r.top + 1, r.right, r.bottom}, values.radius);
    if (clip.IsEmpty())
        return;
    CDC wrapper(dc);
    auto drawAt = [&](int x, int y)
    {
        if (cropped)
            image.Draw(wrapper, x, y, width, height, values.crop.left, values.crop.top);
        else
            image.Draw(wrapper, x, y);
    };
    Point const offset = values.imageOffset;
    switch (values.imageFill)
    {
    case kFillMosaic:
        for (int y = r.top + offset.y; y < r.bottom; y += height)
            for (int x = r.left + offset.x; x < r.right; x += width)
                drawAt(x, y);
        return;
    case kFillRepeatHorizontal:
        for (int x = r.left + offset.x; x < r.right; x += width)
            drawAt(x, r.top + offset.y);
        return;
    case kFillUniform:
    {
        Rect const fit = Shifted(StretchedPlacement(width, height, r.Width(), r.Height()), r.left, r.top);
        image.Draw(wrapper, fit.left, fit.top, fit.Width(), fit.Height());
        return;
    }
    case kFillStretch:
        image.Draw(wrapper, r.left, r.top, r.Width(), r.Height());
        return;
    default: // preserved: once, by the offset or else by the alignment
    {
        int x = r.left;
        int y = r.top;
        if (offset.x != 0 || offset.y != 0)
        {
            x += offset.x;
            y += offset.y;
        }
        else
        {
            int const align = values.imageAlign;
            if (align >= 4 && align <= 6)
                x = r.left + (r.Width() - width) / 2;
            else if (align >= 7 && align <= 9)
                x = r.right - width;
            if (align == 1 || align == 4 || align == 7)
                y = r.top + (r.Height() - height) / 2;
            else if (align == 3 || align == 6 || align == 9)
                y = r.bottom - height;
        }
        drawAt(x + values.textIconOffset.x, y + values.textIconOffset.y);
    }
    }
}

void lumo::CStylePainter::Borders(HDC dc, Rect r, PaintValues const& values, StylePaint const& what)
{
    if (what.cellBorders)
    {
        r.bottom -= 1;
        if (what.entireSelection && m_grid.Model().CheckGridLinesStyle(GridLines::kVertical))
            r.right -= 2;
        if (what.entireSelection && m_grid.Model().CheckGridLinesStyle(GridLines::kHorizontal))
            r.bottom -= 1;
    }
    int const radius = values.radius;
    std::vector<Pen> const& left = values.borders[0];
    std::vector<Pen> const& top = values.borders[1];
    std::vector<Pen> const& right = values.borders[2];
    std::vector<Pen> const& bottom = values.borders[3];
    // Each side from the outside in: the k-th pen one pixel inside the one before.
    for (std::size_t k = 0; k < left.size(); ++k)
        if (Draws(left[k]))
            BorderLine(dc, r.left + int(k), r.top + int(k) + radius, r.left + int(k),
                       r.bottom - 1 - int(k) - radius, left[k]);
    for (std::size_t k = 0; k < top.size(); ++k)
        if (Draws(top[k]))
            BorderLine(dc, r.left + int(k) + radius, r.top + int(k), r.right - 1 - int(k) - radius,
                       r.top + int(k), top[k]);
    for (std::size_t k = 0; k < right.size(); ++k)
        if (Draws(right[k]))
            BorderLine(dc, r.right - 1 - int(k), r.top + int(k) + radius, r.right - 1 - int(k),
                       r.bottom - 1 - int(k) - radius, right[k]);
    for (std::size_t k = 0; k < bottom.size(); ++k)
        if (Draws(bottom[k]))
            BorderLine(dc, r.left + int(k) + radius, r.bottom - 1 - int(k), r.right - 1 - int(k) - radius,
                       r.bottom - 1 - int(k), bottom[k]);
    if (radius <= 0)
        return;
    // Quarter arcs join the sides, in the top side's pen above and the bottom side's below.
    int const d = 2 * radius + 1;
    if (!top.empty() && Draws(top[0]))
    {
        CornerArc(dc, Rect{r.left, r.top, r.left + d, r.top + d}, POINT{r.left + radius, r.top},
                  POINT{r.left, r.top + radius}, top[0]);
        CornerArc(dc, Rect{r.right - d, r.top, r.right, r.top + d}, POINT{r.right - 1, r.top + radius},
                  POINT{r.right - 1 - radius, r.top}, top[0]);
    }
    if (!bottom.empty() && Draws(bottom[0]))
    {
        CornerArc(dc, Rect{r.left, r.bottom - d, r.left + d, r.bottom}, POINT{r.left, r.bottom - 1 - radius},
                  POINT{r.left + radius, r.bottom - 1}, bottom[0]);
        CornerArc(dc, Rect{r.right - d, r.bottom - d, r.right, r.bottom},
                  POINT{r.right - 1 - radius, r.bottom - 1}, POINT{r.right - 1, r.bottom - 1 - radius},
                  bottom[0]);
    }
}

void lumo::CStylePainter::Text(HDC dc, Rect const& textPart, Rect const& inner, std::wstring const& text,
                               PaintValues const& values)
{
    if (text.empty() || IsEmpty(textPart))
        return;
    TextPlacement const placement =
        PlaceText(textPart, inner, values.alignment, values.mirror, m_grid.multilineTexts);
    CFont const& font = values.font != nullptr ? m_grid.GetFonts().Get(*values.font) : SharedTreeGridFont();
    HGDIOBJ const previousFont = SelectObject(dc, font.GetHandle());
    COLORREF const previousColor =
        SetTextColor(dc, values.textColor == kUnsetColor ? RGB(0, 0, 0) : values.textColor);
    RECT rect{placement.rect.left, placement.rect.top, placement.rect.right, placement.rect.bottom};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, placement.flags);
    SetTextColor(dc, previousColor);
    SelectObject(dc, previousFont);
}
