// The core for the page: thin calls that hand over what the core made, as plain JavaScript
// values (web/core.d.ts). Nothing here works out a figure, a bound or a text of its own.
#include "finder/FindBuilds.h"
#include "finder/QueryText.h"
#include "shipdata/Cshipdatamanagemer.h"
#include "shipdata/ShipType.h"
#include "shiptab/BuildRows.h"
#include "shiptab/Columns.h"
#include "shiptab/FrameLayout.h"
#include "toolkit/Cp932Text.h"
#include "toolkit/MessageBox.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

using emscripten::val;

namespace {

std::unique_ptr<CShipDataManager> Catalogue;
// Each name's first ship, as the desktop list and a paste open it.
std::unordered_map<std::string_view, int> FirstOfName;

const CShipDataElement& Ship(int index)
{
    return *Catalogue->GetElement(index);
}

val ToJs(const shiptab::Build& b)
{
    val o = val::object();
    o.set("material", b.Material);
    o.set("percent", b.Percent);
    o.set("cabins", b.Cabins);
    o.set("ports", b.Ports);
    return o;
}

shiptab::Build FromJs(const val& o)
{
    shiptab::Build b{o["material"].as<int32_t>(), o["percent"].as<int32_t>(), o["cabins"].as<int32_t>(),
                     o["ports"].as<int32_t>()};
    if (b.Material < 0 || b.Material >= MaterialCount)
        b.Material = 0; // the page only passes builds the core made
    return b;
}

std::string Bytes(const val& array)
{
    std::string bytes(array["length"].as<std::size_t>(), '\0');
    val(emscripten::typed_memory_view(bytes.size(), reinterpret_cast<unsigned char*>(bytes.data())))
        .call<void>("set", array);
    return bytes;
}

bool WriteFile(const char* path, const std::string& bytes)
{
    std::FILE* f = std::fopen(path, "wb");
    const bool written = f != nullptr && std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return f != nullptr && std::fclose(f) == 0 && written;
}

// The desktop's loader over the bytes, through files in the module's memory. A file it cannot
// read keeps what was loaded before and says so.
std::string LoadData(const val& ships, const val& materials)
{
    const char* shipPath = "/tmp/ship_varietion.csv";
    const char* materialPath = "/tmp/ship_material.csv";
    if (!WriteFile(shipPath, Bytes(ships)) || !WriteFile(materialPath, Bytes(materials)))
        return "データを読み込めませんでした";
    std::string message;
    const toolkit::MessageSink previous = toolkit::SetMessageSink([&](const std::string& text) {
        message += (message.empty() ? "" : "\n") + toolkit::Cp932ToUtf8(text);
    });
    auto loaded = std::make_unique<CShipDataManager>(shipPath, materialPath);
    toolkit::SetMessageSink(previous);
    std::remove(shipPath);
    std::remove(materialPath);
    if (!message.empty() && Catalogue)
        return message;
    Catalogue = std::move(loaded);
    FirstOfName.clear();
    for (int i = 0; i < Catalogue->GetCount(); ++i)
        FirstOfName.try_emplace(Catalogue->GetElement(i)->Name, i);
    return message;
}

int ShipCount()
{
    return Catalogue ? Catalogue->GetCount() : 0;
}

val ListedShips(bool adventure, bool trade, bool combat)
{
    val list = val::array();
    if (!Catalogue)
        return list;
    for (int i = 0, n = 0; i < Catalogue->GetCount(); ++i) {
        const CShipDataElement& ship = Ship(i);
        if (!ShipTypeShown(ShipTypeOf(ship.ALV, ship.TLV, ship.CLV), adventure, trade, combat))
            continue;
        val entry = val::object();
        entry.set("name", toolkit::Cp932ToUtf8(ship.Name));
        entry.set("ship", FirstOfName.at(ship.Name));
        list.set(n++, entry);
    }
    return list;
}

std::string ShownName(int ship)
{
    return toolkit::Utf16ToUtf8(toolkit::Cp932Shown(Ship(ship).Name));
}

val StartingBuild(int ship)
{
    return ToJs(shiptab::StartingBuild(Ship(ship)));
}

std::string Hex(uint32_t colour)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%06x", colour);
    return text;
}

val FramePlaces()
{
    val places = val::array();
    int n = 0;
    for (const shiptab::Place& p : shiptab::FramePlaces) {
        val o = val::object();
        o.set("name", std::string(p.Name));
        o.set("caption", std::string(p.Caption));
        o.set("x", p.Left);
        o.set("y", p.Top);
        o.set("width", p.Width);
        o.set("height", p.Height);
        o.set("colour", p.Colour == 0 ? std::string() : Hex(p.Colour));
        o.set("labelledBy", std::string(p.Label == nullptr ? "" : p.Label));
        for (const shiptab::SpinnerNames& names : shiptab::Spinners)
            if (std::string_view(names.Name) == p.Name) {
                o.set("accessibleName", std::string(names.Caption));
                o.set("downName", std::string(names.Down));
                o.set("upName", std::string(names.Up));
            }
        if (std::string_view(p.Name) == "SpeedButton1")
            o.set("accessibleName", std::string(shiptab::CloseButtonName));
        places.set(n++, o);
    }
    return places;
}

