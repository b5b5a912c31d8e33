#include "shiptab/Extended.h"

#include <bit>
#include <cmath>
#include <limits>

namespace shiptab {

namespace {

constexpr uint64_t TopBit = uint64_t{1} << 63;

// The full 128-bit product, by 32-bit halves: one portable path for every compiler (MSVC
// has no 128-bit integer), and the same one the comparison with x87 checks on x86.
void Multiply(uint64_t a, uint64_t b, uint64_t& high, uint64_t& low)
{
    const uint64_t a0 = a & 0xFFFFFFFFu, a1 = a >> 32, b0 = b & 0xFFFFFFFFu, b1 = b >> 32;
    const uint64_t p00 = a0 * b0, p01 = a0 * b1, p10 = a1 * b0, p11 = a1 * b1;
    const uint64_t middle = (p00 >> 32) + (p01 & 0xFFFFFFFFu) + (p10 & 0xFFFFFFFFu);
    low = (middle << 32) | (p00 & 0xFFFFFFFFu);
    high = p11 + (p01 >> 32) + (p10 >> 32) + (middle >> 32);
}

// Shifts high:low left until the top bit is set; returns by how much. Not for zero.
int Normalize(uint64_t& high, uint64_t& low)
{
    if (high == 0) {
        high = low;
        low = 0;
        const int shift = std::countl_zero(high);
        high <<= shift;
        return 64 + shift;
    }
    const int shift = std::countl_zero(high);
    if (shift > 0) {
        high = (high << shift) | (low >> (64 - shift));
        low <<= shift;
    }
    return shift;
}

} // namespace

Extended::Extended(int32_t value)
{
    if (value == 0)
        return;
    negative = value < 0;
    // Through int64: |INT32_MIN| does not fit an int32.
    const uint64_t magnitude = static_cast<uint64_t>(negative ? -int64_t{value} : int64_t{value});
    const int shift = std::countl_zero(magnitude);
    kind = Kind::Finite;
    significand = magnitude << shift;
    exponent = -shift;
}

Extended::Extended(double value)
{
    negative = std::signbit(value);
    if (std::isnan(value)) {
        kind = Kind::NaN;
    } else if (std::isinf(value)) {
        kind = Kind::Infinite;
    } else if (value != 0) {
        int binary = 0;
        const double fraction = std::frexp(std::fabs(value), &binary); // in [0.5, 1), exact
        kind = Kind::Finite;
        significand = static_cast<uint64_t>(std::ldexp(fraction, 64));
        exponent = int64_t{binary} - 64;
    }
}

Extended Extended::Hundredth()
{
    // 2^70 / 100 = 0xA3D70A3D70A3D70A.3D7..., so the nearest 64-bit significand rounds down.
    Extended e;
    e.kind = Kind::Finite;
    e.significand = 0xA3D70A3D70A3D70Au;
    e.exponent = -70;
    return e;
}

Extended Extended::Rounded(bool negative, uint64_t high, uint64_t low, int64_t exponent)
{
    // high:low x 2^exponent with the top bit of high set; low holds what is rounded away.
    if ((low & TopBit) != 0 && ((low & ~TopBit) != 0 || (high & 1) != 0)) {
        if (++high == 0) {
            high = TopBit;
            ++exponent;
        }
    }
    Extended e;
    e.kind = Kind::Finite;
    e.negative = negative;
    e.significand = high;
    e.exponent = exponent + 64;
    return e;
}

Extended operator*(const Extended& a, const Extended& b)
{
    using Kind = Extended::Kind;
    Extended e;
    e.negative = a.negative != b.negative;
    if (a.kind == Kind::NaN || b.kind == Kind::NaN) {
        e.kind = Kind::NaN;
    } else if (a.kind == Kind::Infinite || b.kind == Kind::Infinite) {
        e.kind = a.kind == Kind::Zero || b.kind == Kind::Zero ? Kind::NaN : Kind::Infinite;
    } else if (a.kind == Kind::Finite && b.kind == Kind::Finite) {
        uint64_t high = 0, low = 0;
        Multiply(a.significand, b.significand, high, low);
        // Both significands have their top bit set, so the product needs one shift at most.
        const int shift = Normalize(high, low);
        return Extended::Rounded(e.negative, high, low, a.exponent + b.exponent - shift);
    }
    return e;
}

Extended operator+(const Extended& a, const Extended& b)
{
    using Kind = Extended::Kind;
    if (a.kind == Kind::NaN || b.kind == Kind::NaN || (a.kind == Kind::Infinite && b.kind == Kind::Infinite &&
                                                       a.negative != b.negative)) {
        Extended e;
        e.kind = Kind::NaN;
        return e;
    }
    if (a.kind == Kind::Infinite || b.kind == Kind::Zero)
        return a.kind == Kind::Zero && !b.negative ? b : a; // +0 + -0 is +0
    if (b.kind == Kind::Infinite || a.kind == Kind::Zero)
        return b;

    // Both finite: x the larger in magnitude, y shifted right to x's scale.
    const bool yLarger = b.exponent > a.exponent || (b.exponent == a.exponent && b.significand > a.significand);
    const Extended& x = yLarger ? b : a;
    const Extended& y = yLarger ? a : b;
    const int64_t distance = x.exponent - y.exponent;
    uint64_t yHigh = 0, yLow = 0;
    if (distance == 0) {
        yHigh = y.significand;
    } else if (distance < 64) {
        yHigh = y.significand >> distance;
        yLow = y.significand << (64 - distance);
    } else if (distance == 64) {
        yLow = y.significand;
    } else if (distance < 128) {
        // Bits shifted out become one sticky bit: far below the rounding point, it still
        // tells a value just past a tie from the tie itself.
        yLow = (y.significand >> (distance - 64)) | ((y.significand << (128 - distance)) != 0 ? 1 : 0);
    } else {
        yLow = 1;
    }

    uint64_t high = x.significand, low = 0;
    int64_t exponent = x.exponent - 64;
    if (x.negative == y.negative) {
        low = yLow;
        high += yHigh;
        if (high < yHigh) { // carry out: one bit right, keeping what falls off as sticky
            low = (low >> 1) | (low & 1) | (high << 63);
            high = (high >> 1) | TopBit;
            ++exponent;
        }
    } else {
        low = 0 - yLow;
        high -= yHigh + (yLow != 0 ? 1 : 0);
        if (high == 0 && low == 0)
            return Extended(); // an exact cancellation is +0
        exponent -= Normalize(high, low);
    }
    return Extended::Rounded(x.negative, high, low, exponent);
}

Extended Extended::Abs() const
{
    Extended e = *this;
    e.negative = false;
    return e;
}

double Extended::ToDouble() const
{
    double magnitude = 0;
    if (kind == Kind::NaN) {
        magnitude = std::numeric_limits<double>::quiet_NaN();
    } else if (kind == Kind::Infinite) {
        magnitude = std::numeric_limits<double>::infinity();
    } else if (kind == Kind::Finite) {
        // 53 bits where the result is normal, fewer in the subnormal range below 2^-1022.
        const int64_t top = exponent + 63;
        const int64_t bits = top >= -1022 ? 53 : top + 1075;
        const int64_t shift = 64 - bits;
        if (shift <= 64) {
            const uint64_t kept = shift == 64 ? 0 : significand >> shift;
            const uint64_t rest = shift == 64 ? significand : significand << (64 - shift);
            const bool half = (rest & TopBit) != 0;
            const bool up = half && ((rest & ~TopBit) != 0 || (kept & 1) != 0);
            // At most 2^53, so exact; the scaling is exact too, or overflows to infinity.
            magnitude = std::ldexp(static_cast<double>(kept + (up ? 1 : 0)), static_cast<int>(exponent + shift));
        }
    }
    return negative ? -magnitude : magnitude;
}

int32_t Extended::TruncateToInt32() const
{
    if (kind == Kind::Zero)
        return 0;
    // From 2^31 up the result is INT32_MIN either way: out of range, or -2^31 itself.
    if (kind != Kind::Finite || exponent + 63 >= 31)
        return std::numeric_limits<int32_t>::min();
    if (exponent + 63 < 0)
        return 0;
    const auto magnitude = static_cast<int64_t>(significand >> -exponent);
    return static_cast<int32_t>(negative ? -magnitude : magnitude);
}

} // namespace shiptab
