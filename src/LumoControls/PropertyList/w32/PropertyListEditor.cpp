// The editor over the selected value: its layout, the spin, the value button, the drop-down of choices,
// the colour editor, and committing what the user typed or chose.
#include "LumoControls/PropertyList/w32/PropertyListImpl.h"

#include "INC/w32/LibraryModule.h"
#include "INC/w32/PlatformFailure.h"
#include "Kit/KitGuiLib/w32/AskDialog.h"
#include "LumoControls/PropertyList/ColorEditor/ColorNameCheck.h"
#include "LumoControls/PropertyList/PropertyValues.h"
#include "LumoCtrls/ColorEditor.h"
#include "LumoCtrls/ColorNames.h"
#include "Plat/w32/LumoCtrlsResources.h"

#include <commctrl.h>

#include <algorithm>

using lumo::kPropertyListSourcePath;
using lumo::PropertyRecord;

namespace
{
constexpr int kSpinWidth = 10;
constexpr unsigned kInvalidColorMessage = 39200; // the base library's number for the invalid-name text

bool HasValueButton(PropertyRecord const& item)
{
    switch (item.type)
    {
    case CPropertyItem::TYPE_LIST:
    case CPropertyItem::TYPE_CUSTOM:
        return true;
    case CPropertyItem::TYPE_COLOR:
    case CPropertyItem::TYPE_IMAGE:
        return !item.readOnly;
    default:
        return false;
    }
}

bool HasChoices(PropertyRecord const& item)
{
    return item.type == CPropertyItem::TYPE_LIST || item.type == CPropertyItem::TYPE_IMAGE;
}

std::wstring WindowText(HWND window)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)), L'\0');
    if (!text.empty())
        GetWindowTextW(window, &text[0], static_cast<int>(text.size()) + 1);
    return text;
}

} // namespace

void CPropertyListCtrl::CImpl::CreateEditors()
{
    HMODULE const module = lumo::LibraryModule();
    m_editor = CreateWindowExW(0, L"Edit", L"", WS_CHILD | ES_AUTOHSCROLL | ES_NOHIDESEL, 0, 0, 0, 0, m_list,
                               nullptr, module, nullptr);
    m_spin = CreateWindowExW(0, UPDOWN_CLASSW, L"", WS_CHILD | UDS_ARROWKEYS | UDS_NOTHOUSANDS, 0, 0, 0, 0,
                             m_list, nullptr, module, nullptr);
    m_button = CreateWindowExW(0, L"Button", L"...", WS_CHILD | BS_PUSHBUTTON, 0, 0, 0, 0, m_list, nullptr,
                               module, nullptr);
    m_dropDown = CreateWindowExW(WS_EX_TOOLWINDOW, L"ListBox", L"",
                                 WS_POPUP | WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_OWNERDRAWFIXED |
                                     LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT,
                                 0, 0, 0, 0, m_dropDownOwner, nullptr, module, nullptr);
    if (m_editor == nullptr || m_spin == nullptr || m_button == nullptr || m_dropDown == nullptr)
        lumo::ThrowLastError(L"CreateWindow", kPropertyListSourcePath, __LINE__);
    SendMessageW(m_editor, WM_SETFONT, reinterpret_cast<WPARAM>(lumo::PropertyListFont(false)), FALSE);
    SendMessageW(m_dropDown, WM_SETFONT, reinterpret_cast<WPARAM>(lumo::PropertyListFont(false)), FALSE);
    SendMessageW(m_spin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(m_editor), 0);
    SendMessageW(m_spin, UDM_SETRANGE32, static_cast<WPARAM>(-32767), 32767);
    SetPropW(m_editor, L"PropertyListImpl", this);
    SetPropW(m_dropDown, L"PropertyListImpl", this);
    m_editorSubclass = std::make_unique<lumo::CWindowSubclass>(m_editor, &EditorProcedure);
    m_dropDownSubclass = std::make_unique<lumo::CWindowSubclass>(m_dropDown, &DropDownProcedure);
}

void CPropertyListCtrl::CImpl::HideEditor()
{
    if (m_editor == nullptr)
        return;
    m_editorVisible = false;
    m_editing = nullptr;
    for (HWND window : {m_editor, m_spin, m_button})
        ShowWindow(window, SW_HIDE);
}

