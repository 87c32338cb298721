// The platform's imaging library (GDI+), started on demand, and the helpers the image object shares.
#pragma once

#include <windows.h>

#include <objidl.h>

#include <gdiplus.h>

#include "LumoControls/LumoImage/ImagePixels.h"

namespace lumo
{
// Starts the imaging library the first time it is needed (it stays started for the process: stopping it
// at unload is not allowed from a library's exit). False when it cannot start.
bool EnsureImagingLibrary();

// The encoder for a MIME type; false when the library has none.
bool FindEncoder(wchar_t const* mimeType, CLSID& encoder);

// The pixels of a bitmap as 32-bit ARGB while the object lives; written back on destruction when
// writable. IsLocked() is false when the library refused.
class CArgbLock
{
public:
    CArgbLock(Gdiplus::Bitmap& bitmap, bool writable);
    ~CArgbLock();
    CArgbLock(CArgbLock const&) = delete;
    CArgbLock& operator=(CArgbLock const&) = delete;

    bool IsLocked() const { return m_locked; }
    ArgbPixels Pixels() const;

private:
    Gdiplus::Bitmap& m_bitmap;
    Gdiplus::BitmapData m_data{};
    bool m_locked = false;
};

// A GDI+ graphics on a device context, set up for high-quality scaling.
void PrepareForQuality(Gdiplus::Graphics& graphics);
} // namespace lumo
