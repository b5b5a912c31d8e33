#pragma once
// Reads the calculator state a ship tab frame keeps private; for tests and the fuzz target.
#include "shiptab/ShipTab.h"

struct TShipTabFrameProbe {
    static const CShipDataElement* Ship(const TShipTabFrame& f) { return f.Ship.get(); }
    static int32_t MaterialIndex(const TShipTabFrame& f) { return f.MaterialIndex; }
    static int32_t Percent(const TShipTabFrame& f) { return f.Percent; }
    static int32_t BaseCapacity(const TShipTabFrame& f) { return f.BaseCapacity; }
    static int32_t CurrentCabins(const TShipTabFrame& f) { return f.CurrentCabins; }
    static int32_t CurrentPorts(const TShipTabFrame& f) { return f.CurrentPorts; }
    static int32_t CurrentCapacity(const TShipTabFrame& f) { return f.CurrentCapacity; }
};
