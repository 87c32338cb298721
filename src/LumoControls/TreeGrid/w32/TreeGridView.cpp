#include "LumoControls/TreeGrid/w32/TreeGridView.h"

#include "INC/w32/Geometry.h"
#include "INC/w32/LibraryModule.h"
#include "INC/w32/MessageBoundary.h"
#include "INC/w32/PlatformFailure.h"
#include "INC/w32/TypeName.h"
#include "Kit/KitGuiLib/CriticalSection.h"
#include "LumoControls/LumoImage/w32/ImagingLibrary.h"
#include "LumoControls/TreeGrid/w32/StyleConversions.h"
#include "LumoControls/TreeGrid/w32/StylePlatform.h"
#include "LumoControls/TreeGrid/w32/TreeGridControls.h"
#include "LumoControls/TreeGrid/w32/TreeGridInteraction.h"
#include "LumoControls/TreeGrid/w32/TreeGridPainter.h"
#include "LumoCtrls/LumoImage.h"

#include <commctrl.h>
#include <windowsx.h>

#include <cstdlib>
#include <typeinfo>

namespace
{
constexpr char kSourcePath[] = "src/LumoControls/TreeGrid/w32/TreeGridView";
constexpr UINT_PTR kTimerId = 0x18DB;
constexpr UINT kTimerPeriod = 50; // milliseconds: hover leave, delayed editing and tooltips count in these

POINT PointOf(LPARAM lParam)
{
    return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}

// The window class is registered while any tree grid has a window, and unregistered with the last one.
CCriticalSection g_classLock;
int g_classUses = 0;

void AcquireWindowClass(std::wstring const& name, WNDPROC procedure)
{
    CLock lock(g_classLock);
    if (g_classUses == 0)
    {
        lumo::EnsureImagingLibrary(); // the image object's library, shared by the grids' images
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.style = CS_DBLCLKS | CS_SAVEBITS;
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = lumo::LibraryModule();
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.lpszClassName = name.c_str();
        if (RegisterClassExW(&windowClass) == 0)
            lumo::ThrowLastError(L"RegisterClass", kSourcePath, __LINE__);
    }
    ++g_classUses;
}

void ReleaseWindowClass(std::wstring const& name)
{
    CLock lock(g_classLock);
    if (--g_classUses == 0)
        UnregisterClassW(name.c_str(), lumo::LibraryModule());
}

} // namespace

CTreeGrid::CImpl::CView::CView(CImpl& grid)
    : m_grid(grid), m_layout(grid.Model(), *this, *this),
      m_painter(std::make_unique<CPainter>(grid, m_layout)),
      m_interaction(std::make_unique<CInteraction>(grid, m_layout))
{
    ClassName(); // computed when the first implementation is made
}

CTreeGrid::CImpl::CView::~CView()
{
    Destroy();
    if (m_registered)
        ReleaseWindowClass(ClassName());
    if (m_measure != nullptr)
        DeleteDC(m_measure);
}

std::wstring const& CTreeGrid::CImpl::CView::ClassName()
{
    static std::wstring const name = lumo::ReadableTypeName(typeid(CImpl).name());
    return name;
}

void CTreeGrid::CImpl::CView::Create(HWND parent)
{
    if (m_window.GetHandle() != nullptr)
        return;
    if (!m_registered)
    {
        AcquireWindowClass(ClassName(), &Procedure);
        m_registered = true;
    }
    HWND const window =
        CreateWindowExW(m_grid.externalFilesDrop ? WS_EX_ACCEPTFILES : 0, ClassName().c_str(), L"",
                        WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, parent, nullptr, lumo::LibraryModule(), this);
    if (window == nullptr)
        lumo::ThrowLastError(L"CreateWindowEx", kSourcePath, __LINE__);
}

void CTreeGrid::CImpl::CView::Destroy()
{
    if (m_window.GetHandle() != nullptr)
        DestroyWindow(m_window.GetHandle()); // WM_NCDESTROY tears everything down
}

LRESULT CALLBACK CTreeGrid::CImpl::CView::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE)
    {
        auto* const view = static_cast<CView*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        view->m_window.Attach(window);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(view));
    }
    auto* const view = reinterpret_cast<CView*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (view == nullptr)
        return DefWindowProcW(window, message, wParam, lParam);
    return lumo::DispatchGuarded(window, message, wParam, lParam,
                                 [&] { return view->Handle(message, wParam, lParam); });
}

