// CLumoImage: one image of the imaging library, with its pixel edits, drawing and conversions.
#include "LumoCtrls/LumoImage.h"

#include "INC/w32/SectionInfo.h"
#include "LumoControls/LumoImage/ImageLayout.h"
#include "LumoControls/LumoImage/ImagePixels.h"
#include "LumoControls/LumoImage/w32/ImagingLibrary.h"
#include "LumoCtrls/LibraryMemory.h"

#include <memory>
#include <vector>

using lumo::ArgbPixels;
using lumo::CArgbLock;

// The image and, when it was decoded from bytes, the stream it reads them from: the imaging library
// reads lazily from its stream for as long as the image lives, so the two go together. Reading a file
// through memory also leaves the file free to be written over.
struct CLumoImage::SImage : public CLibraryObject
{
    std::unique_ptr<Gdiplus::Bitmap> bitmap;
    IStream* stream = nullptr;

    ~SImage()
    {
        bitmap.reset();
        if (stream != nullptr)
            stream->Release();
    }
};

namespace
{
// A movable global block holding a copy of the bytes, as a stream that frees the block when released.
IStream* StreamOfBytes(void const* bytes, SIZE_T size)
{
    HGLOBAL const block = GlobalAlloc(GMEM_MOVEABLE, size);
    if (block == nullptr)
        return nullptr;
    void* const target = GlobalLock(block);
    if (target == nullptr)
    {
        GlobalFree(block);
        return nullptr;
    }
    memcpy(target, bytes, size);
    GlobalUnlock(block);
    IStream* stream = nullptr;
    if (CreateStreamOnHGlobal(block, TRUE, &stream) != S_OK)
    {
        GlobalFree(block);
        return nullptr;
    }
    return stream;
}

std::vector<BYTE> ReadFileBytes(std::wstring const& path)
{
    std::vector<BYTE> bytes;
    HANDLE const file =
        CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return bytes;
    LARGE_INTEGER size{};
    if (GetFileSizeEx(file, &size) && size.QuadPart > 0 && size.QuadPart < (1ll << 31))
    {
        bytes.resize(static_cast<std::size_t>(size.QuadPart));
        DWORD read = 0;
        if (!ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) ||
            read != bytes.size())
            bytes.clear();
    }
    CloseHandle(file);
    return bytes;
}

Gdiplus::Color OpaqueColor(COLORREF color)
{
    return Gdiplus::Color(255, GetRValue(color), GetGValue(color), GetBValue(color));
}

bool Save(Gdiplus::Bitmap* bitmap, std::wstring const& path, wchar_t const* mimeType,
          Gdiplus::EncoderParameters const* parameters = nullptr)
{
    CLSID encoder;
    if (bitmap == nullptr || !lumo::FindEncoder(mimeType, encoder))
        return false;
    return bitmap->Save(path.c_str(), &encoder, parameters) == Gdiplus::Ok;
}

// A new 24-bit bitmap of the given size for FillBitmap and FillAndStretchBitmap to draw on.
std::unique_ptr<Gdiplus::Bitmap> NewCanvas(int width, int height)
{
    auto canvas = std::make_unique<Gdiplus::Bitmap>(width, height, PixelFormat24bppRGB);
    if (canvas->GetLastStatus() != Gdiplus::Ok)
        return nullptr;
    return canvas;
}

// The canvas as a 24-bit bitmap (a section, bottom-up as plain bitmaps are) held by `bitmap`.
bool StoreAsBitmap(Gdiplus::Bitmap& canvas, CBitmap& bitmap)
{
    int const width = static_cast<int>(canvas.GetWidth());
    int const height = static_cast<int>(canvas.GetHeight());
    BITMAPINFO const info = lumo::SectionInfo(width, height, 24);
    void* bits = nullptr;
    HBITMAP const section = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (section == nullptr)
        return false;
    Gdiplus::Rect const all(0, 0, width, height);
    Gdiplus::BitmapData data{};
    if (canvas.LockBits(&all, Gdiplus::ImageLockModeRead, PixelFormat24bppRGB, &data) != Gdiplus::Ok)
    {
        DeleteObject(section);
        return false;
    }
    std::size_t const stride = (static_cast<std::size_t>(width) * 3 + 3) & ~static_cast<std::size_t>(3);
    for (int y = 0; y < height; ++y)
        memcpy(static_cast<BYTE*>(bits) + stride * static_cast<std::size_t>(height - 1 - y),
               static_cast<BYTE const*>(data.Scan0) + static_cast<std::ptrdiff_t>(data.Stride) * y,
               static_cast<std::size_t>(width) * 3);
    canvas.UnlockBits(&data);
    bitmap.Attach(section);
    return true;
}

