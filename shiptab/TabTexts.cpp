#include "shiptab/TabTexts.h"

#include "shiptab/Calculator.h"

#include <algorithm>

std::string MaterialNames[MaterialCount] = {
    "\x90\x65\x95\xfb",                                 // 親方
    "\x83\x56\x81\x5b\x83\x5f\x81\x5b",                 // シーダー
    "\x83\x8c\x83\x62\x83\x68\x83\x70\x83\x43\x83\x93", // レッドパイン
    "\x83\x72\x81\x5b\x83\x60",                         // ビーチ
    "\x83\x47\x83\x8b\x83\x80",                         // エルム
    "\x83\x60\x81\x5b\x83\x4e",                         // チーク
    "\x83\x49\x81\x5b\x83\x4e",                         // オーク
    "\x83\x7d\x83\x7a\x83\x4b\x83\x6a\x81\x5b",         // マホガニー
    "\x93\xba\x92\xa3\x82\xe8",                         // 銅張り
    "\x83\x8d\x81\x5b\x83\x59\x83\x45\x83\x62\x83\x68", // ローズウッド
    "\x93\x53\x92\xa3\x82\xe8",                         // 鉄張り
};

namespace shiptab {

Build StartingBuild(const CShipDataElement& ship)
{
    // A default outside the material kinds starts on material 0, as an empty column does.
    const bool known = ship.DefaultMaterial >= -1 && ship.DefaultMaterial < MaterialCount - 1;
    return {known ? ship.DefaultMaterial + 1 : 0, 0, ship.DefaultCabins, ship.DefaultPorts};
}

TabTexts TextsOf(const CShipDataElement& ship, const Build& build)
{
    const MaterialSlot& slot = ship.Materials[build.Material];
    const int32_t capacity =
        CurrentCapacity(build.Percent, BaseCapacity(ship.DefaultCabins, ship.DefaultPorts, ship.DefaultHold));
    TabTexts t;
    t[box::ShipNameText] = ship.Name;
    t[box::MaterialText] = "  " + MaterialNames[build.Material];
    t[box::PercentText] = PercentText(build.Percent);
    t[box::CurrentCabinsText] = FigureText(build.Cabins);
    t[box::CurrentPortsText] = FigureText(build.Ports);
    t[box::CurrentHoldText] = FigureText(Hold(capacity, build.Cabins, build.Ports));
    t[box::CurrentCapacityText] = FigureText(capacity);
    t[box::PriceText] = FigureText(ShownPrice(ship.Price, slot.PriceFactor, build.Percent));
    t[box::LSailText] = MaterialFigureText(slot.LSail);
    t[box::SSailText] = MaterialFigureText(slot.SSail);
    t[box::StrengthText] = MaterialFigureText(slot.Strength);
    t[box::RowText] = FigureText(ship.Row);
    t[box::SlueText] = FigureText(ship.Slue);
    t[box::ResistiveWaveText] = FigureText(ship.ResistiveWave);
    t[box::ArmouredText] = FigureText(ship.Armoured);
    t[box::MinimumCabinsText] = FigureText(CabinMinimum(ship.DefaultCabins, ship.MinimumCabinsBase));
    t[box::DefaultCabinsText] = FigureText(ship.DefaultCabins);
    t[box::MaximumCabinsText] = FigureText(CabinMaximum(ship.DefaultCabins));
    t[box::MinimumPortsText] = FigureText(PortMinimum(ship.DefaultPorts));
    t[box::DefaultPortsText] = FigureText(ship.DefaultPorts);
    t[box::MaximumPortsText] = FigureText(PortMaximum(ship.DefaultPorts));
    t[box::CannonSlotsText] = FigureText(ship.CannonSlots);
    t[box::FrontCannonSlotsText] = FigureText(ship.FrontCannonSlots);
    t[box::RearCannonSlotsText] = FigureText(ship.RearCannonSlots);
    t[box::NumOfJiggerText] = FigureText(ship.NumOfJigger);
    t[box::NumOfFigureheadText] = FigureText(ship.NumOfFigurehead);
    t[box::NumOfSealText] = FigureText(ship.NumOfSeal);
    t[box::NumOfWeaponText] = FigureText(ship.NumOfWeapon);
    t[box::NumOfArmourText] = FigureText(ship.NumOfArmour);
    t[box::ALVText] = FigureText(ship.ALV);
    t[box::TLVText] = FigureText(ship.TLV);
    t[box::CLVText] = FigureText(ship.CLV);
    return t;
}

namespace {
// Up from the start while below the maximum, down while above the minimum: a bound on the
// wrong side of the start leaves the start as that end.
Range Reach(int32_t start, int32_t minimum, int32_t maximum)
{
    return {std::min(start, minimum), std::max(start, maximum)};
}
} // namespace

Range CabinReach(const CShipDataElement& ship)
{
    return Reach(ship.DefaultCabins, CabinMinimum(ship.DefaultCabins, ship.MinimumCabinsBase),
                 CabinMaximum(ship.DefaultCabins));
}

Range PortReach(const CShipDataElement& ship)
{
    return Reach(ship.DefaultPorts, PortMinimum(ship.DefaultPorts), PortMaximum(ship.DefaultPorts));
}

} // namespace shiptab
