#include "shiptab/BuildRows.h"

#include "shiptab/Columns.h"
#include "toolkit/Cp932Text.h"

#include <limits>
#include <optional>
#include <unordered_map>

namespace shiptab {

namespace {

// Only blanks: a tab inside a quoted cell is part of it.
std::string_view WithoutBlanks(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

std::string JoinCells(const std::vector<std::string>& cells)
{
    std::string row;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const std::string& cell = cells[i];
        if (i > 0)
            row += '\t';
        if (cell.find_first_of("\t\n\r\"") == std::string::npos) {
            row += cell;
            continue;
        }
        row += '"';
        for (const char c : cell)
            row += c == '"' ? std::string_view("\"\"") : std::string_view(&c, 1);
        row += '"';
    }
    return row + '\n';
}

// Rows of cells with the quoting undone, each with the line it starts on. A line feed ends a
// row (a carriage return before it goes with it); rows of nothing but blanks are left out.
// Delimiters are ASCII, so UTF-8 is cut byte by byte.
struct Row {
    int Line;
    std::vector<std::string> Cells;
};
std::vector<Row> SplitRows(std::string_view text)
{
    std::vector<Row> rows;
    Row row{1, {}};
    std::string cell;
    int line = 1;
    bool quoted = false, wasQuoted = false, plainTail = false;
    const auto endRow = [&] {
        if (plainTail && !cell.empty() && cell.back() == '\r')
            cell.pop_back(); // of a CR LF
        row.Cells.push_back(cell);
        if (row.Cells.size() > 1 || wasQuoted || !WithoutBlanks(cell).empty())
            rows.push_back(std::move(row));
        row = Row{line, {}};
        cell.clear();
        wasQuoted = plainTail = false;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                cell += c;
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                line += c == '\n';
                cell += c;
                plainTail = false;
            }
        } else if (c == '"' && WithoutBlanks(cell).empty()) {
            quoted = wasQuoted = true;
            cell.clear();
        } else if (c == '\t') {
            row.Cells.push_back(cell);
            cell.clear();
            wasQuoted = plainTail = false;
        } else if (c == '\n') {
            ++line;
            endRow();
        } else {
            cell += c;
            plainTail = true;
        }
    }
    if (!cell.empty() || !row.Cells.empty() || wasQuoted)
        endRow();
    return rows;
}

} // namespace

std::optional<int32_t> ReadWholeNumber(std::string_view text, bool percent)
{
    std::string_view digits = WithoutBlanks(text);
    if (percent && !digits.empty() && digits.back() == '%')
        digits.remove_suffix(1);
    const bool negative = !digits.empty() && digits.front() == '-';
    if (negative || (!digits.empty() && digits.front() == '+'))
        digits.remove_prefix(1);
    if (digits.empty())
        return std::nullopt;
    int64_t value = 0;
    for (const char d : digits) {
        if (d < '0' || d > '9')
            return std::nullopt;
        value = value * 10 + (d - '0');
        if (value > int64_t{std::numeric_limits<int32_t>::max()} + 1)
            return std::nullopt;
    }
    value = negative ? -value : value;
    if (value > std::numeric_limits<int32_t>::max())
        return std::nullopt;
    return static_cast<int32_t>(value);
}

namespace {

// A cell as a message quotes it: a very long one cut, so that the message stays readable.
std::string Quoted(const std::string& text)
{
    return "「" + toolkit::Utf16ToUtf8(toolkit::CutText(toolkit::Utf8ToUtf16(text), 40)) + "」";
}

// Checks one row's first five cells against the catalogue.
class RowReader {
public:
    explicit RowReader(const CShipDataManager& catalogue)
    {
        // A ship is named as its tab shows it; the first of equal names opens, as in the list.
        Ships.reserve(static_cast<std::size_t>(catalogue.GetCount()));
        for (int i = 0; i < catalogue.GetCount(); ++i) {
            const CShipDataElement* ship = catalogue.GetElement(i);
            Ships.try_emplace(toolkit::Cp932ToUtf8(ship->Name), ship);
        }
        for (int i = 0; i < MaterialCount; ++i)
            Materials[i] = toolkit::Cp932ToUtf8(MaterialNames[i]);
    }

