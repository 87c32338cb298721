// CTreeGrid::CImpl: the model with its styles and factory, and the conversions between the host's
// interfaces and the model's objects.
#include "LumoControls/TreeGrid/w32/ModelClasses.h"
#include "LumoControls/TreeGrid/w32/TreeGridEvents.h"

#include "LumoControls/TreeGrid/w32/StylePlatform.h"
#include "LumoControls/TreeGrid/w32/TreeGridView.h"
#include "LumoCtrls/LumoImage.h"

#include <typeinfo>

// --- Styles

CTreeGrid::CImpl::CStyleRegistry::CStyleRegistry(CImpl& grid, EVisualLook look)
    : lumo::ModelStyleRegistry(lumo::Win32StylePlatform(), static_cast<lumo::VisualLook>(look)), m_grid(grid)
{
}

std::unique_ptr<lumo::DrawStyle> CTreeGrid::CImpl::CStyleRegistry::NewStyle(lumo::StyleClass kind,
                                                                            lumo::ObjectType type,
                                                                            lumo::StyleRole role,
                                                                            void const* owner)
{
    switch (kind)
    {
    case lumo::StyleClass::Draw:
        return std::make_unique<CDrawStyle>(m_grid, *this, type, role, owner);
    case lumo::StyleClass::Styled:
        return std::make_unique<CStyle>(m_grid, *this, type, role, owner);
    default:
        return std::make_unique<CObjStyle>(m_grid, *this, type, role, owner);
    }
}

