#include "LumoControls/TreeGrid/TreeLayout.h"

#include "LumoControls/TreeGrid/LayoutGeometry.h"
#include "LumoControls/TreeGrid/Style.h"
#include "LumoControls/TreeGrid/StyleRegistry.h"
#include "LumoControls/TreeGrid/TreeModel.h"

#include <algorithm>

namespace
{
constexpr int kBarThickness = 16;
constexpr int kEdgeBand = 6;    // the width of a header's or column's resizing band
constexpr int kRowEdgeBand = 3; // the height of a row header's resizing band
constexpr unsigned kSelectionStyles = lumo::TreeStyle::kRowSelection | lumo::TreeStyle::kColumnSelection;

// Control kinds that count as hit anywhere in the focused cell.
bool CoversFocusedCell(int kind)
{
    return kind == 10 || kind == 11 || kind == 14 || kind == 15; // spin, progress, combo box, launcher
}
} // namespace

lumo::TreeLayout::TreeLayout(TreeModel& model, ILayoutHost& host, ICellMeasure const& measure)
    : m_model(model), m_host(host), m_measure(measure)
{
}

lumo::TreeLayout::~TreeLayout() = default;

// --- What the model asks

bool lumo::TreeLayout::LaysOutRows() const
{
    return m_hasWindow && !m_model.IsLockedUpdate();
}

void lumo::TreeLayout::RowsChanged(TreeNode const*)
{
    if (!LaysOutRows())
        return;
    UpdateVerticalBar();
    m_host.Repaint();
}

void lumo::TreeLayout::ColumnsChanged()
{
    m_columnsDirty = true;
    if (!LaysOutRows())
        return;
    EnsureColumns();
    UpdateHorizontalBar();
    m_host.Repaint();
}

void lumo::TreeLayout::LayoutChanged()
{
    m_columnsDirty = true;
    m_frameKnown = false;
    if (!LaysOutRows())
        return;
    EnsureColumns();
    UpdateBars();
    m_host.Repaint();
}

void lumo::TreeLayout::RowChanged(TreeNode const&, bool)
{
    if (LaysOutRows())
        m_host.Repaint();
}

void lumo::TreeLayout::ColumnChanged(TreeColumn const&, bool)
{
    if (LaysOutRows())
        m_host.Repaint();
}

void lumo::TreeLayout::ColumnTitleChanged(TreeColumn const&)
{
    if (LaysOutRows())
        m_host.Repaint();
}

void lumo::TreeLayout::ControlChanged(FloatControl const&)
{
    if (LaysOutRows())
        m_host.Repaint();
}

void lumo::TreeLayout::StylesChanged()
{
    m_frameKnown = false; // the grid style's borders may have changed
    if (LaysOutRows())
        m_host.Repaint();
}

void lumo::TreeLayout::EndEdit(FloatControl const* control)
{
    m_host.EndEdit(control);
}

// --- The window

void lumo::TreeLayout::SetClientSize(int width, int height)
{
    m_hasWindow = true;
    m_frameKnown = false;
    m_clientWidth = width;
    m_clientHeight = height;
    Refresh();
}

void lumo::TreeLayout::Refresh()
{
    m_columnsDirty = true;
    m_frameKnown = false;
    if (!LaysOutRows())
        return;
    EnsureColumns();
    UpdateBars();
    m_host.Repaint();
}

// --- Geometry

lumo::GridFrame const& lumo::TreeLayout::Frame() const
{
    if (!m_frameKnown)
    {
        DrawStyle const& grid = *m_model.Styles().GetDefaultStyle(ObjectType::Grid);
        auto border = [&](unsigned side) { return grid.GetBorderWidth(kStateNormal, side); };
        m_frame = GridFrame{grid.GetPadding(), border(kSideLeft), border(kSideTop), border(kSideRight),
                            border(kSideBottom)};
        m_frameKnown = true;
    }
    return m_frame;
}

lumo::Insets lumo::TreeLayout::GetInsets() const
{
    GridFrame const& frame = Frame();
    Rect const& padding = frame.padding;
    return Insets{std::max(padding.left, frame.left), std::max(padding.top, frame.top),
                  std::max(padding.right, frame.right + (m_vertical.shown ? kBarThickness : 0)),
                  std::max(padding.bottom, frame.bottom + (m_horizontal.shown ? kBarThickness : 0))};
}

