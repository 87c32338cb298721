// The list grid through its exported class with a real list window: the window tree, what the header
// items hold, the row-number room, sorting with the list's own selection, the platform's text mappings,
// failures and handles.
#include "grid/GridFixture.h"
#include "w32/GuiObjectCounter.h"

namespace
{
class GridWindow : public GridFixture
{
protected:
    void Create(bool rowNumbers, std::vector<std::wstring> const& texts = {})
    {
        m_grid.Create(m_parent, 7, 0, 0, 300, 200, rowNumbers, &m_handler);
        m_grid.AppendColumn().SetWidth(80);
        m_grid.AppendColumn().SetWidth(80);
        m_grid.SetItemCount(static_cast<unsigned>(texts.size()), false);
        for (unsigned i = 0; i < texts.size(); ++i)
            m_grid.GetColumn(0).SetItemText(i, texts[i]);
        m_handler.log.clear();
    }
};

TEST_F(GridWindow, IsAContainerAroundAVirtualOwnerDrawnListNamedAfterTheirTypes)
{
    Create(false);
    HWND const container = GetDlgItem(m_parent, 7);
    ASSERT_NE(List(), nullptr);
    EXPECT_EQ(ClassOf(container), L"CGrid::CImpl::CGridContainer");
    EXPECT_EQ(ClassOf(List()), L"CGrid::CImpl::CGridControl");
    LONG const wanted = LVS_REPORT | LVS_OWNERDATA | LVS_OWNERDRAWFIXED | LVS_SHOWSELALWAYS | WS_TABSTOP;
    EXPECT_EQ(GetWindowLongW(List(), GWL_STYLE) & wanted, wanted);
    EXPECT_TRUE(m_grid.IsOwnerControl(CWnd(List())));
    EXPECT_FALSE(m_grid.IsOwnerControl(CWnd(container)));
    m_grid.Resize(0, 0, 250, 120, false);
    RECT area{};
    m_grid.GetClientRect(area);
    EXPECT_EQ(area.right, 250) << "the list fills its container";
    m_grid.Destroy();
    EXPECT_EQ(m_grid.GetColumnCount(), 0u) << "the columns went with the window";
    EXPECT_EQ(m_grid.GetItemCount(), 0u);
}

TEST_F(GridWindow, ColumnsKeepTitleWidthValueAndAlignmentInTheHeader)
{
    Create(false);
    CGrid::IColumn& column = m_grid.InsertColumn(1);
    column.SetTitle(L"Price");
    column.SetWidth(64);
    column.SetData(0xC0FFEE);
    column.SetAlignment(CGrid::AlignRight);
    column.SetAlignment(CGrid::AlignLeft);
    std::wstring title;
    column.GetTitle(title);
    EXPECT_EQ(title, L"Price");
    EXPECT_EQ(column.GetWidth(), 64);
    EXPECT_EQ(column.GetData(), 0xC0FFEEu);
    EXPECT_EQ(column.GetAlignment(), CGrid::AlignRight) << "left leaves the alignment as it was";
    column.SetAlignment(CGrid::AlignCenter);
    EXPECT_EQ(column.GetAlignment(), CGrid::AlignCenter);
    m_grid.RemoveColumn(0);
    EXPECT_EQ(m_grid.GetColumnIndex(column), 0u);
    column.GetTitle(title);
    EXPECT_EQ(title, L"Price") << "the header item moved with its column";
    EXPECT_EQ(ListView_GetColumnWidth(List(), 0), 64);
    HDITEMW item{};
    item.mask = HDI_FORMAT;
    Header_GetItem(ListView_GetHeader(List()), 0, &item);
    EXPECT_EQ(item.fmt & HDF_OWNERDRAW, HDF_OWNERDRAW) << "the grid draws its header items";
}

TEST_F(GridWindow, ColumnZeroKeepsRoomForTheRowNumbers)
{
    Create(true, std::vector<std::wstring>(5));
    HDC const dc = GetDC(nullptr);
    HGDIOBJ const previous = SelectObject(dc, CGrid::GetDefaultFont().GetHandle());
    SIZE nines{};
    GetTextExtentPoint32W(dc, L"999", 3, &nines);
    SelectObject(dc, previous);
    ReleaseDC(nullptr, dc);
    ASSERT_GT(nines.cx, 4);
    m_grid.GetColumn(0).SetWidth(4);
    EXPECT_EQ(m_grid.GetColumn(0).GetWidth(), 80) << "narrower than three nines is refused";
    m_grid.GetColumn(0).SetWidth(nines.cx);
    EXPECT_EQ(m_grid.GetColumn(0).GetWidth(), nines.cx);
    m_grid.GetColumn(1).SetWidth(4);
    EXPECT_EQ(m_grid.GetColumn(1).GetWidth(), 4) << "other columns are free";
}

TEST_F(GridWindow, SortingMovesTheListsSelectionAndFocusWithTheirItems)
{
    Create(false, {L"a", L"c", L"b", L"", L"d"});
    m_grid.SelectItemsList({0, 2});
    m_grid.SetFocusedItem(2);
    m_grid.SortItems();
    EXPECT_EQ(m_grid.GetFocusedItem(), 2) << "no sort column: nothing moves";
    m_grid.SetSortColumn(&m_grid.GetColumn(0));
    m_grid.SortItems();
    EXPECT_EQ(Column(0), L"d|c|b|a||");
    std::vector<unsigned> selected;
    m_grid.GetSelectedItemsList(selected);
    EXPECT_EQ(selected, (std::vector<unsigned>{2, 3}));
    EXPECT_EQ(m_grid.GetFocusedItem(), 2);
    EXPECT_EQ(m_handler.log, "") << "a sort leaves the item count alone";

    m_grid.GetColumn(1).SelectItem(4);
    m_grid.GetSelectedItemsList(selected);
    EXPECT_EQ(selected, (std::vector<unsigned>{4}));
    EXPECT_EQ(m_grid.GetFocusedItem(), 4);
    EXPECT_EQ(m_handler.log, "OnSelectedColumnChanged1 ");
    m_grid.RemoveColumn(0);
    EXPECT_EQ(m_grid.GetSortColumn(), nullptr);
}

TEST_F(GridWindow, CountChangesReachTheHostAndTheListAlike)
{
    Create(false, {L"x"});
    m_grid.InsertItem(1, L"y");
    m_grid.DeleteItem(0);
    m_grid.SetItemCount(1, false);
    m_grid.SetItemCount(4, false);
    EXPECT_EQ(m_handler.log, "OnItemCountChanged2 OnItemCountChanged1 OnItemCountChanged4 ");
    EXPECT_EQ(ListView_GetItemCount(List()), 4);
    EXPECT_THROW(m_grid.DeleteItem(4), std::out_of_range);
    EXPECT_EQ(m_grid.FindItem(L"y", 0), 0u);
}

TEST_F(GridWindow, TheSearchUsesThePlatformsCaseAndMarkMappings)
{
    Create(false, {L"na\u00EFve", L"R\u00C9SUM\u00C9"});
    CGrid::TGridFindInfo info;
    info.text = L"r\u00E9sum\u00E9";
    EXPECT_EQ(m_grid.FindItem(0, &m_grid.GetColumn(0), info), 1) << "lower case beyond ASCII";
    info.text = L"resume";
    info.position = 0;
    EXPECT_EQ(m_grid.FindItem(0, &m_grid.GetColumn(0), info), -1);
    info.ignoreNonSpacing = true;
    info.position = 0;
    EXPECT_EQ(m_grid.FindItem(0, &m_grid.GetColumn(0), info), 1);
    info.text = L"IVE";
    info.position = 0;
    EXPECT_EQ(m_grid.FindItem(0, &m_grid.GetColumn(0), info), 0);
    EXPECT_EQ(info.position, 2);
}

TEST_F(GridWindow, WithoutAWindowColumnsFailWithTheCallsName)
{
    try
    {
        m_grid.AppendColumn();
        FAIL() << "a column without a list window";
    }
    catch (CWindowsApiFailed const& error)
    {
        EXPECT_EQ(error.GetOperation(), L"ListView_InsertColumn");
        EXPECT_STREQ(error.GetSourcePath(), "src/LumoControls/LumoGrid/LumoGrid");
    }
    EXPECT_EQ(m_grid.GetColumnCount(), 0u);
}

TEST(GridHandles, ManyGridsWithColumnsAndItemsLeaveNoObjectBehind)
{
    CGrid::Register();
    CTestParent const parent(300, 200, WS_POPUP);
    auto round = [&]
    {
        CGrid grid;
        grid.Create(parent, 1, 0, 0, 200, 100, true, nullptr);
        for (int c = 0; c < 3; ++c)
            grid.AppendColumn().SetWidth(50);
        grid.SetItemCount(100, false);
        grid.GetColumn(2).SetItemText(3, L"a longer text than fits inline");
        grid.SetSortColumn(&grid.GetColumn(2));
        grid.SortItems();
        UpdateWindow(parent);
    };
    round(); // the platform's caches are made once
    GuiObjectCounts const before = CountGuiObjects();
    for (int i = 0; i < 50; ++i)
        round();
    EXPECT_EQ(CountGuiObjects(), before);
    CGrid::Unregister();
}
} // namespace
