// A column of the tree grid: its title and texts, its width and bounds, its states and styles, and the
// cells that exist of it as objects.
#pragma once

#include "LumoControls/TreeGrid/TreeTypes.h"
#include "LumoCtrls/LibraryMemory.h"

#include <cstdint>
#include <memory>
#include <string>

namespace lumo
{
class DrawStyle;
class ObjStyle;
class Style;

class TreeColumn : public CLibraryObject
{
public:
    TreeColumn(TreeModel& model, std::wstring title, int width, void* data);
    ~TreeColumn();
    TreeColumn(TreeColumn const&) = delete;
    TreeColumn& operator=(TreeColumn const&) = delete;

    TreeModel& GetModel() const { return *m_model; }

    // --- Texts and the header image (-1 none).
    std::wstring const& GetTitle() const { return m_title; }
    void SetTitle(std::wstring const& title); // the host hears of a change, then the header is measured
    std::wstring const& GetSecondText() const { return m_secondText; }
    void SetSecondText(std::wstring const& text);
    std::wstring const& GetThirdText() const { return m_thirdText; }
    void SetThirdText(std::wstring const& text) { m_thirdText = text; }
    int GetHeaderImage() const { return m_headerImage; }
    void SetHeaderImage(int index);

    // --- Width and position. Bounds of 0 mean none.
    int GetWidth() const { return m_width; }
    void SetWidth(int width);
    int GetMinWidth() const { return m_minWidth; }
    void SetMinWidth(int width);
    int GetMaxWidth() const { return m_maxWidth; }
    void SetMaxWidth(int width);
    int GetLeft() const { return m_left; } // content x, set by the layout
    void SetLeft(int left) { m_left = left; }
    int GetRight() const { return m_left + m_width - 1; }
    int GetFixedPosition() const { return m_fixedPosition; } // -1 none
    void SetFixedPosition(int position);

    // --- Visibility, states (as on nodes, without a protected bit) and the further flag.
    bool IsVisible() const { return m_visible; }
    void SetVisible(bool visible);
    bool GetSecondFlag() const { return m_secondFlag; }
    void SetSecondFlag(bool flag) { m_secondFlag = flag; }
    unsigned GetState() const { return m_state; }
    bool HasState(unsigned mask) const { return (m_state & mask) == mask; }
    void SetState(unsigned mask, bool on);
    unsigned GetHeaderState() const { return m_headerState; }
    bool HasHeaderState(unsigned mask) const { return (m_headerState & mask) == mask; }
    void SetHeaderState(unsigned mask, bool on);

    void* GetData() const { return m_data; }
    void SetData(void* data) { m_data = data; }

    // --- Styles: made on first request (or at once when the host hears of new styles).
    DrawStyle& GetColumnStyle();
    Style& GetHeaderStyle();
    ObjStyle& GetCellStyle();
    DrawStyle* FindColumnStyle() const { return m_columnStyle.get(); }
    Style* FindHeaderStyle() const;
    ObjStyle* FindCellStyle() const;

    // --- Cells.
    TreeCell* GetCell(TreeNode& node); // null when the node's cell was removed
    unsigned GetSelectedCellCount() const { return m_selectedCells; }
    // The cells of this column that exist as objects, in no particular order.
    TreeCell* FirstCellObject() const { return m_cells; }

private:
    friend class TreeModel;
    friend class TreeCell;

    TreeModel* m_model;
    std::wstring m_title;
    std::wstring m_secondText;
    std::wstring m_thirdText;
    std::unique_ptr<DrawStyle> m_columnStyle;
    std::unique_ptr<DrawStyle> m_headerStyle;
    std::unique_ptr<DrawStyle> m_cellStyle;
    void* m_data;
    TreeCell* m_cells = nullptr; // the cells of this column that exist, linked through the cells
    int m_width = 0;
    int m_minWidth = 0;
    int m_maxWidth = 0;
    int m_left = 0;
    int m_fixedPosition = -1;
    int m_headerImage = -1;
    unsigned m_selectedCells = 0;
    unsigned m_removedCells = 0; // nodes whose cell of this column was removed (they keep a mark)
    std::uint16_t m_state = 0;
    std::uint16_t m_headerState = 0;
    bool m_visible = true;
    bool m_secondFlag = true;
};
} // namespace lumo
