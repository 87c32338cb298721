// LUMO_API marks everything that LumoCtrls.dll exports.
//
// A host that links the DLL sees dllimport declarations. The library's own static parts are compiled
// with LUMOCTRLS_BUILDING (dllexport, so that linking a whole part into the DLL exports it); code that
// links those parts directly, such as the native tests, gets LUMOCTRLS_STATIC and plain declarations.
#pragma once

#if defined(_WIN32)
#if defined(LUMOCTRLS_BUILDING)
#define LUMO_API __declspec(dllexport)
#elif defined(LUMOCTRLS_STATIC)
#define LUMO_API
#else
#define LUMO_API __declspec(dllimport)
#endif
#else
#define LUMO_API __attribute__((visibility("default")))
#endif
