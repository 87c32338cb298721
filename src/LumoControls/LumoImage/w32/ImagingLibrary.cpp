#include "LumoControls/LumoImage/w32/ImagingLibrary.h"

#include "Kit/KitGuiLib/CriticalSection.h"

#include <vector>

namespace
{
CCriticalSection g_startLock;
bool g_started = false;
} // namespace

bool lumo::EnsureImagingLibrary()
{
    CLock lock(g_startLock);
    if (!g_started)
    {
        Gdiplus::GdiplusStartupInput input;
        ULONG_PTR token = 0;
        g_started = Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok;
        // Started GDI+ runs a thread of its own and is never shut down (that is not allowed from a
        // library's exit). When this library is the only one that imports gdiplus.dll, unloading it would
        // unload GDI+ under that thread: GDI+ stays loaded for the rest of the process instead.
        HMODULE pinned = nullptr;
        if (g_started)
            GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_PIN, L"gdiplus.dll", &pinned);
    }
    return g_started;
}

bool lumo::FindEncoder(wchar_t const* mimeType, CLSID& encoder)
{
    UINT count = 0;
    UINT bytes = 0;
    if (Gdiplus::GetImageEncodersSize(&count, &bytes) != Gdiplus::Ok || bytes == 0)
        return false;
    std::vector<BYTE> storage(bytes);
    auto* const codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(storage.data());
    if (Gdiplus::GetImageEncoders(count, bytes, codecs) != Gdiplus::Ok)
        return false;
    for (UINT i = 0; i < count; ++i)
        if (lstrcmpiW(codecs[i].MimeType, mimeType) == 0)
        {
            encoder = codecs[i].Clsid;
            return true;
        }
    return false;
}

lumo::CArgbLock::CArgbLock(Gdiplus::Bitmap& bitmap, bool writable) : m_bitmap(bitmap)
{
    Gdiplus::Rect const all(0, 0, static_cast<INT>(bitmap.GetWidth()), static_cast<INT>(bitmap.GetHeight()));
    UINT const mode = Gdiplus::ImageLockModeRead | (writable ? Gdiplus::ImageLockModeWrite : 0);
    m_locked = bitmap.LockBits(&all, mode, PixelFormat32bppARGB, &m_data) == Gdiplus::Ok;
}

lumo::CArgbLock::~CArgbLock()
{
    if (m_locked)
        m_bitmap.UnlockBits(&m_data);
}

lumo::ArgbPixels lumo::CArgbLock::Pixels() const
{
    return ArgbPixels{static_cast<std::uint32_t*>(m_data.Scan0), static_cast<int>(m_data.Width),
                      static_cast<int>(m_data.Height), m_data.Stride / 4};
}

void lumo::PrepareForQuality(Gdiplus::Graphics& graphics)
{
    graphics.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
    // Pixel centres at half coordinates: a picture drawn at its own size lands on whole pixels.
    graphics.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
}
