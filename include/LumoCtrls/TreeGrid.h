// The tree grid: a hierarchical grid of columns, nodes and cells drawn by styles.
//
// The tree grid holds its columns (IColumn), a tree of nodes under an implicit root (INode; each node is a
// row), a cell wherever a node meets a column (ICell), free float controls placed anywhere
// (IFloatControl), a table of named images and the cell selection. The host owns none of these: it gets
// interface pointers that stay valid until the object is removed or the tree grid destroyed. Changes that
// the host may refuse go through its events handler (CEventsHandler) first, then it is told.
//
// Everything the tree grid draws takes its look from style objects, handed to the host as the interfaces
// below. A style stores only what was set on it; every other value is inherited along a fixed chain that
// ends in the tree grid's default style for the object type (GetDefaultStyle), which starts with the
// built-in look chosen at construction. Each style describes what was set on it as one line of text
// (Describe).
//
// Visual states are bit sets (EVisualState); a state selects one of eight paint styles of a style.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include <set>
#include <string>
#include <vector>

#include "LumoCtrls/Export.h"
#include "LumoCtrls/ResourceTracker.h"
#include "LumoCtrls/SharedHandle.h"

class CLumoImage;

class LUMO_API CTreeGrid
{
public:
    // The built-in look of the default styles.
    enum EVisualLook
    {
        LOOK_STANDARD = 0, // grey headers, the system's selection colours
        LOOK_THEME = 1,    // the library's blue theme colours
        LOOK_HOST = 2,     // the events handler fills each default style (FillDefaultStyle)
    };

    // The objects that have styles, and the keys of the default styles.
    enum EObjectType
    {
        OBJECT_GRID = 1,
        OBJECT_BUTTON = 2,
        OBJECT_LABEL = 3,
        OBJECT_LINK = 4,
        OBJECT_COLUMN_HEADER = 5,
        OBJECT_COLUMN = 6,
        OBJECT_ROW_HEADER = 7,
        OBJECT_ROW = 8,
        OBJECT_CELL = 9,
        OBJECT_PROGRESS = 10,
        OBJECT_COMBO_BOX = 11,
        OBJECT_EDIT = 12,
        OBJECT_SPIN = 13,
        OBJECT_IMAGE = 14,
        OBJECT_CHECK_BOX = 15,
        OBJECT_RADIO_BUTTON = 16,
        OBJECT_DROP_DOWN = 17,
        OBJECT_LAUNCHER = 18,
        OBJECT_FLOAT_CONTROL = 19,
    };

    // Visual-state bits; the per-state operations of the styles take these.
    enum EVisualState : unsigned
    {
        STATE_NORMAL = 0,
        STATE_DISABLE = 0x1,
        STATE_FOCUS = 0x2,
        STATE_HOVER = 0x4,
        STATE_SELECT = 0x8,
        STATE_HISELECT = 0xC, // hover and select together
        STATE_PUSH = 0x10,
        STATE_ALL = 0x8000,
    };

    // The tree grid's settings (SetStyle).
    enum EStyle : unsigned
    {
        STYLE_TREE_LINES = 0x01,                // dotted lines join the nodes of the tree column
        STYLE_EXPAND_BUTTONS = 0x02,            // nodes with children show an expand button
        STYLE_FULL_HEIGHT_COLUMN_RESIZE = 0x04, // column edges can be dragged in every row
        STYLE_ROW_SELECTION = 0x08,             // selection works by rows
        STYLE_SELECT_ROW_HEADER = 0x10,         // a node with selected cells selects its row header
        STYLE_COLUMN_SELECTION = 0x20,          // selection works by columns
        STYLE_SELECT_COLUMN_HEADER = 0x40,      // a column with selected cells selects its header
        STYLE_TYPE_AHEAD = 0x80,                // typed characters search the focus column
        STYLE_EXPAND_BUTTON_AT_EDGE = 0x100,    // the expand button sits at the cell's left edge
        STYLE_KEEP_SELECTION = 0x200,           // a click does not replace the selection
    };

    // The grid lines (SetGridLinesStyle).
    enum ELineStyle : unsigned
    {
        LINES_VERTICAL = 1,
        LINES_HORIZONTAL = 2, // also adds one pixel below every row
        LINES_DOTTED = 4,
    };

    // What lies under a point (HitTest).
    enum EHitTest
    {
        HitNowhere = 0,
        HitRowHeaderEdge = 1,
        HitColumnHeaderEdge = 2,
        HitCorner = 3,
        HitColumnHeader = 4,
        HitColumnEdge = 5,
        HitRowHeader = 6,
        HitRowEdge = 7,
        HitExpandButton = 8,
        HitIcon = 9,
        HitText = 10,
        HitItem = 11,
        HitCell = 12,
        HitControl = 13,
    };

    // The parts of a cell or float control (GetRect).
    enum EItem
    {
        ItemIcon = 1,
        ItemText = 2,
        ItemContent = 4,
        ItemControl = 8,
        ItemInner = 0x10,
        ItemExpandButton = 0x8000,
    };

    // The in-cell control kinds and activations of object styles (SetControlKind, SetActivation).
    enum EControlKind
    {
        CONTROL_NONE = 1,
        CONTROL_TEXT = 2, // plain text
        CONTROL_IMAGE = 3,
        CONTROL_BUTTON = 4,
        CONTROL_LABEL = 5,
        CONTROL_LINK = 6,
        CONTROL_CHECK_BOX = 7,
        CONTROL_RADIO_BUTTON = 8,
        CONTROL_DROP_DOWN = 9,
        CONTROL_SPIN = 10,
        CONTROL_PROGRESS = 11,
        CONTROL_EDIT = 12,
        CONTROL_FLOAT_EDIT = 13,
        CONTROL_COMBO_BOX = 14,
        CONTROL_LAUNCHER = 15,
    };
    enum EActivation
    {
        ACTIVATION_DEFAULT = 1, // a click on the already selected focus cell opens the editor after 500 ms
        ACTIVATION_NONE = 2,
        ACTIVATION_ON_FOCUS = 3,
        ACTIVATION_ON_CLICK = 4,
        ACTIVATION_ON_DOUBLE_CLICK = 5,
    };

