#include "LumoControls/TreeGrid/DrawStyle.h"

#include "LumoControls/TreeGrid/StyleDescription.h"
#include "LumoControls/TreeGrid/StyleRegistry.h"
#include "LumoControls/TreeGrid/StyleResolution.h"
#include "LumoControls/TreeGrid/TreeControls.h"
#include "LumoControls/TreeGrid/VisualStates.h"

namespace
{
using lumo::PaintStyle;

std::vector<lumo::Band> const kNoBands;
std::wstring const kNoName;

bool HasBands(PaintStyle const& p)
{
    return p.HasBands();
}
bool HasDirection(PaintStyle const& p)
{
    return p.GetGradientDirection() != 0;
}
bool HasTextColor(PaintStyle const& p)
{
    return p.HasTextColor();
}
bool HasFont(PaintStyle const& p)
{
    return p.HasFont();
}
bool HasImage(PaintStyle const& p)
{
    return !p.GetImage().empty();
}
bool HasImageFill(PaintStyle const& p)
{
    return p.GetImageFill() != 0;
}
bool HasImageAlign(PaintStyle const& p)
{
    return p.GetImageAlign() != 0;
}
bool HasCrop(PaintStyle const& p)
{
    return p.HasCrop();
}
bool HasOwnOffset(PaintStyle const& p)
{
    return p.GetImageOffset().x != 0 || p.GetImageOffset().y != 0;
}
bool HasAllOffset(PaintStyle const& p)
{
    return p.GetImageOffset().x != 0;
} // only x counts on ALL

// The resolution rules of each kind of per-state value (see StyleResolution.h).
constexpr lumo::PaintRule kBandsRule{false, false, true};
constexpr lumo::PaintRule kDirectionRule{true, false, true};
constexpr lumo::PaintRule kTextColorRule{true, false, true};
constexpr lumo::PaintRule kFontRule{false, true, true};
constexpr lumo::PaintRule kImageRule{false, true, false};
} // namespace

bool lumo::IsPaddingSet(Rect const& padding)
{
    return padding.left != kUnsetPadding && padding.top != kUnsetPadding && padding.right != kUnsetPadding &&
           padding.bottom != kUnsetPadding;
}

lumo::DrawStyle::DrawStyle(StyleRegistry& registry, ObjectType type, StyleRole role, void const* owner)
    : m_registry(registry), m_owner(owner), m_type(type), m_role(role)
{
}

lumo::DrawStyle::~DrawStyle() = default;

lumo::TreeNode const* lumo::DrawStyle::GetNode() const
{
    switch (m_role)
    {
    case StyleRole::Row:
    case StyleRole::NodeCell:
        return static_cast<TreeNode const*>(m_owner);
    case StyleRole::Cell:
        return &static_cast<TreeCell const*>(m_owner)->GetNode();
    default:
        return nullptr;
    }
}

lumo::TreeColumn const* lumo::DrawStyle::GetColumn() const
{
    switch (m_role)
    {
    case StyleRole::Column:
    case StyleRole::ColumnHeader:
    case StyleRole::ColumnCell:
        return static_cast<TreeColumn const*>(m_owner);
    case StyleRole::Cell:
        return &static_cast<TreeCell const*>(m_owner)->GetColumn();
    default:
        return nullptr;
    }
}

lumo::DrawStyle const* lumo::DrawStyle::GetParent(int index) const
{
    return m_registry.ParentOf(*this, index);
}

// --- Paint styles

lumo::PaintStyle* lumo::DrawStyle::GetPaintStyle(VisualState state) const
{
    return m_slots != nullptr ? (*m_slots)[static_cast<int>(SlotOf(state))].get() : nullptr;
}

lumo::PaintStyle& lumo::DrawStyle::GetOrCreatePaintStyle(VisualState state)
{
    if (m_slots == nullptr)
        m_slots = std::make_unique<Slots>();
    PaintSlot const slot = SlotOf(state);
    std::unique_ptr<PaintStyle>& entry = (*m_slots)[static_cast<int>(slot)];
    if (entry == nullptr)
        entry = m_registry.CreatePaintStyle(*this, slot);
    return *entry;
}

void lumo::DrawStyle::RemovePaintStyle(VisualState state)
{
    if (m_slots != nullptr)
        (*m_slots)[static_cast<int>(SlotOf(state))].reset();
    m_registry.StyleChanged();
}

void lumo::DrawStyle::Reset()
{
    m_slots.reset();
    m_padding = Rect{kUnsetPadding, kUnsetPadding, kUnsetPadding, kUnsetPadding};
    m_radius = kUnsetRadius;
    m_registry.StyleChanged();
}

