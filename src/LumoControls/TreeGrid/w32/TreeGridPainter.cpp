#include "LumoControls/TreeGrid/w32/TreeGridPainter.h"

#include "INC/w32/Geometry.h"
#include "INC/w32/LibraryModule.h"
#include "LumoControls/TreeGrid/ControlRules.h"
#include "LumoControls/TreeGrid/LayoutGeometry.h"
#include "LumoControls/TreeGrid/PaintPlan.h"
#include "LumoControls/TreeGrid/Style.h"
#include "LumoControls/TreeGrid/w32/ModelClasses.h"
#include "LumoControls/TreeGrid/w32/TreeGridView.h"
#include "LumoCtrls/LumoImage.h"
#include "Plat/w32/LumoCtrlsResources.h"

#include <commctrl.h>

namespace
{
using lumo::Rect;

constexpr COLORREF kTreeLineColor = 0xB4B4B4;
constexpr int kProgressKind = 11;
constexpr int kBarThickness = 16;
constexpr unsigned kSelectionStyles = lumo::TreeStyle::kRowSelection | lumo::TreeStyle::kColumnSelection;

Rect Intersection(Rect const& a, Rect const& b)
{
    return Rect{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                std::min(a.bottom, b.bottom)};
}

void Fill(HDC dc, Rect const& r, COLORREF color)
{
    COLORREF const previous = SetBkColor(dc, color);
    RECT const rect = lumo::ToRECT(r);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    SetBkColor(dc, previous);
}

// A one-pixel line in a colour, every other pixel when dotted.
void Line(HDC dc, lumo::Segment const& s, COLORREF color, bool dotted)
{
    if (!dotted)
    {
        Fill(dc, Rect{s.x1, s.y1, s.x2 + 1, s.y2 + 1}, color);
        return;
    }
    for (int x = s.x1, y = s.y1; x <= s.x2 && y <= s.y2; x += s.x2 > s.x1 ? 2 : 0, y += s.y2 > s.y1 ? 2 : 0)
    {
        SetPixelV(dc, x, y, color);
        if (s.x1 == s.x2 && s.y1 == s.y2)
            break;
    }
}

void DrawFromList(HDC dc, CImageList const& list, int index, int x, int y)
{
    if (!list.IsEmpty() && index >= 0)
        ImageList_Draw(list.GetHandle(), index, dc, x, y, ILD_TRANSPARENT);
}
} // namespace

CTreeGrid::CImpl::CPainter::CPainter(CImpl& grid, lumo::TreeLayout& layout)
    : m_grid(grid), m_layout(layout), m_styles(grid)
{
}

CTreeGrid::CImpl::CPainter::~CPainter()
{
    ReleaseBuffer();
}

// --- The back buffer

void CTreeGrid::CImpl::CPainter::ReleaseBuffer()
{
    if (m_buffer != nullptr)
    {
        SelectObject(m_buffer, m_savedBitmap);
        DeleteDC(m_buffer);
        DeleteObject(m_bitmap);
    }
    m_buffer = nullptr;
    m_bitmap = nullptr;
    m_bufferWidth = m_bufferHeight = 0;
}

bool CTreeGrid::CImpl::CPainter::EnsureBuffer(int width, int height)
{
    if (width <= 0 || height <= 0)
    {
        ReleaseBuffer();
        return false;
    }
    if (m_buffer != nullptr && width == m_bufferWidth && height == m_bufferHeight)
        return true;
    ReleaseBuffer();
    HDC const screen = GetDC(nullptr);
    m_buffer = CreateCompatibleDC(screen);
    m_bitmap = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    if (m_buffer == nullptr || m_bitmap == nullptr)
    {
        if (m_buffer != nullptr)
            DeleteDC(m_buffer);
        if (m_bitmap != nullptr)
            DeleteObject(m_bitmap);
        m_buffer = nullptr;
        m_bitmap = nullptr;
        return false;
    }
    m_savedBitmap = SelectObject(m_buffer, m_bitmap);
    m_bufferWidth = width;
    m_bufferHeight = height;
    return true;
}

