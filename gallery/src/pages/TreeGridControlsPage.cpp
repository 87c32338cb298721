// Tree grid controls: every kind of in-cell control in a cell, a free float control, and two grids with
// something open: a combo box's list and a text editor.
#include "GalleryPage.h"
#include "Paint.h"

#include <LumoCtrls/LumoCtrls.h>

#include <memory>
#include <string>

namespace
{
struct Kind
{
    int kind;
    wchar_t const* name;
    wchar_t const* text;
    int value;
};

Kind const kKinds[] = {
    {CTreeGrid::CONTROL_TEXT, L"Plain text", L"editable text", 0},
    {CTreeGrid::CONTROL_EDIT, L"Edit", L"an edit", 0},
    {CTreeGrid::CONTROL_CHECK_BOX, L"Check box", L"checked", 1},
    {CTreeGrid::CONTROL_CHECK_BOX, L"Check box", L"indeterminate", 2},
    {CTreeGrid::CONTROL_RADIO_BUTTON, L"Radio button", L"chosen", 1},
    {CTreeGrid::CONTROL_DROP_DOWN, L"Drop-down", L"a glyph", 0},
    {CTreeGrid::CONTROL_COMBO_BOX, L"Combo box", L"Tuesday", 0},
    {CTreeGrid::CONTROL_SPIN, L"Spin", L"42", 0},
    {CTreeGrid::CONTROL_LAUNCHER, L"Launcher", L"C:\\data", 0},
    {CTreeGrid::CONTROL_BUTTON, L"Button", L"Press", 0},
    {CTreeGrid::CONTROL_LABEL, L"Label", L"a label", 0},
    {CTreeGrid::CONTROL_LINK, L"Link", L"a link", 0},
    {CTreeGrid::CONTROL_PROGRESS, L"Progress", L"", 65},
};

wchar_t const* const kDays[] = {L"Monday", L"Tuesday",  L"Wednesday", L"Thursday",
                                L"Friday", L"Saturday", L"Sunday"};

// A grid of two columns: the kind's name and a cell with that kind of control.
void FillKinds(CTreeGrid& grid, HWND parent, RECT const& place, std::size_t count)
{
    grid.Create(CWnd(parent));
    grid.Resize(place);
    grid.SetGridLinesStyle(CTreeGrid::LINES_HORIZONTAL, true);
    grid.SetColorGridLines(RGB(230, 230, 230));
    grid.InsertColumn(0, L"Kind", 110);
    grid.InsertColumn(1, L"Control", 170);
    for (std::size_t i = 0; i < count; ++i)
    {
        Kind const& kind = kKinds[i];
        CTreeGrid::INode* const node = grid.AddNode(nullptr);
        node->SetHeight(22);
        node->GetCell(grid.GetColumn(0))->SetText(kind.name);
        CTreeGrid::ICell* const cell = node->GetCell(grid.GetColumn(1));
        cell->SetText(kind.text);
        cell->SetValue(kind.value);
        CTreeGrid::IObjStyle* const style = cell->GetStyle();
        style->SetControlKind(kind.kind);
        style->SetActivation(CTreeGrid::ACTIVATION_DEFAULT);
        if (kind.kind == CTreeGrid::CONTROL_COMBO_BOX)
            if (auto* const combo = dynamic_cast<CTreeGrid::IComboBox*>(cell->GetControl()))
                combo->SetItems(std::vector<std::wstring>(std::begin(kDays), std::end(kDays)), 1);
    }
    grid.Show(true);
}
} // namespace

class CTreeGridControlsPage : public CGalleryPage
{
public:
    wchar_t const* GetTitle() const override { return L"Grid controls"; }
    wchar_t const* GetFileStem() const override { return L"TreeGridControls"; }

protected:
    void OnCreated() override
    {
        FillKinds(m_kinds, GetWindow(), RECT{12, 32, 12 + 300, 32 + 360}, std::size(kKinds));
        CTreeGrid::IFloatControl* const badge =
            m_kinds.CreateFloatControl(L"badge", 170, 328, 100, 24, 0, 0, true, true, 0);
        badge->SetText(L"free control");
        badge->GetStyle()->AddBackgroundColor(CTreeGrid::STATE_NORMAL, RGB(220, 240, 255), RGB(180, 210, 250),
                                              100);
        badge->GetStyle()->SetBorder(CTreeGrid::STATE_NORMAL, L"blue-border", 0xF);
        badge->GetStyle()->SetBorderRadius(5);
        badge->GetStyle()->SetSelectionMode(8);

        FillKinds(m_combo, GetWindow(), RECT{340, 32, 340 + 300, 32 + 180}, 7);
        FillKinds(m_editor, GetWindow(), RECT{340, 400, 340 + 300, 400 + 120}, 2);
    }

    // A grid with its combo box's list open, and one with a text editor open (they float above the page,
    // so they open while it shows). The list opens first: an editor that loses the focus commits and
    // closes, as it does when the user moves on.
    void OnShown() override
    {
        m_combo.EditControl(*m_combo.GetRootNode()->GetLastChild()->GetCell(m_combo.GetColumn(1)));
        m_editor.EditControl(*m_editor.GetFirstSiblingNode()->GetCell(m_editor.GetColumn(1)));
    }
    void OnHidden() override
    {
        m_combo.SetControlFocus(nullptr, false);
        m_editor.SetControlFocus(nullptr, false);
    }

    void Paint(HDC dc, RECT const& client) override
    {
        gallery::FillColor(dc, client, GetSysColor(COLOR_BTNFACE));
        gallery::Heading(dc, 12, 10, L"Every kind of in-cell control");
        gallery::Heading(dc, 340, 10, L"A combo box's list, open");
        gallery::Heading(dc, 340, 378, L"A text editor, open");
    }

private:
    CTreeGrid m_kinds{CTreeGrid::LOOK_THEME};
    CTreeGrid m_combo{CTreeGrid::LOOK_THEME};
    CTreeGrid m_editor{CTreeGrid::LOOK_THEME};
};

std::unique_ptr<CGalleryPage> CreateTreeGridControlsPage()
{
    return std::make_unique<CTreeGridControlsPage>();
}
