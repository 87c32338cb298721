// Where the parts of one cell or free float control lie: the expand button, the control or its glyph, the
// icon and the text, as the cell's style places them. Painting, hit testing and GetRect all read this.
#pragma once

#include "LumoControls/TreeGrid/StyleTypes.h"
#include "LumoControls/TreeGrid/TreeTypes.h"
#include "LumoCtrls/Types.h"

#include <string>
#include <vector>

namespace lumo
{
// The part codes, shared with the hit codes.
enum CellPart : int
{
    kPartExpandButton = 8,
    kPartIcon = 9,
    kPartText = 10,
    kPartControl = 13,
};

// What the layout measures through the platform.
class ICellMeasure
{
public:
    virtual ~ICellMeasure() = default;
    // The text drawn with the font (null: the tree grid's shared font).
    virtual Size MeasureText(std::wstring const& text, FontSpec const* font) const = 0;
    // The named image of the tree grid's image table; empty when there is none.
    virtual Size ImageSize(std::wstring const& name) const = 0;
    // The icon size of the tree grid's image list; empty when there is none.
    virtual Size ImageListIconSize() const = 0;
    // The rectangle of the control's open editor when it has the focus; empty otherwise.
    virtual Rect EditorRect(FloatControl const& control) const = 0;
};

struct CellGeometry
{
    struct Entry
    {
        Rect rect;
        int part;
        bool operator==(Entry const& other) const { return rect == other.rect && part == other.part; }
    };

    bool laidOut = false; // false when the outer or inner rectangle is empty: not drawn, not hit
    Rect outer{};
    Rect inner{};
    Rect content{}; // the union of the parts widened by their gaps
    std::vector<Entry> parts;

    // The first part of that code; empty when absent.
    Rect Part(int part) const;
    // The code of the first part that contains the point, or 0.
    int PartAt(Point p) const;
};

// Lays the control out over outer (client coordinates) in the given visual state.
CellGeometry LayOutCell(TreeModel& model, ICellMeasure const& measure, FloatControl& control,
                        Rect const& outer, VisualState state);

// Whether a hit of that code counts for selection under a selection mode (bits: 1 image, 2 text,
// 4 control, 8 the entire cell).
bool SelectionModeCovers(int selectionMode, int hit);
} // namespace lumo
