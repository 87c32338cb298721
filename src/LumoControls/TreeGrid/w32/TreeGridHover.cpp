// What follows the mouse without a button: hover states and their notifications, the cursor, leaving the
// window, tooltips, and the 50-millisecond tick that drives hover leave, delayed editing and tooltips.
#include "INC/w32/LibraryModule.h"
#include "LumoControls/TreeGrid/Style.h"
#include "LumoControls/TreeGrid/w32/ModelClasses.h"
#include "LumoControls/TreeGrid/w32/TreeGridInteraction.h"
#include "LumoControls/TreeGrid/w32/TreeGridView.h"
#include "Plat/w32/LumoCtrlsResources.h"

CTreeGrid::CImpl::CInteraction::CInteraction(CImpl& grid, lumo::TreeLayout& layout)
    : m_grid(grid), m_layout(layout)
{
}

CTreeGrid::CImpl::CInteraction::~CInteraction()
{
    *m_alive = false; // whoever is still running on the stack for this grid stops at its next look
    DropDragImage();
}

void CTreeGrid::CImpl::CInteraction::Attach(HWND window, HWND tooltip)
{
    m_window = window;
    m_tooltip = tooltip;
}

void CTreeGrid::CImpl::CInteraction::Detach()
{
    DropDragImage();
    m_dragging = false;
    m_resize = Resize::None;
    m_pendingActivation = 0;
    EndPress();
    m_window = nullptr;
    m_tooltip = nullptr;
}

lumo::FreeFloatControl* CTreeGrid::CImpl::CInteraction::PressedFree() const
{
    if (m_pressedFree == nullptr)
        return nullptr;
    lumo::TreeModel& model = m_grid.Model();
    for (unsigned i = 0; i < model.GetFloatControlCount(); ++i)
        if (&model.GetFloatControl(i) == m_pressedFree && m_pressedFree->GetNumber() == m_pressedFreeNumber)
            return m_pressedFree;
    return nullptr;
}

// --- Hover

void CTreeGrid::CImpl::CInteraction::SetHover(lumo::HitResult const& hit)
{
    std::shared_ptr<bool> const alive = m_alive;
    lumo::TreeReferences& refs = Refs();
    std::uint64_t const epoch = refs.removals;
    lumo::TreeNode* const rowHeader = hit.code == lumo::kHitRowHeader ? hit.node : nullptr;
    lumo::TreeColumn* const columnHeader = hit.code == lumo::kHitColumnHeader ? hit.column : nullptr;
    if (refs.hoverRowHeader != rowHeader)
    {
        if (refs.hoverRowHeader != nullptr)
            refs.hoverRowHeader->SetHeaderState(lumo::kStateHover, false);
        refs.hoverRowHeader = rowHeader;
        if (rowHeader != nullptr && !rowHeader->HasHeaderState(lumo::kStateDisable))
            rowHeader->SetHeaderState(lumo::kStateHover, true);
    }
    if (refs.hoverColumnHeader != columnHeader)
    {
        if (refs.hoverColumnHeader != nullptr)
            refs.hoverColumnHeader->SetHeaderState(lumo::kStateHover, false);
        refs.hoverColumnHeader = columnHeader;
        if (columnHeader != nullptr && !columnHeader->HasHeaderState(lumo::kStateDisable))
            columnHeader->SetHeaderState(lumo::kStateHover, true);
    }
    // A pressed header shows pressed only while the mouse is on it.
    if (lumo::TreeColumn* const pressed = refs.pressedColumnHeader)
        pressed->SetHeaderState(lumo::kStatePush,
                                pressed == columnHeader && !pressed->HasHeaderState(lumo::kStateDisable));
    if (lumo::TreeNode* const pressed = refs.pressedRowHeader)
        pressed->SetHeaderState(lumo::kStatePush,
                                pressed == rowHeader && !pressed->HasHeaderState(lumo::kStateDisable));

    if (hit.code != m_hoverHit || refs.hover != hit.control)
        m_tooltipTicks = 0;
    m_hoverHit = hit.code;
    lumo::FloatControl* const old = refs.hover;
    if (old == hit.control)
        return;
    if (m_tooltipVisible)
        HideTooltip();
    if (!Alive(alive))
        return;
    refs.hover = hit.control;
    if (old != nullptr)
    {
        old->SetState(lumo::kStateHover, false);
        if (lumo::TreeCell* const cell = old->AsCell(); cell != nullptr && Handler() != nullptr)
        {
            Handler()->HoverLeft(InterfaceOf(cell));
            if (!Intact(epoch))
                return;
        }
    }
    if (lumo::FloatControl* const now = refs.hover)
    {
        if (!now->HasState(lumo::kStateDisable))
            now->SetState(lumo::kStateHover, true);
        if (lumo::TreeCell* const cell = now->AsCell(); cell != nullptr && Handler() != nullptr)
            Handler()->HoverEntered(InterfaceOf(cell));
    }
}

