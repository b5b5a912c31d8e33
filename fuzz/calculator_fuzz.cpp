// Binds a ship tab to a record with arbitrary figures, then drives it with material
// double-clicks and spinner steps, checking after every step what the tab must keep true.
//
// Input: the record's figures (Price, DefaultCabins, DefaultPorts, DefaultHold,
// MinimumCabinsBase, DefaultMaterial, then LSail/SSail/Strength of the eleven slots), each
// a tag byte and its bytes; then one byte per action. Missing bytes read as zero.
#include "shiptab/ShipTab.h"
#include "tests/support/Records.h"
#include "tests/support/ShipTabProbe.h"
#include "toolkit/Cp932.h"

#include <QApplication>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <QTreeWidget>

#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <string>

using P = TShipTabFrameProbe;

namespace {

[[noreturn]] void Fail(const char* what, long long a = 0, long long b = 0)
{
    std::fprintf(stderr, "calculator_fuzz: %s (%lld, %lld)\n", what, a, b);
    std::abort();
}

void Check(bool ok, const char* what, long long a = 0, long long b = 0)
{
    if (!ok)
        Fail(what, a, b);
}

struct Reader {
    const uint8_t* data;
    size_t size;
    size_t at = 0;
    bool empty() const { return at >= size; }
    uint8_t Byte() { return at < size ? data[at++] : 0; }
    int32_t Int32()
    {
        uint32_t v = 0;
        for (int i = 0; i < 4; ++i)
            v |= static_cast<uint32_t>(Byte()) << (8 * i);
        return static_cast<int32_t>(v);
    }
    // Small figures, the missing -1, any 32-bit pattern, and the ends of the range.
    int32_t Figure()
    {
        static const int32_t edges[] = {INT32_MIN, INT32_MAX, INT32_MIN + 1, INT32_MAX - 1, 0,
                                        1,         -2,        1 << 30,       -(1 << 30),    (INT32_MAX / 3) * 2};
        const uint8_t tag = Byte();
        switch (tag % 4) {
        case 0: return static_cast<int8_t>(Byte());
        case 1: return -1;
        case 2: return Int32();
        default: return edges[Byte() % (sizeof edges / sizeof edges[0])];
        }
    }
};

// The oracle, written apart from the calculator: plain 64-bit arithmetic, wrapped at the end.
int32_t Wrap(int64_t v)
{
    return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(v)));
}
int64_t Half(int32_t v) { return v / 2; }
int32_t CabinMax(int32_t n) { return Wrap(int64_t{n} + Half(n)); }
int32_t CabinMin(int32_t n, int32_t m)
{
    const int32_t a = Wrap(int64_t{n} - Half(n));
    const int32_t b = Wrap(int64_t{m} + m / 5);
    return a > b ? a : b;
}
int32_t PortMax(int32_t n) { return Wrap(int64_t{n} + Half(n)); }
int32_t PortMin(int32_t n) { return Wrap(int64_t{n} - Half(n)); }

// "  n" back to n; nothing else is accepted.
std::optional<int64_t> ParseFigure(const QString& text)
{
    if (!text.startsWith(QLatin1String("  ")) || text.size() < 3)
        return std::nullopt;
    bool ok = false;
    const QString digits = text.mid(2);
    if (digits.startsWith(QLatin1Char('+')) || digits.startsWith(QLatin1Char(' ')))
        return std::nullopt;
    const qlonglong v = digits.toLongLong(&ok);
    if (!ok || QString::number(v) != digits)
        return std::nullopt;
    return v;
}

// "  %+3d%%" back to the percent.
std::optional<int64_t> ParsePercent(const QString& text)
{
    if (!text.startsWith(QLatin1String("  ")) || !text.endsWith(QLatin1Char('%')))
        return std::nullopt;
    QString body = text.mid(2, text.size() - 3);
    const int width = static_cast<int>(body.size());
    body = body.trimmed();
    if (width < 3 || (width > 3 && body.size() != width) || body.isEmpty())
        return std::nullopt;
    if (body[0] != QLatin1Char('+') && body[0] != QLatin1Char('-'))
        return std::nullopt;
    bool ok = false;
    const qlonglong v = body.mid(1).toLongLong(&ok);
    if (!ok || QString::number(v) != body.mid(1))
        return std::nullopt;
    return body[0] == QLatin1Char('-') ? -v : v;
}

QApplication& App()
{
    static int argc = 1;
    static char name[] = "calculator_fuzz";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication* app = new QApplication(argc, argv); // lives for the whole run
    return *app;
}

