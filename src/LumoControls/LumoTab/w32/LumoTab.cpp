// The tab strip's window: its class and fonts, painting the run of tabs and the two buttons, the mouse,
// the tab-list menu and the tooltip.
#include "LumoControls/LumoTab/w32/LumoTabImpl.h"

#include "INC/w32/LibraryModule.h"
#include "INC/w32/MessageBoundary.h"
#include "INC/w32/PlatformFailure.h"
#include "INC/w32/PointFont.h"
#include "INC/w32/TypeName.h"
#include "Kit/KitGuiLib/CriticalSection.h"
#include "LumoCtrls/ColorArithmetic.h"
#include "LumoCtrls/LumoControls.h"
#include "LumoCtrls/ThemeColors.h"
#include "Plat/w32/LumoCtrlsResources.h"

#include <commctrl.h>
#include <windowsx.h>

#include <stdexcept>
#include <typeinfo>

using lumo::kTabSourcePath;

namespace
{
constexpr int kButtonSide = 12;
constexpr int kButtonStep = 14;
constexpr int kFirstMenuCommand = 10;
constexpr int kLabelLimit = 200;
constexpr COLORREF kLabelColor = 0x894E16;

CCriticalSection g_registrationLock;
int g_registrations = 0;
HFONT g_fonts[2] = {};

// The class name outlives the statics that the library's teardown runs after.
std::wstring const& ClassName()
{
    static std::wstring const* const name =
        new std::wstring(lumo::ReadableTypeName(typeid(CLumoTabCtrl).name()));
    return *name;
}

HFONT MakeFont(int weight)
{
    LOGFONTW const description = lumo::PointFontDescription(L"Tahoma", 8, weight, FF_SWISS);
    return CreateFontIndirectW(&description);
}

void RegisterOnce()
{
    CLock lock(g_registrationLock);
    if (g_registrations++ > 0)
        return;
    WNDCLASSW windowClass{};
    windowClass.style = CS_DBLCLKS;
    windowClass.cbWndExtra = sizeof(LONG_PTR);
    windowClass.lpfnWndProc = &CLumoTabCtrl::CImpl::Procedure;
    windowClass.hInstance = lumo::LibraryModule();
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    windowClass.lpszClassName = ClassName().c_str();
    if (RegisterClassW(&windowClass) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
    {
        --g_registrations;
        lumo::ThrowLastError(L"RegisterClass", kTabSourcePath, __LINE__);
    }
    g_fonts[0] = MakeFont(FW_NORMAL);
    g_fonts[1] = MakeFont(FW_BOLD);
}

void UnregisterOnce()
{
    CLock lock(g_registrationLock);
    if (g_registrations == 0 || --g_registrations > 0)
        return;
    UnregisterClassW(ClassName().c_str(), lumo::LibraryModule());
    for (HFONT& font : g_fonts)
    {
        DeleteObject(font);
        font = nullptr;
    }
}

int TextWidth(HDC dc, std::wstring const& text, HFONT font)
{
    HGDIOBJ const previous = SelectObject(dc, font);
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, previous);
    return size.cx;
}
} // namespace

COLORREF lumo::TabStateColor(int state)
{
    switch (state)
    {
    case 0:
        return 0xF46419;
    case 1:
        return LightenColor(30, 0xF46419);
    case 2:
        return HLS_TRANSFORM(GetThemeColor(), -10, 0);
    case 3:
        return LightenColor(50, GetHintColor());
    case 4:
        return GetThemeColor();
    case 5:
        return GetHintColor();
    default:
        return GetSysColor(COLOR_BTNTEXT);
    }
}

// --- Life cycle.

