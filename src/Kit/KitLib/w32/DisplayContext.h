// The display context: the modules whose string tables hold the texts of numbered messages, and the
// display of such a message. Displaying writes one report line (see ReportLine.h); it never waits for
// the user, so nothing that displays a message can hang a host that runs without a desktop.
#pragma once

#include <windows.h>

#include <string>

// Shows message `message` (looked up in the string tables of the modules in the display context, newest
// first). The variadic arguments are zero or more `wchar_t const*` texts that replace %1, %2, ... in
// the message text; as many are read as the text has placeholders.
typedef void (*DisplayFunction)(unsigned message, ...);

// Message numbers of the base library itself, whose texts it carries so that they can be shown even when
// no module could be added to the display context.
constexpr unsigned kMessageDisplayContextRefused = 301;

// Adds a module to the display context. Non-zero on success; 0 when the module is null or holds no
// string table, since then it could not show any message.
int _AddResourceToDisplayContext(HMODULE module);

// Takes back one addition of the module; a module never added is ignored.
void _RemoveResourceFromDisplayContext(HMODULE module);

// Remembers where the next display comes from (shown with the message) and returns the display function.
DisplayFunction _SetLastDisplayCall(char const* sourcePath, int line);

// The text of a message as the display function would show it, without the location; for callers that
// want to compose their own line.
std::wstring _GetDisplayText(unsigned message);
