// Image files for the tests, written and read with the imaging library directly, so that the image object
// is checked against an independent path.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct ArgbImage
{
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels; // ARGB, rows from the top
    std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

void StartImagingLibrary();

// A file in the temporary folder, deleted when the object goes.
class CTempFile
{
public:
    explicit CTempFile(wchar_t const* name);
    ~CTempFile();
    std::wstring const& Path() const { return m_path; }

private:
    std::wstring m_path;
};

// Writes width by height ARGB pixels with the encoder of the MIME type.
bool WriteImage(std::wstring const& path, wchar_t const* mimeType, int width, int height,
                std::function<std::uint32_t(int x, int y)> const& argbAt);

// Reads any image file as ARGB; empty when it cannot.
ArgbImage ReadImage(std::wstring const& path);

// Whether the file's image uses a palette.
bool IsPaletteImage(std::wstring const& path);