void CPropertyListCtrl::CImpl::LayoutEditor(bool focus)
{
    PropertyRecord* item = m_manager != nullptr ? m_manager->GetImpl().Selected() : nullptr;
    RECT row{};
    if (item == nullptr || item->IsCategory() || !m_enabled || item->row < 0 ||
        SendMessageW(m_list, LB_GETITEMRECT, static_cast<WPARAM>(item->row),
                     reinterpret_cast<LPARAM>(&row)) == LB_ERR)
    {
        HideEditor();
        return;
    }
    int const height = RowHeight() - 1;
    int left = m_manager->GetImpl().SplitterPosition() + 1;
    if (item->type == CPropertyItem::TYPE_COLOR)
        left += 30;
    else if (item->type == CPropertyItem::TYPE_IMAGE)
        left += 21;
    int right = row.right;
    bool const button = HasValueButton(*item);
    if (button)
    {
        MoveWindow(m_button, right - height, row.top, height, height, TRUE);
        right -= height;
    }
    int number = 0;
    bool const spin = item->type == CPropertyItem::TYPE_EDIT && !item->readOnly &&
                      lumo::ParseIntegerValue(item->value, number);
    if (spin)
    {
        MoveWindow(m_spin, right - kSpinWidth, row.top, kSpinWidth, height, TRUE);
        right -= kSpinWidth;
    }
    MoveWindow(m_editor, left, row.top, right > left ? right - left : 0, height, TRUE);

    // A new item, or one whose value changed under an editor the user has not touched, shows its value.
    if (item != m_editing || !SendMessageW(m_editor, EM_GETMODIFY, 0, 0))
    {
        SetWindowTextW(m_editor, item->value.c_str());
        SendMessageW(m_editor, EM_SETMODIFY, FALSE, 0);
        m_editorChoice = item->choiceIndex;
    }
    m_editing = item;
    SendMessageW(m_editor, WM_SETFONT, reinterpret_cast<WPARAM>(lumo::PropertyListFont(item->modified)),
                 FALSE);
    SendMessageW(m_editor, EM_SETREADONLY, item->readOnly, 0);
    if (!item->readOnly)
        SendMessageW(m_editor, EM_SETSEL, 0, -1);
    ShowWindow(m_editor, SW_SHOWNA);
    ShowWindow(m_spin, spin ? SW_SHOWNA : SW_HIDE);
    ShowWindow(m_button, button ? SW_SHOWNA : SW_HIDE);
    m_editorVisible = true;
    if (focus)
        SetFocus(m_editor);
}

void CPropertyListCtrl::CImpl::CommitEditor()
{
    if (m_editing == nullptr || m_committing || !SendMessageW(m_editor, EM_GETMODIFY, 0, 0))
        return;
    SendMessageW(m_editor, EM_SETMODIFY, FALSE, 0);
    CommitValue(*m_editing, WindowText(m_editor), m_editorChoice);
}

void CPropertyListCtrl::CImpl::CommitValue(PropertyRecord& item, std::wstring const& text, int choiceIndex)
{
    if (m_manager == nullptr || m_committing)
        return;
    CAliveCheck const alive(*this);
    std::shared_ptr<bool> const windows = m_lifetime;
    m_committing = true;
    bool const stored = m_manager->GetImpl().CommitUserValue(item, text, choiceIndex);
    if (!*windows)
        return; // the list went (Destroy starts over with no commit under way)
    m_committing = false;
    if (!alive.Alive())
        return;
    if (stored && item.type == CPropertyItem::TYPE_COLOR)
        ShowColorNameVerdict(item);
    else
        ItemChanged(item);
}

void CPropertyListCtrl::CImpl::ShowColorNameVerdict(PropertyRecord& item)
{
    lumo::ColorNameVerdict const verdict = lumo::CheckColorName(item);
    ItemChanged(item);
    if (&item == m_editing)
    {
        SetWindowTextW(m_editor, item.value.c_str());
        SendMessageW(m_editor, EM_SETMODIFY, FALSE, 0);
    }
    if (verdict.rejected)
        CAskDlg(m_list, lumo::LibraryString(IDS_INVALID_COLOR_TITLE), kInvalidColorMessage)
            .Do(MB_OK | MB_ICONWARNING, {verdict.rejectedText});
}

