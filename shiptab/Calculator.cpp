#include "shiptab/Calculator.h"

#include "shiptab/Extended.h"

#include <algorithm>
#include <cstdio>
#include <limits>

namespace shiptab {

namespace {
int32_t Wrap(int64_t value)
{
    return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(value)));
}
} // namespace

int32_t WrapAdd(int32_t a, int32_t b)
{
    return Wrap(int64_t{a} + b);
}

int32_t WrapSub(int32_t a, int32_t b)
{
    return Wrap(int64_t{a} - b);
}

int32_t CabinMaximum(int32_t defaultCabins)
{
    return WrapAdd(defaultCabins, defaultCabins / 2);
}

int32_t CabinMinimum(int32_t defaultCabins, int32_t minimumCabinsBase)
{
    return std::max(WrapSub(defaultCabins, defaultCabins / 2), WrapAdd(minimumCabinsBase, minimumCabinsBase / 5));
}

int32_t PortMaximum(int32_t defaultPorts)
{
    return WrapAdd(defaultPorts, defaultPorts / 2);
}

int32_t PortMinimum(int32_t defaultPorts)
{
    return WrapSub(defaultPorts, defaultPorts / 2);
}

int32_t BaseCapacity(int32_t defaultCabins, int32_t defaultPorts, int32_t defaultHold)
{
    return WrapAdd(WrapAdd(defaultCabins, defaultPorts), defaultHold);
}

int32_t CurrentCapacity(int32_t percent, int32_t baseCapacity)
{
    // Equal to the extended product with 0.01: that constant lies below 0.01 by a relative
    // 2e-20, less than half a rounding step of any product, so a whole quotient rounds back onto
    // itself, and any other lies at least 0.01 from a whole number.
    const int64_t quotient = int64_t{WrapAdd(percent, 100)} * baseCapacity / 100;
    if (quotient < std::numeric_limits<int32_t>::min() || quotient > std::numeric_limits<int32_t>::max())
        return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(quotient);
}

int32_t Hold(int32_t capacity, int32_t cabins, int32_t ports)
{
    return WrapSub(WrapSub(capacity, cabins), ports);
}

int32_t ShownPrice(int32_t price, double priceFactor, int32_t percent)
{
    const double partial = (Extended(price) * Extended(priceFactor)).ToDouble();
    // The absolute value of the extended figure: |INT32_MIN| does not fit an int32.
    const Extended ratio = Extended(percent).Abs() * Extended::Hundredth() + Extended(1);
    const double total = (ratio * Extended(partial)).ToDouble();
    return (Extended(total) + Extended(0.5)).TruncateToInt32();
}

int32_t StepUpTo(int32_t value, int32_t maximum)
{
    return value < maximum ? value + 1 : value; // cannot overflow: value < maximum <= INT32_MAX
}

int32_t StepDownTo(int32_t value, int32_t minimum)
{
    return value > minimum ? value - 1 : value;
}

std::string FigureText(int32_t value)
{
    return "  " + std::to_string(value);
}

std::string MaterialFigure(int32_t value)
{
    return value == -1 ? std::string("?") : std::to_string(value);
}

std::string MaterialFigureText(int32_t value)
{
    return "  " + MaterialFigure(value);
}

std::string PercentText(int32_t percent)
{
    char text[24];
    const int n = std::snprintf(text, sizeof text, "  %+3d%%", static_cast<int>(percent));
    return std::string(text, static_cast<std::size_t>(n));
}

} // namespace shiptab