void CTreeGrid::CImpl::CInteraction::OnMouseLeave()
{
    std::shared_ptr<bool> const alive = m_alive;
    m_grid.mouseInside = false;
    if (GetCapture() == m_window)
        return;
    lumo::TreeReferences& refs = Refs();
    if (refs.hover != nullptr)
        refs.hover->SetState(lumo::kStateHover, false);
    if (refs.hoverRowHeader != nullptr)
        refs.hoverRowHeader->SetHeaderState(lumo::kStateHover, false);
    if (refs.hoverColumnHeader != nullptr)
        refs.hoverColumnHeader->SetHeaderState(lumo::kStateHover, false);
    refs.hover = nullptr;
    refs.hoverRowHeader = nullptr;
    refs.hoverColumnHeader = nullptr;
    m_hoverHit = lumo::kHitNowhere;
    m_resize = Resize::None;
    HideTooltip();
    if (!Alive(alive))
        return;
    if (Handler() != nullptr)
    {
        Handler()->MouseLeft();
        if (!Alive(alive))
            return;
    }
    m_grid.View().Repaint();
}

void CTreeGrid::CImpl::CInteraction::OnFocus(bool gained, HWND other)
{
    if (!gained)
        m_pendingActivation = 0; // a delayed editor never opens in a grid the user has left
    if (Handler() != nullptr)
        Handler()->FocusChanged(gained, other == m_window || Refs().edited != nullptr);
}

// --- The cursor

bool CTreeGrid::CImpl::CInteraction::OnSetCursor()
{
    LPCWSTR name = nullptr;
    HINSTANCE module = nullptr;
    switch (m_resize)
    {
    case Resize::Column:
    case Resize::RowHeaderWidth:
        module = lumo::LibraryModule();
        name = MAKEINTRESOURCEW(IDC_RESIZE_HORIZONTAL);
        break;
    case Resize::Row:
    case Resize::ColumnHeaderHeight:
        module = lumo::LibraryModule();
        name = MAKEINTRESOURCEW(IDC_RESIZE_VERTICAL);
        break;
    case Resize::FloatControl:
    {
        Edges const& e = m_edges;
        if (e.left && e.top && e.right && e.bottom)
            name = IDC_SIZEALL;
        else if ((e.left && e.top) || (e.right && e.bottom))
            name = IDC_SIZENWSE;
        else if ((e.right && e.top) || (e.left && e.bottom))
            name = IDC_SIZENESW;
        else if (e.left || e.right)
            name = IDC_SIZEWE;
        else
            name = IDC_SIZENS;
        break;
    }
    case Resize::None:
    {
        // The style of what the mouse is over chooses.
        lumo::TreeReferences& refs = Refs();
        lumo::DrawStyle const* style = nullptr;
        if (lumo::TreeColumn* const column =
                refs.pressedColumnHeader != nullptr ? refs.pressedColumnHeader : refs.hoverColumnHeader)
            style = &column->GetHeaderStyle();
        else if (lumo::TreeNode* const node =
                     refs.pressedRowHeader != nullptr ? refs.pressedRowHeader : refs.hoverRowHeader)
            style = &node->GetRowHeaderStyle();
        else if (refs.hover != nullptr)
            style = &refs.hover->GetStyle();
        else
            style = m_grid.GetStyles().GetDefaultStyle(lumo::ObjectType::Grid);
        switch (style != nullptr ? style->GetCursor() : 1)
        {
        case 2:
            name = IDC_HAND;
            break;
        case 3:
            name = IDC_IBEAM;
            break;
        case 4:
            name = IDC_HELP;
            break;
        case 5:
            name = IDC_NO;
            break;
        case 6:
            module = lumo::LibraryModule();
            name = MAKEINTRESOURCEW(IDC_STYLE_CURSOR);
            break;
        default:
            name = IDC_ARROW;
        }
    }
    }
    // Cursors loaded by name are shared: they are never destroyed.
    HCURSOR const cursor = LoadCursorW(module, name);
    SetCursor(cursor != nullptr ? cursor : LoadCursorW(nullptr, IDC_ARROW));
    return true;
}

// --- Tooltips

