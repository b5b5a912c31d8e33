// One small pair of files per finding: the checker names the right place with the right ID
// ("PATH:LINE:COLUMN ID", a note as "... note"), and its message mentions what the row says.
#include "checker/Checker.h"

#include "support/Records.h"
#include "support/RowName.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace {

std::string File(std::initializer_list<std::string> lines)
{
    std::string text = "h\r\n";
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

std::string Ship(const std::string& name, const testsupport::Columns& columns = {})
{
    return testsupport::ShipLine(name, columns, "1");
}

std::string Entries(int count, const std::string& entry = "1/2/3")
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += ',' + entry;
    return text;
}

std::string Material(const std::string& name)
{
    return name + Entries(11);
}

struct Row {
    std::string name;
    std::string ships, materials; // no ship file at all when empty
    std::vector<std::string> expected;
    std::string mentions;
};

class CheckerTable : public testing::TestWithParam<Row> {};

TEST_P(CheckerTable, ReportsThePlace)
{
    const Row& row = GetParam();
    TempDir dir;
    if (!row.ships.empty())
        dir.write("S", row.ships);
    dir.write("M", row.materials);
    const WorkingDirectory in(dir.path());

    const checker::Report report = checker::Check("S", "M");
    std::vector<std::string> lines;
    std::string output;
    const auto place = [](const auto& p) {
        return p.Path + ':' + std::to_string(p.Line) + ':' + std::to_string(p.Column);
    };
    for (const checker::Finding& f : report.Findings) {
        lines.push_back(place(f) + ' ' + f.Id);
        for (const checker::Note& n : f.Notes)
            lines.push_back(place(n) + " note");
        output += checker::Format(f);
    }
    for (const auto& [path, message] : report.Unreadable) {
        lines.push_back(path + " unreadable");
        output += checker::FormatUnreadable(path, message);
    }
    EXPECT_EQ(lines, row.expected) << output;
    EXPECT_NE(output.find(row.mentions), std::string::npos) << output;
}

const std::string A = Ship("A");

INSTANTIATE_TEST_SUITE_P(
    Findings, CheckerTable,
    testing::Values(
        Row{"bad_number", File({Ship("A", {{1, "12 "}})}), File({"A,1/2 /3" + Entries(10)}),
            {"S:2:3 bad-number", "M:2:5 bad-number"}, "\"2 \""},
        Row{"valid_minus_one_is_no_bad_number", File({Ship("A", {{1, " -1"}, {2, "0xFFFFFFFF"}})}),
            File({"A,-1/-1/-1" + Entries(10)}), {}, ""},
        Row{"missing_columns", File({"A,1,1"}), File({Material("A")}), {"S:2:6 missing-columns"}, "columns 3 to 29"},
        Row{"extra_columns", File({A + ",9,9"}), File({Material("A")}), {"S:2:61 extra-columns"}, "30"},
        Row{"not_loaded", File({A, Ship("B"), Ship("C")}), File({Material("A")}), {"S:3:1 not-loaded"},
            "the 1 after it"},
        Row{"no_material_line", File({A}), File({Material("B")}),
            {"S:2:1 no-material-line", "M:2:1 unused-material-line"}, "\"A\""},
        Row{"partial_match", File({A}), File({Material("XAY")}), {"S:2:1 partial-match", "M:2:1 note"},
            "material line 2"},
        Row{"duplicate_name", File({A, A}), File({Material("A"), Material("B")}),
            {"S:3:1 duplicate-name", "S:2:1 note", "M:3:1 unused-material-line"}, "line 2"},
        Row{"empty_name", File({"", A}), File({Material("A"), Material("B")}),
            {"S:2:1 empty-name", "M:3:1 unused-material-line"}, "empty"},
        Row{"too_few_entries", File({A}), File({"A" + Entries(2)}), {"M:2:14 entry-count"}, "materials 2 to 10"},
        Row{"too_many_entries", File({A}), File({Material("A") + ",4/5/6"}), {"M:2:69 entry-count"}, "11"},
        Row{"entry_shape", File({A}), File({"A" + Entries(5) + ",247" + Entries(5)}), {"M:2:33 entry-shape"},
            "\"//247\""},
        Row{"default_material", File({Ship("A", {{25, "12"}})}), File({Material("A")}),
            {"S:2:51 default-material"}, "12"},
        Row{"unused_material_line", File({A}), File({Material("A"), Material("Z")}), {"M:3:1 unused-material-line"},
            "\"Z\""},
        Row{"encoding", File({Ship("A\x85\x40")}), File({Material("A\x85\x40")}), {"S:2:1 encoding"},
            "A\xef\xbf\xbd"},
        Row{"encoding_judged_per_name",
            File({Ship("Alpha"), Ship("Bad\x81\x20x"), Ship(testsupport::Sjis("キャラック"))}),
            File({Material("Alpha"), Material("Bad\x81\x20x"), Material(testsupport::Sjis("キャラック"))}),
            {"S:3:1 encoding"}, "\"Bad\xef\xbf\xbd x\""},
        Row{"nul_byte", "h\r\n" + A + std::string("\0,x\r\n", 5), File({Material("A")}), {"S:2:60 nul-byte"},
            "(5 bytes)"},
        Row{"unreadable", "", File({Material("A")}), {"S unreadable"}, "cannot be read"}),
    testsupport::RowName{});

} // namespace
