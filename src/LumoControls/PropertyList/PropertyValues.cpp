#include "LumoControls/PropertyList/PropertyValues.h"

#include "LumoCtrls/ColorNames.h"

#include <climits>

bool lumo::ParseBooleanValue(std::wstring const& text, bool& value)
{
    if (text == L"Yes" || text == L"True")
        value = true;
    else if (text == L"No" || text == L"False")
        value = false;
    else
        return false;
    return true;
}

bool lumo::ParseIntegerValue(std::wstring const& text, int& value)
{
    if (text.empty() || text.find_first_not_of(L"0123456789+-") != std::wstring::npos)
        return false;
    std::size_t position = 0;
    bool negative = false;
    if (text[0] == L'+' || text[0] == L'-')
    {
        negative = text[0] == L'-';
        ++position;
    }
    long long magnitude = 0;
    for (; position < text.size() && text[position] >= L'0' && text[position] <= L'9'; ++position)
    {
        magnitude = magnitude * 10 + (text[position] - L'0');
        if (magnitude > static_cast<long long>(INT_MAX) + 1)
            magnitude = static_cast<long long>(INT_MAX) + 1; // the conversion saturates
    }
    long long const signedValue = negative ? -magnitude : magnitude;
    value = signedValue > INT_MAX ? INT_MAX : static_cast<int>(signedValue);
    return true;
}

bool lumo::IsHostColorReference(std::wstring const& text)
{
    return text.find(L"<ZUDIZE:") != std::wstring::npos;
}

std::wstring lumo::StoredColorValue(std::wstring const& text, bool& named)
{
    named = false;
    if (IsHostColorReference(text))
        return text;
    COLORREF color = 0;
    if (!GetCOLORREFFromName(text, color))
        return text;
    named = true;
    return GetNameFromCOLORREF(color);
}

std::wstring lumo::NoImageText(IPropertyPlatform const& platform)
{
    return platform.Translate(L"None");
}

std::wstring lumo::ImageText(int number, IPropertyPlatform const& platform)
{
    return platform.Translate(L"Image ") + std::to_wstring(number);
}

int lumo::IndexOfChoice(std::vector<std::wstring> const& choices, std::wstring const& text)
{
    for (std::size_t i = 0; i < choices.size(); ++i)
        if (choices[i] == text)
            return static_cast<int>(i);
    return 0;
}

std::vector<std::wstring> lumo::ChoicesFromBuffer(wchar_t const* buffer)
{
    std::vector<std::wstring> choices;
    if (buffer == nullptr)
        return choices;
    for (wchar_t const* text = buffer; *text != L'\0'; text += choices.back().size() + 1)
        choices.emplace_back(text);
    return choices;
}
