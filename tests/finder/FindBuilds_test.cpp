#include "finder/FindBuilds.h"

#include "shipdata/ShipType.h"
#include "shiptab/Calculator.h"
#include "support/Records.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <tuple>

using finder::FoundBuild;
using finder::Goal;
using finder::Query;

namespace {

// Every allowed build of every ship and material tried, the best kept by the stated rules.
std::vector<FoundBuild> BruteForce(const CShipDataManager& catalogue, const Query& q)
{
    const auto meets = [](int32_t figure, const std::optional<int32_t>& least) {
        return !least || (figure != -1 && figure >= *least);
    };
    const auto more = [](int32_t f) { return f == -1 ? INT64_MAX : -int64_t{f}; };
    struct Row {
        int64_t goal;
        int32_t price;
        FoundBuild build;
    };
    const auto before = [](const Row& a, const Row& b) { return std::tie(a.goal, a.price) < std::tie(b.goal, b.price); };
    std::vector<Row> rows;
    for (int i = 0; i < catalogue.GetCount(); ++i) {
        const CShipDataElement& s = *catalogue.GetElement(i);
        const ShipType type = ShipTypeOf(s.ALV, s.TLV, s.CLV);
        if (!(type == ShipType::Adventure ? q.Adventure : type == ShipType::Trade ? q.Trade : q.Combat))
            continue;
        const shiptab::Range cabins = shiptab::CabinReach(s), ports = shiptab::PortReach(s);
        const std::size_t first = rows.size();
        for (int m = 0; m < MaterialCount; ++m) {
            const MaterialSlot& slot = s.Materials[m];
            if (!meets(slot.LSail, q.MinLSail) || !meets(slot.SSail, q.MinSSail) || !meets(slot.Strength, q.MinStrength))
                continue;
            std::optional<std::tuple<int64_t, int64_t, int32_t, bool>> bestKey;
            FoundBuild best{};
            for (int32_t p = q.LowestPercent; p <= q.HighestPercent; ++p) {
                const int32_t price = shiptab::ShownPrice(s.Price, slot.PriceFactor, p);
                const int32_t capacity = shiptab::CurrentCapacity(
                    p, shiptab::BaseCapacity(s.DefaultCabins, s.DefaultPorts, s.DefaultHold));
                for (int32_t c = cabins.Lowest; c <= cabins.Highest; ++c)
                    for (int32_t g = ports.Lowest; g <= ports.Highest; ++g) {
                        const int32_t hold = shiptab::Hold(capacity, c, g);
                        if ((q.MinCabins && c < *q.MinCabins) || (q.MinPorts && g < *q.MinPorts)
                            || (q.MinHold && hold < *q.MinHold) || (q.MaxPrice && price > *q.MaxPrice))
                            continue;
                        const bool holdFirst = q.LookFor == Goal::LargestHold;
                        const std::tuple<int64_t, int64_t, int32_t, bool> key{
                            holdFirst ? -int64_t{hold} : price, holdFirst ? price : -int64_t{hold}, std::abs(p), p < 0};
                        if (!bestKey || key < *bestKey)
                            bestKey = key, best = FoundBuild{0, uint32_t(i), c, g, price, capacity, int16_t(p), uint8_t(m)};
                    }
            }
            if (!bestKey)
                continue;
            const int64_t goal[] = {best.Price, -int64_t{best.HoldValue()}, more(slot.LSail), more(slot.SSail),
                                    slot.LSail == -1 || slot.SSail == -1 ? INT64_MAX : -(int64_t{slot.LSail} + slot.SSail),
                                    more(slot.Strength)};
            const Row row{goal[int(q.LookFor)], best.Price, best};
            if (q.EveryMaterial || rows.size() == first)
                rows.push_back(row);
            else if (before(row, rows.back()))
                rows.back() = row;
        }
    }
    std::stable_sort(rows.begin(), rows.end(), before);
    std::vector<FoundBuild> out;
    for (const Row& r : rows)
        out.push_back(r.build);
    return out;
}

std::string Describe(const std::vector<FoundBuild>& rows)
{
    std::ostringstream text;
    for (const FoundBuild& r : rows)
        text << "ship " << r.Ship << " material " << int(r.Material) << " " << r.Percent << "% " << r.Cabins << "/"
             << r.Ports << " price " << r.Price << " capacity " << r.Capacity << "\n";
    return text.str();
}

// A cell's order as the user reads its text: a number, "?" after every number.
std::pair<bool, int64_t> Shown(const CShipDataManager& catalogue, const FoundBuild& r, int column)
{
    const std::string text = shiptab::TextsOf(*catalogue.GetElement(int(r.Ship)), r.AsBuild())[std::size_t(column)];
    if (column == shiptab::box::ShipNameText || column == shiptab::box::MaterialText)
        return {false, column == shiptab::box::MaterialText ? r.Material : r.Ship}; // names in file order here
    if (text.find('?') != std::string::npos)
        return {true, 0};
    return {false, std::stoll(text)};
}

} // namespace

