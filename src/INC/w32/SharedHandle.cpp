// The creating and loading operations of the counted handle wrappers.
#include "LumoCtrls/ResourceTracker.h"
#include "LumoCtrls/SharedHandle.h"

#include "INC/w32/PlatformFailure.h"
#include "INC/w32/SectionInfo.h"

using lumo::ThrowResourceNotFound;
using lumo::ThrowTrackerFailure;

namespace
{
// Resource type codes of CResourceNotFound.
constexpr int kIconResource = 1;
constexpr int kBitmapResource = 3;
constexpr int kAcceleratorResource = 5;
constexpr int kMenuResource = 6;
} // namespace

void FreeGlobalHandle(HGLOBAL handle)
{
    GlobalFree(handle);
}

// --- CFont

void CFont::CreateIndirect(LOGFONTW const& description)
{
    HFONT const font = CreateFontIndirectW(&description);
    if (font == nullptr)
        ThrowTrackerFailure(L"CreateFontIndirect", 380);
    Attach(font);
}

LOGFONTW CFont::GetLogFont() const
{
    LOGFONTW description{};
    if (GetObjectW(GetHandle(), sizeof(description), &description) == 0)
        ThrowTrackerFailure(L"GetObject", 397);
    return description;
}

// --- CBrush

void CBrush::CreateSolid(COLORREF color)
{
    HBRUSH const brush = CreateSolidBrush(color);
    if (brush == nullptr)
        ThrowTrackerFailure(L"CreateSolidBrush", 448);
    Attach(brush);
}

void CBrush::CreatePattern(CBitmap const& pattern)
{
    HBRUSH const brush = CreatePatternBrush(pattern.GetHandle());
    if (brush == nullptr)
        ThrowTrackerFailure(L"CreatePatternBrush", 458);
    Attach(brush);
}

// --- CPen

void CPen::Create(int style, int width, COLORREF color)
{
    HPEN const pen = CreatePen(style, width, color);
    if (pen == nullptr)
        ThrowTrackerFailure(L"CreatePen", 501);
    Attach(pen);
}

// --- CRgn

void CRgn::CreatePolygon(std::vector<POINT> const& points, int fillMode)
{
    HRGN const region = CreatePolygonRgn(points.data(), static_cast<int>(points.size()), fillMode);
    if (region == nullptr)
        ThrowTrackerFailure(L"CreatePolygonRgn", 533);
    Attach(region);
}

void CRgn::CreateRect(int left, int top, int right, int bottom)
{
    HRGN const region = CreateRectRgn(left, top, right, bottom);
    if (region == nullptr)
        ThrowTrackerFailure(L"CreateRectRgn", 543);
    Attach(region);
}

// --- CBitmap

void CBitmap::Load(HINSTANCE module, UINT identifier)
{
    HBITMAP const bitmap = LoadBitmapW(module, MAKEINTRESOURCEW(identifier));
    if (bitmap == nullptr)
        ThrowResourceNotFound(module, identifier, kBitmapResource, 598);
    Attach(bitmap);
}

void CBitmap::CreateDIBSection(CDCBase const& dc, int width, int height)
{
    if (width <= 0 || height <= 0)
    {
        Release();
        return;
    }
    BITMAPINFO const info = lumo::SectionInfo(width, height, 24); // bottom-up rows
    void* bits = nullptr;
    HBITMAP const bitmap = ::CreateDIBSection(dc.GetHandle(), &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap == nullptr)
        ThrowTrackerFailure(L"CreateDIBSection", 646);
    Attach(bitmap);
}

void CBitmap::Create(int width, int height, UINT planes, UINT bitsPerPixel, void const* bits)
{
    HBITMAP const bitmap = CreateBitmap(width, height, planes, bitsPerPixel, bits);
    if (bitmap == nullptr)
        ThrowTrackerFailure(L"CreateBitmap", 655);
    Attach(bitmap);
}

// --- CMenu

void CMenu::Load(HINSTANCE module, UINT identifier)
{
    HMENU const menu = LoadMenuW(module, MAKEINTRESOURCEW(identifier));
    if (menu == nullptr)
        ThrowResourceNotFound(module, identifier, kMenuResource, 682);
    Attach(menu);
}

void CMenu::CreatePopup()
{
    HMENU const menu = CreatePopupMenu();
    if (menu == nullptr)
        ThrowTrackerFailure(L"CreatePopupMenu", 702);
    Attach(menu);
}

// --- CIcon

void CIcon::Load(HINSTANCE module, UINT identifier)
{
    HICON const icon = LoadIconW(module, MAKEINTRESOURCEW(identifier));
    if (icon == nullptr)
        ThrowResourceNotFound(module, identifier, kIconResource, 790);
    Hold(icon, 0); // shared icons belong to the system: destroying them is an error
}

// --- CAccel

void CAccel::Load(HINSTANCE module, UINT identifier)
{
    HACCEL const table = LoadAcceleratorsW(module, MAKEINTRESOURCEW(identifier));
    if (table == nullptr)
        ThrowResourceNotFound(module, identifier, kAcceleratorResource, 875);
    Attach(table);
}

// --- CImageList

int CImageList::AddIcon(HICON icon)
{
    int const index = ImageList_ReplaceIcon(GetHandle(), -1, icon);
    if (index == -1)
        ThrowTrackerFailure(L"ImageList_AddIcon", 910);
    return index;
}

void CImageList::Create(int width, int height, UINT flags, int initial, int grow)
{
    HIMAGELIST const list = ImageList_Create(width, height, flags, initial, grow);
    if (list == nullptr)
        ThrowTrackerFailure(L"ImageList_Create", 920);
    Attach(list);
}

void CImageList::Load(HINSTANCE module, LPCWSTR name, int width, int grow, COLORREF mask, UINT type,
                      UINT flags)
{
    HIMAGELIST const list = ImageList_LoadImageW(module, name, width, grow, mask, type, flags);
    if (list == nullptr)
        ThrowTrackerFailure(L"ImageList_LoadImage", 930);
    Attach(list);
}

void CImageList::Draw(int index, CDCBase& dc, int x, int y, UINT style) const
{
    if (!ImageList_Draw(GetHandle(), index, dc.GetHandle(), x, y, style))
        ThrowTrackerFailure(L"ImageList_Draw", 948);
}

// --- CGlobal

void CGlobal::Allocate(UINT flags, SIZE_T bytes)
{
    HGLOBAL const block = GlobalAlloc(flags, bytes);
    if (block == nullptr)
        ThrowTrackerFailure(L"GlobalAlloc", 2420);
    Attach(block);
}

CGlobalLock::CGlobalLock(HGLOBAL block) : m_block(block), m_data(GlobalLock(block))
{
    if (m_data == nullptr)
        ThrowTrackerFailure(L"GlobalLock", 2455);
}

CGlobalLock::~CGlobalLock()
{
    GlobalUnlock(m_block);
}