struct Figures {
    int32_t price, cabins, ports, hold, minimumBase, defaultMaterial;
    int32_t slot[MaterialCount][3]; // LSail, SSail, Strength
};

std::unique_ptr<CShipDataElement> Record(const Figures& f)
{
    const std::string line = testsupport::ShipLine(
        "Fuzz", {{1, std::to_string(f.price)}, {9, std::to_string(f.cabins)}, {10, std::to_string(f.ports)},
                 {11, std::to_string(f.hold)}, {12, std::to_string(f.minimumBase)},
                 {25, std::to_string(f.defaultMaterial)}});
    std::string entries;
    for (int i = 0; i < MaterialCount; ++i) {
        if (i > 0)
            entries += ',';
        entries.append(std::to_string(f.slot[i][0])).append("/").append(std::to_string(f.slot[i][1]));
        entries.append("/").append(std::to_string(f.slot[i][2]));
    }
    return testsupport::MakeRecord(line, &entries);
}

struct State {
    int32_t material, percent, cabins, ports, capacity;
    bool operator==(const State&) const = default;
};

State StateOf(const TShipTabFrame& f)
{
    return {P::MaterialIndex(f), P::Percent(f), P::CurrentCabins(f), P::CurrentPorts(f), P::CurrentCapacity(f)};
}

void CheckFigure(const QString& text, int64_t expected, const char* what)
{
    const auto parsed = ParseFigure(text);
    Check(parsed.has_value(), what);
    Check(*parsed == expected, what, *parsed, expected);
}

void CheckSlotFigure(const QString& text, int32_t value, const char* what)
{
    if (value == -1)
        Check(text == QLatin1String("  ?"), what);
    else
        CheckFigure(text, value, what);
}

class Session {
public:
    explicit Session(const Figures& f) : F(f)
    {
        frame.BindShip(Record(f));
        cabinsInside = CabinMin(f.cabins, f.minimumBase) <= f.cabins && f.cabins <= CabinMax(f.cabins);
        portsInside = PortMin(f.ports) <= f.ports && f.ports <= PortMax(f.ports);
        CheckBinding();
        CheckAll();
    }