int lumo::TreeLayout::ColumnsStart() const
{
    return GetInsets().left +
           (m_model.IsRowHeaderVisible() ? static_cast<int>(m_model.GetRowHeaderWidth()) : 0);
}

int lumo::TreeLayout::RowsStart() const
{
    return GetInsets().top +
           (m_model.IsColumnHeaderVisible() ? static_cast<int>(m_model.GetColumnHeaderHeight()) : 0);
}

int lumo::TreeLayout::PageWidth() const
{
    Insets const insets = GetInsets();
    return m_clientWidth - insets.left - insets.right;
}

int lumo::TreeLayout::ClientHeight() const
{
    Insets const insets = GetInsets();
    return m_clientHeight - insets.top - insets.bottom;
}

int lumo::TreeLayout::PageHeight() const
{
    return ClientHeight() -
           (m_model.IsColumnHeaderVisible() ? static_cast<int>(m_model.GetColumnHeaderHeight()) + 1 : 0);
}

int lumo::TreeLayout::ContentWidth()
{
    int width = TotalColumnsWidth();
    int const border = Frame().left;
    for (unsigned i = 0; i < m_model.GetFloatControlCount(); ++i)
        width = std::max(width, m_model.GetFloatControl(i).GetRect().right + 1 - border);
    return width;
}

int lumo::TreeLayout::ContentHeight()
{
    int height = TotalRowsHeight();
    int const border = Frame().top;
    for (unsigned i = 0; i < m_model.GetFloatControlCount(); ++i)
        height = std::max(height, m_model.GetFloatControl(i).GetRect().bottom + 1 - border);
    return height;
}

int lumo::TreeLayout::TotalColumnsWidth()
{
    EnsureColumns();
    return m_totalColumnsWidth;
}

int lumo::TreeLayout::TotalRowsHeight()
{
    return m_model.Rows().TotalHeight();
}

int lumo::TreeLayout::LockedWidth()
{
    EnsureColumns();
    return m_lockedWidth;
}

bool lumo::TreeLayout::IsLocked(TreeColumn const& column)
{
    EnsureColumns();
    return std::find(m_lockedColumns.begin(), m_lockedColumns.end(), &column) != m_lockedColumns.end();
}

// --- Columns

void lumo::TreeLayout::EnsureColumns()
{
    if (m_columnsDirty)
        LayOutColumns();
}

void lumo::TreeLayout::LayOutColumns()
{
    m_columnsDirty = false;
    int running = m_model.IsRowHeaderVisible() ? static_cast<int>(m_model.GetRowHeaderWidth()) : 0;
    int const rowHeader = running;
    m_lockedColumns.clear();
    m_lockedWidth = 0;
    TreeColumn const* const lock = m_model.GetLockColumn();
    int const lockIndex = lock != nullptr ? m_model.GetColumnIndex(*lock) : -1;
    std::vector<TreeColumn*> const& columns = m_model.Columns();
    for (std::size_t index = 0; index < columns.size(); ++index)
    {
        TreeColumn& column = *columns[index];
        if (!column.IsVisible())
        {
            column.SetLeft(0);
            continue;
        }
        int const fixed = column.GetFixedPosition();
        column.SetLeft(fixed != -1 && fixed != 0 ? fixed + rowHeader : running);
        running = std::max(running, column.GetRight() + 1);
        if (lockIndex >= 0 && static_cast<int>(index) <= lockIndex)
        {
            m_lockedColumns.push_back(&column);
            m_lockedWidth = std::max(m_lockedWidth, running + 2);
        }
    }
    m_totalColumnsWidth = running;
}

// --- Scroll bars

lumo::ScrollBarState const& lumo::TreeLayout::Bar(bool horizontal)
{
    return horizontal ? m_horizontal : m_vertical;
}

