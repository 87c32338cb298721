#include "GalleryWindow.h"

#include "CommandImages.h"

namespace
{
wchar_t const kMainClass[] = L"LumoGalleryMain";
constexpr int kListWidth = 120;
constexpr int kListId = 100;

// The menu bar: commands with registered images, check marks, a radio group, a sub-menu, a disabled item.
HMENU CreateMenuBar()
{
    using namespace gallery;
    HMENU const file = CreatePopupMenu();
    AppendMenuW(file, MF_STRING, kCommandOpen, L"&Open...\tCtrl+O");
    AppendMenuW(file, MF_STRING, kCommandSave, L"&Save\tCtrl+S");
    AppendMenuW(file, MF_STRING | MF_GRAYED, kCommandPrint, L"&Print...\tCtrl+P");
    AppendMenuW(file, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(file, MF_STRING, kCommandExit, L"E&xit");
    HMENU const size = CreatePopupMenu();
    AppendMenuW(size, MF_STRING, kCommandSmall, L"&Small");
    AppendMenuW(size, MF_STRING, kCommandLarge, L"&Large");
    CheckMenuRadioItem(size, kCommandSmall, kCommandLarge, kCommandSmall, MF_BYCOMMAND);
    HMENU const view = CreatePopupMenu();
    AppendMenuW(view, MF_STRING | MF_CHECKED, kCommandToolbar, L"&Toolbar");
    AppendMenuW(view, MF_STRING, kCommandStatusBar, L"Status &bar");
    AppendMenuW(view, MF_STRING, kCommandFind, L"&Find...\tCtrl+F");
    AppendMenuW(view, MF_POPUP, reinterpret_cast<UINT_PTR>(size), L"Si&ze");
    HMENU const help = CreatePopupMenu();
    AppendMenuW(help, MF_STRING, kCommandAbout, L"&About LumoCtrls");
    HMENU const bar = CreateMenu();
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(view), L"&View");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(help), L"&Help");
    return bar;
}

RECT PageArea(HWND window)
{
    RECT client;
    GetClientRect(window, &client);
    client.left += kListWidth;
    return client;
}
} // namespace

CGalleryWindow::CGalleryWindow(std::vector<std::unique_ptr<CGalleryPage>> pages) : m_pages(std::move(pages))
{
}

bool CGalleryWindow::Create(int showCommand)
{
    WNDCLASSW mainClass{};
    mainClass.lpfnWndProc = &CGalleryWindow::WindowProcedure;
    mainClass.hInstance = GetModuleHandleW(nullptr);
    mainClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    mainClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    mainClass.lpszClassName = kMainClass;
    if (!RegisterClassW(&mainClass))
        return false;
    // 1024 by 768: the size of the headless screen, so that a screenshot shows the whole window.
    m_window = CreateWindowExW(0, kMainClass, L"LumoCtrls Gallery", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0,
                               0, 1024, 768, nullptr, CreateMenuBar(), GetModuleHandleW(nullptr), this);
    if (m_window == nullptr)
        return false;
    m_menuBar = std::make_unique<CLumoMenu>(m_window, GetMenu(m_window), 1);
    ShowWindow(m_window, showCommand);
    SelectPage(0);
    return true;
}

void CGalleryWindow::SelectPage(std::size_t index)
{
    if (index >= m_pages.size())
        return;
    m_pages[m_selected]->OnHidden();
    ShowWindow(m_pages[m_selected]->GetWindow(), SW_HIDE);
    m_selected = index;
    SendMessageW(m_list, LB_SETCURSEL, index, 0);
    HWND const page = m_pages[index]->GetWindow();
    ShowWindow(page, SW_SHOW);
    m_pages[index]->OnShown();
    RedrawWindow(page, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void CGalleryWindow::OnCreate()
{
    m_list = CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"",
                             WS_CHILD | WS_VISIBLE | LBS_NOTIFY | WS_VSCROLL, 0, 0, kListWidth, 100, m_window,
                             reinterpret_cast<HMENU>(kListId), GetModuleHandleW(nullptr), nullptr);
    SendMessageW(m_list, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    RECT const area = PageArea(m_window);
    for (auto const& page : m_pages)
    {
        SendMessageW(m_list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(page->GetTitle()));
        page->Create(m_window, area);
    }
}

void CGalleryWindow::OnSize(int width, int height)
{
    MoveWindow(m_list, 0, 0, kListWidth, height, TRUE);
    for (auto const& page : m_pages)
        MoveWindow(page->GetWindow(), kListWidth, 0, width - kListWidth, height, TRUE);
}

LRESULT CALLBACK CGalleryWindow::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE)
    {
        auto* self = static_cast<CGalleryWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->m_window = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<CGalleryWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message)
    {
    case WM_CREATE:
        self->OnCreate();
        return 0;
    case WM_SIZE:
        self->OnSize(LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == kListId && HIWORD(wParam) == LBN_SELCHANGE)
            self->SelectPage(static_cast<std::size_t>(SendMessageW(self->m_list, LB_GETCURSEL, 0, 0)));
        else if (LOWORD(wParam) == gallery::kCommandExit)
            DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}
