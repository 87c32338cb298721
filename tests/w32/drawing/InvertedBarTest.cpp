#include "LumoCtrls/LumoCtrls.h"

#include <gtest/gtest.h>

namespace
{
TEST(InvertedColorBar, InvertsTheClientRectangleAndTwiceRestoresTheWindow)
{
    HWND const window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE | WS_BORDER | WS_CAPTION, 50,
                                        50, 80, 60, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    UpdateWindow(window);
    // The client rectangle's corner inside the window rectangle: the caption makes the two offsets differ.
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    RECT bounds;
    GetWindowRect(window, &bounds);
    int const dx = origin.x - bounds.left;
    int const dy = origin.y - bounds.top;
    ASSERT_GT(dy, dx);
    HDC const dc = GetWindowDC(window);
    POINT const probes[] = {
        {dx + 5, dy + 3}, {dx + 24, dy + 12}, {dx + 25, dy + 3}, {dx + 5, dy + 13}, {0, 0}};
    COLORREF before[5];
    for (int i = 0; i < 5; ++i)
        before[i] = GetPixel(dc, probes[i].x, probes[i].y);
    RECT const bar{5, 3, 25, 13};
    DrawInvertedColorBar(window, bar);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(GetPixel(dc, probes[i].x, probes[i].y), i < 2 ? ~before[i] & 0xFFFFFF : before[i]) << i;
    DrawInvertedColorBar(window, bar);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(GetPixel(dc, probes[i].x, probes[i].y), before[i]) << i;
    ReleaseDC(window, dc);
    DestroyWindow(window);
}
} // namespace
