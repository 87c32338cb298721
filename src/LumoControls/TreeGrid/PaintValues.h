// What one style paints in one visual state, resolved once: the painter reads these values instead of
// walking the style's parents for every value of every cell. A frame keeps them in a PaintCache, so each
// visible (style, state) is resolved once per frame and no change of a style can leave a stale value.
#pragma once

#include "LumoControls/TreeGrid/StyleTypes.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace lumo
{
class DrawStyle;

struct PaintValues
{
    std::vector<Band> bands;
    int direction = 0;
    std::wstring image;
    int imageFill = 0;
    int imageAlign = 0;
    Point imageOffset{0, 0};
    Rect crop{};
    std::vector<Pen> borders[4]; // left, top, right, bottom
    int radius = 0;
    // Only for styles with text (column and row headers, cells, controls).
    COLORREF textColor = kUnsetColor;
    FontSpec const* font = nullptr; // null: the tree grid's shared font
    Point textIconOffset{0, 0};
    int alignment = 0;
    bool mirror = false;
};

PaintValues ResolvePaint(DrawStyle const& style, VisualState state);

class PaintCache
{
public:
    PaintValues const& Get(DrawStyle const& style, VisualState state);
    void Clear() { m_values.clear(); }

private:
    std::map<std::pair<DrawStyle const*, VisualState>, PaintValues> m_values;
};
} // namespace lumo
