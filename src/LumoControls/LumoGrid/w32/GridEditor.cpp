// The cell editor: a rich edit control in a container window over the cell, with a "..." button or a spin
// for the cells that ask for one. It ends the edit on Enter, Escape, the arrow keys at its edges, a loss
// of focus and its own destruction.
#include "LumoControls/LumoGrid/w32/GridImpl.h"

#include "INC/w32/LibraryModule.h"
#include "INC/w32/MessageBoundary.h"
#include "INC/w32/PlatformFailure.h"
#include "INC/w32/TypeName.h"
#include "Kit/KitGuiLib/CriticalSection.h"
#include "Kit/KitGuiLib/w32/Application.h"
#include "LumoCtrls/DrawTools.h"
#include "LumoCtrls/LumoControls.h"
#include "Plat/w32/LumoCtrlsResources.h"

#include <richedit.h>

#include <cstring>
#include <cwchar>
#include <typeinfo>

using Control = CGrid::CImpl::CGridControl;
using Editor = CGrid::CImpl::CRichEditContainer;

namespace
{
constexpr UINT kButtonIdentifier = 200;
constexpr wchar_t kEditorProperty[] = L"LumoGridEditor";

CCriticalSection g_editorClassLock;
int g_editorClassUses = 0;

// The rich edit library, loaded once and kept: version 2 if there is one, else version 1, else none.
wchar_t const* RichEditClass()
{
    static wchar_t const* const name = []() -> wchar_t const*
    {
        if (LoadLibraryW(L"RICHED20.DLL") != nullptr)
            return L"RichEdit20W";
        if (LoadLibraryW(L"RICHED32.DLL") != nullptr)
            return L"RICHEDIT";
        return nullptr;
    }();
    return name;
}

// Loaded once: a table loaded from the resources is never destroyed, and each load would make another.
CAccel const& EditorAccelerators()
{
    static CAccel const table = []
    {
        CAccel loaded;
        loaded.Load(lumo::LibraryModule(), IDA_GRID_EDITOR);
        return loaded;
    }();
    return table;
}

bool Held(int key)
{
    return GetKeyState(key) < 0;
}

void PutPlainText(HWND owner, std::wstring const& text)
{
    if (!OpenClipboard(owner))
        return;
    EmptyClipboard();
    std::size_t const bytes = (text.size() + 1) * sizeof(wchar_t);
    if (HGLOBAL const block = GlobalAlloc(GMEM_MOVEABLE, bytes))
    {
        std::memcpy(GlobalLock(block), text.c_str(), bytes);
        GlobalUnlock(block);
        if (SetClipboardData(CF_UNICODETEXT, block) == nullptr)
            GlobalFree(block);
    }
    CloseClipboard();
}
} // namespace

namespace lumo
{
std::wstring const& GridEditorClass()
{
    // The pointer's type name, as the library has always registered it.
    static std::wstring const name =
        ReadableTypeName(typeid(CGrid::CImpl::CRichEditContainer).name()) + L" *";
    return name;
}

void AcquireGridEditorClass()
{
    CLock lock(g_editorClassLock);
    if (g_editorClassUses == 0)
    {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.style = CS_DBLCLKS;
        windowClass.cbWndExtra = sizeof(void*);
        windowClass.lpfnWndProc = &CGrid::CImpl::CRichEditContainer::ContainerProcedure;
        windowClass.hInstance = LibraryModule();
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        windowClass.lpszClassName = GridEditorClass().c_str();
        // A class whose last window was still being destroyed when its last user let go is still there.
        if (RegisterClassExW(&windowClass) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
            ThrowLastError(L"RegisterClass", kGridSourcePath, __LINE__);
    }
    ++g_editorClassUses;
}

void ReleaseGridEditorClass()
{
    CLock lock(g_editorClassLock);
    if (g_editorClassUses > 0 && --g_editorClassUses == 0)
        UnregisterClassW(GridEditorClass().c_str(), LibraryModule());
}
} // namespace lumo

// --- The grid's side

HWND Control::EditorWindow() const
{
    return m_editor != nullptr ? m_editor->Editor() : nullptr;
}

bool Control::OpenEditor(unsigned item, unsigned column)
{
    m_editor.reset();
    EnsureVisible(static_cast<int>(item));
    UpdateWindow(m_list);
    auto editor = std::make_unique<CRichEditContainer>(*this, item, column);
    if (!editor->Create())
        return false;
    m_editor = std::move(editor);
    ::SetFocus(m_editor->Editor());
    return true;
}

std::wstring Control::EditorText() const
{
    return m_editor != nullptr ? m_editor->Text() : std::wstring();
}

void Control::CloseEditor()
{
    std::unique_ptr<CRichEditContainer> closing = std::move(m_editor);
    bool const hadFocus = closing != nullptr && closing->OwnsWindow(GetFocus());
    closing.reset();
    if (hadFocus && m_list != nullptr)
        ::SetFocus(m_list);
}

bool Control::ControlHeld() const
{
    return Held(VK_CONTROL);
}

// --- The editor

Editor::CRichEditContainer(CGridControl& control, unsigned item, unsigned column)
    : m_control(control), m_item(item), m_column(column)
{
}

Editor::~CRichEditContainer()
{
    m_closing = true;
    *m_alive = false;
    if (m_editor != nullptr && IsWindow(m_editor))
    {
        CApplication::Instance().RemoveSupportForAccelerator(m_editor);
        SetWindowLongPtrW(m_editor, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_previousProcedure));
        RemovePropW(m_editor, kEditorProperty);
    }
    if (m_window != nullptr && IsWindow(m_window))
    {
        SetWindowLongPtrW(m_window, 0, 0);
        if (!m_destroying)
            DestroyWindow(m_window);
    }
    if (m_registered)
        lumo::ReleaseGridEditorClass();
}