    // One line of a border style: kind 0 none, 1 solid, 2 dotted, 3 dashed; colour 0xFFFFFFFF none.
    struct TPen
    {
        unsigned kind;
        COLORREF color;
    };

    // One background band: from and to colours (equal for a plain band) over size percent.
    struct SBackgroundColor
    {
        COLORREF from;
        COLORREF to;
        int size;
    };

    class IPaintStyle;
    class IDrawStyle;
    class IStyle;
    class IObjStyle;
    class INode;
    class IColumn;
    class IFloatControl;
    class ICell;
    class IControl;
    class ICustomEdit;
    class IComboBox;
    class ICheckButton;
    class IButton;
    class ILabel;
    class ILink;
    class IImage;
    class IProgress;
    class CEventsHandler;
    class CImpl;

    explicit CTreeGrid(EVisualLook look = LOOK_STANDARD);
    ~CTreeGrid();
    CTreeGrid(CTreeGrid const&) = delete;
    CTreeGrid& operator=(CTreeGrid const&) = delete;

    // --- The window. Create makes the tree grid's window as a child of parent (hidden until Show) and
    // throws CWindowsApiFailed when it cannot; Destroy destroys it (the model stays).
    CWnd& Create(CWnd const& parent);
    void Destroy();
    CWnd const& GetWindow() const; // holds no window before Create and after Destroy
    void Show(bool show);
    void Enable(bool enable);
    void Resize(RECT const& rect); // in the parent's client coordinates
    // Lays everything out again and repaints (after SetLockedUpdate(false), for instance).
    void Refresh();
    // The client area less the insets (borders, padding, scroll bars).
    int GetClientWidth() const;
    int GetClientHeight() const;

    // --- Lifetime and settings.
    void SetData(void* data);
    void* GetData() const;
    // The handler is the host's and must outlive its use; null removes it (every query is then accepted).
    void SetEventsHandler(CEventsHandler* handler);
    CEventsHandler* GetEventsHandler() const;
    // The "Tahoma" font all tree grids share, created once.
    CFont const& GetFont() const;
    // Removes every float control, node and column, each clearing asked of the handler as its own operation
    // does; images, border styles and default styles stay.
    void Clear();
    // While locked, rows are not laid out and nothing is repainted until unlocked and refreshed.
    void SetLockedUpdate(bool locked);
    bool IsLockedUpdate() const;
    void DisplayFocus(bool display);
    void SetStyle(EStyle style, bool on);
    bool IsStyleSet(EStyle style) const;
    void SetTicksBeforeDisplayTooltips(unsigned ticks); // 50-millisecond ticks, 10 by default
    void SetAllowMultilineDisplayForTexts(bool allow);
    void SetMultiSelectionWithoutControl(bool allow);
    void SetExternalFilesDrop(bool accept);

    // --- Columns. A column passed by reference must be one of this tree grid's (else std::bad_cast).
    // index beyond the count appends; false when the handler refused.
    bool InsertColumn(unsigned index, std::wstring const& title, int width, void* data = nullptr);
    bool RemoveColumn(IColumn const& column);
    void ClearColumns();
    void MoveColumnTo(IColumn const& column, unsigned index);
    unsigned GetColumnCount() const;
    IColumn& GetColumn(unsigned index) const;        // std::out_of_range beyond the count
    int GetColumnIndex(IColumn const& column) const; // -1 when it is not in the sequence
    // The column that shows indentation and expand buttons; none by default.
    void SetTreeColumn(IColumn* column);
    IColumn* GetTreeColumn() const;
    void LockColumnsUntil(IColumn* column);
    int GetLockedColumnsWidth() const;
    void SelectColumn(IColumn* column);
    IColumn* GetSelectedColumn() const;

    // --- Headers.
    void ShowColumnHeader(bool show);
    bool IsColumnHeaderVisible() const;
    // exact: stored as given; otherwise raised to 16 and to the header image list's icon height.
    void SetColumnHeaderHeight(unsigned height, bool exact);
    unsigned GetColumnHeaderHeight() const;
    void SelectColumnHeader(IColumn* column);
    IColumn* GetSelectedColumnHeader() const;
    void ShowRowHeader(bool show);
    bool IsRowHeaderVisible() const;
    void SetRowHeaderWidth(unsigned width); // raised to 16 and to the header image list's icon width
    unsigned GetRowHeaderWidth() const;

    // --- Nodes. A null parent (or the root) is the top level.
    INode* AddNode(INode* parent, void* data = nullptr); // after the parent's last child
    // Null when after is not a child of parent or the handler refused.
    INode* InsertNode(INode* parent, INode* after, void* data = nullptr);
    // Depth first, each node offered to the handler; a refusal ends the removal (false; what was removed
    // by then stays removed).
    bool RemoveNode(INode& node);
    bool MoveNodeTo(INode& node, INode* parent, INode* after);
    void ClearNodes();
    INode* GetRootNode() const;
    INode* GetFirstSiblingNode() const; // the first top-level node
    INode* GetLastSiblingNode() const;
    INode* GetPrevSiblingNode(INode const& node) const;
    INode* GetNextSiblingNode(INode const& node) const;
    // The number of levels in use (1 when there are only top-level nodes); shown: count shown rows only.
    int GetNodeMaxDepth(bool shown) const;
    void SetExpandNodeAndDescendants(INode& node, bool expanded);
    void SetNodeIndentation(unsigned indentation); // at least 20
    unsigned GetNodeIndentation() const;
    void SetMinimumCellHeight(unsigned height); // at least 10
    unsigned GetMinimumCellHeight() const;