std::unique_ptr<lumo::PaintStyle> CTreeGrid::CImpl::CStyleRegistry::NewPaintStyle(lumo::DrawStyle& owner,
                                                                                  lumo::PaintSlot slot)
{
    return std::make_unique<CPaintStyle>(owner, slot);
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

// --- Factory

lumo::TreeNode* CTreeGrid::CImpl::CFactory::NewNode(lumo::TreeModel& model, bool root)
{
    return m_nodes.New(model, root);
}

void CTreeGrid::CImpl::CFactory::DeleteNode(lumo::TreeNode* node)
{
    m_nodes.Delete(static_cast<CNode*>(node));
}

lumo::TreeColumn* CTreeGrid::CImpl::CFactory::NewColumn(lumo::TreeModel& model, std::wstring const& title,
                                                        int width, void* data)
{
    return new CColumn(model, title, width, data);
}

void CTreeGrid::CImpl::CFactory::DeleteColumn(lumo::TreeColumn* column)
{
    delete static_cast<CColumn*>(column);
}

lumo::TreeCell* CTreeGrid::CImpl::CFactory::NewCell(lumo::TreeModel& model, lumo::TreeNode& node,
                                                    lumo::TreeColumn& column)
{
    return m_cells.New(model, node, column);
}

void CTreeGrid::CImpl::CFactory::DeleteCell(lumo::TreeCell* cell)
{
    m_cells.Delete(static_cast<CCell*>(cell));
}

lumo::FreeFloatControl* CTreeGrid::CImpl::CFactory::NewFloatControl(
    lumo::TreeModel& model, std::wstring const& name, lumo::Rect const& rect, int editorWidth,
    unsigned editorHeight, bool horizontalLock, bool verticalLock, int value, std::uint64_t number)
{
    return new CFloatControl(model, name, rect, editorWidth, editorHeight, horizontalLock, verticalLock,
                             value, number);
}

void CTreeGrid::CImpl::CFactory::DeleteFloatControl(lumo::FreeFloatControl* control)
{
    delete static_cast<CFloatControl*>(control);
}

// --- CImpl

CTreeGrid::CImpl::CImpl(CTreeGrid& owner, EVisualLook look)
    : m_owner(owner), m_styles(*this, look), m_events(std::make_unique<CEvents>(*this)),
      m_model(m_factory, m_styles, *m_events, m_keys)
{
    m_model.SetOwner(this);
    m_styles.SetModel(&m_model);
    m_view = std::make_unique<CView>(*this);
    m_model.SetView(&m_view->Layout());
}

CTreeGrid::CImpl::~CImpl()
{
    m_model.SetView(nullptr);
    m_view.reset(); // the window goes before the model it shows
}

CTreeGrid::CImpl::CNode& CTreeGrid::CImpl::Own(INode const& node) const
{
    auto& own = const_cast<CNode&>(dynamic_cast<CNode const&>(node));
    if (&own.GetModel() != &m_model)
        throw std::bad_cast();
    return own;
}

CTreeGrid::CImpl::CColumn& CTreeGrid::CImpl::Own(IColumn const& column) const
{
    auto& own = const_cast<CColumn&>(dynamic_cast<CColumn const&>(column));
    if (&own.GetModel() != &m_model)
        throw std::bad_cast();
    return own;
}

CTreeGrid::CImpl::CCell& CTreeGrid::CImpl::Own(ICell const& cell) const
{
    auto& own = const_cast<CCell&>(dynamic_cast<CCell const&>(cell));
    if (&own.GetModel() != &m_model)
        throw std::bad_cast();
    return own;
}

lumo::FreeFloatControl& CTreeGrid::CImpl::Own(IFloatControl const& control) const
{
    auto& own = const_cast<CFloatControl&>(dynamic_cast<CFloatControl const&>(control));
    if (&own.GetModel() != &m_model)
        throw std::bad_cast();
    return own;
}

lumo::FloatControl& CTreeGrid::CImpl::OwnControl(IFloatControl const& control) const
{
    if (auto const* cell = dynamic_cast<CCell const*>(&control))
        return Own(*cell);
    return Own(control);
}

CTreeGrid::INode* CTreeGrid::CImpl::InterfaceOf(lumo::TreeNode* node)
{
    return static_cast<CNode*>(node); // every node of a tree grid is one of these
}

CTreeGrid::IColumn* CTreeGrid::CImpl::InterfaceOf(lumo::TreeColumn* column)
{
    return static_cast<CColumn*>(column);
}

CTreeGrid::ICell* CTreeGrid::CImpl::InterfaceOf(lumo::TreeCell* cell)
{
    return static_cast<CCell*>(cell);
}

CTreeGrid::IFloatControl* CTreeGrid::CImpl::InterfaceOf(lumo::FloatControl* control)
{
    if (control == nullptr)
        return nullptr;
    if (lumo::TreeCell* const cell = control->AsCell())
        return static_cast<CCell*>(cell);
    return static_cast<CFloatControl*>(control->AsFree());
}

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

// --- The model classes' operations that reach other objects

CTreeGrid::ICell* CTreeGrid::CImpl::CNode::GetCell(IColumn const& column) const
{
    return InterfaceOf(Grid().Model().CellOf(const_cast<CNode&>(*this), Grid().Own(column)));
}

bool CTreeGrid::CImpl::CNode::IsDescendantOf(INode const& ancestor) const
{
    return TreeNode::IsDescendantOf(Grid().Own(ancestor));
}

CTreeGrid::ICell* CTreeGrid::CImpl::CColumn::GetCell(INode const& node) const
{
    return InterfaceOf(Grid().Model().CellOf(Grid().Own(node), const_cast<CColumn&>(*this)));
}

CTreeGrid::ICell* CTreeGrid::CImpl::CColumn::CreateCell(INode const& node)
{
    return InterfaceOf(Grid().Model().RenewCell(Grid().Own(node), *this));
}

bool CTreeGrid::CImpl::CColumn::RemoveCell(INode const& node, bool /*notify*/)
{
    // (The tree grid forgets every reference to a removed cell whether asked to or not.) A cell that was
    // never asked for exists all the same, and goes as any other.
    lumo::TreeCell* const cell = Grid().Model().CellOf(Grid().Own(node), *this);
    return cell != nullptr && Grid().Model().RemoveCell(*cell);
}