void CLumoTabCtrl::CImpl::Create(HWND parent, unsigned id, IEventsHandler* handler)
{
    Destroy();
    RegisterOnce();
    m_handler = handler;
    m_window =
        CreateWindowExW(0, ClassName().c_str(), L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 20, parent,
                        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), lumo::LibraryModule(), this);
    if (m_window == nullptr)
    {
        UnregisterOnce();
        lumo::ThrowLastError(L"CreateWindowEx", kTabSourcePath, __LINE__);
    }
    m_closeImage = LoadBitmapW(lumo::LibraryModule(), MAKEINTRESOURCEW(IDB_TAB_CLOSE));
    m_listImage = LoadBitmapW(lumo::LibraryModule(), MAKEINTRESOURCEW(IDB_TAB_LIST));
    m_tooltip =
        CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0,
                        0, 0, 0, m_window, nullptr, lumo::LibraryModule(), nullptr);
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_SUBCLASS | TTF_IDISHWND;
    tool.hwnd = m_window;
    tool.uId = reinterpret_cast<UINT_PTR>(m_window);
    tool.lpszText = LPSTR_TEXTCALLBACKW;
    SendMessageW(m_tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void CLumoTabCtrl::CImpl::Destroy()
{
    if (m_window == nullptr)
        return;
    HWND const window = m_window;
    m_window = nullptr;
    if (m_tooltip != nullptr)
        DestroyWindow(m_tooltip);
    m_tooltip = nullptr;
    SetWindowLongPtrW(window, 0, 0);
    DestroyWindow(window);
    DeleteObject(m_closeImage);
    DeleteObject(m_listImage);
    m_closeImage = m_listImage = nullptr;
    m_hot = kNoItem;
    m_tracking = false;
    UnregisterOnce();
}

void CLumoTabCtrl::CImpl::Redraw()
{
    if (m_window != nullptr)
        InvalidateRect(m_window, nullptr, FALSE);
}

// --- The host's vetoes, passed on.

bool CLumoTabCtrl::CImpl::CanLeaveTab(int index)
{
    return m_handler == nullptr || m_handler->CanLeaveTab(index);
}

void CLumoTabCtrl::CImpl::OnTabSelected(int index)
{
    if (m_handler != nullptr)
        m_handler->OnTabSelected(index);
}

bool CLumoTabCtrl::CImpl::CanCloseTab(int index)
{
    return m_handler == nullptr || m_handler->CanCloseTab(index);
}

void CLumoTabCtrl::CImpl::OnTabClosing(int index)
{
    if (m_handler != nullptr)
        m_handler->OnTabClosing(index);
}

void CLumoTabCtrl::CImpl::OnTabRemoved(void* data)
{
    if (m_handler != nullptr)
        m_handler->OnTabRemoved(data);
}

bool CLumoTabCtrl::CImpl::CanDeleteAllTabs()
{
    return m_handler == nullptr || m_handler->CanDeleteAllTabs();
}

// --- Layout and hit testing.

std::vector<CLumoTabCtrl::CImpl::STabPlace> CLumoTabCtrl::CImpl::Places()
{
    std::vector<STabPlace> places;
    if (m_window == nullptr)
        return places;
    RECT client{};
    GetClientRect(m_window, &client);
    HDC const dc = GetDC(m_window);
    std::vector<int> widths;
    std::vector<std::wstring> labels;
    for (int i = 0; i < m_model.Count(); ++i)
    {
        HFONT const font = g_fonts[i == m_model.Selected() ? 1 : 0];
        labels.push_back(lumo::ShortenLabel(m_model.Tab(i).text, kLabelLimit,
                                            [&](std::wstring const& text)
                                            { return TextWidth(dc, text, font); }));
        widths.push_back(TextWidth(dc, labels.back(), font) + 17 + (i == 0 ? 9 : 0));
    }
    ReleaseDC(m_window, dc);
    m_model.FitRun(widths, client.right - 32);
    lumo::TabRun const run = m_model.Run();
    int x = 0;
    for (int i = run.first; i >= 0 && i <= run.last; ++i)
    {
        places.push_back({i, x, widths[static_cast<std::size_t>(i)], labels[static_cast<std::size_t>(i)]});
        x += widths[static_cast<std::size_t>(i)];
    }
    return places;
}

RECT CLumoTabCtrl::CImpl::ButtonRect(int button) const
{
    RECT client{};
    GetClientRect(m_window, &client);
    int x = client.right - kButtonStep;
    if (button == kListButton && m_showClose)
        x -= kButtonStep;
    int const y = client.bottom - 16;
    return RECT{x, y, x + kButtonSide, y + kButtonSide};
}

bool CLumoTabCtrl::CImpl::HitTest(POINT point, int& index)
{
    RECT const list = ButtonRect(kListButton);
    if (PtInRect(&list, point))
    {
        index = kListButton;
        return true;
    }
    RECT const close = ButtonRect(kCloseButton);
    if (m_showClose && PtInRect(&close, point))
    {
        index = kCloseButton;
        return true;
    }
    RECT client{};
    GetClientRect(m_window, &client);
    if (point.y < 0 || point.y >= client.bottom)
        return false;
    for (STabPlace const& place : Places())
        if (point.x >= place.x && point.x < place.x + place.width)
        {
            index = place.index;
            return true;
        }
    return false;
}

// --- Painting.

void CLumoTabCtrl::CImpl::Paint()
{
    PAINTSTRUCT paint;
    HDC const target = BeginPaint(m_window, &paint);
    RECT client{};
    GetClientRect(m_window, &client);
    int const w = client.right;
    int const h = client.bottom;
    HDC const dc = CreateCompatibleDC(target);
    HBITMAP const canvas = CreateCompatibleBitmap(target, w > 0 ? w : 1, h > 0 ? h : 1);
    HGDIOBJ const previousBitmap = SelectObject(dc, canvas);

    HBRUSH const background = CreateSolidBrush(lumo::TabStateColor(2));
    FillRect(dc, &client, background);
    DeleteObject(background);
    DrawButton(dc, kListButton);
    if (m_showClose)
        DrawButton(dc, kCloseButton);

    std::vector<STabPlace> const places = Places();
    HBRUSH const pattern = TabPattern(dc);
    SetBkMode(dc, TRANSPARENT);
    STabPlace const* selected = nullptr;
    for (STabPlace const& place : places)
        if (place.index == m_model.Selected())
            selected = &place;
        else
            DrawTab(dc, place, h, pattern);
    if (selected != nullptr)
        DrawTab(dc, *selected, h, pattern);
    DeleteObject(pattern);

    // The bottom line, lifted over the selected tab.
    HPEN const line = CreatePen(PS_SOLID, 0, lumo::TabStateColor(0));
    HGDIOBJ const previousPen = SelectObject(dc, line);
    MoveToEx(dc, 0, h - 1, nullptr);
    if (selected != nullptr)
    {
        std::vector<POINT> const outline = Outline(*selected, h);
        LineTo(dc, outline.front().x, h - 1);
        for (POINT const& corner : outline)
            LineTo(dc, corner.x, corner.y == h ? h - 1 : corner.y);
    }
    LineTo(dc, w, h - 1);
    SelectObject(dc, previousPen);
    DeleteObject(line);

    BitBlt(target, 0, 0, w, h, dc, 0, 0, SRCCOPY);
    SelectObject(dc, previousBitmap);
    DeleteObject(canvas);
    DeleteDC(dc);
    EndPaint(m_window, &paint);
}

std::vector<POINT> CLumoTabCtrl::CImpl::Outline(STabPlace const& place, int h) const
{
    int const t = place.x + (place.index == 0 ? 18 : 9);
    int const W = place.width - (place.index == 0 ? 26 : 17); // the label's width
    if (place.index == 0 || place.index == m_model.Selected())
        return {{t - 18, h},         {t - 2, h - 16},     {t + 3, h - 18},
                {t + W + 6, h - 18}, {t + W + 8, h - 16}, {t + W + 8, h}};
    return {{t - 9, h},          {t - 9, h - 9},      {t - 2, h - 16}, {t + 3, h - 18},
            {t + W + 6, h - 18}, {t + W + 8, h - 16}, {t + W + 8, h}};
}

void CLumoTabCtrl::CImpl::DrawTab(HDC dc, STabPlace const& place, int h, HBRUSH pattern) const
{
    bool const selected = place.index == m_model.Selected();
    std::vector<POINT> const outline = Outline(place, h);
    HPEN const pen = CreatePen(PS_SOLID, 0, lumo::TabStateColor(1));
    HBRUSH const selectedFill = selected ? CreateSolidBrush(lumo::TabStateColor(3)) : nullptr;
    HGDIOBJ const previousPen = SelectObject(dc, pen);
    HGDIOBJ const previousBrush = SelectObject(dc, selected ? selectedFill : pattern);
    SetBrushOrgEx(dc, 0, h - 20, nullptr);
    Polygon(dc, outline.data(), static_cast<int>(outline.size()));
    SelectObject(dc, previousBrush);
    SelectObject(dc, previousPen);
    DeleteObject(pen);
    if (selectedFill != nullptr)
        DeleteObject(selectedFill);
    HGDIOBJ const previousFont = SelectObject(dc, g_fonts[selected ? 1 : 0]);
    SetTextColor(dc, selected ? lumo::TabStateColor(6) : kLabelColor);
    int const t = place.x + (place.index == 0 ? 18 : 9);
    TextOutW(dc, t, h - 16, place.label.c_str(), static_cast<int>(place.label.size()));
    SelectObject(dc, previousFont);
}

HBRUSH CLumoTabCtrl::CImpl::TabPattern(HDC dc) const
{
    // A 20-pixel run from the lightened theme colour down to the theme colour.
    HBITMAP const strip = CreateCompatibleBitmap(dc, 8, 20);
    HDC const memory = CreateCompatibleDC(dc);
    HGDIOBJ const previous = SelectObject(memory, strip);
    COLORREF const top = GetLightenThemeColor();
    COLORREF const bottom = lumo::TabStateColor(4);
    for (int y = 0; y < 20; ++y)
    {
        auto const mix = [&](int shift)
        {
            int const a = (top >> shift) & 0xFF, b = (bottom >> shift) & 0xFF;
            return static_cast<COLORREF>(a + (b - a) * y / 19) << shift;
        };
        HBRUSH const row = CreateSolidBrush(mix(0) | mix(8) | mix(16));
        RECT const line{0, y, 8, y + 1};
        FillRect(memory, &line, row);
        DeleteObject(row);
    }
    SelectObject(memory, previous);
    DeleteDC(memory);
    HBRUSH const pattern = CreatePatternBrush(strip);
    DeleteObject(strip); // the brush keeps its own copy
    if (pattern == nullptr)
        lumo::ThrowLastError(L"CreatePatternBrush", kTabSourcePath, __LINE__);
    return pattern;
}

void CLumoTabCtrl::CImpl::DrawButton(HDC dc, int button) const
{
    RECT const rect = ButtonRect(button);
    HBRUSH const fill = CreateSolidBrush(lumo::TabStateColor(m_hot == button ? 5 : 2));
    FillRect(dc, &rect, fill);
    DeleteObject(fill);
    HBITMAP const image = button == kCloseButton ? m_closeImage : m_listImage;
    if (image == nullptr)
        return;
    HDC const memory = CreateCompatibleDC(dc);
    HGDIOBJ const previous = SelectObject(memory, image);
    GdiTransparentBlt(dc, rect.left, rect.top, kButtonSide, kButtonSide, memory, 0, 0, kButtonSide,
                      kButtonSide, 0xFF00FF);
    SelectObject(memory, previous);
    DeleteDC(memory);
}

// --- Messages.

LRESULT CALLBACK CLumoTabCtrl::CImpl::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE)
        SetWindowLongPtrW(
            window, 0,
            reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW const*>(lParam)->lpCreateParams));
    auto* self = reinterpret_cast<CImpl*>(GetWindowLongPtrW(window, 0));
    if (self == nullptr)
        return DefWindowProcW(window, message, wParam, lParam);
    return lumo::DispatchGuarded(window, message, wParam, lParam,
                                 [&] { return self->OnMessage(window, message, wParam, lParam); });
}

