// 100 rounds of create, copy, assign, select and destroy for each kind of wrapper: the process must
// hold as many GDI and USER objects afterwards as before.
#include "LumoCtrls/LumoCtrls.h"
#include "w32/GuiObjectCounter.h"

#include <gtest/gtest.h>

#include <functional>

namespace
{
constexpr int kRounds = 100;

struct Kind
{
    char const* name;
    std::function<void(CDCBase&)> round;
};

void PrintTo(Kind const& kind, std::ostream* out)
{
    *out << kind.name;
}

// Creates one object, copies it, assigns it over another and selects it (where it can be selected).
template <class Wrapper, class Create> void CopyAssignAndSelect(CDCBase& dc, Create&& create, bool selectable)
{
    Wrapper first;
    create(first);
    Wrapper copy(first);
    Wrapper other;
    create(other);
    other = copy;
    if constexpr (std::is_same_v<Wrapper, CBrush> || std::is_same_v<Wrapper, CPen> ||
                  std::is_same_v<Wrapper, CFont> || std::is_same_v<Wrapper, CBitmap>)
    {
        if (selectable)
            dc.Select(other);
    }
}

class HandleLeak : public testing::TestWithParam<Kind>
{
};

TEST_P(HandleLeak, RepeatedRoundsLeaveNoObjectBehind)
{
    auto runRounds = [&](int rounds)
    {
        for (int i = 0; i < rounds; ++i)
        {
            CCompDC dc(nullptr);
            GetParam().round(dc);
        }
    };
    runRounds(1); // warm-up: first uses set up platform state that stays
    GuiObjectCounts const before = CountGuiObjects();
    runRounds(kRounds);
    EXPECT_EQ(CountGuiObjects(), before);
}

LOGFONTW const& Tahoma()
{
    static LOGFONTW const description = []
    {
        LOGFONTW font{};
        font.lfHeight = -11;
        lstrcpyW(font.lfFaceName, L"Tahoma");
        return font;
    }();
    return description;
}

INSTANTIATE_TEST_SUITE_P(
    EachKind, HandleLeak,
    testing::Values(Kind{"font",
                         [](CDCBase& dc)
                         {
                             CopyAssignAndSelect<CFont>(
                                 dc, [](CFont& f) { f.CreateIndirect(Tahoma()); }, true);
                         }},
                    Kind{"brush",
                         [](CDCBase& dc)
                         {
                             CopyAssignAndSelect<CBrush>(
                                 dc, [](CBrush& b) { b.CreateSolid(RGB(1, 2, 3)); }, true);
                         }},
                    Kind{"pen",
                         [](CDCBase& dc)
                         {
                             CopyAssignAndSelect<CPen>(
                                 dc, [](CPen& p) { p.Create(PS_DASH, 1, RGB(4, 5, 6)); }, true);
                         }},
                    Kind{"bitmap",
                         [](CDCBase& dc)
                         {
                             CopyAssignAndSelect<CBitmap>(
                                 dc, [&](CBitmap& b) { b.CreateDIBSection(dc, 4, 4); }, true);
                         }},
                    Kind{"region",
                         [](CDCBase& dc)
                         {
                             CopyAssignAndSelect<CRgn>(
                                 dc, [](CRgn& r) { r.CreateRect(0, 0, 5, 5); }, false);
                         }},
                    Kind{"menu",
                         [](CDCBase& dc)
                         {
                             CopyAssignAndSelect<CMenu>(
                                 dc, [](CMenu& m) { m.CreatePopup(); }, false);
                         }},
                    Kind{"icon",
                         [](CDCBase& dc)
                         {
                             CopyAssignAndSelect<CIcon>(
                                 dc, [](CIcon& i) { i.Attach(CopyIcon(LoadIconW(nullptr, IDI_WARNING))); },
                                 false);
                         }},
                    Kind{"image list",
                         [](CDCBase& dc)
                         {
                             CopyAssignAndSelect<CImageList>(
                                 dc,
                                 [](CImageList& l)
                                 {
                                     l.Create(16, 16, ILC_COLOR24 | ILC_MASK, 1, 1);
                                     l.AddIcon(LoadIconW(nullptr, IDI_WARNING));
                                 },
                                 false);
                         }},
                    Kind{"global block",
                         [](CDCBase& dc)
                         {
                             CopyAssignAndSelect<CGlobal>(
                                 dc, [](CGlobal& g) { g.Allocate(GMEM_MOVEABLE, 64); }, false);
                         }},
                    Kind{"screen and client contexts", [](CDCBase&)
                         {
                             CScreenDC screen;
                             screen.SelectSolidBrush(RGB(7, 7, 7));
                             CClientDC client(GetDesktopWindow());
                             client.SelectSolidPen(RGB(8, 8, 8));
                         }}));
} // namespace
