// Toolbar: the library's toolbar in each of its button states (normal, hot, pressed, checked, disabled,
// a drop-down button dropped), with and without its gradient background.
#include "CommandImages.h"
#include "GalleryPage.h"
#include "Paint.h"

#include <LumoCtrls/LumoCtrls.h>

#include <memory>

namespace
{
constexpr int kStripBitmap = 200;

std::vector<TBBUTTON> Buttons()
{
    BYTE const enabled = TBSTATE_ENABLED;
    return {
        {0, gallery::kCommandOpen, enabled, BTNS_BUTTON, {}, 41001, 0},
        {1, gallery::kCommandSave, enabled, BTNS_BUTTON, {}, 41002, 0},
        {2, gallery::kCommandPrint, enabled, BTNS_DROPDOWN, {}, 0, 0},
        {0, 0, 0, BTNS_SEP, {}, 0, 0},
        {3, gallery::kCommandFind, static_cast<BYTE>(enabled | TBSTATE_CHECKED), BTNS_CHECK, {}, 0, 0},
        {4, gallery::kCommandAdd, 0, BTNS_BUTTON, {}, 0, 0},
    };
}

// The toolbars' parent, a plain child of the page (whose own user data holds the page): it routes their
// notifications back to them.
class CToolbarHost : public CToolbarParent
{
public:
    CWnd const& GetHandle() const override { return m_window; }
    void SetWindow(HWND window) { m_window.Attach(window); }

private:
    CWnd m_window;
};
} // namespace

class CToolbarPage : public CGalleryPage
{
public:
    wchar_t const* GetTitle() const override { return L"Toolbar"; }
    wchar_t const* GetFileStem() const override { return L"Toolbar"; }

    void OnShown() override
    {
        // The states a user's mouse would give: the first toolbar's Save hot, Open pressed, Print dropped.
        HWND const first = m_withBackground.GetHandle();
        SendMessageW(first, TB_SETHOTITEM, 1, 0);
        m_withBackground.PressButton(gallery::kCommandOpen);
        SetWindowLongPtrW(m_plain.GetHandle(), GWLP_USERDATA, gallery::kCommandPrint + 1); // its menu open
        InvalidateRect(first, nullptr, TRUE);
        InvalidateRect(m_plain.GetHandle(), nullptr, TRUE);
    }

    void OnHidden() override { SetWindowLongPtrW(m_plain.GetHandle(), GWLP_USERDATA, 0); }

protected:
    void OnCreated() override
    {
        m_host.SetWindow(CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 12, 60,
                                         520, 140, GetWindow(), nullptr, nullptr, nullptr));
        std::vector<TBBUTTON> buttons = Buttons();
        MoveWindow(m_withBackground.Create(buttons, kStripBitmap, true, true), 0, 0, 500, 36, TRUE);
        buttons = Buttons();
        MoveWindow(m_plain.Create(buttons, kStripBitmap, false, false), 0, 90, 500, 36, TRUE);
    }

    void Paint(HDC dc, RECT const& client) override
    {
        gallery::FillColor(dc, client, GetSysColor(COLOR_BTNFACE));
        gallery::Heading(dc, 12, 10,
                         L"The library's toolbar: gradients by state, drop-down arrows, greyed pictures");
        gallery::Label(dc, 12, 40,
                       L"background and frame: Open pressed, Save hot, Find checked, Add disabled");
        gallery::Label(dc, 12, 210, L"no background (above): the Print button's menu is open (dropped)");
    }

private:
    CToolbarHost m_host;
    CLumoToolbarCtrl m_withBackground{m_host};
    CLumoToolbarCtrl m_plain{m_host};
};

std::unique_ptr<CGalleryPage> CreateToolbarPage()
{
    return std::make_unique<CToolbarPage>();
}
