#include "shiptab/TabTexts.h"

#include "shiptab/Calculator.h"
#include "shiptab/Columns.h"

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
    const Figures figures = FiguresOf(ship, build);
    TabTexts t;
    for (int i = 0; i < box::Count; ++i)
        t[static_cast<std::size_t>(i)] = ColumnText(Columns[i], ship, build, figures);
    return t;
}

std::array<std::string, 4> MaterialLine(const CShipDataElement& ship, int material)
{
    const MaterialSlot& slot = ship.Materials[material];
    return {MaterialNames[material], MaterialFigure(slot.LSail), MaterialFigure(slot.SSail), MaterialFigure(slot.Strength)};
}

Build Step(const CShipDataElement& ship, Build build, Spinner spinner, bool up)
{
    switch (spinner) {
    case Spinner::Percent: // no bounds: the ratio wraps as a 32-bit figure does
        build.Percent = up ? WrapAdd(build.Percent, 1) : WrapSub(build.Percent, 1);
        break;
    case Spinner::Cabins:
        build.Cabins = up ? StepUpTo(build.Cabins, CabinMaximum(ship.DefaultCabins))
                          : StepDownTo(build.Cabins, CabinMinimum(ship.DefaultCabins, ship.MinimumCabinsBase));
        break;
    case Spinner::Ports:
        build.Ports = up ? StepUpTo(build.Ports, PortMaximum(ship.DefaultPorts))
                         : StepDownTo(build.Ports, PortMinimum(ship.DefaultPorts));
        break;
    }
    return build;
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
