// The base library's ask dialog: one of its numbered messages, with arguments, over a window.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class CAskDlg
{
public:
    // title: the dialog's caption; number: the base library's message to show.
    CAskDlg(HWND parent, std::wstring title, unsigned number)
        : m_parent(parent), m_title(std::move(title)), m_number(number)
    {
    }

    // Shows the message with "{0}", "{1}", ... replaced by the arguments; flags are the platform's message
    // box flags. Returns the user's answer (IDOK, IDYES, ...).
    int Do(UINT flags, std::vector<std::wstring> const& arguments) const;

    // The message's text with the arguments in place.
    static std::wstring Format(unsigned number, std::vector<std::wstring> const& arguments);

private:
    HWND m_parent;
    std::wstring m_title;
    unsigned m_number;
};