void lumo::TreeLayout::HideBar(bool horizontal, bool hide)
{
    ScrollBarState& bar = horizontal ? m_horizontal : m_vertical;
    if (bar.hiddenByHost == hide)
        return;
    bar.hiddenByHost = hide;
    if (LaysOutRows())
    {
        UpdateBars();
        m_host.Repaint();
    }
}

void lumo::TreeLayout::SetShown(ScrollBarState& bar, bool shown, bool horizontal)
{
    if (bar.shown == shown)
        return;
    bar.shown = shown;
    m_host.ScrollBarVisibilityChanged(horizontal);
}

void lumo::TreeLayout::UpdateBars()
{
    // Each bar's visibility changes the page of the other: settle both (two rounds at most can change).
    for (int round = 0; round < 3; ++round)
    {
        bool const vertical = m_vertical.shown;
        bool const horizontal = m_horizontal.shown;
        UpdateVerticalBar();
        UpdateHorizontalBar();
        if (vertical == m_vertical.shown && horizontal == m_horizontal.shown)
            break;
    }
}

void lumo::TreeLayout::UpdateVerticalBar()
{
    if (!m_hasWindow)
        return;
    ScrollBarState const before = m_vertical;
    RowPositions& rows = m_model.Rows();
    int const page = PageHeight();
    int const total = rows.TotalHeight();
    SetShown(m_vertical, page < total && !m_vertical.hiddenByHost, false);
    if (!m_vertical.shown && before.shown)
        SetTopRow(rows.FirstShown());
    GridFrame const& frame = Frame();
    m_vertical.rect =
        Rect{m_clientWidth - frame.right - kBarThickness, frame.top, m_clientWidth - frame.right,
             m_clientHeight - (m_horizontal.shown ? 15 : 0) - frame.bottom};

    // No empty space below the last row: the top moves up to the highest row from which every row to the
    // last one still fits the page.
    TreeNode* topRow = TopRow();
    if (topRow != nullptr && total > page && total - TopOf(*topRow) < page)
    {
        int index = rows.IndexOf(*topRow);
        while (TreeNode* const previous = rows.RowAt(index - 1))
        {
            if (total - TopOf(*previous) > page)
                break;
            topRow = previous;
            --index;
        }
        SetTopRow(topRow);
    }
    m_verticalPosition = topRow != nullptr ? TopOf(*topRow) : 0;
    m_vertical.maximum = total;
    m_vertical.page = page;
    m_vertical.position = m_verticalPosition;
    if (m_vertical.shown != before.shown || m_vertical.rect != before.rect ||
        m_vertical.maximum != before.maximum || m_vertical.page != before.page ||
        m_vertical.position != before.position)
        m_host.ScrollBarsChanged();
}

void lumo::TreeLayout::UpdateHorizontalBar()
{
    if (!m_hasWindow)
        return;
    ScrollBarState const before = m_horizontal;
    int const content = ContentWidth();
    int const page = PageWidth();
    SetShown(m_horizontal,
             content - 1 > page + (m_vertical.shown ? kBarThickness : 0) && !m_horizontal.hiddenByHost, true);
    if (!m_horizontal.shown)
        m_horizontalOffset = 0;
    GridFrame const& frame = Frame();
    int const left = frame.left + LockedWidth();
    int const top = m_clientHeight - frame.bottom - kBarThickness;
    m_horizontal.rect =
        Rect{left, top, m_clientWidth - (m_vertical.shown ? 15 : 0) - frame.right, top + kBarThickness};
    if (m_horizontal.shown)
        m_horizontalOffset = std::max(0, std::min(m_horizontalOffset, content - page));
    m_horizontal.maximum = content;
    m_horizontal.page = page;
    m_horizontal.position = m_horizontalOffset;
    if (m_horizontal.shown != before.shown || m_horizontal.rect != before.rect ||
        m_horizontal.maximum != before.maximum || m_horizontal.page != before.page ||
        m_horizontal.position != before.position)
        m_host.ScrollBarsChanged();
}

// --- The top visible row

