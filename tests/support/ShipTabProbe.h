#pragma once
// Reads the calculator state a ship tab frame keeps private; for tests and the fuzz target.
#include "shiptab/Calculator.h"
#include "shiptab/ShipTab.h"

#include <QLabel>
#include <QStringList>

struct TShipTabFrameProbe {
    static const CShipDataElement* Ship(const TShipTabFrame& f) { return f.Ship.get(); }
    static int32_t MaterialIndex(const TShipTabFrame& f) { return f.Current.Material; }
    static int32_t Percent(const TShipTabFrame& f) { return f.Current.Percent; }
    static int32_t CurrentCabins(const TShipTabFrame& f) { return f.Current.Cabins; }
    static int32_t CurrentPorts(const TShipTabFrame& f) { return f.Current.Ports; }
    // The frame keeps no capacity of its own: it is the calculator's, from the bound ship.
    static int32_t BaseCapacity(const TShipTabFrame& f)
    {
        return shiptab::BaseCapacity(f.Ship->DefaultCabins, f.Ship->DefaultPorts, f.Ship->DefaultHold);
    }
    static int32_t CurrentCapacity(const TShipTabFrame& f)
    {
        return shiptab::CurrentCapacity(f.Current.Percent, BaseCapacity(f));
    }
};

namespace testsupport {

// The ten texts the calculator writes, for comparing before and after.
inline QStringList CalculatedTexts(const TShipTabFrame& f)
{
    return {f.CurrentCapacityText->text(), f.CurrentCabinsText->text(), f.CurrentPortsText->text(),
            f.CurrentHoldText->text(),     f.MaterialText->text(),      f.PriceText->text(),
            f.LSailText->text(),           f.SSailText->text(),         f.StrengthText->text(),
            f.PercentText->text()};
}

} // namespace testsupport
