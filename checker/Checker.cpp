#include "checker/Checker.h"

#include "shipdata/Cshipdatamanagemer.h"
#include "toolkit/Cp932.h"
#include "toolkit/MessageBox.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string_view>

namespace checker {

namespace {

using File = shipdata::LoadObserver::File;

// A name or text from a data file as it can stand in one line of the report: decoded as
// the program decodes it, cut as the program cuts long names, control characters escaped.
QString Shown(std::string_view bytes)
{
    const QString text = toolkit::FromCp932Shown(std::string(bytes));
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x20 || u == 0x7F || (u >= 0x80 && u < 0xA0))
            out += QStringLiteral("\\x%1").arg(static_cast<unsigned>(u), 2, 16, QLatin1Char('0'));
        else if (u == '\\')
            out += QStringLiteral("\\\\");
        else
            out += c;
    }
    return out;
}

bool HasReplacement(std::string_view bytes)
{
    return !toolkit::IsCp932(std::string(bytes));
}

struct Lines {
    std::string Bytes; // our own copy: the loader's buffer lives only while it loads
    std::vector<std::pair<std::size_t, std::size_t>> Spans; // offset and length of each line
    const char* Base = nullptr; // the loader's buffer, to place the texts it hands over
    bool Read = false;

    std::string_view Line(std::size_t i) const
    {
        return std::string_view(Bytes).substr(Spans[i].first, Spans[i].second);
    }
    // Offset in line `i` of a text handed over by the loader, or nothing when the text lies
    // outside the line (a column or entry the line does not reach).
    std::optional<std::size_t> OffsetIn(std::size_t i, std::string_view text) const
    {
        if (text.data() == nullptr || Base == nullptr)
            return std::nullopt;
        const auto address = reinterpret_cast<std::uintptr_t>(text.data());
        const auto base = reinterpret_cast<std::uintptr_t>(Base);
        const std::size_t at = address - base; // wraps to a huge value below the buffer
        if (address < base || at < Spans[i].first || at > Spans[i].first + Spans[i].second)
            return std::nullopt;
        return at - Spans[i].first;
    }
};

// Ship names with the line each was first seen on. Open addressing over small slots, at
// most half full: a node-based map costs more here than all the rest of the check.
class FirstLines {
public:
    void Reserve(std::size_t names) { Rehash(names); }

    // The line of an earlier equal name, or nothing after recording this one.
    std::optional<std::size_t> Insert(std::string_view name, std::size_t line)
    {
        if (2 * (Names.size() + 1) > Slots.size())
            Rehash(Names.size() + 1);
        const auto hash = static_cast<uint32_t>(std::hash<std::string_view>{}(name));
        std::size_t i = hash & Mask;
        for (; Slots[i].Entry != Free; i = (i + 1) & Mask)
            if (Slots[i].Hash == hash && Names[Slots[i].Entry].first == name)
                return Names[Slots[i].Entry].second;
        Slots[i] = {hash, static_cast<uint32_t>(Names.size())};
        Names.emplace_back(name, line);
        return std::nullopt;
    }

private:
    struct Slot {
        uint32_t Hash;
        uint32_t Entry; // into Names; a data file holds far fewer lines
    };
    static constexpr uint32_t Free = UINT32_MAX;

    void Rehash(std::size_t names)
    {
        std::size_t size = 16;
        while (size < 2 * names)
            size *= 2;
        if (size <= Slots.size())
            return;
        Slots.assign(size, Slot{0, Free});
        Mask = size - 1;
        for (std::size_t e = 0; e < Names.size(); ++e) {
            const auto hash = static_cast<uint32_t>(std::hash<std::string_view>{}(Names[e].first));
            std::size_t i = hash & Mask;
            while (Slots[i].Entry != Free)
                i = (i + 1) & Mask;
            Slots[i] = {hash, static_cast<uint32_t>(e)};
        }
    }

    std::vector<Slot> Slots;
    std::size_t Mask = 0;
    std::vector<std::pair<std::string_view, std::size_t>> Names;
};

class Checker : public shipdata::LoadObserver {
    Q_DECLARE_TR_FUNCTIONS(Checker)

public:
    Checker(std::string shipPath, std::string materialPath)
        : ShipPath(std::move(shipPath)), MaterialPath(std::move(materialPath))
    {
    }

    Report Run()
    {
        // The loader's message box has no place here: the report says it instead.
        struct Silence {
            toolkit::MessageSink Previous = toolkit::SetMessageSink([](const std::string&) {});
            ~Silence() { toolkit::SetMessageSink(std::move(Previous)); }
        } silence;
        const CShipDataManager manager(ShipPath, MaterialPath, this);
        Out.ShipsLoaded = manager.GetCount();
        Finish();
        return std::move(Out);
    }

