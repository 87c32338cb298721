// The splitter bar's window: its two classes, the drag with the mouse captured, its size and its paint.
#include "LumoCtrls/Splitter.h"

#include "INC/w32/LibraryModule.h"
#include "INC/w32/MessageBoundary.h"
#include "INC/w32/PlatformFailure.h"
#include "LumoControls/LumoSplitter/SplitterDrag.h"
#include "LumoCtrls/ColorArithmetic.h"
#include "LumoCtrls/DrawTools.h"
#include "LumoCtrls/ResourceTracker.h"
#include "LumoCtrls/ThemeColors.h"
#include "Plat/w32/LumoCtrlsResources.h"

#include <windowsx.h>

namespace
{
constexpr char kSourcePath[] = "src/LumoControls/LumoSplitter/LumoSplitter";
constexpr wchar_t kHorizontalClass[] = L"HorizontalSplitter";
constexpr wchar_t kVerticalClass[] = L"VerticalSplitter";

void RegisterClassOf(wchar_t const* name, UINT cursor, WNDPROC procedure)
{
    HCURSOR const shape = LoadCursorW(lumo::LibraryModule(), MAKEINTRESOURCEW(cursor));
    if (shape == nullptr)
        CResourceNotFound::CreateAndThrow(
            lumo::LibraryModule(), cursor == IDC_RESIZE_VERTICAL ? 32645 : 32644, 7, kSourcePath, __LINE__);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_DBLCLKS;
    windowClass.cbWndExtra = sizeof(void*);
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = lumo::LibraryModule();
    windowClass.hCursor = shape;
    windowClass.lpszClassName = name;
    if (RegisterClassExW(&windowClass) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        lumo::ThrowLastError(L"RegisterClass", kSourcePath, __LINE__);
}

void Checked(BOOL succeeded, wchar_t const* operation, int line)
{
    if (!succeeded)
        lumo::ThrowLastError(operation, kSourcePath, line);
}
} // namespace

CSplitter::CSplitter() = default;

CSplitter::~CSplitter()
{
    Destroy();
}

void CSplitter::Register()
{
    RegisterClassOf(kHorizontalClass, IDC_RESIZE_VERTICAL, &Procedure);
    RegisterClassOf(kVerticalClass, IDC_RESIZE_HORIZONTAL, &Procedure);
}

void CSplitter::Unregister()
{
    UnregisterClassW(kHorizontalClass, lumo::LibraryModule());
    UnregisterClassW(kVerticalClass, lumo::LibraryModule());
}

HWND CSplitter::Create(HWND parent, UINT identifier, bool horizontal, int weight, bool ownerDraw)
{
    Destroy();
    m_parent = parent;
    m_identifier = identifier;
    m_horizontal = horizontal;
    m_weight = weight;
    m_ownerDraw = ownerDraw;
    HWND const window = CreateWindowExW(
        0, horizontal ? kHorizontalClass : kVerticalClass, L"", WS_CHILD | WS_VISIBLE, 0, 0,
        horizontal ? 0 : weight, horizontal ? weight : 0, parent,
        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(identifier)), lumo::LibraryModule(), this);
    if (window == nullptr)
        lumo::ThrowLastError(L"CreateWindowEx", kSourcePath, __LINE__);
    m_style = LUMO_STYLE_GRADIENT;
    RecalcLayout();
    return m_window;
}

void CSplitter::Destroy()
{
    if (m_window != nullptr && IsWindow(m_window))
        DestroyWindow(m_window); // WM_NCDESTROY forgets the window
    m_window = nullptr;
    m_dragging = false;
}

void CSplitter::Show(bool show)
{
    if (m_window != nullptr)
        ShowWindow(m_window, show ? SW_SHOW : SW_HIDE);
}

void CSplitter::GetRect(RECT& rect) const
{
    rect = RECT{};
    if (m_window == nullptr)
        return;
    Checked(GetWindowRect(m_window, &rect), L"GetWindowRect", __LINE__);
    MapWindowPoints(nullptr, m_parent, reinterpret_cast<POINT*>(&rect), 2);
}

void CSplitter::SetStyle(eLumoStyle style)
{
    m_style = style;
    if (m_window != nullptr)
        InvalidateRect(m_window, nullptr, FALSE);
}

void CSplitter::RecalcLayout()
{
    RECT rect;
    GetRect(rect);
    Notify(NOTIFY_LAYOUT, rect);
}

void CSplitter::CancellDrag()
{
    if (!m_dragging)
        return;
    m_dragging = false; // first: losing the capture below must not end the drag a second time
    ReleaseCapture();
    RECT rect;
    GetRect(rect);
    Notify(NOTIFY_DRAG_CANCELLED, rect);
}

