#include "LumoCtrls/LumoControls.h"

#include "INC/w32/PlatformFailure.h"
#include "Kit/KitLib/w32/Module.h"
#include "LumoControls/LumoControls/w32/LibraryState.h"
#include "LumoControls/LumoControls/w32/MenuHook.h"
#include "LumoControls/PropertyList/ColorEditor/w32/ColorEditorImpl.h"
#include "LumoCtrls/DrawTools.h"
#include "LumoCtrls/Errors.h"
#include "LumoCtrls/Grid.h"
#include "LumoCtrls/LibraryImages.h"
#include "LumoCtrls/LumoHeader.h"
#include "LumoCtrls/Splitter.h"

#include <commctrl.h>

namespace
{
char const kSourcePath[] = "src/LumoControls/LumoControls";

// The pre-Vista size of NONCLIENTMETRICSW (without iPaddedBorderWidth), which every Windows accepts.
constexpr UINT kNonClientMetricsSize = 500;

// List view, up-down, progress, extended combo box and rebar classes.
constexpr DWORD kCommonControlClasses = 0x631;

LOGFONTW g_menuFont;
HHOOK g_menuHook = nullptr;

void CopyMenuFont()
{
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = kNonClientMetricsSize;
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, kNonClientMetricsSize, &metrics, 0))
        lumo::ThrowLastError(L"SystemParametersInfo", kSourcePath, __LINE__);
    g_menuFont = metrics.lfMenuFont;
}

void InitialiseCommonControls()
{
    INITCOMMONCONTROLSEX classes{};
    classes.dwSize = sizeof(classes);
    classes.dwICC = kCommonControlClasses;
    InitCommonControlsEx(&classes);
}

// The classes are registered once here however often a failed initialisation is repeated (the grid's
// registration is counted), and removed once by the teardown.
bool g_gridRegistered = false;

void RegisterWindowClasses()
{
    // The desk band and the HTML editor register theirs here too, in the order splitter, title header,
    // desk band, grid, HTML editor, as each of them arrives.
    if (!g_gridRegistered)
    {
        CSplitter::Register();
        CLumoHeader::Register();
        CGrid::Register();
        g_gridRegistered = true;
    }
}

void InstallMenuHook()
{
    if (g_menuHook != nullptr)
        return;
    HMODULE const module = _GetModuleFromFunction(reinterpret_cast<void const*>(&lumo::MenuHookProcedure));
    if (module == nullptr)
        lumo::ThrowLastError(L"GetModuleFromFunction", kSourcePath, __LINE__);
    HHOOK const hook =
        SetWindowsHookExW(WH_CALLWNDPROC, &lumo::MenuHookProcedure, module, GetCurrentThreadId());
    if (hook == nullptr)
        lumo::ThrowLastError(L"SetWindowsHookEx", kSourcePath, __LINE__);
    g_menuHook = hook;
}
} // namespace

CLumoControls CLumoControls::s_library;

CLumoControls* CLumoControls::Instance()
{
    if (!s_library.m_initialised)
    {
        RefreshColors();
        CopyMenuFont();
        InitialiseCommonControls();
        RegisterWindowClasses();
        InstallMenuHook();
        s_library.m_initialised = true;
    }
    return &s_library;
}

int InitialiseATL(unsigned long)
{
    return 1;
}

void TerminateATL() {}

LOGFONTW& lumo::MenuFontDescription()
{
    return g_menuFont;
}

HHOOK& lumo::MenuHookHandle()
{
    return g_menuHook;
}

void lumo::RunLibraryTeardown()
{
    // The controls unregister their classes here (the HTML editor, the grid, the title header, the
    // splitter, the desk band); the HTML editor and the desk band will join as they arrive.
    if (g_gridRegistered)
    {
        CGrid::Unregister();
        CLumoHeader::Unregister();
        CSplitter::Unregister();
        g_gridRegistered = false;
    }
    CColorEditor::CImpl::UnregisterClass();
    CLibraryImages::Reset();
    if (g_menuHook != nullptr)
    {
        UnhookWindowsHookEx(g_menuHook);
        g_menuHook = nullptr;
    }
}
