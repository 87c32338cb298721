// The styles of one tree grid: the factory of every style, its default style per object type (with the
// built-in look applied at creation) and its named border styles.
//
// Styles belong to the objects they style (nodes, columns, cells and float controls hold theirs; the
// registry holds the default styles); the registry makes them, tells whom they inherit from and walks
// them all. The Win32 tree grid derives from it to create its own style classes and to reach the host's
// events handler; everything here is the platform-free part.
#pragma once

#include "LumoControls/TreeGrid/DrawStyle.h"
#include "LumoControls/TreeGrid/StylePlatform.h"
#include "LumoControls/TreeGrid/StyleTypes.h"

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace lumo
{
// The built-in looks a tree grid is constructed with.
enum class VisualLook
{
    Standard = 0, // grey headers, system selection colours
    Theme = 1,    // the library's blue theme colours
    Host = 2,     // the host's events handler fills every default style
};

class StyleRegistry
{
public:
    StyleRegistry(IStylePlatform const& platform, VisualLook look);
    virtual ~StyleRegistry();
    StyleRegistry(StyleRegistry const&) = delete;
    StyleRegistry& operator=(StyleRegistry const&) = delete;

    IStylePlatform const& GetPlatform() const { return m_platform; }
    VisualLook GetLook() const { return m_look; }
    FontSpec const& GetSharedFont() const { return m_sharedFont; }

    // --- Styles.
    // A new style for its owner; announced to the host (StyleCreated) when asked to, after it exists.
    std::unique_ptr<DrawStyle> CreateStyle(StyleClass kind, ObjectType type, StyleRole role,
                                           void const* owner, bool announce);
    std::unique_ptr<PaintStyle> CreatePaintStyle(DrawStyle& owner, PaintSlot slot);

    // The default style of a type, created with its built-in look on first request; null outside 1 to 19.
    DrawStyle* GetDefaultStyle(ObjectType type);
    // The default style of a type if it exists (reading effective values never creates one).
    DrawStyle* FindDefaultStyle(ObjectType type) const;
    // The parent of a style by its role (index 0 to 2), or null.
    DrawStyle const* ParentOf(DrawStyle const& style, int index) const;
    // Every style alive, default styles first; then the styles of the model objects.
    virtual void ForEachStyle(std::function<void(DrawStyle&)> const& visit) const;
    // Every style whose IsSet is true is added to `styles` (not cleared first).
    void EnumerateUsedStyles(std::set<DrawStyle*>& styles) const;

    // --- Named border styles.
    void DefineBorderStyle(std::wstring const& name, std::vector<Pen> const& pens);
    // Clears pens, then copies the named style's pens when the name is defined.
    void GetBorderStyle(std::wstring const& name, std::vector<Pen>& pens) const;
    void RemoveBorderStyle(std::wstring const& name);
    void EnumerateBorderStyles(std::set<std::wstring>& names) const;
    int GetBorderPenCount(std::wstring const& name) const;

    // --- What styles ask of their tree grid.
    virtual void RequestLayout() {}
    virtual void EndEdit() {}
    // Something a style or border style paints changed.
    virtual void StyleChanged() {}

protected:
    // The concrete classes of styles and paint styles (the Win32 tree grid's own).
    virtual std::unique_ptr<DrawStyle> NewStyle(StyleClass kind, ObjectType type, StyleRole role,
                                                void const* owner);
    virtual std::unique_ptr<PaintStyle> NewPaintStyle(DrawStyle& owner, PaintSlot slot);
    // A style was created (the host hears of it).
    virtual void OnStyleCreated(DrawStyle&) {}
    // Look Host: the host fills a new default style.
    virtual void FillDefaultStyle(DrawStyle&, ObjectType) {}

private:
    IStylePlatform const& m_platform;
    VisualLook m_look;
    FontSpec m_sharedFont;
    std::array<std::unique_ptr<DrawStyle>, kObjectTypeCount + 1> m_defaults; // by object type, 1 to 19
    std::map<std::wstring, std::vector<Pen>> m_borderStyles;
};
} // namespace lumo