    // --- Cells and float controls.
    ICell* RenewCell(INode const& node, IColumn const& column); // a fresh cell replaces the node's cell there
    bool RemoveCell(ICell const& cell);
    // A float control named name over {x, y, x + width, y + height}; editorWidth and editorHeight are
    // handed to its control's editor, the locks keep it in place while scrolling.
    IFloatControl* CreateFloatControl(std::wstring const& name, int x, int y, int width, int height,
                                      int editorWidth, unsigned editorHeight, bool horizontalLock = false,
                                      bool verticalLock = true, int value = 0);
    void RemoveFloatControl(IFloatControl const& control);
    unsigned GetFloatControlCount() const;
    IFloatControl& GetFloatControl(unsigned index) const; // std::out_of_range beyond the count

    // Opens the control's editor (as an activation would) and returns its control; null when the control
    // has none or nothing opens.
    IControl* EditControl(IFloatControl& control);
    // The control whose editor is open (the focused control); focus false closes it, committing.
    void SetControlFocus(IFloatControl* control, bool focus);
    IFloatControl* GetControlFocus() const;
    // Brings the control into view: collapsed ancestors are expanded, the page scrolls so that the row is
    // shown (unless horizontalOnly) and the column too (centred with centre). A free float control only
    // scrolls horizontally, and only with horizontalOnly.
    void EnsureVisible(IFloatControl const& control, bool centre = false, bool horizontalOnly = false);
    // A part of the control's layout in client coordinates; empty when absent or not shown.
    RECT GetRect(IFloatControl const& control, EItem item);

    // --- Cell selection, kept in ascending row order.
    void SelectCell(ICell& cell);
    void UnselectCell(ICell& cell);
    void ClearCellsSelection();
    void GetSelectedCells(std::vector<ICell*>& cells) const;

    // --- Hit testing, at client points.
    EHitTest HitTest(POINT const& point, IColumn*& column, INode*& node, IFloatControl*& control);
    IColumn* GetColumnFromPosition(POINT const& point);
    INode* GetNodeFromPosition(POINT const& point); // a point on a boundary belongs to the upper row
    IFloatControl* GetFloatControlFromPosition(POINT const& point);

    // --- Scrolling. Rows scroll by whole rows: the vertical position is the top of the top visible row.
    POINT GetScrollPosition();
    void SetHorizontalScrollPosition(int x);
    void SetVerticalScrollPosition(int y);
    int GetHorizontalScrollRange();
    int GetVerticalScrollRange();
    void SetHorizontalScrollStep(unsigned step); // at least 5
    unsigned GetHorizontalScrollStep() const;
    void SetShowHorizontalScrollBar(bool show); // false: never shown
    void SetShowVerticalScrollBar(bool show);
    bool IsHorizontalScrollBarVisible();
    bool IsVerticalScrollBarVisible();
    void GetHorizontalScrollRect(RECT& rect);
    void GetVerticalScrollRect(RECT& rect);
    void GetScrollBarWnds(std::vector<HWND>& windows) const; // cleared, then horizontal and vertical
    INode* GetTopVisibleNode();
    INode* GetBottomVisibleNode();

    // --- Grid lines.
    void SetGridLinesStyle(ELineStyle style, bool on);
    bool CheckGridLinesStyle(ELineStyle style) const;
    void SetColorGridLines(COLORREF color);
    COLORREF GetColorGridLines() const;

    // --- Images. Styles name images of this table; an existing name keeps its image.
    bool AddImage(std::wstring const& name, std::wstring const& path);
    bool AddImage(std::wstring const& name, HBITMAP bitmap);
    void RemoveImage(std::wstring const& name);
    CLumoImage* GetImage(std::wstring const& name) const;
    bool ImageExists(std::wstring const& name) const;
    void EnumImages(std::vector<std::wstring>& names) const; // cleared, then every name in name order
    // Image lists cut from a strip of images of width imageWidth, with key as the transparent colour; grow
    // is the image list's growth step.
    void SetImageList(CBitmap const& strip, int imageWidth, int grow, COLORREF key);
    CImageList const& GetImageList() const;
    void SetColumnHeaderImageList(CBitmap const& strip, int imageWidth, int grow, COLORREF key);
    CImageList const& GetColumnHeaderImageList() const;
    void SetRowHeaderImageList(CBitmap const& strip, int imageWidth, int grow, COLORREF key);
    CImageList const& GetRowHeaderImageList() const;

    // --- Styles.
    // The default style of an object type, created with the built-in look on first request; null for a
    // type outside 1 to 19.
    IDrawStyle* GetDefaultStyle(EObjectType type);
    // Adds every style the tree grid owns that has something set (the set is not cleared first).
    void EnumerateUsedStyles(std::set<IDrawStyle*>& styles) const;

    // --- Named border styles ("blue-border", "black-border", "black-dotted-border" and "gray-border" are
    // defined at construction).
    void DefineBorderStyle(std::wstring const& name, std::vector<TPen> const& pens);
    // Clears pens, then copies the named style's pens when the name is defined.
    void GetBorderStyle(std::wstring const& name, std::vector<TPen>& pens) const;
    void RemoveBorderStyle(std::wstring const& name);
    void EnumerateBorderStyles(std::set<std::wstring>& names) const;

    // --- Diagnostics: walks the whole grid (tree links, counts, row indices, the selection's order and
    // every object the mouse and keyboard refer to). Empty when consistent, else the first broken rule.
    // For tests and fault hunting: it costs as much as the grid is big.
    std::string CheckConsistency() const;

private:
    CImpl* m_impl;
};