bool lumo::DrawStyle::IsSet() const
{
    if (m_slots != nullptr)
        for (auto const& paint : *m_slots)
            if (paint != nullptr && paint->IsSet())
                return true;
    return m_padding.left != kUnsetPadding || m_padding.top != kUnsetPadding ||
           m_padding.right != kUnsetPadding || m_padding.bottom != kUnsetPadding ||
           m_radius != kUnsetRadius || m_cursor != 0;
}

std::wstring lumo::DrawStyle::Describe() const
{
    return DescribeDrawStyle(*this, m_registry.GetPlatform());
}

std::array<lumo::DrawStyle const*, 4> lumo::DrawStyle::Chain() const
{
    DrawStyle const* const control = GetControlDefaultStyle();
    return {control != this ? control : nullptr, GetParent(0), GetParent(1), GetParent(2)};
}

// --- Effective per-state values

std::vector<lumo::Band> const& lumo::DrawStyle::GetBackgroundColors(VisualState state) const
{
    PaintStyle const* const found = FindPaint(*this, state, kBandsRule, &HasBands, &HasBands);
    return found != nullptr ? found->GetBackgroundColors() : kNoBands;
}

int lumo::DrawStyle::GetGradientDirection(VisualState state) const
{
    PaintStyle const* const found = FindPaint(*this, state, kDirectionRule, &HasDirection, &HasDirection);
    return found != nullptr ? found->GetGradientDirection() : 0;
}

COLORREF lumo::DrawStyle::ResolveTextColor(VisualState state) const
{
    PaintStyle const* const found = FindPaint(*this, state, kTextColorRule, &HasTextColor, &HasTextColor);
    return found != nullptr ? found->GetTextColor() : kUnsetColor;
}

lumo::PaintStyle const* lumo::DrawStyle::ResolveFontHolder(VisualState state) const
{
    return FindPaint(*this, state, kFontRule, &HasFont, &HasFont);
}

std::wstring const& lumo::DrawStyle::GetImage(VisualState state) const
{
    PaintStyle const* const found = FindPaint(*this, state, kImageRule, &HasImage, &HasImage);
    return found != nullptr ? found->GetImage() : kNoName;
}

int lumo::DrawStyle::GetImageFill(VisualState state) const
{
    PaintStyle const* const found = FindPaint(*this, state, kImageRule, &HasImageFill, &HasImageFill);
    return found != nullptr ? found->GetImageFill() : 0;
}

int lumo::DrawStyle::GetImageAlign(VisualState state) const
{
    PaintStyle const* const found = FindPaint(*this, state, kImageRule, &HasImageAlign, &HasImageAlign);
    return found != nullptr ? found->GetImageAlign() : 0;
}

lumo::Point lumo::DrawStyle::GetImageOffset(VisualState state) const
{
    PaintStyle const* const found = FindPaint(*this, state, kImageRule, &HasOwnOffset, &HasAllOffset);
    return found != nullptr ? found->GetImageOffset() : Point{0, 0};
}

lumo::Rect lumo::DrawStyle::GetCrop(VisualState state) const
{
    PaintStyle const* const found = FindPaint(*this, state, kImageRule, &HasCrop, &HasCrop);
    return found != nullptr ? found->GetCrop() : Rect{0, 0, 0, 0};
}

std::wstring const& lumo::DrawStyle::GetBorder(VisualState state, unsigned side) const
{
    auto const hasSide = [side](PaintStyle const& p) { return !p.GetBorder(side).empty(); };
    PaintStyle const* const found = FindPaint(*this, state, kImageRule, hasSide, hasSide);
    return found != nullptr ? found->GetBorder(side) : kNoName;
}

int lumo::DrawStyle::GetBorderWidth(VisualState state, unsigned side) const
{
    if (HasPaintStyle(state))
        return m_registry.GetBorderPenCount(GetBorder(state, side));
    if (HasPaintStyle(kStateAll))
        return GetBorderWidth(kStateAll, side);
    if (state != kStateNormal)
        return GetBorderWidth(FallbackOf(state), side);
    return 0;
}

// --- Per-state setters

void lumo::DrawStyle::AddBackgroundColor(VisualState state, COLORREF from, COLORREF to, int size)
{
    PaintStyle& paint = GetOrCreatePaintStyle(state);
    if (from == kUnsetColor || to == kUnsetColor)
        paint.ClearBackgroundColors();
    else
        paint.AddBackgroundColor(from, to, size);
}

