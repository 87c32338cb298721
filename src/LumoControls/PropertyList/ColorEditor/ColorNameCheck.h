// The check that a colour typed into a colour item names a colour, run after the value is committed.
#pragma once

#include "LumoControls/PropertyList/PropertyRecord.h"

#include <string>

namespace lumo
{
struct ColorNameVerdict
{
    bool rejected = false;     // the text named no colour and the last valid value is back
    std::wstring rejectedText; // what the user typed, for the message that tells them
};

// A host reference stays; a colour name becomes that colour's own name and the last valid value; any
// other text gives way to the last valid value. The item is marked modified once its value differs from
// the one it was added with, and stays so. The caller redraws the row and shows the message.
ColorNameVerdict CheckColorName(PropertyRecord& item);
} // namespace lumo