// One visual state's look: font, text colour, background bands, image and border definitions. Every
// setter stores only when the value differs.
class CTreeGrid::IPaintStyle
{
public:
    // Takes the tree grid's shared font and clears colour, bands, direction, borders, image name, fill
    // and alignment (the image offset and crop stay).
    virtual void Reset() = 0;
    virtual CFont const& GetFont() const = 0;
    // Stores a copy made from the font's description; an empty font clears it.
    virtual void SetFont(CFont const& font) = 0;
    virtual void SetTextColor(COLORREF color) = 0;
    virtual COLORREF GetTextColor() const = 0; // 0xFFFFFFFF when unset
    virtual void AddBackgroundColor(COLORREF from, COLORREF to, int size) = 0;
    virtual void GetBackgroundColors(std::vector<SBackgroundColor>& bands) const = 0;
    virtual void ClearBackgroundColors() = 0;
    virtual void SetGradientDirection(int direction) = 0; // 1 horizontal, 2 vertical
    virtual int GetGradientDirection() const = 0;
    virtual void SetImage(std::wstring const& name) = 0;
    virtual void GetImage(std::wstring& name) const = 0;
    virtual void SetImageFill(int fill) = 0;
    virtual int GetImageFill() const = 0;
    virtual void SetImageAlign(int align) = 0;
    virtual int GetImageAlign() const = 0;
    virtual void GetImageOffset(POINT& offset) const = 0;
    virtual void SetImageOffset(POINT const& offset) = 0;
    virtual void GetCrop(RECT& crop) const = 0;
    virtual void SetCrop(RECT const& crop) = 0;
    // Sides: 1 left, 2 right, 4 top, 8 bottom, 15 all.
    virtual void SetBorder(std::wstring const& name, unsigned sides) = 0;
    virtual void GetBorder(unsigned side, std::wstring& name) const = 0;
    virtual void RemoveBorder(unsigned sides) = 0;
    virtual int GetBorderWidth(unsigned side) const = 0;
    virtual IDrawStyle* GetDrawStyle() const = 0;
    virtual ~IPaintStyle() {}
    virtual bool IsSet() const = 0;
    virtual std::wstring Describe() const = 0;
};

// A draw style: paint styles by state, padding, border radius and cursor. The getters return effective
// values (inherited when not set here); per-state operations take an EVisualState value.
class CTreeGrid::IDrawStyle
{
public:
    // The paint style of exactly that state's slot, or null (reading never creates one).
    virtual IPaintStyle* GetPaintStyle(unsigned state) const = 0;
    virtual void RemovePaintStyle(unsigned state) = 0;
    virtual EObjectType GetObjectType() const = 0;
    virtual INode* GetNode() const = 0;
    virtual IColumn* GetColumn() const = 0;
    virtual CTreeGrid* GetTreeGrid() const = 0;
    // Removes every paint style and unsets padding and border radius (the cursor stays).
    virtual void Reset() = 0;
    // What was set on this very style, as one line of the style language.
    virtual std::wstring Describe() const = 0;
    virtual void GetPadding(RECT& padding) const = 0;
    virtual void SetPadding(RECT const& padding) = 0;
    virtual void GetBackgroundColors(unsigned state, std::vector<SBackgroundColor>& bands) const = 0;
    // An unset colour (0xFFFFFFFF) as from or to clears the state's bands instead.
    virtual void AddBackgroundColor(unsigned state, COLORREF from, COLORREF to, int size) = 0;
    // STATE_ALL clears the bands of every other state.
    virtual void ClearBackgroundColors(unsigned state) = 0;
    virtual int GetGradientDirection(unsigned state) const = 0;
    virtual void SetGradientDirection(unsigned state, int direction) = 0;
    virtual void SetImage(unsigned state, std::wstring const& name) = 0;
    virtual void GetImage(unsigned state, std::wstring& name) const = 0;
    virtual void SetImageFill(unsigned state, int fill) = 0;
    virtual int GetImageFill(unsigned state) const = 0;
    virtual void SetImageAlign(unsigned state, int align) = 0;
    virtual int GetImageAlign(unsigned state) const = 0;
    virtual void GetImageOffset(POINT& offset, unsigned state) const = 0;
    virtual void SetImageOffset(unsigned state, POINT const& offset) = 0;
    virtual void GetCrop(RECT& crop, unsigned state) const = 0;
    virtual void SetCrop(unsigned state, RECT const& crop) = 0;
    virtual void SetBorder(unsigned state, std::wstring const& name, unsigned sides) = 0;
    virtual void GetBorder(unsigned state, unsigned side, std::wstring& name) const = 0;
    virtual void RemoveBorder(unsigned state, unsigned sides) = 0;
    // The border's thickness on that side: the number of pens of its border style.
    virtual int GetBorderWidth(unsigned state, unsigned side) const = 0;
    virtual void SetBorderRadius(int radius) = 0;
    virtual int GetBorderRadius() const = 0;
    virtual void SetCursor(int cursor) = 0; // 1 arrow, 2 hand, 3 I-beam, 4 help, 5 no
    virtual int GetCursor() const = 0;

protected:
    ~IDrawStyle() {} // styles belong to their tree grid
};

// A style: a draw style with font and text colour by state and the placement of text and icon.
class CTreeGrid::IStyle : public CTreeGrid::IDrawStyle
{
public:
    // The effective font; an empty font object when none is set anywhere.
    virtual CFont GetFont(unsigned state) const = 0;
    virtual void SetFont(unsigned state, CFont const& font) = 0;
    virtual COLORREF GetTextColor(unsigned state) const = 0;
    virtual void SetTextColor(unsigned state, COLORREF color) = 0;
    virtual void SetOffsetTextIcon(unsigned state, POINT const& offset) = 0;
    virtual void GetOffsetTextIcon(POINT& offset, unsigned state) const = 0;
    virtual void RemoveOffsetTextIcon(unsigned state) = 0; // STATE_ALL clears every entry
    virtual void SetSpaceTextIcon(int space) = 0;
    virtual int GetSpaceTextIcon() const = 0;
    virtual void ResetSpaceTextIcon() = 0;
    virtual void SetIconPosition(int position) = 0; // 1 top, 2 bottom, 3 left, 4 right
    virtual int GetIconPosition() const = 0;
    virtual int GetAlignment() const = 0;
    virtual void SetAlignment(int alignment) = 0; // 1-9: left, left-top, ... right-bottom
    virtual bool GetMirrorEffect() const = 0;
    virtual void SetMirrorEffect(bool mirror) = 0;
    virtual void ResetMirrorEffect() = 0;
    virtual void SetSelectionMode(int mode) = 0; // bits: 1 image, 2 text, 4 control, 8 entire cell
    virtual int GetSelectionMode() const = 0;

protected:
    ~IStyle() {}
};