void lumo::DrawStyle::ClearBackgroundColors(VisualState state)
{
    if (SlotOf(state) != PaintSlot::All)
    {
        if (PaintStyle* const paint = GetPaintStyle(state))
            paint->ClearBackgroundColors();
        return;
    }
    // ALL clears every other state's bands; the ALL paint style keeps its own.
    for (VisualState other :
         {kStateNormal, kStateDisable, kStateHover, kStateHiSelect, kStatePush, kStateFocus, kStateSelect})
        if (PaintStyle* const paint = GetPaintStyle(other))
            paint->ClearBackgroundColors();
}

void lumo::DrawStyle::SetGradientDirection(VisualState state, int direction)
{
    PaintStyle& paint = GetOrCreatePaintStyle(state);
    if (GetGradientDirection(state) != direction)
        paint.SetGradientDirection(direction);
}

void lumo::DrawStyle::SetImage(VisualState state, std::wstring const& name)
{
    PaintStyle& paint = GetOrCreatePaintStyle(state);
    paint.SetImage(std::wstring());
    if (GetImage(state) != name)
        paint.SetImage(name);
}

void lumo::DrawStyle::SetImageFill(VisualState state, int fill)
{
    PaintStyle& paint = GetOrCreatePaintStyle(state);
    paint.SetImageFill(0);
    if (GetImageFill(state) != fill)
        paint.SetImageFill(fill);
}

void lumo::DrawStyle::SetImageAlign(VisualState state, int align)
{
    PaintStyle& paint = GetOrCreatePaintStyle(state);
    paint.SetImageAlign(0);
    if (GetImageAlign(state) != align)
        paint.SetImageAlign(align);
}

void lumo::DrawStyle::SetImageOffset(VisualState state, Point offset)
{
    PaintStyle& paint = GetOrCreatePaintStyle(state);
    paint.SetImageOffset(Point{0, 0});
    if (GetImageOffset(state) != offset)
        paint.SetImageOffset(offset);
}

void lumo::DrawStyle::SetCrop(VisualState state, Rect const& crop)
{
    PaintStyle& paint = GetOrCreatePaintStyle(state);
    paint.SetCrop(Rect{0, 0, 0, 0});
    if (GetCrop(state) != crop)
        paint.SetCrop(crop);
}

void lumo::DrawStyle::SetBorder(VisualState state, std::wstring const& name, unsigned sides)
{
    PaintStyle& paint = GetOrCreatePaintStyle(state);
    paint.RemoveBorder(sides);
    if (GetBorder(state, sides) != name)
        paint.SetBorder(name, sides);
}

void lumo::DrawStyle::RemoveBorder(VisualState state, unsigned sides)
{
    if (PaintStyle* const paint = GetPaintStyle(state))
        paint->RemoveBorder(sides);
}

// --- State-independent values

lumo::Rect lumo::DrawStyle::GetPadding() const
{
    if (IsPaddingSet(m_padding))
        return m_padding;
    for (DrawStyle const* link : Chain())
        if (link != nullptr && IsPaddingSet(link->m_padding))
            return link->m_padding;
    return Rect{0, 0, 0, 0};
}

void lumo::DrawStyle::SetPadding(Rect const& padding)
{
    // Stored only when it differs from what the style would inherit; the layout follows whenever the
    // effective padding changed, even when the own value merely went back to inheriting.
    Rect const before = GetPadding();
    m_padding = Rect{kUnsetPadding, kUnsetPadding, kUnsetPadding, kUnsetPadding};
    if (GetPadding() != padding)
        m_padding = padding;
    if (GetPadding() != before)
        m_registry.RequestLayout();
}

int lumo::DrawStyle::GetBorderRadius() const
{
    if (m_radius != kUnsetRadius)
        return m_radius;
    for (DrawStyle const* link : Chain())
        if (link != nullptr && link->m_radius != kUnsetRadius)
            return link->m_radius;
    return 0;
}

void lumo::DrawStyle::SetBorderRadius(int radius)
{
    if (radius == m_radius)
        return;
    m_radius = kUnsetRadius;
    if (GetBorderRadius() != radius)
        m_radius = radius;
    m_registry.StyleChanged();
}

int lumo::DrawStyle::GetCursor() const
{
    if (m_cursor != 0)
        return m_cursor;
    for (DrawStyle const* link : Chain())
        if (link != nullptr && link->m_cursor != 0)
            return link->m_cursor;
    return 0;
}

void lumo::DrawStyle::SetCursor(int cursor)
{
    m_cursor = cursor;
}