// The pixel format with alpha that an image of the given format becomes when a colour is made
// transparent.
Gdiplus::PixelFormat FormatWithAlpha(Gdiplus::PixelFormat format)
{
    if (Gdiplus::IsAlphaPixelFormat(format))
        return format;
    switch (Gdiplus::GetPixelFormatSize(format))
    {
    case 16:
        return PixelFormat16bppARGB1555;
    case 64:
        return PixelFormat64bppARGB;
    default:
        return PixelFormat32bppARGB;
    }
}
} // namespace

CLumoImage::CLumoImage() : m_image(nullptr) {}

CLumoImage::~CLumoImage()
{
    delete m_image;
}

// --- Loading

namespace
{
// Decodes an image from a stream (taken over) into the holder, replacing what it held.
bool Adopt(CLumoImage::SImage*& holder, IStream* stream, std::unique_ptr<Gdiplus::Bitmap> bitmap)
{
    if (bitmap == nullptr || bitmap->GetLastStatus() != Gdiplus::Ok)
    {
        bitmap.reset();
        if (stream != nullptr)
            stream->Release();
        return false;
    }
    auto* const image = new CLumoImage::SImage;
    image->bitmap = std::move(bitmap);
    image->stream = stream;
    delete holder;
    holder = image;
    return true;
}

bool LoadFromBytes(CLumoImage::SImage*& holder, void const* bytes, SIZE_T size)
{
    IStream* const stream = StreamOfBytes(bytes, size);
    if (stream == nullptr)
        return false;
    return Adopt(holder, stream, std::unique_ptr<Gdiplus::Bitmap>(Gdiplus::Bitmap::FromStream(stream)));
}
} // namespace

bool CLumoImage::Load(std::wstring const& path)
{
    if (!lumo::EnsureImagingLibrary())
        return false;
    std::vector<BYTE> const bytes = ReadFileBytes(path);
    return !bytes.empty() && LoadFromBytes(m_image, bytes.data(), bytes.size());
}

bool CLumoImage::Load(TWinResWrapper<HINSTANCE> const& module, LPCWSTR name, LPCWSTR type)
{
    if (!lumo::EnsureImagingLibrary())
        return false;
    HRSRC const resource = FindResourceW(module.GetHandle(), name, type);
    if (resource == nullptr)
        return false;
    DWORD const size = SizeofResource(module.GetHandle(), resource);
    HGLOBAL const loaded = LoadResource(module.GetHandle(), resource);
    void const* const bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
    return bytes != nullptr && size > 0 && LoadFromBytes(m_image, bytes, size);
}

bool CLumoImage::Load(HBITMAP bitmap)
{
    if (bitmap == nullptr || !lumo::EnsureImagingLibrary())
        return false;
    return Adopt(m_image, nullptr,
                 std::unique_ptr<Gdiplus::Bitmap>(Gdiplus::Bitmap::FromHBITMAP(bitmap, nullptr)));
}

bool CLumoImage::Load(CBitmap const& bitmap)
{
    return Load(bitmap.GetHandle());
}

bool CLumoImage::IsImageLoaded() const
{
    return m_image != nullptr;
}

bool CLumoImage::GetSize(SIZE& size) const
{
    if (m_image == nullptr)
        return false;
    size.cx = GetWidth();
    size.cy = GetHeight();
    return true;
}

int CLumoImage::GetWidth() const
{
    return m_image != nullptr ? static_cast<int>(m_image->bitmap->GetWidth()) : 0;
}

int CLumoImage::GetHeight() const
{
    return m_image != nullptr ? static_cast<int>(m_image->bitmap->GetHeight()) : 0;
}

// --- Saving

bool CLumoImage::SaveAsPNG(std::wstring const& path) const
{
    return m_image != nullptr && Save(m_image->bitmap.get(), path, L"image/png");
}

