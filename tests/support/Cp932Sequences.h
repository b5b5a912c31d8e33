#pragma once
// Every one- and two-byte sequence, then every two-byte sequence followed by "x" (whatever a
// bad pair does, the letter after it must come out), in one order, and the file their
// decodings are kept in: one record of four UTF-16 units each, the count first (a sequence
// decodes to three at most).
#include <array>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace testsupport {

inline constexpr uint32_t Cp932SequenceCount = 256 + 2 * 65536;
using Cp932Record = std::array<char16_t, 4>;

inline std::string Cp932Sequence(uint32_t i)
{
    if (i < 256)
        return std::string(1, static_cast<char>(i));
    const uint32_t pair = (i - 256) & 0xFFFF;
    std::string bytes{static_cast<char>(pair >> 8), static_cast<char>(pair & 0xFF)};
    if (i >= 256 + 65536)
        bytes += 'x';
    return bytes;
}

inline Cp932Record ToRecord(const std::u16string& text)
{
    Cp932Record r{static_cast<char16_t>(text.size()), 0, 0, 0};
    for (std::size_t k = 0; k < text.size() && k < 3; ++k)
        r[k + 1] = text[k];
    return r;
}

// Every record, or none when the file is missing or cut short.
inline std::vector<Cp932Record> ReadRecords(const char* path)
{
    std::vector<Cp932Record> records(Cp932SequenceCount);
    std::FILE* in = std::fopen(path, "rb");
    const bool whole = in != nullptr && std::fread(records.data(), sizeof(Cp932Record), records.size(), in) == records.size();
    if (in != nullptr)
        std::fclose(in);
    return whole ? records : std::vector<Cp932Record>{};
}

} // namespace testsupport
