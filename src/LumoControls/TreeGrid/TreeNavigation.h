// Where the keyboard and the mouse take the tree grid's focus and selection, worked out without a window:
// the cell a key moves to, the cells of a Shift range, type-ahead search, and the places of a node drag.
#pragma once

#include "LumoControls/TreeGrid/TreeModel.h"

#include <string>
#include <vector>

namespace lumo
{
enum class KeyMove
{
    Left,
    Right,
    Up,
    Down,
    PageUp,
    PageDown,
    Home,
    End,
    Parent, // the parent node's cell in the tree column
};

// Whether a key move may land on the cell: it is shown and neither it, its row nor its column is disabled.
bool IsNavigable(TreeCell const& cell);

// The cell a key moves the focus to; null when there is none. Moves skip cells that are not navigable,
// continuing the way they go. pageRows: the rows of one page (at least 1 is used).
TreeCell* MoveTarget(TreeModel& model, TreeCell& from, KeyMove move, int pageRows);

// The shown cells of the rectangle between two cells (rows and visible columns from one to the other),
// in row order.
std::vector<TreeCell*> RangeCells(TreeModel& model, TreeCell& anchor, TreeCell& target);

// Type-ahead search: characters typed within a second of each other search for their whole prefix.
class TypeAhead
{
public:
    static constexpr unsigned kPause = 1000; // milliseconds that start a new prefix

    // The character typed at `now` (milliseconds): the cell that should become the only selected one and
    // the focus, or null. The search runs in the focus cell's column (the first column without a focus)
    // from the focus row (from the next row while the prefix is one character), wrapping around; when no
    // text begins with the prefix, the first that begins with the typed character is taken.
    TreeCell* Type(TreeModel& model, TreeCell* focus, wchar_t character, unsigned now);
    std::wstring const& Prefix() const { return m_prefix; }

private:
    std::wstring m_prefix;
    unsigned m_last = 0;
};

// Where a node dragged over a row would go.
enum class DropZone
{
    Above,
    Onto,
    Below,
};
// Onto between a quarter and three quarters of the row's height, above in the rest of its upper half,
// below in the rest of its lower half.
DropZone ZoneOf(int top, int bottom, int y);
struct NodePlace
{
    TreeNode* parent; // the root for the top level
    TreeNode* after;  // null: first
};
// Onto: after the target's last child; above: after the target's previous sibling; below: after it.
NodePlace PlaceFor(TreeNode& target, DropZone zone);
// A node may receive a drop unless it is one of the dragged nodes or lies under one.
bool AcceptsDrop(TreeNode const& target, std::vector<TreeNode*> const& dragged);
// The nodes a drag takes: those whose tree-column cell is selected and that have no selected ancestor,
// in row order.
std::vector<TreeNode*> DraggedNodes(TreeModel& model);
// A press becomes a drag once the mouse has moved more than 5 pixels in x or in y.
bool PassesDragThreshold(Point press, Point now);
} // namespace lumo