void CTreeGrid::CImpl::CPainter::OnPaint(HWND window)
{
    RECT update{};
    bool const anything = GetUpdateRect(window, &update, FALSE) != 0;
    PAINTSTRUCT paint;
    HDC const dc = BeginPaint(window, &paint);
    int const width = m_layout.GetWindowWidth();
    int const height = m_layout.GetWindowHeight();
    lumo::Insets const insets = m_layout.GetInsets();
    if (EnsureBuffer(std::max(width, m_layout.ContentWidth() + insets.left + insets.right), height))
    {
        // The children (scroll bars, editors) draw themselves.
        for (HWND child = ::GetWindow(window, GW_CHILD); child != nullptr;
             child = ::GetWindow(child, GW_HWNDNEXT))
            if (IsWindowVisible(child))
            {
                RECT r;
                GetWindowRect(child, &r);
                MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
                ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
            }
        if (!m_grid.Model().IsLockedUpdate() && anything && !IsRectEmpty(&update))
            Frame(m_buffer, lumo::FromRECT(update));
        BitBlt(dc, 0, 0, width, height, m_buffer, m_layout.HorizontalOffset(), 0, SRCCOPY);
    }
    EndPaint(window, &paint);
}

void CTreeGrid::CImpl::CPainter::OnPrintClient(HDC target)
{
    if (m_grid.Model().IsLockedUpdate())
        return;
    int const width = m_layout.GetWindowWidth();
    int const height = m_layout.GetWindowHeight();
    lumo::Insets const insets = m_layout.GetInsets();
    int const bufferWidth = std::max(width, m_layout.ContentWidth() + insets.left + insets.right);
    if (width <= 0 || height <= 0)
        return;
    HDC const memory = CreateCompatibleDC(target);
    HBITMAP const bitmap = CreateCompatibleBitmap(target, bufferWidth, height);
    HGDIOBJ const saved = SelectObject(memory, bitmap);
    Frame(memory, Rect{0, 0, width, height});
    BitBlt(target, 0, 0, width, height, memory, m_layout.HorizontalOffset(), 0, SRCCOPY);
    SelectObject(memory, saved);
    DeleteObject(bitmap);
    DeleteDC(memory);
}

// --- The frame

void CTreeGrid::CImpl::CPainter::Frame(HDC dc, Rect const& clip)
{
    // The buffer's x is the client's plus the scroll offset: painting in client coordinates through the
    // viewport puts everything at its place in the content.
    SetViewportOrgEx(dc, m_layout.HorizontalOffset(), 0, nullptr);
    SelectClipRgn(dc, nullptr);
    IntersectClipRect(dc, clip.left, clip.top, clip.right, clip.bottom);
    SetBkMode(dc, TRANSPARENT);
    m_current = dc;
    m_cache.Clear();
    if (m_grid.handler != nullptr)
        m_grid.handler->PaintBegin(dc);

    Background(dc);
    lumo::Insets const insets = m_layout.GetInsets();
    Rect const inner{insets.left, insets.top, m_layout.GetWindowWidth() - insets.right,
                     m_layout.GetWindowHeight() - insets.bottom};
    Rect const area = Intersection(clip, inner);
    IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
    std::vector<lumo::TreeNode*> const rows = VisibleRows();
    RowHooksAndBackgrounds(dc, rows);
    Cells(dc, rows, area);
    GridLines(dc, rows, area);
    FloatControls(dc, area);
    ColumnHeaders(dc);
    RowHeaders(dc, rows);
    DropMarkers(dc);
    SelectClipRgn(dc, nullptr);
    SizeBox(dc);

    if (m_grid.handler != nullptr)
        m_grid.handler->PaintEnd(dc);
    m_current = nullptr;
    SetViewportOrgEx(dc, 0, 0, nullptr);
}

std::vector<lumo::TreeNode*> CTreeGrid::CImpl::CPainter::VisibleRows()
{
    std::vector<lumo::TreeNode*> rows;
    lumo::TreeNode* const top = m_layout.TopVisibleNode();
    lumo::TreeNode* const bottom = m_layout.BottomVisibleNode();
    if (top == nullptr)
        return rows;
    lumo::RowPositions& positions = m_grid.Model().Rows();
    for (lumo::TreeNode* row = top; row != nullptr; row = positions.NextShown(*row))
    {
        rows.push_back(row);
        if (row == bottom)
        {
            if (lumo::TreeNode* const after = positions.NextShown(*row))
                rows.push_back(after);
            break;
        }
    }
    return rows;
}

lumo::VisualState CTreeGrid::CImpl::CPainter::FocusState(lumo::VisualState state, bool focus) const
{
    bool const shows = focus && m_grid.displayFocus &&
                       ((m_grid.Model().GetStyleBits() & kSelectionStyles) != 0 || m_grid.focusShown);
    return shows ? state : state & ~lumo::kStateFocus;
}