    void Read(int line, const std::vector<std::string>& cells, PastedRows& result) const
    {
        const auto refuse = [&](Refusal::Why why, std::string_view cell, Range reach = {0, 0}) {
            result.Refused.push_back({line, why, std::string(cell), reach});
        };
        if (cells.size() < 5)
            return refuse(Refusal::Why::TooFewCells, {});
        const auto ship = Ships.find(cells[0]);
        if (ship == Ships.end())
            return refuse(Refusal::Why::NoShip, cells[0]);
        Build build;
        const std::string_view material = WithoutBlanks(cells[1]);
        build.Material = -1;
        for (int i = 0; i < MaterialCount && build.Material < 0; ++i)
            if (Materials[i] == material)
                build.Material = i;
        if (build.Material < 0)
            return refuse(Refusal::Why::NoMaterial, material);
        const std::optional<int32_t> percent = ReadWholeNumber(cells[2], true);
        if (!percent)
            return refuse(Refusal::Why::RatioNotWhole, WithoutBlanks(cells[2]));
        build.Percent = *percent;
        const std::optional<int32_t> cabins = ReadWholeNumber(cells[3], false);
        const Range cabinReach = CabinReach(*ship->second);
        if (!cabins || !cabinReach.Holds(*cabins))
            return refuse(Refusal::Why::CabinsOutOfReach, WithoutBlanks(cells[3]), cabinReach);
        build.Cabins = *cabins;
        const std::optional<int32_t> ports = ReadWholeNumber(cells[4], false);
        const Range portReach = PortReach(*ship->second);
        if (!ports || !portReach.Holds(*ports))
            return refuse(Refusal::Why::PortsOutOfReach, WithoutBlanks(cells[4]), portReach);
        build.Ports = *ports;
        result.Builds.push_back({ship->second, build});
    }

private:
    std::unordered_map<std::string, const CShipDataElement*> Ships;
    std::string Materials[MaterialCount];
};

constexpr const char* LinkKeys[5] = {"ship", "material", "ratio", "cabins", "ports"};

// "%XX" undone; a "%" not followed by two hexadecimal digits stays as it is.
std::string PercentDecoded(std::string_view text)
{
    const auto hex = [](char c) {
        return c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
    };
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && hex(text[i + 1]) >= 0 && hex(text[i + 2]) >= 0) {
            out += static_cast<char>(hex(text[i + 1]) * 16 + hex(text[i + 2]));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string PercentEncoded(std::string_view text)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if ((b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9') || b == '-' || b == '.' || b == '_'
            || b == '~') {
            out += c;
        } else {
            out += '%';
            out += digits[b >> 4];
            out += digits[b & 15];
        }
    }
    return out;
}

// A link's five cells, or none when it lacks one of them.
std::optional<std::vector<std::string>> LinkCells(std::string_view link)
{
    link = WithoutBlanks(link);
    while (!link.empty() && (link.back() == '\r' || link.back() == '\n'))
        link.remove_suffix(1);
    if (const std::size_t hash = link.find('#'); hash != std::string_view::npos)
        link.remove_prefix(hash + 1);
    std::vector<std::string> cells(5);
    bool found[5] = {};
    while (!link.empty()) {
        const std::size_t end = std::min(link.find('&'), link.size());
        const std::string_view pair = link.substr(0, end);
        link.remove_prefix(std::min(end + 1, link.size()));
        const std::size_t equals = pair.find('=');
        if (equals == std::string_view::npos)
            continue;
        for (int k = 0; k < 5; ++k)
            if (pair.substr(0, equals) == LinkKeys[k]) {
                cells[static_cast<std::size_t>(k)] = PercentDecoded(pair.substr(equals + 1));
                found[k] = true;
            }
    }
    for (const bool f : found)
        if (!f)
            return std::nullopt;
    return cells;
}

bool LooksLikeLink(std::string_view line)
{
    const std::size_t hash = line.find('#');
    return hash != std::string_view::npos && line.substr(hash + 1, 5) == "ship=";
}

} // namespace

std::vector<std::string> BuildHeaderCells()
{
    std::vector<std::string> cells;
    for (const Column& column : Columns)
        cells.emplace_back(column.Caption);
    return cells;
}

std::string BuildHeaderRow()
{
    return JoinCells(BuildHeaderCells());
}

