// Tree-grid styles through the exported classes, as a host uses them.
#include "TextForms.h"
#include "LumoCtrls/LumoCtrls.h"
#include "w32/GuiObjectCounter.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace
{
CTreeGrid::IObjStyle* ObjStyle(CTreeGrid::IDrawStyle* style)
{
    return dynamic_cast<CTreeGrid::IObjStyle*>(style);
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

TEST(TreeGridStyles, StylesOfTheSameFontShareOneFontObject)
{
    CTreeGrid grid;
    CFont font;
    LOGFONTW description = grid.GetFont().GetLogFont();
    description.lfWeight = FW_BOLD;
    font.CreateIndirect(description);
    std::vector<HFONT> handles;
    for (auto type : {CTreeGrid::OBJECT_CELL, CTreeGrid::OBJECT_EDIT, CTreeGrid::OBJECT_LABEL})
    {
        CTreeGrid::IObjStyle* const style = ObjStyle(grid.GetDefaultStyle(type));
        style->SetFont(CTreeGrid::STATE_NORMAL, font);
        handles.push_back(style->GetPaintStyle(CTreeGrid::STATE_NORMAL)->GetFont().GetHandle());
    }
    EXPECT_NE(handles[0], font.GetHandle()) << "a copy made from the description";
    EXPECT_EQ(handles[1], handles[0]);
    EXPECT_EQ(handles[2], handles[0]);
}

class RecordingHandler : public CTreeGrid::CEventsHandler
{
public:
    void FillDefaultStyle(CTreeGrid::IDrawStyle* style, CTreeGrid::EObjectType type) override
    {
        filled.push_back(type);
        style->SetCursor(2);
    }
    void StyleCreated(CTreeGrid::IDrawStyle* style) override
    {
        created.push_back(style);
        // A host may ask for the default style of the type it is being told of: it gets this very style.
        sameWhenAsked =
            sameWhenAsked && style->GetTreeGrid()->GetDefaultStyle(style->GetObjectType()) == style;
    }

    std::vector<CTreeGrid::EObjectType> filled;
    std::vector<CTreeGrid::IDrawStyle*> created;
    bool sameWhenAsked = true;
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
    EXPECT_TRUE(handler.sameWhenAsked);
    EXPECT_EQ(Narrow(progress->Describe()), "Cursor=Hand");

    // Setting a control kind brings the default style of that control (announced once the kind is
    // stored); reading effective values afterwards creates nothing.
    auto* const cell = ObjStyle(grid.GetDefaultStyle(CTreeGrid::OBJECT_CELL));
    cell->SetControlKind(7);
    ASSERT_EQ(handler.created.size(), 3u);
    EXPECT_EQ(handler.created[2], grid.GetDefaultStyle(CTreeGrid::OBJECT_CHECK_BOX));
    cell->GetTextColor(CTreeGrid::STATE_HISELECT);
    cell->GetFont(CTreeGrid::STATE_PUSH);
    EXPECT_EQ(handler.created.size(), 3u);
}

} // namespace