lumo::TreeNode* lumo::TreeLayout::TopRow()
{
    TreeNode*& top = m_model.References().topRow;
    // A row that stopped being shown hands over to its nearest shown ancestor; a removed one to the row
    // now at the scroll position.
    while (top != nullptr && !top->IsShown())
        top = top->GetParent()->IsRoot() ? nullptr : top->GetParent();
    if (top == nullptr)
    {
        RowPositions& rows = m_model.Rows();
        top = rows.RowAtY(m_verticalPosition);
        if (top == nullptr)
            top = rows.LastShown();
    }
    return top;
}

void lumo::TreeLayout::SetTopRow(TreeNode* node)
{
    m_model.References().topRow = node;
    m_verticalPosition = node != nullptr ? TopOf(*node) : 0;
}

int lumo::TreeLayout::TopOf(TreeNode& node)
{
    return m_model.Rows().TopOf(node);
}

int lumo::TreeLayout::RelativeTop(TreeNode& node)
{
    TreeNode* const top = TopRow();
    return TopOf(node) - (top != nullptr ? TopOf(*top) : 0);
}

lumo::TreeNode* lumo::TreeLayout::TopVisibleNode()
{
    return TopRow();
}

lumo::TreeNode* lumo::TreeLayout::BottomVisibleNode()
{
    TreeNode* const top = TopRow();
    if (top == nullptr)
        return nullptr;
    TreeNode* const bottom = m_model.Rows().RowAtY(TopOf(*top) + std::max(PageHeight(), 1) - 1);
    return bottom != nullptr ? bottom : m_model.Rows().LastShown();
}

lumo::TreeNode* lumo::TreeLayout::Step(TreeNode* node, int rows, bool down)
{
    RowPositions& positions = m_model.Rows();
    int const index = positions.IndexOf(*node);
    if (!down)
        return positions.RowAt(std::max(0, index - rows));
    TreeNode* const target = positions.RowAt(index + rows);
    return target != nullptr ? target : positions.LastShown();
}

// --- Scrolling

int lumo::TreeLayout::HorizontalOffset()
{
    return m_horizontalOffset;
}

int lumo::TreeLayout::VerticalPosition()
{
    TreeNode* const top = TopRow();
    return top != nullptr ? TopOf(*top) : 0;
}

int lumo::TreeLayout::HorizontalRange()
{
    return ContentWidth() - PageWidth();
}

int lumo::TreeLayout::VerticalRange()
{
    return ContentHeight() - ClientHeight();
}

void lumo::TreeLayout::SetHorizontalScrollPosition(int x)
{
    m_horizontalOffset = std::max(0, std::min(x, std::max(0, ContentWidth() - PageWidth())));
    UpdateHorizontalBar();
    m_host.Repaint();
}

void lumo::TreeLayout::SetVerticalScrollPosition(int y)
{
    int const header =
        m_model.IsColumnHeaderVisible() ? 2 * static_cast<int>(m_model.GetColumnHeaderHeight()) : 0;
    y = std::max(0, std::min(y, header - ClientHeight() + ContentHeight()));
    TreeNode* row = m_model.Rows().RowAtY(y);
    if (row == nullptr)
        row = m_model.Rows().LastShown();
    if (row == TopRow())
        return;
    SetTopRow(row);
    UpdateVerticalBar();
    m_host.Repaint();
}

void lumo::TreeLayout::Horizontal(int request, int position)
{
    if (!m_horizontal.shown)
        return;
    int offset = m_horizontalOffset;
    switch (request)
    {
    case kScrollLineBack:
        offset = std::max(0, offset - static_cast<int>(m_horizontalStep));
        break;
    case kScrollLineOn:
        offset =
            std::min(offset + static_cast<int>(m_horizontalStep), GetInsets().left + TotalColumnsWidth());
        break;
    case kScrollPageBack:
        offset = std::max(0, offset - PageWidth());
        break;
    case kScrollPageOn:
        offset += PageWidth();
        break;
    case kScrollThumbTrack:
        offset = position;
        break;
    default:
        return;
    }
    m_horizontalOffset = offset;
    UpdateHorizontalBar();
    m_host.Repaint();
}

