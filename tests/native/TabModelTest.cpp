// The tab strip's rules: selection and the host's vetoes, removal, the run of tabs that fits, and labels
// shortened in the middle.
#include "LumoControls/LumoTab/TabModel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
class RecordingEvents : public lumo::ITabEvents
{
public:
    std::vector<std::string> calls;
    bool leave = true, close = true, deleteAll = true;

    bool CanLeaveTab(int index) override { return Log("leave?" + std::to_string(index), leave); }
    void OnTabSelected(int index) override { calls.push_back("selected " + std::to_string(index)); }
    bool CanCloseTab(int index) override { return Log("close?" + std::to_string(index), close); }
    void OnTabClosing(int index) override { calls.push_back("closing " + std::to_string(index)); }
    void OnTabRemoved(void* data) override
    {
        calls.push_back("removed " + std::to_string(reinterpret_cast<std::uintptr_t>(data)));
    }
    bool CanDeleteAllTabs() override { return Log("all?", deleteAll); }

private:
    bool Log(std::string call, bool answer)
    {
        calls.push_back(std::move(call));
        return answer;
    }
};

class TabRules : public ::testing::Test
{
protected:
    void Add(int count)
    {
        for (int i = 0; i < count; ++i)
        {
            auto tab = std::make_unique<lumo::TabRecord>();
            tab->text = L"Tab " + std::to_wstring(model.Count());
            tab->data = reinterpret_cast<void*>(static_cast<std::uintptr_t>(model.Count() + 100));
            model.Insert(std::move(tab), model.Count());
        }
    }
    RecordingEvents events;
    lumo::TabModel model{events};
};
} // namespace

TEST_F(TabRules, SelectingAsksToLeaveTheSelectedTab)
{
    Add(3);
    EXPECT_TRUE(model.Select(1));
    EXPECT_TRUE(model.Select(1)) << "already selected";
    events.leave = false;
    EXPECT_FALSE(model.Select(2));
    EXPECT_EQ(model.Selected(), 1);
    EXPECT_EQ(events.calls, (std::vector<std::string>{"selected 1", "leave?1"}));
    EXPECT_FALSE(model.Select(3)) << "past the tabs";
}

TEST_F(TabRules, RemovingKeepsTheSameTabSelectedAndHonoursEveryVeto)
{
    Add(4);
    model.Select(2);
    events.calls.clear();
    EXPECT_TRUE(model.Remove(0));
    EXPECT_EQ(model.Selected(), 1) << "the same tab, one place down";
    EXPECT_EQ(events.calls, (std::vector<std::string>{"close?0", "closing 0", "removed 100"}));

    events.calls.clear();
    events.leave = false;
    EXPECT_FALSE(model.Remove(1)) << "the selected tab cannot be left";
    EXPECT_EQ(events.calls, (std::vector<std::string>{"close?1", "closing 1", "leave?1"}));
    EXPECT_EQ(model.Count(), 3);

    events.close = false;
    EXPECT_FALSE(model.Remove(2));
    events.deleteAll = false;
    EXPECT_FALSE(model.RemoveAll());
    events.deleteAll = true;
    EXPECT_TRUE(model.RemoveAll());
    EXPECT_EQ(model.Count(), 0);
    EXPECT_EQ(model.Selected(), -1);
    EXPECT_EQ(model.IndexOfData(reinterpret_cast<void*>(101)), -1);
}

TEST_F(TabRules, InsertingBeforeTheSelectionMovesIt)
{
    Add(2);
    model.Select(1);
    auto tab = std::make_unique<lumo::TabRecord>();
    tab->data = reinterpret_cast<void*>(7);
    model.Insert(std::move(tab), 0);
    EXPECT_EQ(model.Selected(), 2);
    EXPECT_EQ(model.IndexOfData(reinterpret_cast<void*>(7)), 0);
}

TEST_F(TabRules, TheRunOfTabsThatFitFollowsTheSelection)
{
    Add(10);
    std::vector<int> const widths(10, 50);
    model.FitRun(widths, 175);
    EXPECT_EQ(model.Run().first, 0);
    EXPECT_EQ(model.Run().last, 2);
    model.Select(7);
    model.FitRun(widths, 175);
    EXPECT_EQ(model.Run().first, 7) << "from the selected tab to the right first";
    EXPECT_EQ(model.Run().last, 9);
    model.Select(9);
    model.FitRun(widths, 175);
    EXPECT_EQ(model.Run().first, 7) << "then to the left";
    model.FitRun(widths, 40);
    EXPECT_EQ(model.Run().first, -1) << "nothing fits";
}

TEST(TabLabels, LongLabelsLoseTheirMiddle)
{
    auto const width = [](std::wstring const& text) { return static_cast<int>(text.size()) * 10; };
    EXPECT_EQ(lumo::ShortenLabel(L"short", 200, width), L"short");
    std::wstring const shortened = lumo::ShortenLabel(L"abcdefghijklmnopqrstuvwxyz", 200, width);
    EXPECT_EQ(shortened, L"abcdefg...rstuvwxyz");
    EXPECT_LE(width(shortened), 200);
    EXPECT_EQ(lumo::ShortenLabel(L"abcdefghijklmnopqrst", 200, width), L"abcdefg...lmnopqrst")
        << "exactly 200 wide is shortened too";
}

TEST_F(TabRules, UpdatesAndOutOfRangeRequestsChangeNothingElse)
{
    Add(2);
    auto tab = std::make_unique<lumo::TabRecord>();
    tab->text = L"renamed";
    model.Update(std::move(tab), 1);
    EXPECT_EQ(model.Tab(1).text, L"renamed");
    model.Update(std::make_unique<lumo::TabRecord>(), 5);
    EXPECT_EQ(model.Count(), 2);
    auto appended = std::make_unique<lumo::TabRecord>();
    appended->text = L"last";
    model.Insert(std::move(appended), 99);
    EXPECT_EQ(model.Tab(2).text, L"last") << "past the end appends";
    EXPECT_FALSE(model.Remove(7));
    EXPECT_TRUE(events.calls.empty());
    std::vector<int> const widths(3, 50);
    model.Select(2);
    model.FitRun(widths, 500);
    EXPECT_EQ(model.Run().last, 2);
    EXPECT_TRUE(model.Remove(2));
    EXPECT_EQ(model.Run().last, 1) << "the run ended at the removed last tab";
    EXPECT_TRUE(model.Select(-1)) << "nothing selected already";
}