    void FileRead(File file, std::string_view bytes, const std::vector<std::string_view>& lines) override
    {
        Lines& l = Of(file);
        l.Bytes.assign(bytes);
        l.Base = bytes.data();
        l.Read = true;
        l.Spans.reserve(lines.size());
        for (const std::string_view line : lines)
            l.Spans.emplace_back(static_cast<std::size_t>(line.data() - bytes.data()), line.size());
        if (file == File::Materials)
            Used.assign(lines.size(), false);
        else
            FirstLineOf.Reserve(lines.size());
    }

    void FileUnreadable(File file) override
    {
        Out.Unreadable.emplace_back(file == File::Ships ? ShipPath : MaterialPath,
                                    tr("cannot be read (missing, not a regular file, larger than 64 MiB, or "
                                       "without permission to read): the program says so in a message box and "
                                       "loads no ships"));
    }

    void ShipLine(std::size_t line, std::optional<std::size_t> materialLine, bool exact) override
    {
        CurrentLine = line;
        CurrentMaterial = materialLine;
        CurrentExact = exact;
        LastColumnEnd = 0;
        Visited = 0;
        DefaultMaterialConverted = false;
        // Entries are told again for every ship that takes a line; one look at each is enough.
        CheckEntries = materialLine && !Used[*materialLine];
        if (materialLine)
            Used[*materialLine] = true;
        EntriesSeen = 0;
    }

    void Column(int column, std::string_view text, bool number, bool converted) override
    {
        const std::optional<std::size_t> offset = Ships.OffsetIn(CurrentLine, text);
        if (!offset)
            return;
        Visited = column + 1;
        LastColumnEnd = *offset + text.size();
        if (number && !text.empty() && !converted)
            ShipWarning(*offset, "bad-number",
                        tr("column %1 reads \"%2\", which is not a whole number (a blank or tab after the "
                           "digits, a decimal point or a value out of range spoils it): the program reads it "
                           "as -1")
                            .arg(QString::number(column), Shown(text)));
        if (column == 25) {
            DefaultMaterialConverted = converted;
            DefaultMaterialOffset = *offset;
        }
        if (!number && column != 0 && HasReplacement(text))
            ShipWarning(*offset, "encoding",
                        tr("column %1 holds bytes that are not valid code page 932; decoded it reads \"%2\"")
                            .arg(QString::number(column), Shown(text)));
    }

    void SurplusColumns(std::string_view rest) override
    {
        if (const auto offset = Ships.OffsetIn(CurrentLine, rest))
            ShipWarning(*offset, "extra-columns",
                        tr("the line has more than 30 columns: everything from here on is ignored"));
    }

    void Entry(int material, std::string_view entry, const std::string_view (&figures)[3],
               const bool (&converted)[3]) override
    {
        if (!CheckEntries)
            return;
        const std::optional<std::size_t> offset = Materials.OffsetIn(*CurrentMaterial, entry);
        if (!offset)
            return; // the line does not reach this entry
        EntriesSeen = material + 1;
        if (entry.empty())
            return; // left empty on purpose
        const auto slashes = std::count(entry.begin(), entry.end(), '/');
        if (slashes == 0)
            MaterialWarning(*offset, "entry-shape",
                            tr("material %1 reads \"%2\", not three figures separated by two \"/\": fore-and-aft "
                               "sail and square sail are read as missing (the tab shows \"?\") and the text is "
                               "taken as durability; write \"/\" for each missing figure, as in \"//%2\"")
                                .arg(QString::number(material), Shown(entry)));
        else if (slashes == 1)
            MaterialWarning(*offset, "entry-shape",
                            tr("material %1 reads \"%2\", not three figures separated by two \"/\": square sail "
                               "is read as missing (the tab shows \"?\"), the first figure as fore-and-aft sail "
                               "and the second as durability")
                                .arg(QString::number(material), Shown(entry)));
        else if (slashes > 2)
            MaterialWarning(*offset, "entry-shape",
                            tr("material %1 reads \"%2\", which has more than two \"/\": durability is read from "
                               "everything after the second \"/\" and is missing (the tab shows \"?\")")
                                .arg(QString::number(material), Shown(entry)));
        for (int k = 0; k < 3; ++k) {
            if (figures[k].empty() || converted[k])
                continue;
            const QString kinds[3] = {tr("fore-and-aft sail"), tr("square sail"), tr("durability")};
            if (const auto at = Materials.OffsetIn(*CurrentMaterial, figures[k]))
                MaterialWarning(*at, "bad-number",
                                tr("the %1 of material %2 reads \"%3\", which is not a whole number (a blank or "
                                   "tab after the digits, a decimal point or a value out of range spoils it): "
                                   "the program reads it as -1 and the tab shows \"?\"")
                                    .arg(kinds[k], QString::number(material), Shown(figures[k])));
        }
    }

