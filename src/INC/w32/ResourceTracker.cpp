// Device-context wrappers: selection with memory of what was replaced, checked drawing calls, and the
// contexts' acquisition and release.
#include "LumoCtrls/ResourceTracker.h"

#include "INC/w32/PlatformFailure.h"

using lumo::ThrowTrackerFailure;

namespace
{
// A saved slot that holds nothing yet. Not null: null is a value the platform may hand back.
HGDIOBJ const kNoneSaved = reinterpret_cast<HGDIOBJ>(static_cast<UINT_PTR>(0xFFFFFFFFu));
} // namespace

// --- CDCBase: selection

CDCBase::CDCBase(HDC dc)
    : m_dc(dc), m_savedBrush(kNoneSaved), m_savedPen(kNoneSaved), m_savedFont(kNoneSaved),
      m_savedBitmap(kNoneSaved)
{
}

CDCBase::~CDCBase()
{
    RestoreAll();
}

void CDCBase::Detach() noexcept
{
    RestoreAll();
    m_dc = nullptr;
}

void CDCBase::AttachHandle(HDC dc)
{
    m_dc = dc;
}

template <class Wrapper>
void CDCBase::SelectKind(Wrapper const& object, HGDIOBJ& saved, Wrapper& current, int line)
{
    HGDIOBJ const previous = ::SelectObject(m_dc, object.GetHandle());
    // Null is the failure value for brushes, pens, fonts and bitmaps; HGDI_ERROR that of regions.
    if (previous == nullptr || previous == HGDI_ERROR)
        ThrowTrackerFailure(L"SelectObject", line);
    if (saved == kNoneSaved)
        saved = previous;
    current = object;
}

template <class Wrapper> void CDCBase::RestoreKind(HGDIOBJ& saved, Wrapper& current) noexcept
{
    if (saved != kNoneSaved)
    {
        ::SelectObject(m_dc, saved);
        saved = kNoneSaved;
    }
    current.Release();
}

void CDCBase::Select(CBrush const& brush)
{
    SelectKind(brush, m_savedBrush, m_brush, 1612);
}

void CDCBase::Select(CFont const& font)
{
    SelectKind(font, m_savedFont, m_font, 1623);
}

void CDCBase::Select(CPen const& pen)
{
    SelectKind(pen, m_savedPen, m_pen, 1634);
}

void CDCBase::Select(CBitmap const& bitmap)
{
    SelectKind(bitmap, m_savedBitmap, m_bitmap, 1645);
}

void CDCBase::SelectSolidPen(COLORREF color)
{
    CPen pen;
    pen.Create(PS_SOLID, 0, color);
    Select(pen);
}

void CDCBase::SelectSolidBrush(COLORREF color)
{
    CBrush brush;
    brush.CreateSolid(color);
    Select(brush);
}

void CDCBase::RestoreBrush() noexcept
{
    RestoreKind(m_savedBrush, m_brush);
}

void CDCBase::RestorePen() noexcept
{
    RestoreKind(m_savedPen, m_pen);
}

void CDCBase::RestoreFont() noexcept
{
    RestoreKind(m_savedFont, m_font);
}

void CDCBase::RestoreBitmap() noexcept
{
    RestoreKind(m_savedBitmap, m_bitmap);
}

void CDCBase::RestoreAll() noexcept
{
    RestoreBrush();
    RestorePen();
    RestoreFont();
    RestoreBitmap();
}

// --- CDCBase: drawing

COLORREF CDCBase::SetBkColor(COLORREF color)
{
    COLORREF const previous = ::SetBkColor(m_dc, color);
    if (previous == CLR_INVALID)
        ThrowTrackerFailure(L"SetBkColor", 1779);
    return previous;
}

COLORREF CDCBase::SetTextColor(COLORREF color)
{
    COLORREF const previous = ::SetTextColor(m_dc, color);
    if (previous == CLR_INVALID)
        ThrowTrackerFailure(L"SetTextColor", 1792);
    return previous;
}

void CDCBase::BitBlt(int x, int y, int width, int height, HDC source, int sourceX, int sourceY, DWORD rop)
{
    if (!::BitBlt(m_dc, x, y, width, height, source, sourceX, sourceY, rop))
        ThrowTrackerFailure(L"BitBlt", 1805);
}

