#include "toolkit/TextFile.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

using Lines = std::vector<std::string>;
using namespace std::string_literals;

namespace {

// Files that are no regular file and would block or never end if read plainly: a FIFO and
// /dev/zero, or Windows' null device.
std::vector<std::string> SpecialFiles(const TempDir& dir)
{
#ifdef _WIN32
    (void)dir;
    return {"NUL"};
#elif defined(__EMSCRIPTEN__)
    (void)dir;
    return {"/dev/zero"}; // Node's file system, under the WebAssembly build, makes no FIFOs
#else
    const auto fifo = (dir.path() / "fifo").string();
    EXPECT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    return {fifo, "/dev/zero"};
#endif
}

} // namespace

struct SplitCase {
    const char* name;
    std::string text;
    Lines lines;
};

class SplitLinesTest : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitLinesTest, FollowsTheLineRules)
{
    EXPECT_EQ(toolkit::SplitLines(GetParam().text), GetParam().lines);
}

TEST_P(SplitLinesTest, ViewsFollowTheSameRules)
{
    const std::string& text = GetParam().text;
    const std::vector<std::string_view> views = toolkit::SplitLineViews(text);
    EXPECT_EQ(Lines(views.begin(), views.end()), GetParam().lines);
    for (const std::string_view line : views) {
        EXPECT_GE(line.data(), text.data());
        EXPECT_LE(line.data() + line.size(), text.data() + text.size());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, SplitLinesTest,
    testing::Values(
        SplitCase{"Empty", "", {}},
        SplitCase{"NoBreakAtEnd", "a", {"a"}},
        SplitCase{"FinalLfAddsNoLine", "a\nb\n", {"a", "b"}},
        SplitCase{"CrLf", "a\r\nb\r\n", {"a", "b"}},
        SplitCase{"LoneCr", "a\rb\r", {"a", "b"}},
        SplitCase{"MixedEndings", "a\r\nb\nc\rd", {"a", "b", "c", "d"}},
        SplitCase{"EmptyLinesKept", "a\n\n\nb", {"a", "", "", "b"}},
        SplitCase{"OnlyBreak", "\n", {""}},
        SplitCase{"CrCrLfIsTwoBreaks", "a\r\r\nb", {"a", "", "b"}},
        SplitCase{"LfCrIsTwoBreaks", "a\n\rb", {"a", "", "b"}},
        SplitCase{"NulEndsText", "a\nb\0c\nd"s, {"a", "b"}},
        SplitCase{"NulAtStart", "\0abc"s, {}},
        SplitCase{"BytesKept", "\x82\xa0\xff\x80,\t \n", {"\x82\xa0\xff\x80,\t "}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadTextFileLines, ReadsARegularFile)
{
    TempDir dir;
    const auto path = dir.write("f.csv", "h\r\nx,1\r\n");
    Lines lines{"stale"};
    ASSERT_TRUE(toolkit::ReadTextFileLines(path, lines));
    EXPECT_EQ(lines, (Lines{"h", "x,1"}));
}

TEST(ReadTextFileLines, ReportsWhatCannotBeRead)
{
    TempDir dir;
    std::filesystem::create_directory(dir.path() / "folder");
    std::vector<std::string> unreadable = SpecialFiles(dir);
    unreadable.insert(unreadable.end(), {(dir.path() / "missing.csv").string(), (dir.path() / "folder").string(), ""});
    for (const auto& path : unreadable) {
        Lines lines{"stale"};
        EXPECT_FALSE(toolkit::ReadTextFileLines(path, lines)) << path;
        EXPECT_TRUE(lines.empty()) << path;
    }
}

TEST(ReadTextFileLines, RefusesFilesOverTheSizeLimit)
{
    TempDir dir;
    const auto path = dir.write("big.csv", "");
    std::filesystem::resize_file(path, toolkit::MaxTextFileSize + 1);
    Lines lines;
    EXPECT_FALSE(toolkit::ReadTextFileLines(path, lines));

    std::filesystem::resize_file(path, 3);
    EXPECT_TRUE(toolkit::ReadTextFileLines(path, lines));
}

#ifndef _WIN32
TEST(ReadTextFileLines, ReportsAFileWithoutReadPermission)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root reads every file";
    TempDir dir;
    const auto path = dir.write("locked.csv", "x\n");
    ::chmod(path.c_str(), 0);
    Lines lines;
    EXPECT_FALSE(toolkit::ReadTextFileLines(path, lines));
}
#endif

TEST(ReadTextFileLineViews, AgreesWithReadTextFileLines)
{
    TempDir dir;
    const auto big = dir.write("big.csv", "");
    std::filesystem::resize_file(big, toolkit::MaxTextFileSize + 1);

    std::vector<std::string> paths = SpecialFiles(dir);
    paths.insert(paths.end(), {
        dir.write("mixed.csv", "h\r\na,1\rb,2\n\nc"),
        dir.write("nul.csv", "h\nx\0y\n"s),
        dir.write("empty.csv", ""),
        dir.write("short.csv", "ab"), // fits in the string itself: views must still point into it
        (dir.path() / "missing.csv").string(),
        dir.path().string(),
        big,
    });
    for (const auto& path : paths) {
        Lines expected{"stale"};
        const bool read = toolkit::ReadTextFileLines(path, expected);
        std::string bytes = "stale";
        std::vector<std::string_view> views{"stale"};
        EXPECT_EQ(toolkit::ReadTextFileLineViews(path, bytes, views), read) << path;
        EXPECT_EQ(Lines(views.begin(), views.end()), expected) << path;
        for (const std::string_view line : views)
            EXPECT_TRUE(line.data() >= bytes.data() && line.data() + line.size() <= bytes.data() + bytes.size()) << path;
        if (!read) {
            EXPECT_TRUE(bytes.empty()) << path;
        }
    }
}
