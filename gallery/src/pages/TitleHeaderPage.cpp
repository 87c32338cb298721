// Title header: the gradient title bars above panes, in the normal and the selection look, with and
// without a title.
#include "CommandImages.h"
#include "GalleryPage.h"
#include "Paint.h"

#include <LumoCtrls/LumoCtrls.h>

#include <array>
#include <memory>

namespace
{
constexpr int kHeaderHeight = 24;
constexpr int kPaneWidth = 280;
} // namespace

class CTitleHeaderPage : public CGalleryPage
{
public:
    wchar_t const* GetTitle() const override { return L"Title header"; }
    wchar_t const* GetFileStem() const override { return L"TitleHeader"; }

protected:
    void OnCreated() override
    {
        struct SPane
        {
            wchar_t const* title;
            UINT image;
            int direction;
            bool selected;
        };
        std::array<SPane, 4> const panes{{{L"Properties", gallery::kCommandOpen, 0, false},
                                          {L"Search results", gallery::kCommandFind, 0, true},
                                          {L"", gallery::kCommandSave, 0, false},
                                          {L"", gallery::kCommandPrint, 1, true}}};
        for (std::size_t i = 0; i < panes.size(); ++i)
        {
            int const x = 12 + static_cast<int>(i % 2) * (kPaneWidth + 20);
            int const y = 60 + static_cast<int>(i / 2) * 160;
            m_headers[i].Create(GetWindow(), panes[i].title, panes[i].image, panes[i].direction,
                                kHeaderHeight);
            m_headers[i].Resize(RECT{x, y, kPaneWidth, 0});
            m_headers[i].SetSelectionMode(panes[i].selected);
        }
    }

    void Paint(HDC dc, RECT const& client) override
    {
        gallery::FillColor(dc, client, GetSysColor(COLOR_BTNFACE));
        gallery::Heading(dc, 12, 10, L"Title headers: normal and selected, with and without a title");
        wchar_t const* const captions[] = {L"normal", L"selected", L"normal, no title",
                                           L"selected, no title, horizontal gradient"};
        for (int i = 0; i < 4; ++i)
        {
            int const x = 12 + (i % 2) * (kPaneWidth + 20);
            int const y = 60 + (i / 2) * 160;
            gallery::Label(dc, x, y - 20, captions[i]);
            RECT const pane{x, y + kHeaderHeight, x + kPaneWidth, y + 120};
            gallery::FillColor(dc, pane, RGB(255, 255, 255));
        }
    }

private:
    std::array<CLumoHeader, 4> m_headers;
};

std::unique_ptr<CGalleryPage> CreateTitleHeaderPage()
{
    return std::make_unique<CTitleHeaderPage>();
}
