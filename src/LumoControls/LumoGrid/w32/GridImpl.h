// The list grid's implementation: the container window, the list window with the model behind it, and the
// columns the host holds.
#pragma once

#include "LumoControls/LumoGrid/GridEditing.h"
#include "LumoControls/LumoGrid/GridInput.h"
#include "LumoControls/LumoGrid/GridModel.h"
#include "LumoControls/LumoGrid/w32/GridTextShaping.h"
#include "LumoCtrls/Grid.h"

#include <commctrl.h>

#include <climits>
#include <memory>
#include <string>
#include <vector>

namespace lumo
{
// Where the grid's platform failures are reported from.
constexpr char kGridSourcePath[] = "src/LumoControls/LumoGrid/LumoGrid";
// Cells of a column that shows item icons begin with this much room for the icon.
constexpr int kItemIconArea = 16;
} // namespace lumo

class CGrid::CImpl
{
public:
    class CGridContainer;
    class CGridControl;
    class CColumn;
    class CRichEditContainer;

    CImpl();
    ~CImpl();

    CGridControl& Control() { return *m_control; }
    CGridControl const& Control() const { return *m_control; }
    CGridContainer& Container() { return *m_container; }

private:
    std::unique_ptr<CGridControl> m_control;
    std::unique_ptr<CGridContainer> m_container;
};

// A column as the host holds it: the model's cells, plus what lives in the list window's header item.
class CGrid::CImpl::CColumn : public CGrid::IColumn, public lumo::GridColumn
{
public:
    explicit CColumn(CGridControl& control) : m_control(control) {}

    void GetTitle(std::wstring& title) const override;
    void SetTitle(std::wstring const& title) override;
    CIcon const& GetIcon() const override { return m_icon; }
    void SetIcon(CIcon const& icon) override;
    int GetWidth() const override;
    void SetWidth(int width) override;
    unsigned GetData() const override;
    void SetData(unsigned data) override;
    TAlignment GetAlignment() const override;
    void SetAlignment(TAlignment alignment) override;
    void ShowItemIcons(bool show) override { GridColumn::ShowItemIcons(show); }
    bool AreItemIconsShown() const override { return GridColumn::AreItemIconsShown(); }
    bool IsRightToLeft() const override { return GridColumn::IsRightToLeft(); }
    void SetRightToLeft(bool rightToLeft) override { GridColumn::SetRightToLeft(rightToLeft); }
    CFont const& GetFont() const override { return m_font; }
    void SetFont(CFont const& font) override;
    void GetItemText(unsigned item, std::wstring& text) const override { text = GridColumn::ItemText(item); }
    void SetItemText(unsigned item, std::wstring const& text) override
    {
        GridColumn::SetItemText(item, text);
    }
    unsigned GetItemIcon(unsigned item) const override { return GridColumn::ItemIcon(item); }
    void SetItemIcon(unsigned item, unsigned icon) override { GridColumn::SetItemIcon(item, icon); }
    TItemType GetItemType(unsigned item) const override
    {
        return static_cast<TItemType>(GridColumn::ItemType(item));
    }
    void SetItemType(unsigned item, TItemType type) override;
    void SelectItem(unsigned item) override;
    void SetItemData(unsigned item, unsigned data) override { GridColumn::SetItemData(item, data); }
    void SetItemText(unsigned item, std::wstring const& text, unsigned data) override
    {
        GridColumn::SetItemText(item, text, data);
    }
    unsigned GetItemData(unsigned item) const override { return GridColumn::ItemData(item); }
    void SetItemBold(unsigned item, bool bold) override { GridColumn::SetItemBold(item, bold); }
    void SetItemButton(unsigned item, bool button) override { GridColumn::SetItemButton(item, button); }
    void SetItemSpin(unsigned item, bool spin) override { GridColumn::SetItemSpin(item, spin); }
    bool IsItemBold(unsigned item) const override { return GridColumn::IsItemBold(item); }
    void SetItemTextColor(unsigned item, COLORREF color) override
    {
        GridColumn::SetItemTextColor(item, color);
    }
    COLORREF GetItemTextColor(unsigned item) const override { return GridColumn::ItemTextColor(item); }
    void SetSpinRange(int lower, int upper) override { GridColumn::SetSpinRange(lower, upper); }
    int FindItem(TGridFindInfo& info, int start, int stop) const override;
    void SetEditOnClick(bool editOnClick) override { GridColumn::SetEditOnClick(editOnClick); }
    bool IsEditOnClick() const override { return GridColumn::IsEditOnClick(); }

private:
    HDITEMW ReadHeaderItem(UINT mask) const;
    void WriteHeaderItem(HDITEMW& item);

    CGridControl& m_control;
    CFont m_font;
    CIcon m_icon;
};