val TextNames()
{
    val names = val::array();
    for (int i = 0; i < shiptab::box::Count; ++i)
        names.set(i, std::string(shiptab::Columns[i].Box));
    return names;
}

val TabTexts(int ship, const val& build)
{
    const shiptab::TabTexts texts = shiptab::TextsOf(Ship(ship), FromJs(build));
    val out = val::array();
    for (int i = 0; i < shiptab::box::Count; ++i)
        out.set(i, i == shiptab::box::ShipNameText ? "  " + ShownName(ship)
                                                   : toolkit::Cp932ToUtf8(texts[static_cast<std::size_t>(i)]));
    return out;
}

val MaterialHeader()
{
    val out = val::array();
    for (int i = 0; i < 4; ++i)
        out.set(i, std::string(shiptab::MaterialCaptions[i]));
    return out;
}

val MaterialLines(int ship)
{
    val lines = val::array();
    for (int i = 0; i < MaterialCount; ++i) {
        const std::array<std::string, 4> texts = shiptab::MaterialLine(Ship(ship), i);
        val line = val::array();
        for (int k = 0; k < 4; ++k)
            line.set(k, toolkit::Cp932ToUtf8(texts[static_cast<std::size_t>(k)]));
        lines.set(i, line);
    }
    return lines;
}

val Step(int ship, const val& build, const std::string& spinner, bool up)
{
    const std::pair<const char*, shiptab::Spinner> spinners[] = {
        {"UpDown1", shiptab::Spinner::Percent}, {"UpDown3", shiptab::Spinner::Cabins}, {"UpDown4", shiptab::Spinner::Ports}};
    for (const auto& [name, which] : spinners)
        if (spinner == name)
            return ToJs(shiptab::Step(Ship(ship), FromJs(build), which, up));
    return build; // the disabled one, or none

}

std::string BuildsText(const val& builds)
{
    std::string rows;
    const auto count = builds["length"].as<unsigned>();
    for (unsigned i = 0; i < count; ++i)
        rows += shiptab::BuildRow(Ship(builds[i]["ship"].as<int>()), FromJs(builds[i]["build"]));
    return shiptab::BuildHeaderRow() + rows;
}

val Opened(const shiptab::PastedRows& rows, const std::string& message)
{
    val builds = val::array();
    int n = 0;
    for (const shiptab::PastedBuild& b : rows.Builds) {
        val o = val::object();
        o.set("ship", FirstOfName.at(b.Ship->Name)); // a paste opens the first ship of a name
        o.set("build", ToJs(b.Asked));
        builds.set(n++, o);
    }
    val out = val::object();
    out.set("builds", builds);
    out.set("message", message);
    return out;
}

val ReadPasted(const std::string& text)
{
    if (!Catalogue)
        return Opened({}, "");
    const shiptab::PastedRows rows = shiptab::ReadPasted(text, *Catalogue);
    return Opened(rows, rows.Refused.empty() ? "" : shiptab::PasteRefusedMessage(rows.Refused));
}

std::string LinkFragment(int ship, const val& build)
{
    return shiptab::LinkFragment(Ship(ship), FromJs(build));
}

val ReadLink(const std::string& fragment)
{
    if (!Catalogue)
        return Opened({}, "");
    const shiptab::PastedRows rows = shiptab::ReadLink(fragment, *Catalogue);
    return Opened(rows, rows.Refused.empty() ? "" : shiptab::LinkRefusedMessage(rows.Refused.front()));
}

// --- the build finder: rows cross as numbers, seven a row (RowFields); their texts are made
// for the rows in view.

constexpr int RowFields = 7; // ship, material, ratio, cabins, ports, price, capacity

val Packed(const std::vector<finder::FoundBuild>& rows)
{
    std::vector<int32_t> packed;
    packed.reserve(rows.size() * RowFields);
    for (const finder::FoundBuild& r : rows)
        packed.insert(packed.end(), {int32_t(r.Ship), r.Material, r.Percent, r.Cabins, r.Ports, r.Price, r.Capacity});
    // A copy that outlives the module's memory, which may grow.
    return val::global("Int32Array").new_(val(emscripten::typed_memory_view(packed.size(), packed.data())));
}

