// Runs the library teardown when the process unloads LumoCtrls.dll.
//
// Static objects are destroyed in the reverse order of their construction. The object below is
// constructed before every static object of default priority, so it is destroyed after all of them: the
// teardown sees a library whose controls have already let go of their classes and images. What the
// teardown itself uses must outlive it, so it is constructed earlier still: the map of owner-drawn menus
// (priority 200, whose own destruction gives every menu back), the image registry's lock (199) and the
// pool of subclass stubs (150).
#include "LumoControls/LumoControls/w32/LibraryState.h"

namespace
{
struct CLibraryTeardown
{
    ~CLibraryTeardown() { lumo::RunLibraryTeardown(); }
};

CLibraryTeardown g_teardown __attribute__((init_priority(201)));
} // namespace