LRESULT CTreeGrid::CImpl::CView::Handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    HWND const window = m_window.GetHandle();
    switch (message)
    {
    case WM_CREATE:
        OnCreate();
        return 0;
    case WM_SIZE:
        if (LOWORD(lParam) == 0 || HIWORD(lParam) == 0)
            m_painter->ReleaseBuffer();
        m_layout.SetClientSize(LOWORD(lParam), HIWORD(lParam));
        if (m_grid.handler != nullptr)
            m_grid.handler->Resized(LOWORD(lParam), HIWORD(lParam));
        return 1;
    case WM_ERASEBKGND:
        return 1; // the paint covers everything
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_PRINTCLIENT:
        if ((lParam & PRF_CLIENT) != 0)
            m_painter->OnPrintClient(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_HSCROLL:
    case WM_VSCROLL:
        OnScroll(message == WM_HSCROLL, wParam);
        return 0;
    case WM_COMMAND:
        OnCommand(wParam, lParam);
        return 0;
    case WM_MOUSEWHEEL:
        SyncScrollBars();
        m_layout.Wheel(GET_WHEEL_DELTA_WPARAM(wParam));
        return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        m_interaction->OnFocus(message == WM_SETFOCUS, reinterpret_cast<HWND>(wParam));
        Repaint(); // the focus cell shows the grid's focus
        return 0;
    case WM_ENABLE:
        if (m_grid.handler != nullptr)
            m_grid.handler->EnableChanged(wParam != 0);
        return 0;
    case WM_SETCURSOR:
        if (reinterpret_cast<HWND>(wParam) == window && LOWORD(lParam) == HTCLIENT &&
            m_interaction->OnSetCursor())
            return TRUE;
        return DefWindowProcW(window, message, wParam, lParam);
    case WM_NOTIFY:
    {
        auto const* header = reinterpret_cast<NMHDR const*>(lParam);
        if (header != nullptr && header->hwndFrom == m_tooltip)
        {
            if (header->code == TTN_SHOW || header->code == TTN_POP)
                m_interaction->OnTooltipShown(header->code == TTN_SHOW);
            else if (header->code == TTN_GETDISPINFOW)
                m_interaction->OnTooltipText(*reinterpret_cast<NMTTDISPINFOW*>(lParam));
        }
        return DefWindowProcW(window, message, wParam, lParam);
    }
    case WM_GETDLGCODE:
    {
        CControlCore* const open = m_grid.FocusedControl();
        bool const editing = open != nullptr && open->Editor() != nullptr && GetFocus() == open->Editor();
        return editing ? DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTALLKEYS
                       : DLGC_WANTARROWS | DLGC_WANTCHARS;
    }
    case WM_KEYDOWN:
        if (GetFocus() == window)
            m_interaction->OnKeyDown(static_cast<UINT>(wParam), lParam);
        return 0;
    case WM_KEYUP:
        return 0;
    case WM_CHAR:
        m_interaction->OnChar(static_cast<wchar_t>(wParam));
        return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
        return OnEditorColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_MOUSEMOVE:
        m_interaction->OnMouseMove(PointOf(lParam), static_cast<UINT>(wParam));
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        m_interaction->OnLeftPress(PointOf(lParam), message == WM_LBUTTONDBLCLK, static_cast<UINT>(wParam));
        return 0;
    case WM_LBUTTONUP:
        m_interaction->OnLeftRelease(PointOf(lParam), static_cast<UINT>(wParam));
        return 0;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
        m_interaction->OnRightButton(PointOf(lParam), message == WM_RBUTTONDOWN, static_cast<UINT>(wParam));
        return 0;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != window)
            m_interaction->OnCaptureLost();
        return 0;
    case WM_DROPFILES:
        if (m_grid.handler != nullptr)
            m_grid.handler->FilesDropped(reinterpret_cast<HDROP>(wParam));
        return 0;
    case WM_MOUSELEAVE:
        m_interaction->OnMouseLeave();
        return 0;
    case WM_NCDESTROY:
        TearDown();
        return DefWindowProcW(window, message, wParam, lParam);
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

void CTreeGrid::CImpl::CView::OnCreate()
{
    HWND const window = m_window.GetHandle();
    HINSTANCE const module = lumo::LibraryModule();
    m_tooltip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr, module, nullptr);
    if (m_tooltip != nullptr)
    {
        SetWindowPos(m_tooltip, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS | TTF_TRACK | TTF_ABSOLUTE;
        tool.hwnd = window;
        tool.uId = reinterpret_cast<UINT_PTR>(window);
        tool.lpszText = LPSTR_TEXTCALLBACKW;
        SendMessageW(m_tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        SendMessageW(m_tooltip, WM_SETFONT, reinterpret_cast<WPARAM>(lumo::SharedTreeGridFont().GetHandle()),
                     0);
    }
    DWORD const barStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    m_horizontalBar = CreateWindowExW(0, L"SCROLLBAR", nullptr, barStyle | SBS_HORZ, 0, 0, 0, 0, window,
                                      nullptr, module, nullptr);
    m_verticalBar = CreateWindowExW(0, L"SCROLLBAR", nullptr, barStyle | SBS_VERT, 0, 0, 0, 0, window,
                                    nullptr, module, nullptr);
    if (m_horizontalBar == nullptr || m_verticalBar == nullptr)
        lumo::ThrowLastError(L"CreateWindowEx", kSourcePath, __LINE__);
    m_interaction->Attach(window, m_tooltip);
    SetTimer(window, kTimerId, kTimerPeriod, &CView::OnTimer);
    if (m_grid.handler != nullptr)
        m_grid.handler->Created();
}

void CALLBACK CTreeGrid::CImpl::CView::OnTimer(HWND window, UINT /*message*/, UINT_PTR /*id*/, DWORD /*time*/)
{
    auto* const view = reinterpret_cast<CView*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (view != nullptr)
        lumo::DispatchGuarded(window, WM_TIMER, kTimerId, 0,
                              [&]
                              {
                                  view->m_interaction->OnTimer();
                                  return LRESULT{0};
                              });
}

LRESULT CTreeGrid::CImpl::CView::OnEditorColor(HDC dc, HWND editor)
{
    CControlCore* const open = m_grid.FocusedControl();
    if (open == nullptr || open->Editor() != editor || GetParent(editor) != m_window.GetHandle())
        return 0; // a floating editor keeps its own colours
    lumo::FloatControl& owner = open->Owner();
    // An open editor's cell is painted SELECT | FOCUS.
    COLORREF const color = owner.GetStyle().ResolveTextColor(lumo::kStateSelect | lumo::kStateFocus);
    SetTextColor(dc, color != lumo::kUnsetColor ? color : GetSysColor(COLOR_WINDOWTEXT));
    SetBkMode(dc, TRANSPARENT);
    RECT r{};
    GetClientRect(editor, &r);
    MapWindowPoints(editor, m_window.GetHandle(), reinterpret_cast<POINT*>(&r), 2);
    if (m_editorBrush != nullptr)
        DeleteObject(m_editorBrush);
    m_editorBrush = m_painter->BackgroundBrush(r);
    return reinterpret_cast<LRESULT>(m_editorBrush);
}

void CTreeGrid::CImpl::CView::OnCommand(WPARAM wParam, LPARAM lParam)
{
    // The focused control's editor changed its text: it hears of it once the text is the user's.
    CControlCore* const focused = m_grid.FocusedControl();
    HWND const editor = focused != nullptr ? focused->Editor() : nullptr;
    if (HIWORD(wParam) == EN_CHANGE && editor != nullptr && reinterpret_cast<HWND>(lParam) == editor &&
        SendMessageW(editor, EM_GETMODIFY, 0, 0) != 0)
        SendMessageW(editor, WM_USER, 0, 0);
}

lumo::CellGeometry CTreeGrid::CImpl::CView::LayOutWithoutEditor(lumo::FloatControl& control)
{
    m_withoutEditor = true;
    lumo::CellGeometry const geometry = m_layout.LayOut(control);
    m_withoutEditor = false;
    return geometry;
}

void CTreeGrid::CImpl::CView::TearDown()
{
    KillTimer(m_window.GetHandle(), kTimerId);
    m_interaction->Detach();
    m_grid.DropControlWindows();
    if (m_editorBrush != nullptr)
        DeleteObject(m_editorBrush);
    m_editorBrush = nullptr;
    if (m_tooltip != nullptr)
        DestroyWindow(m_tooltip); // a pop-up, not a child: it does not go with the grid by itself
    m_tooltip = nullptr;
    m_horizontalBar = m_verticalBar = nullptr; // children, destroyed with the grid
    SetWindowLongPtrW(m_window.GetHandle(), GWLP_USERDATA, 0);
    m_window.Attach(nullptr);
    m_repaintPending = false;
    m_barsChanged = false;
    m_painter->ReleaseBuffer();
}

void CTreeGrid::CImpl::CView::OnPaint()
{
    SyncScrollBars();
    m_repaintPending = false;
    m_painter->OnPaint(m_window.GetHandle());
}

void CTreeGrid::CImpl::CView::OnScroll(bool horizontal, WPARAM wParam)
{
    SyncScrollBars();
    EndEdit(nullptr);
    if (GetFocus() != m_window.GetHandle())
        SetFocus(m_window.GetHandle());
    int const request = LOWORD(wParam);
    if (horizontal)
    {
        m_layout.Horizontal(request, static_cast<short>(HIWORD(wParam)));
        return;
    }
    int track = 0;
    if (request == SB_THUMBPOSITION || request == SB_THUMBTRACK)
    {
        SCROLLINFO info{sizeof(info), SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS, 0, 0, 0, 0, 0};
        if (m_verticalBar == nullptr || !GetScrollInfo(m_verticalBar, SB_CTL, &info))
            return;
        track = info.nTrackPos;
    }
    m_layout.Vertical(request, HIWORD(wParam), track);
}

void CTreeGrid::CImpl::CView::SyncScrollBars()
{
    if (!m_barsChanged || m_window.GetHandle() == nullptr)
        return;
    m_barsChanged = false;
    for (bool horizontal : {false, true})
    {
        HWND const bar = ScrollBar(horizontal);
        lumo::ScrollBarState const& state = m_layout.Bar(horizontal);
        if (bar == nullptr)
            continue;
        if (!state.shown)
        {
            ShowWindow(bar, SW_HIDE);
            continue;
        }
        SetWindowPos(bar, nullptr, state.rect.left, state.rect.top, state.rect.Width(), state.rect.Height(),
                     SWP_NOZORDER | SWP_NOACTIVATE);
        SCROLLINFO info{sizeof(info),
                        SIF_RANGE | SIF_PAGE | SIF_POS,
                        0,
                        state.maximum,
                        static_cast<UINT>(std::max(0, state.page)),
                        state.position,
                        0};
        SetScrollInfo(bar, SB_CTL, &info, TRUE);
        ShowWindow(bar, SW_SHOWNA);
    }
}

// --- ILayoutHost

void CTreeGrid::CImpl::CView::Repaint()
{
    if (m_repaintPending || m_window.GetHandle() == nullptr)
        return;
    m_repaintPending = true;
    InvalidateRect(m_window.GetHandle(), nullptr, FALSE);
}

void CTreeGrid::CImpl::CView::ScrollBarsChanged()
{
    m_barsChanged = true;
    Repaint(); // the bars are brought up to date when the grid paints next
}

void CTreeGrid::CImpl::CView::ScrollBarVisibilityChanged(bool horizontal)
{
    if (m_grid.handler != nullptr)
        m_grid.handler->ScrollBarVisibilityChanged(horizontal);
}

void CTreeGrid::CImpl::CView::EndEdit(lumo::FloatControl const* control)
{
    lumo::FloatControl const* const edited = m_grid.Model().References().edited;
    if (edited != nullptr && (control == nullptr || control == edited))
        m_grid.CloseFocusedControl();
}

// --- ICellMeasure

lumo::Size CTreeGrid::CImpl::CView::MeasureText(std::wstring const& text, lumo::FontSpec const* font) const
{
    if (m_measure == nullptr)
        m_measure = CreateCompatibleDC(nullptr);
    CFont const& used = font != nullptr ? m_grid.GetFonts().Get(*font) : lumo::SharedTreeGridFont();
    HGDIOBJ const previous = SelectObject(m_measure, used.GetHandle());
    SIZE size{};
    GetTextExtentPoint32W(m_measure, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(m_measure, previous);
    return lumo::Size{size.cx, size.cy};
}

lumo::Size CTreeGrid::CImpl::CView::ImageSize(std::wstring const& name) const
{
    if (name.empty())
        return lumo::Size{};
    auto const found = m_grid.Images().find(name);
    if (found == m_grid.Images().end() || found->second.IsEmpty())
        return lumo::Size{};
    return lumo::Size{found->second->GetWidth(), found->second->GetHeight()};
}

lumo::Size CTreeGrid::CImpl::CView::ImageListIconSize() const
{
    int width = 0;
    int height = 0;
    if (!m_grid.ImageList().IsEmpty())
        ImageList_GetIconSize(m_grid.ImageList().GetHandle(), &width, &height);
    return lumo::Size{width, height};
}

lumo::Rect CTreeGrid::CImpl::CView::EditorRect(lumo::FloatControl const& control) const
{
    CControlCore* const focused = m_withoutEditor ? nullptr : m_grid.FocusedControl();
    if (focused == nullptr || &focused->Owner() != &control || focused->Editor() == nullptr ||
        !IsWindowVisible(focused->Editor()))
        return lumo::Rect{};
    RECT r;
    GetWindowRect(focused->Editor(), &r);
    MapWindowPoints(nullptr, m_window.GetHandle(), reinterpret_cast<POINT*>(&r), 2);
    return lumo::Rect{r.left, r.top, r.right, r.bottom};
}
