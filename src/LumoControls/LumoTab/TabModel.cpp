#include "LumoControls/LumoTab/TabModel.h"

int lumo::TabModel::IndexOfData(void* data) const
{
    for (int i = 0; i < Count(); ++i)
        if (m_tabs[static_cast<std::size_t>(i)]->data == data)
            return i;
    return -1;
}

void lumo::TabModel::Insert(std::unique_ptr<TabRecord> tab, int index)
{
    if (index < 0 || index > Count())
        index = Count();
    m_tabs.insert(m_tabs.begin() + index, std::move(tab));
    if (m_selected >= index)
        ++m_selected;
    m_runWidth = -1;
}

void lumo::TabModel::Update(std::unique_ptr<TabRecord> tab, int index)
{
    if (index < 0 || index >= Count())
        return;
    m_tabs[static_cast<std::size_t>(index)] = std::move(tab);
    m_runWidth = -1; // its width may have changed
}

bool lumo::TabModel::Select(int index)
{
    if (index >= Count())
        return false;
    if (index == m_selected)
        return true;
    if (m_selected >= 0 && !m_events.CanLeaveTab(m_selected))
        return false;
    if (index >= Count())
        return false; // the host removed tabs meanwhile
    m_selected = index;
    if (index >= 0)
        m_events.OnTabSelected(index);
    return true;
}

bool lumo::TabModel::Remove(int index)
{
    if (index < 0 || index >= Count() || !m_events.CanCloseTab(index))
        return false;
    m_events.OnTabClosing(index);
    if (index >= Count())
        return false;
    if (index == m_selected && !Select(-1))
        return false;
    if (m_run.last == Count() - 1 && m_run.last >= 0)
    {
        --m_run.last;
        if (m_run.last < m_run.first)
            m_run = TabRun{};
    }
    void* const data = m_tabs[static_cast<std::size_t>(index)]->data;
    m_tabs.erase(m_tabs.begin() + index);
    if (m_selected > index)
        --m_selected;
    m_runWidth = -1;
    m_events.OnTabRemoved(data);
    return true;
}

bool lumo::TabModel::RemoveAll()
{
    if (!m_events.CanDeleteAllTabs())
        return false;
    m_tabs.clear();
    m_selected = -1;
    m_run = TabRun{};
    m_runWidth = -1;
    return true;
}

void lumo::TabModel::FitRun(std::vector<int> const& widths, int available)
{
    int const count = static_cast<int>(widths.size());
    bool const outside = m_selected >= 0 && (m_selected < m_run.first || m_selected > m_run.last);
    bool const atEnd = m_selected >= 0 && m_selected == m_run.last;
    if (available == m_runWidth && !outside && !atEnd && m_run.last < count)
        return;
    m_runWidth = available;
    if (count == 0)
    {
        m_run = TabRun{};
        return;
    }
    int start = m_selected >= 0 ? m_selected : (m_run.first >= 0 && m_run.first < count ? m_run.first : 0);
    if (widths[static_cast<std::size_t>(start)] > available)
    {
        m_run = TabRun{};
        return;
    }
    int first = start, last = start;
    int used = widths[static_cast<std::size_t>(start)];
    while (last + 1 < count && used + widths[static_cast<std::size_t>(last + 1)] <= available)
        used += widths[static_cast<std::size_t>(++last)];
    while (first > 0 && used + widths[static_cast<std::size_t>(first - 1)] <= available)
        used += widths[static_cast<std::size_t>(--first)];
    m_run = TabRun{first, last};
}

std::wstring lumo::ShortenLabel(std::wstring const& label, int maxWidth,
                                std::function<int(std::wstring const&)> const& widthOf)
{
    if (widthOf(label) < maxWidth)
        return label;
    std::size_t const half = label.size() / 2;
    std::wstring left = label.substr(0, half >= 2 ? half - 2 : 0);
    std::wstring right = label.substr(half);
    std::wstring text = left + L"..." + right;
    while (widthOf(text) > maxWidth && (!left.empty() || !right.empty()))
    {
        if (!left.empty())
            left.pop_back();
        if (!right.empty())
            right.erase(0, 1);
        text = left + L"..." + right;
    }
    return text;
}
