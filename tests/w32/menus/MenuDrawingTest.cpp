// Measuring and drawing through the owner window, as the platform asks: WM_MEASUREITEM and WM_DRAWITEM
// sent to a registered owner, read back from a memory context.
#include "LumoCtrls/LumoCtrls.h"
#include "menus/MenuTestWindow.h"
#include "w32/PixelCanvas.h"
#include "w32/TestBitmaps.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace
{
COLORREF const kImageColour = RGB(0, 128, 255);
COLORREF const kMagenta = RGB(255, 0, 255);
COLORREF const kUntouched = RGB(1, 2, 3);

enum Command : UINT
{
    kOpen = 101,
    kRuler = 102,
    kSmall = 103,
    kPaste = 104,
    kRecent = 201,
    kFile = 301,
    kEdit = 302,
};

COLORREF Base()
{
    return DarkenColor(10, GetSysColor(COLOR_WINDOW));
}

int ChannelDistance(COLORREF a, COLORREF b)
{
    return std::max({std::abs(GetRValue(a) - GetRValue(b)), std::abs(GetGValue(a) - GetGValue(b)),
                     std::abs(GetBValue(a) - GetBValue(b))});
}

// The width the owner-drawn menus give an item text, worked out here with the system's menu font.
int TextWidth(std::wstring const& text)
{
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    HFONT const font = CreateFontIndirectW(&metrics.lfMenuFont);
    HDC const screen = GetDC(nullptr);
    HGDIOBJ const previous = SelectObject(screen, font);
    auto extent = [&](std::wstring const& s)
    {
        SIZE size{};
        GetTextExtentPoint32W(screen, s.c_str(), static_cast<int>(s.size()), &size);
        return static_cast<int>(size.cx);
    };
    int width = extent(text);
    if (text.find(L'&') != std::wstring::npos)
        width -= extent(L"&");
    if (text.find(L'\t') != std::wstring::npos)
        width += extent(L"    ");
    SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);
    DeleteObject(font);
    return width;
}

class OwnerDrawnMenu : public testing::Test
{
protected:
    void SetUp() override
    {
        CLumoControls::Instance();
        CLibraryImages::Reset();
        HBITMAP const image =
            CreateTestBitmap(16, 16, [](int x, int y) { return x == 0 || y == 0 ? kMagenta : kImageColour; });
        CLumoControls::AddBitmapWithID(kOpen, image, 16, 16);
        CLumoControls::AddBitmapWithID(kPaste, image, 16, 16);
        DeleteObject(image);

        m_popup = CreatePopupMenu();
        AppendMenuW(m_popup, MF_STRING, kOpen, L"&Open\tCtrl+O");
        AppendMenuW(m_popup, MF_SEPARATOR, 0, nullptr);
        AppendMenuW(m_popup, MF_STRING | MF_CHECKED, kRuler, L"Ruler");
        MENUITEMINFOW radio{};
        radio.cbSize = sizeof(radio);
        radio.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_STRING;
        radio.fType = MFT_RADIOCHECK;
        radio.fState = MFS_CHECKED;
        radio.wID = kSmall;
        radio.dwTypeData = const_cast<wchar_t*>(L"Small");
        InsertMenuItemW(m_popup, 3, TRUE, &radio);
        AppendMenuW(m_popup, MF_STRING | MF_GRAYED, kPaste, L"Paste");
        m_submenu = CreatePopupMenu();
        AppendMenuW(m_submenu, MF_STRING, kRecent, L"Recent");
        AppendMenuW(m_popup, MF_POPUP, reinterpret_cast<UINT_PTR>(m_submenu), L"More");
        ASSERT_NE(CLumoControls::RegisterMenu(m_window.Get(), m_popup, 0), nullptr);
    }

    void TearDown() override
    {
        DestroyWindow(m_window.Get()); // the owner's subclass and its menus go with it
        DestroyMenu(m_popup);
        CLibraryImages::Reset();
    }

    UINT SubmenuItemId() const
    {
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_ID;
        GetMenuItemInfoW(m_popup, 5, TRUE, &info);
        return info.wID;
    }

    LRESULT Draw(PixelCanvas& canvas, UINT id, UINT state, RECT rect = {0, 0, 160, 22})
    {
        SelectClipRgn(canvas.GetDC(), nullptr);
        canvas.Fill(kUntouched);
        return SendDrawItem(m_window.Get(), m_popup, id, state, canvas.GetDC(), rect);
    }

    CMenuTestWindow m_window;
    HMENU m_popup = nullptr;
    HMENU m_submenu = nullptr;
};

TEST_F(OwnerDrawnMenu, MeasuresItemsFromTheWidestTextAndTheImageColumn)
{
    int widest = 0;
    for (wchar_t const* text : {L"&Open\tCtrl+O", L"Ruler", L"Small", L"Paste", L"More"})
        widest = std::max(widest, TextWidth(text));
    SentMeasure const item = SendMeasureItem(m_window.Get(), kOpen, 20);
    EXPECT_EQ(item.result, TRUE);
    EXPECT_EQ(static_cast<int>(item.item.itemWidth), widest + 16 + 22);
    EXPECT_EQ(item.item.itemHeight, 28u); // 20 + 16 / 2

    EXPECT_EQ(SendMeasureItem(m_window.Get(), 0, 20).item.itemHeight, 3u) << "a separator";
    EXPECT_EQ(SendMeasureItem(m_window.Get(), kRecent, 20).item.itemWidth,
              static_cast<UINT>(TextWidth(L"Recent") + 16 + 22));
}

