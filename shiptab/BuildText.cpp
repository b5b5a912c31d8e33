#include "shiptab/BuildText.h"

#include "toolkit/Cp932.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHash>
#include <QStringList>

#include <limits>
#include <optional>

namespace shiptab {

namespace {

const char* const Header[box::Count] = {
    "船種名", "材質", "比率調整", "船室", "砲室", "倉庫", "総容量", "価格", "縦帆", "横帆", "耐久",
    "漕力", "旋回", "対波", "装甲", "船室最小", "船室標準", "船室最大", "砲室最小", "砲室標準", "砲室最大",
    "船側砲", "船首砲", "船尾砲", "補助帆", "船首像", "紋章", "特殊兵装", "追加装甲", "冒険", "交易", "戦闘",
};

// Cells joined by tabs, the row ended by a line feed.
QString JoinCells(const QStringList& cells)
{
    QString row;
    for (const QString& cell : cells) {
        if (&cell != &cells.first())
            row += QLatin1Char('\t');
        const bool quoted = cell.contains(QLatin1Char('\t')) || cell.contains(QLatin1Char('\n'))
                            || cell.contains(QLatin1Char('\r')) || cell.contains(QLatin1Char('"'));
        if (quoted)
            row += QLatin1Char('"') + QString(cell).replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"');
        else
            row += cell;
    }
    return row + QLatin1Char('\n');
}

// Only blanks: a tab inside a quoted cell is part of it.
QString WithoutBlanks(QString text)
{
    qsizetype first = 0, last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' '))
        ++first;
    while (last > first && text.at(last - 1) == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}

// Rows of cells with the quoting undone, each with the line it starts on. A line feed ends a
// row (a carriage return before it goes with it); rows of nothing but blanks are left out.
struct Row {
    int Line;
    QStringList Cells;
};
std::vector<Row> SplitRows(const QString& text)
{
    std::vector<Row> rows;
    Row row{1, {}};
    QString cell;
    int line = 1;
    bool quoted = false, wasQuoted = false, plainTail = false;
    const auto endRow = [&] {
        if (plainTail && cell.endsWith(QLatin1Char('\r')))
            cell.chop(1); // of a CR LF
        row.Cells.append(cell);
        if (row.Cells.size() > 1 || wasQuoted || !WithoutBlanks(cell).isEmpty())
            rows.push_back(std::move(row));
        row = Row{line, {}};
        cell.clear();
        wasQuoted = plainTail = false;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == QLatin1Char('"') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('"')) {
                cell += c;
                ++i;
            } else if (c == QLatin1Char('"')) {
                quoted = false;
            } else {
                line += c == QLatin1Char('\n');
                cell += c;
                plainTail = false;
            }
        } else if (c == QLatin1Char('"') && WithoutBlanks(cell).isEmpty()) {
            quoted = wasQuoted = true;
            cell.clear();
        } else if (c == QLatin1Char('\t')) {
            row.Cells.append(cell);
            cell.clear();
            wasQuoted = plainTail = false;
        } else if (c == QLatin1Char('\n')) {
            ++line;
            endRow();
        } else {
            cell += c;
            plainTail = true;
        }
    }
    if (!cell.isEmpty() || !row.Cells.isEmpty() || wasQuoted)
        endRow();
    return rows;
}

// A whole number in 32 bits, with an optional sign, and a "%" after it where allowed.
std::optional<int32_t> WholeNumber(const QString& text, bool percent)
{
    QString digits = WithoutBlanks(text);
    if (percent && digits.endsWith(QLatin1Char('%')))
        digits.chop(1);
    qsizetype i = 0;
    const bool negative = digits.startsWith(QLatin1Char('-'));
    if (negative || digits.startsWith(QLatin1Char('+')))
        i = 1;
    if (i == digits.size())
        return std::nullopt;
    int64_t value = 0;
    for (; i < digits.size(); ++i) {
        const char16_t d = digits.at(i).unicode();
        if (d < u'0' || d > u'9')
            return std::nullopt;
        value = value * 10 + (d - u'0');
        if (value > int64_t{std::numeric_limits<int32_t>::max()} + 1)
            return std::nullopt;
    }
    value = negative ? -value : value;
    if (value > std::numeric_limits<int32_t>::max())
        return std::nullopt;
    return static_cast<int32_t>(value);
}

