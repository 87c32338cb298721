// The property list window: its classes and fonts, its child windows, attaching a manager and the
// layout of toolbar, list, divider and description pane.
#include "LumoControls/PropertyList/w32/PropertyListImpl.h"

#include "INC/w32/LibraryModule.h"
#include "INC/w32/PlatformFailure.h"
#include "Kit/KitGuiLib/CriticalSection.h"
#include "LumoCtrls/DrawTools.h"
#include "Plat/w32/LumoCtrlsResources.h"

#include <commctrl.h>

using lumo::kPropertyListSourcePath;

namespace
{
wchar_t const kContainerClass[] = L"PropertyListContainerWnd";
wchar_t const kListClass[] = L"PropertyListBoxWnd";
wchar_t const kContainerProperty[] = L"CPropertyListWnd";

CCriticalSection g_registrationLock;
int g_lists = 0; // lists created and not yet destroyed: the classes live while there is one
WNDPROC g_listBoxProcedure = nullptr;
int g_listBoxExtraBytes = 0;
HFONT g_fonts[2] = {};

HFONT MakeFont(int weight)
{
    LOGFONTW description{};
    description.lfHeight = -GetRealFontHeight(8);
    description.lfWeight = weight;
    description.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(description.lfFaceName, L"Arial", LF_FACESIZE);
    return CreateFontIndirectW(&description);
}

void Register(WNDCLASSEXW& windowClass)
{
    windowClass.cbSize = sizeof(windowClass);
    windowClass.hInstance = lumo::LibraryModule();
    windowClass.style &= ~CS_GLOBALCLASS;
    // A class can outlive its last list for a moment: when a parent destroys the container, the class is
    // still in use while the list lets go of it, and stays registered.
    if (RegisterClassExW(&windowClass) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        lumo::ThrowLastError(L"RegisterClass", kPropertyListSourcePath, __LINE__);
}
} // namespace

HFONT lumo::PropertyListFont(bool bold)
{
    return g_fonts[bold ? 1 : 0];
}

void CPropertyListCtrl::CImpl::RegisterClasses()
{
    CLock lock(g_registrationLock);
    if (g_lists++ > 0)
        return;
    try
    {
        CSplitter::Register();
        WNDCLASSEXW list{};
        list.cbSize = sizeof(list);
        if (!GetClassInfoExW(nullptr, L"ListBox", &list))
            lumo::ThrowLastError(L"GetClassInfo", kPropertyListSourcePath, __LINE__);
        g_listBoxProcedure = list.lpfnWndProc;
        g_listBoxExtraBytes = list.cbWndExtra;
        list.cbWndExtra += sizeof(LONG_PTR); // the list object, behind the list box's own bytes
        list.style |= CS_DBLCLKS;
        list.lpfnWndProc = &ListProcedure;
        list.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        list.lpszClassName = kListClass;
        Register(list);

        WNDCLASSEXW container{};
        container.cbWndExtra = sizeof(LONG_PTR);
        container.lpfnWndProc = &ContainerProcedure;
        container.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
        container.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        container.lpszClassName = kContainerClass;
        Register(container);
        g_fonts[0] = MakeFont(FW_NORMAL);
        g_fonts[1] = MakeFont(FW_BOLD);
    }
    catch (...)
    {
        UnregisterClassW(kListClass, lumo::LibraryModule());
        --g_lists;
        throw;
    }
}

void CPropertyListCtrl::CImpl::UnregisterClasses()
{
    CLock lock(g_registrationLock);
    if (g_lists == 0 || --g_lists > 0)
        return;
    UnregisterClassW(kContainerClass, lumo::LibraryModule());
    UnregisterClassW(kListClass, lumo::LibraryModule());
    for (HFONT& font : g_fonts)
    {
        DeleteObject(font);
        font = nullptr;
    }
}

WNDPROC lumo::PropertyListBoxProcedure()
{
    return g_listBoxProcedure;
}

int lumo::PropertyListBoxExtraBytes()
{
    return g_listBoxExtraBytes;
}

CPropertyListCtrl::CImpl* CPropertyListCtrl::CImpl::FromContainer(HWND container)
{
    return static_cast<CPropertyListCtrl::CImpl*>(GetPropW(container, kContainerProperty));
}

CPropertyListCtrl::CImpl::~CImpl()
{
    Destroy();
    *m_lifetime = false;
}

void CPropertyListCtrl::CImpl::Create(HWND parent, unsigned id)
{
    Destroy();
    RegisterClasses();
    try
    {
        m_container.CreateWindowExW(
            0, kContainerClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0, 0, 0, 0,
            parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), lumo::LibraryModule(), nullptr);
        SetPropW(m_container, kContainerProperty, this);
        SetWindowLongPtrW(m_container, 0, reinterpret_cast<LONG_PTR>(this));
        CreateChildren();
    }
    catch (...)
    {
        Destroy();
        throw;
    }
    Layout();
}

