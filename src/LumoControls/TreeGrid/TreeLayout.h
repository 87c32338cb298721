// The tree grid's geometry: the insets of the window, the place of every column and row, the two scroll
// bars with their ranges and positions, scrolling, scrolling into view, and what lies under a point.
//
// The layout is the model's view. A change of the model costs the layout only what it changes: row
// positions are kept by the model's row positions (computed lazily, found by position in logarithmic
// time), the height of all rows is known at once, and the scroll bars are recomputed from those totals
// in constant time. What the window shows of the bars (their windows and scroll information) is only
// marked as changed here; the window brings it up to date before it next paints or scrolls, so that a
// burst of insertions touches the bar windows once.
#pragma once

#include "LumoControls/TreeGrid/CellLayout.h"
#include "LumoControls/TreeGrid/TreeEvents.h"

#include <vector>

namespace lumo
{
// The hit codes of a point (HitTest).
enum HitCode : int
{
    kHitNowhere = 0,
    kHitRowHeaderEdge = 1,
    kHitColumnHeaderEdge = 2,
    kHitCorner = 3,
    kHitColumnHeader = 4,
    kHitColumnEdge = 5,
    kHitRowHeader = 6,
    kHitRowEdge = 7,
    kHitItem = 11,
    kHitCell = 12,
};

// The scroll requests of the platform's scroll bars.
enum ScrollRequest : int
{
    kScrollLineBack = 0, // left or up
    kScrollLineOn = 1,   // right or down
    kScrollPageBack = 2,
    kScrollPageOn = 3,
    kScrollThumbPosition = 4,
    kScrollThumbTrack = 5,
};

// What the layout tells the window around it.
class ILayoutHost
{
public:
    virtual ~ILayoutHost() = default;
    // The whole client area must be painted again (once, whatever the number of calls before it is).
    virtual void Repaint() = 0;
    // A scroll bar's visibility, place or scroll information changed: the window brings its bars up to date.
    virtual void ScrollBarsChanged() = 0;
    // A bar appeared or disappeared: the host's handler hears of it now.
    virtual void ScrollBarVisibilityChanged(bool horizontal) = 0;
    // Any in-cell edit ends (committed); with a control given, only the edit of that control.
    virtual void EndEdit(FloatControl const* control) = 0;
};

struct ScrollBarState
{
    bool shown = true; // until the first update, which hides a bar that is not needed
    bool hiddenByHost = false;
    Rect rect{};
    int maximum = 0;
    int page = 0;
    int position = 0;
};

// The grid style's padding and border widths, as the insets and the bars' places read them.
struct GridFrame
{
    Rect padding;
    int left;
    int top;
    int right;
    int bottom;
};

struct Insets
{
    int left;
    int top;
    int right;
    int bottom;
};

struct HitResult
{
    int code = kHitNowhere;
    TreeColumn* column = nullptr;
    TreeNode* node = nullptr;
    FloatControl* control = nullptr; // the cell or free float control hit
    bool selects = false;            // whether the hit counts for selection
};

class TreeLayout : public ITreeView
{
public:
    TreeLayout(TreeModel& model, ILayoutHost& host, ICellMeasure const& measure);
    ~TreeLayout() override;

    // --- ITreeView.
    void RowsChanged(TreeNode const* from) override;
    void ColumnsChanged() override;
    void LayoutChanged() override;
    void RowChanged(TreeNode const& node, bool header) override;
    void ColumnChanged(TreeColumn const& column, bool header) override;
    void ColumnTitleChanged(TreeColumn const& column) override;
    void ControlChanged(FloatControl const& control) override;
    void StylesChanged() override;
    void EndEdit(FloatControl const* control) override;

    // --- The window. The layout lays out and updates bars only once the window has a size.
    void SetClientSize(int width, int height);
    bool HasWindow() const { return m_hasWindow; }
    int GetWindowWidth() const { return m_clientWidth; }
    int GetWindowHeight() const { return m_clientHeight; }
    // Called when locked update ends, and by Refresh: everything is laid out again and repainted.
    void Refresh();

    // --- Geometry.
    Insets GetInsets() const;
    int ColumnsStart() const;
    int RowsStart() const;
    int PageWidth() const;    // the client width less the insets
    int ClientHeight() const; // the client height less the insets
    int PageHeight() const;   // less the column header too
    int ContentWidth();
    int ContentHeight();
    int TotalColumnsWidth();
    int TotalRowsHeight();
    int LockedWidth();
    bool IsLocked(TreeColumn const& column);

    // --- Rectangles in client coordinates (empty without a window, or for what is not shown).
    Rect RowRect(TreeNode& node);
    Rect RowHeaderRect(TreeNode& node);
    Rect ColumnRect(TreeColumn& column);
    Rect ColumnHeaderRect(TreeColumn& column);
    Rect OuterRect(FloatControl& control); // a cell's or free float control's rectangle
    CellGeometry LayOut(FloatControl& control);
    // The column's left less the horizontal scroll offset.
    int ScrolledLeft(TreeColumn& column);

    // --- Scrolling.
    int HorizontalOffset();
    int VerticalPosition();
    void SetHorizontalScrollPosition(int x);
    void SetVerticalScrollPosition(int y);
    int HorizontalRange();
    int VerticalRange();
    void SetHorizontalStep(unsigned step) { m_horizontalStep = std::max(step, 5u); }
    unsigned GetHorizontalStep() const { return m_horizontalStep; }
    void HideBar(bool horizontal, bool hide);
    ScrollBarState const& Bar(bool horizontal);
    void Horizontal(int request, int position);
    // trackPosition: the bar's track position, read by the window for thumb requests.
    void Vertical(int request, int count, int trackPosition);
    void Wheel(int delta);
    void EnsureVisible(FloatControl& control, bool centre, bool horizontalOnly);
    TreeNode* TopVisibleNode();
    TreeNode* BottomVisibleNode();

    // --- What lies under a client point.
    TreeColumn* ColumnAt(Point p);
    TreeNode* NodeAt(Point p);
    FreeFloatControl* FloatControlAt(Point p);
    HitResult HitTest(Point p);

private:
    // The grid style's frame, read once until the layout changes (a host that changes the grid style's
    // borders calls Refresh).
    GridFrame const& Frame() const;
    void LayOutColumns();
    void EnsureColumns();
    void UpdateBars();
    void UpdateVerticalBar();
    void UpdateHorizontalBar();
    void SetShown(ScrollBarState& bar, bool shown, bool horizontal);
    TreeNode*& TopRowReference();
    TreeNode* TopRow();
    void SetTopRow(TreeNode* node);
    int TopOf(TreeNode& node);
    int RelativeTop(TreeNode& node); // its top less the top visible row's
    TreeNode* Step(TreeNode* node, int rows, bool down);
    void AfterVerticalMove(int oldPosition);
    bool LaysOutRows() const;
    void Classify(HitResult& hit, Point p);

    TreeModel& m_model;
    ILayoutHost& m_host;
    ICellMeasure const& m_measure;
    bool m_hasWindow = false;
    int m_clientWidth = 0;
    int m_clientHeight = 0;
    int m_horizontalOffset = 0;
    int m_verticalPosition = 0;
    unsigned m_horizontalStep = 5;
    bool m_columnsDirty = true;
    mutable bool m_frameKnown = false;
    mutable GridFrame m_frame{};
    int m_totalColumnsWidth = 0;
    int m_lockedWidth = 0;
    std::vector<TreeColumn*> m_lockedColumns;
    ScrollBarState m_vertical;
    ScrollBarState m_horizontal;
};
} // namespace lumo
