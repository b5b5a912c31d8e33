// Feeds arbitrary bytes to the checker as the two data files and holds it to the loader:
// every figure the loader read is the conversion of its text, cut here the plain way, and
// every figure it set to -1 from a text that is not a -1 is reported as bad-number at that
// text, and nothing else is. Input as for loader_fuzz: ship kinds file, the line
// "====", material file; without the separator the input is both files.
#include "checker/Checker.h"
#include "shipdata/Cshipdatamanagemer.h"
#include "support/DataFiles.h"
#include "toolkit/TextFile.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>
#include <tuple>
#include <optional>
#include <vector>

namespace {

void Check(bool ok, const char* what)
{
    if (!ok) {
        std::fprintf(stderr, "checker_fuzz: %s\n", what);
        std::abort();
    }
}

// A text the loader read as -1 without saying -1 (the conversion itself has tests of its own).
bool Bad(std::string_view text, int32_t value)
{
    return !text.empty() && value == -1 && shipdata::ReadNumber(text) != std::optional<int32_t>(-1);
}

struct Cut {
    std::string_view Text;
    std::size_t Offset;
};

// Columns of a line as the file format describes them: up to `most`, a final comma
// giving no further column.
std::vector<Cut> Columns(std::string_view line, std::size_t from, std::size_t most)
{
    std::vector<Cut> out;
    std::size_t at = from;
    while (out.size() < most) {
        const std::size_t comma = line.find(',', at);
        out.push_back({line.substr(at, comma == std::string_view::npos ? std::string_view::npos : comma - at), at});
        if (comma == std::string_view::npos || comma + 1 == line.size())
            break;
        at = comma + 1;
    }
    return out;
}

using Place = std::tuple<std::string, std::size_t, std::size_t>; // path, line, column from 1

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const testsupport::FuzzFiles folder("checkfuzz");
    const auto [ships, materials] = testsupport::SplitFuzzInput(
        std::string_view(reinterpret_cast<const char*>(data), size));
    folder.Write(ships, materials);

    const checker::Report report = checker::Check(folder.Ships, folder.Materials);
    const CShipDataManager m(folder.Ships, folder.Materials);
    Check(report.ShipsLoaded == m.GetCount(), "the checker loaded another number of ships");
    Check(report.Unreadable.empty(), "a readable file was reported as unreadable");

    const std::vector<std::string> shipLines = toolkit::SplitLines(ships);
    const std::vector<std::string> materialLines = toolkit::SplitLines(materials);

    std::set<Place> expected, reported;
    int32_t CShipDataElement::*const numbers[30] = {
        nullptr, &CShipDataElement::Price, &CShipDataElement::Column2, &CShipDataElement::Column3,
        &CShipDataElement::Row, &CShipDataElement::Slue, &CShipDataElement::ResistiveWave,
        &CShipDataElement::Armoured, &CShipDataElement::Column8, &CShipDataElement::DefaultCabins,
        &CShipDataElement::DefaultPorts, &CShipDataElement::DefaultHold, &CShipDataElement::MinimumCabinsBase,
        &CShipDataElement::ALV, &CShipDataElement::TLV, &CShipDataElement::CLV, &CShipDataElement::NumOfJigger,
        &CShipDataElement::NumOfFigurehead, &CShipDataElement::NumOfSeal, &CShipDataElement::NumOfWeapon,
        &CShipDataElement::NumOfArmour, &CShipDataElement::CannonSlots, &CShipDataElement::FrontCannonSlots,
        &CShipDataElement::RearCannonSlots, &CShipDataElement::Column24, &CShipDataElement::DefaultMaterial,
        nullptr, nullptr, &CShipDataElement::Column28, nullptr,
    };
    for (int i = 0; i < m.GetCount(); ++i) {
        const CShipDataElement& e = *m.GetElement(i);
        const std::size_t lineNo = static_cast<std::size_t>(i) + 1;
        const std::vector<Cut> columns = Columns(shipLines[lineNo], 0, 30);
        for (std::size_t c = 0; c < columns.size(); ++c) {
            if (numbers[c] == nullptr)
                continue;
            Check(e.*numbers[c] == shipdata::ParseNumber(columns[c].Text), "a ship figure is not its column's");
            if (Bad(columns[c].Text, e.*numbers[c]))
                expected.emplace(folder.Ships, lineNo + 1, columns[c].Offset + 1);
        }

        const std::optional<std::size_t> taken = testsupport::MaterialLineOf(materialLines, e.Name);
        if (!taken)
            continue;
        const std::string_view line = materialLines[*taken];
        const std::size_t comma = line.find(',');
        const std::vector<Cut> entries =
            Columns(line, comma == std::string_view::npos ? 0 : comma + 1, MaterialCount);
        for (std::size_t k = 0; k < entries.size(); ++k) {
            const Cut& entry = entries[k];
            const std::size_t s1 = entry.Text.find('/');
            const std::size_t s2 = s1 == std::string_view::npos ? s1 : entry.Text.find('/', s1 + 1);
            // Without slashes the entry is the durability; with one, sail and durability.
            Cut figures[3] = {{{}, 0}, {{}, 0}, {entry.Text, entry.Offset}};
            if (s1 != std::string_view::npos) {
                figures[0] = {entry.Text.substr(0, s1), entry.Offset};
                figures[2] = {entry.Text.substr(s1 + 1), entry.Offset + s1 + 1};
            }
            if (s2 != std::string_view::npos) {
                figures[1] = {entry.Text.substr(s1 + 1, s2 - s1 - 1), entry.Offset + s1 + 1};
                figures[2] = {entry.Text.substr(s2 + 1), entry.Offset + s2 + 1};
            }
            const MaterialSlot& slot = e.Materials[k];
            const int32_t values[3] = {slot.LSail, slot.SSail, slot.Strength};
            for (int f = 0; f < 3; ++f) {
                Check(values[f] == shipdata::ParseNumber(figures[f].Text), "a material figure is not its entry's");
                if (Bad(figures[f].Text, values[f]))
                    expected.emplace(folder.Materials, *taken + 1, figures[f].Offset + 1);
            }
        }
    }

    bool materialSeen = false;
    for (const checker::Finding& f : report.Findings) {
        Check(f.Path == folder.Ships || f.Path == folder.Materials, "a finding without its file");
        materialSeen = materialSeen || f.Path == folder.Materials;
        Check(!(materialSeen && f.Path == folder.Ships), "a ship file finding after the material file's");
        const std::size_t lines = f.Path == folder.Ships ? shipLines.size() : materialLines.size();
        Check(f.Line >= 1 && f.Line <= lines + 1 && f.Column >= 1, "a finding outside its file");
        if (f.Id == "bad-number")
            Check(reported.emplace(f.Path, f.Line, f.Column).second, "a bad number reported twice");
    }
    Check(reported == expected, "bad-number findings differ from the figures the loader read as -1");
    return 0;
}