std::vector<finder::FoundBuild> Unpacked(const val& rows)
{
    const auto count = rows["length"].as<std::size_t>() / RowFields;
    std::vector<int32_t> packed(count * RowFields);
    val(emscripten::typed_memory_view(packed.size(), packed.data())).call<void>("set", rows);
    std::vector<finder::FoundBuild> found(count);
    for (std::size_t i = 0; i < count; ++i) {
        const int32_t* f = &packed[i * RowFields];
        found[i] = {0, uint32_t(f[0]), f[3], f[4], f[5], f[6], int16_t(f[2]), uint8_t(f[1])};
    }
    return found;
}

val FindBuilds(const val& q)
{
    finder::QueryTexts texts;
    texts.Adventure = q["adventure"].as<bool>();
    texts.Trade = q["trade"].as<bool>();
    texts.Combat = q["combat"].as<bool>();
    for (int i = 0; i < 7; ++i)
        texts.Required[i] = q["required"][i].as<std::string>();
    texts.LowestPercent = q["lowestPercent"].as<std::string>();
    texts.HighestPercent = q["highestPercent"].as<std::string>();
    texts.Goal = q["goal"].as<int>();
    texts.EveryMaterial = q["everyMaterial"].as<bool>();
    const finder::ReadQuery read = finder::ReadQueryTexts(texts);
    val out = val::object();
    out.set("message", read.Why);
    out.set("rows", read.Asked && Catalogue ? Packed(finder::FindBuilds(*Catalogue, *read.Asked))
                                            : val::global("Int32Array").new_(0));
    return out;
}

val SortRows(const val& rows, int column, bool descending)
{
    std::vector<finder::FoundBuild> found = Unpacked(rows);
    if (Catalogue)
        finder::SortByColumn(found, *Catalogue, column, descending);
    return Packed(found);
}

val Array(const std::vector<std::string>& texts)
{
    val out = val::array();
    for (std::size_t i = 0; i < texts.size(); ++i)
        out.set(i, texts[i]);
    return out;
}

val HeaderCells()
{
    return Array(shiptab::BuildHeaderCells());
}

val RowCells(int ship, const val& build)
{
    return Array(shiptab::BuildCells(Ship(ship), FromJs(build)));
}

// The words both programs show, by name: each element of the page that carries data-word="NAME"
// takes the text of NAME, one with data-word-label="NAME" its accessible name.
val Words()
{
    namespace w = finder::words;
    const std::pair<const char*, const char*> words[] = {
        {"Adventure", ShipTypeCaptions[0]}, {"Trade", ShipTypeCaptions[1]}, {"Combat", ShipTypeCaptions[2]},
        {"FinderTitle", w::Title}, {"OpenFinder", w::Open}, {"Types", w::Types}, {"Percent", w::Percent},
        {"LowestPercent", w::LowestPercent}, {"HighestPercent", w::HighestPercent}, {"From", w::From}, {"To", w::To},
        {"Goal", w::Goal}, {"EveryMaterial", w::EveryMaterial}, {"EveryMaterialMeaning", w::EveryMaterialMeaning},
        {"Results", w::Results}, {"Rows", w::Rows}, {"NoRequirement", w::NoRequirement},
    };
    val out = val::object();
    for (const auto& [name, text] : words)
        out.set(name, std::string(text));
    return out;
}

val FinderCaptions()
{
    val out = val::object();
    val required = val::array();
    for (int i = 0; i < 7; ++i) {
        val r = val::object();
        r.set("name", std::string(finder::Requirements[i].Name));
        r.set("caption", std::string(finder::Requirements[i].Caption));
        r.set("bound", std::string(finder::Requirements[i].Bound));
        required.set(i, r);
    }
    out.set("required", required);
    val goals = val::array();
    for (int i = 0; i < 6; ++i)
        goals.set(i, std::string(finder::GoalCaptions[i]));
    out.set("goals", goals);
    val numbers = val::array();
    for (int i = 0; i < shiptab::box::Count; ++i)
        numbers.set(i, shiptab::Columns[i].IsNumber());
    out.set("numberColumns", numbers);
    return out;
}

} // namespace

EMSCRIPTEN_BINDINGS(shipplanner)
{
    using emscripten::function;
    function("loadData", &LoadData);
    function("shipCount", &ShipCount);
    function("listedShips", &ListedShips);
    function("shownName", &ShownName);
    function("startingBuild", &StartingBuild);
    function("framePlaces", &FramePlaces);
    function("textNames", &TextNames);
    function("tabTexts", &TabTexts);
    function("materialHeader", &MaterialHeader);
    function("materialLines", &MaterialLines);
    function("step", &Step);
    function("buildsText", &BuildsText);
    function("readPasted", &ReadPasted);
    function("linkFragment", &LinkFragment);
    function("readLink", &ReadLink);
    function("findBuilds", &FindBuilds);
    function("sortRows", &SortRows);
    function("headerCells", &HeaderCells);
    function("rowCells", &RowCells);
    function("finderCaptions", &FinderCaptions);
    function("words", &Words);
}
