// The list grid: a flat grid of items (rows) and columns on the platform's list view.
//
// The list window is virtual: every cell lives in the grid's own model and the window asks for what it
// paints. The host adds columns, sets the item count and fills cells through the column objects the grid
// hands out (IColumn), which stay valid until their column is removed. The title, width, alignment and
// host value of a column live in the list window's header item, so columns and items can only be added
// once the window exists (Create).
//
// Errors: a refused platform call throws CWindowsApiFailed with the call's name; an item or column index
// out of range throws std::out_of_range and changes nothing.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "LumoCtrls/Export.h"
#include "LumoCtrls/ResourceTracker.h"
#include "LumoCtrls/SharedHandle.h"

class LUMO_API CGrid
{
public:
    class IColumn;
    class CEventsHandler;
    class CImpl;

    // The editor a cell gets.
    enum TItemType
    {
        ItemPlain = 0,
        ItemButton = 1, // with a "..." button
        ItemSpin = 2,   // with a spin control
    };

    enum TCommand
    {
        Delete = 0,
        Cut = 1,
        Copy = 2,
        Paste = 3,
        SelectAll = 4,
        Insert = 5,
        Undo = 6,
        Redo = 7,
    };

    enum TAlignment
    {
        AlignLeft = 1,
        AlignCenter = 2,
        AlignRight = 3,
    };

    struct TGridFindInfo
    {
        std::wstring text;
        bool whole = false; // the cell text must equal the text
        bool matchCase = false;
        bool up = false;               // towards lower item indices
        bool ignoreNonSpacing = false; // accents and other non-spacing marks do not count
        // In: the character where the search starts in the first cell searched (later cells start at 0,
        // or at their end searching up; searching up, -1 starts at the end). Out: where the text was found.
        int position = 0;
    };

    CGrid();
    ~CGrid();
    CGrid(CGrid const&) = delete;
    CGrid& operator=(CGrid const&) = delete;

    // --- Life and window.
    // Once per process before the first grid: the window classes and the default font. Each Register is
    // matched by one Unregister; the last one takes them away.
    static void Register();
    static void Unregister();
    static CFont const& GetDefaultFont(); // Tahoma, 8 points

    // rowNumbers: column 0 starts with the 1-based item number. The handler may be null.
    void Create(HWND parent, unsigned identifier, int x, int y, int width, int height, bool rowNumbers,
                CEventsHandler* handler);
    // Destroys the windows; the columns and their cells go with them.
    void Destroy();
    void Show(bool show);
    HWND SetFocus(); // returns the window that had the focus
    void Resize(int x, int y, int width, int height, bool repaint);
    void GetClientRect(RECT& rect) const;
    void RedrawWindow(unsigned flags);
    void SetRedraw(bool redraw);
    bool IsOwnerControl(CWnd const& window) const; // the list window or the cell editor

    // --- Columns.
    IColumn& AppendColumn();
    IColumn& InsertColumn(unsigned index);
    void RemoveColumn(unsigned index);
    void DeleteAllColumns();
    unsigned GetColumnCount() const;
    IColumn& GetColumn(unsigned index);
    IColumn const& GetColumn(unsigned index) const;
    unsigned GetColumnIndex(IColumn const& column) const; // unsigned(-1): not a column of this grid
    IColumn* GetSelectedColumn() const;                   // null while there is no column
    void SetSelectedColumn(IColumn& column);

    // --- Items.
    // Without force an unchanged count does nothing; otherwise every column gets count cells (new ones
    // empty) and the handler hears OnItemCountChanged.
    void SetItemCount(unsigned count, bool force);
    unsigned GetItemCount() const;
    // index may be the item count: the item is appended. The text goes to column 0.
    void InsertItem(int index, std::wstring const& text);
    // Inserts an empty item at the focused item (or at 0) and edits its first cell, with the handler's say
    // (CanInsertItem). Left empty, the item goes again when its editor closes.
    void CreateItem();
    // Edits the selected column's cell of the focused item, with the handler's say (CanEditItem/Cell).
    void EditItem();
    // Always true: an index out of range throws instead.
    bool DeleteItem(int index);
    void DeleteAllItems();
    TItemType GetItemType(unsigned item) const; // of column 0's cell
    void SetItemType(unsigned item, TItemType type);
    unsigned GetItemIcon(int item) const; // of column 0's cell
    void SetItemIcon(int item, unsigned icon);
    std::vector<CIcon> const& GetItemIconList() const;
    void SetItemIconList(std::vector<CIcon> const& icons);
    bool IsInsertionMode() const;
    int GetInsertedItem() const;
    bool IsUserModification() const;
    bool IsSuppressionMode() const;

