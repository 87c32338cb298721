#include "Kit/KitGuiLib/w32/AskDialog.h"

namespace
{
struct SMessage
{
    unsigned number;
    wchar_t const* text;
};

// The base library's messages that the controls ask it to show.
SMessage const kMessages[] = {
    {39200,
     L"The color named:\"{0}\" doesn't exist, and will be replaced by the latest valid color name entered."},
};
} // namespace

std::wstring CAskDlg::Format(unsigned number, std::vector<std::wstring> const& arguments)
{
    std::wstring text = L"Message " + std::to_wstring(number);
    for (SMessage const& message : kMessages)
        if (message.number == number)
            text = message.text;
    for (std::size_t i = 0; i < arguments.size(); ++i)
    {
        std::wstring const placeholder = L"{" + std::to_wstring(i) + L"}";
        for (std::size_t at = text.find(placeholder); at != std::wstring::npos;
             at = text.find(placeholder, at + arguments[i].size()))
            text.replace(at, placeholder.size(), arguments[i]);
    }
    return text;
}

int CAskDlg::Do(UINT flags, std::vector<std::wstring> const& arguments) const
{
    return MessageBoxW(m_parent, Format(m_number, arguments).c_str(), m_title.c_str(), flags);
}
