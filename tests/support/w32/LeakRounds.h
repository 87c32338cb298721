// The handle-leak check that every control's tests run: a round of creating and destroying, repeated,
// must leave the process holding as many GDI and USER objects as before.
#pragma once

#include "w32/GuiObjectCounter.h"

#include <gtest/gtest.h>

// Runs round warmUp times first (the platform's caches fill in the first rounds), then counts the objects
// around `rounds` more. The counts must match exactly, so a hundred rounds find a leak of one object per
// round as surely as ten thousand, and one that happens in only some rounds too.
template <class Round> void ExpectRoundsLeaveNoHandles(Round const& round, int rounds = 100, int warmUp = 1)
{
    for (int i = 0; i < warmUp; ++i)
        round(i);
    GuiObjectCounts const before = CountGuiObjects();
    for (int i = 0; i < rounds; ++i)
        round(i);
    EXPECT_EQ(CountGuiObjects(), before);
}
