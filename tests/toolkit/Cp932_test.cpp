#include "support/Cp932Sequences.h"
#include "toolkit/Cp932.h"

#include <gtest/gtest.h>

// A bad byte shows as U+FFFD, at the very end too: "A" and "A\x81" are different names.
TEST(Cp932Test, ShowsBadBytes)
{
    EXPECT_EQ(toolkit::FromCp932("A\x81"), QStringLiteral("A\uFFFD"));
    EXPECT_EQ(toolkit::FromCp932("Bad\x81\x20x"), QStringLiteral("Bad\uFFFD x"));
    EXPECT_EQ(toolkit::FromCp932("\x83\x4a\x83"), QStringLiteral("カ\uFFFD"));
    EXPECT_EQ(toolkit::FromCp932("A\x83\x4a"), QStringLiteral("Aカ"));
}

// Decoding marks a bad byte, and only a bad byte, and the check judges each text alone: over
// every sequence, in an order where valid texts follow bad ones. No invisible control
// character stands for a bad byte.
TEST(Cp932Test, ShowsWhatItJudgesBad)
{
    int unmarked = 0;
    for (uint32_t i = 0; i < testsupport::Cp932SequenceCount; ++i) {
        const std::string bytes = testsupport::Cp932Sequence(i);
        const QString text = toolkit::FromCp932(bytes);
        const bool invisible = text.contains(QChar(0x1A)) && bytes.find_first_of("\x1A\x1C\x7F") == std::string::npos;
        if ((text.contains(QChar::ReplacementCharacter) == toolkit::IsCp932(bytes) || invisible) && ++unmarked <= 20)
            ADD_FAILURE() << "bytes " << testing::PrintToString(bytes) << " show as " << text.toStdString();
    }
}

// The core's own decoder, which copies of builds and the page use, shows every sequence as the
// widgets do.
TEST(Cp932Test, CoreDecoderShowsWhatWidgetsShow)
{
    int differ = 0;
    for (uint32_t i = 0; i < testsupport::Cp932SequenceCount; ++i) {
        const std::string bytes = testsupport::Cp932Sequence(i);
        if (toolkit::Cp932ToUtf16(bytes) != toolkit::FromCp932(bytes).toStdU16String() && ++differ <= 20)
            ADD_FAILURE() << "bytes " << testing::PrintToString(bytes);
    }
    const std::string utf8 = "\xE8\x88\xB9 \xF0\x9F\x9A\xA2 ~";
    EXPECT_EQ(toolkit::Utf16ToUtf8(toolkit::Utf8ToUtf16(utf8)), utf8);
    EXPECT_EQ(toolkit::Utf8ToUtf16("a\xFF\xE3\x81"), u"a\xFFFD\xFFFD");
}
