#include "finder/FindBuilds.h"

#include "shipdata/ShipType.h"
#include "shiptab/Calculator.h"
#include "shiptab/Columns.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <numeric>
#include <utility>

namespace finder {

namespace {

using shiptab::CurrentCapacity;

// The capacity at the widest ratio is 11 times the base; the price 11 times the partial one.
constexpr int64_t WidestScale = (PercentLimit + 100) / 100;
constexpr int64_t Int32Max = std::numeric_limits<int32_t>::max();
constexpr int64_t Missing = std::numeric_limits<int64_t>::max();

// A run of ratios, both ends included; empty when Lo > Hi.
struct Span {
    int32_t Lo, Hi;
    bool Empty() const { return Lo > Hi; }
};
// A few runs: the ratios of one size are two, one on each side of zero.
struct Spans {
    Span Items[4];
    int Count = 0;
    void Add(Span s)
    {
        if (!s.Empty())
            Items[Count++] = s;
    }
    const Span* begin() const { return Items; }
    const Span* end() const { return Items + Count; }
};

// The ratio nearest to zero, the positive one of two.
int32_t ClosestToZero(const Spans& spans)
{
    int32_t best = 0;
    bool found = false;
    for (const Span& s : spans) {
        const int32_t p = std::clamp(0, s.Lo, s.Hi);
        if (!found || std::abs(p) < std::abs(best) || (std::abs(p) == std::abs(best) && p > best))
            best = p, found = true;
    }
    return best;
}

int32_t FarthestFromZero(const Spans& spans)
{
    int32_t most = 0;
    for (const Span& s : spans)
        most = std::max({most, std::abs(s.Lo), std::abs(s.Hi)});
    return most;
}

// The ratios of a span whose size is at most / at least `size`.
Spans AtMost(const Spans& spans, int32_t size)
{
    Spans out;
    for (const Span& s : spans)
        out.Add({std::max(s.Lo, -size), std::min(s.Hi, size)});
    return out;
}
Spans AtLeast(const Spans& spans, int32_t size)
{
    Spans out;
    for (const Span& s : spans) {
        out.Add({s.Lo, std::min(s.Hi, -size)});
        out.Add({std::max(s.Lo, size), s.Hi});
    }
    return out;
}

// The last value of [from, to] where a test that holds and then stops holding still holds;
// from - 1 when it fails at once. Exact, by halving.
// Halving between a value where it holds and one where it does not.
template <class Test>
int32_t Halve(int32_t yes, int32_t no, Test holds)
{
    while (no - yes > 1) {
        const int32_t mid = yes + (no - yes) / 2;
        (holds(mid) ? yes : no) = mid;
    }
    return yes;
}
template <class Test>
int32_t LastHolding(int32_t from, int32_t to, Test holds)
{
    return Halve(from - 1, to + 1, holds);
}

// The same for a test that is dear to run, which holds at `from`: a cheap close guess first,
// then steps that double away from it, then halving; mostly one or two runs of the test.
template <class Test, class Guess>
int32_t LastHoldingNear(int32_t from, int32_t to, Test holds, Guess guess)
{
    const int32_t g = LastHolding(from, to, guess);
    int32_t yes = from, no = to + 1;
    if (g > from)
        (holds(g) ? yes : no) = g;
    if (yes == g || g <= from) {
        for (int32_t step = 1; no - yes > 1; step *= 2) {
            const int32_t probe = static_cast<int32_t>(std::min<int64_t>(int64_t{yes} + step, no - 1));
            if (!holds(probe)) {
                no = probe;
                break;
            }
            yes = probe;
        }
    } else {
        for (int32_t step = 1; no - yes > 1; step *= 2) {
            const int32_t probe = std::max(no - step, yes + 1);
            if (holds(probe)) {
                yes = probe;
                break;
            }
            no = probe;
        }
    }
    return Halve(yes, no, holds);
}

// The shown price of one ship and price factor as the size of the ratio grows: it never falls
// for a positive partial price and never rises for a negative one.
class PriceCurve {
public:
    PriceCurve(int32_t price, double factor) : price(price), factor(factor), approx(double(price) * factor) {}

    // Within 32 bits at every ratio the window offers.
    bool Fits() const { return std::isfinite(approx) && std::fabs(approx) * WidestScale < double(Int32Max) - 2; }
    bool Rising() const { return approx >= 0; }
    int32_t At(int32_t size) const { return shiptab::ShownPrice(price, factor, size); }

