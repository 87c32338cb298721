#include "GalleryPage.h"

#include "Paint.h"

namespace
{
wchar_t const kPageClass[] = L"LumoGalleryPage";

void RegisterPageClass()
{
    static bool registered = false;
    if (registered)
        return;
    WNDCLASSW pageClass{};
    pageClass.lpfnWndProc = DefWindowProcW; // replaced per window below
    pageClass.hInstance = GetModuleHandleW(nullptr);
    pageClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    pageClass.lpszClassName = kPageClass;
    RegisterClassW(&pageClass);
    registered = true;
}
} // namespace

HWND CGalleryPage::Create(HWND parent, RECT const& area)
{
    RegisterPageClass();
    m_window = CreateWindowExW(0, kPageClass, GetTitle(), WS_CHILD | WS_CLIPCHILDREN, area.left, area.top,
                               area.right - area.left, area.bottom - area.top, parent, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(m_window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CGalleryPage::WindowProcedure));
    OnCreated();
    return m_window;
}

LRESULT CALLBACK CGalleryPage::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* page = reinterpret_cast<CGalleryPage*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message)
    {
    case WM_ERASEBKGND:
        return 1; // Paint covers the whole page
    case WM_NOTIFY:
        return page != nullptr ? page->OnNotify(wParam, lParam) : 0;
    case WM_COMMAND:
        if (page != nullptr)
            page->OnCommand(wParam, lParam);
        return 0;
    case WM_PAINT:
    {
        PAINTSTRUCT ps;
        HDC const dc = BeginPaint(window, &ps);
        RECT client;
        GetClientRect(window, &client);
        // Painted into a back buffer so that the screenshot and the screen show the same complete page.
        gallery::PaintBuffered(dc, client,
                               [&](HDC buffer)
                               {
                                   gallery::FillColor(buffer, client, RGB(255, 255, 255));
                                   page->Paint(buffer, client);
                               });
        EndPaint(window, &ps);
        return 0;
    }
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}
