#include "toolkit/Cp932.h"

#include <gtest/gtest.h>

// A lead byte at the very end is shown, not dropped: "A" and "A\x81" are different names.
TEST(Cp932Test, ShowsALeadByteAtTheEnd)
{
    EXPECT_EQ(toolkit::FromCp932("A\x81"), QStringLiteral("A\uFFFD"));
    EXPECT_EQ(toolkit::FromCp932("\x83\x4a\x83"), QStringLiteral("カ\uFFFD"));
    EXPECT_EQ(toolkit::FromCp932("A\x83\x4a"), QStringLiteral("Aカ"));
}
