#include "Paint.h"

#include <cwchar>

namespace
{
HFONT LabelFont(bool bold)
{
    static HFONT normal = nullptr;
    static HFONT heavy = nullptr;
    HFONT& font = bold ? heavy : normal;
    if (font == nullptr)
        font =
            CreateFontW(-12, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"Tahoma");
    return font;
}

void Text(HDC dc, int x, int y, std::wstring const& text, COLORREF color, bool bold)
{
    HGDIOBJ const previous = SelectObject(dc, LabelFont(bold));
    int const mode = SetBkMode(dc, TRANSPARENT);
    COLORREF const previousColor = SetTextColor(dc, color);
    TextOutW(dc, x, y, text.c_str(), static_cast<int>(text.size()));
    SetTextColor(dc, previousColor);
    SetBkMode(dc, mode);
    SelectObject(dc, previous);
}
} // namespace

void gallery::FillColor(HDC dc, RECT const& rect, COLORREF color)
{
    HBRUSH const brush = CreateSolidBrush(color);
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

void gallery::Swatch(HDC dc, int x, int y, int width, int height, COLORREF color)
{
    RECT const outer{x, y, x + width, y + height};
    FillColor(dc, outer, RGB(160, 160, 160));
    RECT const inner{x + 1, y + 1, x + width - 1, y + height - 1};
    FillColor(dc, inner, color);
}

void gallery::Label(HDC dc, int x, int y, std::wstring const& text, COLORREF color)
{
    Text(dc, x, y, text, color, false);
}

int gallery::Heading(HDC dc, int x, int y, std::wstring const& text)
{
    Text(dc, x, y, text, RGB(0, 0, 0), true);
    return y + 18;
}

std::wstring gallery::Hex(COLORREF color)
{
    wchar_t buffer[16];
    std::swprintf(buffer, 16, L"0x%06lX", static_cast<unsigned long>(color));
    return buffer;
}

void gallery::PaintBuffered(HDC dc, RECT const& rect, std::function<void(HDC)> const& paint)
{
    int const width = rect.right - rect.left;
    int const height = rect.bottom - rect.top;
    HDC const buffer = CreateCompatibleDC(dc);
    HBITMAP const bitmap = CreateCompatibleBitmap(dc, width, height);
    HGDIOBJ const previous = SelectObject(buffer, bitmap);
    SetWindowOrgEx(buffer, rect.left, rect.top, nullptr);
    paint(buffer);
    SetWindowOrgEx(buffer, 0, 0, nullptr);
    BitBlt(dc, rect.left, rect.top, width, height, buffer, 0, 0, SRCCOPY);
    SelectObject(buffer, previous);
    DeleteObject(bitmap);
    DeleteDC(buffer);
}
