// The rules of the tree grid's in-cell controls that need no window: which kinds open an editor, what a
// check box click makes of its value, which glyph a check shows, how big a drop-down list is, where an
// editor goes, and how a progress bar divides its rectangle.
#pragma once

#include "LumoCtrls/Types.h"

#include <string>

namespace lumo
{
// The control kinds (Control= values).
namespace ControlKind
{
constexpr int kNone = 1;
constexpr int kPlainText = 2;
constexpr int kImage = 3;
constexpr int kButton = 4;
constexpr int kLabel = 5;
constexpr int kLink = 6;
constexpr int kCheckBox = 7;
constexpr int kRadioButton = 8;
constexpr int kDropDown = 9;
constexpr int kSpin = 10;
constexpr int kProgress = 11;
constexpr int kEdit = 12;
constexpr int kFloatEdit = 13;
constexpr int kComboBox = 14;
constexpr int kLauncher = 15;
} // namespace ControlKind

// The activations (Activation= values).
namespace Activation
{
constexpr int kDefault = 1;
constexpr int kNone = 2;
constexpr int kOnFocus = 3;
constexpr int kOnClick = 4;
constexpr int kOnDblClick = 5;
} // namespace Activation

// A progress bar never edits; every other kind keeps its style's activation (unset: the default).
int EffectiveActivation(int kind, int activation);

// Whether beginning an edit opens an editor for a control of this kind and activation.
bool OpensEditor(int kind, int activation);

// A click on a check box: indeterminate and unchecked become checked, checked becomes unchecked.
constexpr int NextCheckValue(int value)
{
    return value == 1 ? 0 : 1;
}

// The image of the check glyph strip a check, radio or drop-down glyph shows.
int CheckGlyphIndex(int kind, int value, bool disabled, bool hover, bool pressed);

// The rectangle of a control's own part in a cell's inner rectangle: a button of 16 pixels at the right
// for spins, launchers and combo boxes, the whole inner rectangle for buttons, labels, links and images;
// empty for kinds whose control is their text or a glyph.
Rect ControlPartRect(int kind, Rect const& inner);

// A drop-down list: items as high as the larger of the icon and the text, rounded up to 4; at most 200
// pixels of items, and the border.
int ListItemHeight(int iconHeight, int textHeight);
int ListHeight(int itemHeight, int itemCount);

// Where an editor opens over a cell, in the cell's coordinates, before the frame and margins are added.
struct EditorPlacement
{
    Rect textPart;  // the cell's text part (empty without text)
    Rect inner;     // the cell's inner rectangle
    bool autoSize;  // the editor grows with its text
    bool fixedSize; // the control's size pair fixes the editor's size
    bool rightAligned;
    Size measured; // the editor text as drawn (auto-size without a fixed size only)
};
Rect PlaceEditor(EditorPlacement const& placement);

// A progress bar: its value bounded to 0..100, its label, and the part that shows it filled.
struct ProgressPlan
{
    int value;
    std::wstring label;
    Rect filled; // within the rectangle deflated by one pixel
};
ProgressPlan PlanProgress(Rect const& rect, int value, bool mirror);
} // namespace lumo
