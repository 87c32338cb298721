// The library's toolbar: creating it from the host's buttons, bitmap and strings, its tooltips, painting
// its buttons, the pressed look of an open drop-down menu, and the parent that routes notifications.
#include "LumoCtrls/LumoToolbar.h"

#include "INC/w32/LibraryModule.h"
#include "INC/w32/PlatformFailure.h"
#include "Kit/KitGuiLib/CurrentException.h"
#include "LumoControls/LumoToolbar/ToolbarLooks.h"
#include "LumoCtrls/DrawTools.h"
#include "LumoCtrls/Errors.h"
#include "LumoCtrls/LibraryImages.h"
#include "LumoCtrls/LumoControls.h"

#include <set>

namespace
{
char const kSourcePath[] = "src/LumoControls/LumoToolbar/LumoToolbar";

// The library's toolbars alive now. A parent cannot be told that a toolbar went, so it asks here before
// routing to one of the library's own; toolbars of the host's own kind are routed to as registered.
std::set<IToolbarCtrl const*>& LiveToolbars()
{
    static auto* const live = new std::set<IToolbarCtrl const*>; // used until the last window goes
    return *live;
}
constexpr DWORD kToolbarStyle = 0x5600994F;
constexpr int kArrowPart = 13;
constexpr COLORREF kMagenta = 0xFF00FF;

typedef void (*GradientPainter)(CDCBase& dc, RECT const& rect, int hue, int saturation, int lightness1,
                                int lightness2, int horizontal, int mode);

void Gradient(CDCBase& dc, RECT const& rect, lumo::ButtonGradient const& look, GradientPainter paint)
{
    paint(dc, rect, look.hue, 240, look.lightness1, look.lightness2, 0, 1);
}

void DrawArrow(HDC dc, RECT const& rect, bool disabled)
{
    int const x = (2 * rect.right - kArrowPart) / 2;
    int const y = (rect.top + rect.bottom) / 2;
    HBRUSH const ink = GetSysColorBrush(disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT);
    for (int row = 0; row < 3; ++row)
    {
        int const half = 2 - row;
        RECT const line{x - half, y - 1 + row, x + half + 1, y + row};
        FillRect(dc, &line, ink);
    }
}

void DrawButton(NMTBCUSTOMDRAW& draw, bool frame, GradientPainter paint)
{
    if (draw.nmcd.dwItemSpec == static_cast<DWORD_PTR>(-1))
        return;
    HWND const toolbar = draw.nmcd.hdr.hwndFrom;
    HDC const dc = draw.nmcd.hdc;
    RECT& r = draw.nmcd.rc;
    InflateRect(&r, -2, -2);
    int const command = static_cast<int>(draw.nmcd.dwItemSpec);
    TBBUTTON button{};
    LRESULT const index = SendMessageW(toolbar, TB_COMMANDTOINDEX, static_cast<WPARAM>(command), 0);
    SendMessageW(toolbar, TB_GETBUTTON, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&button));
    UINT const state = draw.nmcd.uItemState;
    bool const selected = (state & CDIS_SELECTED) != 0;
    bool const disabled = (state & CDIS_DISABLED) != 0;
    bool const checked = (state & CDIS_CHECKED) != 0;
    bool const hot = (state & CDIS_HOT) != 0;
    bool const dropDown = (button.fsStyle & BTNS_DROPDOWN) != 0;
    bool const dropped = GetWindowLongPtrW(toolbar, GWLP_USERDATA) == command + 1;
    auto const images = reinterpret_cast<HIMAGELIST>(
        SendMessageW(toolbar, disabled ? TB_GETDISABLEDIMAGELIST : TB_GETIMAGELIST, 0, 0));

