// The tree grid's mouse, keyboard and timer: presses and releases, resizing and dragging, the focus cell
// and the selection, keys and type-ahead, hover, tooltips and the delayed opening of editors, each with
// the host's say at its moment.
//
// Anything the interaction points at lives in the model's references, which a removal clears, so a
// handler may remove what it is told about. A handler may even destroy the grid: every call to the host
// is followed by a look at the grid's liveness token before anything else is touched.
#pragma once

#include "LumoControls/TreeGrid/TreeLayout.h"
#include "LumoControls/TreeGrid/TreeNavigation.h"
#include "LumoControls/TreeGrid/w32/TreeGridImpl.h"

#include <commctrl.h>

#include <memory>

class CTreeGrid::CImpl::CInteraction
{
public:
    CInteraction(CImpl& grid, lumo::TreeLayout& layout);
    ~CInteraction();
    CInteraction(CInteraction const&) = delete;
    CInteraction& operator=(CInteraction const&) = delete;

    void Attach(HWND window, HWND tooltip);
    void Detach(); // the window is going: the drag image and every pending thing go too

    // --- Messages. keys: the MK_ flags the mouse message carries.
    void OnLeftPress(POINT point, bool doubleClick, UINT keys);
    void OnMouseMove(POINT point, UINT keys);
    void OnLeftRelease(POINT point, UINT keys);
    void OnRightButton(POINT point, bool down, UINT keys);
    void OnKeyDown(UINT key, LPARAM flags);
    void OnChar(wchar_t character);
    bool OnSetCursor(); // false: the default cursor
    void OnMouseLeave();
    void OnFocus(bool gained, HWND other);
    void OnTooltipShown(bool shown) { m_tooltipShown = shown; }
    void OnTooltipText(NMTTDISPINFOW& info);
    void OnTimer();
    void OnCaptureLost();

    // Moves the focus cell (the host may refuse); shown: whether the focus border shows afterwards.
    bool MoveFocus(lumo::FloatControl* target, bool shown);
    // The selection changed: the host hears of it and a pending activation is dropped.
    void SelectionChanged();
    unsigned PendingActivation() const { return m_pendingActivation; }
    // Where a drop would go: before or after the target column, above, onto or below the target node.
    bool DropBefore() const { return m_dropBefore; }
    lumo::DropZone DropZoneOf() const { return m_dropZone; }

private:
    enum class Resize
    {
        None,
        RowHeaderWidth,
        ColumnHeaderHeight,
        Column,
        Row,
        FloatControl, // moved or resized by its border
    };
    // The edges of a free float control that the mouse drags (all four: a move).
    struct Edges
    {
        bool left = false, top = false, right = false, bottom = false;
        bool Any() const { return left || top || right || bottom; }
    };

    bool Alive(std::shared_ptr<bool> const& token) const { return *token; }
    // The grid lives and nothing was removed since the epoch was read.
    bool Intact(std::uint64_t epoch) { return *m_alive && m_grid.Model().References().removals == epoch; }
    // Asks the host (when there is one); false when it refused, or removed anything meanwhile (what was
    // asked about may be gone), and then no resize is armed.
    template <class Ask> bool HostAgrees(Ask const& ask)
    {
        std::shared_ptr<bool> const alive = m_alive;
        std::uint64_t const epoch = Refs().removals;
        bool const agreed = Handler() == nullptr || ask();
        if (agreed && Intact(epoch))
            return true;
        if (Alive(alive))
            m_resize = Resize::None;
        return false;
    }
    lumo::HitResult Hit(POINT point);
    // The free float control the mouse works on, if it still exists.
    lumo::FreeFloatControl* PressedFree() const;
    // The modifiers of the mouse message being handled (keys: the keyboard's state).
    bool Shift() const { return (m_keys & MK_SHIFT) != 0; }
    bool Control() const { return (m_keys & MK_CONTROL) != 0; }
    CEventsHandler* Handler() const { return m_grid.handler; }
    lumo::TreeReferences& Refs() { return m_grid.Model().References(); }

    // Left press, by its steps.
    bool StartResize(lumo::HitResult const& hit);
    void PressSelection(lumo::HitResult const& hit, bool& handled);
    // Mouse move with the button down.
    void DragResize(POINT point);
    void ArmHover(POINT point, lumo::HitResult const& hit);
    void ArmFloatControl(POINT point, lumo::FreeFloatControl& control);
    void StartDrag(POINT point);
    void TrackDrag(POINT point);
    void AutoScroll(POINT point);
    void ExtendSelectionTo(lumo::HitResult const& hit);
    // Left release, by its steps.
    void FinishDrag(POINT point);
    void FinishResize();
    void CommitPendingSelection(bool hadSelection);
    void EndPress();
    // The drag image.
    void MakeDragImage(POINT point);
    void DropDragImage();

    // Selection and focus.
    // Each false when the host removed something meanwhile (the cell may be gone: let go of it).
    bool SelectOnly(lumo::TreeCell& cell);
    bool SelectRange(lumo::TreeCell& target);
    bool ToggleSelection(lumo::TreeCell& cell);
    void KeyMove(lumo::KeyMove move, bool shift, bool control);
    bool CancelMouseOperation();

    // Hover and tooltips.
    void SetHover(lumo::HitResult const& hit);
    void HideTooltip();
    void ShowTooltip(POINT screen);
    bool ForegroundIsOurs() const;

    CImpl& m_grid;
    lumo::TreeLayout& m_layout;
    HWND m_window = nullptr;
    HWND m_tooltip = nullptr;
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);

    UINT m_keys = 0;
    // The press.
    POINT m_pressPoint{};
    int m_pressHit = lumo::kHitNowhere;
    bool m_pressOnControl = false; // the press hit a cell or a free float control
    bool m_pressOnPart = false;    // the press hit a control part
    bool m_editorAtPress = false;  // an editor was open when the press came
    bool m_selectedAtPress = false;
    bool m_doubleClick = false;
    bool m_cornerPressed = false;
    bool m_selectionDrag = false;  // a press on a selectable cell may become a selection by dragging
    bool m_toggledAtPress = false; // Ctrl (or multi-selection) changed the cell's selection at the press
    bool m_pendingWasNone = false; // the release had no pending cell to select
    bool m_releasing = false;      // our own release of the capture is not a lost capture
    lumo::FreeFloatControl* m_pressedFree = nullptr; // compared by number: a removal forgets it
    std::uint64_t m_pressedFreeNumber = 0;
    // Resizing.
    Resize m_resize = Resize::None;
    int m_startSize = 0;
    lumo::Rect m_startRect{};
    Edges m_edges;
    bool m_resizeMoved = false;
    // Dragging.
    bool m_dragRefused = false;
    bool m_dragging = false;
    bool m_dropBefore = false;
    lumo::DropZone m_dropZone = lumo::DropZone::Below;
    HIMAGELIST m_dragImage = nullptr;
    // The timer's work.
    unsigned m_pendingActivation = 0;
    unsigned m_tooltipTicks = 0;
    bool m_tooltipShown = false;
    bool m_tooltipVisible = false; // shown by us and not hidden since
    std::wstring m_tooltipText;    // the text the tooltip shows, kept while it shows
    POINT m_lastCursor{-1, -1};
    int m_hoverHit = lumo::kHitNowhere;
    lumo::TypeAhead m_typeAhead;
};
