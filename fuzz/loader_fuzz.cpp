// Feeds arbitrary bytes to the catalogue loader as the two data files and checks what
// every caller relies on. Input: ship kinds file, the line "====", material file; an
// input without that separator is used as both files, so names meet their own lines.
#include "shipdata/Cshipdatamanagemer.h"
#include "support/DataFiles.h"
#include "toolkit/MessageBox.h"
#include "toolkit/TextFile.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace {

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

using testsupport::ColumnZero;
using testsupport::EntriesOf;

bool SameFigures(const CShipDataElement& a, const CShipDataElement& b)
{
    for (int m = 0; m < MaterialCount; ++m) {
        const MaterialSlot &x = a.Materials[m], &y = b.Materials[m];
        if (x.LSail != y.LSail || x.SSail != y.SSail || x.Strength != y.Strength)
            return false;
    }
    return true;
}

// A record takes its figures from the first line whose column 0 is its name, or else
// from the first line holding the name where a character starts.
void CheckMaterialFigures(const CShipDataElement& e, std::string_view shipLine,
                          const std::vector<std::string>& materialLines, int index)
{
    const std::optional<std::size_t> taken = testsupport::MaterialLineOf(materialLines, e.Name);
    if (!taken) {
        const CShipDataElement none(shipLine, nullptr);
        Check(SameFigures(e, none), "a ship without a material line has figures", index);
        return;
    }
    const std::string_view entries = EntriesOf(materialLines[*taken]);
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
    static const testsupport::FuzzFiles folder("fuzz");
    // Every file we hand over is readable, so any message is a fault.
    [[maybe_unused]] static const auto previous = toolkit::SetMessageSink(
        [](const std::string&) { Fail("a readable file was reported as unreadable"); });
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const auto [ships, materials] = testsupport::SplitFuzzInput(input);
    folder.Write(ships, materials);

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
