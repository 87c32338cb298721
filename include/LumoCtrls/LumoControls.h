// The library facade: one-time initialisation of LumoCtrls.
#pragma once

#include <windows.h>

#include "LumoCtrls/Export.h"

class LUMO_API CLumoControls
{
public:
    // The first call initialises the library on the calling thread (the host's user-interface thread):
    // it computes the colour state, copies the system menu font, initialises the common-control classes,
    // registers the library's own window classes and installs the menu hook for this thread. Later calls
    // only return the same object. A failure throws the platform error (CWindowsApiFailed) and leaves the
    // library uninitialised, so that the next call runs the whole sequence again.
    static CLumoControls* Instance();

    bool IsInitialised() const { return m_initialised; }

private:
    CLumoControls() = default;
    CLumoControls(CLumoControls const&) = delete;
    CLumoControls& operator=(CLumoControls const&) = delete;

    static CLumoControls s_library; // the one instance; its address is what Instance returns

    bool m_initialised = false;
};

// Kept for hosts written against the component framework that the library once needed. InitialiseATL
// returns 1 whatever it is given; TerminateATL does nothing.
extern "C" LUMO_API int InitialiseATL(unsigned long reserved);
extern "C" LUMO_API void TerminateATL();
