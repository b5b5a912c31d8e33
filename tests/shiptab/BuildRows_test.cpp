// Builds as text and links, without widgets: what the desktop and the page both read.
#include "shiptab/BuildRows.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

const std::filesystem::path DataDir = std::filesystem::path(__FILE__).parent_path() / ".." / ".." / "data";

class BuildRows : public testing::Test {
protected:
    CShipDataManager Sample{(DataDir / "ship_varietion.csv").string(), (DataDir / "ship_material.csv").string()};
};

// Every ship at its start and at its bounds comes back from its row and from its link (whose
// format is pinned on one).
TEST_F(BuildRows, RowsAndLinksOpenWhatTheyWrite)
{
    ASSERT_GT(Sample.GetCount(), 0);
    EXPECT_EQ(shiptab::LinkFragment(*Sample.GetElement(0), {1, -3, 5, 2}),
              "ship=%E3%83%90%E3%83%AB%E3%82%B7%E3%83%A3&material=%E3%82%B7%E3%83%BC%E3%83%80%E3%83%BC&ratio=-3&cabins=5&ports=2");
    for (int i = 0; i < Sample.GetCount(); ++i) {
        const CShipDataElement& ship = *Sample.GetElement(i);
        const shiptab::Range cabins = shiptab::CabinReach(ship), ports = shiptab::PortReach(ship);
        for (const shiptab::Build& build : {shiptab::StartingBuild(ship),
                                            shiptab::Build{10, -7, cabins.Lowest, ports.Highest},
                                            shiptab::Build{3, 1000, cabins.Highest, ports.Lowest}}) {
            for (const shiptab::PastedRows& read :
                 {shiptab::ReadPasted(shiptab::BuildHeaderRow() + shiptab::BuildRow(ship, build), Sample),
                  shiptab::ReadLink("https://example.org/planner/#" + shiptab::LinkFragment(ship, build), Sample),
                  shiptab::ReadPasted(shiptab::LinkFragment(ship, build).insert(0, "#") + "\n", Sample)}) {
                ASSERT_EQ(read.Builds.size(), 1u) << i;
                EXPECT_EQ(read.Builds[0].Ship, &ship);
                EXPECT_EQ(read.Builds[0].Asked, build);
                EXPECT_TRUE(read.Refused.empty());
            }
        }
    }
}

// A link that opens nothing says why, in the words a refused paste uses.
TEST_F(BuildRows, RefusedLinksSayWhy)
{
    const std::pair<const char*, const char*> cases[] = {
        {"#ship=Galleon&material=%E8%A6%AA%E6%96%B9&ratio=0&cabins=10&ports=4", "船種「Galleon」がありません"},
        {"#ship=%E3%83%90%E3%83%AB%E3%82%B7%E3%83%A3&material=Oak&ratio=0&cabins=10&ports=4", "材質「Oak」がありません"},
        {"#ship=%E3%83%90%E3%83%AB%E3%82%B7%E3%83%A3&material=%E8%A6%AA%E6%96%B9&ratio=1.5&cabins=10&ports=4",
         "比率調整「1.5」が整数ではありません"},
        {"#ship=%E3%83%90%E3%83%AB%E3%82%B7%E3%83%A3&material=%E8%A6%AA%E6%96%B9&ratio=0&cabins=16&ports=4",
         "船室「16」は 5 から 15 までにしかできません"},
        {"#ship=%E3%83%90%E3%83%AB%E3%82%B7%E3%83%A3&material=%E8%A6%AA%E6%96%B9&ratio=0&cabins=10",
         "リンクに船種名・材質・比率調整・船室・砲室がそろっていません"},
        {"#ship=%FF%&material=&ratio=&cabins=&ports=", "船種「\xEF\xBF\xBD%」がありません"},
    };
    for (const auto& [link, why] : cases) {
        const shiptab::PastedRows read = shiptab::ReadLink(link, Sample);
        EXPECT_TRUE(read.Builds.empty()) << link;
        ASSERT_EQ(read.Refused.size(), 1u) << link;
        EXPECT_EQ(shiptab::LinkRefusedMessage(read.Refused[0]), std::string("リンクのビルドは開けませんでした: ") + why);
    }
}

} // namespace
