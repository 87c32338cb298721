// The module of the code that calls it: LumoCtrls.dll (or a private copy of it) for the library, so that
// window classes and resources are the library's own wherever it was loaded from.
#pragma once

#include <windows.h>

#include <string>

namespace lumo
{
HMODULE LibraryModule();

// A string resource of the module, whole; empty when there is none under that identifier.
std::wstring ModuleString(HMODULE module, UINT identifier);

// A string of the library's own resources.
inline std::wstring LibraryString(UINT identifier)
{
    return ModuleString(LibraryModule(), identifier);
}
} // namespace lumo
