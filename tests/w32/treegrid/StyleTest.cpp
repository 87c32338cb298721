// Tree-grid styles through the exported classes, as a host uses them.
#include "LumoCtrls/LumoCtrls.h"
#include "w32/GuiObjectCounter.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace
{
std::wstring Hex(COLORREF color)
{
    wchar_t text[16];
    std::swprintf(text, 16, L"%lx", static_cast<unsigned long>(color));
    return text;
}

std::string Narrow(std::wstring const& text)
{
    return std::string(text.begin(), text.end());
}

CTreeGrid::IObjStyle* ObjStyle(CTreeGrid::IDrawStyle* style)
{
    return dynamic_cast<CTreeGrid::IObjStyle*>(style);
}

TEST(TreeGridStyles, TheStandardCellLookUsesTheSystemsSelectionColours)
{
    CTreeGrid grid(CTreeGrid::LOOK_STANDARD);
    CTreeGrid::IDrawStyle* const cell = grid.GetDefaultStyle(CTreeGrid::OBJECT_CELL);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->GetObjectType(), CTreeGrid::OBJECT_CELL);
    EXPECT_EQ(cell->GetTreeGrid(), &grid);
    std::wstring const expected = L"SELECT{TextColor=#" + Hex(GetSysColor(COLOR_HIGHLIGHTTEXT)) +
                                  L",BackgroundColor=[(#" + Hex(GetSysColor(COLOR_MENUHILIGHT)) + L",#" +
                                  Hex(GetSysColor(COLOR_MENUHILIGHT)) +
                                  L",100)],HorizontalGradient},DISABLE{TextColor=#969696},"
                                  L"Padding=(5,0,0,0),BorderRadius=0,Alignment=Left";
    EXPECT_EQ(Narrow(cell->Describe()), Narrow(expected));
    RECT padding{};
    cell->GetPadding(padding);
    EXPECT_EQ(padding.left, 5);
    EXPECT_EQ(grid.GetDefaultStyle(static_cast<CTreeGrid::EObjectType>(20)), nullptr);
}

TEST(TreeGridStyles, EachDefaultStyleHasTheInterfaceOfItsClass)
{
    CTreeGrid grid;
    EXPECT_EQ(dynamic_cast<CTreeGrid::IStyle*>(grid.GetDefaultStyle(CTreeGrid::OBJECT_GRID)), nullptr);
    EXPECT_NE(dynamic_cast<CTreeGrid::IStyle*>(grid.GetDefaultStyle(CTreeGrid::OBJECT_ROW_HEADER)), nullptr);
    EXPECT_EQ(ObjStyle(grid.GetDefaultStyle(CTreeGrid::OBJECT_ROW_HEADER)), nullptr);
    EXPECT_NE(ObjStyle(grid.GetDefaultStyle(CTreeGrid::OBJECT_LAUNCHER)), nullptr);
}

TEST(TreeGridStyles, FontsAreRealFontObjectsAndDescribeInPoints)
{
    CTreeGrid grid(CTreeGrid::LOOK_THEME);
    CTreeGrid::IObjStyle* const cell = ObjStyle(grid.GetDefaultStyle(CTreeGrid::OBJECT_CELL));
    EXPECT_TRUE(cell->GetFont(CTreeGrid::STATE_NORMAL).IsEmpty()) << "no font set anywhere";

    LOGFONTW description{};
    description.lfHeight = -12; // 9 points at 96 dots per inch
    description.lfWeight = FW_BOLD;
    description.lfItalic = TRUE;
    lstrcpyW(description.lfFaceName, L"Tahoma");
    CFont bold;
    bold.CreateIndirect(description);
    cell->SetFont(CTreeGrid::STATE_SELECT, bold);
    CFont const resolved = cell->GetFont(CTreeGrid::STATE_HISELECT); // through the fallback to SELECT
    ASSERT_FALSE(resolved.IsEmpty());
    EXPECT_EQ(resolved.GetLogFont().lfWeight, FW_BOLD);
    EXPECT_EQ(resolved.GetLogFont().lfHeight, -12);
    CTreeGrid::IPaintStyle* const select = cell->GetPaintStyle(CTreeGrid::STATE_SELECT);
    ASSERT_NE(select, nullptr);
    EXPECT_EQ(select->GetDrawStyle(), cell);
    EXPECT_EQ(Narrow(select->Describe()).rfind("SELECT{Font=[Tahoma,9,700,Italic]", 0), 0u)
        << Narrow(select->Describe());

    select->Reset(); // takes the shared font
    EXPECT_EQ(select->GetFont().GetLogFont().lfHeight, grid.GetFont().GetLogFont().lfHeight);
    EXPECT_EQ(std::wstring(grid.GetFont().GetLogFont().lfFaceName), L"Tahoma");
    select->SetFont(CFont());
    EXPECT_TRUE(select->GetFont().IsEmpty()) << "an empty font clears the paint style's";
}

