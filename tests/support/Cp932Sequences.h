#pragma once
// Every one- and two-byte sequence, in one order, and the file their decodings are kept in:
// one record of three UTF-16 units each, the count first (a sequence decodes to two at most).
#include <array>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace testsupport {

inline constexpr uint32_t Cp932SequenceCount = 256 + 65536;
using Cp932Record = std::array<char16_t, 3>;

inline std::string Cp932Sequence(uint32_t i)
{
    if (i < 256)
        return std::string(1, static_cast<char>(i));
    return {static_cast<char>((i - 256) >> 8), static_cast<char>((i - 256) & 0xFF)};
}

inline Cp932Record ToRecord(const std::u16string& text)
{
    Cp932Record r{static_cast<char16_t>(text.size()), 0, 0};
    for (std::size_t k = 0; k < text.size() && k < 2; ++k)
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