void CPropertyListCtrl::CImpl::CreateChildren()
{
    HMODULE const module = lumo::LibraryModule();
    CreateToolbar();
    if (m_divider.Create(m_container, kDividerId, true, kDividerWeight, false) == nullptr)
        lumo::ThrowLastError(L"CreateSplitter", kPropertyListSourcePath, __LINE__);
    m_divider.SetStyle(CSplitter::LUMO_STYLE_FRAME);
    m_description = CreateWindowExW(0, L"Static", L"", WS_CHILD | SS_OWNERDRAW, 0, 0, 0, 0, m_container,
                                    reinterpret_cast<HMENU>(IDC_PROPERTY_DESCRIPTION), module, nullptr);
    if (m_description == nullptr)
        lumo::ThrowLastError(L"CreateWindow", kPropertyListSourcePath, __LINE__);
    // Every row is as high as the next, so the list holds no data of its own: its rows are the rows of
    // the attached manager, and showing a manager of any size costs one message.
    m_list = CreateWindowExW(0, kListClass, L"",
                             WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_VSCROLL |
                                 LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_NODATA | LBS_NOINTEGRALHEIGHT,
                             0, 0, 0, 0, m_container, reinterpret_cast<HMENU>(kListId), module, nullptr);
    if (m_list == nullptr)
        lumo::ThrowLastError(L"CreateWindowEx", kPropertyListSourcePath, __LINE__);
    SetWindowLongPtrW(m_list, lumo::PropertyListBoxExtraBytes(), reinterpret_cast<LONG_PTR>(this));
    SendMessageW(m_list, WM_SETFONT, reinterpret_cast<WPARAM>(lumo::PropertyListFont(false)), FALSE);
    // The list box's own row height, and one pixel for the line between rows.
    m_rowHeight = static_cast<int>(SendMessageW(m_list, LB_GETITEMHEIGHT, 0, 0)) + 1;
    SendMessageW(m_list, LB_SETITEMHEIGHT, 0, m_rowHeight);
    m_dropDownOwner = CreateWindowExW(WS_EX_TOOLWINDOW, kContainerClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                                      nullptr, module, nullptr);
    if (m_dropDownOwner == nullptr)
        lumo::ThrowLastError(L"CreateWindowEx", kPropertyListSourcePath, __LINE__);
    SetPropW(m_dropDownOwner, kContainerProperty, this);
    CreateEditors();
    CreateTooltip();
}

