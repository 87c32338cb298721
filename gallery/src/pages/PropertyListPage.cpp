// Property list: a manager with categories and every kind of item, its choice list open and a picture of
// the colour editor that its colour item opens.
#include "GalleryPage.h"
#include "Paint.h"
#include "Screenshot.h"

#include <LumoCtrls/LumoCtrls.h>

#include <commctrl.h>

#include <memory>

namespace
{
constexpr RECT kListArea{12, 32, 392, 560};
constexpr int kShotLeft = 420;

HIMAGELIST MakeShapes()
{
    HIMAGELIST const images = ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 3, 0);
    HDC const screen = GetDC(nullptr);
    HDC const memory = CreateCompatibleDC(screen);
    COLORREF const colors[] = {RGB(200, 40, 40), RGB(40, 150, 60), RGB(40, 80, 200)};
    for (int i = 0; i < 3; ++i)
    {
        HBITMAP const bitmap = CreateCompatibleBitmap(screen, 16, 16);
        HGDIOBJ const previous = SelectObject(memory, bitmap);
        RECT const all{0, 0, 16, 16};
        gallery::FillColor(memory, all, RGB(255, 0, 255));
        HBRUSH const brush = CreateSolidBrush(colors[i]);
        HGDIOBJ const previousBrush = SelectObject(memory, brush);
        if (i == 0)
            Ellipse(memory, 2, 2, 14, 14);
        else if (i == 1)
            Rectangle(memory, 2, 2, 14, 14);
        else
        {
            POINT const triangle[] = {{8, 2}, {14, 14}, {2, 14}};
            Polygon(memory, triangle, 3);
        }
        SelectObject(memory, previousBrush);
        DeleteObject(brush);
        SelectObject(memory, previous);
        ImageList_AddMasked(images, bitmap, RGB(255, 0, 255));
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return images;
}

HWND FindChildOfClass(HWND parent, wchar_t const* className)
{
    return FindWindowExW(parent, nullptr, className, nullptr);
}
} // namespace

class CPropertyListPage : public CGalleryPage
{
public:
    wchar_t const* GetTitle() const override { return L"Property list"; }
    wchar_t const* GetFileStem() const override { return L"PropertyList"; }
    ~CPropertyListPage() override
    {
        m_list.Destroy();
        ImageList_Destroy(m_shapes);
        DeleteObject(m_colorShot);
    }

    void OnShown() override
    {
        HWND const list = ListBox();
        if (m_colorShot == nullptr)
        {
            // The colour item's button opens the colour editor; a timer inside its loop takes its picture.
            m_manager.SelectItem(m_background, false);
            s_page = this;
            UINT_PTR const timer = SetTimer(nullptr, 0, 50, &CaptureColorEditor);
            SendMessageW(list, WM_COMMAND, MAKEWPARAM(0, BN_CLICKED),
                         reinterpret_cast<LPARAM>(ValueButton()));
            KillTimer(nullptr, timer);
            s_page = nullptr;
        }
        // The choice list stays open while the page is shown.
        m_manager.SelectItem(m_alignment, false);
        SendMessageW(list, WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(ValueButton()));
        InvalidateRect(GetWindow(), nullptr, FALSE);
    }

    void OnHidden() override { SetFocus(ListBox()); }

protected:
    void OnCreated() override
    {
        m_shapes = MakeShapes();
        void* appearance = m_manager.AddCategoryItem(L"Appearance");
        m_background = m_manager.AddColorItem(appearance, L"Background", 1, L"SteelBlue");
        CPropertyItem(m_manager.AddColorItem(appearance, L"Frame", 2, COLORREF{0x0000FF})).SetModify(true);
        m_manager.AddImageItemWithNone(appearance, L"Marker", m_shapes, 3, L"Image 1");
        m_manager.AddTrueFalseItem(appearance, L"Shadow", 4, true);
        void* layout = m_manager.AddCategoryItem(L"Layout");
        CPropertyItem(m_manager.AddEditItem(layout, L"Width", 5, L"120", false))
            .SetComments(L"The width in pixels; the arrows step it by one.");
        m_manager.AddEditItem(layout, L"Ratio", 6, L"1.5", false);
        m_alignment = m_manager.AddListItem(
            layout, L"Alignment", std::vector<std::wstring>{L"Left", L"Centre", L"Right"}, 7, L"Centre");
        void* behaviour = m_manager.AddCategoryItem(L"Behaviour");
        m_manager.AddYesNoItem(behaviour, L"Autosave", 8, false);
        CPropertyItem script(m_manager.AddCustomItem(behaviour, L"Script", 9, L"startup.js", false));
        script.SetKeyboardDeletable(true);
        m_manager.AddEditItem(behaviour, L"Version", 10, L"2.4.1", true);
        CPropertyItem(m_manager.AddEditItem(behaviour, L"Licence", 11, L"(none)", false)).SetEnabled(false);
        for (int i = 0; i < m_manager.size(); ++i)
            if (CPropertyItem(m_manager.GetProperty(i)).GetComments().empty())
                m_manager.SetItemComments(m_manager.GetProperty(i), L"What this property means to the host.");

        m_list.Create(CWnd(GetWindow()), 100);
        m_list = &m_manager;
        m_list.Resize(kListArea);
    }

    void Paint(HDC dc, RECT const& client) override
    {
        gallery::FillColor(dc, client, GetSysColor(COLOR_BTNFACE));
        gallery::Heading(dc, 12, 10, L"A property list: categories, every kind of item, a choice list open");
        gallery::Label(dc, kShotLeft, kListArea.top, L"The colour editor opened by \"Background\"");
        gallery::DrawPicture(dc, kShotLeft, kListArea.top + 22, m_colorShot);
    }

private:
    HWND ListBox() { return FindChildOfClass(m_list.GetWindow(), L"PropertyListBoxWnd"); }
    HWND ValueButton() { return FindChildOfClass(ListBox(), L"Button"); }

    static void CALLBACK CaptureColorEditor(HWND, UINT, UINT_PTR, DWORD)
    {
        HWND const popup = FindWindowW(L"CColorEditor::CImpl", nullptr);
        if (s_page == nullptr || popup == nullptr || s_page->m_colorShot != nullptr)
            return;
        s_page->m_colorShot = gallery::CaptureWindow(popup);
        PostMessageW(popup, WM_CLOSE, 0, 0);
    }

    static CPropertyListPage* s_page;

    CPropertyManager m_manager;
    CPropertyListCtrl m_list;
    HIMAGELIST m_shapes = nullptr;
    void* m_background = nullptr;
    void* m_alignment = nullptr;
    HBITMAP m_colorShot = nullptr;
};

CPropertyListPage* CPropertyListPage::s_page = nullptr;

std::unique_ptr<CGalleryPage> CreatePropertyListPage()
{
    return std::make_unique<CPropertyListPage>();
}