// The list window and the model behind it. The list window is a superclass of the platform's list view
// whose extra window word holds this object.
class CGrid::CImpl::CGridControl : public lumo::IGridView, public lumo::IGridHost, public lumo::IGridEditor
{
public:
    CGridControl();
    ~CGridControl();

    lumo::GridModel& Model() { return m_model; }
    lumo::GridModel const& Model() const { return m_model; }
    lumo::GridEditing& Editing() { return m_editing; }
    lumo::GridEditing const& Editing() const { return m_editing; }
    HWND List() const { return m_list; }
    HWND EditorWindow() const;
    // The list window as the platform knows it; throws the call's failure while there is none.
    HWND CheckedList(wchar_t const* operation, int line) const;
    CEventsHandler* Handler() const { return m_handler; }

    // Creates the list window in the container, with the row-numbers choice and the host's handler.
    void CreateList(HWND container, bool rowNumbers, CEventsHandler* handler);
    void SetRedraw(bool redraw);
    std::vector<CIcon>& ItemIcons() { return m_itemIcons; }
    IColumn* ColumnAt(unsigned index) const;
    IColumn* ColumnOrNull(int index) const;          // null for an index that is not a column
    CColumn* OwnColumn(IColumn const* column) const; // null for a column of another grid
    int RowNumberAreaWidth() const;
    int RowHeight() const;
    void SetItemState(int item, UINT state, UINT mask);
    void EnsureVisible(int item);
    int NextItem(int after, UINT flags) const;
    bool HasFocus() const;

    // Commands and the clipboard.
    bool CanCommand(int command) const;
    bool ProcessCommand(int command);
    void CopyToClipboard();
    void PasteFromClipboard();
    void CutToClipboard();

    static LRESULT CALLBACK ListProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // The container passes on the list's notifications and owner-draw messages.
    void OnListNotification(NMHDR& header, LRESULT& result);
    void DrawRow(DRAWITEMSTRUCT const& draw);
    void DrawHeaderItem(DRAWITEMSTRUCT const& draw);

    // Scrolls horizontally until the column's left edge, then as much of the rest as fits, is shown.
    void ShowColumn(unsigned column) override;

    // IGridView
    void InsertHeaderColumn(unsigned index) override;
    void DeleteHeaderColumn(unsigned index) override;
    void SetListItemCount(unsigned count, bool keepRest) override;
    std::vector<unsigned> SelectedItems() const override;
    int FocusedItem() const override;
    bool IsItemSelected(unsigned item) const override;
    void ReplaceSelection(std::vector<unsigned> const& selected, std::vector<unsigned> const& items) override;
    void FocusAndShow(int item, bool select) override;
    void InvalidateCell(unsigned item, unsigned column) override;
    void InvalidateColumnStrip(unsigned column) override;
    void InvalidateRowsFrom(unsigned item) override;
    void RepaintHeader() override;
    void LowerCase(std::wstring& text) const override;
    void RemoveNonSpacing(std::wstring& text) const override;
    void ItemCountChanged(unsigned count) override;
    void SelectedColumnChanged(lumo::GridColumn& column) override;
    std::unique_ptr<lumo::GridColumn> MakeColumn() override;

    // IGridHost
    bool HasHandler() const override { return m_handler != nullptr; }
    bool CanInsertItem(int index) override;
    void OnItemCreated(int index) override;
    bool CanChangeItemText(int item, std::wstring const& text) override;
    bool CanChangeCellText(int item, unsigned column, std::wstring const& text) override;
    bool CanCreateItem(int item, std::wstring const& text) override;
    bool CanDeleteItem(int item) override;
    void OnItemRemoved(int item, std::wstring const& oldText) override;
    bool CanClearCell(int item, unsigned column) override;
    void OnCellCleared(int item, unsigned column, std::wstring const& oldText) override;
    bool CanDeleteInRanges() override;
    bool CanDeleteItemRange(int& first, int& last) override;
    void OnItemRangeDeleted(int first, int last) override;
    bool CanClearCellRange(int& first, int& last, unsigned column) override;
    void OnCellRangeCleared(int first, int last, unsigned column) override;
    bool CanProcessMultiple(int command) override;
    void OnMultipleProcessed() override;
    bool CanEditItem(int item) override;
    bool CanEditCell(int item, unsigned column) override;
    void OnItemEditEnded(int item) override;
    void OnCellEditEnded(int item, unsigned column) override;
    std::shared_ptr<bool const> AliveToken() const override { return m_alive; }

