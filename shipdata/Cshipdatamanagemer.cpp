#include "shipdata/Cshipdatamanagemer.h"

#include "shipdata/NameSearch.h"
#include "toolkit/HugePages.h"
#include "toolkit/MessageBox.h"
#include "toolkit/TextFile.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>
#include <bit>
#include <cstring>
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

// Eight bytes that start with one to seven plain digits: their count and value, and the
// byte after them. A digit's byte ends with the first byte that is none, found without
// a branch per byte, and the digits are combined pairwise by three multiplications. The
// count is 0 for no digit and 8 for eight or more, with no value.
struct LeadingDigits {
    std::size_t Count;
    uint32_t Value;
    char After;
};

[[gnu::always_inline]] inline LeadingDigits ReadLeadingDigits(const char* bytes)
{
    static_assert(std::endian::native == std::endian::little, "the bytes are read as one little-endian word");
    uint64_t word;
    std::memcpy(&word, bytes, 8);
    const uint64_t v = word ^ 0x3030303030303030ull; // a digit's byte becomes 0 to 9
    // A byte is flagged when it is above 15 or becomes so by adding 6. Only the bytes after
    // the first flagged one can take a carry, and they do not matter.
    const uint64_t flagged = (v | (v + 0x0606060606060606ull)) & 0xF0F0F0F0F0F0F0F0ull;
    const auto count = static_cast<std::size_t>(std::countr_zero(flagged)) / 8;
    if (count == 0 || count == 8)
        return {count, 0, 0};
    uint64_t d = v << (64 - 8 * count); // the digits last, led by zeros
    d = ((d * 2561) >> 8) & 0x00FF00FF00FF00FFull;  // pairs: 10 * first + second
    d = ((d * 6553601) >> 16) & 0x0000FFFF0000FFFFull; // fours: 100 * first pair + second
    return {count, static_cast<uint32_t>((d * 42949672960001ull) >> 32), // 10000 * first four + second
            static_cast<char>(word >> (8 * count))};
}

// Nearly every figure in a file is a few plain digits followed by `stop` or the end of
// the text. Such a figure is cut and read in one pass; anything else returns false and
// leaves `rest` to the general cutting and reading, which give the same for these.
[[gnu::always_inline]] inline bool CutPlainNumber(std::string_view& rest, char stop, std::string_view& text,
                                                  int32_t& value)
{
    if (rest.size() > 8) {
        const LeadingDigits digits = ReadLeadingDigits(rest.data());
        if (digits.Count - 1 < 7) { // one to seven digits, then a byte of the same text
            if (digits.After != stop)
                return false;
            text = rest.substr(0, digits.Count);
            rest.remove_prefix(digits.Count + 1);
            value = static_cast<int32_t>(digits.Value);
            return true;
        }
        if (digits.Count == 0)
            return false;
    }
    // Near the end of a line, or a long number: byte by byte, up to nine digits.
    const std::size_t most = std::min<std::size_t>(rest.size(), 9);
    std::size_t i = 0;
    int32_t v = 0;
    for (; i < most; ++i) {
        const unsigned d = static_cast<unsigned char>(rest[i]) - unsigned{'0'};
        if (d > 9)
            break;
        v = v * 10 + static_cast<int32_t>(d);
    }
    if (i == 0 || (i < rest.size() && rest[i] != stop))
        return false;
    text = rest.substr(0, i);
    rest = i < rest.size() ? rest.substr(i + 1) : std::string_view{};
    value = v;
    return true;
}

// One material entry of the form digits/digits/digits, cut from `entries` and read.
bool CutPlainEntry(std::string_view& entries, std::string_view& entry, std::string_view (&figures)[3],
                   int32_t (&values)[3])
{
    std::string_view rest = entries;
    if (!CutPlainNumber(rest, '/', figures[0], values[0]) || !CutPlainNumber(rest, '/', figures[1], values[1]) ||
        !CutPlainNumber(rest, ',', figures[2], values[2]))
        return false;
    entry = entries.substr(0, static_cast<std::size_t>(figures[2].data() + figures[2].size() - entries.data()));
    entries = rest;
    return true;
}

