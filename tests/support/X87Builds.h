#pragma once
// Builds to compare the calculator with, and native x87 arithmetic to compare it against
// where long double is that format. A build's figure is its price and its base capacity.
#include "shipdata/Cshipdatamanagemer.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace x87 {

struct Build {
    int32_t figure;
    double factor;
    int32_t percent;
};

// Prices 1 to 200,000 in steps of 7, all materials, ratios -100% to +98% in steps of 3.
inline constexpr uint64_t RealisticCount = 28572ull * MaterialCount * 67;
inline Build Realistic(uint64_t i)
{
    return {static_cast<int32_t>(1 + 7 * (i / (67 * MaterialCount))), MaterialPriceFactors[i / 67 % MaterialCount],
            static_cast<int32_t>(i % 67) * 3 - 100};
}

// The ends of the int32 range and the figures around zero, with every material.
inline constexpr int32_t Ends[] = {INT32_MIN, INT32_MIN + 1, -101, -2, -1, 0, 1, 2, 101, INT32_MAX - 1, INT32_MAX};
inline constexpr uint64_t EndCount = 11ull * MaterialCount * 11;
inline Build Extreme(uint64_t i)
{
    return {Ends[i / (11 * MaterialCount)], MaterialPriceFactors[i / 11 % MaterialCount], Ends[i % 11]};
}

// Figures of every size; one in four with any double as its factor (NaN, infinite,
// subnormal, huge).
inline Build Random(uint64_t i)
{
    uint64_t z = (i + 1) * 0x9E3779B97F4A7C15u; // splitmix64
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    z ^= z >> 31;
    const auto figure = static_cast<int32_t>(static_cast<uint32_t>(z)) >> (z >> 32 & 31);
    const auto percent = static_cast<int32_t>(static_cast<uint32_t>(z >> 16)) >> (z >> 59);
    double factor = MaterialPriceFactors[(z >> 40) % MaterialCount];
    if ((z >> 48 & 3) == 0) {
        const uint64_t bits = z * 0xD6E8FEB86659FD93u;
        std::memcpy(&factor, &bits, sizeof factor);
    }
    return {figure, factor, percent};
}

#if (defined(__x86_64__) || defined(__i386__)) && LDBL_MANT_DIG == 64
inline constexpr bool Native = true;

inline int32_t Truncate(long double value)
{
    return value > -2147483649.0L && value < 2147483648.0L ? static_cast<int32_t>(value) : INT32_MIN;
}

inline int32_t ShownPrice(int32_t price, double factor, int32_t percent)
{
    const double partial = static_cast<double>(static_cast<long double>(price) * factor);
    const long double ratio = std::fabs(static_cast<long double>(percent)) * 0.01L + 1.0L;
    const double total = static_cast<double>(ratio * partial);
    return Truncate(static_cast<long double>(total) + 0.5L);
}

inline int32_t CurrentCapacity(int32_t percent, int32_t base)
{
    const auto sum = static_cast<int32_t>(static_cast<uint32_t>(percent) + 100u);
    return Truncate(static_cast<long double>(sum) * base * 0.01L);
}
#else
inline constexpr bool Native = false;
inline int32_t ShownPrice(int32_t, double, int32_t) { return 0; }
inline int32_t CurrentCapacity(int32_t, int32_t) { return 0; }
#endif

} // namespace x87