bool Editor::Create()
{
    wchar_t const* const richEdit = RichEditClass();
    if (richEdit == nullptr)
        return false; // no rich edit library: editing shows nothing
    lumo::AcquireGridEditorClass();
    m_registered = true;
    m_accelerators = EditorAccelerators();

    HWND const list = m_control.List();
    lumo::GridModel const& model = m_control.Model();
    CColumn& column = static_cast<CColumn&>(model.Column(m_column));
    unsigned const flags = column.ItemFlags(m_item);
    RECT cell{};
    cell.top = static_cast<LONG>(m_column);
    cell.left = LVIR_BOUNDS;
    SendMessageW(list, LVM_GETSUBITEMRECT, m_item, reinterpret_cast<LPARAM>(&cell));
    if (m_column == 0)
    {
        cell.right = cell.left + static_cast<int>(SendMessageW(list, LVM_GETCOLUMNWIDTH, 0, 0));
        if (model.HasRowNumbers())
            cell.left += m_control.RowNumberAreaWidth();
    }
    if (column.AreItemIconsShown())
        cell.left += lumo::kItemIconArea;

    m_window = CreateWindowExW(
        0, lumo::GridEditorClass().c_str(), L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, cell.left, cell.top,
        cell.right - cell.left, cell.bottom - cell.top, list, nullptr, lumo::LibraryModule(), this);
    if (m_window == nullptr)
        lumo::ThrowLastError(L"CreateWindowEx", lumo::kGridSourcePath, __LINE__);
    m_editor = CreateWindowExW(0, richEdit, L"", WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOHSCROLL, 0, 0,
                               0, 0, m_window, nullptr, lumo::LibraryModule(), nullptr);
    if (m_editor == nullptr)
        lumo::ThrowLastError(L"CreateWindowEx", lumo::kGridSourcePath, __LINE__);

    // The cell's font, colour and weight.
    HFONT const font =
        column.GetFont().GetHandle() != nullptr ? column.GetFont().GetHandle() : lumo::GridDefaultFont();
    SendMessageW(m_editor, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SetText(column.ItemText(m_item));
    CHARFORMAT2W format{};
    format.cbSize = sizeof(format);
    format.dwMask = CFM_COLOR;
    format.crTextColor = column.ItemTextColor(m_item);
    LOGFONTW description{};
    GetObjectW(font, sizeof(description), &description);
    if ((flags & lumo::kCellBold) && description.lfWeight < FW_BOLD)
    {
        format.dwMask |= CFM_BOLD;
        format.dwEffects |= CFE_BOLD;
    }
    SendMessageW(m_editor, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
    if (column.IsRightToLeft())
        SetWindowLongPtrW(m_editor, GWL_EXSTYLE, GetWindowLongPtrW(m_editor, GWL_EXSTYLE) | WS_EX_RTLREADING);

    if (flags & lumo::kCellButton)
    {
        m_extra = CreateWindowExW(0, L"Button", L"...", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0, 0, 0,
                                  m_window, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kButtonIdentifier)),
                                  lumo::LibraryModule(), nullptr);
        m_extraWidth = cell.bottom - cell.top;
    }
    else if (flags & lumo::kCellSpin)
    {
        m_extra = CreateWindowExW(0, UPDOWN_CLASSW, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, m_window, nullptr,
                                  lumo::LibraryModule(), nullptr);
        SendMessageW(m_extra, UDM_SETRANGE32, column.SpinLower(), column.SpinUpper());
        m_extraWidth = GetSystemMetrics(SM_CXVSCROLL);
    }
    if (m_extra != nullptr)
        RemoveXPThemeOfControl(m_extra);
    LayOut();

    SetPropW(m_editor, kEditorProperty, this);
    m_previousProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(m_editor, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&EditorProcedure)));
    SendMessageW(m_editor, EM_SETSEL, 0, -1);
    return true;
}

