// Paints the tree grid: a frame of the whole content width in a back buffer (grid background, rows,
// columns, cells, grid lines, free float controls, headers, size box), copied to the window in one blit.
#pragma once

#include "LumoControls/TreeGrid/PaintValues.h"
#include "LumoControls/TreeGrid/TreeLayout.h"
#include "LumoControls/TreeGrid/w32/StylePainter.h"

class CTreeGrid::CImpl::CPainter
{
public:
    CPainter(CImpl& grid, lumo::TreeLayout& layout);
    ~CPainter();
    CPainter(CPainter const&) = delete;
    CPainter& operator=(CPainter const&) = delete;

    void OnPaint(HWND window);
    // WM_PRINTCLIENT: the whole client area into dc.
    void OnPrintClient(HDC dc);
    void ReleaseBuffer();
    // An in-cell control into its part (a progress bar into the cell's inner rectangle).
    void DrawControl(HDC dc, CControlCore& control, RECT const& rect);
    // The context a frame is being painted into (controls draw into it), null between frames.
    HDC CurrentDC() const { return m_current; }
    // A brush of the painted frame behind a client rectangle (an embedded editor's background); the
    // caller deletes it. Null before the first frame.
    HBRUSH BackgroundBrush(RECT const& client);

private:
    // Paints the frame for clip (client coordinates) into dc, whose origin is the content's.
    void Frame(HDC dc, lumo::Rect const& clip);
    void Background(HDC dc);
    void RowHooksAndBackgrounds(HDC dc, std::vector<lumo::TreeNode*> const& rows);
    void Columns(HDC dc);
    void Cells(HDC dc, std::vector<lumo::TreeNode*> const& rows, lumo::Rect const& clip);
    void GridLines(HDC dc, std::vector<lumo::TreeNode*> const& rows, lumo::Rect const& clip);
    void FloatControls(HDC dc, lumo::Rect const& clip);
    void ColumnHeaders(HDC dc);
    void RowHeaders(HDC dc, std::vector<lumo::TreeNode*> const& rows);
    void SizeBox(HDC dc);
    void DropMarkers(HDC dc);
    void Cell(HDC dc, lumo::FloatControl& control, lumo::Rect const& clip);
    void TreeLines(HDC dc, lumo::TreeCell& cell, lumo::CellGeometry const& geometry);
    void Header(HDC dc, lumo::Rect const& r, lumo::DrawStyle const& style, lumo::VisualState state,
                lumo::TreeColumn* column);
    // The rows the page shows, and one more.
    std::vector<lumo::TreeNode*> VisibleRows();
    // The clip of a column: an unlocked one never paints over the locked columns.
    lumo::Rect ColumnClip(lumo::TreeColumn& column, lumo::Rect const& r);
    // A state without FOCUS unless the focus shows.
    lumo::VisualState FocusState(lumo::VisualState state, bool focus) const;
    CImageList const& ExpandButtons();
    CImageList const& CheckGlyphs();
    void DrawProgress(HDC dc, CControlCore& control, lumo::Rect const& r);
    void ControlText(HDC dc, CControlCore& control, RECT const& rect, UINT format, bool link);
    bool EnsureBuffer(int width, int height);

    CImpl& m_grid;
    lumo::TreeLayout& m_layout;
    lumo::CStylePainter m_styles;
    lumo::PaintCache m_cache;
    HDC m_buffer = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_savedBitmap = nullptr;
    int m_bufferWidth = 0;
    int m_bufferHeight = 0;
    HDC m_current = nullptr;
    CImageList m_expandButtons;
    CImageList m_checkGlyphs;
    CImageList m_dropMarkers;
};
