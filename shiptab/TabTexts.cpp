#include "shiptab/TabTexts.h"

#include "shiptab/Calculator.h"

#include <algorithm>
#include <utility>

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

namespace {
// The fixed boxes that show a figure of the record as it is.
constexpr std::pair<box::Text, int32_t CShipDataElement::*> RecordFigures[] = {
    {box::RowText, &CShipDataElement::Row},
    {box::SlueText, &CShipDataElement::Slue},
    {box::ResistiveWaveText, &CShipDataElement::ResistiveWave},
    {box::ArmouredText, &CShipDataElement::Armoured},
    {box::DefaultCabinsText, &CShipDataElement::DefaultCabins},
    {box::DefaultPortsText, &CShipDataElement::DefaultPorts},
    {box::CannonSlotsText, &CShipDataElement::CannonSlots},
    {box::FrontCannonSlotsText, &CShipDataElement::FrontCannonSlots},
    {box::RearCannonSlotsText, &CShipDataElement::RearCannonSlots},
    {box::NumOfJiggerText, &CShipDataElement::NumOfJigger},
    {box::NumOfFigureheadText, &CShipDataElement::NumOfFigurehead},
    {box::NumOfSealText, &CShipDataElement::NumOfSeal},
    {box::NumOfWeaponText, &CShipDataElement::NumOfWeapon},
    {box::NumOfArmourText, &CShipDataElement::NumOfArmour},
    {box::ALVText, &CShipDataElement::ALV},
    {box::TLVText, &CShipDataElement::TLV},
    {box::CLVText, &CShipDataElement::CLV},
};
} // namespace

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
    t[box::MinimumCabinsText] = FigureText(CabinMinimum(ship.DefaultCabins, ship.MinimumCabinsBase));
    t[box::MaximumCabinsText] = FigureText(CabinMaximum(ship.DefaultCabins));
    t[box::MinimumPortsText] = FigureText(PortMinimum(ship.DefaultPorts));
    t[box::MaximumPortsText] = FigureText(PortMaximum(ship.DefaultPorts));
    for (const auto& [text, field] : RecordFigures)
        t[text] = FigureText(ship.*field);
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
