// The tree grid's window and geometry as the host reaches them: the window family of CTreeGrid,
// scrolling, hit testing, and the rectangles of nodes, columns and cells.
#include "LumoControls/TreeGrid/w32/ModelClasses.h"

#include "INC/w32/Geometry.h"
#include "LumoControls/TreeGrid/LayoutGeometry.h"
#include "LumoControls/TreeGrid/w32/TreeGridView.h"

namespace
{
lumo::TreeLayout& LayoutOf(CTreeGrid::CImpl& grid)
{
    return grid.View().Layout();
}

lumo::Point PointOf(POINT const& point)
{
    return lumo::Point{point.x, point.y};
}
} // namespace

// --- Nodes, columns and cells

RECT CTreeGrid::CImpl::CNode::GetRowRect() const
{
    return lumo::ToRECT(LayoutOf(Grid()).RowRect(const_cast<CNode&>(*this)));
}

RECT CTreeGrid::CImpl::CNode::GetRowHeaderRect() const
{
    return lumo::ToRECT(LayoutOf(Grid()).RowHeaderRect(const_cast<CNode&>(*this)));
}

int CTreeGrid::CImpl::CColumn::GetLeft() const
{
    return LayoutOf(Grid()).ScrolledLeft(const_cast<CColumn&>(*this));
}

RECT CTreeGrid::CImpl::CColumn::GetHeaderRect() const
{
    return lumo::ToRECT(LayoutOf(Grid()).ColumnHeaderRect(const_cast<CColumn&>(*this)));
}

RECT CTreeGrid::CImpl::CColumn::GetRect() const
{
    return lumo::ToRECT(LayoutOf(Grid()).ColumnRect(const_cast<CColumn&>(*this)));
}

void CTreeGrid::CImpl::CColumn::FitWidth()
{
    // The widest content among the shown rows' cells; rows whose cell was never made show nothing of
    // their own to measure.
    lumo::TreeLayout& layout = LayoutOf(Grid());
    lumo::TreeModel& model = Grid().Model();
    int widest = -1;
    for (lumo::TreeNode* row = model.Rows().FirstShown(); row != nullptr; row = model.Rows().NextShown(*row))
        if (lumo::TreeCell* const cell = row->FindCell(*this))
        {
            lumo::CellGeometry const geometry = layout.LayOut(*cell);
            if (geometry.laidOut && geometry.content.left <= geometry.content.right)
                widest = std::max(widest, geometry.content.right - geometry.outer.left);
        }
    if (widest >= 0)
        SetWidth(widest + 1);
}

RECT CTreeGrid::CImpl::CellRect(lumo::FloatControl& cell) const
{
    return lumo::ToRECT(m_view->Layout().OuterRect(cell));
}

// --- The window

CWnd& CTreeGrid::Create(CWnd const& parent)
{
    m_impl->View().Create(parent.GetHandle());
    return const_cast<CWnd&>(m_impl->View().Window());
}

void CTreeGrid::Destroy()
{
    m_impl->View().Destroy();
}

CWnd const& CTreeGrid::GetWindow() const
{
    return m_impl->View().Window();
}

void CTreeGrid::Show(bool show)
{
    if (HWND const window = GetWindow().GetHandle())
        ShowWindow(window, show ? SW_SHOW : SW_HIDE);
}

void CTreeGrid::Enable(bool enable)
{
    if (HWND const window = GetWindow().GetHandle())
        EnableWindow(window, enable ? TRUE : FALSE);
}

void CTreeGrid::Resize(RECT const& rect)
{
    if (HWND const window = GetWindow().GetHandle())
        MoveWindow(window, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, TRUE);
}

void CTreeGrid::Refresh()
{
    LayoutOf(*m_impl).Refresh();
}

int CTreeGrid::GetClientWidth() const
{
    return LayoutOf(*m_impl).PageWidth();
}

int CTreeGrid::GetClientHeight() const
{
    return LayoutOf(*m_impl).ClientHeight();
}

int CTreeGrid::GetLockedColumnsWidth() const
{
    return LayoutOf(*m_impl).LockedWidth();
}

// --- Cells and float controls

void CTreeGrid::EnsureVisible(IFloatControl const& control, bool centre, bool horizontalOnly)
{
    LayoutOf(*m_impl).EnsureVisible(m_impl->OwnControl(control), centre, horizontalOnly);
}

