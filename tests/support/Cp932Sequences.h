#pragma once
// Every one- and two-byte sequence, in one order, and the file format of their decodings:
// for each, the number of UTF-16 units, then the units, all little-endian.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace testsupport {

inline constexpr uint32_t Cp932SequenceCount = 256 + 65536;

inline std::string Cp932Sequence(uint32_t i)
{
    if (i < 256)
        return std::string(1, static_cast<char>(i));
    return {static_cast<char>((i - 256) >> 8), static_cast<char>((i - 256) & 0xFF)};
}

inline void WriteUnits(std::FILE* out, const char16_t* units, uint32_t count)
{
    const auto put16 = [&](uint32_t v) {
        std::fputc(static_cast<int>(v & 0xFF), out);
        std::fputc(static_cast<int>(v >> 8 & 0xFF), out);
    };
    put16(count & 0xFFFF);
    put16(count >> 16);
    for (uint32_t k = 0; k < count; ++k)
        put16(units[k]);
}

// Reads the decodings back; empty when the file is missing or cut short.
inline std::vector<std::u16string> ReadUnits(const char* path)
{
    std::vector<std::u16string> texts;
    std::FILE* in = std::fopen(path, "rb");
    if (in == nullptr)
        return texts;
    const auto get16 = [&](uint32_t& v) {
        const int lo = std::fgetc(in), hi = std::fgetc(in);
        v = static_cast<uint32_t>(lo) | static_cast<uint32_t>(hi) << 8;
        return lo != EOF && hi != EOF;
    };
    for (uint32_t i = 0, lo = 0, hi = 0; i < Cp932SequenceCount && get16(lo) && get16(hi); ++i) {
        std::u16string text(lo | hi << 16, u'\0');
        for (char16_t& unit : text) {
            uint32_t v = 0;
            if (!get16(v))
                break;
            unit = static_cast<char16_t>(v);
        }
        texts.push_back(std::move(text));
    }
    std::fclose(in);
    if (texts.size() != Cp932SequenceCount)
        texts.clear();
    return texts;
}

} // namespace testsupport
