// The data set the program ships with: it must load whole, cover every ship type and
// give each ship its own material line. The files are made by scripts/make_sample_data.py.
#include "shipdata/Cshipdatamanagemer.h"

#include "support/Records.h"
#include "toolkit/Cp932.h"
#include "toolkit/MessageBox.h"
#include "toolkit/TextFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <set>

namespace {

const std::filesystem::path DataDir = std::filesystem::path(__FILE__).parent_path() / ".." / ".." / "data";
const std::string ShipFile = (DataDir / "ship_varietion.csv").string();
const std::string MaterialFile = (DataDir / "ship_material.csv").string();

using testsupport::Sjis;

std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string ColumnZero(const std::string& line)
{
    return line.substr(0, line.find(','));
}

enum class ShipType { Adventure, Trade, Combat };

ShipType TypeOf(const CShipDataElement& e)
{
    if (e.ALV > e.TLV && e.ALV > e.CLV)
        return ShipType::Adventure;
    if (e.ALV > e.TLV)
        return ShipType::Combat;
    return e.TLV > e.CLV ? ShipType::Trade : ShipType::Combat;
}

// Ships whose material lines lack figures on purpose, so that the tab shows "?".
const std::set<std::string>& ShipsWithGaps()
{
    static const std::set<std::string> names{Sjis("ピンネース"), Sjis("ポラッカ"), Sjis("ハンザ・コグ")};
    return names;
}

class SampleData : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        const auto previous = toolkit::SetMessageSink([](const std::string& m) { Messages.push_back(m); });
        Manager = std::make_unique<CShipDataManager>(ShipFile, MaterialFile);
        toolkit::SetMessageSink(previous);
        toolkit::ReadTextFileLines(ShipFile, ShipLines);
        toolkit::ReadTextFileLines(MaterialFile, MaterialLines);
    }
    static void TearDownTestSuite() { Manager.reset(); }

    static inline std::unique_ptr<CShipDataManager> Manager;
    static inline std::vector<std::string> Messages, ShipLines, MaterialLines;
};

} // namespace

TEST_F(SampleData, FilesAreCp932WithCrLf)
{
    for (const std::string& path : {ShipFile, MaterialFile}) {
        const std::string bytes = ReadBytes(path);
        ASSERT_FALSE(bytes.empty()) << path;
        EXPECT_EQ(bytes.find('\0'), std::string::npos) << path;
        EXPECT_TRUE(bytes.ends_with("\r\n")) << path;
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            if (bytes[i] == '\n') {
                ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << path << ": lone LF at " << i;
            }
            if (bytes[i] == '\r') {
                ASSERT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << path << ": lone CR at " << i;
            }
        }
        const QString text = toolkit::FromCp932(bytes);
        EXPECT_FALSE(text.contains(QChar::ReplacementCharacter)) << path;
        EXPECT_EQ(toolkit::ToCp932(text), bytes) << path << " does not survive a round trip";
    }
}

TEST_F(SampleData, LoadsEveryShipWithoutMessages)
{
    EXPECT_TRUE(Messages.empty());
    ASSERT_GE(Manager->GetCount(), 40);
    EXPECT_GE(MaterialLines.size(), ShipLines.size()) << "a shorter material file cuts the catalogue";
    EXPECT_EQ(Manager->GetCount(), static_cast<int>(ShipLines.size()) - 1);
    for (std::size_t i = 1; i < ShipLines.size(); ++i)
        EXPECT_EQ(std::count(ShipLines[i].begin(), ShipLines[i].end(), ','), 29) << "ship line " << i;
}

TEST_F(SampleData, NamesAreJapaneseAndUnique)
{
    std::set<std::string> seen;
    for (int i = 0; i < Manager->GetCount(); ++i) {
        const std::string& name = Manager->GetElement(i)->Name;
        const QString shown = toolkit::FromCp932(name);
        EXPECT_FALSE(shown.isEmpty()) << i;
        EXPECT_TRUE(std::any_of(shown.begin(), shown.end(), [](QChar c) { return c.unicode() >= 0x3000; }))
            << shown.toStdString();
        EXPECT_TRUE(seen.insert(name).second) << shown.toStdString() << " twice";
        EXPECT_EQ(Manager->FindElement(name), Manager->GetElement(i));
    }
    EXPECT_TRUE(seen.contains(Sjis("ガレオン")));
    EXPECT_TRUE(seen.contains(Sjis("大型キャラック")));
}

