// The display context: the modules whose string tables hold the texts of numbered messages, and the
// display of such a message. Displaying writes one report line (see ReportLine.h); it never waits for
// the user, so nothing that displays a message can hang a host that runs without a desktop.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

// Shows message `message` (looked up in the string tables of the modules in the display context, newest
// first) with the texts that replace %1, %2, ... in it: argumentCount of them, from arguments. A
// placeholder without a text is shown empty.
typedef void (*DisplayFunction)(unsigned message, std::size_t argumentCount, wchar_t const* const* arguments);

// What _SetLastDisplayCall returns: called at once with the message number and its texts,
//     _SetLastDisplayCall(__FILE__, __LINE__)(301, L"first", L"second");
class CDisplayCall
{
public:
    explicit CDisplayCall(DisplayFunction display) : m_display(display) {}

    template <class... Texts> void operator()(unsigned message, Texts const*... texts) const
    {
        wchar_t const* const arguments[] = {texts..., nullptr};
        m_display(message, sizeof...(texts), arguments);
    }

private:
    DisplayFunction m_display;
};

// Message numbers of the base library itself, whose texts it carries so that they can be shown even when
// no module could be added to the display context.
constexpr unsigned kMessageDisplayContextRefused = 301;

// Adds a module to the display context. Non-zero on success; 0 when the module is null or holds no
// string table, since then it could not show any message.
int _AddResourceToDisplayContext(HMODULE module);

// Takes back one addition of the module; a module never added is ignored.
void _RemoveResourceFromDisplayContext(HMODULE module);

// Remembers where the next display comes from (shown with the message) and returns the display call.
CDisplayCall _SetLastDisplayCall(char const* sourcePath, int line);

// The text of a message as the display function would show it, without the location; for callers that
// want to compose their own line.
std::wstring _GetDisplayText(unsigned message);
