// The splitter: a thin bar the user drags to divide its parent's client area.
//
// The bar does not move any pane: it tells its parent through WM_NOTIFY (the bar's identifier as wParam, a
// CSplitter::TNotification as lParam) where the user wants it, and the parent lays out its panes and moves
// the bar. A horizontal bar ("HorizontalSplitter") is dragged up and down, a vertical one
// ("VerticalSplitter") left and right.
#pragma once

#include <windows.h>

#include "LumoCtrls/Export.h"

class LUMO_API CSplitter
{
public:
    enum eLumoStyle
    {
        LUMO_STYLE_FRAME = 0,    // a rectangle in the darkened theme colour
        LUMO_STYLE_PLAIN = 1,    // nothing drawn
        LUMO_STYLE_GRADIENT = 2, // a top-to-bottom gradient (the style after Create)
    };

    enum eNotification
    {
        NOTIFY_DRAG_START = 0,
        NOTIFY_LAYOUT = 1, // the rectangle is the proposed one while dragging, else the current one
        NOTIFY_DRAG_END = 2,
        NOTIFY_DRAG_CANCELLED = 3,
        NOTIFY_OWNER_DRAW = 4, // a non-zero answer: the parent has painted the bar
    };

    // The platform's notification header (sender window, identifier, code) and the bar's rectangle in the
    // parent's client coordinates: 32-bit fields in the 32-bit build, the platform's own sizes in the
    // 64-bit one, where a window handle needs 64 bits.
    struct TNotification
    {
        NMHDR header;
        RECT rect;
    };

    CSplitter();
    ~CSplitter();
    CSplitter(CSplitter const&) = delete;
    CSplitter& operator=(CSplitter const&) = delete;

    // Both window classes; Register before the first Create.
    static void Register();
    static void Unregister();

    // A visible child bar of the given thickness; sends NOTIFY_LAYOUT once made. Returns the bar's window.
    HWND Create(HWND parent, UINT identifier, bool horizontal, int weight, bool ownerDraw);
    void Destroy();
    void Show(bool show);
    HWND GetHWnd() const { return m_window; }
    void GetRect(RECT& rect) const; // in the parent's client coordinates
    int GetWeight() const { return m_window != nullptr ? m_weight : 0; }
    void SetStyle(eLumoStyle style);
    void RecalcLayout();
    bool IsOnDrag() const { return m_dragging; }
    // Spelt as hosts call it: ends a drag without the end notification, with NOTIFY_DRAG_CANCELLED.
    void CancellDrag();

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Notify(int code, RECT const& rect);
    void Paint();

    HWND m_parent = nullptr;
    UINT m_identifier = 0;
    bool m_horizontal = false;
    HWND m_window = nullptr;
    bool m_dragging = false;
    bool m_ownerDraw = false;
    int m_weight = 4;
    eLumoStyle m_style = LUMO_STYLE_FRAME;
};
