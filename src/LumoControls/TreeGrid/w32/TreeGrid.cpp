// CTreeGrid: the exported handle, forwarding to its implementation.
#include "LumoControls/TreeGrid/TreeConsistency.h"
#include "LumoControls/TreeGrid/w32/ModelClasses.h"

#include "LumoControls/TreeGrid/w32/StylePlatform.h"
#include "LumoCtrls/DrawTools.h"

CTreeGrid::CTreeGrid(EVisualLook look)
{
    RefreshColors(); // the built-in looks and border styles take the theme as it is now
    m_impl = new CImpl(*this, look);
}

CTreeGrid::~CTreeGrid()
{
    delete m_impl;
}

// --- Lifetime and settings

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

void CTreeGrid::Clear()
{
    m_impl->Model().Clear();
}

std::string CTreeGrid::CheckConsistency() const
{
    return lumo::CheckConsistency(m_impl->Model());
}

void CTreeGrid::SetLockedUpdate(bool locked)
{
    m_impl->Model().SetLockedUpdate(locked);
}

bool CTreeGrid::IsLockedUpdate() const
{
    return m_impl->Model().IsLockedUpdate();
}

void CTreeGrid::DisplayFocus(bool display)
{
    m_impl->displayFocus = display;
}

void CTreeGrid::SetStyle(EStyle style, bool on)
{
    m_impl->Model().SetStyle(style, on);
}

bool CTreeGrid::IsStyleSet(EStyle style) const
{
    return m_impl->Model().IsStyleSet(style);
}

void CTreeGrid::SetTicksBeforeDisplayTooltips(unsigned ticks)
{
    m_impl->ticksBeforeTooltips = ticks;
}

void CTreeGrid::SetAllowMultilineDisplayForTexts(bool allow)
{
    m_impl->multilineTexts = allow;
}

void CTreeGrid::SetMultiSelectionWithoutControl(bool allow)
{
    m_impl->multiSelectionWithoutControl = allow;
}

void CTreeGrid::SetExternalFilesDrop(bool accept)
{
    m_impl->externalFilesDrop = accept;
}

// --- Columns

bool CTreeGrid::InsertColumn(unsigned index, std::wstring const& title, int width, void* data)
{
    return m_impl->Model().InsertColumn(index, title, width, data);
}

bool CTreeGrid::RemoveColumn(IColumn const& column)
{
    return m_impl->Model().RemoveColumn(m_impl->Own(column));
}

void CTreeGrid::ClearColumns()
{
    m_impl->Model().ClearColumns();
}

void CTreeGrid::MoveColumnTo(IColumn const& column, unsigned index)
{
    m_impl->Model().MoveColumnTo(m_impl->Own(column), index);
}

unsigned CTreeGrid::GetColumnCount() const
{
    return m_impl->Model().GetColumnCount();
}

CTreeGrid::IColumn& CTreeGrid::GetColumn(unsigned index) const
{
    return *CImpl::InterfaceOf(&m_impl->Model().GetColumn(index));
}

int CTreeGrid::GetColumnIndex(IColumn const& column) const
{
    return m_impl->Model().GetColumnIndex(m_impl->Own(column));
}

void CTreeGrid::SetTreeColumn(IColumn* column)
{
    m_impl->Model().SetTreeColumn(m_impl->Own(column));
}

CTreeGrid::IColumn* CTreeGrid::GetTreeColumn() const
{
    return CImpl::InterfaceOf(m_impl->Model().GetTreeColumn());
}

void CTreeGrid::LockColumnsUntil(IColumn* column)
{
    m_impl->Model().LockColumnsUntil(m_impl->Own(column));
}

void CTreeGrid::SelectColumn(IColumn* column)
{
    m_impl->Model().SelectColumn(m_impl->Own(column));
}

CTreeGrid::IColumn* CTreeGrid::GetSelectedColumn() const
{
    return CImpl::InterfaceOf(m_impl->Model().GetSelectedColumn());
}

// --- Headers

void CTreeGrid::ShowColumnHeader(bool show)
{
    m_impl->Model().ShowColumnHeader(show);
}

bool CTreeGrid::IsColumnHeaderVisible() const
{
    return m_impl->Model().IsColumnHeaderVisible();
}

void CTreeGrid::SetColumnHeaderHeight(unsigned height, bool exact)
{
    m_impl->Model().SetColumnHeaderHeight(height, exact);
}

unsigned CTreeGrid::GetColumnHeaderHeight() const
{
    return m_impl->Model().GetColumnHeaderHeight();
}

void CTreeGrid::SelectColumnHeader(IColumn* column)
{
    m_impl->Model().SelectColumnHeader(m_impl->Own(column));
}

CTreeGrid::IColumn* CTreeGrid::GetSelectedColumnHeader() const
{
    return CImpl::InterfaceOf(m_impl->Model().GetSelectedColumnHeader());
}

void CTreeGrid::ShowRowHeader(bool show)
{
    m_impl->Model().ShowRowHeader(show);
}

bool CTreeGrid::IsRowHeaderVisible() const
{
    return m_impl->Model().IsRowHeaderVisible();
}

void CTreeGrid::SetRowHeaderWidth(unsigned width)
{
    m_impl->Model().SetRowHeaderWidth(width);
}

unsigned CTreeGrid::GetRowHeaderWidth() const
{
    return m_impl->Model().GetRowHeaderWidth();
}

// --- Nodes

