// The bitmap utilities around the image object: regions from bitmaps, copies, files and the composer.
#include "LumoCtrls/LumoImage.h"

#include "INC/w32/SectionInfo.h"
#include "LumoControls/LumoImage/ImageLayout.h"
#include "LumoControls/LumoImage/RegionRuns.h"
#include "LumoControls/LumoImage/w32/ImagingLibrary.h"

#include <vector>

namespace
{
// Builds the region of each batch of rectangles and unites it with the region so far.
class CRegionCombiner : public lumo::IRegionBatchSink
{
public:
    ~CRegionCombiner()
    {
        if (m_region != nullptr)
            DeleteObject(m_region);
    }

    void Combine(lumo::RegionBatch const& batch) override
    {
        std::vector<lumo::Rect> const& rects = batch.Rects();
        std::vector<BYTE> storage(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
        auto* data = reinterpret_cast<RGNDATA*>(storage.data());
        data->rdh.dwSize = sizeof(RGNDATAHEADER);
        data->rdh.iType = RDH_RECTANGLES;
        data->rdh.nCount = static_cast<DWORD>(rects.size());
        data->rdh.nRgnSize = static_cast<DWORD>(rects.size() * sizeof(RECT));
        lumo::Rect const& bounds = batch.Bounds();
        data->rdh.rcBound = RECT{bounds.left, bounds.top, bounds.right, bounds.bottom};
        auto* out = reinterpret_cast<RECT*>(data->Buffer);
        for (std::size_t i = 0; i < rects.size(); ++i)
            out[i] = RECT{rects[i].left, rects[i].top, rects[i].right, rects[i].bottom};
        HRGN const part = ExtCreateRegion(nullptr, static_cast<DWORD>(storage.size()), data);
        if (part == nullptr)
            return;
        if (m_region == nullptr)
            m_region = part;
        else
        {
            CombineRgn(m_region, m_region, part, RGN_OR);
            DeleteObject(part);
        }
    }

    // The region (the caller owns it); an empty region when nothing was opaque.
    HRGN Take()
    {
        HRGN const region = m_region != nullptr ? m_region : CreateRectRgn(0, 0, 0, 0);
        m_region = nullptr;
        return region;
    }

private:
    HRGN m_region = nullptr;
};

// A memory context deleted at the end of the scope (null when it could not be made).
struct COwnedContext
{
    explicit COwnedContext(HDC context) : dc(context) {}
    ~COwnedContext()
    {
        if (dc != nullptr)
            DeleteDC(dc);
    }
    COwnedContext(COwnedContext const&) = delete;
    COwnedContext& operator=(COwnedContext const&) = delete;
    HDC const dc;
};

// A counted bitmap that does not delete what it holds (the caller's own bitmap).
CBitmap Borrowed(HBITMAP bitmap)
{
    CBitmap borrowed(bitmap);
    borrowed.Disown();
    return borrowed;
}

// A bitmap compatible with the screen, of the given size.
HBITMAP ScreenBitmap(int width, int height)
{
    HDC const screen = GetDC(nullptr);
    HBITMAP const bitmap = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    return bitmap;
}

// Draws an image object at (0, 0) into a new bitmap of its size (the caller's).
HBITMAP DrawIntoNewBitmap(CLumoImage const& image)
{
    CBitmap bitmap(ScreenBitmap(image.GetWidth(), image.GetHeight()));
    if (bitmap.IsEmpty())
        return nullptr;
    {
        CCompDC memory(nullptr);
        memory.Select(bitmap);
        image.Draw(memory, 0, 0);
    }
    HBITMAP const result = bitmap.GetHandle();
    bitmap.Disown();
    return result;
}
} // namespace

HRGN CreateHRGNFromHBITMAP(HBITMAP bitmap, COLORREF color, COLORREF tolerance)
{
    BITMAP description{};
    if (bitmap == nullptr || GetObjectW(bitmap, sizeof(description), &description) == 0)
        return nullptr;
    int const width = description.bmWidth;
    int const height = description.bmHeight;

    // The pixels as a 32-bit bottom-up section, whatever the bitmap's own format. A context or section
    // that cannot be made gives no region; a refused selection or copy (the bitmap still selected into a
    // context of the host's, say) throws rather than keying colours that were never read.
    COwnedContext const memory(CreateCompatibleDC(nullptr));
    COwnedContext const source(CreateCompatibleDC(nullptr));
    if (memory.dc == nullptr || source.dc == nullptr)
        return nullptr;
    BITMAPINFO const info = lumo::SectionInfo(width, height, 32);
    void* bits = nullptr;
    CBitmap const section(CreateDIBSection(memory.dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (section.IsEmpty())
        return nullptr;
    CRegionCombiner combiner;
    {
        CDC target(memory.dc);
        target.Select(section);
        CDC original(source.dc);
        original.Select(Borrowed(bitmap));
        target.BitBlt(0, 0, width, height, original, 0, 0, SRCCOPY);
        GdiFlush();
        lumo::CollectOpaqueRuns(static_cast<std::uint8_t const*>(bits), width, height, true,
                                lumo::TransparentRange(color, tolerance), combiner);
    }
    return combiner.Take();
}

int DrawAttentionToRectangleInImage(HDC dc, int width, int height, RECT const* rect, BYTE alpha)
{
    if (dc == nullptr || rect == nullptr || !lumo::EnsureImagingLibrary())
        return 0;
    Gdiplus::Graphics graphics(dc);
    Gdiplus::SolidBrush grey(Gdiplus::Color(alpha, 0x90, 0x90, 0x90));
    for (lumo::Rect const& part : lumo::AttentionRectangles(
             width, height, lumo::Rect{rect->left, rect->top, rect->right, rect->bottom}))
        graphics.FillRectangle(&grey, part.left, part.top, part.Width(), part.Height());
    return 1;
}

HBITMAP CreateHBITMAPCopy(HBITMAP bitmap)
{
    CLumoImage image;
    if (!image.Load(bitmap))
        return nullptr;
    HBITMAP const copy = DrawIntoNewBitmap(image);
    SIZE dimension{};
    if (copy != nullptr && GetBitmapDimensionEx(bitmap, &dimension))
        SetBitmapDimensionEx(copy, dimension.cx, dimension.cy, nullptr);
    return copy;
}

HBITMAP CreateHBITMAPFromFile(LPCWSTR path)
{
    CLumoImage image;
    if (path == nullptr || !image.Load(std::wstring(path)))
        return nullptr;
    HBITMAP const bitmap = DrawIntoNewBitmap(image);
    if (bitmap != nullptr)
        SetBitmapDimensionEx(bitmap, image.GetWidth(), image.GetHeight(), nullptr);
    return bitmap;
}

int SaveHBITMAPAsPNG(HBITMAP bitmap, LPCWSTR path)
{
    CLumoImage image;
    return path != nullptr && image.Load(bitmap) && image.SaveAsPNG(path) ? 1 : 0;
}

CBitmapComposer::CBitmapComposeItem::CBitmapComposeItem(CBitmap const& bitmap)
    : m_bitmap(bitmap), m_width(0), m_height(0)
{
    BITMAP description{};
    if (GetObjectW(bitmap.GetHandle(), sizeof(description), &description) != 0)
    {
        m_width = description.bmWidth;
        m_height = description.bmHeight;
    }
}

HBITMAP CBitmapComposer::GetComposedBitmap(int width, int height,
                                           std::vector<TSharedPointer<CBitmapComposeItem>> const& items,
                                           COLORREF background)
{
    CBitmap composed(ScreenBitmap(width, height));
    if (composed.IsEmpty())
        return nullptr;
    std::vector<int> widths;
    for (auto const& item : items)
        widths.push_back(item->GetWidth());
    std::vector<int> const offsets = lumo::ComposedOffsets(widths);
    {
        CCompDC target(nullptr);
        target.Select(composed);
        CBrush fill;
        fill.CreateSolid(background);
        target.FillRect(RECT{0, 0, width, height}, fill);
        CCompDC source(nullptr);
        for (std::size_t i = 0; i < items.size(); ++i)
        {
            source.Select(items[i]->GetBitmap());
            target.BitBlt(offsets[i], 0, items[i]->GetWidth(), items[i]->GetHeight(), source, 0, 0, SRCCOPY);
        }
    }
    HBITMAP const result = composed.GetHandle();
    composed.Disown(); // handed to the caller
    return result;
}
