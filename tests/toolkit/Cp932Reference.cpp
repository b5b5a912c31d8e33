// Writes what the Linux decoder makes of every one- and two-byte sequence, for the Windows
// leg to compare its own decoder with; with --table, the core's decoding table as C++.
// Usage: cp932_reference FILE | cp932_reference --table FILE
#include "support/Cp932Sequences.h"
#include "toolkit/Cp932.h"
#include "toolkit/Cp932Bytes.h"

#include <cstring>

namespace {

// One UTF-16 unit per single byte and per lead and trail pair: the decoder never gives more.
bool WriteTable(std::FILE* out)
{
    const auto unit = [](const std::string& bytes, char16_t& u) {
        const QString text = toolkit::FromCp932(bytes);
        u = text.size() == 1 ? text.at(0).unicode() : 0;
        return text.size() == 1;
    };
    bool whole = true;
    char16_t u = 0;
    std::fprintf(out, "// Made by tests/toolkit/Cp932Reference.cpp (cp932_reference --table) from the Linux decoder.\n"
                      "constexpr unsigned char Cp932FirstTrail = 0x40;\n"
                      "constexpr char16_t Cp932Singles[256] = {");
    for (int b = 0; b < 256; ++b) {
        whole &= toolkit::IsCp932LeadByte(static_cast<unsigned char>(b)) || unit(std::string(1, char(b)), u);
        std::fprintf(out, "%s0x%04X,", b % 16 ? "" : "\n    ", toolkit::IsCp932LeadByte(static_cast<unsigned char>(b)) ? 0xFFFD : unsigned(u));
    }
    std::fprintf(out, "\n};\nconstexpr char16_t Cp932Pairs[60][0xFD - 0x40] = {");
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (!toolkit::IsCp932LeadByte(static_cast<unsigned char>(lead)))
            continue;
        std::fprintf(out, "\n    {");
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            const bool pair = toolkit::IsCp932TrailByte(static_cast<unsigned char>(trail));
            if (pair)
                whole &= unit({char(lead), char(trail)}, u);
            std::fprintf(out, "%s0x%04X,", (trail - 0x40) % 16 ? "" : "\n     ", pair ? unsigned(u) : 0xFFFDu);
        }
        std::fprintf(out, "},");
    }
    std::fprintf(out, "\n};\n");
    return whole;
}

} // namespace

int main(int argc, char** argv)
{
    const bool table = argc == 3 && std::strcmp(argv[1], "--table") == 0;
    if (argc != 2 && !table)
        return 2;
    std::FILE* out = std::fopen(argv[argc - 1], "wb");
    if (out == nullptr)
        return 1;
    bool written = true;
    if (table) {
        written = WriteTable(out);
    } else {
        std::vector<testsupport::Cp932Record> records;
        for (uint32_t i = 0; i < testsupport::Cp932SequenceCount; ++i)
            records.push_back(
                testsupport::ToRecord(toolkit::FromCp932(testsupport::Cp932Sequence(i)).toStdU16String()));
        written = std::fwrite(records.data(), sizeof records[0], records.size(), out) == records.size();
    }
    return std::fclose(out) == 0 && written ? 0 : 1;
}