// Runs work(0) to work(parts - 1) on up to `threads` threads, the calling one included, each
// part taken by the next free thread. A part that throws stops the parts not yet begun, and
// the first exception is rethrown here once every thread has stopped. Where no thread can be
// started, the threads there are share the parts.
template <class Work>
void RunParts(std::size_t parts, std::size_t threads, const Work& work)
{
    std::atomic<std::size_t> next{0};
    std::exception_ptr failure;
    std::mutex failureLock;
    const auto run = [&] {
        try {
            for (std::size_t part; (part = next++) < parts;)
                work(part);
        } catch (...) {
            const std::lock_guard lock(failureLock);
            if (!failure)
                failure = std::current_exception();
            next = parts;
        }
    };
    std::vector<std::thread> helpers;
    helpers.reserve(threads);
    try {
        for (std::size_t t = 1; t < std::min(threads, parts); ++t)
            helpers.emplace_back(run);
    } catch (const std::system_error&) {
        // the system has no more threads to give: the ones started do the work
    }
    run();
    for (std::thread& helper : helpers)
        helper.join();
    if (failure)
        std::rethrow_exception(failure);
}

// Threads for loading: as many as the machine runs at once, up to eight.
std::size_t LoadThreads()
{
#if defined(__EMSCRIPTEN__) && !defined(__EMSCRIPTEN_PTHREADS__)
    return 1; // a page's core without threads
#else
    return std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, 8);
#endif
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

