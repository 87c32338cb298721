// The list grid's window classes, its default font and the container window.
#include "LumoControls/LumoGrid/w32/GridImpl.h"

#include "INC/w32/LibraryModule.h"
#include "INC/w32/MessageBoundary.h"
#include "INC/w32/PlatformFailure.h"
#include "INC/w32/PointFont.h"
#include "INC/w32/TypeName.h"
#include "Kit/KitGuiLib/CriticalSection.h"

#include <memory>
#include <typeinfo>

using lumo::kGridSourcePath;

namespace
{
CCriticalSection g_registrationLock;
int g_registrations = 0;
WNDPROC g_listBaseProcedure = nullptr;
int g_listBaseExtraBytes = 0;
// Held through a pointer for the same reason: Unregister may run after the statics are destroyed.
CFont* g_defaultFont = nullptr;

CFont MakeDefaultFont()
{
    CFont font;
    font.CreateIndirect(lumo::PointFontDescription(L"Tahoma", 8, FW_NORMAL, FF_SWISS));
    return font;
}

void RegisterClasses()
{
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES};
    if (!InitCommonControlsEx(&controls))
        lumo::ThrowLastError(L"InitCommonControlsEx", kGridSourcePath, __LINE__);
    WNDCLASSEXW list{};
    list.cbSize = sizeof(list);
    if (!GetClassInfoExW(nullptr, WC_LISTVIEWW, &list))
        lumo::ThrowLastError(L"GetClassInfo", kGridSourcePath, __LINE__);
    g_listBaseProcedure = list.lpfnWndProc;
    g_listBaseExtraBytes = list.cbWndExtra;
    list.cbWndExtra += sizeof(void*); // the control object, behind the list view's own bytes
    list.lpfnWndProc = &CGrid::CImpl::CGridControl::ListProcedure;
    list.hInstance = lumo::LibraryModule();
    list.lpszClassName = lumo::GridListClass().c_str();
    list.style &= ~CS_GLOBALCLASS;
    if (RegisterClassExW(&list) == 0)
        lumo::ThrowLastError(L"RegisterClass", kGridSourcePath, __LINE__);

    WNDCLASSEXW container{};
    container.cbSize = sizeof(container);
    container.style = CS_DBLCLKS;
    container.cbWndExtra = sizeof(void*);
    container.lpfnWndProc = &CGrid::CImpl::CGridContainer::Procedure;
    container.hInstance = lumo::LibraryModule();
    container.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    container.lpszClassName = lumo::GridContainerClass().c_str();
    if (RegisterClassExW(&container) == 0)
    {
        DWORD const code = GetLastError();
        UnregisterClassW(lumo::GridListClass().c_str(), lumo::LibraryModule());
        CWindowsApiFailed::CreateAndThrow(L"RegisterClass", code, kGridSourcePath, __LINE__);
    }
}
} // namespace

namespace lumo
{
// The names outlive every static object: the library's teardown unregisters the classes after the
// statics made during its use are gone, so the names are made once and never destroyed.
std::wstring const& GridContainerClass()
{
    static std::wstring const* const name =
        new std::wstring(ReadableTypeName(typeid(CGrid::CImpl::CGridContainer).name()));
    return *name;
}

std::wstring const& GridListClass()
{
    static std::wstring const* const name =
        new std::wstring(ReadableTypeName(typeid(CGrid::CImpl::CGridControl).name()));
    return *name;
}

WNDPROC ListBaseProcedure()
{
    return g_listBaseProcedure;
}

int ListBaseExtraBytes()
{
    return g_listBaseExtraBytes;
}

HFONT GridDefaultFont()
{
    return g_defaultFont != nullptr ? g_defaultFont->GetHandle() : nullptr;
}
} // namespace lumo

void CGrid::Register()
{
    CLock lock(g_registrationLock);
    if (g_registrations == 0)
    {
        auto font = std::make_unique<CFont>(MakeDefaultFont());
        RegisterClasses();
        g_defaultFont = font.release();
    }
    ++g_registrations;
}

