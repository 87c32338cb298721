// The colour editor pop-up: placement, tabs, its own message loop, the platform's colour dialog and the
// end of an opening.
#include "LumoControls/PropertyList/ColorEditor/w32/ColorEditorImpl.h"

#include "INC/w32/LibraryModule.h"
#include "INC/w32/PlatformFailure.h"
#include "INC/w32/TypeName.h"
#include "Kit/KitGuiLib/CurrentException.h"
#include "Plat/w32/LumoCtrlsResources.h"

#include <commctrl.h>
#include <commdlg.h>

#include <typeinfo>

namespace
{
char const kSourcePath[] = "src/LumoControls/PropertyList/ColorEditor/ColorEditor";

// Handed to every colour dialog of the process, so that the user's custom colours stay between openings.
COLORREF g_customColors[16] = {};

// The class name outlives the static objects that the library's teardown runs after.
std::wstring const& ClassName()
{
    static std::wstring const* const name =
        new std::wstring(lumo::ReadableTypeName(typeid(CColorEditor::CImpl).name()));
    return *name;
}

bool g_classRegistered = false;

void RegisterClassOnce()
{
    if (g_classRegistered)
        return;
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &DefDlgProcW;
    windowClass.cbWndExtra = DLGWINDOWEXTRA;
    windowClass.hInstance = lumo::LibraryModule();
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    windowClass.lpszClassName = ClassName().c_str();
    if (RegisterClassW(&windowClass) == 0)
        lumo::ThrowLastError(L"RegisterClass", kSourcePath, __LINE__);
    g_classRegistered = true;
}

bool IsButtonPress(UINT message)
{
    return message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_NCLBUTTONDOWN ||
           message == WM_NCRBUTTONDOWN;
}
} // namespace

CColorEditor::CColorEditor(int y, int x, COLORREF& color) : m_impl(new CImpl(y, x, color)) {}

CColorEditor::~CColorEditor()
{
    delete m_impl;
}

void CColorEditor::Show(HWND anchor)
{
    m_impl->Show(anchor);
}

bool CColorEditor::IsConfirmed() const
{
    return m_impl->IsConfirmed();
}

void CColorEditor::CImpl::UnregisterClass()
{
    if (g_classRegistered && ::UnregisterClassW(ClassName().c_str(), lumo::LibraryModule()))
        g_classRegistered = false;
}

void CColorEditor::CImpl::Show(HWND anchor)
{
    RegisterClassOnce();
    m_anchor = anchor;
    m_ended = false;
    m_confirmed = false;
    HWND const dialog = CreateDialogParamW(lumo::LibraryModule(), MAKEINTRESOURCEW(IDD_COLOR_EDITOR), anchor,
                                           &DialogProcedure, reinterpret_cast<LPARAM>(this));
    if (dialog == nullptr)
        lumo::ThrowLastError(L"CreateDialogParam", kSourcePath, __LINE__);
    ShowWindow(dialog, SW_SHOW);

    MSG message;
    while (!m_ended)
    {
        BOOL const got = GetMessageW(&message, nullptr, 0, 0);
        if (got <= 0)
        {
            if (got == 0 && !m_ended)
            {
                // The host's own quit: close without a colour and hand the quit on to the host's loop.
                m_hostQuit = true;
                m_hostQuitCode = message.wParam;
                End(false, 0);
            }
            break;
        }
        if (Intercept(message))
            continue;
        if (!IsDialogMessageW(m_dialog, &message))
        {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    // Our own quit message is still queued when the loop ended by a flag; take it out of the host's way.
    PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    for (auto const& page : m_pages)
        page->Destroy();
    m_pages.clear();
    if (m_dialog != nullptr)
    {
        HWND const window = m_dialog;
        m_dialog = nullptr;
        DestroyWindow(window);
    }
    if (m_hostQuit)
        PostQuitMessage(static_cast<int>(m_hostQuitCode));
}

bool CColorEditor::CImpl::Intercept(MSG const& message)
{
    if (m_ended)
        return true;
    IDlgTemplate* page = CurrentPage();
    HWND const list = page != nullptr ? page->GetList() : nullptr;
    if (IsButtonPress(message.message) && !IsPopupWindow(message.hwnd))
    {
        End(false, 0);
        return true;
    }
    if (message.hwnd == list && list != nullptr && message.message == WM_LBUTTONUP)
    {
        LRESULT const hit = SendMessageW(list, LB_ITEMFROMPOINT, 0, message.lParam);
        if (HIWORD(hit) == 0)
        {
            int const row = LOWORD(hit);
            End(true, static_cast<CColorTablePage*>(page)->ColorOf(row));
            return true;
        }
        return false;
    }
    if (message.hwnd == list && list != nullptr && message.message == WM_KEYDOWN &&
        message.wParam == VK_ESCAPE)
    {
        End(false, 0);
        return true;
    }
    return false;
}

bool CColorEditor::CImpl::IsPopupWindow(HWND window) const
{
    if (window == m_dialog || window == m_tabs)
        return true;
    IDlgTemplate const* page = CurrentPage();
    HWND const pageWindow = page != nullptr ? page->GetWindow() : nullptr;
    return pageWindow != nullptr && (window == pageWindow || IsChild(pageWindow, window));
}

CColorEditor::CImpl::IDlgTemplate* CColorEditor::CImpl::CurrentPage() const
{
    std::size_t const index = static_cast<std::size_t>(m_currentTab - 1);
    return index < m_pages.size() ? m_pages[index].get() : nullptr;
}

INT_PTR CALLBACK CColorEditor::CImpl::DialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG)
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
    auto* self = reinterpret_cast<CImpl*>(GetWindowLongPtrW(dialog, DWLP_USER));
    if (self == nullptr)
        return FALSE;
    try
    {
        if (message == WM_INITDIALOG)
        {
            self->OnInitDialog(dialog);
            return FALSE; // the focus was given above
        }
        return self->OnMessage(message, wParam, lParam);
    }
    catch (...)
    {
        ReportCurrentException();
        self->End(false, 0);
    }
    return FALSE;
}

