// Writes what the Linux decoder makes of every one- and two-byte sequence, for the Windows
// leg to compare its own decoder with. Usage: cp932_reference FILE
#include "support/Cp932Sequences.h"
#include "toolkit/Cp932.h"

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    std::vector<testsupport::Cp932Record> records;
    for (uint32_t i = 0; i < testsupport::Cp932SequenceCount; ++i)
        records.push_back(testsupport::ToRecord(toolkit::FromCp932(testsupport::Cp932Sequence(i)).toStdU16String()));
    std::FILE* out = std::fopen(argv[1], "wb");
    const bool written = out != nullptr && std::fwrite(records.data(), sizeof records[0], records.size(), out) == records.size();
    return out != nullptr && std::fclose(out) == 0 && written ? 0 : 1;
}