    // --- Selection.
    unsigned GetSelectedItemsCount() const;
    bool IsMultiSelection() const; // more than one item selected
    void EnableMultiSelection(bool enable);
    void UnselectAllItems();
    void SelectItemsList(std::vector<unsigned> const& items);
    void GetSelectedItemsList(std::vector<unsigned>& items) const; // ascending
    bool IsItemSelected(int item) const;
    int GetFocusedItem() const; // -1: none
    void SetFocusedItem(int item);
    // The next selected item after `after` (-1: from the start). Found: true, with the selected column.
    bool GetFirstSelectedItem(int after, int& item, IColumn*& column) const;

    // --- Sorting and search.
    void SetSortColumn(IColumn const* column); // null: none
    IColumn* GetSortColumn() const;
    // true (the initial value): greatest text first.
    void SetSortOrder(bool order);
    bool GetSortOrder() const;
    // By the sort column's texts as UTF-16 code units; the selection stays on the same items and the
    // focus mark on the same item. Without a sort column nothing happens.
    void SortItems();
    // The first item from start whose column-0 text equals text exactly; unsigned(-1) if none.
    unsigned FindItem(std::wstring const& text, unsigned start) const;
    // The column's search from start to the end (or, with info.up, to item 0); -1 if not found.
    int FindItem(int start, IColumn const* column, TGridFindInfo& info) const;
    // --- Commands: on the list, or on the cell editor while it has the focus.
    // Only while the list itself has the focus: Delete, Cut and Copy with a selection, Paste with a
    // selection and plain text on the clipboard, SelectAll with two items or more.
    bool CanCommand(TCommand command) const;
    // False when no window has the focus; on the editor, whether it handled the command; on the list,
    // true for Delete to Insert.
    bool ProcessCommand(TCommand command);

    // escape: control characters and the backslash become a backslash and a letter ("\t", "\\"); else back.
    void FormatString(std::wstring& text, bool escape) const;

private:
    CImpl* m_impl;
};

// A column of the grid. The operations stand in this order for hosts built against this header.
class CGrid::IColumn
{
public:
    virtual void GetTitle(std::wstring& title) const = 0;
    virtual void SetTitle(std::wstring const& title) = 0;
    virtual CIcon const& GetIcon() const = 0;
    virtual void SetIcon(CIcon const& icon) = 0;
    virtual int GetWidth() const = 0;
    virtual void SetWidth(int width) = 0;
    virtual unsigned GetData() const = 0;
    virtual void SetData(unsigned data) = 0;
    virtual TAlignment GetAlignment() const = 0;
    // Centre and right replace the title's alignment; left leaves it as it is.
    virtual void SetAlignment(TAlignment alignment) = 0;
    virtual void ShowItemIcons(bool show) = 0;
    virtual bool AreItemIconsShown() const = 0;
    virtual bool IsRightToLeft() const = 0;
    virtual void SetRightToLeft(bool rightToLeft) = 0;
    virtual CFont const& GetFont() const = 0; // a null font: the default font
    virtual void SetFont(CFont const& font) = 0;
    virtual void GetItemText(unsigned item, std::wstring& text) const = 0;
    virtual void SetItemText(unsigned item, std::wstring const& text) = 0;
    virtual unsigned GetItemIcon(unsigned item) const = 0;
    virtual void SetItemIcon(unsigned item, unsigned icon) = 0;
    virtual TItemType GetItemType(unsigned item) const = 0;
    virtual void SetItemType(unsigned item, TItemType type) = 0;
    // Selects and focuses only this item, makes this the selected column and scrolls both into view.
    virtual void SelectItem(unsigned item) = 0;
    virtual void SetItemData(unsigned item, unsigned data) = 0;
    // Only when the text changes are text and data stored.
    virtual void SetItemText(unsigned item, std::wstring const& text, unsigned data) = 0;
    virtual unsigned GetItemData(unsigned item) const = 0;
    virtual void SetItemBold(unsigned item, bool bold) = 0;
    virtual void SetItemButton(unsigned item, bool button) = 0;
    virtual void SetItemSpin(unsigned item, bool spin) = 0;
    virtual bool IsItemBold(unsigned item) const = 0;
    virtual void SetItemTextColor(unsigned item, COLORREF color) = 0;
    virtual COLORREF GetItemTextColor(unsigned item) const = 0;
    virtual void SetSpinRange(int lower, int upper) = 0;
    // From start towards stop (excluded), down or up as info says; -1 if not found.
    virtual int FindItem(TGridFindInfo& info, int start, int stop) const = 0;
    virtual void SetEditOnClick(bool editOnClick) = 0;
    virtual bool IsEditOnClick() const = 0;

protected:
    ~IColumn() {}
};

