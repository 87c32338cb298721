// The escape form of cell texts: control characters written as a backslash and a letter, so that a
// multi-line or tabbed text shows on one line of a cell.
#pragma once

#include <string>

namespace lumo
{
// escape: BEL, BS, FF, LF, CR, TAB, VT and the backslash become "\a", "\b", "\f", "\n", "\r", "\t", "\v"
// and "\\". Otherwise the reverse: a backslash before one of those letters gives the control character, a
// backslash before anything else gives that character, and a backslash at the very end is dropped.
void FormatGridString(std::wstring& text, bool escape);
} // namespace lumo
