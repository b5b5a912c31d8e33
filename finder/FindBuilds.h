#pragma once
// The build finder's search, without widgets: for every ship (and material) the best build
// that meets what the user asks for, worked out from the formulas rather than by trying every
// ratio, cabin and gun-port value.
#include "shipdata/Cshipdatamanagemer.h"
#include "shiptab/TabTexts.h"

#include <atomic>
#include <cstdint>
#include <optional>
#include <vector>

namespace finder {

// What to look for first, in the order the window offers it.
enum class Goal : int { LowestPrice, LargestHold, LSail, SSail, BothSails, Strength };

struct Query {
    bool Adventure = true, Trade = true, Combat = true;
    // Each requirement holds when set; a material figure shown as "?" meets none.
    std::optional<int32_t> MinLSail, MinSSail, MinStrength, MinCabins, MinPorts, MinHold, MaxPrice;
    int32_t LowestPercent = 0, HighestPercent = 30; // both ends in the range
    Goal LookFor = Goal::LowestPrice;
    bool EveryMaterial = false; // one row per ship and material, else one per ship
};

// The ratio range the window offers.
inline constexpr int32_t PercentLimit = 1000;

// A found build, in numbers; its texts are made when it is shown or copied.
struct FoundBuild {
    int64_t Order;       // what to look for first, smaller first; INT64_MAX for a missing figure
    uint32_t Ship;       // index in the catalogue
    int32_t Cabins, Ports, Price, Capacity;
    int16_t Percent;
    uint8_t Material;

    int32_t HoldValue() const { return static_cast<int32_t>(int64_t{Capacity} - Cabins - Ports); }
    shiptab::Build AsBuild() const { return {Material, Percent, Cabins, Ports}; }
};

// The rows for a query, ordered by what to look for first, then price, then the ship's place in
// the file, then the material line. A ship whose figures could leave 32 bits at some ratio
// (capacity, hold or price past about two billion) is left out: the tab cannot show those.
// A search stops early, with no rows, once `stop` is set (a newer query has come).
std::vector<FoundBuild> FindBuilds(const CShipDataManager& catalogue, const Query& query,
                                   const std::atomic<bool>* stop = nullptr);

// Puts rows back in the order FindBuilds gives them.
void SortByGoal(std::vector<FoundBuild>& rows);

// Sorts rows by one column of a copied build (a shiptab::box index): numbers as numbers, the
// ship's name by its bytes, the material by its line; a missing figure after the rest either
// way; equal cells keep their order.
void SortByColumn(std::vector<FoundBuild>& rows, const CShipDataManager& catalogue, int column, bool descending);

} // namespace finder