void CGrid::Unregister()
{
    CLock lock(g_registrationLock);
    if (g_registrations == 0 || --g_registrations > 0)
        return;
    UnregisterClassW(lumo::GridContainerClass().c_str(), lumo::LibraryModule());
    UnregisterClassW(lumo::GridListClass().c_str(), lumo::LibraryModule());
    delete g_defaultFont;
    g_defaultFont = nullptr;
}

CFont const& CGrid::GetDefaultFont()
{
    static CFont const none; // before Register and after the last Unregister
    return g_defaultFont != nullptr ? *g_defaultFont : none;
}

CGrid::CImpl::CGridContainer::~CGridContainer()
{
    Destroy();
}

void CGrid::CImpl::CGridContainer::Create(HWND parent, unsigned identifier, int x, int y, int width,
                                          int height, bool rowNumbers, CEventsHandler* handler)
{
    if (m_window != nullptr)
        Destroy();
    m_handler = handler;
    m_rowNumbers = rowNumbers;
    HWND const window = CreateWindowExW(0, lumo::GridContainerClass().c_str(), L"",
                                        WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, x, y, width, height, parent,
                                        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(identifier)),
                                        lumo::LibraryModule(), this);
    if (window == nullptr)
        lumo::ThrowLastError(L"CreateWindowEx", kGridSourcePath, __LINE__);
}

void CGrid::CImpl::CGridContainer::Destroy()
{
    if (m_window != nullptr)
        DestroyWindow(m_window); // WM_NCDESTROY forgets the handle
}

LRESULT CALLBACK CGrid::CImpl::CGridContainer::Procedure(HWND window, UINT message, WPARAM wParam,
                                                         LPARAM lParam)
{
    if (message == WM_NCCREATE)
    {
        auto* const self =
            static_cast<CGridContainer*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(window, 0, reinterpret_cast<LONG_PTR>(self));
        self->m_window = window;
    }
    auto* const self = reinterpret_cast<CGridContainer*>(GetWindowLongPtrW(window, 0));
    if (self == nullptr)
        return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY)
    {
        SetWindowLongPtrW(window, 0, 0);
        self->m_window = nullptr;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    LRESULT const result = lumo::DispatchGuarded(window, message, wParam, lParam,
                                                 [&] { return self->OnMessage(message, wParam, lParam); });
    return result;
}

LRESULT CGrid::CImpl::CGridContainer::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_CREATE:
        try
        {
            m_control.CreateList(m_window, m_rowNumbers, m_handler);
        }
        catch (CError const& error)
        {
            error.Report();
            return -1; // the container is not created without its list
        }
        return 0;
    case WM_SIZE:
        if (wParam != SIZE_MINIMIZED && LOWORD(lParam) >= 1 && HIWORD(lParam) >= 1 &&
            m_control.List() != nullptr)
            MoveWindow(m_control.List(), 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        return 0;
    case WM_NOTIFY:
    {
        NMHDR& header = *reinterpret_cast<NMHDR*>(lParam);
        LRESULT result = 0;
        if (header.hwndFrom == m_control.List() && m_control.List() != nullptr)
            m_control.OnListNotification(header, result);
        return result;
    }
    case WM_MEASUREITEM:
    {
        auto& measure = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (measure.CtlType != ODT_LISTVIEW)
            break;
        measure.itemHeight = static_cast<UINT>(m_control.RowHeight());
        return TRUE;
    }
    case WM_DRAWITEM:
    {
        auto const& draw = *reinterpret_cast<DRAWITEMSTRUCT const*>(lParam);
        if (draw.CtlType != ODT_LISTVIEW || draw.hwndItem != m_control.List())
            break;
        m_control.DrawRow(draw);
        return TRUE;
    }
    default:
        break;
    }
    return DefWindowProcW(m_window, message, wParam, lParam);
}