TEST(TreeGridStyles, PaintStylesAndStylesSpeakInRectanglesAndPoints)
{
    CTreeGrid grid;
    CTreeGrid::IObjStyle* const style = ObjStyle(grid.GetDefaultStyle(CTreeGrid::OBJECT_EDIT));
    style->SetCrop(CTreeGrid::STATE_HOVER, RECT{1, 2, 30, 40});
    style->SetImageOffset(CTreeGrid::STATE_HOVER, POINT{3, 4});
    style->SetOffsetTextIcon(CTreeGrid::STATE_NORMAL, POINT{1, 1});
    RECT crop{};
    style->GetCrop(crop, CTreeGrid::STATE_HOVER);
    EXPECT_EQ(crop.right, 30);
    POINT offset{};
    style->GetImageOffset(offset, CTreeGrid::STATE_HOVER);
    EXPECT_EQ(offset.y, 4);
    std::vector<CTreeGrid::SBackgroundColor> bands{{1, 2, 3}};
    style->GetBackgroundColors(CTreeGrid::STATE_NORMAL, bands);
    EXPECT_TRUE(bands.empty());
    style->AddBackgroundColor(CTreeGrid::STATE_NORMAL, 0xFF, 0xFF00, 100);
    style->GetBackgroundColors(CTreeGrid::STATE_PUSH, bands); // PUSH falls back to NORMAL
    ASSERT_EQ(bands.size(), 1u);
    EXPECT_EQ(bands[0].to, 0xFF00u);
    style->SetControlKind(13);
    EXPECT_EQ(Narrow(style->Describe()),
              "NORMAL{BackgroundColor=[(#ff,#ff00,100)]},HOVER{ImageOffset=(3,4),Crop=(1,2,30,40,)},"
              "OffsetTextIcon=[(NORMAL:1,1)],Control=FloatEdit");
}

class RecordingHandler : public CTreeGrid::CEventsHandler
{
public:
    void FillDefaultStyle(CTreeGrid::IDrawStyle* style, CTreeGrid::EObjectType type) override
    {
        filled.push_back(type);
        style->SetCursor(2);
    }
    void StyleCreated(CTreeGrid::IDrawStyle* style) override { created.push_back(style); }

    std::vector<CTreeGrid::EObjectType> filled;
    std::vector<CTreeGrid::IDrawStyle*> created;
};

TEST(TreeGridStyles, TheHostFillsTheDefaultStylesOfLookHostAndHearsOfEveryStyle)
{
    RecordingHandler handler;
    CTreeGrid grid(CTreeGrid::LOOK_HOST);
    grid.SetEventsHandler(&handler);
    EXPECT_EQ(grid.GetEventsHandler(), &handler);
    CTreeGrid::IDrawStyle* const progress = grid.GetDefaultStyle(CTreeGrid::OBJECT_PROGRESS);
    grid.GetDefaultStyle(CTreeGrid::OBJECT_PROGRESS);
    ASSERT_EQ(handler.filled.size(), 1u);
    EXPECT_EQ(handler.filled[0], CTreeGrid::OBJECT_PROGRESS);
    ASSERT_EQ(handler.created.size(), 1u);
    EXPECT_EQ(handler.created[0], progress);
    EXPECT_EQ(Narrow(progress->Describe()), "Cursor=Hand");

    std::set<CTreeGrid::IDrawStyle*> used;
    grid.GetDefaultStyle(CTreeGrid::OBJECT_GRID);
    grid.SetEventsHandler(nullptr);
    grid.GetDefaultStyle(CTreeGrid::OBJECT_ROW); // nobody fills it: nothing set
    grid.EnumerateUsedStyles(used);
    EXPECT_EQ(used.size(), 2u);
    EXPECT_EQ(used.count(progress), 1u);
}

TEST(TreeGridStyles, BorderStylesThroughTheTreeGrid)
{
    CTreeGrid grid(CTreeGrid::LOOK_THEME);
    std::vector<CTreeGrid::TPen> pens;
    grid.GetBorderStyle(L"blue-border", pens);
    ASSERT_EQ(pens.size(), 1u);
    EXPECT_EQ(pens[0].kind, 1u);
    EXPECT_EQ(pens[0].color, GetDarkenThemeColor());
    grid.DefineBorderStyle(L"double", {CTreeGrid::TPen{1, 0}, CTreeGrid::TPen{3, 0xFF}});
    std::set<std::wstring> names;
    grid.EnumerateBorderStyles(names);
    EXPECT_EQ(names.size(), 5u);
    CTreeGrid::IDrawStyle* const header = grid.GetDefaultStyle(CTreeGrid::OBJECT_COLUMN_HEADER);
    EXPECT_EQ(header->GetBorderWidth(CTreeGrid::STATE_HOVER, 2), 1);
    header->GetPaintStyle(CTreeGrid::STATE_HOVER)->SetBorder(L"double", 2);
    EXPECT_EQ(header->GetBorderWidth(CTreeGrid::STATE_HOVER, 2), 2);
    grid.RemoveBorderStyle(L"double");
    EXPECT_EQ(header->GetBorderWidth(CTreeGrid::STATE_HOVER, 2), 0);
}

TEST(TreeGridStyles, TreeGridsAndTheirFontsLeaveNoObjectBehind)
{
    auto round = []
    {
        CTreeGrid grid(CTreeGrid::LOOK_THEME);
        CTreeGrid::IObjStyle* const cell = ObjStyle(grid.GetDefaultStyle(CTreeGrid::OBJECT_CELL));
        cell->SetFont(CTreeGrid::STATE_NORMAL, grid.GetFont());
        cell->GetFont(CTreeGrid::STATE_HOVER); // makes the paint style's font object
        for (int type = 1; type <= 19; ++type)
            grid.GetDefaultStyle(static_cast<CTreeGrid::EObjectType>(type))->Describe();
    };
    round();
    GuiObjectCounts const before = CountGuiObjects();
    for (int i = 0; i < 200; ++i)
        round();
    EXPECT_EQ(CountGuiObjects(), before);
}
} // namespace
