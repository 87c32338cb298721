// The list grid's clipboard format.
//
// Plain text (format 13) carries the first copied text. When two or more texts are copied, the private
// format 512 carries them all: for each, a 32-bit little-endian byte length (two bytes a UTF-16 unit, no
// terminator) and then its units. Reading prefers the private block.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace lumo
{
constexpr unsigned kGridPrivateFormat = 512;

// The private block for texts; empty when fewer than two texts are copied.
std::vector<std::uint8_t> EncodeGridTexts(std::vector<std::wstring> const& texts);

// The texts of a private block, stopping at a record that would run past the block's end (a record with an
// odd length ends the block too). What comes back is never longer than the block.
std::vector<std::wstring> DecodeGridTexts(std::uint8_t const* block, std::size_t size);
} // namespace lumo