RECT CTreeGrid::GetRect(IFloatControl const& control, EItem item)
{
    lumo::CellGeometry const geometry = LayoutOf(*m_impl).LayOut(m_impl->OwnControl(control));
    if (!geometry.laidOut)
        return RECT{};
    switch (item)
    {
    case ItemIcon:
        return lumo::ToRECT(geometry.Part(lumo::kPartIcon));
    case ItemText:
        return lumo::ToRECT(geometry.Part(lumo::kPartText));
    case ItemContent:
        return lumo::IsEmpty(geometry.content) ? RECT{} : lumo::ToRECT(geometry.content);
    case ItemControl:
        return lumo::ToRECT(geometry.Part(lumo::kPartControl));
    case ItemInner:
        return lumo::ToRECT(geometry.inner);
    case ItemExpandButton:
        return lumo::ToRECT(geometry.Part(lumo::kPartExpandButton));
    default:
        return RECT{};
    }
}

// --- Hit testing

CTreeGrid::EHitTest CTreeGrid::HitTest(POINT const& point, IColumn*& column, INode*& node, IFloatControl*& control)
{
    lumo::HitResult const hit = LayoutOf(*m_impl).HitTest(PointOf(point));
    column = CImpl::InterfaceOf(hit.column);
    node = CImpl::InterfaceOf(hit.node);
    control = CImpl::InterfaceOf(hit.control);
    return static_cast<EHitTest>(hit.code);
}

CTreeGrid::IColumn* CTreeGrid::GetColumnFromPosition(POINT const& point)
{
    return CImpl::InterfaceOf(LayoutOf(*m_impl).ColumnAt(PointOf(point)));
}

CTreeGrid::INode* CTreeGrid::GetNodeFromPosition(POINT const& point)
{
    return CImpl::InterfaceOf(LayoutOf(*m_impl).NodeAt(PointOf(point)));
}

CTreeGrid::IFloatControl* CTreeGrid::GetFloatControlFromPosition(POINT const& point)
{
    return CImpl::InterfaceOf(LayoutOf(*m_impl).FloatControlAt(PointOf(point)));
}

// --- Scrolling

POINT CTreeGrid::GetScrollPosition()
{
    return POINT{LayoutOf(*m_impl).HorizontalOffset(), LayoutOf(*m_impl).VerticalPosition()};
}

void CTreeGrid::SetHorizontalScrollPosition(int x)
{
    LayoutOf(*m_impl).SetHorizontalScrollPosition(x);
}

void CTreeGrid::SetVerticalScrollPosition(int y)
{
    LayoutOf(*m_impl).SetVerticalScrollPosition(y);
}

int CTreeGrid::GetHorizontalScrollRange()
{
    return LayoutOf(*m_impl).HorizontalRange();
}

int CTreeGrid::GetVerticalScrollRange()
{
    return LayoutOf(*m_impl).VerticalRange();
}

void CTreeGrid::SetHorizontalScrollStep(unsigned step)
{
    LayoutOf(*m_impl).SetHorizontalStep(step);
}

unsigned CTreeGrid::GetHorizontalScrollStep() const
{
    return LayoutOf(*m_impl).GetHorizontalStep();
}

void CTreeGrid::SetShowHorizontalScrollBar(bool show)
{
    LayoutOf(*m_impl).HideBar(true, !show);
}

void CTreeGrid::SetShowVerticalScrollBar(bool show)
{
    LayoutOf(*m_impl).HideBar(false, !show);
}

bool CTreeGrid::IsHorizontalScrollBarVisible()
{
    return LayoutOf(*m_impl).Bar(true).shown;
}

bool CTreeGrid::IsVerticalScrollBarVisible()
{
    return LayoutOf(*m_impl).Bar(false).shown;
}

void CTreeGrid::GetHorizontalScrollRect(RECT& rect)
{
    rect = lumo::ToRECT(LayoutOf(*m_impl).Bar(true).rect);
}

void CTreeGrid::GetVerticalScrollRect(RECT& rect)
{
    rect = lumo::ToRECT(LayoutOf(*m_impl).Bar(false).rect);
}

void CTreeGrid::GetScrollBarWnds(std::vector<HWND>& windows) const
{
    windows.clear();
    m_impl->View().SyncScrollBars();
    for (bool horizontal : {true, false})
        if (HWND const bar = m_impl->View().ScrollBar(horizontal))
            windows.push_back(bar);
}

CTreeGrid::INode* CTreeGrid::GetTopVisibleNode()
{
    return CImpl::InterfaceOf(LayoutOf(*m_impl).TopVisibleNode());
}

CTreeGrid::INode* CTreeGrid::GetBottomVisibleNode()
{
    return CImpl::InterfaceOf(LayoutOf(*m_impl).BottomVisibleNode());
}
