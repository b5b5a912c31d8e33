// Writes what the Linux decoder makes of every one- and two-byte sequence, for the Windows
// leg to compare its own decoder with. Usage: cp932_reference FILE
#include "support/Cp932Sequences.h"
#include "toolkit/Cp932.h"

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    std::FILE* out = std::fopen(argv[1], "wb");
    if (out == nullptr)
        return 1;
    for (uint32_t i = 0; i < testsupport::Cp932SequenceCount; ++i) {
        const QString text = toolkit::FromCp932(testsupport::Cp932Sequence(i));
        const std::u16string units = text.toStdU16String();
        testsupport::WriteUnits(out, units.data(), static_cast<uint32_t>(units.size()));
    }
    return std::fclose(out) == 0 ? 0 : 1;
}
