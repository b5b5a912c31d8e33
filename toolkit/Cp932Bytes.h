#pragma once
// Code page 932's byte classes, for code that walks its texts byte by byte.

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

} // namespace toolkit
