#include "INC/w32/LibraryModule.h"

HMODULE lumo::LibraryModule()
{
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&LibraryModule), &module);
    return module;
}

std::wstring lumo::ModuleString(HMODULE module, UINT identifier)
{
    // With a zero buffer size LoadStringW hands out a pointer into the resource itself: no length limit.
    wchar_t const* text = nullptr;
    int const length = LoadStringW(module, identifier, reinterpret_cast<wchar_t*>(&text), 0);
    return length > 0 ? std::wstring(text, static_cast<std::size_t>(length)) : std::wstring();
}