LRESULT CSplitter::Notify(int code, RECT const& rect)
{
    TNotification record{};
    record.header.hwndFrom = m_window;
    record.header.idFrom = m_identifier;
    record.header.code = static_cast<UINT>(code);
    record.rect = rect;
    return SendMessageW(m_parent, WM_NOTIFY, m_identifier, reinterpret_cast<LPARAM>(&record));
}

LRESULT CALLBACK CSplitter::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE)
    {
        auto* const creating =
            static_cast<CSplitter*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(window, 0, reinterpret_cast<LONG_PTR>(creating));
        creating->m_window = window;
    }
    auto* const self = reinterpret_cast<CSplitter*>(GetWindowLongPtrW(window, 0));
    if (self == nullptr)
        return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY)
    {
        SetWindowLongPtrW(window, 0, 0);
        self->m_window = nullptr;
        self->m_dragging = false;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return lumo::DispatchGuarded(window, message, wParam, lParam,
                                 [&] { return self->OnMessage(message, wParam, lParam); });
}

LRESULT CSplitter::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_LBUTTONDOWN:
    {
        RECT rect;
        GetRect(rect);
        Notify(NOTIFY_DRAG_START, rect);
        SetCapture(m_window);
        if (GetCapture() != m_window)
            lumo::ThrowLastError(L"GetCapture", kSourcePath, __LINE__);
        m_dragging = true;
        return 0;
    }
    case WM_MOUSEMOVE:
        if (m_dragging && m_weight != 0)
        {
            POINT cursor{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            Checked(ClientToScreen(m_window, &cursor), L"ClientToScreen", __LINE__);
            Checked(ScreenToClient(m_parent, &cursor), L"ScreenToClient", __LINE__);
            RECT area{};
            Checked(GetClientRect(m_parent, &area), L"GetClientRect", __LINE__);
            RECT rect;
            GetRect(rect);
            // Only the bar's leading edge moves; its other edges stay where they are.
            if (m_horizontal)
                rect.top = lumo::SplitterProposal(cursor.y, m_weight, area.bottom);
            else
                rect.left = lumo::SplitterProposal(cursor.x, m_weight, area.right);
            Notify(NOTIFY_LAYOUT, rect);
        }
        return 0;
    case WM_LBUTTONUP:
        if (m_dragging)
            ReleaseCapture();
        return 0;
    case WM_CAPTURECHANGED:
        if (m_dragging)
        {
            m_dragging = false;
            RECT rect;
            GetRect(rect);
            Notify(NOTIFY_DRAG_END, rect);
        }
        return 0;
    case WM_SIZE:
    {
        // The thickness stays the weight; the length follows the size asked for.
        int const width = LOWORD(lParam);
        int const height = HIWORD(lParam);
        if (m_horizontal && height != m_weight)
            SetWindowPos(m_window, nullptr, 0, 0, width, m_weight,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        else if (!m_horizontal && width != m_weight)
            SetWindowPos(m_window, nullptr, 0, 0, m_weight, height,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    case WM_PAINT:
        Paint();
        return 0;
    default:
        return DefWindowProcW(m_window, message, wParam, lParam);
    }
}

void CSplitter::Paint()
{
    if (m_ownerDraw)
    {
        RECT rect;
        GetRect(rect);
        if (Notify(NOTIFY_OWNER_DRAW, rect) != 0)
        {
            ValidateRect(m_window, nullptr);
            return;
        }
    }
    CPaintDC dc(m_window);
    RECT clip{};
    if (GetClipBox(dc.GetHandle(), &clip) == NULLREGION || IsRectEmpty(&clip))
        return;
    RECT area{};
    GetClientRect(m_window, &area);
    COLORREF const color = GetDarkenThemeColor();
    HPEN const pen = CreatePen(PS_SOLID, 1, color);
    HBRUSH const brush = CreateSolidBrush(color);
    HGDIOBJ const oldPen = SelectObject(dc.GetHandle(), pen);
    HGDIOBJ const oldBrush = SelectObject(dc.GetHandle(), brush);
    if (m_style == LUMO_STYLE_FRAME)
        Rectangle(dc.GetHandle(), area.left, area.top, area.right, area.bottom);
    else if (m_style == LUMO_STYLE_GRADIENT)
        DrawGradient(dc, area, HLS2RGB(0xcaf08f), 0xce9266, 0);
    SelectObject(dc.GetHandle(), oldPen);
    SelectObject(dc.GetHandle(), oldBrush);
    DeleteObject(pen);
    DeleteObject(brush);
}
