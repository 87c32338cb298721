// Draws what a paint style resolves to: background bands, the style's image, its borders; and texts.
// Everything is drawn in the coordinates of the context it is given.
#pragma once

#include <windows.h>

#include "LumoControls/TreeGrid/PaintValues.h"
#include "LumoControls/TreeGrid/w32/TreeGridImpl.h"

namespace lumo
{
struct StylePaint
{
    bool image = true;
    bool borders = true;
    bool background = true;
    bool cellBorders = false;     // a cell's borders keep its last pixel row free for grid lines
    bool entireSelection = false; // ...and, selected entire, the grid lines' pixels too
};

class CStylePainter
{
public:
    explicit CStylePainter(CTreeGrid::CImpl& grid) : m_grid(grid) {}

    void Paint(HDC dc, Rect const& r, PaintValues const& values, StylePaint const& what);
    // The text of a text part: alignment, mirror and the multi-line setting decide its flags.
    void Text(HDC dc, Rect const& textPart, Rect const& inner, std::wstring const& text,
              PaintValues const& values);

private:
    void Bands(HDC dc, Rect const& r, PaintValues const& values);
    void Image(HDC dc, Rect const& r, PaintValues const& values);
    void Borders(HDC dc, Rect r, PaintValues const& values, StylePaint const& what);

    CTreeGrid::CImpl& m_grid;
};

// Clips the context to a rectangle rounded by a radius (intersected with the clip in force) while it lives.
class CClipScope
{
public:
    CClipScope(HDC dc, Rect const& r, int radius);
    ~CClipScope();
    CClipScope(CClipScope const&) = delete;
    CClipScope& operator=(CClipScope const&) = delete;
    bool IsEmpty() const { return m_empty; }

private:
    HDC m_dc;
    HRGN m_saved;
    bool m_hadClip;
    bool m_empty = false;
};
} // namespace lumo