bool CLumoImage::SaveAsBMP(std::wstring const& path) const
{
    return m_image != nullptr && Save(m_image->bitmap.get(), path, L"image/bmp");
}

bool CLumoImage::SaveAsGIF(std::wstring const& path) const
{
    if (m_image == nullptr)
        return false;
    Gdiplus::Bitmap& bitmap = *m_image->bitmap;
    if (Gdiplus::IsIndexedPixelFormat(bitmap.GetPixelFormat()))
        return Save(&bitmap, path, L"image/gif");
    // A GIF holds palette pixels. Some encoders (Wine's) write an empty picture for any other format, so
    // the image goes through the platform's 8-bit halftone palette first, as other encoders do inside.
    std::unique_ptr<Gdiplus::Bitmap> const indexed(bitmap.Clone(0, 0, static_cast<INT>(bitmap.GetWidth()),
                                                                static_cast<INT>(bitmap.GetHeight()),
                                                                PixelFormat8bppIndexed));
    return indexed != nullptr && indexed->GetLastStatus() == Gdiplus::Ok &&
           Save(indexed.get(), path, L"image/gif");
}

bool CLumoImage::SaveAsJPG(std::wstring const& path, ULONG quality) const
{
    if (m_image == nullptr)
        return false;
    Gdiplus::EncoderParameters parameters;
    parameters.Count = 1;
    parameters.Parameter[0].Guid = Gdiplus::EncoderQuality;
    parameters.Parameter[0].Type = Gdiplus::EncoderParameterValueTypeLong;
    parameters.Parameter[0].NumberOfValues = 1;
    parameters.Parameter[0].Value = &quality;
    return Save(m_image->bitmap.get(), path, L"image/jpeg", &parameters);
}

// --- Pixels

void CLumoImage::ReplaceColor(COLORREF oldColor, COLORREF newColor)
{
    if (m_image == nullptr)
        return;
    CArgbLock const lock(*m_image->bitmap, true);
    if (lock.IsLocked())
        lumo::ReplaceOpaqueColor(lock.Pixels(), oldColor, newColor);
}

bool CLumoImage::GetPixelColor(int x, int y, COLORREF& color) const
{
    if (m_image == nullptr)
        return false;
    Gdiplus::Color pixel;
    if (m_image->bitmap->GetPixel(x, y, &pixel) != Gdiplus::Ok)
        return false;
    color = lumo::ColorOfArgb(pixel.GetValue());
    return true;
}

bool CLumoImage::HasTransparency() const
{
    if (m_image == nullptr || (m_image->bitmap->GetFlags() & Gdiplus::ImageFlagsHasAlpha) == 0)
        return false;
    CArgbLock const lock(*m_image->bitmap, false);
    return lock.IsLocked() && lumo::HasTranslucentPixel(lock.Pixels());
}

bool CLumoImage::IsEmpty() const
{
    if (m_image == nullptr)
        return false;
    if (GetWidth() < 1)
        return true;
    CArgbLock const lock(*m_image->bitmap, false);
    return lock.IsLocked() && lumo::IsFullyTransparent(lock.Pixels());
}

namespace
{
// The palette of an image, or empty storage when it has none.
std::vector<BYTE> PaletteOf(Gdiplus::Bitmap& bitmap)
{
    std::vector<BYTE> storage;
    if (!Gdiplus::IsIndexedPixelFormat(bitmap.GetPixelFormat()))
        return storage;
    INT const size = bitmap.GetPaletteSize();
    if (size <= static_cast<INT>(sizeof(Gdiplus::ColorPalette)))
        return storage;
    storage.resize(static_cast<std::size_t>(size));
    if (bitmap.GetPalette(reinterpret_cast<Gdiplus::ColorPalette*>(storage.data()), size) != Gdiplus::Ok)
        storage.clear();
    return storage;
}
} // namespace

bool CLumoImage::GetTransparentColor(COLORREF& color) const
{
    if (m_image == nullptr)
        return false;
    std::vector<BYTE> storage = PaletteOf(*m_image->bitmap);
    if (storage.empty())
        return false;
    auto const* palette = reinterpret_cast<Gdiplus::ColorPalette const*>(storage.data());
    for (UINT i = 0; i < palette->Count; ++i)
        if ((palette->Entries[i] >> 24) == 0)
        {
            color = lumo::ColorOfArgb(palette->Entries[i]);
            return true;
        }
    return false;
}

