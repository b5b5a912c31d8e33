#include "support/DataFiles.h"

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace fs = std::filesystem;

namespace testsupport {

std::pair<std::string_view, std::string_view> SplitFuzzInput(std::string_view input)
{
    constexpr std::string_view separator = "\n====\n";
    const auto at = input.find(separator);
    if (at == std::string_view::npos)
        return {input, input};
    return {input.substr(0, at), input.substr(at + separator.size())};
}

FuzzFiles::FuzzFiles(const std::string& tag)
{
    std::error_code ec;
    const fs::path base = fs::is_directory("/dev/shm", ec) ? fs::path("/dev/shm") : fs::temp_directory_path();
    Root = base / ("shipplanner-" + tag + "-" + std::to_string(::getpid()));
    fs::create_directories(Root);
    Ships = (Root / "ship_varietion.csv").string();
    Materials = (Root / "ship_material.csv").string();
}

FuzzFiles::~FuzzFiles()
{
    std::error_code ec;
    fs::remove_all(Root, ec);
}

void FuzzFiles::Write(std::string_view ships, std::string_view materials) const
{
    for (const auto& [path, bytes] : {std::pair{&Ships, ships}, std::pair{&Materials, materials}}) {
        std::FILE* f = std::fopen(path->c_str(), "wb");
        if (f == nullptr || (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size())) {
            std::fprintf(stderr, "cannot write %s\n", path->c_str());
            std::abort();
        }
        std::fclose(f);
    }
}

std::string_view ColumnZero(std::string_view line)
{
    return line.substr(0, line.find(','));
}

std::string_view EntriesOf(std::string_view line)
{
    const auto comma = line.find(',');
    return comma == std::string_view::npos ? line : line.substr(comma + 1);
}

bool ContainsAtCharacterStart(std::string_view line, std::string_view name)
{
    for (std::size_t i = 0; i + name.size() <= line.size();) {
        if (line.substr(i, name.size()) == name)
            return true;
        const auto b = static_cast<unsigned char>(line[i]);
        i += (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC) ? 2 : 1;
    }
    return false;
}

std::optional<std::size_t> MaterialLineOf(const std::vector<std::string>& lines, std::string_view name)
{
    if (name.empty())
        return std::nullopt;
    std::optional<std::size_t> containing;
    for (std::size_t j = 0; j < lines.size(); ++j) {
        if (ColumnZero(lines[j]) == name)
            return j;
        if (!containing && ContainsAtCharacterStart(lines[j], name))
            containing = j;
    }
    return containing;
}

} // namespace testsupport