void CTreeGrid::CImpl::CPainter::Background(HDC dc)
{
    Rect const all{0, 0, m_layout.GetWindowWidth(), m_layout.GetWindowHeight()};
    Fill(dc, all, RGB(255, 255, 255));
    lumo::DrawStyle const& grid = *m_grid.GetStyles().GetDefaultStyle(lumo::ObjectType::Grid);
    lumo::VisualState const state = m_grid.mouseInside ? lumo::kStateHover : lumo::kStateNormal;
    m_styles.Paint(dc, all, m_cache.Get(grid, state), lumo::StylePaint{});
}

Rect CTreeGrid::CImpl::CPainter::ColumnClip(lumo::TreeColumn& column, Rect const& r)
{
    if (m_layout.IsLocked(column))
        return r;
    Rect clipped = r;
    clipped.left = std::max(clipped.left, m_layout.GetInsets().left + m_layout.LockedWidth());
    return clipped;
}

void CTreeGrid::CImpl::CPainter::RowHooksAndBackgrounds(HDC dc, std::vector<lumo::TreeNode*> const& rows)
{
    if (m_grid.handler != nullptr)
        for (lumo::TreeNode* row : rows)
        {
            RECT rect = lumo::ToRECT(m_layout.RowRect(*row));
            rect.bottom += 1;
            m_grid.handler->RowPaint(dc, InterfaceOf(row), rect);
        }
    Columns(dc);
}

void CTreeGrid::CImpl::CPainter::Columns(HDC dc)
{
    for (lumo::TreeColumn* column : m_grid.Model().Columns())
    {
        Rect const r = ColumnClip(*column, m_layout.ColumnRect(*column));
        if (lumo::IsEmpty(r))
            continue;
        lumo::CClipScope const clip(dc, r, 0);
        if (!clip.IsEmpty())
            m_styles.Paint(dc, m_layout.ColumnRect(*column),
                           m_cache.Get(column->GetColumnStyle(), column->GetState()), lumo::StylePaint{});
    }
}

void CTreeGrid::CImpl::CPainter::Cells(HDC dc, std::vector<lumo::TreeNode*> const& rows, Rect const& clip)
{
    lumo::TreeModel& model = m_grid.Model();
    for (lumo::TreeNode* row : rows)
    {
        Rect const rowRect = m_layout.RowRect(*row);
        if (rowRect.bottom <= clip.top || rowRect.top >= clip.bottom)
            continue;
        m_styles.Paint(dc, rowRect, m_cache.Get(row->GetRowStyle(), row->GetState()), lumo::StylePaint{});
        for (lumo::TreeColumn* column : model.Columns())
        {
            Rect const columnRect = ColumnClip(*column, m_layout.ColumnRect(*column));
            Rect const cellClip = Intersection(clip, columnRect);
            if (lumo::IsEmpty(cellClip))
                continue;
            if (lumo::TreeCell* const cell = model.CellOf(*row, *column))
                Cell(dc, *cell, cellClip);
        }
    }
}

