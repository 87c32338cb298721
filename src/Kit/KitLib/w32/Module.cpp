#include "Kit/KitLib/w32/Module.h"

HMODULE _GetModuleFromFunction(void const* function)
{
    HMODULE module = nullptr;
    // UNCHANGED_REFCOUNT: the caller asks which module it is in, it does not want to pin that module.
    if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                                GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            static_cast<LPCWSTR>(function), &module))
        return nullptr;
    return module;
}
