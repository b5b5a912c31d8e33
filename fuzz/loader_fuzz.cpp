// Feeds arbitrary bytes to the catalogue loader as the two data files and checks what
// every caller relies on. Input: ship kinds file, the line "====", material file; an
// input without that separator is used as both files, so names meet their own lines.
#include "shipdata/Cshipdatamanagemer.h"
#include "toolkit/MessageBox.h"
#include "toolkit/TextFile.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr std::string_view Separator = "\n====\n";

// Above this many lines the quadratic cross-checks look at a sample of the records only.
constexpr int FullCheckLimit = 300;

[[noreturn]] void Fail(const char* what, int index = -1)
{
    std::fprintf(stderr, "loader_fuzz: %s (record %d)\n", what, index);
    std::abort();
}

void Check(bool ok, const char* what, int index = -1)
{
    if (!ok)
        Fail(what, index);
}

// One private folder for the whole run, removed at exit.
struct Folder {
    fs::path Root;
    std::string Ships, Materials;

    Folder()
    {
        std::error_code ec;
        const fs::path base = fs::is_directory("/dev/shm", ec) ? fs::path("/dev/shm") : fs::temp_directory_path();
        Root = base / ("shipplanner-fuzz-" + std::to_string(::getpid()));
        fs::create_directories(Root);
        Ships = (Root / "ship_varietion.csv").string();
        Materials = (Root / "ship_material.csv").string();
        // Every file we hand over is readable, so any message is a fault.
        toolkit::SetMessageSink([](const std::string&) { Fail("a readable file was reported as unreadable"); });
    }
    ~Folder()
    {
        std::error_code ec;
        fs::remove_all(Root, ec);
    }
};

void WriteFile(const std::string& path, std::string_view bytes)
{
    std::FILE* f = std::fopen(path.c_str(), "wb");
    Check(f != nullptr, "cannot write the temporary file");
    if (!bytes.empty())
        Check(std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size(), "short write");
    std::fclose(f);
}

std::string_view ColumnZero(std::string_view line)
{
    return line.substr(0, std::min(line.find(','), line.size()));
}

std::string_view EntriesOf(std::string_view line)
{
    const auto comma = line.find(',');
    return comma == std::string_view::npos ? line : line.substr(comma + 1);
}

bool SameFigures(const CShipDataElement& a, const CShipDataElement& b)
{
    for (int m = 0; m < MaterialCount; ++m) {
        const MaterialSlot &x = a.Materials[m], &y = b.Materials[m];
        if (x.LSail != y.LSail || x.SSail != y.SSail || x.Strength != y.Strength)
            return false;
    }
    return true;
}

// The plain scan: the name at a place of the line where a code page 932 character starts.
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

// A record takes its figures from the first line whose column 0 is its name, or else
// from the first line holding the name where a character starts.
void CheckMaterialFigures(const CShipDataElement& e, std::string_view shipLine,
                          const std::vector<std::string>& materialLines, int index)
{
    const std::string* exact = nullptr;
    const std::string* containing = nullptr;
    if (!e.Name.empty()) {
        for (const std::string& line : materialLines) {
            if (!exact && ColumnZero(line) == e.Name)
                exact = &line;
            if (!containing && ContainsAtCharacterStart(line, e.Name))
                containing = &line;
            if (exact && containing)
                break;
        }
    }
    const std::string* taken = exact != nullptr ? exact : containing;
    if (taken == nullptr) {
        const CShipDataElement none(shipLine, nullptr);
        Check(SameFigures(e, none), "a ship without a material line has figures", index);
        return;
    }
    const std::string_view entries = EntriesOf(*taken);
    Check(SameFigures(e, CShipDataElement(shipLine, &entries)), "figures are not the material line's", index);
}

void CheckFind(const CShipDataManager& m, const std::string& name, int knownIndex)
{
    const CShipDataElement* found = m.FindElement(name);
    int first = -1;
    for (int i = 0; i < m.GetCount() && first < 0; ++i)
        if (m.GetElement(i)->Name == name)
            first = i;
    Check(found == (first < 0 ? nullptr : m.GetElement(first)), "FindElement missed the first record of a name",
          knownIndex);
    Check(knownIndex < 0 || first >= 0, "FindElement lost a record", knownIndex);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Folder folder;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::string_view ships = input, materials = input;
    if (const auto at = input.find(Separator); at != std::string_view::npos) {
        ships = input.substr(0, at);
        materials = input.substr(at + Separator.size());
    }
    WriteFile(folder.Ships, ships);
    WriteFile(folder.Materials, materials);

    const CShipDataManager m(folder.Ships, folder.Materials);

    const std::vector<std::string> shipLines = toolkit::SplitLines(ships);
    const std::vector<std::string> materialLines = toolkit::SplitLines(materials);
    const std::size_t taken = std::min(shipLines.size(), materialLines.size());
    const int count = m.GetCount();
    Check(count == (taken > 1 ? static_cast<int>(taken - 1) : 0), "wrong number of records");

    for (int bad : {-1, count, count + 1, INT_MIN, INT_MAX})
        Check(m.GetElement(bad) == nullptr, "GetElement answered an index out of range", bad);

    // Records beyond the limit are checked at a stride, keeping each run near linear.
    const int stride = count <= FullCheckLimit ? 1 : count / FullCheckLimit + 1;
    for (int i = 0; i < count; ++i) {
        const CShipDataElement* e = m.GetElement(i);
        Check(e != nullptr, "GetElement gave null inside the catalogue", i);
        const std::string& line = shipLines[static_cast<std::size_t>(i) + 1];
        Check(e->Name == ColumnZero(line), "name is not column 0 of its line", i);
        for (int k = 0; k < MaterialCount; ++k) {
            Check(e->Materials[k].Filled, "slot not filled", i);
            Check(std::memcmp(&e->Materials[k].PriceFactor, &MaterialPriceFactors[k], sizeof(double)) == 0,
                  "slot with a wrong price factor", i);
        }
        if (i % stride == 0 || i == count - 1) {
            CheckMaterialFigures(*e, line, materialLines, i);
            CheckFind(m, e->Name, i);
            const CShipDataElement copy(*e);
            Check(copy.Name == e->Name && SameFigures(copy, *e), "a copy differs", i);
        }
    }

    CheckFind(m, "", -1);
    // A name cut from the input, at a place and of a length its first bytes choose.
    if (size >= 2) {
        const std::size_t from = data[0] % size;
        const std::size_t length = std::min<std::size_t>(data[1] % 24, size - from);
        CheckFind(m, std::string(input.substr(from, length)), -1);
    }
    return 0;
}