// Random small catalogues with edge figures (missing and negative standard figures, missing
// material figures, negative and tiny prices, a zero base capacity) and random queries over a
// small ratio range: the finder's rows are what trying every build gives, and a column sort
// orders the shown cells as numbers.
TEST(FindBuilds, EqualsTryingEveryBuild)
{
    std::mt19937 random(2026);
    const auto pick = [&](std::initializer_list<int> values) {
        return *(values.begin() + std::uniform_int_distribution<std::size_t>(0, values.size() - 1)(random));
    };
    const auto between = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
    const std::initializer_list<int> Prices = {-1, -120, 0, 3, 50, 62, 99, 150, 1001, 4321};
    const auto figure = [&](int lo, int hi) { return between(0, 5) == 0 ? std::string() : std::to_string(between(lo, hi)); };
    for (int round = 0; round < 150; ++round) {
        TempDir dir;
        std::string ships = "header\n", materials = "header\n";
        const int count = between(1, 7);
        for (int i = 0; i < count; ++i) {
            const std::string name = "S" + std::to_string(i);
            const int cabins = pick({-1, -5, 0, 1, 2, 7, 12, 20}), ports = pick({-1, -3, 0, 1, 3, 9});
            const int hold = between(0, 4) == 0 ? -(cabins + ports) : between(-40, 60);
            ships += testsupport::ShipLine(
                         name,
                         {{1, std::to_string(pick(Prices))},
                          {9, std::to_string(cabins)}, {10, std::to_string(ports)}, {11, std::to_string(hold)},
                          {12, figure(-2, 15)}, {13, figure(0, 3)}, {14, figure(0, 3)}, {15, figure(0, 3)},
                          {25, std::to_string(between(-1, 9))}})
                     + "\n";
            materials += name;
            for (int m = 0; m < MaterialCount; ++m)
                materials += "," + figure(-2, 150) + "/" + figure(-2, 150) + "/" + figure(-2, 150);
            materials += "\n";
        }
        dir.write("data/ship_varietion.csv", ships);
        dir.write("data/ship_material.csv", materials);
        const CShipDataManager catalogue((dir.path() / "data/ship_varietion.csv").string(),
                                         (dir.path() / "data/ship_material.csv").string());
        for (int n = 0; n < 12; ++n) {
            Query q;
            q.Adventure = between(0, 4) > 0, q.Trade = between(0, 4) > 0, q.Combat = between(0, 4) > 0;
            const auto maybe = [&](int lo, int hi) { return between(0, 2) == 0 ? std::optional<int32_t>(between(lo, hi)) : std::nullopt; };
            q.MinLSail = maybe(0, 150), q.MinSSail = maybe(0, 150), q.MinStrength = maybe(0, 150);
            q.MinCabins = maybe(0, 20), q.MinPorts = maybe(0, 10), q.MinHold = maybe(-20, 80);
            q.LowestPercent = between(-12, 8), q.HighestPercent = q.LowestPercent + between(-2, 14);
            // Some build's price, where a limit decides.
            if (between(0, 1) == 0)
                q.MaxPrice = shiptab::ShownPrice(catalogue.GetElement(between(0, count - 1))->Price,
                                                 MaterialPriceFactors[between(0, 10)],
                                                 between(q.LowestPercent, std::max(q.LowestPercent, q.HighestPercent)));
            q.LookFor = between(0, 2) == 0 ? Goal::LargestHold : Goal(between(0, 5)); // its price limit is subtle
            q.EveryMaterial = between(0, 1) == 1;
            std::vector<FoundBuild> rows = finder::FindBuilds(catalogue, q);
            ASSERT_EQ(Describe(rows), Describe(BruteForce(catalogue, q))) << ships << materials << "round " << round
                                                                          << " query " << n;

            const int column = between(0, shiptab::box::Count - 1);
            const bool descending = between(0, 1) == 1;
            finder::SortByColumn(rows, catalogue, column, descending);
            for (std::size_t i = 1; i < rows.size(); ++i) {
                auto a = Shown(catalogue, rows[i - 1], column), b = Shown(catalogue, rows[i], column);
                if (descending && !a.first && !b.first)
                    std::swap(a, b);
                ASSERT_LE(a, b) << "column " << column << " row " << i;
            }
        }
    }
}