TEST_F(OwnerDrawnMenu, EachKindOfItemPaintsItsOwnPixels)
{
    PixelCanvas canvas(170, 26);
    EXPECT_EQ(Draw(canvas, kOpen, 0), TRUE);
    EXPECT_EQ(canvas.At(0, 1), MixedColor(Base(), GetThemeColor())) << "the image column starts mixed";
    EXPECT_EQ(canvas.At(11, 11), kImageColour) << "the image, stretched to 19 by 19 at (2, 2)";
    EXPECT_EQ(canvas.At(165, 11), kUntouched) << "nothing outside the item";
    EXPECT_FALSE(PtVisible(canvas.GetDC(), 20, 10)) << "the item is excluded from further painting";

    COLORREF const pen = RGB(0xFB, 0x8C, 0x3C);
    Draw(canvas, kRuler, ODS_SELECTED);
    EXPECT_EQ(canvas.At(1, 12), pen) << "a selected item is framed";
    EXPECT_EQ(canvas.At(150, 3), HLS_TRANSFORM(GetHintColor(), 50, 0)) << "and filled";

    Draw(canvas, kPaste, ODS_GRAYED | ODS_DISABLED);
    EXPECT_EQ(canvas.At(11, 11), RGB(164, 164, 164))
        << "a disabled item's image greyed: 102/256 towards white";

    Draw(canvas, kRuler, ODS_CHECKED);
    EXPECT_EQ(canvas.At(1, 1), GetSysColor(COLOR_HIGHLIGHT)) << "the check box outline";
    EXPECT_EQ(canvas.At(2, 2), GetHintColor());
    int markPixels = 0;
    for (int y = 2; y < 20; ++y)
        for (int x = 2; x < 19; ++x)
            markPixels += canvas.At(x, y) == RGB(0, 0, 0) ? 1 : 0;
    EXPECT_GT(markPixels, 5) << "the check mark";

    Draw(canvas, kSmall, ODS_CHECKED);
    EXPECT_EQ(canvas.At(11, 11), GetSysColor(COLOR_MENUTEXT)) << "a radio dot centred at (11, 11)";

    Draw(canvas, SubmenuItemId(), 0);
    EXPECT_EQ(canvas.At(153, 11), RGB(0, 0, 0)) << "the submenu arrow's tip";
}

TEST_F(OwnerDrawnMenu, AMessageForAnotherControlGoesToTheOwnersOwnProcedure)
{
    m_window.ClearReceived();
    EXPECT_EQ(SendMeasureItem(m_window.Get(), 0, 7, ODT_LISTBOX).item.itemHeight, 7u);
    EXPECT_EQ(m_window.CountReceived(WM_MEASUREITEM), 1);
}

class OwnerDrawnMenuBar : public testing::Test
{
protected:
    void SetUp() override
    {
        CLumoControls::Instance();
        m_bar = CreateMenu();
        AppendMenuW(m_bar, MF_STRING, kFile, L"&File");
        AppendMenuW(m_bar, MF_STRING, kEdit, L"&Edit");
        SetMenu(m_window.Get(), m_bar);
        m_menu = std::make_unique<CLumoMenu>(m_window.Get(), m_bar, 1);
    }
    void TearDown() override
    {
        m_menu.reset();
        SetMenu(m_window.Get(), nullptr);
        DestroyMenu(m_bar);
    }
    void Draw(PixelCanvas& canvas, UINT state)
    {
        canvas.Fill(kUntouched);
        SelectClipRgn(canvas.GetDC(), nullptr);
        EXPECT_EQ(SendDrawItem(m_window.Get(), m_bar, kFile, state, canvas.GetDC(), RECT{0, 0, 50, 20}),
                  TRUE);
    }

    CMenuTestWindow m_window;
    HMENU m_bar = nullptr;
    std::unique_ptr<CLumoMenu> m_menu;
};

TEST_F(OwnerDrawnMenuBar, ItemsMeasureTheirTextPlusTwelve)
{
    MEASUREITEMSTRUCT const measure = SendMeasureItem(m_window.Get(), kEdit, 19).item;
    EXPECT_EQ(static_cast<int>(measure.itemWidth), TextWidth(L"&Edit") + 12);
    EXPECT_EQ(measure.itemHeight, 19u);
}

TEST_F(OwnerDrawnMenuBar, EachStateHasItsBackground)
{
    PixelCanvas canvas(60, 24);
    Draw(canvas, 0);
    EXPECT_EQ(canvas.At(48, 10), GetThemeColor()) << "a plain item fills its whole rectangle";

    Draw(canvas, ODS_HOTLIGHT);
    EXPECT_EQ(canvas.At(0, 10), RGB(0xFB, 0x8C, 0x3C)) << "a hot item is framed";
    EXPECT_EQ(canvas.At(45, 10), RGB(0xFB, 0x8C, 0x3C)) << "4 pixels short of the right edge";
    EXPECT_EQ(canvas.At(1, 1), HLS_TRANSFORM(GetHintColor(), 70, 0));

    Draw(canvas, ODS_SELECTED);
    EXPECT_EQ(canvas.At(0, 10), kUntouched) << "an open item has no frame";
    EXPECT_EQ(canvas.At(1, 1), Base()) << "its gradient runs from the menu background";
    EXPECT_LE(ChannelDistance(canvas.At(1, 18), GetThemeColor()), 12) << "to the theme colour";

    Draw(canvas, ODS_HOTLIGHT | ODS_INACTIVE);
    EXPECT_EQ(canvas.At(1, 1), GetThemeColor()) << "an inactive window shows no hot item";
}
} // namespace
