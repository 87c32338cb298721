// The title header's window: its class and shared font, and its painting.
#include "LumoCtrls/LumoHeader.h"

#include "INC/w32/LibraryModule.h"
#include "INC/w32/MessageBoundary.h"
#include "INC/w32/PlatformFailure.h"
#include "LumoCtrls/DrawTools.h"
#include "LumoCtrls/LumoControls.h"
#include "LumoCtrls/ResourceTracker.h"
#include "LumoCtrls/ThemeColors.h"

namespace
{
char const kSourcePath[] = "src/LumoControls/LumoHeader/LumoHeader";
wchar_t const kClassName[] = L"LumoHeaderWnd";
constexpr COLORREF kTitleColor = 0x8B4215;

// The gradient of each look: hue, saturation and the two lightnesses.
struct SLook
{
    int hue, saturation, lightness1, lightness2;
};
constexpr SLook kNormal{143, 240, 227, 202};
constexpr SLook kSelected{23, 240, 227, 160};

// Held through a pointer: the library's teardown unregisters after the statics are gone.
CFont* g_font = nullptr;

bool IsRegistered()
{
    WNDCLASSW existing{};
    return GetClassInfoW(lumo::LibraryModule(), kClassName, &existing) != 0;
}
} // namespace

class CLumoHeader::CImpl
{
public:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Paint();

    HWND window = nullptr;
    HWND parent = nullptr;
    int gradientDirection = 0;
    std::wstring title;
    int height = 0;
    UINT imageId = 0;
    bool selectionMode = false;
};

void CLumoHeader::Register()
{
    if (IsRegistered())
        return;
    LOGFONTW description{};
    description.lfHeight = -GetRealFontHeight(12);
    description.lfWeight = FW_BOLD;
    description.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(description.lfFaceName, L"Arial", LF_FACESIZE);
    auto* font = new CFont;
    font->CreateIndirect(description);
    WNDCLASSW windowClass{};
    windowClass.style = CS_DBLCLKS;
    windowClass.cbWndExtra = sizeof(LONG_PTR); // the header's record: 32 bits in the 32-bit build
    windowClass.lpfnWndProc = &CImpl::Procedure;
    windowClass.hInstance = lumo::LibraryModule();
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    if (RegisterClassW(&windowClass) == 0)
    {
        DWORD const code = GetLastError();
        delete font;
        CWindowsApiFailed::CreateAndThrow(L"RegisterClass", code, kSourcePath, __LINE__);
    }
    delete g_font;
    g_font = font;
}

void CLumoHeader::Unregister()
{
    if (UnregisterClassW(kClassName, lumo::LibraryModule()))
    {
        delete g_font;
        g_font = nullptr;
    }
}

CLumoHeader::CLumoHeader() : m_impl(new CImpl) {}

CLumoHeader::~CLumoHeader()
{
    if (m_impl->window != nullptr)
    {
        SetWindowLongPtrW(m_impl->window, 0, 0);
        DestroyWindow(m_impl->window);
    }
    delete m_impl;
}

HWND CLumoHeader::Create(HWND parent, std::wstring const& title, UINT imageId, int gradientDirection,
                         int height)
{
    m_impl->parent = parent;
    m_impl->title = title;
    m_impl->imageId = imageId;
    m_impl->gradientDirection = gradientDirection;
    m_impl->height = height;
    m_impl->selectionMode = false;
    HWND const window = CreateWindowExW(0, kClassName, title.c_str(), WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                                        100, 100, 100, 100, parent, nullptr, lumo::LibraryModule(), m_impl);
    if (window == nullptr)
        lumo::ThrowLastError(L"CreateWindowEx", kSourcePath, __LINE__);
    return window;
}

HWND CLumoHeader::GetHWnd() const
{
    return m_impl->window;
}

std::wstring const& CLumoHeader::GetTitle() const
{
    return m_impl->title;
}

int CLumoHeader::GetHeight() const
{
    return m_impl->height;
}

void CLumoHeader::SetTitle(std::wstring const& title)
{
    m_impl->title = title;
    if (m_impl->window != nullptr)
        RedrawWindow(m_impl->window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void CLumoHeader::SetSelectionMode(bool selected)
{
    m_impl->selectionMode = selected;
    if (m_impl->window != nullptr)
        RedrawWindow(m_impl->window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CLumoHeader::Show(bool show)
{
    if (m_impl->window != nullptr)
        ShowWindow(m_impl->window, show ? SW_SHOW : SW_HIDE);
}

void CLumoHeader::Resize(RECT const& rect)
{
    if (m_impl->window != nullptr)
        MoveWindow(m_impl->window, rect.left, rect.top, rect.right, m_impl->height, TRUE);
}

LRESULT CALLBACK CLumoHeader::CImpl::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE)
    {
        auto* self = static_cast<CImpl*>(reinterpret_cast<CREATESTRUCTW const*>(lParam)->lpCreateParams);
        self->window = window;
        SetWindowLongPtrW(window, 0, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<CImpl*>(GetWindowLongPtrW(window, 0));
    if (self == nullptr)
        return DefWindowProcW(window, message, wParam, lParam);
    return lumo::DispatchGuarded(window, message, wParam, lParam,
                                 [&]() -> LRESULT
                                 {
                                     switch (message)
                                     {
                                     case WM_SIZE:
                                         RedrawWindow(window, nullptr, nullptr,
                                                      RDW_INVALIDATE | RDW_UPDATENOW);
                                         return 0;
                                     case WM_ERASEBKGND:
                                         return 1; // the paint covers the whole client area
                                     case WM_PAINT:
                                         self->Paint();
                                         return 0;
                                     case WM_DESTROY:
                                         self->window = nullptr;
                                         SetWindowLongPtrW(window, 0, 0);
                                         return 0;
                                     default:
                                         return DefWindowProcW(window, message, wParam, lParam);
                                     }
                                 });
}

void CLumoHeader::CImpl::Paint()
{
    CPaintDC target(window);
    RECT clip{};
    if (GetClipBox(target, &clip) == NULLREGION || IsRectEmpty(&clip))
        return;
    RECT client{};
    GetClientRect(window, &client);
    CCompDC memory(target);
    CBitmap canvas;
    canvas.Attach(CreateCompatibleBitmap(target, client.right, client.bottom));
    memory.Select(canvas);
    if (g_font != nullptr)
        memory.Select(*g_font);

    SLook const& look = selectionMode ? kSelected : kNormal;
    DrawGradient2(memory, client, look.hue, look.saturation, look.lightness1, look.lightness2,
                  gradientDirection, 1);
    int const side = height - 4;
    CLumoControls::DrawBitmapId(memory, imageId, client.right - side - 2, 2, side, side, 0);
    if (!title.empty())
    {
        SIZE text{};
        GetTextExtentPoint32W(memory, title.c_str(), static_cast<int>(title.size()), &text);
        SetBkMode(memory, TRANSPARENT);
        memory.SetTextColor(kTitleColor);
        TextOutW(memory, 10, (client.bottom - text.cy) / 2, title.c_str(), static_cast<int>(title.size()));
    }
    memory.SelectSolidPen(RGB(255, 255, 255));
    memory.MoveToEx(client.right, 0);
    memory.LineTo(0, 0);
    memory.LineTo(0, client.bottom - 1);
    memory.SelectSolidPen(GetDarkenThemeColor());
    memory.MoveToEx(0, client.bottom - 1);
    memory.LineTo(client.right, client.bottom - 1);
    target.BitBlt(0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
    memory.RestoreAll();
}
