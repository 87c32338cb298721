#include "LumoControls/TreeGrid/w32/TreeGridEvents.h"

namespace
{
// Passes a notification to the handler when there is one; a query without one is accepted.
template <class Call> bool Ask(CTreeGrid::CEventsHandler* handler, Call&& call)
{
    return handler == nullptr || call(*handler);
}
template <class Call> void Tell(CTreeGrid::CEventsHandler* handler, Call&& call)
{
    if (handler != nullptr)
        call(*handler);
}
} // namespace

using Handler = CTreeGrid::CEventsHandler;

bool CTreeGrid::CImpl::CEvents::NodeMayInsert(lumo::TreeNode& node, lumo::TreeNode* parent,
                                              lumo::TreeNode* after)
{
    return Ask(m_grid.handler, [&](Handler& h)
               { return h.NodeMayInsert(InterfaceOf(&node), InterfaceOf(parent), InterfaceOf(after)); });
}

void CTreeGrid::CImpl::CEvents::NodeInserted(lumo::TreeNode& node)
{
    Tell(m_grid.handler, [&](Handler& h) { h.NodeInserted(InterfaceOf(&node)); });
}

bool CTreeGrid::CImpl::CEvents::NodeMayRemove(lumo::TreeNode& node)
{
    return Ask(m_grid.handler, [&](Handler& h) { return h.NodeMayRemove(InterfaceOf(&node)); });
}

void CTreeGrid::CImpl::CEvents::NodeRemoved(lumo::TreeNode& node)
{
    Tell(m_grid.handler, [&](Handler& h) { h.NodeRemoved(InterfaceOf(&node)); });
}

bool CTreeGrid::CImpl::CEvents::NodeMayCollapse(lumo::TreeNode& node)
{
    return Ask(m_grid.handler, [&](Handler& h) { return h.NodeMayCollapse(InterfaceOf(&node)); });
}

void CTreeGrid::CImpl::CEvents::NodeCollapsed(lumo::TreeNode& node)
{
    Tell(m_grid.handler, [&](Handler& h) { h.NodeCollapsed(InterfaceOf(&node)); });
}

bool CTreeGrid::CImpl::CEvents::NodeMayExpand(lumo::TreeNode& node)
{
    return Ask(m_grid.handler, [&](Handler& h) { return h.NodeMayExpand(InterfaceOf(&node)); });
}

void CTreeGrid::CImpl::CEvents::NodeExpanded(lumo::TreeNode& node)
{
    Tell(m_grid.handler, [&](Handler& h) { h.NodeExpanded(InterfaceOf(&node)); });
}

void CTreeGrid::CImpl::CEvents::NodeVisibilityChanged(lumo::TreeNode& node)
{
    Tell(m_grid.handler, [&](Handler& h) { h.NodeVisibilityChanged(InterfaceOf(&node)); });
}

void CTreeGrid::CImpl::CEvents::NodeMoved(lumo::TreeNode& node, lumo::TreeNode* parent, lumo::TreeNode* after)
{
    Tell(m_grid.handler,
         [&](Handler& h) { h.NodeMoved(InterfaceOf(&node), InterfaceOf(parent), InterfaceOf(after)); });
}

bool CTreeGrid::CImpl::CEvents::NodesMayClear()
{
    return Ask(m_grid.handler, [&](Handler& h) { return h.NodesMayClear(); });
}

void CTreeGrid::CImpl::CEvents::NodesCleared()
{
    Tell(m_grid.handler, [&](Handler& h) { h.NodesCleared(); });
}

bool CTreeGrid::CImpl::CEvents::ColumnMayInsert(lumo::TreeColumn& column, unsigned index)
{
    return Ask(m_grid.handler, [&](Handler& h) { return h.ColumnMayInsert(InterfaceOf(&column), index); });
}

void CTreeGrid::CImpl::CEvents::ColumnInserted(lumo::TreeColumn& column)
{
    Tell(m_grid.handler, [&](Handler& h) { h.ColumnInserted(InterfaceOf(&column)); });
}

bool CTreeGrid::CImpl::CEvents::ColumnMayRemove(lumo::TreeColumn& column)
{
    return Ask(m_grid.handler, [&](Handler& h) { return h.ColumnMayRemove(InterfaceOf(&column)); });
}

void CTreeGrid::CImpl::CEvents::ColumnRemoved(lumo::TreeColumn& column)
{
    Tell(m_grid.handler, [&](Handler& h) { h.ColumnRemoved(InterfaceOf(&column)); });
}

bool CTreeGrid::CImpl::CEvents::ColumnsMayClear()
{
    return Ask(m_grid.handler, [&](Handler& h) { return h.ColumnsMayClear(); });
}

void CTreeGrid::CImpl::CEvents::ColumnsCleared()
{
    Tell(m_grid.handler, [&](Handler& h) { h.ColumnsCleared(); });
}

void CTreeGrid::CImpl::CEvents::ColumnVisibilityChanged(lumo::TreeColumn& column)
{
    Tell(m_grid.handler, [&](Handler& h) { h.ColumnVisibilityChanged(InterfaceOf(&column)); });
}

void CTreeGrid::CImpl::CEvents::ColumnTitleChanged(lumo::TreeColumn& column)
{
    Tell(m_grid.handler, [&](Handler& h) { h.ColumnTitleChanged(InterfaceOf(&column)); });
}

bool CTreeGrid::CImpl::CEvents::CellMaySelect(lumo::TreeCell& cell, bool notify)
{
    return Ask(m_grid.handler, [&](Handler& h) { return h.CellMaySelect(InterfaceOf(&cell), notify); });
}

void CTreeGrid::CImpl::CEvents::CellSelected(lumo::TreeCell& cell)
{
    Tell(m_grid.handler, [&](Handler& h) { h.CellSelected(InterfaceOf(&cell)); });
}

bool CTreeGrid::CImpl::CEvents::CellMayUnselect(lumo::TreeCell& cell)
{
    return Ask(m_grid.handler, [&](Handler& h) { return h.CellMayUnselect(InterfaceOf(&cell)); });
}

void CTreeGrid::CImpl::CEvents::CellRemoving(lumo::TreeCell& cell)
{
    Tell(m_grid.handler, [&](Handler& h) { h.CellRemoving(InterfaceOf(&cell)); });
}
