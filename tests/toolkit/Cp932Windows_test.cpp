// The system's code page 932 decoder against what the Linux decoder (ICU, through Qt) makes
// of every one- and two-byte sequence, and of every pair before a letter; the reference file
// comes from cp932_reference.
#include "support/Cp932Sequences.h"
#include "toolkit/Cp932Bytes.h"
#include "toolkit/Cp932Windows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

namespace {

// Single bytes that each system's own table reads in its own way: ICU's swaps the controls
// 0x1A, 0x1C and 0x7F and has no character 0x80; Windows' reads them as themselves.
constexpr unsigned char OwnReadings[] = {0x1A, 0x1C, 0x7F, 0x80};

bool StartsACharacterWithOwnReading(const std::string& bytes)
{
    for (std::size_t i = 0; i < bytes.size();) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (std::find(std::begin(OwnReadings), std::end(OwnReadings), b) != std::end(OwnReadings))
            return true;
        const bool pair = toolkit::IsCp932LeadByte(b) && i + 1 < bytes.size() &&
                          toolkit::IsCp932TrailByte(static_cast<unsigned char>(bytes[i + 1]));
        i += pair ? 2 : 1;
    }
    return false;
}

} // namespace

TEST(Cp932WindowsTest, DecodesEverySequenceAsLinuxDoes)
{
    const std::vector<testsupport::Cp932Record> linux = testsupport::ReadRecords(SHIPPLANNER_CP932_REFERENCE);
    ASSERT_EQ(linux.size(), testsupport::Cp932SequenceCount) << "no reference " << SHIPPLANNER_CP932_REFERENCE;
    uint32_t differences = 0, unexplained = 0, unmarked = 0;
    for (uint32_t i = 0; i < testsupport::Cp932SequenceCount; ++i) {
        const std::string bytes = testsupport::Cp932Sequence(i);
        const std::u16string text = toolkit::DecodeCp932(bytes);
        // A bad byte shows, and only a bad byte, whatever was judged before.
        if ((text.find(u'\xFFFD') != std::u16string::npos) == toolkit::IsValidCp932(bytes) && ++unmarked <= 20)
            ADD_FAILURE() << "bytes " << testing::PrintToString(bytes) << " are judged apart from how they show";
        if (testsupport::ToRecord(text) == linux[i])
            continue;
        ++differences;
        if (!StartsACharacterWithOwnReading(bytes) && ++unexplained <= 20)
            ADD_FAILURE() << "bytes " << testing::PrintToString(bytes) << " decode differently";
    }
    std::printf("%u of %u sequences decode differently, all of them holding one of the %zu single bytes "
                "that the two read each in its own way\n",
                differences, testsupport::Cp932SequenceCount, std::size(OwnReadings));
    EXPECT_EQ(unexplained, 0u);
}

TEST(Cp932WindowsTest, EncodesWhatItDecodes)
{
    const std::string text = "A\x83\x4a\x81\x5b\x93\x53"; // "Aカー鉄"
    EXPECT_EQ(toolkit::EncodeCp932(toolkit::DecodeCp932(text)), text);
}