CTreeGrid::INode* CTreeGrid::AddNode(INode* parent, void* data)
{
    return CImpl::InterfaceOf(m_impl->Model().AddNode(m_impl->Own(parent), data));
}

CTreeGrid::INode* CTreeGrid::InsertNode(INode* parent, INode* after, void* data)
{
    return CImpl::InterfaceOf(m_impl->Model().InsertNode(m_impl->Own(parent), m_impl->Own(after), data));
}

bool CTreeGrid::RemoveNode(INode& node)
{
    return m_impl->Model().RemoveNode(m_impl->Own(node));
}

bool CTreeGrid::MoveNodeTo(INode& node, INode* parent, INode* after)
{
    return m_impl->Model().MoveNodeTo(m_impl->Own(node), m_impl->Own(parent), m_impl->Own(after));
}

void CTreeGrid::ClearNodes()
{
    m_impl->Model().ClearNodes();
}

CTreeGrid::INode* CTreeGrid::GetRootNode() const
{
    return CImpl::InterfaceOf(&m_impl->Model().GetRoot());
}

CTreeGrid::INode* CTreeGrid::GetFirstSiblingNode() const
{
    return CImpl::InterfaceOf(m_impl->Model().GetRoot().GetFirstChild());
}

CTreeGrid::INode* CTreeGrid::GetLastSiblingNode() const
{
    return CImpl::InterfaceOf(m_impl->Model().GetRoot().GetLastChild());
}

CTreeGrid::INode* CTreeGrid::GetPrevSiblingNode(INode const& node) const
{
    return CImpl::InterfaceOf(m_impl->Own(node).TreeNode::GetPrevSibling());
}

CTreeGrid::INode* CTreeGrid::GetNextSiblingNode(INode const& node) const
{
    return CImpl::InterfaceOf(m_impl->Own(node).TreeNode::GetNextSibling());
}

int CTreeGrid::GetNodeMaxDepth(bool shown) const
{
    return m_impl->Model().GetNodeMaxDepth(shown);
}

void CTreeGrid::SetExpandNodeAndDescendants(INode& node, bool expanded)
{
    m_impl->Model().SetExpandNodeAndDescendants(m_impl->Own(node), expanded);
}

void CTreeGrid::SetNodeIndentation(unsigned indentation)
{
    m_impl->Model().SetNodeIndentation(indentation);
}

unsigned CTreeGrid::GetNodeIndentation() const
{
    return m_impl->Model().GetNodeIndentation();
}

void CTreeGrid::SetMinimumCellHeight(unsigned height)
{
    m_impl->Model().SetMinimumCellHeight(height);
}

unsigned CTreeGrid::GetMinimumCellHeight() const
{
    return m_impl->Model().GetMinimumCellHeight();
}

// --- Cells and float controls

CTreeGrid::ICell* CTreeGrid::RenewCell(INode const& node, IColumn const& column)
{
    return CImpl::InterfaceOf(m_impl->Model().RenewCell(m_impl->Own(node), m_impl->Own(column)));
}

bool CTreeGrid::RemoveCell(ICell const& cell)
{
    return m_impl->Model().RemoveCell(m_impl->Own(cell));
}

CTreeGrid::IFloatControl* CTreeGrid::CreateFloatControl(std::wstring const& name, int x, int y, int width,
                                                        int height, int editorWidth, unsigned editorHeight,
                                                        bool horizontalLock, bool verticalLock, int value)
{
    lumo::Rect const rect{x, y, x + width, y + height};
    return CImpl::InterfaceOf(&m_impl->Model().CreateFloatControl(name, rect, editorWidth, editorHeight,
                                                                  horizontalLock, verticalLock, value));
}

void CTreeGrid::RemoveFloatControl(IFloatControl const& control)
{
    m_impl->Model().RemoveFloatControl(m_impl->Own(control));
}

unsigned CTreeGrid::GetFloatControlCount() const
{
    return m_impl->Model().GetFloatControlCount();
}

CTreeGrid::IFloatControl& CTreeGrid::GetFloatControl(unsigned index) const
{
    return *CImpl::InterfaceOf(&m_impl->Model().GetFloatControl(index));
}

// --- Cell selection

void CTreeGrid::SelectCell(ICell& cell)
{
    m_impl->Model().SelectCell(m_impl->Own(cell));
}

void CTreeGrid::UnselectCell(ICell& cell)
{
    m_impl->Model().UnselectCell(m_impl->Own(cell));
}

void CTreeGrid::ClearCellsSelection()
{
    m_impl->Model().ClearCellsSelection();
}

void CTreeGrid::GetSelectedCells(std::vector<ICell*>& cells) const
{
    std::vector<lumo::TreeCell*> const& selected = m_impl->Model().GetSelectedCells();
    cells.clear();
    cells.reserve(selected.size());
    for (lumo::TreeCell* cell : selected)
        cells.push_back(CImpl::InterfaceOf(cell));
}

// --- Grid lines

void CTreeGrid::SetGridLinesStyle(ELineStyle style, bool on)
{
    m_impl->Model().SetGridLinesStyle(style, on);
}

bool CTreeGrid::CheckGridLinesStyle(ELineStyle style) const
{
    return m_impl->Model().CheckGridLinesStyle(style);
}

void CTreeGrid::SetColorGridLines(COLORREF color)
{
    m_impl->Model().SetGridLinesColor(color);
}

COLORREF CTreeGrid::GetColorGridLines() const
{
    return m_impl->Model().GetGridLinesColor();
}

// --- Styles

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
