#pragma once
// A ship's type is not stored: its three boarding levels decide it.
#include <cstdint>

enum class ShipType { Adventure, Trade, Combat };
// Whether a ship of the type is listed while the three type boxes are as given.
constexpr bool ShipTypeShown(ShipType type, bool adventure, bool trade, bool combat)
{
    return type == ShipType::Adventure ? adventure : type == ShipType::Trade ? trade : combat;
}

// What the type boxes say, in ShipType's order (UTF-8).
inline constexpr const char* ShipTypeCaptions[3] = {"冒険船", "商用船", "戦闘船"};

// The strictly highest boarding level decides; ties go to combat, then trade.
constexpr ShipType ShipTypeOf(int32_t adventure, int32_t trade, int32_t combat)
{
    if (adventure > trade && adventure > combat)
        return ShipType::Adventure;
    if (adventure > trade)
        return ShipType::Combat;
    return trade > combat ? ShipType::Trade : ShipType::Combat;
}