    // The largest size up to `to` whose price is no dearer than `most`, where the price at
    // `from` is: prices that only rise.
    int32_t LastAtMost(int32_t from, int32_t to, int32_t most) const
    {
        return LastHoldingNear(from, to, [&](int32_t q) { return At(q) <= most; },
                               [&](int32_t q) { return Guess(q) <= most; });
    }
    // The smallest size from `from` whose price is no dearer than `most`, where the price at
    // `to` is: prices that only fall.
    int32_t FirstAtMost(int32_t from, int32_t to, int32_t most) const
    {
        const auto mirror = [&](int32_t r) { return from + to - r; };
        return mirror(LastHoldingNear(from, to, [&](int32_t r) { return At(mirror(r)) <= most; },
                                      [&](int32_t r) { return Guess(mirror(r)) <= most; }));
    }
    // The sizes that cost the same as `size` (whose price is `shown`): at least one step of the
    // ratio moves a price of more than a hundred (by 1.01 or more, far above the rounding).
    int32_t LastSameRising(int32_t size, int32_t shown) const
    {
        return std::fabs(approx) > 102 ? size : LastAtMost(size, PercentLimit, shown);
    }
    int32_t FirstSameFalling(int32_t size, int32_t shown) const
    {
        return std::fabs(approx) > 102 ? size : FirstAtMost(0, size, shown);
    }

private:
    // The price in doubles: off by at most one next to a rounding edge.
    int32_t Guess(int32_t size) const { return static_cast<int32_t>(approx * (1.0 + size * 0.01) + 0.5); }

    int32_t price;
    double factor;
    double approx;
};

// The least cabins and gun ports, the base capacity and the ratios that give the hold asked for.
struct ShipPlan {
    int32_t Cabins, Ports, Base;
    Span Ratios;

    int32_t CapacityAt(int32_t percent) const { return CurrentCapacity(percent, Base); }

