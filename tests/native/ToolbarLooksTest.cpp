// The gradient behind a toolbar button: the first state that applies decides.
#include "LumoControls/LumoToolbar/ToolbarLooks.h"

#include <gtest/gtest.h>

TEST(ToolbarButtonLook, TheFirstStateThatAppliesDecides)
{
    struct Case
    {
        bool dropped, pressed, hot, drawn;
        int hue, lightness1, lightness2;
    } const cases[] = {
        {true, true, true, true, 30, 200, 168},   {false, true, true, true, 22, 168, 122},
        {false, true, false, true, 22, 200, 150}, {false, false, true, true, 30, 200, 168},
        {false, false, false, false, 0, 0, 0},
    };
    for (Case const& c : cases)
    {
        lumo::ButtonGradient const look = lumo::ButtonBackground(c.dropped, c.pressed, c.hot);
        EXPECT_EQ(look.drawn, c.drawn);
        EXPECT_EQ(look.hue, c.hue);
        EXPECT_EQ(look.lightness1, c.lightness1);
        EXPECT_EQ(look.lightness2, c.lightness2);
    }
}