    CDC canvas(dc);
    lumo::ButtonGradient const background = lumo::ButtonBackground(dropped, selected || checked, hot);
    if (background.drawn)
    {
        Gradient(canvas, r, background, paint);
        if (dropped && dropDown)
            Gradient(canvas, RECT{r.right - kArrowPart, r.top, r.right, r.bottom},
                     lumo::kDroppedArrowGradient, paint);
        if (frame)
        {
            HBRUSH const outline = CreateSolidBrush(lumo::kButtonFrameColor);
            FrameRect(dc, &r, outline);
            DeleteObject(outline);
        }
    }
    if (dropDown)
    {
        DrawArrow(dc, r, disabled);
        if (selected || hot || checked)
        {
            COLORREF const color = disabled ? GetSysColor(COLOR_GRAYTEXT) : lumo::kButtonFrameColor;
            HPEN const pen = CreatePen(PS_SOLID, 0, color);
            HGDIOBJ const previousPen = SelectObject(dc, pen);
            Rectangle(dc, r.right - 14, r.top, r.right - 13, r.bottom);
            SelectObject(dc, previousPen);
            DeleteObject(pen);
        }
    }
    int width = 0, height = 0;
    if (images != nullptr)
        ImageList_GetIconSize(images, &width, &height);
    int x = r.left + (r.right - r.left - width) / 2 - (dropDown ? 7 : 0);
    int y = r.top + (r.bottom - r.top - height) / 2;
    wchar_t text[256] = {};
    SendMessageW(toolbar, TB_GETBUTTONTEXTW, static_cast<WPARAM>(command), reinterpret_cast<LPARAM>(text));
    if (text[0] != L'\0')
    {
        if ((GetWindowLongW(toolbar, GWL_STYLE) & TBSTYLE_LIST) != 0)
            x = r.left + 3;
        else
            y = r.top + 4;
        RECT label = r;
        label.left += width - (dropDown ? 7 : 0);
        HGDIOBJ const previousFont = SelectObject(dc, GetStockObject(ANSI_VAR_FONT));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
        DrawTextW(dc, text, -1, &label, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        SelectObject(dc, previousFont);
    }
    if (button.iBitmap != -1 && images != nullptr)
        ImageList_Draw(images, button.iBitmap, dc, x, y, ILD_TRANSPARENT);
}

LRESULT CustomDraw(NMHDR* header, bool background, bool frame, GradientPainter paint)
{
    auto& draw = *reinterpret_cast<NMTBCUSTOMDRAW*>(header);
    switch (draw.nmcd.dwDrawStage)
    {
    case CDDS_PREPAINT:
        if (background)
        {
            RECT client{};
            GetClientRect(header->hwndFrom, &client);
            CDC canvas(draw.nmcd.hdc);
            paint(canvas, client, 143, 240, 227, 202, 0, 1);
        }
        return CDRF_NOTIFYITEMDRAW | CDRF_NOTIFYPOSTPAINT;
    case CDDS_POSTPAINT:
    case CDDS_ITEMPOSTPAINT:
        return CDRF_NOTIFYITEMDRAW | CDRF_SKIPDEFAULT;
    case CDDS_ITEMPREPAINT:
        DrawButton(draw, frame, paint);
        return CDRF_SKIPDEFAULT;
    default:
        return 0;
    }
}
} // namespace

// --- The exported painting.

LRESULT OnNMToolbarCustomDraw(NMHDR* header, bool background, bool frame)
{
    return CustomDraw(header, background, frame, &DrawGradient2);
}

LRESULT OnNMToolbarCustomDrawNoLumoInterface(NMHDR* header, bool background, bool frame)
{
    return CustomDraw(header, background, frame, &DrawGradient2NoLumoInterface);
}

LRESULT C_OnNMToolbarCustomDraw(NMHDR* header, int background, int frame)
{
    return OnNMToolbarCustomDraw(header, background != 0, frame != 0);
}

BOOL DropDownToolbarMenu(HMENU menu, UINT flags, int x, int y, HWND toolbar, int command)
{
    LONG_PTR const previous = SetWindowLongPtrW(toolbar, GWLP_USERDATA, command + 1);
    InvalidateRect(toolbar, nullptr, FALSE);
    BOOL const result = CLumoControls::TrackPopupMenu(menu, flags, x, y, toolbar);
    SetWindowLongPtrW(toolbar, GWLP_USERDATA, previous);
    InvalidateRect(toolbar, nullptr, FALSE);
    return result;
}

// --- The toolbar.

class CLumoToolbarCtrl::CImpl
{
public:
    explicit CImpl(IToolbarParent& owner) : parent(owner) {}