void CTreeGrid::CImpl::CPainter::Cell(HDC dc, lumo::FloatControl& control, Rect const& clip)
{
    lumo::CellGeometry const geometry = m_layout.LayOut(control);
    if (!geometry.laidOut)
        return;
    Rect visible = Intersection(geometry.outer, clip);
    visible.bottom -= 1; // the row's last pixel stays for the grid lines
    lumo::ObjStyle& style = control.GetStyle();
    lumo::CClipScope const scope(dc, visible, style.GetBorderRadius());
    if (lumo::IsEmpty(visible) || scope.IsEmpty())
        return;

    lumo::TreeModel& model = m_grid.Model();
    lumo::TreeReferences const& references = model.References();
    lumo::TreeCell* const cell = control.AsCell();
    int const kind = style.GetControlKind();
    bool const editing = !lumo::IsEmpty(m_grid.View().EditorRect(control)) || kind == kProgressKind ||
                         references.edited == &control;
    lumo::VisualState const state = lumo::CellPaintState(
        {control.GetState(), cell != nullptr ? cell->GetNode().GetState() : 0u,
         cell != nullptr ? cell->GetColumn().GetState() : 0u, editing,
         model.IsStyleSet(lumo::TreeStyle::kColumnSelection),
         model.IsStyleSet(lumo::TreeStyle::kRowSelection), references.focus == &control});

    bool background = true;
    bool border = true;
    bool icon = true;
    bool text = true;
    bool ownControl = true;
    ICell* const hostCell = cell != nullptr ? InterfaceOf(cell) : nullptr;
    RECT const outer = lumo::ToRECT(geometry.outer);
    if (m_grid.handler != nullptr && hostCell != nullptr &&
        m_grid.handler->CellCustomDraw(dc, hostCell, outer, lumo::ToRECT(geometry.inner), background, border,
                                       icon, text, ownControl))
    {
        m_grid.handler->CellPostPaint(dc, hostCell, outer);
        return;
    }

    // The background, and the highlight of what the selection mode selects.
    lumo::StylePaint paint;
    paint.cellBorders = true;
    paint.background = background;
    paint.borders = border;
    int const mode = style.GetSelectionMode();
    paint.entireSelection = (mode & 8) != 0;
    if ((model.GetStyleBits() & kSelectionStyles) == 0)
    {
        bool const highlighting =
            mode == 1 || mode == 2 || mode == 3 || mode == 4 || mode == 7 || (mode & 8) != 0;
        std::vector<Rect> const highlights = lumo::HighlightRects(mode, geometry);
        if (!highlighting)
            paint.background = false;
        if (kind != kProgressKind)
        {
            if (!highlights.empty() && !editing)
            {
                m_styles.Paint(dc, visible, m_cache.Get(style, lumo::kStateNormal), paint);
                lumo::StylePaint highlight = paint;
                highlight.image = false;
                for (Rect const& r : highlights)
                    m_styles.Paint(dc, r, m_cache.Get(style, FocusState(state, true)), highlight);
            }
            else
                m_styles.Paint(dc, visible, m_cache.Get(style, FocusState(state, true)), paint);
        }
    }
    else
    {
        m_styles.Paint(dc, visible, m_cache.Get(style, FocusState(state, false)), paint);
        bool const treeColumn = cell != nullptr && &cell->GetColumn() == model.GetTreeColumn();
        if (!treeColumn && !editing && (state & lumo::kStateFocus) != 0 && border)
        {
            lumo::StylePaint focus = paint;
            focus.background = false;
            focus.image = false;
            m_styles.Paint(dc, visible, m_cache.Get(style, FocusState(state, true)), focus);
        }
    }

    if (cell != nullptr && &cell->GetColumn() == model.GetTreeColumn() &&
        model.IsStyleSet(lumo::TreeStyle::kTreeLines))
        TreeLines(dc, *cell, geometry);

    // The parts (an open editor's place is the editor's own).
    lumo::PaintValues const& values = m_cache.Get(style, state);
    Rect const editorRect = m_grid.View().EditorRect(control);
    for (lumo::CellGeometry::Entry const& part : geometry.parts)
        switch (part.part)
        {
        case lumo::kPartExpandButton:
        {
            CImageList list = ExpandButtons();
            int dx = 0;
            int dy = 0;
            if (m_grid.handler != nullptr)
                m_grid.handler->ExpandButtonImage(list, dx, dy);
            DrawFromList(dc, list, cell->GetNode().IsExpanded() ? 1 : 0, part.rect.left + dx,
                         part.rect.top + dy);
            break;
        }
        case lumo::kPartIcon:
        {
            if (!icon)
                break;
            auto const image = m_grid.Images().find(control.GetImage());
            if (image != m_grid.Images().end() && !image->second.IsEmpty())
            {
                CDC wrapper(dc);
                image->second->Draw(wrapper, part.rect.left, part.rect.top);
            }
            else
                DrawFromList(
                    dc, (state & lumo::kStateDisable) != 0 ? m_grid.GreyedImageList() : m_grid.ImageList(),
                    control.GetImageIndex(), part.rect.left, part.rect.top);
            break;
        }
        case lumo::kPartText:
            if (text && !editing)
                m_styles.Text(dc, part.rect, geometry.inner, control.GetText(), values);
            break;
        case lumo::kPartControl:
            if (ownControl && kind != lumo::ControlKind::kProgress && part.rect != editorRect)
                if (CControlCore* const core = m_grid.ControlOf(control))
                    DrawControl(dc, *core, lumo::ToRECT(part.rect));
            break;
        default:
            break;
        }
    if (kind == lumo::ControlKind::kProgress && ownControl)
        if (CControlCore* const core = m_grid.ControlOf(control))
            DrawControl(dc, *core, lumo::ToRECT(geometry.inner));
    if (m_grid.handler != nullptr && hostCell != nullptr)
        m_grid.handler->CellPostPaint(dc, hostCell, outer);
}

