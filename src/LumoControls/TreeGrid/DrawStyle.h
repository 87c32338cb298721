// A draw style: per-state paint styles plus padding, border radius and cursor, with the resolution of
// every value along the chain own state → ALL → control default style → parents → fallback state.
//
// A style stores only what was set on it; every getter here returns the effective value. Setters keep a
// style minimal: they store a value only when it differs from what the style would show anyway.
#pragma once

#include "LumoControls/TreeGrid/PaintStyle.h"
#include "LumoControls/TreeGrid/StyleTypes.h"
#include "LumoCtrls/LibraryMemory.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace lumo
{
class ObjStyle;
class Style;
class StyleRegistry;
class TreeColumn;
class TreeNode;

class DrawStyle : public CLibraryObject
{
public:
    // owner: the model object the role names (a node, a column, a cell or a float control), or, for a
    // detached style, an array of its three parents that outlives it.
    DrawStyle(StyleRegistry& registry, ObjectType type, StyleRole role, void const* owner);
    virtual ~DrawStyle();
    DrawStyle(DrawStyle const&) = delete;
    DrawStyle& operator=(DrawStyle const&) = delete;

    StyleRegistry& GetRegistry() const { return m_registry; }
    ObjectType GetObjectType() const { return m_type; }
    StyleRole GetRole() const { return m_role; }
    void const* GetOwner() const { return m_owner; }
    // The node of a row style, a node cell style and a cell style; the column of a column's three styles
    // and of a cell style; null otherwise.
    TreeNode const* GetNode() const;
    TreeColumn const* GetColumn() const;
    // The first, second and third parent (index 0 to 2), or null.
    DrawStyle const* GetParent(int index) const;
    virtual Style const* AsStyle() const { return nullptr; }
    virtual ObjStyle const* AsObjStyle() const { return nullptr; }

    // --- Paint styles, one per slot. Reads never create; writes go through GetOrCreatePaintStyle.
    PaintStyle* GetPaintStyle(VisualState state) const;
    bool HasPaintStyle(VisualState state) const { return GetPaintStyle(state) != nullptr; }
    PaintStyle& GetOrCreatePaintStyle(VisualState state);
    void RemovePaintStyle(VisualState state);

    // Removes every paint style and unsets padding and border radius (the cursor stays).
    virtual void Reset();
    virtual bool IsSet() const;
    virtual std::wstring Describe() const;

    // The default style of the in-cell control this style shows, if any (object styles only).
    virtual DrawStyle* GetControlDefaultStyle() const { return nullptr; }

    // --- Effective per-state values.
    std::vector<Band> const& GetBackgroundColors(VisualState state) const;
    int GetGradientDirection(VisualState state) const;
    std::wstring const& GetImage(VisualState state) const;
    int GetImageFill(VisualState state) const;
    int GetImageAlign(VisualState state) const;
    Point GetImageOffset(VisualState state) const;
    Rect GetCrop(VisualState state) const;
    std::wstring const& GetBorder(VisualState state, unsigned side) const;
    int GetBorderWidth(VisualState state, unsigned side) const;
    // Text colour and font resolve on every draw style, since plain draw styles are parents of styles.
    COLORREF ResolveTextColor(VisualState state) const;
    // The paint style whose font the state shows; null when none is set anywhere.
    PaintStyle const* ResolveFontHolder(VisualState state) const;

    // --- Per-state setters.
    void AddBackgroundColor(VisualState state, COLORREF from, COLORREF to, int size);
    void ClearBackgroundColors(VisualState state);
    void SetGradientDirection(VisualState state, int direction);
    void SetImage(VisualState state, std::wstring const& name);
    void SetImageFill(VisualState state, int fill);
    void SetImageAlign(VisualState state, int align);
    void SetImageOffset(VisualState state, Point offset);
    void SetCrop(VisualState state, Rect const& crop);
    void SetBorder(VisualState state, std::wstring const& name, unsigned sides);
    void RemoveBorder(VisualState state, unsigned sides);

    // --- State-independent values.
    Rect GetPadding() const;
    void SetPadding(Rect const& padding);
    int GetBorderRadius() const;
    void SetBorderRadius(int radius);
    int GetCursor() const;
    void SetCursor(int cursor);

    // Stores a value as it is, without the comparison of the setters (the built-in looks write their
    // settings literally).
    void StorePadding(Rect const& padding) { m_padding = padding; }
    void StoreBorderRadius(int radius) { m_radius = radius; }

    // What is stored on this very style (descriptions and the resolution of the chain read these).
    Rect const& OwnPadding() const { return m_padding; }
    int OwnBorderRadius() const { return m_radius; }
    int OwnCursor() const { return m_cursor; }

protected:
    // The links a state-independent value is looked up in after the style's own: the control default
    // style, then the three parents (null entries skipped by the caller).
    std::array<DrawStyle const*, 4> Chain() const;

private:
    using Slots = std::array<std::unique_ptr<PaintStyle>, kPaintSlotCount>;

    StyleRegistry& m_registry;
    void const* m_owner;
    std::unique_ptr<Slots> m_slots; // allocated by the first write: a style with nothing set stays small
    Rect m_padding{kUnsetPadding, kUnsetPadding, kUnsetPadding, kUnsetPadding};
    int m_radius = kUnsetRadius;
    int m_cursor = 0;
    ObjectType m_type;
    StyleRole m_role;
};

bool IsPaddingSet(Rect const& padding);
} // namespace lumo
