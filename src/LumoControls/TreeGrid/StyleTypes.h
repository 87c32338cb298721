// The value types of tree-grid styles, shared by the style objects, their resolution and their
// descriptions.
#pragma once

#include "LumoCtrls/Types.h"

#include <cstdint>
#include <string>

namespace lumo
{
// A visual state: a bit set of the states an object is in.
using VisualState = unsigned;
constexpr VisualState kStateNormal = 0;
constexpr VisualState kStateDisable = 0x1;
constexpr VisualState kStateFocus = 0x2;
constexpr VisualState kStateHover = 0x4;
constexpr VisualState kStateSelect = 0x8;
constexpr VisualState kStateHiSelect = 0xC; // hover and select together
constexpr VisualState kStatePush = 0x10;
constexpr VisualState kStateAll = 0x8000;

// The eight paint-style slots of a style; each state maps to exactly one.
enum class PaintSlot : std::uint8_t
{
    Normal,
    Select,
    Hover,
    HiSelect,
    Disable,
    Push,
    Focus,
    All,
};
constexpr int kPaintSlotCount = 8;

// What a font is, as the platform's LOGFONTW records it (the fields styles read and write).
struct FontSpec
{
    int height = 0; // negative: a character height; positive: a cell height in pixels
    int width = 0;  // average character width, 0 for the default
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    std::uint8_t charSet = 1; // DEFAULT_CHARSET
    std::wstring face;

    bool operator==(FontSpec const& other) const
    {
        return height == other.height && width == other.width && weight == other.weight &&
               italic == other.italic && underline == other.underline && strikeOut == other.strikeOut &&
               charSet == other.charSet && face == other.face;
    }
};

// One background band: a gradient (or a plain colour when from equals to) over size percent of the extent.
struct Band
{
    COLORREF from;
    COLORREF to;
    int size;
    bool operator==(Band const& other) const
    {
        return from == other.from && to == other.to && size == other.size;
    }
};

// One line of a border style: kind 0 none, 1 solid, 2 dotted, 3 dashed; colour 0xFFFFFFFF none.
struct Pen
{
    std::uint32_t kind;
    COLORREF color;
    bool operator==(Pen const& other) const { return kind == other.kind && color == other.color; }
};

// Border sides, as the keys of a paint style's border definitions.
constexpr unsigned kSideLeft = 1;
constexpr unsigned kSideRight = 2;
constexpr unsigned kSideTop = 4;
constexpr unsigned kSideBottom = 8;
constexpr unsigned kSideAll = 15;

// The objects a style can be the style of (the tree grid's default styles are kept by this type).
enum class ObjectType : int
{
    Grid = 1,
    Button = 2,
    Label = 3,
    Link = 4,
    ColumnHeader = 5,
    Column = 6,
    RowHeader = 7,
    Row = 8,
    Cell = 9,
    Progress = 10,
    ComboBox = 11,
    Edit = 12,
    Spin = 13,
    Image = 14,
    CheckBox = 15,
    RadioButton = 16,
    DropDown = 17,
    Launcher = 18,
    FloatControl = 19,
};
constexpr int kObjectTypeCount = 19;

// Whom a style belongs to. The role decides the style's parents (the links its unset values are inherited
// through) and the node and column it reports; parents are derived, never stored, so that a style costs
// nothing for links it does not use.
enum class StyleRole : std::uint8_t
{
    Default,      // a default style of the tree grid: no parents
    Column,       // a column's style: parent the default column style
    ColumnHeader, // a column's header style: parent the default column-header style
    ColumnCell,   // a column's cell style: parent the default cell style
    Row,          // a node's row style: parent the default row style
    RowHeader,    // a node's row-header style: parent the default row-header style
    NodeCell,     // a node's cell style: no parents
    Cell,         // a cell's style: its node's cell style, its column's cell style, the default cell style
    FloatControl, // a free float control's style: parent the default float-control style
    Detached,     // a style of no model object; its owner is an array of its three parents
};

// Which class of style the default style of an object type is.
enum class StyleClass
{
    Draw,   // padding, radius, cursor and per-state paint
    Styled, // also text and icon placement
    Object, // also the in-cell control
};
StyleClass DefaultStyleClassOf(ObjectType type);

// The object type whose default style a control kind looks like (kinds 3 to 15); 0 for none.
int ObjectTypeOfControlKind(int controlKind);

// Unset markers of the style values.
constexpr COLORREF kUnsetColor = 0xFFFFFFFF;
constexpr int kUnsetPadding = -1;
constexpr int kUnsetRadius = -1;
} // namespace lumo
