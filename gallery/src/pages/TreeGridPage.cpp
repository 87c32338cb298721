// Tree grid: the two built-in looks side by side (headers, row headers, tree lines, expand buttons, grid
// lines, icons, selected, hovered and disabled cells, a cell of bands with rounded borders), and a grid of
// 100,000 rows with two locked columns, scrolled down and to the right.
#include "GalleryPage.h"
#include "Paint.h"

#include <LumoCtrls/LumoCtrls.h>

#include <memory>
#include <string>

namespace
{
COLORREF const kKey = RGB(255, 0, 255);

// A strip of four 16-pixel icons: coloured squares with a darker frame on magenta.
CBitmap IconStrip()
{
    HDC const screen = GetDC(nullptr);
    HDC const dc = CreateCompatibleDC(screen);
    HBITMAP const strip = CreateCompatibleBitmap(screen, 64, 16);
    ReleaseDC(nullptr, screen);
    HGDIOBJ const previous = SelectObject(dc, strip);
    gallery::FillColor(dc, RECT{0, 0, 64, 16}, kKey);
    COLORREF const colours[] = {RGB(230, 170, 40), RGB(70, 140, 220), RGB(90, 180, 90), RGB(200, 80, 80)};
    for (int i = 0; i < 4; ++i)
    {
        gallery::FillColor(dc, RECT{i * 16 + 2, 2, i * 16 + 14, 14}, RGB(60, 60, 60));
        gallery::FillColor(dc, RECT{i * 16 + 3, 3, i * 16 + 13, 13}, colours[i]);
    }
    SelectObject(dc, previous);
    DeleteDC(dc);
    return CBitmap(strip);
}

struct Entry
{
    wchar_t const* name;
    wchar_t const* size;
    wchar_t const* kind;
    int icon;
    int level;
};

Entry const kEntries[] = {
    {L"Documents", L"", L"folder", 0, 0},
    {L"Reports", L"", L"folder", 0, 1},
    {L"2026-q3.pdf", L"412 KB", L"PDF", 1, 2},
    {L"2026-q4.pdf", L"388 KB", L"PDF", 1, 2},
    {L"notes.txt", L"2 KB", L"text", 2, 1},
    {L"Pictures", L"", L"folder", 0, 0},
    {L"harbour.png", L"1.9 MB", L"image", 3, 1},
    {L"ridge.png", L"2.4 MB", L"image", 3, 1},
    {L"Music", L"", L"folder", 0, 0},
    {L"readme.md", L"1 KB", L"text", 2, 0},
};

// One of the two look grids: three columns, a row header, a small tree with every kind of state.
void FillLookGrid(CTreeGrid& grid, HWND parent, RECT const& place)
{
    grid.Create(CWnd(parent));
    grid.Resize(place);
    grid.SetStyle(CTreeGrid::STYLE_TREE_LINES, true);
    grid.SetStyle(CTreeGrid::STYLE_EXPAND_BUTTONS, true);
    grid.SetGridLinesStyle(CTreeGrid::LINES_VERTICAL, true);
    grid.SetGridLinesStyle(CTreeGrid::LINES_HORIZONTAL, true);
    grid.SetColorGridLines(RGB(225, 225, 225));
    grid.ShowRowHeader(true);
    grid.SetRowHeaderWidth(28);
    grid.SetImageList(IconStrip(), 16, 1, kKey);
    grid.InsertColumn(0, L"Name", 190);
    grid.InsertColumn(1, L"Size", 80);
    grid.InsertColumn(2, L"Kind", 90);
    CTreeGrid::IColumn& name = grid.GetColumn(0);
    grid.SetTreeColumn(&name);
    CTreeGrid::INode* parents[3] = {};
    int row = 1;
    for (Entry const& entry : kEntries)
    {
        CTreeGrid::INode* const node = grid.AddNode(entry.level == 0 ? nullptr : parents[entry.level - 1]);
        parents[entry.level] = node;
        node->SetHeight(20);
        node->SetRowHeaderText(std::to_wstring(row++));
        CTreeGrid::ICell* const cell = node->GetCell(name);
        cell->SetText(entry.name);
        cell->SetImageIndex(entry.icon);
        node->GetCell(grid.GetColumn(1))->SetText(entry.size);
        node->GetCell(grid.GetColumn(2))->SetText(entry.kind);
    }
    CTreeGrid::INode* const documents = grid.GetFirstSiblingNode();
    documents->SetExpanded(true);
    documents->GetFirstChild()->SetExpanded(true);
    grid.GetNextSiblingNode(*documents)->SetExpanded(true);

    // A selected cell, a hovered one, a disabled row and a cell of bands with rounded borders.
    CTreeGrid::INode* const report = documents->GetFirstChild()->GetFirstChild();
    grid.SelectCell(*report->GetCell(name));
    grid.SelectCell(*report->GetCell(grid.GetColumn(1)));
    report->GetNextSibling()->GetCell(name)->SetState(CTreeGrid::STATE_HOVER, true);
    CTreeGrid::INode* const notes = documents->GetLastChild();
    for (unsigned c = 0; c < 3; ++c)
        notes->GetCell(grid.GetColumn(c))->SetState(CTreeGrid::STATE_DISABLE, true);
    CTreeGrid::ICell* const fancy = grid.GetLastSiblingNode()->GetCell(grid.GetColumn(2));
    CTreeGrid::IObjStyle* const style = fancy->GetStyle();
    style->AddBackgroundColor(CTreeGrid::STATE_NORMAL, RGB(255, 244, 200), RGB(255, 214, 120), 60);
    style->AddBackgroundColor(CTreeGrid::STATE_NORMAL, RGB(255, 214, 120), RGB(245, 170, 60), 40);
    style->SetBorder(CTreeGrid::STATE_NORMAL, L"black-border", 0xF);
    style->SetBorderRadius(4);
    style->SetSelectionMode(8); // the whole cell is its background
    fancy->SetText(L"bands");
    grid.Show(true);
}
} // namespace

