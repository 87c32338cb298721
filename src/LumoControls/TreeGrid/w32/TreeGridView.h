// The tree grid's window: its class, its child scroll bars and tooltip, the messages of geometry and
// scrolling, and the platform answers its layout needs (text extents, image sizes).
#pragma once

#include "LumoControls/TreeGrid/TreeLayout.h"
#include "LumoControls/TreeGrid/w32/TreeGridImpl.h"

#include <memory>

class CTreeGrid::CImpl::CView : public lumo::ILayoutHost, public lumo::ICellMeasure
{
public:
    explicit CView(CImpl& grid);
    ~CView() override;
    CView(CView const&) = delete;
    CView& operator=(CView const&) = delete;

    lumo::TreeLayout& Layout() { return m_layout; }
    CPainter& Painter() { return *m_painter; }
    CInteraction& Interaction() const { return *m_interaction; }
    // The control's layout as if its editor were closed (where an editor is placed).
    lumo::CellGeometry LayOutWithoutEditor(lumo::FloatControl& control);
    CWnd const& Window() const { return m_window; }
    // Creates the window as a child of parent; throws CWindowsApiFailed ("RegisterClass", "CreateWindowEx").
    void Create(HWND parent);
    void Destroy();
    HWND ScrollBar(bool horizontal) const { return horizontal ? m_horizontalBar : m_verticalBar; }
    // Brings the bar windows up to date with the layout, when it changed.
    void SyncScrollBars();

    // The window class's name: the implementation's run-time type name, readable.
    static std::wstring const& ClassName();

    // --- ILayoutHost.
    void Repaint() override;
    void ScrollBarsChanged() override;
    void ScrollBarVisibilityChanged(bool horizontal) override;
    void EndEdit(lumo::FloatControl const* control) override;

    // --- ICellMeasure.
    lumo::Size MeasureText(std::wstring const& text, lumo::FontSpec const* font) const override;
    lumo::Size ImageSize(std::wstring const& name) const override;
    lumo::Size ImageListIconSize() const override;
    lumo::Rect EditorRect(lumo::FloatControl const& control) const override;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void OnCreate();
    void OnPaint();
    void OnScroll(bool horizontal, WPARAM wParam);
    void OnCommand(WPARAM wParam, LPARAM lParam);
    // An embedded editor's colours: the cell's text colour over the frame painted behind it.
    LRESULT OnEditorColor(HDC dc, HWND editor);
    static void CALLBACK OnTimer(HWND window, UINT message, UINT_PTR id, DWORD time);
    void TearDown();

    CImpl& m_grid;
    lumo::TreeLayout m_layout;
    std::unique_ptr<CPainter> m_painter;
    std::unique_ptr<CInteraction> m_interaction;
    HBRUSH m_editorBrush = nullptr;  // the last background handed to an embedded editor
    bool m_withoutEditor = false;    // EditorRect answers empty while an editor is being placed
    mutable HDC m_measure = nullptr; // a memory context that text is measured in
    CWnd m_window;
    HWND m_horizontalBar = nullptr;
    HWND m_verticalBar = nullptr;
    HWND m_tooltip = nullptr;
    bool m_registered = false;     // this grid holds a use of the window class
    bool m_repaintPending = false; // the client area was invalidated and not painted since
    bool m_barsChanged = false;    // the bar windows lag behind the layout
};
