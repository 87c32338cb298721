// Image registry: the gallery's command images (registered once at start-up) drawn normal, greyed
// (disabled) and recoloured at several grey and blend amounts.
#include "CommandImages.h"
#include "GalleryPage.h"
#include "Paint.h"

#include <LumoCtrls/LumoCtrls.h>

#include <string>

namespace
{
using gallery::Heading;
using gallery::Label;

constexpr UINT kFirstCommand = gallery::kCommandOpen;
constexpr int kImageCount = gallery::kImageCount;

class CImageRegistryPage : public CGalleryPage
{
public:
    wchar_t const* GetTitle() const override { return L"Image registry"; }
    wchar_t const* GetFileStem() const override { return L"ImageRegistry"; }

protected:
    void Paint(HDC target, RECT const&) override
    {
        CDC dc(target);
        int y =
            Heading(target, 12, 12, L"Registered command images: normal, and greyed for a disabled command");
        for (int i = 0; i < kImageCount; ++i)
        {
            int const x = 12 + i * 120;
            Label(target, x, y, L"command " + std::to_wstring(kFirstCommand + i));
            CLumoControls::DrawBitmapId(dc, kFirstCommand + i, x, y + 18, 0, 0, 0);
            CLumoControls::DrawBitmapId(dc, kFirstCommand + i, x + 24, y + 18, 0, 0, 1);
            CLumoControls::DrawBitmapId(dc, kFirstCommand + i, x + 48, y + 18, 32, 32, 0);
            CLumoControls::DrawBitmapId(dc, kFirstCommand + i, x + 84, y + 18, 32, 32, 1);
        }

        y = Heading(target, 12, 110,
                    L"C_LibraryImages_MakeGrayAlphablend: grey amount across, blend towards "
                    L"orange down (magenta stays transparent)");
        int const amounts[] = {0, 64, 128, 192, 256};
        for (int column = 0; column < 5; ++column)
            Label(target, 110 + column * 60, y, L"grey " + std::to_wstring(amounts[column]));
        for (int row = 0; row < 5; ++row)
        {
            int const top = y + 20 + row * 40;
            Label(target, 12, top + 8, L"blend " + std::to_wstring(amounts[row]));
            for (int column = 0; column < 5; ++column)
            {
                HBITMAP const copy = static_cast<HBITMAP>(
                    CopyImage(CLumoControls::BitmapFromID(kFirstCommand), IMAGE_BITMAP, 0, 0, 0));
                C_LibraryImages_MakeGrayAlphablend(copy, amounts[column], amounts[row], RGB(255, 160, 0),
                                                   lumo::kColorKey);
                CLumoControls::DrawBitmapImage(dc, copy, 110 + column * 60, top, 32, 32);
                DeleteObject(copy);
            }
        }
    }
};
} // namespace

std::unique_ptr<CGalleryPage> CreateImageRegistryPage()
{
    return std::make_unique<CImageRegistryPage>();
}