class CTreeGridPage : public CGalleryPage
{
public:
    wchar_t const* GetTitle() const override { return L"Tree grid"; }
    wchar_t const* GetFileStem() const override { return L"TreeGrid"; }

protected:
    void OnCreated() override
    {
        // The standard look selects whole rows; the theme look highlights a cell's icon and text.
        m_standard.SetStyle(CTreeGrid::STYLE_ROW_SELECTION, true);
        FillLookGrid(m_standard, GetWindow(), RECT{12, 32, 12 + 432, 32 + 262});
        FillLookGrid(m_theme, GetWindow(), RECT{456, 32, 456 + 432, 32 + 262});

        // A hundred thousand rows of eight columns; the first two stay while the others scroll.
        m_large.Create(CWnd(GetWindow()));
        m_large.Resize(RECT{12, 330, 12 + 876, 330 + 330});
        m_large.SetGridLinesStyle(CTreeGrid::LINES_VERTICAL, true);
        m_large.SetGridLinesStyle(CTreeGrid::LINES_HORIZONTAL, true);
        m_large.SetGridLinesStyle(CTreeGrid::LINES_DOTTED, true);
        m_large.SetColorGridLines(RGB(190, 190, 190));
        m_large.SetMinimumCellHeight(18);
        for (unsigned c = 0; c < 8; ++c)
            m_large.InsertColumn(c, c == 0 ? L"Row" : L"Column " + std::to_wstring(c), c == 0 ? 70 : 130);
        m_large.LockColumnsUntil(&m_large.GetColumn(1));
        m_large.SetLockedUpdate(true);
        for (int i = 0; i < 100000; ++i)
            m_large.AddNode(nullptr);
        m_large.SetLockedUpdate(false);
        m_large.Refresh();
        m_large.SetVerticalScrollPosition(50000 * 19); // 18 pixels and the grid line
        // Only the rows on the page get texts: cells are made when first asked for.
        for (CTreeGrid::INode* node = m_large.GetTopVisibleNode(); node != nullptr;
             node = node == m_large.GetBottomVisibleNode() ? nullptr : m_large.GetNextSiblingNode(*node))
            for (unsigned c = 0; c < 8; ++c)
                node->GetCell(m_large.GetColumn(c))
                    ->SetText(c == 0 ? std::to_wstring(node->GetRowIndex() + 1)
                                     : L"cell " + std::to_wstring(node->GetRowIndex() + 1) + L"." +
                                           std::to_wstring(c));
        m_large.SetHorizontalScrollPosition(200);
        m_large.Show(true);
    }

    void Paint(HDC dc, RECT const& client) override
    {
        gallery::FillColor(dc, client, GetSysColor(COLOR_BTNFACE));
        gallery::Heading(dc, 12, 10, L"Look 0 (standard)");
        gallery::Heading(dc, 456, 10, L"Look 1 (theme)");
        gallery::Heading(dc, 12, 308,
                         L"100,000 rows, two locked columns, scrolled to row 50,001 and 200 pixels right");
    }

private:
    CTreeGrid m_standard{CTreeGrid::LOOK_STANDARD};
    CTreeGrid m_theme{CTreeGrid::LOOK_THEME};
    CTreeGrid m_large{CTreeGrid::LOOK_STANDARD};
};

std::unique_ptr<CGalleryPage> CreateTreeGridPage()
{
    return std::make_unique<CTreeGridPage>();
}
