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

class CShipDataElement {
public:
    // Builds a record from one ship line and the entries text of its material line
    // (everything after the line's first comma), or from no material line at all.
    CShipDataElement(std::string_view shipLine, const std::string_view* materialEntries);

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
    CShipDataManager(const std::string& shipFile, const std::string& materialFile);
    ~CShipDataManager();
    CShipDataManager(const CShipDataManager&) = delete;
    CShipDataManager& operator=(const CShipDataManager&) = delete;

    int GetCount() const;
    CShipDataElement* GetElement(int index) const;
    CShipDataElement* FindElement(const std::string& name) const;

private:
    std::vector<std::unique_ptr<CShipDataElement>> List;
};

namespace shipdata {

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
    // The same for many ships: the names without a line of their own are all looked for
    // in one pass over the lines.
    std::vector<std::optional<std::size_t>> FindAll(const std::vector<std::string_view>& names) const;

private:
    std::optional<std::size_t> FindExact(std::string_view name) const;

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