    IToolbarParent& parent;
    CWnd toolbar;
    HMODULE module = GetModuleHandleW(nullptr);
    bool modulePresent = module != nullptr;
    CWnd tooltips;
    HIMAGELIST normalImages = nullptr;
    HIMAGELIST disabledImages = nullptr;
    std::wstring name = L"CLumoToolbarCtrl";
    bool background = false;
    bool frame = false;

    void ReleaseImages()
    {
        if (normalImages != nullptr)
            ImageList_Destroy(normalImages);
        if (disabledImages != nullptr)
            ImageList_Destroy(disabledImages);
        normalImages = disabledImages = nullptr;
    }
};

CLumoToolbarCtrl::CLumoToolbarCtrl(IToolbarParent& parent) : m_impl(new CImpl(parent))
{
    LiveToolbars().insert(this);
}

CLumoToolbarCtrl::~CLumoToolbarCtrl()
{
    LiveToolbars().erase(this);
    Destroy();
    m_impl->ReleaseImages();
    delete m_impl;
}

CWnd& CLumoToolbarCtrl::Create(std::vector<TBBUTTON>& buttons, int bitmapId, bool background, bool frame)
{
    CImpl& impl = *m_impl;
    impl.background = background;
    impl.frame = frame;
    HWND const window = CreateWindowExW(WS_EX_TOOLWINDOW, TOOLBARCLASSNAMEW, nullptr, kToolbarStyle, 0, 0, 0,
                                        0, impl.parent.GetHandle(), nullptr, impl.module, nullptr);
    if (window == nullptr)
        lumo::ThrowLastError(L"CreateWindowEx", kSourcePath, 713);
    impl.toolbar.Attach(window);
    impl.parent.RegisterToolbar(this);
    impl.tooltips.Attach(reinterpret_cast<HWND>(SendMessageW(window, TB_GETTOOLTIPS, 0, 0)));
    SendMessageW(window, TB_SETEXTENDEDSTYLE, 0,
                 SendMessageW(window, TB_GETEXTENDEDSTYLE, 0, 0) | TBSTYLE_EX_DRAWDDARROWS);
    SendMessageW(window, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);

    auto const bitmap = static_cast<HBITMAP>(LoadImageW(impl.module, MAKEINTRESOURCEW(bitmapId), IMAGE_BITMAP,
                                                        0, 0, LR_CREATEDIBSECTION | LR_DEFAULTSIZE));
    if (bitmap == nullptr)
        CResourceNotFound::CreateAndThrow(impl.module, static_cast<std::uintptr_t>(bitmapId), 3, kSourcePath,
                                          746);
    impl.ReleaseImages();
    impl.normalImages = ImageList_Create(20, 20, ILC_COLOR24 | ILC_MASK, 0, 1);
    if (ImageList_AddMasked(impl.normalImages, bitmap, kMagenta) == -1)
    {
        DeleteObject(bitmap);
        lumo::ThrowLastError(L"ImageList_AddMasked", kSourcePath, 753);
    }
    SendMessageW(window, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(impl.normalImages));
    HBITMAP const grey = CLibraryImages::CreateGrayBitmap(bitmap, kMagenta);
    DeleteObject(bitmap);
    if (grey == nullptr)
        lumo::ThrowLastError(L"CreateGrayBitmap", kSourcePath, 761);
    impl.disabledImages = ImageList_Create(20, 20, ILC_COLOR24 | ILC_MASK, 0, 1);
    int const added = ImageList_AddMasked(impl.disabledImages, grey, kMagenta);
    DeleteObject(grey);
    if (added == -1)
        lumo::ThrowLastError(L"ImageList_AddMasked", kSourcePath, 768);
    SendMessageW(window, TB_SETDISABLEDIMAGELIST, 0, reinterpret_cast<LPARAM>(impl.disabledImages));

    for (TBBUTTON& button : buttons)
    {
        if (button.fsStyle == BTNS_SEP)
            continue;
        std::wstring text = lumo::ModuleString(impl.module, static_cast<UINT>(button.idCommand));
        text.push_back(L'\0'); // TB_ADDSTRING takes a list of texts ending with an empty one
        button.iString = SendMessageW(window, TB_ADDSTRINGW, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    SendMessageW(window, TB_ADDBUTTONSW, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
    return impl.toolbar;
}

void CLumoToolbarCtrl::Destroy()
{
    if (m_impl->toolbar.GetHandle() != nullptr && IsWindow(m_impl->toolbar))
        DestroyWindow(m_impl->toolbar);
    m_impl->toolbar.Attach(nullptr);
    m_impl->tooltips.Attach(nullptr);
}

void CLumoToolbarCtrl::EnableButton(int command, bool enable)
{
    SendMessageW(m_impl->toolbar, TB_ENABLEBUTTON, static_cast<WPARAM>(command), enable);
}

void CLumoToolbarCtrl::ShowButton(int command, bool show)
{
    SendMessageW(m_impl->toolbar, TB_HIDEBUTTON, static_cast<WPARAM>(command), !show);
}

void CLumoToolbarCtrl::PressButton(int command)
{
    SendMessageW(m_impl->toolbar, TB_PRESSBUTTON, static_cast<WPARAM>(command), 1);
}

void CLumoToolbarCtrl::ReleaseButton(int command)
{
    SendMessageW(m_impl->toolbar, TB_PRESSBUTTON, static_cast<WPARAM>(command), 0);
}

bool CLumoToolbarCtrl::IsButtonPressed(int command) const
{
    return SendMessageW(m_impl->toolbar, TB_ISBUTTONPRESSED, static_cast<WPARAM>(command), 0) != 0;
}

CWnd const& CLumoToolbarCtrl::GetHandle() const
{
    return m_impl->toolbar;
}

CWnd const& CLumoToolbarCtrl::GetTooltipsHandle() const
{
    return m_impl->tooltips;
}

std::wstring CLumoToolbarCtrl::GetName() const
{
    return m_impl->name;
}

long CLumoToolbarCtrl::OnParentNotify(int, NMHDR* header)
{
    if (header->code == TTN_GETDISPINFOW)
    {
        auto& info = *reinterpret_cast<NMTTDISPINFOW*>(header);
        TBBUTTONINFOW button{};
        button.cbSize = sizeof(button);
        button.dwMask = TBIF_LPARAM;
        if (SendMessageW(m_impl->toolbar, TB_GETBUTTONINFOW, header->idFrom,
                         reinterpret_cast<LPARAM>(&button)) == -1 ||
            button.lParam == 0)
            return 0;
        info.hinst = nullptr;
        // The host's string, loaded whole: the tooltip keeps its text (TTF_DI_SETITEM).
        static std::wstring text;
        text = lumo::ModuleString(m_impl->module, static_cast<UINT>(LOWORD(button.lParam)));
        info.lpszText = const_cast<wchar_t*>(text.c_str());
        info.uFlags |= TTF_DI_SETITEM;
        return 1;
    }
    if (header->code == static_cast<UINT>(NM_CUSTOMDRAW) && header->hwndFrom == m_impl->toolbar.GetHandle())
        return static_cast<long>(OnNMToolbarCustomDraw(header, m_impl->background, m_impl->frame));
    return 0;
}

// --- The parent's routing.

void CToolbarParent::RegisterToolbar(IToolbarCtrl* toolbar)
{
    HWND const window = GetHandle();
    if (GetWindowLongPtrW(window, GWLP_USERDATA) == 0)
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    if (m_previous == nullptr)
        m_previous = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RoutingProcedure)));
    m_toolbars.push_back({toolbar, LiveToolbars().count(toolbar) != 0});
}

LRESULT CALLBACK CToolbarParent::RoutingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<CToolbarParent*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr)
        return 0;
    LRESULT result =
        self->m_previous != nullptr ? CallWindowProcW(self->m_previous, window, message, wParam, lParam) : 0;
    if (message != WM_NOTIFY)
        return result;
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    try
    {
        for (SRegistration const& registration : self->m_toolbars)
        {
            IToolbarCtrl* toolbar = registration.toolbar;
            if (registration.library && LiveToolbars().count(toolbar) == 0)
                continue; // destroyed since
            if (toolbar->GetHandle().GetHandle() == header->hwndFrom ||
                toolbar->GetTooltipsHandle().GetHandle() == header->hwndFrom)
                return toolbar->OnParentNotify(static_cast<int>(wParam), header);
        }
    }
    catch (...)
    {
        ReportCurrentException(); // nothing may cross into the platform's dispatch
    }
    return result;
}