void CTreeGrid::CImpl::CPainter::TreeLines(HDC dc, lumo::TreeCell& cell, lumo::CellGeometry const& geometry)
{
    lumo::TreeModel& model = m_grid.Model();
    lumo::TreeNode& node = cell.GetNode();
    lumo::TreeColumn& column = cell.GetColumn();
    lumo::ObjStyle& style = cell.GetStyle();
    lumo::TreeLineRow row{};
    row.outer = geometry.outer;
    row.level = node.GetLevel();
    row.indentation = static_cast<int>(model.GetNodeIndentation());
    row.buttonWidth = lumo::kExpandButtonSize;
    row.expandButtons = model.IsStyleSet(lumo::TreeStyle::kExpandButtons);
    row.mirror = style.GetMirrorEffect();
    row.ownOffset = style.GetOffsetTextIcon(lumo::kStateAll).x;
    row.firstTopLevel = node.GetLevel() == 0 && node.GetPrevVisibleSibling() == nullptr;
    row.hasPrevious = node.GetPrevVisibleSibling() != nullptr;
    row.hasNext = node.GetNextVisibleSibling() != nullptr;
    row.expandedParent = node.GetFirstVisibleChild() != nullptr && node.IsExpanded();
    Rect const textPart = geometry.Part(lumo::kPartText);
    row.textBottom =
        lumo::IsEmpty(textPart) ? geometry.outer.top + geometry.outer.Height() / 2 : textPart.bottom;
    for (lumo::TreeNode* up = node.GetParent(); up != nullptr && !up->IsRoot(); up = up->GetParent())
    {
        row.ancestorsContinue.push_back(up->GetNextVisibleSibling() != nullptr);
        if (lumo::TreeCell* const ancestor = model.CellOf(*up, column))
            row.ancestorsOffset += ancestor->GetStyle().GetOffsetTextIcon(lumo::kStateAll).x;
    }
    for (lumo::Segment const& segment : lumo::TreeLineSegments(row))
        Line(dc, segment, kTreeLineColor, true);
}

void CTreeGrid::CImpl::CPainter::GridLines(HDC dc, std::vector<lumo::TreeNode*> const& rows, Rect const& clip)
{
    lumo::TreeModel& model = m_grid.Model();
    bool const horizontal = model.CheckGridLinesStyle(lumo::GridLines::kHorizontal);
    bool const vertical = model.CheckGridLinesStyle(lumo::GridLines::kVertical);
    if (!horizontal && !vertical)
        return;
    bool const dotted = model.CheckGridLinesStyle(lumo::GridLines::kDotted);
    COLORREF const color = model.GetGridLinesColor();
    lumo::Insets const insets = m_layout.GetInsets();
    int const offset = m_layout.HorizontalOffset();
    if (horizontal)
    {
        int const right = insets.left + m_layout.TotalColumnsWidth() - 1 - offset;
        for (lumo::TreeNode* row : rows)
        {
            int const y = m_layout.RowRect(*row).bottom;
            if (y >= clip.top && y < clip.bottom)
                Line(dc, lumo::Segment{insets.left - offset, y, right, y}, color, dotted);
        }
    }
    if (vertical)
    {
        lumo::TreeNode* const last = model.Rows().LastShown();
        bool const lastShown = !rows.empty() && std::find(rows.begin(), rows.end(), last) != rows.end();
        int const bottom = lastShown ? m_layout.RowRect(*last).bottom : m_layout.GetWindowHeight();
        int const lockedEdge = insets.left + m_layout.LockedWidth();
        for (lumo::TreeColumn* column : model.Columns())
        {
            if (!column->IsVisible())
                continue;
            bool const locked = m_layout.IsLocked(*column);
            int const x = insets.left + column->GetRight() - (locked ? 0 : offset);
            if ((!locked && x < lockedEdge) || x < clip.left || x >= clip.right)
                continue;
            Line(dc, lumo::Segment{x, m_layout.RowsStart(), x, bottom}, color, dotted);
        }
    }
}

void CTreeGrid::CImpl::CPainter::FloatControls(HDC dc, Rect const& clip)
{
    lumo::TreeModel& model = m_grid.Model();
    for (unsigned i = 0; i < model.GetFloatControlCount(); ++i)
    {
        lumo::FreeFloatControl& control = model.GetFloatControl(i);
        if (!control.IsVisible())
            continue;
        // Controls made later lie on top: their places are cut out.
        int const saved = SaveDC(dc);
        for (unsigned j = i + 1; j < model.GetFloatControlCount(); ++j)
        {
            lumo::FreeFloatControl& above = model.GetFloatControl(j);
            if (above.IsVisible())
            {
                Rect const r = m_layout.OuterRect(above);
                ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
            }
        }
        Cell(dc, control, clip);
        RestoreDC(dc, saved);
    }
}

