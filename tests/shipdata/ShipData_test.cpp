#include "shipdata/Cshipdatamanagemer.h"

#include "support/BenchCatalogue.h"
#include "support/Records.h"
#include "support/TempDir.h"
#include "toolkit/MessageBox.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <optional>
#include <tuple>

#ifdef _WIN32
#include <windows.h>

#include <filesystem>
#endif

using namespace std::string_literals;

namespace {

using testsupport::Sjis;

// Collects messages instead of showing boxes, for the life of the object.
struct MessageLog {
    std::vector<std::string> messages;
    toolkit::MessageSink previous;
    MessageLog()
    {
        previous = toolkit::SetMessageSink([this](const std::string& m) { messages.push_back(m); });
    }
    ~MessageLog() { toolkit::SetMessageSink(previous); }
};

// A ship line with all thirty columns: name, then 1..28 as numbers, text at 26, 27, 29.
std::string FullShipLine(const std::string& name)
{
    testsupport::Columns columns;
    for (int c = 1; c < 30; ++c)
        columns.emplace_back(c, c == 26 || c == 27 || c == 29 ? "t" + std::to_string(c) : std::to_string(c * 10));
    return testsupport::ShipLine(name, columns);
}

struct Catalogue {
    TempDir dir;
    MessageLog log;
    std::unique_ptr<CShipDataManager> manager;
    Catalogue(const std::string& ships, const std::string& materials)
    {
        manager = std::make_unique<CShipDataManager>(dir.write("s.csv", ships), dir.write("m.csv", materials));
    }
};

} // namespace

// --- number conversion -------------------------------------------------------------------

struct NumberCase {
    const char* name;
    std::string text;
    int32_t value;
};

class ParseNumberTest : public testing::TestWithParam<NumberCase> {};

TEST_P(ParseNumberTest, Converts)
{
    EXPECT_EQ(shipdata::ParseNumber(GetParam().text), GetParam().value) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Table, ParseNumberTest,
    testing::Values(
        NumberCase{"Plain", "123", 123}, NumberCase{"Zero", "0", 0},
        NumberCase{"NineDigits", "999999999", 999999999}, NumberCase{"TenDigits", "1000000000", 1000000000},
        NumberCase{"TenZeros", "0000000000", 0}, NumberCase{"DigitsThenLetter", "12a", -1},
        NumberCase{"DigitThenX", "1x1", -1}, NumberCase{"HighByteAfterDigits", "12\xff", -1},
        NumberCase{"Plus", "+7", 7}, NumberCase{"Minus", "-7", -7},
        NumberCase{"MinusOneIsANumber", "-1", -1},
        NumberCase{"LeadingBlanks", "   42", 42}, NumberCase{"LeadingZeros", "000000000000042", 42},
        NumberCase{"Max", "2147483647", 2147483647}, NumberCase{"Min", "-2147483648", INT32_MIN},
        NumberCase{"AboveMax", "2147483648", -1}, NumberCase{"BelowMin", "-2147483649", -1},
        NumberCase{"HugeDigits", std::string(5000, '9'), -1},
        NumberCase{"Empty", "", -1}, NumberCase{"OnlyBlanks", "   ", -1},
        NumberCase{"OnlySign", "-", -1}, NumberCase{"DoubleSign", "--1", -1},
        NumberCase{"TrailingBlank", "12 ", -1}, NumberCase{"Tab", "\t12", -1},
        NumberCase{"TrailingTab", "12\t", -1}, NumberCase{"DecimalPoint", "1.5", -1},
        NumberCase{"BlankAfterSign", "- 1", -1}, NumberCase{"FullWidthDigit", "\x82\x50", -1},
        NumberCase{"Dollar", "$1F", 31}, NumberCase{"LowerX", "x1f", 31},
        NumberCase{"UpperX", "X10", 16}, NumberCase{"ZeroX", "0x10", 16}, NumberCase{"ZeroUpperX", "0XfF", 255},
        NumberCase{"HexBlanksFirst", "  $10", 16},
        NumberCase{"HexPattern", "$FFFFFFFF", -1}, NumberCase{"HexMinInt", "$80000000", INT32_MIN},
        NumberCase{"HexMax", "$7FFFFFFF", INT32_MAX},
        NumberCase{"HexLeadingZeros", "$000000000001", 1},
        NumberCase{"HexTooBig", "$100000000", -1}, NumberCase{"HexNoDigits", "$", -1},
        NumberCase{"ZeroXNoDigits", "0x", -1}, NumberCase{"HexSigned", "-$1", -1},
        NumberCase{"HexBadDigit", "$1G", -1}, NumberCase{"HexTrailingBlank", "0x1 ", -1}),
    [](const auto& info) { return std::string(info.param.name); });

