#include "support/BenchCatalogue.h"

#include "shipdata/Cshipdatamanagemer.h"
#include "support/TempDir.h"

#include <algorithm>
#include <fstream>
#include <map>
#include <random>
#include <utility>
#include <vector>

namespace testsupport {

namespace {

// Ship kind words in code page 932 (ガレオン, キャラック, ジャンク, バルシャ, フリゲート, ダウ).
const char* const Kinds[] = {
    ("\x83\x4b" "\x83\x8c" "\x83\x49" "\x83\x93"),
    ("\x83\x4c" "\x83\x83" "\x83\x89" "\x83\x62" "\x83\x4e"),
    ("\x83\x57" "\x83\x83" "\x83\x93" "\x83\x4e"),
    ("\x83\x6f" "\x83\x8b" "\x83\x56" "\x83\x83"),
    ("\x83\x74" "\x83\x8a" "\x83\x51" "\x81\x5b" "\x83\x67"),
    ("\x83\x5f" "\x83\x45"),
};
const char* const Large = "\x91\xe5" "\x8c\x5e"; // 大型

// Unique names; by their numbers many are part of others ("...1" in "...10"), and every
// tenth is the large kind of the ship before it, which contains that ship's name whole.
std::string ShipName(int i)
{
    if (i % 10 == 5)
        return Large + ShipName(i - 1);
    return Kinds[i % std::size(Kinds)] + std::to_string(i);
}

CatalogueFiles Make(const std::filesystem::path& root, int size, bool trailingBlank)
{
    std::mt19937 random(static_cast<unsigned>(size));
    std::uniform_int_distribution<int> small(0, 40), slot(0, 4), level(1, 70), price(1000, 400000);
    std::string ships = "name,price,a,b,row,slue,wave,armour,c,cabins,ports,hold,min,alv,tlv,clv,"
                        "j,f,s,w,ar,cs,fc,rc,d,material,era,sea,e,note\r\n";
    std::vector<std::string> materialLines;
    materialLines.reserve(static_cast<std::size_t>(size));
    for (int i = 0; i < size; ++i) {
        const std::string name = ShipName(i);
        ships += name + ',' + std::to_string(price(random));
        for (int c = 2; c < 30; ++c) {
            ships += ',';
            if (c == 29)
                continue; // empty note, as most ships have
            if (c == 26 || c == 27)
                ships += "era" + std::to_string(c);
            else if (c >= 13 && c <= 15)
                ships += std::to_string(level(random));
            else if (c >= 16 && c <= 23)
                ships += std::to_string(slot(random));
            else if (c == 25)
                ships += std::to_string(small(random) % 10); // a material the tab knows
            else
                ships += std::to_string(small(random) * (c >= 9 && c <= 11 ? 10 : 1));
        }
        ships += "\r\n";

        std::string line = trailingBlank ? name + ' ' : name;
        for (int m = 0; m < MaterialCount; ++m)
            line += ',' + std::to_string(100 + small(random)) + '/' + std::to_string(100 + small(random)) + '/' +
                    std::to_string(200 + 10 * m + small(random));
        materialLines.push_back(std::move(line));
    }
    std::shuffle(materialLines.begin(), materialLines.end(), random);
    std::string materials = "name,m0,m1,m2,m3,m4,m5,m6,m7,m8,m9,m10\r\n";
    for (const std::string& line : materialLines)
        materials += line + "\r\n";

    const std::string tag = std::to_string(size) + (trailingBlank ? "-blank" : "");
    const CatalogueFiles c{(root / ("ships-" + tag + ".csv")).string(), (root / ("materials-" + tag + ".csv")).string()};
    std::ofstream(c.ships, std::ios::binary) << ships;
    std::ofstream(c.materials, std::ios::binary) << materials;
    return c;
}

} // namespace

const CatalogueFiles& BenchCatalogue(int size, bool trailingBlank)
{
    static const TempDir root;
    static std::map<std::pair<int, bool>, CatalogueFiles> made;
    const std::pair key(size, trailingBlank);
    auto it = made.find(key);
    if (it == made.end())
        it = made.emplace(key, Make(root.path(), size, trailingBlank)).first;
    return it->second;
}

} // namespace testsupport