    void SurplusEntries(std::string_view rest) override
    {
        if (!CheckEntries)
            return;
        if (const auto offset = Materials.OffsetIn(*CurrentMaterial, rest))
            MaterialWarning(*offset, "entry-count",
                            tr("the line has more than 11 material entries: everything from here on is ignored"));
    }

    void ShipLoaded(std::size_t line, const CShipDataElement& record) override
    {
        const std::string_view text = Ships.Line(line);
        const std::size_t lineNo = line + 1;
        if (CheckEntries && EntriesSeen < MaterialCount) {
            const std::size_t end = Materials.Spans[*CurrentMaterial].second;
            MaterialWarning(end, "entry-count",
                            tr("the line has %1 of the 11 material entries: materials %2 to 10 have no figures "
                               "and the tab shows \"?\" for them; add empty entries (\",\") where figures are "
                               "missing on purpose")
                                .arg(EntriesSeen)
                                .arg(EntriesSeen));
        }
        if (text.empty()) {
            ShipWarning(0, "empty-name",
                        tr("an empty line among the ships: the list shows an empty entry, a ship without a "
                           "name or figures; remove the line"));
            return;
        }
        // A comma at the end of the line stands for one more, empty column.
        const int columns = Visited + (LastColumnEnd < text.size() ? 1 : 0);
        if (columns < 30)
            ShipWarning(text.size(), "missing-columns",
                        tr("the line has %1 of the 30 columns: columns %2 to 29 are missing, so their figures "
                           "are -1 and their texts empty")
                            .arg(columns)
                            .arg(columns));
        if (DefaultMaterialConverted && (record.DefaultMaterial < -1 || record.DefaultMaterial > 9))
            ShipWarning(DefaultMaterialOffset, "default-material",
                        tr("the default material (column 25) is %1, outside -1 to 9: a tab for this ship starts "
                           "on material 0 instead")
                            .arg(record.DefaultMaterial));

        if (record.Name.empty()) {
            ShipWarning(0, "empty-name",
                        tr("the ship has no name: the list shows an empty entry, and no material line can "
                           "belong to it, so every material figure shows \"?\""));
            return;
        }
        // Decoding every name would cost more than the rest of the check: only for a finding.
        const auto name = [&record] { return Shown(record.Name); };
        if (!toolkit::IsCp932(record.Name))
            ShipWarning(0, "encoding",
                        tr("the name holds bytes that are not valid code page 932: the list and the tab show "
                           "\"%1\"")
                            .arg(name()));
        if (!CurrentMaterial) {
            ShipWarning(0, "no-material-line",
                        tr("no line of the material file holds the name \"%1\": every material figure of this "
                           "ship shows \"?\"; check the name in both files")
                            .arg(name()));
        } else if (!CurrentExact) {
            Finding& f = ShipWarning(0, "partial-match",
                                     tr("no material line is named \"%1\": the ship takes the figures of material "
                                        "line %2, which merely contains the name")
                                         .arg(name(), QString::number(*CurrentMaterial + 1)));
            f.Notes.push_back({MaterialPath, *CurrentMaterial + 1, 1,
                               tr("\"%1\" takes its figures from this line").arg(name())});
        }
        if (const std::optional<std::size_t> earlier = FirstLineOf.Insert(record.Name, lineNo)) {
            Finding& f = ShipWarning(0, "duplicate-name",
                                     tr("\"%1\" is also the name of the ship on line %2: opening either one shows "
                                        "the figures of that earlier line")
                                         .arg(name(), QString::number(*earlier)));
            f.Notes.push_back({ShipPath, *earlier, 1, tr("the earlier ship named \"%1\"").arg(name())});
        }
    }

    void ShipLinesNotLoaded(std::size_t first, std::size_t count) override
    {
        NotLoadedFirst = first;
        NotLoadedCount = count;
    }

private:
    Lines& Of(File file) { return file == File::Ships ? Ships : Materials; }

    Finding& Warning(std::vector<Finding>& to, const std::string& path, std::size_t line, std::size_t offset,
                     const char* id, const QString& message)
    {
        to.push_back({path, line + 1, offset + 1, id, message, {}});
        return to.back();
    }
    Finding& ShipWarning(std::size_t offset, const char* id, const QString& message)
    {
        return Warning(ShipFindings, ShipPath, CurrentLine, offset, id, message);
    }
    void MaterialWarning(std::size_t offset, const char* id, const QString& message)
    {
        Warning(MaterialFindings, MaterialPath, *CurrentMaterial, offset, id, message);
    }

