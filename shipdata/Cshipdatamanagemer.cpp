#include "shipdata/Cshipdatamanagemer.h"

#include "toolkit/MessageBox.h"
#include "toolkit/TextFile.h"

#include <algorithm>
#include <bit>
#include <limits>

const double MaterialPriceFactors[MaterialCount] = {
    1.0, 0.6, 0.6, 0.6, 0.72, 0.96, 1.2, 1.68, 2.16,
    0x1.5999999999999p+1, // the double just below the one nearest to 2.7
    3.0,
};

namespace shipdata {

namespace {

int HexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

int32_t ParseHex(std::string_view digits)
{
    if (digits.empty())
        return -1;
    uint64_t value = 0;
    for (char c : digits) {
        const int d = HexDigit(c);
        if (d < 0)
            return -1;
        value = value * 16 + static_cast<uint64_t>(d);
        if (value > 0xFFFFFFFFull)
            return -1;
    }
    return std::bit_cast<int32_t>(static_cast<uint32_t>(value));
}

} // namespace

int32_t ParseNumber(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    if (text.empty())
        return -1;

    if (text.front() == '$' || text.front() == 'x' || text.front() == 'X')
        return ParseHex(text.substr(1));
    if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        return ParseHex(text.substr(2));

    bool negative = false;
    if (text.front() == '+' || text.front() == '-') {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty())
        return -1;
    const int64_t limit = negative ? int64_t{1} << 31 : (int64_t{1} << 31) - 1;
    int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
        if (value > limit)
            return -1;
    }
    return static_cast<int32_t>(negative ? -value : value);
}

std::string_view CutColumn(std::string_view& rest)
{
    const auto comma = rest.find(',');
    if (comma == std::string_view::npos) {
        const std::string_view column = rest;
        rest = {};
        return column;
    }
    const std::string_view column = rest.substr(0, comma);
    rest.remove_prefix(comma + 1);
    return column;
}

static std::string_view EntriesOf(std::string_view line)
{
    const auto comma = line.find(',');
    return comma == std::string_view::npos ? line : line.substr(comma + 1);
}

MaterialLineIndex::MaterialLineIndex(const std::vector<std::string>& lines) : Lines(lines)
{
    ByName.reserve(lines.size());
    for (std::size_t j = 0; j < lines.size(); ++j) {
        std::string_view rest = lines[j];
        const std::string_view name = CutColumn(rest);
        if (!name.empty())
            ByName.emplace_back(name, j);
    }
    // Stable so that, among equal names, the earliest line comes first.
    std::stable_sort(ByName.begin(), ByName.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
}

bool MaterialLineIndex::Find(std::string_view name, std::string_view& entries) const
{
    if (name.empty())
        return false; // an empty name occurs nowhere
    const auto it = std::lower_bound(ByName.begin(), ByName.end(), name,
                                     [](const auto& e, std::string_view n) { return e.first < n; });
    if (it != ByName.end() && it->first == name) {
        entries = EntriesOf(Lines[it->second]);
        return true;
    }
    // Files that name a ship only by part of its line still load, as they always did.
    for (const std::string& line : Lines) {
        if (std::string_view(line).find(name) != std::string_view::npos) {
            entries = EntriesOf(line);
            return true;
        }
    }
    return false;
}

} // namespace shipdata

using shipdata::CutColumn;
using shipdata::ParseNumber;

CShipDataElement::CShipDataElement(std::string_view shipLine, const std::string_view* materialEntries)
{
    int32_t* const numbers[] = {
        nullptr, &Price, &Column2, &Column3, &Row, &Slue, &ResistiveWave, &Armoured, &Column8,
        &DefaultCabins, &DefaultPorts, &DefaultHold, &MinimumCabinsBase, &ALV, &TLV, &CLV,
        &NumOfJigger, &NumOfFigurehead, &NumOfSeal, &NumOfWeapon, &NumOfArmour, &CannonSlots,
        &FrontCannonSlots, &RearCannonSlots, &Column24, &DefaultMaterial, nullptr, nullptr,
        &Column28, nullptr,
    };

    std::string_view rest = shipLine;
    for (int column = 0;; ++column) {
        const std::string_view text = CutColumn(rest);
        if (column < 30) {
            if (numbers[column] != nullptr) {
                *numbers[column] = ParseNumber(text);
            } else {
                std::string& field = column == 0    ? Name
                                     : column == 26 ? Column26
                                     : column == 27 ? Column27
                                                    : Column29;
                field.assign(text);
            }
        }
        if (rest.empty() || column >= 29)
            break; // columns after the thirtieth are ignored
    }

    std::string_view entries = materialEntries != nullptr ? *materialEntries : std::string_view{};
    for (int i = 0; i < MaterialCount; ++i) {
        MaterialSlot& slot = Materials[i];
        slot.PriceFactor = MaterialPriceFactors[i];
        slot.Filled = true;
        if (materialEntries == nullptr)
            continue; // no material line: every figure stays missing
        const std::string_view entry = CutColumn(entries);

        std::string_view first, remainder = entry;
        if (const auto slash = entry.find('/'); slash != std::string_view::npos) {
            first = entry.substr(0, slash);
            remainder = entry.substr(slash + 1);
        }
        std::string_view second, third = remainder;
        if (const auto slash = remainder.find('/'); slash != std::string_view::npos) {
            second = remainder.substr(0, slash);
            third = remainder.substr(slash + 1);
        }
        slot.LSail = ParseNumber(first);
        slot.SSail = ParseNumber(second);
        slot.Strength = ParseNumber(third);
    }
}

CShipDataManager::CShipDataManager(const std::string& shipFile, const std::string& materialFile)
{
    std::vector<std::string> shipLines;
    std::vector<std::string> materialLines;
    // "船種ファイル名が無効: " and "船材質ファイル名が無効: " in code page 932.
    if (!toolkit::ReadTextFileLines(shipFile, shipLines))
        toolkit::ShowMessage("\x91\x44\x8e\xed\x83\x74\x83\x40\x83\x43\x83\x8b\x96\xbc\x82\xaa\x96\xb3\x8c\xf8: " + shipFile);
    if (!toolkit::ReadTextFileLines(materialFile, materialLines))
        toolkit::ShowMessage("\x91\x44\x8d\xde\x8e\xbf\x83\x74\x83\x40\x83\x43\x83\x8b\x96\xbc\x82\xaa\x96\xb3\x8c\xf8: " + materialFile);

    // A ship line is taken only while the material file has more lines than its index.
    const std::size_t count = std::min(shipLines.size(), materialLines.size());
    if (count <= 1)
        return;
    const shipdata::MaterialLineIndex index(materialLines);
    List.reserve(count - 1);
    for (std::size_t i = 1; i < count; ++i) {
        std::string_view name = shipLines[i];
        name = CutColumn(name);
        std::string_view entries;
        const bool found = index.Find(name, entries);
        List.push_back(new CShipDataElement(shipLines[i], found ? &entries : nullptr));
    }
}

CShipDataManager::~CShipDataManager()
{
    for (CShipDataElement* e : List)
        delete e;
}

int CShipDataManager::GetCount() const
{
    return static_cast<int>(List.size());
}

CShipDataElement* CShipDataManager::GetElement(int index) const
{
    if (index < 0 || index >= GetCount())
        return nullptr;
    return List[static_cast<std::size_t>(index)];
}

CShipDataElement* CShipDataManager::FindElement(const std::string& name) const
{
    for (CShipDataElement* e : List)
        if (e->Name == name)
            return e;
    return nullptr;
}