    void Step(uint8_t action)
    {
        const State before = StateOf(frame);
        const QStringList textsBefore = testsupport::CalculatedTexts(frame);
        const uint8_t kind = action % 16;
        bool unchanged = false;
        if (kind < 11) {
            SelectLine(kind);
            frame.MaterialViewDblClick(nullptr);
            Check(P::MaterialIndex(frame) == kind, "double-click chose another material", P::MaterialIndex(frame),
                  kind);
        } else if (kind == 11) {
            frame.MaterialView->selectionModel()->clearSelection();
            frame.MaterialViewDblClick(nullptr);
            unchanged = true;
        } else {
            const int which = action / 16 % 3;
            const auto direction = static_cast<TUpDownDirection>(kind - 12 < 3 ? kind - 12 : 0);
            TUpDown* spinner = which == 0 ? frame.UpDown1 : which == 1 ? frame.UpDown3 : frame.UpDown4;
            if (kind == 15) {
                // A real press and release on one half of the spinner.
                const bool right = action & 0x40;
                Click(spinner, right);
            } else {
                bool allow = true;
                if (which == 0)
                    frame.UpDown1ChangingEx(spinner, allow, 1, direction);
                else if (which == 1)
                    frame.UpDown3ChangingEx(spinner, allow, 1, direction);
                else
                    frame.UpDown4ChangingEx(spinner, allow, 1, direction);
                Check(!allow, "a handler allowed the spinner to move");
                unchanged = direction == updNone;
            }
        }
        if (unchanged) {
            Check(StateOf(frame) == before, "a step without a direction changed the state");
            Check(testsupport::CalculatedTexts(frame) == textsBefore, "a step without a direction changed a text");
        }
        CheckAll();
    }

private:
    void SelectLine(int row)
    {
        QTreeWidget* view = frame.MaterialView;
        view->selectionModel()->select(view->model()->index(row, 0),
                                       QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }

    static void Click(TUpDown* spinner, bool right)
    {
        const QPointF at(right ? spinner->width() - 2 : 2, spinner->height() / 2);
        for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent event(type, at, spinner->mapToGlobal(at), Qt::LeftButton,
                              type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(spinner, &event);
        }
    }

    void CheckBinding()
    {
        const int32_t expectedIndex = F.defaultMaterial >= -1 && F.defaultMaterial <= 9 ? F.defaultMaterial + 1 : 0;
        Check(P::MaterialIndex(frame) == expectedIndex, "starting material", P::MaterialIndex(frame), expectedIndex);
        Check(P::BaseCapacity(frame) == Wrap(int64_t{F.cabins} + F.ports + F.hold), "base capacity");
        CheckFigure(frame.MinimumCabinsText->text(), CabinMin(F.cabins, F.minimumBase), "cabin minimum text");
        CheckFigure(frame.MaximumCabinsText->text(), CabinMax(F.cabins), "cabin maximum text");
        CheckFigure(frame.MinimumPortsText->text(), PortMin(F.ports), "port minimum text");
        CheckFigure(frame.MaximumPortsText->text(), PortMax(F.ports), "port maximum text");
        Check(frame.MaterialView->topLevelItemCount() == MaterialCount, "material lines");
        for (int i = 0; i < MaterialCount; ++i)
            for (int k = 0; k < 3; ++k) {
                const QString shown = frame.MaterialView->topLevelItem(i)->text(k + 1);
                Check(shown == (F.slot[i][k] == -1 ? QStringLiteral("?") : QString::number(F.slot[i][k])),
                      "material line figure", i, k);
            }
    }

    void CheckAll()
    {
        const int32_t index = P::MaterialIndex(frame);
        Check(index >= 0 && index < MaterialCount, "material index", index);
        const int32_t percent = P::Percent(frame);
        const int32_t cabins = P::CurrentCabins(frame);
        const int32_t ports = P::CurrentPorts(frame);
        const int32_t capacity = P::CurrentCapacity(frame);

        const int64_t quotient = int64_t{Wrap(int64_t{percent} + 100)} * P::BaseCapacity(frame) / 100;
        const int32_t expectedCapacity =
            quotient >= INT32_MIN && quotient <= INT32_MAX ? static_cast<int32_t>(quotient) : INT32_MIN;
        Check(capacity == expectedCapacity, "capacity", capacity, expectedCapacity);

        CheckFigure(frame.CurrentCapacityText->text(), capacity, "capacity text");
        CheckFigure(frame.CurrentCabinsText->text(), cabins, "cabins text");
        CheckFigure(frame.CurrentPortsText->text(), ports, "gun ports text");
        CheckFigure(frame.CurrentHoldText->text(), Wrap(int64_t{capacity} - cabins - ports), "hold text");
        const auto shownPercent = ParsePercent(frame.PercentText->text());
        Check(shownPercent.has_value() && *shownPercent == percent, "percent text", percent);
        Check(ParseFigure(frame.PriceText->text()).has_value(), "price text");
        Check(frame.MaterialText->text() == QLatin1String("  ") + toolkit::FromCp932(MaterialNames[index]),
              "material text", index);
        CheckSlotFigure(frame.LSailText->text(), F.slot[index][0], "fore-and-aft sail text");
        CheckSlotFigure(frame.SSailText->text(), F.slot[index][1], "square sail text");
        CheckSlotFigure(frame.StrengthText->text(), F.slot[index][2], "durability text");

        if (cabinsInside)
            Check(CabinMin(F.cabins, F.minimumBase) <= cabins && cabins <= CabinMax(F.cabins),
                  "cabins left their bounds", cabins);
        if (portsInside)
            Check(PortMin(F.ports) <= ports && ports <= PortMax(F.ports), "gun ports left their bounds", ports);
        for (const TUpDown* spinner : {frame.UpDown1, frame.UpDown2, frame.UpDown3, frame.UpDown4})
            Check(spinner->Position == 1, "a spinner moved");
    }

    const Figures F;
    TShipTabFrame frame;
    bool cabinsInside = false;
    bool portsInside = false;
};

} // namespace

// The application object lives until the process ends: destroying it at exit runs into Qt's
// own globals, already gone by then. Fontconfig's configuration, which Qt frees only with the
// application, is then still held at the leak check; it is not ours to free.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    App();
    Reader in{data, size};
    Figures f{};
    f.price = in.Figure();
    f.cabins = in.Figure();
    f.ports = in.Figure();
    f.hold = in.Figure();
    f.minimumBase = in.Figure();
    f.defaultMaterial = in.Figure();
    for (auto& slot : f.slot)
        for (int32_t& figure : slot)
            figure = in.Figure();

    Session session(f);
    for (int steps = 0; !in.empty() && steps < 512; ++steps)
        session.Step(in.Byte());
    return 0;
}
