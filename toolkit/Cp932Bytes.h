#pragma once
// Code page 932's byte classes, for code that walks its texts byte by byte.
#include <cstddef>
#include <string_view>

namespace toolkit {

// A byte that takes the next one with it (0x81-0x9F, 0xE0-0xFC).
constexpr bool IsCp932LeadByte(unsigned char b)
{
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// A byte that may follow a lead byte in a two-byte character.
constexpr bool IsCp932TrailByte(unsigned char b)
{
    return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC);
}

// Walks the bytes a character at a time by those classes: `character(start, length)` for a byte
// standing alone or a lead byte with its trail byte, `bad(start)` for a lead byte at the very end
// or before a byte that cannot follow it.
template <class Character, class Bad>
void ForEachCp932Character(std::string_view bytes, Character character, Bad bad)
{
    for (std::size_t i = 0; i < bytes.size();) {
        if (!IsCp932LeadByte(static_cast<unsigned char>(bytes[i]))) {
            character(i, 1);
            ++i;
        } else if (i + 1 < bytes.size() && IsCp932TrailByte(static_cast<unsigned char>(bytes[i + 1]))) {
            character(i, 2);
            i += 2;
        } else {
            bad(i);
            ++i;
        }
    }
}

} // namespace toolkit
