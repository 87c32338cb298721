// The float controls of the tree grid: free ones placed anywhere, and cells, which are float controls bound
// to one node and one column. Both carry a value (text, image, integer), visual-state bits and an object
// style that decides their in-cell control.
#pragma once

#include "LumoControls/TreeGrid/TreeColumn.h"
#include "LumoControls/TreeGrid/TreeNode.h"
#include "LumoCtrls/LibraryMemory.h"
#include "LumoCtrls/Types.h"

#include <cstdint>
#include <memory>
#include <string>

namespace lumo
{
class FloatControl : public CLibraryObject
{
public:
    FloatControl(TreeModel& model, bool cell);
    ~FloatControl();
    FloatControl(FloatControl const&) = delete;
    FloatControl& operator=(FloatControl const&) = delete;

    TreeModel& GetModel() const { return *m_model; }
    bool IsCell() const { return m_isCell; }
    TreeCell* AsCell();
    TreeCell const* AsCell() const;
    FreeFloatControl* AsFree();

    // --- Value. Setters repaint the control when it changed.
    std::wstring const& GetText() const { return m_text; }
    void SetText(std::wstring const& text);
    std::wstring const& GetImage() const; // a name of the tree grid's image table
    void SetImage(std::wstring const& name);
    int GetImageIndex() const { return m_imageIndex; } // into the tree grid's image list, -1 none
    void SetImageIndex(int index);
    int GetValue() const { return m_value; } // check value, progress, the control's own number
    void SetValue(int value);
    std::wstring const& GetTooltip() const;
    void SetTooltip(std::wstring const& text);
    bool IsVisible() const { return m_visible; }
    void SetVisible(bool visible);
    void* GetData() const { return m_data; }
    void SetData(void* data) { m_data = data; }

    // --- Visual-state bits. A mask tests true only when all its bits are set.
    unsigned GetState() const { return m_state; }
    bool HasState(unsigned mask) const { return (m_state & mask) == mask; }
    void SetState(unsigned mask, bool on);

    // --- The object style: made on first request (or at once when the host hears of new styles).
    ObjStyle& GetStyle();
    ObjStyle* FindStyle() const;

private:
    friend class TreeModel;

    // What most controls never have.
    struct Extras : CLibraryObject
    {
        std::wstring image;
        std::wstring tooltip;
    };
    Extras& TheExtras();

    TreeModel* m_model;
    std::unique_ptr<DrawStyle> m_style;
    std::unique_ptr<Extras> m_extras;
    std::wstring m_text;
    void* m_data = nullptr;
    int m_imageIndex = -1;
    int m_value = 0;
    unsigned m_state = 0;
    bool m_visible = true;
    bool m_isCell;
};

// A float control of its own, placed anywhere in the grid (CreateFloatControl).
class FreeFloatControl : public FloatControl
{
public:
    FreeFloatControl(TreeModel& model, std::wstring name, Rect const& rect, int editorWidth,
                     unsigned editorHeight, bool horizontalLock, bool verticalLock, int value,
                     std::uint64_t number);

    std::wstring const& GetName() const { return m_name; }
    // Content coordinates; the layout shifts them by the scroll position unless locked.
    Rect const& GetRect() const { return m_rect; }
    void SetRect(Rect const& rect);
    bool IsHorizontallyLocked() const { return m_horizontalLock; }
    bool IsVerticallyLocked() const { return m_verticalLock; }
    // The size pair handed to the control's editor (a first value other than 0 fixes the editor's size).
    int GetEditorWidth() const { return m_editorWidth; }
    unsigned GetEditorHeight() const { return m_editorHeight; }
    // Its number in the tree grid's creation order.
    std::uint64_t GetNumber() const { return m_number; }

private:
    std::wstring m_name;
    Rect m_rect;
    std::uint64_t m_number;
    int m_editorWidth;
    unsigned m_editorHeight;
    bool m_horizontalLock;
    bool m_verticalLock;
};

// The float control where a node meets a column.
class TreeCell : public FloatControl
{
public:
    TreeCell(TreeModel& model, TreeNode& node, TreeColumn& column);
    ~TreeCell();

    TreeNode& GetNode() const { return *m_node; }
    TreeColumn& GetColumn() const { return *m_column; }
    bool IsSelected() const { return m_selectionSlot >= 0; }
    // The next existing cell of the same column (see TreeColumn::FirstCellObject).
    TreeCell* NextInColumn() const { return m_nextInColumn; }

private:
    friend class CellSelection;
    friend class TreeColumn;
    friend class TreeModel;

    TreeNode* m_node;
    TreeColumn* m_column;
    TreeCell* m_nextInColumn = nullptr; // the column's cells that exist, for its removal
    TreeCell* m_prevInColumn = nullptr;
    std::int64_t m_selectionOrder = 0; // when it was selected, for cells of one row
    int m_selectionSlot = -1;          // where the selection keeps it, -1 when not selected
};
} // namespace lumo
