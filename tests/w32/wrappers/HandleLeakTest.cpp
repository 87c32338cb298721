// Rounds of create, copy, assign, select and destroy for each kind of wrapper: the process must hold as many
// GDI and USER objects afterwards as before (object counts must match exactly, so a few rounds catch a leak).
#include "LumoCtrls/LumoCtrls.h"
#include "w32/GuiObjectCounter.h"

#include <gtest/gtest.h>

#include <functional>

namespace
{
// Creates one object, copies it, assigns it over another and selects it where it can be selected.
template <class Wrapper> void CopyAssignAndSelect(CDCBase& dc, std::function<void(Wrapper&)> const& create)
{
    Wrapper first;
    create(first);
    Wrapper copy(first);
    Wrapper other;
    create(other);
    other = copy;
    if constexpr (std::is_same_v<Wrapper, CBrush> || std::is_same_v<Wrapper, CPen> ||
                  std::is_same_v<Wrapper, CFont> || std::is_same_v<Wrapper, CBitmap>)
        dc.Select(other);
}

TEST(HandleLeak, EveryKindOfWrapperGivesBackWhatItCreates)
{
    LOGFONTW tahoma{};
    tahoma.lfHeight = -11;
    lstrcpyW(tahoma.lfFaceName, L"Tahoma");
    std::pair<char const*, std::function<void(CDCBase&)>> const kinds[] = {
        {"font", [&](CDCBase& dc) { CopyAssignAndSelect<CFont>(dc, [&](CFont& f) { f.CreateIndirect(tahoma); }); }},
        {"brush", [](CDCBase& dc) { CopyAssignAndSelect<CBrush>(dc, [](CBrush& b) { b.CreateSolid(RGB(1, 2, 3)); }); }},
        {"pen", [](CDCBase& dc) { CopyAssignAndSelect<CPen>(dc, [](CPen& p) { p.Create(PS_DASH, 1, 0); }); }},
        {"bitmap", [](CDCBase& dc) { CopyAssignAndSelect<CBitmap>(dc, [&](CBitmap& b) { b.CreateDIBSection(dc, 4, 4); }); }},
        {"region", [](CDCBase& dc) { CopyAssignAndSelect<CRgn>(dc, [](CRgn& r) { r.CreateRect(0, 0, 5, 5); }); }},
        {"menu", [](CDCBase& dc) { CopyAssignAndSelect<CMenu>(dc, [](CMenu& m) { m.CreatePopup(); }); }},
        {"icon",
         [](CDCBase& dc) {
             CopyAssignAndSelect<CIcon>(dc, [](CIcon& i) { i.Attach(CopyIcon(LoadIconW(nullptr, IDI_WARNING))); });
         }},
        {"image list",
         [](CDCBase& dc) {
             CopyAssignAndSelect<CImageList>(dc, [](CImageList& l) {
                 l.Create(16, 16, ILC_COLOR24 | ILC_MASK, 1, 1);
                 l.AddIcon(LoadIconW(nullptr, IDI_WARNING));
             });
         }},
        {"global block",
         [](CDCBase& dc) { CopyAssignAndSelect<CGlobal>(dc, [](CGlobal& g) { g.Allocate(GMEM_MOVEABLE, 64); }); }},
        {"screen and client contexts",
         [](CDCBase&) {
             CScreenDC screen;
             screen.SelectSolidBrush(RGB(7, 7, 7));
             CClientDC client(GetDesktopWindow());
             client.SelectSolidPen(RGB(8, 8, 8));
         }},
    };
    for (auto const& [name, round] : kinds)
    {
        auto rounds = [&](int count)
        {
            for (int i = 0; i < count; ++i)
            {
                CCompDC dc(nullptr);
                round(dc);
            }
        };
        rounds(1); // warm-up: first uses set up platform state that stays
        GuiObjectCounts const before = CountGuiObjects();
        rounds(100);
        EXPECT_EQ(CountGuiObjects(), before) << name;
    }
}
} // namespace
