// The in-cell controls: the text editor window (placement, messages, keys, text changes, commit), clicks
// by kind, a combo box's drop-down list, and the controls' drawing.
#include "LumoControls/TreeGrid/w32/TreeGridControls.h"

#include "INC/w32/Geometry.h"
#include "INC/w32/LibraryModule.h"
#include "INC/w32/MessageBoundary.h"
#include "INC/w32/PlatformFailure.h"
#include "LumoControls/TreeGrid/ControlRules.h"
#include "LumoControls/TreeGrid/LayoutGeometry.h"
#include "LumoControls/TreeGrid/PaintValues.h"
#include "LumoControls/TreeGrid/Style.h"
#include "LumoControls/TreeGrid/w32/ModelClasses.h"
#include "LumoControls/TreeGrid/w32/OutsideClickWatcher.h"
#include "LumoControls/TreeGrid/w32/StylePlatform.h"
#include "LumoControls/TreeGrid/w32/TreeGridPainter.h"
#include "LumoControls/TreeGrid/w32/TreeGridView.h"
#include "Plat/w32/LumoCtrlsResources.h"

#include <commctrl.h>

#include <algorithm>

namespace
{
constexpr char kSourcePath[] = "src/LumoControls/TreeGrid/TreeGrid";
wchar_t const kEditorProperty[] = L"tg@th";
wchar_t const kListClass[] = L"TreeGridDropDownList";
constexpr UINT_PTR kListIdentifier = 0x12345678;
constexpr UINT kTextChanged = WM_USER;
constexpr UINT kCleanUp = WM_USER + 5;

WNDPROC g_listBoxProcedure = nullptr; // the system list box's procedure, behind the drop-down list's

// The editors and lists whose procedures are running: a handler told from inside one may remove its row,
// and a window must not be destroyed under the platform's own code that is still handling its message.
thread_local std::vector<HWND> t_busy;

struct CBusy
{
    explicit CBusy(HWND window) { t_busy.push_back(window); }
    ~CBusy() { t_busy.pop_back(); }
};

// Destroys the window now, or, while its message is still being handled, hides it and lets it close once
// that message is done.
void DestroyWhenIdle(HWND window)
{
    if (std::find(t_busy.begin(), t_busy.end(), window) == t_busy.end())
    {
        DestroyWindow(window);
        return;
    }
    ShowWindow(window, SW_HIDE);
    PostMessageW(window, WM_CLOSE, 0, 0);
}

CTreeGrid::ICustomEdit* EditorInterface(CTreeGrid::CImpl::CControlCore& core)
{
    return dynamic_cast<CTreeGrid::ICustomEdit*>(&core.Self());
}

std::wstring WindowText(HWND window)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, &text[0], static_cast<int>(text.size()))));
    return text;
}