LRESULT CLumoTabCtrl::CImpl::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        if (m_window == nullptr)
            m_window = window; // painted while being created
        Paint();
        return 0;
    case WM_SIZE:
        Redraw();
        return 0;
    case WM_MOUSEMOVE:
    {
        if (!m_tracking)
        {
            TRACKMOUSEEVENT leave{sizeof(leave), TME_LEAVE, window, 0};
            m_tracking = TrackMouseEvent(&leave) != FALSE;
        }
        int hit = kNoItem;
        if (!HitTest({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, hit))
            hit = kNoItem;
        SetHot(hit);
        return 0;
    }
    case WM_MOUSELEAVE:
        m_tracking = false;
        SetHot(kNoItem);
        return 0;
    case WM_LBUTTONUP:
        OnClick({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_NOTIFY:
    {
        auto* info = reinterpret_cast<NMTTDISPINFOW*>(lParam);
        if (info->hdr.hwndFrom == m_tooltip && info->hdr.code == TTN_GETDISPINFOW)
        {
            m_tipText = m_hot == kCloseButton                   ? lumo::LibraryString(IDS_TAB_CLOSE)
                        : m_hot == kListButton                  ? lumo::LibraryString(IDS_TAB_LIST)
                        : m_hot >= 0 && m_hot < m_model.Count() ? m_model.Tab(m_hot).toolTip
                                                                : std::wstring();
            info->lpszText = const_cast<wchar_t*>(m_tipText.c_str());
        }
        return 0;
    }
    case WM_DESTROY:
        m_window = nullptr;
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

void CLumoTabCtrl::CImpl::SetHot(int item)
{
    if (item == m_hot)
        return;
    bool const buttons = m_hot < kNoItem || item < kNoItem;
    m_hot = item;
    if (buttons)
        Redraw();
    if (m_tooltip != nullptr)
        SendMessageW(m_tooltip, TTM_UPDATE, 0, 0);
}

void CLumoTabCtrl::CImpl::OnClick(POINT point)
{
    int hit = kNoItem;
    if (!HitTest(point, hit))
        return;
    if (hit == kCloseButton)
    {
        if (m_model.Selected() >= 0)
            RemoveTab(m_model.Selected());
    }
    else if (hit == kListButton)
        ShowTabList();
    else
        SelectTab(hit);
}

void CLumoTabCtrl::CImpl::ShowTabList()
{
    HMENU const menu = CreatePopupMenu();
    if (menu == nullptr)
        lumo::ThrowLastError(L"CreatePopupMenu", kTabSourcePath, __LINE__);
    for (int i = 0; i < m_model.Count(); ++i)
    {
        MENUITEMINFOW item{};
        item.cbSize = sizeof(item);
        item.fMask = MIIM_ID | MIIM_STRING | MIIM_FTYPE | MIIM_STATE;
        item.fType = MFT_STRING | MFT_RADIOCHECK;
        item.fState = i == m_model.Selected() ? MFS_CHECKED : 0;
        item.wID = static_cast<UINT>(kFirstMenuCommand + i);
        item.dwTypeData = const_cast<wchar_t*>(m_model.Tab(i).text.c_str());
        if (!InsertMenuItemW(menu, static_cast<UINT>(i), TRUE, &item))
        {
            DWORD const code = GetLastError();
            DestroyMenu(menu);
            CWindowsApiFailed::CreateAndThrow(L"InsertMenuItem", code, kTabSourcePath, __LINE__);
        }
    }
    RECT button = ButtonRect(kListButton);
    MapWindowPoints(m_window, nullptr, reinterpret_cast<POINT*>(&button), 2);
    BOOL const command = CLumoControls::TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTALIGN, button.right,
                                                       button.bottom, m_window);
    DestroyMenu(menu);
    if (command >= kFirstMenuCommand)
        SelectTab(command - kFirstMenuCommand);
}

bool CLumoTabCtrl::CImpl::SelectTab(int index)
{
    bool const selected = m_model.Select(index);
    if (selected)
        Redraw();
    return selected;
}

bool CLumoTabCtrl::CImpl::RemoveTab(int index)
{
    bool const removed = m_model.Remove(index);
    if (removed)
        Redraw();
    return removed;
}

// --- The exported class.

CLumoTabCtrl::CLumoTabCtrl() : m_impl(new CImpl) {}

CLumoTabCtrl::~CLumoTabCtrl()
{
    m_impl->Destroy();
    delete m_impl;
}

void CLumoTabCtrl::Create(CWnd const& parent, unsigned id, IEventsHandler* handler)
{
    m_impl->Create(parent, id, handler);
}

void CLumoTabCtrl::Destroy()
{
    m_impl->Destroy();
}

void CLumoTabCtrl::Show(bool show)
{
    if (m_impl->Window() != nullptr)
        ShowWindow(m_impl->Window(), show ? SW_SHOW : SW_HIDE);
}

void CLumoTabCtrl::Resize(RECT const& rect)
{
    if (m_impl->Window() != nullptr)
        MoveWindow(m_impl->Window(), rect.left, rect.top, rect.right - rect.left, GetHeight(), TRUE);
}

CWnd CLumoTabCtrl::GetHandle() const
{
    return CWnd(m_impl->Window());
}

void CLumoTabCtrl::AppendTab(ITab const& tab)
{
    InsertTab(tab, GetTabCount());
}

void CLumoTabCtrl::InsertTab(ITab const& tab, unsigned index)
{
    m_impl->Model().Insert(std::make_unique<CImpl::CTab>(tab), static_cast<int>(index));
    m_impl->Redraw();
}

void CLumoTabCtrl::UpdateTab(ITab const& tab, unsigned index)
{
    m_impl->Model().Update(std::make_unique<CImpl::CTab>(tab), static_cast<int>(index));
    m_impl->Redraw();
}

CLumoTabCtrl::ITab const& CLumoTabCtrl::GetTab(unsigned index) const
{
    if (index >= GetTabCount())
        throw std::out_of_range("CLumoTabCtrl::GetTab: no tab at that index");
    return static_cast<CImpl::CTab const&>(m_impl->Model().Tab(static_cast<int>(index)));
}

unsigned CLumoTabCtrl::GetTabCount() const
{
    return static_cast<unsigned>(m_impl->Model().Count());
}

bool CLumoTabCtrl::RemoveTab(unsigned index)
{
    return m_impl->RemoveTab(static_cast<int>(index));
}

bool CLumoTabCtrl::DeleteAllTabs()
{
    bool const removed = m_impl->Model().RemoveAll();
    if (removed)
        m_impl->Redraw();
    return removed;
}

bool CLumoTabCtrl::SelectTab(unsigned index)
{
    return m_impl->SelectTab(static_cast<int>(index));
}

int CLumoTabCtrl::GetSelectedTab() const
{
    return m_impl->Model().Selected();
}

int CLumoTabCtrl::GetTabIndexFromData(void* data) const
{
    return m_impl->Model().IndexOfData(data);
}

bool CLumoTabCtrl::GetTabFromPoint(int x, int y, int& index) const
{
    return m_impl->Window() != nullptr && m_impl->HitTest({x, y}, index);
}

void CLumoTabCtrl::ShowCloseButton(bool show)
{
    m_impl->ShowClose(show);
}
