// libFuzzer target: any text given to GetCOLORREFFromName. The input bytes are read as UTF-16 code units,
// so every wide character can appear. Beyond the sanitizers' own checks, two properties must hold: a text
// that is not understood leaves black, and a colour that was understood reads back from its own name.
#include "LumoCtrls/ColorNames.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size)
{
    std::wstring name;
    for (std::size_t i = 0; i + 1 < size; i += 2)
        name += static_cast<wchar_t>(data[i] | data[i + 1] << 8);

    COLORREF out = 0x12345678;
    if (!GetCOLORREFFromName(name, out))
    {
        if (out != 0)
            std::abort();
        return 0;
    }
    COLORREF again = 0;
    if (!GetCOLORREFFromName(GetNameFromCOLORREF(out), again) || again != out)
        std::abort();
    return 0;
}
