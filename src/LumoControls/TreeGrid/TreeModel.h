// The tree grid's model: its columns, its tree of nodes, its free float controls, the cell selection and
// the settings the host stores, with every structural operation and the host's say in it.
//
// The model makes nothing per row that nobody can observe. A node, column, cell or float control gets its
// styles (and a node its cells) as objects only when the host asks for them, or at once when a handler is
// installed, since the handler hears of every style made. Without a handler the two ways are alike to the
// host: the same values, the same pointers once asked for.
#pragma once

#include "LumoControls/TreeGrid/CellSelection.h"
#include "LumoControls/TreeGrid/ObjectPool.h"
#include "LumoControls/TreeGrid/RowPositions.h"
#include "LumoControls/TreeGrid/StyleTypes.h"
#include "LumoControls/TreeGrid/TreeControls.h"
#include "LumoControls/TreeGrid/TreeEvents.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace lumo
{
class StyleRegistry;

// Makes and destroys the model's objects, so that the Win32 tree grid can make its own classes (which
// implement the host's interfaces) and keep its nodes in a pool.
class ITreeFactory
{
public:
    virtual ~ITreeFactory() = default;
    // root: the model's implicit root, the parent of its top-level nodes.
    virtual TreeNode* NewNode(TreeModel& model, bool root) = 0;
    virtual void DeleteNode(TreeNode* node) = 0;
    virtual TreeColumn* NewColumn(TreeModel& model, std::wstring const& title, int width, void* data) = 0;
    virtual void DeleteColumn(TreeColumn* column) = 0;
    virtual TreeCell* NewCell(TreeModel& model, TreeNode& node, TreeColumn& column) = 0;
    virtual void DeleteCell(TreeCell* cell) = 0;
    virtual FreeFloatControl* NewFloatControl(TreeModel& model, std::wstring const& name, Rect const& rect,
                                              int editorWidth, unsigned editorHeight, bool horizontalLock,
                                              bool verticalLock, int value, std::uint64_t number) = 0;
    virtual void DeleteFloatControl(FreeFloatControl* control) = 0;
};

// The objects the tree grid's interaction points at; a removed object is forgotten by all of them.
struct TreeReferences
{
    FloatControl* focus = nullptr;
    TreeCell* anchor = nullptr;
    FloatControl* hover = nullptr;
    FloatControl* pressed = nullptr;
    FloatControl* edited = nullptr;
    TreeNode* hoverRowHeader = nullptr;
    TreeNode* pressedRowHeader = nullptr;
    TreeColumn* hoverColumnHeader = nullptr;
    TreeColumn* pressedColumnHeader = nullptr;
    TreeNode* topRow = nullptr; // the top visible row (null: the row at the vertical scroll position)
    // What a press of the mouse is working on.
    FloatControl* pendingSelection = nullptr; // the cell a release selects
    TreeNode* resizedRow = nullptr;
    TreeColumn* resizedColumn = nullptr;
    TreeColumn* draggedColumn = nullptr;
    TreeColumn* dropColumn = nullptr;
    TreeNode* dropNode = nullptr;
    // The nodes being dragged; a removed node ends the whole drag (the list is emptied).
    std::vector<TreeNode*> draggedNodes;
    // Counts the objects forgotten (removed or moved): code that holds an object across a call to the
    // host compares it before and after, and lets go of what it holds when it moved.
    std::uint64_t removals = 0;
};

class TreeModel
{
public:
    TreeModel(ITreeFactory& factory, StyleRegistry& styles, ITreeEvents& events, IKeyState const& keys);
    ~TreeModel();
    TreeModel(TreeModel const&) = delete;
    TreeModel& operator=(TreeModel const&) = delete;

    // The object the model belongs to (the Win32 tree grid), for code that reaches the model from one of
    // its objects.
    void SetOwner(void* owner) { m_owner = owner; }
    void* GetOwner() const { return m_owner; }
    ITreeEvents& Events() const { return m_events; }
    ITreeView& View() const { return *m_view; }
    void SetView(ITreeView* view); // null: no view
    StyleRegistry& Styles() const { return m_styles; }
    TreeReferences& References() { return m_references; }

    // Removes every float control, node and column (each clearing asks the handler as its own operation
    // does); images, border styles and default styles stay.
    void Clear();

    // --- Settings.
    void SetStyle(unsigned bits, bool on);
    bool IsStyleSet(unsigned bits) const { return (m_styleBits & bits) == bits; }
    unsigned GetStyleBits() const { return m_styleBits; }
    void SetGridLinesStyle(unsigned bits, bool on);
    bool CheckGridLinesStyle(unsigned bits) const { return (m_lineBits & bits) == bits; }
    unsigned GetGridLinesStyle() const { return m_lineBits; }
    void SetGridLinesColor(COLORREF color);
    COLORREF GetGridLinesColor() const { return m_lineColor; }
    void SetLockedUpdate(bool locked) { m_lockedUpdate = locked; }
    bool IsLockedUpdate() const { return m_lockedUpdate; }
    void SetMinimumCellHeight(unsigned height); // below 10 becomes 10
    unsigned GetMinimumCellHeight() const { return m_minimumCellHeight; }
    void SetNodeIndentation(unsigned indentation); // at least twice the expand button less 2 (20)
    unsigned GetNodeIndentation() const { return m_nodeIndentation; }
    // The icon sizes of the image lists, which node heights and header sizes take account of.
    void SetImageListIconHeight(int height);
    int GetImageListIconHeight() const { return m_imageListIconHeight; }
    void SetColumnHeaderIconHeight(int height);
    void SetRowHeaderIconWidth(int width);

    // --- Headers.
    void ShowColumnHeader(bool shown);
    bool IsColumnHeaderVisible() const { return m_columnHeaderShown; }
    // exact: stored as given; otherwise raised to 16 and to the header image height.
    void SetColumnHeaderHeight(unsigned height, bool exact);
    unsigned GetColumnHeaderHeight() const; // at least the header image height
    void ShowRowHeader(bool shown);
    bool IsRowHeaderVisible() const { return m_rowHeaderShown; }
    void SetRowHeaderWidth(unsigned width); // raised to 16 and to the header image width
    unsigned GetRowHeaderWidth() const;     // at least the header image width
    void SelectColumnHeader(TreeColumn* column);
    TreeColumn* GetSelectedColumnHeader() const { return m_selectedColumnHeader; }

    // --- Columns.
    // index clamped to the count; false when the handler refused (the column is then discarded).
    bool InsertColumn(unsigned index, std::wstring const& title, int width, void* data);
    bool RemoveColumn(TreeColumn& column); // true also for a column that is not in the sequence
    void ClearColumns();
    void MoveColumnTo(TreeColumn& column, unsigned index);
    unsigned GetColumnCount() const { return static_cast<unsigned>(m_columns.size()); }
    TreeColumn& GetColumn(unsigned index) const;        // std::out_of_range beyond the count
    int GetColumnIndex(TreeColumn const& column) const; // -1 when not in the sequence
    std::vector<TreeColumn*> const& Columns() const { return m_columns; }
    void SetTreeColumn(TreeColumn* column);
    TreeColumn* GetTreeColumn() const { return m_treeColumn; }
    void LockColumnsUntil(TreeColumn* column);
    TreeColumn* GetLockColumn() const { return m_lockColumn; }
    void SelectColumn(TreeColumn* column);
    TreeColumn* GetSelectedColumn() const { return m_selectedColumn; }

    // --- Nodes. A null parent (or the root) means the top level.
    TreeNode& GetRoot() const { return *m_root; }
    TreeNode* AddNode(TreeNode* parent, void* data); // after the parent's last child
    // Null when after is not a child of parent, or when the handler refused.
    TreeNode* InsertNode(TreeNode* parent, TreeNode* after, void* data);
    bool RemoveNode(TreeNode& node);
    bool MoveNodeTo(TreeNode& node, TreeNode* parent, TreeNode* after);
    void ClearNodes();
    std::size_t GetNodeCount() const { return m_nodeCount; }
    // The number of levels in use (1 for only top-level nodes, 0 for none); shownOnly counts shown rows only.
    int GetNodeMaxDepth(bool shownOnly) const;
    void SetExpandNodeAndDescendants(TreeNode& node, bool expanded);
    RowPositions& Rows() { return m_rows; }

    // --- Cells and float controls.
    TreeCell* RenewCell(TreeNode& node, TreeColumn& column); // a fresh cell replaces any there was
    bool RemoveCell(TreeCell& cell);
    // The node's cell in the column, made as an object when it does not exist yet; null when removed.
    TreeCell* CellOf(TreeNode& node, TreeColumn& column);
    FreeFloatControl& CreateFloatControl(std::wstring const& name, Rect const& rect, int editorWidth,
                                         unsigned editorHeight, bool horizontalLock, bool verticalLock,
                                         int value);
    void RemoveFloatControl(FreeFloatControl& control);
    unsigned GetFloatControlCount() const { return static_cast<unsigned>(m_floatControls.size()); }
    FreeFloatControl& GetFloatControl(unsigned index) const; // std::out_of_range beyond the count

    // --- Cell selection.
    void SelectCell(TreeCell& cell, bool notify = true);
    void UnselectCell(TreeCell& cell);
    void ClearCellsSelection();
    std::vector<TreeCell*> const& GetSelectedCells() { return m_selection.Ordered(); }
    std::size_t GetSelectedCellCount() const { return m_selection.Size(); }
    std::uint64_t SelectionVersion() const { return m_selection.Version(); }

    // --- What the model's objects ask of it (not for the host).
    bool ExpandNode(TreeNode& node, bool expanded);
    void NodeVisibilityChanged(TreeNode& node);
    void NodeHeightChanged(TreeNode& node, unsigned before); // before: its height until now
    void ColumnVisibilityChanged(TreeColumn& column);
    void ColumnTitleChanged(TreeColumn& column);
    std::unique_ptr<DrawStyle> MakeStyle(StyleClass kind, ObjectType type, StyleRole role, void const* owner);
    // Every style of the model's objects (not the default styles).
    void ForEachStyle(std::function<void(DrawStyle&)> const& visit) const;
    bool Announces() const { return m_events.IsPresent(); }
    ObjectPool<TreeNode::Extras>& ExtrasPool() { return m_extras; }

private:
    TreeNode* ParentOrRoot(TreeNode* parent) const { return parent != nullptr ? parent : m_root; }
    TreeNode* ForHost(TreeNode* node) const { return node == m_root ? nullptr : node; }
    void Link(TreeNode& node, TreeNode& parent, TreeNode* after);
    void Unlink(TreeNode& node);
    void SetLevels(TreeNode& top, int level);
    // The first node after the node's subtree in tree order, or null.
    static TreeNode* SubtreeEnd(TreeNode const& top);
    void MakeEager(TreeNode& node);
    void MakeEager(TreeColumn& column);
    void EnsureNodeDefaults();
    void EnsureColumnDefaults();
    TreeCell* NewCell(TreeNode& node, TreeColumn& column);
    void DestroyCell(TreeCell& cell);
    void DestroyNode(TreeNode& node); // the node only: its cells, references and selection
    void DestroySubtree(TreeNode& top);
    void DestroyColumn(TreeColumn& column);
    void Unselect(TreeCell& cell); // without asking anyone
    void Forget(FloatControl const& control);
    void ForgetNode(TreeNode const& node);
    void ForgetColumn(TreeColumn const& column);
    void TakeOutColumn(TreeColumn& column);
    bool RemoveSubtree(TreeNode& top);

    ObjectPool<TreeNode::Extras> m_extras; // first: it outlives every node
    ITreeFactory& m_factory;
    StyleRegistry& m_styles;
    ITreeEvents& m_events;
    IKeyState const& m_keys;
    NullTreeView m_noView;
    ITreeView* m_view = &m_noView;
    TreeNode* m_root; // made by the factory too: hosts see it as a node
    void* m_owner = nullptr;
    std::vector<TreeColumn*> m_columns;
    std::vector<FreeFloatControl*> m_floatControls;
    CellSelection m_selection;
    RowPositions m_rows;
    TreeReferences m_references;
    TreeColumn* m_treeColumn = nullptr;
    TreeColumn* m_lockColumn = nullptr;
    TreeColumn* m_selectedColumn = nullptr;
    TreeColumn* m_selectedColumnHeader = nullptr;
    std::size_t m_nodeCount = 0;
    std::uint64_t m_nextControlNumber = 1;
    unsigned m_styleBits = 0;
    unsigned m_lineBits = 0;
    COLORREF m_lineColor = 0xC0C0C0;
    unsigned m_minimumCellHeight = kLeastMinimumCellHeight;
    unsigned m_nodeIndentation = kLeastNodeIndentation;
    unsigned m_columnHeaderHeight = kDefaultColumnHeaderHeight;
    unsigned m_rowHeaderWidth = 0;
    int m_imageListIconHeight = 0;
    int m_columnHeaderIconHeight = 0;
    int m_rowHeaderIconWidth = 0;
    bool m_columnHeaderShown = true;
    bool m_rowHeaderShown = false;
    bool m_lockedUpdate = false;
    bool m_announcing = false; // styles made now are announced: they are made as the node or column is
};
} // namespace lumo
