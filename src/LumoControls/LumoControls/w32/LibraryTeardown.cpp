// Runs the library teardown when the process unloads LumoCtrls.dll.
//
// The object below is constructed before every other static object of the library (and right after the
// map of owner-drawn menus, which it must outlive), so it is destroyed after all of them: the teardown
// sees a library whose controls have already let go of their classes and images.
#include "LumoControls/LumoControls/w32/LibraryState.h"

namespace
{
struct CLibraryTeardown
{
    ~CLibraryTeardown() { lumo::RunLibraryTeardown(); }
};

CLibraryTeardown g_teardown __attribute__((init_priority(201)));
} // namespace