void CPropertyListCtrl::CImpl::CreateToolbar()
{
    HMODULE const module = lumo::LibraryModule();
    m_toolbar = CreateWindowExW(0, TOOLBARCLASSNAMEW, L"",
                                WS_CHILD | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NODIVIDER | CCS_NORESIZE |
                                    CCS_NOPARENTALIGN,
                                0, 0, 0, 0, m_container, nullptr, module, nullptr);
    if (m_toolbar == nullptr)
        lumo::ThrowLastError(L"CreateWindowEx", kPropertyListSourcePath, __LINE__);
    SendMessageW(m_toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    m_toolbarImages = ImageList_LoadImageW(module, MAKEINTRESOURCEW(IDB_PROPERTY_TOOLBAR), 16, 0, 0xFF00FF,
                                           IMAGE_BITMAP, LR_CREATEDIBSECTION);
    if (m_toolbarImages == nullptr)
        lumo::ThrowLastError(L"ImageList_LoadImage", kPropertyListSourcePath, __LINE__);
    SendMessageW(m_toolbar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(m_toolbarImages));
    TBBUTTON buttons[3] = {};
    int const ids[3] = {kCategorizedButton, kAlphabeticalButton, kShowLinesButton};
    int const images[3] = {1, 0, 2};
    for (int i = 0; i < 3; ++i)
    {
        buttons[i].iBitmap = images[i];
        buttons[i].idCommand = ids[i];
        buttons[i].fsState = TBSTATE_ENABLED;
        buttons[i].fsStyle = BTNS_CHECK;
    }
    SendMessageW(m_toolbar, TB_ADDBUTTONSW, 3, reinterpret_cast<LPARAM>(buttons));
}

void CPropertyListCtrl::CImpl::Destroy()
{
    ReleaseWindows(true);
}

void CPropertyListCtrl::CImpl::ReleaseWindows(bool destroyContainer)
{
    if (m_container == nullptr)
        return;
    HWND const container = m_container;
    m_container.Attach(nullptr);
    // Calls into the host that are under way notice that the windows went.
    *m_lifetime = false;
    m_lifetime = std::make_shared<bool>(true);
    if (m_manager != nullptr)
    {
        m_manager->GetImpl().SetList(nullptr, nullptr);
        m_manager = nullptr;
    }
    m_rows.Clear();
    m_editing = nullptr;
    m_editorVisible = false;
    m_committing = false;
    m_draggingDivider = false;
    m_editorSubclass.reset();
    m_dropDownSubclass.reset();
    if (m_dropDownOwner != nullptr)
    {
        RemovePropW(m_dropDownOwner, kContainerProperty);
        DestroyWindow(m_dropDownOwner); // the drop-down with it
    }
    if (m_tooltip != nullptr)
        DestroyWindow(m_tooltip); // a top-level window: it does not go with the container
    m_tooltip = nullptr;
    m_tipText.clear();
    m_divider.Destroy();
    RemovePropW(container, kContainerProperty);
    if (destroyContainer && IsWindow(container))
        DestroyWindow(container); // its children with it
    m_toolbar = m_list = m_description = m_editor = m_spin = m_button = m_dropDown = m_dropDownOwner =
        nullptr;
    if (m_toolbarImages != nullptr)
        ImageList_Destroy(m_toolbarImages);
    m_toolbarImages = nullptr;
    UnregisterClasses();
}

void CPropertyListCtrl::CImpl::Attach(CPropertyManager* manager)
{
    if (manager == m_manager)
        return;
    HideEditor();
    CloseDropDown();
    if (CPropertyManager* previous = m_manager)
    {
        ClearRows();
        previous->GetImpl().SetList(nullptr, nullptr);
        m_manager = nullptr;
        if (CPropertyManager::IEventsHandler* handler = previous->GetEventsHandler())
        {
            CAliveCheck const alive(*this);
            handler->OnDetached();
            if (!alive.Alive())
                return;
        }
    }
    if (manager != nullptr)
    {
        // A manager shows in one list at a time.
        if (CPropertyListCtrl* other = manager->GetImpl().List())
            other->GetImpl().Attach(nullptr);
        m_manager = manager;
        manager->GetImpl().SetList(&m_owner, this);
        SyncToolbar();
        Reload();
    }
    Layout();
    if (manager != nullptr && manager == m_manager && manager->GetEventsHandler() != nullptr)
        manager->GetEventsHandler()->OnAttached();
}

void CPropertyListCtrl::CImpl::Reload()
{
    HideEditor();
    m_rows.Clear();
    if (m_manager != nullptr)
        m_rows.Build(m_manager->GetImpl().Items(), m_manager->GetImpl().Styles());
    SetRowCount();
    SyncSelectionRow();
}

void CPropertyListCtrl::CImpl::SyncToolbar()
{
    if (m_toolbar == nullptr || m_manager == nullptr)
        return;
    unsigned const styles = m_manager->GetImpl().Styles();
    SendMessageW(m_toolbar, TB_CHECKBUTTON, kCategorizedButton, (styles & STYLE_CATEGORIZED) != 0);
    SendMessageW(m_toolbar, TB_CHECKBUTTON, kAlphabeticalButton, (styles & STYLE_ALPHABETICAL) != 0);
    SendMessageW(m_toolbar, TB_CHECKBUTTON, kShowLinesButton, (styles & STYLE_SHOW_LINES) != 0);
    SendMessageW(m_toolbar, TB_HIDEBUTTON, kShowLinesButton, (styles & STYLE_COLOR) == 0);
}

int CPropertyListCtrl::CImpl::ToolbarHeight() const
{
    if (m_toolbar == nullptr)
        return 0;
    return HIWORD(SendMessageW(m_toolbar, TB_GETBUTTONSIZE, 0, 0)) + 2;
}

void CPropertyListCtrl::CImpl::Layout()
{
    if (m_container == nullptr)
        return;
    RECT const client = m_container.GetClientRect();
    int const width = client.right;
    int top = 0;
    int bottom = client.bottom;
    unsigned const styles =
        m_manager != nullptr ? m_manager->GetImpl().Styles() : STYLE_NO_COMMENTS | STYLE_NO_TOOLBAR;
    bool const toolbar = (styles & STYLE_NO_TOOLBAR) == 0;
    ShowWindow(m_toolbar, toolbar ? SW_SHOWNA : SW_HIDE);
    if (toolbar)
    {
        int const height = ToolbarHeight();
        MoveWindow(m_toolbar, 0, 0, width, height, TRUE);
        top = height + 3;
    }
    bool const comments = (styles & STYLE_NO_COMMENTS) == 0;
    ShowWindow(m_description, comments ? SW_SHOWNA : SW_HIDE);
    m_divider.Show(comments);
    if (comments)
    {
        int const height = m_manager->GetImpl().CommentsHeight();
        MoveWindow(m_description, 0, bottom - height, width, height, TRUE);
        MoveWindow(m_divider.GetHWnd(), 0, bottom - height - kDividerWeight, width, kDividerWeight, TRUE);
        bottom -= height + kDividerWeight;
    }
    MoveWindow(m_list, 0, top, width, bottom > top ? bottom - top : 0, TRUE);
    if (m_editorVisible)
        LayoutEditor(false);
}

void CPropertyListCtrl::CImpl::Enable(bool enable)
{
    m_enabled = enable;
    if (!enable)
        HideEditor();
    else if (m_manager != nullptr && m_manager->GetImpl().Selected() != nullptr)
        LayoutEditor(false);
    InvalidateRect(m_list, nullptr, TRUE);
}

// --- The exported class.

CPropertyListCtrl::CPropertyListCtrl() : m_impl(new CImpl(*this)) {}

CPropertyListCtrl::~CPropertyListCtrl()
{
    delete m_impl;
}

void CPropertyListCtrl::Create(CWnd const& parent, unsigned id)
{
    m_impl->Create(parent, id);
}

void CPropertyListCtrl::Destroy()
{
    m_impl->Destroy();
}

void CPropertyListCtrl::Resize(RECT const& rect)
{
    if (m_impl->Container() != nullptr)
        m_impl->Container().MoveWindow(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                                       true);
}

void CPropertyListCtrl::Show(bool show)
{
    if (m_impl->Container() != nullptr)
        ShowWindow(m_impl->Container(), show ? SW_SHOW : SW_HIDE);
}

void CPropertyListCtrl::Enable(bool enable)
{
    m_impl->Enable(enable);
}

void CPropertyListCtrl::Reset()
{
    m_impl->HideEditor();
    InvalidateRect(m_impl->Container(), nullptr, TRUE);
}

void CPropertyListCtrl::Reload()
{
    m_impl->Reload();
}

void CPropertyListCtrl::UpdateUI()
{
    m_impl->SyncToolbar();
    m_impl->Layout();
}

CWnd& CPropertyListCtrl::GetWindow()
{
    return m_impl->Container();
}

CPropertyManager* CPropertyListCtrl::Get() const
{
    return m_impl->Manager();
}

int CPropertyListCtrl::GetToolBarHeight() const
{
    return m_impl->ToolbarHeight();
}

CPropertyListCtrl& CPropertyListCtrl::operator=(CPropertyManager const* manager)
{
    // The list changes the manager it shows (its rows, its selection): it holds it as changeable.
    m_impl->Attach(const_cast<CPropertyManager*>(manager));
    return *this;
}

void CPropertyManager::AttachInterface(CPropertyListCtrl* list)
{
    if (list != nullptr)
        list->GetImpl().Attach(this);
    else if (CPropertyListCtrl* current = m_impl->List())
        current->GetImpl().Attach(nullptr);
}
