// A node of the tree grid: one row, its place in the tree, its heights, states and texts.
//
// A node is small, since trees hold a million of them: what most nodes never have (texts, styles, cells
// that were asked for) sits in one block made on first use. A node's three styles and its cells exist as
// objects only once something asks for them or a handler must hear of them (see TreeModel); until then
// they read as what a new one would hold.
#pragma once

#include "LumoControls/TreeGrid/TreeTypes.h"
#include "LumoCtrls/LibraryMemory.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace lumo
{
class DrawStyle;
class ObjStyle;
class Style;

class TreeNode
{
public:
    // A node of the model, not yet linked. A root is the implicit parent of the top-level nodes.
    TreeNode(TreeModel& model, bool root = false);
    ~TreeNode();
    TreeNode(TreeNode const&) = delete;
    TreeNode& operator=(TreeNode const&) = delete;

    TreeModel& GetModel() const { return *m_model; }
    bool IsRoot() const { return m_level < 0; }

    // --- The tree. A top-level node's parent is the root; the root has none.
    TreeNode* GetParent() const { return m_parent; }
    TreeNode* GetFirstChild() const { return m_firstChild; }
    TreeNode* GetLastChild() const { return m_lastChild; }
    TreeNode* GetNextSibling() const { return m_next; }
    TreeNode* GetPrevSibling() const { return m_prev; }
    int GetLevel() const { return m_level; } // top-level nodes 0, the root -1
    bool IsDescendantOf(TreeNode const& ancestor) const;
    // The depth-first successor: first child, else next sibling, else the nearest ancestor's next sibling.
    TreeNode* GetNextInTree() const;
    TreeNode* GetPrevVisibleSibling() const;
    TreeNode* GetNextVisibleSibling() const;
    TreeNode* GetFirstVisibleChild() const;
    TreeNode* GetLastVisibleChild() const;

    // --- Texts and the row-header image (-1 none).
    std::wstring const& GetRowHeaderText() const;
    void SetRowHeaderText(std::wstring const& text); // repaints the row header when it changed
    std::wstring const& GetSecondText() const;
    void SetSecondText(std::wstring const& text); // stored when changed, nothing repainted
    std::wstring const& GetThirdText() const;
    void SetThirdText(std::wstring const& text);
    int GetRowHeaderImage() const;
    void SetRowHeaderImage(int index);

    // --- Heights. The height shown is at least the tree grid's minimum cell height and its image height.
    unsigned GetHeight() const;
    unsigned GetOwnHeight() const { return m_height; }
    void SetHeight(unsigned height); // clamped to [minimum, maximum]
    unsigned GetMinHeight() const { return m_minHeight; }
    void SetMinHeight(unsigned height);
    unsigned GetMaxHeight() const { return m_maxHeight; }
    void SetMaxHeight(unsigned height);

    // --- Expansion and visibility.
    bool IsExpanded() const; // reported as expanded when the tree grid has no tree column
    bool HasExpandedFlag() const { return (m_flags & kExpanded) != 0; }
    bool SetExpanded(bool expanded); // false when the handler refused
    bool IsVisible() const { return (m_flags & kVisible) != 0; }
    void SetVisible(bool visible);
    bool IsEnabled() const { return (m_flags & kEnabled) != 0; }
    bool GetSecondFlag() const { return (m_flags & kSecondFlag) != 0; }
    void SetSecondFlag(bool flag) { SetFlag(kSecondFlag, flag); }
    // Whether the node is one of the rows shown: visible, with every ancestor visible and expanded.
    bool IsShown() const;

    // --- States: visual-state bits of the row (body) and of its row header. A mask tests true only when
    // all its bits are set. The body setter never changes the focus bit, which the tree grid keeps.
    unsigned GetState() const { return m_state; }
    bool HasState(unsigned mask) const { return (m_state & mask) == mask; }
    void SetState(unsigned mask, bool on);
    unsigned GetHeaderState() const { return m_headerState; }
    bool HasHeaderState(unsigned mask) const { return (m_headerState & mask) == mask; }
    void SetHeaderState(unsigned mask, bool on);

    // --- Styles: made on first request (or at once when the host hears of new styles).
    DrawStyle& GetRowStyle();
    Style& GetRowHeaderStyle();
    ObjStyle& GetCellStyle();
    DrawStyle* FindRowStyle() const;
    Style* FindRowHeaderStyle() const;
    ObjStyle* FindCellStyle() const;

    void* GetData() const { return m_data; }
    void SetData(void* data) { m_data = data; }

    // --- Row indices among the rows shown.
    int GetRowIndex(); // recomputed when stale; -1 for a node that is not shown
    int GetCachedRowIndex() const { return m_rowIndex; }
    bool SetRowIndex(int index); // false when unchanged
    int GetLayoutIndex() const;  // the index the layout last gave the row, -1 when not current

    // --- Cells: the node's cell in a column. Every node has one in every column (made when first asked
    // for) unless it was removed.
    TreeCell* GetCell(TreeColumn& column);
    TreeCell* FindCell(TreeColumn const& column) const; // only a cell that exists as an object
    unsigned GetSelectedCellCount() const { return m_selectedCells; }

private:
    friend class TreeModel;
    friend class RowPositions;

    static constexpr std::uint8_t kExpanded = 0x01;
    static constexpr std::uint8_t kVisible = 0x02;
    static constexpr std::uint8_t kEnabled = 0x04;
    static constexpr std::uint8_t kSecondFlag = 0x08;

    // A cell of the node: the column, and the cell (null when it was removed).
    struct CellEntry
    {
        TreeColumn* column;
        TreeCell* cell;
    };
    // The node's cells that exist or were removed. Most nodes that have any have one (the column the host
    // looks at): it is kept inline, the others in a list.
    class Cells
    {
    public:
        CellEntry* Find(TreeColumn const& column);
        void Add(TreeColumn& column, TreeCell* cell);
        void Erase(TreeColumn const& column);
        template <class Visit> void ForEach(Visit&& visit) const
        {
            if (m_first.column != nullptr)
                visit(m_first);
            for (CellEntry const& entry : m_more)
                visit(entry);
        }

    private:
        CellEntry m_first{nullptr, nullptr};
        std::vector<CellEntry> m_more;
    };
    struct Texts : CLibraryObject
    {
        std::wstring rowHeader;
        std::wstring second;
        std::wstring third;
    };
    // What most nodes never have.
    // Made from the model's pool: a node that is looked at gets one, and there may be a million.
    struct Extras
    {
        std::unique_ptr<DrawStyle> rowStyle;
        std::unique_ptr<DrawStyle> rowHeaderStyle;
        std::unique_ptr<DrawStyle> cellStyle;
        Cells cells;
        std::unique_ptr<Texts> texts;
        int rowHeaderImage = -1;
    };

    Extras& TheExtras();
    Texts& TheTexts();
    void SetFlag(std::uint8_t flag, bool on);
    CellEntry* FindEntry(TreeColumn const& column) const;

    TreeModel* m_model;
    TreeNode* m_parent = nullptr;
    TreeNode* m_firstChild = nullptr;
    TreeNode* m_lastChild = nullptr;
    TreeNode* m_next = nullptr;
    TreeNode* m_prev = nullptr;
    Extras* m_extras = nullptr;
    void* m_data = nullptr;
    std::uint32_t m_height;
    std::uint32_t m_minHeight;
    std::uint32_t m_maxHeight = kUnboundedHeight;
    std::int32_t m_level;
    std::int32_t m_rowIndex = -1;
    std::int32_t m_top = -1;
    std::uint16_t m_state = 0;
    std::uint16_t m_headerState = 0;
    std::uint16_t m_selectedCells = 0;
    std::uint8_t m_flags = kVisible | kEnabled;
};
} // namespace lumo