void Editor::LayOut()
{
    RECT area{};
    ::GetClientRect(m_window, &area);
    int const width = area.right;
    int const height = area.bottom;
    if (m_extra == nullptr)
    {
        MoveWindow(m_editor, 4, 3, width - 7, height - 4, TRUE);
        return;
    }
    CColumn const& column = static_cast<CColumn const&>(m_control.Model().Column(m_column));
    if (column.IsRightToLeft())
    {
        MoveWindow(m_extra, 0, 0, m_extraWidth, height, TRUE);
        MoveWindow(m_editor, m_extraWidth + 1, 3, width - m_extraWidth - 4, height - 4, TRUE);
    }
    else
    {
        MoveWindow(m_extra, width - m_extraWidth, 0, m_extraWidth, height, TRUE);
        MoveWindow(m_editor, 4, 3, width - m_extraWidth - 6, height - 4, TRUE);
    }
}

std::wstring Editor::Text() const
{
    if (m_editor == nullptr || !IsWindow(m_editor))
        return std::wstring();
    GETTEXTLENGTHEX length{GTL_NUMCHARS | GTL_PRECISE, 1200};
    LRESULT const units = SendMessageW(m_editor, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length), 0);
    std::wstring text(static_cast<std::size_t>(units > 0 ? units : 0) + 1, L'\0');
    GETTEXTEX request{static_cast<DWORD>(text.size() * sizeof(wchar_t)), GT_DEFAULT, 1200, nullptr, nullptr};
    LRESULT const copied = SendMessageW(m_editor, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&request),
                                        reinterpret_cast<LPARAM>(&text[0]));
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return text;
}

void Editor::SetText(std::wstring const& text)
{
    SetWindowTextW(m_editor, text.c_str());
    SendMessageW(m_editor, EM_SETSEL, static_cast<WPARAM>(text.size()), static_cast<LPARAM>(text.size()));
}

bool Editor::OwnsWindow(HWND window) const
{
    return window != nullptr && (window == m_window || window == m_editor || window == m_extra);
}

bool Editor::AtStart() const
{
    DWORD start = 0, end = 0;
    SendMessageW(m_editor, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return start == 0 && end == 0;
}

bool Editor::AtEnd() const
{
    DWORD start = 0, end = 0;
    SendMessageW(m_editor, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return start == end && end >= Text().size();
}

void Editor::Step(int delta)
{
    CColumn const& column = static_cast<CColumn const&>(m_control.Model().Column(m_column));
    long long value = std::wcstoll(Text().c_str(), nullptr, 10) + delta;
    value = std::max<long long>(value, column.SpinLower());
    value = std::min<long long>(value, column.SpinUpper());
    SetText(std::to_wstring(value));
}

void Editor::CopySelection(bool cut)
{
    CHARRANGE range{};
    SendMessageW(m_editor, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
    if (range.cpMax <= range.cpMin)
        return;
    std::wstring selected(static_cast<std::size_t>(range.cpMax - range.cpMin) + 1, L'\0');
    LRESULT const copied = SendMessageW(m_editor, EM_GETSELTEXT, 0, reinterpret_cast<LPARAM>(&selected[0]));
    selected.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    PutPlainText(m_editor, selected);
    if (cut)
        SendMessageW(m_editor, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L""));
}

bool Editor::CanPaste() const
{
    return SendMessageW(m_editor, EM_CANPASTE, CF_UNICODETEXT, 0) != 0;
}

bool Editor::ProcessCommand(int command)
{
    switch (command)
    {
    case lumo::kCommandDelete:
        SendMessageW(m_editor, WM_KEYDOWN, VK_DELETE, 0);
        return true;
    case lumo::kCommandCut:
        CopySelection(true);
        return true;
    case lumo::kCommandCopy:
        CopySelection(false);
        return true;
    case lumo::kCommandPaste:
        SendMessageW(m_editor, EM_PASTESPECIAL, CF_UNICODETEXT, 0);
        return true;
    case lumo::kCommandSelectAll:
        SendMessageW(m_editor, EM_SETSEL, 0, -1);
        return true;
    case lumo::kCommandUndo:
        SendMessageW(m_editor, EM_UNDO, 0, 0);
        return true;
    case lumo::kCommandRedo:
        SendMessageW(m_editor, EM_REDO, 0, 0);
        return true;
    default:
        return false;
    }
}

LRESULT CALLBACK Editor::ContainerProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE)
    {
        auto* const creating =
            static_cast<CRichEditContainer*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(window, 0, reinterpret_cast<LONG_PTR>(creating));
        creating->m_window = window;
    }
    auto* const self = reinterpret_cast<CRichEditContainer*>(GetWindowLongPtrW(window, 0));
    if (self == nullptr)
        return DefWindowProcW(window, message, wParam, lParam);
    return lumo::DispatchGuarded(window, message, wParam, lParam,
                                 [&] { return self->OnContainerMessage(message, wParam, lParam); });
}