void lumo::TreeLayout::Vertical(int request, int count, int trackPosition)
{
    TreeNode* const top = TopRow();
    if (!m_vertical.shown || top == nullptr)
        return;
    RowPositions& rows = m_model.Rows();
    int const old = TopOf(*top);
    switch (request)
    {
    case kScrollLineBack:
        SetTopRow(Step(top, count + 1, false));
        break;
    case kScrollLineOn:
        if (BottomVisibleNode() != rows.LastShown())
            SetTopRow(Step(top, count + 1, true));
        break;
    case kScrollPageBack:
    {
        // The highest row less than a page above the old top; the row just above when that one is not.
        int const page = PageHeight();
        int index = rows.IndexOf(*top);
        TreeNode* highest = rows.RowAt(index - 1);
        for (TreeNode* row = highest; row != nullptr && old - TopOf(*row) < page;
             row = rows.RowAt(--index - 1))
            highest = row;
        SetTopRow(highest != nullptr ? highest : rows.FirstShown());
        break;
    }
    case kScrollPageOn:
    {
        TreeNode* const bottom = BottomVisibleNode();
        TreeNode* const next = bottom != nullptr ? rows.NextShown(*bottom) : nullptr;
        SetTopRow(next != nullptr ? next : rows.LastShown());
        break;
    }
    case kScrollThumbPosition:
    case kScrollThumbTrack:
    {
        if (trackPosition == old)
            return;
        int const maximum = m_vertical.maximum - m_vertical.page;
        if (maximum > trackPosition + 5)
        {
            TreeNode* const row = rows.RowAtY(trackPosition);
            SetTopRow(row != nullptr ? row : trackPosition > old ? rows.LastShown() : rows.FirstShown());
        }
        else if (trackPosition > old && old != maximum)
            SetTopRow(rows.LastShown());
        break;
    }
    default:
        return;
    }
    AfterVerticalMove(old);
}

void lumo::TreeLayout::AfterVerticalMove(int oldPosition)
{
    UpdateVerticalBar(); // keeps the last row flush with the bottom
    if (m_verticalPosition != oldPosition)
        m_host.Repaint();
}

void lumo::TreeLayout::Wheel(int delta)
{
    Vertical(delta < 0 ? kScrollLineOn : kScrollLineBack, 3, 0);
}

void lumo::TreeLayout::EnsureVisible(FloatControl& control, bool centre, bool horizontalOnly)
{
    int left = 0;
    int right = 0;
    if (TreeCell* const cell = control.AsCell())
    {
        TreeNode& node = cell->GetNode();
        // Every collapsed ancestor is expanded, from the top level down.
        std::vector<TreeNode*> ancestors;
        for (TreeNode* up = node.GetParent(); up != nullptr && !up->IsRoot(); up = up->GetParent())
            ancestors.push_back(up);
        for (auto up = ancestors.rbegin(); up != ancestors.rend(); ++up)
            if (!(*up)->IsExpanded())
                (*up)->SetExpanded(true);
        TreeNode* const top = TopRow();
        if (!horizontalOnly && m_vertical.shown && node.IsShown() && top != nullptr)
        {
            RowPositions& rows = m_model.Rows();
            int const nodeTop = TopOf(node);
            int const bottom = nodeTop + static_cast<int>(node.GetHeight());
            int const page = PageHeight();
            if (nodeTop < TopOf(*top))
                SetTopRow(&node);
            else if (bottom - TopOf(*top) >= page)
            {
                // The node becomes the last fully visible row.
                TreeNode* candidate = &node;
                int index = rows.IndexOf(node);
                while (TreeNode* const previous = rows.RowAt(index - 1))
                {
                    if (bottom - TopOf(*previous) > page)
                        break;
                    candidate = previous;
                    --index;
                }
                SetTopRow(candidate);
            }
            UpdateVerticalBar();
            m_host.Repaint();
        }
        TreeColumn& column = cell->GetColumn();
        EnsureColumns();
        left = column.GetLeft();
        right = column.GetRight();
    }
    else
    {
        if (!horizontalOnly)
            return;
        Rect const r = static_cast<FreeFloatControl&>(control).GetRect();
        left = r.left;
        right = r.right - 1;
    }
    if (!m_horizontal.shown)
        return;
    int const rowHeader = m_model.IsRowHeaderVisible() ? static_cast<int>(m_model.GetRowHeaderWidth()) : 0;
    int const rangeLeft = m_horizontalOffset + rowHeader;
    int const rangeRight = rangeLeft + PageWidth();
    if (centre)
        m_horizontalOffset =
            std::max(0, m_horizontalOffset + (left + right) / 2 - (rangeLeft + rangeRight) / 2);
    else if (left < rangeLeft)
        m_horizontalOffset = left - rowHeader; // the column's left edge at the left of the range
    else if (right > rangeRight)
        m_horizontalOffset += std::min(right - rangeRight + 1, left - rangeLeft);
    UpdateHorizontalBar();
    m_host.Repaint();
}

