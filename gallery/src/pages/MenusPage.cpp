// Menus: the items of an owner-drawn pop-up menu and menu bar in every state. An open menu cannot be
// captured, so the items are drawn into the page through their owner, exactly as the platform asks an
// owner to draw them (WM_MEASUREITEM, then WM_DRAWITEM).
#include "CommandImages.h"
#include "GalleryPage.h"
#include "Paint.h"

#include <LumoCtrls/LumoCtrls.h>

#include <string>

namespace
{
using gallery::Heading;
using gallery::Label;

enum PageCommand : UINT
{
    kRuler = 41001,
    kGrid,
    kSmall,
    kLarge,
    kRecent,
    kFile = 41101,
    kEdit,
    kView,
};

struct Shown
{
    wchar_t const* state;
    UINT command;
    UINT itemState;
};

class CMenusPage : public CGalleryPage
{
public:
    wchar_t const* GetTitle() const override { return L"Menus"; }
    wchar_t const* GetFileStem() const override { return L"Menus"; }

protected:
    void OnCreated() override
    {
        using namespace gallery;
        m_popup = CreatePopupMenu();
        AppendMenuW(m_popup, MF_STRING, kCommandOpen, L"&Open...\tCtrl+O");
        AppendMenuW(m_popup, MF_STRING, kCommandSave, L"&Save\tCtrl+S");
        AppendMenuW(m_popup, MF_STRING | MF_GRAYED, kCommandPrint, L"&Print...\tCtrl+P");
        AppendMenuW(m_popup, MF_SEPARATOR, 0, nullptr);
        AppendMenuW(m_popup, MF_STRING | MF_CHECKED, kRuler, L"&Ruler");
        AppendMenuW(m_popup, MF_STRING | MF_CHECKED, kCommandFind, L"&Find bar");
        AppendMenuW(m_popup, MF_STRING, kSmall, L"S&mall icons");
        AppendMenuW(m_popup, MF_STRING, kLarge, L"&Large icons");
        CheckMenuRadioItem(m_popup, kSmall, kLarge, kSmall, MF_BYCOMMAND);
        HMENU const recent = CreatePopupMenu();
        AppendMenuW(recent, MF_STRING, kRecent, L"report.lumo");
        AppendMenuW(m_popup, MF_POPUP, reinterpret_cast<UINT_PTR>(recent), L"Recent &files");
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_ID;
        GetMenuItemInfoW(m_popup, 8, TRUE, &info); // the position of "Recent files"
        m_recentItem = info.wID;
        CLumoControls::RegisterMenu(GetWindow(), m_popup, 0);

        m_bar = CreateMenu();
        AppendMenuW(m_bar, MF_STRING, kFile, L"&File");
        AppendMenuW(m_bar, MF_STRING, kEdit, L"&Edit");
        AppendMenuW(m_bar, MF_STRING, kView, L"&View");
        CLumoControls::RegisterMenu(GetWindow(), m_bar, 1);
    }

    void Paint(HDC dc, RECT const&) override
    {
        using namespace gallery;
        int y = Heading(dc, 12, 12, L"Pop-up menu items, drawn through their owner");
        Shown const items[] = {
            {L"normal, with image and accelerator", kCommandOpen, 0},
            {L"selected", kCommandOpen, ODS_SELECTED},
            {L"disabled: image greyed", kCommandPrint, ODS_GRAYED | ODS_DISABLED},
            {L"separator", 0, 0},
            {L"checked, no image: check mark", kRuler, ODS_CHECKED},
            {L"checked and selected", kRuler, ODS_CHECKED | ODS_SELECTED},
            {L"checked, with image: box", kCommandFind, ODS_CHECKED},
            {L"checked, disabled", kCommandFind, ODS_CHECKED | ODS_GRAYED | ODS_DISABLED},
            {L"radio item, checked", kSmall, ODS_CHECKED},
            {L"radio item, checked, disabled", kSmall, ODS_CHECKED | ODS_DISABLED},
            {L"radio item, not checked", kLarge, 0},
            {L"opens a sub-menu", m_recentItem, 0},
            {L"opens a sub-menu, selected", m_recentItem, ODS_SELECTED},
        };
        y += 6;
        for (Shown const& item : items)
        {
            MEASUREITEMSTRUCT measure = Measure(item.command);
            Label(dc, 12, y + static_cast<int>(measure.itemHeight) / 2 - 7, item.state);
            Draw(dc, m_popup, item.command, item.itemState,
                 RECT{240, y, 240 + static_cast<int>(measure.itemWidth),
                      y + static_cast<int>(measure.itemHeight)});
            y += static_cast<int>(measure.itemHeight) + 4;
        }

        y = Heading(dc, 12, y + 16, L"Menu-bar items: normal, hot, open");
        int x = 240;
        UINT const states[] = {0, ODS_HOTLIGHT, ODS_SELECTED};
        UINT const commands[] = {kFile, kEdit, kView};
        gallery::FillColor(dc, RECT{240, y + 4, 240 + 240, y + 4 + 22}, GetThemeColor());
        for (int i = 0; i < 3; ++i)
        {
            MEASUREITEMSTRUCT const measure = Measure(commands[i]);
            int const width = static_cast<int>(measure.itemWidth);
            Draw(dc, m_bar, commands[i], states[i], RECT{x, y + 4, x + width, y + 4 + 22});
            x += width;
        }
    }

private:
    MEASUREITEMSTRUCT Measure(UINT command)
    {
        MEASUREITEMSTRUCT measure{};
        measure.CtlType = ODT_MENU;
        measure.itemID = command;
        measure.itemHeight = static_cast<UINT>(GetSystemMetrics(SM_CYMENUSIZE));
        SendMessageW(GetWindow(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
        return measure;
    }

    void Draw(HDC dc, HMENU menu, UINT command, UINT itemState, RECT const& rect)
    {
        DRAWITEMSTRUCT draw{};
        draw.CtlType = ODT_MENU;
        draw.itemID = command;
        draw.itemAction = ODA_DRAWENTIRE;
        draw.itemState = itemState;
        draw.hwndItem = reinterpret_cast<HWND>(menu);
        draw.hDC = dc;
        draw.rcItem = rect;
        SendMessageW(GetWindow(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
    }

    HMENU m_popup = nullptr;
    HMENU m_bar = nullptr;
    UINT m_recentItem = 0;
};
} // namespace

std::unique_ptr<CGalleryPage> CreateMenusPage()
{
    return std::make_unique<CMenusPage>();
}
