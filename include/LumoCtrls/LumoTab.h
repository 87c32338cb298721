// The tab strip: a 20-pixel strip of document tabs along its bottom edge, with a button that closes the
// selected tab and one that lists every tab in a menu. Only the run of tabs that fits is drawn; it
// follows the selected tab.
//
// The host describes each tab with an object of its own (ITab), which the strip copies; its handler may
// refuse leaving a tab, closing one or removing them all.
#pragma once

#include <windows.h>

#include "LumoCtrls/Export.h"
#include "LumoCtrls/ResourceTracker.h"

#include <string>

class LUMO_API CLumoTabCtrl
{
public:
    class ITab;
    class IEventsHandler;
    class CImpl;

    CLumoTabCtrl();
    ~CLumoTabCtrl();
    CLumoTabCtrl(CLumoTabCtrl const&) = delete;
    CLumoTabCtrl& operator=(CLumoTabCtrl const&) = delete;

    void Create(CWnd const& parent, unsigned id, IEventsHandler* handler);
    void Destroy();
    void Show(bool show);
    void Resize(RECT const& rect);
    int GetHeight() const { return 20; }
    CWnd GetHandle() const;

    void AppendTab(ITab const& tab);
    // An index past the end appends.
    void InsertTab(ITab const& tab, unsigned index);
    void UpdateTab(ITab const& tab, unsigned index);
    // The strip's copy; an index past the end throws std::out_of_range.
    ITab const& GetTab(unsigned index) const;
    unsigned GetTabCount() const;
    // False when the handler refused.
    bool RemoveTab(unsigned index);
    bool DeleteAllTabs();
    bool SelectTab(unsigned index);
    int GetSelectedTab() const;
    int GetTabIndexFromData(void* data) const;
    // Whether the point (client coordinates) is on a tab (index) or a button (-10 close, -20 list).
    bool GetTabFromPoint(int x, int y, int& index) const;
    void ShowCloseButton(bool show);

private:
    CImpl* m_impl;
};

// A tab as the host describes it. The operations stand in this order for hosts built against this header.
class CLumoTabCtrl::ITab
{
public:
    virtual ~ITab() {}
    virtual std::wstring const& GetText() const = 0;
    virtual std::wstring const& GetToolTip() const = 0;
    virtual unsigned GetImage() const = 0; // kept, not drawn
    virtual void* GetData() const = 0;
    virtual void SetData(void* data) = 0;
};

// The host's callbacks, in this order. The defaults accept every change.
class CLumoTabCtrl::IEventsHandler
{
public:
    // false keeps the selected tab selected.
    virtual bool CanLeaveTab(int /*index*/) { return true; }
    virtual void OnTabSelected(int /*index*/) {}
    // false keeps the tab.
    virtual bool CanCloseTab(int /*index*/) { return true; }
    virtual void OnTabClosing(int /*index*/) {}
    virtual void OnTabRemoved(void* /*data*/) {}
    virtual bool CanDeleteAllTabs() { return true; }

protected:
    ~IEventsHandler() {}
};
