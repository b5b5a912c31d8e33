#include "shipdata/Cshipdatamanagemer.h"

#include "shipdata/NameSearch.h"
#include "toolkit/MessageBox.h"
#include "toolkit/TextFile.h"

#include <algorithm>
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

std::optional<int32_t> ParseHex(std::string_view digits)
{
    if (digits.empty())
        return std::nullopt;
    uint64_t value = 0;
    for (char c : digits) {
        const int d = HexDigit(c);
        if (d < 0)
            return std::nullopt;
        value = value * 16 + static_cast<uint64_t>(d);
        if (value > 0xFFFFFFFFull)
            return std::nullopt;
    }
    // Modulo 2^32 since C++20; std::bit_cast is missing from some standard libraries.
    return static_cast<int32_t>(static_cast<uint32_t>(value));
}

// Position of the first `c` in `text`, or its size. A plain loop: the texts searched
// are a few bytes long, where a call to memchr costs more than it saves.
std::size_t FindByte(std::string_view text, char c)
{
    std::size_t i = 0;
    while (i < text.size() && text[i] != c)
        ++i;
    return i;
}

// One to nine decimal digits and nothing else: a number that cannot overflow.
bool ParsePlainDigits(std::string_view text, int32_t& value)
{
    if (text.empty() || text.size() > 9)
        return false;
    int32_t v = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        v = v * 10 + (c - '0');
    }
    value = v;
    return true;
}

// The text before the first slash and the text after it; without a slash, an empty
// text and the whole text.
void SplitAtSlash(std::string_view text, std::string_view& before, std::string_view& after)
{
    const std::size_t slash = FindByte(text, '/');
    if (slash == text.size()) {
        before = {};
        after = text;
    } else {
        before = text.substr(0, slash);
        after = text.substr(slash + 1);
    }
}

// Everything after a material line's first comma; a line without one is used whole.
std::string_view EntriesOf(std::string_view line)
{
    const std::size_t comma = FindByte(line, ',');
    return comma == line.size() ? line : line.substr(comma + 1);
}

std::string_view ColumnZero(std::string_view line)
{
    return line.substr(0, FindByte(line, ','));
}

} // namespace

std::optional<int32_t> ReadNumber(std::string_view text)
{
    // Nearly every figure is a few plain digits, and nine of them always fit.
    if (int32_t value = 0; ParsePlainDigits(text, value))
        return value;

    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    if (text.empty())
        return std::nullopt;

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
        return std::nullopt;
    const int64_t limit = negative ? int64_t{1} << 31 : (int64_t{1} << 31) - 1;
    int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > limit)
            return std::nullopt;
    }
    return static_cast<int32_t>(negative ? -value : value);
}

int32_t ParseNumber(std::string_view text)
{
    return ReadNumber(text).value_or(-1);
}

std::string_view CutColumn(std::string_view& rest)
{
    const std::size_t comma = FindByte(rest, ',');
    const std::string_view column = rest.substr(0, comma);
    rest = comma < rest.size() ? rest.substr(comma + 1) : std::string_view{};
    return column;
}

MaterialLineIndex::MaterialLineIndex(const std::vector<std::string_view>& lines) : Lines(lines)
{
    std::size_t size = 16;
    while (size < 2 * lines.size())
        size *= 2;
    Slots.assign(size, Slot{0, Empty});
    Mask = size - 1;
    for (std::size_t j = 0; j < lines.size(); ++j) {
        const std::string_view name = ColumnZero(lines[j]);
        if (name.empty())
            continue;
        const std::size_t hash = std::hash<std::string_view>{}(name);
        for (std::size_t i = hash & Mask;; i = (i + 1) & Mask) {
            Slot& slot = Slots[i];
            if (slot.Line == Empty) {
                slot = Slot{static_cast<uint32_t>(hash), static_cast<uint32_t>(j)};
                break;
            }
            if (slot.Hash == static_cast<uint32_t>(hash) && ColumnZero(lines[slot.Line]) == name)
                break; // an earlier line has this name and wins
        }
    }
}

std::optional<std::size_t> MaterialLineIndex::FindExact(std::string_view name) const
{
    if (name.empty())
        return std::nullopt; // an empty name occurs nowhere
    const std::size_t hash = std::hash<std::string_view>{}(name);
    for (std::size_t i = hash & Mask; Slots[i].Line != Empty; i = (i + 1) & Mask) {
        const Slot& slot = Slots[i];
        if (slot.Hash == static_cast<uint32_t>(hash) && ColumnZero(Lines[slot.Line]) == name)
            return slot.Line;
    }
    return std::nullopt;
}

std::optional<std::size_t> MaterialLineIndex::Find(std::string_view name) const
{
    return FindAll({name}).front();
}

std::vector<std::optional<std::size_t>> MaterialLineIndex::FindAll(const std::vector<std::string_view>& names,
                                                                   std::vector<bool>* exact) const
{
    std::vector<std::optional<std::size_t>> found(names.size());
    if (exact != nullptr)
        exact->clear();
    // Files that name a ship only by part of its line still load, as they always did.
    std::vector<std::size_t> unmatched;
    std::vector<std::string_view> rest;
    for (std::size_t i = 0; i < names.size(); ++i) {
        found[i] = FindExact(names[i]);
        if (exact != nullptr)
            exact->push_back(found[i].has_value());
        if (!found[i] && !names[i].empty()) {
            unmatched.push_back(i);
            rest.push_back(names[i]);
        }
    }
    if (rest.empty())
        return found;
    const std::vector<std::optional<std::size_t>> containing = FirstLinesContaining(Lines, rest);
    for (std::size_t k = 0; k < unmatched.size(); ++k)
        found[unmatched[k]] = containing[k];
    return found;
}

} // namespace shipdata