void CPropertyListCtrl::CImpl::OnSpin(int step)
{
    PropertyRecord* item = m_editing;
    int number = 0;
    if (item == nullptr || !lumo::ParseIntegerValue(WindowText(m_editor), number))
        return;
    std::wstring const text = std::to_wstring(static_cast<long long>(number) + step);
    CAliveCheck const alive(*this);
    CommitValue(*item, text, m_editorChoice);
    if (alive.Alive() && item == m_editing && item->value == text)
    {
        SetWindowTextW(m_editor, text.c_str());
        SendMessageW(m_editor, EM_SETMODIFY, FALSE, 0);
        SendMessageW(m_editor, EM_SETSEL, 0, -1);
    }
}

void CPropertyListCtrl::CImpl::OnValueButton()
{
    PropertyRecord* item = m_editing;
    if (item == nullptr || m_manager == nullptr)
        return;
    if (HasChoices(*item))
    {
        OpenDropDown();
        return;
    }
    if (item->type == CPropertyItem::TYPE_COLOR)
    {
        ChooseColor(*item);
        return;
    }
    CAliveCheck const alive(*this);
    CommitEditor();
    if (!alive.Alive() || item != m_editing)
        return;
    if (CPropertyManager::IEventsHandler* handler = m_manager->GetImpl().Handler())
        handler->OnItemButtonClick(item);
}

void CPropertyListCtrl::CImpl::ChooseColor(PropertyRecord& item)
{
    RECT row{};
    SendMessageW(m_list, LB_GETITEMRECT, static_cast<WPARAM>(item.row), reinterpret_cast<LPARAM>(&row));
    COLORREF color = ItemColor(item);
    CAliveCheck const alive(*this);
    CColorEditor editor(row.bottom, row.right, color);
    editor.Show(m_list);
    if (!alive.Alive() || !editor.IsConfirmed())
        return;
    std::wstring const value = GetNameFromCOLORREF(color);
    if (value != item.value)
        item.modified = true;
    CommitValue(item, value, 0);
    if (!alive.Alive())
        return;
    if (CPropertyManager::IEventsHandler* handler = m_manager->GetImpl().Handler())
        handler->OnItemButtonClick(&item);
}

void CPropertyListCtrl::CImpl::OpenDropDown()
{
    PropertyRecord* item = m_editing;
    if (item == nullptr || !HasChoices(*item) || m_manager == nullptr)
        return;
    if (CPropertyManager::IEventsHandler* handler = m_manager->GetImpl().Handler())
    {
        CAliveCheck const alive(*this);
        handler->OnDropDown(item);
        if (!alive.Alive() || item != m_editing)
            return;
    }
    // The choices are read from the item at every opening, so a handler's reload is always honoured.
    SendMessageW(m_dropDown, LB_RESETCONTENT, 0, 0);
    for (std::wstring const& choice : item->choices)
        SendMessageW(m_dropDown, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(choice.c_str()));
    int const rowHeight = static_cast<int>(SendMessageW(m_dropDown, LB_GETITEMHEIGHT, 0, 0));
    int const rows = std::min(static_cast<int>(item->choices.size()) + 1, 8);
    RECT row{};
    SendMessageW(m_list, LB_GETITEMRECT, static_cast<WPARAM>(item->row), reinterpret_cast<LPARAM>(&row));
    int const divider = m_manager->GetImpl().SplitterPosition();
    POINT corner{divider, row.bottom};
    ClientToScreen(m_list, &corner);
    SetWindowPos(m_dropDown, HWND_TOPMOST, corner.x, corner.y, row.right - divider + 2, rows * rowHeight + 2,
                 SWP_SHOWWINDOW);
    SendMessageW(m_dropDown, LB_SETCURSEL, static_cast<WPARAM>(item->choiceIndex), 0);
    SetFocus(m_dropDown);
}

void CPropertyListCtrl::CImpl::CloseDropDown()
{
    if (m_dropDown != nullptr && IsWindowVisible(m_dropDown))
        ShowWindow(m_dropDown, SW_HIDE);
}

void CPropertyListCtrl::CImpl::ChooseFromDropDown()
{
    int const choice = static_cast<int>(SendMessageW(m_dropDown, LB_GETCURSEL, 0, 0));
    PropertyRecord* item = m_editing;
    CloseDropDown();
    if (item == nullptr || choice < 0 || static_cast<std::size_t>(choice) >= item->choices.size())
        return;
    SetFocus(m_editor);
    SetWindowTextW(m_editor, item->choices[static_cast<std::size_t>(choice)].c_str());
    SendMessageW(m_editor, EM_SETMODIFY, TRUE, 0);
    m_editorChoice = choice;
    CommitEditor();
}
