// The module of the code that calls it: LumoCtrls.dll (or a private copy of it) for the library, so that
// window classes and resources are the library's own wherever it was loaded from.
#pragma once

#include <windows.h>

namespace lumo
{
HMODULE LibraryModule();
} // namespace lumo
