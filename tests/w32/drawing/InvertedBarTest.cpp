#include "LumoCtrls/LumoCtrls.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
// The window's pixels as its own context holds them, frame included.
std::vector<COLORREF> Capture(HWND window, int& width, int& height)
{
    RECT bounds;
    GetWindowRect(window, &bounds);
    width = bounds.right - bounds.left;
    height = bounds.bottom - bounds.top;
    HDC const windowDc = GetWindowDC(window);
    std::vector<COLORREF> pixels(static_cast<std::size_t>(width * height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels[static_cast<std::size_t>(y * width + x)] = GetPixel(windowDc, x, y);
    ReleaseDC(window, windowDc);
    return pixels;
}

TEST(InvertedColorBar, InvertsTheClientRectangleAndTwiceRestoresTheWindow)
{
    HWND const window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE | WS_BORDER | WS_CAPTION, 50,
                                        50, 80, 60, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    UpdateWindow(window);
    int width = 0, height = 0;
    std::vector<COLORREF> const original = Capture(window, width, height);

    // Where the client rectangle's corner lies inside the window rectangle.
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    RECT bounds;
    GetWindowRect(window, &bounds);
    int const dx = origin.x - bounds.left;
    int const dy = origin.y - bounds.top;
    ASSERT_GT(dy, dx) << "the caption makes the client offset differ from the frame's";

    RECT const bar{5, 3, 25, 13};
    DrawInvertedColorBar(window, bar);
    std::vector<COLORREF> const inverted = Capture(window, width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
        {
            bool const inside =
                x >= bar.left + dx && x < bar.right + dx && y >= bar.top + dy && y < bar.bottom + dy;
            COLORREF const before = original[static_cast<std::size_t>(y * width + x)];
            COLORREF const expected = inside ? (~before & 0xFFFFFF) : before;
            ASSERT_EQ(inverted[static_cast<std::size_t>(y * width + x)], expected) << x << "," << y;
        }

    DrawInvertedColorBar(window, bar);
    EXPECT_EQ(Capture(window, width, height), original);
    DestroyWindow(window);
}
} // namespace
