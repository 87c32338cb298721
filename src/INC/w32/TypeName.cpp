#include "INC/w32/TypeName.h"

#include <cxxabi.h>

#include <cstdlib>

namespace lumo
{
std::wstring ReadableTypeName(char const* name)
{
    int status = 0;
    char* const demangled = abi::__cxa_demangle(name, nullptr, nullptr, &status);
    std::string readable = status == 0 && demangled != nullptr ? demangled : name;
    std::free(demangled);
    // Other compilers' names start with "class " or "struct ": everything up to the first space goes.
    std::size_t const space = readable.find(' ');
    if (space != std::string::npos)
        readable.erase(0, space + 1);
    return std::wstring(readable.begin(), readable.end());
}
} // namespace lumo