// An object style: a style with the in-cell control of the object.
class CTreeGrid::IObjStyle : public CTreeGrid::IStyle
{
public:
    virtual void SetControlKind(int kind) = 0; // 1-15, as in the style language
    virtual int GetControlKind() const = 0;
    virtual void
    SetActivation(int activation) = 0; // 1 default, 2 none, 3 on focus, 4 on click, 5 on double click
    virtual int GetActivation() const = 0;
    virtual void SetReadOnly(bool readOnly) = 0;
    virtual bool IsReadOnly() const = 0;

protected:
    ~IObjStyle() {}
};

// A node: one row of the tree grid. The operations stand in this order for hosts built against this
// header; geometry reads the tree grid's layout (an empty rectangle while it has no window).
class CTreeGrid::INode
{
public:
    virtual ICell* GetCell(IColumn const& column) const = 0; // null when the cell was removed
    virtual int GetLevel() const = 0;                        // top-level nodes 0
    virtual int GetLayoutIndex() const = 0;
    virtual void SetRowHeaderText(std::wstring const& text) = 0;
    virtual std::wstring const& GetRowHeaderText() const = 0;
    virtual void SetRowHeaderImage(int index) = 0; // into the row-header image list, -1 none
    virtual int GetRowHeaderImage() const = 0;
    virtual void SetThirdText(std::wstring const& text) = 0;
    virtual std::wstring const& GetThirdText() const = 0;
    virtual void SetSecondText(std::wstring const& text) = 0;
    virtual std::wstring const& GetSecondText() const = 0;
    // At least the tree grid's minimum cell height and its image list's icon height.
    virtual unsigned GetHeight() const = 0;
    virtual void SetHeight(unsigned height) = 0;    // clamped to [minimum, maximum]
    virtual void SetMinHeight(unsigned height) = 0; // at most the maximum; ignored below the grid's minimum
    virtual unsigned GetMinHeight() const = 0;
    virtual void SetMaxHeight(unsigned height) = 0; // at least the minimum
    virtual unsigned GetMaxHeight() const = 0;
    virtual void SetExpanded(bool expanded) = 0; // the handler may refuse
    virtual bool IsExpanded() const = 0;         // true when the tree grid has no tree column
    // States are EVisualState bits; a mask tests true only when all its bits are set. SetState never
    // changes STATE_FOCUS, which the tree grid keeps.
    virtual bool HasState(unsigned mask) const = 0;
    virtual unsigned GetState() const = 0;
    virtual void SetState(unsigned mask, bool on) = 0;
    virtual unsigned GetHeaderState() const = 0;
    virtual void SetHeaderState(unsigned mask, bool on) = 0;
    virtual bool HasHeaderState(unsigned mask) const = 0;
    virtual void SetSecondFlag(bool flag) = 0;
    virtual bool GetSecondFlag() const = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual bool IsVisible() const = 0;
    virtual IObjStyle* GetCellStyle() = 0;
    virtual IStyle* GetRowHeaderStyle() = 0;
    virtual IDrawStyle* GetRowStyle() = 0;
    virtual void SetData(void* data) = 0;
    virtual void* GetData() const = 0;
    virtual RECT GetRowRect() const = 0;
    virtual INode* GetParent() const = 0; // the root for a top-level node
    virtual INode* GetFirstChild() const = 0;
    virtual INode* GetLastChild() const = 0;
    virtual INode* GetPrevSibling() const = 0;
    virtual INode* GetNextSibling() const = 0;
    virtual bool IsDescendantOf(INode const& ancestor) const = 0;
    virtual CTreeGrid* GetTreeGrid() const = 0;

protected:
    virtual ~INode() {} // nodes belong to their tree grid

public:
    virtual INode* GetPrevVisibleSibling() const = 0;
    virtual INode* GetNextVisibleSibling() const = 0;
    virtual INode* GetFirstVisibleChild() const = 0;
    virtual INode* GetLastVisibleChild() const = 0;
    virtual INode* GetNextInTree() const = 0; // depth-first successor
    virtual bool SetRowIndex(int index) = 0;  // false when unchanged; -1 makes it stale
    virtual int GetRowIndex() const = 0;      // among the shown rows; -1 when not shown
    virtual int GetCachedRowIndex() const = 0;
    virtual RECT GetRowHeaderRect() const = 0;
};

