#pragma once
// The x87 80-bit extended format on plain integers, so that a price comes out the same on
// every compiler and CPU: long double is that format only on x86, and elsewhere it is a
// double or a 128-bit quad, which round differently. Each operation is exact, then rounded
// to a 64-bit significand, nearest with ties to even, as the x87 unit does at its default
// precision. The exponent is not bounded as the x87's 15 bits are; no value made from an
// int32 and a double by the calculator's few steps comes near those bounds.
#include <cstdint>

namespace shiptab {

class Extended {
public:
    constexpr Extended() = default; // +0
    explicit Extended(int32_t value);
    explicit Extended(double value); // exact, as every double is an extended value

    // The extended value nearest to 0.01, which lies slightly below it.
    static Extended Hundredth();

    friend Extended operator*(const Extended& a, const Extended& b);
    friend Extended operator+(const Extended& a, const Extended& b);
    Extended Abs() const;

    // Rounded to the nearest double, ties to even; subnormal results and overflow to
    // infinity as in IEEE 754.
    double ToDouble() const;
    // Toward zero; out of the int32 range, infinite or NaN gives INT32_MIN, as the x87
    // conversion does.
    int32_t TruncateToInt32() const;

private:
    enum class Kind : uint8_t { Zero, Finite, Infinite, NaN };
    static Extended Rounded(bool negative, uint64_t high, uint64_t low, int64_t exponent);

    Kind kind = Kind::Zero;
    bool negative = false;
    uint64_t significand = 0; // Finite: top bit set
    int64_t exponent = 0;     // Finite: the value is significand x 2^exponent
};

} // namespace shiptab
