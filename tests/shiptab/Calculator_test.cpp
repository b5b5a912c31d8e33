#include "shiptab/Calculator.h"
#include "shiptab/Extended.h"
#include "shiptab/TabTexts.h"
#include "support/RowName.h"

#include "shipdata/Cshipdatamanagemer.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <limits>
#include <random>
#include <set>

using namespace shiptab;

namespace {
constexpr int32_t Min32 = std::numeric_limits<int32_t>::min();
constexpr int32_t Max32 = std::numeric_limits<int32_t>::max();

} // namespace

// --- shown price ---------------------------------------------------------------------------

struct PriceCase {
    const char* name;
    int32_t price;
    double factor;
    int32_t percent;
    int32_t shown;
};

class ShownPriceTest : public testing::TestWithParam<PriceCase> {};

TEST_P(ShownPriceTest, RoundsAsDesigned)
{
    const PriceCase& c = GetParam();
    EXPECT_EQ(ShownPrice(c.price, c.factor, c.percent), c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Prices, ShownPriceTest,
    testing::Values(
        PriceCase{"Elm", 1000, MaterialPriceFactors[4], 0, 720},
        PriceCase{"ElmPlusOnePercent", 1000, MaterialPriceFactors[4], 1, 727},
        PriceCase{"ElmPlusThree", 1000, MaterialPriceFactors[4], 3, 742},
        PriceCase{"ElmMinusThreeCostsTheSame", 1000, MaterialPriceFactors[4], -3, 742},
        PriceCase{"CedarRoundsDown", 1234, MaterialPriceFactors[1], 0, 740},
        PriceCase{"CedarPlusSeven", 1234, MaterialPriceFactors[1], 7, 792},
        PriceCase{"CedarMinusSeven", 1234, MaterialPriceFactors[1], -7, 792},
        PriceCase{"ExactHalfGoesUp", 1001, MaterialPriceFactors[0], 50, 1502},
        PriceCase{"ExtendedRatioGivesExactHalf", 50, MaterialPriceFactors[0], 15, 58},
        PriceCase{"ExtendedRatioGivesExactHalfNegative", 50, MaterialPriceFactors[0], -15, 58},
        PriceCase{"PartialJustBelowHalf", 62, MaterialPriceFactors[1], 25, 46},
        PriceCase{"RosewoodJustBelowHalf", 5, MaterialPriceFactors[9], 0, 13},
        PriceCase{"Iron", 5, MaterialPriceFactors[10], 0, 15},
        PriceCase{"MissingPriceIron", -1, MaterialPriceFactors[10], 0, -2},
        PriceCase{"MissingPriceMaster", -1, MaterialPriceFactors[0], 0, 0},
        PriceCase{"Rosewood10005", 10005, MaterialPriceFactors[9], 0, 27013},
        PriceCase{"Rosewood1005", 1005, MaterialPriceFactors[9], 0, 2713},
        PriceCase{"Rosewood20005", 20005, MaterialPriceFactors[9], 0, 54013},
        PriceCase{"NearestTo2Point7WouldGiveOneMore", 10005, 2.7, 0, 27014},
        // One step of the hundredth's last bit either way gives 94 and 63869.
        PriceCase{"HundredthNotRoundedDown", 7, MaterialPriceFactors[9], 400, 95},
        PriceCase{"HundredthNotRoundedUp", 83, MaterialPriceFactors[6], 64025, 63868},
        PriceCase{"LargestPrice", Max32, 1.0, 0, Max32},
        PriceCase{"SmallestPriceMovesTowardZero", Min32, 1.0, 0, -2147483647},
        PriceCase{"PriceBeyondInt32IsMin", Max32, 3.0, 0, Min32},
        PriceCase{"NegativePriceBeyondInt32IsMin", Min32, 3.0, Min32, Min32},
        PriceCase{"SmallestPercentHasNoOverflow", 1, 1.0, Min32, 21474837},
        PriceCase{"NanFactorIsMin", 10, std::nan(""), 0, Min32}),
    testsupport::RowName());

// --- capacity and hold ---------------------------------------------------------------------

struct CapacityCase {
    const char* name;
    int32_t percent;
    int32_t base;
    int32_t capacity;
};

class CapacityTest : public testing::TestWithParam<CapacityCase> {};

TEST_P(CapacityTest, TruncatesTowardZero)
{
    const CapacityCase& c = GetParam();
    EXPECT_EQ(CurrentCapacity(c.percent, c.base), c.capacity);
}

INSTANTIATE_TEST_SUITE_P(
    Capacities, CapacityTest,
    testing::Values(CapacityCase{"Standard", 0, 150, 150}, CapacityCase{"PlusFiveTruncates", 5, 150, 157},
                    CapacityCase{"MinusFive", -5, 150, 142}, CapacityCase{"PlusTen", 10, 150, 165},
                    CapacityCase{"MinusHundredIsZero", -100, 150, 0},
                    CapacityCase{"BelowZeroTruncatesTowardZero", -101, 150, -1},
                    CapacityCase{"MinusTwoHundred", -200, 150, -150},
                    CapacityCase{"NinetyNineAtPlusOne", 1, 99, 99}, CapacityCase{"NinetyNineAtMinusOne", -1, 99, 98},
                    CapacityCase{"SmallestBaseIsExact", 0, Min32, Min32}, CapacityCase{"LargestBase", 0, Max32, Max32},
                    CapacityCase{"PercentWrapsBeforeScaling", Max32, 1, -21474835},
                    CapacityCase{"BeyondInt32IsMin", Max32, Max32, Min32},
                    CapacityCase{"MissingFigures", 0, -3, -3}),
    testsupport::RowName());

// The extended product equals the integer quotient taken in 64 bits; check that claim broadly.
TEST(CapacityTest, EqualsTheIntegerQuotient)
{
    uint64_t state = 0x9E3779B97F4A7C15u;
    const auto next = [&state] {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return static_cast<int32_t>(static_cast<uint32_t>(state));
    };
    for (int i = 0; i < 200000; ++i) {
        const int32_t percent = i % 2 == 0 ? next() % 2000 : next();
        const int32_t base = i % 3 == 0 ? next() % 100000 : next();
        const int64_t quotient = (int64_t{WrapAdd(percent, 100)} * base) / 100;
        const int32_t expected =
            quotient >= Min32 && quotient <= Max32 ? static_cast<int32_t>(quotient) : Min32;
        ASSERT_EQ(CurrentCapacity(percent, base), expected) << percent << " x " << base;
    }
}

struct HoldCase {
    const char* name;
    int32_t percent;
    int32_t cabins;
    int32_t hold;
};

class HoldTest : public testing::TestWithParam<HoldCase> {};

// Cabins 30, gun ports 20 and hold 100 as standard.
TEST_P(HoldTest, IsCapacityLessAllotments)
{
    const HoldCase& c = GetParam();
    const int32_t base = BaseCapacity(30, 20, 100);
    EXPECT_EQ(base, 150);
    EXPECT_EQ(Hold(CurrentCapacity(c.percent, base), c.cabins, 20), c.hold);
}

INSTANTIATE_TEST_SUITE_P(Holds, HoldTest,
                         testing::Values(HoldCase{"Standard", 0, 30, 100}, HoldCase{"HalfCapacity", -50, 30, 25},
                                         HoldCase{"NegativeHold", -90, 30, -35},
                                         HoldCase{"CabinsAtMaximum", 0, 45, 85}),
                         testsupport::RowName());

TEST(WrapTest, SumsWrapModulo2To32)
{
    EXPECT_EQ(BaseCapacity(-1, -1, -1), -3);
    EXPECT_EQ(BaseCapacity(Max32, Max32, Max32), 2147483645);
    EXPECT_EQ(BaseCapacity(Min32, -1, 0), Max32);
    EXPECT_EQ(Hold(Min32, 1, 0), Max32);
    EXPECT_EQ(Hold(Max32, -1, 0), Min32);
    EXPECT_EQ(WrapAdd(Max32, 1), Min32);
    EXPECT_EQ(WrapSub(Min32, 1), Max32);
}

// --- allotment bounds ----------------------------------------------------------------------

struct CabinCase {
    const char* name;
    int32_t standard;
    int32_t minimumBase;
    int32_t minimum;
    int32_t maximum;
};

class CabinBoundsTest : public testing::TestWithParam<CabinCase> {};

TEST_P(CabinBoundsTest, Bounds)
{
    const CabinCase& c = GetParam();
    EXPECT_EQ(CabinMinimum(c.standard, c.minimumBase), c.minimum);
    EXPECT_EQ(CabinMaximum(c.standard), c.maximum);
}

INSTANTIATE_TEST_SUITE_P(
    Cabins, CabinBoundsTest,
    testing::Values(CabinCase{"HalfTakesTheMinimum", 7, 3, 4, 10}, CabinCase{"BaseTakesTheMinimum", 7, 5, 6, 10},
                    CabinCase{"MinimumAboveMaximum", 7, 10, 12, 10}, CabinCase{"Eight", 8, 0, 4, 12},
                    CabinCase{"Twenty", 20, 5, 10, 30}, CabinCase{"EqualCandidates", 12, 5, 6, 18},
                    CabinCase{"One", 1, 0, 1, 1}, CabinCase{"Zero", 0, 0, 0, 0},
                    CabinCase{"NegativeHalvesAwayFromZero", -5, -100, -3, -7},
                    CabinCase{"Missing", -1, -1, -1, -1},
                    CabinCase{"SmallestWraps", Min32, Min32, 1717986919, 1073741824},
                    CabinCase{"LargestWraps", Max32, Max32, 1073741824, -1073741826}),
    testsupport::RowName());

struct PortCase {
    const char* name;
    int32_t standard;
    int32_t minimum;
    int32_t maximum;
};

class PortBoundsTest : public testing::TestWithParam<PortCase> {};

TEST_P(PortBoundsTest, Bounds)
{
    const PortCase& c = GetParam();
    EXPECT_EQ(PortMinimum(c.standard), c.minimum);
    EXPECT_EQ(PortMaximum(c.standard), c.maximum);
}

INSTANTIATE_TEST_SUITE_P(Ports, PortBoundsTest,
                         testing::Values(PortCase{"Seven", 7, 4, 10}, PortCase{"Nine", 9, 5, 13},
                                         PortCase{"Three", 3, 2, 4}, PortCase{"Two", 2, 1, 3},
                                         PortCase{"One", 1, 1, 1}, PortCase{"Zero", 0, 0, 0},
                                         PortCase{"NegativeStandard", -7, -4, -10},
                                         PortCase{"Missing", -1, -1, -1},
                                         PortCase{"Smallest", Min32, -1073741824, 1073741824},
                                         PortCase{"Largest", Max32, 1073741824, -1073741826}),
                         testsupport::RowName());

TEST(StepTest, NeverPassesItsOwnBoundAndNeverPullsBack)
{
    EXPECT_EQ(StepUpTo(9, 10), 10);
    EXPECT_EQ(StepUpTo(10, 10), 10);
    EXPECT_EQ(StepUpTo(Max32, Max32), Max32);
    EXPECT_EQ(StepDownTo(5, 4), 4);
    EXPECT_EQ(StepDownTo(4, 4), 4);
    EXPECT_EQ(StepDownTo(Min32, Min32), Min32);
    // Outside the range a step toward it is refused, a step into it taken.
    EXPECT_EQ(StepDownTo(7, 12), 7);
    EXPECT_EQ(StepUpTo(7, 10), 8);
}

// What a paste accepts is what the spinners reach: every value that steps from the start reach.
TEST(ReachTest, IsWhatStepsFromTheStartReach)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int32_t> small(-12, 12);
    for (int i = 0; i < 2000; ++i) {
        CShipDataElement ship("", nullptr);
        ship.DefaultCabins = small(random), ship.MinimumCabinsBase = small(random);
        const int32_t low = CabinMinimum(ship.DefaultCabins, ship.MinimumCabinsBase), high = CabinMaximum(ship.DefaultCabins);
        std::set<int32_t> seen;
        for (std::vector<int32_t> next{ship.DefaultCabins}; !next.empty(); next.pop_back())
            if (seen.insert(next.back()).second)
                next.insert(next.begin(), {StepUpTo(next.back(), high), StepDownTo(next.back(), low)});
        for (int32_t v = -40; v <= 40; ++v)
            ASSERT_EQ(CabinReach(ship).Holds(v), seen.count(v) == 1) << ship.DefaultCabins << " " << low << " " << high;
    }
}

