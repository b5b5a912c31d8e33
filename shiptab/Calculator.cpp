#include "shiptab/Calculator.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

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

int32_t TruncateToInt32(long double value)
{
    // Both limits are exact in long double; the comparison is false for NaN.
    if (value > -2147483649.0L && value < 2147483648.0L)
        return static_cast<int32_t>(value);
    return std::numeric_limits<int32_t>::min();
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
    // The product of two int32 fits the 64-bit significand exactly; only the scaling rounds.
    const long double scaled = static_cast<long double>(WrapAdd(percent, 100)) * baseCapacity;
    return TruncateToInt32(scaled * 0.01L);
}

int32_t Hold(int32_t capacity, int32_t cabins, int32_t ports)
{
    return WrapSub(WrapSub(capacity, cabins), ports);
}

int32_t ShownPrice(int32_t price, double priceFactor, int32_t percent)
{
    const double partial = static_cast<double>(static_cast<long double>(price) * priceFactor);
    // fabsl on the extended value: |INT32_MIN| does not fit an int32.
    const long double ratio = std::fabs(static_cast<long double>(percent)) * 0.01L + 1.0L;
    const double total = static_cast<double>(ratio * partial);
    return TruncateToInt32(static_cast<long double>(total) + 0.5L);
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