// Detaches a child window from the grid to float above everything: a pop-up owned by the grid's top-level
// window (a child of the desktop could not take the focus).
void Detach(HWND window)
{
    HWND const owner = GetAncestor(GetParent(window), GA_ROOT);
    SetParent(window, nullptr);
    SetWindowLongPtrW(window, GWL_STYLE, (GetWindowLongPtrW(window, GWL_STYLE) & ~WS_CHILD) | WS_POPUP);
    SetWindowLongPtrW(window, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
    SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

// The list class: the system's list box under a procedure of its own, with a drop shadow.
void RegisterListClass(WNDPROC procedure)
{
    static bool registered = false;
    if (registered)
        return;
    WNDCLASSEXW listBox{};
    listBox.cbSize = sizeof(listBox);
    if (!GetClassInfoExW(nullptr, L"ListBox", &listBox))
        lumo::ThrowLastError(L"RegisterClass", kSourcePath, __LINE__);
    g_listBoxProcedure = listBox.lpfnWndProc;
    listBox.lpfnWndProc = procedure;
    listBox.hInstance = lumo::LibraryModule();
    listBox.lpszClassName = kListClass;
    listBox.style |= CS_DROPSHADOW;
    if (RegisterClassExW(&listBox) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        lumo::ThrowLastError(L"RegisterClass", kSourcePath, __LINE__);
    registered = true;
}
} // namespace

CTreeGrid::CImpl::CControlCore::CControlCore(CImpl& grid, lumo::FloatControl& owner, int kind)
    : m_grid(grid), m_owner(owner), m_kind(kind)
{
}

CTreeGrid::CImpl::CControlCore::~CControlCore()
{
    *m_alive = false;
    DestroyWindows();
}

void CTreeGrid::CImpl::CControlCore::DestroyWindows()
{
    if (m_list != nullptr)
    {
        HWND const list = std::exchange(m_list, nullptr);
        lumo::COutsideClickWatcher::Unregister(list);
        SetWindowLongPtrW(list, GWLP_USERDATA, 0); // the list forgets this control
        DestroyWhenIdle(list);
    }
    if (m_editor != nullptr)
    {
        HWND const editor = std::exchange(m_editor, nullptr); // no message of its destruction reaches us
        lumo::COutsideClickWatcher::Unregister(editor);
        RemovePropW(editor, kEditorProperty);
        SetWindowLongPtrW(editor, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_editorProcedure));
        DestroyWhenIdle(editor);
    }
}

bool CTreeGrid::CImpl::CControlCore::EditsText() const
{
    return m_kind != lumo::ControlKind::kImage && m_kind != lumo::ControlKind::kProgress;
}

bool CTreeGrid::CImpl::CControlCore::IsReadOnly() const
{
    return readOnly || m_owner.GetStyle().IsReadOnly();
}

RECT CTreeGrid::CImpl::CControlCore::ControlRect() const
{
    return lumo::ToRECT(m_grid.View().Layout().LayOut(m_owner).Part(lumo::kPartControl));
}

// --- Opening

void CTreeGrid::CImpl::CControlCore::Open()
{
    switch (m_kind)
    {
    case lumo::ControlKind::kComboBox:
        if (m_editor == nullptr)
            OpenEditor();
        OpenList();
        return;
    case lumo::ControlKind::kSpin:
    case lumo::ControlKind::kLauncher:
        if (m_editor == nullptr)
            OpenEditor();
        ShowEditor(true);
        return;
    default:
        if (EditsText())
            OpenEditor();
    }
}

void CTreeGrid::CImpl::CControlCore::OpenEditor()
{
    if (m_suppressNextOpen)
    {
        m_suppressNextOpen = false;
        return;
    }
    if (m_editor != nullptr || !EditsText())
        return;
    lumo::ObjStyle& style = m_owner.GetStyle();
    int const alignment = style.GetAlignment();
    bool const mirror = style.GetMirrorEffect();
    bool const right = alignment == 7 || (alignment == 1 && mirror);
    DWORD windowStyle = WS_CHILD | ES_AUTOHSCROLL | ES_NOHIDESEL;
    if (Floating())
        windowStyle |= WS_BORDER;
    if (multiLine)
        windowStyle |= ES_MULTILINE | ES_AUTOVSCROLL;
    if (IsReadOnly())
        windowStyle |= ES_READONLY;
    windowStyle |= right ? ES_RIGHT : alignment >= 4 && alignment <= 6 ? ES_CENTER : 0;
    DWORD const extended = WS_EX_TOPMOST | WS_EX_TOOLWINDOW | (mirror ? WS_EX_RIGHT | WS_EX_RTLREADING : 0);
    HWND const grid = m_grid.View().Window().GetHandle();
    m_editor = CreateWindowExW(extended, L"Edit", m_owner.GetText().c_str(), windowStyle, 0, 0, 0, 0, grid,
                               nullptr, lumo::LibraryModule(), nullptr);
    if (m_editor == nullptr)
        lumo::ThrowLastError(L"CreateWindowEx", kSourcePath, __LINE__);
    lumo::FontSpec const* font = style.GetFont(m_owner.GetState());
    CFont const& shown = font != nullptr ? m_grid.GetFonts().Get(*font) : lumo::SharedTreeGridFont();
    SendMessageW(m_editor, WM_SETFONT, reinterpret_cast<WPARAM>(shown.GetHandle()), FALSE);
    SendMessageW(m_editor, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
    PlaceEditor();
    ShowWindow(m_editor, SW_SHOW);
    if (Floating())
    {
        // Detached, so that it can reach beyond the cell. A child of the desktop cannot take the focus: it
        // becomes a pop-up owned by the grid's window, which can.
        Detach(m_editor);
        SetClassLongPtrW(m_editor, GCL_STYLE, GetClassLongPtrW(m_editor, GCL_STYLE) | CS_DROPSHADOW);
        PlaceEditor();
        lumo::COutsideClickWatcher::Register(m_editor, *this);
    }
    SetFocus(m_editor);
    if (IsReadOnly())
        HideCaret(m_editor);
    else
        SendMessageW(m_editor, EM_SETSEL, 0, -1);
    SetPropW(m_editor, kEditorProperty, this);
    m_editorProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(m_editor, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&EditorProcedure)));
}