// A column of the tree grid. The operations stand in this order for hosts built against this header.
class CTreeGrid::IColumn
{
public:
    virtual void SetTitle(std::wstring const& title) = 0; // the handler hears of a change
    virtual std::wstring const& GetTitle() const = 0;
    virtual void SetHeaderImage(int index) = 0; // into the column-header image list, -1 none
    virtual int GetHeaderImage() const = 0;
    virtual void SetThirdText(std::wstring const& text) = 0;
    virtual std::wstring const& GetThirdText() const = 0;
    virtual void SetSecondText(std::wstring const& text) = 0;
    virtual std::wstring const& GetSecondText() const = 0;
    virtual void FitWidth() = 0; // as wide as its widest content (needs the window)
    virtual void SetFixedPosition(int position) = 0;
    virtual int GetLeft() const = 0; // less the horizontal scroll position
    virtual int GetWidth() const = 0;
    // Raised to the minimum and lowered to the maximum where they are not 0; without either bound a
    // width below 12 becomes 11.
    virtual void SetWidth(int width) = 0;
    virtual void SetMinWidth(int width) = 0;
    virtual int GetMinWidth() const = 0;
    virtual void SetMaxWidth(int width) = 0;
    virtual int GetMaxWidth() const = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual bool IsVisible() const = 0;
    virtual unsigned GetState() const = 0;
    virtual void SetState(unsigned mask, bool on) = 0;
    virtual bool HasState(unsigned mask) const = 0;
    virtual unsigned GetHeaderState() const = 0;
    virtual void SetHeaderState(unsigned mask, bool on) = 0;
    virtual bool HasHeaderState(unsigned mask) const = 0;
    virtual void SetSecondFlag(bool flag) = 0;
    virtual bool GetSecondFlag() const = 0;
    virtual void SetData(void* data) = 0;
    virtual void* GetData() const = 0;
    virtual IObjStyle* GetCellStyle() = 0;
    virtual IStyle* GetHeaderStyle() = 0;
    virtual IDrawStyle* GetColumnStyle() = 0;
    virtual ICell* GetCell(INode const& node) const = 0; // null when the cell was removed
    virtual CTreeGrid* GetTreeGrid() const = 0;

protected:
    virtual ~IColumn() {} // columns belong to their tree grid

public:
    virtual void SetLeft(int left) = 0;       // for the layout
    virtual int GetFixedPosition() const = 0; // -1 none
    virtual int GetRight() const = 0;         // left + width - 1
    virtual RECT GetHeaderRect() const = 0;
    virtual RECT GetRect() const = 0;
    virtual ICell* CreateCell(INode const& node) = 0;            // a fresh cell replaces the node's cell here
    virtual bool RemoveCell(INode const& node, bool notify) = 0; // false when there is none
};

// A float control: a free one placed anywhere in the grid, or a cell. It holds a value (text, an image of
// the tree grid's table or of its image list, a number), visual-state bits and an object style whose
// control kind decides its in-cell control.
class CTreeGrid::IFloatControl
{
public:
    virtual std::wstring const& GetName() const = 0; // empty for a cell
    virtual RECT GetRect() const = 0;                // a cell's comes from the layout
    virtual void SetRect(RECT const& rect) = 0;      // free float controls only
    virtual bool IsHorizontallyLocked() const = 0;
    virtual bool IsVerticallyLocked() const = 0;
    virtual void SetText(std::wstring const& text) = 0;
    virtual std::wstring const& GetText() const = 0;
    virtual void SetImage(std::wstring const& name) = 0;
    virtual std::wstring const& GetImage() const = 0;
    virtual void SetImageIndex(int index) = 0; // into the tree grid's image list, -1 none
    virtual int GetImageIndex() const = 0;
    virtual void SetValue(int value) = 0; // a check box's 0, 1 or 2, a progress's percent
    virtual int GetValue() const = 0;
    virtual void SetTooltip(std::wstring const& text) = 0;
    virtual std::wstring const& GetTooltip() const = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual bool IsVisible() const = 0;
    virtual unsigned GetState() const = 0;
    virtual void SetState(unsigned mask, bool on) = 0;
    virtual bool HasState(unsigned mask) const = 0;
    virtual IObjStyle* GetStyle() = 0;
    virtual void SetData(void* data) = 0;
    virtual void* GetData() const = 0;
    virtual IControl* GetControl() = 0; // its in-cell control, or null
    virtual CTreeGrid* GetTreeGrid() const = 0;

protected:
    virtual ~IFloatControl() {} // float controls belong to their tree grid
};

// The in-cell control of a cell or free float control, made for the kind its style names. The operations
// stand in this order for hosts built against this header. A control has the interfaces of its kind
// (ICustomEdit for every kind that edits a text, combo boxes and check buttons included): ask with
// dynamic_cast.
class CTreeGrid::IControl
{
public:
    virtual IFloatControl* GetOwner() const = 0;
    virtual int GetKind() const = 0; // the style's control kind (CONTROL_...)
    // Opens what the control edits with (an editor, a combo box's list), as an activation would.
    virtual void Open() = 0;
    // Closes the open editor, committing its text.
    virtual void Close() = 0;
    virtual void Draw(HDC dc, RECT const& rect) = 0;
    // A click released over the control part that was pressed, at a client point.
    virtual void Click(POINT const& point) = 0;
    virtual bool IsOpen() const = 0; // its editor is open
    bool IsKind(int kind) const { return GetKind() == kind; }

protected:
    virtual ~IControl() {} // controls belong to their float control
};

// The controls that edit a text: plain text, Edit, FloatEdit, Spin and Launcher (and, beneath them, the
// combo box, check, button, label and link controls).
class CTreeGrid::ICustomEdit : public virtual CTreeGrid::IControl
{
public:
    virtual HWND GetEditorWindow() const = 0; // null while closed
    virtual RECT GetControlRect() const = 0;  // client coordinates
    // The size pair given to CreateFloatControl: a first value other than 0 fixes the editor's size.
    virtual void SetSize(int width, unsigned height) = 0;
    virtual void GetSize(int& width, unsigned& height) const = 0;
    virtual void SetAutoSize(bool autoSize) = 0; // on by default: the editor floats and grows with its text
    virtual bool GetAutoSize() const = 0;
    virtual void ShowEditor(bool show) = 0;
    virtual void SetMultiLine(bool multiLine) = 0;
    virtual void SetReadOnly(bool readOnly) = 0;

protected:
    ~ICustomEdit() {}
};