// --- Rectangles

int lumo::TreeLayout::ScrolledLeft(TreeColumn& column)
{
    EnsureColumns();
    return column.GetLeft() - (IsLocked(column) ? 0 : m_horizontalOffset);
}

lumo::Rect lumo::TreeLayout::RowRect(TreeNode& node)
{
    if (!m_hasWindow || !node.IsShown())
        return Rect{};
    int const top = RowsStart() + RelativeTop(node);
    Insets const insets = GetInsets();
    return Rect{ColumnsStart() - m_horizontalOffset, top,
                insets.left + TotalColumnsWidth() - m_horizontalOffset,
                top + static_cast<int>(node.GetHeight())};
}

lumo::Rect lumo::TreeLayout::RowHeaderRect(TreeNode& node)
{
    if (!m_hasWindow || !node.IsShown() || !m_model.IsRowHeaderVisible())
        return Rect{};
    int const top = RowsStart() + RelativeTop(node);
    return Rect{GetInsets().left, top, ColumnsStart(), top + static_cast<int>(node.GetHeight())};
}

lumo::Rect lumo::TreeLayout::ColumnRect(TreeColumn& column)
{
    if (!m_hasWindow || !column.IsVisible())
        return Rect{};
    int const left = GetInsets().left + ScrolledLeft(column);
    return Rect{left, RowsStart(), left + column.GetWidth(), GetInsets().top + ClientHeight()};
}

lumo::Rect lumo::TreeLayout::ColumnHeaderRect(TreeColumn& column)
{
    if (!m_hasWindow || !column.IsVisible() || !m_model.IsColumnHeaderVisible())
        return Rect{};
    int const left = GetInsets().left + ScrolledLeft(column);
    return Rect{left, GetInsets().top, left + column.GetWidth(), RowsStart()};
}

lumo::Rect lumo::TreeLayout::OuterRect(FloatControl& control)
{
    if (!m_hasWindow)
        return Rect{};
    if (TreeCell* const cell = control.AsCell())
    {
        TreeNode& node = cell->GetNode();
        TreeColumn& column = cell->GetColumn();
        if (!node.IsShown() || !column.IsVisible())
            return Rect{};
        int const left = GetInsets().left + ScrolledLeft(column);
        int const top = RowsStart() + RelativeTop(node);
        return Rect{left, top, left + column.GetWidth(), top + static_cast<int>(node.GetHeight())};
    }
    auto& free = static_cast<FreeFloatControl&>(control);
    return Shifted(free.GetRect(), free.IsHorizontallyLocked() ? 0 : -m_horizontalOffset,
                   free.IsVerticallyLocked() ? 0 : -VerticalPosition());
}

lumo::CellGeometry lumo::TreeLayout::LayOut(FloatControl& control)
{
    return LayOutCell(m_model, m_measure, control, OuterRect(control), control.GetState());
}

// --- What lies under a point

lumo::TreeColumn* lumo::TreeLayout::ColumnAt(Point p)
{
    Insets const insets = GetInsets();
    if (p.x < insets.left || p.y < insets.top)
        return nullptr;
    EnsureColumns();
    int const x = p.x + m_horizontalOffset - insets.left;
    for (TreeColumn* column : m_model.Columns())
        if (column->IsVisible() && column->GetLeft() <= x && x <= column->GetRight())
            return column;
    return nullptr;
}

