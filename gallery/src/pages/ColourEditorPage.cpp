// Colour editor: the pop-up that colour items open, with pictures of its Web and Standard pages taken
// from the real pop-up, and a button that opens it over the page.
#include "GalleryPage.h"
#include "Paint.h"
#include "Screenshot.h"

#include <LumoCtrls/LumoCtrls.h>

#include <commctrl.h>

#include <memory>

namespace
{
constexpr int kOpenButton = 1;
constexpr int kShotTop = 110;

HWND FindPopup()
{
    return FindWindowW(L"CColorEditor::CImpl", nullptr);
}

HWND PageList(HWND popup)
{
    return GetDlgItem(FindWindowExW(popup, nullptr, L"#32770", nullptr), 8003);
}
} // namespace

class CColourEditorPage : public CGalleryPage
{
public:
    wchar_t const* GetTitle() const override { return L"Colour editor"; }
    wchar_t const* GetFileStem() const override { return L"ColourEditor"; }
    ~CColourEditorPage() override
    {
        DeleteObject(m_webShot);
        DeleteObject(m_standardShot);
    }

    // The pictures are taken once, from an opening driven by a timer inside the pop-up's own loop.
    void OnShown() override
    {
        if (m_webShot != nullptr)
            return;
        s_capturing = this;
        s_step = 0;
        UINT_PTR const timer = SetTimer(nullptr, 0, 50, &CaptureStep);
        CColorEditor editor(60, 420, m_color);
        editor.Show(GetWindow());
        KillTimer(nullptr, timer);
        s_capturing = nullptr;
        InvalidateRect(GetWindow(), nullptr, FALSE);
    }

protected:
    void OnCreated() override
    {
        GetCOLORREFFromName(L"SteelBlue", m_color);
        CreateWindowExW(0, L"BUTTON", L"Open the colour editor...", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 12,
                        36, 200, 26, GetWindow(), reinterpret_cast<HMENU>(kOpenButton), nullptr, nullptr);
    }

    void OnCommand(WPARAM wParam, LPARAM) override
    {
        if (LOWORD(wParam) != kOpenButton)
            return;
        RECT button{};
        GetWindowRect(GetDlgItem(GetWindow(), kOpenButton), &button);
        MapWindowPoints(nullptr, GetWindow(), reinterpret_cast<POINT*>(&button), 2);
        CColorEditor editor(button.bottom, button.right + 120, m_color);
        editor.Show(GetWindow());
        InvalidateRect(GetWindow(), nullptr, FALSE);
    }

    void Paint(HDC dc, RECT const& client) override
    {
        gallery::FillColor(dc, client, GetSysColor(COLOR_BTNFACE));
        gallery::Heading(dc, 12, 10,
                         L"The colour editor of colour items: web and standard colours, and Custom");
        gallery::Swatch(dc, 230, 38, 40, 22, m_color);
        gallery::Label(dc, 280, 42, L"chosen: " + GetNameFromCOLORREF(m_color));
        gallery::Label(dc, 12, kShotTop - 22, L"Web page (opened at the chosen colour)");
        gallery::DrawPicture(dc, 12, kShotTop, m_webShot);
        gallery::Label(dc, 300, kShotTop - 22, L"Standard page");
        gallery::DrawPicture(dc, 300, kShotTop, m_standardShot);
    }

private:
    // Web page picture, click on "Standard", its picture, then Escape in its list.
    static void CALLBACK CaptureStep(HWND, UINT, UINT_PTR, DWORD)
    {
        HWND const popup = FindPopup();
        if (s_capturing == nullptr || popup == nullptr)
            return;
        HWND const tabs = GetDlgItem(popup, 8001);
        switch (s_step++)
        {
        case 0:
            s_capturing->m_webShot = gallery::CaptureWindow(popup);
            break;
        case 1:
        {
            RECT tab{};
            SendMessageW(tabs, TCM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&tab));
            LPARAM const point = MAKELPARAM((tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2);
            PostMessageW(tabs, WM_LBUTTONDOWN, MK_LBUTTON, point);
            PostMessageW(tabs, WM_LBUTTONUP, 0, point);
            break;
        }
        case 2:
            s_capturing->m_standardShot = gallery::CaptureWindow(popup);
            break;
        default:
            PostMessageW(PageList(popup), WM_KEYDOWN, VK_ESCAPE, 0);
            break;
        }
    }

    static CColourEditorPage* s_capturing;
    static int s_step;

    COLORREF m_color = 0;
    HBITMAP m_webShot = nullptr;
    HBITMAP m_standardShot = nullptr;
};

CColourEditorPage* CColourEditorPage::s_capturing = nullptr;
int CColourEditorPage::s_step = 0;

std::unique_ptr<CGalleryPage> CreateColourEditorPage()
{
    return std::make_unique<CColourEditorPage>();
}