class CTreeGrid::IComboBox : public virtual CTreeGrid::IControl
{
public:
    // The items, and the index of the current one (-1 none).
    virtual void SetItems(std::vector<std::wstring> const& items, int current) = 0;
    virtual void GetItems(std::vector<std::wstring>& items, int& current) const = 0;
    // A pure drop-down list: a press on the editor opens the list.
    virtual void SetDropDownList(bool list) = 0;
    virtual bool IsDropDownList() const = 0;
    virtual HWND GetListWindow() const = 0; // null while the list is closed
    virtual bool IsListOpen() const = 0;
    virtual void OpenList(bool open) = 0;

protected:
    ~IComboBox() {}
};

// Check boxes (0 unchecked, 1 checked, 2 indeterminate), radio buttons and drop-down glyphs.
class CTreeGrid::ICheckButton : public virtual CTreeGrid::IControl
{
public:
    virtual void SetCheck(int value) = 0;
    virtual int GetCheck() const = 0;

protected:
    ~ICheckButton() {}
};

class CTreeGrid::IButton : public virtual CTreeGrid::IControl
{
protected:
    ~IButton() {}
};

class CTreeGrid::ILabel : public virtual CTreeGrid::IControl
{
protected:
    ~ILabel() {}
};

class CTreeGrid::ILink : public virtual CTreeGrid::IControl
{
protected:
    ~ILink() {}
};

class CTreeGrid::IImage : public virtual CTreeGrid::IControl
{
protected:
    ~IImage() {}
};

class CTreeGrid::IProgress : public virtual CTreeGrid::IControl
{
public:
    virtual int GetValue() const = 0; // 0 to 100

protected:
    ~IProgress() {}
};

// The float control where a node meets a column.
class CTreeGrid::ICell : public CTreeGrid::IFloatControl
{
public:
    virtual INode* GetNode() const = 0;
    virtual IColumn* GetColumn() const = 0;

protected:
    ~ICell() override {}
};

