// Device-context wrappers that put back what they replaced, the window wrapper, and the clipboard.
//
// A CDCBase remembers, for each kind of object (brush, pen, font, bitmap), what the context held before
// the wrapper first selected one of that kind, keeps a counted reference to what it selected (so the
// object lives while it is selected, even when the caller's own wrapper goes first), and selects the
// saved objects back before it lets go of the context. Every checked platform call that fails throws
// CWindowsApiFailed naming the call; the wrapper is then unchanged.
//
// Like the handle wrappers, these classes cross the boundary with hosts (exported operations take
// CDCBase& and CWnd const&), so the order of their fields is fixed.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "LumoCtrls/Export.h"
#include "LumoCtrls/SharedHandle.h"

class LUMO_API CDCBase
{
public:
    virtual ~CDCBase();
    CDCBase(CDCBase const&) = delete;
    CDCBase& operator=(CDCBase const&) = delete;

    HDC GetHandle() const { return m_dc; }
    operator HDC() const { return m_dc; }

    // --- Selection. Each keeps the argument alive while it is selected.
    void Select(CBrush const& brush);
    void Select(CPen const& pen);
    void Select(CFont const& font);
    void Select(CBitmap const& bitmap);
    void SelectSolidPen(COLORREF color); // style PS_SOLID, width 0
    void SelectSolidBrush(COLORREF color);

    // Puts back the object of that kind the context held first, and lets go of the current one.
    void RestoreBrush() noexcept;
    void RestorePen() noexcept;
    void RestoreFont() noexcept;
    void RestoreBitmap() noexcept;
    void RestoreAll() noexcept; // brush, pen, font, bitmap

    CBrush const& GetCurrentBrush() const { return m_brush; }
    CPen const& GetCurrentPen() const { return m_pen; }
    CFont const& GetCurrentFont() const { return m_font; }
    CBitmap const& GetCurrentBitmap() const { return m_bitmap; }

    // --- Checked drawing calls (named after the platform calls they make).
    COLORREF SetBkColor(COLORREF color);   // returns the previous colour
    COLORREF SetTextColor(COLORREF color); // returns the previous colour
    UINT SetTextAlign(UINT align);         // returns the previous alignment
    void BitBlt(int x, int y, int width, int height, HDC source, int sourceX, int sourceY, DWORD rop);
    void StretchBlt(int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
                    int sourceWidth, int sourceHeight, DWORD rop);
    void PatBlt(int x, int y, int width, int height, DWORD rop);
    POINT MoveToEx(int x, int y); // returns the previous position
    void LineTo(int x, int y);
    // A line that leaves the current position where it was.
    void Line(int x1, int y1, int x2, int y2);
    void Polygon(std::vector<POINT> const& points);
    void Ellipse(int left, int top, int right, int bottom);
    void Rectangle(int left, int top, int right, int bottom); // not checked
    void TextOutW(int x, int y, std::wstring const& text);
    void ExtTextOutW(int x, int y, UINT options, RECT const* rect, std::wstring const& text,
                     INT const* dx = nullptr);
    TEXTMETRICW GetTextMetricsW() const;
    SIZE GetTextExtentPoint32W(std::wstring const& text) const;
    // How many characters of text fit in maxExtent, and the extent of each prefix.
    int GetTextExtentExPointW(std::wstring const& text, int maxExtent, std::vector<int>* prefixExtents,
                              SIZE* size) const;
    void FillRect(RECT const& rect, CBrush const& brush);
    void FrameRect(RECT const& rect, CBrush const& brush);
    void DrawStateW(HBRUSH brush, DRAWSTATEPROC callback, LPARAM data, WPARAM dataLength, int x, int y,
                    int width, int height, UINT flags);
    // Returns the height of the text drawn.
    int DrawTextW(std::wstring const& text, RECT& rect, UINT format);

protected:
    explicit CDCBase(HDC dc);
    // Puts back everything and forgets the context; derived destructors call it before releasing.
    void Detach() noexcept;
    // For contexts acquired after construction (BeginPaint needs the paint record first).
    void AttachHandle(HDC dc);

private:
    template <class Wrapper>
    void SelectKind(Wrapper const& object, HGDIOBJ& saved, Wrapper& current, int line);
    template <class Wrapper> void RestoreKind(HGDIOBJ& saved, Wrapper& current) noexcept;

