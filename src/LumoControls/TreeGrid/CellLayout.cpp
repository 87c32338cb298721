#include "LumoControls/TreeGrid/CellLayout.h"

#include "LumoControls/TreeGrid/ControlRules.h"
#include "LumoControls/TreeGrid/LayoutGeometry.h"
#include "LumoControls/TreeGrid/Style.h"
#include "LumoControls/TreeGrid/TreeModel.h"

#include <algorithm>

namespace
{
using lumo::Rect;

// Control kinds (the style language's Control= values) the layout treats alike.
constexpr int kKindNone = 1;
constexpr int kKindCheckBox = 7;
constexpr int kKindRadioButton = 8;
constexpr int kKindDropDown = 9;
constexpr int kKindProgress = 11;

// Icon positions and alignments (IconPosition= and Alignment= values).
constexpr int kIconTop = 1;
constexpr int kIconBottom = 2;
constexpr int kIconRight = 4;
constexpr int kAlignCenter = 4;
constexpr int kAlignCenterBottom = 6;
constexpr int kAlignRight = 7;

constexpr int kSelectionEntire = 8;
constexpr int kGlyphSize = 16;
constexpr int kGapAfterIcon = 2;
constexpr int kGapBeforeText = 3;

// Builds the part list of one layout: each part is clipped to the space left for parts.
class Parts
{
public:
    Parts(lumo::CellGeometry& geometry, int const& right) : m_geometry(geometry), m_right(right) {}

    Rect Add(Rect r, int part, int widen)
    {
        r.right = std::min(r.right, m_right);
        r.bottom = std::min(r.bottom, m_geometry.inner.bottom);
        if (lumo::IsEmpty(r))
            return r;
        m_geometry.parts.push_back({r, part});
        lumo::Include(m_geometry.content,
                      Rect{r.left - widen, r.top, r.right + (part == lumo::kPartText ? widen : 0), r.bottom});
        return r;
    }

private:
    lumo::CellGeometry& m_geometry;
    int const& m_right;
};

int CentredTop(Rect const& inner, int height)
{
    return inner.top + (inner.Height() - height) / 2;
}

// The tree column's start of a node's content: its indentation and the offsets of its ancestors' cells.
int TreeIndent(lumo::TreeModel& model, lumo::TreeNode& node, lumo::TreeColumn& column)
{
    int x = node.GetLevel() * static_cast<int>(model.GetNodeIndentation());
    for (lumo::TreeNode* up = node.GetParent(); up != nullptr && !up->IsRoot(); up = up->GetParent())
        if (lumo::TreeCell* const cell = model.CellOf(*up, column))
            x += cell->GetStyle().GetOffsetTextIcon(lumo::kStateNormal).x;
    return x;
}
} // namespace

Rect lumo::CellGeometry::Part(int part) const
{
    for (Entry const& entry : parts)
        if (entry.part == part)
            return entry.rect;
    return Rect{};
}

int lumo::CellGeometry::PartAt(Point p) const
{
    for (Entry const& entry : parts)
        if (Contains(entry.rect, p))
            return entry.part;
    return 0;
}

bool lumo::SelectionModeCovers(int selectionMode, int hit)
{
    bool const image = (selectionMode & 1) != 0;
    bool const text = (selectionMode & 2) != 0;
    if ((selectionMode & kSelectionEntire) != 0)
        return hit == 12 || hit == kPartControl || hit == 11 || hit == kPartIcon || hit == kPartText;
    switch (hit)
    {
    case kPartIcon:
        return image;
    case kPartText:
        return text;
    case 11:
        return image && text;
    case kPartControl:
        return (selectionMode & 4) != 0;
    default:
        return false;
    }
}

