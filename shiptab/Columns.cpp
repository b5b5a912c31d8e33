#include "shiptab/Columns.h"

#include "shiptab/Calculator.h"

namespace shiptab {

namespace {

using S = const CShipDataElement&;
using B = const Build&;
using F = const Figures&;

// A figure of the record as it is.
template <int32_t CShipDataElement::*Field>
int32_t Record(S s, B, F)
{
    return s.*Field;
}
// A figure of the build's material line.
template <int32_t MaterialSlot::*Field>
int32_t Slot(S s, B b, F)
{
    return s.Materials[b.Material].*Field;
}

} // namespace

const Column Columns[box::Count] = {
    {"ShipNameText", "船種名", Shown::Name, false, [](S, B, F) { return 0; }},
    {"MaterialText", "材質", Shown::Material, true, [](S, B b, F) { return b.Material; }},
    {"PercentText", "比率調整", Shown::Percent, true, [](S, B b, F) { return b.Percent; }},
    {"CurrentCabinsText", "船室", Shown::Figure, true, [](S, B b, F) { return b.Cabins; }},
    {"CurrentPortsText", "砲室", Shown::Figure, true, [](S, B b, F) { return b.Ports; }},
    {"CurrentHoldText", "倉庫", Shown::Figure, true, [](S, B b, F f) { return Hold(f.Capacity, b.Cabins, b.Ports); }},
    {"CurrentCapacityText", "総容量", Shown::Figure, true, [](S, B, F f) { return f.Capacity; }},
    {"PriceText", "価格", Shown::Figure, true, [](S, B, F f) { return f.Price; }},
    {"LSailText", "縦帆", Shown::MaterialFigure, true, Slot<&MaterialSlot::LSail>},
    {"SSailText", "横帆", Shown::MaterialFigure, true, Slot<&MaterialSlot::SSail>},
    {"StrengthText", "耐久", Shown::MaterialFigure, true, Slot<&MaterialSlot::Strength>},
    {"RowText", "漕力", Shown::Figure, false, Record<&CShipDataElement::Row>},
    {"SlueText", "旋回", Shown::Figure, false, Record<&CShipDataElement::Slue>},
    {"ResistiveWaveText", "対波", Shown::Figure, false, Record<&CShipDataElement::ResistiveWave>},
    {"ArmouredText", "装甲", Shown::Figure, false, Record<&CShipDataElement::Armoured>},
    {"MinimumCabinsText", "船室最小", Shown::Figure, false,
     [](S s, B, F) { return CabinMinimum(s.DefaultCabins, s.MinimumCabinsBase); }},
    {"DefaultCabinsText", "船室標準", Shown::Figure, false, Record<&CShipDataElement::DefaultCabins>},
    {"MaximumCabinsText", "船室最大", Shown::Figure, false, [](S s, B, F) { return CabinMaximum(s.DefaultCabins); }},
    {"MinimumPortsText", "砲室最小", Shown::Figure, false, [](S s, B, F) { return PortMinimum(s.DefaultPorts); }},
    {"DefaultPortsText", "砲室標準", Shown::Figure, false, Record<&CShipDataElement::DefaultPorts>},
    {"MaximumPortsText", "砲室最大", Shown::Figure, false, [](S s, B, F) { return PortMaximum(s.DefaultPorts); }},
    {"CannonSlotsText", "船側砲", Shown::Figure, false, Record<&CShipDataElement::CannonSlots>},
    {"FrontCannonSlotsText", "船首砲", Shown::Figure, false, Record<&CShipDataElement::FrontCannonSlots>},
    {"RearCannonSlotsText", "船尾砲", Shown::Figure, false, Record<&CShipDataElement::RearCannonSlots>},
    {"NumOfJiggerText", "補助帆", Shown::Figure, false, Record<&CShipDataElement::NumOfJigger>},
    {"NumOfFigureheadText", "船首像", Shown::Figure, false, Record<&CShipDataElement::NumOfFigurehead>},
    {"NumOfSealText", "紋章", Shown::Figure, false, Record<&CShipDataElement::NumOfSeal>},
    {"NumOfWeaponText", "特殊兵装", Shown::Figure, false, Record<&CShipDataElement::NumOfWeapon>},
    {"NumOfArmourText", "追加装甲", Shown::Figure, false, Record<&CShipDataElement::NumOfArmour>},
    {"ALVText", "冒険", Shown::Figure, false, Record<&CShipDataElement::ALV>},
    {"TLVText", "交易", Shown::Figure, false, Record<&CShipDataElement::TLV>},
    {"CLVText", "戦闘", Shown::Figure, false, Record<&CShipDataElement::CLV>},
};

Figures FiguresOf(const CShipDataElement& ship, const Build& build)
{
    return {CurrentCapacity(build.Percent, BaseCapacity(ship.DefaultCabins, ship.DefaultPorts, ship.DefaultHold)),
            ShownPrice(ship.Price, ship.Materials[build.Material].PriceFactor, build.Percent)};
}

std::string ColumnText(const Column& column, const CShipDataElement& ship, const Build& build, const Figures& figures)
{
    const int32_t value = column.Value(ship, build, figures);
    switch (column.As) {
    case Shown::Name: return ship.Name;
    case Shown::Material: return "  " + MaterialNames[build.Material];
    case Shown::Percent: return PercentText(value);
    case Shown::Figure: return FigureText(value);
    case Shown::MaterialFigure: return MaterialFigureText(value);
    }
    return {};
}

} // namespace shiptab