// --- cutting at commas ----------------------------------------------------------------------

struct CutCase {
    const char* name;
    std::string_view text, column, rest;
};

class CutColumnTest : public testing::TestWithParam<CutCase> {};

TEST_P(CutColumnTest, CutsAtTheFirstComma)
{
    std::string_view rest = GetParam().text;
    EXPECT_EQ(shipdata::CutColumn(rest), GetParam().column);
    EXPECT_EQ(rest, GetParam().rest);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CutColumnTest,
    testing::Values(CutCase{"Empty", "", "", ""}, CutCase{"NoComma", "abc", "abc", ""},
                    CutCase{"Two", "a,b", "a", "b"}, CutCase{"LeadingComma", ",b", "", "b"},
                    CutCase{"TrailingComma", "a,", "a", ""}, CutCase{"OnlyComma", ",", "", ""},
                    CutCase{"AdjacentCommas", ",,x", "", ",x"}, CutCase{"FirstOfMany", "1/2,3/4,5", "1/2", "3/4,5"}),
    [](const auto& info) { return std::string(info.param.name); });

// --- ship line columns ---------------------------------------------------------------------

TEST(ShipLine, FillsAllThirtyColumns)
{
    const CShipDataElement e(FullShipLine("Nao"), nullptr);
    EXPECT_EQ(e.Name, "Nao");
    const int32_t numbers[] = {e.Price, e.Column2, e.Column3, e.Row, e.Slue, e.ResistiveWave, e.Armoured,
                               e.Column8, e.DefaultCabins, e.DefaultPorts, e.DefaultHold, e.MinimumCabinsBase,
                               e.ALV, e.TLV, e.CLV, e.NumOfJigger, e.NumOfFigurehead, e.NumOfSeal,
                               e.NumOfWeapon, e.NumOfArmour, e.CannonSlots, e.FrontCannonSlots,
                               e.RearCannonSlots, e.Column24, e.DefaultMaterial};
    for (int c = 1; c <= 25; ++c)
        EXPECT_EQ(numbers[c - 1], c * 10) << "column " << c;
    EXPECT_EQ(e.Column26, "t26");
    EXPECT_EQ(e.Column27, "t27");
    EXPECT_EQ(e.Column28, 280);
    EXPECT_EQ(e.Column29, "t29");
}

TEST(ShipLine, CuttingEdgeCases)
{
    // Adjacent commas give an empty column; later columns keep their places.
    const CShipDataElement gap("A,100,,3", nullptr);
    EXPECT_EQ(gap.Price, 100);
    EXPECT_EQ(gap.Column2, -1);
    EXPECT_EQ(gap.Column3, 3);
    EXPECT_EQ(gap.Row, -1) << "columns not reached stay -1";

    // A line ending in a comma leaves the last column unvisited.
    std::string trailing = FullShipLine("B");
    trailing.erase(trailing.rfind(',') + 1);
    const CShipDataElement t(trailing, nullptr);
    EXPECT_EQ(t.Column28, 280);
    EXPECT_EQ(t.Column29, "");

    // More than thirty columns load like the line cut after the thirtieth.
    const CShipDataElement longer(FullShipLine("C") + ",extra,99", nullptr);
    EXPECT_EQ(longer.Column29, "t29");

    // Spaces and quotes belong to the text; an empty line gives an empty name.
    const CShipDataElement quoted(" \"D\" ,1", nullptr);
    EXPECT_EQ(quoted.Name, " \"D\" ");
    const CShipDataElement empty("", nullptr);
    EXPECT_EQ(empty.Name, "");
    EXPECT_EQ(empty.Price, -1);
}

// --- material entries ----------------------------------------------------------------------

struct EntryCase {
    const char* name;
    std::string entry;
    int32_t lsail, ssail, strength;
};

class MaterialEntryTest : public testing::TestWithParam<EntryCase> {};

TEST_P(MaterialEntryTest, GoesToItsSlot)
{
    const std::string_view entries = GetParam().entry;
    const CShipDataElement e("S", &entries);
    EXPECT_EQ(e.Materials[0].LSail, GetParam().lsail);
    EXPECT_EQ(e.Materials[0].SSail, GetParam().ssail);
    EXPECT_EQ(e.Materials[0].Strength, GetParam().strength);
}