std::vector<std::string> BuildCells(const CShipDataElement& ship, const Build& build)
{
    const Figures figures = FiguresOf(ship, build);
    std::vector<std::string> cells;
    cells.reserve(box::Count);
    cells.push_back(toolkit::Cp932ToUtf8(ship.Name));
    for (int i = box::ShipNameText + 1; i < box::Count; ++i) {
        const std::string text = ColumnText(Columns[i], ship, build, figures);
        // Figures are ASCII; only the material's name needs the decoder.
        cells.emplace_back(WithoutBlanks(Columns[i].As == Shown::Material ? toolkit::Cp932ToUtf8(text) : text));
    }
    return cells;
}

std::string BuildRow(const CShipDataElement& ship, const Build& build)
{
    return JoinCells(BuildCells(ship, build));
}

std::string LinkFragment(const CShipDataElement& ship, const Build& build)
{
    const std::vector<std::string> cells = BuildCells(ship, build);
    std::string link;
    for (std::size_t k = 0; k < 5; ++k) {
        std::string value = cells[k];
        if (k == box::PercentText)
            value.pop_back(); // "+5%" is written "+5", its sign kept as it is
        link += (k ? "&" : "") + std::string(LinkKeys[k]) + "=" + (k == box::PercentText ? value : PercentEncoded(value));
    }
    return link;
}

PastedRows ReadPasted(std::string_view text, const CShipDataManager& catalogue)
{
    PastedRows result;
    const std::vector<Row> rows = SplitRows(text);
    if (rows.empty())
        return result;
    const RowReader reader(catalogue);
    bool links = true;
    for (const Row& row : rows)
        links = links && row.Cells.size() == 1 && LooksLikeLink(row.Cells[0]);
    const std::string header = Columns[0].Caption;
    for (const Row& row : rows) {
        if (links) {
            if (const auto cells = LinkCells(row.Cells[0]))
                reader.Read(row.Line, *cells, result);
            else
                result.Refused.push_back({row.Line, Refusal::Why::NotALink, {}, {0, 0}});
        } else if (row.Cells[0] != header) { // a header row, at the top or where two copies meet
            reader.Read(row.Line, row.Cells, result);
        }
    }
    return result;
}

PastedRows ReadLink(std::string_view link, const CShipDataManager& catalogue)
{
    PastedRows result;
    if (const auto cells = LinkCells(link))
        RowReader(catalogue).Read(1, *cells, result);
    else
        result.Refused.push_back({1, Refusal::Why::NotALink, {}, {0, 0}});
    return result;
}

std::string RefusalText(const Refusal& r)
{
    using Why = Refusal::Why;
    const auto range = [&](const char* what) {
        return std::string(what) + Quoted(r.Cell) + "は " + std::to_string(r.Reach.Lowest) + " から "
               + std::to_string(r.Reach.Highest) + " までにしかできません";
    };
    switch (r.Reason) {
    case Why::TooFewCells: return "列が足りません（船種名・材質・比率調整・船室・砲室の 5 列が要ります）";
    case Why::NoShip: return "船種" + Quoted(r.Cell) + "がありません";
    case Why::NoMaterial: return "材質" + Quoted(r.Cell) + "がありません";
    case Why::RatioNotWhole: return "比率調整" + Quoted(r.Cell) + "が整数ではありません";
    case Why::CabinsOutOfReach: return range("船室");
    case Why::PortsOutOfReach: return range("砲室");
    case Why::NotALink: return "リンクに船種名・材質・比率調整・船室・砲室がそろっていません";
    }
    return {};
}

std::string PasteRefusedMessage(const std::vector<Refusal>& refused)
{
    constexpr std::size_t named = 20; // a message box shows no more lines than this well
    std::string text = "貼り付けたビルドのうち " + std::to_string(refused.size()) + " 行は開けませんでした。";
    for (std::size_t i = 0; i < refused.size() && i < named; ++i)
        text += "\n" + std::to_string(refused[i].Line) + " 行目: " + RefusalText(refused[i]);
    if (refused.size() > named)
        text += "\nほか " + std::to_string(refused.size() - named) + " 行";
    return text;
}

std::string LinkRefusedMessage(const Refusal& refusal)
{
    return "リンクのビルドは開けませんでした: " + RefusalText(refusal);
}

} // namespace shiptab
