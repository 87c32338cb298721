// The text forms of property values: how values are read as numbers and booleans, how colour values are
// stored, and the choice texts of image items.
#pragma once

#include "LumoControls/PropertyList/PropertyPlatform.h"

#include <string>
#include <vector>

namespace lumo
{
// "Yes"/"True" and "No"/"False", exact case; false for anything else, leaving value alone.
bool ParseBooleanValue(std::wstring const& text, bool& value);

// Succeeds for a non-empty text of decimal digits, "+" and "-" only; the number is read as the platform's
// wide-text-to-int conversion reads it (an optional sign, then digits up to the first other character,
// clamped to the int range).
bool ParseIntegerValue(std::wstring const& text, int& value);

// A host-defined colour reference: kept as it is and resolved by the host.
bool IsHostColorReference(std::wstring const& text);

// The text a colour item stores for text: a host reference unchanged, a text that names a colour as the
// name of that colour, anything else unchanged. named tells whether the text named a colour.
std::wstring StoredColorValue(std::wstring const& text, bool& named);

// Image items' choices: "None" and "Image <n>", translated into the user's language.
std::wstring NoImageText(IPropertyPlatform const& platform);
std::wstring ImageText(int number, IPropertyPlatform const& platform);

// The index of the first choice equal to text; 0 when there is none.
int IndexOfChoice(std::vector<std::wstring> const& choices, std::wstring const& text);

// The choices of a buffer of zero-terminated texts ending with an empty text; none for null.
std::vector<std::wstring> ChoicesFromBuffer(wchar_t const* buffer);
} // namespace lumo
