// The image object and the bitmap utilities.
//
// CLumoImage holds one raster image with an alpha channel, as the platform's imaging library (GDI+) reads
// it: PNG, BMP, GIF, JPEG and the others it knows. The library is started the first time an image is
// loaded; operations on an object that holds no image return false, zero or do nothing.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "LumoCtrls/Export.h"
#include "LumoCtrls/ResourceTracker.h"
#include "LumoCtrls/SharedHandle.h"
#include "LumoCtrls/SharedPointer.h"

class LUMO_API CLumoImage
{
public:
    CLumoImage();
    ~CLumoImage();
    CLumoImage(CLumoImage const&) = delete;
    CLumoImage& operator=(CLumoImage const&) = delete;

    // --- Loading: each replaces the held image; true when an image was read.
    bool Load(std::wstring const& path);
    bool Load(TWinResWrapper<HINSTANCE> const& module, LPCWSTR name, LPCWSTR type);
    bool Load(HBITMAP bitmap);
    bool Load(CBitmap const& bitmap);

    bool IsImageLoaded() const;
    bool GetSize(SIZE& size) const;
    int GetWidth() const;
    int GetHeight() const;

    // --- Saving: false when no image is held, the encoder is missing or writing fails.
    bool SaveAsPNG(std::wstring const& path) const;
    bool SaveAsBMP(std::wstring const& path) const;
    bool SaveAsGIF(std::wstring const& path) const;
    bool SaveAsJPG(std::wstring const& path, ULONG quality) const;

    // --- Pixels (colour values at the interface; the image's own pixels carry alpha).

    // Every fully opaque pixel of oldColor becomes newColor; translucent pixels never match.
    void ReplaceColor(COLORREF oldColor, COLORREF newColor);
    bool GetPixelColor(int x, int y, COLORREF& color) const;
    // Whether the image says it has alpha and some pixel is not fully opaque.
    bool HasTransparency() const;
    // Whether every pixel is fully transparent (an image without width is empty).
    bool IsEmpty() const;
    // The colour of the first transparent palette entry of a palette image.
    bool GetTransparentColor(COLORREF& color) const;
    // Makes the colour transparent: its palette entry, or every pixel of it in an image with alpha.
    void SetTransparentColor(COLORREF color);
    bool Crop(int x, int y, int width, int height);
    // Crops to the smallest rectangle holding every pixel that is not fully transparent; false when
    // there is none.
    bool CropEmpty();

    // --- Drawing, with high-quality bicubic interpolation; clear first paints the target area white.
    void Draw(CDCBase& dc, int x, int y, bool clear = false) const;
    void Draw(CDCBase& dc, int x, int y, int width, int height, bool clear = false) const;
    // The part of the image from (sourceX, sourceY), width by height, at (x, y).
    void Draw(CDCBase& dc, int x, int y, int width, int height, int sourceX, int sourceY,
              bool clear = false) const;
    // Stretched into destination, nothing outside clip.
    void Draw(CDCBase& dc, RECT const& destination, RECT const& clip, bool clear = false) const;

    // --- Plain bitmaps of the image.

    // A width by height 24-bit bitmap of the background colour with the image at natural size, centred
    // where it is smaller and cut where it is larger; magenta pixels of the image show the background.
    bool FillBitmap(CBitmap& bitmap, int width, int height, COLORREF background) const;
    // A width by height 24-bit white bitmap with the image scaled to fit and centred, and optionally a
    // border of the colour and width.
    bool FillAndStretchBitmap(CBitmap& bitmap, int width, int height, bool border, COLORREF color,
                              int borderWidth) const;

    // A new bitmap of the same size, planes and bits per pixel, with the pixels copied; null on failure.
    static HBITMAP CloneBitmap(HBITMAP bitmap);

    struct SImage; // the imaging library's image, defined by the implementation

private:
    SImage* m_image;
};

// Lays bitmaps side by side.
class LUMO_API CBitmapComposer
{
public:
    class LUMO_API CBitmapComposeItem
    {
    public:
        explicit CBitmapComposeItem(CBitmap const& bitmap);
        CBitmap const& GetBitmap() const { return m_bitmap; }
        int GetWidth() const { return m_width; }
        int GetHeight() const { return m_height; }

    private:
        CBitmap m_bitmap;
        int m_width;
        int m_height;
    };

    // A width by height bitmap compatible with the screen, filled with the background colour, with the
    // items' bitmaps copied in order from x = 0 at their own sizes. The caller owns it.
    static HBITMAP GetComposedBitmap(int width, int height,
                                     std::vector<TSharedPointer<CBitmapComposeItem>> const& items,
                                     COLORREF background);
};

// The region of the bitmap's pixels that are not within [color, color + tolerance] (each component, the
// upper bound capped at 255). Null when the bitmap is missing or the platform refuses a context or section.
LUMO_API HRGN CreateHRGNFromHBITMAP(HBITMAP bitmap, COLORREF color, COLORREF tolerance);

// Covers everything of a width by height image outside rect with translucent grey (alpha of 255). 1, or 0
// when the context or the rectangle is missing.
LUMO_API int DrawAttentionToRectangleInImage(HDC dc, int width, int height, RECT const* rect, BYTE alpha);

// A copy of the bitmap drawn through an image object; its recorded dimension is carried over.
LUMO_API HBITMAP CreateHBITMAPCopy(HBITMAP bitmap);

// A bitmap of the image in the file, its recorded dimension set to its size; null when it cannot be read.
LUMO_API HBITMAP CreateHBITMAPFromFile(LPCWSTR path);

// Non-zero when the bitmap was written as a PNG file.
LUMO_API int SaveHBITMAPAsPNG(HBITMAP bitmap, LPCWSTR path);
