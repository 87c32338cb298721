// Splitter: a window split in two by a live bar; dragging the bar moves the panes.
#include "GalleryPage.h"
#include "Paint.h"

#include <LumoCtrls/LumoCtrls.h>

#include <algorithm>
#include <memory>

namespace
{
constexpr RECT kArea{12, 32, 612, 332}; // the two panes and the bar, in the page
constexpr int kWeight = 6;
} // namespace

class CSplitterPage : public CGalleryPage
{
public:
    wchar_t const* GetTitle() const override { return L"Splitter"; }
    wchar_t const* GetFileStem() const override { return L"Splitter"; }
    ~CSplitterPage() override { CSplitter::Unregister(); }

protected:
    void OnCreated() override
    {
        CSplitter::Register();
        DWORD const paneStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | SS_CENTER | SS_CENTERIMAGE;
        m_left = CreateWindowExW(0, L"STATIC", L"Left pane", paneStyle, 0, 0, 0, 0, GetWindow(), nullptr,
                                 nullptr, nullptr);
        m_right = CreateWindowExW(0, L"STATIC", L"Right pane: drag the bar", paneStyle, 0, 0, 0, 0,
                                  GetWindow(), nullptr, nullptr, nullptr);
        m_bar.Create(GetWindow(), 1, false, kWeight, false);
        Place(kArea.left + 220);
    }

    // The bar proposes a place; the page keeps it inside the panes' area and lays everything out.
    LRESULT OnNotify(WPARAM, LPARAM lParam) override
    {
        auto const& record = *reinterpret_cast<CSplitter::TNotification const*>(lParam);
        if (record.header.hwndFrom == m_bar.GetHWnd() && record.header.code == CSplitter::NOTIFY_LAYOUT &&
            m_bar.IsOnDrag())
            Place(record.rect.left);
        return 0;
    }

    void Paint(HDC dc, RECT const& client) override
    {
        gallery::FillColor(dc, client, GetSysColor(COLOR_BTNFACE));
        gallery::Heading(dc, 12, 10, L"Two panes divided by a vertical splitter bar (gradient style)");
    }

private:
    void Place(int left)
    {
        left =
            std::clamp(left, static_cast<int>(kArea.left) + 40, static_cast<int>(kArea.right) - 40 - kWeight);
        int const height = kArea.bottom - kArea.top;
        MoveWindow(m_left, kArea.left, kArea.top, left - kArea.left, height, TRUE);
        MoveWindow(m_bar.GetHWnd(), left, kArea.top, kWeight, height, TRUE);
        MoveWindow(m_right, left + kWeight, kArea.top, kArea.right - left - kWeight, height, TRUE);
    }

    HWND m_left = nullptr;
    HWND m_right = nullptr;
    CSplitter m_bar;
};

std::unique_ptr<CGalleryPage> CreateSplitterPage()
{
    return std::make_unique<CSplitterPage>();
}
