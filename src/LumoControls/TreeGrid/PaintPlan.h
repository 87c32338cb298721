// The geometry of the tree grid's painting, worked out without a device: background bands, text placement
// and flags, tree lines, selection highlights and the state a cell is painted in. The Win32 painter turns
// these plans into drawing calls.
#pragma once

#include "LumoControls/TreeGrid/CellLayout.h"
#include "LumoControls/TreeGrid/StyleTypes.h"

#include <vector>

namespace lumo
{
// --- Background bands.

struct BandRect
{
    Rect rect;
    COLORREF from;
    COLORREF to;
    bool acrossWidth; // the colour runs from left to right (else from top to bottom)
};

struct BandPlan
{
    Rect clip; // the bands show only here (rounded by the border radius)
    std::vector<BandRect> bands;
};

// Direction 2 lays the bands side by side from the left; any other stacks them from the top.
BandPlan PlanBands(Rect const& r, std::vector<Band> const& bands, int direction);

// --- Text.

// The platform's text flags, by value.
namespace TextFlags
{
constexpr unsigned kLeft = 0x0;
constexpr unsigned kCenter = 0x1;
constexpr unsigned kRight = 0x2;
constexpr unsigned kWordBreak = 0x10;
constexpr unsigned kSingleLine = 0x20;
constexpr unsigned kNoPrefix = 0x800;
constexpr unsigned kEditControl = 0x2000;
constexpr unsigned kEndEllipsis = 0x8000;
} // namespace TextFlags

struct TextPlacement
{
    Rect rect;
    unsigned flags;
};

// Where and how a text part is drawn under an alignment (Alignment= values) and the mirror effect.
TextPlacement PlaceText(Rect const& textPart, Rect const& inner, int alignment, bool mirror, bool multiline);

// --- Tree lines.

struct Segment
{
    int x1;
    int y1;
    int x2;
    int y2; // the end point is drawn too
    bool operator==(Segment const& other) const
    {
        return x1 == other.x1 && y1 == other.y1 && x2 == other.x2 && y2 == other.y2;
    }
};

struct TreeLineRow
{
    Rect outer;                          // the cell in its row
    int level;                           // 0 for top-level nodes
    int indentation;                     // the grid's node indentation
    int buttonWidth;                     // the expand button's side
    bool expandButtons;                  // the grid shows expand buttons
    bool mirror;                         // the cell's style mirrors it
    int ancestorsOffset;                 // the ancestors' horizontal text-icon offsets
    int ownOffset;                       // the tree cell's own horizontal offset
    bool firstTopLevel;                  // the first node of the top level
    bool hasPrevious;                    // the node has a previous sibling
    bool hasNext;                        // the node has a next sibling
    bool expandedParent;                 // the node has children and is expanded
    int textBottom;                      // the bottom of the text part (the row's middle without text)
    std::vector<bool> ancestorsContinue; // for each ancestor from the parent up: it has a next sibling
};

std::vector<Segment> TreeLineSegments(TreeLineRow const& row);

// --- Cells.

// The rectangles a selection highlight covers under a selection mode (SelectionMode= bits); none for a
// mode without highlight (its background bands are then not drawn).
std::vector<Rect> HighlightRects(int selectionMode, CellGeometry const& geometry);

struct CellStateInput
{
    VisualState own;
    VisualState row;
    VisualState column;
    bool editing;       // the cell's editor is open, it is a progress bar, or it has the focus control
    bool raiseToColumn; // the grid's column selection style
    bool raiseToRow;    // the grid's row selection style
    bool focusCell;
};

// The state a cell is painted in.
VisualState CellPaintState(CellStateInput const& input);
} // namespace lumo
