// List grid: a grid with row numbers, icons, bold and coloured cells and a sorted column, with an editor
// open on a cell that carries a "..." button; and a million items to scroll, with a spin editor open.
#include "GalleryPage.h"
#include "Paint.h"

#include <LumoCtrls/LumoCtrls.h>

#include <memory>
#include <string>

namespace
{
// A 16-pixel round badge of one colour.
CIcon Badge(COLORREF color)
{
    HDC const screen = GetDC(nullptr);
    HBITMAP const image = CreateCompatibleBitmap(screen, 16, 16);
    HBITMAP const mask = CreateBitmap(16, 16, 1, 1, nullptr);
    HDC const dc = CreateCompatibleDC(screen);
    HGDIOBJ const previous = SelectObject(dc, mask);
    PatBlt(dc, 0, 0, 16, 16, WHITENESS);
    SelectObject(dc, GetStockObject(BLACK_BRUSH));
    Ellipse(dc, 1, 1, 15, 15);
    SelectObject(dc, image);
    PatBlt(dc, 0, 0, 16, 16, BLACKNESS);
    HBRUSH const brush = CreateSolidBrush(color);
    SelectObject(dc, brush);
    SelectObject(dc, GetStockObject(NULL_PEN));
    Ellipse(dc, 1, 1, 16, 16);
    SelectObject(dc, previous);
    DeleteObject(brush);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    ICONINFO info{TRUE, 0, 0, mask, image};
    CIcon icon(CreateIconIndirect(&info));
    DeleteObject(image);
    DeleteObject(mask);
    return icon;
}

struct Row
{
    wchar_t const* name;
    unsigned icon;
    wchar_t const* quantity;
    wchar_t const* note;
    COLORREF color;
    bool bold;
};

Row const kRows[] = {
    {L"Anchor bolts", 0, L"120", L"in stock", RGB(0, 120, 0), false},
    {L"Brackets", 1, L"8", L"reorder", RGB(200, 0, 0), true},
    {L"Cable ties", 2, L"2500", L"in stock", RGB(0, 120, 0), false},
    {L"Dowels", 0, L"0", L"sold out", RGB(200, 0, 0), true},
    {L"Eye hooks", 1, L"64", L"line one\tline two", RGB(0, 0, 160), false},
    {L"Fasteners", 2, L"310", L"in stock", RGB(0, 120, 0), false},
};

void AddColumns(CGrid& grid, std::initializer_list<std::pair<wchar_t const*, int>> columns)
{
    for (auto const& column : columns)
    {
        CGrid::IColumn& added = grid.AppendColumn();
        added.SetTitle(column.first);
        added.SetWidth(column.second);
    }
}
} // namespace

// Registers the grid's classes for as long as a page of the list grid lives.
class CGridClasses
{
public:
    CGridClasses() { CGrid::Register(); }
    ~CGridClasses() { CGrid::Unregister(); }
};

class CListGridPage : public CGalleryPage
{
public:
    wchar_t const* GetTitle() const override { return L"List grid"; }
    wchar_t const* GetFileStem() const override { return L"ListGrid"; }

protected:
    void OnCreated() override
    {
        m_parts.Create(GetWindow(), 1, 12, 32, 440, 190, true, nullptr);
        AddColumns(m_parts, {{L"Part", 150}, {L"Quantity", 80}, {L"Note", 170}});
        m_parts.SetItemIconList(
            {Badge(RGB(230, 160, 0)), Badge(RGB(40, 140, 220)), Badge(RGB(120, 180, 60))});
        m_parts.GetColumn(0).ShowItemIcons(true);
        m_parts.GetColumn(1).SetAlignment(CGrid::AlignRight);
        m_parts.SetItemCount(static_cast<unsigned>(std::size(kRows)), false);
        for (unsigned i = 0; i < std::size(kRows); ++i)
        {
            Row const& row = kRows[i];
            m_parts.GetColumn(0).SetItemText(i, row.name);
            m_parts.GetColumn(0).SetItemIcon(i, row.icon);
            m_parts.GetColumn(1).SetItemText(i, row.quantity);
            m_parts.GetColumn(1).SetItemBold(i, row.bold);
            m_parts.GetColumn(2).SetItemText(i, row.note);
            m_parts.GetColumn(2).SetItemTextColor(i, row.color);
        }
        m_parts.SetSortColumn(&m_parts.GetColumn(0));
        m_parts.SetSortOrder(false);
        m_parts.SortItems();
        m_parts.GetColumn(2).SetItemButton(2, true);
    }

    // The editor floats above the page: it opens while the page shows.
    void OnShown() override
    {
        m_parts.GetColumn(2).SelectItem(2);
        m_parts.SetFocus();
        m_parts.EditItem();
    }
    void OnHidden() override { m_parts.SetFocus(); }

    void Paint(HDC dc, RECT const& client) override
    {
        gallery::FillColor(dc, client, GetSysColor(COLOR_BTNFACE));
        gallery::Heading(dc, 12, 10, L"Row numbers, icons, bold and coloured cells, sorted by part");
        gallery::Heading(dc, 12, 234,
                         L"The note of the third part is being edited: its editor has a \"...\" button");
    }

private:
    CGridClasses m_classes;
    CGrid m_parts;
};

class CListGridScalePage : public CGalleryPage
{
public:
    wchar_t const* GetTitle() const override { return L"List grid (10^6)"; }
    wchar_t const* GetFileStem() const override { return L"ListGridScale"; }

protected:
    void OnCreated() override
    {
        m_million.Create(GetWindow(), 2, 12, 32, 440, 300, true, nullptr);
        AddColumns(m_million, {{L"Item", 120}, {L"Count", 90}, {L"Code", 120}});
        unsigned const count = 1000000;
        m_million.SetItemCount(count, false);
        for (unsigned i = 0; i < count; ++i)
        {
            m_million.GetColumn(0).SetItemText(i, L"item " + std::to_wstring(i + 1));
            m_million.GetColumn(1).SetItemText(i, std::to_wstring((i * 37) % 1000));
            m_million.GetColumn(2).SetItemText(i, L"#" + std::to_wstring(i % 7919));
        }
        m_million.GetColumn(1).SetSpinRange(0, 999);
        m_million.GetColumn(1).SetItemSpin(500003, true);
    }

    void OnShown() override
    {
        m_million.GetColumn(1).SelectItem(500003);
        m_million.SetFocus();
        m_million.EditItem();
    }
    void OnHidden() override { m_million.SetFocus(); }

    void Paint(HDC dc, RECT const& client) override
    {
        gallery::FillColor(dc, client, GetSysColor(COLOR_BTNFACE));
        gallery::Heading(dc, 12, 10, L"A million items, scrolled to the middle, with a spin editor open");
    }

private:
    CGridClasses m_classes;
    CGrid m_million;
};

std::unique_ptr<CGalleryPage> CreateListGridPage()
{
    return std::make_unique<CListGridPage>();
}

std::unique_ptr<CGalleryPage> CreateListGridScalePage()
{
    return std::make_unique<CListGridScalePage>();
}