LRESULT Editor::OnContainerMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    auto const alive = m_alive;
    switch (message)
    {
    case WM_DESTROY:
        m_destroying = true;
        break;
    case WM_SIZE:
        if (m_editor != nullptr)
            LayOut();
        return 0;
    case WM_COMMAND:
        switch (LOWORD(wParam))
        {
        case kButtonIdentifier:
            if (HIWORD(wParam) == BN_CLICKED && m_control.Handler() != nullptr)
                m_control.Handler()->OnButtonClick(
                    m_control.NextItem(-1, LVNI_SELECTED),
                    m_control.ColumnOrNull(static_cast<int>(m_control.Model().SelectedColumn())));
            return 0;
        case IDA_GRID_LINE_BREAK:
            m_lineBreak = true;
            SendMessageW(m_editor, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"\r"));
            if (*alive)
                m_lineBreak = false;
            return 0;
        case IDA_GRID_COPY:
            CopySelection(false);
            return 0;
        case IDA_GRID_CUT:
            CopySelection(true);
            return 0;
        default:
            break;
        }
        break;
    case WM_NOTIFY:
    {
        auto const& header = *reinterpret_cast<NMHDR const*>(lParam);
        if (header.hwndFrom == m_extra && header.code == UDN_DELTAPOS)
        {
            // Up raises the number: the spin's delta counts the other way round.
            Step(-reinterpret_cast<NMUPDOWN const&>(header).iDelta);
            return TRUE;
        }
        break;
    }
    default:
        break;
    }
    return DefWindowProcW(m_window, message, wParam, lParam);
}

LRESULT CALLBACK Editor::EditorProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* const self = static_cast<CRichEditContainer*>(GetPropW(window, kEditorProperty));
    if (self == nullptr)
        return DefWindowProcW(window, message, wParam, lParam);
    WNDPROC const previous = self->m_previousProcedure;
    bool passOn = true;
    LRESULT const result = lumo::DispatchGuarded(
        window, message, wParam, lParam,
        [&] { return self->OnEditorMessage(message, wParam, lParam, passOn); }, previous);
    // The editor may be gone by now (the edit ended): only the saved procedure is used.
    if (!passOn)
        return result;
    if (message == WM_NCDESTROY)
    {
        RemovePropW(window, kEditorProperty);
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
    }
    return CallWindowProcW(previous, window, message, wParam, lParam);
}

