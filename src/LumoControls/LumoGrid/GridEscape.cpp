#include "LumoControls/LumoGrid/GridEscape.h"

namespace lumo
{
namespace
{
struct EscapePair
{
    wchar_t control;
    wchar_t letter;
};

constexpr EscapePair kPairs[] = {{7, L'a'},  {8, L'b'}, {12, L'f'}, {10, L'n'},
                                 {13, L'r'}, {9, L't'}, {11, L'v'}, {L'\\', L'\\'}};

wchar_t LetterOf(wchar_t control)
{
    for (EscapePair const& pair : kPairs)
        if (pair.control == control)
            return pair.letter;
    return 0;
}

wchar_t ControlOf(wchar_t letter)
{
    for (EscapePair const& pair : kPairs)
        if (pair.letter == letter)
            return pair.control;
    return letter; // an unknown letter stands for itself
}
} // namespace

void FormatGridString(std::wstring& text, bool escape)
{
    std::wstring result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i)
    {
        wchar_t const c = text[i];
        if (escape)
        {
            if (wchar_t const letter = LetterOf(c))
            {
                result += L'\\';
                result += letter;
            }
            else
                result += c;
        }
        else if (c != L'\\')
            result += c;
        else if (i + 1 < text.size())
            result += ControlOf(text[++i]);
    }
    text.swap(result);
}
} // namespace lumo
