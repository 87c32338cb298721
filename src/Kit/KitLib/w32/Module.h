// Finding the module that holds a function: how the library names itself to the platform (class
// registration, its own resources, hooks) without keeping its instance handle around.
#pragma once

#include <windows.h>

// The module containing the given address, or null when no loaded module contains it.
HMODULE _GetModuleFromFunction(void const* function);