void CTreeGrid::CImpl::CInteraction::HideTooltip()
{
    m_tooltipTicks = 0;
    if (!m_tooltipVisible)
        return;
    m_tooltipVisible = false;
    if (m_tooltip != nullptr)
    {
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.hwnd = m_window;
        tool.uId = reinterpret_cast<UINT_PTR>(m_window);
        SendMessageW(m_tooltip, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
    }
    if (Handler() != nullptr)
        Handler()->TooltipHidden();
}

bool CTreeGrid::CImpl::CInteraction::ForegroundIsOurs() const
{
    HWND const foreground = GetForegroundWindow();
    for (HWND w = m_window; w != nullptr; w = GetParent(w))
        if (w == foreground)
            return true;
    return false;
}

void CTreeGrid::CImpl::CInteraction::ShowTooltip(POINT screen)
{
    if (m_tooltip == nullptr || !IsWindowEnabled(m_window) || !IsWindowVisible(m_window) ||
        !ForegroundIsOurs())
        return;
    std::shared_ptr<bool> const alive = m_alive;
    lumo::TreeReferences& refs = Refs();
    std::wstring text;
    bool agreed = true;
    if (lumo::TreeNode* const node = m_hoverHit == lumo::kHitRowHeader ? refs.hoverRowHeader : nullptr)
    {
        text = node->GetSecondText();
        agreed = Handler() == nullptr || Handler()->RowHeaderTooltip(InterfaceOf(node), text);
    }
    else if (lumo::TreeColumn* const column =
                 m_hoverHit == lumo::kHitColumnHeader ? refs.hoverColumnHeader : nullptr)
    {
        text = column->GetSecondText();
        agreed = Handler() == nullptr || Handler()->ColumnHeaderTooltip(InterfaceOf(column), text);
    }
    else if (lumo::FloatControl* const control = refs.hover)
    {
        text = control->GetTooltip();
        agreed = Handler() == nullptr || Handler()->ControlTooltip(InterfaceOf(control), text);
    }
    else
        return;
    if (!Alive(alive) || !agreed || text.empty())
        return;
    m_tooltipText = text;
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.hwnd = m_window;
    tool.uId = reinterpret_cast<UINT_PTR>(m_window);
    tool.lpszText = m_tooltipText.data();
    SendMessageW(m_tooltip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageW(m_tooltip, TTM_TRACKPOSITION, 0, MAKELPARAM(screen.x + 10, screen.y + 20));
    SendMessageW(m_tooltip, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
    m_tooltipVisible = true;
}

void CTreeGrid::CImpl::CInteraction::OnTooltipText(NMTTDISPINFOW& info)
{
    info.lpszText = m_tooltipText.data();
}

// --- The tick

void CTreeGrid::CImpl::CInteraction::OnTimer()
{
    std::shared_ptr<bool> const alive = m_alive;
    HWND const capture = GetCapture();
    if (m_window == nullptr || (capture != nullptr && capture != m_window))
        return;
    POINT cursor{};
    GetCursorPos(&cursor);

    if (m_grid.mouseInside && capture == nullptr)
    {
        HWND const under = WindowFromPoint(cursor);
        CControlCore* const open = m_grid.FocusedControl();
        bool const ours = under == m_window || (under != nullptr && GetParent(under) == m_window) ||
                          (open != nullptr && (under == open->Editor() || under == open->List()));
        if (!ours)
            PostMessageW(m_window, WM_MOUSELEAVE, 0, 0);
    }

    if (m_pendingActivation > 0 && !IsWindowVisible(m_window))
        m_pendingActivation = 0;
    if (m_pendingActivation == 1)
    {
        m_pendingActivation = 0;
        if (Refs().focus != nullptr)
            m_grid.BeginEdit(*Refs().focus);
        if (!Alive(alive))
            return;
    }
    else if (m_pendingActivation > 1)
        --m_pendingActivation;

    if (Refs().edited != nullptr || capture != nullptr)
        return;
    bool const still = cursor.x == m_lastCursor.x && cursor.y == m_lastCursor.y;
    m_lastCursor = cursor;
    if (!still)
    {
        m_tooltipTicks = 0;
        return;
    }
    if (m_tooltipShown || m_tooltipVisible)
        return;
    if (m_hoverHit == lumo::kHitColumnHeader)
        ShowTooltip(cursor);
    else if (m_hoverHit >= lumo::kPartIcon && m_hoverHit <= lumo::kPartControl &&
             ++m_tooltipTicks >= m_grid.ticksBeforeTooltips)
        ShowTooltip(cursor);
}

// --- The drag image

void CTreeGrid::CImpl::CInteraction::MakeDragImage(POINT point)
{
    DropDragImage();
    lumo::Rect r{};
    if (lumo::TreeColumn* const column = Refs().draggedColumn)
        r = m_layout.ColumnHeaderRect(*column);
    else if (Refs().pressed != nullptr)
        r = m_layout.OuterRect(*Refs().pressed);
    int const width = r.Width();
    int const height = r.Height();
    if (width <= 0 || height <= 0)
        return;
    // The image is what the grid shows there now.
    HDC const screen = GetDC(m_window);
    HDC const memory = CreateCompatibleDC(screen);
    HBITMAP const bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ const saved = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
    SelectObject(memory, saved);
    DeleteDC(memory);
    ReleaseDC(m_window, screen);
    m_dragImage = ImageList_Create(width, height, ILC_COLOR32, 1, 0);
    if (m_dragImage != nullptr)
        ImageList_Add(m_dragImage, bitmap, nullptr);
    DeleteObject(bitmap);
    if (m_dragImage == nullptr)
        return;
    POINT screenPoint = point;
    ClientToScreen(m_window, &screenPoint);
    ImageList_BeginDrag(m_dragImage, 0, width / 2, height - 4);
    ImageList_DragEnter(nullptr, screenPoint.x, screenPoint.y);
}

void CTreeGrid::CImpl::CInteraction::DropDragImage()
{
    if (m_dragImage == nullptr)
        return;
    ImageList_DragLeave(nullptr);
    ImageList_EndDrag();
    ImageList_Destroy(m_dragImage);
    m_dragImage = nullptr;
}