    HDC m_dc;
    HGDIOBJ m_savedBrush;
    HGDIOBJ m_savedPen;
    HGDIOBJ m_savedFont;
    HGDIOBJ m_savedBitmap;
    CBrush m_brush;
    CPen m_pen;
    CFont m_font;
    CBitmap m_bitmap;
};

// A context the caller owns: restored at the end, never released.
class LUMO_API CDC : public CDCBase
{
public:
    explicit CDC(HDC dc);
    ~CDC() override;
};

// The whole screen's context (GetDC of no window).
class LUMO_API CScreenDC : public CDCBase
{
public:
    CScreenDC();
    ~CScreenDC() override;
};

// A memory context compatible with another.
class LUMO_API CCompDC : public CDCBase
{
public:
    explicit CCompDC(HDC compatibleWith);
    ~CCompDC() override;
};

// The client area of a window.
class LUMO_API CClientDC : public CDCBase
{
public:
    explicit CClientDC(HWND window);
    ~CClientDC() override;

private:
    HWND m_window;
};

// The whole window, frame included.
class LUMO_API CWindowDC : public CDCBase
{
public:
    explicit CWindowDC(HWND window);
    ~CWindowDC() override;

private:
    HWND m_window;
};

// BeginPaint/EndPaint of a WM_PAINT. With a null window it holds nothing.
class LUMO_API CPaintDC : public CDCBase
{
public:
    explicit CPaintDC(HWND window);
    ~CPaintDC() override;

    PAINTSTRUCT const& GetPaintStruct() const { return m_paint; }

private:
    PAINTSTRUCT m_paint;
    HWND m_window;
};

// A window handle with checked calls.
class LUMO_API CWnd
{
public:
    CWnd() = default;
    explicit CWnd(HWND window) : m_window(window) {}

    HWND GetHandle() const { return m_window; }
    operator HWND() const { return m_window; }
    void Attach(HWND window) { m_window = window; }

    std::wstring GetClassNameW() const;
    void CreateWindowExW(DWORD exStyle, LPCWSTR className, LPCWSTR title, DWORD style, int x, int y,
                         int width, int height, HWND parent, HMENU menu, HINSTANCE module, void* parameter);
    void DestroyWindow(); // the wrapper holds no window afterwards
    RECT GetClientRect() const;
    RECT GetWindowRect() const;
    WINDOWPLACEMENT GetWindowPlacement() const;
    void MoveWindow(int x, int y, int width, int height, bool repaint);
    void SetWindowPos(HWND insertAfter, int x, int y, int width, int height, UINT flags);
    void RedrawWindow(RECT const* rect, HRGN region, UINT flags);
    void SetWindowTextW(std::wstring const& text);

private:
    HWND m_window = nullptr;
};

// The clipboard, open while the object lives.
class LUMO_API CClipboard
{
public:
    explicit CClipboard(HWND owner);
    ~CClipboard();
    CClipboard(CClipboard const&) = delete;
    CClipboard& operator=(CClipboard const&) = delete;

    void Empty();
    // Hands the block to the clipboard: from then on the system owns it and no wrapper frees it.
    void SetData(UINT format, CGlobal& block);
    // The clipboard's block for the format; it stays the clipboard's.
    HGLOBAL GetData(UINT format) const;
};

// The number of colours of the screen, read once: 64000 for more than 256.
LUMO_API int GetScreenColorCount();

// The layout that hosts compiled against these headers rely on: a counted handle is three pointer-sized
// words (table of virtual operations, counter, handle), a context wrapper adds the context, four saved
// objects and four counted handles, and the derived contexts append their own fields.
static_assert(sizeof(CFont) == 3 * sizeof(void*), "counted handle layout");
static_assert(sizeof(CImageList) == 3 * sizeof(void*), "counted handle layout");
static_assert(sizeof(CDCBase) == 6 * sizeof(void*) + 4 * sizeof(CBrush), "context wrapper layout");
static_assert(sizeof(CClientDC) == sizeof(CDCBase) + sizeof(HWND), "client context layout");
static_assert(sizeof(CPaintDC) == sizeof(CDCBase) + sizeof(PAINTSTRUCT) + sizeof(HWND),
              "paint context layout");
static_assert(sizeof(CWnd) == sizeof(HWND), "window wrapper layout");
#if defined(_WIN32) && !defined(_WIN64)
static_assert(sizeof(CBitmap) == 12, "a counted handle is three 32-bit words");
static_assert(sizeof(CDCBase) == 72, "context wrapper layout on i686");
static_assert(sizeof(CPaintDC) == 140, "paint context layout on i686");
#endif
