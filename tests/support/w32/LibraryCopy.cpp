#include "w32/LibraryCopy.h"

#include <LumoCtrls/LumoCtrls.h>

#include <gtest/gtest.h>

namespace
{
std::wstring PathOfLoadedLibrary()
{
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&DarkenColor), &module);
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(module, path, MAX_PATH);
    return path;
}
} // namespace

CLibraryCopy::CLibraryCopy(wchar_t const* fileName)
{
    wchar_t directory[MAX_PATH];
    GetTempPathW(MAX_PATH, directory);
    m_path = std::wstring(directory) + fileName;
    m_copied = CopyFileW(PathOfLoadedLibrary().c_str(), m_path.c_str(), FALSE) != 0;
}

CLibraryCopy::~CLibraryCopy()
{
    DeleteFileW(m_path.c_str());
}

FARPROC CLibraryCopy::FindExport(HMODULE module, char const* name)
{
    FARPROC const function = GetProcAddress(module, name);
    if (function == nullptr)
        ADD_FAILURE() << "no export " << name;
    return function;
}
