#include "LumoControls/TreeGrid/PaintPlan.h"

#include "LumoControls/TreeGrid/LayoutGeometry.h"

#include <algorithm>

lumo::BandPlan lumo::PlanBands(Rect const& r, std::vector<Band> const& bands, int direction)
{
    int const w = r.Width();
    int const h = r.Height();
    BandPlan plan{Rect{r.left + 2, r.top + 2, r.left + w, r.top + h}, {}};
    bool const sideBySide = direction == 2;
    int position = sideBySide ? r.left : r.top;
    for (Band const& band : bands)
    {
        int const extent = band.size * ((sideBySide ? w : h) + 2) / 100;
        Rect const rect = sideBySide ? Rect{position, r.top, position + extent, r.top + h + 2}
                                     : Rect{r.left, position, r.left + w + 2, position + extent};
        plan.bands.push_back(BandRect{rect, band.from, band.to, sideBySide});
        position += extent;
    }
    return plan;
}

lumo::TextPlacement lumo::PlaceText(Rect const& textPart, Rect const& inner, int alignment, bool mirror,
                                    bool multiline)
{
    unsigned horizontal = TextFlags::kLeft;
    if (alignment >= 4 && alignment <= 6)
        horizontal = TextFlags::kCenter;
    else if (alignment >= 7 && alignment <= 9)
        horizontal = TextFlags::kRight;
    if (mirror && horizontal != TextFlags::kCenter)
        horizontal = horizontal == TextFlags::kLeft ? TextFlags::kRight : TextFlags::kLeft;
    unsigned const flags =
        horizontal | TextFlags::kNoPrefix |
        (multiline ? TextFlags::kWordBreak
                   : TextFlags::kSingleLine | TextFlags::kEditControl | TextFlags::kEndEllipsis);
    Rect rect = textPart;
    bool const top = alignment == 2 || alignment == 5 || alignment == 8;
    bool const bottom = alignment == 3 || alignment == 6 || alignment == 9;
    if (top)
    {
        rect.top = inner.top;
        rect.bottom = inner.bottom;
    }
    else if (bottom)
        rect = Shifted(rect, 0, inner.bottom - rect.bottom);
    return TextPlacement{rect, flags};
}

std::vector<lumo::Segment> lumo::TreeLineSegments(TreeLineRow const& row)
{
    std::vector<Segment> segments;
    Rect const& outer = row.outer;
    int const h = outer.Height();
    int const step = row.level * row.indentation +
                     (row.expandButtons ? row.buttonWidth / 2 : -row.buttonWidth) + row.ancestorsOffset;
    int const direction = row.mirror ? -1 : 1;
    int const x = (row.mirror ? outer.right : outer.left) + direction * step;
    if (x <= 0 || x >= outer.right)
        return segments;
    int const middle = outer.top + h / 2;

    bool const single = row.level == 0 && !row.hasPrevious && !row.hasNext;
    if (!single)
    {
        int const from = row.level == 0 && row.firstTopLevel ? middle + 1 : outer.top;
        segments.push_back(Segment{x, from, x, row.hasNext ? outer.bottom - 1 : middle});
    }
    if (row.expandedParent)
    {
        int const child = x + direction * (row.indentation + row.ownOffset);
        segments.push_back(Segment{child, row.textBottom, child, outer.bottom - 1});
    }
    if (row.level > 0 || row.expandButtons)
    {
        int const end = x + direction * (row.indentation - row.buttonWidth + 1);
        segments.push_back(Segment{std::min(x, end), middle - 1, std::max(x, end), middle - 1});
    }
    for (std::size_t k = 0; k < row.ancestorsContinue.size(); ++k)
    {
        int const ancestorX = x - direction * static_cast<int>(k + 1) * row.indentation;
        if (row.ancestorsContinue[k] && ancestorX > outer.left && ancestorX < outer.right)
            segments.push_back(Segment{ancestorX, outer.top, ancestorX, outer.bottom});
    }
    return segments;
}

std::vector<lumo::Rect> lumo::HighlightRects(int selectionMode, CellGeometry const& geometry)
{
    std::vector<Rect> rects;
    auto add = [&](Rect const& r)
    {
        if (!IsEmpty(r))
            rects.push_back(r);
    };
    Rect const text = geometry.Part(kPartText);
    Rect const control = geometry.Part(kPartControl);
    if ((selectionMode & 8) != 0)
        add(geometry.outer);
    else if (selectionMode == 1)
        add(geometry.Part(kPartIcon));
    else if (selectionMode == 2)
        add(IsEmpty(text) ? text : Rect{text.left - 2, text.top - 1, text.right, text.bottom + 1});
    else if (selectionMode == 3)
        add(geometry.content);
    else if (selectionMode == 4)
        add(control);
    else if (selectionMode == 7)
    {
        Rect const both{std::max(geometry.content.left, control.left),
                        std::max(geometry.content.top, control.top),
                        std::min(geometry.content.right, control.right),
                        std::min(geometry.content.bottom, control.bottom)};
        if (!IsEmpty(both))
            add(both);
        else
        {
            add(geometry.content);
            add(control);
        }
    }
    return rects;
}

lumo::VisualState lumo::CellPaintState(CellStateInput const& input)
{
    VisualState state = input.own;
    if (input.editing)
        state = kStateSelect | kStateFocus;
    else if ((state & kStateDisable) == 0)
    {
        if (input.raiseToColumn && input.column >= state)
            state = input.column;
        if (input.raiseToRow && input.row >= state)
            state = input.row;
    }
    if (input.focusCell)
        state |= kStateFocus;
    return state;
}
