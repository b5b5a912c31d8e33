#pragma once
// The two data files as fuzz targets see them, and the few plain rules of the material
// file that their cross-checks restate on purpose.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace testsupport {

// A fuzz input is the ship kinds file, the line "====", the material file; an input
// without that separator is used as both files, so that names meet their own lines.
std::pair<std::string_view, std::string_view> SplitFuzzInput(std::string_view input);

// A private folder for a whole fuzz run (in memory where /dev/shm exists), removed at exit.
class FuzzFiles {
public:
    explicit FuzzFiles(const std::string& tag);
    ~FuzzFiles();
    FuzzFiles(const FuzzFiles&) = delete;
    FuzzFiles& operator=(const FuzzFiles&) = delete;
    // Writes both files; aborts when it cannot.
    void Write(std::string_view ships, std::string_view materials) const;

    std::string Ships, Materials;

private:
    std::filesystem::path Root;
};

// Column 0 of a line, and everything after its first comma (the whole line without one).
std::string_view ColumnZero(std::string_view line);
std::string_view EntriesOf(std::string_view line);

// Whether the line holds the name at a place where a code page 932 character starts.
bool ContainsAtCharacterStart(std::string_view line, std::string_view name);

// The material line a ship takes its figures from, by a plain scan: the first whose
// column 0 is the name, else the first holding it where a character starts; none for
// an empty name.
std::optional<std::size_t> MaterialLineOf(const std::vector<std::string>& lines, std::string_view name);

} // namespace testsupport