TEST_F(SampleData, AllThreeTypesInGoodNumbers)
{
    std::map<ShipType, int> count;
    for (int i = 0; i < Manager->GetCount(); ++i)
        ++count[TypeOf(*Manager->GetElement(i))];
    EXPECT_GE(count[ShipType::Adventure], 10);
    EXPECT_GE(count[ShipType::Trade], 10);
    EXPECT_GE(count[ShipType::Combat], 10);
}

TEST_F(SampleData, FiguresArePresentAndBelievable)
{
    for (int i = 0; i < Manager->GetCount(); ++i) {
        const CShipDataElement& e = *Manager->GetElement(i);
        const std::string shown = toolkit::FromCp932(e.Name).toStdString();
        const int32_t numbers[] = {e.Price, e.Column2, e.Column3, e.Row, e.Slue, e.ResistiveWave, e.Armoured,
                                   e.Column8, e.DefaultCabins, e.DefaultPorts, e.DefaultHold,
                                   e.MinimumCabinsBase, e.ALV, e.TLV, e.CLV, e.NumOfJigger, e.NumOfFigurehead,
                                   e.NumOfSeal, e.NumOfWeapon, e.NumOfArmour, e.CannonSlots,
                                   e.FrontCannonSlots, e.RearCannonSlots, e.Column24, e.Column28};
        for (int32_t n : numbers)
            EXPECT_GE(n, 0) << shown;
        EXPECT_GE(e.DefaultMaterial, -1) << shown;
        EXPECT_LE(e.DefaultMaterial, 9) << shown;
        EXPECT_GE(e.Price, 1000) << shown;
        EXPECT_LE(e.Price, 500000) << shown;
        for (int32_t level : {e.ALV, e.TLV, e.CLV}) {
            EXPECT_GE(level, 1) << shown;
            EXPECT_LE(level, 70) << shown;
        }
        for (int32_t partSlots : {e.NumOfJigger, e.NumOfFigurehead, e.NumOfSeal, e.NumOfWeapon, e.NumOfArmour,
                              e.CannonSlots, e.FrontCannonSlots, e.RearCannonSlots})
            EXPECT_LE(partSlots, 4) << shown;
        const int32_t capacity = e.DefaultCabins + e.DefaultPorts + e.DefaultHold;
        EXPECT_GE(capacity, 20) << shown;
        EXPECT_LE(capacity, 1500) << shown;
    }
}

TEST_F(SampleData, MaterialFiguresMissOnlyWhereMeant)
{
    for (int i = 0; i < Manager->GetCount(); ++i) {
        const CShipDataElement& e = *Manager->GetElement(i);
        const std::string shown = toolkit::FromCp932(e.Name).toStdString();
        int missing = 0;
        for (const MaterialSlot& slot : e.Materials) {
            for (int32_t figure : {slot.LSail, slot.SSail, slot.Strength}) {
                missing += figure == -1;
                EXPECT_GE(figure, -1) << shown;
            }
        }
        if (ShipsWithGaps().contains(e.Name)) {
            EXPECT_GT(missing, 0) << shown << " is meant to show unknown figures";
        } else {
            EXPECT_EQ(missing, 0) << shown;
        }

        // Heavier and dearer hulls last longer (the master's choice, slot 0, stands apart).
        for (int m = 1; m + 1 < MaterialCount; ++m) {
            const int32_t lighter = e.Materials[m].Strength, heavier = e.Materials[m + 1].Strength;
            if (lighter != -1 && heavier != -1) {
                EXPECT_LE(lighter, heavier) << shown << " material " << m;
            }
        }
    }
}

TEST_F(SampleData, EachShipHasItsOwnMaterialLine)
{
    // Each ship's own line is found first by a plain substring search too, except for
    // the one ship whose name is part of a longer name listed before it.
    const std::string contained = Sjis("ガレオン");
    for (int i = 0; i < Manager->GetCount(); ++i) {
        const std::string& name = Manager->GetElement(i)->Name;
        const auto isOwn = [&](const std::string& line) { return ColumnZero(line) == name; };
        const auto own = std::find_if(MaterialLines.begin() + 1, MaterialLines.end(), isOwn);
        ASSERT_NE(own, MaterialLines.end()) << toolkit::FromCp932(name).toStdString();
        EXPECT_EQ(std::count_if(MaterialLines.begin(), MaterialLines.end(), isOwn), 1);
        const auto first = std::find_if(MaterialLines.begin(), MaterialLines.end(),
                                        [&](const std::string& line) { return line.find(name) != std::string::npos; });
        if (name == contained) {
            EXPECT_LT(first, own) << "the longer name must stand earlier";
        } else {
            EXPECT_EQ(first, own) << toolkit::FromCp932(name).toStdString();
        }
    }
}
