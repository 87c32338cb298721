// Window classes named after a run-time type name use the readable name ("CGrid::CImpl::CGridControl").
#pragma once

#include <string>

namespace lumo
{
// The readable form of a typeid name: demangled, without a leading "class " or "struct ".
std::wstring ReadableTypeName(char const* name);
} // namespace lumo