void CTreeGrid::CImpl::CControlCore::PlaceEditor()
{
    if (m_editor == nullptr)
        return;
    CView& view = m_grid.View();
    lumo::TreeLayout& layout = view.Layout();
    lumo::CellGeometry const geometry = view.LayOutWithoutEditor(m_owner);
    if (!geometry.laidOut)
        return;
    lumo::ObjStyle& style = m_owner.GetStyle();
    lumo::EditorPlacement placement{geometry.Part(lumo::kPartText),
                                    geometry.inner,
                                    autoSize,
                                    width != 0,
                                    style.GetAlignment() == 7 ||
                                        (style.GetAlignment() == 1 && style.GetMirrorEffect()),
                                    lumo::Size{}};
    if (autoSize && width == 0)
    {
        HDC const dc = GetDC(m_editor);
        HGDIOBJ const previous =
            SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(m_editor, WM_GETFONT, 0, 0)));
        RECT measured{0, 0, multiLine ? geometry.inner.Width() : 0, 0};
        std::wstring const text = WindowText(m_editor);
        DrawTextW(dc, text.empty() ? L" " : text.c_str(), -1, &measured,
                  DT_CALCRECT | DT_NOPREFIX | DT_EDITCONTROL | (multiLine ? DT_WORDBREAK : DT_SINGLELINE));
        SelectObject(dc, previous);
        ReleaseDC(m_editor, dc);
        placement.measured = lumo::Size{measured.right - measured.left, measured.bottom - measured.top};
    }
    RECT r = lumo::ToRECT(lumo::PlaceEditor(placement));
    AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongW(m_editor, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongW(m_editor, GWL_EXSTYLE)));
    r.left = std::max(r.left, static_cast<LONG>(layout.ColumnsStart()));
    HWND const grid = view.Window().GetHandle();
    if (GetParent(m_editor) != grid)
        MapWindowPoints(grid, nullptr, reinterpret_cast<POINT*>(&r), 2);
    else
    {
        lumo::Insets const insets = layout.GetInsets();
        r.right = std::min(r.right, static_cast<LONG>(insets.left + layout.PageWidth()));
        r.bottom = std::min(r.bottom, static_cast<LONG>(insets.top + layout.ClientHeight()));
    }
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(m_editor, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    SetWindowPos(m_editor, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(m_editor, EM_SETSEL, start, end);
    InvalidateRect(m_editor, nullptr, TRUE);
}

void CTreeGrid::CImpl::CControlCore::ShowEditor(bool show)
{
    if (m_editor != nullptr)
        ShowWindow(m_editor, show ? SW_SHOW : SW_HIDE);
}

void CTreeGrid::CImpl::CControlCore::PassBackFocus()
{
    SetFocus(m_grid.View().Window().GetHandle());
}

// --- Closing

bool CTreeGrid::CImpl::CControlCore::CloseEditor()
{
    if (m_grid.handler != nullptr && !m_grid.handler->EditorMayClose(EditorInterface(*this)))
        return false;
    lumo::TreeReferences& references = m_grid.Model().References();
    if (references.edited != &m_owner)
        return true;
    m_suppressNextOpen = false;
    bool const modified = m_editor != nullptr && SendMessageW(m_editor, EM_GETMODIFY, 0, 0) != 0;
    std::wstring text = modified ? WindowText(m_editor) : std::wstring();
    references.edited = nullptr;
    if (m_editor != nullptr)
        SendMessageW(m_editor, kCleanUp, static_cast<WPARAM>(-1), 0);
    DestroyWindows();
    m_grid.View().Layout().ControlChanged(m_owner);
    // The handler may remove the control or the grid's handler itself: nothing of this object is read
    // after the value is committed.
    CImpl& grid = m_grid;
    ICustomEdit* const editor = EditorInterface(*this);
    std::shared_ptr<bool> const alive = Alive();
    if (modified && (grid.handler == nullptr || grid.handler->ValueCommitted(editor, text)) && *alive)
        m_owner.SetText(text);
    if (grid.handler != nullptr && *alive)
        grid.handler->EditorClosed(editor);
    return true;
}

// --- Editor messages

LRESULT CALLBACK CTreeGrid::CImpl::CControlCore::EditorProcedure(HWND window, UINT message, WPARAM wParam,
                                                                 LPARAM lParam)
{
    auto* const core = static_cast<CControlCore*>(GetPropW(window, kEditorProperty));
    if (core == nullptr)
        return DefWindowProcW(window, message, wParam, lParam);
    WNDPROC const previous = core->m_editorProcedure;
    CBusy const busy(window);
    return lumo::DispatchGuarded(
        window, message, wParam, lParam, [&] { return core->EditorMessage(message, wParam, lParam); },
        previous);
}

LRESULT CTreeGrid::CImpl::CControlCore::EditorMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    HWND const editor = m_editor;
    WNDPROC const previous = m_editorProcedure;
    auto pass = [&] { return CallWindowProcW(previous, editor, message, wParam, lParam); };
    switch (message)
    {
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTALLKEYS | DLGC_WANTCHARS;
    case WM_SETFOCUS:
        pass();
        return 0;
    case WM_KILLFOCUS:
    {
        pass();
        HWND const next = reinterpret_cast<HWND>(wParam);
        CView& view = m_grid.View();
        bool const keeps =
            m_grid.pressOnControlPart || (next != nullptr && next == m_list) ||
            (next != nullptr && (next == view.ScrollBar(true) || next == view.ScrollBar(false)));
        if (!keeps && m_grid.Model().References().edited == &m_owner)
            m_grid.CloseFocusedControl();
        return 0;
    }
    case WM_CLOSE:
        m_grid.CloseFocusedControl();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_MEASUREITEM:
        if (wParam == kListIdentifier)
        {
            reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = static_cast<UINT>(m_itemHeight);
            return 1;
        }
        return pass();
    case WM_DRAWITEM:
        if (wParam == kListIdentifier)
        {
            auto const& item = *reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
            bool const selected = (item.itemState & ODS_SELECTED) != 0;
            FillRect(item.hDC, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
            if (item.itemID < items.size())
            {
                SetBkMode(item.hDC, TRANSPARENT);
                SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
                RECT text = item.rcItem;
                text.left += 2;
                DrawTextW(item.hDC, items[item.itemID].c_str(), -1, &text,
                          DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
            }
            return 1;
        }
        return pass();
    case EM_SETSEL:
        if (IsReadOnly())
            return CallWindowProcW(previous, editor, message, 0, 0);
        return pass();
    case WM_KEYDOWN:
    {
        std::shared_ptr<bool> const alive = Alive(); // what the key does may remove the control
        LRESULT result = 0;
        switch (wParam)
        {
        case VK_RETURN:
            PassBackFocus(); // the focus loss commits
            break;
        case VK_ESCAPE:
            SendMessageW(editor, EM_SETMODIFY, FALSE, 0);
            PassBackFocus();
            break;
        case VK_PRIOR:
        case VK_NEXT:
        case VK_UP:
        case VK_DOWN:
            SendMessageW(m_grid.View().Window().GetHandle(), WM_KEYDOWN, wParam, lParam);
            break;
        default:
            result = pass();
        }
        if (*alive && m_grid.handler != nullptr)
            m_grid.handler->EditorKey(EditorInterface(*this), static_cast<UINT>(wParam));
        return result;
    }
    case WM_LBUTTONDOWN:
        if (m_kind == lumo::ControlKind::kComboBox && dropDownList)
        {
            OpenList();
            return 0;
        }
        return pass();
    case WM_LBUTTONDBLCLK:
        if (m_grid.handler != nullptr)
            m_grid.handler->EditorDoubleClick(EditorInterface(*this));
        return pass();
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
        if (m_grid.handler != nullptr)
            m_grid.handler->EditorRightButton(EditorInterface(*this), message == WM_RBUTTONDOWN ? 1 : 0);
        return pass();
    case kTextChanged:
        TextChanged();
        return 0;
    case kCleanUp:
        return 0;
    default:
        return pass();
    }
}

void CTreeGrid::CImpl::CControlCore::TextChanged()
{
    std::wstring text = WindowText(m_editor);
    std::wstring const typed = text;
    DWORD caret = 0;
    SendMessageW(m_editor, EM_GETSEL, reinterpret_cast<WPARAM>(&caret), 0);
    std::shared_ptr<bool> const alive = Alive();
    bool const accepted =
        m_grid.handler == nullptr || m_grid.handler->EditorTextChanged(EditorInterface(*this), text);
    if (!*alive || m_editor == nullptr)
        return; // the handler closed the editor, or removed its row
    if (!accepted)
        SetWindowTextW(m_editor, m_owner.GetText().c_str());
    else if (text != typed)
        SetWindowTextW(m_editor, text.c_str());
    if (!accepted || text != typed)
    {
        SendMessageW(m_editor, EM_SETSEL, caret, caret);
        SendMessageW(m_editor, EM_SETMODIFY, TRUE, 0);
    }
    m_grid.View().Layout().ControlChanged(m_owner);
    PlaceEditor();
}

// --- Clicks

void CTreeGrid::CImpl::CControlCore::Click(POINT point)
{
    if (!m_owner.IsVisible() || (m_owner.GetState() & lumo::kStateDisable) != 0)
        return;
    CEventsHandler* const handler = m_grid.handler;
    switch (m_kind)
    {
    case lumo::ControlKind::kCheckBox:
        ClickCheckBox();
        return;
    case lumo::ControlKind::kRadioButton:
        if (handler != nullptr)
            handler->RadioClicked(&Self());
        return;
    case lumo::ControlKind::kDropDown:
        if (handler != nullptr)
            handler->DropDownClicked(&Self());
        return;
    case lumo::ControlKind::kComboBox:
        if (m_list != nullptr)
            CloseList();
        return;
    case lumo::ControlKind::kSpin:
    {
        ShowEditor(false);
        RECT const r = ControlRect();
        if (!IsReadOnly() && handler != nullptr)
            handler->SpinClicked(&Self(), point.y <= (r.top + r.bottom) / 2);
        return;
    }
    case lumo::ControlKind::kLauncher:
        ShowEditor(false);
        if (handler != nullptr)
            handler->LauncherClicked(&Self());
        return;
    default:
        m_grid.View().Layout().ControlChanged(m_owner);
    }
}

void CTreeGrid::CImpl::CControlCore::ClickCheckBox()
{
    // A read-only check box asks nobody: nothing about it can change.
    if (IsReadOnly())
        return;
    CEventsHandler* const handler = m_grid.handler;
    auto* const check = dynamic_cast<ICheckButton*>(&Self());
    if (handler != nullptr && !handler->CheckMayChange(check, true))
        return;
    if (!*Alive())
        return;
    int const value = lumo::NextCheckValue(m_owner.GetValue());
    std::shared_ptr<bool> const alive = Alive();
    auto apply = [&](CControlCore& core)
    {
        if (!*alive)
            return;
        int changed = value;
        auto* const button = dynamic_cast<ICheckButton*>(&core.Self());
        if (m_grid.handler != nullptr && !m_grid.handler->CheckValueMayChange(button, changed))
            return;
        if (changed == core.Owner().GetValue())
            return;
        core.Owner().SetValue(changed);
        if (m_grid.handler != nullptr)
            m_grid.handler->CheckChanged(button);
    };
    // The other selected check boxes take the same value first.
    lumo::TreeCell* const cell = m_owner.AsCell();
    if (cell != nullptr && cell->IsSelected())
        for (lumo::TreeCell* other : std::vector<lumo::TreeCell*>(m_grid.Model().GetSelectedCells()))
            if (other != cell && other->GetStyle().GetControlKind() == lumo::ControlKind::kCheckBox)
                if (CControlCore* const core = m_grid.ControlOf(*other);
                    core != nullptr && !core->IsReadOnly())
                    apply(*core);
    apply(*this);
}

// --- The drop-down list

void CTreeGrid::CImpl::CControlCore::OpenList()
{
    if (m_suppressNextList)
    {
        m_suppressNextList = false;
        return;
    }
    if (m_list != nullptr || items.empty() || m_editor == nullptr)
        return;
    auto* const combo = dynamic_cast<IComboBox*>(&Self());
    if (m_grid.handler != nullptr && !m_grid.handler->ListMayOpen(combo))
        return;
    // Items as high as the larger of the icon and the text in the cell's font.
    std::wstring const text = WindowText(m_editor);
    lumo::Size const measured =
        m_grid.View().MeasureText(text.empty() ? L"|" : text, m_owner.GetStyle().GetFont(m_owner.GetState()));
    m_itemHeight = lumo::ListItemHeight(m_grid.View().ImageListIconSize().height, measured.height);

    RegisterListClass(&ListProcedure);
    bool const mirror = m_owner.GetStyle().GetMirrorEffect();
    m_list = CreateWindowExW(
        WS_EX_TOPMOST | WS_EX_TOOLWINDOW | (mirror ? WS_EX_RIGHT | WS_EX_RTLREADING : 0), kListClass, L"",
        WS_CHILD | WS_BORDER | WS_VSCROLL | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS, 0, 0, 0, 0, m_editor,
        reinterpret_cast<HMENU>(kListIdentifier), lumo::LibraryModule(), nullptr);
    if (m_list == nullptr)
        lumo::ThrowLastError(L"CreateWindowEx", kSourcePath, __LINE__);
    SetWindowLongPtrW(m_list, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SendMessageW(m_list, WM_SETFONT, reinterpret_cast<WPARAM>(lumo::SharedTreeGridFont().GetHandle()), FALSE);
    int selection = -1;
    for (std::size_t i = 0; i < items.size(); ++i)
    {
        SendMessageW(m_list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(items[i].c_str()));
        if (items[i] == text && selection < 0)
            selection = static_cast<int>(i);
    }
    SendMessageW(m_list, LB_SETCURSEL, static_cast<WPARAM>(selection), 0);
    SendMessageW(m_list, LB_SETTOPINDEX, static_cast<WPARAM>(std::max(selection, 0)), 0);

    Detach(m_list);
    SetFocus(m_list);
    lumo::CellGeometry const geometry = m_grid.View().Layout().LayOut(m_owner);
    POINT corner{geometry.inner.left, geometry.outer.bottom};
    ClientToScreen(m_grid.View().Window().GetHandle(), &corner);
    if (mirror)
        corner.x -= GetSystemMetrics(SM_CXVSCROLL);
    SetWindowPos(m_list, nullptr, corner.x, corner.y, geometry.inner.Width(),
                 lumo::ListHeight(m_itemHeight, static_cast<int>(items.size())),
                 SWP_SHOWWINDOW | SWP_FRAMECHANGED | SWP_NOZORDER);
    lumo::COutsideClickWatcher::Register(m_list, *this);
}

void CTreeGrid::CImpl::CControlCore::CloseList()
{
    if (m_list == nullptr)
        return;
    HWND const list = std::exchange(m_list, nullptr);
    lumo::COutsideClickWatcher::Unregister(list);
    DestroyWindow(list);
    if (m_editor != nullptr && IsWindowVisible(m_editor))
        SetFocus(m_editor);
}

void CTreeGrid::CImpl::CControlCore::Pick(int index)
{
    auto* const combo = dynamic_cast<IComboBox*>(&Self());
    CEventsHandler* const handler = m_grid.handler;
    std::shared_ptr<bool> const alive = Alive();
    if (handler != nullptr)
        handler->ItemPicked(combo, index);
    if (!*alive)
        return;
    if (index >= 0 && index < static_cast<int>(items.size()) && index != current &&
        (m_grid.handler == nullptr || m_grid.handler->ItemMayBeChosen(combo, index)))
    {
        current = index;
        if (m_editor != nullptr)
        {
            SetWindowTextW(m_editor, items[static_cast<std::size_t>(index)].c_str());
            SendMessageW(m_editor, EM_SETMODIFY, TRUE, 0);
        }
        if (m_grid.handler != nullptr)
            m_grid.handler->ItemChosen(combo, index);
        if (!*alive)
            return;
    }
    CloseList();
}

LRESULT CALLBACK CTreeGrid::CImpl::CControlCore::ListProcedure(HWND window, UINT message, WPARAM wParam,
                                                               LPARAM lParam)
{
    auto* const core = reinterpret_cast<CControlCore*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (core == nullptr || core->m_list != window)
        return CallWindowProcW(g_listBoxProcedure, window, message, wParam, lParam);
    CBusy const busy(window);
    return lumo::DispatchGuarded(
        window, message, wParam, lParam, [&] { return core->ListMessage(message, wParam, lParam); },
        g_listBoxProcedure);
}

LRESULT CTreeGrid::CImpl::CControlCore::ListMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    HWND const list = m_list;
    switch (message)
    {
    case WM_MOUSEMOVE:
    {
        LRESULT const hit = SendMessageW(list, LB_ITEMFROMPOINT, 0, lParam);
        if (HIWORD(hit) == 0)
            SendMessageW(list, LB_SETCURSEL, LOWORD(hit), 0);
        return 0;
    }
    case WM_LBUTTONUP:
        Pick(static_cast<int>(SendMessageW(list, LB_GETCURSEL, 0, 0)));
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_RETURN)
        {
            Pick(static_cast<int>(SendMessageW(list, LB_GETCURSEL, 0, 0)));
            return 0;
        }
        if (wParam == VK_ESCAPE)
        {
            SendMessageW(list, WM_CLOSE, 0, 0);
            return 0;
        }
        break;
    case WM_ACTIVATEAPP:
        if (wParam == FALSE)
            SendMessageW(list, WM_CLOSE, 0, 0);
        return 0;
    case WM_CLOSE:
        CloseList();
        return 0;
    default:
        break;
    }
    return CallWindowProcW(g_listBoxProcedure, list, message, wParam, lParam);
}

// --- Drawing

void CTreeGrid::CImpl::CControlCore::Draw(HDC dc, RECT const& rect)
{
    m_grid.View().Painter().DrawControl(dc, *this, rect);
}