void CLumoImage::SetTransparentColor(COLORREF color)
{
    if (m_image == nullptr)
        return;
    Gdiplus::Bitmap& old = *m_image->bitmap;
    std::vector<BYTE> storage = PaletteOf(old);
    if (!storage.empty())
    {
        auto* palette = reinterpret_cast<Gdiplus::ColorPalette*>(storage.data());
        for (UINT i = 0; i < palette->Count; ++i)
            if (lumo::ColorOfArgb(palette->Entries[i]) == (color & 0xFFFFFF))
            {
                palette->Entries[i] &= 0x00FFFFFF;
                palette->Flags |= Gdiplus::PaletteFlagsHasAlpha;
                old.SetPalette(palette);
                break;
            }
        return;
    }
    auto replacement = std::make_unique<Gdiplus::Bitmap>(old.GetWidth(), old.GetHeight(),
                                                         FormatWithAlpha(old.GetPixelFormat()));
    if (replacement->GetLastStatus() != Gdiplus::Ok)
        return;
    replacement->SetResolution(old.GetHorizontalResolution(), old.GetVerticalResolution());
    {
        Gdiplus::Graphics graphics(replacement.get());
        Gdiplus::ImageAttributes key;
        key.SetColorKey(OpaqueColor(color), OpaqueColor(color));
        Gdiplus::Rect const all(0, 0, static_cast<INT>(old.GetWidth()), static_cast<INT>(old.GetHeight()));
        graphics.DrawImage(&old, all, 0, 0, all.Width, all.Height, Gdiplus::UnitPixel, &key);
    }
    Adopt(m_image, nullptr, std::move(replacement));
}

bool CLumoImage::Crop(int x, int y, int width, int height)
{
    if (m_image == nullptr || width <= 0 || height <= 0)
        return false;
    Gdiplus::Bitmap& old = *m_image->bitmap;
    std::unique_ptr<Gdiplus::Bitmap> copy(old.Clone(x, y, width, height, old.GetPixelFormat()));
    return Adopt(m_image, nullptr, std::move(copy));
}

bool CLumoImage::CropEmpty()
{
    if (m_image == nullptr)
        return false;
    lumo::Rect bounds{};
    {
        CArgbLock const lock(*m_image->bitmap, false);
        if (!lock.IsLocked())
            return false;
        bounds = lumo::OpaqueBounds(lock.Pixels());
    }
    return Crop(bounds.left, bounds.top, bounds.Width(), bounds.Height());
}

// --- Drawing

namespace
{
void DrawPart(Gdiplus::Bitmap& image, HDC dc, Gdiplus::Rect const& target, Gdiplus::Rect const& source,
              bool clear, RECT const* clip = nullptr)
{
    Gdiplus::Graphics graphics(dc);
    lumo::PrepareForQuality(graphics);
    if (clip != nullptr)
        graphics.SetClip(
            Gdiplus::Rect(clip->left, clip->top, clip->right - clip->left, clip->bottom - clip->top));
    if (clear)
    {
        Gdiplus::SolidBrush white(Gdiplus::Color(255, 255, 255, 255));
        graphics.FillRectangle(&white, target);
    }
    // Edge pixels are filtered against their own mirror, not against nothing: no darkened rim.
    Gdiplus::ImageAttributes edges;
    edges.SetWrapMode(Gdiplus::WrapModeTileFlipXY);
    graphics.DrawImage(&image, target, source.X, source.Y, source.Width, source.Height, Gdiplus::UnitPixel,
                       &edges);
}
} // namespace

void CLumoImage::Draw(CDCBase& dc, int x, int y, bool clear) const
{
    Draw(dc, x, y, GetWidth(), GetHeight(), 0, 0, clear);
}

void CLumoImage::Draw(CDCBase& dc, int x, int y, int width, int height, bool clear) const
{
    if (m_image == nullptr)
        return;
    DrawPart(*m_image->bitmap, dc.GetHandle(), Gdiplus::Rect(x, y, width, height),
             Gdiplus::Rect(0, 0, GetWidth(), GetHeight()), clear);
}

