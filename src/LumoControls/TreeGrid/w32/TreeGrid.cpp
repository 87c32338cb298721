// CTreeGrid: the exported handle over its implementation (for now, the styles part).
#include "LumoCtrls/TreeGrid.h"

#include "LumoControls/TreeGrid/w32/StyleClasses.h"
#include "LumoControls/TreeGrid/w32/StylePlatform.h"
#include "LumoCtrls/DrawTools.h"

// --- CImpl

CTreeGrid::CImpl::CStyleRegistry::CStyleRegistry(CImpl& grid, EVisualLook look)
    : lumo::StyleRegistry(lumo::Win32StylePlatform(), static_cast<lumo::VisualLook>(look)), m_grid(grid)
{
}

std::unique_ptr<lumo::DrawStyle>
CTreeGrid::CImpl::CStyleRegistry::NewStyle(lumo::StyleClass kind, lumo::ObjectType type, void const* node,
                                           void const* column, lumo::DrawStyle* first,
                                           lumo::DrawStyle* second, lumo::DrawStyle* third)
{
    switch (kind)
    {
    case lumo::StyleClass::Draw:
        return std::make_unique<CDrawStyle>(m_grid, *this, type, node, column, first, second, third);
    case lumo::StyleClass::Styled:
        return std::make_unique<CStyle>(m_grid, *this, type, node, column, first, second, third);
    default:
        return std::make_unique<CObjStyle>(m_grid, *this, type, node, column, first, second, third);
    }
}

std::shared_ptr<lumo::PaintStyle> CTreeGrid::CImpl::CStyleRegistry::NewPaintStyle(lumo::DrawStyle& owner,
                                                                                  lumo::PaintSlot slot)
{
    return std::shared_ptr<lumo::PaintStyle>(new CPaintStyle(owner, slot));
}

void CTreeGrid::CImpl::CStyleRegistry::OnStyleCreated(lumo::DrawStyle& style)
{
    if (m_grid.handler != nullptr)
        m_grid.handler->StyleCreated(InterfaceOf(&style));
}

void CTreeGrid::CImpl::CStyleRegistry::FillDefaultStyle(lumo::DrawStyle& style, lumo::ObjectType type)
{
    if (m_grid.handler != nullptr)
        m_grid.handler->FillDefaultStyle(InterfaceOf(&style), static_cast<EObjectType>(type));
}

CTreeGrid::CImpl::CImpl(CTreeGrid& owner, EVisualLook look) : m_owner(owner), m_styles(*this, look) {}

CTreeGrid::CImpl::~CImpl() = default;

CTreeGrid::IDrawStyle* CTreeGrid::CImpl::InterfaceOf(lumo::DrawStyle* style)
{
    return dynamic_cast<IDrawStyle*>(style);
}

CTreeGrid::IPaintStyle* CTreeGrid::CImpl::InterfaceOf(lumo::PaintStyle* paint)
{
    return static_cast<CPaintStyle*>(paint); // every paint style of a tree grid is one of these
}

CTreeGrid::CImpl& CTreeGrid::CImpl::GridOf(lumo::PaintStyle const& paint)
{
    // Every style of a tree grid is created by its own registry.
    return static_cast<CStyleRegistry&>(paint.GetDrawStyle().GetRegistry()).GetGrid();
}

// --- CTreeGrid

CTreeGrid::CTreeGrid(EVisualLook look)
{
    RefreshColors(); // the built-in looks and border styles take the theme as it is now
    m_impl = new CImpl(*this, look);
}

CTreeGrid::~CTreeGrid()
{
    delete m_impl;
}

void CTreeGrid::SetData(void* data)
{
    m_impl->data = data;
}

void* CTreeGrid::GetData() const
{
    return m_impl->data;
}

void CTreeGrid::SetEventsHandler(CEventsHandler* handler)
{
    m_impl->handler = handler;
}

CTreeGrid::CEventsHandler* CTreeGrid::GetEventsHandler() const
{
    return m_impl->handler;
}

CFont const& CTreeGrid::GetFont() const
{
    return lumo::SharedTreeGridFont();
}

CTreeGrid::IDrawStyle* CTreeGrid::GetDefaultStyle(EObjectType type)
{
    return CImpl::InterfaceOf(m_impl->GetStyles().GetDefaultStyle(static_cast<lumo::ObjectType>(type)));
}

void CTreeGrid::EnumerateUsedStyles(std::set<IDrawStyle*>& styles) const
{
    std::set<lumo::DrawStyle*> used;
    m_impl->GetStyles().EnumerateUsedStyles(used);
    for (lumo::DrawStyle* style : used)
        styles.insert(CImpl::InterfaceOf(style));
}

void CTreeGrid::DefineBorderStyle(std::wstring const& name, std::vector<TPen> const& pens)
{
    m_impl->GetStyles().DefineBorderStyle(name, lumo::PensOf(pens));
}

void CTreeGrid::GetBorderStyle(std::wstring const& name, std::vector<TPen>& pens) const
{
    std::vector<lumo::Pen> found;
    m_impl->GetStyles().GetBorderStyle(name, found);
    pens = lumo::TPensOf(found);
}

void CTreeGrid::RemoveBorderStyle(std::wstring const& name)
{
    m_impl->GetStyles().RemoveBorderStyle(name);
}

void CTreeGrid::EnumerateBorderStyles(std::set<std::wstring>& names) const
{
    m_impl->GetStyles().EnumerateBorderStyles(names);
}