lumo::TreeNode* lumo::TreeLayout::NodeAt(Point p)
{
    int const rowsStart = RowsStart();
    if (p.x + m_horizontalOffset >= GetInsets().left + TotalColumnsWidth() || p.y <= rowsStart)
        return nullptr;
    int const y = p.y - rowsStart;
    TreeNode* const top = TopRow();
    if (top == nullptr)
        return nullptr;
    RowPositions& rows = m_model.Rows();
    int const origin = TopOf(*top);
    for (int index = rows.IndexOf(*top);; ++index)
    {
        TreeNode* const row = rows.RowAt(index);
        if (row == nullptr)
            return nullptr;
        int const relative = TopOf(*row) - origin;
        if (relative > y)
            return nullptr;
        if (y <= relative + static_cast<int>(row->GetHeight()))
            return row; // a point on the boundary belongs to the upper row
    }
}

lumo::FreeFloatControl* lumo::TreeLayout::FloatControlAt(Point p)
{
    for (unsigned i = m_model.GetFloatControlCount(); i-- > 0;)
    {
        FreeFloatControl& control = m_model.GetFloatControl(i);
        if (control.IsVisible() && Contains(OuterRect(control), p))
            return &control;
    }
    return nullptr;
}

void lumo::TreeLayout::Classify(HitResult& hit, Point p)
{
    CellGeometry const geometry = LayOut(*hit.control);
    if (!geometry.laidOut)
    {
        hit.code = kHitNowhere;
        return;
    }
    ObjStyle& style = hit.control->GetStyle();
    hit.code = geometry.PartAt(p);
    if (hit.code == 0)
    {
        bool const focusedControl =
            m_model.References().focus == hit.control && CoversFocusedCell(style.GetControlKind());
        hit.code =
            Contains(geometry.content, p) || !IsEmpty(m_measure.EditorRect(*hit.control)) || focusedControl
                ? kHitItem
                : kHitCell;
    }
    hit.selects = (m_model.GetStyleBits() & kSelectionStyles) != 0 ||
                  SelectionModeCovers(style.GetSelectionMode(), hit.code);
}

lumo::HitResult lumo::TreeLayout::HitTest(Point p)
{
    HitResult hit;
    if (!m_hasWindow)
        return hit;
    if (FreeFloatControl* const control = FloatControlAt(p))
    {
        hit.control = control;
        Classify(hit, p);
        return hit;
    }
    hit.node = NodeAt(p);
    hit.column = ColumnAt(p);
    int const rowsStart = RowsStart();
    bool const inHeader = p.y < rowsStart;
    Insets const insets = GetInsets();
    int const x = p.x + m_horizontalOffset;
    int const columnsStart = ColumnsStart();
    if (m_model.IsRowHeaderVisible() && insets.left + m_horizontalOffset < x &&
        x < columnsStart + m_horizontalOffset)
    {
        hit.column = nullptr;
        if (inHeader)
        {
            hit.node = nullptr;
            hit.code = x > columnsStart + m_horizontalOffset - kEdgeBand ? kHitRowHeaderEdge
                       : p.y > rowsStart - kEdgeBand                     ? kHitColumnHeaderEdge
                                                                         : kHitCorner;
        }
        else if (hit.node != nullptr)
            hit.code = p.y < RowRect(*hit.node).bottom - kRowEdgeBand ? kHitRowHeader : kHitRowEdge;
        return hit;
    }
    if (p.y < 0)
        return hit;
    if (inHeader || m_model.IsStyleSet(TreeStyle::kFullHeightColumnResize))
    {
        // The band is the column's last pixels, in the columns' own coordinates.
        if (hit.column != nullptr && x - insets.left >= hit.column->GetRight() - kEdgeBand)
        {
            hit.code = kHitColumnEdge;
            return hit;
        }
        if (inHeader)
        {
            hit.code = hit.column != nullptr ? kHitColumnHeader : kHitNowhere;
            return hit;
        }
    }
    if (hit.node == nullptr || hit.column == nullptr)
        return hit;
    hit.control = m_model.CellOf(*hit.node, *hit.column);
    if (hit.control == nullptr)
    {
        hit.code = kHitCell;
        return hit;
    }
    Classify(hit, p);
    return hit;
}
