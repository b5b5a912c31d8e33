#pragma once
// Ship records, material kinds and the catalogue loaded from the two data files.
// Texts are code page 932 bytes, numbers signed 32-bit; a missing number is -1.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr int MaterialCount = 11;

// Price factor per material kind. Index 9 is one step below the double nearest to 2.7,
// which makes some prices come out one lower than with 2.7 itself.
extern const double MaterialPriceFactors[MaterialCount];

struct MaterialSlot {
    double PriceFactor = 0.0;
    int32_t Strength = -1; // durability: third number of the file's entry
    int32_t LSail = -1;    // fore-and-aft sail: first number
    int32_t SSail = -1;    // square sail: second number
    bool Filled = false;
};

namespace shipdata {
class LoadObserver;
}

class CShipDataElement {
public:
    // Builds a record from one ship line and the entries text of its material line
    // (everything after the line's first comma), or from no material line at all.
    // An observer is told every column and entry as it is cut.
    CShipDataElement(std::string_view shipLine, const std::string_view* materialEntries,
                     shipdata::LoadObserver* observer = nullptr);

    std::string Name;
    int32_t Price = -1;
    int32_t Column2 = -1;
    int32_t Column3 = -1;
    int32_t Row = -1;
    int32_t Slue = -1;
    int32_t ResistiveWave = -1;
    int32_t Armoured = -1;
    int32_t Column8 = -1;
    int32_t DefaultCabins = -1;
    int32_t DefaultPorts = -1;
    int32_t DefaultHold = -1;
    int32_t MinimumCabinsBase = -1;
    int32_t ALV = -1;
    int32_t TLV = -1;
    int32_t CLV = -1;
    int32_t NumOfJigger = -1;
    int32_t NumOfFigurehead = -1;
    int32_t NumOfSeal = -1;
    int32_t NumOfWeapon = -1;
    int32_t NumOfArmour = -1;
    int32_t CannonSlots = -1;
    int32_t FrontCannonSlots = -1;
    int32_t RearCannonSlots = -1;
    int32_t Column24 = -1;
    int32_t DefaultMaterial = -1;
    std::string Column26;
    std::string Column27;
    int32_t Column28 = -1;
    std::string Column29;
    MaterialSlot Materials[MaterialCount];
};

class CShipDataManager {
public:
    // Reads both files; an unreadable one is reported in a message box and loading goes on.
    // An observer, when given, is told what loading does with every line (see LoadObserver).
    CShipDataManager(const std::string& shipFile, const std::string& materialFile,
                     shipdata::LoadObserver* observer = nullptr);
    ~CShipDataManager();
    CShipDataManager(const CShipDataManager&) = delete;
    CShipDataManager& operator=(const CShipDataManager&) = delete;

    int GetCount() const;
    CShipDataElement* GetElement(int index) const;
    CShipDataElement* FindElement(const std::string& name) const;

private:
    // The records in file order, in blocks of BlockSize (the last may be shorter), never moved
    // once loaded: GetElement's pointers stay valid. A large catalogue's blocks are built on
    // several threads.
    mutable std::vector<std::vector<CShipDataElement>> Blocks;
    std::size_t BlockSize = 1;
    std::size_t Count = 0;
};

namespace shipdata {

// What loading does with the files, told as it happens, for tools that explain a data file
// to the person who keeps it (the data checker). Every text handed over is a view into the
// bytes passed to FileRead for its file, so its place in its line is known from its
// address; an entry that the line does not reach at all (it ended before, without a comma)
// is an empty text that lies outside the line. Lines are counted from 0, the header being
// line 0. Each callback does nothing unless overridden; loading is the same with or
// without an observer.
class LoadObserver {
public:
    enum class File { Ships, Materials };
    virtual ~LoadObserver() = default;

    // The file was read whole: its bytes, and its lines as views into them (a NUL ends
    // the text, so the lines may stop before the bytes do).
    virtual void FileRead(File, std::string_view /*bytes*/, const std::vector<std::string_view>& /*lines*/) {}
    // The file could not be read; loading goes on as if it had no lines.
    virtual void FileUnreadable(File) {}

    // Ship line `line` is about to become a record; it takes its material figures from
    // material line `materialLine`, found by an equal column 0 (`exact`) or else as the
    // first line that holds the name, or from none.
    virtual void ShipLine(std::size_t /*line*/, std::optional<std::size_t> /*materialLine*/, bool /*exact*/) {}
    // Column `column` (0 to 29) of that line as cut, and whether it is a number column
    // whose text converted (an empty text never does).
    virtual void Column(int /*column*/, std::string_view /*text*/, bool /*number*/, bool /*converted*/) {}
    // What follows the thirtieth column and is ignored; not called when nothing does.
    virtual void SurplusColumns(std::string_view /*rest*/) {}
    // Entry `material` (0 to 10) of the material line as cut, its three figure texts
    // (fore-and-aft sail, square sail, durability) and whether each converted.
    virtual void Entry(int /*material*/, std::string_view /*entry*/, const std::string_view (&/*figures*/)[3],
                       const bool (&/*converted*/)[3]) {}
    // What follows the eleventh entry and is ignored; not called when nothing does.
    virtual void SurplusEntries(std::string_view /*rest*/) {}
    // The record made from the line, now in the catalogue.
    virtual void ShipLoaded(std::size_t /*line*/, const CShipDataElement&) {}

    // Ship lines `first` and on (`count` of them) are never loaded: the material file
    // has too few lines.
    virtual void ShipLinesNotLoaded(std::size_t /*first*/, std::size_t /*count*/) {}
};

// The number conversion below, telling a converted -1 from a text that does not convert.
std::optional<int32_t> ReadNumber(std::string_view text);

// A decimal number with optional sign after leading blanks, or one of the hexadecimal
// forms $, x, X, 0x, 0X read as a 32-bit pattern; anything else, or out of range, is -1.
int32_t ParseNumber(std::string_view text);

// Cuts at the first comma: returns the text before it and leaves the rest after it,
// or returns the whole rest and leaves it empty.
std::string_view CutColumn(std::string_view& rest);

// Finds each ship's material line: first the line whose column 0 equals the name,
// else the first line that contains the name where a character starts. Built once per
// load; refers to `lines`, which must outlive it.
class MaterialLineIndex {
public:
    explicit MaterialLineIndex(const std::vector<std::string_view>& lines);
    // It keeps referring to the lines, so they cannot be a temporary.
    explicit MaterialLineIndex(std::vector<std::string_view>&&) = delete;
    // The number of the ship's line, or nothing when no line matches.
    std::optional<std::size_t> Find(std::string_view name) const;
    // The same for many ships, on up to `threads` threads: the names without a line of their
    // own are all looked for in one pass over the lines. With `exact`, it says for each name
    // whether its line was found by an equal column 0.
    std::vector<std::optional<std::size_t>> FindAll(const std::vector<std::string_view>& names,
                                                    std::vector<bool>* exact = nullptr,
                                                    std::size_t threads = 1) const;

private:
    std::optional<std::size_t> FindExact(std::string_view name, std::size_t hash) const;

    // Open addressing with linear probing over column 0 of the lines, at most half
    // full. Small slots, because looking up every ship reaches all over the table.
    struct Slot {
        uint32_t Hash;
        uint32_t Line; // Empty when the slot is free; a data file has far fewer lines
    };
    static constexpr uint32_t Empty = UINT32_MAX;

    const std::vector<std::string_view>& Lines;
    std::vector<Slot> Slots;
    std::size_t Mask = 0;
};

} // namespace shipdata
