#pragma once
// Every text a ship tab shows, from a record and a build, without widgets: the tab writes its
// boxes from it, and copies of builds take their cells from it, so the two cannot drift.
#include "shipdata/Cshipdatamanagemer.h"

#include <array>
#include <cstdint>
#include <string>

// Display names of the material kinds, code page 932 bytes; index = material kind.
extern std::string MaterialNames[MaterialCount];

namespace shiptab {

// What the user changes in a tab: the material line, the ratio, cabins and gun ports.
struct Build {
    int32_t Material = 0;
    int32_t Percent = 0;
    int32_t Cabins = 0;
    int32_t Ports = 0;
    bool operator==(const Build&) const = default;
};

// The build a freshly opened tab starts with.
Build StartingBuild(const CShipDataElement& ship);

// The texts, named after their boxes, in the order of the columns of a copied build: the
// calculated ones, then the fixed.
namespace box {
enum Text : int {
    ShipNameText, MaterialText, PercentText, CurrentCabinsText, CurrentPortsText, CurrentHoldText,
    CurrentCapacityText, PriceText, LSailText, SSailText, StrengthText,
    RowText, SlueText, ResistiveWaveText, ArmouredText,
    MinimumCabinsText, DefaultCabinsText, MaximumCabinsText, MinimumPortsText, DefaultPortsText, MaximumPortsText,
    CannonSlotsText, FrontCannonSlotsText, RearCannonSlotsText,
    NumOfJiggerText, NumOfFigureheadText, NumOfSealText, NumOfWeaponText, NumOfArmourText,
    ALVText, TLVText, CLVText,
    Count
};
} // namespace box
using TabTexts = std::array<std::string, box::Count>;

// Code page 932 bytes as the boxes show them (figures "  n", the material "  name"), except the
// ship's name, which is the record's own: its box puts two blanks before it and cuts a very long
// one. `build.Material` must be a material kind.
TabTexts TextsOf(const CShipDataElement& ship, const Build& build);

// A line of the material list: the material's name (code page 932) and its three figures.
std::array<std::string, 4> MaterialLine(const CShipDataElement& ship, int material);

// One press of a spinner's arrow: the ratio by one percent, cabins or gun ports by one within
// their bounds.
enum class Spinner { Percent, Cabins, Ports };
Build Step(const CShipDataElement& ship, Build build, Spinner spinner, bool up);

// The values a tab's spinners reach from the ship's start, both ends included: from the
// standard number toward each bound, never past the standard number itself.
struct Range {
    int32_t Lowest, Highest;
    bool Holds(int32_t value) const { return value >= Lowest && value <= Highest; }
};
Range CabinReach(const CShipDataElement& ship);
Range PortReach(const CShipDataElement& ship);

} // namespace shiptab