    void NulByte(Lines& l, std::vector<Finding>& to, const std::string& path)
    {
        const std::size_t nul = l.Bytes.find('\0');
        if (nul == std::string::npos)
            return;
        std::size_t line = 0, column = 0;
        // The line the NUL cuts short, or the first line it keeps from being read.
        const auto after = std::upper_bound(l.Spans.begin(), l.Spans.end(), nul,
                                            [](std::size_t at, const auto& span) { return at < span.first; });
        if (after != l.Spans.begin() && nul <= std::prev(after)->first + std::prev(after)->second) {
            line = static_cast<std::size_t>(after - l.Spans.begin()) - 1;
            column = nul - l.Spans[line].first;
        } else {
            line = static_cast<std::size_t>(after - l.Spans.begin());
        }
        Warning(to, path, line, column, "nul-byte",
                tr("a NUL byte: the program ignores everything from here to the end of the file (%1 bytes)")
                    .arg(l.Bytes.size() - nul));
    }

    void Finish()
    {
        if (NotLoadedCount > 0 && Materials.Read) {
            const std::size_t lines = Materials.Spans.size();
            CurrentLine = NotLoadedFirst;
            ShipWarning(0, "not-loaded",
                        NotLoadedCount == 1
                            ? tr("this ship line is never loaded: the material file has only %1 lines, and the "
                                 "program loads a ship line only while its line number is at most that; give "
                                 "the material file a line more")
                                  .arg(lines)
                            : tr("this ship line and the %1 after it are never loaded: the material file has only "
                                 "%2 lines, and the program loads a ship line only while its line number is at "
                                 "most that; give the material file as many lines as the ship file")
                                  .arg(NotLoadedCount - 1)
                                  .arg(lines));
        }
        if (Materials.Read && Ships.Read) {
            for (std::size_t j = 1; j < Used.size(); ++j) {
                if (Used[j])
                    continue;
                const std::string_view line = Materials.Line(j);
                Warning(MaterialFindings, MaterialPath, j, 0, "unused-material-line",
                        tr("no loaded ship takes its figures from this line (\"%1\"): the program never uses "
                           "it; check the name against the ship file")
                            .arg(Shown(line.substr(0, line.find(',')))));
            }
        }
        NulByte(Ships, ShipFindings, ShipPath);
        NulByte(Materials, MaterialFindings, MaterialPath);

        const auto byPlace = [](const Finding& a, const Finding& b) {
            return a.Line != b.Line ? a.Line < b.Line : a.Column < b.Column;
        };
        std::stable_sort(ShipFindings.begin(), ShipFindings.end(), byPlace);
        std::stable_sort(MaterialFindings.begin(), MaterialFindings.end(), byPlace);
        Out.Findings = std::move(ShipFindings);
        Out.Findings.insert(Out.Findings.end(), std::make_move_iterator(MaterialFindings.begin()),
                            std::make_move_iterator(MaterialFindings.end()));
    }

    std::string ShipPath, MaterialPath;
    Lines Ships, Materials;
    std::vector<bool> Used; // per material line: some loaded ship takes its figures
    FirstLines FirstLineOf; // names, into the records
    std::vector<Finding> ShipFindings, MaterialFindings;
    Report Out;

    std::size_t CurrentLine = 0;
    std::optional<std::size_t> CurrentMaterial;
    bool CurrentExact = false;
    bool CheckEntries = false;
    bool DefaultMaterialConverted = false;
    std::size_t DefaultMaterialOffset = 0;
    int Visited = 0;
    std::size_t LastColumnEnd = 0;
    int EntriesSeen = 0;
    std::size_t NotLoadedFirst = 0, NotLoadedCount = 0;
};

std::string Place(const std::string& path, std::size_t line, std::size_t column)
{
    return path + ':' + std::to_string(line) + ':' + std::to_string(column) + ": ";
}

} // namespace

Report Check(const std::string& shipFile, const std::string& materialFile)
{
    return Checker(shipFile, materialFile).Run();
}

std::string Format(const Finding& f)
{
    std::string out = Place(f.Path, f.Line, f.Column) + "warning: " + f.Message.toStdString() + " [" + f.Id + "]\n";
    for (const Note& n : f.Notes)
        out += Place(n.Path, n.Line, n.Column) + "note: " + n.Message.toStdString() + '\n';
    return out;
}

std::string FormatUnreadable(const std::string& path, const QString& message)
{
    return path + ": error: " + message.toStdString() + " [unreadable]\n";
}

QString Summary(const Report& report)
{
    return QCoreApplication::translate("Checker", "ships loaded: %1, warnings: %2")
        .arg(report.ShipsLoaded)
        .arg(report.Findings.size());
}

} // namespace checker
