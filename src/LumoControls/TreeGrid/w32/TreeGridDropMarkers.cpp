// What the painter draws for the interaction: the markers of a drop target while something is dragged,
// and the brush an embedded editor paints its background with.
#include "INC/w32/Geometry.h"
#include "INC/w32/LibraryModule.h"
#include "LumoControls/TreeGrid/w32/TreeGridInteraction.h"
#include "LumoControls/TreeGrid/w32/TreeGridPainter.h"
#include "LumoControls/TreeGrid/w32/TreeGridView.h"
#include "Plat/w32/LumoCtrlsResources.h"

namespace
{
using lumo::Rect;

constexpr int kArrowSize = 16; // the drop-marker strip's images are square
// The strip's images.
constexpr int kArrowDown = 0;
constexpr int kArrowUp = 1;
constexpr int kArrowRight = 2;
constexpr int kArrowLeft = 3;

void FillBlack(HDC dc, Rect const& r)
{
    SetBkColor(dc, RGB(0, 0, 0));
    RECT const platform = lumo::ToRECT(r);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &platform, nullptr, 0, nullptr);
}
} // namespace

void CTreeGrid::CImpl::CPainter::DropMarkers(HDC dc)
{
    lumo::TreeReferences const& refs = m_grid.Model().References();
    CInteraction const& interaction = m_grid.View().Interaction();
    if (lumo::TreeColumn* const column = refs.dropColumn)
    {
        Rect const r = m_layout.ColumnRect(*column);
        int const x = interaction.DropBefore() ? r.left : r.right - 1;
        int const bottom = m_layout.RowsStart();
        FillBlack(dc, Rect{x - 1, m_layout.GetInsets().top, x + 2, bottom});
        return;
    }
    lumo::TreeNode* const node = refs.dropNode;
    lumo::TreeColumn* const treeColumn = m_grid.Model().GetTreeColumn();
    if (node == nullptr || treeColumn == nullptr)
        return;
    lumo::TreeCell* const cell = node->GetCell(*treeColumn);
    if (cell == nullptr)
        return;
    lumo::CellGeometry const geometry = m_layout.LayOut(*cell);
    Rect r = geometry.content;
    if (r.right <= r.left || r.bottom <= r.top)
        r = geometry.outer;
    else
        r.right += 5;
    if (m_dropMarkers.IsEmpty())
        m_dropMarkers.Attach(ImageList_LoadImageW(lumo::LibraryModule(), MAKEINTRESOURCEW(IDB_DROP_MARKERS),
                                                  kArrowSize, 0, RGB(255, 0, 255), IMAGE_BITMAP,
                                                  LR_CREATEDIBSECTION));
    HIMAGELIST const arrows = m_dropMarkers.GetHandle();
    int const arrowTop = (r.top + r.bottom - kArrowSize) / 2;
    switch (interaction.DropZoneOf())
    {
    case lumo::DropZone::Onto:
        FillBlack(dc, Rect{r.left, r.top, r.right, r.top + 2});
        FillBlack(dc, Rect{r.left, r.bottom - 2, r.right, r.bottom});
        FillBlack(dc, Rect{r.left, r.top, r.left + 2, r.bottom});
        FillBlack(dc, Rect{r.right - 2, r.top, r.right, r.bottom});
        ImageList_Draw(arrows, kArrowUp, dc, r.left - kArrowSize, arrowTop, ILD_TRANSPARENT);
        ImageList_Draw(arrows, kArrowDown, dc, r.right, arrowTop, ILD_TRANSPARENT);
        return;
    case lumo::DropZone::Above:
        FillBlack(dc, Rect{r.left - kArrowSize, r.top, r.right + kArrowSize, r.top + 2});
        ImageList_Draw(arrows, kArrowRight, dc, r.left - kArrowSize, r.top - kArrowSize / 2, ILD_TRANSPARENT);
        ImageList_Draw(arrows, kArrowRight, dc, r.right, r.top - kArrowSize / 2, ILD_TRANSPARENT);
        return;
    case lumo::DropZone::Below:
        FillBlack(dc, Rect{r.left - kArrowSize, r.bottom - 2, r.right + kArrowSize, r.bottom});
        ImageList_Draw(arrows, kArrowLeft, dc, r.left - kArrowSize, r.bottom - kArrowSize, ILD_TRANSPARENT);
        ImageList_Draw(arrows, kArrowLeft, dc, r.right, r.bottom - kArrowSize, ILD_TRANSPARENT);
        return;
    }
}

HBRUSH CTreeGrid::CImpl::CPainter::BackgroundBrush(RECT const& client)
{
    int const width = client.right - client.left;
    int const height = client.bottom - client.top;
    if (m_buffer == nullptr || width <= 0 || height <= 0)
        return nullptr;
    HBITMAP const bitmap = CreateCompatibleBitmap(m_buffer, width, height);
    if (bitmap == nullptr)
        return nullptr;
    HDC const memory = CreateCompatibleDC(m_buffer);
    HGDIOBJ const saved = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, m_buffer, client.left + m_layout.HorizontalOffset(), client.top,
           SRCCOPY);
    SelectObject(memory, saved);
    DeleteDC(memory);
    HBRUSH const brush = CreatePatternBrush(bitmap); // the brush keeps its own copy of the pattern
    DeleteObject(bitmap);
    return brush;
}