LRESULT Editor::OnEditorMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& passOn)
{
    auto const alive = m_alive;
    auto const gridAlive = m_control.AliveToken(); // the editor is gone once the edit ends; the grid may stay
    lumo::GridEditing& editing = m_control.Editing();
    CGridControl& control = m_control;
    auto leave = [&](int columns, int items)
    {
        editing.EndEdit();
        if (*gridAlive)
            control.Editing().MoveCurrent(columns, items);
    };
    switch (message)
    {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    {
        // The table also works when the host's message loop does not translate it.
        MSG keyMessage{m_editor, message, wParam, lParam, 0, {}};
        if (TranslateAcceleratorW(m_window, m_accelerators.GetHandle(), &keyMessage))
        {
            passOn = false;
            return 0;
        }
        if (message == WM_SYSKEYDOWN)
            return 0;
        passOn = false;
        LRESULT const lines = SendMessageW(m_editor, EM_GETLINECOUNT, 0, 0);
        LRESULT const line = SendMessageW(m_editor, EM_LINEFROMCHAR, static_cast<WPARAM>(-1), 0);
        switch (wParam)
        {
        case VK_RETURN:
            if (!m_lineBreak)
                editing.EndEdit();
            return 0;
        case VK_ESCAPE:
            editing.CancelEdit();
            return 0;
        case VK_LEFT:
            if (AtStart())
            {
                leave(-1, 0);
                return 0;
            }
            break;
        case VK_RIGHT:
            if (AtEnd())
            {
                leave(1, 0);
                return 0;
            }
            break;
        case VK_UP:
            if (line == 0)
            {
                leave(0, -1);
                return 0;
            }
            break;
        case VK_DOWN:
            if (line + 1 >= lines)
            {
                unsigned const item = m_item;
                bool const wasLast = item + 1 == control.Model().ItemCount();
                bool const emptyCreated = static_cast<int>(item) == editing.InsertionItem() && Text().empty();
                bool const plain = !Held(VK_SHIFT) && !Held(VK_CONTROL);
                editing.EndEdit();
                if (!*gridAlive)
                    return 0;
                if (wasLast && !emptyCreated && plain)
                    control.Editing().CreateItem(static_cast<int>(control.Model().ItemCount()));
                else
                    control.Editing().MoveCurrent(0, 1);
                return 0;
            }
            break;
        default:
            break;
        }
        passOn = true;
        return 0;
    }
    case WM_CHAR:
        if (wParam == VK_RETURN || wParam == VK_ESCAPE)
        {
            passOn = false; // ended above; no beep
            return 0;
        }
        break;
    case WM_SETFOCUS:
        CApplication::Instance().AddSupportForAccelerator(m_editor, m_accelerators.GetHandle());
        break;
    case WM_KILLFOCUS:
        CApplication::Instance().RemoveSupportForAccelerator(m_editor);
        if (!OwnsWindow(reinterpret_cast<HWND>(wParam)))
        {
            editing.EndEdit();
            if (!*alive)
            {
                passOn = false;
                return 0;
            }
        }
        break;
    case WM_CUT:
    case WM_COPY:
        // Only plain text reaches the clipboard.
        CopySelection(message == WM_CUT);
        passOn = false;
        return 0;
    case WM_CONTEXTMENU:
        ShowMenu(POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
        passOn = false;
        return 0;
    case WM_DESTROY:
        if (!m_closing)
        {
            m_closing = true;
            editing.EndEdit(); // the editor went without the grid's word: the edit ends with it
            if (!*alive)
            {
                passOn = true;
                return 0;
            }
        }
        break;
    default:
        break;
    }
    return 0;
}

void Editor::ShowMenu(POINT screen)
{
    auto const alive = m_alive;
    POINT client = screen;
    ScreenToClient(m_editor, &client);
    int const at =
        static_cast<int>(SendMessageW(m_editor, EM_CHARFROMPOS, 0, reinterpret_cast<LPARAM>(&client)));
    CHARRANGE range{};
    SendMessageW(m_editor, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
    bool const inside = range.cpMin < range.cpMax && at >= range.cpMin && at < range.cpMax;
    if (!inside)
        SendMessageW(m_editor, EM_SETSEL, at, at); // a click outside the selection moves the caret there
    CMenu menu;
    menu.Load(lumo::LibraryModule(), IDM_GRID_CONTEXT);
    HMENU const popup = GetSubMenu(menu.GetHandle(), 0);
    if (popup == nullptr)
        lumo::ThrowLastError(L"GetSubMenu", lumo::kGridSourcePath, __LINE__);
    UINT const selection = MF_BYCOMMAND | (inside ? MF_ENABLED : MF_GRAYED);
    EnableMenuItem(popup, IDM_GRID_CUT, selection);
    EnableMenuItem(popup, IDM_GRID_COPY, selection);
    EnableMenuItem(popup, IDM_GRID_PASTE, MF_BYCOMMAND | (CanPaste() ? MF_ENABLED : MF_GRAYED));
    int const chosen =
        CLumoControls::TrackPopupMenu(popup, TPM_RETURNCMD | TPM_RIGHTBUTTON, screen.x, screen.y, m_editor);
    if (!*alive)
        return;
    if (chosen == IDM_GRID_CUT || chosen == IDM_GRID_COPY)
        CopySelection(chosen == IDM_GRID_CUT);
    else if (chosen == IDM_GRID_PASTE)
        SendMessageW(m_editor, EM_PASTESPECIAL, CF_UNICODETEXT, 0);
}