INSTANTIATE_TEST_SUITE_P(
    Table, MaterialEntryTest,
    testing::Values(EntryCase{"ThreeNumbers", "12/34/56", 12, 34, 56},
                    EntryCase{"OneSlash", "12/56", 12, -1, 56},
                    EntryCase{"NoSlash", "56", -1, -1, 56},
                    EntryCase{"Empty", "", -1, -1, -1},
                    EntryCase{"ThreeSlashes", "1/2/3/4", 1, 2, -1},
                    EntryCase{"EmptyParts", "//", -1, -1, -1},
                    EntryCase{"Hex", "$10/x10/0x10", 16, 16, 16},
                    EntryCase{"BadNumbers", "a/1.5/ 7", -1, -1, 7}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MaterialEntries, ElevenSlotsWithFactors)
{
    // Two entries only: the rest are empty; a twelfth entry is ignored.
    std::string_view shortEntries = "1/2/3,4/5/6";
    const CShipDataElement s("S", &shortEntries);
    EXPECT_EQ(s.Materials[1].Strength, 6);
    for (int i = 2; i < MaterialCount; ++i)
        EXPECT_EQ(s.Materials[i].Strength, -1) << i;

    std::string all;
    for (int i = 0; i < 12; ++i)
        all.append(i ? "," : "").append(std::to_string(i)).append("/0/").append(std::to_string(i * 100));
    std::string_view allEntries = all;
    const CShipDataElement full("S", &allEntries);
    EXPECT_EQ(full.Materials[10].Strength, 1000);

    const CShipDataElement none("S", nullptr);
    for (int i = 0; i < MaterialCount; ++i) {
        for (const CShipDataElement* e : {&s, &full, &none}) {
            EXPECT_EQ(e->Materials[i].PriceFactor, MaterialPriceFactors[i]);
            EXPECT_TRUE(e->Materials[i].Filled);
        }
        EXPECT_EQ(none.Materials[i].LSail, -1);
        EXPECT_EQ(none.Materials[i].SSail, -1);
        EXPECT_EQ(none.Materials[i].Strength, -1);
    }
}

// --- material line lookup ------------------------------------------------------------------

struct LookupCase {
    const char* name;
    std::string ship;
    std::optional<std::size_t> line;
};

class MaterialLineIndexTest : public testing::TestWithParam<LookupCase> {};

TEST_P(MaterialLineIndexTest, FindsTheLine)
{
    const std::vector<std::string_view> lines = {
        "header,Head",          // 0
        "Large Galleon,1/1/1",  // 1
        "Galleon,2/2/2",        // 2
        ",Carrack",             // 3: no name of its own
        "",                     // 4
        "Dhow",                 // 5: no comma
        "Nao,4/4/4,Sloop",      // 6
        "Sloop,5/5/5",          // 7
        "Head,6/6/6",           // 8
        "Sloop,7/7/7",          // 9
        "Galleon,3/3/3",        // 10
        "\x83\x7c\x83\x89\x83\x62\x83\x4a,8/8/8", // 11: "ポラッカ", whose "カ" ends in "J"
        "\x81\x5b,9/9/9",     // 12: "ー", which ends in "["
        "xJ[,10/10/10",         // 13
    };
    const shipdata::MaterialLineIndex index(lines);
    EXPECT_EQ(index.Find(GetParam().ship), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    Table, MaterialLineIndexTest,
    testing::Values(LookupCase{"ExactBeatsAnEarlierContainingLine", "Galleon", 2},
                    LookupCase{"FirstOfTwoExactLinesBeatsAnEarlierMention", "Sloop", 7},
                    LookupCase{"ExactBeatsAMentionInTheHeader", "Head", 8},
                    LookupCase{"HeaderColumnZero", "header", 0},
                    LookupCase{"LineWithoutComma", "Dhow", 5},
                    LookupCase{"PartOfANameTakesTheFirstLineHoldingIt", "Galle", 1},
                    LookupCase{"PartOfTheHeader", "ead", 0},
                    LookupCase{"OnlyAfterAComma", "Carrack", 3},
                    LookupCase{"AcrossAComma", "Nao,4", 6},
                    LookupCase{"Nowhere", "Junk", std::nullopt},
                    LookupCase{"LongerThanAnyLine", "Large Galleon,1/1/1 and more", std::nullopt},
                    LookupCase{"EmptyNameMatchesNothing", "", std::nullopt},
                    LookupCase{"NotInsideACharacter", "J", 13},
                    LookupCase{"NotInsideALongBar", "[", 13},
                    LookupCase{"WholeCharacters", "\x83\x62\x83\x4a", 11}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MaterialLineIndex, ManyNamesFindTheirFirstLine)
{
    // Lines 2k and 2k + 1 both name "ship<2k>".
    std::vector<std::string> text;
    for (int i = 0; i < 5000; ++i)
        text.push_back("ship" + std::to_string(i - i % 2) + ",1/2/3");
    const std::vector<std::string_view> lines(text.begin(), text.end());
    const shipdata::MaterialLineIndex index(lines);
    for (int i = 0; i < 5000; i += 2)
        ASSERT_EQ(index.Find("ship" + std::to_string(i)), static_cast<std::size_t>(i)) << i;
    EXPECT_EQ(index.Find("ship1"), 10u) << "no exact line: the first line holding it, ship10";
    EXPECT_EQ(index.Find("ship5000"), std::nullopt);

    const std::vector<std::string_view> none;
    EXPECT_EQ(shipdata::MaterialLineIndex(none).Find("ship"), std::nullopt);
}

TEST(MaterialPriceFactors, Values)
{
    const double expected[] = {1.0, 0.6, 0.6, 0.6, 0.72, 0.96, 1.2, 1.68, 2.16, 0, 3.0};
    for (int i = 0; i < MaterialCount; ++i)
        if (i != 9) {
            EXPECT_EQ(MaterialPriceFactors[i], expected[i]) << i;
        }
    EXPECT_NE(MaterialPriceFactors[9], 2.7);
    EXPECT_EQ(MaterialPriceFactors[9], 2.6999999999999997);
    EXPECT_EQ(MaterialPriceFactors[9], std::nextafter(2.7, 0.0));
}

TEST(CopyConstruction, IsIndependentOfTheCatalogue)
{
    std::unique_ptr<CShipDataElement> copy;
    {
        Catalogue c("h\n" + FullShipLine("A long ship name that does not fit in a small string"),
                    "h\nA long ship name that does not fit in a small string,1/2/3\n");
        copy = std::make_unique<CShipDataElement>(*c.manager->GetElement(0));
    }
    EXPECT_EQ(copy->Name, "A long ship name that does not fit in a small string");
    EXPECT_EQ(copy->Column26, "t26");
    EXPECT_EQ(copy->Column28, 280);
    EXPECT_EQ(copy->Materials[0].LSail, 1);
    EXPECT_EQ(copy->Materials[0].Strength, 3);
    EXPECT_TRUE(copy->Materials[10].Filled);
}

// --- catalogue loading ---------------------------------------------------------------------

TEST(Catalogue, LoadsShipsInFileOrderWithTheirMaterials)
{
    Catalogue c("header\r\nA,100\r\nB,200\r\n", "header\nB,1/2/3\nA,4/5/6\n");
    ASSERT_EQ(c.manager->GetCount(), 2);
    EXPECT_EQ(c.manager->GetElement(0)->Name, "A");
    EXPECT_EQ(c.manager->GetElement(0)->Materials[0].LSail, 4);
    EXPECT_EQ(c.manager->GetElement(1)->Materials[0].LSail, 1);
    EXPECT_TRUE(c.log.messages.empty());
}

TEST(Catalogue, LineEndingsLoadAlike)
{
    for (const char* eol : {"\r\n", "\n", "\r"}) {
        Catalogue c("h"s + eol + "A,1" + eol + "B,2" + eol, "h"s + eol + "A,1/2/3" + eol + "B,4/5/6");
        ASSERT_EQ(c.manager->GetCount(), 2);
        EXPECT_EQ(c.manager->GetElement(1)->Price, 2);
        EXPECT_EQ(c.manager->GetElement(1)->Materials[0].Strength, 6);
    }
}

TEST(Catalogue, LargeFilesLoadOnThreadsAsOnOne)
{
    // Past a mebibyte the records are built on several threads; with an observer, on one.
    const testsupport::CatalogueFiles& files = testsupport::BenchCatalogue(6000);
    shipdata::LoadObserver quiet;
    const CShipDataManager threaded(files.ships, files.materials), single(files.ships, files.materials, &quiet);
    ASSERT_EQ(threaded.GetCount(), 6000);
    ASSERT_EQ(single.GetCount(), 6000);
    const auto fields = [](const CShipDataElement& e) {
        return std::tie(e.Name, e.Price, e.Column2, e.Column3, e.Row, e.Slue, e.ResistiveWave, e.Armoured,
                        e.Column8, e.DefaultCabins, e.DefaultPorts, e.DefaultHold, e.MinimumCabinsBase, e.ALV,
                        e.TLV, e.CLV, e.NumOfJigger, e.NumOfFigurehead, e.NumOfSeal, e.NumOfWeapon, e.NumOfArmour,
                        e.CannonSlots, e.FrontCannonSlots, e.RearCannonSlots, e.Column24, e.DefaultMaterial,
                        e.Column26, e.Column27, e.Column28, e.Column29);
    };
    for (int i = 0; i < 6000; ++i) {
        const CShipDataElement &a = *threaded.GetElement(i), &b = *single.GetElement(i);
        ASSERT_TRUE(fields(a) == fields(b)) << "record " << i;
        for (int m = 0; m < MaterialCount; ++m)
            ASSERT_EQ(std::tie(a.Materials[m].LSail, a.Materials[m].SSail, a.Materials[m].Strength),
                      std::tie(b.Materials[m].LSail, b.Materials[m].SSail, b.Materials[m].Strength))
                << "record " << i << ", material " << m;
        ASSERT_EQ(threaded.FindElement(a.Name), &a);
    }

    // Past a mebibyte with few ships: on a machine of many threads, fewer ships than threads.
    std::string ships = "h\n", materials = "h\n";
    for (const char* name : {"A", "B", "C", "D", "E"}) {
        ships += name + ",1"s + std::string(28, ',') + std::string(250000, 'n') + '\n';
        materials += name + ",1/2/3\n"s;
    }
    Catalogue few(ships, materials);
    ASSERT_EQ(few.manager->GetCount(), 5);
    EXPECT_EQ(few.manager->GetElement(4)->Name, "E");
    EXPECT_EQ(few.manager->GetElement(4)->Column29.size(), 250000u);
    EXPECT_EQ(few.manager->GetElement(4)->Materials[0].Strength, 3);
}

TEST(Catalogue, ShortMaterialFileCutsTheCatalogue)
{
    Catalogue c("h\nA\nB\nC\nD\nE\n", "h\nx\ny\nz\n");
    EXPECT_EQ(c.manager->GetCount(), 3);
    EXPECT_EQ(c.manager->GetElement(2)->Name, "C");

    Catalogue onlyHeader("h\n", "h\nA,1/2/3\n");
    EXPECT_EQ(onlyHeader.manager->GetCount(), 0);
    EXPECT_TRUE(onlyHeader.log.messages.empty());
}

TEST(Catalogue, MaterialLineLookup)
{
    // "Galleon" is part of "Large Galleon" listed first: the exact line wins.
    // "Carr" has no exact line: it takes the first line containing it.
    // "header" appears only in the header line, which is searched too.
    // A ship with no line at all gets -1 everywhere.
    Catalogue c("h\nGalleon\nCarr\nheader\nNowhere\n\n",
                "header,9/9/9\nLarge Galleon,1/1/1\nCarrack,2/2/2\nGalleon,3/3/3\nx\nNowhere2\n");
    ASSERT_EQ(c.manager->GetCount(), 5);
    EXPECT_EQ(c.manager->GetElement(0)->Materials[0].Strength, 3);
    EXPECT_EQ(c.manager->GetElement(1)->Materials[0].Strength, 2);
    EXPECT_EQ(c.manager->GetElement(2)->Materials[0].Strength, 9);
    EXPECT_EQ(c.manager->GetElement(3)->Materials[0].Strength, -1) << "Nowhere2 contains Nowhere";
    EXPECT_EQ(c.manager->GetElement(4)->Name, "");
    EXPECT_EQ(c.manager->GetElement(4)->Materials[0].Strength, -1) << "an empty name matches nothing";
}

TEST(Catalogue, MaterialLookupEdgeCases)
{
    // Duplicate exact lines: the first counts. A matched line without a comma is used whole.
    Catalogue c("h\nA\nB\nCC\n", "h\nA,1/1/1\nA,2/2/2\n5/6/7 B\nCC\n");
    EXPECT_EQ(c.manager->GetElement(0)->Materials[0].Strength, 1);
    EXPECT_EQ(c.manager->GetElement(1)->Materials[0].LSail, 5);
    EXPECT_EQ(c.manager->GetElement(1)->Materials[0].Strength, -1) << "\"7 B\" is no number";
    EXPECT_EQ(c.manager->GetElement(2)->Materials[0].Strength, -1) << "\"CC\" itself is no number";
}

TEST(Catalogue, JapaneseNamesMatchByteForByte)
{
    const std::string name = Sjis("ガレオン");
    Catalogue c("h\n" + name + ",100\n", "h\n" + name + ",10/20/30\n");
    ASSERT_EQ(c.manager->GetCount(), 1);
    EXPECT_EQ(c.manager->GetElement(0)->Name, name);
    EXPECT_EQ(c.manager->GetElement(0)->Materials[0].SSail, 20);
}

TEST(Catalogue, UnreadableFilesAreReportedOnceEach)
{
    const std::string shipMsg = Sjis("船種ファイル名が無効: ");
    const std::string matMsg = Sjis("船材質ファイル名が無効: ");
    TempDir dir;
    const auto good = dir.write("good.csv", "h\nA\n");
    const auto missing = (dir.path() / "missing.csv").string();
    struct Case {
        std::string ships, materials;
        std::vector<std::string> messages;
    };
    std::vector<Case> cases = {
        {missing, good, {shipMsg + missing}},
        {good, missing, {matMsg + missing}},
        {missing, missing, {shipMsg + missing, matMsg + missing}},
        {dir.path().string(), good, {shipMsg + dir.path().string()}},
    };
#ifdef _WIN32
    // A file that another program holds open for writing is not read half-written.
    const auto busy = dir.write("busy.csv", "h\nA\n");
    const HANDLE writer = CreateFileW(std::filesystem::path(busy).c_str(), GENERIC_WRITE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    cases.push_back({busy, good, {shipMsg + busy}});
    cases.push_back({good, busy, {matMsg + busy}});
#endif
    for (const auto& k : cases) {
        MessageLog log;
        CShipDataManager m(k.ships, k.materials);
        EXPECT_EQ(log.messages, k.messages) << k.ships << " " << k.materials;
        EXPECT_EQ(m.GetCount(), 0);
    }
#ifdef _WIN32
    CloseHandle(writer);
#endif
}

TEST(Catalogue, HostileBytesLoadWithoutHarm)
{
    std::string binary;
    for (int i = 1; i < 256; ++i)
        binary += static_cast<char>(i);
    const std::string invalidSjis = "\x81\x81\xfd\xfe\xff\x80\xa0,\x82";
    const std::string bigLine(10 * 1024 * 1024, 'x');
    Catalogue c("h\n" + binary + "\n" + invalidSjis + "\n" + bigLine + ",1\n" + std::string(1000000, '\n'),
                "h\n" + binary + "\n" + invalidSjis + "\n" + bigLine + "\n" + std::string(1000000, '\n'));
    // The binary run holds LF and CR, so it makes three lines.
    EXPECT_EQ(c.manager->GetCount(), 1000005);
    EXPECT_EQ(c.manager->GetElement(4)->Name, bigLine);
    EXPECT_EQ(c.manager->GetElement(4)->Price, 1);
}

// --- access --------------------------------------------------------------------------------

TEST(Access, GetElementBounds)
{
    Catalogue c("h\nA\nB\n", "h\n\n\n");
    EXPECT_EQ(c.manager->GetElement(1)->Name, "B");
    for (int index : {2, 3, -1, INT32_MIN, INT32_MAX})
        EXPECT_EQ(c.manager->GetElement(index), nullptr) << index;

    Catalogue empty("", "");
    EXPECT_EQ(empty.manager->GetCount(), 0);
    EXPECT_EQ(empty.manager->GetElement(0), nullptr);
    EXPECT_EQ(empty.manager->FindElement(""), nullptr);
    EXPECT_EQ(empty.manager->FindElement("A"), nullptr);
}

TEST(Access, FindElementIsExactAndFirst)
{
    const std::string halfA = "A", fullA = Sjis("Ａ");
    Catalogue c("h\nShip,1\nShip,2\n\n" + halfA + "\n" + fullA + "\n", "h\n\n\n\n\n\n");
    EXPECT_EQ(c.manager->FindElement("Ship")->Price, 1);
    EXPECT_EQ(c.manager->FindElement("ship"), nullptr);
    EXPECT_EQ(c.manager->FindElement("Ship "), nullptr);
    EXPECT_EQ(c.manager->FindElement(fullA), c.manager->GetElement(4));
    EXPECT_EQ(c.manager->FindElement(halfA), c.manager->GetElement(3));
    EXPECT_EQ(c.manager->FindElement(""), c.manager->GetElement(2));
    EXPECT_EQ(c.manager->FindElement("Sh"), nullptr);
}
