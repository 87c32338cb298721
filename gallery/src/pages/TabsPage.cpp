// Tabs: document tab strips with their close and tab-list buttons; one holds more tabs than fit and has
// a tab near its end selected, so that its run of tabs has moved.
#include "GalleryPage.h"
#include "Paint.h"

#include <LumoCtrls/LumoCtrls.h>

#include <memory>
#include <string>

namespace
{
constexpr int kStripWidth = 600;

class CDocumentTab : public CLumoTabCtrl::ITab
{
public:
    explicit CDocumentTab(std::wstring name) : m_name(std::move(name)), m_tip(L"C:\\Documents\\" + m_name) {}
    std::wstring const& GetText() const override { return m_name; }
    std::wstring const& GetToolTip() const override { return m_tip; }
    unsigned GetImage() const override { return 0; }
    void* GetData() const override { return nullptr; }
    void SetData(void*) override {}

private:
    std::wstring m_name;
    std::wstring m_tip;
};
} // namespace

class CTabsPage : public CGalleryPage
{
public:
    wchar_t const* GetTitle() const override { return L"Tabs"; }
    wchar_t const* GetFileStem() const override { return L"Tabs"; }

protected:
    void OnCreated() override
    {
        m_few.Create(CWnd(GetWindow()), 1, nullptr);
        m_few.Resize(RECT{12, 60, 12 + kStripWidth, 80});
        for (wchar_t const* name : {L"Report.doc", L"Budget 2027.xls", L"Notes.txt"})
            m_few.AppendTab(CDocumentTab(name));
        m_few.SelectTab(1);

        m_many.Create(CWnd(GetWindow()), 2, nullptr);
        m_many.Resize(RECT{12, 140, 12 + kStripWidth, 160});
        for (int i = 1; i <= 30; ++i)
            m_many.AppendTab(CDocumentTab(L"Chapter " + std::to_wstring(i) + L".txt"));
        m_many.AppendTab(
            CDocumentTab(L"A document whose name is far too long to be shown whole in its tab.txt"));
        m_many.SelectTab(24);

        m_noClose.Create(CWnd(GetWindow()), 3, nullptr);
        m_noClose.Resize(RECT{12, 220, 12 + kStripWidth, 240});
        m_noClose.ShowCloseButton(false);
        m_noClose.AppendTab(
            CDocumentTab(L"A document whose name is far too long to be shown whole in its tab.txt"));
        m_noClose.AppendTab(CDocumentTab(L"Short.txt"));
        m_noClose.SelectTab(0);
    }

    void Paint(HDC dc, RECT const& client) override
    {
        gallery::FillColor(dc, client, GetSysColor(COLOR_BTNFACE));
        gallery::Heading(dc, 12, 10, L"Document tabs: click a tab, the close button or the tab list");
        gallery::Label(dc, 12, 40, L"three tabs, the second selected");
        gallery::Label(dc, 12, 120, L"31 tabs: the run of tabs that fits follows the selected tab (25)");
        gallery::Label(dc, 12, 200, L"no close button; a long label shortened in the middle");
    }

private:
    CLumoTabCtrl m_few;
    CLumoTabCtrl m_many;
    CLumoTabCtrl m_noClose;
};

std::unique_ptr<CGalleryPage> CreateTabsPage()
{
    return std::make_unique<CTabsPage>();
}