// The host's callbacks. Every operation has a default: queries (returning bool) accept, as the grid does
// without a handler, except where the result is the answer to a list notification (OnHotTrack,
// OnItemChanging, OnMarqueeBegin, OnHover), whose defaults let the list go on as usual. Points are in
// screen coordinates; x and y are the list's client coordinates. The operations stand in this order for
// hosts built against this header.
class CGrid::CEventsHandler
{
public:
    virtual void OnBeginDrag(int /*item*/) {}
    virtual void OnBeginRightDrag(int /*item*/) {}
    virtual void OnColumnClick(IColumn* /*column*/) {}
    virtual void OnHeaderContextMenu(IColumn* /*column*/, POINT /*point*/) {}
    virtual void OnRowNumberHeaderClick() {}
    virtual void OnRowNumberHeaderContextMenu() {}
    virtual void OnGetDisplayText(std::wstring& /*text*/, int /*item*/, IColumn* /*column*/) {}
    virtual void OnAllItemsDeleted() {}
    virtual void OnItemDeleted(int /*item*/) {}
    virtual bool OnHotTrack(int /*item*/, IColumn* /*column*/, int /*x*/, int /*y*/) { return false; }
    virtual void OnItemInserted(int /*item*/) {}
    virtual void OnSelectionChanged(int /*item*/, IColumn* /*column*/, unsigned /*newState*/,
                                    unsigned /*oldState*/, unsigned /*changed*/)
    {
    }
    virtual void OnRangeStateChanged(int /*first*/, int /*last*/, unsigned /*newState*/,
                                     unsigned /*oldState*/)
    {
    }
    virtual void OnFocusChanged(int /*item*/, IColumn* /*column*/, bool /*focused*/) {}
    // true prevents the change.
    virtual bool OnItemChanging(int /*item*/, IColumn* /*column*/, unsigned /*newState*/,
                                unsigned /*oldState*/, unsigned /*changed*/)
    {
        return false;
    }
    virtual void OnKeyDown(unsigned /*key*/) {}
    virtual bool OnMarqueeBegin() { return false; }
    // Never called by the grid; it keeps its place so that the operations after it stay where they are.
    virtual void OnReserved() {}
    virtual void OnClick(int /*item*/, IColumn* /*column*/, int /*x*/, int /*y*/) {}
    virtual void OnDoubleClick(int /*item*/, IColumn* /*column*/, int /*x*/, int /*y*/) {}
    // true shows the grid's menu.
    virtual bool OnItemContextMenu(int /*item*/, POINT /*point*/) { return true; }
    virtual void OnRowNumberContextMenu(int /*item*/, POINT /*point*/) {}
    virtual void OnEmptyContextMenu(POINT /*point*/) {}
    virtual bool OnCellContextMenu(int /*item*/, IColumn* /*column*/, POINT /*point*/) { return true; }
    virtual bool OnHover() { return false; }
    virtual void OnKillFocus() {}
    // false stops the list's own handling of the click.
    virtual bool OnRightClick(int /*item*/, IColumn* /*column*/, int /*x*/, int /*y*/) { return true; }
    virtual void OnRightDoubleClick(int /*item*/, IColumn* /*column*/, int /*x*/, int /*y*/) {}
    virtual void OnReleasedCapture() {}
    virtual void OnReturn() {}
    virtual void OnSetFocus() {}
    virtual bool CanInsertItem(int /*index*/) { return true; }
    virtual void OnItemCreated(int /*index*/) {}
    virtual bool CanChangeItemText(int /*item*/, std::wstring const& /*text*/) { return true; }
    virtual bool CanChangeCellText(int /*item*/, IColumn* /*column*/, std::wstring const& /*text*/)
    {
        return true;
    }
    virtual bool CanCreateItem(int /*item*/, std::wstring const& /*text*/) { return true; }
    virtual void OnSelectedColumnChanged(IColumn* /*column*/) {}
    virtual bool CanDeleteItem(int /*item*/) { return true; }
    virtual void OnItemRemoved(int /*item*/, std::wstring const& /*oldText*/) {}
    virtual bool CanClearCell(int /*item*/, IColumn* /*column*/) { return true; }
    virtual void OnCellCleared(int /*item*/, IColumn* /*column*/, std::wstring const& /*oldText*/) {}
    virtual bool CanDeleteInRanges() { return true; }
    virtual bool CanDeleteItemRange(int& /*first*/, int& /*last*/) { return true; }
    virtual void OnItemRangeDeleted(int /*first*/, int /*last*/) {}
    virtual bool CanClearCellRange(int& /*first*/, int& /*last*/, IColumn* /*column*/) { return true; }
    virtual void OnCellRangeCleared(int /*first*/, int /*last*/, IColumn* /*column*/) {}
    virtual bool CanProcessMultiple(TCommand /*command*/) { return true; }
    virtual void OnMultipleProcessed() {}
    virtual bool CanEditItem(int /*item*/) { return true; }
    virtual bool CanEditCell(int /*item*/, IColumn* /*column*/) { return true; }
    virtual void OnItemEditEnded(int /*item*/) {}
    virtual void OnCellEditEnded(int /*item*/, IColumn* /*column*/) {}
    virtual void OnIconDoubleClick(int /*item*/, IColumn* /*column*/) {}
    virtual void OnItemCountChanged(unsigned /*count*/) {}
    virtual void OnButtonClick(int /*item*/, IColumn* /*column*/) {}

protected:
    ~CEventsHandler() {}
};
