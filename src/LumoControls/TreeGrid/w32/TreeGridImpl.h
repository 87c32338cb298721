// The implementation behind CTreeGrid: its style registry, its style classes and the host's values.
#pragma once

#include <windows.h>

#include "LumoControls/TreeGrid/Style.h"
#include "LumoControls/TreeGrid/StyleRegistry.h"
#include "LumoControls/TreeGrid/w32/FontCache.h"
#include "LumoControls/TreeGrid/w32/StyleConversions.h"
#include "LumoCtrls/LibraryMemory.h"
#include "LumoCtrls/TreeGrid.h"

class CTreeGrid::CImpl : public CLibraryObject
{
public:
    class CPaintStyle;
    template <class Interface, class Model> class TDrawStyle;
    template <class Interface, class Model> class TStyle;
    class CDrawStyle;
    class CStyle;
    class CObjStyle;

    CImpl(CTreeGrid& owner, EVisualLook look);
    ~CImpl();

    CTreeGrid& GetOwner() const { return m_owner; }
    lumo::StyleRegistry& GetStyles() { return m_styles; }
    lumo::StyleRegistry const& GetStyles() const { return m_styles; }

    // The interface of a style of this tree grid.
    static IDrawStyle* InterfaceOf(lumo::DrawStyle* style);
    static IPaintStyle* InterfaceOf(lumo::PaintStyle* paint);
    // The tree grid a paint style belongs to.
    static CImpl& GridOf(lumo::PaintStyle const& paint);

    lumo::CFontCache& GetFonts() { return m_fonts; }

    CEventsHandler* handler = nullptr;
    void* data = nullptr;

private:
    // Creates this tree grid's style classes and tells the host about them.
    class CStyleRegistry : public lumo::StyleRegistry
    {
    public:
        CStyleRegistry(CImpl& grid, EVisualLook look);

    protected:
        std::unique_ptr<lumo::DrawStyle> NewStyle(lumo::StyleClass kind, lumo::ObjectType type,
                                                  void const* node, void const* column,
                                                  lumo::DrawStyle* first, lumo::DrawStyle* second,
                                                  lumo::DrawStyle* third) override;
        std::shared_ptr<lumo::PaintStyle> NewPaintStyle(lumo::DrawStyle& owner,
                                                        lumo::PaintSlot slot) override;
        void OnStyleCreated(lumo::DrawStyle& style) override;
        void FillDefaultStyle(lumo::DrawStyle& style, lumo::ObjectType type) override;

    public:
        CImpl& GetGrid() const { return m_grid; }

    private:
        CImpl& m_grid;
    };

    CTreeGrid& m_owner;
    lumo::CFontCache m_fonts; // before the styles, whose paint styles hold its fonts
    CStyleRegistry m_styles;
};