void CTreeGrid::CImpl::CPainter::Header(HDC dc, Rect const& r, lumo::DrawStyle const& style,
                                        lumo::VisualState state, lumo::TreeColumn* column)
{
    lumo::PaintValues const& values = m_cache.Get(style, state);
    lumo::CClipScope const clip(dc, r, values.radius);
    if (clip.IsEmpty())
        return;
    m_styles.Paint(dc, r, values, lumo::StylePaint{});
    if (column == nullptr)
        return;
    // The header's own layout: its image at the left, the caption after it.
    Rect const padding = style.GetPadding();
    Rect const inner{r.left + padding.left, r.top + padding.top, r.right - padding.right,
                     r.bottom - padding.bottom};
    int iconWidth = 0;
    int iconHeight = 0;
    CImageList& list = (column->GetHeaderState() & lumo::kStateDisable) != 0
                           ? m_grid.GreyedColumnHeaderImageList()
                           : m_grid.ColumnHeaderImageList();
    if (!list.IsEmpty() && column->GetHeaderImage() >= 0)
        ImageList_GetIconSize(list.GetHandle(), &iconWidth, &iconHeight);
    Rect const image{inner.left + 3, inner.top + (inner.Height() - iconHeight) / 2,
                     inner.left + 3 + iconWidth, inner.top + (inner.Height() - iconHeight) / 2 + iconHeight};
    Rect const text{iconWidth > 0 ? image.right + 3 : inner.left + 3, inner.top, inner.right - 3,
                    inner.bottom};
    IColumn* const host = InterfaceOf(column);
    if (m_grid.handler != nullptr &&
        m_grid.handler->ColumnHeaderCustomDraw(dc, host, lumo::ToRECT(r), lumo::ToRECT(inner)))
        return;
    if (iconWidth > 0)
        DrawFromList(dc, list, column->GetHeaderImage(), image.left, image.top);
    m_styles.Text(dc, text, inner, column->GetTitle(), values);
    if (m_grid.handler != nullptr)
        m_grid.handler->ColumnHeaderPostPaint(dc, host, lumo::ToRECT(r), lumo::ToRECT(inner),
                                              lumo::ToRECT(image), lumo::ToRECT(text));
}

void CTreeGrid::CImpl::CPainter::ColumnHeaders(HDC dc)
{
    lumo::TreeModel& model = m_grid.Model();
    if (!model.IsColumnHeaderVisible())
        return;
    int lastRight = m_layout.ColumnsStart() - m_layout.HorizontalOffset();
    for (lumo::TreeColumn* column : model.Columns())
    {
        Rect const r = m_layout.ColumnHeaderRect(*column);
        if (lumo::IsEmpty(r))
            continue;
        lastRight = std::max(lastRight, r.right);
        int const saved = SaveDC(dc);
        Rect const clip = ColumnClip(*column, r);
        IntersectClipRect(dc, clip.left, clip.top, clip.right, clip.bottom);
        Header(dc, r, column->GetHeaderStyle(), column->GetHeaderState(), column);
        RestoreDC(dc, saved);
    }
    // The filler beyond the last column, with the column headers' default look.
    lumo::Insets const insets = m_layout.GetInsets();
    Rect const filler{lastRight, insets.top, lastRight + m_layout.PageWidth() + kBarThickness,
                      m_layout.RowsStart()};
    Header(dc, filler, *m_grid.GetStyles().GetDefaultStyle(lumo::ObjectType::ColumnHeader),
           lumo::kStateNormal, nullptr);
}

