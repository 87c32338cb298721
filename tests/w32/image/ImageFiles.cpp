#include "image/ImageFiles.h"

#include <objidl.h>

#include <gdiplus.h>

namespace
{
bool Encoder(wchar_t const* mimeType, CLSID& clsid)
{
    UINT count = 0, bytes = 0;
    Gdiplus::GetImageEncodersSize(&count, &bytes);
    std::vector<BYTE> storage(bytes);
    auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(storage.data());
    Gdiplus::GetImageEncoders(count, bytes, codecs);
    for (UINT i = 0; i < count; ++i)
        if (lstrcmpiW(codecs[i].MimeType, mimeType) == 0)
        {
            clsid = codecs[i].Clsid;
            return true;
        }
    return false;
}
} // namespace

void StartImagingLibrary()
{
    static bool started = []
    {
        Gdiplus::GdiplusStartupInput input;
        ULONG_PTR token = 0;
        return Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok;
    }();
    (void)started;
}

CTempFile::CTempFile(wchar_t const* name)
{
    wchar_t directory[MAX_PATH];
    GetTempPathW(MAX_PATH, directory);
    m_path = std::wstring(directory) + name;
    DeleteFileW(m_path.c_str());
}

CTempFile::~CTempFile()
{
    DeleteFileW(m_path.c_str());
}

bool WriteImage(std::wstring const& path, wchar_t const* mimeType, int width, int height,
                std::function<std::uint32_t(int, int)> const& argbAt)
{
    StartImagingLibrary();
    Gdiplus::Bitmap bitmap(width, height, PixelFormat32bppARGB);
    Gdiplus::Rect const all(0, 0, width, height);
    Gdiplus::BitmapData data{};
    bitmap.LockBits(&all, Gdiplus::ImageLockModeWrite, PixelFormat32bppARGB, &data);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            static_cast<std::uint32_t*>(data.Scan0)[y * (data.Stride / 4) + x] = argbAt(x, y);
    bitmap.UnlockBits(&data);
    CLSID clsid;
    return Encoder(mimeType, clsid) && bitmap.Save(path.c_str(), &clsid, nullptr) == Gdiplus::Ok;
}

ArgbImage ReadImage(std::wstring const& path)
{
    StartImagingLibrary();
    ArgbImage image;
    Gdiplus::Bitmap bitmap(path.c_str());
    if (bitmap.GetLastStatus() != Gdiplus::Ok)
        return image;
    image.width = static_cast<int>(bitmap.GetWidth());
    image.height = static_cast<int>(bitmap.GetHeight());
    Gdiplus::Rect const all(0, 0, image.width, image.height);
    Gdiplus::BitmapData data{};
    bitmap.LockBits(&all, Gdiplus::ImageLockModeRead, PixelFormat32bppARGB, &data);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            image.pixels.push_back(static_cast<std::uint32_t*>(data.Scan0)[y * (data.Stride / 4) + x]);
    bitmap.UnlockBits(&data);
    return image;
}

bool IsPaletteImage(std::wstring const& path)
{
    StartImagingLibrary();
    Gdiplus::Bitmap bitmap(path.c_str());
    return bitmap.GetLastStatus() == Gdiplus::Ok && Gdiplus::IsIndexedPixelFormat(bitmap.GetPixelFormat());
}
