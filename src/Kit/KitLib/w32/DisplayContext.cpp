#include "Kit/KitLib/w32/DisplayContext.h"

#include "Kit/KitLib/ReportLine.h"
#include "Kit/KitLib/WideString.h"

#include <algorithm>
#include <string>
#include <vector>

namespace
{
std::vector<HMODULE> g_modules; // newest last; a module appears once per addition
char const* g_lastSourcePath = "";
int g_lastLine = 0;

BOOL CALLBACK FoundStringTable(HMODULE, LPCWSTR, LPWSTR, LONG_PTR found)
{
    *reinterpret_cast<bool*>(found) = true;
    return FALSE; // one is enough
}

bool HasStringTable(HMODULE module)
{
    bool found = false;
    EnumResourceNamesW(module, MAKEINTRESOURCEW(6) /* RT_STRING */, &FoundStringTable,
                       reinterpret_cast<LONG_PTR>(&found));
    return found;
}

std::wstring LookUp(unsigned message)
{
    for (auto it = g_modules.rbegin(); it != g_modules.rend(); ++it)
    {
        wchar_t const* text = nullptr;
        // With a zero buffer size LoadStringW hands out a pointer into the resource itself.
        int const length = LoadStringW(*it, message, reinterpret_cast<LPWSTR>(&text), 0);
        if (length > 0 && text != nullptr)
            return std::wstring(text, static_cast<std::size_t>(length));
    }
    return std::wstring();
}

std::wstring Substitute(std::wstring const& text, std::vector<std::wstring> const& arguments)
{
    std::wstring result;
    for (std::size_t i = 0; i < text.size(); ++i)
    {
        if (text[i] == L'%' && i + 1 < text.size() && text[i + 1] >= L'1' && text[i + 1] <= L'9')
        {
            std::size_t const index = static_cast<std::size_t>(text[i + 1] - L'1');
            if (index < arguments.size())
                result += arguments[index];
            ++i;
        }
        else
            result += text[i];
    }
    return result;
}

void Display(unsigned message, std::size_t argumentCount, wchar_t const* const* texts)
{
    std::wstring const text = _GetDisplayText(message);
    std::vector<std::wstring> arguments;
    for (std::size_t i = 0; i < argumentCount; ++i)
        arguments.push_back(texts[i] != nullptr ? texts[i] : L"");

    std::wstring const path = _WidenAscii(g_lastSourcePath);
    _WriteReportLine(L"LumoCtrls message " + std::to_wstring(message) + L": " + Substitute(text, arguments) +
                     L" [" + path + L":" + std::to_wstring(g_lastLine) + L"]");
}
} // namespace

int _AddResourceToDisplayContext(HMODULE module)
{
    if (module == nullptr || !HasStringTable(module))
        return 0;
    g_modules.push_back(module);
    return 1;
}

void _RemoveResourceFromDisplayContext(HMODULE module)
{
    auto const it = std::find(g_modules.rbegin(), g_modules.rend(), module);
    if (it != g_modules.rend())
        g_modules.erase(std::next(it).base());
}

CDisplayCall _SetLastDisplayCall(char const* sourcePath, int line)
{
    g_lastSourcePath = sourcePath != nullptr ? sourcePath : "";
    g_lastLine = line;
    return CDisplayCall(&Display);
}

std::wstring _GetDisplayText(unsigned message)
{
    std::wstring const text = LookUp(message);
    if (!text.empty())
        return text;
    if (message == kMessageDisplayContextRefused)
        return L"A module's resources could not be added to the display context; its messages are shown "
               L"without their texts.";
    return L"(no text for this message)";
}
