// The tab strip's tabs: their order, the selection and the host's vetoes, and the run of tabs that fits.
//
// Every rule that asks the host goes through ITabEvents; a host may change the tabs from inside a call,
// so indices are checked again after each one.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace lumo
{
// The strip's copy of a tab; the window side extends it into the object it hands to the host.
struct TabRecord
{
    virtual ~TabRecord() = default;
    std::wstring text;
    std::wstring toolTip;
    unsigned image = 0;
    void* data = nullptr;
};

class ITabEvents
{
public:
    virtual bool CanLeaveTab(int index) = 0;
    virtual void OnTabSelected(int index) = 0;
    virtual bool CanCloseTab(int index) = 0;
    virtual void OnTabClosing(int index) = 0;
    virtual void OnTabRemoved(void* data) = 0;
    virtual bool CanDeleteAllTabs() = 0;

protected:
    ~ITabEvents() = default;
};

// The tabs that are drawn: first to last (both -1 when none fits).
struct TabRun
{
    int first = -1;
    int last = -1;
};

class TabModel
{
public:
    explicit TabModel(ITabEvents& events) : m_events(events) {}

    int Count() const { return static_cast<int>(m_tabs.size()); }
    TabRecord& Tab(int index) const { return *m_tabs[static_cast<std::size_t>(index)]; }
    int Selected() const { return m_selected; }
    int IndexOfData(void* data) const;

    // Inserts at index (past the end appends); a selection at or after it moves up by one.
    void Insert(std::unique_ptr<TabRecord> tab, int index);
    void Update(std::unique_ptr<TabRecord> tab, int index);
    // -1 clears the selection. False when the host keeps the current tab.
    bool Select(int index);
    // False when the host vetoes closing the tab or leaving it.
    bool Remove(int index);
    // False when the host vetoes; otherwise every tab goes without further calls.
    bool RemoveAll();

    TabRun const& Run() const { return m_run; }
    // Recomputes the run for the available width when it changed, when the selected tab is outside the
    // run or is its last tab: from the selected (or the remembered first) tab, whole tabs are added first
    // to the right and then to the left while their widths fit.
    void FitRun(std::vector<int> const& widths, int available);

private:
    ITabEvents& m_events;
    std::vector<std::unique_ptr<TabRecord>> m_tabs;
    int m_selected = -1;
    TabRun m_run;
    int m_runWidth = -1;
};

// A label at most maxWidth wide: cut in the middle, the two characters before the cut dropped, "..."
// joining the halves, then one character each side of the "..." removed at a time until it fits.
std::wstring ShortenLabel(std::wstring const& label, int maxWidth,
                          std::function<int(std::wstring const&)> const& widthOf);
} // namespace lumo