using shipdata::CutColumn;
using shipdata::ReadNumber;
using shipdata::SplitAtSlash;

CShipDataElement::CShipDataElement(std::string_view shipLine, const std::string_view* materialEntries,
                                   shipdata::LoadObserver* observer)
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
                const std::optional<int32_t> number = ReadNumber(text);
                *numbers[column] = number.value_or(-1);
                if (observer != nullptr)
                    observer->Column(column, text, true, number.has_value());
            } else {
                std::string& field = column == 0    ? Name
                                     : column == 26 ? Column26
                                     : column == 27 ? Column27
                                                    : Column29;
                field.assign(text);
                if (observer != nullptr)
                    observer->Column(column, text, false, false);
            }
        }
        if (rest.empty() || column >= 29)
            break; // columns after the thirtieth are ignored
    }
    if (observer != nullptr && !rest.empty())
        observer->SurplusColumns(rest);

    std::string_view entries = materialEntries != nullptr ? *materialEntries : std::string_view{};
    for (int i = 0; i < MaterialCount; ++i) {
        MaterialSlot& slot = Materials[i];
        slot.PriceFactor = MaterialPriceFactors[i];
        slot.Filled = true;
        if (materialEntries == nullptr)
            continue; // no material line: every figure stays missing
        const std::string_view entry = CutColumn(entries);

        std::string_view remainder;
        std::string_view figures[3];
        SplitAtSlash(entry, figures[0], remainder);
        SplitAtSlash(remainder, figures[1], figures[2]);
        const std::optional<int32_t> lsail = ReadNumber(figures[0]), ssail = ReadNumber(figures[1]),
                                     strength = ReadNumber(figures[2]);
        slot.LSail = lsail.value_or(-1);
        slot.SSail = ssail.value_or(-1);
        slot.Strength = strength.value_or(-1);
        if (observer != nullptr) {
            const bool converted[3] = {lsail.has_value(), ssail.has_value(), strength.has_value()};
            observer->Entry(i, entry, figures, converted);
        }
    }
    if (observer != nullptr && !entries.empty())
        observer->SurplusEntries(entries);
}

CShipDataManager::CShipDataManager(const std::string& shipFile, const std::string& materialFile,
                                   shipdata::LoadObserver* observer)
{
    using File = shipdata::LoadObserver::File;
    // The lines are views into these buffers, which live until the records are built.
    std::string shipBytes, materialBytes;
    std::vector<std::string_view> shipLines, materialLines;
    // "船種ファイル名が無効: " and "船材質ファイル名が無効: " in code page 932.
    if (!toolkit::ReadTextFileLineViews(shipFile, shipBytes, shipLines)) {
        toolkit::ShowMessage("\x91\x44\x8e\xed\x83\x74\x83\x40\x83\x43\x83\x8b\x96\xbc\x82\xaa\x96\xb3\x8c\xf8: " + shipFile);
        if (observer != nullptr)
            observer->FileUnreadable(File::Ships);
    } else if (observer != nullptr) {
        observer->FileRead(File::Ships, shipBytes, shipLines);
    }
    if (!toolkit::ReadTextFileLineViews(materialFile, materialBytes, materialLines)) {
        toolkit::ShowMessage("\x91\x44\x8d\xde\x8e\xbf\x83\x74\x83\x40\x83\x43\x83\x8b\x96\xbc\x82\xaa\x96\xb3\x8c\xf8: " + materialFile);
        if (observer != nullptr)
            observer->FileUnreadable(File::Materials);
    } else if (observer != nullptr) {
        observer->FileRead(File::Materials, materialBytes, materialLines);
    }

    // A ship line is taken only while the material file has more lines than its index.
    const std::size_t count = std::min(shipLines.size(), materialLines.size());
    const std::size_t firstNotLoaded = std::max<std::size_t>(count, 1); // the header is never a ship
    if (observer != nullptr && shipLines.size() > firstNotLoaded)
        observer->ShipLinesNotLoaded(firstNotLoaded, shipLines.size() - firstNotLoaded);
    if (count <= 1)
        return;
    const shipdata::MaterialLineIndex index(materialLines);
    std::vector<std::string_view> names;
    names.reserve(count - 1);
    for (std::size_t i = 1; i < count; ++i)
        names.push_back(shipdata::ColumnZero(shipLines[i]));
    std::vector<bool> exact;
    const std::vector<std::optional<std::size_t>> lines = index.FindAll(names, observer != nullptr ? &exact : nullptr);
    List.reserve(count - 1);
    for (std::size_t i = 1; i < count; ++i) {
        const std::optional<std::size_t>& line = lines[i - 1];
        const std::string_view entries = line ? shipdata::EntriesOf(materialLines[*line]) : std::string_view{};
        if (observer != nullptr)
            observer->ShipLine(i, line, exact[i - 1]);
        List.emplace_back(shipLines[i], line ? &entries : nullptr, observer);
        if (observer != nullptr)
            observer->ShipLoaded(i, List.back());
    }
}

CShipDataManager::~CShipDataManager() = default;

int CShipDataManager::GetCount() const
{
    return static_cast<int>(List.size());
}

CShipDataElement* CShipDataManager::GetElement(int index) const
{
    if (index < 0 || index >= GetCount())
        return nullptr;
    return &List[static_cast<std::size_t>(index)];
}

CShipDataElement* CShipDataManager::FindElement(const std::string& name) const
{
    for (CShipDataElement& e : List)
        if (e.Name == name)
            return &e;
    return nullptr;
}
