#include "LumoControls/LumoGrid/GridClipboardFormat.h"

namespace lumo
{
std::vector<std::uint8_t> EncodeGridTexts(std::vector<std::wstring> const& texts)
{
    std::vector<std::uint8_t> block;
    if (texts.size() < 2)
        return block;
    for (std::wstring const& text : texts)
    {
        std::uint32_t const bytes = static_cast<std::uint32_t>(text.size() * 2);
        for (int shift = 0; shift < 32; shift += 8)
            block.push_back(static_cast<std::uint8_t>(bytes >> shift));
        for (wchar_t unit : text)
        {
            block.push_back(static_cast<std::uint8_t>(unit & 0xFF));
            block.push_back(static_cast<std::uint8_t>((unit >> 8) & 0xFF));
        }
    }
    return block;
}

std::vector<std::wstring> DecodeGridTexts(std::uint8_t const* block, std::size_t size)
{
    std::vector<std::wstring> texts;
    std::size_t at = 0;
    while (size - at >= 4)
    {
        std::uint32_t const bytes = static_cast<std::uint32_t>(block[at]) | (block[at + 1] << 8) |
                                    (block[at + 2] << 16) | (static_cast<std::uint32_t>(block[at + 3]) << 24);
        at += 4;
        if (bytes % 2 != 0 || bytes > size - at)
            break;
        std::wstring text(bytes / 2, L'\0');
        for (std::size_t i = 0; i < text.size(); ++i, at += 2)
            text[i] = static_cast<wchar_t>(block[at] | (block[at + 1] << 8));
        texts.push_back(std::move(text));
    }
    return texts;
}
} // namespace lumo
