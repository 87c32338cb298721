// The small types and settings of the tree grid's model.
#pragma once

#include <cstdint>

namespace lumo
{
class TreeCell;
class TreeColumn;
class TreeModel;
class TreeNode;
class FloatControl;
class FreeFloatControl;

// The tree grid's settings bits (SetStyle).
namespace TreeStyle
{
constexpr unsigned kTreeLines = 0x01;              // dotted lines join the nodes of the tree column
constexpr unsigned kExpandButtons = 0x02;          // nodes with children show an expand button
constexpr unsigned kFullHeightColumnResize = 0x04; // column edges can be dragged in every row
constexpr unsigned kRowSelection = 0x08;           // selection works by rows
constexpr unsigned kSelectRowHeader = 0x10;        // a node with selected cells selects its row header
constexpr unsigned kColumnSelection = 0x20;        // selection works by columns
constexpr unsigned kSelectColumnHeader = 0x40;     // a column with selected cells selects its header
constexpr unsigned kTypeAhead = 0x80;              // typed characters search the focus column
constexpr unsigned kExpandButtonAtEdge = 0x100;    // the expand button sits at the cell's left edge
constexpr unsigned kKeepSelection = 0x200;         // a click does not replace the selection
} // namespace TreeStyle

// The grid-lines settings bits (SetGridLinesStyle).
namespace GridLines
{
constexpr unsigned kVertical = 1;
constexpr unsigned kHorizontal = 2; // also adds one pixel below every row
constexpr unsigned kDotted = 4;
} // namespace GridLines

// Node and column state bits are the visual-state bits of the styles; focus is the tree grid's own.
constexpr unsigned kNodeFocusBit = 0x2;

constexpr unsigned kUnboundedHeight = 0xFFFFFFFFu;
constexpr unsigned kLeastMinimumCellHeight = 10;
constexpr int kExpandButtonSize = 11; // the side of the expand/collapse button glyphs
constexpr unsigned kLeastNodeIndentation = 2 * kExpandButtonSize - 2;
constexpr unsigned kDefaultColumnHeaderHeight = 20;
constexpr unsigned kLeastHeaderSize = 16;
constexpr int kNarrowestUnboundColumn = 11; // SetWidth without bounds: below 12 becomes this

// What the model asks of the platform: the keyboard's modifier keys as the current message saw them.
class IKeyState
{
public:
    virtual ~IKeyState() = default;
    virtual bool IsShiftDown() const = 0;
    virtual bool IsControlDown() const = 0;
};

// The keyboard of a model driven by no user.
class NoKeysDown : public IKeyState
{
public:
    bool IsShiftDown() const override { return false; }
    bool IsControlDown() const override { return false; }
};
} // namespace lumo