void CLumoImage::Draw(CDCBase& dc, int x, int y, int width, int height, int sourceX, int sourceY,
                      bool clear) const
{
    if (m_image == nullptr)
        return;
    DrawPart(*m_image->bitmap, dc.GetHandle(), Gdiplus::Rect(x, y, width, height),
             Gdiplus::Rect(sourceX, sourceY, width, height), clear);
}

void CLumoImage::Draw(CDCBase& dc, RECT const& destination, RECT const& clip, bool clear) const
{
    if (m_image == nullptr)
        return;
    DrawPart(*m_image->bitmap, dc.GetHandle(),
             Gdiplus::Rect(destination.left, destination.top, destination.right - destination.left,
                           destination.bottom - destination.top),
             Gdiplus::Rect(0, 0, GetWidth(), GetHeight()), clear, &clip);
}

// --- Plain bitmaps

bool CLumoImage::FillBitmap(CBitmap& bitmap, int width, int height, COLORREF background) const
{
    if (m_image == nullptr)
        return false;
    std::unique_ptr<Gdiplus::Bitmap> canvas = NewCanvas(width, height);
    if (canvas == nullptr)
        return false;
    {
        Gdiplus::Graphics graphics(canvas.get());
        graphics.Clear(OpaqueColor(background));
        lumo::Placement const place = lumo::NaturalPlacement(GetWidth(), GetHeight(), width, height);
        Gdiplus::ImageAttributes magenta;
        magenta.SetColorKey(Gdiplus::Color(255, 255, 0, 255), Gdiplus::Color(255, 255, 0, 255));
        graphics.DrawImage(
            m_image->bitmap.get(),
            Gdiplus::Rect(place.target.left, place.target.top, place.target.Width(), place.target.Height()),
            place.source.left, place.source.top, place.source.Width(), place.source.Height(),
            Gdiplus::UnitPixel, &magenta);
    }
    return StoreAsBitmap(*canvas, bitmap);
}

bool CLumoImage::FillAndStretchBitmap(CBitmap& bitmap, int width, int height, bool border, COLORREF color,
                                      int borderWidth) const
{
    if (m_image == nullptr)
        return false;
    std::unique_ptr<Gdiplus::Bitmap> canvas = NewCanvas(width, height);
    if (canvas == nullptr)
        return false;
    {
        Gdiplus::Graphics graphics(canvas.get());
        graphics.Clear(Gdiplus::Color(255, 255, 255, 255));
        lumo::PrepareForQuality(graphics);
        lumo::Rect const place = lumo::StretchedPlacement(GetWidth(), GetHeight(), width, height);
        Gdiplus::ImageAttributes edges;
        edges.SetWrapMode(Gdiplus::WrapModeTileFlipXY);
        graphics.DrawImage(m_image->bitmap.get(),
                           Gdiplus::Rect(place.left, place.top, place.Width(), place.Height()), 0, 0,
                           GetWidth(), GetHeight(), Gdiplus::UnitPixel, &edges);
        if (border)
        {
            Gdiplus::Pen pen(OpaqueColor(color), static_cast<Gdiplus::REAL>(borderWidth));
            graphics.SetPixelOffsetMode(Gdiplus::PixelOffsetModeNone);
            graphics.DrawRectangle(&pen, borderWidth / 2, borderWidth / 2, width - borderWidth,
                                   height - borderWidth);
        }
    }
    return StoreAsBitmap(*canvas, bitmap);
}

HBITMAP CLumoImage::CloneBitmap(HBITMAP bitmap)
{
    BITMAP description{};
    if (bitmap == nullptr || GetObjectW(bitmap, sizeof(description), &description) == 0)
        return nullptr;
    CBitmap clone;
    clone.Create(description.bmWidth, description.bmHeight, description.bmPlanes, description.bmBitsPixel,
                 nullptr);
    {
        // Throwing wrappers: a bitmap that cannot be selected (still selected into another context) must
        // not come back as a blank copy.
        CCompDC source(nullptr);
        CBitmap original(bitmap);
        original.Disown();
        source.Select(original);
        CCompDC target(nullptr);
        target.Select(clone);
        target.BitBlt(0, 0, description.bmWidth, description.bmHeight, source, 0, 0, SRCCOPY);
    }
    HBITMAP const result = clone.GetHandle();
    clone.Disown(); // the caller's
    return result;
}