INT_PTR CColorEditor::CImpl::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_NOTIFY:
    {
        auto const* header = reinterpret_cast<NMHDR const*>(lParam);
        if (header->hwndFrom != m_tabs)
            return FALSE;
        if (header->code == TCN_SELCHANGING)
            OnTabChanging();
        else if (header->code == TCN_SELCHANGE)
            OnTabChanged();
        return FALSE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL)
            End(false, 0);
        return TRUE;
    case WM_CLOSE:
        End(false, 0);
        return TRUE;
    default:
        return FALSE;
    }
}

void CColorEditor::CImpl::OnInitDialog(HWND dialog)
{
    m_dialog = dialog;
    m_tabs = GetDlgItem(dialog, IDC_COLOR_TABS);
    PlaceUnderTheRow();
    InsertTabs();
    m_currentTab = 1;
    SendMessageW(m_tabs, TCM_SETCURSEL, 1, 0);
    m_pages.clear();
    m_pages.push_back(std::make_shared<CWebColorDlgTemplate>(*this));
    m_pages.push_back(std::make_shared<CStandardColorDlgTemplate>(*this));
    for (auto const& page : m_pages)
        page->LoadTemplate();
    ShowPage(1);
    SetFocus(dialog);
}

void CColorEditor::CImpl::PlaceUnderTheRow()
{
    RECT popup{};
    GetWindowRect(m_dialog, &popup);
    RECT anchor{};
    if (m_anchor != nullptr)
        GetWindowRect(m_anchor, &anchor);
    int const width = popup.right - popup.left;
    int const height = popup.bottom - popup.top;
    int left = anchor.left + m_x - width;
    if (left < 0)
        left = 0;
    int top = anchor.top + m_y;
    if (top + height > GetSystemMetrics(SM_CYSCREEN))
        top -= height + 18; // above the row instead
    SetWindowPos(m_dialog, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CColorEditor::CImpl::InsertTabs()
{
    UINT const texts[] = {IDS_COLOR_CUSTOM, IDS_COLOR_WEB, IDS_COLOR_STANDARD};
    for (int tab = 0; tab < 3; ++tab)
    {
        std::wstring text = lumo::LibraryString(texts[tab]);
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = &text[0];
        SendMessageW(m_tabs, TCM_INSERTITEMW, static_cast<WPARAM>(tab), reinterpret_cast<LPARAM>(&item));
    }
}

void CColorEditor::CImpl::ShowPage(int tab)
{
    if (IDlgTemplate* previous = CurrentPage())
        previous->Destroy();
    m_currentTab = tab;
    IDlgTemplate& page = *CurrentPage();
    page.Create(m_dialog);
    page.Fill();
    page.ScrollToTop();
    int row = page.Find(m_openedColor);
    if (row < 0 && LastColorOf(tab).has_value())
        row = page.Find(*LastColorOf(tab));
    page.Select(row);
}

void CColorEditor::CImpl::OnTabChanging()
{
    IDlgTemplate const* page = CurrentPage();
    if (page == nullptr)
        return;
    int const row = page->GetSelected();
    if (row >= 0)
        LastColorOf(m_currentTab) = static_cast<CColorTablePage const*>(page)->ColorOf(row);
}

void CColorEditor::CImpl::OnTabChanged()
{
    int const tab = static_cast<int>(SendMessageW(m_tabs, TCM_GETCURSEL, 0, 0));
    if (tab == 0)
    {
        SendMessageW(m_tabs, TCM_SETCURSEL, static_cast<WPARAM>(m_currentTab), 0);
        ChooseCustomColor();
    }
    else if (tab == 1 || tab == 2)
        ShowPage(tab);
}

void CColorEditor::CImpl::ChooseCustomColor()
{
    // The special values (no colour, transparent) are no colours the dialog can show.
    COLORREF const current = (m_color & 0xFF000000u) != 0 ? 0xFFFFFFu : m_color;
    g_customColors[0] = current;
    CHOOSECOLORW choose{};
    choose.lStructSize = sizeof(choose);
    choose.hwndOwner = m_dialog;
    choose.rgbResult = current;
    choose.lpCustColors = g_customColors;
    choose.Flags = CC_FULLOPEN | CC_RGBINIT | CC_ANYCOLOR;
    if (ChooseColorW(&choose))
        End(true, choose.rgbResult);
}

void CColorEditor::CImpl::End(bool confirmed, COLORREF color)
{
    if (m_ended)
        return;
    m_ended = true;
    m_confirmed = confirmed;
    if (confirmed)
        m_color = color;
    if (IDlgTemplate* page = CurrentPage())
        page->Destroy();
    PostQuitMessage(0);
}