// --- texts ---------------------------------------------------------------------------------

struct TextCase {
    const char* name;
    int32_t value;
    const char* text;
};

class PercentTextTest : public testing::TestWithParam<TextCase> {};

TEST_P(PercentTextTest, SignedAtLeastThreeWide)
{
    EXPECT_EQ(PercentText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Ratios, PercentTextTest,
    testing::Values(TextCase{"Zero", 0, "   +0%"}, TextCase{"Five", 5, "   +5%"}, TextCase{"MinusFive", -5, "   -5%"},
                    TextCase{"Ten", 10, "  +10%"}, TextCase{"MinusTen", -10, "  -10%"},
                    TextCase{"Hundred", 100, "  +100%"}, TextCase{"MinusHundred", -100, "  -100%"},
                    TextCase{"Thousand", 1000, "  +1000%"}, TextCase{"Smallest", Min32, "  -2147483648%"}),
    testsupport::RowName());

class FigureTextTest : public testing::TestWithParam<TextCase> {};

TEST_P(FigureTextTest, TwoBlanksThenDecimal)
{
    EXPECT_EQ(FigureText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Figures, FigureTextTest,
                         testing::Values(TextCase{"Zero", 0, "  0"}, TextCase{"Positive", 1234, "  1234"},
                                         TextCase{"Missing", -1, "  -1"},
                                         TextCase{"Smallest", Min32, "  -2147483648"}),
                         testsupport::RowName());

class MaterialFigureTest : public testing::TestWithParam<TextCase> {};

TEST_P(MaterialFigureTest, QuestionMarkOnlyForMinusOne)
{
    EXPECT_EQ(MaterialFigure(GetParam().value), GetParam().text);
    EXPECT_EQ(MaterialFigureText(GetParam().value), std::string("  ") + GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(MaterialFigures, MaterialFigureTest,
                         testing::Values(TextCase{"Missing", -1, "?"}, TextCase{"Zero", 0, "0"},
                                         TextCase{"MinusTwoIsAFigure", -2, "-2"}, TextCase{"Twelve", 12, "12"}),
                         testsupport::RowName());

// --- conversion ----------------------------------------------------------------------------

struct TruncCase {
    const char* name;
    double value;
    int32_t result;
};

class TruncateTest : public testing::TestWithParam<TruncCase> {};

TEST_P(TruncateTest, TowardZeroElseMin)
{
    EXPECT_EQ(Extended(GetParam().value).TruncateToInt32(), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(
    Conversions, TruncateTest,
    testing::Values(TruncCase{"Positive", 157.5, 157}, TruncCase{"Negative", -1.5, -1},
                    TruncCase{"JustBelowMax", 2147483647.99, Max32}, TruncCase{"Max", 2147483648.0, Min32},
                    TruncCase{"JustAboveMin", -2147483648.99, Min32}, TruncCase{"BelowMin", -2147483649.0, Min32},
                    TruncCase{"Infinite", std::numeric_limits<double>::infinity(), Min32},
                    TruncCase{"NotANumber", std::numeric_limits<double>::quiet_NaN(), Min32}),
    testsupport::RowName());

// --- the same figures as x87 ---------------------------------------------------------------

namespace {

// A build: its price (or base capacity), its material's factor, its ratio.
struct Sample {
    int32_t figure;
    double factor;
    int32_t percent;
};

// figures x materials x percents, the figure slowest.
template <class Figure, class Percent>
Sample Grid(uint64_t i, Figure figure, Percent percent, uint64_t percents)
{
    return {figure(i / (percents * MaterialCount)), MaterialPriceFactors[i / percents % MaterialCount],
            percent(i % percents)};
}

constexpr int32_t Ends[] = {Min32, Min32 + 1, -101, -2, -1, 0, 1, 2, 101, Max32 - 1, Max32};

// Figures of every size; one in four with any double as its factor (NaN, infinite, subnormal, huge).
Sample Random(uint64_t i)
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

// Native x87 arithmetic, where long double is that format, to compare against.
#if (defined(__x86_64__) || defined(__i386__)) && LDBL_MANT_DIG == 64
constexpr bool Native = true;

int32_t NativeTruncate(long double value)
{
    return value > -2147483649.0L && value < 2147483648.0L ? static_cast<int32_t>(value) : Min32;
}

int32_t NativePrice(int32_t price, double factor, int32_t percent)
{
    const double partial = static_cast<double>(static_cast<long double>(price) * factor);
    const long double ratio = std::fabs(static_cast<long double>(percent)) * 0.01L + 1.0L;
    return NativeTruncate(static_cast<long double>(static_cast<double>(ratio * partial)) + 0.5L);
}

int32_t NativeCapacity(int32_t percent, int32_t base)
{
    const auto sum = static_cast<int32_t>(static_cast<uint32_t>(percent) + 100u);
    return NativeTruncate(static_cast<long double>(sum) * base * 0.01L);
}
#else
constexpr bool Native = false;
int32_t NativePrice(int32_t, double, int32_t) { return 0; }
int32_t NativeCapacity(int32_t, int32_t) { return 0; }
#endif

} // namespace

// Every build's shown price and capacity, folded into one hash per set. On x86 each figure is
// also compared with native x87 arithmetic; elsewhere the hash recorded there stands for it.
// A fifth of the realistic grid keeps a run within seconds under qemu and the sanitizers;
// SHIPPLANNER_X87_LONG=1 compares the whole grid and a hundred million random builds.
TEST(SameAsX87Test, EveryBuildSet)
{
    const bool longRun = std::getenv("SHIPPLANNER_X87_LONG") != nullptr;
    struct Set {
        const char* name;
        uint64_t count, step;
        Sample (*build)(uint64_t);
        uint64_t hash;
    };
    const Set sets[] = {
        // Prices 1 to 200,000 in steps of 7, all materials, ratios -100% to +98% in steps of 3.
        {"realistic", 28572ull * MaterialCount * 67, longRun ? 1u : 5u,
         [](uint64_t i) {
             return Grid(i, [](uint64_t f) { return static_cast<int32_t>(1 + 7 * f); },
                         [](uint64_t p) { return static_cast<int32_t>(p) * 3 - 100; }, 67);
         },
         longRun ? 0u : 0x4cefadd972390fc3u},
        // The ends of the int32 range and the figures around zero, with every material.
        {"extremes", 11ull * MaterialCount * 11, 1,
         [](uint64_t i) { return Grid(i, [](uint64_t f) { return Ends[f]; }, [](uint64_t p) { return Ends[p]; }, 11); },
         0xd88a89cd79441d61},
        {"random", longRun ? 100000000u : 2000000u, 1, Random, longRun ? 0u : 0x82319cd708c96605u}};
    for (const Set& set : sets) {
        uint64_t hash = 0xCBF29CE484222325u, differences = 0;
        for (uint64_t i = 0; i < set.count; i += set.step) {
            const Sample b = set.build(i);
            const int32_t price = ShownPrice(b.figure, b.factor, b.percent);
            const int32_t capacity = CurrentCapacity(b.percent, b.figure);
            hash = ((hash ^ static_cast<uint32_t>(price)) * 0x100000001B3u ^ static_cast<uint32_t>(capacity)) *
                   0x100000001B3u;
            if (Native && (price != NativePrice(b.figure, b.factor, b.percent) ||
                           capacity != NativeCapacity(b.percent, b.figure)) &&
                ++differences <= 5)
                ADD_FAILURE() << set.name << " " << b.figure << " x " << b.factor << " at " << b.percent << "%";
        }
        EXPECT_EQ(differences, 0u) << set.name;
        if (set.hash != 0) {
            EXPECT_EQ(hash, set.hash) << set.name << std::hex << ": 0x" << hash;
        }
        std::cout << set.name << ": " << (set.count + set.step - 1) / set.step << " builds, " << differences
                  << " differences" << (Native ? "" : " (hash only)") << "\n";
    }
}
