// The pages of the colour editor: a child dialog with one owner-drawn list of a colour table's names.
#include "LumoControls/PropertyList/ColorEditor/w32/ColorEditorImpl.h"

#include "INC/w32/LibraryModule.h"
#include "Kit/KitGuiLib/CurrentException.h"
#include "INC/w32/PlatformFailure.h"
#include "Plat/w32/LumoCtrlsResources.h"

namespace
{
char const kSourcePath[] = "src/LumoControls/PropertyList/ColorEditor/ColorEditor";
constexpr int kRowHeight = 16;
constexpr int kNameLeft = 30;

bool IsSpecialColor(COLORREF color)
{
    return (color & 0xFF000000u) != 0; // none and transparent are not colours to fill with
}

} // namespace

using CPage = CColorEditor::CImpl::CColorTablePage;

CColorEditor::CImpl::CWebColorDlgTemplate::CWebColorDlgTemplate(CImpl& editor)
    : CColorTablePage(editor, &GetWebColorTable, L"CreateDialogParam in CWebColorDlgTemplate",
                      L"LoadResource in CWebColorDlgTemplate", L"LockResource in CWebColorDlgTemplate")
{
}

CColorEditor::CImpl::CStandardColorDlgTemplate::CStandardColorDlgTemplate(CImpl& editor)
    : CColorTablePage(editor, &GetStandardColorTable, L"CreateDialogParam in CStandardColorDlgTemplate",
                      L"LoadResource in CStandardColorDlgTemplate",
                      L"LockResource in CStandardColorDlgTemplate")
{
}

void CPage::LoadTemplate()
{
    HMODULE const module = lumo::LibraryModule();
    HRSRC const resource =
        FindResourceW(module, MAKEINTRESOURCEW(IDD_COLOR_PAGE), MAKEINTRESOURCEW(5)); // RT_DIALOG
    if (resource == nullptr)
        CResourceNotFound::CreateAndThrow(module, IDD_COLOR_PAGE, 0, kSourcePath, __LINE__);
    HGLOBAL const loaded = LoadResource(module, resource);
    if (loaded == nullptr)
        lumo::ThrowLastError(m_loadCall, kSourcePath, __LINE__);
    m_template = static_cast<DLGTEMPLATE const*>(LockResource(loaded));
    if (m_template == nullptr)
        lumo::ThrowLastError(m_lockCall, kSourcePath, __LINE__);
}

void CPage::Create(HWND popup)
{
    if (m_template == nullptr)
        LoadTemplate();
    HWND const window = CreateDialogIndirectParamW(lumo::LibraryModule(), m_template, popup, &PageProcedure,
                                                   reinterpret_cast<LPARAM>(this));
    if (window == nullptr)
        lumo::ThrowLastError(m_createCall, kSourcePath, __LINE__);
    m_window = window;
    m_list = GetDlgItem(window, IDC_COLOR_LIST);
    // Above the tab control, which was there first and does not clip its siblings.
    SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
}

void CPage::Destroy()
{
    if (m_window == nullptr)
        return;
    HWND const window = m_window;
    m_window = nullptr;
    m_list = nullptr;
    DestroyWindow(window);
}

void CPage::Fill()
{
    // Without redrawing, a visible list would update its scroll bar and repaint for every row added.
    SendMessageW(m_list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(m_list, LB_RESETCONTENT, 0, 0);
    SendMessageW(m_list, LB_INITSTORAGE, m_count, 0);
    for (std::size_t row = 0; row < m_count; ++row)
    {
        LRESULT const index =
            SendMessageW(m_list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(m_table[row].name));
        SendMessageW(m_list, LB_SETITEMDATA, static_cast<WPARAM>(index),
                     static_cast<LPARAM>(m_table[row].value));
    }
    SendMessageW(m_list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(m_list, nullptr, TRUE);
}

void CPage::ScrollToTop()
{
    SendMessageW(m_list, LB_SETCURSEL, m_count - 1, 0);
    SendMessageW(m_list, LB_SETCURSEL, 0, 0);
}

int CPage::Find(COLORREF color) const
{
    for (std::size_t row = 0; row < m_count; ++row)
        if (m_table[row].value == color)
            return static_cast<int>(row);
    return -1;
}

int CPage::GetSelected() const
{
    return m_list != nullptr ? static_cast<int>(SendMessageW(m_list, LB_GETCURSEL, 0, 0)) : -1;
}

void CPage::Select(int row)
{
    SendMessageW(m_list, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
}

COLORREF CPage::ColorOf(int row) const
{
    return row >= 0 && static_cast<std::size_t>(row) < m_count ? m_table[row].value : 0xFFFFFFFFu;
}

INT_PTR CALLBACK CPage::PageProcedure(HWND page, UINT message, WPARAM, LPARAM lParam)
{
    if (message == WM_INITDIALOG)
    {
        SetWindowLongPtrW(page, DWLP_USER, lParam);
        return FALSE;
    }
    if (message == WM_MEASUREITEM) // sent while the list is made, before WM_INITDIALOG
    {
        reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = kRowHeight;
        return TRUE;
    }
    auto* self = reinterpret_cast<CPage*>(GetWindowLongPtrW(page, DWLP_USER));
    if (message != WM_DRAWITEM || self == nullptr)
        return FALSE;
    try
    {
        self->DrawRow(*reinterpret_cast<DRAWITEMSTRUCT const*>(lParam));
    }
    catch (...)
    {
        ReportCurrentException();
    }
    return TRUE;
}

void CPage::DrawRow(DRAWITEMSTRUCT const& item) const
{
    if (item.itemID == static_cast<UINT>(-1))
        return;
    bool const selected = (item.itemState & ODS_SELECTED) != 0;
    HDC const dc = item.hDC;
    RECT const& row = item.rcItem;
    FillRect(dc, &row, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));

    wchar_t const* name = m_table[item.itemID].name;
    int const length = lstrlenW(name);
    SIZE text{};
    GetTextExtentPoint32W(dc, name, length, &text);
    int const middle = (row.top + row.bottom - text.cy) / 2;

    RECT const frame{1, middle + 1, 24, middle + 12};
    FrameRect(dc, &frame, GetSysColorBrush(COLOR_WINDOWTEXT));
    COLORREF const color = static_cast<COLORREF>(item.itemData);
    if (!IsSpecialColor(color))
    {
        RECT const swatch{2, middle + 2, 23, middle + 11};
        HBRUSH const brush = CreateSolidBrush(color);
        FillRect(dc, &swatch, brush);
        DeleteObject(brush);
    }

    int const previousMode = SetBkMode(dc, TRANSPARENT);
    COLORREF const previousColor =
        SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_INFOTEXT));
    BOOL const written = TextOutW(dc, kNameLeft, middle, name, length);
    SetTextColor(dc, previousColor);
    SetBkMode(dc, previousMode);
    if (!written)
        lumo::ThrowLastError(L"TextOut", kSourcePath, __LINE__);
}
