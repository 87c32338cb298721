// The tab strip's inner parts: the host's tabs copied, the selection rules (TabModel) and the window.
#pragma once

#include <windows.h>

#include "LumoControls/LumoTab/TabModel.h"
#include "LumoCtrls/LumoTab.h"

#include <string>
#include <vector>

namespace lumo
{
constexpr char kTabSourcePath[] = "src/LumoControls/LumoTab/LumoTab";

// The strip's colours by state: 0 the bottom line, 1 the tabs' outline, 2 the background, 3 the selected
// tab, 4 the theme colour, 5 a hot button, 6 the selected label.
COLORREF TabStateColor(int state);
} // namespace lumo

class CLumoTabCtrl::CImpl final : public lumo::ITabEvents
{
public:
    static constexpr int kNoItem = -1;
    static constexpr int kCloseButton = -10;
    static constexpr int kListButton = -20;

    // The strip's copy of a host's tab, handed back by GetTab.
    class CTab final : public lumo::TabRecord, public ITab
    {
    public:
        explicit CTab(ITab const& from)
        {
            text = from.GetText();
            toolTip = from.GetToolTip();
            image = from.GetImage();
            data = from.GetData();
        }
        std::wstring const& GetText() const override { return text; }
        std::wstring const& GetToolTip() const override { return toolTip; }
        unsigned GetImage() const override { return image; }
        void* GetData() const override { return data; }
        void SetData(void* value) override { data = value; }
    };

    CImpl() : m_model(*this) {}
    CImpl(CImpl const&) = delete;
    CImpl& operator=(CImpl const&) = delete;

    void Create(HWND parent, unsigned id, IEventsHandler* handler);
    void Destroy();
    HWND Window() const { return m_window; }
    lumo::TabModel& Model() { return m_model; }
    void Redraw();
    bool SelectTab(int index);
    bool RemoveTab(int index);
    bool HitTest(POINT point, int& index);
    void ShowClose(bool show)
    {
        m_showClose = show;
        Redraw();
    }

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    // A tab of the visible run: its index, left edge, width and the label as drawn.
    struct STabPlace
    {
        int index;
        int x;
        int width;
        std::wstring label;
    };

    bool CanLeaveTab(int index) override;
    void OnTabSelected(int index) override;
    bool CanCloseTab(int index) override;
    void OnTabClosing(int index) override;
    void OnTabRemoved(void* data) override;
    bool CanDeleteAllTabs() override;

    LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    std::vector<STabPlace> Places();
    RECT ButtonRect(int button) const;
    void Paint();
    std::vector<POINT> Outline(STabPlace const& place, int h) const;
    void DrawTab(HDC dc, STabPlace const& place, int h, HBRUSH pattern) const;
    HBRUSH TabPattern(HDC dc) const;
    void DrawButton(HDC dc, int button) const;
    void SetHot(int item);
    void OnClick(POINT point);
    void ShowTabList();

    HWND m_window = nullptr;
    HWND m_tooltip = nullptr;
    IEventsHandler* m_handler = nullptr;
    lumo::TabModel m_model;
    int m_hot = kNoItem;
    bool m_showClose = true;
    bool m_tracking = false;
    HBITMAP m_closeImage = nullptr;
    HBITMAP m_listImage = nullptr;
    std::wstring m_tipText;
};