    // IGridEditor
    bool OpenEditor(unsigned item, unsigned column) override;
    std::wstring EditorText() const override;
    void CloseEditor() override;
    bool ControlHeld() const override;

private:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool OnKeyDown(unsigned key);
    void OnLeftButtonDown(WPARAM flags, POINT point);
    void OnLeftDoubleClick(POINT point);
    void OnTimer(UINT_PTR timer);
    void ShowContextMenu(POINT screen, int item, int column);
    void UpdateTooltip(int item, int column);
    // The item and column under a point of the list's client area (-1 when none).
    std::pair<int, int> CellAt(POINT point) const;
    RECT CellRect(unsigned item, unsigned column) const;
    HWND Header() const;
    // First and past-last item that the list window shows (a partly shown row counts).
    std::pair<unsigned, unsigned> VisibleItems() const;
    // The list's item count and the rows to repaint wait until the list window handles its next message
    // (which it must, to paint or answer anything): a run of deletions sets the count once.
    void FlushPending();

    lumo::GridModel m_model{*this, false};
    lumo::GridEditing m_editing{m_model, *this, *this};
    lumo::ClickToEdit m_clicks;
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(false);
    std::unique_ptr<CRichEditContainer> m_editor;
    HWND m_list = nullptr;
    HWND m_tooltip = nullptr;
    int m_hotItem = -1;
    int m_hotColumn = -1;
    CEventsHandler* m_handler = nullptr;
    std::vector<CIcon> m_itemIcons;
    bool m_redraw = true;
    bool m_countPending = false;
    bool m_countKeepsRest = true;
    unsigned m_rowsPendingFrom = UINT_MAX;
    lumo::GridTextShaping m_shaping;                  // loaded with the control
    std::vector<std::pair<HFONT, CFont>> m_boldFonts; // bold faces of the columns' fonts, made when drawn
    std::wstring m_displayText; // the text handed to the list window, which wants it zero-terminated
    // The visible rows can only change while the list window handles a message: every message that reaches
    // it marks them stale, so a run of cell changes asks the window once.
    mutable bool m_visibleStale = true;
    mutable std::pair<unsigned, unsigned> m_visible{0, 0};
};

// The in-place editor: a container window over the cell holding the rich edit control and, for cells that
// ask for one, a "..." button or a spin.
class CGrid::CImpl::CRichEditContainer
{
public:
    CRichEditContainer(CGridControl& control, unsigned item, unsigned column);
    ~CRichEditContainer();
    CRichEditContainer(CRichEditContainer const&) = delete;
    CRichEditContainer& operator=(CRichEditContainer const&) = delete;

    // False when no rich edit library could be loaded: then there is no editor.
    bool Create();
    std::wstring Text() const;
    void SetText(std::wstring const& text);
    HWND Window() const { return m_window; }
    HWND Editor() const { return m_editor; }
    bool OwnsWindow(HWND window) const;
    // Command routing from the grid's ProcessCommand.
    bool ProcessCommand(int command);
    bool CanPaste() const;

    static LRESULT CALLBACK ContainerProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK EditorProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    LRESULT OnContainerMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // passOn: the rich edit control's own procedure handles the message afterwards.
    LRESULT OnEditorMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& passOn);
    void ShowMenu(POINT screen);
    void LayOut();
    void Step(int delta);
    void CopySelection(bool cut);
    bool AtStart() const;
    bool AtEnd() const;

    CGridControl& m_control;
    unsigned m_item;
    unsigned m_column;
    HWND m_window = nullptr;
    HWND m_editor = nullptr;
    HWND m_extra = nullptr; // the "..." button or the spin
    int m_extraWidth = 0;
    WNDPROC m_previousProcedure = nullptr;
    CAccel m_accelerators;
    bool m_lineBreak = false;  // Alt+Enter is inserting a line break: Enter does not leave
    bool m_closing = false;    // the edit is over: the editor's destruction ends nothing more
    bool m_destroying = false; // the container window is being destroyed by its parent
    bool m_registered = false;
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};

// The outer child window: it holds the host's handler and the list window fills it.
class CGrid::CImpl::CGridContainer
{
public:
    explicit CGridContainer(CGridControl& control) : m_control(control) {}
    ~CGridContainer();

    void Create(HWND parent, unsigned identifier, int x, int y, int width, int height, bool rowNumbers,
                CEventsHandler* handler);
    void Destroy();
    HWND Window() const { return m_window; }

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

    CGridControl& m_control;
    HWND m_window = nullptr;
    CEventsHandler* m_handler = nullptr;
    bool m_rowNumbers = false;
};

namespace lumo
{
// The window classes and the default font, while CGrid::Register holds them.
std::wstring const& GridContainerClass();
std::wstring const& GridListClass();
std::wstring const& GridEditorClass(); // registered on first use, with a use count
void AcquireGridEditorClass();
void ReleaseGridEditorClass();
WNDPROC ListBaseProcedure();
int ListBaseExtraBytes();
HFONT GridDefaultFont();
} // namespace lumo
