// The gallery's command identifiers and their images, registered with the library's image registry once
// at start-up, as a host registers its toolbar pictures.
#pragma once

#include <windows.h>

namespace gallery
{
enum Command : UINT
{
    kCommandOpen = 40001,
    kCommandSave = 40002,
    kCommandPrint = 40003,
    kCommandFind = 40004,
    kCommandAdd = 40005,
    kCommandExit = 40010,
    kCommandAbout = 40020,
    kCommandToolbar = 40030,
    kCommandStatusBar = 40031,
    kCommandSmall = 40032,
    kCommandLarge = 40033,
};
constexpr int kImageCount = 5; // kCommandOpen .. kCommandAdd have images

void RegisterCommandImages();
} // namespace gallery
