// The facade's image operations: each takes the process's registry and forwards.
#include "LumoCtrls/LibraryImages.h"
#include "LumoCtrls/Types.h"
#include "LumoCtrls/LumoControls.h"

namespace
{
}

void CLumoControls::AddBitmapWithID(UINT identifier, HBITMAP bitmap, int width, int height)
{
    CLibraryImages::Get().AddBitmapWithID(identifier, bitmap, width, height, lumo::kColorKey);
}

void CLumoControls::AddIconWithID(UINT identifier, HICON icon)
{
    CLibraryImages::Get().AddIconWithID(identifier, icon);
}

void CLumoControls::LoadImagesFromToolbar(HWND toolbar)
{
    CLibraryImages::Get().LoadImagesFromToolbar(toolbar);
}

void CLumoControls::GetImageSize(UINT identifier, int& width, int& height)
{
    CLibraryImages::Get().GetImageSize(identifier, width, height);
}

void CLumoControls::DrawBitmapImage(CDCBase& dc, HBITMAP bitmap, int x, int y, int width, int height)
{
    CLibraryImages::Get().DrawBitmapImage(dc, bitmap, x, y, width, height);
}

void CLumoControls::DrawBitmapId(CDCBase& dc, UINT identifier, int x, int y, int width, int height,
                                 int disabled)
{
    CLibraryImages::Get().DrawBitmapId(dc, identifier, x, y, width, height, disabled);
}

HBITMAP CLumoControls::BitmapFromID(UINT identifier)
{
    return CLibraryImages::Get().BitmapFromID(identifier);
}

HBITMAP CLumoControls::CreateGrayBitmap(HBITMAP bitmap, COLORREF key)
{
    return CLibraryImages::CreateGrayBitmap(bitmap, key);
}