lumo::CellGeometry lumo::LayOutCell(TreeModel& model, ICellMeasure const& measure, FloatControl& control,
                                    Rect const& outer, VisualState state)
{
    CellGeometry geometry;
    ObjStyle& style = control.GetStyle();
    Rect const padding = style.GetPadding();
    geometry.outer = outer;
    geometry.inner = Rect{outer.left + padding.left, outer.top + padding.top, outer.right - padding.right,
                          outer.bottom - padding.bottom};
    if (IsEmpty(geometry.outer) || IsEmpty(geometry.inner))
        return geometry;
    geometry.laidOut = true;
    Rect const& inner = geometry.inner;
    geometry.content = Rect{inner.right, inner.bottom, inner.left, inner.top};
    int x = inner.left;
    int right = inner.right;
    Parts parts(geometry, right);

    // The tree part: indentation and the expand button.
    TreeCell* const cell = control.AsCell();
    bool const inTreeColumn = cell != nullptr && &cell->GetColumn() == model.GetTreeColumn();
    if (inTreeColumn)
    {
        TreeNode& node = cell->GetNode();
        x = inner.left + TreeIndent(model, node, cell->GetColumn());
        if (model.IsStyleSet(TreeStyle::kExpandButtons))
        {
            int const buttonX = model.IsStyleSet(TreeStyle::kExpandButtonAtEdge) ? inner.left : x;
            if (node.GetFirstChild() != nullptr)
            {
                int const top = CentredTop(inner, kExpandButtonSize) - 1;
                parts.Add(Rect{buttonX, top, buttonX + kExpandButtonSize, top + kExpandButtonSize},
                          kPartExpandButton, 0);
            }
            x = x - 2 + static_cast<int>(model.GetNodeIndentation());
        }
    }

    // An open editor of this control takes the right of the cell.
    std::size_t editorIndex = SIZE_MAX;
    Rect const editor = measure.EditorRect(control);
    if (!IsEmpty(editor) && x < right)
    {
        editorIndex = geometry.parts.size();
        geometry.parts.push_back({editor, kPartControl});
        right = editor.left - 3;
    }

    // The control, or its glyph.
    int const kind = style.GetControlKind();
    if (kind == kKindCheckBox || kind == kKindRadioButton || kind == kKindDropDown)
    {
        int const left = std::max(x, 3);
        int const top = CentredTop(inner, kGlyphSize);
        Rect const glyph = parts.Add(Rect{left, top, left + kGlyphSize, top + kGlyphSize}, kPartControl, 0);
        x = (IsEmpty(glyph) ? left + kGlyphSize : glyph.right) + 2;
    }
    else if (kind != 0 && kind != kKindNone && kind != kKindProgress)
    {
        Rect const own = ControlPartRect(kind, inner);
        if (!IsEmpty(own))
        {
            parts.Add(own, kPartControl, 0);
            right = own.left - 3;
        }
    }

    // The icon and the text, moved together by the state's offset (each follows the other's place before
    // the move, so that the offset moves the pair and does not add up).
    Size icon = measure.ImageSize(control.GetImage());
    if (icon.width <= 0 && control.GetImageIndex() != -1)
        icon = measure.ImageListIconSize();
    bool const hasIcon = icon.width > 0 && icon.height > 0;
    std::wstring const& text = control.GetText();
    Size const textSize = text.empty() ? Size{} : measure.MeasureText(text, style.GetFont(state));
    int const space = style.GetSpaceTextIcon();
    Point const offset = style.GetOffsetTextIcon(state);
    auto place = [&](int left, int top, Size size, int part)
    {
        Rect const r{left + offset.x, top + offset.y, left + offset.x + size.width,
                     top + offset.y + size.height};
        return parts.Add(r, part, part == kPartIcon ? kGapAfterIcon : kGapBeforeText);
    };
    int const position = style.GetIconPosition();
    if (position == kIconTop || position == kIconBottom)
    {
        int const column = std::max(textSize.width + 4, icon.width);
        int const block = (hasIcon ? icon.height : 0) + space + textSize.height + 2;
        int const top = CentredTop(inner, block);
        int const iconTop = position == kIconTop ? top : top + textSize.height + 2 + space;
        int const textTop = position == kIconTop ? top + (hasIcon ? icon.height : 0) + 2 + space : top;
        // The parts are listed from the top down.
        if (hasIcon && position == kIconTop)
            place(x + (column - icon.width) / 2, iconTop, icon, kPartIcon);
        if (!text.empty())
            place(x + (column - textSize.width) / 2, textTop, textSize, kPartText);
        if (hasIcon && position == kIconBottom)
            place(x + (column - icon.width) / 2, iconTop, icon, kPartIcon);
    }
    else if (position == kIconRight)
    {
        if (!text.empty())
            place(x + kGapBeforeText, CentredTop(inner, textSize.height), textSize, kPartText);
        if (hasIcon)
            place(x + kGapBeforeText + textSize.width + 2 + space, CentredTop(inner, icon.height), icon,
                  kPartIcon);
    }
    else
    {
        if (hasIcon)
        {
            place(x, CentredTop(inner, icon.height), icon, kPartIcon);
            x += icon.width + 2;
        }
        if (!text.empty())
            place(x + space, CentredTop(inner, textSize.height), textSize, kPartText);
    }

    // Alignment (never in the tree column): the parts move together towards the centre or the right.
    int const alignment = style.GetAlignment();
    if (!inTreeColumn &&
        (alignment == kAlignRight || (alignment >= kAlignCenter && alignment <= kAlignCenterBottom)))
    {
        int lastRight = INT32_MIN;
        for (std::size_t i = 0; i < geometry.parts.size(); ++i)
            if (i != editorIndex)
                lastRight = geometry.parts[i].rect.right;
        if (lastRight != INT32_MIN)
        {
            int const shift = alignment == kAlignRight ? right - lastRight : (right - lastRight) / 2;
            for (std::size_t i = 0; i < geometry.parts.size(); ++i)
                if (i != editorIndex)
                    geometry.parts[i].rect = Shifted(geometry.parts[i].rect, shift, 0);
            if (geometry.content.left <= geometry.content.right)
                geometry.content = Shifted(geometry.content, shift, 0);
        }
    }

    if (style.GetMirrorEffect())
    {
        int const axis = outer.left + outer.right;
        auto mirror = [axis](Rect& r) { r = Rect{axis - r.right, r.top, axis - r.left, r.bottom}; };
        for (CellGeometry::Entry& entry : geometry.parts)
            mirror(entry.rect);
        mirror(geometry.content);
    }

    if ((offset.x != 0 || offset.y != 0) && (style.GetSelectionMode() & kSelectionEntire) == 0)
        for (Rect* r : {&geometry.outer, &geometry.inner, &geometry.content})
        {
            r->right += offset.x;
            r->bottom += offset.y;
        }
    return geometry;
}