std::optional<std::size_t> MaterialLineIndex::FindExact(std::string_view name, std::size_t hash) const
{
    if (name.empty())
        return std::nullopt; // an empty name occurs nowhere
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
                                                                   std::vector<bool>* exact,
                                                                   std::size_t threads) const
{
    std::vector<std::optional<std::size_t>> found(names.size());
    // Each look-up waits on memory three times over (slot, line, the line's bytes) when the
    // lines are large and in another order than the names: ask for each a few names ahead.
    RunParts(threads, threads, [&](std::size_t part) {
        const std::size_t first = names.size() * part / threads, end = names.size() * (part + 1) / threads;
        std::vector<std::size_t> hashes(end - first);
        for (std::size_t i = first; i < end; ++i)
            hashes[i - first] = std::hash<std::string_view>{}(names[i]);
        constexpr std::size_t BytesAhead = 4, LineAhead = 2 * BytesAhead, SlotAhead = 3 * BytesAhead;
        const auto slotOf = [&](std::size_t i) -> const Slot& { return Slots[hashes[i - first] & Mask]; };
        for (std::size_t i = first; i < end; ++i) {
            if (i + SlotAhead < end)
                __builtin_prefetch(&slotOf(i + SlotAhead));
            if (i + LineAhead < end && slotOf(i + LineAhead).Line != Empty)
                __builtin_prefetch(&Lines[slotOf(i + LineAhead).Line]);
            if (i + BytesAhead < end && slotOf(i + BytesAhead).Line != Empty)
                __builtin_prefetch(Lines[slotOf(i + BytesAhead).Line].data());
            found[i] = FindExact(names[i], hashes[i - first]);
        }
    });

    // Files that name a ship only by part of its line still load, as they always did.
    if (exact != nullptr)
        exact->assign(names.size(), false);
    std::vector<std::size_t> unmatched;
    std::vector<std::string_view> rest;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (found[i]) {
            if (exact != nullptr)
                (*exact)[i] = true;
        } else if (!names[i].empty()) {
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
    for (int column = 0; column < 30; ++column) {
        std::string_view text;
        if (int32_t* const number = numbers[column]) {
            bool converted = true;
            if (!shipdata::CutPlainNumber(rest, ',', text, *number)) {
                text = CutColumn(rest);
                const std::optional<int32_t> read = ReadNumber(text);
                *number = read.value_or(-1);
                converted = read.has_value();
            }
            if (observer != nullptr)
                observer->Column(column, text, true, converted);
        } else {
            text = CutColumn(rest);
            std::string& field = column == 0    ? Name
                                 : column == 26 ? Column26
                                 : column == 27 ? Column27
                                                : Column29;
            field.assign(text);
            if (observer != nullptr)
                observer->Column(column, text, false, false);
        }
        if (rest.empty())
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

        std::string_view entry;
        std::string_view figures[3];
        int32_t values[3];
        bool converted[3] = {true, true, true};
        if (!shipdata::CutPlainEntry(entries, entry, figures, values)) {
            entry = CutColumn(entries);
            std::string_view remainder;
            SplitAtSlash(entry, figures[0], remainder);
            SplitAtSlash(remainder, figures[1], figures[2]);
            for (int k = 0; k < 3; ++k) {
                const std::optional<int32_t> read = ReadNumber(figures[k]);
                values[k] = read.value_or(-1);
                converted[k] = read.has_value();
            }
        }
        slot.LSail = values[0];
        slot.SSail = values[1];
        slot.Strength = values[2];
        if (observer != nullptr)
            observer->Entry(i, entry, figures, converted);
    }
    if (observer != nullptr && !entries.empty())
        observer->SurplusEntries(entries);
}

CShipDataManager::CShipDataManager(const std::string& shipFile, const std::string& materialFile,
                                   shipdata::LoadObserver* observer)
{
    using File = shipdata::LoadObserver::File;
    // Large files are loaded on several threads. A thread costs more than loading a small
    // file, and an observer is told everything in the order of the lines: one thread for them.
    const std::size_t threads =
        observer == nullptr && toolkit::FileSize(shipFile) + toolkit::FileSize(materialFile) >= (1u << 20)
            ? shipdata::LoadThreads()
            : 1;

    // The two files are read side by side: the ship file with the names in its column 0, the
    // material file with its index. The lines are views into these buffers, which live until
    // the records are built.
    std::string shipBytes, materialBytes;
    std::vector<std::string_view> shipLines, materialLines, names;
    bool shipsRead = false, materialsRead = false;
    std::optional<shipdata::MaterialLineIndex> index;
    shipdata::RunParts(2, threads, [&](std::size_t part) {
        if (part == 0) {
            shipsRead = toolkit::ReadTextFileLineViews(shipFile, shipBytes, shipLines);
            names.reserve(shipLines.size());
            for (std::size_t i = 1; i < shipLines.size(); ++i)
                names.push_back(shipdata::ColumnZero(shipLines[i]));
        } else {
            materialsRead = toolkit::ReadTextFileLineViews(materialFile, materialBytes, materialLines);
            index.emplace(materialLines);
        }
    });
    // "船種ファイル名が無効: " and "船材質ファイル名が無効: " in code page 932.
    if (!shipsRead) {
        toolkit::ShowMessage("\x91\x44\x8e\xed\x83\x74\x83\x40\x83\x43\x83\x8b\x96\xbc\x82\xaa\x96\xb3\x8c\xf8: " + shipFile);
        if (observer != nullptr)
            observer->FileUnreadable(File::Ships);
    } else if (observer != nullptr) {
        observer->FileRead(File::Ships, shipBytes, shipLines);
    }
    if (!materialsRead) {
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
    names.resize(count - 1);
    std::vector<bool> exact;
    const std::vector<std::optional<std::size_t>> lines =
        index->FindAll(names, observer != nullptr ? &exact : nullptr, threads);

    // One block of records per thread.
    Count = count - 1;
    BlockSize = (Count + threads - 1) / threads;
    Blocks.resize(threads);
    shipdata::RunParts(threads, threads, [&](std::size_t part) {
        std::vector<CShipDataElement>& block = Blocks[part];
        // Fewer ships than threads leave the last blocks empty.
        const std::size_t first = std::min(count, part * BlockSize + 1), end = std::min(count, first + BlockSize);
        block.reserve(end - first);
        toolkit::AdviseHugePages(block.data(), block.capacity() * sizeof(CShipDataElement));
        // The material lines come in another order than the ships, so each ship's line would
        // be a wait on memory: ask for it a few ships ahead, its place in the list further.
        constexpr std::size_t LineAhead = 4, PlaceAhead = 2 * LineAhead;
        for (std::size_t i = first; i < end; ++i) {
            if (i + PlaceAhead < end && lines[i + PlaceAhead - 1])
                __builtin_prefetch(&materialLines[*lines[i + PlaceAhead - 1]]);
            if (i + LineAhead < end && lines[i + LineAhead - 1])
                __builtin_prefetch(materialLines[*lines[i + LineAhead - 1]].data());
            const std::optional<std::size_t>& line = lines[i - 1];
            const std::string_view entries = line ? shipdata::EntriesOf(materialLines[*line]) : std::string_view{};
            if (observer != nullptr)
                observer->ShipLine(i, line, exact[i - 1]);
            block.emplace_back(shipLines[i], line ? &entries : nullptr, observer);
            if (observer != nullptr)
                observer->ShipLoaded(i, block.back());
        }
    });
}

CShipDataManager::~CShipDataManager() = default;

int CShipDataManager::GetCount() const
{
    return static_cast<int>(Count);
}

CShipDataElement* CShipDataManager::GetElement(int index) const
{
    if (index < 0 || index >= GetCount())
        return nullptr;
    const auto i = static_cast<std::size_t>(index);
    return &Blocks[i / BlockSize][i % BlockSize];
}

CShipDataElement* CShipDataManager::FindElement(const std::string& name) const
{
    for (std::vector<CShipDataElement>& block : Blocks)
        for (CShipDataElement& e : block)
            if (e.Name == name)
                return &e;
    return nullptr;
}
