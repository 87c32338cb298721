#include "Plat/w32/Attach.h"

#include "Kit/KitLib/ReportLine.h"
#include "Kit/KitLib/w32/DisplayContext.h"

namespace
{
void WriteToDebugger(wchar_t const* line)
{
    OutputDebugStringW(line);
}
} // namespace

void OnProcessAttach(HMODULE module)
{
    _SetDebugOutput(&WriteToDebugger);
    if (_AddResourceToDisplayContext(module) == 0)
        _SetLastDisplayCall("src/Plat/w32/dllmain", 63)(kMessageDisplayContextRefused);
}

void OnProcessDetach(HMODULE module)
{
    _RemoveResourceFromDisplayContext(module);
}
