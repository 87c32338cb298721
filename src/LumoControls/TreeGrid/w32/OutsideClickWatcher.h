// Closes the open floating editor or drop-down list when the user presses a mouse button anywhere else:
// one mouse hook for every tree grid, installed while at least one popup is registered.
#pragma once

#include "LumoControls/TreeGrid/w32/TreeGridImpl.h"

namespace lumo
{
class COutsideClickWatcher
{
public:
    static void Register(HWND popup, CTreeGrid::CImpl::CControlCore& control);
    static void Unregister(HWND popup);
    static bool IsWatching(); // the hook is installed
};
} // namespace lumo