// The host's events handler. Every operation has a default that accepts and does nothing; queries (those
// returning bool) answer whether the tree grid may go on, except the custom-draw ones, which answer
// whether the host drew (and default to false). The operations stand in this order for hosts built
// against this header.
class CTreeGrid::CEventsHandler
{
public:
    virtual ~CEventsHandler() {}
    virtual void Created() {}
    virtual void FocusChanged(bool /*gained*/, bool /*internal*/) {}
    virtual void EnableChanged(bool /*enabled*/) {}
    virtual void Resized(int /*width*/, int /*height*/) {}
    virtual void MouseMoved(int /*x*/, int /*y*/) {}
    // takeFocus: clear it to keep the keyboard focus where it is.
    virtual void MouseDown(bool /*doubleClick*/, int /*x*/, int /*y*/, bool& /*takeFocus*/) {}
    virtual void MouseUp(int /*x*/, int /*y*/) {}
    virtual void MouseLeft() {}
    virtual void RightButton(bool /*down*/, int /*x*/, int /*y*/) {}
    virtual bool KeyDown(UINT /*key*/, UINT /*repeat*/, UINT /*flags*/) { return true; }
    virtual bool KeyDownWithModifiers(UINT /*key*/, bool /*control*/, bool /*shift*/, bool /*alt*/)
    {
        return true;
    }
    virtual void SelectionChanged() {}
    virtual void PaintBegin(HDC /*dc*/) {}
    virtual void PaintEnd(HDC /*dc*/) {}
    virtual bool ColumnsMayClear() { return true; }
    virtual void ColumnsCleared() {}
    virtual bool NodesMayClear() { return true; }
    virtual void NodesCleared() {}
    virtual bool ClearSelectionQuery() { return true; }
    virtual void DroppedOutside(HWND& /*window*/, POINT& /*screenPoint*/) {}
    virtual void ColumnVisibilityChanged(IColumn* /*column*/) {}
    virtual void ColumnTitleChanged(IColumn* /*column*/) {}
    virtual void ColumnResized(IColumn* /*column*/) {}
    virtual void ColumnWidthChanged(IColumn* /*column*/) {}
    virtual bool ColumnResizeStart(IColumn* /*column*/) { return true; }
    virtual bool ColumnDragStart(IColumn* /*column*/) { return true; }
    virtual bool ColumnDropTarget(IColumn* /*column*/, unsigned /*index*/) { return true; }
    virtual void ColumnDropped(IColumn* /*column*/, unsigned /*index*/) {}
    virtual void ColumnDropFinished() {}
    virtual bool ColumnHeaderCustomDraw(HDC, IColumn*, RECT const& /*outer*/, RECT const& /*inner*/)
    {
        return false;
    }
    virtual void ColumnHeaderPostPaint(HDC, IColumn*, RECT const& /*outer*/, RECT const& /*inner*/,
                                       RECT const& /*image*/, RECT const& /*text*/)
    {
    }
    virtual bool ColumnHeaderTooltip(IColumn* /*column*/, std::wstring& /*text*/) { return true; }
    virtual bool ColumnMayInsert(IColumn* /*column*/, unsigned /*index*/) { return true; }
    virtual void ColumnInserted(IColumn* /*column*/) {}
    virtual bool ColumnMayRemove(IColumn* /*column*/) { return true; }
    virtual void ColumnRemoved(IColumn* /*column*/) {}
    virtual void TooltipHidden() {}
    virtual void ControlClick(IFloatControl* /*control*/, bool /*down*/) {}
    virtual void ControlDoubleClick(IFloatControl* /*control*/) {}
    virtual void ControlRightClick(IFloatControl* /*control*/, bool /*down*/) {}
    virtual void ControlClicked(IFloatControl* /*control*/) {}
    virtual bool FocusMayChange(IFloatControl* /*newFocus*/) { return true; }
    virtual void FocusGained(IFloatControl* /*newFocus*/) {}
    virtual void FocusLost(IFloatControl* /*oldFocus*/) {}
    virtual bool ControlTooltip(IFloatControl* /*control*/, std::wstring& /*text*/) { return true; }
    virtual void FloatControlMoved(IFloatControl* /*control*/) {}
    virtual void FloatControlMoveFinished(IFloatControl* /*control*/) {}
    // Whether the host lets the mouse move the control and which of its edges may be dragged.
    virtual void FloatControlEditOptions(IFloatControl* /*control*/, bool& /*movable*/, bool& /*left*/,
                                         bool& /*top*/, bool& /*right*/, bool& /*bottom*/)
    {
    }
    virtual bool BeforeEdit(IFloatControl* /*control*/) { return true; }
    virtual bool NodeMayInsert(INode* /*node*/, INode* /*parent*/, INode* /*after*/) { return true; }
    virtual void NodeInserted(INode* /*node*/) {}
    virtual bool NodeMayRemove(INode* /*node*/) { return true; }
    virtual void NodeRemoved(INode* /*node*/) {}
    virtual bool NodeMayCollapse(INode* /*node*/) { return true; }
    virtual void NodeCollapsed(INode* /*node*/) {}
    virtual bool NodeMayExpand(INode* /*node*/) { return true; }
    virtual void NodeExpanded(INode* /*node*/) {}
    virtual void NodeVisibilityChanged(INode* /*node*/) {}
    virtual bool NodesDragStart(std::vector<INode*>& /*nodes*/) { return true; }
    virtual bool NodeDropTarget(INode* /*parent*/, INode* /*after*/) { return true; }
    virtual void NodesDropped(std::vector<INode*>& /*nodes*/, INode* /*parent*/, INode* /*after*/) {}
    virtual void NodesDropFinished() {}
    virtual void NodeMoved(INode* /*node*/, INode* /*parent*/, INode* /*after*/) {}
    virtual void RowPaint(HDC /*dc*/, INode* /*node*/, RECT const& /*row*/) {}
    virtual void ExpandButtonImage(CImageList& /*images*/, int& /*dx*/, int& /*dy*/) {}
    virtual void RowHeaderClick(INode* /*node*/) {} // null: the header corner
    virtual bool RowHeaderCustomDraw(HDC /*dc*/, INode* /*node*/, RECT const& /*rect*/) { return false; }
    virtual void RowResized(INode* /*node*/) {}
    virtual void RowHeightChanged(INode* /*node*/) {}
    virtual bool RowResizeStart(INode* /*node*/) { return true; }
    virtual void CellDoubleClick(ICell* /*cell*/) {}
    virtual void CellClick(ICell* /*cell*/, bool /*down*/, bool& /*handled*/) {}
    virtual void CellRightClick(ICell* /*cell*/, bool /*down*/, bool& /*handled*/) {}
    virtual bool CellMaySelect(ICell* /*cell*/, bool /*notify*/) { return true; }
    virtual void CellSelected(ICell* /*cell*/) {}
    virtual bool CellMayUnselect(ICell* /*cell*/) { return true; }
    virtual void HoverLeft(ICell* /*cell*/) {}
    virtual void HoverEntered(ICell* /*cell*/) {}
    virtual void CellRemoving(ICell* /*cell*/) {}
    virtual void CellPostPaint(HDC /*dc*/, ICell* /*cell*/, RECT const& /*outer*/) {}
    // The flags say what the tree grid still draws when the host draws only a part.
    virtual bool CellCustomDraw(HDC /*dc*/, ICell* /*cell*/, RECT const& /*outer*/, RECT const& /*inner*/,
                                bool& /*background*/, bool& /*border*/, bool& /*icon*/, bool& /*text*/,
                                bool& /*control*/)
    {
        return false;
    }
    virtual bool RowHeaderTooltip(INode* /*node*/, std::wstring& /*text*/) { return true; }
    // --- The in-cell controls' editors and glyphs.
    virtual bool EditorMayOpen(IControl* /*control*/) { return true; }
    virtual bool EditorMayClose(ICustomEdit* /*editor*/) { return true; }
    virtual void EditorClosed(ICustomEdit* /*editor*/) {}
    virtual bool EditorTextChanged(ICustomEdit* /*editor*/, std::wstring& /*text*/) { return true; }
    virtual bool ValueCommitted(ICustomEdit* /*editor*/, std::wstring& /*text*/) { return true; }
    virtual void EditorKey(ICustomEdit* /*editor*/, UINT /*key*/) {}
    virtual void EditorDoubleClick(ICustomEdit* /*editor*/) {}
    virtual void EditorRightButton(ICustomEdit* /*editor*/, int /*down*/) {}
    virtual bool CheckMayChange(ICheckButton* /*check*/, bool /*flag*/) { return true; }
    virtual bool CheckValueMayChange(ICheckButton* /*check*/, int& /*value*/) { return true; }
    virtual void CheckChanged(ICheckButton* /*check*/) {}
    virtual bool DrawCheckGlyph(HDC /*dc*/, ICheckButton* /*check*/, RECT const& /*rect*/) { return false; }
    virtual void DropDownClicked(IControl* /*control*/) {}
    virtual void RadioClicked(IControl* /*control*/) {}
    virtual void SpinClicked(IControl* /*control*/, bool /*up*/) {}
    virtual void LauncherClicked(IControl* /*control*/) {}
    virtual bool ListMayOpen(IComboBox* /*combo*/) { return true; }
    virtual bool ItemMayBeChosen(IComboBox* /*combo*/, int /*index*/) { return true; }
    virtual void ItemChosen(IComboBox* /*combo*/, int /*index*/) {}
    virtual void ItemPicked(IComboBox* /*combo*/, int /*index*/) {}
    // --- Styles.
    // With LOOK_HOST: a default style has just been created for the type; fill it as the built-in looks
    // would.
    virtual void FillDefaultStyle(IDrawStyle* /*style*/, EObjectType /*type*/) {}
    // A style object was created: a default style, or one made with a node, column, cell or float control.
    virtual void StyleCreated(IDrawStyle* /*style*/) {}
    virtual void ScrollBarVisibilityChanged(bool /*horizontal*/) {}
    virtual void FilesDropped(HDROP /*drop*/) {}
};
