// The entry point of LumoCtrls.dll. It never fails the load: a host without the library's message texts
// still gets working controls.
#include "Plat/w32/Attach.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID)
{
    switch (reason)
    {
    case DLL_PROCESS_ATTACH:
        OnProcessAttach(module);
        break;
    case DLL_PROCESS_DETACH:
        // The library teardown (classes, image registry, hook) runs afterwards, with the static objects.
        OnProcessDetach(module);
        break;
    default: // threads come and go without the library noticing
        break;
    }
    return TRUE;
}
