#include "LumoControls/ImagesLibrary/GrayAlphablend.h"

#include "LumoControls/DrawTools/ColorChannels.h"

COLORREF lumo::GrayAlphablendPixel(COLORREF pixel, GrayBlend const& recolor)
{
    int const r = RedOf(pixel);
    int const g = GreenOf(pixel);
    int const b = BlueOf(pixel);
    int const luminance = (38 * r + 75 * g + 15 * b) / 128;
    int const a1 = recolor.grayAmount;
    int const a2 = recolor.blendAmount;
    auto channel = [&](int c, int blend)
    {
        int const grey = ((256 - a1) * c + luminance * a1) / 256;
        return (grey * (256 - a2) + blend * a2) / 256;
    };
    COLORREF const blend = recolor.blendColor;
    return PackColor(channel(r, RedOf(blend)), channel(g, GreenOf(blend)), channel(b, BlueOf(blend)));
}

COLORREF lumo::GrayAlphablendImage(COLORREF* pixels, std::size_t count, GrayBlend const& recolor)
{
    if (count == 0)
        return 0;
    bool const blackIsBackground = pixels[0] == 0;
    for (std::size_t i = 0; i < count; ++i)
    {
        COLORREF& pixel = pixels[i];
        if (blackIsBackground && pixel == 0)
            pixel = recolor.keyColor;
        else if (pixel != recolor.keyColor)
            pixel = GrayAlphablendPixel(pixel, recolor);
    }
    return pixels[0];
}
