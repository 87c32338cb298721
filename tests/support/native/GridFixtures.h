// A stand-in for the list grid's list window: it keeps a selection and a focus mark and writes every
// other request into a log ("count5 cell3/0 told5"), for the model's and the protocols' tests.
#pragma once

#include "LumoControls/LumoGrid/GridModel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace lumo::test
{
class RecordingView : public IGridView
{
public:
    void InsertHeaderColumn(unsigned index) override { Log("header+", index); }
    void DeleteHeaderColumn(unsigned index) override { Log("header-", index); }
    void SetListItemCount(unsigned count, bool keepRest) override
    {
        Log(keepRest ? "count~" : "count", count);
    }
    std::vector<unsigned> SelectedItems() const override { return selected; }
    int FocusedItem() const override { return focused; }
    bool IsItemSelected(unsigned item) const override
    {
        return std::find(selected.begin(), selected.end(), item) != selected.end();
    }
    void ShowColumn(unsigned) override {}
    void ReplaceSelection(std::vector<unsigned> const& before, std::vector<unsigned> const& items) override
    {
        EXPECT_EQ(before, selected) << "the selection is replaced as it is";
        selected = items;
    }
    void FocusAndShow(int item, bool select) override
    {
        focused = item;
        if (select && std::find(selected.begin(), selected.end(), unsigned(item)) == selected.end())
            selected.push_back(unsigned(item));
    }
    void InvalidateCell(unsigned item, unsigned column) override
    {
        Log("cell", item);
        log += "/" + std::to_string(column);
    }
    void InvalidateColumnStrip(unsigned column) override { Log("strip", column); }
    void InvalidateRowsFrom(unsigned item) override { Log("rows", item); }
    void RepaintHeader() override { Log("header", 0); }
    void LowerCase(std::wstring& text) const override
    {
        for (wchar_t& c : text)
            c = c == L'\u00C9' ? L'\u00E9' : c; // the one non-ASCII capital the tests use
    }
    void RemoveNonSpacing(std::wstring& text) const override
    {
        for (wchar_t& c : text)
            c = c == L'\u00E9' ? L'e' : c;
    }
    void ItemCountChanged(unsigned count) override { Log("told", count); }
    void SelectedColumnChanged(GridColumn& column) override { Log("selected", model->IndexOf(column)); }
    std::unique_ptr<GridColumn> MakeColumn() override { return std::make_unique<GridColumn>(); }

    void Log(char const* what, unsigned value)
    {
        log += std::string(log.empty() ? "" : " ") + what + std::to_string(value);
    }
    std::string Take() { return std::exchange(log, std::string()); }

    GridModel* model = nullptr;
    std::vector<unsigned> selected;
    int focused = -1;
    std::string log;
};
} // namespace lumo::test
