// How many GDI and USER objects the process holds, for the handle-leak checks.
//
// GetGuiResources answers on Windows; Wine's returns 0, so there the objects are counted by asking the
// platform about every possible handle slot (a GDI handle's low word indexes the process's handle table,
// USER handles other than windows are even values from 0x20) and by walking the window tree. Both ways count the same thing as far as the leak checks go:
// the difference between two counts taken around a piece of code.
#pragma once

struct GuiObjectCounts
{
    int gdi;
    int user;

    bool operator==(GuiObjectCounts const& other) const { return gdi == other.gdi && user == other.user; }
    bool operator!=(GuiObjectCounts const& other) const { return !(*this == other); }
};

GuiObjectCounts CountGuiObjects();

// For readable assertion failures.
#include <ostream>
inline std::ostream& operator<<(std::ostream& out, GuiObjectCounts const& counts)
{
    return out << "{gdi " << counts.gdi << ", user " << counts.user << "}";
}