// A cell as a message quotes it: a very long one cut, so that the message stays readable.
QString Quoted(const QString& text)
{
    constexpr qsizetype most = 40;
    if (text.size() <= most)
        return QStringLiteral("「%1」").arg(text);
    const qsizetype keep = text.at(most - 2).isHighSurrogate() ? most - 2 : most - 1; // never half a character
    return QStringLiteral("「%1」").arg(text.left(keep) + QChar(0x2026));
}

} // namespace

QStringList BuildHeaderCells()
{
    QStringList cells;
    for (const char* caption : Header)
        cells.append(QString::fromUtf8(caption));
    return cells;
}

QString BuildHeaderRow()
{
    return JoinCells(BuildHeaderCells());
}

QStringList BuildCells(const CShipDataElement& ship, const Build& build)
{
    const TabTexts texts = TextsOf(ship, build);
    QStringList cells{toolkit::FromCp932(ship.Name)};
    for (int i = box::ShipNameText + 1; i < box::Count; ++i) {
        const std::string& text = texts[static_cast<std::size_t>(i)];
        // Figures are ASCII; only the material's name needs the decoder.
        cells.append(WithoutBlanks(i == box::MaterialText ? toolkit::FromCp932(text)
                                                           : QString::fromLatin1(text.data(), qsizetype(text.size()))));
    }
    return cells;
}

QString BuildRow(const CShipDataElement& ship, const Build& build)
{
    return JoinCells(BuildCells(ship, build));
}

void PutBuildsOnClipboard(const QString& rows)
{
    QGuiApplication::clipboard()->setText(BuildHeaderRow() + rows);
}

PastedRows ReadBuilds(const QString& text, const CShipDataManager& catalogue)
{
    PastedRows result;
    const std::vector<Row> rows = SplitRows(text);
    if (rows.empty())
        return result;

    // A ship is named as its tab shows it; the first of equal names opens, as in the list.
    QHash<QString, const CShipDataElement*> ships;
    ships.reserve(catalogue.GetCount());
    for (int i = 0; i < catalogue.GetCount(); ++i) {
        const CShipDataElement* ship = catalogue.GetElement(i);
        const QString name = toolkit::FromCp932(ship->Name);
        if (!ships.contains(name))
            ships.insert(name, ship);
    }
    const QString header = QString::fromUtf8(Header[0]);
    QString materials[MaterialCount];
    for (int i = 0; i < MaterialCount; ++i)
        materials[i] = toolkit::FromCp932(MaterialNames[i]);

    for (const Row& row : rows) {
        const QStringList& cells = row.Cells;
        if (cells[0] == header)
            continue; // a header row, at the top or where two copies meet
        const auto refuse = [&](const QString& why) { result.Refused.push_back({row.Line, why}); };
        if (cells.size() < 5) {
            refuse(QStringLiteral("列が足りません（船種名・材質・比率調整・船室・砲室の 5 列が要ります）"));
            continue;
        }
        const CShipDataElement* ship = ships.value(cells[0], nullptr);
        if (ship == nullptr) {
            refuse(QStringLiteral("船種%1がありません").arg(Quoted(cells[0])));
            continue;
        }
        Build build;
        const QString material = WithoutBlanks(cells[1]);
        build.Material = -1;
        for (int i = 0; i < MaterialCount && build.Material < 0; ++i)
            if (materials[i] == material)
                build.Material = i;
        if (build.Material < 0) {
            refuse(QStringLiteral("材質%1がありません").arg(Quoted(material)));
            continue;
        }
        const std::optional<int32_t> percent = WholeNumber(cells[2], true);
        if (!percent) {
            refuse(QStringLiteral("比率調整%1が整数ではありません").arg(Quoted(WithoutBlanks(cells[2]))));
            continue;
        }
        build.Percent = *percent;
        struct Allotment {
            const char* name;
            const QString& cell;
            Range reach;
            int32_t& value;
        };
        const Allotment allotments[] = {
            {"船室", cells[3], CabinReach(*ship), build.Cabins},
            {"砲室", cells[4], PortReach(*ship), build.Ports},
        };
        bool refused = false;
        for (const Allotment& a : allotments) {
            const std::optional<int32_t> value = WholeNumber(a.cell, false);
            if (!value || !a.reach.Holds(*value)) {
                refuse(QStringLiteral("%1%2は %3 から %4 までにしかできません")
                           .arg(QString::fromUtf8(a.name), Quoted(WithoutBlanks(a.cell)))
                           .arg(a.reach.Lowest)
                           .arg(a.reach.Highest));
                refused = true;
                break;
            }
            a.value = *value;
        }
        if (!refused)
            result.Builds.push_back({ship, build});
    }
    return result;
}

} // namespace shiptab