POINT CDCBase::MoveToEx(int x, int y)
{
    POINT previous{};
    if (!::MoveToEx(m_dc, x, y, &previous))
        ThrowTrackerFailure(L"MoveToEx", 1817);
    return previous;
}

void CDCBase::LineTo(int x, int y)
{
    if (!::LineTo(m_dc, x, y))
        ThrowTrackerFailure(L"LineTo", 1828);
}

void CDCBase::Line(int x1, int y1, int x2, int y2)
{
    POINT const previous = MoveToEx(x1, y1);
    LineTo(x2, y2);
    MoveToEx(previous.x, previous.y);
}

void CDCBase::Polygon(std::vector<POINT> const& points)
{
    if (!::Polygon(m_dc, points.data(), static_cast<int>(points.size())))
        ThrowTrackerFailure(L"Polygon", 1854);
}

void CDCBase::Ellipse(int left, int top, int right, int bottom)
{
    if (!::Ellipse(m_dc, left, top, right, bottom))
        ThrowTrackerFailure(L"Ellipse", 1869);
}

void CDCBase::Rectangle(int left, int top, int right, int bottom)
{
    ::Rectangle(m_dc, left, top, right, bottom);
}

void CDCBase::TextOutW(int x, int y, std::wstring const& text)
{
    if (!::TextOutW(m_dc, x, y, text.c_str(), static_cast<int>(text.size())))
        ThrowTrackerFailure(L"TextOut", 1880);
}

void CDCBase::ExtTextOutW(int x, int y, UINT options, RECT const* rect, std::wstring const& text,
                          INT const* dx)
{
    if (!::ExtTextOutW(m_dc, x, y, options, rect, text.c_str(), static_cast<UINT>(text.size()), dx))
        ThrowTrackerFailure(L"ExtTextOut", 1891);
}

TEXTMETRICW CDCBase::GetTextMetricsW() const
{
    TEXTMETRICW metrics{};
    if (!::GetTextMetricsW(m_dc, &metrics))
        ThrowTrackerFailure(L"GetTextMetrics", 1902);
    return metrics;
}

SIZE CDCBase::GetTextExtentPoint32W(std::wstring const& text) const
{
    SIZE size{};
    if (!::GetTextExtentPoint32W(m_dc, text.c_str(), static_cast<int>(text.size()), &size))
        ThrowTrackerFailure(L"GetTextExtentPoint32", 1914);
    return size;
}

int CDCBase::GetTextExtentExPointW(std::wstring const& text, int maxExtent, std::vector<int>* prefixExtents,
                                   SIZE* size) const
{
    int fit = 0;
    SIZE extent{};
    if (prefixExtents != nullptr)
        prefixExtents->assign(text.size(), 0);
    if (!::GetTextExtentExPointW(m_dc, text.c_str(), static_cast<int>(text.size()), maxExtent, &fit,
                                 prefixExtents != nullptr ? prefixExtents->data() : nullptr, &extent))
        ThrowTrackerFailure(L"GetTextExtentExPoint", 1927);
    if (size != nullptr)
        *size = extent;
    return fit;
}

void CDCBase::FillRect(RECT const& rect, CBrush const& brush)
{
    if (!::FillRect(m_dc, &rect, brush.GetHandle()))
        ThrowTrackerFailure(L"FillRect", 1968);
}

void CDCBase::FrameRect(RECT const& rect, CBrush const& brush)
{
    if (!::FrameRect(m_dc, &rect, brush.GetHandle()))
        ThrowTrackerFailure(L"FrameRect", 1979);
}

void CDCBase::StretchBlt(int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
                         int sourceWidth, int sourceHeight, DWORD rop)
{
    if (!::StretchBlt(m_dc, x, y, width, height, source, sourceX, sourceY, sourceWidth, sourceHeight, rop))
        ThrowTrackerFailure(L"StretchBlt", 1990);
}

void CDCBase::DrawStateW(HBRUSH brush, DRAWSTATEPROC callback, LPARAM data, WPARAM dataLength, int x, int y,
                         int width, int height, UINT flags)
{
    if (!::DrawStateW(m_dc, brush, callback, data, dataLength, x, y, width, height, flags))
        ThrowTrackerFailure(L"DrawState", 2001);
}

