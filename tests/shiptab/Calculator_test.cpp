#include "shiptab/Calculator.h"
#include "shiptab/Extended.h"
#include "support/RowName.h"
#include "support/X87Builds.h"

#include "shipdata/Cshipdatamanagemer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

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

// Every build's shown price and capacity, folded into one hash per set. On x86 each figure is
// also compared with native x87 arithmetic; elsewhere the hash recorded there stands for it.
TEST(SameAsX87Test, EveryBuildSet)
{
    struct Set {
        const char* name;
        uint64_t count, step;
        x87::Build (*build)(uint64_t);
        uint64_t hash;
    };
    // A fifth of the realistic grid in each run keeps this within seconds under qemu and the
    // sanitizers; the benchmark compares the whole of it.
    const Set sets[] = {{"realistic", x87::RealisticCount, 5, x87::Realistic, 0x4cefadd972390fc3},
                        {"extremes", x87::EndCount, 1, x87::Extreme, 0xd88a89cd79441d61},
                        {"random", 2000000, 1, x87::Random, 0x82319cd708c96605}};
    for (const Set& set : sets) {
        uint64_t hash = 0xCBF29CE484222325u, differences = 0;
        for (uint64_t i = 0; i < set.count; i += set.step) {
            const x87::Build b = set.build(i);
            const int32_t price = ShownPrice(b.figure, b.factor, b.percent);
            const int32_t capacity = CurrentCapacity(b.percent, b.figure);
            hash = ((hash ^ static_cast<uint32_t>(price)) * 0x100000001B3u ^ static_cast<uint32_t>(capacity)) *
                   0x100000001B3u;
            if (x87::Native && (price != x87::ShownPrice(b.figure, b.factor, b.percent) ||
                                capacity != x87::CurrentCapacity(b.percent, b.figure)) &&
                ++differences <= 5)
                ADD_FAILURE() << set.name << " " << b.figure << " x " << b.factor << " at " << b.percent << "%";
        }
        EXPECT_EQ(differences, 0u) << set.name;
        EXPECT_EQ(hash, set.hash) << set.name << std::hex << ": 0x" << hash;
    }
}