    // The ratios of greatest capacity among the spans, and that capacity.
    std::pair<Spans, int32_t> Roomiest(const Spans& spans) const
    {
        Spans out;
        int32_t most = std::numeric_limits<int32_t>::min();
        // The capacity follows the ratio, upward for a positive base, downward for a negative.
        const auto edge = [&](const Span& s) { return Base >= 0 ? s.Hi : s.Lo; };
        for (const Span& s : spans)
            most = std::max(most, CapacityAt(edge(s)));
        for (const Span& s : spans) {
            if (CapacityAt(edge(s)) != most)
                continue;
            if (Base > 0)
                out.Add({LastHolding(s.Lo, s.Hi, [&](int32_t p) { return CapacityAt(p) < most; }) + 1, s.Hi});
            else if (Base < 0)
                out.Add({s.Lo, LastHolding(s.Lo, s.Hi, [&](int32_t p) { return CapacityAt(p) == most; })});
            else
                out.Add(s);
        }
        return {out, most};
    }
};

// Figures as wide as the tab's arithmetic keeps them: no sum, half or hold past 32 bits.
std::optional<ShipPlan> PlanShip(const CShipDataElement& ship, const Query& query)
{
    constexpr int64_t Wide = int64_t{1} << 28;
    for (const int32_t figure : {ship.DefaultCabins, ship.DefaultPorts, ship.DefaultHold, ship.MinimumCabinsBase})
        if (std::abs(int64_t{figure}) > Wide)
            return std::nullopt;
    const shiptab::Range cabins = shiptab::CabinReach(ship), ports = shiptab::PortReach(ship);
    const int32_t base = shiptab::BaseCapacity(ship.DefaultCabins, ship.DefaultPorts, ship.DefaultHold);
    const auto widest = [](shiptab::Range r) { return std::max(std::abs(int64_t{r.Lowest}), std::abs(int64_t{r.Highest})); };
    if (WidestScale * std::abs(int64_t{base}) + widest(cabins) + widest(ports) > Int32Max)
        return std::nullopt;

    // Fewest cabins and gun ports leave the most hold, and nothing else depends on them.
    ShipPlan plan{std::max(cabins.Lowest, query.MinCabins.value_or(cabins.Lowest)),
                  std::max(ports.Lowest, query.MinPorts.value_or(ports.Lowest)), base,
                  {std::max(query.LowestPercent, -PercentLimit), std::min(query.HighestPercent, PercentLimit)}};
    if (plan.Cabins > cabins.Highest || plan.Ports > ports.Highest || plan.Ratios.Empty())
        return std::nullopt;
    if (query.MinHold) {
        const int64_t need = int64_t{*query.MinHold} + plan.Cabins + plan.Ports;
        const auto enough = [&](int32_t p) { return plan.CapacityAt(p) >= need; };
        Span& r = plan.Ratios;
        if (base >= 0)
            r.Lo = LastHolding(r.Lo, r.Hi, [&](int32_t p) { return !enough(p); }) + 1;
        else
            r.Hi = LastHolding(r.Lo, r.Hi, enough);
    }
    return plan;
}

struct Pick {
    int32_t Percent, Price;
};

// Of the ratios given, the cheapest (then the nearest to zero, the positive one of two) within
// each run of equal capacity, and the best of those.
std::optional<Pick> Cheapest(const Spans& spans, const PriceCurve& curve)
{
    std::optional<Pick> best;
    for (const Span& s : spans) {
        Spans one;
        one.Add(s);
        int32_t p;
        int32_t price;
        if (curve.Rising()) {
            p = ClosestToZero(one);
            price = curve.At(std::abs(p));
        } else {
            const int32_t far = FarthestFromZero(one);
            price = curve.At(far);
            p = ClosestToZero(AtLeast(one, curve.FirstSameFalling(far, price)));
        }
        if (!best || price < best->Price
            || (price == best->Price && (std::abs(p) < std::abs(best->Percent)
                                         || (std::abs(p) == std::abs(best->Percent) && p > best->Percent))))
            best = Pick{p, price};
    }
    return best;
}

// The build of one ship and price factor that the query picks; its capacity follows the ratio.
std::optional<Pick> PickBuild(const ShipPlan& plan, const PriceCurve& curve, const Query& query)
{
    Spans ratios;
    ratios.Add(plan.Ratios);
    if (ratios.Count == 0)
        return std::nullopt;

    if (query.LookFor != Goal::LargestHold) {
        // The cheapest size of ratio, every ratio that costs the same, then the most hold.
        const int32_t size = curve.Rising() ? std::abs(ClosestToZero(ratios)) : FarthestFromZero(ratios);
        const int32_t price = curve.At(size);
        if (query.MaxPrice && price > *query.MaxPrice)
            return std::nullopt;
        const Spans same = curve.Rising() ? AtMost(ratios, curve.LastSameRising(size, price))
                                          : AtLeast(ratios, curve.FirstSameFalling(size, price));
        return Pick{ClosestToZero(plan.Roomiest(same).first), price};
    }

    // The most hold, then the cheapest: a price limit matters only when that build passes it.
    std::optional<Pick> pick = Cheapest(plan.Roomiest(ratios).first, curve);
    if (!query.MaxPrice || pick->Price <= *query.MaxPrice)
        return pick;
    const int32_t most = *query.MaxPrice;
    Spans affordable;
    if (curve.Rising()) {
        const int32_t least = std::abs(ClosestToZero(ratios));
        if (curve.At(least) > most)
            return std::nullopt;
        affordable = AtMost(ratios, curve.LastAtMost(least, PercentLimit, most));
    } else {
        const int32_t far = FarthestFromZero(ratios);
        if (curve.At(far) > most)
            return std::nullopt;
        affordable = AtLeast(ratios, curve.FirstAtMost(0, far, most));
    }
    return Cheapest(plan.Roomiest(affordable).first, curve);
}

bool Meets(int32_t figure, const std::optional<int32_t>& least)
{
    return !least || (figure != -1 && figure >= *least);
}

// Smaller first: the figure looked for, negated where more is better; a missing one last.
int64_t OrderOf(Goal goal, const MaterialSlot& slot, const FoundBuild& row)
{
    const auto more = [](int32_t figure) { return figure == -1 ? Missing : -int64_t{figure}; };
    switch (goal) {
    case Goal::LowestPrice: return row.Price;
    case Goal::LargestHold: return -int64_t{row.HoldValue()};
    case Goal::LSail: return more(slot.LSail);
    case Goal::SSail: return more(slot.SSail);
    case Goal::BothSails:
        return slot.LSail == -1 || slot.SSail == -1 ? Missing : -(int64_t{slot.LSail} + slot.SSail);
    case Goal::Strength: return more(slot.Strength);
    }
    return Missing;
}

bool Before(const FoundBuild& a, const FoundBuild& b)
{
    return a.Order != b.Order ? a.Order < b.Order : a.Price < b.Price;
}

} // namespace

std::vector<FoundBuild> FindBuilds(const CShipDataManager& catalogue, const Query& query, const std::atomic<bool>* stop)
{
    std::vector<FoundBuild> rows;
    const int count = catalogue.GetCount();
    rows.reserve(static_cast<std::size_t>(count) * (query.EveryMaterial ? MaterialCount : 1));
    for (int index = 0; index < count; ++index) {
        if (stop != nullptr && index % 1024 == 0 && stop->load(std::memory_order_relaxed))
            return {};
        const CShipDataElement& ship = *catalogue.GetElement(index);
        if (!ShipTypeShown(ShipTypeOf(ship.ALV, ship.TLV, ship.CLV), query.Adventure, query.Trade, query.Combat))
            continue;
        const std::optional<ShipPlan> plan = PlanShip(ship, query);
        if (!plan)
            continue;
        // Materials of one price factor share their build: work each factor out once.
        struct Worked {
            double Factor;
            std::optional<Pick> Build;
        };
        Worked worked[MaterialCount];
        int workedCount = 0;
        const std::size_t shipRows = rows.size();
        for (int m = 0; m < MaterialCount; ++m) {
            const MaterialSlot& slot = ship.Materials[m];
            if (!Meets(slot.LSail, query.MinLSail) || !Meets(slot.SSail, query.MinSSail)
                || !Meets(slot.Strength, query.MinStrength))
                continue;
            const Worked* w = std::find_if(worked, worked + workedCount, [&](const Worked& x) {
                return std::memcmp(&x.Factor, &slot.PriceFactor, sizeof(double)) == 0;
            });
            if (w == worked + workedCount) {
                const PriceCurve curve(ship.Price, slot.PriceFactor);
                worked[workedCount] = {slot.PriceFactor, curve.Fits() ? PickBuild(*plan, curve, query) : std::nullopt};
                w = &worked[workedCount++];
            }
            if (!w->Build)
                continue;
            FoundBuild row{0,
                           static_cast<uint32_t>(index),
                           plan->Cabins,
                           plan->Ports,
                           w->Build->Price,
                           plan->CapacityAt(w->Build->Percent),
                           static_cast<int16_t>(w->Build->Percent),
                           static_cast<uint8_t>(m)};
            row.Order = OrderOf(query.LookFor, slot, row);
            if (query.EveryMaterial || rows.size() == shipRows)
                rows.push_back(row);
            else if (Before(row, rows.back()))
                rows.back() = row; // the first of equal rows stays
        }
    }
    // Rows come in file and material order, which equal rows keep.
    std::stable_sort(rows.begin(), rows.end(), Before);
    return rows;
}

void SortByGoal(std::vector<FoundBuild>& rows)
{
    std::sort(rows.begin(), rows.end(), [](const FoundBuild& a, const FoundBuild& b) {
        return Before(a, b) || (!Before(b, a) && std::pair(a.Ship, a.Material) < std::pair(b.Ship, b.Material));
    });
}

void SortByColumn(std::vector<FoundBuild>& rows, const CShipDataManager& catalogue, int column, bool descending)
{
    namespace box = shiptab::box;
    if (column < 0 || column >= box::Count)
        return;
    std::vector<uint32_t> nameRank;
    if (column == box::ShipNameText) {
        std::vector<uint32_t> order(static_cast<std::size_t>(catalogue.GetCount()));
        std::iota(order.begin(), order.end(), 0u);
        std::stable_sort(order.begin(), order.end(), [&](uint32_t a, uint32_t b) {
            return catalogue.GetElement(int(a))->Name < catalogue.GetElement(int(b))->Name;
        });
        nameRank.resize(order.size());
        for (uint32_t rank = 0; rank < order.size(); ++rank)
            nameRank[order[rank]] = rank;
    }
    // The cell's number, or none for "?".
    const shiptab::Column& c = shiptab::Columns[column];
    const auto cell = [&](const FoundBuild& r) -> std::optional<int64_t> {
        if (column == box::ShipNameText)
            return nameRank[r.Ship];
        const int32_t value = c.Value(*catalogue.GetElement(int(r.Ship)), r.AsBuild(), {r.Capacity, r.Price});
        return c.Missing(value) ? std::nullopt : std::optional<int64_t>(value);
    };
    // Keys with the place as the last word: a plain sort then keeps equal cells in order.
    std::vector<std::pair<int64_t, uint32_t>> keys(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::optional<int64_t> v = cell(rows[i]);
        keys[i] = {!v ? Missing : descending ? -*v : *v, static_cast<uint32_t>(i)};
    }
    std::sort(keys.begin(), keys.end());
    std::vector<FoundBuild> sorted;
    sorted.reserve(rows.size());
    for (const auto& [key, place] : keys)
        sorted.push_back(rows[place]);
    rows = std::move(sorted);
}

} // namespace finder