int CDCBase::DrawTextW(std::wstring const& text, RECT& rect, UINT format)
{
    int const height = ::DrawTextW(m_dc, text.c_str(), static_cast<int>(text.size()), &rect, format);
    // Empty text legitimately measures 0 high: cells and items with no text must not throw.
    if (height == 0 && !text.empty())
        ThrowTrackerFailure(L"DrawText", 2012);
    return height;
}

UINT CDCBase::SetTextAlign(UINT align)
{
    UINT const previous = ::SetTextAlign(m_dc, align);
    if (previous == GDI_ERROR)
        ThrowTrackerFailure(L"SetTextAlign", 2022);
    return previous;
}

void CDCBase::PatBlt(int x, int y, int width, int height, DWORD rop)
{
    if (!::PatBlt(m_dc, x, y, width, height, rop))
        ThrowTrackerFailure(L"PatBlt", 2042);
}

// --- The contexts

namespace
{
HDC AcquireScreen()
{
    HDC const dc = GetDC(nullptr);
    if (dc == nullptr)
        ThrowTrackerFailure(L"GetDC", 2250);
    return dc;
}

HDC AcquireCompatible(HDC compatibleWith)
{
    HDC const dc = CreateCompatibleDC(compatibleWith);
    if (dc == nullptr)
        ThrowTrackerFailure(L"CreateCompatibleDC", 2341);
    return dc;
}

HDC AcquireClient(HWND window)
{
    HDC const dc = GetDC(window);
    if (dc == nullptr)
        ThrowTrackerFailure(L"GetDC", 2292);
    return dc;
}

HDC AcquireWindow(HWND window)
{
    HDC const dc = GetWindowDC(window);
    if (dc == nullptr)
        ThrowTrackerFailure(L"GetWindowDC", 2206);
    return dc;
}
} // namespace

CDC::CDC(HDC dc) : CDCBase(dc) {}

CDC::~CDC()
{
    Detach();
}

CScreenDC::CScreenDC() : CDCBase(AcquireScreen()) {}

CScreenDC::~CScreenDC()
{
    HDC const dc = GetHandle();
    Detach();
    if (dc != nullptr)
        ReleaseDC(nullptr, dc);
}

CCompDC::CCompDC(HDC compatibleWith) : CDCBase(AcquireCompatible(compatibleWith)) {}

CCompDC::~CCompDC()
{
    HDC const dc = GetHandle();
    Detach();
    if (dc != nullptr)
        DeleteDC(dc);
}

CClientDC::CClientDC(HWND window) : CDCBase(AcquireClient(window)), m_window(window) {}

CClientDC::~CClientDC()
{
    HDC const dc = GetHandle();
    Detach();
    if (dc != nullptr)
        ReleaseDC(m_window, dc);
    m_window = nullptr;
}

CWindowDC::CWindowDC(HWND window) : CDCBase(AcquireWindow(window)), m_window(window) {}

CWindowDC::~CWindowDC()
{
    HDC const dc = GetHandle();
    Detach();
    if (dc != nullptr)
        ReleaseDC(m_window, dc);
    m_window = nullptr;
}

CPaintDC::CPaintDC(HWND window) : CDCBase(nullptr), m_paint{}, m_window(nullptr)
{
    if (window == nullptr)
        return;
    HDC const dc = BeginPaint(window, &m_paint);
    if (dc == nullptr)
        ThrowTrackerFailure(L"BeginPaint", 2141);
    AttachHandle(dc);
    m_window = window;
}

CPaintDC::~CPaintDC()
{
    HDC const dc = GetHandle();
    Detach();
    if (dc != nullptr)
        EndPaint(m_window, &m_paint);
}

int GetScreenColorCount()
{
    // Read once (the initialisation of a local static is thread-safe; should the screen context fail,
    // the next call tries again).
    static int const cached = []
    {
        CScreenDC screen;
        int const colors = GetDeviceCaps(screen.GetHandle(), NUMCOLORS);
        return colors == -1 ? 64000 : colors;
    }();
    return cached;
}
