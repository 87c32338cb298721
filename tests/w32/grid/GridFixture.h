// The list grid under test: a handler that records its calls, and a grid with the identifier 7 in a shown
// parent window, its list window (identifier 100) found through the container.
#pragma once

#include "LumoCtrls/LumoCtrls.h"
#include "w32/TestWindows.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

// Records the calls as "NameItemColumn" (a column by its index); onCall runs inside each.
class RecordingHandler : public CGrid::CEventsHandler
{
public:
    void Ask(char const* name, int item, CGrid::IColumn* column = nullptr)
    {
        std::string const call = name + (item >= 0 ? std::to_string(item) : "") +
                                 (column != nullptr ? std::to_string(grid->GetColumnIndex(*column)) : "");
        log += call + " ";
        if (onCall)
            onCall(call);
    }

    bool CanEditItem(int item) override { return Ask("CanEditItem", item), true; }
    bool CanEditCell(int item, CGrid::IColumn* c) override { return Ask("CanEditCell", item, c), true; }
    void OnItemEditEnded(int item) override { Ask("OnItemEditEnded", item); }
    void OnCellEditEnded(int item, CGrid::IColumn* c) override { Ask("OnCellEditEnded", item, c); }
    bool CanChangeCellText(int item, CGrid::IColumn* c, std::wstring const&) override
    {
        return Ask("CanChangeCellText", item, c), true;
    }
    bool CanInsertItem(int index) override { return Ask("CanInsertItem", index), true; }
    bool CanDeleteItem(int item) override { return Ask("CanDeleteItem", item), true; }
    void OnItemRemoved(int item, std::wstring const&) override { Ask("OnItemRemoved", item); }
    void OnButtonClick(int item, CGrid::IColumn* c) override { Ask("OnButtonClick", item, c); }
    void OnItemCountChanged(unsigned count) override { Ask("OnItemCountChanged", static_cast<int>(count)); }
    void OnSelectedColumnChanged(CGrid::IColumn* c) override { Ask("OnSelectedColumnChanged", -1, c); }

    CGrid* grid = nullptr;
    std::string log;
    std::function<void(std::string const&)> onCall;
};

class GridFixture : public testing::Test
{
protected:
    static void SetUpTestSuite() { CGrid::Register(); }
    static void TearDownTestSuite() { CGrid::Unregister(); }

    GridFixture() { m_handler.grid = &m_grid; }
    void TearDown() override { m_grid.Destroy(); }
    HWND List() const { return GetDlgItem(GetDlgItem(m_parent, 7), 100); }
    std::wstring Text(unsigned item, unsigned column)
    {
        std::wstring text;
        m_grid.GetColumn(column).GetItemText(item, text);
        return text;
    }
    // Every text of a column, each followed by "|".
    std::wstring Column(unsigned column)
    {
        std::wstring all;
        for (unsigned i = 0; i < m_grid.GetItemCount(); ++i)
            all += Text(i, column) + L"|";
        return all;
    }

    CTestParent m_parent{500, 300};
    RecordingHandler m_handler;
    CGrid m_grid;
};