void CTreeGrid::CImpl::CPainter::RowHeaders(HDC dc, std::vector<lumo::TreeNode*> const& rows)
{
    lumo::TreeModel& model = m_grid.Model();
    if (!model.IsRowHeaderVisible() || model.GetRowHeaderWidth() == 0)
        return;
    for (lumo::TreeNode* row : rows)
    {
        Rect const r = m_layout.RowHeaderRect(*row);
        lumo::Style const& style = row->GetRowHeaderStyle();
        lumo::PaintValues const& values = m_cache.Get(style, row->GetHeaderState());
        {
            lumo::CClipScope const clip(dc, r, values.radius);
            if (clip.IsEmpty())
                continue;
            m_styles.Paint(dc, r, values, lumo::StylePaint{});
        }
        if (m_grid.handler != nullptr &&
            m_grid.handler->RowHeaderCustomDraw(dc, InterfaceOf(row), lumo::ToRECT(r)))
            continue;
        int iconWidth = 0;
        int iconHeight = 0;
        CImageList& list = (row->GetHeaderState() & lumo::kStateDisable) != 0
                               ? m_grid.GreyedRowHeaderImageList()
                               : m_grid.RowHeaderImageList();
        if (!list.IsEmpty() && row->GetRowHeaderImage() >= 0)
            ImageList_GetIconSize(list.GetHandle(), &iconWidth, &iconHeight);
        if (iconWidth > 0)
            DrawFromList(dc, list, row->GetRowHeaderImage(), r.left + 2,
                         r.top + (r.Height() - iconHeight) / 2);
        Rect const text{iconWidth > 0 ? r.left + iconWidth + 4 : r.left + 2, r.top, r.right - 2, r.bottom};
        m_styles.Text(dc, text, r, row->GetRowHeaderText(), values);
    }
    if (model.IsColumnHeaderVisible())
    {
        lumo::Insets const insets = m_layout.GetInsets();
        Rect const corner{insets.left, insets.top, m_layout.ColumnsStart(), m_layout.RowsStart()};
        lumo::PaintValues const& values =
            m_cache.Get(*m_grid.GetStyles().GetDefaultStyle(lumo::ObjectType::RowHeader), lumo::kStateNormal);
        {
            lumo::CClipScope const clip(dc, corner, values.radius);
            if (!clip.IsEmpty())
                m_styles.Paint(dc, corner, values, lumo::StylePaint{});
        }
        if (m_grid.handler != nullptr)
            m_grid.handler->RowHeaderCustomDraw(dc, nullptr, lumo::ToRECT(corner));
    }
}

void CTreeGrid::CImpl::CPainter::SizeBox(HDC dc)
{
    if (!m_layout.Bar(true).shown || !m_layout.Bar(false).shown)
        return;
    Rect const& vertical = m_layout.Bar(false).rect;
    Rect const& horizontal = m_layout.Bar(true).rect;
    Fill(dc, Rect{vertical.left, horizontal.top, vertical.right, horizontal.bottom},
         GetSysColor(COLOR_BTNFACE));
}

CImageList const& CTreeGrid::CImpl::CPainter::ExpandButtons()
{
    if (m_expandButtons.IsEmpty())
        m_expandButtons.Attach(ImageList_LoadImageW(
            lumo::LibraryModule(), MAKEINTRESOURCEW(IDB_EXPAND_BUTTONS), lumo::kExpandButtonSize, 0,
            RGB(255, 0, 255), IMAGE_BITMAP, LR_CREATEDIBSECTION));
    return m_expandButtons;
}

CImageList const& CTreeGrid::CImpl::CPainter::CheckGlyphs()
{
    if (m_checkGlyphs.IsEmpty())
        m_checkGlyphs.Attach(ImageList_LoadImageW(lumo::LibraryModule(), MAKEINTRESOURCEW(IDB_CHECK_GLYPHS),
                                                  16, 0, RGB(255, 0, 255), IMAGE_BITMAP,
                                                  LR_CREATEDIBSECTION));
    return m_checkGlyphs;
}

