// What LumoCtrls.dll does when the process loads and unloads it (besides constructing and destroying its
// static objects). Apart from DllMain so that the steps can be exercised on their own.
#pragma once

#include <windows.h>

// Registers the library's resources with the display context; a refusal is displayed (message 301) and
// the load goes on.
void OnProcessAttach(HMODULE module);

void OnProcessDetach(HMODULE module);
