// Wide texts as narrow ones, for readable test expectations (the texts compared are ASCII).
#pragma once

#include <string>

inline std::string Narrow(std::wstring const& text)
{
    return std::string(text.begin(), text.end());
}