void CTreeGrid::CImpl::CPainter::ControlText(HDC dc, CControlCore& control, RECT const& rect, UINT format,
                                             bool link)
{
    lumo::ObjStyle& style = control.Owner().GetStyle();
    lumo::FontSpec font =
        *(style.GetFont(control.Owner().GetState()) != nullptr ? style.GetFont(control.Owner().GetState())
                                                               : &m_grid.GetStyles().GetSharedFont());
    font.underline = font.underline || link;
    HGDIOBJ const previousFont = SelectObject(dc, m_grid.GetFonts().Get(font).GetHandle());
    COLORREF const color = style.GetTextColor(control.Owner().GetState());
    COLORREF const previousColor = SetTextColor(dc, link                         ? RGB(0, 0, 255)
                                                    : color == lumo::kUnsetColor ? RGB(0, 0, 0)
                                                                                 : color);
    RECT r = rect;
    DrawTextW(dc, control.Owner().GetText().c_str(), -1, &r,
              format | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    SetTextColor(dc, previousColor);
    SelectObject(dc, previousFont);
}

void CTreeGrid::CImpl::CPainter::DrawControl(HDC dc, CControlCore& control, RECT const& rect)
{
    lumo::FloatControl& owner = control.Owner();
    lumo::TreeReferences const& references = m_grid.Model().References();
    RECT r = rect;
    switch (control.Kind())
    {
    case lumo::ControlKind::kCheckBox:
    case lumo::ControlKind::kRadioButton:
    case lumo::ControlKind::kDropDown:
    {
        if (m_grid.handler != nullptr &&
            m_grid.handler->DrawCheckGlyph(dc, dynamic_cast<ICheckButton*>(&control.Self()), rect))
            return;
        bool const hover = references.hover == &owner;
        bool const pressed =
            references.pressed == &owner && GetCapture() == m_grid.View().Window().GetHandle();
        int const index = lumo::CheckGlyphIndex(
            control.Kind(), owner.GetValue(), (owner.GetState() & lumo::kStateDisable) != 0, hover, pressed);
        DrawFromList(dc, CheckGlyphs(), index, rect.left, rect.top);
        return;
    }
    case lumo::ControlKind::kProgress:
        DrawProgress(dc, control, lumo::FromRECT(rect));
        return;
    case lumo::ControlKind::kSpin:
    {
        RECT upper{r.left, r.top, r.right, (r.top + r.bottom) / 2};
        RECT lower{r.left, upper.bottom, r.right, r.bottom};
        DrawFrameControl(dc, &upper, DFC_SCROLL, DFCS_SCROLLUP);
        DrawFrameControl(dc, &lower, DFC_SCROLL, DFCS_SCROLLDOWN);
        return;
    }
    case lumo::ControlKind::kComboBox:
        DrawFrameControl(dc, &r, DFC_SCROLL, DFCS_SCROLLCOMBOBOX);
        return;
    case lumo::ControlKind::kLauncher:
        DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH);
        DrawTextW(dc, L"...", 3, &r, DT_CENTER | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        return;
    case lumo::ControlKind::kButton:
        DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH);
        ControlText(dc, control, r, DT_CENTER, false);
        return;
    case lumo::ControlKind::kLabel:
    case lumo::ControlKind::kLink:
        ControlText(dc, control, r, DT_LEFT, control.Kind() == lumo::ControlKind::kLink);
        return;
    case lumo::ControlKind::kImage:
    {
        auto const image = m_grid.Images().find(owner.GetImage());
        if (image == m_grid.Images().end() || image->second.IsEmpty())
            return;
        CDC wrapper(dc);
        image->second->Draw(wrapper, (r.left + r.right - image->second->GetWidth()) / 2,
                            (r.top + r.bottom - image->second->GetHeight()) / 2);
        return;
    }
    default:
        return;
    }
}

void CTreeGrid::CImpl::CPainter::DrawProgress(HDC dc, CControlCore& control, Rect const& r)
{
    int const width = r.Width();
    int const height = r.Height();
    if (width <= 0 || height <= 0)
        return;
    lumo::DrawStyle const& style = *m_grid.GetStyles().GetDefaultStyle(lumo::ObjectType::Progress);
    lumo::ProgressPlan const plan = lumo::PlanProgress(Rect{0, 0, width, height}, control.Owner().GetValue(),
                                                       control.Owner().GetStyle().GetMirrorEffect());
    HDC const memory = CreateCompatibleDC(dc);
    HBITMAP const bitmap = CreateCompatibleBitmap(dc, width, height);
    HGDIOBJ const saved = SelectObject(memory, bitmap);
    SetBkMode(memory, TRANSPARENT);
    Rect const all{0, 0, width, height};
    lumo::StylePaint background;
    background.borders = false;
    auto layer = [&](lumo::VisualState state)
    {
        lumo::PaintValues const& values = m_cache.Get(style, state);
        m_styles.Paint(memory, all, values, background);
        lumo::PaintValues label = values;
        label.alignment = 4; // centred
        m_styles.Text(memory, all, all, plan.label, label);
    };
    layer(lumo::kStateNormal);
    {
        lumo::CClipScope const filled(memory, plan.filled, 0);
        if (!filled.IsEmpty())
            layer(lumo::kStateSelect);
    }
    BitBlt(dc, r.left + 4, r.top + 2, width - 8, height - 4, memory, 4, 2, SRCCOPY);
    SelectObject(memory, saved);
    DeleteObject(bitmap);
    DeleteDC(memory);
    lumo::StylePaint borders;
    borders.background = false;
    borders.image = false;
    m_styles.Paint(dc, r, m_cache.Get(style, lumo::kStateNormal), borders);
}
