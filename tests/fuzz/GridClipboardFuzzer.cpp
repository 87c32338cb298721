// libFuzzer target: any block read as the list grid's private clipboard format. The texts that come back
// may never hold more than the block did, and encoding them again gives back the part of the block that
// was read.
#include "LumoControls/LumoGrid/GridClipboardFormat.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size)
{
    std::vector<std::wstring> const texts = lumo::DecodeGridTexts(data, size);
    std::size_t bytes = 0;
    for (std::wstring const& text : texts)
        bytes += 4 + 2 * text.size();
    if (bytes > size)
        std::abort();
    if (texts.size() >= 2)
    {
        std::vector<std::uint8_t> const again = lumo::EncodeGridTexts(texts);
        if (again.size() != bytes || std::memcmp(again.data(), data, bytes) != 0)
            std::abort();
    }
    return 0;
}
