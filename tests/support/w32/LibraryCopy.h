// A private copy of LumoCtrls.dll for tests that need the library as a freshly loaded (or unloaded)
// process sees it: the copy the test executable imports stays loaded for the whole run.
#pragma once

#include <windows.h>

#include <string>

class CLibraryCopy
{
public:
    // Copies the loaded LumoCtrls.dll to fileName in the temporary folder.
    explicit CLibraryCopy(wchar_t const* fileName);
    ~CLibraryCopy(); // deletes the copy
    CLibraryCopy(CLibraryCopy const&) = delete;
    CLibraryCopy& operator=(CLibraryCopy const&) = delete;

    bool Exists() const { return m_copied; }
    std::wstring const& Path() const { return m_path; }

    // An exported function of a loaded copy; null (and a test failure) when it is missing.
    template <class Function> static Function Export(HMODULE module, char const* name)
    {
        return reinterpret_cast<Function>(reinterpret_cast<void*>(FindExport(module, name)));
    }

private:
    static FARPROC FindExport(HMODULE module, char const* name);

    std::wstring m_path;
    bool m_copied = false;
};
